#include "server/uploadserver.h"

#include <QTcpSocket>

UploadServer::UploadServer(UploadService& uploadService, const ConnectionLimits& connectionLimits, QObject* parent)
    : QObject(parent), service(uploadService), limits(connectionLimits)
{
    connect(&server, &QTcpServer::newConnection, this, &UploadServer::acceptConnections);
}

bool UploadServer::listen(const QHostAddress& address, quint16 port)
{
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
