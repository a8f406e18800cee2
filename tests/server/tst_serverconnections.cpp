#include "common/boxscript.h"
#include "serverprocess.h"

#include "common/constants.h"
#include "net/client.h"
#include "net/protocol.h"
#include "server/serveroptions.h"
#include "storage/clientstorage.h"

#include <QDialog>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <csignal>
#include <functional>

namespace {

constexpr quint32 bodyLimit = 4096;
constexpr int exchangeTimeoutMs = 10000;

QByteArray header(quint32 magic, quint16 version, quint32 length)
{
    return frameHeaderBytes(magic, version, length);
}

ClientStorage member(quint32 number)
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Membernumber = number;
    Session session;
    session.insertCoins(2, 3, 4);
    storage.Sessions = {session};
    return storage;
}

// A state whose session claims another value than its coins have: the
// client writes it without complaint, but it is not a state it could read.
ClientStorage damaged()
{
    ClientStorage storage = member(0);
    storage.Sessions.first().purse.append(CoinPile{1, 2, 3}); // past insertCoins, so the sum stays
    return storage;
}

QByteArray withHeaderVersion(QByteArray message, quint16 version)
{
    message[4] = char(version >> 8);
    message[5] = char(version & 0xFF);
    return message;
}

} // namespace

// The server process seen through bare connections and through the client's
// connection window: what it refuses, with which code, and how it ends.
class TestServerConnections : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void refusalsCarryTheirCode_data();
    void refusalsCarryTheirCode();
    void clientExplainsTheRefusal_data();
    void clientExplainsTheRefusal();
    void commandLine();
    void endsCleanlyOnSignals();

private:
    QTemporaryDir folder;
    ServerProcess server;
};

void TestServerConnections::initTestCase()
{
    QVERIFY(folder.isValid());
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("connections"), whyNot);
    if (database.isEmpty())
        QSKIP(qPrintable(whyNot));
    QVERIFY(server.start(database, {QStringLiteral("--max-body"), QString::number(bodyLimit)}));
}

void TestServerConnections::refusalsCarryTheirCode_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<unsigned>("code");

    const QByteArray upload = uploadOf(member(0));
    QTest::newRow("no magic") << QByteArray(4, '\0') << unsigned(TCP_SERVER_RECEIVES_BAD_FORMAT);
    QTest::newRow("a web browser") << QByteArray("GET / HTTP/1.0\r\n\r\n") << unsigned(TCP_SERVER_RECEIVES_BAD_FORMAT);
    QTest::newRow("version 104") << header(DATAFILE_MAGIC, 104, 0).left(6) << unsigned(TCP_CLIENT_HAS_TOO_OLD_VERSION);
    QTest::newRow("version 10, whole upload")
        << withHeaderVersion(upload, 10) << unsigned(TCP_CLIENT_HAS_TOO_OLD_VERSION);
    QTest::newRow("version 200") << header(DATAFILE_MAGIC, 200, 66) << unsigned(TCP_CLIENT_HAS_TOO_NEW_VERSION);
    QTest::newRow("version 1000") << header(DATAFILE_MAGIC, 1000, 0).left(6)
                                  << unsigned(TCP_CLIENT_HAS_TOO_NEW_VERSION);
    // No body follows: the refusal must not wait for it.
    QTest::newRow("body above the limit")
        << header(DATAFILE_MAGIC, 107, bodyLimit + 1) << unsigned(TCP_CLIENT_SENDS_TOO_MUCH_DATA);
    QTest::newRow("2 GiB announced") << header(DATAFILE_MAGIC, 107, 0x80000000u)
                                     << unsigned(TCP_CLIENT_SENDS_TOO_MUCH_DATA);
    QTest::newRow("body at the limit is read") << header(DATAFILE_MAGIC, 107, bodyLimit) + QByteArray(bodyLimit, 'x')
                                               << unsigned(TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    QTest::newRow("empty body") << header(DATAFILE_MAGIC, 107, 0) << unsigned(TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    QTest::newRow("record cut short") << header(DATAFILE_MAGIC, 107, quint32(upload.size() - 11)) +
                                             upload.mid(FRAME_HEADER_SIZE, upload.size() - 11)
                                      << unsigned(TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    QTest::newRow("record with a byte too many")
        << header(DATAFILE_MAGIC, 107, quint32(upload.size() - 9)) + upload.mid(FRAME_HEADER_SIZE) + '\0'
        << unsigned(TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    QTest::newRow("session sum differs") << uploadOf(damaged()) << unsigned(TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    // The header version is checked for the range only; the record carries its own.
    for (const quint16 version : {105, 199})
        QTest::addRow("version %d, answered", version) << withHeaderVersion(upload, version) << 0u;
}

void TestServerConnections::refusalsCarryTheirCode()
{
    QFETCH(QByteArray, sent);
    QFETCH(unsigned, code);
    bool hungUp = false;
    const QByteArray reply = exchange(server.port(), sent, hungUp, exchangeTimeoutMs);
    QVERIFY(hungUp);
    QCOMPARE(startsWithMagic(reply), code == 0);
    if (code == 0)
        return;
    QVERIFY2(reply.endsWith('\n'), reply.constData());
    QCOMPARE(refusalCodeOf(reply), code);
    QCOMPARE(reply.count('\n'), 1);
}

void TestServerConnections::clientExplainsTheRefusal_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<unsigned>("code");
    QTest::newRow("whole upload above the limit") << QString() << unsigned(TCP_CLIENT_SENDS_TOO_MUCH_DATA);
    QTest::newRow("too much announced") << QStringLiteral("TESTSendTooMuchToServer")
                                        << unsigned(TCP_CLIENT_SENDS_TOO_MUCH_DATA);
    QTest::newRow("no magic") << QStringLiteral("TESTSendWrongFormatToServer")
                              << unsigned(TCP_SERVER_RECEIVES_BAD_FORMAT);
    QTest::newRow("old version") << QStringLiteral("TESTSendOldVersionToServer")
                                 << unsigned(TCP_CLIENT_HAS_TOO_OLD_VERSION);
    QTest::newRow("new version") << QStringLiteral("TESTSendTooNewVersionToServer")
                                 << unsigned(TCP_CLIENT_HAS_TOO_NEW_VERSION);
}

void TestServerConnections::clientExplainsTheRefusal()
{
    QFETCH(QString, sender);
    QFETCH(unsigned, code);
    BoxScript boxes;
    ClientStorage storage = member(0);
    if (sender.isEmpty()) {
        // A long message makes the body far larger than this server takes:
        // most of it is still on its way when the refusal goes out.
        storage.Message = QString(512 * 1024, QLatin1Char('m'));
    }
    QDialog dialog;
    Client client(&storage, nullptr, &dialog, QStringLiteral("clientobject"));
    client.initClient(QStringLiteral("127.0.0.1"), server.port());
    const bool handMade = sender.startsWith(QLatin1String("TEST"));
    if (handMade)
        client.TESTToggleOpenSendProcessAnswerClose(false); // connect only; we send
    client.openButton()->click();
    if (handMade) {
        QTRY_VERIFY_WITH_TIMEOUT(client.infoView()->toPlainText().contains(QLatin1String("Connected to server")),
                                 exchangeTimeoutMs);
        QVERIFY(QMetaObject::invokeMethod(&client, sender.toLatin1().constData()));
    }
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, exchangeTimeoutMs);
    QVERIFY2(boxes.last().text.startsWith(
                 QStringLiteral("A problem occurred:\n (%1) %2\n").arg(code).arg(errormessage[code])),
             qPrintable(boxes.last().text));
    QVERIFY(!client.uploadSucceeded());
}

void TestServerConnections::commandLine()
{
    // Arguments, exit code, a text of what it prints.
    const QList<std::tuple<QStringList, int, QString>> runs = {
        {{"--help"}, 0, "--max-connections-per-address"},
        {{"--port", "70000"}, 2, "70000"},
        {{"--port", "0", "--database", folder.filePath("missing/folder/x.sqlite")}, 1, "cannot use the database"},
    };
    for (const auto& [arguments, exitCode, text] : runs) {
        QProcess run;
        run.start(QStringLiteral(ZUV_SERVER_BINARY), arguments);
        QVERIFY(run.waitForFinished(exchangeTimeoutMs));
        QCOMPARE(run.exitCode(), exitCode);
        QVERIFY(QString::fromLocal8Bit(run.readAllStandardOutput() + run.readAllStandardError()).contains(text));
    }

    // Each limit given alone takes its value and leaves the others at their
    // defaults; one that is not a positive number of its kind is refused.
    using Limit = std::pair<const char*, std::function<qint64(const ServerOptions&)>>;
    const Limit limits[] = {
        {"--idle-timeout", [](const ServerOptions& o) { return o.idleTimeoutMs; }},
        {"--connection-timeout", [](const ServerOptions& o) { return o.connectionTimeoutMs; }},
        {"--header-timeout", [](const ServerOptions& o) { return o.headerTimeoutMs; }},
        {"--max-connections", [](const ServerOptions& o) { return o.maxConnections; }},
        {"--max-connections-per-address", [](const ServerOptions& o) { return o.maxConnectionsPerAddress; }},
        {"--min-rate", [](const ServerOptions& o) { return o.minRate; }},
        {"--max-buffered", [](const ServerOptions& o) { return o.maxBufferedBytes; }},
    };
    const ServerOptions defaults;
    const QString program = QStringLiteral("zuv-server");
    for (const auto& [option, valueOf] : limits) {
        const bool bytes = qstrcmp(option, "--max-buffered") == 0;
        const char* given = bytes ? "5000000000" : "1500";
        ServerOptions options;
        QString error;
        QCOMPARE(options.parse({program, QLatin1String(option), QLatin1String(given)}, error),
                 ServerOptions::Outcome::Run);
        for (const auto& [other, otherValueOf] : limits)
            QCOMPARE(otherValueOf(options), other == option ? QByteArray(given).toLongLong() : otherValueOf(defaults));
        for (const char* value : {"0", "-5", "many", bytes ? "99999999999999999999" : "99999999999"}) {
            const QString what = QStringLiteral("%1 %2").arg(QLatin1String(option), QLatin1String(value));
            QVERIFY2(options.parse({program, QLatin1String(option), QLatin1String(value)}, error) ==
                         ServerOptions::Outcome::Error,
                     qPrintable(what));
            QVERIFY2(error.contains(QLatin1String(value)), qPrintable(what + QStringLiteral(": ") + error));
        }
    }
}

void TestServerConnections::endsCleanlyOnSignals()
{
    QString whyNot;
    const QString database = freshDatabase(folder.path(), QStringLiteral("signals"), whyNot);
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        ServerProcess another;
        QVERIFY(another.start(database));
        // An upload before, and a connection still open while it ends.
        bool hungUp = false;
        QVERIFY(startsWithMagic(exchange(another.port(), uploadOf(member(0)), hungUp, exchangeTimeoutMs)));
        QTcpSocket lingering;
        lingering.connectToHost(QHostAddress::LocalHost, another.port());
        QVERIFY(lingering.waitForConnected(exchangeTimeoutMs));
        QVERIFY(another.stopWith(signalNumber));
    }
    // Both runs used the same database, and both uploads are in it.
    {
        const QSqlDatabase db = openReadOnly(database, QStringLiteral("signals"));
        QCOMPARE(valueOf(db, QStringLiteral("SELECT COUNT(*) FROM members")).toInt(), 2);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("signals"));
}

QTEST_MAIN(TestServerConnections)
#include "tst_serverconnections.moc"
