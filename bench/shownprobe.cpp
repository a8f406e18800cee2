// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownprobe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <sys/resource.h>

namespace {

QElapsedTimer& sinceMain()
{
    static QElapsedTimer clock;
    return clock;
}

double msSinceMain()
{
    return double(sinceMain().nsecsElapsed()) / 1e6;
}

// The processor time of the whole process so far, all its threads, user and
// system, loading the program included.
double processorMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The object name of the picture loader's progress dialog.
const QLatin1String PROGRESS_NAME("progress");

class ShownProbe : public QObject
{
public:
    explicit ShownProbe(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (reported || !watched->isWidgetType())
            return false;
        // The milestones on the way, for the breakdown of the time.
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::EnabledChange) {
            auto* widget = static_cast<QWidget*>(watched);
            const bool probed = widget->isWindow() && widget->objectName() == QLatin1String(probedWindowName);
            if (type == QEvent::Show && probed && windowShown < 0)
                windowShown = msSinceMain();
            if (type == QEvent::Show && widget->objectName() == PROGRESS_NAME && progressShown < 0)
                progressShown = msSinceMain();
            if (type == QEvent::Hide && widget->objectName() == PROGRESS_NAME && progressHidden < 0)
                progressHidden = msSinceMain();
            if (type == QEvent::EnabledChange && probed && widget->isEnabled())
                enabled = msSinceMain();
        }
        if (type == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->objectName() == QLatin1String(probedWindowName) && widget->isVisible() &&
                widget->isEnabled()) {
                reported = true;
                size = widget->size();
                // After this paint has been done and flushed.
                QTimer::singleShot(0, this, &ShownProbe::report);
            }
        }
        return false;
    }

private:
    void report()
    {
        std::printf("shown %.3f %.3f %.3f %.3f %.3f %d %d %.3f\n", msSinceMain(), windowShown, progressShown,
                    progressHidden, enabled, size.width(), size.height(), processorMs());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool reported = false;
    // Milliseconds since main(); -1 until it happened.
    double windowShown = -1;
    double progressShown = -1;
    double progressHidden = -1;
    double enabled = -1;
    QSize size;
};

void installProbe()
{
    auto* application = QCoreApplication::instance();
    application->installEventFilter(new ShownProbe(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

void startProbeClock()
{
    sinceMain().start();
}
