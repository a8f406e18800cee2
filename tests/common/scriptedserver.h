#pragma once

#include "common/constants.h"
#include "net/protocol.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A stand-in for the project's server on a free loopback port. It reads the
// whole upload and then plays its script: pieces of bytes, each after a
// pause, and then hangs up (or not). A flood after the script keeps sending
// the same chunk for as long as the client takes it, holding no more than
// one chunk in its own buffer, so that only the client's appetite decides
// how much memory the bytes take.
//
// Header-only and without signals of its own, so that any test can use it.
class ScriptedServer : public QObject
{
public:
    struct Piece
    {
        QByteArray bytes;
        int delayMs = 0;
    };

    ScriptedServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
    }

    quint16 port() const { return server.serverPort(); }

    void reply(const QByteArray& bytes) { script.append({bytes, 0}); }
    void replyInPieces(const QByteArray& bytes, int pieceSize, int delayMs)
    {
        for (qsizetype at = 0; at < bytes.size(); at += pieceSize)
            script.append({bytes.mid(at, pieceSize), delayMs});
    }
    // After the script: chunk after chunk until `limit` bytes went out.
    void floodAfterScript(const QByteArray& chunk, qint64 limit)
    {
        floodChunk = chunk;
        floodLimit = limit;
    }

    QList<Piece> script;
    bool hangUpAfterScript = true;
    // A server that never looks at what it is sent.
    bool readsUpload = true;
    QByteArray received;
    bool uploadComplete = false;
    bool accepted = false;
    qint64 floodSent = 0;

private:
    void accept()
    {
        peer = server.nextPendingConnection();
        accepted = true;
        peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (readsUpload)
            connect(peer, &QTcpSocket::readyRead, this, &ScriptedServer::readUpload);
    }

    void readUpload()
    {
        received += peer->readAll();
        FrameHeader header;
        if (uploadComplete || !parseFrameHeader(received, header))
            return;
        if (quint64(received.size()) < FRAME_HEADER_SIZE + quint64(header.bodyLength))
            return;
        uploadComplete = true;
        play(0);
    }

    void play(int index)
    {
        if (index == script.size()) {
            if (!floodChunk.isEmpty()) {
                connect(peer, &QTcpSocket::bytesWritten, this, &ScriptedServer::flood);
                flood();
                return;
            }
            if (hangUpAfterScript)
                peer->disconnectFromHost();
            return;
        }
        QTimer::singleShot(script[index].delayMs, this, [this, index] {
            peer->write(script[index].bytes);
            peer->flush();
            play(index + 1);
        });
    }

    void flood()
    {
        if (peer->state() != QAbstractSocket::ConnectedState || peer->bytesToWrite() > 0)
            return;
        if (floodSent >= floodLimit) {
            if (hangUpAfterScript)
                peer->disconnectFromHost();
            return;
        }
        floodSent += peer->write(floodChunk);
    }

    QTcpServer server;
    QTcpSocket* peer = nullptr;
    QByteArray floodChunk;
    qint64 floodLimit = 0;
};
