// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a Qt Widgets program that shows one empty window of
// the main window's size, watched by the same probe. Two more references,
// informative only:
//   --text     one line of text in it, which is what it takes to load the fonts;
//   --widgets  the kinds and numbers of widgets the main window shows (16
//              buttons with text, two with a picture, five labels, a 15 by 8
//              grid with bold headers), laid out alike, with texts of like
//              length and nothing behind them: what showing such a window
//              costs in Qt Widgets before the program does anything.

#include "shownprobe.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

const char* const probedWindowName = "minimal window";

namespace {
constexpr int WINDOW_WIDTH = 600;
constexpr int WINDOW_HEIGHT = 440;
constexpr int GRID_ROWS = 15;
constexpr int GRID_COLUMNS = 8;
constexpr int PICTURE_SIDE = 170;
constexpr int SHOWN_PICTURE_SIDE = 160;
constexpr int ROW_PADDING = 6;

template <typename Layout> Layout* box(QLayout* into)
{
    auto* widget = new QWidget;
    into->addWidget(widget);
    auto* layout = new Layout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QPushButton* pictureButton()
{
    QPixmap picture(PICTURE_SIDE, PICTURE_SIDE);
    picture.fill(Qt::darkYellow);
    auto* button = new QPushButton;
    button->setFlat(true);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(SHOWN_PICTURE_SIDE, SHOWN_PICTURE_SIDE));
    return button;
}

QLabel* bigLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setFont(QFont(QStringLiteral("times"), 18));
    return label;
}

void addWidgets(QWidget& window)
{
    auto* columns = new QHBoxLayout(&window);

    auto* pictures = box<QVBoxLayout>(columns);
    pictures->addWidget(pictureButton());
    pictures->addWidget(new QLabel(QStringLiteral("10 Cent")));
    for (const char* step : {"coin", "country"}) {
        auto* steps = box<QHBoxLayout>(pictures);
        steps->addWidget(new QPushButton(QStringLiteral("previous %1").arg(QLatin1String(step))));
        steps->addWidget(new QPushButton(QStringLiteral("next %1").arg(QLatin1String(step))));
    }
    pictures->addWidget(new QLabel(QStringLiteral("Luxembourg")));
    pictures->addWidget(pictureButton());

    auto* moves = box<QVBoxLayout>(columns);
    moves->addWidget(new QPushButton(QStringLiteral("->\nInsert")));
    moves->addWidget(new QPushButton(QStringLiteral("<-\nTake Away")));

    auto* counting = box<QVBoxLayout>(columns);
    auto* title = bigLabel(QStringLiteral("The coins counted in this purse"));
    title->setWordWrap(true);
    counting->addWidget(title);
    auto* grid = new QTableWidget(GRID_ROWS, GRID_COLUMNS);
    QFont bold = grid->font();
    bold.setWeight(QFont::Bold);
    grid->horizontalHeader()->setFont(bold);
    grid->verticalHeader()->setFont(bold);
    // Cells as small as the program's, so that the whole grid shows.
    const QFontMetrics metrics(bold);
    grid->horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral(" 1234 ")));
    grid->verticalHeader()->setDefaultSectionSize(metrics.height() + ROW_PADDING);
    for (int row = 0; row < GRID_ROWS; ++row)
        grid->setVerticalHeaderItem(row, new QTableWidgetItem(QStringLiteral("Country %1").arg(row)));
    for (int column = 0; column < GRID_COLUMNS; ++column)
        grid->setHorizontalHeaderItem(column, new QTableWidgetItem(QStringLiteral("%1c").arg(column)));
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    counting->addWidget(grid);
    auto* sum = box<QHBoxLayout>(counting);
    sum->addWidget(bigLabel(QStringLiteral("Sum: 0.00 Euro")), 1);
    sum->addWidget(new QPushButton(QStringLiteral("RESET\nthe grid to 0")));

    auto* actions = new QGroupBox;
    columns->addWidget(actions);
    auto* actionList = new QVBoxLayout(actions);
    for (const char* action : {"Store this purse and quit", "Send the purses", "Your own settings",
                               "See the latest\nresults", "about the project", "invite your friends", "only quit"})
        actionList->addWidget(new QPushButton(QLatin1String(action)));
    auto* stored = new QLabel(QStringLiteral("Purses stored: 520"));
    stored->setWordWrap(true);
    actionList->insertWidget(1, stored);
}

} // namespace

int main(int argc, char* argv[])
{
    startProbeClock();
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName(QLatin1String(probedWindowName));
    window.resize(WINDOW_WIDTH, WINDOW_HEIGHT);
    const QLatin1String option(argc > 1 ? argv[1] : "");
    if (option == QLatin1String("--text"))
        new QLabel(QStringLiteral("Stored Purses on disk: 0"), &window);
    else if (option == QLatin1String("--widgets"))
        addWidgets(window);
    // As large as the widgets ask for, as the main window grows to show the whole grid.
    window.resize(window.sizeHint().expandedTo(window.size()));
    window.show();
    return application.exec();
}
