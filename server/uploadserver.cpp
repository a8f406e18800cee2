#include "server/uploadserver.h"

#include <QTcpSocket>

#include <unistd.h>

UploadServer::UploadServer(UploadService& uploadService, const ConnectionLimits& connectionLimits,
                           int connectionsAtOnce, QObject* parent)
    : QObject(parent), service(uploadService), limits(connectionLimits), maxConnections(connectionsAtOnce)
{
    connect(&server, &QTcpServer::newConnection, this, &UploadServer::acceptConnections);
}

namespace {
// Many participants uploading at the same moment must not find the door shut:
// the toolkit's default backlog of 50 drops connection attempts, which the
// clients then retry only after a second.
constexpr int listenBacklog = 256;
// The listener accepts no further socket while one waits for us to take it,
// so a full server holds a single socket beyond its limit.
constexpr int acceptedAhead = 1;
} // namespace

void UploadServer::Listener::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    socket->setReadBufferSize(UploadConnection::READ_BUFFER_BYTES);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(int(descriptor));
        return;
    }
    addPendingConnection(socket);
}

bool UploadServer::listen(const QHostAddress& address, quint16 port)
{
    server.setListenBacklogSize(listenBacklog);
    server.setMaxPendingConnections(acceptedAhead);
    return server.listen(address, port);
}

void UploadServer::acceptConnections()
{
    while (connections < maxConnections) {
        QTcpSocket* socket = server.nextPendingConnection();
        if (!socket)
            return;
        auto* connection = new UploadConnection(socket, service, limits, this);
        ++connections;
        connect(connection, &UploadConnection::finished, this, &UploadServer::connectionEnded);
    }
    // Taking a socket lets the listener accept again, so this comes after.
    server.pauseAccepting();
}

void UploadServer::connectionEnded()
{
    --connections;
    server.resumeAccepting();
    // One may already be waiting; the listener announces only new ones.
    acceptConnections();
}
