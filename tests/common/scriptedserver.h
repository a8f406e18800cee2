#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;
struct ServerAnswer;

// A stand-in for the project's server on a free loopback port. For every
// connection it reads the whole upload and then plays its script: pieces of
// bytes, each after a pause, and then hangs up (or not).
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    struct Piece
    {
        QByteArray bytes;
        int delayMs = 0;
    };

    ScriptedServer();

    quint16 port() const { return server.serverPort(); }

    void reply(const QByteArray& bytes) { script.append({bytes, 0}); }
    void replyInPieces(const QByteArray& bytes, int pieceSize, int delayMs);

    QList<Piece> script;
    bool hangUpAfterScript = true;
    QByteArray received; // the upload of the latest connection
    bool uploadComplete = false;
    int connections = 0;

private:
    void accept();
    void readUpload();
    void play(int index);

    QTcpServer server;
    QTcpSocket* peer = nullptr;
};

// A whole answer message: header with the record's length, then the record.
QByteArray answerMessage(const ServerAnswer& answer);
