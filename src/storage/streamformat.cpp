// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/streamformat.h"

#include "common/errorcodes.h"
#include "common/exceptions.h"

#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QIODevice>
#include <QString>
#include <QtEndian>

#include <limits>

namespace {
constexpr quint32 NULL_TEXT_LENGTH = 0xFFFFFFFF;
constexpr quint32 MSECS_PER_DAY = 24 * 60 * 60 * 1000;
thread_local bool readingWallClock = false;
} // namespace

WallClockReading::WallClockReading() : previous(readingWallClock)
{
    readingWallClock = true;
}

WallClockReading::~WallClockReading()
{
    readingWallClock = previous;
}

qint64 bytesLeft(QDataStream& stream)
{
    QIODevice* device = stream.device();
    if (!device)
        return 0;
    return device->bytesAvailable();
}

bool ensureBytesLeft(QDataStream& stream, quint64 needed)
{
    const qint64 left = bytesLeft(stream);
    if (left < 0 || needed > quint64(left)) {
        stream.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}

void writeDateTime(QDataStream& stream, const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const quint32 julianDay = date.isValid() ? quint32(date.toJulianDay()) : 0;
    const quint32 msecs = time.isValid() ? quint32(time.msecsSinceStartOfDay()) : 0;
    stream << julianDay << msecs;
}

QDateTime readDateTime(QDataStream& stream)
{
    quint32 julianDay = 0;
    quint32 msecs = 0;
    stream >> julianDay >> msecs;
    if (stream.status() != QDataStream::Ok)
        return QDateTime();
    if (msecs >= MSECS_PER_DAY) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return QDateTime();
    }
    if (julianDay == 0)
        return QDateTime();
    return QDateTime(QDate::fromJulianDay(julianDay), QTime::fromMSecsSinceStartOfDay(int(msecs)),
                     readingWallClock ? Qt::UTC : Qt::LocalTime);
}

void writeText(QDataStream& stream, const QString& text)
{
    if (text.isNull()) {
        stream << NULL_TEXT_LENGTH;
        return;
    }
    const qsizetype units = text.size();
    stream << quint32(units * 2);
    QByteArray bytes(units * 2, Qt::Uninitialized);
    const ushort* source = text.utf16();
    for (qsizetype i = 0; i < units; ++i)
        qToBigEndian<quint16>(source[i], bytes.data() + 2 * i);
    stream.writeRawData(bytes.constData(), int(bytes.size()));
}

QString readText(QDataStream& stream)
{
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok || length == NULL_TEXT_LENGTH)
        return QString();
    if (length % 2 != 0 || length > quint32(std::numeric_limits<int>::max())) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return QString();
    }
    if (!ensureBytesLeft(stream, length))
        return QString();
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    if (stream.readRawData(bytes.data(), int(length)) != int(length)) {
        stream.setStatus(QDataStream::ReadPastEnd);
        return QString();
    }
    QString text(qsizetype(length / 2), Qt::Uninitialized);
    QChar* target = text.data();
    for (quint32 i = 0; i < length / 2; ++i)
        target[i] = QChar(qFromBigEndian<quint16>(bytes.constData() + 2 * i));
    return text;
}

void requireStreamOk(QDataStream& stream, const char* where)
{
    if (stream.status() == QDataStream::Ok)
        return;
    qDebug() << "unreadable data (ended early or impossible values) in" << where;
    throw StreamErr(ZUV_BAD_FILE_FORMAT);
}

void requireRoomFor(QDataStream& stream, quint64 count, quint64 bytesEach, const char* where)
{
    requireStreamOk(stream, where);
    const qint64 left = bytesLeft(stream);
    if (left >= 0 && count * bytesEach <= quint64(left))
        return;
    qDebug() << "a count of" << count << "cannot fit into the" << left << "bytes left in" << where;
    stream.setStatus(QDataStream::ReadPastEnd);
    throw StreamErr(ZUV_BAD_FILE_FORMAT);
}
