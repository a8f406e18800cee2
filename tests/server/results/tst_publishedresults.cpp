// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"
#include "common/modaldriver.h"
#include "server/common/serverprocess.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/filebytes.h"
#include "net/client.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "server/app/serveroptions.h"
#include "server/intake/claimledger.h"
#include "server/intake/peerledger.h"
#include "server/intake/uploadlimits.h"
#include "server/results/resultsaggregates.h"
#include "server/results/resultspage.h"
#include "server/storage/sqlconnection.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimeZone>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <memory>
#include <utility>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

using namespace zuv;

namespace {

QJsonObject share(int coins, int foreign)
{
    return QJsonObject{{"coins", coins}, {"foreign", foreign}, {"share", double(foreign) / coins}};
}

const QJsonObject suppressed{{"suppressed", true}};

} // namespace

// The published results of a server process, read by an attacker, a browser and a visitor.
class TestPublishedResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void publishedNumbers();
    void pageInBrowser();
    void pageSpeaksTheBrowsersLanguage_data();
    void pageSpeaksTheBrowsersLanguage();
    void mixingModelOnThePage();
    void badRequests_data();
    void badRequests();
    void publicationsRevealNobody();

private:
    QTemporaryDir folder;
    ServerProcess results; // publishes its results on the port web
    quint16 web = 0;
};

void TestPublishedResults::initTestCase()
{
    QVERIFY(folder.isValid());
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("results"), whyNot);
    if (database.isEmpty())
        QSKIP(qPrintable(whyNot));
    web = freePort();
    QVERIFY(results.start(database, {QStringLiteral("--http-port"), QString::number(web)}));

    const QJsonObject nothingYet = QJsonDocument::fromJson(get(web, "/api/results.json").body).object();
    QCOMPARE(nothingYet.value("months").toArray(), QJsonArray());

    // Three members in Germany in March, one in April.
    const ClientStorage members[] = {
        newcomer(GERMANY, 3, {{CENT_1, GERMANY, 10}, {EURO_2, ITALY, 1}}),
        newcomer(GERMANY, 3, {{CENT_1, GERMANY, 20}, {EURO_2, ITALY, 2}}),
        newcomer(GERMANY, 3, {{CENT_1, GERMANY, 30}, {EURO_2, ITALY, 3}}),
        newcomer(GERMANY, 4, {{CENT_1, GERMANY, 7}}),
        // Three in France (two with German coins), one in Austria, one outside the euro countries.
        newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}, {CENT_10, GERMANY, 1}}),
        newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}, {CENT_10, GERMANY, 1}}),
        newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}}),
        newcomer(AUSTRIA, 3, {{CENT_50, AUSTRIA, 9}}),
        newcomer(OTHER_EUROPEAN_COUNTRY, 3, {{EURO_1, SPAIN, 5}}),
    };
    for (const ClientStorage& member : members)
        QVERIFY(uploaded(results.port(), member) != 0);
    QVERIFY(results.publish());
}

// Each figure is checked as an attacker reads it, against the others: the March of all countries less its
// published countries, or the totals less the open data's cells, would give the coins of the lone Austrian and of
// the member outside the euro countries. Every figure is the sum of published cells alone, so they give nothing.
void TestPublishedResults::publishedNumbers()
{
    const HttpReply reply = get(web, "/api/results.json");
    QCOMPARE(reply.status, 200);
    const QJsonObject json = QJsonDocument::fromJson(reply.body).object();
    // Read as the program reads it, with nothing lost: written again, the same bytes.
    const std::optional<ProjectResults> read = ProjectResults::fromJson(reply.body);
    QVERIFY(read);
    QCOMPARE(read->toJson(), reply.body);
    // Published as of the day: it does not tell when anybody uploaded.
    QCOMPARE(read->updated.time(), QTime(0, 0));
    // 60 x 1 cent, 12 x 10 cent, 6 x 2 euro.
    QCOMPARE(read->members, 9);
    QCOMPARE(read->purses, 9);
    QCOMPARE(read->coins, 78);
    QCOMPARE(read->valueCents, 1380);
    // April and Austria hold only what one member counted: not even that they took part is published.
    QCOMPARE(read->months, QList<int>{202403});
    QCOMPARE(json["foreignShareByMonth"]["overall"].toArray(), (QJsonArray{share(78, 6)}));
    QCOMPARE(read->countries.size(), 2);
    QCOMPARE(read->countries[0].country, FRANCE);
    QCOMPARE(read->countries[0].byMonth[0]->coins, 12);
    QCOMPARE(read->countries[0].byMonth[0]->foreignCoins, 0);
    QCOMPARE(read->countries[1].byMonth[0]->foreignCoins, 6);
    QCOMPARE(read->countries[1].origin->coins, 66);
    QCOMPARE(json["origin"][1]["sides"][GERMANY - 1].toObject(), (QJsonObject{{"coins", 60}, {"share", 60.0 / 66}}));
    QCOMPARE(read->countries[1].sides[FRANCE - 1].has_value(), false);
    QCOMPARE(read->countries[0].sides[GERMANY - 1].has_value(), false); // two members

    // The models' purses, rounded down to tens, leave the project's purses whole: not the lone members' two.
    qint64 modelPurses = 0;
    for (const CountryModel& model : read->models)
        modelPurses += model.all.purses;
    QCOMPARE(read->purses - modelPurses, 9);
    QCOMPARE(read->modelIn(GERMANY)->all.missing, QStringLiteral("fewer than 20 members (4)"));

    const QJsonArray byValue = json.value("foreignShareByValue").toArray();
    QCOMPARE(byValue.size(), 8);
    QCOMPARE(byValue.at(CENT_1).toObject(), share(60, 0));
    QCOMPARE(byValue.at(EURO_2).toObject(), share(6, 6));
    QCOMPARE(byValue.at(CENT_50).toObject(), suppressed);
    QCOMPARE(byValue.at(EURO_1).toObject(), suppressed); // only counted outside the euro countries

    // The open data holds the published cells only.
    const HttpReply csv = get(web, "/api/counts.csv");
    QCOMPARE(csv.body, QByteArray("month,member_country,national_side,coin_value,coins,purses\r\n"
                                  "2024-03,France,France,10c,12,3\r\n"
                                  "2024-03,Germany,Germany,1c,60,3\r\n"
                                  "2024-03,Germany,Italy,2e,6,3\r\n"));
    // HEAD: the same header, no body.
    const HttpReply page = get(web, "/");
    const HttpReply head = get(web, "/", "HEAD");
    QCOMPARE(head.status, 200);
    QVERIFY(head.body.isEmpty());
    QVERIFY(head.head.contains("Content-Length: " + QByteArray::number(page.body.size())));
    // In a visitor's words: months and coin values by name, the hatching explained beside the heat map and the bars
    // (and in the footer), in a phone's width.
    for (const char* words : {">Mar 2024<", ">50 cent<", ">1 euro<", "content=\"width=device-width"})
        QVERIFY2(page.body.contains(words), words);
    QCOMPARE(page.body.count("Hatched: nothing published there"), 3);
    // Asked again with its tag or its date, the unchanged page comes without a body; with another tag, whole.
    const auto field = [&page](const QByteArray& name) {
        const qsizetype start = page.head.indexOf("\r\n" + name + ": ") + name.size() + 4;
        return page.head.mid(start, page.head.indexOf("\r\n", start) - start);
    };
    const std::pair<QByteArray, int> conditions[] = {
        {"If-None-Match: " + field("ETag"), 304},
        {"If-Modified-Since: " + field("Last-Modified"), 304},
        {"If-None-Match: \"other\"", 200},
    };
    for (const auto& [condition, status] : conditions) {
        const HttpReply again = httpExchange(web, "GET / HTTP/1.1\r\nHost: x\r\n" + condition + "\r\n\r\n");
        QCOMPARE(again.status, status);
        QCOMPARE(again.body.size(), status == 304 ? 0 : page.body.size());
    }
    // A member country that no list names is counted as none (the other European country is one, see the CSV).
    QCOMPARE(ResultsAggregates::memberCountryOf(200), 0);

    // Months are spaced by time, and a month missing (March) or not published (May) parts the line. Of up to forty
    // months each is dotted; of more, only a month alone (April, June, December 2027).
    const auto inChart = [](const QList<int>& months, const QList<PublishedCell>& cells, const char* pattern) {
        QStringList found;
        ProjectResults results;
        results.months = months;
        results.overallByMonth = cells;
        auto match =
            QRegularExpression(pattern).globalMatch(QString::fromUtf8(resultsPage(results)).section("<svg", 1, 1));
        while (match.hasNext())
            found << match.next().captured(1);
        return found;
    };
    const PublishedCell shown = CellCounts{10, 1, 3};
    const QList<int> months = {202401, 202402, 202404, 202405, 202406, 202712};
    const QList<PublishedCell> cells = {shown, shown, shown, std::nullopt, shown, shown};
    const QStringList joined = inChart(months, cells, "([\\d.]+),[\\d.]+"); // a line's points
    const QStringList alone = inChart(months, cells, "<circle cx=\"([\\d.]+)");
    QCOMPARE(joined.size(), 2); // January to February
    QCOMPARE(alone.size(), 3);
    QCOMPARE(qRound(10 * (alone[0].toDouble() - joined[1].toDouble()) / (joined[1].toDouble() - joined[0].toDouble())),
             20);
    QCOMPARE(inChart(months.first(5), cells.first(5), "(<circle)").size(), 4);
    // Four years of months: labelled every so often, the labels apart.
    const QStringList labels = inChart(months, cells, "<text x=\"([\\d.]+)\" y=\"[\\d.]+\" text-anchor=\"middle\"");
    QVERIFY(labels.size() >= 5);
    for (qsizetype i = 1; i < labels.size(); ++i)
        QVERIFY2(labels[i].toDouble() - labels[i - 1].toDouble() >= 60, qPrintable(labels.join(' ')));
}

void TestPublishedResults::pageInBrowser()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        QSKIP("No browser to check the page with: Debian's chromium is not installed");
    QTemporaryDir profile;
    QStringList arguments = QStringLiteral("--headless --disable-gpu --no-first-run --disable-background-networking "
                                           "--disable-component-update --disable-sync --window-size=400,900 --dump-dom")
                                .split(QLatin1Char(' '));
    // The page as served at a phone's width, measured by the test's own script (the page has none): how far the page
    // scrolls sideways, and the smallest scale of a chart's text.
    const QString copy = profile.filePath(QStringLiteral("page.html"));
    QVERIFY(writeAll(copy,
                     get(web, "/").body +
                         "<script>const root = document.documentElement, svgs = [...document.querySelectorAll('svg')];"
                         "document.title = (root.scrollWidth - root.clientWidth) + ' ' + Math.min(...svgs.map(svg =>"
                         "svg.clientWidth / svg.viewBox.baseVal.width)).toFixed(2);</script>"));
    arguments << QStringLiteral("--user-data-dir=") + profile.path() << QUrl::fromLocalFile(copy).toString();
    if (geteuid() == 0)
        arguments.prepend(QStringLiteral("--no-sandbox")); // chromium refuses its sandbox to root
    QProcess browser;
    browser.start(chromium, arguments);
    if (!browser.waitForStarted())
        QSKIP(qPrintable(QStringLiteral("chromium does not start: ") + browser.errorString()));
    QVERIFY2(browser.waitForFinished(120000), "chromium did not finish loading the page");
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    // The project's chart, one per member country with a share (not Austria), the heat map and the bars.
    QCOMPARE(dom.count(QLatin1String("<svg")), 5);
    const QRegularExpressionMatch measured = QRegularExpression("<title>(\\S+) (\\S+)</title>").match(dom);
    QCOMPARE(measured.captured(1), QStringLiteral("0"));    // only the charts' boxes scroll sideways
    QCOMPARE(measured.captured(2), QStringLiteral("1.00")); // their text keeps its size
    for (const char* total : {"<b>9</b>members", "<b>9</b>purses counted", "<b>78</b>coins", "<b>13.80 Euro</b>"})
        QVERIFY2(dom.contains(QLatin1String(total)), total);
}

void TestPublishedResults::pageSpeaksTheBrowsersLanguage_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("accepted"); // the Accept-Language field; empty: none sent
    QTest::addColumn<QByteArray>("language"); // empty: the document speaks none
    QTest::addColumn<QByteArray>("headline");
    QTest::addColumn<QByteArray>("total");
    QTest::newRow("no wish") << QByteArray("/") << QByteArray() << QByteArray("en")
                             << QByteArray("In March 2024, <b>7.7%</b>") << QByteArray("<b>13.80 Euro</b>");
    QTest::newRow("Austrian German") << QByteArray("/") << QByteArray("de-AT,de;q=0.9,en;q=0.5") << QByteArray("de")
                                     << QByteArray("Im März 2024 hatten <b>7,7%</b>")
                                     << QByteArray("<b>13,80 Euro</b>");
    QTest::newRow("by weight") << QByteArray("/") << QByteArray("de;q=0.5, fr;q=0.8") << QByteArray("fr")
                               << QByteArray("En mars 2024, <b>7,7%</b>") << QByteArray("<b>13,80 euros</b>");
    QTest::newRow("?lang= wins") << QByteArray("/?lang=it") << QByteArray("de") << QByteArray("it")
                                 << QByteArray("A marzo 2024, <b>7,7%</b>") << QByteArray("<b>13,80 euro</b>");
    QTest::newRow("refused, unknown") << QByteArray("/?lang=pl") << QByteArray("de;q=0, pl, es-MX") << QByteArray("es")
                                      << QByteArray("En marzo 2024, <b>7,7%</b>") << QByteArray("<b>13,80 euros</b>");
    QTest::newRow("none spoken") << QByteArray("/") << QByteArray("pl, ja") << QByteArray("en")
                                 << QByteArray("In March 2024") << QByteArray("<b>13.80 Euro</b>");
    QTest::newRow("JSON") << QByteArray("/api/results.json") << QByteArray("nl") << QByteArray()
                          << QByteArray("\"2024-03\"") << QByteArray("\"valueCents\":1380");
    QTest::newRow("CSV") << QByteArray("/api/counts.csv") << QByteArray("de") << QByteArray()
                         << QByteArray("2024-03,France,France,10c,12,3") << QByteArray("2024-03,Germany,Italy,2e,6,3");
}

// The page in the browser's language, numbers and months its way; the JSON
// and the CSV the same for everybody.
void TestPublishedResults::pageSpeaksTheBrowsersLanguage()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, accepted);
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, headline);
    QFETCH(QByteArray, total);
    const QByteArray wish = accepted.isEmpty() ? QByteArray() : "Accept-Language: " + accepted + "\r\n";
    const HttpReply reply = httpExchange(web, "GET " + path + " HTTP/1.1\r\nHost: x\r\n" + wish + "\r\n");
    const QByteArray head = reply.head + "\r\n";
    QCOMPARE(reply.status, 200);
    QVERIFY2(reply.body.contains(headline), headline);
    QVERIFY2(reply.body.contains(total), total);
    QCOMPARE(head.contains("\r\nVary: Accept-Language\r\n"), !language.isEmpty());
    if (language.isEmpty()) {
        QCOMPARE(reply.body, get(web, path).body);
    } else {
        QVERIFY(head.contains("\r\nContent-Language: " + language + "\r\n"));
        QVERIFY(reply.body.contains("<html lang=\"" + language + "\">"));
    }
}

// Portugal's model puts half of a, 30% foreign coins, in March 2024: its curve passes through that month's share.
void TestPublishedResults::mixingModelOnThePage()
{
    MixingFit fit;
    fit.fitted = true;
    fit.a = {0.6, 0.55, 0.65};
    fit.b = {std::log(2) / (22 + 2.5 / 12), 0.03, 0.06};
    fit.mixedYears = {49.2, 41.3, 64.5};
    fit.halfForeignYears = Estimate{31.5, 27.2, 38.9};
    MixingFit tooFew;
    tooFew.missing = QStringLiteral("fewer than 20 members (12)");
    ProjectResults results;
    const PublishedCell shown = CellCounts{10, 3, 3};
    results.months = {202403, 202405}; // each month alone, so dotted
    results.overallByMonth = {CellCounts{10, 5, 6}, CellCounts{10, 5, 6}};
    results.countries = {{GREECE, {shown, shown}, {}, {}}, {PORTUGAL, {shown, shown}, {}, {}}};
    results.models = {{GREECE, tooFew, {}, {}}, {PORTUGAL, fit, {}, {}}};
    results.mixedGuesses = {{QStringLiteral("2002"), 4}, {QStringLiteral("2003"), std::nullopt}};
    const QString page = QString::fromUtf8(resultsPage(results));
    const auto found = [&page](const QString& in, const char* pattern) {
        return QRegularExpression(pattern).match(page.section(in, 1)).capturedTexts().mid(1).join(',');
    };
    const QString portugal = QStringLiteral("aria-label=\"Share of foreign coins by month in Portugal");
    QCOMPARE(found(portugal, "class=\"model\"[^>]* points=\"([\\d.]+,[\\d.]+)"),
             found(portugal, "<circle cx=\"([\\d.]+)\" cy=\"([\\d.]+)\" r=\"3.0\""));
    QCOMPARE(found(portugal, "<p class=\"note\">([^<]+)"),
             QStringLiteral("Portugal: half the coins foreign in 2033 (2029\u20132040); mixed completely in 2051 "
                            "(2043\u20132066)"));
    QCOMPARE(found(QStringLiteral("in Greece"), "<p class=\"note\">([^<]+)"),
             QStringLiteral("Greece: not enough countings yet (fewer than 20 members (12))"));
    const QString german = QString::fromUtf8(resultsPage(results, QStringLiteral("de")));
    QVERIFY2(german.contains(QStringLiteral("(weniger als 20 Mitglieder (12))")), "the reason in the page's language");
    const QString guesses = QStringLiteral("guess the coins are mixed");
    QCOMPARE(found(guesses, "<title>2002: [^<]+</title><rect [^>]+fill=\"([^\"]+)"), QStringLiteral("#1f6fb2"));
    QCOMPARE(found(guesses, "<title>2003: [^<]+</title><rect [^>]+fill=\"([^\"]+)"),
             QStringLiteral("url(#hatch-guess)"));
}

void TestPublishedResults::badRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown address") << QByteArray("GET /admin HTTP/1.1\r\nHost: x\r\n\r\n") << 404;
    QTest::newRow("POST") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nabc") << 405;
    QTest::newRow("huge header") << "GET / HTTP/1.1\r\nHost: x\r\nX-Filler: " + QByteArray(100000, 'a') + "\r\n\r\n"
                                 << 431;
    QTest::newRow("huge body") << "GET / HTTP/1.1\r\nHost: x\r\nContent-Length: 300000\r\n\r\n" +
                                      QByteArray(300000, 'b')
                               << 413;
    QTest::newRow("request line") << QByteArray("GET /\r\nHost: x\r\n\r\n") << 400;
    QTest::newRow("space before colon") << QByteArray("GET / HTTP/1.1\r\nHost : x\r\n\r\n") << 400;
    QTest::newRow("folded field") << QByteArray("GET / HTTP/1.1\r\nHost: x\r\n y\r\n\r\n") << 400;
    QTest::newRow("no Host") << QByteArray("GET / HTTP/1.1\r\n\r\n") << 400;
    QTest::newRow("HTTP/9.9") << QByteArray("GET / HTTP/9.9\r\nHost: x\r\n\r\n") << 505;
    // Answered before the body it waits to send.
    QTest::newRow("expecting to continue")
        << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\nContent-Length: 3\r\n\r\n") << 405;
    QTest::newRow("unknown expectation") << QByteArray("GET / HTTP/1.1\r\nHost: x\r\nExpect: tea\r\n\r\n") << 417;
}

void TestPublishedResults::badRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    const HttpReply reply = httpExchange(web, request);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.head.contains("Allow: GET, HEAD"), status == 405);
    QCOMPARE(reply.head.contains("\r\nDate: "), true);
    QCOMPARE(reply.head.contains("\r\nETag: \""), true);
    // Neither the uploads nor the pages are held up.
    QVERIFY(uploaded(results.port(), newcomer(0, 5, {})) != 0);
    QCOMPARE(get(web, "/").status, 200);
}

// An attacker compares the publications before and after one newcomer's upload, and a second's: they are the same.
// A cell, or the members' guesses, change only once three members changed them, by what the three did together.
// Sessions dated where no euro coin could have been counted are stored, not published.
void TestPublishedResults::publicationsRevealNobody()
{
    const auto publication = [this] {
        QJsonObject json = QJsonDocument::fromJson(get(web, "/api/results.json").body).object();
        json.remove("updated"); // the day, which may turn meanwhile
        return QJsonDocument(json).toJson(QJsonDocument::Compact) + get(web, "/api/counts.csv").body;
    };
    const auto countingSince1970 = [](int coins) {
        ClientStorage member = newcomer(GERMANY, 3, {{CENT_1, GERMANY, coins}});
        member.GuessWhenMixdateYear = 10; // mixed in 2011-2020
        Session early = sessionAt(QDateTime(QDate(1970, 1, 1), QTime(8, coins)));
        early.insertCoins(CENT_1, GERMANY - 1, 1);
        member.Sessions.prepend(early);
        return member;
    };
    QVERIFY(results.publish());
    const QByteArray before = publication();
    QVERIFY(uploaded(results.port(), countingSince1970(5)) != 0);
    QVERIFY(results.publish());
    QCOMPARE(publication(), before);

    QVERIFY(uploaded(results.port(), countingSince1970(6)) != 0);
    QVERIFY(results.publish());
    QCOMPARE(publication(), before); // nor after two
    QVERIFY(uploaded(results.port(), countingSince1970(7)) != 0);
    QVERIFY(results.publish());
    const QByteArray after = publication();
    QVERIFY(after.contains("2024-03,Germany,Germany,1c,78,6\r\n")); // 60 and 5 + 6 + 7
    QVERIFY(!after.contains("1970"));
    QVERIFY(after.contains(R"({"guess":"2011-2020","members":3})"));
    const QSqlDatabase db = openReadOnly(results.databaseLocation(), QStringLiteral("published"));
    QCOMPARE(rowsOf(db, "SELECT COUNT(*) FROM sessions WHERE month = 197001"), QStringLiteral("3"));

    // Three members change a cell in May and one in June, and two of them
    // send their May session again without its coins: the May cell was
    // changed by three but holds one member's coins, and stays unpublished;
    // the June cell, due in the same publication, is published.
    std::vector<ClientStorage> members;
    for (int i = 0; i < 3; ++i) {
        ClientStorage& member = members.emplace_back(newcomer(GERMANY, 5, {{CENT_50, AUSTRIA, 4}}));
        Session june = sessionAt(QDateTime(QDate(2024, 6, 1), QTime(9, i)));
        june.insertCoins(CENT_50, AUSTRIA - 1, 1);
        member.Sessions.append(june);
        unsigned refusal = 0;
        const ServerAnswer joined = answerTo(results.port(), member, refusal);
        QCOMPARE(refusal, 0u);
        member.Membernumber = joined.memberNumber;
        member.MemberSince = joined.memberSince;
    }
    for (ClientStorage& leaving : {std::ref(members[1]), std::ref(members[2])}) {
        Session emptied;
        emptied.entryDateTime = leaving.Sessions.constFirst().entryDateTime;
        leaving.Sessions = {emptied};
        QVERIFY(uploaded(results.port(), leaving) != 0);
    }
    QVERIFY(results.publish());
    QVERIFY(!publication().contains("2024-05,Germany,Austria,50c"));
    QVERIFY(publication().contains("2024-06,Germany,Austria,50c,3,3\r\n"));
}

QTEST_MAIN(TestPublishedResults)
#include "tst_publishedresults.moc"
