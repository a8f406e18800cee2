// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/publishedresults.h"
#include "results/purseresults.h"

#include <QDate>
#include <QList>

#include <array>

// When will the participant have seen every national coin: each of the 8
// coin values with each of the 15 national sides? Each coin he counts is one
// of the mix his member country's members meet, the coin of a cell with the
// cell's share of that mix. After n more coins, a coin not seen yet has
// turned up with the chance 1 - (1 - p)^n, and all of them with the product
// of those chances.

// Which coins (by value, then national side 0..14) the participant has seen.
using SeenCoins = std::array<std::array<bool, NUM_NATIONAL_SIDES>, NUM_COINS>;

// A coin the participant has not seen, with its share of the mix.
struct UnseenCoin
{
    int coin = 0; // 0 = 1 cent
    int side = 0; // national side 1..15
    double share = 0;
};

class CollectionForecast
{
public:
    // Beyond this a forecast date means nothing to a participant.
    static constexpr int LONGEST_YEARS = 100;

    CollectionForecast(const SeenCoins& seen, const zuv::MixCounts& mix);

    // Every coin with a count in one of the countings.
    static SeenCoins seenIn(const QList<Counting>& countings);
    // The coins counted over the months from the first counting's to the
    // last's: a month without a counting counts too, as it will in future.
    static double coinsPerMonth(const QList<Counting>& countings);
    // The day `coins` more coins are counted at that rate; invalid beyond
    // LONGEST_YEARS.
    static QDate dateAfter(QDate from, double coins, double coinsPerMonth);

    int seen() const { return seenCount; }
    bool allSeen() const { return unseen.isEmpty(); }
    // The chance that every coin has turned up after `coins` more coins.
    double chanceAllSeen(double coins) const;
    // How many more coins give every coin with that chance (0 < chance < 1):
    // 0 when all are seen, infinity when a coin is not in the mix.
    double coinsUntil(double chance) const;
    // The coins not seen yet, rarest first.
    const QList<UnseenCoin>& unseenCoins() const { return unseen; }

private:
    int seenCount = 0;
    QList<UnseenCoin> unseen;
};
