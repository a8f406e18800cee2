// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/protocol.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

bool FrameHeader::hasMagic() const
{
    return magic == DATAFILE_MAGIC;
}

QByteArray frameHeaderBytes(quint32 magic, quint16 version, quint32 bodyLength)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(magic) << qint16(version) << qint32(bodyLength);
    return bytes;
}

bool startsWithMagic(const QByteArray& data)
{
    return data.size() >= FRAME_MAGIC_SIZE && qFromBigEndian<quint32>(data.constData()) == DATAFILE_MAGIC;
}

bool parseFrameHeader(const QByteArray& data, FrameHeader& header)
{
    if (data.size() < FRAME_HEADER_SIZE)
        return false;
    const char* bytes = data.constData();
    header.magic = qFromBigEndian<quint32>(bytes);
    header.version = qFromBigEndian<quint16>(bytes + 4);
    header.bodyLength = qFromBigEndian<quint32>(bytes + 6);
    return true;
}

QByteArray uploadMessage(const ClientStorage& storage)
{
    // Everything is written from a copy, so the participant's state cannot
    // change under the upload, not even through the writer.
    ClientStorage copy(storage);
    const quint32 bodyLength = sizeOf(copy);

    QByteArray message = frameHeaderBytes(DATAFILE_MAGIC, UPLOAD_PROTOCOL_VERSION, bodyLength);
    message.reserve(qsizetype(FRAME_HEADER_SIZE) + qsizetype(bodyLength));
    QDataStream s(&message, QIODevice::WriteOnly | QIODevice::Append);
    s << copy;
    // The server trusts the announced length; a body of another size would
    // make it read garbage, so such an upload is never sent.
    if (s.status() != QDataStream::Ok || quint64(message.size()) != quint64(FRAME_HEADER_SIZE) + bodyLength)
        throw StreamErr(TCP_NET_STREAM_ERROR);
    return message;
}

bool refusalCode(const QString& text, unsigned& code)
{
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0)
        return false;
    const qsizetype comma = text.indexOf(QLatin1Char(','), open + 1);
    if (comma < 0)
        return false;
    const QString digits = text.mid(open + 1, comma - open - 1).trimmed();
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool ok = false;
    const uint value = digits.toUInt(&ok);
    if (!ok)
        return false;
    code = value;
    return true;
}
