#include "counting/autoerasedcells.h"
#include "counting/cellcoord.h"
#include "counting/timedcell.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <map>

namespace {
// Short enough to keep the test quick, long enough to look at the waiting state.
constexpr int shortDelayMs = 60;

// Counts how often each timed cell of the set is destroyed. Its connections
// go with it, whichever of it and the set is destroyed first.
class DestructionCounter : public QObject
{
public:
    void watchNew(AutoErasedCells& cells)
    {
        for (TimedCell* timed : cells.findChildren<TimedCell*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (seen.count(timed))
                continue;
            seen[timed] = true;
            QObject::connect(timed, &QObject::destroyed, this, [this, timed] { ++destructions[timed]; });
        }
    }
    int created() const { return int(seen.size()); }
    int totalDestroyed() const
    {
        int total = 0;
        for (const auto& entry : destructions) {
            total += entry.second;
        }
        return total;
    }
    bool eachAtMostOnce() const
    {
        for (const auto& entry : destructions)
            if (entry.second > 1)
                return false;
        return true;
    }

private:
    std::map<const void*, bool> seen;
    std::map<const void*, int> destructions;
};

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestAutoErasedCells : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellCoordinatesOrderAndStep();
    void timedCellFiresOnceUnlessStopped();
    void expiryErasesOnceAndDestroysTheTimedCell();
    void removeCancelsWithoutErasing();
    void insertingAgainRestartsTheWait();
    void reinsertingFromTheEraseSignalIsSafe();
    void destroyingTheSetDestroysWaitingCells();
};

void TestAutoErasedCells::cellCoordinatesOrderAndStep()
{
    QVERIFY((cellCoord{1, 7} < cellCoord{2, 0}));
    QVERIFY((cellCoord{2, 0} < cellCoord{2, 1}));
    QVERIFY(!(cellCoord{2, 1} < cellCoord{2, 1}));
    QVERIFY(!(cellCoord{3, 0} < cellCoord{2, 5}));
    QVERIFY((cellCoord{4, 5} == cellCoord{4, 5}));
    QVERIFY((cellCoord{4, 5} != cellCoord{5, 4}));

    // Down a coin column through all national sides, then to the next coin.
    QCOMPARE(nextCellForEditing(0, 0), (cellCoord{1, 0}));
    QCOMPARE(nextCellForEditing(2, 5), (cellCoord{3, 5}));
    QCOMPARE(nextCellForEditing(13, 3), (cellCoord{14, 3}));
    QCOMPARE(nextCellForEditing(14, 3), (cellCoord{0, 4}));
    QCOMPARE(nextCellForEditing(14, 7), (cellCoord{0, 0}));
    // Out of the purse's bounds it starts over in the first column.
    QCOMPARE(nextCellForEditing(20, 2), (cellCoord{0, 3}));
    QCOMPARE(nextCellForEditing(3, 9), (cellCoord{4, 0}));
}

void TestAutoErasedCells::timedCellFiresOnceUnlessStopped()
{
    QObject owner;
    auto* timed = new TimedCell(cellCoord{3, 4}, shortDelayMs, &owner, QStringLiteral("timed cell"));
    QCOMPARE(timed->objectName(), QStringLiteral("timed cell"));
    QVERIFY(timed->findChild<QTimer*>(QStringLiteral("cell timer")));
    QSignalSpy fired(timed, &TimedCell::timeIsOut);
    QVERIFY(timed->isActive());
    QVERIFY(fired.wait(2000));
    QCOMPARE(fired.count(), 1);
    QCOMPARE(fired.first().first().value<cellCoord>(), (cellCoord{3, 4}));
    QVERIFY(!timed->isActive());
    QTest::qWait(3 * shortDelayMs);
    QCOMPARE(fired.count(), 1); // single shot

    auto* stopped = new TimedCell(cellCoord{0, 0}, shortDelayMs, &owner, QStringLiteral("timed cell"));
    QSignalSpy stoppedFired(stopped, &TimedCell::timeIsOut);
    stopped->stop();
    QVERIFY(!stopped->isActive());
    QTest::qWait(3 * shortDelayMs);
    QCOMPARE(stoppedFired.count(), 0);
}

void TestAutoErasedCells::expiryErasesOnceAndDestroysTheTimedCell()
{
    AutoErasedCells cells(nullptr, QStringLiteral("erased"));
    QCOMPARE(cells.objectName(), QStringLiteral("erased"));
    QCOMPARE(cells.delayMs(), 5000);
    cells.setDelay(shortDelayMs);
    QSignalSpy erased(&cells, &AutoErasedCells::eraseCell);
    DestructionCounter counter;

    const cellCoord first{2, 5};
    const cellCoord second{14, 7};
    cells.insert(first);
    cells.insert(second);
    counter.watchNew(cells);
    QCOMPARE(counter.created(), 2);
    QCOMPARE(cells.findChildren<TimedCell*>(QStringLiteral("timed cell")).size(), 2);
    QVERIFY(cells.isActive(first));
    QVERIFY(cells.isActive(second));
    QVERIFY(!cells.isActive(cellCoord{5, 2}));

    QTRY_COMPARE_WITH_TIMEOUT(erased.count(), 2, 2000);
    QList<cellCoord> blanked{erased.at(0).first().value<cellCoord>(), erased.at(1).first().value<cellCoord>()};
    QVERIFY(blanked.contains(first));
    QVERIFY(blanked.contains(second));
    QVERIFY(!cells.isActive(first));
    QCOMPARE(cells.waitingCells(), 0);

    flushDeferredDeletes();
    QCOMPARE(counter.totalDestroyed(), 2);
    QVERIFY(counter.eachAtMostOnce());
    QVERIFY(cells.findChildren<TimedCell*>().isEmpty());

    QTest::qWait(3 * shortDelayMs);
    QCOMPARE(erased.count(), 2); // each cell blanked once
}

void TestAutoErasedCells::removeCancelsWithoutErasing()
{
    AutoErasedCells cells;
    cells.setDelay(shortDelayMs);
    QSignalSpy erased(&cells, &AutoErasedCells::eraseCell);
    DestructionCounter counter;

    cells.remove(cellCoord{1, 1}); // not waiting: nothing happens
    cells.insert(cellCoord{1, 1});
    cells.insert(cellCoord{1, 2});
    counter.watchNew(cells);
    cells.remove(cellCoord{1, 1});
    QVERIFY(!cells.isActive(cellCoord{1, 1}));
    QVERIFY(cells.isActive(cellCoord{1, 2}));
    QCOMPARE(counter.totalDestroyed(), 1);
    cells.remove(cellCoord{1, 1}); // a second remove changes nothing
    QCOMPARE(counter.totalDestroyed(), 1);

    QTest::qWait(4 * shortDelayMs);
    flushDeferredDeletes();
    QCOMPARE(erased.count(), 1);
    QCOMPARE(erased.first().first().value<cellCoord>(), (cellCoord{1, 2}));
    QCOMPARE(counter.totalDestroyed(), 2);
    QVERIFY(counter.eachAtMostOnce());
}

void TestAutoErasedCells::insertingAgainRestartsTheWait()
{
    AutoErasedCells cells;
    cells.setDelay(10 * shortDelayMs);
    QSignalSpy erased(&cells, &AutoErasedCells::eraseCell);
    DestructionCounter counter;
    QElapsedTimer clock;
    clock.start();

    cells.insert(cellCoord{0, 3});
    counter.watchNew(cells);
    QTest::qWait(5 * shortDelayMs);
    const qint64 secondInsert = clock.elapsed();
    cells.insert(cellCoord{0, 3});
    counter.watchNew(cells);
    QCOMPARE(counter.created(), 2);
    QCOMPARE(counter.totalDestroyed(), 1);
    QCOMPARE(cells.findChildren<TimedCell*>().size(), 1);

    QVERIFY(erased.wait(5000));
    QVERIFY(clock.elapsed() - secondInsert >= 10 * shortDelayMs - 5);
    QTest::qWait(2 * shortDelayMs);
    flushDeferredDeletes();
    QCOMPARE(erased.count(), 1);
    QCOMPARE(counter.totalDestroyed(), 2);
    QVERIFY(counter.eachAtMostOnce());
}

void TestAutoErasedCells::reinsertingFromTheEraseSignalIsSafe()
{
    // A receiver that starts the same cell again while its expiry is being
    // handled: the expired timed cell goes once, the new one waits.
    AutoErasedCells cells;
    cells.setDelay(shortDelayMs);
    DestructionCounter counter;
    int erasures = 0;
    connect(&cells, &AutoErasedCells::eraseCell, &cells, [&](cellCoord cell) {
        if (++erasures == 1)
            cells.insert(cell);
        counter.watchNew(cells);
    });
    cells.insert(cellCoord{7, 1});
    counter.watchNew(cells);

    QTRY_COMPARE_WITH_TIMEOUT(erasures, 2, 2000);
    flushDeferredDeletes();
    QCOMPARE(counter.created(), 2);
    QCOMPARE(counter.totalDestroyed(), 2);
    QVERIFY(counter.eachAtMostOnce());
    QVERIFY(!cells.isActive(cellCoord{7, 1}));
}

void TestAutoErasedCells::destroyingTheSetDestroysWaitingCells()
{
    DestructionCounter counter;
    {
        AutoErasedCells cells;
        cells.insert(cellCoord{0, 0});
        cells.insert(cellCoord{3, 3});
        counter.watchNew(cells);
        cells.remove(cellCoord{3, 3});
    }
    QCOMPARE(counter.created(), 2);
    QCOMPARE(counter.totalDestroyed(), 2);
    QVERIFY(counter.eachAtMostOnce());

    // An expired cell still waiting for its deferred deletion goes with the set, once.
    DestructionCounter late;
    {
        AutoErasedCells cells;
        cells.setDelay(shortDelayMs);
        QSignalSpy erased(&cells, &AutoErasedCells::eraseCell);
        cells.insert(cellCoord{1, 0});
        late.watchNew(cells);
        QVERIFY(erased.wait(2000));
        QCOMPARE(late.totalDestroyed(), 0);
    }
    flushDeferredDeletes();
    QCOMPARE(late.totalDestroyed(), 1);
}

QTEST_GUILESS_MAIN(TestAutoErasedCells)
#include "tst_autoerasedcells.moc"
