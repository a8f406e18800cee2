// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/collectionforecast.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_roots.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr double averageMonthDays = 365.2425 / 12;
// No count of coins reaches this; a search that does has no answer.
constexpr double mostCoins = 1e18;
constexpr int mostIterations = 200;
// Relative; near what a double holds, as the search costs little.
constexpr double rootPrecision = 1e-14;

// log P(n), with (1 - p)^n worked out in logarithms: exact for the tiny
// shares of the rarest coins and the huge n they need.
double logChance(const QList<UnseenCoin>& unseen, double coins)
{
    double sum = 0;
    for (const UnseenCoin& coin : unseen)
        sum += std::log(-std::expm1(coins * std::log1p(-coin.share)));
    return sum;
}

struct Target
{
    const QList<UnseenCoin>* unseen;
    double logWanted;
};

double distance(double coins, void* target)
{
    const auto* wanted = static_cast<const Target*>(target);
    return logChance(*wanted->unseen, coins) - wanted->logWanted;
}

} // namespace

CollectionForecast::CollectionForecast(const SeenCoins& seen, const zuv::MixCounts& mix)
{
    double total = 0;
    for (const auto& byValue : mix)
        for (qint64 coins : byValue)
            total += static_cast<double>(coins);
    for (size_t coin = 0; coin < NUM_COINS; ++coin) {
        for (size_t side = 0; side < NUM_NATIONAL_SIDES; ++side) {
            if (seen[coin][side]) {
                ++seenCount;
                continue;
            }
            const double share = total > 0 ? static_cast<double>(mix[coin][side]) / total : 0.0;
            unseen.append(UnseenCoin{static_cast<int>(coin), static_cast<int>(side) + 1, share});
        }
    }
    std::stable_sort(unseen.begin(), unseen.end(),
                     [](const UnseenCoin& a, const UnseenCoin& b) { return a.share < b.share; });
}

SeenCoins CollectionForecast::seenIn(const QList<Counting>& countings)
{
    SeenCoins seen{};
    for (const Counting& counting : countings)
        for (size_t coin = 0; coin < NUM_COINS; ++coin)
            for (size_t side = 0; side < NUM_NATIONAL_SIDES; ++side)
                seen[coin][side] = seen[coin][side] || counting.counts[coin][side] > 0;
    return seen;
}

double CollectionForecast::coinsPerMonth(const QList<Counting>& countings)
{
    if (countings.isEmpty())
        return 0;
    quint64 coins = 0;
    for (const Counting& counting : countings)
        coins += counting.coins;
    const auto monthOf = [](const Counting& counting) {
        return counting.date.date().year() * 12 + counting.date.date().month();
    };
    return static_cast<double>(coins) / (monthOf(countings.constLast()) - monthOf(countings.constFirst()) + 1);
}

QDate CollectionForecast::dateAfter(QDate from, double coins, double coinsPerMonth)
{
    const double days = coins / coinsPerMonth * averageMonthDays;
    if (!(days <= LONGEST_YEARS * 365.2425))
        return QDate();
    return from.addDays(std::llround(days));
}

double CollectionForecast::chanceAllSeen(double coins) const
{
    return std::exp(logChance(unseen, coins));
}

double CollectionForecast::coinsUntil(double chance) const
{
    if (unseen.isEmpty())
        return 0;
    if (unseen.constFirst().share <= 0)
        return std::numeric_limits<double>::infinity();
    Target target{&unseen, std::log(chance)};
    // P grows with n: double n until it is passed; the root lies in the last step.
    double high = 1;
    while (distance(high, &target) < 0) {
        high *= 2;
        if (high > mostCoins)
            return std::numeric_limits<double>::infinity();
    }
    double low = high > 1 ? high / 2 : 1e-9;
    if (distance(low, &target) >= 0) // wanted so little that hardly a coin is needed
        return low;

    gsl_function function{&distance, &target};
    const std::unique_ptr<gsl_root_fsolver, decltype(&gsl_root_fsolver_free)> solver(
        gsl_root_fsolver_alloc(gsl_root_fsolver_brent), &gsl_root_fsolver_free);
    gsl_root_fsolver_set(solver.get(), &function, low, high);
    for (int i = 0; i < mostIterations; ++i) {
        gsl_root_fsolver_iterate(solver.get());
        low = gsl_root_fsolver_x_lower(solver.get());
        high = gsl_root_fsolver_x_upper(solver.get());
        if (gsl_root_test_interval(low, high, 0, rootPrecision) == GSL_SUCCESS)
            break;
    }
    return gsl_root_fsolver_root(solver.get());
}
