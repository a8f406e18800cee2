#include "common/boxscript.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "common/utilities.h"
#include "net/client.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "storage/clientstorage.h"

#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int exchangeTimeoutMs = 5000;

ServerAnswer acceptingAnswer()
{
    ServerAnswer answer;
    answer.flags = ServerAnswer::AnswerOK | ServerAnswer::NewMember | ServerAnswer::MinorUpdate;
    answer.memberNumber = 777;
    answer.welcome = "Welcome!";
    answer.serverAddress = "new.example.org";
    answer.serverPort = 4555;
    return answer;
}

QString problemText(unsigned code)
{
    return QStringLiteral("A problem occurred:\n (%1) ").arg(code) + errormessage[code] +
           QStringLiteral("\nSuggested solution:\n ") + errorhelp[code];
}

} // namespace

// The connection window against a scripted server. Servers that flood,
// drip, fall silent or break off are the hostile servers' test.
class TestClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void acceptedUploadTakesTheAnswerOver();
    void problemsAreExplained_data();
    void problemsAreExplained();
    void theAnswerEndsTheExchangeWhateverHappensMeanwhile_data();
    void theAnswerEndsTheExchangeWhateverHappensMeanwhile();
    void refusedConnectionAndClearWindow();
    void guardsReportButDoNotStopTheAttempt();
    void failedSendOffersRetryOrQuit();

private:
    void start(const QString& host = QStringLiteral("127.0.0.1"))
    {
        client->initClient(host, server->port());
        client->openButton()->click();
    }
    bool finished() const { return events.contains(QStringLiteral("ClientConnectionClosedProperly")); }
    QStringList log() const { return client->infoView()->toPlainText().split(QLatin1Char('\n')); }
    QPushButton* button(const QString& text) const
    {
        for (QPushButton* candidate : client->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }

    std::unique_ptr<ScriptedServer> server;
    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<BoxScript> boxes;
    Client* client = nullptr;
    ClientStorage storage;
    QStringList events;
};

void TestClient::init()
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

void TestClient::cleanup()
{
    dialog.reset();
    server.reset();
    boxes.reset();
}

void TestClient::acceptedUploadTakesTheAnswerOver()
{
    const QByteArray expectedUpload = uploadMessage(storage);
    server->reply(answerMessage(acceptingAnswer()));
    start();
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    QCOMPARE(server->received, expectedUpload);
    QVERIFY(client->uploadSucceeded());
    QVERIFY(!client->openButton()->isEnabled());
    QCOMPARE(storage.Membernumber, 777u);
    QCOMPARE(storage.ServerAddress, std::string("new.example.org"));
    QCOMPARE(boxes->count(), 0);
    QCOMPARE(events, QStringList({"ClientStarted", "ClientOpenConnection", "ClientServerDNSFound",
                                  "ClientServerConnected", "ClientSendToServer", "ClientReceivingAnswer",
                                  "ClientCloseConnection", "ClientConnectionClosedProperly"}));
    const QStringList lines = log();
    QCOMPARE(lines.mid(0, 8),
             QStringList({"Trying to connect to the server...", "Hostname found in DNS...", "Connected to server",
                          "starting to send to server...", "receiving from server...", "all data arrived from server",
                          "---", "Welcome!"}));
    QCOMPARE(lines.last(), QStringLiteral("Connection closed properly"));
    QTest::qWait(50); // the server hanging up after our close adds nothing
    QCOMPARE(events.last(), QStringLiteral("ClientConnectionClosedProperly"));

    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    button(QStringLiteral("&Quit"))->click();
    QCOMPARE(events.last(), QStringLiteral("ClientUploadSuccessful"));
    QVERIFY(accepted.wait(exchangeTimeoutMs));
}

void TestClient::problemsAreExplained_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("pieceSize"); // 0: all at once
    QTest::addColumn<bool>("ends");     // with our own close
    QTest::addColumn<QString>("box");   // pattern of its text; empty: no box
    QTest::addColumn<QString>("event"); // reported on the way

    ServerAnswer notOk = acceptingAnswer();
    notOk.flags = ServerAnswer::NewMember;
    QByteArray tooNew = answerMessage(acceptingAnswer());
    tooNew[FRAME_HEADER_SIZE + 1] = char(200);
    const auto explained = [](unsigned code) { return QRegularExpression::escape(problemText(code)); };
    const auto refusalLines = [](int codeLine) {
        QByteArray refusal("REFU");
        for (int line = 1; line <= 25; ++line)
            refusal +=
                line == codeLine ? QByteArray("line (34, server ill\n") : "line " + QByteArray::number(line) + "\n";
        return refusal;
    };
    QTest::newRow("answer without OK") << answerMessage(notOk) << 0 << true
                                       << explained(TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER)
                                       << "ClientServerDoesntRecognizeMember";
    QTest::newRow("answer of a newer version")
        << tooNew << 0 << true << explained(TCP_SERVER_ANSWER_TOO_NEW_FORMAT) << "ClientServerAnswerBroken";
    // An answer is read only when exactly the announced bytes are there.
    QTest::newRow("more bytes than announced")
        << answerMessage(acceptingAnswer()) + '\0' << 0 << false << QString() << "ClientServerConnected";
    QTest::newRow("refusal") << QByteArray("ERR (16, too much data\n") << 0 << true
                             << explained(TCP_CLIENT_SENDS_TOO_MUCH_DATA) << "ClientServerBadDataFormat";
    QTest::newRow("refusal across the magic test and the code")
        << QByteArray("ERR (16, too much data\n") << 3 << true << explained(TCP_CLIENT_SENDS_TOO_MUCH_DATA)
        << "ClientHadToCloseTheConnectionImproperly";
    const QString noLine = QStringLiteral("^Client had to close the connection -?\\d+ for reason 13\n\nBecause "
                                          "server answered:\nDon't know$");
    QTest::newRow("refusal without a line")
        << QByteArray("ABCDEFGH") << 0 << true << noLine << "ClientHadToCloseTheConnectionImproperly";
    QTest::newRow("refusal of four bytes") << QByteArray("NOPE") << 0 << true << noLine << "ClientServerBadDataFormat";
    // Twenty lines are read.
    QTest::newRow("code on line 20") << refusalLines(20) << 0 << true << explained(TCP_SERVER_IS_ILL)
                                     << "ClientServerBadDataFormat";
    QTest::newRow("code on line 21") << refusalLines(21) << 0 << true << QString()
                                     << "ClientHadToCloseTheConnectionImproperly";
}

void TestClient::problemsAreExplained()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, pieceSize);
    QFETCH(bool, ends);
    QFETCH(QString, box);
    QFETCH(QString, event);
    if (pieceSize > 0)
        server->replyInPieces(reply, pieceSize, 20);
    else
        server->reply(reply);
    server->hangUpAfterScript = ends;
    const ClientStorage before = storage;
    start();
    if (ends) {
        QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("receiving from server...")), exchangeTimeoutMs);
        QTest::qWait(100);
        QVERIFY(!finished());
    }
    QCOMPARE(boxes->count(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QVERIFY2(QRegularExpression(box).match(boxes->last().text).hasMatch(), qPrintable(boxes->last().text));
        QVERIFY(client->infoView()->toPlainText().contains(boxes->last().text));
    }
    QVERIFY(events.contains(event));
    QVERIFY(!client->uploadSucceeded());
    QVERIFY(client->openButton()->isEnabled());
    QVERIFY(storage == before);
    QVERIFY(!client->infoView()->toPlainText().contains(QStringLiteral("Malfunction")));
}

void TestClient::theAnswerEndsTheExchangeWhateverHappensMeanwhile_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("quitBeforeTheAnswer");
    QTest::addColumn<quint32>("memberNumber");
    ServerAnswer notOk = acceptingAnswer();
    notOk.flags = ServerAnswer::NewMember;
    QByteArray tooNew = answerMessage(acceptingAnswer());
    tooNew[FRAME_HEADER_SIZE + 1] = char(200);
    // The server hangs up while the problem box is open.
    QTest::newRow("answer without OK") << answerMessage(notOk) << false << 4711u;
    QTest::newRow("answer of a newer version") << tooNew << false << 4711u;
    // The server has stored the upload: its answer still counts.
    QTest::newRow("answer after \"&Quit\"") << answerMessage(acceptingAnswer()) << true << 777u;
}

void TestClient::theAnswerEndsTheExchangeWhateverHappensMeanwhile()
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
        button(QStringLiteral("&Quit"))->click();
        QCOMPARE(events.last(), QStringLiteral("ClientUploadQuitWithoutUpload"));
        QVERIFY(rejected.wait(exchangeTimeoutMs));
    }
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
    QCOMPARE(storage.Membernumber, memberNumber);
    QVERIFY(!events.contains(QStringLiteral("ClientConnectionClosedByServer")));
    QVERIFY(!client->infoView()->toPlainText().contains(QStringLiteral("Malfunction")));
}

void TestClient::refusedConnectionAndClearWindow()
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
    const QString before = client->infoView()->toPlainText();
    client->ServerNotFound();
    QCOMPARE(events.last(), QStringLiteral("ClientServerNotFound"));
    QCOMPARE(client->infoView()->toPlainText(), before);

    button(QStringLiteral("Clear &Window"))->click();
    QVERIFY(client->infoView()->toPlainText().isEmpty());
    QCOMPARE(events.last(), QStringLiteral("ClientClearView"));
}

void TestClient::guardsReportButDoNotStopTheAttempt()
{
    server->reply(answerMessage(acceptingAnswer()));
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

void TestClient::failedSendOffersRetryOrQuit()
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

QTEST_MAIN(TestClient)
#include "tst_client.moc"
