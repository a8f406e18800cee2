#pragma once

#include "server/uploadconnection.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

class UploadService;

// Listens for clients and gives every connection its own UploadConnection;
// all of them run on the one event loop.
class UploadServer : public QObject
{
    Q_OBJECT

public:
    UploadServer(UploadService& service, const ConnectionLimits& limits, QObject* parent = nullptr);

    // Port 0 takes any free port; port() then tells which.
    bool listen(const QHostAddress& address, quint16 port);
    QHostAddress address() const { return server.serverAddress(); }
    quint16 port() const { return server.serverPort(); }
    QString errorString() const { return server.errorString(); }
    int openConnections() const { return connections; }

private:
    void acceptConnections();

    UploadService& service;
    ConnectionLimits limits;
    QTcpServer server;
    int connections = 0;
};
