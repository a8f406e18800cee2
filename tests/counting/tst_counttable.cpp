#include "common/boxscript.h"
#include "common/constants.h"
#include "common/eventnames.h"
#include "counting/autoerasedcells.h"
#include "counting/counttable.h"
#include "counting/timedcell.h"

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

unsigned countOf(const CountTable& table, int row, int column)
{
    unsigned count = 99;
    return table.value(row, column, count) ? count : 99;
}

QLineEdit* openEditor(QTableWidget* grid)
{
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// Types text into a cell as a participant does: opens the cell's editor,
// replaces what it shows and confirms with Return; waits until the grid has
// looked at the edit.
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
    QTest::qWait(20);
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
    void cellsKeepTheirSizeAndAllShow();
    void typedText_data();
    void typedText();
    void purseArrayRoundTrip();
    void zeroedCellsAreBlankedAfterTheirDelay();
    void eachWaitHasOneTimedCellAndEndsOnce();
};

void TestCountTable::cellsKeepTheirSizeAndAllShow()
{
    CountTable table(15, 8);
    QTableWidget* grid = table.grid();
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QVERIFY(grid->viewport()->height() >= 15 * grid->rowHeight(0));
    // Dragging a border back and forth leaves every section at its size.
    const int height = grid->rowHeight(3);
    const int width = grid->columnWidth(3);
    grid->verticalHeader()->resizeSection(5, height + 25);
    grid->verticalHeader()->resizeSection(0, height - 7);
    grid->horizontalHeader()->resizeSection(2, width * 2);
    grid->horizontalHeader()->resizeSection(7, 3);
    for (int r = 0; r < 15; ++r)
        QCOMPARE(grid->rowHeight(r), height);
    for (int c = 0; c < 8; ++c)
        QCOMPARE(grid->columnWidth(c), width);
}

void TestCountTable::typedText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<unsigned>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QPoint>("nextCoin"); // (row, column) of the cell whose coin is shown next

    // Twelve 50 cent coins of Finland; the slide show moves on down the column.
    QTest::newRow("a count") << 2 << 5 << 0u << "12"
                             << "12"
                             << " 6.00 Euro " << QPoint(3, 5);
    QTest::newRow("the same count again") << 2 << 5 << 12u << "12"
                                          << "12"
                                          << " 6.00 Euro " << QPoint(3, 5);
    QTest::newRow("the last row") << 14 << 3 << 0u << "1"
                                  << "1"
                                  << " 0.10 Euro " << QPoint(0, 4);
    QTest::newRow("the last cell") << 14 << 7 << 0u << "2"
                                   << "2"
                                   << " 4.00 Euro " << QPoint(0, 0);
    QTest::newRow("cents") << 9 << 0 << 0u << "7"
                           << "7"
                           << " 0.07 Euro " << QPoint(10, 0);
    // Six significant digits, as the text stream writes a double: 10001.23.
    QTest::newRow("large sum") << 0 << 0 << 0u << "1000123"
                               << "1000123"
                               << " 10001.2 Euro " << QPoint(1, 0);
    QTest::newRow("cleared") << 6 << 6 << 3u << ""
                             << ""
                             << " 0.00 Euro " << QPoint(7, 6);
    // Bad input: a box, and a "0" that is blanked later.
    QTest::newRow("negative") << 4 << 1 << 6u << "-3"
                              << "0"
                              << " 0.00 Euro " << QPoint(5, 1);
    QTest::newRow("letters") << 4 << 1 << 6u << "4x"
                             << "0"
                             << " 0.00 Euro " << QPoint(5, 1);
    QTest::newRow("too many") << 4 << 1 << 6u << "99999999999"
                              << "0"
                              << " 0.00 Euro " << QPoint(5, 1);
}

void TestCountTable::typedText()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(unsigned, before);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, sum);
    QFETCH(QPoint, nextCoin);
    BoxScript boxes;
    CountTable table(15, 8);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    if (before > 0)
        table.setValue(row, column, before);
    QSignalSpy events(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);
    QSignalSpy sums(&table, &CountTable::theSum);
    typeInto(table, row, column, typed);
    if (QTest::currentTestFailed())
        return;

    const bool bad = shown == QLatin1String("0");
    const QString cell = QStringLiteral("(%1,%2)").arg(column).arg(row);
    QCOMPARE(textOf(table, row, column), shown);
    QCOMPARE(countOf(table, row, column), shown.toUInt());
    QCOMPARE(table.isZeroPending(row, column), bad);
    QCOMPARE(table.sumDisplay()->text(), sum);
    QCOMPARE(qRound64(sums.last().first().toDouble() * 100),
             qint64(shown.toUInt()) * coinvaluesInCents[size_t(column)]);
    QCOMPARE(eventNames(events),
             (bad ? QStringList{"CellFocussed" + cell} : QStringList{}) + QStringList{"CellEdited" + cell});
    QCOMPARE(coinRequests.count(), 1);
    QCOMPARE(QPoint(coinRequests.first().at(0).toInt(), coinRequests.first().at(1).toInt()), nextCoin);
    // The grid stays on the cell, also after the box.
    QCOMPARE(QPoint(table.grid()->currentRow(), table.grid()->currentColumn()), QPoint(row, column));
    QCOMPARE(boxes.count(), bad ? 1 : 0);
    if (bad) {
        QCOMPARE(boxes.last().title, QStringLiteral("Euro Coins"));
        QCOMPARE(boxes.last().parent, table.grid());
    }
}

void TestCountTable::purseArrayRoundTrip()
{
    CountTable table(15, 8);
    PurseArray purse = filledPurse(0);
    unsigned cents = 0;
    for (unsigned c = 0; c < 8; ++c)
        for (unsigned r = 0; r < 15; ++r) {
            purse[c][r] = (c * 15 + r) % 7;
            cents += purse[c][r] * coinvaluesInCents[c];
        }
    purse[7][14] = 4000000000u; // a count is a full 32-bit value; it was 0
    table.setFromVectorArray(purse);
    QCOMPARE(table.toVectorArray(), purse);
    QCOMPARE(countOf(table, 6, 1), purse[1][6]);        // element [column][row]
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0")); // zero counts show "0" and wait
    QVERIFY(table.isZeroPending(0, 0) && !table.isZeroPending(1, 0));
    table.setValue(14, 7, 1);
    QCOMPARE(qRound64(table.sum() * 100), qint64(cents) + 200);

    // Outside the grid nothing is read, written or focussed.
    QSignalSpy events(&table, &CountTable::Event);
    for (const auto& [row, column] : {std::pair{15, 0}, {0, 8}, {-1, 3}, {3, -1}}) {
        unsigned out = 77;
        QVERIFY(!table.value(row, column, out) && out == 77);
        QVERIFY(!table.setValue(row, column, 4));
        QVERIFY(!table.increaseCell(unsigned(row), unsigned(column)));
        QVERIFY(!table.decreaseCell(unsigned(row), unsigned(column)));
        table.setFocusToCell(unsigned(row), unsigned(column));
    }
    QVERIFY(events.isEmpty());

    // Every cell one coin: 15 times 3.88. A short array leaves the missing
    // counts empty rather than reading past its end; a smaller grid still
    // gives the full purse.
    table.setFromVectorArray(filledPurse(1));
    QCOMPARE(table.sumDisplay()->text(), QStringLiteral(" 58.20 Euro "));
    PurseArray shortPurse = filledPurse(3);
    shortPurse[7].resize(10);
    table.setFromVectorArray(shortPurse);
    std::fill_n(std::back_inserter(shortPurse[7]), 5, 0u);
    QCOMPARE(table.toVectorArray(), shortPurse);
    CountTable small(3, 2);
    QVERIFY(small.setValue(2, 1, 9) && !small.setValue(3, 1, 9));
    PurseArray expected = filledPurse(0);
    expected[1][2] = 9;
    QCOMPARE(small.toVectorArray(), expected);
}

void TestCountTable::zeroedCellsAreBlankedAfterTheirDelay()
{
    // The real delay, every case side by side on its own cell, each blanking
    // timed from the moment its cell got its "0"; the upper bound only has to
    // survive a busy machine. None of the program's own writes is an edit.
    QCOMPARE(AUTO_ERASE_DELAY_MS, 5000);
    constexpr qint64 lateness = 1500;
    std::map<int, QList<qint64>> blankedAt; // by row, all in column 0
    std::map<int, qint64> zeroedAt;
    QElapsedTimer clock;
    CountTable table(15, 8);
    CountTable resetTable(15, 8);
    resetTable.setFromVectorArray(filledPurse(2));
    QSignalSpy edits(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);
    connect(table.grid(), &QTableWidget::cellChanged, &table, [&](int row, int column) {
        if (textOf(table, row, column).isEmpty())
            blankedAt[row] << clock.elapsed();
    });
    const auto waitUntil = [&clock](qint64 ms) { QTest::qWait(int(qMax<qint64>(0, ms - clock.elapsed()))); };

    clock.start();
    table.decreaseCell(0, 0); // an empty cell: "0", then empty again; nothing below 0
    zeroedAt[0] = clock.elapsed();
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0"));
    table.setValue(1, 0, 0); // increased twice within the delay
    table.setValue(2, 0, 0); // zeroed a second time 3 seconds later
    table.setValue(3, 0, 5);
    QSignalSpy resetEvents(&resetTable, &CountTable::Event);
    resetTable.resetButton()->click();
    QCOMPARE(eventNames(resetEvents), QStringList{"Reset"});
    QCOMPARE(resetTable.sumDisplay()->text(), QStringLiteral(" 0.00 Euro ")); // the total at once
    QCOMPARE(resetTable.toVectorArray(), filledPurse(0));
    QCOMPARE(textOf(resetTable, 14, 7), QStringLiteral("0")); // the blanking later

    waitUntil(1000);
    table.increaseCell(1, 0);
    table.increaseCell(1, 0);
    QVERIFY(!table.isZeroPending(1, 0));
    waitUntil(2000);
    table.setValue(3, 0, 0); // waits on its own
    zeroedAt[3] = clock.elapsed();
    waitUntil(3000);
    QCOMPARE(textOf(table, 2, 0), QStringLiteral("0"));
    table.setValue(2, 0, 0);
    zeroedAt[2] = clock.elapsed();

    QTRY_COMPARE_WITH_TIMEOUT(blankedAt.count(2), size_t(1), 9000);
    QTest::qWait(300); // room for a second, wrong blanking
    for (const int row : {0, 2, 3}) {
        QCOMPARE(blankedAt[row].size(), 1);
        const qint64 waited = blankedAt[row].first() - zeroedAt[row];
        QVERIFY2(waited >= AUTO_ERASE_DELAY_MS - 5 && waited < AUTO_ERASE_DELAY_MS + lateness,
                 qPrintable(QStringLiteral("row %1 waited %2 ms").arg(row).arg(waited)));
        QVERIFY(!table.isZeroPending(row, 0));
    }
    QCOMPARE(blankedAt.count(1), size_t(0));
    QCOMPARE(textOf(table, 1, 0), QStringLiteral("2"));
    QCOMPARE(countOf(table, 0, 0), 0u);
    QVERIFY(edits.isEmpty() && coinRequests.isEmpty());
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 8; ++c)
            QCOMPARE(textOf(resetTable, r, c), QString());
}

// The set of waiting cells itself: one timed cell per waiting cell, gone
// once its wait has ended either way, with a short delay.
void TestCountTable::eachWaitHasOneTimedCellAndEndsOnce()
{
    const auto timedCells = [](const AutoErasedCells& cells) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return int(cells.findChildren<TimedCell*>().size());
    };
    AutoErasedCells cells;
    QCOMPARE(cells.delayMs(), 5000);
    cells.setDelay(60);
    // A receiver that starts a cell again while its expiry is being handled.
    QList<cellCoord> erased;
    connect(&cells, &AutoErasedCells::eraseCell, &cells, [&](cellCoord cell) {
        erased << cell;
        if (cell == cellCoord{14, 7} && erased.count(cell) == 1) {
            cells.setDelay(600);
            cells.insert(cell);
        }
    });
    cells.remove(cellCoord{1, 1}); // not waiting: nothing happens
    cells.insert(cellCoord{1, 1}); // cells of one row are told apart by their column
    cells.insert(cellCoord{14, 7});
    cells.insert(cellCoord{1, 5});
    QCOMPARE(timedCells(cells), 3);
    cells.remove(cellCoord{1, 1});
    QVERIFY(!cells.isActive(cellCoord{1, 1}));
    QVERIFY(cells.isActive(cellCoord{14, 7}));
    QCOMPARE(timedCells(cells), 2);

    QTRY_COMPARE_WITH_TIMEOUT(erased.size(), 2, 2000);
    QVERIFY(erased.contains(cellCoord{1, 5}) && erased.contains(cellCoord{14, 7}));
    QVERIFY(cells.isActive(cellCoord{14, 7})); // started again: the expired one is gone
    QCOMPARE(timedCells(cells), 1);
    QTRY_COMPARE_WITH_TIMEOUT(erased.size(), 3, 2000);
    QTest::qWait(200); // room for a wrong, further erasure
    QCOMPARE(erased.size(), 3);
    QCOMPARE(cells.waitingCells(), 0);
    QCOMPARE(timedCells(cells), 0);
}

QTEST_MAIN(TestCountTable)
#include "tst_counttable.moc"
