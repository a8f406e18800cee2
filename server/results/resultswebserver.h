// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/intake/connectiongate.h"
#include "server/intake/peerledger.h"
#include "server/intake/uploadserver.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>

class QHttpServerRequest;
class QTcpSocket;
class ResultsService;

// The project's web pages next to the upload port: the results page, its
// JSON and CSV, and the short pages the program links to. It answers GET
// and HEAD; any other method gets 405, an unknown address 404. Every
// answer carries its date and a tag of its bytes, so a browser that asks
// again with the tag (or the date it was given) of a document that has not
// changed is told so (304) without the document. A malformed request gets
// 400, another major version of HTTP 505, an expectation we do not meet
// 417; a request we would not read is answered as soon as its head is in.
//
// It shares the event loop with the uploads, so no browser may hold it up
// or fill its memory: a connection carries one request and is closed after
// the answer; a request whose header is larger than MAX_HEADER_BYTES gets
// 431 and one that sends more than MAX_REQUEST_BYTES in all 413, both as
// soon as the bytes show it; one not complete within the header time of the
// uploads, or silent for their idle time, gets 408. The web port serves as
// many connections at once as the upload port, and as few per address: a
// browser beyond its address's places gets 503 at once, and beyond all
// places browsers wait in the listen backlog until one is done.
class ResultsWebServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    static constexpr int MAX_HEADER_BYTES = 16 * 1024;
    static constexpr qint64 MAX_REQUEST_BYTES = 64 * 1024;
    // After the answer, the browser has this long to hang up.
    static constexpr int CLOSE_GRACE_MS = 5000;

    ResultsWebServer(ResultsService& results, const ConnectionLimits& connectionLimits,
                     const ServerLimits& serverLimits, QObject* parent = nullptr);
    ~ResultsWebServer() override;

    // Port 0 takes any free port; port() then tells which.
    bool listenOn(const QHostAddress& address, quint16 port);
    quint16 port() const { return gate.port(); }
    QString errorString() const { return gate.errorString(); }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    // When this server first gave out the document of `path` as it is now.
    QDateTime firstServed(const QString& path, const QByteArray& tag);

    struct Version
    {
        QByteArray tag;
        QDateTime since;
    };
    QHash<QString, Version> versions;

    // The HTTP server reads from the sockets of a QTcpServer of its own and
    // lets that accept again whenever it takes one; so the gate accepts,
    // and the HTTP server is bound to a listener that takes nobody: it
    // listens on a loopback port only because the HTTP server wants a
    // listening one, and closes whatever reaches it there.
    class HandOver : public QTcpServer
    {
    public:
        explicit HandOver(QObject* parent) : QTcpServer(parent) {}
        void hand(QTcpSocket* socket) { addPendingConnection(socket); }

    protected:
        void incomingConnection(qintptr descriptor) override;
    };

    ResultsService& results;
    ConnectionLimits limits;
    PeerLedger ledger;
    ConnectionGate gate;
    HandOver* handOver; // our child
};
