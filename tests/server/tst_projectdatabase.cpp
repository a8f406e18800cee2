#include "serverprocess.h"

#include "common/constants.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "server/projectdatabase.h"
#include "server/uploadservice.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

ClientStorage newcomer()
{
    ClientStorage storage;
    storage.setDefaultValues();
    Session session;
    session.insertCoins(6, 4, 2);
    storage.Sessions = {session};
    InvitedPerson person;
    person.name = "Jo";
    person.eMail = "jo@example.org";
    storage.InvitationList = {person};
    return storage;
}

QByteArray bodyOf(const ClientStorage& storage)
{
    return uploadOf(storage).mid(FRAME_HEADER_SIZE);
}

} // namespace

// The database and the answer building in-process, where failures can be
// arranged.
class TestProjectDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void lookupTablesCarryTheClientsIndices();
    void failedUploadLeavesNoTrace();
    void newerAnalysisItemsAreAnnounced();
    void unusableFilesAreRefusedAndKept();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString file;
};

void TestProjectDatabase::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    file = folder->filePath(QStringLiteral("project.sqlite"));
}

void TestProjectDatabase::lookupTablesCarryTheClientsIndices()
{
    for (int opening = 0; opening < 2; ++opening) { // made once, kept when opened again
        ProjectDatabase database;
        QVERIFY2(database.open(file), qPrintable(database.lastError()));
        const QSqlDatabase db = database.database();
        // The dialog's empty spacer items keep their places, so 19 stays 19.
        QCOMPARE(valueOf(db, QStringLiteral("SELECT COUNT(*) || ' ' || MAX(id) FROM member_countries")).toString(),
                 QStringLiteral("31 30"));
        QCOMPARE(valueOf(db, QStringLiteral("SELECT name FROM member_countries WHERE id = 19")).toString(),
                 QStringLiteral("Other European Country"));
        QCOMPARE(valueOf(db, QStringLiteral("SELECT name FROM town_sizes WHERE id = 11")).toString(),
                 QStringLiteral("I do not know it"));
        QCOMPARE(valueOf(db, QStringLiteral("SELECT COUNT(*) FROM coin_values")).toInt(), 8);
        QCOMPARE(valueOf(db, QStringLiteral("SELECT COUNT(*) FROM coin_countries")).toInt(), 16);
        QCOMPARE(valueOf(db, QStringLiteral("SELECT COUNT(*) FROM event_names")).toInt(), 478);
    }
    // It holds e-mail addresses.
    const QFileDevice::Permissions others =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    QCOMPARE(QFile::permissions(file) & others, QFileDevice::Permissions());
}

void TestProjectDatabase::failedUploadLeavesNoTrace()
{
    ProjectDatabase database;
    QVERIFY(database.open(file));
    UploadService service(database);
    QSqlQuery arrange(database.database());
    // The disk fills up just as the invitations are written, after the
    // member, the session and its coins.
    QVERIFY(arrange.exec(QStringLiteral("CREATE TRIGGER full_disk BEFORE INSERT ON invitations"
                                        " BEGIN SELECT RAISE(ABORT, 'disk full'); END")));

    const UploadService::Reply refused = service.handleUpload(bodyOf(newcomer()));
    QCOMPARE(refused.refusal, unsigned(TCP_SERVER_IS_ILL));
    QVERIFY(database.lastError().contains(QLatin1String("disk full")));
    for (const char* table : {"members", "sessions", "coin_piles", "usage_events", "invitations"})
        QVERIFY2(valueOf(database.database(), QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt() ==
                     0,
                 table);

    QVERIFY(arrange.exec(QStringLiteral("DROP TRIGGER full_disk")));
    const UploadService::Reply accepted = service.handleUpload(bodyOf(newcomer()));
    QCOMPARE(accepted.refusal, 0u);
    QCOMPARE(accepted.answer.memberNumber, 1u); // the failed attempt used up no number
    QCOMPARE(accepted.answer.numPurses, 1u);
    QCOMPARE(accepted.answer.totalSumCents, 200u);
}

void TestProjectDatabase::newerAnalysisItemsAreAnnounced()
{
    ProjectDatabase database;
    QVERIFY(database.open(file));
    UploadService service(database, QStringLiteral("Results are out!"));

    // A fresh database offers nothing new.
    ClientStorage returning = newcomer();
    UploadService::Reply reply = service.handleUpload(bodyOf(returning));
    QCOMPARE(reply.answer.flags & ServerAnswer::NewAnalysisData, 0);
    QCOMPARE(reply.answer.serverMessage, std::string("Results are out!"));

    QVERIFY(database.setAnalysisNumbers(AnalysisNumbers{3, 1, 0}));
    returning.Membernumber = reply.answer.memberNumber;
    reply = service.handleUpload(bodyOf(returning));
    QCOMPARE(reply.answer.flags, quint8(ServerAnswer::AnswerOK | ServerAnswer::NewAnalysisData));
    QCOMPARE(reply.answer.lastAnalysisPage, quint16(3));
    QCOMPARE(reply.answer.lastTxtMessage, quint16(1));
    QCOMPARE(reply.answer.lastPicture, quint16(0));

    // Once the client knows them, they are news no more.
    returning.LastAnalysisPage = 3;
    returning.LastTxtMessage = 1;
    reply = service.handleUpload(bodyOf(returning));
    QCOMPARE(reply.answer.flags, quint8(ServerAnswer::AnswerOK));
    QCOMPARE(reply.answer.numPurses, 1u); // the same session every time
}

void TestProjectDatabase::unusableFilesAreRefusedAndKept()
{
    QFile notADatabase(file);
    QVERIFY(notADatabase.open(QIODevice::WriteOnly));
    const QByteArray text = QByteArray("These are the minutes of our coin club, not a database.\n").repeated(100);
    notADatabase.write(text);
    notADatabase.close();
    {
        ProjectDatabase database;
        QVERIFY(!database.open(file));
        QVERIFY(!database.lastError().isEmpty());
        QVERIFY(!database.isOpen());
    }
    QVERIFY(notADatabase.open(QIODevice::ReadOnly));
    QCOMPARE(notADatabase.readAll(), text);
    notADatabase.close();

    // A database made by a newer server is left to that server.
    const QString newer = folder->filePath(QStringLiteral("newer.sqlite"));
    {
        ProjectDatabase database;
        QVERIFY(database.open(newer));
        QSqlQuery bump(database.database());
        QVERIFY(bump.exec(QStringLiteral("PRAGMA user_version = %1").arg(ProjectDatabase::SCHEMA_VERSION + 1)));
    }
    ProjectDatabase database;
    QVERIFY(!database.open(newer));
    QVERIFY(database.lastError().contains(QLatin1String("schema version")));
}

QTEST_GUILESS_MAIN(TestProjectDatabase)
#include "tst_projectdatabase.moc"
