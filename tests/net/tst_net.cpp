// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"
#include "common/filebytes.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "common/utilities.h"
#include "net/client.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QTcpSocket>
#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

constexpr int exchangeTimeoutMs = 5000;

// Hostile servers: the longest stall of the event loop (sanitizer builds are slower).
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 MAX_LOOP_GAP_MS = 2000;
#else
constexpr qint64 MAX_LOOP_GAP_MS = 1000;
#endif
constexpr qint64 QUIT_GRACE_MS = 3000; // "&Quit" leaves after Client::QUIT_DELAY_MS
constexpr int WATCH_MS = 1500;         // a server that never finishes, before "&Quit"
constexpr int SCENARIO_LIMIT_MS = 30000;
constexpr qint64 FLOOD_LIMIT = qint64(256) * 1024 * 1024;
constexpr qint64 FLOOD_CHUNK = 64 * 1024 + 1;
// The client keeps at most one answer and one byte more in its socket.
constexpr qint64 MAX_CLIENT_BUFFER = FRAME_HEADER_SIZE + qint64(MAX_ANSWER_BODY_SIZE) + 1;

// The answer record with every number set and all texts empty.
ServerAnswer numbersOnly()
{
    ServerAnswer a;
    a.version = 3; // never written: the writer puts its own version
    a.flags = 0x21;
    a.serverPort = 4554;
    a.memberNumber = 12345;
    a.memberSince = QDateTime(QDate(2002, 2, 1), QTime(0, 0, 1, 500));
    a.newestVersion = 108;
    a.lastTxtMessage = 7;
    a.lastPicture = 9;
    a.lastAnalysisPage = 5;
    a.nextSessionDate = QDate(2002, 2, 1);
    a.numMembers = 1000;
    a.numPurses = 2000;
    a.totalSumCents = 123456789;
    a.lastUploadCountry = 5;
    return a;
}

const QByteArray numbersOnlyBytes = QByteArray::fromHex(
    "006b 21 00000000 11ca 00000000 00000000 00003039 00000000 00256b53 000005dc 006c 0007 0009 0005 00256b53 "
    "000003e8 000007d0 075bcd15 05 00000000 00000000");

// Fields that differ from the stored ones: only their own bits may bring them into the storage.
ServerAnswer answerWith(quint8 flags)
{
    ServerAnswer a = numbersOnly();
    a.flags = flags;
    a.serverAddress = "other.example.org";
    a.serverPort = 4555;
    a.ftpServer = "ftp.other.example.org";
    a.downloadLocation = "http://example.org/download";
    a.welcome = "Welcome to the project!";
    return a;
}

// A newcomer's answer; with one byte changed, one the client refuses.
QByteArray newMemberMessage(int at = 0, char byte = 0)
{
    ServerAnswer a;
    a.flags = ServerAnswer::AnswerOK | ServerAnswer::NewMember;
    a.memberNumber = 777;
    QByteArray message = answerMessage(a);
    if (at > 0)
        message[FRAME_HEADER_SIZE + at] = byte;
    return message;
}

QString problemText(unsigned code)
{
    return QStringLiteral("A problem occurred:\n (%1) ").arg(code) + errormessage[code] +
           QStringLiteral("\nSuggested solution:\n ") + errorHelpOf(code);
}

template <typename Record> QByteArray written(const Record& record)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << record;
    return bytes;
}

// Reads bytes as an answer; returns the thrown code, or 0 when it was read.
unsigned readCode(const QByteArray& bytes, ServerAnswer& answer)
{
    try {
        QDataStream s(bytes);
        s >> answer;
    } catch (const StreamErr& failure) {
        return failure.code();
    }
    return 0;
}

// What a hostile server does, and what the connection window must make of it.
struct Hostile
{
    QByteArray reply{};
    QByteArray flood{};  // then chunk after chunk for as long as the client reads
    int dripMs = 0;      // the reply byte by byte at this pace
    bool hangUp = false; // after the reply
    bool readsUpload = true;
    QString box = "^$"; // pattern of the box's text; of no box by default
    QString event{};    // reported, and then "&Quit" is pressed
    qint64 flooded = 0; // the least the client must have been offered
    int boxOpenMs = 0;  // the box runs its own event loop this long, as a real one does
};

} // namespace

Q_DECLARE_METATYPE(Hostile)

class TestNet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void answerAfterQuitStillCounts();
    void refusedConnectionAndThePortField();
    void failedSendOffersRetryOrQuit();
    void processing_data();
    void processing();
    void uploadAndAnswerFormats();
    void refusalCodeSitsBetweenParenthesisAndComma();
    void windowHoldsOutAgainstHostileServers_data();
    void windowHoldsOutAgainstHostileServers();

private:
    void start()
    {
        client->initClient(QStringLiteral("127.0.0.1"), server->port());
        client->openButton()->click();
    }
    bool finished() const { return events.contains(QStringLiteral("ClientConnectionClosedProperly")); }
    QStringList log() const { return client->infoView()->toPlainText().split(QLatin1Char('\n')); }
    QPushButton* button(const QString& text) const
    {
        for (QPushButton* button : client->findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }

    // The upload flow saves the data file and the archive in the working folder.
    std::unique_ptr<QTemporaryDir> dir;
    QString startFolder;
    std::unique_ptr<ScriptedServer> server;
    ClientStorage storage;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<BoxScript> boxes;
    Client* client = nullptr;
    QStringList events;
};

void TestNet::init()
{
    dir = std::make_unique<QTemporaryDir>();
    startFolder = QDir::currentPath();
    QVERIFY(dir->isValid());
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
    client = static_cast<Client*>(dialogs->client());
    events.clear();
    connect(dialogs.get(), &Dialogs::Event, this, [this](const QString& name) { events << name; });
    boxes = std::make_unique<BoxScript>();
}

void TestNet::cleanup()
{
    boxes.reset();
    dialogs.reset();
    server.reset();
    QDir::setCurrent(startFolder);
    dir.reset();
}

// The server has stored the upload: its answer counts even after "&Quit".
void TestNet::answerAfterQuitStillCounts()
{
    server->script.append({newMemberMessage(), 300});
    start();
    QTRY_VERIFY_WITH_TIMEOUT(server->uploadComplete, exchangeTimeoutMs);
    QSignalSpy rejected(dialogs->clientDialog(), &QDialog::rejected);
    button(QStringLiteral("&Quit"))->click();
    QCOMPARE(events.last(), QStringLiteral("ClientUploadQuitWithoutUpload"));
    QVERIFY(rejected.wait(exchangeTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    QCOMPARE(storage.Membernumber, 777u);
    QVERIFY(!client->infoView()->toPlainText().contains(QStringLiteral("Malfunction")));
}

void TestNet::refusedConnectionAndThePortField()
{
    const quint16 closedPort = server->port();
    server.reset(); // nobody listens there any more
    client->initClient(QStringLiteral("127.0.0.1"), 1);
    client->TESTToggleOpenSendProcessAnswerClose(false); // the beta panel: a port past 65535 is not taken
    const std::pair<int, quint16> typedAndKept[] = {{65536, 1}, {65535, 65535}, {closedPort, closedPort}};
    for (const auto& [typed, kept] : typedAndKept) {
        client->findChildren<QLineEdit*>().at(1)->setText(QString::number(typed));
        button(QStringLiteral("Set &Server Address"))->click();
        QCOMPARE(log().last(), QStringLiteral("Server changed to  127.0.0.1:%1 ").arg(kept));
    }
    client->TESTToggleOpenSendProcessAnswerClose(true);
    client->openButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("ClientProblemExplained")), exchangeTimeoutMs);
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, problemText(TCP_NO_CONNECTION_WITH_SERVER));
    // The connect guard still reports its event, but keeps quiet.
    const QStringList before = log();
    client->ServerNotFound();
    QCOMPARE(events.last(), QStringLiteral("ClientServerNotFound"));
    QCOMPARE(log(), before);
}

void TestNet::failedSendOffersRetryOrQuit()
{
    // Nothing is connected, so writing fails; "Quit now" ends the window, the failure waits once for its flow.
    client->initClient(QStringLiteral("127.0.0.1"), server->port());
    QSignalSpy rejected(dialogs->clientDialog(), &QDialog::rejected);
    for (const int choice : {0, 1}) {
        boxes->answerNext(choice);
        client->socketConnected();
        QCOMPARE(boxes->last().escapeButton, 1);
        QCOMPARE(events.last(),
                 choice ? QStringLiteral("ClientBadDatastreamQuit") : QStringLiteral("ClientBadDatastreamTryAgain"));
        QCOMPARE(rejected.count(), choice);
    }
    try {
        client->rethrowPendingFailure();
        QFAIL("the failure of the send was lost");
    } catch (const NetErr& failure) {
        QCOMPARE(failure.code(), unsigned(TCP_NET_STREAM_ERROR));
    }
    client->rethrowPendingFailure();
}

void TestNet::processing_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QByteArray>("personalMessage");
    QTest::addColumn<QByteArray>("serverMessage");
    QTest::addColumn<QString>("report");  // before the server's status; none for a refused answer
    QTest::addColumn<QString>("closing"); // after it
    const auto row = [](const char* name, int flags, const char* personal, const char* server, const QString& report,
                        const QString& closing = {}) {
        QTest::newRow(name) << flags << QByteArray(personal) << QByteArray(server) << report << closing;
    };
    const QString thanks = QStringLiteral("The Server says: 'Thanks, member 4711'\n---\n");
    const QString version = QStringLiteral("Your programversion is 107, there is a new version 108 out now.\n");
    const QString recommended = QStringLiteral("You should consider to update soon.\n");
    const QString required = QStringLiteral("You have to update, this program version is not appropriate anymore.\n");
    const QString location = QStringLiteral("\nPlease go to http://example.org/download\n---\n");
    row("with messages", 0x01, "Nice to see you again.", "Results of <b>May</b> are online.",
        "A personal message for you, member 4711:\nNice to see you again.\n---\n",
        "Results of <b>May</b> are online.\n---\n");
    row("new member", 0x11, "not shown to a new member", "", "Welcome to the project!\n---\n");
    row("minor update", 0x03, "", "", thanks + "Minor update successful.\n");
    row("update recommended", 0x05, "", "", thanks + version + recommended + location);
    row("update required", 0x09, "", "", thanks + version + required + location);
    row("new analysis data", 0x21, "", "",
        thanks + "New Analysis Data available on the Server: \n 3 pages, 1 text messages and -1 pictures\n\n");
    row("everything but OK", 0xFE, "", "never shown", {});
}

void TestNet::processing()
{
    QFETCH(int, flags);
    QFETCH(QByteArray, personalMessage);
    QFETCH(QByteArray, serverMessage);
    QFETCH(QString, report);
    QFETCH(QString, closing);
    storage.LastAnalysisPage = 2;
    storage.LastTxtMessage = 6;
    storage.LastPicture = 10;
    QTextEdit log;
    ServerAnswer answer = answerWith(quint8(flags));
    answer.personalMessage = personalMessage.toStdString();
    answer.serverMessage = serverMessage.toStdString();
    const bool accepted = flags & ServerAnswer::AnswerOK;
    ClientStorage expected = storage;
    const auto take = [&](int flag, auto& field, const auto& value) {
        if (accepted && (flags & flag))
            field = value;
    };
    take(ServerAnswer::NewMember, expected.Membernumber, 12345u);
    take(ServerAnswer::NewMember, expected.Welcome, std::string("Welcome to the project!"));
    take(ServerAnswer::NewMember, expected.MemberSince, answer.memberSince);
    take(ServerAnswer::MinorUpdate, expected.ServerAddress, std::string("other.example.org"));
    take(ServerAnswer::MinorUpdate, expected.ServerPort, quint16(4555));
    take(ServerAnswer::MinorUpdate, expected.FTPServer, std::string("ftp.other.example.org"));
    take(ServerAnswer::NewAnalysisData, expected.LastAnalysisPage, quint16(5));
    take(ServerAnswer::NewAnalysisData, expected.LastTxtMessage, quint16(7));
    take(ServerAnswer::NewAnalysisData, expected.LastPicture, quint16(9));
    // A country past the selector's last item is unknown.
    answer.lastUploadCountry = quint8(dialogs->settingsDialog()->Country->count());
    const QString status = QStringLiteral("---\nThe actual status on the server:\n# members:  1000\n# purses :  2000\n"
                                          "Total Uploaded Sum:  1.23457e+06 Euro\nlast upload from: an unknown "
                                          "country (%1)\nsuggested next session around: Fri Feb 1 2002\n---\n")
                               .arg(int(answer.lastUploadCountry));

    QCOMPARE(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), &log), accepted);
    const QString shown = log.toPlainText() + QLatin1Char('\n');
    if (accepted)
        QCOMPARE(shown, report + status + closing);
    else // the explanation in seven lines, nothing of the answer
        QCOMPARE(shown.count(QLatin1Char('\n')), 7);
    QVERIFY(storage == expected);
}

// The frame header, the upload and the answer record over its byte example.
void TestNet::uploadAndAnswerFormats()
{
    const QByteArray header = frameHeaderBytes(DATAFILE_MAGIC, 107, 0x80000000u);
    QCOMPARE(header, QByteArray::fromHex("80a3a524006b80000000"));
    FrameHeader read;
    QVERIFY(!parseFrameHeader(header.left(FRAME_HEADER_SIZE - 1), read));
    QVERIFY(parseFrameHeader(header, read));
    QVERIFY(read.hasMagic());
    QVERIFY(startsWithMagic(header));
    QCOMPARE(read.version, quint16(107));
    QCOMPARE(read.bodyLength, 0x80000000u); // unsigned: far too much, not negative
    QVERIFY(!startsWithMagic(header.left(3)));

    // An older state goes out in today's format, as the data file holds it.
    ClientStorage older = storage;
    older.Version = 105;
    const QByteArray message = uploadMessage(older);
    QVERIFY(parseFrameHeader(message, read));
    QVERIFY(read.hasMagic());
    QCOMPARE(read.version, quint16(107));
    QCOMPARE(qint64(read.bodyLength), qint64(message.size() - FRAME_HEADER_SIZE));
    QCOMPARE(message.mid(FRAME_HEADER_SIZE), written(older));
    QCOMPARE(message.mid(FRAME_HEADER_SIZE, 2), QByteArray::fromHex("006b"));

    ServerAnswer back;
    QCOMPARE(written(numbersOnly()), numbersOnlyBytes);
    QCOMPARE(readCode(numbersOnlyBytes, back), 0u);
    QCOMPARE(back.version, quint16(107));
    QCOMPARE(written(back), numbersOnlyBytes);

    // Every byte value survives in every text field; null dates travel as day 0 and come back null.
    ServerAnswer answer = answerWith(0x21);
    for (int b = 0; b < 256; ++b)
        answer.serverMessage.push_back(char(b));
    answer.personalMessage = std::string("\0personal\0", 10);
    answer.memberSince = QDateTime();
    answer.nextSessionDate = QDate();
    QCOMPARE(readCode(written(answer), back), 0u);
    QCOMPARE(written(back), written(answer));
    QVERIFY(back.nextSessionDate.isNull());
    QVERIFY(!back.memberSince.isValid());

    // Versions 105 to 199 are read; cut short, or a text announcing 2 GiB, fails at once.
    const auto withVersion = [](const char* hex) { return QByteArray::fromHex(hex) + numbersOnlyBytes.mid(2); };
    const QList<std::pair<QByteArray, unsigned>> cases = {
        {withVersion("0068"), TCP_SERVER_ANSWER_TOO_OLD_FORMAT},
        {withVersion("0069"), 0},
        {withVersion("00c7"), 0},
        {withVersion("00c8"), TCP_SERVER_ANSWER_TOO_NEW_FORMAT},
        {numbersOnlyBytes.left(65), TCP_SERVER_HAS_BAD_DATA_FORMAT},
        {numbersOnlyBytes.left(3) + QByteArray::fromHex("7fffffff") + numbersOnlyBytes.mid(7),
         TCP_SERVER_HAS_BAD_DATA_FORMAT},
        {numbersOnlyBytes.left(62) + QByteArray::fromHex("00000001"), TCP_SERVER_HAS_BAD_DATA_FORMAT}};
    for (const auto& [bytes, code] : cases) {
        QCOMPARE(readCode(bytes, back), code);
        if (code == 0)
            QCOMPARE(back.version, quint16(quint8(bytes.at(1))));
    }
}

void TestNet::refusalCodeSitsBetweenParenthesisAndComma()
{
    // Only the first "(" counts, and the first "," after it; -1: no code.
    const QList<std::pair<const char*, int>> cases = {
        {"a, b (39, ill (26, new", 39}, {"( 20 ,", 20}, {"no parenthesis 16, at all", -1},
        {"(16 and no comma", -1},       {"(, 16", -1},  {"(1 6, split", -1},
        {"(99999999999, too large", -1}};
    for (const auto& [text, expected] : cases) {
        unsigned code = 99;
        QCOMPARE(refusalCode(QString::fromLatin1(text), code), expected >= 0);
        QCOMPARE(code, expected >= 0 ? unsigned(expected) : 99u); // untouched when there is no code
    }
}

// Whatever a server does, "&Quit" leaves, the client holds one answer at most, and storage and files stay.
void TestNet::windowHoldsOutAgainstHostileServers_data()
{
    QTest::addColumn<Hostile>("hostile");
    const auto row = [](const char* name, const Hostile& hostile) { QTest::newRow(name) << hostile; };
    const auto explained = [](unsigned code) { return QRegularExpression::escape(problemText(code)); };
    const QByteArray twentyLines = "NOPE" + QByteArray("no code in this line\n").repeated(MAX_REFUSAL_LINES);
    const QByteArray laterLines = QByteArray("refused (34, server is ill\n").repeated(FLOOD_CHUNK / 27 + 1);
    const QByteArray x(FLOOD_CHUNK, 'x');
    const QByteArray answer = newMemberMessage();
    const auto announcing = [](quint32 length) { return frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, length); };

    row("flood: 2 GiB announced", {.reply = announcing(0x80000000u),
                                   .flood = x,
                                   .box = explained(TCP_SERVER_HAS_BAD_DATA_FORMAT),
                                   .event = "ClientServerAnswerBroken"});
    // Should the bytes once stand at exactly the announced length, "xx" is read as a version.
    row("flood: more than announced", {.reply = announcing(MAX_ANSWER_BODY_SIZE),
                                       .flood = x,
                                       .box = "^$|" + explained(TCP_SERVER_ANSWER_TOO_NEW_FORMAT),
                                       .flooded = 2 * MAX_CLIENT_BUFFER});
    row("flood: refusal without line end", {.reply = "NOPE",
                                            .flood = QByteArray(FLOOD_CHUNK, 'r'),
                                            .box = "Because server answered:\nDon't know$",
                                            .event = "ClientHadToCloseTheConnectionImproperly"});
    row("flood: endless refusal lines",
        {.reply = twentyLines, .flood = laterLines, .event = "ClientConnectionClosedProperly"});
    row("drip: quit while the answer comes", {.reply = answer, .dripMs = 100});
    row("silence: never reads the upload", {.readsUpload = false});
    for (const int length : {0, 3, 4, 9, 10, int(answer.size()) - 1})
        row(qPrintable(QStringLiteral("garbage: answer cut to %1 bytes").arg(length)),
            {.reply = answer.left(length), .hangUp = true, .event = "ClientConnectionClosedByServer"});
    row("drip: the whole answer, slowly", {.reply = answer, .dripMs = 100, .event = "ClientReceivingAnswer"});

    // An answer is read only at exactly the announced length, a refusal's code only in its first 20 lines.
    const auto refusalLines = [](int codeLine) { // 25 lines, the code on one of them
        const QByteArray line("no code\n");
        return "REFU" + line.repeated(codeLine - 1) + "line (34, server ill\n" + line.repeated(25 - codeLine);
    };
    const QString noLine = QStringLiteral("^Client had to close the connection -?\\d+ for reason 13\n\nBecause "
                                          "server answered:\nDon't know$");
    const QString closed = QStringLiteral("ClientHadToCloseTheConnectionImproperly");
    // The server hangs up while the problem box runs its own event loop: still no malfunction.
    row("answer without OK", {.reply = newMemberMessage(2, char(ServerAnswer::NewMember)),
                              .hangUp = true,
                              .box = explained(TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER),
                              .event = "ClientServerDoesntRecognizeMember",
                              .boxOpenMs = 500});
    row("answer of a newer version", {.reply = newMemberMessage(1, char(200)),
                                      .hangUp = true,
                                      .box = explained(TCP_SERVER_ANSWER_TOO_NEW_FORMAT),
                                      .event = "ClientServerAnswerBroken"});
    row("more bytes than announced", {.reply = answer + '\0'});
    row("refusal across the magic test and the code", {.reply = "ERR (16, too much data\n",
                                                       .dripMs = 20,
                                                       .hangUp = true,
                                                       .box = explained(TCP_CLIENT_SENDS_TOO_MUCH_DATA),
                                                       .event = closed});
    row("refusal without a line", {.reply = "ABCDEFGH", .hangUp = true, .box = noLine, .event = closed});
    row("code on line 20", {.reply = refusalLines(20),
                            .hangUp = true,
                            .box = explained(TCP_SERVER_IS_ILL),
                            .event = "ClientServerBadDataFormat"});
    row("code on line 21", {.reply = refusalLines(21), .hangUp = true, .event = closed});
}

void TestNet::windowHoldsOutAgainstHostileServers()
{
    QFETCH(Hostile, hostile);
    const bool uploads = hostile.event == QLatin1String("ClientReceivingAnswer");
    if (hostile.dripMs > 0)
        server->replyInPieces(hostile.reply, 1, hostile.dripMs);
    else if (!hostile.reply.isEmpty())
        server->reply(hostile.reply);
    if (!hostile.flood.isEmpty())
        server->floodAfterScript(hostile.flood, FLOOD_LIMIT);
    server->hangUpAfterScript = hostile.hangUp;
    server->readsUpload = hostile.readsUpload;
    boxes->holdOpen(hostile.boxOpenMs);
    if (!hostile.readsUpload)
        storage.Message = QString(3 * 1024 * 1024, QLatin1Char('m')); // 6 MiB on the wire: stuck while sent
    QCOMPARE(storage.saveToDisk(DATAFILE_NAME), 0);
    const ClientStorage storageBefore = storage;
    const QByteArray fileBefore = readAll(DATAFILE_NAME);

    // Watches memory, buffers and the event loop; presses "&Quit" when the row's moment has come.
    auto* socket = client->findChild<QTcpSocket*>();
    QPushButton* quit = button(QStringLiteral("&Quit"));
    QVERIFY(socket);
    QVERIFY(quit);
    qint64 maxLoopGap = 0, maxBuffered = 0, maxUnsent = 0, quitToEnd = -1;
    bool quitFailed = false;
    QElapsedTimer clock, sinceTick, sinceQuit;
    connect(socket, &QTcpSocket::readyRead, this, [&] { maxBuffered = qMax(maxBuffered, socket->bytesAvailable()); });
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, this, [&] {
        maxLoopGap = qMax(maxLoopGap, sinceTick.restart());
        maxBuffered = qMax(maxBuffered, socket->bytesAvailable());
        maxUnsent = qMax(maxUnsent, socket->bytesToWrite());
        if (boxes->isOpen())
            return; // "&Quit" cannot be reached past a modal box
        const bool moment = boxes->count() > 0 || events.contains(hostile.event) || client->uploadSucceeded() ||
                            (hostile.event.isEmpty() && server->accepted && clock.elapsed() > WATCH_MS &&
                             server->floodSent >= hostile.flooded);
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
    QCOMPARE_GE(quitToEnd, 0);
    QCOMPARE_LT(quitToEnd, QUIT_GRACE_MS);
    QVERIFY2(maxLoopGap < MAX_LOOP_GAP_MS, qPrintable(QString::number(maxLoopGap)));
    QVERIFY2(maxBuffered <= MAX_CLIENT_BUFFER, qPrintable(QString::number(maxBuffered)));
    QCOMPARE_LE(boxes->count(), 1);
    QVERIFY2(QRegularExpression(hostile.box).match(boxes->count() ? boxes->last().text : QString()).hasMatch(),
             qPrintable(boxes->count() ? boxes->last().text : QStringLiteral("no box")));
    if (!hostile.event.isEmpty())
        QVERIFY2(events.contains(hostile.event), qPrintable(events.join(QLatin1Char(' '))));
    const QString log = client->infoView()->toPlainText();
    // Only a server that breaks off is reported as a malfunction.
    QCOMPARE(log.contains(QStringLiteral("Malfunction")),
             hostile.event == QLatin1String("ClientConnectionClosedByServer"));
    if (boxes->count()) { // explained in the window too, and another attempt may follow
        QVERIFY(log.contains(boxes->last().text));
        QVERIFY(client->openButton()->isEnabled());
        QVERIFY(!hostile.hangUp || events.contains(QStringLiteral("ClientConnectionClosedProperly")));
    }
    QVERIFY(server->floodSent >= hostile.flooded || boxes->count() > 0);
    QVERIFY2(hostile.readsUpload || maxUnsent > 0, "the upload went out whole: the server did read");
    QCOMPARE(server->uploadComplete, hostile.readsUpload);
    if (uploads) { // read once and taken over; one upload per window
        QVERIFY(uploaded);
        QCOMPARE(storage.Membernumber, 777u);
        QVERIFY(!client->openButton()->isEnabled());
        QCOMPARE(events.count(QStringLiteral("ClientReceivingAnswer")), 1);
        return;
    }
    if (hostile.dripMs > 0)
        QTest::qWait(5 * hostile.dripMs); // what comes after "&Quit" changes nothing either
    QVERIFY(!uploaded);
    QVERIFY(!events.contains(QStringLiteral("ClientReceivingAnswer")) || boxes->count() > 0);
    QVERIFY(storage == storageBefore);
    QVERIFY(readAll(DATAFILE_NAME) == fileBefore);
    QVERIFY(!QFile::exists(ARCHIVEFILE_NAME));
    QVERIFY(events.contains(QStringLiteral("ClientWindowAborted")));
}

QTEST_MAIN(TestNet)
#include "tst_net.moc"
