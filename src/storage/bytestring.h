// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class QDataStream;
class QTextStream;

// Byte strings are plain std::string holding Latin-1 bytes: the e-mail
// addresses, the welcome text, the server and FTP host names and the names of
// invited friends. In binary streams their bytes go through a keyless
// scrambling so that addresses do not stand in the files as plain text.
//
// The stream operators below are exact matches for std::string; Qt 6.4 offers
// no operator for std::string that could compete, so no wrapper type is needed.

// Every byte b becomes (14 - (b XOR 1)) modulo 256; the argument is unchanged.
std::string encrypt(const std::string& plain);
// Every byte c becomes ((14 - c) modulo 256) XOR 1; the inverse of encrypt.
std::string decrypt(const std::string& scrambled);

// 32-bit length n, then the n scrambled bytes.
QDataStream& operator<<(QDataStream& stream, const std::string& bytes);
// Reads what operator<< wrote. A length that runs past the end of the data
// leaves the string empty and the stream failed (ReadPastEnd); nothing is
// allocated for it.
QDataStream& operator>>(QDataStream& stream, std::string& bytes);

// The bytes unscrambled, each as the character of its Latin-1 code.
QTextStream& operator<<(QTextStream& stream, const std::string& bytes);
