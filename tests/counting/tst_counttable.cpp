#include "common/boxscript.h"
#include "common/constants.h"
#include "common/eventnames.h"
#include "counting/autoerasedcells.h"
#include "counting/counttable.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

QString textOf(const CountTable& table, int row, int column)
{
    const QTableWidgetItem* item = table.grid()->item(row, column);
    return item ? item->text() : QString();
}

QLineEdit* openEditor(QTableWidget* grid)
{
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// Types text into a cell the way a user does: opens the cell's editor,
// replaces what it shows and confirms with Return. Waits until the grid has
// handled the edit.
void typeInto(CountTable& table, int row, int column, const QString& text)
{
    QTableWidget* grid = table.grid();
    grid->setCurrentCell(row, column);
    grid->edit(grid->model()->index(row, column));
    QLineEdit* editor = openEditor(grid);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!openEditor(grid));
    QTest::qWait(20); // the grid looks at the edit once the editor has committed
}

void showAndWait(QWidget& widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

PurseArray filledPurse(unsigned count)
{
    return PurseArray(NUM_COINS, std::vector<unsigned>(NUM_NATIONAL_SIDES, count));
}

} // namespace

class TestCountTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutHeadersAndFixedSizes();
    void valuesAndCoordinates();
    void programmaticWritesAreNoEdits();
    void typedCountsAreStored();
    void badInputIsReplacedByZero();
    void increaseAndDecrease();
    void sumLabelTexts();
    void purseArrayRoundTrip();
    void clicksAndFocus();
    void resetButton();
    void zeroedCellsAreBlankedAfterTheirDelay();
};

void TestCountTable::layoutHeadersAndFixedSizes()
{
    CountTable table(15, 8, nullptr, QStringLiteral("count table"));
    QCOMPARE(table.objectName(), QStringLiteral("count table"));
    QTableWidget* grid = table.grid();
    QCOMPARE(grid->rowCount(), 15);
    QCOMPARE(grid->columnCount(), 8);

    QLabel* title = nullptr;
    for (QLabel* label : table.findChildren<QLabel*>())
        if (label->text() == QStringLiteral("These coins are in your purse"))
            title = label;
    QVERIFY(title);
    QCOMPARE(title->font().family(), QStringLiteral("times"));
    QCOMPARE(title->font().pointSize(), 18);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 0.00 Euro "));
    QPushButton* reset = table.findChild<QPushButton*>(QStringLiteral("reset"));
    QVERIFY(reset);
    QCOMPARE(reset->text(), QStringLiteral("RESET\nthis table to 0"));

    QCOMPARE(grid->verticalHeaderItem(0)->text(), QStringLiteral("Austria"));
    QCOMPARE(grid->verticalHeaderItem(14)->text(), QStringLiteral("Vatican"));
    QCOMPARE(grid->verticalHeaderItem(10)->text(), QStringLiteral("Netherlands"));
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("1c"));
    QCOMPARE(grid->horizontalHeaderItem(7)->text(), QStringLiteral("2e"));

    // Measured in the bold header font: the widest country plus "ix", and
    // every column as wide as " 1234 ".
    QFont bold = grid->font();
    bold.setWeight(QFont::Bold);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (int r = 1; r <= 15; ++r)
        widest = qMax(widest, metrics.horizontalAdvance(countrynamesWords[size_t(r)]));
    QCOMPARE(grid->verticalHeader()->width(), widest + metrics.horizontalAdvance(QStringLiteral("ix")));
    for (int c = 0; c < 8; ++c)
        QCOMPARE(grid->columnWidth(c), metrics.horizontalAdvance(QStringLiteral(" 1234 ")));
    QCOMPARE(table.fixedColumnWidth(), metrics.horizontalAdvance(QStringLiteral(" 1234 ")));
    QCOMPARE(table.fixedRowHeight(), grid->rowHeight(3));
    QCOMPARE(grid->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

    showAndWait(table);
    // Title above the grid, total and reset button below it, all rows visible.
    QVERIFY(title->geometry().bottom() <= grid->geometry().top());
    QVERIFY(table.sumDisplay()->mapTo(&table, QPoint(0, 0)).y() >= grid->geometry().bottom());
    QCOMPARE(table.sumDisplay()->mapTo(&table, QPoint(0, 0)).y(), reset->mapTo(&table, QPoint(0, 0)).y());
    QVERIFY(grid->viewport()->height() >= 15 * grid->rowHeight(0));

    // Dragging a border back and forth leaves every section at its size.
    const int height = table.fixedRowHeight();
    const int width = table.fixedColumnWidth();
    grid->verticalHeader()->resizeSection(5, height + 25);
    grid->verticalHeader()->resizeSection(5, height - 7);
    grid->horizontalHeader()->resizeSection(2, width * 2);
    grid->horizontalHeader()->resizeSection(7, 3);
    for (int r = 0; r < 15; ++r)
        QCOMPARE(grid->rowHeight(r), height);
    for (int c = 0; c < 8; ++c)
        QCOMPARE(grid->columnWidth(c), width);
    QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

void TestCountTable::valuesAndCoordinates()
{
    CountTable table(15, 8);
    QVERIFY(table.coordinatesOK(0, 0));
    QVERIFY(table.coordinatesOK(14, 7));
    QVERIFY(!table.coordinatesOK(15, 0));
    QVERIFY(!table.coordinatesOK(0, 8));
    QVERIFY(!table.coordinatesOK(-1, 3));
    QVERIFY(!table.coordinatesOK(3, -1));
    QCOMPARE(table.cellCoordName(2, 5), QStringLiteral("(5,2)"));
    QCOMPARE(table.cellCoordName(14, 7), QStringLiteral("(7,14)"));

    unsigned out = 77;
    QVERIFY(table.value(3, 3, out)); // empty reads as 0
    QCOMPARE(out, 0u);
    out = 77;
    QVERIFY(!table.value(15, 0, out));
    QCOMPARE(out, 77u); // untouched
    QVERIFY(!table.setValue(0, 8, 4));
    QVERIFY(!table.setValue(-1, 0, 4));
    QCOMPARE(table.toVectorArray(), filledPurse(0));

    QVERIFY(table.setValue(14, 7, 4000000000u)); // a count is a full 32-bit value
    QVERIFY(table.value(14, 7, out));
    QCOMPARE(out, 4000000000u);

    // A smaller grid still exchanges the full purse.
    CountTable small(3, 2);
    QVERIFY(!small.coordinatesOK(3, 0));
    QVERIFY(small.setValue(2, 1, 9));
    QVERIFY(!small.setValue(4, 4, 9));
    PurseArray expected = filledPurse(0);
    expected[1][2] = 9;
    QCOMPARE(small.toVectorArray(), expected);
    QCOMPARE(small.grid()->verticalHeaderItem(2)->text(), QStringLiteral("Finland"));
}

void TestCountTable::programmaticWritesAreNoEdits()
{
    BoxScript boxes;
    CountTable table(15, 8);
    showAndWait(table);
    QSignalSpy events(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);

    table.setValue(0, 0, 5);
    table.setValue(1, 1, 0);
    table.increaseCell(2, 2);
    table.decreaseCell(3, 3);
    table.zeroCell(4, 4);
    table.setFromVectorArray(filledPurse(2));
    table.reset();
    QTest::qWait(50);

    QCOMPARE(boxes.count(), 0);
    QVERIFY(eventNames(events).isEmpty());
    QCOMPARE(coinRequests.count(), 0);
}

void TestCountTable::typedCountsAreStored()
{
    BoxScript boxes;
    CountTable table(15, 8);
    showAndWait(table);
    QSignalSpy events(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);
    QSignalSpy sums(&table, &CountTable::theSum);

    // Twelve 50 cent coins of Finland.
    typeInto(table, 2, 5, QStringLiteral("12"));
    unsigned count = 0;
    QVERIFY(table.value(2, 5, count));
    QCOMPARE(count, 12u);
    QCOMPARE(textOf(table, 2, 5), QStringLiteral("12"));
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("CellEdited(5,2)")});
    // The slide show is asked for the next cell down; the grid stays put.
    QCOMPARE(coinRequests.count(), 1);
    QCOMPARE(coinRequests.first().at(0).toUInt(), 3u);
    QCOMPARE(coinRequests.first().at(1).toUInt(), 5u);
    QCOMPARE(table.grid()->currentRow(), 2);
    QCOMPARE(table.grid()->currentColumn(), 5);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 6.00 Euro "));
    QCOMPARE(table.sum(), 6.0);
    QCOMPARE(sums.last().first().toDouble(), 6.0);
    QVERIFY(!table.isZeroPending(2, 5));

    // The same count typed again is an edit too.
    events.clear();
    coinRequests.clear();
    typeInto(table, 2, 5, QStringLiteral("12"));
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("CellEdited(5,2)")});
    QCOMPARE(coinRequests.count(), 1);

    // After the last cell comes the first one.
    events.clear();
    coinRequests.clear();
    typeInto(table, 14, 7, QStringLiteral("2"));
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("CellEdited(7,14)")});
    QCOMPARE(coinRequests.count(), 1);
    QCOMPARE(coinRequests.first().at(0).toUInt(), 0u);
    QCOMPARE(coinRequests.first().at(1).toUInt(), 0u);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 10.00 Euro "));

    // Clearing a cell leaves it empty: no zero, no box.
    events.clear();
    typeInto(table, 2, 5, QString());
    QCOMPARE(textOf(table, 2, 5), QString());
    QVERIFY(!table.isZeroPending(2, 5));
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("CellEdited(5,2)")});
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 4.00 Euro "));

    // Typing straight onto the grid opens the editor with the first key.
    events.clear();
    table.grid()->setFocus();
    table.grid()->setCurrentCell(6, 2);
    QTest::keyClick(table.grid(), Qt::Key_3);
    QLineEdit* editor = openEditor(table.grid());
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_0);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(eventNames(events), QStringList{QStringLiteral("CellEdited(2,6)")});
    QVERIFY(table.value(6, 2, count));
    QCOMPARE(count, 30u);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 5.50 Euro "));
    QCOMPARE(boxes.count(), 0);
}

void TestCountTable::badInputIsReplacedByZero()
{
    BoxScript boxes;
    CountTable table(15, 8);
    showAndWait(table);
    table.setValue(4, 1, 6);
    QSignalSpy events(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);

    const QStringList badTexts{QStringLiteral("-3"), QStringLiteral("abc"), QStringLiteral("4x"), QStringLiteral("1.5"),
                               QStringLiteral("99999999999")};
    for (const QString& bad : badTexts) {
        boxes.clear();
        events.clear();
        coinRequests.clear();
        table.grid()->setCurrentCell(0, 0); // the box brings the cell back into focus
        typeInto(table, 4, 1, bad);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Euro Coins"));
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Please type in positive NUMBERS only!\nThe field will be set to 0 now."));
        QCOMPARE(boxes.last().parent, table.grid());
        QCOMPARE(boxes.last().icon, BoxIcon::Information);
        QCOMPARE(textOf(table, 4, 1), QStringLiteral("0"));
        QVERIFY(table.isZeroPending(4, 1));
        unsigned count = 99;
        QVERIFY(table.value(4, 1, count));
        QCOMPARE(count, 0u);
        QCOMPARE(eventNames(events),
                 (QStringList{QStringLiteral("CellFocussed(1,4)"), QStringLiteral("CellEdited(1,4)")}));
        QCOMPARE(coinRequests.count(), 1);
        QCOMPARE(coinRequests.first().at(0).toUInt(), 5u);
        QCOMPARE(table.grid()->currentRow(), 4);
        QCOMPARE(table.grid()->currentColumn(), 1);
        QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 0.00 Euro "));
        table.setValue(4, 1, 6);
    }
}

void TestCountTable::increaseAndDecrease()
{
    CountTable table(15, 8);
    unsigned count = 99;

    // Taking a coin from an empty cell shows "0" for a while; nothing below 0.
    QVERIFY(table.decreaseCell(0, 0));
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0"));
    QVERIFY(table.isZeroPending(0, 0));
    QVERIFY(table.value(0, 0, count));
    QCOMPARE(count, 0u);

    // Adding to a pending zero cancels the blanking.
    QVERIFY(table.increaseCell(0, 0));
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("1"));
    QVERIFY(!table.isZeroPending(0, 0));
    QVERIFY(table.increaseCell(0, 0));
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("2"));
    QVERIFY(table.decreaseCell(0, 0));
    QVERIFY(table.decreaseCell(0, 0));
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0"));
    QVERIFY(table.isZeroPending(0, 0));

    // A cell that does not hold a count: adding makes it 1, taking makes it 0.
    {
        const QSignalBlocker quiet(table.grid());
        table.grid()->setItem(5, 5, new QTableWidgetItem(QStringLiteral("x")));
        table.grid()->setItem(6, 6, new QTableWidgetItem(QStringLiteral("x")));
    }
    QVERIFY(!table.value(5, 5, count));
    QVERIFY(table.increaseCell(5, 5));
    QCOMPARE(textOf(table, 5, 5), QStringLiteral("1"));
    QVERIFY(table.decreaseCell(6, 6));
    QCOMPARE(textOf(table, 6, 6), QStringLiteral("0"));

    // Bad coordinates change nothing.
    const PurseArray before = table.toVectorArray();
    QVERIFY(!table.increaseCell(15, 0));
    QVERIFY(!table.increaseCell(0, 8));
    QVERIFY(!table.decreaseCell(15, 7));
    QVERIFY(!table.decreaseCell(4000000000u, 0));
    QCOMPARE(table.toVectorArray(), before);

    // Every change updates the total at once: one 50 cent and one 2 Euro coin.
    QVERIFY(table.increaseCell(3, 7));
    QCOMPARE(table.sum(), 2.5);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 2.50 Euro "));
}

void TestCountTable::sumLabelTexts()
{
    CountTable table(15, 8);
    QSignalSpy sums(&table, &CountTable::theSum);
    table.setValue(0, 7, 1);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 2.00 Euro "));
    table.setValue(3, 5, 1);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 2.50 Euro "));
    table.setValue(9, 0, 7);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 2.57 Euro "));
    QVERIFY(qFuzzyCompare(sums.last().first().toDouble(), 2.57));
    table.setValue(0, 7, 0);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 0.57 Euro "));
    table.setValue(9, 0, 0);
    table.setValue(3, 5, 0);
    table.setValue(2, 3, 1);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 0.10 Euro "));

    // Every cell holding one coin: 15 times 3.88.
    table.setFromVectorArray(filledPurse(1));
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 58.20 Euro "));
    QVERIFY(qFuzzyCompare(table.sum(), 58.2));
    QVERIFY(qFuzzyCompare(sums.last().first().toDouble(), 58.2));

    // Six significant digits, as the text stream writes a double.
    table.reset();
    table.setValue(0, 7, 5000);
    table.setValue(1, 6, 1);
    table.setValue(2, 0, 23);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 10001.2 Euro ")); // 10001.23
}

void TestCountTable::purseArrayRoundTrip()
{
    CountTable table(15, 8);
    PurseArray purse = filledPurse(0);
    for (unsigned c = 0; c < 8; ++c)
        for (unsigned r = 0; r < 15; ++r)
            purse[c][r] = (c * 15 + r) % 7;
    purse[5][2] = 12;
    unsigned expectedCents = 0;
    for (unsigned c = 0; c < 8; ++c)
        for (unsigned r = 0; r < 15; ++r)
            expectedCents += purse[c][r] * coinvaluesInCents[c];

    QSignalSpy sumChanges(&table, &CountTable::sumChanged);
    table.setFromVectorArray(purse);
    QVERIFY(sumChanges.count() >= 1);
    QCOMPARE(table.toVectorArray(), purse);
    unsigned count = 0;
    QVERIFY(table.value(2, 5, count)); // element [column][row]
    QCOMPARE(count, 12u);
    QVERIFY(table.value(6, 1, count));
    QCOMPARE(count, purse[1][6]);
    QCOMPARE(qRound64(table.sum() * 100), qint64(expectedCents));
    // Zero counts show "0" and wait to be blanked.
    QCOMPARE(purse[0][0], 0u);
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0"));
    QVERIFY(table.isZeroPending(0, 0));
    QVERIFY(!table.isZeroPending(2, 5));

    // A short array leaves the missing counts empty rather than reading past its end.
    PurseArray shortPurse = filledPurse(3);
    shortPurse[7].resize(10);
    shortPurse.resize(8);
    table.setFromVectorArray(shortPurse);
    PurseArray expected = filledPurse(3);
    for (unsigned r = 10; r < 15; ++r)
        expected[7][r] = 0;
    QCOMPARE(table.toVectorArray(), expected);
}

void TestCountTable::clicksAndFocus()
{
    CountTable table(15, 8);
    showAndWait(table);
    QTableWidget* grid = table.grid();
    QSignalSpy events(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);

    // Row 4 is France, column 7 the 2 Euro coin.
    const QRect cell = grid->visualRect(grid->model()->index(4, 7));
    QVERIFY(grid->viewport()->rect().contains(cell.center()));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(coinRequests.count(), 1);
    QCOMPARE(coinRequests.first().at(0).toUInt(), 4u);
    QCOMPARE(coinRequests.first().at(1).toUInt(), 7u);
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("CellClicked(7,4)")});

    events.clear();
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 5, 5), true);
    table.setFocusToCell(1, 3);
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(grid->currentColumn(), 3);
    const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first(), grid->model()->index(1, 3));
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("CellFocussed(3,1)")});

    // A cell outside the grid is not focussed and reported.
    events.clear();
    table.setFocusToCell(15, 0);
    table.setFocusToCell(0, 8);
    QVERIFY(events.isEmpty());
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(grid->currentColumn(), 3);
}

void TestCountTable::resetButton()
{
    CountTable table(15, 8);
    table.setFromVectorArray(filledPurse(4));
    QSignalSpy events(&table, &CountTable::Event);
    QSignalSpy sumChanges(&table, &CountTable::sumChanged);
    table.resetButton()->click();
    QCOMPARE(eventNames(events), QStringList{QStringLiteral("Reset")});
    QVERIFY(sumChanges.count() >= 1);
    QCOMPARE(table.sum(), 0.0);
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 0.00 Euro "));
    QCOMPARE(table.toVectorArray(), filledPurse(0));
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(textOf(table, r, c), QStringLiteral("0"));
            QVERIFY(table.isZeroPending(r, c));
        }
}

void TestCountTable::zeroedCellsAreBlankedAfterTheirDelay()
{
    // The real delay, with every case running side by side on its own cell.
    // Each blanking is timed against the moment its cell got its "0"; the
    // upper bound only has to survive a busy machine.
    QCOMPARE(AUTO_ERASE_DELAY_MS, 5000);
    constexpr qint64 lateness = 1500;
    using Cell = std::pair<int, int>;
    std::map<Cell, QList<qint64>> blankedAt;
    std::map<Cell, qint64> zeroedAt;
    QElapsedTimer clock;
    CountTable table(15, 8);
    CountTable resetTable(15, 8);
    resetTable.setFromVectorArray(filledPurse(2));
    connect(table.grid(), &QTableWidget::cellChanged, &table, [&](int row, int column) {
        if (textOf(table, row, column).isEmpty())
            blankedAt[{row, column}] << clock.elapsed();
    });
    int resetCellsBlanked = 0;
    connect(resetTable.grid(), &QTableWidget::cellChanged, &resetTable, [&](int row, int column) {
        if (textOf(resetTable, row, column).isEmpty() && clock.elapsed() >= AUTO_ERASE_DELAY_MS - 5)
            ++resetCellsBlanked;
    });
    const auto waitUntil = [&clock](qint64 ms) { QTest::qWait(int(qMax<qint64>(0, ms - clock.elapsed()))); };

    clock.start();
    table.decreaseCell(0, 0); // an empty cell: "0", then empty again
    zeroedAt[{0, 0}] = clock.elapsed();
    table.setValue(1, 0, 0); // increased within the delay
    table.setValue(2, 0, 0); // zeroed a second time 3 seconds later
    table.setValue(3, 0, 5);
    resetTable.reset();
    QCOMPARE(resetTable.sum(), 0.0); // the total at once, the blanking later
    QCOMPARE(resetTable.sumDisplay()->text(), QStringLiteral(" 0.00 Euro "));
    QCOMPARE(textOf(resetTable, 14, 7), QStringLiteral("0"));
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0"));

    waitUntil(1000);
    table.increaseCell(1, 0);
    waitUntil(2000);
    table.setValue(3, 0, 0); // waits on its own
    zeroedAt[{3, 0}] = clock.elapsed();
    waitUntil(3000);
    QCOMPARE(textOf(table, 2, 0), QStringLiteral("0"));
    table.setValue(2, 0, 0);
    zeroedAt[{2, 0}] = clock.elapsed();

    QTRY_COMPARE_WITH_TIMEOUT(blankedAt.count({2, 0}), size_t(1), 9000);
    QTest::qWait(300); // room for a second, wrong blanking

    for (const Cell& cell : {Cell{0, 0}, Cell{2, 0}, Cell{3, 0}}) {
        const QList<qint64>& times = blankedAt[cell];
        QCOMPARE(times.size(), 1); // exactly once
        const qint64 waited = times.first() - zeroedAt[cell];
        QVERIFY2(waited >= AUTO_ERASE_DELAY_MS - 5 && waited < AUTO_ERASE_DELAY_MS + lateness,
                 qPrintable(QStringLiteral("cell %1,%2 waited %3 ms").arg(cell.first).arg(cell.second).arg(waited)));
        QCOMPARE(textOf(table, cell.first, cell.second), QString());
        QVERIFY(!table.isZeroPending(cell.first, cell.second));
    }
    QCOMPARE(blankedAt.count({1, 0}), size_t(0));
    QCOMPARE(textOf(table, 1, 0), QStringLiteral("1"));
    unsigned count = 9;
    QVERIFY(table.value(0, 0, count));
    QCOMPARE(count, 0u);

    QCOMPARE(resetCellsBlanked, 15 * 8);
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 8; ++c)
            QCOMPARE(textOf(resetTable, r, c), QString());
}

QTEST_MAIN(TestCountTable)
#include "tst_counttable.moc"
