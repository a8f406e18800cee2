// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Longest compact form of a pile: the first byte and five 7-bit groups of a
// 32-bit count.
constexpr int MAX_PILE_BYTES = 6;
// A count byte holds 7 bits of the count; its bit 7 says that another follows.
constexpr quint8 PILE_COUNT_GROUP_MASK = 0x7F;
constexpr quint8 PILE_MORE_BYTES_FOLLOW = 0x80;

// The coins of one value with one national side found in a purse.
// countryIndex counts national sides only: 0 is Austria, 14 the Vatican, so it
// is the country table's index minus one.
struct CoinPile
{
    quint32 coinIndex = 0;    // 0 = 1 cent .. 7 = 2 Euro
    quint32 countryIndex = 0; // national side 0..14
    quint32 count = 0;

    // Compact form: one byte (coinIndex + 8 * countryIndex) modulo 256, then
    // the count in 7-bit groups, lowest first, bit 7 set while more follow.
    // A pile with count 0 has no such form: throws LogicErr(ZUV_SERIALIZING_ERROR).
    QList<quint8> serialize() const;
    // The same bytes into `out`, which has room for MAX_PILE_BYTES; returns
    // how many were written. Throws as serialize() does. The stream writer
    // uses it so that a pile costs no list of its own.
    int serializeTo(quint8* out) const;

    // The country table and the coin value table as SQL value lists for the
    // server's database; `tail` goes unchanged into every tuple.
    static QString giveAllCoinCountriesAsTextTupels(const QString& tail);
    static QString giveAllCoinValuesAsTextTripels(const QString& tail);

    bool operator==(const CoinPile& other) const
    {
        return coinIndex == other.coinIndex && countryIndex == other.countryIndex && count == other.count;
    }
    bool operator!=(const CoinPile& other) const { return !(*this == other); }
};

// Inverse of CoinPile::serialize. A list whose length does not match its own
// continuation bits throws LogicErr(ZUV_DESERIALIZING_ERROR).
CoinPile deserialize(const QList<quint8>& bytes);
// The same over `size` bytes at `bytes`.
CoinPile deserialize(const quint8* bytes, qsizetype size);

// Decodes the compact pile that starts at `bytes`, looking no further than
// `end`: returns the byte after the pile, or nullptr when the data ends while
// the pile still announces a further byte. The count adds up in 32-bit
// arithmetic, so groups beyond the fifth wrap away. The stream reader decodes
// millions of piles through this, so it stays inline.
inline const quint8* decodePile(const quint8* bytes, const quint8* end, CoinPile& pile)
{
    if (bytes >= end)
        return nullptr;
    pile.coinIndex = bytes[0] & 7u;
    pile.countryIndex = bytes[0] >> 3;
    pile.count = 0;
    quint32 weight = 1; // 128^k, wrapping like the count itself
    for (const quint8* at = bytes + 1; at < end; ++at) {
        pile.count += (*at & PILE_COUNT_GROUP_MASK) * weight;
        if (!(*at & PILE_MORE_BYTES_FOLLOW))
            return at + 1;
        weight *= 128u;
    }
    return nullptr;
}
