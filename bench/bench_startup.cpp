// Start-up: from starting a process to its main window being painted while
// enabled (on the offscreen platform), for the program itself with drawn coins
// and with 128 picture files, against a minimal program showing one empty
// window of the same size.
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

#include "benchstates.h"
#include "childprocess.h"
#include "summary.h"

#include "common/constants.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>

namespace {

constexpr int PICTURE_SIDE = 170;
// A start that has not shown its window by then has hung (a box waiting for
// an answer, say): it is ended and the benchmark fails.
constexpr int START_TIMEOUT_MS = 60000;

enum Setup { MinimalWindow, MinimalWindowWithText, ZuvDrawnCoins, ZuvPictureFiles };
constexpr int SETUPS = 4;

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
    static bool made[SETUPS] = {false, false, false, false};
    const char* const names[SETUPS] = {"minimal", "minimaltext", "drawn", "pictures"};
    const QString folder = workDir().path() + QLatin1Char('/') + QLatin1String(names[setup]);
    if (!made[setup]) {
        QDir().mkpath(folder);
        if (setup == ZuvDrawnCoins || setup == ZuvPictureFiles) {
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
    // As the program saw it, in milliseconds since main(): the line, the
    // window first shown, the progress dialog shown and hidden, the window
    // enabled (-1 for what did not happen).
    double shownMs = 0;
    double windowShownMs = -1;
    double progressShownMs = -1;
    double progressHiddenMs = -1;
    double enabledMs = -1;
    std::string failure;
};

StartResult startOnce(const char* program, const char* argument, const QString& folder)
{
    StartResult result;
    const QByteArray folderBytes = folder.toLocal8Bit();
    const char* const argv[] = {program, argument, nullptr};

    ChildProcess child;
    const auto started = std::chrono::steady_clock::now();
    if (!startChild(program, argv, folderBytes.constData(), child)) {
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
    waitpid(child.pid, &status, 0);
    if (std::sscanf(line.c_str(), "shown %lf %lf %lf %lf %lf", &result.shownMs, &result.windowShownMs,
                    &result.progressShownMs, &result.progressHiddenMs, &result.enabledMs) != 5) {
        result.failure = "unexpected output: " + line;
        return result;
    }
    result.seconds = std::chrono::duration<double>(arrived - started).count();
    return result;
}

void BM_StartUp(benchmark::State& state, Setup setup)
{
    const bool minimal = setup == MinimalWindow || setup == MinimalWindowWithText;
    const char* program = minimal ? ZUV_BENCH_MINIMALWINDOW : ZUV_BENCH_ZUVSTARTUP;
    // A null argument ends the list.
    const char* argument = setup == MinimalWindowWithText ? "--text" : nullptr;
    const QString folder = folderOf(setup);
    // Averages of the phases as the program saw them.
    double toMain = 0, inProcess = 0, untilShown = 0, pictures = 0, afterPictures = 0, firstPaint = 0;
    for (auto _ : state) {
        const StartResult r = startOnce(program, argument, folder);
        if (r.seconds < 0) {
            state.SkipWithError(r.failure.c_str());
            return;
        }
        state.SetIterationTime(r.seconds);
        toMain += r.seconds * 1e3 - r.shownMs;
        inProcess += r.shownMs;
        if (setup == ZuvDrawnCoins || setup == ZuvPictureFiles) {
            untilShown += r.windowShownMs;
            pictures += r.progressHiddenMs - r.progressShownMs;
            afterPictures += r.enabledMs - r.progressHiddenMs;
            firstPaint += r.shownMs - r.enabledMs;
        }
    }
    const double n = double(state.iterations());
    state.counters["to_main_ms"] = toMain / n;
    state.counters["in_process_ms"] = inProcess / n;
    if (!minimal) {
        state.counters["shown_disabled_ms"] = untilShown / n;
        state.counters["pictures_ms"] = pictures / n;
        state.counters["then_enabled_ms"] = afterPictures / n;
        state.counters["first_paint_ms"] = firstPaint / n;
    }
}

BENCHMARK_CAPTURE(BM_StartUp, minimal_window, MinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, minimal_window_with_text, MinimalWindowWithText)
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
                "loaded, widgets built), pictures %.1f ms, on to enabled %.1f ms, first paint %.1f ms\n",
                label, c("to_main_ms"), c("shown_disabled_ms"), c("pictures_ms"), c("then_enabled_ms"),
                c("first_paint_ms"));
}

} // namespace

int main(int argc, char** argv)
{
    if (!workDir().isValid())
        return 2;
    // The programs run on the offscreen platform whatever the desktop is.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    CollectingReporter reporter;
    if (!runBenchmarks(argc, argv, reporter))
        return 1;
    printSummary(reporter, "start-up until the main window is shown and enabled (offscreen)",
                 {
                     {"minimal window (the floor)", "BM_StartUp/minimal_window", "", 0, 0, 0},
                     {"zuv, 128 drawn coins", "BM_StartUp/zuv_drawn_coins", "BM_StartUp/minimal_window", 0, 0, 1.5},
                     {"zuv, 128 picture files", "BM_StartUp/zuv_picture_files", "BM_StartUp/minimal_window", 0, 0, 1.5},
                     {"minimal window with a line of text", "BM_StartUp/minimal_window_with_text", "", 0, 0, 0},
                     {"zuv, 128 drawn coins (against that)", "BM_StartUp/zuv_drawn_coins",
                      "BM_StartUp/minimal_window_with_text", 0, 0, 0},
                     {"zuv, 128 picture files (against that)", "BM_StartUp/zuv_picture_files",
                      "BM_StartUp/minimal_window_with_text", 0, 0, 0},
                 });
    printPhases(reporter, "BM_StartUp/zuv_drawn_coins", "zuv, 128 drawn coins");
    printPhases(reporter, "BM_StartUp/zuv_picture_files", "zuv, 128 picture files");
    return exitStatus(reporter);
}
