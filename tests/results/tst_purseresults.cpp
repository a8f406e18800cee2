#include "common/modaldriver.h"

#include "results/purseresults.h"
#include "results/purseresultsview.h"

#include <QFileDialog>
#include <QLabel>
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

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPurseResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void numbersFromBothFiles_data();
    void numbersFromBothFiles();
    void tabShowsWhatTheFilesHold_data();
    void tabShowsWhatTheFilesHold();
    void exportWritesTheCountings();

private:
    // Uploaded: a counting in March, a run without one in April, a counting
    // in May. Not yet uploaded: May's again (its upload was answered, but the
    // data file could not be saved after it) and one in June.
    void writeFiles(quint8 memberCountry);

    std::unique_ptr<QTemporaryDir> dir;
    QString archivePath;
    QString dataPath;
};

void TestPurseResults::init()
{
    dir = std::make_unique<QTemporaryDir>();
    archivePath = dir->filePath(QStringLiteral("zuvarchive.zuv"));
    dataPath = dir->filePath(QStringLiteral("zuvdata.zuv"));
}

void TestPurseResults::writeFiles(quint8 memberCountry)
{
    ClientStorage archive;
    archive.setDefaultValues();
    archive.Country = memberCountry;
    const Session may = counted({2024, 5, 3}, {{7, vaticanSide, 2}, {3, germanySide, 2}});
    archive.Sessions = {counted({2024, 3, 1}, {{6, germanySide, 3}, {0, franceSide, 1}}), counted({2024, 4, 2}, {}),
                        may};
    ClientStorage data = archive;
    data.Sessions = {may, counted({2024, 6, 4}, {{5, franceSide, 5}})};
    QCOMPARE(archive.saveToDisk(archivePath), 0);
    QCOMPARE(data.saveToDisk(dataPath), 0);
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
    writeFiles(memberCountry);
    const QByteArray archiveBytes = readAll(archivePath);
    ClientStorage data;
    QCOMPARE(data.loadFromDisk(dataPath), 0);
    const ArchiveReading archive = readArchiveForResults(archivePath);
    QCOMPARE(archive.code, 0);

    const QList<Counting> countings = purseCountings(archive.archive, data);
    QCOMPARE(countings.size(), 3); // April's run counted nothing, May's counting is one
    const PurseSummary summary = summarizePurse(countings);
    QCOMPARE(summary.countings, 3);
    QCOMPARE(summary.coins, quint64(13));
    QCOMPARE(summary.valueCents, quint64(3 * 100 + 1 + 2 * 200 + 2 * 10 + 5 * 50));
    QCOMPARE(summary.hasForeignShare(), hasShare);
    QCOMPARE(summary.foreign, foreign);
    QCOMPARE(summary.foreignShare(), hasShare ? 8.0 / 13 : 0.0);
    QCOMPARE(countings[1].foreignShare(), hasShare ? 0.5 : 0.0);

    QStringList seen;
    for (const SideSeen& side : summary.sidesSeen)
        seen << QStringLiteral("%1 %2 %3")
                    .arg(side.side)
                    .arg(side.firstSeen.date().toString(Qt::ISODate))
                    .arg(side.coins);
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

    QCOMPARE(readAll(archivePath), archiveBytes);
    QCOMPARE(saveCountingsCsv(countings, dir->filePath(QStringLiteral("no folder/x.csv"))),
             int(ZUV_FILE_WRITE_OPENING_ERROR));
}

void TestPurseResults::tabShowsWhatTheFilesHold_data()
{
    QTest::addColumn<qsizetype>("archiveBytes"); // kept of the written archive; -1 none, 0 all
    QTest::addColumn<bool>("wrongMagic");
    QTest::addColumn<QString>("totals");
    QTest::newRow("first start") << qsizetype(-1) << false << QString();
    QTest::newRow("wrong magic") << qsizetype(0) << true << QStringLiteral("2 countings");
    QTest::newRow("cut short") << qsizetype(100) << false << QStringLiteral("2 countings");
}

// A damaged archive is named in the tab and left as it is; what the data
// file holds is still shown.
void TestPurseResults::tabShowsWhatTheFilesHold()
{
    QFETCH(qsizetype, archiveBytes);
    QFETCH(bool, wrongMagic);
    QFETCH(QString, totals);
    writeFiles(5);
    ClientStorage data;
    QCOMPARE(data.loadFromDisk(dataPath), 0);
    QByteArray archive = readAll(archivePath);
    if (archiveBytes < 0) {
        QVERIFY(QFile::remove(archivePath));
        data.Sessions = {Session()};
    } else {
        archive = archive.left(archiveBytes > 0 ? archiveBytes : archive.size());
        archive[0] = wrongMagic ? char(0x7F) : archive[0];
        QFile file(archivePath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(archive) == archive.size());
    }

    const PurseResultsView view(data, archivePath);
    const auto* message = view.findChild<QLabel*>(QStringLiteral("archive message"));
    QCOMPARE(message != nullptr, archiveBytes >= 0);
    if (message)
        QVERIFY2(message->text().contains(QStringLiteral("ZUV_BAD_FILE_FORMAT")), qPrintable(message->text()));
    const auto* shown = view.findChild<QLabel*>(QStringLiteral("purse totals"));
    QCOMPARE(shown ? shown->text().left(totals.size()) : QString(), totals);
    QCOMPARE(view.findChild<QLabel*>(QStringLiteral("no countings")) != nullptr, totals.isEmpty());
    QCOMPARE(readAll(archivePath), archiveBytes < 0 ? QByteArray() : archive);
}

void TestPurseResults::exportWritesTheCountings()
{
    writeFiles(5);
    ClientStorage data;
    QCOMPARE(data.loadFromDisk(dataPath), 0);
    PurseResultsView view(data, archivePath);
    QVERIFY(view.findChild<QLabel*>(QStringLiteral("purse totals"))->text().startsWith(QStringLiteral("3 countings")));

    const QString target = dir->filePath(QStringLiteral("mine.csv"));
    whenModalAppears(QStringLiteral("export dialog"), [&](QWidget* modal) {
        static_cast<QFileDialog*>(modal)->selectFile(target);
        static_cast<QDialog*>(modal)->accept(); // the file dialog's own accept, which takes the file
    });
    view.findChild<QPushButton*>(QStringLiteral("export"))->click();
    QCOMPARE(readAll(target), countingsCsv(purseCountings(readArchiveForResults(archivePath).archive, data)));
}

QTEST_MAIN(TestPurseResults)
#include "tst_purseresults.moc"
