#include "common/filebytes.h"

#ifdef ZUV_SERVER_BINARY
#include "server/serverprocess.h"

#include "net/protocol.h"
#include "storage/clientstorage.h"
#endif

#include "results/projectresultsview.h"
#include "results/resultsdownload.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineSeries>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int answerWaitMs = 20000; // beyond the download's own deadline
constexpr int germany = 5;

QJsonObject cell(int coins, int foreign)
{
    return {{"coins", coins}, {"foreign", foreign}, {"share", double(foreign) / coins}};
}

QJsonObject suppressed()
{
    return {{"suppressed", true}};
}

// Published results as the project server serves them, without the names of
// coin values, of national sides and of one country: the program's own are used.
QJsonObject publishedResults()
{
    QJsonArray sides;
    for (int side = 1; side <= 15; ++side)
        sides.append(side == 6 ? suppressed() : QJsonObject{{"coins", side * 10}, {"share", side * 10 / 1200.0}});
    QJsonArray byValue{suppressed()};
    for (int value = 1; value < 8; ++value)
        byValue.append(cell(100 * value, 7 * value + 3));
    const QJsonObject germanyByMonth{{"country", germany},
                                     {"cells", QJsonArray{cell(50, 5), suppressed(), cell(80, 20)}}};
    return {{"updated", "2026-12-06T16:31:53Z"},
            {"minimumMembers", 3},
            {"totals", QJsonObject{{"members", 12}, {"purses", 40}, {"coins", 1234}, {"valueCents", 56789}}},
            {"months", QJsonArray{"2024-03", "2024-04", "2024-05"}},
            {"foreignShareByMonth", QJsonObject{{"overall", QJsonArray{cell(100, 10), suppressed(), cell(200, 50)}},
                                                {"byCountry", QJsonArray{germanyByMonth}}}},
            {"origin",
             QJsonArray{QJsonObject{{"country", 4}, {"name", "France"}, {"suppressed", true}},
                        QJsonObject{{"country", germany}, {"name", "Germany"}, {"coins", 1200}, {"sides", sides}}}},
            {"foreignShareByValue", byValue},
            {"somethingNew", QJsonArray{1, 2}}};
}

QChart* chartOf(const QWidget& view, const char* name)
{
    return view.findChild<QChartView*>(QLatin1String(name))->chart();
}

// The bars of a chart: their values, and which categories are marked as not published.
void compareBars(QChart* chart, const QJsonArray& cells)
{
    const auto* bars = chart->findChild<QBarSet*>();
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
            points += static_cast<QLineSeries*>(series)->points();
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

// The numbers the tab shows are those of the JSON.
void compareShown(const QWidget& view, const QJsonObject& json)
{
    const QJsonObject totals = json.value("totals").toObject();
    QStringList numbers;
    const QString text = view.findChild<QLabel*>(QStringLiteral("project totals"))->text();
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("[0-9.]+")).globalMatch(text))
        numbers << match.captured();
    QCOMPARE(numbers.mid(0, 4), (QStringList{QString::number(totals.value("members").toInteger()),
                                             QString::number(totals.value("purses").toInteger()),
                                             QString::number(totals.value("coins").toInteger()),
                                             QString::number(totals.value("valueCents").toInteger() / 100.0, 'f', 2)}));

    compareBars(chartOf(view, "share by value"), json.value("foreignShareByValue").toArray());

    const QJsonArray months = json.value("months").toArray();
    const QJsonObject byMonth = json.value("foreignShareByMonth").toObject();
    QChart* monthly = chartOf(view, "share by month");
    QCOMPARE(line(monthly, monthly->series().constFirst()->name()),
             expectedLine(months, byMonth.value("overall").toArray()));
    for (const QJsonValue& country : byMonth.value("byCountry").toArray())
        if (country.toObject().value("country").toInt() == germany)
            QCOMPARE(line(monthly, "Germany"), expectedLine(months, country.toObject().value("cells").toArray()));

    QCOMPARE(view.findChild<QComboBox*>(QStringLiteral("origin country"))->currentData().toInt(), germany);
    for (const QJsonValue& origin : json.value("origin").toArray())
        if (origin.toObject().value("country").toInt() == germany)
            compareBars(chartOf(view, "origin"), origin.toObject().value("sides").toArray());
}

// The results as the server serves them now.
QJsonObject served(const QUrl& url)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));
    QSignalSpy done(reply.get(), &QNetworkReply::finished);
    done.wait(answerWaitMs);
    return QJsonDocument::fromJson(reply->readAll()).object();
}

#ifdef ZUV_SERVER_BINARY
// A newcomer from `country` uploads one counting of the given month of 2024.
bool uploaded(quint16 port, int country, int month, const QList<CoinPile>& purse)
{
    ClientStorage state;
    state.setDefaultValues();
    state.Country = quint8(country);
    Session counting(0, QDateTime(QDate(2024, month, 11), QTime(9, 30)), 107);
    for (const CoinPile& pile : purse)
        counting.insertCoins(pile);
    state.Sessions = {counting};
    bool hungUp = false;
    return startsWithMagic(exchange(port, uploadOf(state), hungUp));
}
#endif

bool drawn(const QWidget& view)
{
    return view.findChild<QLabel*>(QStringLiteral("project totals"))->isVisibleTo(&view);
}

bool failed(const QWidget& view)
{
    return view.findChild<QPushButton*>(QStringLiteral("retry"))->isVisibleTo(&view);
}

} // namespace

class TestProjectResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void againstTheServer();
};

void TestProjectResults::answers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QJsonObject>("shown"); // when given, the numbers to see
    const QJsonObject published = publishedResults();
    QTest::newRow("results") << QJsonDocument(published).toJson() << true << published;
    QTest::newRow("cut short") << QJsonDocument(published).toJson().left(200) << false << QJsonObject();
    QTest::newRow("no object") << QByteArray("[1, 2]") << false << QJsonObject();
    QTest::newRow("too large") << QJsonDocument(published).toJson() + QByteArray(ResultsDownload::MAX_BYTES, ' ')
                               << false << QJsonObject();
    QTest::newRow("every part misshapen")
        << QByteArray(R"({"months": 5, "totals": [], "updated": 7, "origin": [{"country": 5, "sides": {}}, 3],
                          "foreignShareByMonth": {"overall": "x", "byCountry": [{"country": 99}, {"country": 5}]},
                          "foreignShareByValue": [null, {"coins": -1}, {"coins": 3, "foreign": 4}, {"coins": 1e300}]})")
        << true << QJsonObject();
}

// Read from a file: the tab draws what it can read and says so when it cannot.
void TestProjectResults::answers()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, readable);
    QFETCH(QJsonObject, shown);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results.json"));
    QVERIFY(writeAll(file, body));
    ProjectResultsView view(QUrl::fromLocalFile(file), germany);
    QTRY_VERIFY_WITH_TIMEOUT(drawn(view) || failed(view), answerWaitMs);
    QCOMPARE(drawn(view), readable);
    QCOMPARE(failed(view), !readable);
    if (!shown.isEmpty())
        compareShown(view, shown);
}

// First no server answers: the tab says so and tries again when asked.
// Then the project server publishes the uploads of four members in Germany
// and one in France, and the tab shows what it serves.
void TestProjectResults::againstTheServer()
{
    QTcpServer probe; // a port that was free a moment ago and is closed again
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 web = probe.serverPort();
    probe.close();
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/api/results.json").arg(web));
    ProjectResultsView view(url, germany);
    const auto* status = view.findChild<QLabel*>(QStringLiteral("project status"));
    auto* retry = view.findChild<QPushButton*>(QStringLiteral("retry"));
    const QString loading = status->text();
    for (int attempt = 0; attempt < 2; ++attempt) {
        QCOMPARE(status->text(), loading);
        QVERIFY(!failed(view));
        QTRY_VERIFY_WITH_TIMEOUT(failed(view), answerWaitMs);
        QVERIFY(status->text() != loading && status->isVisibleTo(&view));
        QVERIFY(!drawn(view));
        if (attempt == 0)
            retry->click();
    }

#ifndef ZUV_SERVER_BINARY
    QSKIP("zuv-server is not built, so the tab is not shown what it publishes");
#else
    QTemporaryDir folder;
    ServerProcess server;
    if (!server.start(folder.filePath(QStringLiteral("results.sqlite")),
                      {QStringLiteral("--http-port"), QString::number(web)}))
        QSKIP("zuv-server does not start with its results on a web port");
    const QList<QList<CoinPile>> purses = {{{0, 4, 10}, {7, 7, 1}}, {{0, 4, 20}, {7, 7, 2}}, {{0, 4, 30}, {7, 7, 3}}};
    for (const QList<CoinPile>& purse : purses)
        QVERIFY(uploaded(server.port(), germany, 3, purse));
    QVERIFY(uploaded(server.port(), germany, 4, {{0, 4, 7}}));
    QVERIFY(uploaded(server.port(), 4, 3, {{3, 4, 1}, {3, 3, 4}}));
    QTRY_COMPARE_WITH_TIMEOUT(served(url).value("totals").toObject().value("purses").toInt(), 5, answerWaitMs);

    retry->click();
    QTRY_VERIFY_WITH_TIMEOUT(drawn(view), answerWaitMs);
    compareShown(view, served(url));
#endif
}

QTEST_MAIN(TestProjectResults)
#include "tst_projectresults.moc"
