#include "server/uploadconnection.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "net/serveranswer.h"
#include "server/uploadservice.h"

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

UploadConnection::UploadConnection(QTcpSocket* clientSocket, UploadService& uploadService,
                                   const ConnectionLimits& connectionLimits, QObject* parent)
    : QObject(parent), socket(clientSocket), service(uploadService), limits(connectionLimits),
      idleTimer(new QTimer(this)), connectionTimer(new QTimer(this))
{
    socket->setParent(this);
    socket->setReadBufferSize(READ_BUFFER_BYTES);
    idleTimer->setSingleShot(true);
    connect(idleTimer, &QTimer::timeout, this, &UploadConnection::timedOut);
    connectionTimer->setSingleShot(true);
    connect(connectionTimer, &QTimer::timeout, this, &UploadConnection::timedOut);
    connect(socket, &QTcpSocket::readyRead, this, &UploadConnection::readIncoming);
    connect(socket, &QTcpSocket::bytesWritten, this, &UploadConnection::closeSendingSideWhenWritten);
    connect(socket, &QTcpSocket::disconnected, this, &UploadConnection::finish);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (socket->state() == QAbstractSocket::UnconnectedState)
            finish();
    });
    idleTimer->start(limits.idleTimeoutMs);
    connectionTimer->start(limits.connectionTimeoutMs);
    // Bytes may have arrived before we were listening.
    QTimer::singleShot(0, this, &UploadConnection::readIncoming);
}

UploadConnection::~UploadConnection()
{
    socket->disconnect(this);
    socket->abort();
}

QByteArray UploadConnection::refusalLine(unsigned code)
{
    return "ZUV server refuses (" + QByteArray::number(code) + ", " + reasonFor(code) + ")\n";
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
    idleTimer->stop();
    connectionTimer->stop();
    Q_EMIT finished();
    deleteLater();
}

void UploadConnection::readIncoming()
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (replied) {
        socket->read(socket->bytesAvailable()); // the rest of a refused upload
        return;
    }
    for (;;) {
        const qint64 wanted = qint64(FRAME_HEADER_SIZE) + (headerChecked ? qint64(header.bodyLength) : 0);
        if (headerChecked && received.size() == wanted)
            break;
        if (socket->bytesAvailable() == 0)
            return; // more will come
        received += socket->read(wanted - received.size());
        idleTimer->start(limits.idleTimeoutMs);
        if (!headerChecked && !checkHeader())
            return; // refused
    }

    const UploadService::Reply outcome = service.handleUpload(received.mid(FRAME_HEADER_SIZE));
    received.clear();
    if (outcome.refusal != 0)
        refuse(outcome.refusal);
    else
        reply(answerFrame(outcome.answer));
}

// Looks at as much of the header as has arrived. False when the upload was
// refused; headerChecked is set once all of it was there and passed.
bool UploadConnection::checkHeader()
{
    if (received.size() >= FRAME_MAGIC_SIZE && !startsWithMagic(received)) {
        refuse(TCP_SERVER_RECEIVES_BAD_FORMAT);
        return false;
    }
    if (received.size() >= VERSION_END) {
        const quint16 version = qFromBigEndian<quint16>(received.constData() + FRAME_MAGIC_SIZE);
        if (version < MIN_FORMAT_VERSION) {
            refuse(TCP_CLIENT_HAS_TOO_OLD_VERSION);
            return false;
        }
        if (version > MAX_FORMAT_VERSION) {
            refuse(TCP_CLIENT_HAS_TOO_NEW_VERSION);
            return false;
        }
    }
    if (!parseFrameHeader(received, header))
        return true;
    if (header.bodyLength > limits.maxBodyBytes) {
        // Said at once: the client need not send what we would not read.
        refuse(TCP_CLIENT_SENDS_TOO_MUCH_DATA);
        return false;
    }
    headerChecked = true;
    return true;
}

void UploadConnection::refuse(unsigned code)
{
    qInfo().noquote() << "refusing" << socket->peerAddress().toString() << "with code" << code;
    reply(refusalLine(code));
}

void UploadConnection::reply(const QByteArray& bytes)
{
    replied = true;
    // From now on only the grace time counts: cutting the connection short
    // could reset it before the client has read the reply.
    connectionTimer->stop();
    idleTimer->start(CLOSE_GRACE_MS);
    socket->write(bytes);
    socket->flush();
    closeSendingSideWhenWritten();
    // Whatever the client had already sent is dropped from now on.
    readIncoming();
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

// Silent for too long, or not done in time: refused like any other upload
// that will not be answered. After the reply, the grace time is over.
void UploadConnection::timedOut()
{
    if (replied || socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        finish();
        return;
    }
    refuse(TCP_SERVER_TIMEOUT);
}
