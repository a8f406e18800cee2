#include "server/serverprocess.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int EXCHANGE_TIMEOUT_MS = 10000;
// The servers here give up on silent connections after this long, and
// after a reply wait UploadConnection::CLOSE_GRACE_MS (5 s) for the client.
constexpr int IDLE_TIMEOUT_MS = 2000;
constexpr int CLOSE_GRACE_MS = 5000;
constexpr int SLACK_MS = 5000;
constexpr quint32 SMALL_BODY_LIMIT = 4096;
constexpr quint32 DEFAULT_BODY_LIMIT = 16 * 1024 * 1024;

// Growth of the server process while clients misbehave. The sanitizer build
// keeps freed memory back for a while (its quarantine), which a server that
// reads and drops a flood fills.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 MAX_SERVER_GROWTH_KIB = 384 * 1024;
#else
constexpr qint64 MAX_SERVER_GROWTH_KIB = 64 * 1024;
#endif

// A bare connection that does exactly what it is told and nothing else: it
// never reads unless asked, so whatever the server sends stays unread.
class RawConnection
{
public:
    explicit RawConnection(quint16 port) : fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawConnection()
    {
        if (fd >= 0)
            ::close(fd);
    }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool isConnected() const { return connected; }
    bool send(const QByteArray& bytes)
    {
        return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
    }
    // Sends without waiting: false once the server has closed the connection.
    bool sendIfRoom(const QByteArray& bytes)
    {
        const ssize_t sent = ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        return sent >= 0 || errno == EAGAIN || errno == EWOULDBLOCK;
    }
    // What has arrived by now, without waiting; `ended` is set once the
    // server has closed its side.
    QByteArray readAvailable(bool& ended)
    {
        QByteArray all;
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (got == 0)
                ended = true;
            if (got <= 0)
                return all;
            all.append(buffer, qsizetype(got));
        }
    }
    // Everything the server sent until it closed its side (or the time ran out).
    QByteArray readToEnd(int timeoutMs)
    {
        QByteArray all;
        timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0)
                return all;
            all.append(buffer, qsizetype(got));
        }
    }
    void close()
    {
        ::close(fd);
        fd = -1;
    }

private:
    int fd;
    bool connected = false;
};

qint64 rssKiBOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

int openFilesOf(qint64 pid)
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

ClientStorage newcomer()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.FavouriteCoin = 3;
    storage.eMailAddress = "new@example.org";
    Session first(0, QDateTime(QDate(2002, 3, 1), QTime(9, 0)), FORMAT_VERSION);
    first.insertCoins(3, 5, 1);
    first.insertCoins(7, 14, 300);
    first.observation = {UserEvent{10, 1}};
    Session second(0, QDateTime(QDate(2002, 3, 8), QTime(9, 0)), FORMAT_VERSION);
    second.insertCoins(5, 2, 128);
    storage.Sessions = {first, second};
    storage.InvitationList = {InvitedPerson{"Ann", "a@b.c", 17, false}};
    return storage;
}

// An answer the client would take: the whole frame, a record that reads.
bool isAnswer(const QByteArray& reply)
{
    FrameHeader header;
    if (!parseFrameHeader(reply, header) || !header.hasMagic() ||
        quint64(reply.size()) != FRAME_HEADER_SIZE + quint64(header.bodyLength))
        return false;
    ServerAnswer answer;
    QDataStream s(reply.mid(FRAME_HEADER_SIZE));
    try {
        s >> answer;
    } catch (...) {
        return false;
    }
    return s.atEnd();
}

} // namespace

// The project server against clients that are not our client: damaged
// uploads, crowds of connections that never finish, floods, and clients
// that never read what they are told. It keeps answering the others, its
// memory follows what it was actually sent, and it lets go of every
// connection in the end.
class TestHostileClients : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void damagedUploads();
    void crowdOfUnfinishedConnections();
    void floodAfterTheBody();
    void fullServerMakesClientsWait();
    void tricklingClientIsCutOff();

private:
    // The server still takes a whole upload and answers it.
    void verifyServerAnswers(ServerProcess& server);

    QTemporaryDir folder;
};

void TestHostileClients::initTestCase()
{
    QVERIFY(folder.isValid());
}

void TestHostileClients::verifyServerAnswers(ServerProcess& server)
{
    QCOMPARE(server.process().state(), QProcess::Running);
    bool hungUp = false;
    const QByteArray reply = exchange(server.port(), uploadOf(newcomer()), hungUp, EXCHANGE_TIMEOUT_MS);
    QVERIFY2(isAnswer(reply), reply.left(100).constData());
}

// Every truncation of an upload (the client hanging up after it) and two
// changed values of every body byte: each gets a refusal with the code of a
// bad client state or an answer, and the server lives on.
void TestHostileClients::damagedUploads()
{
    ServerProcess server;
    QVERIFY(server.start(folder.filePath(QStringLiteral("damaged.sqlite")),
                         {QStringLiteral("--idle-timeout"), QString::number(IDLE_TIMEOUT_MS)}));
    const qint64 pid = server.process().processId();
    const int filesBefore = openFilesOf(pid);
    const QByteArray upload = uploadOf(newcomer());

    for (int length = 0; length < upload.size(); ++length) {
        RawConnection client(server.port());
        QVERIFY(client.isConnected());
        QVERIFY(client.send(upload.left(length)));
    } // closed at once, mid-upload

    int refused = 0;
    int answered = 0;
    for (int at = FRAME_HEADER_SIZE; at < upload.size(); ++at) {
        for (const quint8 flip : {quint8(0x80), quint8(0xFF)}) {
            QByteArray bytes = upload;
            bytes[at] = char(quint8(bytes[at]) ^ flip);
            RawConnection client(server.port());
            QVERIFY(client.isConnected());
            QVERIFY(client.send(bytes));
            const QByteArray reply = client.readToEnd(EXCHANGE_TIMEOUT_MS);
            const QString what = QStringLiteral("byte %1 changed by %2").arg(at).arg(flip);
            if (isAnswer(reply)) {
                ++answered;
            } else {
                QVERIFY2(refusalCodeOf(reply) == TCP_CLIENT_HAS_BAD_DATA_FORMAT,
                         qPrintable(what + QStringLiteral(": ") + QString::fromLatin1(reply.left(80))));
                ++refused;
            }
        }
    }
    qInfo("%lld byte upload: %d changed uploads refused, %d answered", qlonglong(upload.size()), refused, answered);
    QVERIFY(refused > 0 && answered > 0);

    verifyServerAnswers(server);
    // Every connection is let go.
    QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore, IDLE_TIMEOUT_MS + SLACK_MS);
}

// Two hundred connections at once that never finish their upload: silent
// ones, ones that announce the largest body and send a little of it, ones
// that send a byte every 100 ms, and ones that send a whole upload and never
// read the answer nor hang up. A proper client is answered all the while;
// the server's memory follows what was sent, not what was announced; and
// every connection that stopped sending is closed by the server itself.
void TestHostileClients::crowdOfUnfinishedConnections()
{
    constexpr int SILENT = 80;
    constexpr int ANNOUNCING = 60;
    constexpr int TRICKLING = 40;
    constexpr int NOT_READING = 20;
    constexpr qsizetype SENT_OF_ANNOUNCED = 1024;
    constexpr int TRICKLE_MS = 100;

    ServerProcess server;
    QVERIFY(server.start(folder.filePath(QStringLiteral("crowd.sqlite")),
                         {QStringLiteral("--idle-timeout"), QString::number(IDLE_TIMEOUT_MS),
                          QStringLiteral("--max-body"), QString::number(DEFAULT_BODY_LIMIT)}));
    const qint64 pid = server.process().processId();
    verifyServerAnswers(server); // the database is warm
    const qint64 rssBefore = rssKiBOf(pid);
    const int filesBefore = openFilesOf(pid);

    std::vector<std::unique_ptr<RawConnection>> silent, announcing, trickling, notReading;
    const auto open = [&](std::vector<std::unique_ptr<RawConnection>>& group, int count) {
        for (int i = 0; i < count; ++i) {
            group.push_back(std::make_unique<RawConnection>(server.port()));
            QVERIFY(group.back()->isConnected());
        }
    };
    open(silent, SILENT);
    open(announcing, ANNOUNCING);
    for (auto& client : announcing)
        QVERIFY(client->send(frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, DEFAULT_BODY_LIMIT) +
                             QByteArray(SENT_OF_ANNOUNCED, 'a')));
    open(trickling, TRICKLING);
    open(notReading, NOT_READING);
    const QByteArray upload = uploadOf(newcomer());
    for (auto& client : notReading)
        QVERIFY(client->send(upload));

    // A byte at a time from every trickling client, for as long as the test runs.
    qsizetype trickled = 0;
    QTimer trickle;
    connect(&trickle, &QTimer::timeout, this, [&] {
        for (auto& client : trickling)
            client->send(upload.mid(trickled % upload.size(), 1));
        ++trickled;
    });
    trickle.start(TRICKLE_MS);

    QElapsedTimer clock;
    clock.start();
    bool hungUp = false;
    const QByteArray reply = exchange(server.port(), uploadOf(newcomer()), hungUp, EXCHANGE_TIMEOUT_MS);
    const qint64 answeredAfterMs = clock.elapsed();
    QVERIFY2(isAnswer(reply), reply.left(100).constData());
    QVERIFY2(answeredAfterMs < 2000, qPrintable(QString::number(answeredAfterMs)));

    const qint64 growth = rssKiBOf(pid) - rssBefore;
    QVERIFY2(growth < MAX_SERVER_GROWTH_KIB, qPrintable(QString::number(growth)));

    // The silent and the announcing ones are refused once idle, the ones that
    // never read are dropped after the grace time: only the trickling ones
    // (and the listening socket and the database) are left.
    QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore + TRICKLING, IDLE_TIMEOUT_MS + CLOSE_GRACE_MS + SLACK_MS);
    const QByteArray refusal = silent.front()->readToEnd(EXCHANGE_TIMEOUT_MS);
    QCOMPARE(refusalCodeOf(refusal), unsigned(TCP_SERVER_TIMEOUT));
    QCOMPARE(refusalCodeOf(announcing.front()->readToEnd(EXCHANGE_TIMEOUT_MS)), unsigned(TCP_SERVER_TIMEOUT));
    QVERIFY(isAnswer(notReading.front()->readToEnd(EXCHANGE_TIMEOUT_MS)));
    qInfo("a proper upload was answered after %lld ms among %d unfinished connections; the server grew by %lld KiB",
          answeredAfterMs, SILENT + ANNOUNCING + TRICKLING + NOT_READING, growth);

    trickle.stop();
    QCOMPARE(server.process().state(), QProcess::Running);
    trickling.clear();
    QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore, SLACK_MS);
    verifyServerAnswers(server);
}

// A client that goes on sending after its body, as fast as it can: the
// server refuses the body, drops the rest without keeping it, and closes
// the connection after the grace time although the client never stops.
void TestHostileClients::floodAfterTheBody()
{
    ServerProcess server;
    QVERIFY(server.start(folder.filePath(QStringLiteral("flood.sqlite")),
                         {QStringLiteral("--max-body"), QString::number(SMALL_BODY_LIMIT)}));
    const qint64 pid = server.process().processId();
    const qint64 rssBefore = rssKiBOf(pid);

    RawConnection client(server.port());
    QVERIFY(client.isConnected());
    QVERIFY(client.send(frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, SMALL_BODY_LIMIT)));
    const QByteArray chunk(64 * 1024, 'f');
    qint64 maxGrowth = 0;
    qint64 sent = 0;
    QElapsedTimer clock;
    clock.start();
    bool closedByServer = false;
    while (clock.elapsed() < CLOSE_GRACE_MS + SLACK_MS) {
        if (!client.sendIfRoom(chunk)) {
            closedByServer = true;
            break;
        }
        sent += chunk.size();
        if (sent % (16 * chunk.size()) == 0) { // about a GiB a second at most
            maxGrowth = qMax(maxGrowth, rssKiBOf(pid) - rssBefore);
            usleep(1000);
        }
    }
    const qint64 closedAfterMs = clock.elapsed();
    qInfo("the server closed the flooding connection after %lld ms and about %lld MiB; it grew by at most %lld KiB",
          closedAfterMs, sent / (1024 * 1024), maxGrowth);
    QVERIFY2(closedByServer, "the server kept a connection that never stops sending");
    QVERIFY(closedAfterMs >= CLOSE_GRACE_MS * 9 / 10);
    QVERIFY2(maxGrowth < MAX_SERVER_GROWTH_KIB, qPrintable(QString::number(maxGrowth)));
    verifyServerAnswers(server);
}

// A server that serves three connections at once, all taken by clients
// that say nothing: a fourth client's upload waits, unanswered, and those
// behind it are not even accepted. When one of the three hangs up, the
// waiting upload is served and answered.
void TestHostileClients::fullServerMakesClientsWait()
{
    constexpr int MAX_CONNECTIONS = 3;
    constexpr int BEHIND = 4;
    constexpr int UNANSWERED_FOR_MS = 1000;
    // The silent clients must not be dropped as idle while the test runs.
    constexpr int LONG_IDLE_TIMEOUT_MS = 30000;
    constexpr int SETTLE_MS = 200;

    ServerProcess server;
    QVERIFY(server.start(folder.filePath(QStringLiteral("full.sqlite")),
                         {QStringLiteral("--max-connections"), QString::number(MAX_CONNECTIONS),
                          QStringLiteral("--idle-timeout"), QString::number(LONG_IDLE_TIMEOUT_MS)}));
    const qint64 pid = server.process().processId();
    verifyServerAnswers(server); // the database is warm
    QTest::qWait(SETTLE_MS);     // and that connection let go
    const int filesBefore = openFilesOf(pid);

    // All of them in one burst: the server finds them in its backlog
    // together, in this order, and must stop taking them after the third.
    std::vector<std::unique_ptr<RawConnection>> silent;
    for (int i = 0; i < MAX_CONNECTIONS; ++i) {
        silent.push_back(std::make_unique<RawConnection>(server.port()));
        QVERIFY(silent.back()->isConnected());
    }
    RawConnection uploader(server.port());
    QVERIFY(uploader.isConnected()); // the backlog takes it
    std::vector<std::unique_ptr<RawConnection>> behind;
    for (int i = 0; i < BEHIND; ++i) {
        behind.push_back(std::make_unique<RawConnection>(server.port()));
        QVERIFY(behind.back()->isConnected());
    }
    QVERIFY(uploader.send(uploadOf(newcomer())));
    QVERIFY(uploader.readToEnd(UNANSWERED_FOR_MS).isEmpty());
    // The three are served and at most the uploader is accepted to wait its
    // turn: the ones behind it cost the server nothing yet.
    const int filesWhileFull = openFilesOf(pid);
    QVERIFY2(filesWhileFull >= filesBefore + MAX_CONNECTIONS && filesWhileFull <= filesBefore + MAX_CONNECTIONS + 1,
             qPrintable(QString::number(filesWhileFull - filesBefore)));
    QCOMPARE(server.process().state(), QProcess::Running);

    QElapsedTimer clock;
    clock.start();
    silent.front()->close();
    const QByteArray reply = uploader.readToEnd(EXCHANGE_TIMEOUT_MS);
    QVERIFY2(isAnswer(reply), reply.left(100).constData());
    qInfo("the waiting upload was answered %lld ms after a place came free", clock.elapsed());

    // Everyone leaves; the server takes new clients again.
    silent.clear();
    behind.clear();
    uploader.close();
    QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore, SLACK_MS);
    verifyServerAnswers(server);
}

// A client that sends a byte every 100 ms is never idle for 500 ms, but its
// upload is not complete when the connection's 1500 ms are up: it is refused
// like a silent one and the server closes its side. Meanwhile a proper
// upload and one sent in pieces for most of the connection time are answered.
void TestHostileClients::tricklingClientIsCutOff()
{
    constexpr int IDLE_MS = 500;
    constexpr int CONNECTION_MS = 1500;
    constexpr int TRICKLE_MS = 100;
    constexpr int PIECES = 8; // sent one a tick, the last at about 800 ms

    ServerProcess server;
    QVERIFY(server.start(folder.filePath(QStringLiteral("trickle.sqlite")),
                         {QStringLiteral("--idle-timeout"), QString::number(IDLE_MS),
                          QStringLiteral("--connection-timeout"), QString::number(CONNECTION_MS)}));
    const QByteArray upload = uploadOf(newcomer());
    QVERIFY(upload.size() > CONNECTION_MS / TRICKLE_MS * 2); // the trickle never completes it

    QElapsedTimer clock;
    clock.start();
    RawConnection trickling(server.port());
    QVERIFY(trickling.isConnected());
    RawConnection inPieces(server.port());
    QVERIFY(inPieces.isConnected());
    const qsizetype pieceSize = upload.size() / PIECES + 1;

    QByteArray refusal;
    qint64 endedAfterMs = -1;
    qsizetype trickled = 0;
    qsizetype pieced = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, this, [&] {
        if (pieced < upload.size()) {
            inPieces.send(upload.mid(pieced, pieceSize));
            pieced += pieceSize;
        }
        if (endedAfterMs >= 0)
            return;
        bool ended = false;
        refusal += trickling.readAvailable(ended);
        if (ended)
            endedAfterMs = clock.elapsed();
        else
            trickling.sendIfRoom(upload.mid(trickled++, 1));
    });
    tick.start(TRICKLE_MS);

    verifyServerAnswers(server);
    QTRY_VERIFY_WITH_TIMEOUT(endedAfterMs >= 0, CONNECTION_MS + SLACK_MS);
    tick.stop();
    qInfo("the trickling client was cut off after %lld ms and %lld bytes", endedAfterMs, qlonglong(trickled));
    QCOMPARE(refusalCodeOf(refusal), unsigned(TCP_SERVER_TIMEOUT));
    QVERIFY2(endedAfterMs >= CONNECTION_MS * 9 / 10, qPrintable(QString::number(endedAfterMs)));

    const QByteArray answer = inPieces.readToEnd(EXCHANGE_TIMEOUT_MS);
    QVERIFY2(isAnswer(answer), answer.left(100).constData());
}

QTEST_MAIN(TestHostileClients)
#include "tst_hostileclients.moc"
