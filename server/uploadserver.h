#pragma once

#include "server/uploadconnection.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

class UploadService;

// Listens for clients and gives every connection its own UploadConnection;
// all of them run on the one event loop. At most maxConnections are served
// at once: while that many are open the server stops accepting, and further
// clients wait in the listen backlog (one of them accepted and waiting
// here) until a connection ends. Their time limits start when they are served.
class UploadServer : public QObject
{
    Q_OBJECT

public:
    UploadServer(UploadService& service, const ConnectionLimits& limits, int maxConnections, QObject* parent = nullptr);

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
    void connectionEnded();

    UploadService& service;
    ConnectionLimits limits;
    int maxConnections;
    Listener server;
    int connections = 0;
};
