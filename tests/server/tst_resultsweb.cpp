#include "serverprocess.h"

#include "net/protocol.h"
#include "server/resultspublisher.h"
#include "storage/clientstorage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <array>

#include <unistd.h>

namespace {

struct HttpReply
{
    int status = 0;
    QByteArray head;
    QByteArray body;
};

HttpReply httpExchange(quint16 port, const QByteArray& request)
{
    bool hungUp = false;
    const QByteArray reply = exchange(port, request, hungUp);
    const qsizetype end = reply.indexOf("\r\n\r\n");
    return HttpReply{reply.mid(9, 3).toInt(), reply.left(end), end < 0 ? QByteArray() : reply.mid(end + 4)};
}

HttpReply get(quint16 port, const QByteArray& path, const QByteArray& method = "GET")
{
    return httpExchange(port, method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

enum Side { AUSTRIA = 1, FRANCE = 4, GERMANY = 5, ITALY = 8, SPAIN = 14 };
enum Coin { CENT_1 = 0, CENT_10 = 3, CENT_50 = 5, EURO_1 = 6, EURO_2 = 7 };
constexpr int OTHER_EUROPEAN_COUNTRY = 19;

using Piles = std::initializer_list<std::array<int, 3>>; // coin, national side, count

// A newcomer from `country` who counted the piles in one session of the
// given month of 2024.
ClientStorage newcomer(int country, int month, Piles piles)
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Country = quint8(country);
    static int newcomers = 0; // each began counting at a time of its own: two people, not one sending twice
    Session session;
    session.entryDateTime = QDateTime(QDate(2024, month, 11), QTime(9, 30).addSecs(++newcomers));
    for (const auto& [coin, side, count] : piles)
        session.insertCoins(coin, side - 1, unsigned(count));
    storage.Sessions = {session};
    return storage;
}

// Uploads; whether the server took it.
bool upload(quint16 port, const ClientStorage& storage)
{
    bool hungUp = false;
    return startsWithMagic(exchange(port, uploadOf(storage), hungUp));
}

QJsonObject share(int coins, int foreign)
{
    return QJsonObject{{"coins", coins}, {"foreign", foreign}, {"share", double(foreign) / coins}};
}

const QJsonObject suppressed{{"suppressed", true}};

} // namespace

// The results the real server publishes after uploads from members in
// Germany, France, Austria and elsewhere, read as a browser reads them.
class TestResultsWeb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void publishedNumbers();
    void pageInBrowser();
    void badRequests_data();
    void badRequests();

private:
    QTemporaryDir folder;
    ServerProcess server;
    quint16 web = 0;
};

void TestResultsWeb::initTestCase()
{
    QVERIFY(folder.isValid());
    QTcpServer probe; // a free port for the web pages
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    web = probe.serverPort();
    probe.close();
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("results"), whyNot);
    if (database.isEmpty())
        QSKIP(qPrintable(whyNot));
    QVERIFY(server.start(database, {QStringLiteral("--http-port"), QString::number(web)}));

    const QJsonObject nothingYet = QJsonDocument::fromJson(get(web, "/api/results.json").body).object();
    QVERIFY(nothingYet.value("updated").isNull());
    QCOMPARE(nothingYet.value("months").toArray(), QJsonArray());

    // Three members in Germany in March, one in April.
    const ClientStorage members[] = {
        newcomer(GERMANY, 3, {{CENT_1, GERMANY, 10}, {EURO_2, ITALY, 1}}),
        newcomer(GERMANY, 3, {{CENT_1, GERMANY, 20}, {EURO_2, ITALY, 2}}),
        newcomer(GERMANY, 3, {{CENT_1, GERMANY, 30}, {EURO_2, ITALY, 3}}),
        newcomer(GERMANY, 4, {{CENT_1, GERMANY, 7}}),
        // Three in France, two of them with German coins; one in Austria,
        // one outside the euro countries.
        newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}, {CENT_10, GERMANY, 1}}),
        newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}, {CENT_10, GERMANY, 1}}),
        newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}}),
        newcomer(AUSTRIA, 3, {{CENT_50, AUSTRIA, 9}}),
        newcomer(OTHER_EUROPEAN_COUNTRY, 3, {{EURO_1, SPAIN, 5}}),
    };
    for (const ClientStorage& member : members)
        QVERIFY(upload(server.port(), member));
    QTest::qWait(ResultsPublisher::RENDER_INTERVAL_MS); // the JSON above is rendered again after that
}

void TestResultsWeb::publishedNumbers()
{
    const HttpReply reply = get(web, "/api/results.json");
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.head.contains("Content-Type: application/json; charset=utf-8"));
    const QJsonObject json = QJsonDocument::fromJson(reply.body).object();
    QVERIFY(QDateTime::fromString(json.value("updated").toString(), Qt::ISODate).isValid());
    QCOMPARE(json.value("totals").toObject(),
             (QJsonObject{{"members", 9}, {"purses", 9}, {"coins", 101}, {"valueCents", 2357}}));
    QCOMPARE(json.value("months").toArray(), (QJsonArray{"2024-03", "2024-04"}));

    // April has one member: whatever he alone counted is suppressed.
    const QJsonObject byMonth = json.value("foreignShareByMonth").toObject();
    QCOMPARE(byMonth.value("overall").toArray(), (QJsonArray{share(89, 8), suppressed}));
    const QJsonArray byCountry = byMonth.value("byCountry").toArray();
    QCOMPARE(byCountry.size(), 3);
    QCOMPARE(byCountry.at(0).toObject(),
             (QJsonObject{{"country", AUSTRIA}, {"name", "Austria"}, {"cells", QJsonArray{suppressed, suppressed}}}));
    QCOMPARE(byCountry.at(1).toObject().value("cells").toArray(), (QJsonArray{share(14, 2), suppressed}));
    QCOMPARE(byCountry.at(2).toObject().value("cells").toArray(), (QJsonArray{share(66, 6), suppressed}));

    const QJsonArray origin = json.value("origin").toArray();
    QCOMPARE(origin.at(0).toObject(), (QJsonObject{{"country", AUSTRIA}, {"name", "Austria"}, {"suppressed", true}}));
    const QJsonObject germany = origin.at(2).toObject();
    QCOMPARE(germany.value("coins").toInt(), 73);
    const QJsonArray sides = germany.value("sides").toArray();
    QCOMPARE(sides.size(), 15);
    QCOMPARE(sides.at(GERMANY - 1).toObject(), (QJsonObject{{"coins", 67}, {"share", 67.0 / 73}}));
    QCOMPARE(sides.at(ITALY - 1).toObject(), (QJsonObject{{"coins", 6}, {"share", 6.0 / 73}}));
    QCOMPARE(sides.at(FRANCE - 1).toObject(), suppressed);
    QCOMPARE(origin.at(1).toObject().value("sides").toArray().at(GERMANY - 1).toObject(), suppressed); // two members

    const QJsonArray byValue = json.value("foreignShareByValue").toArray();
    QCOMPARE(byValue.size(), 8);
    QCOMPARE(byValue.at(CENT_1).toObject(), share(67, 0));
    QCOMPARE(byValue.at(CENT_10).toObject(), share(14, 2));
    QCOMPARE(byValue.at(EURO_2).toObject(), share(6, 6));
    QCOMPARE(byValue.at(CENT_50).toObject(), suppressed);
    QCOMPARE(byValue.at(EURO_1).toObject(), suppressed); // only counted outside the euro countries

    const HttpReply csv = get(web, "/api/counts.csv");
    QVERIFY(csv.head.contains("Content-Type: text/csv; charset=utf-8"));
    QCOMPARE(csv.body, QByteArray("month,member_country,national_side,coin_value,coins,purses,suppressed\r\n"
                                  "2024-03,Austria,Austria,50c,,,1\r\n"
                                  "2024-03,France,France,10c,12,3,0\r\n"
                                  "2024-03,France,Germany,10c,,,1\r\n"
                                  "2024-03,Germany,Germany,1c,60,3,0\r\n"
                                  "2024-03,Germany,Italy,2e,6,3,0\r\n"
                                  "2024-03,Other European Country,Spain,1e,,,1\r\n"
                                  "2024-04,Germany,Germany,1c,,,1\r\n"));
    // HEAD: the same header, no body.
    const HttpReply page = get(web, "/");
    const HttpReply head = get(web, "/", "HEAD");
    QCOMPARE(head.status, 200);
    QVERIFY(head.body.isEmpty());
    QVERIFY(head.head.contains("Content-Length: " + QByteArray::number(page.body.size())));
    for (const QByteArray path : {"/download.html", "/whynot.html"})
        QCOMPARE(get(web, path).status, 200);
}

void TestResultsWeb::pageInBrowser()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        QSKIP("No browser to check the page with: Debian's chromium is not installed");
    QTemporaryDir profile;
    QStringList arguments{QStringLiteral("--headless"),
                          QStringLiteral("--disable-gpu"),
                          QStringLiteral("--disable-quic"),
                          QStringLiteral("--no-first-run"),
                          QStringLiteral("--disable-background-networking"),
                          QStringLiteral("--disable-component-update"),
                          QStringLiteral("--disable-sync"),
                          QStringLiteral("--user-data-dir=") + profile.path(),
                          QStringLiteral("--dump-dom"),
                          QStringLiteral("http://127.0.0.1:%1/").arg(web)};
    if (geteuid() == 0)
        arguments.prepend(QStringLiteral("--no-sandbox")); // chromium refuses its sandbox to root
    QProcess browser;
    browser.start(chromium, arguments);
    if (!browser.waitForStarted())
        QSKIP(qPrintable(QStringLiteral("chromium does not start: ") + browser.errorString()));
    QVERIFY2(browser.waitForFinished(120000), "chromium did not finish loading the page");
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    // The project's chart, one per member country, the heat map and the bars.
    QCOMPARE(dom.count(QLatin1String("<svg")), 6);
    for (const char* total : {"<b>9</b>members", "<b>9</b>purses counted", "<b>101</b>coins", "<b>23.57 Euro</b>"})
        QVERIFY2(dom.contains(QLatin1String(total)), total);
}

void TestResultsWeb::badRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown address") << QByteArray("GET /admin HTTP/1.1\r\nHost: x\r\n\r\n") << 404;
    QTest::newRow("POST") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nabc") << 405;
    QTest::newRow("unknown method") << QByteArray("BREW /api/counts.csv HTTP/1.1\r\nHost: x\r\n\r\n") << 405;
    QTest::newRow("huge header") << "GET / HTTP/1.1\r\nHost: x\r\nX-Filler: " + QByteArray(100000, 'a') + "\r\n\r\n"
                                 << 431;
    QTest::newRow("huge body") << "PUT / HTTP/1.1\r\nHost: x\r\nContent-Length: 300000\r\n\r\n" +
                                      QByteArray(300000, 'b')
                               << 413;
}

void TestResultsWeb::badRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    const HttpReply reply = httpExchange(web, request);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.head.contains("Allow: GET, HEAD"), status == 405);
    // Neither the uploads nor the pages are held up.
    QVERIFY(upload(server.port(), newcomer(0, 5, {})));
    QCOMPARE(get(web, "/").status, 200);
}

QTEST_GUILESS_MAIN(TestResultsWeb)
#include "tst_resultsweb.moc"
