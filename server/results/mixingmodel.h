// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/publishedresults.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// When will the coins be mixed? In a member country the share of coins with a
// foreign national side t years after the euro coins' first day (1 January
// 2002) is modelled as f(t) = a (1 - exp(-b t)): a is the foreign share once
// the coins are mixed completely (one minus the country's share of the coins
// in circulation), b the speed of mixing.
//
// The fit is by maximum likelihood, each coin foreign or not with the
// probability f(t) of its purse's month. The coins of one purse are not
// independent, and one member may count thousands of purses, so the
// uncertainty comes from a bootstrap over members: members are drawn with
// replacement and the model fitted again, and the 90% intervals are the 5%
// and 95% points of the fits.

// What one member counted in one month (of one country, and of one coin
// value or all).
struct MonthCount
{
    double years = 0;   // the month's middle, in years after 2002-01-01
    qint64 coins = 0;   // coins counted
    qint64 foreign = 0; // of them with a foreign national side
    qint64 purses = 0;  // sessions that held them
};

// One member's countings; what the bootstrap draws.
struct MemberCountings
{
    std::vector<MonthCount> months;
};

class MixingModel
{
public:
    static constexpr int MINIMUM_MEMBERS = 20;
    static constexpr double MINIMUM_SPAN_YEARS = 1.0;
    static constexpr int BOOTSTRAP_DRAWS = 200;

    // Why a fit has no numbers: `missing` is one of these, its numbers filled
    // in. The JSON keeps the English sentence; the page shows it in its language.
    static constexpr const char* FEWER_MEMBERS = QT_TRANSLATE_NOOP("ResultsPage", "fewer than %1 members (%2)");
    static constexpr const char* SHORT_SPAN =
        QT_TRANSLATE_NOOP("ResultsPage", "less than a year of countings (%1 months)");
    static constexpr const char* WIDE_INTERVAL = QT_TRANSLATE_NOOP(
        "ResultsPage",
        "the countings do not yet tell the speed of mixing (the forecast's interval is wider than its time)");
    static constexpr const char* const MISSING_REASONS[] = {FEWER_MEMBERS, SHORT_SPAN, WIDE_INTERVAL};

    // `fixedA`: the foreign share of complete mixing taken from the coins
    // produced; without it a is fitted. The same data and seed give the same fit.
    static zuv::MixingFit fit(const std::vector<MemberCountings>& members, std::optional<double> fixedA = std::nullopt,
                              quint64 seed = 1, int draws = BOOTSTRAP_DRAWS);
};
