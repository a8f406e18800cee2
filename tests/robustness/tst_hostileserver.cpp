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

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// The event loop must never stall longer than this, whatever arrives; the
// slack is for sanitizer builds and busy machines. The same goes for the
// growth of the whole process (server included): a sanitizer build holds
// freed memory back for a while.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 MAX_LOOP_GAP_MS = 2000;
constexpr qint64 MAX_RSS_GROWTH_KIB = 192 * 1024;
#else
constexpr qint64 MAX_LOOP_GAP_MS = 1000;
constexpr qint64 MAX_RSS_GROWTH_KIB = 48 * 1024;
#endif
// "&Quit" leaves the window after Client::QUIT_DELAY_MS; give it ample time.
constexpr qint64 QUIT_GRACE_MS = 3000;
// How long a server that never finishes is watched before "&Quit".
constexpr int WATCH_MS = 1500;
constexpr int SCENARIO_LIMIT_MS = 30000;
// Floods: more than the client could ever hold, in pieces the server keeps
// topping up as long as the client takes them.
constexpr qint64 FLOOD_LIMIT = qint64(256) * 1024 * 1024;
constexpr qint64 FLOOD_CHUNK = 64 * 1024 + 1;
// The client keeps at most one answer and one byte more in its socket.
constexpr qint64 MAX_CLIENT_BUFFER = FRAME_HEADER_SIZE + qint64(MAX_ANSWER_BODY_SIZE) + 1;

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

QByteArray newMemberAnswer()
{
    ServerAnswer answer;
    answer.flags = ServerAnswer::AnswerOK | ServerAnswer::NewMember;
    answer.memberNumber = 777;
    return answerMessage(answer);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString explained(unsigned code)
{
    return QRegularExpression::escape(QStringLiteral("A problem occurred:\n (%1) ").arg(code) + errormessage[code] +
                                      QStringLiteral("\nSuggested solution:\n ") + errorhelp[code]);
}

} // namespace

// The whole upload flow, its modal connection window included, against
// servers that flood, drip, fall silent or break off. Whatever they do, the
// window stays usable and is left by "&Quit", the client holds no more than
// one answer, and nothing of theirs reaches the storage or the files.
class TestHostileServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void windowHoldsOut_data();
    void windowHoldsOut();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString startFolder;
    std::unique_ptr<ScriptedServer> server;
    ClientStorage storage;
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
    server = std::make_unique<ScriptedServer>();
    storage = ClientStorage();
    storage.setDefaultValues();
    storage.Membernumber = 4711;
    storage.ServerAddress = "127.0.0.1";
    storage.ServerPort = server->port();
    Session counted(0, QDateTime(QDate(2002, 3, 1), QTime(10, 0)), FORMAT_VERSION);
    counted.insertCoins(3, 5, 12);
    storage.Sessions = {counted};
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

void TestHostileServer::windowHoldsOut_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("flood"); // then chunk after chunk for as long as the client reads
    QTest::addColumn<int>("dripMs");       // the reply byte by byte at this pace
    QTest::addColumn<bool>("hangUp");      // after the reply
    QTest::addColumn<bool>("readsUpload");
    QTest::addColumn<QString>("box");    // pattern of the box's text, or of no box
    QTest::addColumn<QString>("event");  // reported, and then "&Quit" is pressed
    QTest::addColumn<qint64>("flooded"); // the least the client must have been offered

    const auto row = [](const char* name, const QByteArray& reply, const QByteArray& flood, int dripMs, bool hangUp,
                        bool readsUpload, const QString& box, const char* event, qint64 flooded = 0) {
        QTest::newRow(name) << reply << flood << dripMs << hangUp << readsUpload << box << QString::fromLatin1(event)
                            << flooded;
    };
    QByteArray twentyLines("NOPE");
    for (int line = 0; line < MAX_REFUSAL_LINES; ++line)
        twentyLines += "no code in this line\n";
    QByteArray laterLines;
    while (laterLines.size() < FLOOD_CHUNK)
        laterLines += "refused (34, server is ill\n";
    const QByteArray x(FLOOD_CHUNK, 'x');
    const QString none = QStringLiteral("^$");
    const QByteArray answer = newMemberAnswer();
    const auto announcing = [](quint32 length) { return frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, length); };

    row("flood: 2 GiB announced", announcing(0x80000000u), x, 0, false, true, explained(TCP_SERVER_HAS_BAD_DATA_FORMAT),
        "ClientServerAnswerBroken");
    // Should the bytes once stand at exactly the announced length, the client
    // reads them as an answer and finds it broken ("xx" as its version).
    row("flood: more than announced", announcing(MAX_ANSWER_BODY_SIZE), x, 0, false, true,
        none + "|" + explained(TCP_SERVER_ANSWER_TOO_NEW_FORMAT), "", 2 * MAX_CLIENT_BUFFER);
    row("flood: refusal without line end", "NOPE", QByteArray(FLOOD_CHUNK, 'r'), 0, false, true,
        "Because server answered:\nDon't know$", "ClientHadToCloseTheConnectionImproperly");
    row("flood: endless refusal lines", twentyLines, laterLines, 0, false, true, none,
        "ClientConnectionClosedProperly");
    row("drip: quit while the answer comes", answer, {}, 100, false, true, none, "");
    row("silence: never a word", {}, {}, 0, false, true, none, "");
    row("silence: never reads the upload", {}, {}, 0, false, false, none, "");
    for (const int length : {0, 3, 4, 9, 10, int(answer.size()) - 1})
        QTest::addRow("garbage: answer cut to %d bytes", length)
            << answer.left(length) << QByteArray() << 0 << true << true << none
            << QStringLiteral("ClientConnectionClosedByServer") << qint64(0);
    row("drip: the whole answer, slowly", answer, {}, 100, false, true, none, "ClientReceivingAnswer");

    // Answers and refusals the client explains; an answer is read only when
    // exactly the announced bytes are there, a refusal's code only from its
    // first twenty lines.
    QByteArray notOk = answer;
    notOk[FRAME_HEADER_SIZE + 2] = char(ServerAnswer::NewMember);
    QByteArray tooNew = answer;
    tooNew[FRAME_HEADER_SIZE + 1] = char(200);
    const auto refusalLines = [](int codeLine) {
        QByteArray refusal("REFU");
        for (int line = 1; line <= 25; ++line)
            refusal +=
                line == codeLine ? QByteArray("line (34, server ill\n") : "line " + QByteArray::number(line) + "\n";
        return refusal;
    };
    const QString noLine = QStringLiteral("^Client had to close the connection -?\\d+ for reason 13\n\nBecause "
                                          "server answered:\nDon't know$");
    const char* closed = "ClientHadToCloseTheConnectionImproperly";
    const char* badFormat = "ClientServerBadDataFormat";
    const QByteArray refusal("ERR (16, too much data\n");
    row("answer without OK", notOk, {}, 0, true, true, explained(TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER),
        "ClientServerDoesntRecognizeMember");
    row("answer of a newer version", tooNew, {}, 0, true, true, explained(TCP_SERVER_ANSWER_TOO_NEW_FORMAT),
        "ClientServerAnswerBroken");
    row("more bytes than announced", answer + '\0', {}, 0, false, true, none, "");
    row("refusal", refusal, {}, 0, true, true, explained(TCP_CLIENT_SENDS_TOO_MUCH_DATA), badFormat);
    row("refusal across the magic test and the code", refusal, {}, 20, true, true,
        explained(TCP_CLIENT_SENDS_TOO_MUCH_DATA), closed);
    row("refusal without a line", "ABCDEFGH", {}, 0, true, true, noLine, closed);
    row("refusal of four bytes", "NOPE", {}, 0, true, true, noLine, badFormat);
    row("code on line 20", refusalLines(20), {}, 0, true, true, explained(TCP_SERVER_IS_ILL), badFormat);
    row("code on line 21", refusalLines(21), {}, 0, true, true, none, closed);
}

void TestHostileServer::windowHoldsOut()
{
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, flood);
    QFETCH(int, dripMs);
    QFETCH(bool, hangUp);
    QFETCH(bool, readsUpload);
    QFETCH(QString, box);
    QFETCH(QString, event);
    QFETCH(qint64, flooded);
    const bool uploads = event == QLatin1String("ClientReceivingAnswer");
    if (dripMs > 0)
        server->replyInPieces(reply, 1, dripMs);
    else if (!reply.isEmpty())
        server->reply(reply);
    if (!flood.isEmpty())
        server->floodAfterScript(flood, FLOOD_LIMIT);
    server->hangUpAfterScript = hangUp;
    server->readsUpload = readsUpload;
    if (!readsUpload)
        storage.Message = QString(3 * 1024 * 1024, QLatin1Char('m')); // 6 MiB on the wire: stuck while sent
    QCOMPARE(storage.saveToDisk(DATAFILE_NAME), 0);
    const ClientStorage storageBefore = storage;
    const QByteArray fileBefore = readAll(DATAFILE_NAME);

    // Opens the connection, watches memory, buffers and the event loop, and
    // presses "&Quit" when the row's moment has come.
    Client* client = dialogs->client();
    auto* socket = client->findChild<QTcpSocket*>();
    QPushButton* quit = nullptr;
    for (QPushButton* button : client->findChildren<QPushButton*>())
        if (button->text() == QLatin1String("&Quit"))
            quit = button;
    QVERIFY(socket && quit);
    const qint64 rssBefore = rssKiB();
    qint64 maxLoopGap = 0, maxBuffered = 0, maxUnsent = 0, maxRssGrowth = 0, quitToEnd = -1;
    bool quitFailed = false;
    QElapsedTimer clock, sinceTick, sinceQuit;
    connect(socket, &QTcpSocket::readyRead, this, [&] { maxBuffered = qMax(maxBuffered, socket->bytesAvailable()); });
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, this, [&] {
        maxLoopGap = qMax(maxLoopGap, sinceTick.restart());
        maxBuffered = qMax(maxBuffered, socket->bytesAvailable());
        maxUnsent = qMax(maxUnsent, socket->bytesToWrite());
        maxRssGrowth = qMax(maxRssGrowth, rssKiB() - rssBefore);
        const bool moment =
            boxes->count() > 0 || events.contains(event) || client->uploadSucceeded() ||
            (event.isEmpty() && server->accepted && clock.elapsed() > WATCH_MS && server->floodSent >= flooded);
        if (!sinceQuit.isValid() && (moment || clock.elapsed() > SCENARIO_LIMIT_MS)) {
            sinceQuit.start();
            quit->click();
        } else if (sinceQuit.isValid() && !quitFailed && sinceQuit.elapsed() > QUIT_GRACE_MS) {
            quitFailed = true; // the test has to close the window itself
            dialogs->clientDialog()->reject();
        }
    });
    whenModalAppears(QStringLiteral("client"), [&](QWidget*) {
        clock.start();
        sinceTick.start();
        watch.start();
        client->openButton()->click();
    });
    const bool uploaded = dialogs->openClientForUploadAndIfSuccessStoreEverything();
    watch.stop();
    socket->disconnect(this);
    if (sinceQuit.isValid())
        quitToEnd = sinceQuit.elapsed();

    QVERIFY2(!quitFailed, "\"&Quit\" did not leave the connection window");
    QVERIFY(quitToEnd >= 0 && quitToEnd < QUIT_GRACE_MS);
    QVERIFY2(maxLoopGap < MAX_LOOP_GAP_MS, qPrintable(QString::number(maxLoopGap)));
    QVERIFY2(maxBuffered <= MAX_CLIENT_BUFFER, qPrintable(QString::number(maxBuffered)));
    QVERIFY2(maxRssGrowth < MAX_RSS_GROWTH_KIB, qPrintable(QString::number(maxRssGrowth)));
    QVERIFY(boxes->count() <= 1);
    QVERIFY2(QRegularExpression(box).match(boxes->count() ? boxes->last().text : QString()).hasMatch(),
             qPrintable(boxes->count() ? boxes->last().text : QStringLiteral("no box")));
    QVERIFY(event.isEmpty() || events.contains(event));
    const QString log = client->infoView()->toPlainText();
    // Only a server that breaks off is reported as a malfunction.
    QCOMPARE(log.contains(QStringLiteral("Malfunction")), event == QLatin1String("ClientConnectionClosedByServer"));
    if (boxes->count()) { // explained in the window too, and another attempt may follow
        QVERIFY(log.contains(boxes->last().text));
        QVERIFY(client->openButton()->isEnabled());
        QVERIFY(!hangUp || events.contains(QStringLiteral("ClientConnectionClosedProperly")));
    }
    QVERIFY(server->floodSent >= flooded || boxes->count() > 0);
    QVERIFY2(readsUpload || maxUnsent > 0, "the upload went out whole: the server did read");
    QCOMPARE(server->uploadComplete, readsUpload);
    if (uploads) {
        QVERIFY(uploaded);
        QCOMPARE(events.count(QStringLiteral("ClientReceivingAnswer")), 1);
        ClientStorage saved;
        QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), 0);
        QCOMPARE(saved.Membernumber, 777u);
        QVERIFY(saved.Sessions.isEmpty());
        QVERIFY(QFile::exists(ARCHIVEFILE_NAME));
        return;
    }
    if (dripMs > 0)
        QTest::qWait(5 * dripMs); // what comes after "&Quit" changes nothing either
    QVERIFY(!uploaded);
    QVERIFY(!events.contains(QStringLiteral("ClientReceivingAnswer")) || boxes->count() > 0);
    QVERIFY(storage == storageBefore);
    QVERIFY(readAll(DATAFILE_NAME) == fileBefore);
    QVERIFY(!QFile::exists(ARCHIVEFILE_NAME));
    QVERIFY(events.contains(QStringLiteral("ClientWindowAborted")));
}

QTEST_MAIN(TestHostileServer)
#include "tst_hostileserver.moc"
