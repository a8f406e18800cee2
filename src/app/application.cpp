// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/datafilereading.h"
#include "app/startoptions.h"
#include "app/terminationwatch.h"
#include "app/zuvwindow.h"
#include "common/config.h"
#include "common/constants.h"
#include "common/exceptions.h"
#include "common/languages.h"
#include "common/localtime.h"
#include "common/messagebox.h"
#include "common/utilities.h"

#include <QTimer>

#ifdef ZUV_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <memory>
#include <thread>
#include <utility>

namespace {

constexpr int foreignFailureStatus = -1;
constexpr QSize initialWindowSize(600, 440);
constexpr int questionCloserMs = 100;

int fatalBox(QWidget* parent, const QString& title, unsigned code)
{
    askUser(parent, BoxIcon::Critical, title, errorMessageAndSolution(code));
    return static_cast<int>(code);
}

// Reading the font configuration (every configuration file and the font
// caches) is the largest single part of a start, and it needs no display: it
// is done on a thread of its own while the application connects to the
// display. It must be over before anything else touches fontconfig: the
// toolkit's font database frees fontconfig's configuration when the
// application ends, and a reader still running then loses what it loaded.
class FontConfigurationReader
{
public:
    FontConfigurationReader()
    {
#ifdef ZUV_HAVE_FONTCONFIG
        reader = std::thread([] { FcInit(); });
#endif
    }
    ~FontConfigurationReader() { finish(); }
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void finish()
    {
        if (reader.joinable())
            reader.join();
    }

private:
    std::thread reader;
};

} // namespace

ZuvApplication::ZuvApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The program ends only through its quit reasons, never because its
    // window was hidden or closed on the way.
    setQuitOnLastWindowClosed(false);
}

bool ZuvApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!pendingFailure)
            pendingFailure = std::current_exception();
        exit(foreignFailureStatus);
        return false;
    }
}

void ZuvApplication::rethrowPendingFailure()
{
    if (pendingFailure)
        std::rethrow_exception(std::exchange(pendingFailure, nullptr));
}

int reportFatalFailure(const std::exception_ptr& failure, QWidget* parent)
{
    try {
        std::rethrow_exception(failure);
    } catch (const LogicErr& e) {
        return fatalBox(parent, QCoreApplication::translate("FatalError", "ZUV fatal logical error"), e.code());
    } catch (const FileErr& e) {
        return fatalBox(parent, QCoreApplication::translate("FatalError", "ZUV fatal file error"), e.code());
    } catch (const NetErr& e) {
        return fatalBox(parent, QCoreApplication::translate("FatalError", "ZUV fatal network error"), e.code());
    } catch (const StreamErr& e) {
        return fatalBox(parent, QCoreApplication::translate("FatalError", "ZUV fatal stream error"), e.code());
    } catch (const myException& e) {
        return fatalBox(parent, QCoreApplication::translate("FatalError", "ZUV fatal error"), e.code());
    } catch (...) {
        fatalBox(parent, QCoreApplication::translate("FatalError", "ZUV unknown error"), 0);
        return foreignFailureStatus;
    }
}

int runZuv(int argc, char** argv)
{
    settleLocalTimeZone();
    QCoreApplication::setApplicationName(QStringLiteral("zuv"));
    QCoreApplication::setApplicationVersion(QString::number(CLIENT_VERSION, 'g'));
    if (const auto answered = StartOptions::answerInformationRequest(argc, argv))
        return *answered;

    TerminationWatch::install();
    FontConfigurationReader fonts;
    ZuvApplication application(argc, argv);
    fonts.finish();
    installSystemLanguage();
    // The window belongs to the menu entry's desktop file (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral(ZUV_APP_ID));
    StartOptions options;
    if (const auto wrong = options.read(QCoreApplication::arguments()))
        return *wrong;
    TerminationWatch termination;
    std::unique_ptr<ZUVWindow> window;
    bool started = false;
    // Puts away whatever the start-up asks once a logout has come, also a
    // question that opens only later (the picture summary follows the
    // loading), as Escape would.
    QTimer questionCloser;
    questionCloser.setInterval(questionCloserMs);
    QObject::connect(&questionCloser, &QTimer::timeout, [] {
        if (QWidget* question = QApplication::activeModalWidget())
            question->close();
    });
    try {
        if (options.inDataFolder)
            enterDataFolder(participantDataFolder());
        // The data file is read while the window is built.
        DataFileReading reading(DATAFILE_NAME);
        window = std::make_unique<ZUVWindow>(nullptr, QStringLiteral("ZUVWindow"), ZUVWindow::mainWindowFlags());
        QObject::connect(window.get(), &ZUVWindow::programFinished, &application, &QCoreApplication::exit);
        window->resize(initialWindowSize);
        // A logout during the start-up closes the window, saving, once it is ready.
        QObject::connect(&termination, &TerminationWatch::terminationRequested, window.get(), [&] {
            if (started)
                window->close();
            else
                questionCloser.start();
        });
        termination.arm();
        window->initializeEverything(&reading);
        started = true;
        if (questionCloser.isActive()) {
            questionCloser.stop();
            QMetaObject::invokeMethod(window.get(), &QWidget::close, Qt::QueuedConnection);
        }
        const int status = application.exec();
        application.rethrowPendingFailure();
        return status;
    } catch (...) {
        return reportFatalFailure(std::current_exception(), window.get());
    }
}
