// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a Qt Widgets program that shows one empty window of
// the main window's size, watched by the same probe. Given "--text" it shows
// one line of text in it, which is what it takes to load the fonts: a second,
// informative reference.

#include "shownprobe.h"

#include <QApplication>
#include <QLabel>
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
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--text"))
        new QLabel(QStringLiteral("Stored Purses on disk: 0"), &window);
    window.show();
    return application.exec();
}
