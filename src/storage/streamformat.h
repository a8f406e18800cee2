// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QtGlobal>

class QDataStream;
class QDateTime;
class QString;

// The primitive encodings shared by the data file, the upload and the server's
// answer. They are written out by hand so that the bytes never depend on the
// version setting of the stream or on the Qt release.
//
// The readers below never throw: like Qt's own operators they leave the stream
// in a failed state (ReadPastEnd or ReadCorruptData) and the record readers
// decide what that means for them.

// What is left to read in the stream's device. Every announced length or count
// is compared with it before anything is allocated, so a reader needs the
// whole record in its device (a file, or a buffer holding a complete message).
qint64 bytesLeft(QDataStream& stream);

// True when at least `needed` bytes are left; otherwise marks the stream as
// read past its end and returns false.
bool ensureBytesLeft(QDataStream& stream, quint64 needed);

// Date and time: the date as 32-bit Julian day (0 for a null date), then the
// time as 32-bit milliseconds since midnight. Read back as local time, or as
// written while a WallClockReading lives on the reading thread.
void writeDateTime(QDataStream& stream, const QDateTime& dateTime);
QDateTime readDateTime(QDataStream& stream);

// While it lives, dates and times read on this thread keep exactly the fields
// that were written (they get Qt::UTC, which has no gaps and no repeated
// hours) instead of being taken as this machine's local time. For readers of
// another machine's wall-clock times: a time written in one zone may not exist
// in the reader's (02:30 on the night clocks go forward).
class WallClockReading
{
public:
    WallClockReading();
    ~WallClockReading();
    WallClockReading(const WallClockReading&) = delete;
    WallClockReading& operator=(const WallClockReading&) = delete;

private:
    bool previous;
};

// Text: 32-bit byte length (0xFFFFFFFF for a null text), then UTF-16 code
// units, big-endian. An empty text reads back as an empty, non-null text.
void writeText(QDataStream& stream, const QString& text);
QString readText(QDataStream& stream);

// Throws StreamErr(ZUV_BAD_FILE_FORMAT) after a debug line naming `where` when
// the stream has failed (ended early or met impossible data).
void requireStreamOk(QDataStream& stream, const char* where);

// Throws StreamErr(ZUV_BAD_FILE_FORMAT) unless `count` items of at least
// `bytesEach` bytes can still follow in the stream.
void requireRoomFor(QDataStream& stream, quint64 count, quint64 bytesEach, const char* where);

// A device that only counts what is written to it.
class ByteCounter : public QIODevice
{
public:
    qint64 count() const { return written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        written += length;
        return length;
    }

private:
    qint64 written = 0;
};

// The number of bytes a record's binary stream form takes: the record is
// written and its bytes counted, without keeping a second copy of them.
template <typename Record> quint32 serializedSize(const Record& record)
{
    ByteCounter counter;
    counter.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    QDataStream stream(&counter);
    stream << record;
    return quint32(counter.count());
}
