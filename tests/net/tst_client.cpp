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

#include <QDataStream>
#include <QDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
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
    answer.memberSince = QDateTime(QDate(2002, 6, 15), QTime(12, 0));
    answer.serverAddress = "new.example.org";
    answer.serverPort = 4555;
    answer.ftpServer = "ftp.new.example.org";
    answer.numMembers = 12;
    answer.nextSessionDate = QDate(2002, 7, 1);
    return answer;
}

QString problemText(unsigned code)
{
    return QStringLiteral("A problem occurred:\n (%1) ").arg(code) + errormessage[code] +
           QStringLiteral("\nSuggested solution:\n ") + errorhelp[code];
}

} // namespace

class TestClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void windowAndCaption();
    void acceptedUploadTakesTheAnswerOver();
    void answerWithoutOkIsExplained();
    void refusalCodeIsExplained_data();
    void refusalCodeIsExplained();
    void refusalWithoutLines();
    void refusalIsReadUpToTwentyLines_data();
    void refusalIsReadUpToTwentyLines();
    void unsupportedAnswerVersionsAreExplained_data();
    void unsupportedAnswerVersionsAreExplained();
    void answerArrivingByteByByte();
    void hugeAnnouncedLengthIsRefused();
    void moreBytesThanAnnouncedStayUnprocessed();
    void serverHangingUpAfterTheUpload();
    void theAnswerEndsTheExchangeWhateverHappensMeanwhile_data();
    void theAnswerEndsTheExchangeWhateverHappensMeanwhile();
    void refusedConnection();
    void guardsReportButDoNotStopTheAttempt();
    void failedSendOffersRetryOrQuit();
    void clearWindow();

private:
    void start(const QString& host = QStringLiteral("127.0.0.1"));
    void exchange(const QByteArray& reply)
    {
        server->reply(reply);
        start();
        QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);
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

void TestClient::start(const QString& host)
{
    client->initClient(host, server->port());
    client->openButton()->click();
}

void TestClient::windowAndCaption()
{
    QCOMPARE(dialog->windowTitle(), QStringLiteral("ZUV client (v3.31) for data transfer to server"));
    QCOMPARE(client->openButton()->text(), QStringLiteral("&Open Connection"));
    QVERIFY(client->infoView()->isReadOnly());
    QVERIFY(client->automaticMode());
    client->initClient(QStringLiteral("somewhere"), 4554);
    QCOMPARE(events, QStringList{QStringLiteral("ClientStarted")});
}

void TestClient::acceptedUploadTakesTheAnswerOver()
{
    const QByteArray expectedUpload = uploadMessage(storage);
    exchange(answerMessage(acceptingAnswer()));

    QCOMPARE(server->received, expectedUpload);
    QVERIFY(client->uploadSucceeded());
    QVERIFY(!client->openButton()->isEnabled());
    QCOMPARE(storage.Membernumber, 777u);
    QCOMPARE(storage.Welcome, std::string("Welcome!"));
    QCOMPARE(storage.ServerAddress, std::string("new.example.org"));
    QCOMPARE(storage.ServerPort, quint16(4555));
    QCOMPARE(boxes->count(), 0);
    QCOMPARE(events, QStringList({"ClientStarted", "ClientOpenConnection", "ClientServerDNSFound",
                                  "ClientServerConnected", "ClientSendToServer", "ClientReceivingAnswer",
                                  "ClientCloseConnection", "ClientConnectionClosedProperly"}));
    const QStringList lines = log();
    QCOMPARE(lines.mid(0, 7), QStringList({"Trying to connect to the server...", "Hostname found in DNS...",
                                           "Connected to server", "starting to send to server...",
                                           "receiving from server...", "all data arrived from server", "---"}));
    QCOMPARE(lines.at(7), QStringLiteral("Welcome!"));
    QCOMPARE(lines.last(), QStringLiteral("Connection closed properly"));

    // The server hanging up after our close adds nothing.
    QTest::qWait(50);
    QCOMPARE(events.last(), QStringLiteral("ClientConnectionClosedProperly"));

    client->quit();
    QCOMPARE(events.last(), QStringLiteral("ClientUploadSuccessful"));
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    QVERIFY(accepted.wait(exchangeTimeoutMs));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void TestClient::answerWithoutOkIsExplained()
{
    ServerAnswer answer = acceptingAnswer();
    answer.flags = ServerAnswer::NewMember;
    const ClientStorage before = storage;
    exchange(answerMessage(answer));

    QVERIFY(!client->uploadSucceeded());
    QVERIFY(client->openButton()->isEnabled());
    QVERIFY(storage == before);
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().title, QStringLiteral("Some problem occurred during connection"));
    QCOMPARE(boxes->last().text, problemText(TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER));
    QVERIFY(client->infoView()->toPlainText().contains(problemText(TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER)));
    const qsizetype explained = events.indexOf(QStringLiteral("ClientProblemExplained"));
    QVERIFY(explained > 0);
    QCOMPARE(events.at(explained + 1), QStringLiteral("ClientServerDoesntRecognizeMember"));
}

void TestClient::refusalCodeIsExplained_data()
{
    QTest::addColumn<int>("pieceSize");
    QTest::newRow("at once") << 0;
    QTest::newRow("pieces across the magic test and the code") << 3;
}

void TestClient::refusalCodeIsExplained()
{
    QFETCH(int, pieceSize);
    const QByteArray refusal("ERR (16, too much data\n");
    if (pieceSize == 0)
        server->reply(refusal);
    else
        server->replyInPieces(refusal, pieceSize, 20);
    start();
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("ClientProblemExplained")), exchangeTimeoutMs);

    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().title, QStringLiteral("Some problem occurred during connection"));
    QCOMPARE(boxes->last().text, QStringLiteral("A problem occurred:\n (16) TCP_CLIENT_SENDS_TOO_MUCH_DATA\nSuggested "
                                                "solution:\n A bug. Please contact the author."));
    const qsizetype bad = events.indexOf(QStringLiteral("ClientServerBadDataFormat"));
    QVERIFY(bad > 0);
    QCOMPARE(events.mid(bad),
             QStringList({"ClientServerBadDataFormat", "ClientHadToCloseTheConnectionImproperly",
                          "ClientCloseConnection", "ClientConnectionClosedProperly", "ClientProblemExplained"}));
    QVERIFY(!client->infoView()->toPlainText().contains(QStringLiteral("Malfunction")));
    QVERIFY(!client->uploadSucceeded());
}

void TestClient::refusalWithoutLines()
{
    server->reply("ABCDEFGH");
    start();
    QTRY_VERIFY_WITH_TIMEOUT(boxes->count() == 1, exchangeTimeoutMs);

    QCOMPARE(boxes->last().title, QStringLiteral("Communication with Server failed"));
    const QString text = boxes->last().text;
    QVERIFY2(QRegularExpression(QStringLiteral("^Client had to close the connection -?\\d+ for reason 13\n\nBecause "
                                               "server answered:\nDon't know$"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    QVERIFY(client->infoView()->toPlainText().endsWith(text));
    QVERIFY(events.contains(QStringLiteral("ClientHadToCloseTheConnectionImproperly")));
    QVERIFY(!events.contains(QStringLiteral("ClientProblemExplained")));
}

void TestClient::refusalIsReadUpToTwentyLines_data()
{
    QTest::addColumn<int>("codeLine");
    QTest::newRow("code on line 20 is explained") << 20;
    QTest::newRow("code on line 21 is never read") << 21;
}

void TestClient::refusalIsReadUpToTwentyLines()
{
    QFETCH(int, codeLine);
    QByteArray refusal("REFU");
    for (int line = 1; line <= 25; ++line)
        refusal += line == codeLine ? QByteArray("line (34, server ill\n") : "line " + QByteArray::number(line) + "\n";
    server->hangUpAfterScript = false; // the line limit alone ends the reading
    exchange(refusal);
    QTest::qWait(50);
    if (codeLine == 20) {
        QCOMPARE(boxes->count(), 1);
        QCOMPARE(boxes->last().text, problemText(TCP_SERVER_IS_ILL));
    } else {
        QCOMPARE(boxes->count(), 0);
        QVERIFY(events.contains(QStringLiteral("ClientHadToCloseTheConnectionImproperly")));
    }
}

void TestClient::unsupportedAnswerVersionsAreExplained_data()
{
    QTest::addColumn<quint16>("version");
    QTest::addColumn<unsigned>("code");
    QTest::newRow("104") << quint16(104) << unsigned(TCP_SERVER_ANSWER_TOO_OLD_FORMAT);
    QTest::newRow("200") << quint16(200) << unsigned(TCP_SERVER_ANSWER_TOO_NEW_FORMAT);
}

void TestClient::unsupportedAnswerVersionsAreExplained()
{
    QFETCH(quint16, version);
    QFETCH(unsigned, code);
    QByteArray message = answerMessage(acceptingAnswer());
    message[FRAME_HEADER_SIZE] = char(version >> 8);
    message[FRAME_HEADER_SIZE + 1] = char(version & 0xFF);
    const ClientStorage before = storage;
    exchange(message);

    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, problemText(code));
    QVERIFY(events.contains(QStringLiteral("ClientServerAnswerBroken")));
    QVERIFY(!client->uploadSucceeded());
    QVERIFY(storage == before);
}

void TestClient::answerArrivingByteByByte()
{
    server->replyInPieces(answerMessage(acceptingAnswer()), 1, 3);
    start();
    QTRY_VERIFY_WITH_TIMEOUT(finished(), exchangeTimeoutMs);

    QVERIFY(client->uploadSucceeded());
    QCOMPARE(storage.Membernumber, 777u);
    QCOMPARE(events.count(QStringLiteral("ClientReceivingAnswer")), 1);
    QCOMPARE(boxes->count(), 0);
    // The pieces really came one by one.
    QVERIFY(log().count(QStringLiteral("receiving from server...")) > FRAME_HEADER_SIZE);
}

void TestClient::hugeAnnouncedLengthIsRefused()
{
    server->hangUpAfterScript = false;
    exchange(frameHeaderBytes(DATAFILE_MAGIC, 107, 0x80000000u) + QByteArray(100, 'x'));

    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, problemText(TCP_SERVER_HAS_BAD_DATA_FORMAT));
    QVERIFY(events.contains(QStringLiteral("ClientServerAnswerBroken")));
    QVERIFY(!events.contains(QStringLiteral("ClientReceivingAnswer")));
    QVERIFY(!client->uploadSucceeded());
}

void TestClient::moreBytesThanAnnouncedStayUnprocessed()
{
    server->reply(answerMessage(acceptingAnswer()) + QByteArray(1, '\0'));
    server->hangUpAfterScript = false;
    const ClientStorage before = storage;
    start();
    QTRY_VERIFY_WITH_TIMEOUT(client->infoView()->toPlainText().contains(QStringLiteral("receiving from server...")),
                             exchangeTimeoutMs);
    QTest::qWait(100);

    QVERIFY(!events.contains(QStringLiteral("ClientReceivingAnswer")));
    QVERIFY(!client->uploadSucceeded());
    QVERIFY(storage == before);
    QCOMPARE(boxes->count(), 0);
}

void TestClient::serverHangingUpAfterTheUpload()
{
    start();
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("ClientConnectionClosedByServer")), exchangeTimeoutMs);

    QVERIFY(server->uploadComplete);
    QCOMPARE(log().last(), QStringLiteral("Connection closed by the server. Malfunction, please try again (later)."));
    // Hanging up is not a socket error of its own.
    QCOMPARE(boxes->count(), 0);
    QVERIFY(!events.contains(QStringLiteral("ClientSomeSocketError")));
    QVERIFY(client->openButton()->isEnabled());
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

void TestClient::refusedConnection()
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
    QVERIFY(events.contains(QStringLiteral("ClientSomeSocketError")));

    // The connect guard still reports its event, but keeps quiet.
    const QString before = client->infoView()->toPlainText();
    client->ServerNotFound();
    QCOMPARE(events.last(), QStringLiteral("ClientServerNotFound"));
    QCOMPARE(client->infoView()->toPlainText(), before);
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
    {
        BoxScript script({0});
        client->sendToServer();
        QCOMPARE(script.count(), 1);
        const BoxRequest& box = script.last();
        QCOMPARE(box.title, QStringLiteral("ZUV net error 32"));
        QCOMPARE(box.text, errorMessageAndSolution(TCP_NET_STREAM_ERROR));
        QCOMPARE(box.buttons, QStringList({"Try again", "Quit now"}));
        QCOMPARE(box.escapeButton, 1);
        QCOMPARE(events.last(), QStringLiteral("ClientBadDatastreamTryAgain"));
        QVERIFY(log().contains(QStringLiteral("transmission not successful!")));
    }
    {
        BoxScript script({1});
        unsigned code = 0;
        try {
            client->sendToServer();
        } catch (const NetErr& failure) {
            code = failure.code();
        }
        QCOMPARE(code, unsigned(TCP_NET_STREAM_ERROR));
        QCOMPARE(events.last(), QStringLiteral("ClientBadDatastreamQuit"));
    }
    {
        // Started by the connection itself, the failure ends the dialog and
        // waits for the flow that ran it.
        BoxScript script({1});
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        client->socketConnected();
        QCOMPARE(rejected.count(), 1);
        unsigned code = 0;
        try {
            client->rethrowPendingFailure();
        } catch (const NetErr& failure) {
            code = failure.code();
        }
        QCOMPARE(code, unsigned(TCP_NET_STREAM_ERROR));
        client->rethrowPendingFailure(); // only once
    }
}

void TestClient::clearWindow()
{
    client->initClient(QStringLiteral("127.0.0.1"), server->port());
    client->explainProblem(TCP_SERVER_EXIT); // something in the log
    QVERIFY(!client->infoView()->toPlainText().isEmpty());
    QPushButton* clear = button(QStringLiteral("Clear &Window"));
    QVERIFY(clear);
    clear->click();
    QVERIFY(client->infoView()->toPlainText().isEmpty());
    QCOMPARE(events.last(), QStringLiteral("ClientClearView"));
}

QTEST_MAIN(TestClient)
#include "tst_client.moc"
