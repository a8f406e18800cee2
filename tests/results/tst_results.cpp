// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filebytes.h"
#include "common/modaldriver.h"

#include "results/collectionforecast.h"
#include "results/projectresultsview.h"
#include "results/purseresults.h"
#include "results/purseresultsview.h"
#include "results/resultsdownload.h"

#include <QAreaSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
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

constexpr int answerWaitMs = 20000; // beyond the download's own deadline
constexpr int france = 4;
constexpr int germany = 5;

QJsonObject cell(int coins, int foreign)
{
    return {{"coins", coins}, {"foreign", foreign}, {"share", double(foreign) / coins}};
}

const QJsonObject suppressed{{"suppressed", true}};

QJsonObject estimate(double value, double low, double high)
{
    return {{"value", value}, {"low", low}, {"high", high}};
}

// Germany's model, fitted over all coin values, not fitted for the 1 cent; its mix holds one coin of each
// published 2 euro (national sides 1..3) and of no other.
QJsonObject publishedModel(bool aFromProduction)
{
    const QJsonObject fit{{"fitted", true},
                          {"aFixed", aFromProduction},
                          {"a", estimate(0.62, 0.55, 0.70)},
                          {"b", estimate(0.05, 0.03, 0.08)},
                          {"halfTimeYears", estimate(13.9, 8.7, 23.1)},
                          {"mixed", QJsonObject{{"value", "2048-01"}, {"low", "2030-10"}, {"high", "2078-11"}}},
                          {"halfForeign", QJsonObject{{"value", "2040-05"}, {"low", "2031-02"}, {"high", "2062-01"}}}};
    QJsonArray mix;
    for (int coin = 0; coin < 8; ++coin) {
        const int twoEuro = coin == 7;
        mix.append(QJsonArray{twoEuro, twoEuro, twoEuro, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
    const QJsonObject notFitted{{"fitted", false}, {"missing", "fewer than 20 members (12)"}};
    const QJsonObject germanyModel{
        {"country", germany}, {"name", "Germany"}, {"all", fit}, {"byValue", QJsonArray{notFitted}}, {"mix", mix}};
    return {{"productionShares", QJsonObject{{"source", "ECB"}, {"date", "2026-06"}}},
            {"mixedGuesses", QJsonArray{QJsonObject{{"guess", "2002"}, {"members", 4}},
                                        QJsonObject{{"guess", "Never"}, {"suppressed", true}}}},
            {"countries", QJsonArray{germanyModel}}};
}

// Published results without the names of coin values, sides and one country: the program's own are used.
// Production shares are published; Germany's model takes its share once mixed from them when told.
QJsonObject publishedResults(bool aFromProduction = false)
{
    QJsonArray sides;
    for (int side = 1; side <= 15; ++side)
        sides.append(side == 6 ? suppressed : QJsonObject{{"coins", side * 10}, {"share", side * 10 / 1200.0}});
    QJsonArray byValue{suppressed};
    for (int value = 1; value < 8; ++value)
        byValue.append(cell(100 * value, 7 * value + 3));
    const QJsonObject germanyByMonth{{"country", germany},
                                     {"cells", QJsonArray{cell(50, 5), suppressed, cell(80, 80), cell(40, 4)}}};
    return {{"updated", "2026-12-06T16:31:53Z"},
            {"minimumMembers", 3},
            {"totals", QJsonObject{{"members", 12}, {"purses", 40}, {"coins", 1234}, {"valueCents", 56789}}},
            {"months", QJsonArray{"2023-11", "2023-12", "2024-01", "2024-03"}}, // nothing published for February
            {"foreignShareByMonth",
             QJsonObject{{"overall", QJsonArray{cell(100, 10), suppressed, cell(200, 50), cell(300, 30)}},
                         {"byCountry", QJsonArray{germanyByMonth}}}},
            {"origin",
             QJsonArray{QJsonObject{{"country", france}, {"name", "France"}, {"suppressed", true}},
                        QJsonObject{{"country", germany}, {"name", "Germany"}, {"coins", 1200}, {"sides", sides}}}},
            {"foreignShareByValue", byValue},
            {"model", publishedModel(aFromProduction)},
            {"somethingNew", QJsonArray{1, 2}}};
}

// The bars of a chart: their values, and which categories are marked as not published.
void compareBars(const QWidget& view, const char* chart, const QJsonArray& cells)
{
    const auto* bars = view.findChild<QChartView*>(QLatin1String(chart))->chart()->findChild<QBarSet*>();
    QVERIFY(bars);
    QCOMPARE(bars->count(), cells.size());
    for (int i = 0; i < cells.size(); ++i) {
        const QJsonObject cell = cells[i].toObject();
        QCOMPARE(bars->at(i), cell.value("suppressed").toBool() ? 0.0 : cell.value("share").toDouble() * 100);
    }
}

// The points of the line named `name`, whatever pieces it is drawn in.
QList<QPointF> line(QChart* chart, const QString& name)
{
    QList<QPointF> points;
    for (QAbstractSeries* series : chart->series())
        if (series->name() == name)
            points += qobject_cast<QLineSeries*>(series)->points();
    return points;
}

QList<QPointF> expectedLine(const QJsonArray& months, const QJsonArray& cells)
{
    QList<QPointF> points;
    for (int i = 0; i < months.size(); ++i)
        if (!cells[i].toObject().value("suppressed").toBool())
            points.append({double(QDate::fromString(months[i].toString(), "yyyy-MM").startOfDay().toMSecsSinceEpoch()),
                           cells[i].toObject().value("share").toDouble() * 100});
    return points;
}

// The tab shows the numbers of publishedResults().
void compareShown(const QWidget& view)
{
    const QJsonObject json = publishedResults();
    QStringList numbers;
    const QString text = view.findChild<QLabel*>(QStringLiteral("project totals"))->text();
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("[0-9][0-9.]*")).globalMatch(text))
        numbers << match.captured();
    QCOMPARE(numbers.mid(0, 7), (QStringList{"12", "40", "1234", "567.89", "2026", "12", "06"})); // the day in ISO form

    compareBars(view, "share by value", json.value("foreignShareByValue").toArray());
    const QJsonArray months = json.value("months").toArray();
    const QJsonObject byMonth = json.value("foreignShareByMonth").toObject();
    QChart* monthly = view.findChild<QChartView*>(QStringLiteral("share by month"))->chart();
    const QString overall = "All euro countries";
    QCOMPARE(line(monthly, overall), expectedLine(months, byMonth.value("overall").toArray()));
    QCOMPARE(line(monthly, "Germany"), expectedLine(months, byMonth.value("byCountry")[0]["cells"].toArray()));
    QCOMPARE(std::count_if(monthly->series().cbegin(), monthly->series().cend(),
                           [&](const QAbstractSeries* piece) { return piece->name() == overall; }),
             qsizetype(3)); // November; January; March, with neither December nor February published
    auto* time = qobject_cast<QCategoryAxis*>(monthly->axes(Qt::Horizontal).value(0));
    QVERIFY(time);
    QCOMPARE(time->labelsPosition(), QCategoryAxis::AxisLabelsPositionOnValue);
    QCOMPARE(time->categoriesLabels(), (QStringList{"2020", "2040", "2060"}));
    for (const QString& label : time->categoriesLabels()) // round years of the model, each at its first day
        QCOMPARE(time->endValue(label), QDate(label.toInt(), 1, 1).startOfDay().toMSecsSinceEpoch());

    // The model from the euro's first day to the latest end of mixing, its band, the guess of 2011-2020.
    const QList<QPointF> model = line(monthly, "model for Germany");
    QCOMPARE(model.size(), 241);
    QCOMPARE(model.first(), QPointF(QDate(2002, 1, 1).startOfDay().toMSecsSinceEpoch(), 0));
    QCOMPARE(model.last().x(), QDate(2078, 11, 1).startOfDay().toMSecsSinceEpoch());
    const double years = QDate(2002, 1, 1).daysTo(QDate(2078, 11, 1)) / 365.2425;
    QCOMPARE(model.last().y(), 62 * (1 - std::exp(-0.05 * years)));
    const auto guessed = std::find_if(monthly->series().cbegin(), monthly->series().cend(),
                                      [](const QAbstractSeries* series) { return series->name() == "your guess"; });
    QVERIFY(guessed != monthly->series().cend());
    const auto* band = static_cast<const QAreaSeries*>(*guessed);
    QCOMPARE(band->upperSeries()->at(0).x(), QDate(2011, 1, 1).startOfDay().toMSecsSinceEpoch());
    QCOMPARE(band->upperSeries()->at(1).x(), QDate(2021, 1, 1).startOfDay().toMSecsSinceEpoch());
    QCOMPARE(view.findChild<QLabel*>("model")->text(),
             "Germany: half the coins foreign in 2040 (2031-2062); mixed completely in 2048 (2030-2078). You guessed "
             "2011-2020. \nOur members' guesses: 2002 (4), Never (fewer than 3); the countings say 2048 (2030-2078).");

    QCOMPARE(view.findChild<QComboBox*>(QStringLiteral("origin country"))->currentData().toInt(), germany);
    compareBars(view, "origin", json.value("origin")[1]["sides"].toArray());
}

bool drawn(const QWidget& view)
{
    return view.findChild<QLabel*>(QStringLiteral("project totals"))->isVisibleTo(&view);
}

bool failed(const QWidget& view)
{
    return view.findChild<QPushButton*>(QStringLiteral("retry"))->isVisibleTo(&view);
}

} // namespace

// What the participant's own files and the project's published numbers show in the results window.
class TestResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersFromBothFiles_data();
    void numbersFromBothFiles();
    void tabShowsWhatTheFilesHold_data();
    void tabShowsWhatTheFilesHold();
    void answers_data();
    void answers();
    void forecastSentence();
    void unreachableServer();
    void collectionForecast();

private:
    // Archive: March, an empty run in April, May. Data file: May again, counted further (saving after
    // its upload failed), and June. `data` is the data file as read back.
    void writeFiles(quint8 memberCountry, ClientStorage& data);

    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("zuvarchive.zuv"));
    const QString dataPath = dir.filePath(QStringLiteral("zuvdata.zuv"));
};

void TestResults::writeFiles(quint8 memberCountry, ClientStorage& data)
{
    ClientStorage archive;
    archive.setDefaultValues();
    archive.Country = memberCountry;
    archive.Sessions = {counted({2024, 3, 1}, {{6, germanySide, 3}, {0, franceSide, 1}}), counted({2024, 4, 2}, {}),
                        counted({2024, 5, 3}, {{7, vaticanSide, 2}})};
    ClientStorage written = archive;
    written.Sessions = {counted({2024, 5, 3}, {{7, vaticanSide, 2}, {3, germanySide, 2}}),
                        counted({2024, 6, 4}, {{5, franceSide, 5}, {5, vaticanSide + 1, 4}})}; // no such side
    QCOMPARE(archive.saveToDisk(archivePath), 0);
    QCOMPARE(written.saveToDisk(dataPath), 0);
    QCOMPARE(data.loadFromDisk(dataPath), 0);
}

void TestResults::numbersFromBothFiles_data()
{
    QTest::addColumn<quint8>("memberCountry");
    QTest::addColumn<QByteArray>("memberName");
    QTest::addColumn<bool>("hasShare");
    QTest::addColumn<quint64>("foreign");
    QTest::newRow("Germany") << quint8(5) << QByteArray("Germany") << true << quint64(1 + 2 + 5);
    QTest::newRow("outside the euro") << quint8(19) << QByteArray("Other European Country") << false << quint64(0);
}

void TestResults::numbersFromBothFiles()
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
    QCOMPARE(lines.last(), "2024-06-04T10:00:00," + memberName + ",France,50c,5\r"); // the pile of no side is left out

    QCOMPARE(saveCountingsCsv(countings, dir.filePath(QStringLiteral("no folder/x.csv"))),
             int(ZUV_FILE_WRITE_OPENING_ERROR));
}

void TestResults::tabShowsWhatTheFilesHold_data()
{
    QTest::addColumn<int>("archiveCut"); // bytes of the written archive kept: all (-1), none (0) or the first n
    QTest::addColumn<int>("countings");  // shown; 0 for the sentence about the first counting
    QTest::newRow("both files") << -1 << 3;
    QTest::newRow("first start") << 0 << 0;
    QTest::newRow("cut short") << 100 << 2;
}

// A damaged archive is named and left as it is; the data file's countings are still shown and exported.
void TestResults::tabShowsWhatTheFilesHold()
{
    QFETCH(int, archiveCut);
    QFETCH(int, countings);
    ClientStorage data;
    writeFiles(5, data);
    QByteArray archive = readAll(archivePath);
    if (archiveCut == 0) {
        QVERIFY(QFile::remove(archivePath));
        archive.clear();
        data.Sessions = {Session()};
    } else if (archiveCut > 0) {
        archive = archive.left(archiveCut);
        QVERIFY(writeAll(archivePath, archive));
    }

    PurseResultsView view(data, archivePath);
    const auto* message = view.findChild<QLabel*>(QStringLiteral("archive message"));
    QCOMPARE(message != nullptr, archiveCut > 0);
    if (message)
        QVERIFY2(message->text().contains(QStringLiteral("ZUV_BAD_FILE_FORMAT")), qPrintable(message->text()));
    const auto* totals = view.findChild<QLabel*>(QStringLiteral("purse totals"));
    QCOMPARE(totals ? totals->text().section(QLatin1Char(' '), 0, 0).toInt() : 0, countings);
    QCOMPARE(view.findChild<QLabel*>(QStringLiteral("no countings")) != nullptr, countings == 0);
    if (countings > 0) { // of the published mix only three 2 euro coins, none of them seen
        view.showForecast(*zuv::ProjectResults::fromJson(QJsonDocument(publishedResults()).toJson()));
        QCOMPARE(
            view.findChild<QLabel*>("collection forecast")->text().section(": ", 1),
            QStringLiteral("the 1 cent of Austria, the 1 cent of Belgium, the 1 cent of Finland and %1 more are not "
                           "among the coins published there.")
                .arg(archiveCut < 0 ? 109 : 111)); // 5 coins seen, or 3 in the data file alone
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

void TestResults::answers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("published"); // the numbers of publishedResults() are to be seen
    const QByteArray published = QJsonDocument(publishedResults()).toJson();
    QTest::newRow("results") << published << true << true;
    QTest::newRow("no object") << QByteArray("[1, 2]") << false << false;
    QTest::newRow("too large") << published + QByteArray(ResultsDownload::MAX_BYTES, ' ') << false << false;
    QTest::newRow("every part misshapen")
        << QByteArray(R"({"months": 5, "totals": [], "updated": 7, "origin": [{"country": 5, "sides": {}}, 3],
                          "coinValues": ["1c", "2c", "5c", "10c", "20c", "50c", "1e", 2], "nationalSides": ["AT"],
                          "foreignShareByMonth": {"overall": "x", "byCountry": [{"country": 99}, {"country": 5}]},
                          "foreignShareByValue": [null, {"coins": -1}, {"coins": 3, "foreign": 4}, {"coins": 1e300}],
                          "model": {"mixedGuesses": [{"guess": 3}], "countries": [{"country": 5, "mix": [[1]],
                                    "all": {"fitted": true, "a": {"value": 0.6, "low": 0.5, "high": 0.7},
                                            "halfTimeYears": {"value": 9, "low": 8, "high": 10},
                                            "mixed": {"value": "2048-01", "low": "2030-10", "high": "2078-11"}},
                                    "byValue": [{"fitted": "no"}]}]}})")
        << true << false;
}

// Read from a file: the tab draws what it can read and says so when it cannot.
void TestResults::answers()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, readable);
    QFETCH(bool, published);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results.json"));
    QVERIFY(writeAll(file, body));
    ProjectResultsView view(QUrl::fromLocalFile(file), germany, MixGuess{10, 0});
    QTRY_VERIFY_WITH_TIMEOUT(drawn(view) || failed(view), answerWaitMs);
    QCOMPARE(drawn(view), readable);
    QCOMPARE(failed(view), !readable);
    if (const std::optional<zuv::ProjectResults> results = zuv::ProjectResults::fromJson(body)) {
        const zuv::CountryModel* germanyModel = results->modelIn(germany);
        QVERIFY(germanyModel);
        if (readable && !published) { // misshapen: an entry without a country is left out, a part without counts
            QCOMPARE(results->countries.size(), 1);
            QCOMPARE(results->countries[0].origin.has_value(), false);
            QCOMPARE(results->byValue[3].has_value(), false); // more foreign coins than coins
            QCOMPARE(results->mixedGuesses.size(), 0);
            QCOMPARE(results->models.size(), 1);
            QCOMPARE(germanyModel->all.fitted, false); // fitted, but its b missing
            QCOMPARE(germanyModel->mix[0][0], 0);
        }
        if (published) {
            QCOMPARE(germanyModel->all.a.high, 0.70);
            QCOMPARE(germanyModel->byValue[0].missing, "fewer than 20 members (12)");
            QCOMPARE(germanyModel->byValue[1].fitted, false);
            QCOMPARE(germanyModel->mix[7][2], 1);
        }
    }
    if (!published)
        return;
    compareShown(view);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // the day as the language writes it
    ProjectResultsView german(QUrl::fromLocalFile(file), germany, MixGuess{10, 0});
    QTRY_VERIFY_WITH_TIMEOUT(drawn(german), answerWaitMs);
    QLocale::setDefault(before);
    QVERIFY(german.findChild<QLabel*>(QStringLiteral("project totals"))
                ->text()
                .contains(QStringLiteral("6. Dezember 2026")));
}

// The forecast as a sentence: where its share once mixed comes from, and the members' guesses without a
// forecast to set them against.
void TestResults::forecastSentence()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results.json"));
    QVERIFY(writeAll(file, QJsonDocument(publishedResults(true)).toJson()));
    ProjectResultsView germanMember(QUrl::fromLocalFile(file), germany, MixGuess{10, 0});
    ProjectResultsView frenchMember(QUrl::fromLocalFile(file), france, MixGuess{10, 0});
    QTRY_VERIFY_WITH_TIMEOUT(drawn(germanMember) && drawn(frenchMember), answerWaitMs);
    QVERIFY(germanMember.findChild<QLabel*>("model")->text().contains(
        "(The share of foreign coins once mixed is taken from the coins produced: ECB, 2026-06.)"));
    QCOMPARE(frenchMember.findChild<QLabel*>("model")->text(),
             "No forecast of the mixing is published for your member country. You guessed 2011-2020. \nOur members' "
             "guesses: 2002 (4), Never (fewer than 3).");
}

// No server answers: the tab says so, and tries again when asked.
void TestResults::unreachableServer()
{
    QTcpServer probe; // a port that was free a moment ago and is closed again
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 web = probe.serverPort();
    probe.close();
    ProjectResultsView view(QUrl(QStringLiteral("http://127.0.0.1:%1/api/results.json").arg(web)), germany);
    const auto* status = view.findChild<QLabel*>(QStringLiteral("project status"));
    const QString loading = status->text();
    for (int attempt = 0; attempt < 2; ++attempt) {
        QCOMPARE(status->text(), loading);
        QVERIFY(!failed(view));
        QTRY_VERIFY_WITH_TIMEOUT(failed(view), answerWaitMs);
        QVERIFY(status->text() != loading);
        QVERIFY(status->isVisibleTo(&view));
        QVERIFY(!drawn(view));
        if (attempt == 0)
            view.findChild<QPushButton*>(QStringLiteral("retry"))->click();
    }
}

// When every national coin has turned up, from a mix of three coins at a third each.
void TestResults::collectionForecast()
{
    zuv::MixCounts mix{};
    mix[7] = {1, 1, 1};
    SeenCoins seen{};
    for (auto& byValue : seen)
        byValue.fill(true);
    QCOMPARE(CollectionForecast(seen, mix).coinsUntil(0.5), 0.0);
    seen[7][0] = false;
    const CollectionForecast oneMissing(seen, mix); // P(n) = 1 - (2/3)^n
    QCOMPARE(oneMissing.seen(), 119);
    QCOMPARE(oneMissing.coinsUntil(0.5), std::log(0.5) / std::log(2.0 / 3));
    QCOMPARE(oneMissing.coinsUntil(0.95), std::log(0.05) / std::log(2.0 / 3));
    seen[7][1] = false;
    const CollectionForecast twoMissing(seen, mix); // P(n) = (1 - (2/3)^n)^2
    QCOMPARE(twoMissing.chanceAllSeen(2), 25.0 / 81);
    QCOMPARE(twoMissing.coinsUntil(25.0 / 81), 2.0);
    seen[0][14] = false; // the 1 cent of the Vatican, not in the mix
    const CollectionForecast never(seen, mix);
    QCOMPARE(never.coinsUntil(0.5), qInf());
    QCOMPARE(never.unseenCoins().first().side, 15);

    Counting march;
    march.date = QDateTime(QDate(2024, 3, 31), QTime(23, 0));
    march.coins = 10;
    march.counts[2][4] = 10;
    Counting june = march;
    june.date = QDateTime(QDate(2024, 6, 1), QTime(1, 0));
    june.counts[3][5] = 20;
    june.coins = 20;
    QCOMPARE(CollectionForecast::coinsPerMonth({march, june}), 7.5); // 30 coins from March to June
    const SeenCoins counted = CollectionForecast::seenIn({march, june});
    QCOMPARE(std::count(counted[2].cbegin(), counted[2].cend(), true), 1);
    QCOMPARE(counted[3][5], true);
    QCOMPARE(CollectionForecast::dateAfter(QDate(2026, 1, 1), 15, 7.5), QDate(2026, 3, 3));
    QCOMPARE(CollectionForecast::dateAfter(QDate(2026, 1, 1), 7.5 * 12 * 101, 7.5), QDate());
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
