// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/connectiongate.h"

#include "server/intake/peerledger.h"

#include <QTcpSocket>
#include <QTimer>

#include <unistd.h>

namespace {
// Many participants arriving at the same moment must not find the door shut:
// the toolkit's default backlog of 50 drops connection attempts, which the
// clients then retry only after a second.
constexpr int listenBacklog = 256;
// The listener accepts no further socket while one waits for us to take it,
// so a full server holds a single socket beyond its limit.
constexpr int acceptedAhead = 1;
// Peers refused at once are given the usual time to read the refusal and hang
// up. A flood of them must not run us out of file descriptors: beyond this
// many the refusal is written and the socket closed straight away.
constexpr int maxTurnedAway = 256;
// When accepting fails for want of descriptors or memory, the listener stops;
// it tries again after this long, when connections may have ended.
constexpr int acceptRetryMs = 100;
} // namespace

ConnectionGate::ConnectionGate(int maxServed, PeerLedger& peerLedger, Server kind, QObject* parent)
    : QObject(parent), maxConnections(maxServed), ledger(peerLedger), server(std::move(kind)), listener(*this)
{
    connect(&listener, &QTcpServer::newConnection, this, &ConnectionGate::acceptConnections);
    connect(&listener, &QTcpServer::acceptError, this, &ConnectionGate::acceptFailed);
}

void ConnectionGate::Listener::incomingConnection(qintptr descriptor)
{
    QTcpSocket* socket = gate.server.newSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(int(descriptor));
        return;
    }
    addPendingConnection(socket);
}

bool ConnectionGate::listen(const QHostAddress& address, quint16 port)
{
    listener.setListenBacklogSize(listenBacklog);
    listener.setMaxPendingConnections(acceptedAhead);
    return listener.listen(address, port);
}

void ConnectionGate::close()
{
    closed = true;
    listener.close();
}

void ConnectionGate::acceptConnections()
{
    while (!closed && connections < maxConnections) {
        QTcpSocket* socket = listener.nextPendingConnection();
        if (!socket)
            return;
        if (ledger.mayTakePlace(socket->peerAddress()))
            serve(socket);
        else
            turnAway(socket);
    }
    // Taking a socket lets the listener accept again, so this comes after.
    listener.pauseAccepting();
}

void ConnectionGate::serve(QTcpSocket* socket)
{
    const QHostAddress peer = socket->peerAddress();
    ledger.takePlace(peer);
    ++connections;
    connect(server.serve(socket), &QObject::destroyed, this, [this, peer] { connectionEnded(peer); });
}

void ConnectionGate::turnAway(QTcpSocket* socket)
{
    if (turnedAway >= maxTurnedAway) {
        socket->write(server.refusal());
        socket->flush();
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++turnedAway;
    connect(server.turnAway(socket), &QObject::destroyed, this, [this] { --turnedAway; });
}

void ConnectionGate::connectionEnded(const QHostAddress& peer)
{
    ledger.freePlace(peer);
    --connections;
    if (closed)
        return;
    listener.resumeAccepting();
    // One may already be waiting; the listener announces only new ones.
    acceptConnections();
}

void ConnectionGate::acceptFailed()
{
    QTimer::singleShot(acceptRetryMs, this, [this] {
        if (!closed && connections < maxConnections)
            listener.resumeAccepting();
    });
}
