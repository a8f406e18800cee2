#include "server/uploadserver.h"

#include "common/errorcodes.h"

#include <QTcpSocket>
#include <QTimer>

#include <unistd.h>

namespace {
// Many participants uploading at the same moment must not find the door shut:
// the toolkit's default backlog of 50 drops connection attempts, which the
// clients then retry only after a second.
constexpr int listenBacklog = 256;
// The listener accepts no further socket while one waits for us to take it,
// so a full server holds a single socket beyond its limit.
constexpr int acceptedAhead = 1;
// Peers refused at once are given the usual time to read the refusal and hang
// up. A flood of them must not run us out of file descriptors (the usual
// limit is 1024, and half of it is for served connections): beyond this many
// the refusal is written and the socket closed straight away.
constexpr int maxTurnedAway = 256;
// When accepting fails for want of descriptors or memory, the listener stops;
// it tries again after this long, when connections may have ended.
constexpr int acceptRetryMs = 100;
constexpr char crowdedAddress[] = "too many connections from your address";
} // namespace

UploadServer::UploadServer(UploadQueue& uploadQueue, const ConnectionLimits& connectionLimits,
                           const ServerLimits& serverLimits, QObject* parent)
    : QObject(parent), uploads(uploadQueue), limits(connectionLimits), maxConnections(serverLimits.maxConnections),
      ledger(serverLimits.maxConnectionsPerAddress, serverLimits.maxBufferedBytes)
{
    connect(&server, &QTcpServer::newConnection, this, &UploadServer::acceptConnections);
    connect(&server, &QTcpServer::acceptError, this, &UploadServer::acceptFailed);
}

UploadServer::~UploadServer()
{
    // The connections give back what they hold in the ledger, so they go
    // before it does.
    qDeleteAll(findChildren<UploadConnection*>(QString(), Qt::FindDirectChildrenOnly));
}

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
        if (ledger.mayTakePlace(socket->peerAddress()))
            serve(socket);
        else
            turnAway(socket);
    }
    // Taking a socket lets the listener accept again, so this comes after.
    server.pauseAccepting();
}

void UploadServer::serve(QTcpSocket* socket)
{
    const QHostAddress peer = socket->peerAddress();
    ledger.takePlace(peer);
    ++connections;
    auto* connection = new UploadConnection(socket, uploads, limits, ledger, this);
    connect(connection, &UploadConnection::finished, this, [this, peer] {
        ledger.freePlace(peer);
        connectionEnded();
    });
}

void UploadServer::turnAway(QTcpSocket* socket)
{
    if (turnedAway >= maxTurnedAway) {
        socket->write(UploadConnection::refusalLine(TCP_SERVER_TIMEOUT, crowdedAddress));
        socket->flush();
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++turnedAway;
    auto* connection = new UploadConnection(socket, uploads, limits, ledger, this);
    connect(connection, &UploadConnection::finished, this, [this] { --turnedAway; });
    connection->turnAway(crowdedAddress);
}

void UploadServer::connectionEnded()
{
    --connections;
    server.resumeAccepting();
    // One may already be waiting; the listener announces only new ones.
    acceptConnections();
}

void UploadServer::acceptFailed()
{
    QTimer::singleShot(acceptRetryMs, this, [this] {
        if (connections < maxConnections)
            server.resumeAccepting();
    });
}
