#pragma once

#include "net/protocol.h"

#include <QByteArray>
#include <QObject>
#include <QtGlobal>

class QTcpSocket;
class QTimer;
class UploadService;
struct ServerAnswer;

// How much a connection may send, how long it may stay silent and how long
// it may take in all until its upload is complete.
struct ConnectionLimits
{
    quint32 maxBodyBytes = 16 * 1024 * 1024;
    int idleTimeoutMs = 30000;
    int connectionTimeoutMs = 120000;
};

// One client connection: it collects the 10-byte header and the body,
// refuses what is not an upload as early as the bytes allow (no magic, a
// version we do not take, a body above the limit, all without reading
// further), hands a complete body to the upload service and sends its answer
// or refusal. Then it closes its sending side and lets the client hang up,
// dropping whatever still arrives, so the reply is never lost to a reset.
// A connection silent for the idle time, or one whose upload is not complete
// within the connection time, is refused and closed the same way.
// It deletes itself when its socket is gone.
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
    UploadConnection(QTcpSocket* socket, UploadService& service, const ConnectionLimits& limits,
                     QObject* parent = nullptr);
    ~UploadConnection() override;

    // The refusal line for an error code: the client skips its first four
    // characters and reads the code between "(" and ",".
    static QByteArray refusalLine(unsigned code);

    // The answer frame: header with the record's size, then the record.
    static QByteArray answerFrame(const ServerAnswer& answer);

Q_SIGNALS:
    void finished();

private:
    void readIncoming();
    bool checkHeader();
    void refuse(unsigned code);
    void reply(const QByteArray& bytes);
    void timedOut();
    void closeSendingSideWhenWritten();
    void finish();

    QTcpSocket* socket;
    UploadService& service;
    ConnectionLimits limits;
    QTimer* idleTimer;
    QTimer* connectionTimer; // runs until the reply
    QByteArray received;
    FrameHeader header;
    bool headerChecked = false;
    bool replied = false;
    bool sendingClosed = false;
    bool done = false;
};
