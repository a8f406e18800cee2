// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// Prints the usual console table and keeps every result, so that a benchmark
// executable can end with a summary that sets each figure against its floor
// and its goal.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    // A plain table: the output goes to logs and summaries, not to a terminal.
    CollectingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the named benchmark ("BM_Load/realistic"): the
    // median when it was repeated. Negative when it did not run or failed.
    double seconds(const std::string& name) const;
    // A user counter of the benchmark's last (or median) run; NaN when missing.
    double counter(const std::string& name, const std::string& counterName) const;
    bool has(const std::string& name) const { return results.count(name) != 0; }
    bool isFailed(const std::string& name) const { return failedKeys.count(name) != 0; }
    // Why the named benchmark has no figures: it failed, or a filter left it out.
    const char* whyMissing(const std::string& name) const
    {
        return isFailed(name) ? "FAILED (the reason is above)" : "not run (left out by a filter)";
    }
    // Names of the benchmarks that reported an error.
    const std::vector<std::string>& failures() const { return failed; }

private:
    std::map<std::string, Run> results;
    std::vector<std::string> failed;
    std::set<std::string> failedKeys;
};

// One line of the summary: a figure, optionally its floor and a goal.
struct SummaryLine
{
    std::string label;
    std::string name;       // the benchmark measured
    std::string floorName;  // the floor it is compared with, or empty
    double bytes = 0;       // > 0: also print MB/s
    double goalSeconds = 0; // > 0: the figure must stay below this
    double goalRatio = 0;   // > 0: the ratio to the floor must stay below this
};

// Runs the registered benchmarks with the reporter; false when the command
// line was not understood.
bool runBenchmarks(int& argc, char** argv, CollectingReporter& reporter);

// Prints the summary lines under a heading; figures that did not run are
// marked as such (a filter may have left them out).
void printSummary(const CollectingReporter& reporter, const std::string& heading,
                  const std::vector<SummaryLine>& lines);

// The exit status of a benchmark program: 1 (after naming them) when any
// benchmark failed, else 0.
int exitStatus(const CollectingReporter& reporter);

// "1.234 ms" or "12.3 s", whichever reads best.
std::string formatSeconds(double seconds);
