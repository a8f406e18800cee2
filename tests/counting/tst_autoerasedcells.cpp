#include "counting/autoerasedcells.h"
#include "counting/timedcell.h"

#include <QSignalSpy>
#include <QtTest>

// The count table's test times the real delay, its restart and its
// cancelling through the grid; here the set itself: one timed cell per
// waiting cell, gone once its wait has ended either way.
class TestAutoErasedCells : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachWaitHasOneTimedCellAndEndsOnce();
};

void TestAutoErasedCells::eachWaitHasOneTimedCellAndEndsOnce()
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

QTEST_GUILESS_MAIN(TestAutoErasedCells)
#include "tst_autoerasedcells.moc"
