// SPDX-License-Identifier: GPL-3.0-or-later
// Refusal text from bytes, as the connection window hands it over: Latin-1
// lines. A code found must be the number written between the first "(" and
// the comma after it.

#include "fuzzsupport.h"

#include "net/protocol.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    unsigned code = 0;
    if (!refusalCode(text, code))
        return 0;
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype comma = text.indexOf(QLatin1Char(','), open + 1);
    FUZZ_REQUIRE(open >= 0 && comma > open);
    const QString between = text.mid(open + 1, comma - open - 1).trimmed();
    bool ok = false;
    FUZZ_REQUIRE(between.toUInt(&ok) == code && ok);
    return 0;
}
