#include "common/boxscript.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

#include "common/constants.h"
#include "common/utilities.h"
#include "net/client.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// How often the watch looks at the window while a server misbehaves.
constexpr int WATCH_INTERVAL_MS = 10;
// The event loop must never stall longer than this, whatever arrives; the
// slack is for sanitizer builds and busy machines.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 MAX_LOOP_GAP_MS = 2000;
#else
constexpr qint64 MAX_LOOP_GAP_MS = 1000;
#endif
// "&Quit" leaves the window after Client::QUIT_DELAY_MS; give it ample time.
constexpr qint64 QUIT_GRACE_MS = 3000;
// How long a server that never finishes is watched before "&Quit".
constexpr int WATCH_MS = 1500;
constexpr int TRICKLE_DELAY_MS = 100;
constexpr int SCENARIO_LIMIT_MS = 30000;

// Floods: more than the client could ever hold, in pieces the server keeps
// topping up as long as the client takes them.
constexpr qint64 FLOOD_LIMIT = qint64(256) * 1024 * 1024;
constexpr qint64 FLOOD_CHUNK = 64 * 1024 + 1;

// The client keeps at most one answer and one byte more in its socket.
constexpr qint64 MAX_CLIENT_BUFFER = FRAME_HEADER_SIZE + qint64(MAX_ANSWER_BODY_SIZE) + 1;
// Growth of the whole process (server included) during a scenario; a
// sanitizer build holds freed memory back for a while.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 MAX_RSS_GROWTH_KIB = 192 * 1024;
#else
constexpr qint64 MAX_RSS_GROWTH_KIB = 48 * 1024;
#endif

qint64 rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

// The smallest answer that registers a new member.
ServerAnswer newMemberAnswer()
{
    ServerAnswer answer;
    answer.flags = ServerAnswer::AnswerOK | ServerAnswer::NewMember;
    answer.memberNumber = 777;
    answer.memberSince = QDateTime(QDate(2002, 6, 15), QTime(12, 0));
    answer.nextSessionDate = QDate(2002, 7, 1);
    return answer;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString problemText(unsigned code)
{
    return QStringLiteral("A problem occurred:\n (%1) ").arg(code) + errormessage[code] +
           QStringLiteral("\nSuggested solution:\n ") + errorhelp[code];
}

} // namespace

class TestHostileServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hugeAnnouncedLength();
    void endlessAnswer();
    void refusalWithoutLineEnds();
    void endlessRefusalLines();
    void oneByteEvery100ms();
    void quitWhileBytesTrickle();
    void silentServer();
    void serverThatNeverReads();
    void answerCutShortAnywhere();

private:
    // What the watch saw during one upload.
    struct Run
    {
        bool uploaded = false;
        bool quitClicked = false;
        bool quitFailed = false; // the test had to close the window itself
        qint64 quitToEndMs = -1;
        qint64 maxBuffered = 0;
        qint64 maxUnsent = 0;
        qint64 maxRssGrowthKiB = 0;
        qint64 maxLoopGapMs = 0;
    };

    // Points the storage at the server and saves the data file the upload
    // flow would later replace.
    void prepare();
    // Runs the whole upload flow with its modal connection window: opens the
    // connection, watches memory and the event loop, and presses "&Quit" once
    // readyToQuit says so (or after limitMs).
    Run upload(const std::function<bool()>& readyToQuit, int limitMs = SCENARIO_LIMIT_MS);
    // The window was usable throughout and left by "&Quit", the client held
    // no more than one answer, and nothing of the server's was taken over.
    void verifyHeldOut(const Run& run);
    // Nothing of the server's reached the storage or the files.
    void verifyNothingChanged(const Run& run);
    // Sends first, then chunk after chunk for as long as the client reads.
    void flood(const QByteArray& first, const QByteArray& chunk);
    bool eventSeen(const char* name) const { return events.contains(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> dir;
    QString startFolder;
    std::unique_ptr<ScriptedServer> server;
    ClientStorage storage;
    ClientStorage storageBefore;
    QByteArray fileBefore;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<BoxScript> boxes;
    QStringList events;
};

void TestHostileServer::init()
{
    // The upload flow saves the data file and the archive in the working folder.
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    startFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));

    storage = ClientStorage();
    storage.setDefaultValues();
    storage.FavouriteCoin = 9;
    storage.Membernumber = 4711;
    Session counted(0, QDateTime(QDate(2002, 3, 1), QTime(10, 0)), FORMAT_VERSION);
    counted.insertCoins(3, 5, 12);
    storage.Sessions = {counted};
    server = std::make_unique<ScriptedServer>();
    dialogs = std::make_unique<Dialogs>(&storage);
    events.clear();
    connect(dialogs.get(), &Dialogs::Event, this, [this](const QString& name) { events << name; });
    boxes = std::make_unique<BoxScript>();
}

void TestHostileServer::cleanup()
{
    boxes.reset();
    dialogs.reset();
    server.reset();
    QDir::setCurrent(startFolder);
    dir.reset();
}

void TestHostileServer::prepare()
{
    storage.ServerAddress = "127.0.0.1";
    storage.ServerPort = server->port();
    QCOMPARE(storage.saveToDisk(DATAFILE_NAME), 0);
    storageBefore = storage;
    fileBefore = readAll(DATAFILE_NAME);
    QVERIFY(!fileBefore.isEmpty());
}

TestHostileServer::Run TestHostileServer::upload(const std::function<bool()>& readyToQuit, int limitMs)
{
    Run run;
    Client* client = dialogs->client();
    auto* socket = client->findChild<QTcpSocket*>();
    QPushButton* quit = nullptr;
    for (QPushButton* button : client->findChildren<QPushButton*>())
        if (button->text() == QLatin1String("&Quit"))
            quit = button;
    if (!socket || !quit) {
        qWarning("the connection window has no socket or no \"&Quit\"");
        return run;
    }

    const qint64 rssBefore = rssKiB();
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QElapsedTimer sinceQuit;
    // What the client leaves in its socket after each arrival, and between.
    const QMetaObject::Connection arrivals = connect(socket, &QTcpSocket::readyRead, this, [&] {
        run.maxBuffered = qMax(run.maxBuffered, socket->bytesAvailable());
    });
    QTimer watch;
    watch.setInterval(WATCH_INTERVAL_MS);
    connect(&watch, &QTimer::timeout, this, [&] {
        run.maxLoopGapMs = qMax(run.maxLoopGapMs, sinceTick.restart());
        run.maxBuffered = qMax(run.maxBuffered, socket->bytesAvailable());
        run.maxUnsent = qMax(run.maxUnsent, socket->bytesToWrite());
        run.maxRssGrowthKiB = qMax(run.maxRssGrowthKiB, rssKiB() - rssBefore);
        if (!run.quitClicked && (readyToQuit() || clock.elapsed() > limitMs)) {
            run.quitClicked = true;
            sinceQuit.start();
            quit->click();
        } else if (run.quitClicked && !run.quitFailed && sinceQuit.elapsed() > QUIT_GRACE_MS) {
            run.quitFailed = true;
            dialogs->clientDialog()->reject();
        }
    });
    whenModalAppears(QStringLiteral("client"), [&](QWidget*) {
        clock.start();
        sinceTick.start();
        watch.start();
        client->openButton()->click();
    });
    run.uploaded = dialogs->openClientForUploadAndIfSuccessStoreEverything();
    watch.stop();
    disconnect(arrivals);
    if (run.quitClicked)
        run.quitToEndMs = sinceQuit.elapsed();
    return run;
}

void TestHostileServer::verifyHeldOut(const Run& run)
{
    verifyNothingChanged(run);
    QVERIFY(run.quitClicked);
    QVERIFY2(!run.quitFailed, "\"&Quit\" did not leave the connection window");
    QVERIFY(run.quitToEndMs >= 0 && run.quitToEndMs < QUIT_GRACE_MS);
    QVERIFY2(run.maxLoopGapMs < MAX_LOOP_GAP_MS, qPrintable(QString::number(run.maxLoopGapMs)));
    QVERIFY2(run.maxBuffered <= MAX_CLIENT_BUFFER, qPrintable(QString::number(run.maxBuffered)));
    QVERIFY2(run.maxRssGrowthKiB < MAX_RSS_GROWTH_KIB, qPrintable(QString::number(run.maxRssGrowthKiB)));
}

void TestHostileServer::verifyNothingChanged(const Run& run)
{
    QVERIFY(!run.uploaded);
    QVERIFY(!dialogs->client()->uploadSucceeded());
    QVERIFY(storage == storageBefore);
    QVERIFY(readAll(DATAFILE_NAME) == fileBefore);
    QVERIFY(!QFile::exists(ARCHIVEFILE_NAME));
    QVERIFY(eventSeen("ClientWindowAborted"));
}

void TestHostileServer::flood(const QByteArray& first, const QByteArray& chunk)
{
    server->reply(first);
    server->floodAfterScript(chunk, FLOOD_LIMIT);
    server->hangUpAfterScript = false;
    prepare();
}

// A header that announces 2 GiB, and the bytes keep coming.
void TestHostileServer::hugeAnnouncedLength()
{
    flood(frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, 0x80000000u), QByteArray(FLOOD_CHUNK, 'x'));
    const Run run = upload([this] { return boxes->count() > 0; });

    verifyHeldOut(run);
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, problemText(TCP_SERVER_HAS_BAD_DATA_FORMAT));
    QVERIFY(eventSeen("ClientServerAnswerBroken"));
    QVERIFY(!eventSeen("ClientReceivingAnswer"));
}

// A length the client accepts, and then more bytes than it announced,
// without end: the client holds one answer's worth and waits. (Should the
// bytes once stand at exactly the announced length, the client reads them
// as an answer and finds it broken, which is as good.)
void TestHostileServer::endlessAnswer()
{
    flood(frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, MAX_ANSWER_BODY_SIZE), QByteArray(FLOOD_CHUNK, 'x'));
    QElapsedTimer watched;
    watched.start();
    const Run run = upload([&] {
        return boxes->count() > 0 || (server->floodSent > 2 * MAX_CLIENT_BUFFER && watched.elapsed() > WATCH_MS);
    });

    verifyHeldOut(run);
    if (boxes->count() > 0) {
        QCOMPARE(boxes->count(), 1);
        QCOMPARE(boxes->last().text, problemText(TCP_SERVER_ANSWER_TOO_NEW_FORMAT)); // "xx" read as the version
    } else {
        QVERIFY2(server->floodSent > 2 * MAX_CLIENT_BUFFER, qPrintable(QString::number(server->floodSent)));
    }
}

// A refusal that never ends its line: megabytes offered, 64 KiB looked at.
void TestHostileServer::refusalWithoutLineEnds()
{
    flood("NOPE", QByteArray(FLOOD_CHUNK, 'r'));
    const Run run = upload([this] { return boxes->count() > 0; });

    verifyHeldOut(run);
    QVERIFY(server->floodSent >= MAX_REFUSAL_BYTES);
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().title, QStringLiteral("Communication with Server failed"));
    QVERIFY(boxes->last().text.endsWith(QStringLiteral("Because server answered:\nDon't know")));
}

// Refusal lines without end: twenty are read, and the code that only later
// lines carry is never seen.
void TestHostileServer::endlessRefusalLines()
{
    QByteArray first("NOPE");
    for (int line = 0; line < MAX_REFUSAL_LINES; ++line)
        first += "no code in this line\n";
    QByteArray later;
    while (later.size() < FLOOD_CHUNK)
        later += "refused (34, server is ill\n";
    flood(first, later);
    const Run run = upload([this] { return eventSeen("ClientConnectionClosedProperly"); });

    verifyHeldOut(run);
    QVERIFY(eventSeen("ClientHadToCloseTheConnectionImproperly"));
    QCOMPARE(boxes->count(), 0);
}

// An answer at one byte every 100 ms: slow, but whole. The window stays
// responsive all the while, and in the end the upload counts and the data
// file is saved: the same watch sees a change when there is one.
void TestHostileServer::oneByteEvery100ms()
{
    const QByteArray message = answerMessage(newMemberAnswer());
    server->replyInPieces(message, 1, TRICKLE_DELAY_MS);
    prepare();
    const Run run = upload([this] { return dialogs->client()->uploadSucceeded(); });

    QVERIFY(run.uploaded);
    QVERIFY(!run.quitFailed);
    QVERIFY2(run.maxLoopGapMs < MAX_LOOP_GAP_MS, qPrintable(QString::number(run.maxLoopGapMs)));
    QCOMPARE(events.count(QStringLiteral("ClientReceivingAnswer")), 1);
    QCOMPARE(boxes->count(), 0);
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), 0);
    QCOMPARE(saved.Membernumber, 777u);
    QCOMPARE(saved.NumberOfUploads, 1u);
    QVERIFY(saved.Sessions.isEmpty());
    QVERIFY(QFile::exists(ARCHIVEFILE_NAME));
}

// Leaving while an answer trickles in: what arrives later changes nothing.
void TestHostileServer::quitWhileBytesTrickle()
{
    server->replyInPieces(answerMessage(newMemberAnswer()), 1, TRICKLE_DELAY_MS);
    prepare();
    QElapsedTimer watched;
    watched.start();
    const Run run = upload([&] { return watched.elapsed() > 10 * TRICKLE_DELAY_MS; });

    verifyHeldOut(run);
    QTest::qWait(5 * TRICKLE_DELAY_MS);
    QVERIFY(storage == storageBefore);
    QVERIFY(!eventSeen("ClientReceivingAnswer"));
}

// A server that takes the upload and never says a word.
void TestHostileServer::silentServer()
{
    server->hangUpAfterScript = false;
    prepare();
    QElapsedTimer watched;
    watched.start();
    const Run run = upload([&] { return server->uploadComplete && watched.elapsed() > WATCH_MS; });

    verifyHeldOut(run);
    QVERIFY(server->uploadComplete);
    QCOMPARE(boxes->count(), 0);
}

// A server that accepts the connection and never reads: an upload larger
// than every buffer on the way gets stuck while being sent.
void TestHostileServer::serverThatNeverReads()
{
    server->readsUpload = false;
    storage.Message = QString(3 * 1024 * 1024, QLatin1Char('m')); // 6 MiB on the wire
    prepare();
    QElapsedTimer watched;
    watched.start();
    const Run run = upload([&] { return server->accepted && watched.elapsed() > WATCH_MS; });

    verifyHeldOut(run);
    QVERIFY2(run.maxUnsent > 0, "the upload went out whole: the server did read");
    QCOMPARE(boxes->count(), 0);
}

// An answer cut short at every length by a server that then hangs up: each
// time the client reports the closed connection and takes nothing over.
void TestHostileServer::answerCutShortAnywhere()
{
    const QByteArray message = answerMessage(newMemberAnswer());
    for (int length = 0; length < message.size(); ++length) {
        if (length > 0) {
            cleanup();
            init();
        }
        server->reply(message.left(length));
        prepare();
        const Run run = upload([this] { return eventSeen("ClientConnectionClosedByServer"); });

        const QString what = QStringLiteral("cut to %1 bytes").arg(length);
        QVERIFY2(eventSeen("ClientConnectionClosedByServer"), qPrintable(what));
        QVERIFY2(!run.quitFailed, qPrintable(what));
        QVERIFY2(boxes->count() == 0, qPrintable(what));
        QVERIFY2(!eventSeen("ClientReceivingAnswer"), qPrintable(what));
        verifyNothingChanged(run);
    }
}

QTEST_MAIN(TestHostileServer)
#include "tst_hostileserver.moc"
