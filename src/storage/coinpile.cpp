// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/coinpile.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"

#include <QDebug>
#include <QTextStream>

namespace {
constexpr quint32 COUNT_GROUP_BITS = 7;

// Base-128 digits of a positive count.
int digitsOf(quint32 count)
{
    int digits = 0;
    do {
        ++digits;
        count >>= COUNT_GROUP_BITS;
    } while (count != 0);
    return digits;
}
} // namespace

QList<quint8> CoinPile::serialize() const
{
    quint8 bytes[MAX_PILE_BYTES];
    const int size = serializeTo(bytes);
    return QList<quint8>(bytes, bytes + size);
}

int CoinPile::serializeTo(quint8* out) const
{
    int size = 0;
    out[size++] = quint8((coinIndex + 8 * countryIndex) & 0xFF);
    quint32 rest = count;
    while (rest != 0) {
        quint8 group = quint8(rest & PILE_COUNT_GROUP_MASK);
        rest >>= COUNT_GROUP_BITS;
        if (rest != 0)
            group |= PILE_MORE_BYTES_FOLLOW;
        out[size++] = group;
    }
    // A count of 0 would leave the pile without count bytes, which no reader
    // could tell from the next pile: such a pile must never be written.
    if (count == 0 || size != 1 + digitsOf(count)) {
        qDebug() << "FATAL: something went wrong serializing in CoinPile::serialize";
        throw LogicErr(ZUV_SERIALIZING_ERROR);
    }
    return size;
}

CoinPile deserialize(const QList<quint8>& bytes)
{
    return deserialize(bytes.constData(), bytes.size());
}

CoinPile deserialize(const quint8* bytes, qsizetype size)
{
    CoinPile pile;
    const quint8* end = bytes + size;
    if (size <= 0 || decodePile(bytes, end, pile) != end) {
        qDebug() << "FATAL: something went wrong serializing in CoinPile::deserialize";
        throw LogicErr(ZUV_DESERIALIZING_ERROR);
    }
    return pile;
}

QString CoinPile::giveAllCoinCountriesAsTextTupels(const QString& tail)
{
    QString text;
    QTextStream out(&text);
    for (int i = 0; i < NUM_COUNTRIES; ++i)
        out << "(" << i << ",'" << countrynamesWords[i] << "'" << tail << "),";
    out.flush();
    text.chop(1);
    return text;
}

QString CoinPile::giveAllCoinValuesAsTextTripels(const QString& tail)
{
    QString text;
    QTextStream out(&text);
    for (int i = 0; i < NUM_COINS; ++i)
        out << "(" << (i + 1) << "," << coinvalues[i] << ",'" << coinnames[i] << "'" << tail << "),";
    out.flush();
    text.chop(1);
    return text;
}
