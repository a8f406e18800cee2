// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/bytestring.h"

#include "storage/streamformat.h"

#include <QDataStream>
#include <QString>
#include <QTextStream>

#include <limits>

namespace {
constexpr unsigned char SCRAMBLE_BASE = 14;
} // namespace

std::string encrypt(const std::string& plain)
{
    std::string scrambled(plain);
    for (char& c : scrambled) {
        const auto b = static_cast<unsigned char>(c);
        c = static_cast<char>(static_cast<unsigned char>(SCRAMBLE_BASE - (b ^ 1u)));
    }
    return scrambled;
}

std::string decrypt(const std::string& scrambled)
{
    std::string plain(scrambled);
    for (char& c : plain) {
        const auto b = static_cast<unsigned char>(c);
        c = static_cast<char>(static_cast<unsigned char>(SCRAMBLE_BASE - b) ^ 1u);
    }
    return plain;
}

QDataStream& operator<<(QDataStream& stream, const std::string& bytes)
{
    const std::string scrambled = encrypt(bytes);
    stream << quint32(scrambled.size());
    stream.writeRawData(scrambled.data(), int(scrambled.size()));
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::string& bytes)
{
    bytes.clear();
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok || !ensureBytesLeft(stream, length))
        return stream;
    if (length > quint32(std::numeric_limits<int>::max())) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    std::string scrambled(length, '\0');
    if (stream.readRawData(scrambled.data(), int(length)) != int(length)) {
        stream.setStatus(QDataStream::ReadPastEnd);
        return stream;
    }
    bytes = decrypt(scrambled);
    return stream;
}

QTextStream& operator<<(QTextStream& stream, const std::string& bytes)
{
    return stream << QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}
