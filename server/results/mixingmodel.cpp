// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/mixingmodel.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_min.h>
#include <gsl/gsl_multimin.h>
#include <gsl/gsl_rng.h>

#include <algorithm>
#include <cmath>
#include <memory>

// The published results are one model, shared with the program.
using namespace zuv;

namespace {

// The fit works on a = 1 / (1 + exp(-u)) and b = exp(v): every (u, v) is a
// model with 0 < a < 1 and b > 0, so the minimiser needs no bounds.
double shareOf(double u)
{
    return 1 / (1 + std::exp(-u));
}

// Beyond this b (per year) every month is mixed already; it keeps b t finite.
const double LARGEST_LOG_SPEED = 30;
// Where b is looked for first, and the bracket of the one-dimensional fit.
const double SMALLEST_LOG_SPEED = std::log(1e-4);
const double HIGHEST_LOG_SPEED = std::log(100.0);
// Data at a boundary (every coin foreign, none, no coins at all) has its
// likelihood's maximum at infinity; a faint pull towards a = 0.5 and b =
// 0.1 per year keeps the optimum finite and leaves every real counting's
// optimum where it is (the likelihood per coin is in the order of 0.1).
const double PULL = 1e-8;
const double PULL_LOG_SPEED = std::log(0.1);
// A probability of exactly 0 or 1 would make one coin's log-likelihood infinite.
const double SMALLEST_PROBABILITY = 1e-12;

const double LN2 = std::log(2.0);
const double LN10 = std::log(10.0);

// The counts of all drawn members by month: the sufficient statistic of the
// binomial likelihood.
struct MonthTotals
{
    std::vector<double> coins;
    std::vector<double> foreign;
    double allCoins = 0;
};

struct Parameters
{
    double a = 0.5;
    double b = 0.1;
};

// The negative log-likelihood per coin of f(t) = a (1 - exp(-b t)), with
// its gradient in (u, v).
class Likelihood
{
public:
    Likelihood(const std::vector<double>& years, const MonthTotals& totals) : years(years), totals(totals) {}

    double value(double u, double v, double* du = nullptr, double* dv = nullptr) const
    {
        const double a = shareOf(u);
        const double b = std::exp(std::min(v, LARGEST_LOG_SPEED));
        double sum = 0, sumDu = 0, sumDv = 0;
        for (size_t m = 0; m < years.size(); ++m) {
            const double n = totals.coins[m];
            if (n <= 0)
                continue;
            const double k = totals.foreign[m];
            const double bt = b * years[m];
            const double unmixed = std::exp(-bt);
            const double f = std::clamp(a * (1 - unmixed), SMALLEST_PROBABILITY, 1 - SMALLEST_PROBABILITY);
            sum -= k * std::log(f) + (n - k) * std::log1p(-f);
            const double dF = (n - k) / (1 - f) - k / f;
            sumDu += dF * (1 - unmixed) * a * (1 - a);
            sumDv += dF * a * bt * unmixed;
        }
        const double scale = totals.allCoins > 0 ? 1 / totals.allCoins : 1;
        const double dPull = v - PULL_LOG_SPEED;
        if (du)
            *du = sumDu * scale + PULL * u;
        if (dv)
            *dv = sumDv * scale + PULL * dPull;
        return sum * scale + PULL * (u * u + dPull * dPull) / 2;
    }

private:
    const std::vector<double>& years;
    const MonthTotals& totals;
};

double likelihoodF(const gsl_vector* x, void* params)
{
    return static_cast<const Likelihood*>(params)->value(gsl_vector_get(x, 0), gsl_vector_get(x, 1));
}

void likelihoodFdf(const gsl_vector* x, void* params, double* f, gsl_vector* gradient)
{
    double du = 0, dv = 0;
    *f = static_cast<const Likelihood*>(params)->value(gsl_vector_get(x, 0), gsl_vector_get(x, 1), &du, &dv);
    gsl_vector_set(gradient, 0, du);
    gsl_vector_set(gradient, 1, dv);
}

void likelihoodDf(const gsl_vector* x, void* params, gsl_vector* gradient)
{
    double f = 0;
    likelihoodFdf(x, params, &f, gradient);
}

struct FixedShare
{
    const Likelihood* likelihood;
    double u;
};

double likelihoodOfSpeed(double v, void* params)
{
    const auto* fixed = static_cast<const FixedShare*>(params);
    return fixed->likelihood->value(fixed->u, v);
}

double logit(double a)
{
    return std::log(a / (1 - a));
}

// The minimisers are started from the best point of a coarse grid, so that
// a flat or twisted likelihood does not leave them far from the optimum.
constexpr int GRID_SHARES = 9;
constexpr int GRID_SPEEDS = 12;
constexpr int MAX_ITERATIONS = 200;

double gridSpeed(int i)
{
    return SMALLEST_LOG_SPEED + (HIGHEST_LOG_SPEED - SMALLEST_LOG_SPEED) * i / (GRID_SPEEDS - 1);
}

// `start`: where to begin instead of the grid's best point (a bootstrap
// draw begins at the fit on all members, which is near).
Parameters fitBoth(const Likelihood& likelihood, const std::optional<Parameters>& start = std::nullopt)
{
    double bestU = 0, bestV = PULL_LOG_SPEED;
    if (start) {
        bestU = logit(std::clamp(start->a, SMALLEST_PROBABILITY, 1 - SMALLEST_PROBABILITY));
        bestV = std::log(start->b);
    }
    double best = likelihood.value(bestU, bestV);
    for (int i = 1; i <= GRID_SHARES && !start; ++i) {
        for (int j = 0; j < GRID_SPEEDS; ++j) {
            const double u = logit(i / (GRID_SHARES + 1.0));
            const double value = likelihood.value(u, gridSpeed(j));
            if (value < best) {
                best = value;
                bestU = u;
                bestV = gridSpeed(j);
            }
        }
    }
    gsl_multimin_function_fdf function{&likelihoodF, &likelihoodDf, &likelihoodFdf, 2,
                                       const_cast<Likelihood*>(&likelihood)};
    const std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)> x0(gsl_vector_alloc(2), &gsl_vector_free);
    gsl_vector_set(x0.get(), 0, bestU);
    gsl_vector_set(x0.get(), 1, bestV);
    const std::unique_ptr<gsl_multimin_fdfminimizer, decltype(&gsl_multimin_fdfminimizer_free)> minimizer(
        gsl_multimin_fdfminimizer_alloc(gsl_multimin_fdfminimizer_vector_bfgs2, 2), &gsl_multimin_fdfminimizer_free);
    gsl_multimin_fdfminimizer_set(minimizer.get(), &function, x0.get(), 0.1, 0.1);
    for (int i = 0; i < MAX_ITERATIONS; ++i) {
        if (gsl_multimin_fdfminimizer_iterate(minimizer.get()) != GSL_SUCCESS)
            break; // no further progress: the point reached is the optimum within rounding
        if (gsl_multimin_test_gradient(minimizer.get()->gradient, 1e-9) == GSL_SUCCESS)
            break;
    }
    const gsl_vector* x = gsl_multimin_fdfminimizer_x(minimizer.get());
    double u = gsl_vector_get(x, 0), v = gsl_vector_get(x, 1);
    // The line search can end on a worse point than its start on a flat likelihood.
    if (!(likelihood.value(u, v) <= best)) {
        u = bestU;
        v = bestV;
    }
    return {shareOf(u), std::exp(std::min(v, LARGEST_LOG_SPEED))};
}

Parameters fitSpeed(const Likelihood& likelihood, double a)
{
    FixedShare fixed{&likelihood, logit(a)};
    std::vector<double> values(GRID_SPEEDS);
    for (int j = 0; j < GRID_SPEEDS; ++j)
        values[j] = likelihoodOfSpeed(gridSpeed(j), &fixed);
    const int best = int(std::min_element(values.begin(), values.end()) - values.begin());
    // At an end of the grid, or on a flat likelihood, Brent has no bracket:
    // the grid's point is the answer.
    if (best == 0 || best == GRID_SPEEDS - 1 || !(values[best] < values[best - 1] && values[best] < values[best + 1]))
        return {a, std::exp(gridSpeed(best))};
    gsl_function function{&likelihoodOfSpeed, &fixed};
    const std::unique_ptr<gsl_min_fminimizer, decltype(&gsl_min_fminimizer_free)> minimizer(
        gsl_min_fminimizer_alloc(gsl_min_fminimizer_brent), &gsl_min_fminimizer_free);
    gsl_min_fminimizer_set_with_values(minimizer.get(), &function, gridSpeed(best), values[best], gridSpeed(best - 1),
                                       values[best - 1], gridSpeed(best + 1), values[best + 1]);
    for (int i = 0; i < MAX_ITERATIONS; ++i) {
        if (gsl_min_fminimizer_iterate(minimizer.get()) != GSL_SUCCESS)
            break;
        if (gsl_min_test_interval(gsl_min_fminimizer_x_lower(minimizer.get()),
                                  gsl_min_fminimizer_x_upper(minimizer.get()), 1e-9, 0) == GSL_SUCCESS)
            break;
    }
    return {a, std::exp(gsl_min_fminimizer_x_minimum(minimizer.get()))};
}

// One member's coins by index into the distinct months.
struct MemberMonth
{
    int month = 0;
    double coins = 0;
    double foreign = 0;
};

// The members with coins, their months made indices into the distinct
// months they counted; the figures that describe them.
struct Members
{
    std::vector<double> years; // the distinct months, ascending
    std::vector<std::vector<MemberMonth>> counts;
    qint64 purses = 0;
};

// Months before the euro coins' first day (the model has no foreign coin
// there) and months without coins tell nothing and are left out.
bool counts(const MonthCount& month)
{
    return month.coins > 0 && month.years > 0 && std::isfinite(month.years);
}

Members membersWithCoins(const std::vector<MemberCountings>& members)
{
    Members result;
    for (const MemberCountings& member : members)
        for (const MonthCount& month : member.months)
            if (counts(month))
                result.years.push_back(month.years);
    std::sort(result.years.begin(), result.years.end());
    result.years.erase(std::unique(result.years.begin(), result.years.end()), result.years.end());
    for (const MemberCountings& member : members) {
        std::vector<MemberMonth> months;
        for (const MonthCount& month : member.months) {
            if (!counts(month))
                continue;
            const int index =
                int(std::lower_bound(result.years.begin(), result.years.end(), month.years) - result.years.begin());
            months.push_back({index, double(month.coins), double(std::clamp(month.foreign, qint64(0), month.coins))});
            result.purses += month.purses;
        }
        if (!months.empty())
            result.counts.push_back(std::move(months));
    }
    return result;
}

void add(MonthTotals& totals, const std::vector<MemberMonth>& member)
{
    for (const MemberMonth& month : member) {
        totals.coins[month.month] += month.coins;
        totals.foreign[month.month] += month.foreign;
        totals.allCoins += month.coins;
    }
}

// The 5% and 95% points by nearest rank: the k-th smallest of n with k =
// ceil(p n). Sorts `values`.
Estimate interval(double value, std::vector<double>& values)
{
    std::sort(values.begin(), values.end());
    const auto rank = [&](double p) {
        const size_t k = size_t(std::ceil(p * double(values.size())));
        return values[std::clamp<size_t>(k, 1, values.size()) - 1];
    };
    return {value, rank(0.05), rank(0.95)};
}

double halfForeignTime(const Parameters& p)
{
    return p.a > 0.5 ? -std::log(1 - 0.5 / p.a) / p.b : INFINITY;
}

} // namespace

MixingFit MixingModel::fit(const std::vector<MemberCountings>& members, std::optional<double> fixedA, quint64 seed,
                           int draws)
{
    // GSL's default answer to an error is abort(); the minimisers' codes are checked instead.
    static gsl_error_handler_t* const previous = gsl_set_error_handler_off();
    Q_UNUSED(previous);

    const Members data = membersWithCoins(members);
    MixingFit result;
    result.members = int(data.counts.size());
    result.purses = data.purses;
    result.months = int(data.years.size());
    if (result.members < MINIMUM_MEMBERS) {
        result.missing = QString::fromLatin1(FEWER_MEMBERS).arg(MINIMUM_MEMBERS).arg(result.members);
        return result;
    }
    const double span = data.years.back() - data.years.front();
    if (span < MINIMUM_SPAN_YEARS) {
        result.missing = QString::fromLatin1(SHORT_SPAN).arg(std::lround(span * 12));
        return result;
    }

    const bool aFixed = fixedA && std::isfinite(*fixedA);
    const double a = aFixed ? std::clamp(*fixedA, SMALLEST_PROBABILITY, 1 - SMALLEST_PROBABILITY) : 0;
    const auto fitTotals = [&](const MonthTotals& totals, const std::optional<Parameters>& start) {
        const Likelihood likelihood(data.years, totals);
        return aFixed ? fitSpeed(likelihood, a) : fitBoth(likelihood, start);
    };
    const auto emptyTotals = [&] {
        return MonthTotals{std::vector<double>(data.years.size()), std::vector<double>(data.years.size()), 0};
    };
    MonthTotals all = emptyTotals();
    for (const auto& member : data.counts)
        add(all, member);
    const Parameters estimate = fitTotals(all, std::nullopt);

    draws = std::max(draws, 1);
    std::vector<double> as, bs, halfTimes, mixedTimes, halfForeignTimes;
    const std::unique_ptr<gsl_rng, decltype(&gsl_rng_free)> rng(gsl_rng_alloc(gsl_rng_mt19937), &gsl_rng_free);
    gsl_rng_set(rng.get(), static_cast<unsigned long>(seed));
    for (int draw = 0; draw < draws; ++draw) {
        MonthTotals totals = emptyTotals();
        for (size_t i = 0; i < data.counts.size(); ++i)
            add(totals, data.counts[gsl_rng_uniform_int(rng.get(), data.counts.size())]);
        const Parameters p = fitTotals(totals, estimate);
        as.push_back(p.a);
        bs.push_back(p.b);
        halfTimes.push_back(LN2 / p.b);
        mixedTimes.push_back(LN10 / p.b);
        halfForeignTimes.push_back(halfForeignTime(p));
    }

    result.aFixed = aFixed;
    result.a = interval(estimate.a, as);
    result.b = interval(estimate.b, bs);
    result.halfTimeYears = interval(LN2 / estimate.b, halfTimes);
    result.mixedYears = interval(LN10 / estimate.b, mixedTimes);
    // A draw with a <= 0.5 never has half its coins foreign (its time counts
    // as infinite). The time is given only when at least 95% of the draws
    // have one, so that its 95% point is a time too.
    const Estimate halfForeign = interval(halfForeignTime(estimate), halfForeignTimes);
    if (std::isfinite(halfForeign.value) && std::isfinite(halfForeign.high))
        result.halfForeignYears = halfForeign;
    if (result.mixedYears.high - result.mixedYears.low > result.mixedYears.value) {
        MixingFit unsupported;
        unsupported.members = result.members;
        unsupported.purses = result.purses;
        unsupported.months = result.months;
        unsupported.missing = QString::fromLatin1(WIDE_INTERVAL);
        return unsupported;
    }
    result.fitted = true;
    return result;
}
