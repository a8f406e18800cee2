// SPDX-License-Identifier: GPL-3.0-or-later
// The compact form of a coin pile from bytes: refused with
// ZUV_DESERIALIZING_ERROR, or a pile that the writer encodes back into bytes
// that decode to the same pile.

#include "fuzzsupport.h"

#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/coinpile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QList<quint8> bytes;
    bytes.reserve(qsizetype(size));
    for (std::size_t i = 0; i < size; ++i)
        bytes.append(data[i]);

    CoinPile pile;
    try {
        pile = deserialize(bytes);
    } catch (const LogicErr& e) {
        FUZZ_REQUIRE(e.code() == ZUV_DESERIALIZING_ERROR);
        return 0;
    }
    FUZZ_REQUIRE(pile.coinIndex < 8 && pile.countryIndex < 32);
    // A count of 0 has no compact form; every other pile has exactly one.
    if (pile.count != 0) {
        const QList<quint8> again = pile.serialize();
        FUZZ_REQUIRE(deserialize(again) == pile);
        FUZZ_REQUIRE(again.size() <= bytes.size());
    }
    return 0;
}
