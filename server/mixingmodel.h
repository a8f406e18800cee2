#pragma once

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

// An estimate with its 90% interval.
struct Estimate
{
    double value = 0;
    double low = 0;
    double high = 0;
};

struct MixingFit
{
    // Whether the data supports the model; when not, `missing` says what is
    // missing ("fewer than 20 members (12)", ...) and no number is given.
    bool fitted = false;
    QString missing;
    int members = 0;
    qint64 purses = 0;
    int months = 0; // distinct months counted

    bool aFixed = false; // a came from the coins produced, not from the fit
    Estimate a;
    Estimate b;                               // per year
    Estimate halfTimeYears;                   // ln 2 / b
    Estimate mixedYears;                      // when f reaches 90% of a: ln 10 / b, in years after 2002-01-01
    std::optional<Estimate> halfForeignYears; // when half the coins are foreign (a > 0.5 only)
};

class MixingModel
{
public:
    static constexpr int MINIMUM_MEMBERS = 20;
    static constexpr double MINIMUM_SPAN_YEARS = 1.0;
    static constexpr int BOOTSTRAP_DRAWS = 200;

    // `fixedA`: the foreign share of complete mixing taken from the coins
    // produced; without it a is fitted. The same data and seed give the same fit.
    static MixingFit fit(const std::vector<MemberCountings>& members, std::optional<double> fixedA = std::nullopt,
                         quint64 seed = 1, int draws = BOOTSTRAP_DRAWS);
};
