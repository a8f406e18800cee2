// SPDX-License-Identifier: GPL-3.0-or-later
// The mixing model's fit with its bootstrap for one member country, at the
// size of the stored sessions. The day's publication fits every country
// once for all its coins and once per coin value (15 x 9 fits), so one fit
// must stay well below a second even at a million sessions.
#include "server/results/mixingmodel.h"
#include "summary.h"

#include <QtGlobal>

#include <cmath>
#include <random>

namespace {

constexpr int CI_SESSIONS = 20000;
constexpr int FULL_SCALE_SESSIONS = 1000000;
// At a million sessions one country holds about 1,300 members who count
// over 60 months; fewer sessions, proportionally fewer members.
constexpr double MEMBERS_PER_SESSION = 1300.0 / FULL_SCALE_SESSIONS;
constexpr int MONTHS = 60;
constexpr double GOAL_SECONDS = 0.5;

std::vector<MemberCountings> country(int sessions)
{
    const int memberCount = std::max(MixingModel::MINIMUM_MEMBERS, int(std::lround(sessions * MEMBERS_PER_SESSION)));
    std::mt19937_64 random(42);
    std::poisson_distribution<int> pursesOf(4);
    std::vector<MemberCountings> members(memberCount);
    for (MemberCountings& member : members) {
        for (int month = 0; month < MONTHS; ++month) {
            const int purses = pursesOf(random);
            if (purses == 0)
                continue;
            const double years = (month + 0.5) / 12;
            const int coins = 40 * purses;
            std::binomial_distribution<int> foreignOf(coins, 0.6 * (1 - std::exp(-0.3 * years)));
            member.months.push_back({years, coins, foreignOf(random), purses});
        }
    }
    return members;
}

void BM_MixingFit(benchmark::State& state)
{
    const auto members = country(int(state.range(0)));
    bool fitted = false;
    for (auto _ : state) {
        const zuv::MixingFit fit = MixingModel::fit(members);
        fitted = fit.fitted;
        benchmark::DoNotOptimize(fit.b.value);
    }
    if (!fitted)
        state.SkipWithError("the synthetic country was not fitted");
    state.counters["members"] = double(members.size());
    state.counters["draws"] = MixingModel::BOOTSTRAP_DRAWS;
}

std::string nameAt(int sessions)
{
    return "BM_MixingFit/sessions:" + std::to_string(sessions);
}

} // namespace

int main(int argc, char** argv)
{
    const bool fullScale = qEnvironmentVariableIsSet("ZUV_BENCH_FULL_SCALE");
    auto* benchmark = benchmark::RegisterBenchmark("BM_MixingFit", &BM_MixingFit)->ArgName("sessions");
    benchmark->Arg(CI_SESSIONS)->Unit(benchmark::kMillisecond);
    if (fullScale)
        benchmark->Arg(FULL_SCALE_SESSIONS);
    CollectingReporter reporter;
    if (!runBenchmarks(argc, argv, reporter))
        return 1;
    std::vector<SummaryLine> lines{{"one country at 20,000 sessions", nameAt(CI_SESSIONS), "", 0, GOAL_SECONDS, 0}};
    if (fullScale)
        lines.push_back({"one country at 1,000,000 sessions", nameAt(FULL_SCALE_SESSIONS), "", 0, GOAL_SECONDS, 0});
    printSummary(reporter, "mixing model (200 bootstrap draws, 60 months)", lines);
    return exitStatus(reporter);
}
