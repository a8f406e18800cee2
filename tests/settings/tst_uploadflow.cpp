#include "common/boxscript.h"
#include "common/eventnames.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "counting/slideshow.h"
#include "net/client.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

Session countedSession(int coin, int country, unsigned count, int day)
{
    Session session(0, QDateTime(QDate(2002, 6, day), QTime(9, 30)), FORMAT_VERSION);
    session.insertCoins(coin, country, count);
    return session;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A whole upload through the dialogs object: connection window, archive,
// booking and saving; and the farewell that follows it. Leaving the window
// without an upload is checked with the hostile servers, which change nothing.
class TestUploadFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void acceptedUploadsAreArchivedBookedAndSaved();
    void unwritableArchiveDoesNotStopTheBooking();
    void damagedArchiveIsReplacedOnlyWhenAllowed();
    void farewellFlipsThroughOneCountry();

private:
    // Opens the connection when the window appears and leaves it with
    // "&Quit" once the upload has succeeded.
    bool upload();

    ScriptedServer server;
    ClientStorage storage;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;
};

void TestUploadFlow::init()
{
    previousDir = QDir::currentPath();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dir->path()));
    ServerAnswer welcome;
    welcome.flags = ServerAnswer::AnswerOK | ServerAnswer::NewMember;
    welcome.memberNumber = 4711;
    server.script.clear();
    server.reply(answerMessage(welcome));
    storage = ClientStorage();
    storage.setDefaultValues();
    storage.ServerAddress = "127.0.0.1";
    storage.ServerPort = server.port();
    storage.Sessions = {countedSession(7, 2, 3, 1)};
    storage.NumFullPurses = 1;
    storage.NumberOfStartsSinceLastUpload = 3;
    storage.Message = QStringLiteral("hello project");
    storage.InvitationList = {InvitedPerson{"Anna", "anna@example.org", 17, false}};
    dialogs = std::make_unique<Dialogs>(&storage, nullptr, QStringLiteral("dialogs"));
}

void TestUploadFlow::cleanup()
{
    dialogs.reset();
    QDir::setCurrent(previousDir);
    dir.reset();
}

bool TestUploadFlow::upload()
{
    whenModalAppears(QStringLiteral("client"), [this](QWidget* window) {
        Client* client = dialogs->client();
        client->openButton()->click();
        auto* waiting = new QTimer(window);
        QObject::connect(waiting, &QTimer::timeout, window, [client, waiting] {
            if (client->uploadSucceeded()) {
                waiting->stop();
                client->quit();
            }
        });
        waiting->start(10);
    });
    return dialogs->openClientForUploadAndIfSuccessStoreEverything();
}

void TestUploadFlow::acceptedUploadsAreArchivedBookedAndSaved()
{
    BoxScript boxes;
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    const Session first = storage.Sessions.first();
    const QDateTime before = QDateTime::currentDateTime();
    QVERIFY(upload());
    QCOMPARE(boxes.count(), 0);
    QVERIFY(eventNames(events).contains(QStringLiteral("ClientWindowClosedProperlyAfterUpload")));

    // Booked: the sessions now live only in the archive and on the server.
    QVERIFY(storage.Sessions.isEmpty());
    QCOMPARE(storage.NumFullPurses, quint16(0));
    QCOMPARE(storage.NumberOfStartsSinceLastUpload, quint16(0));
    QCOMPARE(storage.NumberOfUploads, 1u);
    QVERIFY(storage.LastUpload >= before.addSecs(-1));
    QVERIFY(storage.Message.isEmpty() && !storage.Message.isNull());
    QVERIFY(!(storage.SettingsFlags & ClientStorage::SettingsChanged));
    QVERIFY(storage.InvitationList.first().uploaded);
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QVERIFY(saved == storage);
    ClientStorage archive;
    QCOMPARE(archive.loadFromDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(archive.Sessions, QList<Session>{first});
    QCOMPARE(archive.Membernumber, 4711u);             // the answer came before the archiving
    QVERIFY(!archive.InvitationList.first().uploaded); // as it was uploaded

    // A second upload, in a later run of the program, adds its sessions
    // after the first one's and brings its own settings.
    dialogs = std::make_unique<Dialogs>(&storage, nullptr, QStringLiteral("dialogs"));
    storage.Sessions = {countedSession(0, 0, 5, 2), countedSession(1, 14, 2, 3)};
    storage.NumFullPurses = 2;
    storage.RecommenderName = QStringLiteral("radio");
    QVERIFY(upload());
    QCOMPARE(archive.loadFromDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(archive.Sessions.size(), 3);
    QCOMPARE(archive.Sessions.first(), first);
    QCOMPARE(archive.Sessions.last().sumOfCents(), 4u);
    QCOMPARE(archive.NumFullPurses, quint16(3));
    QCOMPARE(archive.RecommenderName, QStringLiteral("radio"));
    QCOMPARE(storage.NumberOfUploads, 2u);
}

void TestUploadFlow::unwritableArchiveDoesNotStopTheBooking()
{
    QVERIFY(QDir().mkdir(ARCHIVEFILE_NAME)); // cannot be written, not even by root
    BoxScript boxes({0, 1});                 // try again once, then give the archive up
    QVERIFY(upload());
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV cannot save your archive"));
    QVERIFY(boxes.last().text.startsWith(QStringLiteral(
        "Problems with saving the data (error 18)\nProbably the data file 'zuvarchive.zuv' is read-only")));
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(saved.NumberOfUploads, 1u);
    QVERIFY(saved.Sessions.isEmpty());
}

void TestUploadFlow::damagedArchiveIsReplacedOnlyWhenAllowed()
{
    ClientStorage old;
    old.setDefaultValues();
    old.Sessions = {countedSession(3, 3, 1, 5)};
    QCOMPARE(old.saveToDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QByteArray damaged = readAll(ARCHIVEFILE_NAME);
    damaged[damaged.size() - 3] = char(0x09); // the pile's count: the check sum no longer fits
    QFile file(ARCHIVEFILE_NAME);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    file.close();
    {
        BoxScript boxes({1}); // "Quit now\n(loosing new data of today!)"
        QVERIFY_THROWS_EXCEPTION(FileErr, upload());
        QCOMPARE(boxes.last().title, QStringLiteral("ZUV: archive file error"));
        QVERIFY(!storage.Sessions.isEmpty()); // nothing booked
    }
    dialogs = std::make_unique<Dialogs>(&storage, nullptr, QStringLiteral("dialogs")); // the next run
    BoxScript boxes({0});                                                              // "Ignore\nsaved data."
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    QVERIFY(upload());
    QVERIFY(eventNames(events).contains(QStringLiteral("BadArchivefileOverwrite")));
    ClientStorage archive;
    QCOMPARE(archive.loadFromDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(archive.Sessions.size(), 1);
    QCOMPARE(readAll(ARCHIVEFILE_NAME + QStringLiteral(".damaged")), damaged);
}

void TestUploadFlow::farewellFlipsThroughOneCountry()
{
    SlideShow show;
    bool dontNag = true;
    show.loadPictures(QStringLiteral("no-pictures-here/"), PICFILESUFFIX, dontNag);
    QList<qint64> pictures;
    whenModalAppears(QStringLiteral("byebye"), [&pictures](QWidget* farewell) {
        auto* picture = farewell->findChild<QLabel*>();
        auto* watch = new QTimer(farewell);
        QObject::connect(watch, &QTimer::timeout, farewell, [&pictures, picture] {
            const qint64 key = picture->pixmap().cacheKey();
            if (pictures.isEmpty() || pictures.last() != key)
                pictures << key;
        });
        watch->start(2);
    });
    QElapsedTimer clock;
    clock.start();
    dialogs->goodbyeShow(&show);
    QVERIFY(clock.elapsed() >= 3000);
    // The 2 Euro coin first, then a new coin every 80 ms for three seconds.
    const int changes = int(pictures.size()) - 1;
    QVERIFY2(changes >= 36 && changes <= 38, qPrintable(QString::number(changes)));
}

QTEST_MAIN(TestUploadFlow)
#include "tst_uploadflow.moc"
