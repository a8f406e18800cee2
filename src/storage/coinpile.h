#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Longest compact form of a pile: the first byte and five 7-bit groups of a
// 32-bit count.
constexpr int MAX_PILE_BYTES = 6;

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
