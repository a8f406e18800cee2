// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <limits>

void CollectingReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        std::string key = run.run_name.function_name;
        if (!run.run_name.args.empty())
            key += "/" + run.run_name.args;
        if (run.error_occurred) {
            failed.push_back(run.benchmark_name() + ": " + run.error_message);
            failedKeys.insert(key);
            continue;
        }
        // Repeated benchmarks end with their aggregates; the median wins.
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
            continue;
        results[key] = run;
    }
}

double CollectingReporter::seconds(const std::string& name) const
{
    const auto found = results.find(name);
    if (found == results.end())
        return -1;
    const Run& run = found->second;
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double CollectingReporter::counter(const std::string& name, const std::string& counterName) const
{
    const auto found = results.find(name);
    if (found == results.end())
        return std::numeric_limits<double>::quiet_NaN();
    const auto value = found->second.counters.find(counterName);
    if (value == found->second.counters.end())
        return std::numeric_limits<double>::quiet_NaN();
    return value->second.value;
}

bool runBenchmarks(int& argc, char** argv, CollectingReporter& reporter)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

int exitStatus(const CollectingReporter& reporter)
{
    for (const std::string& failure : reporter.failures())
        std::cout << "FAILED " << failure << "\n";
    return reporter.failures().empty() ? 0 : 1;
}

std::string formatSeconds(double seconds)
{
    char text[64];
    if (seconds >= 1)
        std::snprintf(text, sizeof text, "%.3f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.3f us", seconds * 1e6);
    return text;
}

void printSummary(const CollectingReporter& reporter, const std::string& heading, const std::vector<SummaryLine>& lines)
{
    std::cout << "\n== " << heading << " ==\n";
    for (const SummaryLine& line : lines) {
        char text[512];
        const double time = reporter.seconds(line.name);
        if (time < 0) {
            std::snprintf(text, sizeof text, "%-50s not run\n", line.label.c_str());
            std::cout << text;
            continue;
        }
        std::string row = line.label;
        row.resize(50, ' ');
        row += formatSeconds(time);
        if (line.bytes > 0) {
            std::snprintf(text, sizeof text, "  %8.1f MB/s", line.bytes / time / 1e6);
            row += text;
        }
        double ratio = 0;
        if (!line.floorName.empty()) {
            const double floor = reporter.seconds(line.floorName);
            if (floor > 0) {
                ratio = time / floor;
                std::snprintf(text, sizeof text, "  floor %s  ratio %.2f", formatSeconds(floor).c_str(), ratio);
                row += text;
            } else {
                row += "  (floor not run)";
            }
        }
        std::string verdict;
        if (line.goalSeconds > 0)
            verdict += (time < line.goalSeconds ? "ok" : "MISSED") + std::string(" (< ") +
                       formatSeconds(line.goalSeconds) + ")";
        if (line.goalRatio > 0 && ratio > 0) {
            std::snprintf(text, sizeof text, " (ratio < %.3g)", line.goalRatio);
            verdict += (verdict.empty() ? "" : ", ") + std::string(ratio < line.goalRatio ? "ok" : "MISSED") + text;
        }
        if (!verdict.empty())
            row += "  goal: " + verdict;
        std::cout << row << "\n";
    }
    std::cout.flush();
}
