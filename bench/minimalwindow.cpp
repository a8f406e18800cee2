// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a Qt Widgets program that shows one empty window of
// the main window's size (given as --size=WIDTHxHEIGHT), watched by the same
// probe. Three more references, informative only, each at least that large:
//   --text     one line of text in it, which is what it takes to load the fonts;
//   --widgets  the kinds and numbers of widgets the main window shows (16
//              buttons with text, two with a picture, five labels, a 15 by 8
//              grid with bold headers), laid out alike, with texts of like
//              length and nothing behind them: what showing such a window
//              costs in Qt Widgets before the program does anything;
//   --painted  the same texts, buttons, pictures and grid drawn by one widget
//              in one paint, in the style's look and with no layout: what the
//              window's content costs at the least, however it is built.

#include "shownprobe.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <memory>

const char* const probedWindowName = "minimal window";

namespace {
// The size when not told the program's.
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

// The window above as one widget that draws everything itself.
class PaintedWindow : public QWidget
{
public:
    PaintedWindow() : bigFont(QStringLiteral("times"), 18), picture(SHOWN_PICTURE_SIDE, SHOWN_PICTURE_SIDE)
    {
        picture.fill(Qt::darkYellow);
        boldFont.setWeight(QFont::Bold);
        const QFontMetrics metrics = fontMetrics();
        const QFontMetrics bold(boldFont);
        stepWidth = metrics.horizontalAdvance(QStringLiteral("previous country")) + 2 * MARGIN;
        moveWidth = metrics.horizontalAdvance(QStringLiteral("Take Away")) + 4 * MARGIN;
        rowHeaderWidth = bold.horizontalAdvance(QStringLiteral("Country 10")) + 2 * MARGIN;
        columnWidth = bold.horizontalAdvance(QStringLiteral(" 1234 "));
        rowHeight = bold.height() + ROW_PADDING;
        actionWidth = metrics.horizontalAdvance(QStringLiteral("Store this purse and quit")) + 4 * MARGIN;
    }

    // Room for all of it, about as large as the window with the widgets.
    QSize sizeHint() const override
    {
        return {2 * stepWidth + moveWidth + rowHeaderWidth + GRID_COLUMNS * columnWidth + actionWidth + 8 * MARGIN,
                2 * SHOWN_PICTURE_SIDE + 8 * fontMetrics().height()};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        int x = paintPictures(painter);
        x = paintMoves(painter, x);
        x = paintCounting(painter, x);
        paintActions(painter, x);
    }

private:
    static constexpr int MARGIN = 6;

    int lineHeight() const { return fontMetrics().height(); }
    int buttonHeight() const { return 2 * lineHeight(); }

    // Each column from its left edge; each gives the next column's.
    int paintPictures(QPainter& painter)
    {
        int y = MARGIN;
        painter.drawPixmap(MARGIN, y, picture);
        y += SHOWN_PICTURE_SIDE + MARGIN;
        painter.drawText(MARGIN, y + lineHeight(), QStringLiteral("10 Cent"));
        y += lineHeight() + MARGIN;
        for (const char* step : {"coin", "country"}) {
            drawButton(painter, QRect(MARGIN, y, stepWidth, buttonHeight()),
                       QStringLiteral("previous %1").arg(QLatin1String(step)));
            drawButton(painter, QRect(MARGIN + stepWidth, y, stepWidth, buttonHeight()),
                       QStringLiteral("next %1").arg(QLatin1String(step)));
            y += buttonHeight() + MARGIN;
        }
        painter.drawText(MARGIN, y + lineHeight(), QStringLiteral("Luxembourg"));
        painter.drawPixmap(MARGIN, y + lineHeight() + MARGIN, picture);
        return 2 * MARGIN + 2 * stepWidth;
    }

    int paintMoves(QPainter& painter, int x)
    {
        drawButton(painter, QRect(x, height() / 3, moveWidth, 3 * lineHeight()), QStringLiteral("->\nInsert"));
        drawButton(painter, QRect(x, height() / 2, moveWidth, 3 * lineHeight()), QStringLiteral("<-\nTake Away"));
        return x + moveWidth + MARGIN;
    }

    // The title, the grid with bold headers and the sum.
    int paintCounting(QPainter& painter, int x)
    {
        const int gridWidth = rowHeaderWidth + GRID_COLUMNS * columnWidth;
        painter.setFont(bigFont);
        const QRect title(x, MARGIN, gridWidth, 2 * QFontMetrics(bigFont).height());
        painter.drawText(title, Qt::TextWordWrap, QStringLiteral("The coins counted in this purse"));
        const QRect grid(x, title.bottom() + MARGIN, gridWidth, (GRID_ROWS + 1) * rowHeight);
        painter.fillRect(grid, palette().base());
        painter.setFont(boldFont);
        const int cellsLeft = x + rowHeaderWidth;
        const int cellsTop = grid.top() + rowHeight;
        for (int column = 0; column < GRID_COLUMNS; ++column)
            drawHeader(painter, QRect(cellsLeft + column * columnWidth, grid.top(), columnWidth, rowHeight),
                       QStringLiteral("%1c").arg(column));
        for (int row = 0; row < GRID_ROWS; ++row)
            drawHeader(painter, QRect(x, cellsTop + row * rowHeight, rowHeaderWidth, rowHeight),
                       QStringLiteral("Country %1").arg(row));
        painter.setPen(palette().mid().color());
        for (int column = 1; column <= GRID_COLUMNS; ++column)
            painter.drawLine(cellsLeft + column * columnWidth - 1, cellsTop, cellsLeft + column * columnWidth - 1,
                             grid.bottom());
        for (int row = 1; row <= GRID_ROWS; ++row)
            painter.drawLine(cellsLeft, cellsTop + row * rowHeight - 1, grid.right(), cellsTop + row * rowHeight - 1);
        painter.setPen(palette().text().color());
        painter.setFont(bigFont);
        const QRect sum(x, grid.bottom() + 2 * MARGIN, gridWidth / 2, 3 * lineHeight());
        painter.drawText(sum, Qt::AlignVCenter, QStringLiteral("Sum: 0.00 Euro"));
        painter.setFont(font());
        drawButton(painter, sum.translated(sum.width(), 0), QStringLiteral("RESET\nthe grid to 0"));
        return x + gridWidth + MARGIN;
    }

    // The action buttons in their frame.
    void paintActions(QPainter& painter, int x)
    {
        const QRect actions(x, MARGIN, actionWidth + 2 * MARGIN, height() - 2 * MARGIN);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = actions;
        style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
        QRect place(actions.left() + MARGIN, actions.top() + MARGIN, actionWidth, buttonHeight());
        drawButton(painter, place, QStringLiteral("Store this purse and quit"));
        place.translate(0, buttonHeight() + MARGIN);
        painter.drawText(place, Qt::TextWordWrap, QStringLiteral("Purses stored: 520"));
        place.translate(0, lineHeight() + MARGIN);
        for (const char* text : {"Send the purses", "Your own settings", "See the latest\nresults", "about the project",
                                 "invite your friends", "only quit"}) {
            drawButton(painter, place, QLatin1String(text));
            place.translate(0, buttonHeight() + MARGIN);
        }
    }

    void drawButton(QPainter& painter, const QRect& rect, const QString& text)
    {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = rect;
        option.text = text;
        // The style leaves its clipping behind.
        painter.save();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.restore();
    }

    void drawHeader(QPainter& painter, const QRect& rect, const QString& text)
    {
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = rect;
        option.text = text;
        option.textAlignment = Qt::AlignCenter;
        painter.save();
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
        painter.restore();
    }

    QFont bigFont;
    QFont boldFont;
    QPixmap picture;
    int stepWidth = 0;
    int moveWidth = 0;
    int rowHeaderWidth = 0;
    int columnWidth = 0;
    int rowHeight = 0;
    int actionWidth = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    startProbeClock();
    QApplication application(argc, argv);
    QLatin1String content;
    QSize size(WINDOW_WIDTH, WINDOW_HEIGHT);
    for (int i = 1; i < argc; ++i) {
        int width = 0;
        int height = 0;
        if (std::sscanf(argv[i], "--size=%dx%d", &width, &height) == 2)
            size = QSize(width, height);
        else
            content = QLatin1String(argv[i]);
    }
    const bool painted = content == QLatin1String("--painted");
    const std::unique_ptr<QWidget> shown(painted ? new PaintedWindow : new QWidget);
    QWidget& window = *shown;
    window.setObjectName(QLatin1String(probedWindowName));
    if (content == QLatin1String("--text"))
        new QLabel(QStringLiteral("Stored Purses on disk: 0"), &window);
    else if (content == QLatin1String("--widgets"))
        addWidgets(window);
    // At least as large as the widgets ask for, as the main window grows to show the whole grid.
    window.resize(window.sizeHint().expandedTo(size));
    window.show();
    return application.exec();
}
