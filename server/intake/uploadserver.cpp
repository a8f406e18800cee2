// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/uploadserver.h"

#include "common/errorcodes.h"

#include <QTcpSocket>

using zuv::server::UploadConnection;

namespace {
constexpr char crowdedAddress[] = "too many connections from your address";
} // namespace

UploadServer::UploadServer(UploadQueue& uploadQueue, const ConnectionLimits& connectionLimits,
                           const ServerLimits& serverLimits, QObject* parent)
    : QObject(parent), uploads(uploadQueue), limits(connectionLimits),
      ledger(serverLimits.maxConnectionsPerAddress, serverLimits.maxBufferedBytes),
      gate(serverLimits.maxConnections, ledger,
           ConnectionGate::Server{
               [](QObject* parent) {
                   auto* socket = new QTcpSocket(parent);
                   socket->setReadBufferSize(UploadConnection::READ_BUFFER_BYTES);
                   return socket;
               },
               [this](QTcpSocket* socket) { return new UploadConnection(socket, uploads, limits, ledger, this); },
               [this](QTcpSocket* socket) {
                   auto* connection = new UploadConnection(socket, uploads, limits, ledger, this);
                   connection->turnAway(crowdedAddress);
                   return connection;
               },
               [] { return UploadConnection::refusalLine(TCP_SERVER_TIMEOUT, crowdedAddress); }})
{
}

UploadServer::~UploadServer()
{
    // The connections give back what they hold in the ledger, so they go
    // before it does, and no new one takes their places.
    gate.close();
    qDeleteAll(findChildren<UploadConnection*>(QString(), Qt::FindDirectChildrenOnly));
}
