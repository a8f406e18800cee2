// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;
struct ServerAnswer;

// A stand-in for the project's server on a free loopback port. For every connection it reads the whole
// upload, plays its script (pieces of bytes, each after a pause) and hangs up, or not. A flood after the
// script holds one chunk at most in its own buffer: the client's appetite decides the memory taken.
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
    // After the script: chunk after chunk until `limit` bytes went out.
    void floodAfterScript(const QByteArray& chunk, qint64 limit);

    QList<Piece> script;
    bool hangUpAfterScript = true;
    bool readsUpload = true; // false: never looks at what it is sent
    QByteArray received;     // the upload of the latest connection
    bool uploadComplete = false;
    bool accepted = false;
    qint64 floodSent = 0;

private:
    void accept();
    void readUpload();
    void play(int index);
    void flood();

    QTcpServer server;
    QTcpSocket* peer = nullptr;
    QByteArray floodChunk;
    qint64 floodLimit = 0;
};

// A whole answer message: header with the record's length, then the record.
QByteArray answerMessage(const ServerAnswer& answer);
