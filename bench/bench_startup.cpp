// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from starting a process to its main window being painted while
// enabled (on an X server, see xserver.h), for the program itself with drawn coins
// and with 128 picture files, against a minimal program showing one empty
// window of the same size (the program's, as the probe reports it from one
// start before the others).
//
// How it is measured: both programs link the same probe (shownprobe.cpp),
// which watches the application's events from the moment the application
// object exists and prints one line once the window that counts has been
// painted while visible and enabled. zuvstartup's main() is the program's own
// entry (runZuv) and nothing else, so the program starts exactly as it does
// for a participant: it loads the data file of its working directory, shows
// the window disabled, loads or draws the pictures and enables the window.
// This harness times each start from just before the process is spawned to the arrival of
// that line, so the figure includes loading the executable and its libraries.
//
// The goal is a ratio: the program's median start against the minimal
// window's, from starts taken in turns (minimal window, the one with text,
// the one with the program's widgets, the one that paints that content
// itself, the program, and an older build of the program when --against
// names its bench_zuvstartup), so that a busy machine slows all of them
// alike. The three further references tell what the fonts, the window's
// widgets and the window's content cost by themselves (minimalwindow.cpp).
// --starts=N sets the number of turns (5, or 21 when ZUV_BENCH_FULL_SCALE is
// set). The processor time of each start is given as well: it hardly depends
// on what else the machine does.

#include "benchstates.h"
#include "childprocess.h"
#include "summary.h"
#include "xserver.h"

#include "common/constants.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

constexpr int PICTURE_SIDE = 170;
// A start that has not shown its window by then has hung (a box waiting for
// an answer, say): it is ended and the benchmark fails.
constexpr int START_TIMEOUT_MS = 60000;
// The start-up of the program at most this many times the minimal window's.
constexpr double GOAL_RATIO = 1.15;
// Turns of the interleaved starts when not told: enough for CI to see it
// work, or for a median worth reading at full scale (scripts/bench.sh).
constexpr int CI_STARTS = 5;
constexpr int FULL_SCALE_STARTS = 21;

enum Setup {
    MinimalWindow,
    MinimalWindowWithText,
    MinimalWindowWithWidgets,
    MinimalWindowPainted,
    ZuvDrawnCoins,
    ZuvPictureFiles
};
constexpr int SETUPS = 6;

bool isProgram(Setup setup)
{
    return setup == ZuvDrawnCoins || setup == ZuvPictureFiles;
}

// The argument that makes bench_minimalwindow show the setup's window, or
// null for the empty window and the program.
const char* minimalWindowOption(Setup setup)
{
    switch (setup) {
    case MinimalWindowWithText:
        return "--text";
    case MinimalWindowWithWidgets:
        return "--widgets";
    case MinimalWindowPainted:
        return "--painted";
    default:
        return nullptr;
    }
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zuvstartup-XXXXXX"));
    return dir;
}

bool writePictures(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int coin = 0; coin < NUM_COINS; ++coin) {
        for (int country = 0; country < NUM_COUNTRIES; ++country) {
            QImage picture(PICTURE_SIDE, PICTURE_SIDE, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(QColor::fromHsv((coin * 45) % 360, 120, 200));
            painter.drawEllipse(5, 5, PICTURE_SIDE - 10, PICTURE_SIDE - 10);
            painter.setBrush(QColor::fromHsv((country * 22) % 360, 200, 160));
            painter.drawEllipse(40, 40, PICTURE_SIDE - 80, PICTURE_SIDE - 80);
            painter.end();
            // PNG content under the name the program looks for.
            const QString name = folder + QLatin1Char('/') + coinnames[std::size_t(coin)] +
                                 countrynames[std::size_t(country)] + QStringLiteral(".gif");
            if (!picture.save(name, "PNG"))
                return false;
        }
    }
    return true;
}

// The working directory of a setup, made on first use.
QString folderOf(Setup setup)
{
    static bool made[SETUPS] = {};
    const char* const names[SETUPS] = {"minimal",        "minimaltext", "minimalwidgets",
                                       "minimalpainted", "drawn",       "pictures"};
    const QString folder = workDir().path() + QLatin1Char('/') + QLatin1String(names[setup]);
    if (!made[setup]) {
        QDir().mkpath(folder);
        if (isProgram(setup)) {
            // A participant's realistic data file; it has NoLoadPicsNagger
            // set, so missing pictures are drawn without asking.
            writeFile(folder + QStringLiteral("/zuvdata.zuv"), dataFileBytes(realisticState()));
        }
        if (setup == ZuvPictureFiles && !writePictures(folder + QStringLiteral("/pics")))
            std::fprintf(stderr, "cannot write the pictures\n");
        made[setup] = true;
    }
    return folder;
}

struct StartResult
{
    double seconds = -1; // spawn to the "shown" line
    // Processor time (user and system) of the whole process until the line,
    // not its ending: on a busy machine the wall-clock time mostly measures
    // the others.
    double cpuSeconds = 0;
    // As the program saw it, in milliseconds since main(): the line, the
    // window first shown, the progress dialog shown and hidden, the window
    // enabled (-1 for what did not happen).
    double shownMs = 0;
    double windowShownMs = -1;
    double progressShownMs = -1;
    double progressHiddenMs = -1;
    double enabledMs = -1;
    // The window's size when it was shown.
    int width = 0;
    int height = 0;
    std::string failure;
};

StartResult startOnce(const char* program, const std::vector<std::string>& arguments, const QString& folder)
{
    StartResult result;
    const QByteArray folderBytes = folder.toLocal8Bit();
    std::vector<const char*> argv{program};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);

    ChildProcess child;
    const auto started = std::chrono::steady_clock::now();
    if (!startChild(program, argv.data(), folderBytes.constData(), child)) {
        result.failure = std::string("cannot start ") + program;
        return result;
    }
    const std::string line = readFirstLine(child, START_TIMEOUT_MS);
    const auto arrived = std::chrono::steady_clock::now();
    const bool complete = line.find('\n') != std::string::npos;

    int status = 0;
    if (!complete) {
        kill(child.pid, SIGKILL);
        waitpid(child.pid, &status, 0);
        result.failure = "the window was not shown: " + line;
        return result;
    }
    // Ended before the next start begins.
    waitpid(child.pid, &status, 0);
    double cpuMs = 0;
    if (std::sscanf(line.c_str(), "shown %lf %lf %lf %lf %lf %d %d %lf", &result.shownMs, &result.windowShownMs,
                    &result.progressShownMs, &result.progressHiddenMs, &result.enabledMs, &result.width, &result.height,
                    &cpuMs) != 8) {
        result.failure = "unexpected output: " + line;
        return result;
    }
    result.seconds = std::chrono::duration<double>(arrived - started).count();
    result.cpuSeconds = cpuMs / 1e3;
    return result;
}

// The arguments of bench_minimalwindow for a reference window as large as the
// program's (learnt from one start of the program), or none for the program.
std::vector<std::string> argumentsOf(Setup setup)
{
    static const std::string programSize = [] {
        const StartResult first = startOnce(ZUV_BENCH_ZUVSTARTUP, {}, folderOf(ZuvDrawnCoins));
        // A program that does not start fails its own benchmarks.
        return first.seconds < 0 ? std::string()
                                 : "--size=" + std::to_string(first.width) + "x" + std::to_string(first.height);
    }();
    if (isProgram(setup))
        return {};
    std::vector<std::string> arguments;
    if (!programSize.empty())
        arguments.push_back(programSize);
    if (const char* content = minimalWindowOption(setup))
        arguments.emplace_back(content);
    return arguments;
}

void BM_StartUp(benchmark::State& state, Setup setup)
{
    const char* program = isProgram(setup) ? ZUV_BENCH_ZUVSTARTUP : ZUV_BENCH_MINIMALWINDOW;
    const std::vector<std::string> arguments = argumentsOf(setup);
    const QString folder = folderOf(setup);
    // Averages of the phases as the program saw them.
    double toMain = 0, inProcess = 0, untilShown = 0, untilEnabled = 0, firstPaint = 0, progressShown = 0;
    for (auto _ : state) {
        const StartResult r = startOnce(program, arguments, folder);
        if (r.seconds < 0) {
            state.SkipWithError(r.failure.c_str());
            return;
        }
        state.SetIterationTime(r.seconds);
        toMain += r.seconds * 1e3 - r.shownMs;
        inProcess += r.shownMs;
        if (isProgram(setup)) {
            untilShown += r.windowShownMs;
            untilEnabled += r.enabledMs - r.windowShownMs;
            progressShown += r.progressShownMs >= 0 ? 1 : 0;
            firstPaint += r.shownMs - r.enabledMs;
        }
    }
    const double n = double(state.iterations());
    state.counters["to_main_ms"] = toMain / n;
    state.counters["in_process_ms"] = inProcess / n;
    if (isProgram(setup)) {
        state.counters["shown_disabled_ms"] = untilShown / n;
        state.counters["then_enabled_ms"] = untilEnabled / n;
        state.counters["progress_shown"] = progressShown / n;
        state.counters["first_paint_ms"] = firstPaint / n;
    }
}

BENCHMARK_CAPTURE(BM_StartUp, minimal_window, MinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, minimal_window_with_text, MinimalWindowWithText)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, minimal_window_with_widgets, MinimalWindowWithWidgets)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, minimal_window_painted, MinimalWindowPainted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, zuv_drawn_coins, ZuvDrawnCoins)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, zuv_picture_files, ZuvPictureFiles)->UseManualTime()->Unit(benchmark::kMillisecond);

// Where the time of a start of the program goes, as the program saw it.
void printPhases(const CollectingReporter& reporter, const std::string& name, const char* label)
{
    if (!reporter.has(name))
        return;
    const auto c = [&](const char* counter) { return reporter.counter(name, counter); };
    std::printf("  %s: process start to main() %.1f ms, main() to the window shown disabled %.1f ms (data file "
                "loaded, widgets built), on to enabled %.1f ms (pictures loaded; the progress dialog came up in "
                "%.0f%% of the starts), first paint %.1f ms\n",
                label, c("to_main_ms"), c("shown_disabled_ms"), c("then_enabled_ms"), 100 * c("progress_shown"),
                c("first_paint_ms"));
}

std::string loadAverage()
{
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) != 3)
        return "unknown";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The value of "--name=value" among the arguments, removed from them so that
// the benchmark library does not see it.
std::string takeOption(int& argc, char** argv, const std::string& name)
{
    const std::string prefix = "--" + name + "=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) != 0)
            continue;
        const std::string value = argv[i] + prefix.size();
        std::copy(argv + i + 1, argv + argc, argv + i);
        --argc;
        return value;
    }
    return {};
}

struct Contender
{
    std::string label;
    const char* program;
    Setup setup;
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
};

// Starts every contender once per turn, the order turning round each time;
// false (after saying why) when a start failed.
bool compareInTurns(std::vector<Contender>& contenders, int turns)
{
    for (int turn = 0; turn < turns; ++turn) {
        for (std::size_t k = 0; k < contenders.size(); ++k) {
            Contender& c = contenders[(k + std::size_t(turn)) % contenders.size()];
            const StartResult r = startOnce(c.program, argumentsOf(c.setup), folderOf(c.setup));
            if (r.seconds < 0) {
                std::printf("%s: %s\n", c.label.c_str(), r.failure.c_str());
                return false;
            }
            c.seconds.push_back(r.seconds);
            c.cpuSeconds.push_back(r.cpuSeconds);
        }
    }
    return true;
}

void printComparison(const std::vector<Contender>& contenders, int turns, const std::string& displayLabel)
{
    std::printf("\n== start-up against the minimal window, %d starts each in turns (%s), load average %s ==\n", turns,
                displayLabel.c_str(), loadAverage().c_str());
    // The first contender is the floor, then come the window with text and
    // the one with the program's widgets.
    const double floor = median(contenders[0].seconds);
    const double cpuFloor = median(contenders[0].cpuSeconds);
    const double textFloor = median(contenders[1].seconds);
    const double cpuTextFloor = median(contenders[1].cpuSeconds);
    const double widgetsFloor = median(contenders[2].seconds);
    const double cpuWidgetsFloor = median(contenders[2].cpuSeconds);
    for (const Contender& c : contenders) {
        const bool program = c.setup == ZuvDrawnCoins;
        const double m = median(c.seconds);
        const auto [low, high] = std::minmax_element(c.seconds.begin(), c.seconds.end());
        std::printf("  %s\n    wall median %7.1f ms (%.1f to %.1f)", c.label.c_str(), m * 1e3, *low * 1e3, *high * 1e3);
        if (&c != &contenders.front())
            std::printf("  ratio %.2f", m / floor);
        if (program)
            std::printf(", goal <= %.2f: %s; against the text window %.2f, the widgets window %.2f", GOAL_RATIO,
                        m / floor <= GOAL_RATIO ? "met" : "NOT met", m / textFloor, m / widgetsFloor);
        const double cpu = median(c.cpuSeconds);
        std::printf("\n    processor time median %6.1f ms", cpu * 1e3);
        if (&c != &contenders.front())
            std::printf("  ratio %.2f", cpu / cpuFloor);
        if (program)
            std::printf("; against the text window %.2f, the widgets window %.2f", cpu / cpuTextFloor,
                        cpu / cpuWidgetsFloor);
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!workDir().isValid())
        return 2;
    const std::string startsOption = takeOption(argc, argv, "starts");
    const std::string against = takeOption(argc, argv, "against");
    const int defaultStarts = std::getenv("ZUV_BENCH_FULL_SCALE") ? FULL_SCALE_STARTS : CI_STARTS;
    const int turns = startsOption.empty() ? defaultStarts : std::max(1, std::atoi(startsOption.c_str()));
    // The programs draw on a real X server whatever the caller's platform.
    const BenchDisplay display;
    display.applyToEnvironment();
    CollectingReporter reporter;
    if (!runBenchmarks(argc, argv, reporter))
        return 1;
    printSummary(
        reporter, "start-up until the main window is shown and enabled (" + display.label() + ")",
        {
            {"minimal window (the floor)", "BM_StartUp/minimal_window", "", 0, 0, 0},
            {"zuv, 128 drawn coins", "BM_StartUp/zuv_drawn_coins", "BM_StartUp/minimal_window", 0, 0, GOAL_RATIO},
            {"zuv, 128 picture files", "BM_StartUp/zuv_picture_files", "BM_StartUp/minimal_window", 0, 0, GOAL_RATIO},
            {"minimal window with a line of text", "BM_StartUp/minimal_window_with_text", "", 0, 0, 0},
            {"zuv, 128 drawn coins (against that)", "BM_StartUp/zuv_drawn_coins", "BM_StartUp/minimal_window_with_text",
             0, 0, 0},
            {"zuv, 128 picture files (against that)", "BM_StartUp/zuv_picture_files",
             "BM_StartUp/minimal_window_with_text", 0, 0, 0},
            {"minimal window with the program's widgets", "BM_StartUp/minimal_window_with_widgets", "", 0, 0, 0},
            {"zuv, 128 drawn coins (against that)", "BM_StartUp/zuv_drawn_coins",
             "BM_StartUp/minimal_window_with_widgets", 0, 0, 0},
            {"the same content painted by one widget", "BM_StartUp/minimal_window_painted", "BM_StartUp/minimal_window",
             0, 0, 0},
        });
    printPhases(reporter, "BM_StartUp/zuv_drawn_coins", "zuv, 128 drawn coins");
    printPhases(reporter, "BM_StartUp/zuv_picture_files", "zuv, 128 picture files");

    std::vector<Contender> contenders{
        {"minimal window", ZUV_BENCH_MINIMALWINDOW, MinimalWindow, {}, {}},
        {"minimal window with a line of text", ZUV_BENCH_MINIMALWINDOW, MinimalWindowWithText, {}, {}},
        {"minimal window with the program's widgets", ZUV_BENCH_MINIMALWINDOW, MinimalWindowWithWidgets, {}, {}},
        {"the same content painted by one widget", ZUV_BENCH_MINIMALWINDOW, MinimalWindowPainted, {}, {}},
        {"zuv, 128 drawn coins", ZUV_BENCH_ZUVSTARTUP, ZuvDrawnCoins, {}, {}}};
    if (!against.empty())
        contenders.push_back({"zuv, 128 drawn coins: " + against, against.c_str(), ZuvDrawnCoins, {}, {}});
    const bool compared = compareInTurns(contenders, turns);
    if (compared)
        printComparison(contenders, turns, display.label());
    return compared ? exitStatus(reporter) : 1;
}
