// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/constants.h"
#include "server/results/mixingmodel.h"

#include <QList>
#include <QtGlobal>

#include <array>
#include <map>
#include <vector>

class SqlConnection;

// What the mixing models are fitted to, read from each member's coins in
// the counted cells: per member country, the members' countings month by
// month, of every coin value together ([0]) and of each value ([1..8]). Only
// months from the euro coins' first one to the current one count.
using CountryCountings = std::array<std::vector<MemberCountings>, NUM_COINS + 1>;

class MixingCountings
{
public:
    explicit MixingCountings(SqlConnection& connection) : sql(connection) {}

    // Who changed the countings of each member country (1..15) since its
    // model was published, for those that at least `minimum` members changed.
    std::map<int, QList<qint64>> dueCountries(int minimum);
    // The countings of `countries` up to `lastMonth` (year * 100 + month).
    std::map<int, CountryCountings> read(const QList<int>& countries, int lastMonth);

    // The middle of the month, in years after 2002-01-01.
    static double yearsOf(int month);

private:
    SqlConnection& sql;
};
