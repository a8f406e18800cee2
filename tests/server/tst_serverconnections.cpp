#include "common/boxscript.h"
#include "common/modaldriver.h"
#include "serverprocess.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/filebytes.h"
#include "net/client.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "server/claimledger.h"
#include "server/peerledger.h"
#include "server/resultsaggregates.h"
#include "server/resultspage.h"
#include "server/serveroptions.h"
#include "server/sqlconnection.h"
#include "server/uploadlimits.h"
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

constexpr quint32 bodyLimit = 4096;
constexpr int exchangeTimeoutMs = 10000;

QByteArray withHeaderVersion(const QByteArray& message, quint16 version)
{
    return message.left(4) + frameHeaderBytes(DATAFILE_MAGIC, version, 0).mid(4, 2) + message.mid(6);
}

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

// A port for the web pages.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

enum Side { AUSTRIA = 1, FRANCE = 4, GERMANY = 5, GREECE = 6, ITALY = 8, PORTUGAL = 12, SPAIN = 14 };
enum Coin { CENT_1 = 0, CENT_10 = 3, CENT_50 = 5, EURO_1 = 6, EURO_2 = 7 };
constexpr int OTHER_EUROPEAN_COUNTRY = 19;

QJsonObject share(int coins, int foreign)
{
    return QJsonObject{{"coins", coins}, {"foreign", foreign}, {"share", double(foreign) / coins}};
}

const QJsonObject suppressed{{"suppressed", true}};

Session sessionAt(const QDateTime& entry)
{
    Session session;
    session.entryDateTime = entry;
    return session;
}

// Every field a participant fills in, with quotes SQL would trip over and characters a text column may not
// hold (NUL, a half of a UTF-16 pair), a counted session and an empty one begun at 02:30 on the night the
// clocks go forward: a time of Helsinki that Berlin (the server) lacks.
ClientStorage participant(quint16 port)
{
    const QString odd = QString(QChar(0)) + QChar(0x10) + QLatin1Char('0') + QChar(0xdc00);
    ClientStorage storage;
    storage.setDefaultValues();
    storage.ServerAddress = "127.0.0.1";
    storage.ServerPort = port;
    storage.Country = GERMANY;
    storage.PostalCode = QStringLiteral("53111") + odd;
    storage.CityPopulation = 6;
    storage.eMailAddress = std::string("d'arcy.o'neill@example.org\0\x10", 28);
    storage.RecommenderName = QStringLiteral("Mary O'Brien") + odd;
    storage.RecommenderMembernumbers = {12, 7};
    storage.Message = QStringLiteral("It's great; \"really\" -- '); DROP TABLE members; --") + odd;
    storage.SettingsFlags |= ClientStorage::SignedContract | ClientStorage::NecessFilledIn;
    Session first = sessionAt(QDateTime(QDate(2002, 3, 1), QTime(10, 15, 30, 250)));
    first.insertCoins(CENT_10, 5, 7); // of Greece
    first.insertCoins(EURO_2, AUSTRIA - 1, 2);
    first.observation = {UserEvent{12, 0}, UserEvent{340, 2049}};
    storage.Sessions = {first, sessionAt(QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::UTC))};
    storage.TotalEvents = {{0, 3}, {2049, 1}, {65535, 2}};
    storage.InvitationList = {InvitedPerson{std::string("Siobh\xe1n O'Brien\0", 16), "o'brien@example.ie", 17, false},
                              InvitedPerson{"Sent Before", "before@example.org", 0, true}};
    return storage;
}

// "&Open Connection", wait until the exchange is over, "&Quit"; true when booked.
bool uploadThroughDialogs(ClientStorage& storage, QString& log)
{
    Dialogs dialogs(&storage);
    auto* client = static_cast<Client*>(dialogs.client());
    QPushButton* quit = nullptr;
    for (QPushButton* button : client->findChildren<QPushButton*>())
        quit = button->text() == QLatin1String("&Quit") ? button : quit;
    if (!quit)
        return false;
    whenModalAppears(QStringLiteral("client"), [&](QWidget*) {
        client->openButton()->click();
        [[maybe_unused]] const bool over = QTest::qWaitFor(
            [&] {
                return client->uploadSucceeded() ||
                       client->infoView()->toPlainText().contains(QLatin1String("Connection closed properly"));
            },
            15000);
        log = client->infoView()->toPlainText();
        quit->click();
    });
    return dialogs.openClientForUploadAndIfSuccessStoreEverything();
}

// After a reply the server gives the client 5 s to hang up.
constexpr int CLOSE_GRACE_MS = 5000;
constexpr int SLACK_MS = 5000;
// "At once": well before any time limit of these servers could free a place.
constexpr int AT_ONCE_MS = 5000;
constexpr int TICK_MS = 100;
// Hostile peers come from 127.0.0.1 (.3, .4 where another address is needed), the honest one from .2.
constexpr quint8 BUSY = 1;
constexpr quint8 HONEST = 2;
// Growth of the server process while clients misbehave.
constexpr qint64 MAX_SERVER_GROWTH_KIB = 64 * 1024;

// The sanitizer holds back up to 256 MiB of freed memory, which a server dropping a flood fills; with a
// small hold the growth is the server's own again. Only servers started afterwards read this.
void serversHoldLittleFreedMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QByteArray options = qgetenv("ASAN_OPTIONS");
    options += options.isEmpty() ? "" : ":";
    qputenv("ASAN_OPTIONS", options + "quarantine_size_mb=16");
#endif
}

// The resident memory now ("VmRSS:") or at its peak ("VmHWM:").
qint64 rssKiBOf(qint64 pid, const QByteArray& field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf(field) + field.size();
    return at < field.size() ? -1 : text.mid(at, text.indexOf('\n', at) - at).trimmed().split(' ').first().toLongLong();
}

int openFilesOf(qint64 pid)
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

// An upload the server takes, with a message of `messageChars` characters.
QByteArray honestUpload(int messageChars = 0)
{
    ClientStorage storage = newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}});
    storage.Message = QString(messageChars, QLatin1Char('m'));
    return uploadMessage(storage);
}

// The largest upload of `bodyBytes` that the server stores: as many sessions with a pile in every cell of the
// count table as one upload may hold, the rest usage events.
QByteArray largestUpload(quint32 bodyBytes)
{
    ClientStorage storage = newcomer(FRANCE, 3, {});
    Session full = storage.Sessions.takeFirst();
    full.SetPurseFromCounttableArray(PurseArray(NUM_COINS, std::vector<unsigned>(NUM_NATIONAL_SIDES, 1)));
    for (; storage.Sessions.size() < UploadLimits::MOST_PILES_PER_UPLOAD / UploadLimits::MOST_PILES_PER_SESSION;
         full.entryDateTime = full.entryDateTime.addSecs(1))
        storage.Sessions.append(full);
    const qsizetype room = bodyBytes + FRAME_HEADER_SIZE - uploadMessage(storage).size();
    storage.Sessions.first().observation.resize(room / (sizeof(qint32) + sizeof(quint16)));
    return uploadMessage(storage);
}

// An answer frame, whole (what it says is checked where uploads are).
bool isAnswer(const QByteArray& reply)
{
    FrameHeader header;
    return parseFrameHeader(reply, header) && header.hasMagic() &&
           quint64(reply.size()) == FRAME_HEADER_SIZE + quint64(header.bodyLength);
}

QByteArray announcing(quint32 bodyBytes, quint16 version = FORMAT_VERSION)
{
    return frameHeaderBytes(DATAFILE_MAGIC, version, bodyBytes);
}

// A body announced and sent but for its last byte.
QByteArray heldBody(quint32 bytes)
{
    return announcing(bytes) + QByteArray(qsizetype(bytes) - 1, 'h');
}

// A peer of the table below: what it sends on connecting, what it then
// drips (`pieceBytes` every `everyTicks` ticks), and what it must get.
struct Peer
{
    enum Outcome { Refused, Served, Answered };
    Peer(QByteArray first = {}, QByteArray drip = {}, int pieceBytes = 1, int everyTicks = 1)
        : first(std::move(first)), drip(std::move(drip)), pieceBytes(pieceBytes), everyTicks(everyTicks)
    {
    }
    QByteArray first;
    QByteArray drip;
    int pieceBytes;
    int everyTicks;
    quint8 octet = BUSY;
    Outcome outcome = Served;
    QByteArray reason;  // of a refusal, which carries code 14
    int earliestMs = 0; // of a refusal, counted from the connection
    int latestMs = 0;

    // While it runs.
    std::shared_ptr<RawConnection> connection;
    QElapsedTimer since;
    QByteArray received;
    qint64 endedAfterMs = -1;

    bool connect(quint16 port)
    {
        since.start();
        connection = std::make_shared<RawConnection>(port, octet);
        return connection->isConnected() && connection->send(first);
    }
    void step(int tick)
    {
        if (endedAfterMs >= 0)
            return;
        if (!drip.isEmpty() && tick % everyTicks == 0) {
            connection->sendIfRoom(drip.left(pieceBytes));
            drip.remove(0, pieceBytes);
        }
        bool ended = false;
        received += connection->read(ended);
        if (ended)
            endedAfterMs = since.elapsed();
    }
    bool gotItsDue() const
    {
        switch (outcome) {
        case Served:
            return received.isEmpty() && endedAfterMs < 0;
        case Answered:
            return isAnswer(received);
        case Refused:
            return refusalCodeOf(received) == TCP_SERVER_TIMEOUT && received.contains(reason) &&
                   endedAfterMs >= earliestMs && endedAfterMs <= latestMs;
        }
        return false;
    }
};

Peer answered(Peer p)
{
    p.outcome = Peer::Answered;
    return p;
}

// Refused once the time limit `deadlineMs` has run out, or at once without one.
Peer refused(const char* reason, Peer p, int deadlineMs = 0)
{
    p.outcome = Peer::Refused;
    p.reason = reason;
    p.earliestMs = deadlineMs * 9 / 10;
    p.latestMs = deadlineMs > 0 ? deadlineMs + SLACK_MS : AT_ONCE_MS;
    return p;
}

Peer from(quint8 octet, Peer p)
{
    p.octet = octet;
    return p;
}

} // namespace

Q_DECLARE_METATYPE(QList<Peer>)

// The server process seen through bare connections, the client's window and a browser: what it stores,
// refuses and publishes, and how it holds out against clients that are not ours.
class TestServerConnections : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void uploadsBecomeMembershipSessionsAndTotals();
    void databaseRestarts();
    void stoppedFrontEnd();
    void storingConnectionsSideBySide();
    void refusalsCarryTheirCode_data();
    void refusalsCarryTheirCode();
    void commandLine();
    void publishedNumbers();
    void pageInBrowser();
    void pageSpeaksTheBrowsersLanguage_data();
    void pageSpeaksTheBrowsersLanguage();
    void mixingModelOnThePage();
    void badRequests_data();
    void badRequests();
    void publicationsRevealNobody();
    void cleanup() { limited.reset(); }
    void peersMeetTheirLimits_data();
    void peersMeetTheirLimits();
    void floodsAreDropped();
    void fullServerMakesClientsWait();
    void strangersCannotWriteAsAMember();
    void largestUploadsLeaveOthersServed();
    void idleBrowsersLeaveUploadsServed();

private:
    // Starts the server, has it answer once (the database is warm) and notes the files it holds open.
    void start(const QStringList& options = {})
    {
        limited = std::make_unique<ServerProcess>();
        QString whyNot;
        QVERIFY(
            limited->start(freshDatabase(folder.path(), QStringLiteral("limits%1").arg(++servers), whyNot), options));
        pid = limited->process().processId();
        verifyAnswered();
        QTest::qWait(200); // and that connection let go
        filesBefore = openFilesOf(pid);
    }
    // The server answers an upload from 127.0.0.<octet>, at once (within `withinMs`) for an honest participant.
    void verifyAnswered(quint8 octet = HONEST, const QByteArray& upload = honestUpload(), int withinMs = AT_ONCE_MS)
    {
        QCOMPARE(limited->process().state(), QProcess::Running);
        QElapsedTimer clock;
        clock.start();
        bool hungUp = false;
        const QByteArray reply = exchange(limited->port(), upload, hungUp, exchangeTimeoutMs, octet);
        QVERIFY2(isAnswer(reply), reply.left(100).constData());
        QVERIFY2(octet != HONEST || clock.elapsed() < withinMs, qPrintable(QString::number(clock.elapsed())));
    }
    // Every connection is let go once its peer has left.
    void verifyAllLetGo() { QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore, SLACK_MS); }

    QTemporaryDir folder;
    ServerProcess server;  // takes bodies of bodyLimit bytes at most
    ServerProcess results; // publishes its results on the port web
    quint16 web = 0;
    int servers = 0;
    std::unique_ptr<ServerProcess> limited; // the server whose limits are tried
    qint64 pid = 0;
    int filesBefore = 0;
};

void TestServerConnections::initTestCase()
{
    QVERIFY(folder.isValid());
    serversHoldLittleFreedMemory();
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("connections"), whyNot);
    if (database.isEmpty())
        QSKIP(qPrintable(whyNot));
    // The upload flow keeps the data file and the archive in the working folder.
    QVERIFY(QDir::setCurrent(folder.path()));
    QVERIFY(server.start(database, {QStringLiteral("--max-body"), QString::number(bodyLimit)}));

    web = freePort();
    QVERIFY(results.start(freshDatabase(folder.path(), QStringLiteral("results"), whyNot),
                          {QStringLiteral("--http-port"), QString::number(web)}));

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

void TestServerConnections::uploadsBecomeMembershipSessionsAndTotals()
{
    const QString serverMessage = QStringLiteral("Counting week: thanks to everybody!");
    ServerProcess berlin;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
    berlin.process().setProcessEnvironment(environment);
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("uploads"), whyNot);
    const QStringList options{QStringLiteral("--message"), serverMessage};
    QVERIFY(berlin.start(database, options));
    // It ends cleanly on a signal with a connection open, and starts again with all it stored.
    const auto restart = [&](int signalNumber) {
        RawConnection lingering(berlin.port());
        return lingering.isConnected() && berlin.stopWith(signalNumber) && berlin.start(database, options);
    };
    const QSqlDatabase db = openReadOnly(database, QStringLiteral("uploads"));
    const auto count = [&db](const char* table) {
        return rowsOf(db, QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt();
    };
    BoxScript boxes;
    ClientStorage storage = participant(berlin.port());
    QString log;
    // The server's status as the connection window shows it; the server's date is Berlin's.
    const QDate today = QDateTime::currentDateTime().toTimeZone(QTimeZone("Europe/Berlin")).date();
    const auto status = [today](int purses, const char* sum, const QString& country) {
        return QStringLiteral("# members:  1\n# purses :  %1\nTotal Uploaded Sum:  %2 Euro\nlast upload from: %3\n"
                              "suggested next session around: %4\n")
            .arg(purses)
            .arg(QLatin1String(sum), country, today.addDays(7).toString(Qt::TextDate));
    };

    // A participant without a member number becomes one.
    QVERIFY2(uploadThroughDialogs(storage, log), qPrintable(log));
    const quint32 member = storage.Membernumber;
    QVERIFY(member != 0);
    QVERIFY2(log.contains(status(1, "4.7", QString())), qPrintable(log)); // nobody uploaded before
    QVERIFY(log.contains(serverMessage));

    // Everything arrived with its values, quotes and odd characters included, the times as the participant's
    // clock wrote them; the texts are stored alike in both databases, without a NUL.
    const QString who = QString::number(member);
    const ClientStorage sent = participant(0);
    const QString settings = rowsOf(db, "SELECT country, postal_code, town_size, email, recommender_name FROM members");
    QCOMPARE(textFromSql(settings),
             QStringLiteral("5|%1|6|%2|%3")
                 .arg(sent.PostalCode, QString::fromLatin1(sent.eMailAddress.c_str(), 28), sent.RecommenderName));
    QVERIFY(!settings.contains(QChar(0)));
    QCOMPARE(rowsOf(db, "SELECT recommender_number FROM recommenders ORDER BY position"), QStringLiteral("12;7"));
    QCOMPARE(textFromSql(rowsOf(db, "SELECT message FROM member_messages")), sent.Message);
    QCOMPARE(rowsOf(db, "SELECT member_number, entry_datetime, sum_cents FROM sessions ORDER BY entry_datetime"),
             who + QStringLiteral("|2002-03-01 10:15:30.250|470;") + who +
                 QStringLiteral("|2024-03-31 02:30:00.000|0"));
    QCOMPARE(rowsOf(db, "SELECT v.name, c.name, p.count FROM coin_piles p JOIN coin_values v ON v.id = p.coin_value"
                        " JOIN coin_countries c ON c.id = p.coin_country ORDER BY p.position"),
             QStringLiteral("10c|Greece|7;2e|Austria|2"));
    QCOMPARE(rowsOf(db, "SELECT event_count, length(usage_events) FROM sessions ORDER BY entry_datetime"),
             QStringLiteral("2|12;0|0"));
    QCOMPARE(rowsOf(db, "SELECT event_id, total FROM event_totals ORDER BY event_id"),
             QStringLiteral("0|3;2049|1;65535|2"));
    QCOMPARE(textFromSql(rowsOf(db, "SELECT member_number, name, email, coin FROM invitations")),
             who + QStringLiteral("|Siobh\u00e1n O'Brien") + QChar(0) + QStringLiteral("|o'brien@example.ie|17"));
    QCOMPARE(rowsOf(db, "SELECT m.name FROM members JOIN member_countries m ON m.id = members.country"),
             QStringLiteral("Germany"));

    // The member comes back from Italy with a new counting, an empty one, the night's session and a friend.
    QVERIFY(restart(SIGINT));
    storage.ServerPort = berlin.port();
    storage.Country = ITALY;
    Session second = sessionAt(QDateTime(QDate(2002, 3, 9), QTime(18, 0, 0, 5)));
    second.insertCoins(CENT_1, 14, 9); // of the Vatican
    storage.Sessions = {second, sessionAt(QDateTime(QDate(2002, 3, 9), QTime(18, 5))), participant(0).Sessions.last()};
    storage.InvitationList.append(InvitedPerson{"Anna", "anna@example.org", 3, false});
    QVERIFY2(uploadThroughDialogs(storage, log), qPrintable(log));
    QCOMPARE(storage.Membernumber, member);
    QVERIFY(log.contains(QStringLiteral("The Server says: 'Thanks, member %1'").arg(member)));
    QVERIFY2(log.contains(status(2, "4.79", QStringLiteral("Germany"))), qPrintable(log)); // the empty purse is none
    QVERIFY(restart(SIGTERM));
    QCOMPARE(count("sessions"), 4);
    QCOMPARE(rowsOf(db, "SELECT country FROM members"), QStringLiteral("8"));
    QCOMPARE(count("invitations"), 2);
    QCOMPARE(count("member_messages"), 1); // the booked message is not sent again
    QCOMPARE(boxes.count(), 0);
}

// PostgreSQL restarts, and later is away for a while: an upload meanwhile is refused as the server being
// ill, the first one after it is back is stored, and the pages read the database again.
void TestServerConnections::databaseRestarts()
{
    if (qEnvironmentVariableIsEmpty("ZUV_TEST_POSTGRESQL"))
        QSKIP("the restart is tried in the run on PostgreSQL");
    QTemporaryDir state; // a cluster of our own, for it goes away
    const auto cluster = [&state](const char* action) {
        return QProcess::execute(QStringLiteral(ZUV_POSTGRESQL_SCRIPT), {QLatin1String(action), state.path()}) == 0;
    };
    QVERIFY(cluster("start"));
    const auto removeCluster = qScopeGuard([&cluster] { cluster("stop"); });
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("restarted"), whyNot, state.path());
    if (database.isEmpty())
        QSKIP(qPrintable(whyNot));
    ServerProcess server;
    const quint16 pages = freePort();
    QVERIFY(server.start(database, {QStringLiteral("--http-port"), QString::number(pages)}));
    QCOMPARE(uploaded(server.port(), newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}})), 1u);
    QVERIFY(cluster("down"));
    bool hungUp = false;
    QCOMPARE(refusalCodeOf(exchange(server.port(), honestUpload(), hungUp)), unsigned(TCP_SERVER_IS_ILL));
    QVERIFY(cluster("up"));
    QCOMPARE(uploaded(server.port(), newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}})), 2u); // the refused one took none
    // The pages' connection, broken by the restart, is made again as well.
    const HttpReply reply = get(pages, "/api/results.json");
    QCOMPARE(reply.status, 200);
    QVERIFY(QJsonDocument::fromJson(reply.body).object().contains("totals"));
}

// Two front ends on one PostgreSQL, and one is stopped inside its transaction holding the rows every front
// end shares: PostgreSQL ends its session within seconds, so that the other stores an upload well within the
// time the exchange allows. The stopped one, going on, refuses what it held then and stores anew.
void TestServerConnections::stoppedFrontEnd()
{
    if (qEnvironmentVariableIsEmpty("ZUV_TEST_POSTGRESQL"))
        QSKIP("front ends share a database on PostgreSQL");
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("shared"), whyNot);
    ServerProcess stopped;
    ServerProcess other;
    QVERIFY(stopped.start(database));
    QVERIFY(other.start(database));
    const QSqlDatabase db = openReadOnly(database, QStringLiteral("shared"));
    // Stopped while it waits for the last of those rows, which the test holds, with the others taken.
    QSqlQuery holder(db);
    QVERIFY(holder.exec("BEGIN READ WRITE"));
    QVERIFY(holder.exec("SELECT value FROM server_state WHERE name = 'sum_cents' FOR UPDATE"));
    RawConnection held(stopped.port());
    QVERIFY(held.send(honestUpload()));
    QTRY_COMPARE(lockWaits(db), 1);
    QCOMPARE(::kill(pid_t(stopped.process().processId()), SIGSTOP), 0);
    QVERIFY(holder.exec("ROLLBACK"));
    QVERIFY(uploaded(other.port(), newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}})) != 0); // within the exchange's 10 s
    QCOMPARE(::kill(pid_t(stopped.process().processId()), SIGCONT), 0);
    bool ended = false;
    QCOMPARE(refusalCodeOf(held.read(ended, exchangeTimeoutMs)), unsigned(TCP_SERVER_IS_ILL));
    QVERIFY(uploaded(stopped.port(), newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}})) != 0);
    QCOMPARE(keptTotals(db), countedTotals(db));
    QCOMPARE(keptTotals(db), QStringLiteral("2 2 20"));
}

// On PostgreSQL the uploads are stored on several connections: one upload waiting for a row (the test holds it)
// holds up its own connection only, and another participant's upload is answered while it still waits.
void TestServerConnections::storingConnectionsSideBySide()
{
    if (qEnvironmentVariableIsEmpty("ZUV_TEST_POSTGRESQL"))
        QSKIP("SQLite stores on one connection");
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("storing"), whyNot);
    ServerProcess server;
    QVERIFY(server.start(database, {QStringLiteral("--storing-connections"), QStringLiteral("2")}));
    ClientStorage waiting = newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}});
    unsigned refusal = 0;
    const ServerAnswer joined = answerTo(server.port(), waiting, refusal);
    QCOMPARE(refusal, 0u);
    waiting.Membernumber = joined.memberNumber;
    waiting.MemberSince = joined.memberSince;
    const QSqlDatabase db = openReadOnly(database, QStringLiteral("storing"));
    QSqlQuery holder(db);
    QVERIFY(holder.exec("BEGIN READ WRITE") &&
            holder.exec(
                QStringLiteral("SELECT 1 FROM members WHERE member_number = %1 FOR UPDATE").arg(joined.memberNumber)));
    RawConnection held(server.port());
    QVERIFY(held.send(uploadMessage(waiting)));
    QTRY_COMPARE(lockWaits(db), 1);
    QVERIFY(uploaded(server.port(), newcomer(GERMANY, 3, {{CENT_1, GERMANY, 2}})) != 0);
    QCOMPARE(lockWaits(db), 1); // the first still waits
    QVERIFY(holder.exec("ROLLBACK"));
    bool ended = false;
    QVERIFY(startsWithMagic(held.read(ended, exchangeTimeoutMs)));
    QCOMPARE(keptTotals(db), countedTotals(db));
    QCOMPARE(keptTotals(db), QStringLiteral("2 2 12"));
}

void TestServerConnections::refusalsCarryTheirCode_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<unsigned>("code");

    ClientStorage storage = newcomer(FRANCE, 3, {{CENT_10, FRANCE, 4}});
    const QByteArray upload = uploadMessage(storage);
    // A session claiming another value than its coins: the client writes it but could never read it.
    storage.Sessions.first().purse.append(CoinPile{1, 2, 3});
    const auto row = [](const char* name, const QByteArray& sent, unsigned code) {
        QTest::newRow(name) << sent << code;
    };
    row("no magic", QByteArray(4, '\0'), TCP_SERVER_RECEIVES_BAD_FORMAT);
    row("version 104", announcing(0, 104).left(6), TCP_CLIENT_HAS_TOO_OLD_VERSION);
    row("version 200", announcing(66, 200), TCP_CLIENT_HAS_TOO_NEW_VERSION);
    // No body follows: the refusal must not wait for it.
    row("body above the limit", announcing(bodyLimit + 1), TCP_CLIENT_SENDS_TOO_MUCH_DATA);
    row("2 GiB announced", announcing(0x80000000u), TCP_CLIENT_SENDS_TOO_MUCH_DATA);
    row("body at the limit is read", announcing(bodyLimit) + QByteArray(bodyLimit, 'x'),
        TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    row("empty body", announcing(0), TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    const qsizetype record = upload.size() - FRAME_HEADER_SIZE;
    row("record cut short", announcing(quint32(record - 1)) + upload.mid(FRAME_HEADER_SIZE, record - 1),
        TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    row("record with a byte too many", announcing(quint32(record + 1)) + upload.mid(FRAME_HEADER_SIZE) + '\0',
        TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    row("session sum differs", uploadMessage(storage), TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    // The header version is checked for the range only; the record carries its own.
    row("version 105, answered", withHeaderVersion(upload, 105), 0);
    row("version 199, answered", withHeaderVersion(upload, 199), 0);
}

void TestServerConnections::refusalsCarryTheirCode()
{
    QFETCH(QByteArray, sent);
    QFETCH(unsigned, code);
    bool hungUp = false;
    const QByteArray reply = exchange(server.port(), sent, hungUp, exchangeTimeoutMs);
    QVERIFY(hungUp);
    QCOMPARE(startsWithMagic(reply), code == 0);
    QCOMPARE(refusalCodeOf(reply), code);
    if (code != 0) { // one line
        QCOMPARE(reply.count('\n'), 1);
        QVERIFY2(reply.endsWith('\n'), reply.constData());
    }
}

void TestServerConnections::commandLine()
{
    // Arguments, exit code, a text of what it prints.
    const QList<std::tuple<QStringList, int, QString>> runs = {
        {{"--help"}, 0, "--max-connections-per-address"},
        {{"--port", "70000"}, 2, "70000"},
        {{"--port", "0", "--database", folder.filePath("missing/folder/x.sqlite")}, 1, "cannot use the database"},
        {{"--production-shares", folder.filePath("none.csv")}, 2, "cannot read"},
    };
    for (const auto& [arguments, exitCode, text] : runs) {
        QProcess run;
        run.start(QStringLiteral(ZUV_SERVER_BINARY), arguments);
        QVERIFY(run.waitForFinished(exchangeTimeoutMs));
        QCOMPARE(run.exitCode(), exitCode);
        QVERIFY(QString::fromLocal8Bit(run.readAllStandardOutput() + run.readAllStandardError()).contains(text));
    }

    // Each limit takes a positive number of its kind and refuses anything else.
    for (const char* name :
         {"--idle-timeout", "--connection-timeout", "--header-timeout", "--max-connections",
          "--max-connections-per-address", "--min-rate", "--max-buffered", "--storing-connections"}) {
        const bool bytes = qstrcmp(name, "--max-buffered") == 0;
        ServerOptions options;
        QString error;
        QCOMPARE(options.parse({"zuv-server", name, bytes ? "5000000000" : "1500"}, error),
                 ServerOptions::Outcome::Run);
        for (const char* value : {"0", "many", bytes ? "99999999999999999999" : "99999999999"}) {
            QCOMPARE(options.parse({"zuv-server", name, value}, error), ServerOptions::Outcome::Error);
            QVERIFY2(error.contains(QLatin1String(value)), qPrintable(QLatin1String(name) + ": " + error));
        }
    }
    ServerOptions highest;
    QString error;
    QCOMPARE(highest.parse({"zuv-server", "--port", "65535", "--http-port", "65535"}, error),
             ServerOptions::Outcome::Run);
    QCOMPARE(highest.port + highest.httpPort, 2 * 65535);
}

// Each figure is checked as an attacker reads it, against the others: the March of all countries less its
// published countries, or the totals less the open data's cells, would give the coins of the lone Austrian and of
// the member outside the euro countries. Every figure is the sum of published cells alone, so they give nothing.
void TestServerConnections::publishedNumbers()
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

void TestServerConnections::pageInBrowser()
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

void TestServerConnections::pageSpeaksTheBrowsersLanguage_data()
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
void TestServerConnections::pageSpeaksTheBrowsersLanguage()
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
void TestServerConnections::mixingModelOnThePage()
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
    const QString guesses = QStringLiteral("guess the coins are mixed");
    QCOMPARE(found(guesses, "<title>2002: [^<]+</title><rect [^>]+fill=\"([^\"]+)"), QStringLiteral("#1f6fb2"));
    QCOMPARE(found(guesses, "<title>2003: [^<]+</title><rect [^>]+fill=\"([^\"]+)"),
             QStringLiteral("url(#hatch-guess)"));
}

void TestServerConnections::badRequests_data()
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

void TestServerConnections::badRequests()
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

// An attacker compares the publications before and after one newcomer's upload: they are the same. A cell, or
// the members' guesses, change only once three members changed them, by what the three did together. Sessions dated
// where no euro coin could have been counted are stored, not published.
void TestServerConnections::publicationsRevealNobody()
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
    QVERIFY(uploaded(results.port(), countingSince1970(7)) != 0);
    QVERIFY(results.publish());
    const QByteArray after = publication();
    QVERIFY(after.contains("2024-03,Germany,Germany,1c,78,6\r\n")); // 60 and 5 + 6 + 7
    QVERIFY(!after.contains("1970"));
    QVERIFY(after.contains(R"({"guess":"2011-2020","members":3})"));
    const QSqlDatabase db = openReadOnly(results.databaseLocation(), QStringLiteral("published"));
    QCOMPARE(rowsOf(db, "SELECT COUNT(*) FROM sessions WHERE month = 197001"), QStringLiteral("3"));
}

void TestServerConnections::peersMeetTheirLimits_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QList<Peer>>("peers");

    const QByteArray upload = honestUpload();
    const Peer headerDrip{{}, announcing(100), 1, 10}; // a byte a second
    // Fifty connections from one address: sixteen are served, the others told at once to try later.
    QTest::newRow("address at its limit")
        << QStringLiteral("--header-timeout 60000")
        << QList<Peer>(16, headerDrip) + QList<Peer>(34, refused("too many connections", headerDrip)) +
               QList<Peer>{from(3, answered(Peer{upload}))}; // never hangs up

    // Each peer runs into another time limit (silence before the header, a header dripped, silence after a
    // body's start, a fifth of the least rate, a long body); steady pieces run into none.
    const QByteArray body(8000, 'b');
    QTest::newRow("time limits")
        << QStringLiteral("--header-timeout 1500 --idle-timeout 2000 --min-rate 500 --connection-timeout 3000")
        << QList<Peer>{
               refused("header not complete", Peer{}, 1500),
               refused("header not complete", headerDrip, 1500),
               refused("silent", Peer{heldBody(1000)}, 2000),
               refused("too slowly", Peer{announcing(4000), body.left(4000), 10}, 1875),
               refused("upload not complete", Peer{announcing(8000), body, 100}, 3000),
               answered(Peer{{}, upload, int(upload.size() / 8 + 1)}),
           };

    // Bodies over 64 KiB take what they become (7 MB of 100 KiB) of a 16 MiB budget, an address half; small: none.
    const Peer holder{heldBody(100 * 1024)};
    QTest::newRow("memory budget") << QStringLiteral("--max-buffered 16777216")
                                   << QList<Peer>{holder, refused("server busy", holder), from(3, holder),
                                                  from(4, refused("server busy", holder)), Peer{heldBody(32 * 1024)}};
}

// Each peer gets what its conduct earns (code 14 within the time of its limit), and the server lets go
// of every connection it no longer serves, whether or not the peer hangs up.
void TestServerConnections::peersMeetTheirLimits()
{
    QFETCH(QString, options);
    QFETCH(QList<Peer>, peers);
    constexpr int OPEN_GAP_MS = 50; // the server reads the peers in turn
    start(options.split(QLatin1Char(' ')));

    int ticks = 0;
    const auto tick = [&] {
        for (Peer& p : peers)
            if (p.connection)
                p.step(ticks);
    };
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        ++ticks;
        tick();
    });
    ticker.start(TICK_MS);
    for (Peer& p : peers) {
        QVERIFY(p.connect(limited->port()));
        QTest::qWait(OPEN_GAP_MS);
    }
    verifyAnswered();

    int latestMs = 0;
    int served = 0;
    for (const Peer& p : peers) {
        latestMs = qMax(latestMs, p.latestMs);
        served += p.outcome == Peer::Served;
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(peers.cbegin(), peers.cend(),
                    [](const Peer& p) { return p.outcome == Peer::Served || p.endedAfterMs >= 0; }),
        latestMs);
    // The server closes what it answered or refused after the grace time; these peers never hang up.
    QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore + served, CLOSE_GRACE_MS + SLACK_MS);
    tick(); // the last of what arrived
    for (qsizetype i = 0; i < peers.size(); ++i)
        QVERIFY2(peers[i].gotItsDue(),
                 qPrintable(QStringLiteral("peer %1 after %2 ms: ").arg(i).arg(peers[i].endedAfterMs) +
                            QString::fromLatin1(peers[i].received.left(80))));

    // Once they leave, every place and budget byte is free: the busy address may send most of the budget.
    ticker.stop();
    peers.clear();
    verifyAllLetGo();
    verifyAnswered(BUSY, honestUpload(100 * 1024)); // 200 KiB
}

// Every truncation of an upload, the largest bodies announced but hardly sent, and a client that never
// stops sending: the server keeps none of it and closes the flood after the grace time.
void TestServerConnections::floodsAreDropped()
{
    constexpr int ANNOUNCING = 9; // together half the default budget
    constexpr quint32 LARGEST_BODY = ServerOptions::DEFAULT_MAX_BODY_BYTES;
    start();
    const qint64 rssBefore = rssKiBOf(pid);

    const QByteArray upload = honestUpload();
    for (int length = 0; length < upload.size(); ++length)
        RawConnection(limited->port()).send(upload.left(length));
    std::vector<std::unique_ptr<RawConnection>> announced;
    for (int i = 0; i < ANNOUNCING; ++i) {
        announced.push_back(std::make_unique<RawConnection>(limited->port(), 3));
        QVERIFY(announced.back()->send(announcing(LARGEST_BODY) + QByteArray(1024, 'a')));
    }
    verifyAnswered();

    RawConnection client(limited->port(), 4);
    QVERIFY(client.send(announcing(4096)));
    const QByteArray chunk(64 * 1024, 'f');
    qint64 maxGrowth = 0;
    qint64 sent = 0;
    QElapsedTimer clock;
    clock.start();
    bool closedByServer = false;
    while (!closedByServer && clock.elapsed() < CLOSE_GRACE_MS + SLACK_MS) {
        closedByServer = !client.sendIfRoom(chunk);
        sent += chunk.size();
        if (sent % (16 * chunk.size()) == 0) { // about a GiB a second at most
            maxGrowth = qMax(maxGrowth, rssKiBOf(pid) - rssBefore);
            usleep(1000);
        }
    }
    const qint64 closedAfterMs = clock.elapsed();
    qInfo("the server closed the flooding connection after %lld ms and about %lld MiB; it grew by at most %lld KiB",
          closedAfterMs, sent / (1024 * 1024), maxGrowth);
    QVERIFY2(closedByServer, "the server kept a connection that never stops sending");
    QVERIFY(closedAfterMs >= CLOSE_GRACE_MS * 9 / 10);
    QVERIFY2(maxGrowth < MAX_SERVER_GROWTH_KIB, qPrintable(QString::number(maxGrowth)));
    verifyAnswered();
    announced.clear();
    verifyAllLetGo();
}

// Three places taken by silent clients: a fourth client's upload waits, those behind it are not even
// accepted; when one of the three hangs up, the waiting upload is answered.
void TestServerConnections::fullServerMakesClientsWait()
{
    constexpr int MAX_CONNECTIONS = 3;
    constexpr int BEHIND = 4;
    start({QStringLiteral("--max-connections"), QString::number(MAX_CONNECTIONS)});

    // In one burst: the server finds them in its backlog together and must stop taking after the third.
    std::vector<std::unique_ptr<RawConnection>> clients;
    for (int i = 0; i < MAX_CONNECTIONS + 1 + BEHIND; ++i) {
        clients.push_back(std::make_unique<RawConnection>(limited->port(), i < MAX_CONNECTIONS ? BUSY : HONEST));
        QVERIFY(clients.back()->isConnected()); // the backlog takes them
    }
    RawConnection& uploader = *clients[MAX_CONNECTIONS];
    QVERIFY(uploader.send(honestUpload()));
    bool ended = false;
    QVERIFY(uploader.read(ended, 1000).isEmpty()); // unanswered for a second
    // The three are served, at most the uploader is accepted: the ones behind it cost nothing yet.
    const int whileFull = openFilesOf(pid) - filesBefore;
    QCOMPARE_GE(whileFull, MAX_CONNECTIONS);
    QCOMPARE_LE(whileFull, MAX_CONNECTIONS + 1);

    clients.front()->close();
    const QByteArray reply = uploader.read(ended, exchangeTimeoutMs);
    QVERIFY2(isAnswer(reply), reply.left(100).constData());

    // Everyone leaves; the server takes new clients again.
    clients.clear();
    verifyAllLetGo();
    verifyAnswered();
}

// A member number is no secret: they are given out in order. A stranger who names one without the
// member's membership time writes nothing, and the guesses at that time are rationed per address and
// per member, whatever the number of addresses.
void TestServerConnections::strangersCannotWriteAsAMember()
{
    start();
    ClientStorage member = newcomer(GERMANY, 3, {{CENT_1, GERMANY, 10}});
    unsigned refusal = 0;
    const ServerAnswer joined = answerTo(limited->port(), member, refusal, HONEST);
    member.Membernumber = joined.memberNumber;
    member.MemberSince = joined.memberSince;
    ClientStorage stranger = newcomer(FRANCE, 3, {{EURO_2, FRANCE, 500}});
    stranger.Membernumber = joined.memberNumber;
    int guesses = 0;
    // The code of the refusal, or the answer's flags.
    const auto guessFrom = [&](quint8 octet) {
        stranger.MemberSince = joined.memberSince.addMSecs(++guesses);
        const ServerAnswer answer = answerTo(limited->port(), stranger, refusal, octet);
        return refusal != 0 ? int(refusal) : answer.flags;
    };
    constexpr quint8 FIRST_GUESSER = 10;
    for (int i = 0; i < ClaimLedger::FAILURES_PER_ADDRESS; ++i)
        QCOMPARE(guessFrom(FIRST_GUESSER), 0);
    QCOMPARE(guessFrom(FIRST_GUESSER), int(TCP_SERVER_TIMEOUT));
    QCOMPARE(uploaded(limited->port(), member), joined.memberNumber); // the member's own program, elsewhere
    // More addresses exhaust the member's ration: then nobody's claim is tried.
    const int addresses = ClaimLedger::FAILURES_PER_MEMBER / ClaimLedger::FAILURES_PER_ADDRESS;
    for (quint8 octet = FIRST_GUESSER + 1; octet < FIRST_GUESSER + addresses; ++octet)
        for (int i = 0; i < ClaimLedger::FAILURES_PER_ADDRESS; ++i)
            QCOMPARE(guessFrom(octet), 0);
    QCOMPARE(guessFrom(FIRST_GUESSER + addresses), int(TCP_SERVER_TIMEOUT));

    const QSqlDatabase db = openReadOnly(limited->databaseLocation(), QStringLiteral("claims"));
    QCOMPARE(rowsOf(db, "SELECT COUNT(*) FROM coin_piles WHERE count = 500"), QStringLiteral("0"));
    QCOMPARE(
        rowsOf(db, QStringLiteral("SELECT country FROM members WHERE member_number = %1").arg(joined.memberNumber)),
        QString::number(GERMANY));
}

// Ten of the largest uploads at once: an honest upload beside them is answered within a second, and the
// server's memory stays within what the budget counts for them. Built with AddressSanitizer, the server is
// several times slower and keeps freed memory in quarantine: there the honest upload only must not wait
// for all ten.
void TestServerConnections::largestUploadsLeaveOthersServed()
{
    constexpr int LARGE = 10;
#ifdef __SANITIZE_ADDRESS__
    constexpr bool sanitized = true;
#else
    constexpr bool sanitized = false;
#endif
    const int HONEST_WITHIN_MS = sanitized ? 5000 : 1000;
    start();
    const qint64 before = rssKiBOf(pid);
    std::vector<std::unique_ptr<RawConnection>> senders;
    for (int i = 0; i < LARGE; ++i) { // each another newcomer's
        senders.push_back(std::make_unique<RawConnection>(limited->port(), quint8(3 + i)));
        QVERIFY(senders.back()->send(largestUpload(ServerOptions::DEFAULT_MAX_BODY_BYTES)));
    }
    verifyAnswered(HONEST, honestUpload(), HONEST_WITHIN_MS);
    bool ended = false;
    for (const auto& sender : senders)
        QVERIFY(isAnswer(sender->read(ended, exchangeTimeoutMs)));
    const qint64 grownKiB = rssKiBOf(pid, "VmHWM:") - before;
    QVERIFY2(sanitized || grownKiB < LARGE * PeerLedger::heldWhileStored(ServerOptions::DEFAULT_MAX_BODY_BYTES) / 1024,
             qPrintable(QString::number(grownKiB)));
}

// A thousand idle connections to the web port from one address: the address's places are taken, every
// further connection is refused at once, and an honest upload is answered within a second.
void TestServerConnections::idleBrowsersLeaveUploadsServed()
{
    constexpr int IDLE = 1000;
    constexpr int HONEST_WITHIN_MS = 1000;
    constexpr rlim_t USUAL_FILES = 1024;
    rlimit files{};
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &files), 0);
    if (files.rlim_max < rlim_t(2 * IDLE))
        QSKIP("The test process may not open enough files for the idle connections");
    const rlim_t had = files.rlim_cur;
    files.rlim_cur = USUAL_FILES; // for the server
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &files), 0);
    const quint16 webPort = freePort();
    start({QStringLiteral("--http-port"), QString::number(webPort)});
    files.rlim_cur = qMax(had, rlim_t(2 * IDLE));
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &files), 0);
    std::vector<std::unique_ptr<RawConnection>> idle;
    for (int i = 0; i < IDLE; ++i)
        idle.push_back(std::make_unique<RawConnection>(webPort, BUSY));
    verifyAnswered(HONEST, honestUpload(), HONEST_WITHIN_MS);
    int refused = 0;
    for (const auto& connection : idle) {
        bool ended = false;
        refused += connection->read(ended, 100).startsWith("HTTP/1.1 503") || ended;
    }
    QCOMPARE(refused, IDLE - ServerOptions::DEFAULT_MAX_CONNECTIONS_PER_ADDRESS);
}

QTEST_MAIN(TestServerConnections)
#include "tst_serverconnections.moc"
