// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/scriptedserver.h"

#include "common/constants.h"
#include "net/protocol.h"
#include "net/serveranswer.h"

#include <QDataStream>
#include <QTcpSocket>
#include <QTimer>

ScriptedServer::ScriptedServer()
{
    server.listen(QHostAddress::LocalHost, 0);
    connect(&server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

void ScriptedServer::replyInPieces(const QByteArray& bytes, int pieceSize, int delayMs)
{
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize)
        script.append({bytes.mid(at, pieceSize), delayMs});
}

void ScriptedServer::floodAfterScript(const QByteArray& chunk, qint64 limit)
{
    floodChunk = chunk;
    floodLimit = limit;
}

void ScriptedServer::accept()
{
    peer = server.nextPendingConnection();
    accepted = true;
    received.clear();
    uploadComplete = false;
    peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (readsUpload)
        connect(peer, &QTcpSocket::readyRead, this, &ScriptedServer::readUpload);
}

void ScriptedServer::readUpload()
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

void ScriptedServer::play(int index)
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
    QTcpSocket* current = peer;
    QTimer::singleShot(script[index].delayMs, current, [this, current, index] {
        current->write(script[index].bytes);
        current->flush();
        if (current == peer)
            play(index + 1);
    });
}

void ScriptedServer::flood()
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

QByteArray answerMessage(const ServerAnswer& answer)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream << answer;
    return frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, quint32(body.size())) + body;
}
