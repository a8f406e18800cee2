#include "common/boxscript.h"
#include "common/modaldriver.h"
#include "serverprocess.h"

#include "net/client.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

constexpr int uploadTimeoutMs = 15000;

const QString serverMessage = QStringLiteral("Counting week: thanks to everybody!");

std::string latin1(const QString& text)
{
    return text.toLatin1().toStdString();
}

Session sessionAt(const QDateTime& entry)
{
    Session session;
    session.entryDateTime = entry;
    return session;
}

} // namespace

// The real client code (the dialogs object with its connection window)
// uploads to the real server process; the database is then read through a
// connection of its own.
class TestServerUpload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void uploadsBecomeMembershipSessionsAndTotals();
    void timesAreKeptAsTheParticipantsClockWroteThem();

private:
    // Runs the connection window as the participant would: "&Open
    // Connection", wait until the exchange is over, "&Quit".
    bool upload(ClientStorage& storage, QString& log);
    ClientStorage participant() const;
    int count(const QString& table) const;

    QTemporaryDir folder;
    QString previousFolder;
    ServerProcess server;
    QString database; // what --database names
    QSqlDatabase db;
};

void TestServerUpload::initTestCase()
{
    QVERIFY(folder.isValid());
    QString whyNot;
    database = freshDatabase(folder.path(), QStringLiteral("project"), whyNot);
    if (database.isEmpty())
        QSKIP(qPrintable(whyNot));
    previousFolder = QDir::currentPath();
    // The upload flow keeps the data file and the archive in the working folder.
    QVERIFY(QDir::setCurrent(folder.path()));
    QVERIFY(server.start(database, {QStringLiteral("--message"), serverMessage}));
    db = openReadOnly(database, QStringLiteral("reader"));
    QVERIFY(db.isOpen());
}

void TestServerUpload::cleanupTestCase()
{
    if (database.isEmpty())
        return; // skipped
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    QVERIFY(server.stopWith(SIGTERM));
    QDir::setCurrent(previousFolder);
}

ClientStorage TestServerUpload::participant() const
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.ServerAddress = "127.0.0.1";
    storage.ServerPort = server.port();
    storage.Country = 5; // Germany
    storage.PostalCode = QStringLiteral("53111");
    storage.CityPopulation = 6;
    storage.eMailAddress = latin1(QStringLiteral("d'arcy.o'neill@example.org"));
    storage.RecommenderName = QStringLiteral("Mary O'Brien");
    storage.RecommenderMembernumbers = {12, 7};
    storage.Message = QStringLiteral("It's great; \"really\" -- '); DROP TABLE members; --");
    storage.SettingsFlags |= ClientStorage::SignedContract | ClientStorage::NecessFilledIn;

    Session first = sessionAt(QDateTime(QDate(2002, 3, 1), QTime(10, 15, 30, 250)));
    first.insertCoins(3, 5, 7); // 7 x 10 cent of Greece
    first.insertCoins(7, 0, 2); // 2 x 2 Euro of Austria
    first.observation = {UserEvent{12, 0}, UserEvent{340, 2049}};
    storage.Sessions = {first};
    storage.TotalEvents = {{0, 3}, {2049, 1}, {65535, 2}};

    storage.InvitationList = {
        InvitedPerson{latin1(QStringLiteral("Siobh\u00e1n O'Brien")), "o'brien@example.ie", 17, false},
        InvitedPerson{"Sent Before", "before@example.org", 0, true}};
    return storage;
}

int TestServerUpload::count(const QString& table) const
{
    return valueOf(db, QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

bool TestServerUpload::upload(ClientStorage& storage, QString& log)
{
    Dialogs dialogs(&storage);
    Client* client = dialogs.client();
    QPushButton* quit = nullptr;
    for (QPushButton* button : client->findChildren<QPushButton*>())
        if (button->text() == QLatin1String("&Quit"))
            quit = button;
    if (!quit)
        return false;
    whenModalAppears(QStringLiteral("client"), [&](QWidget*) {
        client->openButton()->click();
        [[maybe_unused]] const bool over = QTest::qWaitFor(
            [&] {
                return client->uploadSucceeded() ||
                       client->infoView()->toPlainText().contains(QLatin1String("Connection closed properly"));
            },
            uploadTimeoutMs);
        log = client->infoView()->toPlainText();
        quit->click();
    });
    return dialogs.openClientForUploadAndIfSuccessStoreEverything();
}

void TestServerUpload::uploadsBecomeMembershipSessionsAndTotals()
{
    BoxScript boxes;
    ClientStorage storage = participant();
    QString log;
    // The server's status as the connection window shows it.
    const auto status = [](int purses, const char* sum, const QString& country) {
        return QStringLiteral("# members:  1\n# purses :  %1\nTotal Uploaded Sum:  %2 Euro\nlast upload from: %3\n"
                              "suggested next session around: %4\n")
            .arg(purses)
            .arg(QLatin1String(sum), country, QDate::currentDate().addDays(7).toString(Qt::TextDate));
    };

    // A participant without a member number becomes one.
    QVERIFY(upload(storage, log));
    QCOMPARE(boxes.count(), 0);
    const quint32 member = storage.Membernumber;
    QVERIFY(member != 0);
    QVERIFY(QString::fromLatin1(storage.Welcome.c_str()).contains(QString::number(member)));
    QVERIFY(storage.MemberSince.isValid() && storage.MemberSince.date().year() > 2002);
    QVERIFY2(log.contains(status(1, "4.7", QString())), qPrintable(log)); // nobody uploaded before
    QVERIFY(log.contains(serverMessage));

    // Everything arrived with its values, quotes included.
    const QString who = QString::number(member);
    QCOMPARE(rowsOf(db, "SELECT country, postal_code, town_size, email, recommender_name FROM members"),
             QStringLiteral("5|53111|6|d'arcy.o'neill@example.org|Mary O'Brien"));
    QCOMPARE(rowsOf(db, "SELECT recommender_number FROM recommenders ORDER BY position"), QStringLiteral("12;7"));
    QCOMPARE(rowsOf(db, "SELECT message FROM member_messages"), participant().Message);
    QCOMPARE(rowsOf(db, "SELECT member_number, entry_datetime, sum_cents FROM sessions"),
             who + QStringLiteral("|2002-03-01 10:15:30.250|470"));
    QCOMPARE(rowsOf(db, "SELECT v.name, c.name, p.count FROM coin_piles p JOIN coin_values v ON v.id = p.coin_value"
                        " JOIN coin_countries c ON c.id = p.coin_country ORDER BY p.position"),
             QStringLiteral("10c|Greece|7;2e|Austria|2"));
    QCOMPARE(rowsOf(db, "SELECT e.time_hundredths, n.name FROM usage_events e"
                        " JOIN event_names n ON n.id = e.event_id ORDER BY e.position"),
             QStringLiteral("12|Start;340|CellEdited(3,4)"));
    QCOMPARE(rowsOf(db, "SELECT event_id, total FROM event_totals ORDER BY event_id"),
             QStringLiteral("0|3;2049|1;65535|2"));
    QCOMPARE(rowsOf(db, "SELECT member_number, name, email, coin FROM invitations"),
             who + QStringLiteral("|Siobh\u00e1n O'Brien|o'brien@example.ie|17"));
    QCOMPARE(rowsOf(db, "SELECT m.name FROM members JOIN member_countries m ON m.id = members.country"),
             QStringLiteral("Germany"));

    // The member comes back with a new counting and a new friend.
    storage.Country = 8; // moved to Italy
    Session second = sessionAt(QDateTime(QDate(2002, 3, 9), QTime(18, 0, 0, 5)));
    second.insertCoins(0, 14, 9);                                                       // 9 x 1 cent of the Vatican
    storage.Sessions = {second, sessionAt(QDateTime(QDate(2002, 3, 9), QTime(18, 5)))}; // and one not counted
    storage.InvitationList.append(InvitedPerson{"Anna", "anna@example.org", 3, false});

    QVERIFY(upload(storage, log));
    QCOMPARE(storage.Membernumber, member);
    QVERIFY(log.contains(QStringLiteral("The Server says: 'Thanks, member %1'").arg(member)));
    QVERIFY2(log.contains(status(2, "4.79", QStringLiteral("Germany"))), qPrintable(log)); // the empty purse is none
    QCOMPARE(count("sessions"), 3);
    QCOMPARE(rowsOf(db, "SELECT country FROM members"), QStringLiteral("8"));
    QCOMPARE(count("invitations"), 2);
    QCOMPARE(count("member_messages"), 1); // the booked message is not sent again
    QCOMPARE(boxes.count(), 0);
}

void TestServerUpload::timesAreKeptAsTheParticipantsClockWroteThem()
{
    // 02:30 on the night the clocks go forward exists in Helsinki and London,
    // not in Berlin, where this server runs.
    ServerProcess berlin;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
    berlin.process().setProcessEnvironment(environment);
    QString whyNot;
    const QString berlinDatabase = freshDatabase(folder.path(), QStringLiteral("berlin"), whyNot);
    QVERIFY2(berlin.start(berlinDatabase), qPrintable(whyNot));
    BoxScript boxes;
    ClientStorage helsinki = participant();
    helsinki.ServerPort = berlin.port();
    QString log;
    for (int round = 0; round < 2; ++round) { // as a newcomer, then as the member
        helsinki.Sessions = {sessionAt(QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::UTC))};
        QVERIFY2(upload(helsinki, log), qPrintable(log));
    }
    QCOMPARE(boxes.count(), 0);
    {
        const QSqlDatabase stored = openReadOnly(berlinDatabase, QStringLiteral("berlin"));
        QCOMPARE(rowsOf(stored, "SELECT entry_datetime FROM sessions"), QStringLiteral("2024-03-31 02:30:00.000"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("berlin"));
}

QTEST_MAIN(TestServerUpload)
#include "tst_serverupload.moc"
