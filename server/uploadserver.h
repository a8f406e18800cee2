#pragma once

#include "server/peerledger.h"
#include "server/uploadconnection.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

class UploadQueue;

// How many connections the server serves: in all, from one peer address,
// and how many bytes their bodies in flight may hold together.
struct ServerLimits
{
    int maxConnections = 512;
    int maxConnectionsPerAddress = 16;
    qint64 maxBufferedBytes = 256 * 1024 * 1024;
};

// Listens for clients and gives every connection its own UploadConnection;
// all of them run on the one event loop. A connection from an address that
// holds all its places already is refused with "try later" at once and never
// takes a place, so one peer cannot crowd out the others: it takes as many
// addresses as maxConnections / maxConnectionsPerAddress to fill the server.
// At most maxConnections are served at once: while that many are open the
// server stops accepting, and further clients wait in the listen backlog (one
// of them accepted and waiting here) until a connection ends. Their time
// limits start when they are served.
class UploadServer : public QObject
{
    Q_OBJECT

public:
    UploadServer(UploadQueue& uploads, const ConnectionLimits& connectionLimits, const ServerLimits& serverLimits,
                 QObject* parent = nullptr);
    ~UploadServer() override;

    // Port 0 takes any free port; port() then tells which.
    bool listen(const QHostAddress& address, quint16 port);
    QHostAddress address() const { return server.serverAddress(); }
    quint16 port() const { return server.serverPort(); }
    QString errorString() const { return server.errorString(); }
    int openConnections() const { return connections; }

private:
    // A socket accepted while every place is taken reads no more than a
    // served one would, so a client waiting for its turn cannot fill our
    // memory.
    class Listener : public QTcpServer
    {
    protected:
        void incomingConnection(qintptr descriptor) override;
    };

    void acceptConnections();
    void serve(QTcpSocket* socket);
    void turnAway(QTcpSocket* socket);
    void connectionEnded();
    void acceptFailed();

    UploadQueue& uploads;
    ConnectionLimits limits;
    int maxConnections;
    PeerLedger ledger;
    Listener server;
    int connections = 0;
    int turnedAway = 0; // refused at once, until they hang up
};
