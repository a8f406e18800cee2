// The floor for start-up: a Qt Widgets program that shows one empty window of
// the main window's size, watched by the same probe.

#include "shownprobe.h"

#include <QApplication>
#include <QWidget>

const char* const probedWindowName = "minimal window";

namespace {
constexpr int WINDOW_WIDTH = 600;
constexpr int WINDOW_HEIGHT = 440;
} // namespace

int main(int argc, char* argv[])
{
    startProbeClock();
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName(QLatin1String(probedWindowName));
    window.resize(WINDOW_WIDTH, WINDOW_HEIGHT);
    window.show();
    return application.exec();
}
