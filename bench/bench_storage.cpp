// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the client state, and building the upload message, for
// a realistic state and for the largest one the format allows, each set
// against the floor of merely moving the same bytes.

#include "benchstates.h"
#include "summary.h"

#include "common/constants.h"
#include "common/localtime.h"
#include "net/protocol.h"
#include "storage/clientstorage.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

enum Which { Realistic, Largest, LargestWithEvents };
constexpr int WHICH_COUNT = 3;
const char* const WHICH_NAMES[WHICH_COUNT] = {"realistic", "largest", "largest_with_events"};

// The largest state: 65535 sessions with a full purse of 120 piles each. The
// variant with events also carries a realistic 150 events in every session.
constexpr int LARGEST_EVENTS = 0;
constexpr int LARGEST_WITH_EVENTS = REALISTIC_EVENTS;

struct Prepared
{
    ClientStorage state;
    QByteArray fileBytes;
    QByteArray message;
    QString loadPath;
    QString savePath;
    QString floorSavePath;
};

QTemporaryDir& workDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zuvbench-XXXXXX"));
    return dir;
}

// Built on first use, so that a filter that skips the large states does not
// pay for them.
Prepared& prepared(Which which)
{
    static std::unique_ptr<Prepared> cache[WHICH_COUNT];
    std::unique_ptr<Prepared>& slot = cache[which];
    if (!slot) {
        slot = std::make_unique<Prepared>();
        Prepared& p = *slot;
        p.state = which == Realistic ? realisticState()
                  : which == Largest ? largestState(LARGEST_EVENTS)
                                     : largestState(LARGEST_WITH_EVENTS);
        p.fileBytes = dataFileBytes(p.state);
        p.message = uploadMessage(p.state);
        const QString base = workDir().path() + QLatin1Char('/') + QLatin1String(WHICH_NAMES[which]);
        p.loadPath = base + QStringLiteral(".zuv");
        p.savePath = base + QStringLiteral("-saved.zuv");
        p.floorSavePath = base + QStringLiteral("-floor.zuv");
        if (!writeFile(p.loadPath, p.fileBytes))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(p.loadPath));
    }
    return *slot;
}

void setBytes(benchmark::State& state, qint64 bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["MB"] = double(bytes) / 1e6;
}

void BM_Load(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        ClientStorage loaded;
        const int code = loaded.loadFromDisk(p.loadPath);
        if (code != 0 || loaded.Sessions.size() != p.state.Sessions.size()) {
            state.SkipWithError("loading failed");
            break;
        }
        benchmark::DoNotOptimize(loaded);
    }
    setBytes(state, p.fileBytes.size());
}

void BM_ReadFloor(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        qint64 read = 0;
        benchmark::DoNotOptimize(readAndChecksum(p.loadPath, read));
        if (read != p.fileBytes.size()) {
            state.SkipWithError("reading failed");
            break;
        }
    }
    setBytes(state, p.fileBytes.size());
}

void BM_Save(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        if (p.state.saveToDisk(p.savePath) != 0) {
            state.SkipWithError("saving failed");
            break;
        }
    }
    setBytes(state, p.fileBytes.size());
}

// Writing the same bytes the way every save must (a temporary file renamed
// over the old one), with nothing to encode.
void BM_WriteFloor(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        QSaveFile file(p.floorSavePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(p.fileBytes) != p.fileBytes.size() || !file.commit()) {
            state.SkipWithError("writing failed");
            break;
        }
    }
    setBytes(state, p.fileBytes.size());
}

void BM_SizeOf(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state)
        benchmark::DoNotOptimize(sizeOf(p.state));
    setBytes(state, p.message.size());
}

void BM_UploadMessage(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        QByteArray message = uploadMessage(p.state);
        benchmark::DoNotOptimize(message.data());
    }
    setBytes(state, p.message.size());
}

// Producing the message's bytes at memory speed: a fresh array filled with a
// copy and looked at once.
void BM_MemoryFloor(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        QByteArray copy(p.message.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), p.message.constData(), std::size_t(p.message.size()));
        benchmark::DoNotOptimize(checksum(copy.constData(), copy.size()));
    }
    setBytes(state, p.message.size());
}

// What any loader must at least do besides reading: build the same sessions
// in memory (every purse and event list allocated and filled, here by plain
// copies of the decoded values) and free them again.
void BM_BuildFloor(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    for (auto _ : state) {
        QList<Session> sessions;
        sessions.reserve(p.state.Sessions.size());
        for (const Session& original : p.state.Sessions) {
            Session copy(original.sumOfCents(), original.entryDateTime, original.version);
            copy.purse = QList<CoinPile>(original.purse.cbegin(), original.purse.cend());
            copy.observation = QList<UserEvent>(original.observation.cbegin(), original.observation.cend());
            sessions.append(std::move(copy));
        }
        benchmark::DoNotOptimize(sessions.data());
    }
    setBytes(state, p.fileBytes.size());
}

// Peak memory of a fresh process that does nothing but load the file.
void BM_LoadPeakMemory(benchmark::State& state, Which which)
{
    Prepared& p = prepared(which);
    long baselineKb = 0, peakKb = 0;
    for (auto _ : state) {
        const QByteArray command = QByteArray(ZUV_BENCH_LOADMEMORY) + " '" + p.loadPath.toLocal8Bit() + "'";
        FILE* child = popen(command.constData(), "r");
        int code = -1;
        if (!child || std::fscanf(child, "%d %ld %ld", &code, &baselineKb, &peakKb) != 3 || code != 0) {
            if (child)
                pclose(child);
            state.SkipWithError("the loading process failed");
            return;
        }
        pclose(child);
    }
    const double fileKb = double(p.fileBytes.size()) / 1024;
    state.counters["file_MB"] = double(p.fileBytes.size()) / 1e6;
    state.counters["peak_MB"] = double(peakKb) * 1024 / 1e6;
    state.counters["baseline_MB"] = double(baselineKb) * 1024 / 1e6;
    state.counters["peak_per_file"] = double(peakKb) / fileKb;
    state.counters["added_per_file"] = double(peakKb - baselineKb) / fileKb;
}

#define ZUV_STORAGE_BENCH(function, unit)                                                                              \
    BENCHMARK_CAPTURE(function, realistic, Realistic)->Unit(unit);                                                     \
    BENCHMARK_CAPTURE(function, largest, Largest)->Unit(benchmark::kMillisecond);                                      \
    BENCHMARK_CAPTURE(function, largest_with_events, LargestWithEvents)->Unit(benchmark::kMillisecond)

ZUV_STORAGE_BENCH(BM_Load, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_ReadFloor, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_BuildFloor, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_Save, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_WriteFloor, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_SizeOf, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_UploadMessage, benchmark::kMillisecond);
ZUV_STORAGE_BENCH(BM_MemoryFloor, benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPeakMemory, largest, Largest)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPeakMemory, largest_with_events, LargestWithEvents)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void printMemory(const CollectingReporter& reporter, const char* label, const std::string& name)
{
    const double peak = reporter.counter(name, "peak_MB");
    if (!(peak > 0)) {
        std::printf("%-50s not run\n", label);
        return;
    }
    const double ratio = reporter.counter(name, "peak_per_file");
    std::printf("%-50s peak %.1f MB for a %.1f MB file: %.2f x file (%.2f x without the %.1f MB the process "
                "has before loading)  goal: %s (< 3 x)\n",
                label, peak, reporter.counter(name, "file_MB"), ratio, reporter.counter(name, "added_per_file"),
                reporter.counter(name, "baseline_MB"), ratio < 3 ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    // Local times are converted as in the program and the server.
    settleLocalTimeZone();
    if (!workDir().isValid())
        return 2;
    CollectingReporter reporter;
    if (!runBenchmarks(argc, argv, reporter))
        return 1;

    std::vector<SummaryLine> lines;
    for (int w = 0; w < WHICH_COUNT; ++w) {
        const std::string n = WHICH_NAMES[w];
        const bool realistic = w == Realistic;
        const double fileBytes = reporter.has("BM_Load/" + n) ? reporter.counter("BM_Load/" + n, "MB") * 1e6 : 0;
        const double messageBytes =
            reporter.has("BM_UploadMessage/" + n) ? reporter.counter("BM_UploadMessage/" + n, "MB") * 1e6 : 0;
        lines.push_back({"load " + n, "BM_Load/" + n, "BM_ReadFloor/" + n, fileBytes, realistic ? 0.020 : 0.0,
                         realistic ? 0.0 : 5.0});
        lines.push_back(
            {"load " + n + " (floor: build in memory)", "BM_Load/" + n, "BM_BuildFloor/" + n, fileBytes, 0, 0});
        lines.push_back({"save " + n + " (floor: read)", "BM_Save/" + n, "BM_ReadFloor/" + n, fileBytes,
                         realistic ? 0.020 : 0.0, 0});
        lines.push_back({"save " + n + " (floor: safe write)", "BM_Save/" + n, "BM_WriteFloor/" + n, fileBytes, 0, 0});
        lines.push_back(
            {"sizeOf " + n + " (floor: copy)", "BM_SizeOf/" + n, "BM_MemoryFloor/" + n, messageBytes, 0, 0});
        lines.push_back({"uploadMessage " + n + " (floor: copy)", "BM_UploadMessage/" + n, "BM_MemoryFloor/" + n,
                         messageBytes, 0, 0});
    }
    printSummary(reporter, "client state: load, save, upload message", lines);
    printMemory(reporter, "peak memory loading largest", "BM_LoadPeakMemory/largest");
    printMemory(reporter, "peak memory loading largest_with_events", "BM_LoadPeakMemory/largest_with_events");
    return exitStatus(reporter);
}
