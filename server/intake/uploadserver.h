// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/intake/connectiongate.h"
#include "server/intake/peerledger.h"
#include "server/intake/uploadconnection.h"

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
// all of them run on the one event loop. The gate limits how many are
// served, in all and per address; a client turned away is told "try later".
// The time limits of a connection start when it is served.
class UploadServer : public QObject
{
    Q_OBJECT

public:
    UploadServer(UploadQueue& uploads, const ConnectionLimits& connectionLimits, const ServerLimits& serverLimits,
                 QObject* parent = nullptr);
    ~UploadServer() override;

    // Port 0 takes any free port; port() then tells which.
    bool listen(const QHostAddress& address, quint16 port) { return gate.listen(address, port); }
    QHostAddress address() const { return gate.address(); }
    quint16 port() const { return gate.port(); }
    QString errorString() const { return gate.errorString(); }
    int openConnections() const { return gate.openConnections(); }

private:
    UploadQueue& uploads;
    ConnectionLimits limits;
    PeerLedger ledger;
    ConnectionGate gate;
};
