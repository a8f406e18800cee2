#include "serverprocess.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "net/protocol.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

constexpr int EXCHANGE_TIMEOUT_MS = 10000;
// After a reply the server gives the client 5 s to hang up
// (UploadConnection::CLOSE_GRACE_MS).
constexpr int CLOSE_GRACE_MS = 5000;
constexpr int SLACK_MS = 5000;
// "At once": well before any time limit of these servers could free a place.
constexpr int AT_ONCE_MS = 5000;
constexpr int TICK_MS = 100;
// The hostile peers come from 127.0.0.1 (and .3, .4 where another address
// is needed), the honest participant from 127.0.0.2.
constexpr quint8 BUSY = 1;
constexpr quint8 HONEST = 2;
// Growth of the server process while clients misbehave.
constexpr qint64 MAX_SERVER_GROWTH_KIB = 64 * 1024;

// The sanitizer holds up to 256 MiB of freed memory back before reusing it,
// which a server dropping a flood fills; with a small hold the server's growth
// is its own again. Only the servers started afterwards read this.
void serversHoldLittleFreedMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QByteArray options = qgetenv("ASAN_OPTIONS");
    options += options.isEmpty() ? "" : ":";
    qputenv("ASAN_OPTIONS", options + "quarantine_size_mb=16");
#endif
}

qint64 rssKiBOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf("VmRSS:");
    return at < 0 ? -1 : text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().split(' ').first().toLongLong();
}

int openFilesOf(qint64 pid)
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

// An upload the server takes, of about `messageChars` characters more than
// a bare newcomer's.
QByteArray honestUpload(int messageChars = 0)
{
    ClientStorage storage;
    storage.setDefaultValues();
    Session session(0, QDateTime(QDate(2002, 3, 1), QTime(9, 0)), FORMAT_VERSION);
    session.insertCoins(3, 5, 1);
    storage.Sessions = {session};
    storage.Message = QString(messageChars, QLatin1Char('m'));
    return uploadOf(storage);
}

// An answer frame, whole (what it says is checked where uploads are).
bool isAnswer(const QByteArray& reply)
{
    FrameHeader header;
    return parseFrameHeader(reply, header) && header.hasMagic() &&
           quint64(reply.size()) == FRAME_HEADER_SIZE + quint64(header.bodyLength);
}

QByteArray announcing(quint32 bodyBytes)
{
    return frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, bodyBytes);
}

// A body announced and sent but for its last byte.
QByteArray heldBody(quint32 bytes)
{
    return announcing(bytes) + QByteArray(qsizetype(bytes) - 1, 'h');
}

// A peer of the table below: what it sends on connecting, what it then
// drips (`pieceBytes` every `everyTicks` ticks), and what it must get.
struct Peer
{
    enum Outcome { Refused, Served, Answered };
    Peer(QByteArray first = {}, QByteArray drip = {}, int pieceBytes = 1, int everyTicks = 1)
        : first(std::move(first)), drip(std::move(drip)), pieceBytes(pieceBytes), everyTicks(everyTicks)
    {
    }
    QByteArray first;
    QByteArray drip;
    int pieceBytes;
    int everyTicks;
    quint8 octet = BUSY;
    Outcome outcome = Served;
    QByteArray reason;  // of a refusal, which carries code 14
    int earliestMs = 0; // of a refusal, counted from the connection
    int latestMs = 0;

    // While it runs.
    std::shared_ptr<RawConnection> connection;
    QElapsedTimer since;
    QByteArray received;
    qint64 endedAfterMs = -1;

    bool connect(quint16 port)
    {
        since.start();
        connection = std::make_shared<RawConnection>(port, octet);
        return connection->isConnected() && connection->send(first);
    }
    void step(int tick)
    {
        if (endedAfterMs >= 0)
            return;
        if (!drip.isEmpty() && tick % everyTicks == 0) {
            connection->sendIfRoom(drip.left(pieceBytes));
            drip.remove(0, pieceBytes);
        }
        bool ended = false;
        received += connection->read(ended);
        if (ended)
            endedAfterMs = since.elapsed();
    }
    bool gotItsDue() const
    {
        switch (outcome) {
        case Served:
            return received.isEmpty() && endedAfterMs < 0;
        case Answered:
            return isAnswer(received);
        case Refused:
            return refusalCodeOf(received) == TCP_SERVER_TIMEOUT && received.contains(reason) &&
                   endedAfterMs >= earliestMs && endedAfterMs <= latestMs;
        }
        return false;
    }
};

Peer answered(Peer p)
{
    p.outcome = Peer::Answered;
    return p;
}

// Refused once the time limit `deadlineMs` has run out and not before, or
// at once without one.
Peer refused(const char* reason, Peer p, int deadlineMs = 0)
{
    p.outcome = Peer::Refused;
    p.reason = reason;
    p.earliestMs = deadlineMs * 9 / 10;
    p.latestMs = deadlineMs > 0 ? deadlineMs + SLACK_MS : AT_ONCE_MS;
    return p;
}

Peer from(quint8 octet, Peer p)
{
    p.octet = octet;
    return p;
}

} // namespace

Q_DECLARE_METATYPE(QList<Peer>)

// The project server against clients that are not our client: peers that
// take every place they can, drip their bytes, stay silent, hold large
// bodies, never hang up or flood it. It keeps answering honest participants
// at once, its memory follows its budget, and it lets go of every
// connection in the end.
class TestHostileClients : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        serversHoldLittleFreedMemory();
    }
    void cleanup() { server.reset(); }
    void peersMeetTheirLimits_data();
    void peersMeetTheirLimits();
    void floodsAreDropped();
    void fullServerMakesClientsWait();

private:
    // Starts the server and has it answer once (the database is warm), then
    // notes how many files it holds open.
    void start(const QStringList& options = {})
    {
        server = std::make_unique<ServerProcess>();
        QVERIFY(server->start(folder.filePath(QStringLiteral("server%1.sqlite").arg(++servers)), options));
        pid = server->process().processId();
        verifyAnswered();
        QTest::qWait(200); // and that connection let go
        filesBefore = openFilesOf(pid);
    }
    // The server takes the upload from 127.0.0.<octet> and answers it, at
    // once for an honest participant.
    void verifyAnswered(quint8 octet = HONEST, const QByteArray& upload = honestUpload())
    {
        QCOMPARE(server->process().state(), QProcess::Running);
        QElapsedTimer clock;
        clock.start();
        bool hungUp = false;
        const QByteArray reply = exchange(server->port(), upload, hungUp, EXCHANGE_TIMEOUT_MS, octet);
        QVERIFY2(isAnswer(reply), reply.left(100).constData());
        QVERIFY2(octet != HONEST || clock.elapsed() < AT_ONCE_MS, qPrintable(QString::number(clock.elapsed())));
    }
    // Every connection is let go once its peer has left.
    void verifyAllLetGo() { QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore, SLACK_MS); }

    QTemporaryDir folder;
    int servers = 0;
    std::unique_ptr<ServerProcess> server;
    qint64 pid = 0;
    int filesBefore = 0;
};

void TestHostileClients::peersMeetTheirLimits_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QList<Peer>>("peers");

    const QByteArray upload = honestUpload();
    const Peer headerDrip{{}, announcing(100), 1, 10}; // a byte a second
    // Fifty connections from one address: sixteen are served, every further
    // one is told at once to try later.
    QTest::newRow("address at its limit")
        << QStringLiteral("--header-timeout 60000")
        << QList<Peer>(16, headerDrip) + QList<Peer>(34, refused("too many connections", headerDrip)) +
               QList<Peer>{from(3, answered(Peer{upload}))}; // never hangs up

    // Each peer runs into another time limit (silence before the header, a
    // header dripped, silence after a body's start, a body at a fifth of the
    // least rate, one at twice that rate but longer than the connection
    // time); pieces in steady succession run into none.
    const QByteArray body(8000, 'b');
    QTest::newRow("time limits")
        << QStringLiteral("--header-timeout 1500 --idle-timeout 2000 --min-rate 500 --connection-timeout 3000")
        << QList<Peer>{
               refused("header not complete", Peer{}, 1500),
               refused("header not complete", headerDrip, 1500),
               refused("silent", Peer{heldBody(1000)}, 2000),
               refused("too slowly", Peer{announcing(4000), body.left(4000), 10}, 1875),
               refused("upload not complete", Peer{announcing(8000), body, 100}, 3000),
               answered(Peer{{}, upload, int(upload.size() / 8 + 1)}),
               answered(Peer{upload}),
           };

    // Bodies above 64 KiB take room in a budget of 256 KiB, an address at
    // most half of it; smaller ones need none.
    const Peer holder{heldBody(100 * 1024)};
    QTest::newRow("memory budget") << QStringLiteral("--max-buffered 262144")
                                   << QList<Peer>{holder, refused("server busy", holder), from(3, holder),
                                                  from(4, refused("server busy", holder)), Peer{heldBody(32 * 1024)}};
}

// Whatever the peers do, the honest participant is answered at once; each
// peer gets what its conduct earns (refused with code 14 when it runs into a
// limit, within that limit's time), and the server lets go of every
// connection it no longer serves, whether or not the peer hangs up.
void TestHostileClients::peersMeetTheirLimits()
{
    QFETCH(QString, options);
    QFETCH(QList<Peer>, peers);
    constexpr int OPEN_GAP_MS = 50; // the server reads the peers in turn
    start(options.split(QLatin1Char(' ')));

    int ticks = 0;
    const auto tick = [&] {
        for (Peer& p : peers)
            if (p.connection)
                p.step(ticks);
    };
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        ++ticks;
        tick();
    });
    ticker.start(TICK_MS);
    for (Peer& p : peers) {
        QVERIFY(p.connect(server->port()));
        QTest::qWait(OPEN_GAP_MS);
    }
    verifyAnswered();

    int latestMs = 0;
    int served = 0;
    for (const Peer& p : peers) {
        latestMs = qMax(latestMs, p.latestMs);
        served += p.outcome == Peer::Served;
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(peers.cbegin(), peers.cend(),
                    [](const Peer& p) { return p.outcome == Peer::Served || p.endedAfterMs >= 0; }),
        latestMs);
    // The server closes what it answered or refused after the grace time,
    // though these peers never hang up.
    QTRY_VERIFY_WITH_TIMEOUT(openFilesOf(pid) <= filesBefore + served, CLOSE_GRACE_MS + SLACK_MS);
    tick(); // the last of what arrived
    for (qsizetype i = 0; i < peers.size(); ++i)
        QVERIFY2(peers[i].gotItsDue(),
                 qPrintable(QStringLiteral("peer %1 after %2 ms: ").arg(i).arg(peers[i].endedAfterMs) +
                            QString::fromLatin1(peers[i].received.left(80))));

    // When they leave, every place and every byte of the budget is free
    // again: the busy address may send a body of most of the budget.
    ticker.stop();
    peers.clear();
    verifyAllLetGo();
    verifyAnswered(BUSY, honestUpload(100 * 1024)); // 200 KiB
}

// Random frames and every truncation of an upload on short connections that
// hang up, bodies of the largest size announced but hardly sent, and a
// client that goes on sending after its body as fast as it can. Honest
// uploads are answered all the while; the server keeps neither the flood nor
// what was only announced, closes the flooding connection after the grace
// time although the client never stops, and lets go of every connection.
void TestHostileClients::floodsAreDropped()
{
    constexpr int RANDOM_FRAMES = 300;
    constexpr int ANNOUNCING = 8; // together half the default budget
    constexpr quint32 LARGEST_BODY = 16 * 1024 * 1024;
    start();
    const qint64 rssBefore = rssKiBOf(pid);

    const QByteArray upload = honestUpload();
    for (int length = 0; length < upload.size(); ++length)
        RawConnection(server->port()).send(upload.left(length));
    QRandomGenerator random(20);
    for (int i = 0; i < RANDOM_FRAMES; ++i) {
        QByteArray frame(qsizetype(random.bounded(1, 200)), Qt::Uninitialized);
        for (char& byte : frame)
            byte = char(random.bounded(256));
        if (i % 2 == 0)
            frame.replace(0, FRAME_HEADER_SIZE, announcing(random.bounded(LARGEST_BODY)));
        RawConnection(server->port()).send(frame);
    }
    std::vector<std::unique_ptr<RawConnection>> announced;
    for (int i = 0; i < ANNOUNCING; ++i) {
        announced.push_back(std::make_unique<RawConnection>(server->port(), 3));
        QVERIFY(announced.back()->send(announcing(LARGEST_BODY) + QByteArray(1024, 'a')));
    }
    verifyAnswered();

    RawConnection client(server->port(), 4);
    QVERIFY(client.send(announcing(4096)));
    const QByteArray chunk(64 * 1024, 'f');
    qint64 maxGrowth = 0;
    qint64 sent = 0;
    QElapsedTimer clock;
    clock.start();
    bool closedByServer = false;
    while (!closedByServer && clock.elapsed() < CLOSE_GRACE_MS + SLACK_MS) {
        closedByServer = !client.sendIfRoom(chunk);
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
    verifyAnswered();
    announced.clear();
    verifyAllLetGo();
}

// A server that serves three connections at once, all taken by clients
// that say nothing: a fourth client's upload waits, unanswered, and those
// behind it are not even accepted. When one of the three hangs up, the
// waiting upload is served and answered.
void TestHostileClients::fullServerMakesClientsWait()
{
    constexpr int MAX_CONNECTIONS = 3;
    constexpr int BEHIND = 4;
    start({QStringLiteral("--max-connections"), QString::number(MAX_CONNECTIONS)});

    // All of them in one burst: the server finds them in its backlog
    // together, in this order, and must stop taking them after the third.
    std::vector<std::unique_ptr<RawConnection>> clients;
    for (int i = 0; i < MAX_CONNECTIONS + 1 + BEHIND; ++i) {
        clients.push_back(std::make_unique<RawConnection>(server->port(), i < MAX_CONNECTIONS ? BUSY : HONEST));
        QVERIFY(clients.back()->isConnected()); // the backlog takes them
    }
    RawConnection& uploader = *clients[MAX_CONNECTIONS];
    QVERIFY(uploader.send(honestUpload()));
    bool ended = false;
    QVERIFY(uploader.read(ended, 1000).isEmpty()); // unanswered for a second
    // The three are served and at most the uploader is accepted to wait its
    // turn: the ones behind it cost the server nothing yet.
    const int whileFull = openFilesOf(pid) - filesBefore;
    QVERIFY2(whileFull >= MAX_CONNECTIONS && whileFull <= MAX_CONNECTIONS + 1, qPrintable(QString::number(whileFull)));

    clients.front()->close();
    const QByteArray reply = uploader.read(ended, EXCHANGE_TIMEOUT_MS);
    QVERIFY2(isAnswer(reply), reply.left(100).constData());

    // Everyone leaves; the server takes new clients again.
    clients.clear();
    verifyAllLetGo();
    verifyAnswered();
}

QTEST_MAIN(TestHostileClients)
#include "tst_hostileclients.moc"
