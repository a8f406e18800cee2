// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/protocol.h"
#include "server/intake/uploadservice.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QtGlobal>

class PeerLedger;
class QTcpSocket;
class QTimer;
class UploadQueue;
struct ServerAnswer;

// How much a connection may send and how long it may take: to stay silent,
// to send the header, to send the body (at an average of at least
// minBodyBytesPerSecond, after a start as long as the header's time) and in
// all until its upload is complete.
struct ConnectionLimits
{
    quint32 maxBodyBytes = 1024 * 1024;
    int idleTimeoutMs = 30000;
    int connectionTimeoutMs = 120000;
    int headerTimeoutMs = 10000;
    int minBodyBytesPerSecond = 500;
};

// The program has an UploadConnection window of its own; both are linked
// into the tests.
namespace zuv::server {

// One client connection: it collects the 10-byte header and the body,
// refuses what is not an upload as early as the bytes allow (no magic, a
// version we do not take, a body above the limit, all without reading
// further), hands a complete body to the upload queue and sends the answer or
// refusal it gets back. While the upload is being stored the wait is ours: no
// time limit runs, and whatever the client sends is dropped. After the reply
// it closes its sending side and lets the client hang up,
// dropping whatever still arrives, so the reply is never lost to a reset.
// A body is read only into room the ledger has set aside for it; without
// room the upload is refused with "try later" before its body is read.
// A connection that runs into one of its time limits is refused with "try
// later" too and closed the same way. It deletes itself when its socket is
// gone.
class UploadConnection : public QObject
{
    Q_OBJECT

public:
    // After the reply, the client has this long to hang up.
    static constexpr int CLOSE_GRACE_MS = 5000;
    // The socket keeps no more than this unread; we take everything as it
    // comes until the upload is complete, and nothing after it.
    static constexpr qint64 READ_BUFFER_BYTES = 64 * 1024;

    // Takes the socket over (it becomes our child).
    UploadConnection(QTcpSocket* socket, UploadQueue& uploads, const ConnectionLimits& limits, PeerLedger& ledger,
                     QObject* parent = nullptr);
    ~UploadConnection() override;

    // Refuses the upload before anything is read: the peer may not be served
    // now and is told to try later.
    void turnAway(const QByteArray& reason);

    // The refusal line for an error code: the client skips its first four
    // characters and reads the code between "(" and ",". Without a reason
    // the code's usual one is given.
    static QByteArray refusalLine(unsigned code, const QByteArray& reason = QByteArray());

    // The answer frame: header with the record's size, then the record.
    static QByteArray answerFrame(const ServerAnswer& answer);

Q_SIGNALS:
    void finished();

private:
    void readIncoming();
    bool checkHeader();
    void answer(const UploadService::Reply& outcome);
    void refuse(unsigned code, const QByteArray& reason = QByteArray());
    void reply(const QByteArray& bytes);
    void releaseBody();
    struct TimeLimit
    {
        qint64 atMs; // after the start
        const char* reason;
    };
    TimeLimit nextLimit() const;
    void armLimitTimer();
    void timedOut();
    void closeSendingSideWhenWritten();
    void finish();

    QTcpSocket* socket;
    UploadQueue& uploads;
    ConnectionLimits limits;
    PeerLedger& ledger;
    const QHostAddress peer;
    // Until the reply it fires at the first time limit the upload runs into;
    // after it, when the client's time to hang up is over.
    QTimer* limitTimer;
    QElapsedTimer clock; // since the connection was served
    qint64 lastInputMs = 0;
    qint64 bodyStartMs = 0;
    qint64 reservedBytes = -1; // set aside in the ledger; -1: nothing
    QByteArray headerBytes;
    QByteArray body;
    FrameHeader header;
    bool headerChecked = false;
    bool storing = false;
    bool replied = false;
    bool sendingClosed = false;
    bool done = false;
};

} // namespace zuv::server
