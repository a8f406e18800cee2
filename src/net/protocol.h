// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class ClientStorage;

// The framing of an upload and of the server's reply. Both directions start
// with the same 10-byte header: the magic number, a format version and the
// length of the body that follows, big-endian.

constexpr int FRAME_HEADER_SIZE = 10;
constexpr int FRAME_MAGIC_SIZE = 4;

// Protocol version written into the header of an upload.
constexpr quint16 UPLOAD_PROTOCOL_VERSION = 107;

// A real answer record is well below 1 KiB; anything announcing more than
// this is not an answer we are willing to buffer.
constexpr quint32 MAX_ANSWER_BODY_SIZE = 1024 * 1024;

// A refusal is read until this many lines or bytes, whichever comes first.
constexpr int MAX_REFUSAL_LINES = 20;
constexpr qint64 MAX_REFUSAL_BYTES = 64 * 1024;

struct FrameHeader
{
    quint32 magic = 0;
    quint16 version = 0;
    quint32 bodyLength = 0;

    bool hasMagic() const;
};

// The 10 header bytes for the given fields.
QByteArray frameHeaderBytes(quint32 magic, quint16 version, quint32 bodyLength);

// Reads a header from the first FRAME_HEADER_SIZE bytes of data; false when
// fewer bytes are there.
bool parseFrameHeader(const QByteArray& data, FrameHeader& header);

// True when the first four bytes of data are the magic number.
bool startsWithMagic(const QByteArray& data);

// The whole upload: header with the record's size, then the record. The
// storage itself is not touched; the record is written from a copy. Throws
// StreamErr(TCP_NET_STREAM_ERROR) when the record cannot be written or does
// not come out at the announced size; other failures of the record's own
// writer pass on unchanged.
QByteArray uploadMessage(const ClientStorage& storage);

// The error code a refusal carries: the characters between the first "(" of
// the text and the first "," after it, read as an unsigned decimal number
// (blanks around the digits are allowed). False when there is none.
bool refusalCode(const QString& text, unsigned& code);
