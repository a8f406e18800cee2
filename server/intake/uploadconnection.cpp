// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/uploadconnection.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "net/serveranswer.h"
#include "server/intake/peerledger.h"
#include "server/intake/uploadqueue.h"

#include <QDataStream>
#include <QDebug>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>

namespace {

// Offsets into the header.
constexpr int VERSION_END = 6;

QByteArray reasonFor(unsigned code)
{
    switch (code) {
    case TCP_SERVER_RECEIVES_BAD_FORMAT:
        return "not a ZUV upload";
    case TCP_CLIENT_HAS_TOO_OLD_VERSION:
        return "client version too old";
    case TCP_CLIENT_HAS_TOO_NEW_VERSION:
        return "client version too new";
    case TCP_CLIENT_SENDS_TOO_MUCH_DATA:
        return "body too large";
    case TCP_CLIENT_HAS_BAD_DATA_FORMAT:
        return "body is not a client state";
    case TCP_SERVER_IS_ILL:
        return "upload could not be stored";
    case TCP_SERVER_TIMEOUT:
        return "upload not complete in time";
    default:
        return "refused";
    }
}

} // namespace

namespace zuv::server {

UploadConnection::UploadConnection(QTcpSocket* clientSocket, UploadQueue& uploadQueue,
                                   const ConnectionLimits& connectionLimits, PeerLedger& peerLedger, QObject* parent)
    : QObject(parent), socket(clientSocket), uploads(uploadQueue), limits(connectionLimits), ledger(peerLedger),
      peer(clientSocket->peerAddress()), limitTimer(new QTimer(this))
{
    socket->setParent(this);
    socket->setReadBufferSize(READ_BUFFER_BYTES);
    limitTimer->setSingleShot(true);
    connect(limitTimer, &QTimer::timeout, this, &UploadConnection::timedOut);
    connect(socket, &QTcpSocket::readyRead, this, &UploadConnection::readIncoming);
    connect(socket, &QTcpSocket::bytesWritten, this, &UploadConnection::closeSendingSideWhenWritten);
    connect(socket, &QTcpSocket::disconnected, this, &UploadConnection::finish);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (socket->state() == QAbstractSocket::UnconnectedState)
            finish();
    });
    clock.start();
    armLimitTimer();
    // Bytes may have arrived before we were listening.
    QTimer::singleShot(0, this, &UploadConnection::readIncoming);
}

UploadConnection::~UploadConnection()
{
    releaseBody();
    socket->disconnect(this);
    socket->abort();
}

void UploadConnection::turnAway(const QByteArray& reason)
{
    refuse(TCP_SERVER_TIMEOUT, reason);
}

QByteArray UploadConnection::refusalLine(unsigned code, const QByteArray& reason)
{
    return "ZUV server refuses (" + QByteArray::number(code) + ", " + (reason.isEmpty() ? reasonFor(code) : reason) +
           ")\n";
}

QByteArray UploadConnection::answerFrame(const ServerAnswer& answer)
{
    QByteArray body;
    QDataStream s(&body, QIODevice::WriteOnly);
    s << answer;
    return frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, quint32(body.size())) + body;
}

void UploadConnection::finish()
{
    if (done)
        return;
    done = true;
    limitTimer->stop();
    Q_EMIT finished();
    deleteLater();
}

void UploadConnection::readIncoming()
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (replied || storing) {
        socket->skip(socket->bytesAvailable()); // the rest of a refused upload, or more than one
        return;
    }
    while (socket->bytesAvailable() > 0) {
        if (!headerChecked) {
            headerBytes += socket->read(FRAME_HEADER_SIZE - headerBytes.size());
            if (!checkHeader())
                return; // refused
        } else {
            // Straight into the room set aside for the body: no copy, and
            // never more than was announced.
            const qint64 wanted = qint64(header.bodyLength) - body.size();
            if (wanted == 0)
                break;
            const qsizetype had = body.size();
            body.resize(had + qsizetype(qMin(wanted, socket->bytesAvailable())));
            const qint64 got = socket->read(body.data() + had, body.size() - had);
            body.resize(had + qsizetype(qMax<qint64>(got, 0)));
        }
        lastInputMs = clock.elapsed();
        armLimitTimer();
    }
    if (!headerChecked || body.size() < qsizetype(header.bodyLength))
        return; // more will come

    storing = true;
    limitTimer->stop();
    uploads.submit(body, peer, this, [this](const UploadService::Reply& outcome) { answer(outcome); });
}

void UploadConnection::answer(const UploadService::Reply& outcome)
{
    storing = false;
    if (outcome.refusal != 0)
        refuse(outcome.refusal, outcome.refusalReason);
    else
        reply(answerFrame(outcome.answer));
}

// Looks at as much of the header as has arrived. False when the upload was
// refused; headerChecked is set once all of it was there and passed.
bool UploadConnection::checkHeader()
{
    if (headerBytes.size() >= FRAME_MAGIC_SIZE && !startsWithMagic(headerBytes)) {
        refuse(TCP_SERVER_RECEIVES_BAD_FORMAT);
        return false;
    }
    if (headerBytes.size() >= VERSION_END) {
        const quint16 version = qFromBigEndian<quint16>(headerBytes.constData() + FRAME_MAGIC_SIZE);
        if (version < MIN_FORMAT_VERSION) {
            refuse(TCP_CLIENT_HAS_TOO_OLD_VERSION);
            return false;
        }
        if (version > MAX_FORMAT_VERSION) {
            refuse(TCP_CLIENT_HAS_TOO_NEW_VERSION);
            return false;
        }
    }
    if (!parseFrameHeader(headerBytes, header))
        return true;
    if (header.bodyLength > limits.maxBodyBytes) {
        // Said at once: the client need not send what we would not read.
        refuse(TCP_CLIENT_SENDS_TOO_MUCH_DATA);
        return false;
    }
    if (!ledger.reserveBody(peer, header.bodyLength)) {
        refuse(TCP_SERVER_TIMEOUT, "server busy");
        return false;
    }
    reservedBytes = header.bodyLength;
    body.reserve(qsizetype(header.bodyLength));
    bodyStartMs = clock.elapsed();
    headerChecked = true;
    return true;
}

void UploadConnection::refuse(unsigned code, const QByteArray& reason)
{
    qInfo().noquote() << "refusing" << peer.toString() << "with code" << code
                      << (reason.isEmpty() ? reasonFor(code) : reason);
    reply(refusalLine(code, reason));
}

void UploadConnection::reply(const QByteArray& bytes)
{
    replied = true;
    // The body's room is given back only now, so a complete body still
    // counts against the budget until it has been dealt with.
    releaseBody();
    // From now on only the grace time counts: cutting the connection short
    // could reset it before the client has read the reply.
    limitTimer->start(CLOSE_GRACE_MS);
    socket->write(bytes);
    socket->flush();
    closeSendingSideWhenWritten();
    // Whatever the client had already sent is dropped from now on.
    readIncoming();
}

void UploadConnection::releaseBody()
{
    body = QByteArray();
    if (reservedBytes >= 0)
        ledger.releaseBody(peer, reservedBytes);
    reservedBytes = -1;
}

// The first of its limits the upload runs into, as things stand: the
// connection time, the idle time since the last bytes, and the header's time
// or, once the header is in, the body's pace. The pace keeps to an average:
// every byte buys 1/minBodyBytesPerSecond seconds, after a start as long as
// the header's time, so a drip falls ever further behind and steady sending
// of any size never does.
UploadConnection::TimeLimit UploadConnection::nextLimit() const
{
    TimeLimit next{limits.connectionTimeoutMs, "upload not complete in time"};
    const auto sooner = [&next](qint64 atMs, const char* reason) {
        if (atMs < next.atMs)
            next = TimeLimit{atMs, reason};
    };
    sooner(lastInputMs + limits.idleTimeoutMs, "silent for too long");
    if (!headerChecked)
        sooner(limits.headerTimeoutMs, "header not complete in time");
    else
        sooner(bodyStartMs + limits.headerTimeoutMs + qint64(body.size()) * 1000 / limits.minBodyBytesPerSecond,
               "body arriving too slowly");
    return next;
}

void UploadConnection::armLimitTimer()
{
    const qint64 remainingMs = nextLimit().atMs - clock.elapsed();
    limitTimer->start(int(qBound(qint64(0), remainingMs, qint64(limits.connectionTimeoutMs))));
}

void UploadConnection::closeSendingSideWhenWritten()
{
    if (!replied || sendingClosed || socket->bytesToWrite() > 0)
        return;
    // Closing the whole socket with unread bytes from the client would reset
    // the connection, and a reset may wipe our reply from the client's side
    // before it is read. Closing only our direction tells the client that
    // the reply is complete; it hangs up, and we see it go.
    sendingClosed = true;
    if (socket->socketDescriptor() >= 0)
        ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
}

// A time limit ran out: refused like any other upload that will not be
// answered. After the reply, the grace time is over.
void UploadConnection::timedOut()
{
    if (replied || socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        finish();
        return;
    }
    const TimeLimit limit = nextLimit();
    // A coarse timer may fire a little early.
    if (clock.elapsed() < limit.atMs) {
        armLimitTimer();
        return;
    }
    refuse(TCP_SERVER_TIMEOUT, limit.reason);
}

} // namespace zuv::server
