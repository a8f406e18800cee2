#include "server/uploadserver.h"

#include <QTcpSocket>

UploadServer::UploadServer(UploadService& uploadService, const ConnectionLimits& connectionLimits, QObject* parent)
    : QObject(parent), service(uploadService), limits(connectionLimits)
{
    connect(&server, &QTcpServer::newConnection, this, &UploadServer::acceptConnections);
}

namespace {
// Many participants uploading at the same moment must not find the door shut:
// the toolkit's default backlog of 50 drops connection attempts, which the
// clients then retry only after a second.
constexpr int listenBacklog = 256;
} // namespace

bool UploadServer::listen(const QHostAddress& address, quint16 port)
{
    server.setListenBacklogSize(listenBacklog);
    return server.listen(address, port);
}

void UploadServer::acceptConnections()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        auto* connection = new UploadConnection(socket, service, limits, this);
        ++connections;
        connect(connection, &UploadConnection::finished, this, [this] { --connections; });
    }
}
