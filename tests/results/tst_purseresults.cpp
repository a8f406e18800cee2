#include "common/filebytes.h"
#include "common/modaldriver.h"

#include "results/purseresults.h"
#include "results/purseresultsview.h"

#include <QChartView>
#include <QFileDialog>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// National sides as piles count them: the country table's index minus one.
constexpr quint32 franceSide = 3;
constexpr quint32 germanySide = 4;
constexpr quint32 vaticanSide = 14;

Session counted(QDate day, const QList<CoinPile>& piles)
{
    Session session(0, QDateTime(day, QTime(10, 0)), 107);
    for (const CoinPile& pile : piles)
        session.insertCoins(pile);
    return session;
}

} // namespace

class TestPurseResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersFromBothFiles_data();
    void numbersFromBothFiles();
    void tabShowsWhatTheFilesHold_data();
    void tabShowsWhatTheFilesHold();

private:
    // Uploaded: a counting in March, a run without one in April, a counting
    // in May. Not yet uploaded: May's again, counted further (its upload was
    // answered, but the data file could not be saved after it), and one in
    // June. `data` is the data file as read back.
    void writeFiles(quint8 memberCountry, ClientStorage& data);

    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("zuvarchive.zuv"));
    const QString dataPath = dir.filePath(QStringLiteral("zuvdata.zuv"));
};

void TestPurseResults::writeFiles(quint8 memberCountry, ClientStorage& data)
{
    ClientStorage archive;
    archive.setDefaultValues();
    archive.Country = memberCountry;
    archive.Sessions = {counted({2024, 3, 1}, {{6, germanySide, 3}, {0, franceSide, 1}}), counted({2024, 4, 2}, {}),
                        counted({2024, 5, 3}, {{7, vaticanSide, 2}})};
    ClientStorage written = archive;
    written.Sessions = {counted({2024, 5, 3}, {{7, vaticanSide, 2}, {3, germanySide, 2}}),
                        counted({2024, 6, 4}, {{5, franceSide, 5}})};
    QCOMPARE(archive.saveToDisk(archivePath), 0);
    QCOMPARE(written.saveToDisk(dataPath), 0);
    QCOMPARE(data.loadFromDisk(dataPath), 0);
}

void TestPurseResults::numbersFromBothFiles_data()
{
    QTest::addColumn<quint8>("memberCountry");
    QTest::addColumn<QByteArray>("memberName");
    QTest::addColumn<bool>("hasShare");
    QTest::addColumn<quint64>("foreign");
    QTest::newRow("Germany") << quint8(5) << QByteArray("Germany") << true << quint64(1 + 2 + 5);
    QTest::newRow("outside the euro") << quint8(19) << QByteArray("Other European Country") << false << quint64(0);
}

void TestPurseResults::numbersFromBothFiles()
{
    QFETCH(quint8, memberCountry);
    QFETCH(QByteArray, memberName);
    QFETCH(bool, hasShare);
    QFETCH(quint64, foreign);
    ClientStorage data;
    writeFiles(memberCountry, data);
    const ArchiveReading archive = readArchiveForResults(archivePath);
    QCOMPARE(archive.code, 0);

    const QList<Counting> countings = purseCountings(archive.archive, data);
    QCOMPARE(countings.size(), 3); // April's run counted nothing, May's counting is one
    const PurseSummary summary = summarizePurse(countings);
    QCOMPARE(summary.coins, quint64(13));
    QCOMPARE(summary.valueCents, quint64(3 * 100 + 1 + 2 * 200 + 2 * 10 + 5 * 50));
    QCOMPARE(summary.hasForeignShare(), hasShare);
    QCOMPARE(summary.foreign, foreign);
    QCOMPARE(summary.foreignShare(), hasShare ? 8.0 / 13 : 0.0);
    QCOMPARE(countings[1].foreignShare(), hasShare ? 0.5 : 0.0);

    QStringList seen;
    for (const SideSeen& side : summary.sidesSeen)
        seen << QString::number(side.side) + side.firstSeen.toString(" yyyy-MM-dd ") + QString::number(side.coins);
    QCOMPARE(seen, (QStringList{"4 2024-03-01 6", "5 2024-03-01 5", "15 2024-05-03 2"}));

    QList<QByteArray> lines = countingsCsv(countings).split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    QCOMPARE(lines.takeFirst(), QByteArray("date,member_country,national_side,coin_value,count\r"));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.first(), "2024-03-01T10:00:00," + memberName + ",France,1c,1\r");
    QMap<QByteArray, quint64> coinsByDate;
    for (const QByteArray& line : lines)
        coinsByDate[line.left(10)] += line.split(',').last().trimmed().toULongLong();
    QCOMPARE(coinsByDate, (QMap<QByteArray, quint64>{{"2024-03-01", 4}, {"2024-05-03", 4}, {"2024-06-04", 5}}));

    QCOMPARE(saveCountingsCsv(countings, dir.filePath(QStringLiteral("no folder/x.csv"))),
             int(ZUV_FILE_WRITE_OPENING_ERROR));
}

void TestPurseResults::tabShowsWhatTheFilesHold_data()
{
    QTest::addColumn<int>("archiveCut"); // bytes of the written archive kept: all (-1), none (0) or the first n
    QTest::addColumn<char>("firstByte"); // 0 leaves it
    QTest::addColumn<int>("countings");  // shown; 0 for the sentence about the first counting
    QTest::newRow("both files") << -1 << '\0' << 3;
    QTest::newRow("first start") << 0 << '\0' << 0;
    QTest::newRow("wrong magic") << -1 << '\x7f' << 2;
    QTest::newRow("cut short") << 100 << '\0' << 2;
}

// A damaged archive is named in the tab and left as it is; what the data
// file holds is still shown, and exported as the numbers above say.
void TestPurseResults::tabShowsWhatTheFilesHold()
{
    QFETCH(int, archiveCut);
    QFETCH(char, firstByte);
    QFETCH(int, countings);
    ClientStorage data;
    writeFiles(5, data);
    QByteArray archive = readAll(archivePath);
    if (archiveCut == 0) {
        QVERIFY(QFile::remove(archivePath));
        archive.clear();
        data.Sessions = {Session()};
    } else if (archiveCut > 0 || firstByte) {
        archive = archive.left(archiveCut > 0 ? archiveCut : archive.size());
        archive[0] = firstByte ? firstByte : archive[0];
        QVERIFY(writeAll(archivePath, archive));
    }

    PurseResultsView view(data, archivePath);
    const auto* message = view.findChild<QLabel*>(QStringLiteral("archive message"));
    QCOMPARE(message != nullptr, archiveCut > 0 || firstByte);
    if (message)
        QVERIFY2(message->text().contains(QStringLiteral("ZUV_BAD_FILE_FORMAT")), qPrintable(message->text()));
    const auto* totals = view.findChild<QLabel*>(QStringLiteral("purse totals"));
    QCOMPARE(totals ? totals->text().section(QLatin1Char(' '), 0, 0).toInt() : 0, countings);
    QCOMPARE(view.findChild<QLabel*>(QStringLiteral("no countings")) != nullptr, countings == 0);
    if (countings > 0) {
        const QChart* chart = view.findChild<QChartView*>(QStringLiteral("your countings"))->chart();
        QCOMPARE(static_cast<QLineSeries*>(chart->series().constFirst())->count(), countings);
        const QString target = dir.filePath(QStringLiteral("mine.csv"));
        QFile::remove(target);
        whenModalAppears(QStringLiteral("export dialog"), [&](QWidget* modal) {
            static_cast<QFileDialog*>(modal)->selectFile(target);
            static_cast<QDialog*>(modal)->accept(); // the file dialog's own accept, which takes the file
        });
        view.findChild<QPushButton*>(QStringLiteral("export"))->click();
        QCOMPARE(readAll(target), countingsCsv(purseCountings(readArchiveForResults(archivePath).archive, data)));
    }
    QCOMPARE(readAll(archivePath), archive);
}

QTEST_MAIN(TestPurseResults)
#include "tst_purseresults.moc"
