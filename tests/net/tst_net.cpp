#include "common/boxscript.h"
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

#include <QComboBox>
#include <QDataStream>
#include <QDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int exchangeTimeoutMs = 5000;

// The answer record with every number set and all texts empty: 66 bytes.
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

// An answer whose fields differ from the stored ones: only their own bits
// may bring them into the storage.
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

QByteArray acceptingMessage()
{
    ServerAnswer a = answerWith(ServerAnswer::AnswerOK | ServerAnswer::NewMember | ServerAnswer::MinorUpdate);
    a.memberNumber = 777;
    a.welcome = "Welcome!";
    a.serverAddress = "new.example.org";
    return answerMessage(a);
}

// Answers the client refuses: without the OK flag, of a newer version.
QByteArray notOkMessage()
{
    return answerMessage(answerWith(ServerAnswer::NewMember));
}

QByteArray tooNewMessage()
{
    QByteArray message = acceptingMessage();
    message[FRAME_HEADER_SIZE + 1] = char(200);
    return message;
}

QString problemText(unsigned code)
{
    return QStringLiteral("A problem occurred:\n (%1) ").arg(code) + errormessage[code] +
           QStringLiteral("\nSuggested solution:\n ") + errorhelp[code];
}

QStringList lines(const QTextEdit& log)
{
    return log.toPlainText().split(QLatin1Char('\n'));
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

} // namespace

// The wire format, and the connection window against a scripted server with
// what it makes of the server's answer. The answers and refusals it
// explains, and servers that flood, drip, fall silent or break off, are the
// hostile servers' test.
class TestNet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { dialog.reset(), server.reset(), boxes.reset(); }
    void acceptedUploadTakesTheAnswerOver();
    void theAnswerEndsTheExchangeWhateverHappensMeanwhile_data();
    void theAnswerEndsTheExchangeWhateverHappensMeanwhile();
    void refusedConnectionAndClearWindow();
    void guardsReportButDoNotStopTheAttempt();
    void failedSendOffersRetryOrQuit();
    void processing_data();
    void processing();
    void countersAndCountryNames();
    void uploadAndAnswerFormats();
    void refusalCodeSitsBetweenParenthesisAndComma();

private:
    void start(const QString& host = QStringLiteral("127.0.0.1"))
    {
        client->initClient(host, server->port());
        client->openButton()->click();
    }
    bool finished() const { return events.contains(QStringLiteral("ClientConnectionClosedProperly")); }
    QStringList log() const { return lines(*client->infoView()); }
    bool logHas(const QString& text) const { return client->infoView()->toPlainText().contains(text); }
    void click(const QString& text) const
    {
        for (QPushButton* button : client->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
            if (button->text() == text)
                button->click();
    }

    std::unique_ptr<ScriptedServer> server;
    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<BoxScript> boxes;
    Client* client = nullptr;
    ClientStorage storage;
    QStringList events;
};

void TestNet::init()
{
    storage = ClientStorage();
    storage.setDefaultValues();
    storage.Membernumber = 4711;
    server = std::make_unique<ScriptedServer>();
    boxes = std::make_unique<BoxScript>();
    dialog = std::make_unique<QDialog>();
    client = new Client(&storage, nullptr, dialog.get(), QStringLiteral("clientobject"));
    events.clear();
    connect(client, &Client::Event, this, [this](const QString& name) { events << name; });
}

void TestNet::acceptedUploadTakesTheAnswerOver()
{
    const QByteArray expectedUpload = uploadMessage(storage);
    server->reply(acceptingMessage());
    start();
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    QCOMPARE(server->received, expectedUpload);
    QVERIFY(client->uploadSucceeded() && !client->openButton()->isEnabled());
    QCOMPARE(storage.Membernumber, 777u);
    QCOMPARE(storage.ServerAddress, std::string("new.example.org"));
    QCOMPARE(boxes->count(), 0);
    QCOMPARE(events, QStringList({"ClientStarted", "ClientOpenConnection", "ClientServerDNSFound",
                                  "ClientServerConnected", "ClientSendToServer", "ClientReceivingAnswer",
                                  "ClientCloseConnection", "ClientConnectionClosedProperly"}));
    QCOMPARE(log().mid(0, 8),
             QStringList({"Trying to connect to the server...", "Hostname found in DNS...", "Connected to server",
                          "starting to send to server...", "receiving from server...", "all data arrived from server",
                          "---", "Welcome!"}));
    QCOMPARE(log().last(), QStringLiteral("Connection closed properly"));
    QTest::qWait(50); // the server hanging up after our close adds nothing
    QCOMPARE(events.last(), QStringLiteral("ClientConnectionClosedProperly"));

    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    click(QStringLiteral("&Quit"));
    QCOMPARE(events.last(), QStringLiteral("ClientUploadSuccessful"));
    QVERIFY(accepted.wait(exchangeTimeoutMs));
}

void TestNet::theAnswerEndsTheExchangeWhateverHappensMeanwhile_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("quitBeforeTheAnswer");
    QTest::addColumn<quint32>("memberNumber");
    // The server hangs up while the problem box is open.
    QTest::newRow("answer without OK") << notOkMessage() << false << 4711u;
    QTest::newRow("answer of a newer version") << tooNewMessage() << false << 4711u;
    // The server has stored the upload: its answer still counts.
    QTest::newRow("answer after \"&Quit\"") << acceptingMessage() << true << 777u;
}

void TestNet::theAnswerEndsTheExchangeWhateverHappensMeanwhile()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, quitBeforeTheAnswer);
    QFETCH(quint32, memberNumber);
    constexpr int boxOpenMs = 300;
    boxes.reset(); // a real box, closed by a timer from inside its own event loop
    if (!quitBeforeTheAnswer)
        whenModalAppears([](QWidget* box) { QTimer::singleShot(boxOpenMs, box, &QWidget::close); });
    server->script.append({reply, quitBeforeTheAnswer ? boxOpenMs : 0});
    start();
    if (quitBeforeTheAnswer) {
        QTRY_VERIFY_WITH_TIMEOUT(server->uploadComplete, exchangeTimeoutMs);
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        click(QStringLiteral("&Quit"));
        QCOMPARE(events.last(), QStringLiteral("ClientUploadQuitWithoutUpload"));
        QVERIFY(rejected.wait(exchangeTimeoutMs));
    }
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    QCOMPARE(storage.Membernumber, memberNumber);
    QVERIFY(!events.contains(QStringLiteral("ClientConnectionClosedByServer")));
    QVERIFY(!logHas(QStringLiteral("Malfunction")));
}

void TestNet::refusedConnectionAndClearWindow()
{
    const quint16 closedPort = server->port();
    server.reset(); // nobody listens there any more
    client->initClient(QStringLiteral("127.0.0.1"), closedPort);
    client->openButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("ClientProblemExplained")), exchangeTimeoutMs);
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, problemText(TCP_NO_CONNECTION_WITH_SERVER));
    QVERIFY(log().contains(
        QStringLiteral("Socket error number %1 occurred").arg(int(QAbstractSocket::ConnectionRefusedError))));
    // The connect guard still reports its event, but keeps quiet.
    const QStringList before = log();
    client->ServerNotFound();
    QCOMPARE(events.last(), QStringLiteral("ClientServerNotFound"));
    QCOMPARE(log(), before);

    click(QStringLiteral("Clear &Window"));
    QVERIFY(client->infoView()->toPlainText().isEmpty());
    QCOMPARE(events.last(), QStringLiteral("ClientClearView"));
}

void TestNet::guardsReportButDoNotStopTheAttempt()
{
    server->reply(acceptingMessage());
    // A name that has to be looked up: the guard can fire before the lookup ends.
    start(QStringLiteral("localhost"));
    client->HostNotFoundInDNS();
    client->ServerNotFound();
    QCOMPARE(log(),
             QStringList({"Trying to connect to the server...", "Host not found in DNS.",
                          "Please check Internet connection and try again.", "Server cannot be reached at the moment.",
                          "Please check your Internet connection and try again (later)."}));
    QCOMPARE(events.mid(2), QStringList({"ClientServerDNSNotFound", "ClientServerNotFound"}));
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    QVERIFY(client->uploadSucceeded());
    // Once the host was found, the lookup guard has nothing to say.
    const qsizetype before = events.size();
    client->HostNotFoundInDNS();
    QCOMPARE(events.size(), before);
}

void TestNet::failedSendOffersRetryOrQuit()
{
    // Nothing is connected: writing the upload fails.
    client->initClient(QStringLiteral("127.0.0.1"), server->port());
    boxes->answerNext(0);
    client->sendToServer();
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().title, QStringLiteral("ZUV net error 32"));
    QCOMPARE(boxes->last().text, errorMessageAndSolution(TCP_NET_STREAM_ERROR));
    QCOMPARE(boxes->last().buttons, QStringList({"Try again", "Quit now"}));
    QCOMPARE(boxes->last().escapeButton, 1);
    QCOMPARE(events.last(), QStringLiteral("ClientBadDatastreamTryAgain"));
    QVERIFY(log().contains(QStringLiteral("transmission not successful!")));

    boxes->answerNext(1);
    QVERIFY_THROWS_EXCEPTION(NetErr, client->sendToServer());
    QCOMPARE(events.last(), QStringLiteral("ClientBadDatastreamQuit"));

    // Started by the connection itself, the failure ends the dialog and
    // waits for the flow that ran it; it is given once.
    boxes->answerNext(1);
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    client->socketConnected();
    QCOMPARE(rejected.count(), 1);
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
    row("accepted", 0x01, "", "", thanks);
    row("with messages", 0x01, "Nice to see you again.", "Results of <b>May</b> are online.",
        "A personal message for you, member 4711:\nNice to see you again.\n---\n",
        "Results of <b>May</b> are online.\n---\n");
    row("new member", 0x11, "not shown to a new member", "", "Welcome to the project!\n---\n");
    row("minor update", 0x03, "", "", thanks + "Minor update successful.\n");
    row("update recommended and required", 0x0D, "", "", thanks + version + recommended + required + location);
    row("update recommended", 0x05, "", "", thanks + version + recommended + location);
    row("update required", 0x09, "", "", thanks + version + required + location);
    row("new analysis data", 0x21, "", "",
        thanks + "New Analysis Data available on the Server: \n 3 pages, 1 text messages and -1 pictures\n\n");
    row("not OK", 0x00, "", "never shown", {});
    row("everything but OK", 0xFE, "", "", {});
}

void TestNet::processing()
{
    QFETCH(int, flags);
    QFETCH(QByteArray, personalMessage);
    QFETCH(QByteArray, serverMessage);
    QFETCH(QString, report);
    QFETCH(QString, closing);
    Dialogs dialogs(&storage);
    storage.LastAnalysisPage = 2;
    storage.LastTxtMessage = 6;
    storage.LastPicture = 10;
    QTextEdit log;
    ServerAnswer answer = answerWith(quint8(flags));
    answer.personalMessage = personalMessage.toStdString();
    answer.serverMessage = serverMessage.toStdString();
    const bool accepted = flags & ServerAnswer::AnswerOK;

    ClientStorage expected = storage;
    if (accepted && (flags & ServerAnswer::NewMember)) {
        expected.Membernumber = 12345;
        expected.Welcome = "Welcome to the project!";
        expected.MemberSince = answer.memberSince;
    }
    if (accepted && (flags & ServerAnswer::MinorUpdate)) {
        expected.ServerAddress = "other.example.org";
        expected.ServerPort = 4555;
        expected.FTPServer = "ftp.other.example.org";
    }
    if (accepted && (flags & ServerAnswer::NewAnalysisData)) {
        expected.LastAnalysisPage = 5;
        expected.LastTxtMessage = 7;
        expected.LastPicture = 9;
    }
    const QString status = QStringLiteral("---\nThe actual status on the server:\n# members:  1000\n# purses :  2000\n"
                                          "Total Uploaded Sum:  1.23457e+06 Euro\nlast upload from: ") +
                           dialogs.settingsDialog()->Country->itemText(5) +
                           QStringLiteral("\nsuggested next session around: Fri Feb 1 2002\n---\n");

    QCOMPARE(answer.ProcessAnswerAndStoreInto(&storage, &dialogs, &log), accepted);
    const QString shown = log.toPlainText() + QLatin1Char('\n');
    if (accepted) {
        QCOMPARE(shown, report + status + closing);
    } else { // the explanation in seven lines, nothing of the answer
        QVERIFY(shown.startsWith(QStringLiteral("Some error in Processing Answer - OK flag was not set.\n")));
        QCOMPARE(shown.count(QLatin1Char('\n')), 7);
    }
    QVERIFY(storage == expected);
}

void TestNet::countersAndCountryNames()
{
    Dialogs dialogs(&storage);
    QTextEdit log;
    ServerAnswer answer = answerWith(ServerAnswer::AnswerOK | ServerAnswer::NewAnalysisData);
    // The full 16-bit range counts: no wrapping into negative numbers.
    storage.LastAnalysisPage = 0;
    storage.LastTxtMessage = 65535;
    storage.LastPicture = 10;
    answer.lastAnalysisPage = 65535;
    answer.lastTxtMessage = 0;
    answer.totalSumCents = 250;
    const int items = dialogs.settingsDialog()->Country->count();
    answer.lastUploadCountry = quint8(items - 1);
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, &dialogs, &log));
    QVERIFY(lines(log).contains(QStringLiteral(" 65535 pages, -65535 text messages and -1 pictures")));
    QVERIFY(lines(log).contains(QStringLiteral("Total Uploaded Sum:  2.5 Euro")));
    QVERIFY(lines(log).contains("last upload from: " + dialogs.settingsDialog()->Country->itemText(items - 1)));

    // A country beyond the selector's items, or no selector at hand, is unknown.
    answer.flags = ServerAnswer::AnswerOK;
    for (const auto& [country, withDialogs] : {std::pair{items, true}, {0, false}}) {
        log.clear();
        answer.lastUploadCountry = quint8(country);
        QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, withDialogs ? &dialogs : nullptr, &log));
        QVERIFY(lines(log).contains(QStringLiteral("last upload from: an unknown country (%1)").arg(country)));
    }
}

// The frame header, the upload (header and the whole record of a copy of
// the state) and the answer record over its byte example.
void TestNet::uploadAndAnswerFormats()
{
    const QByteArray header = frameHeaderBytes(DATAFILE_MAGIC, 107, 0x80000000u);
    QCOMPARE(header, QByteArray::fromHex("80a3a524006b80000000"));
    FrameHeader read;
    QVERIFY(!parseFrameHeader(header.left(FRAME_HEADER_SIZE - 1), read));
    QVERIFY(parseFrameHeader(header, read) && read.hasMagic() && startsWithMagic(header));
    QCOMPARE(read.version, quint16(107));
    QCOMPARE(read.bodyLength, 0x80000000u); // unsigned: far too much, not negative
    QVERIFY(!startsWithMagic(header.left(3)));
    QVERIFY(parseFrameHeader(QByteArray("ERR (16, too"), read));
    QVERIFY(!read.hasMagic() && !startsWithMagic("ERR (16, too"));

    ClientStorage older;
    older.setDefaultValues();
    older.Version = 105; // as loaded from an older file
    older.Sessions.append(Session());
    const ClientStorage before = older;
    const QByteArray message = uploadMessage(older);
    // Version 107 and the length of the record, which goes out in today's
    // format, as the data file holds it, while the state keeps what it had.
    QVERIFY(parseFrameHeader(message, read) && read.hasMagic());
    QCOMPARE(read.version, quint16(107));
    QCOMPARE(qint64(read.bodyLength), qint64(message.size() - FRAME_HEADER_SIZE));
    QCOMPARE(message.mid(FRAME_HEADER_SIZE), written(older));
    QCOMPARE(message.mid(FRAME_HEADER_SIZE, 2), QByteArray::fromHex("006b"));
    QVERIFY(older == before && older.Version == 105);

    ServerAnswer back;
    QCOMPARE(written(numbersOnly()), numbersOnlyBytes);
    QCOMPARE(sizeOf(numbersOnly()), 66u);
    QCOMPARE(readCode(numbersOnlyBytes, back), 0u);
    QCOMPARE(back.version, quint16(107));
    QCOMPARE(written(back), numbersOnlyBytes);
    // The debugging text form: every field, without separators.
    QString text;
    QTextStream stream(&text);
    stream << numbersOnly();
    stream.flush();
    QCOMPARE(text, QStringLiteral("333455412345Fri Feb 1 00:00:01 2002108795Fri Feb 1 2002100020001234567895"));

    // Texts are scrambled byte strings; every byte value survives, in every
    // text field. Null dates travel as day 0 and come back null.
    ServerAnswer answer = answerWith(0x21);
    answer.serverAddress = "abc";
    QCOMPARE(written(answer).mid(3, 7), QByteArray::fromHex("00000003aeabac"));
    for (int b = 0; b < 256; ++b)
        answer.serverMessage.push_back(char(b));
    answer.personalMessage = std::string("\0personal\0", 10);
    answer.memberSince = QDateTime();
    answer.nextSessionDate = QDate();
    QCOMPARE(readCode(written(answer), back), 0u);
    QCOMPARE(written(back), written(answer));
    QVERIFY(back.nextSessionDate.isNull() && !back.memberSince.isValid());

    // Versions 105 to 199 are read; cut short, or a text announcing 2 GiB in
    // a short record, fails at once.
    const auto withVersion = [](const char* hex) { return QByteArray::fromHex(hex) + numbersOnlyBytes.mid(2); };
    const QList<std::pair<QByteArray, unsigned>> cases = {
        {withVersion("0068"), TCP_SERVER_ANSWER_TOO_OLD_FORMAT},
        {withVersion("0069"), 0},
        {withVersion("00c7"), 0},
        {withVersion("00c8"), TCP_SERVER_ANSWER_TOO_NEW_FORMAT},
        {withVersion("ffff"), TCP_SERVER_ANSWER_TOO_NEW_FORMAT},
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
        {"xxxx(19, too much", 19},
        {"Client had to close\n\nBecause server answered:\nERROR (33, bad format)\n", 33},
        {"a, b (34, ill (26, new", 34},
        {"( 20 ,", 20},
        {"no parenthesis 16, at all", -1},
        {"(16 and no comma", -1},
        {"(server, 16,", -1},
        {"(, 16", -1},
        {"(-5, negative", -1},
        {"(1 6, split", -1},
        {"(99999999999, too large", -1},
        {"", -1}};
    for (const auto& [text, expected] : cases) {
        unsigned code = 99;
        QCOMPARE(refusalCode(QString::fromLatin1(text), code), expected >= 0);
        QCOMPARE(code, expected >= 0 ? unsigned(expected) : 99u); // untouched when there is no code
    }
}

QTEST_MAIN(TestNet)
#include "tst_net.moc"
