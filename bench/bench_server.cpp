// SPDX-License-Identifier: GPL-3.0-or-later
// The project server under load: realistic uploads over loopback from 1, 8
// and 64 clients at once, each client uploading again as soon as it has its
// answer, into a database in use (1,000,000 stored sessions at full scale),
// on SQLite and on PostgreSQL. Each level starts the real zuv-server on that
// database; each client first registers (a member number of 0 makes the
// server give one), then sends its uploads as that member, each with sessions
// the server has not seen, so that every upload is stored. After each level
// the project's totals and published numbers must equal a fresh count.
// Then the server against hostile peers: its peak memory while every place
// holds a nearly complete largest body, and how long an honest upload waits
// behind connections that drip their header. And the published results on a
// database in use: see below.
//
// Filling the database in use takes tens of minutes at full scale, every
// run. With ZUV_BENCH_KEEP=DIR it is filled once and kept in DIR: SQLite's
// as DIR/sqlite-<sessions>.sqlite, PostgreSQL's as the database
// zuvbench_<sessions> of a cluster in DIR/postgresql that only stops when
// the run ends. A later run with the same DIR and the same number of
// sessions reuses what it finds there if its sessions and members are those
// it would have filled, else it fills anew and says so. Each run measures a
// copy of the kept database, which itself stays as it was filled: the levels
// add their uploads to the copy one after the other, as they do to a
// database filled afresh. A database kept by an older build is upgraded by
// the server when it first opens the copy; the summary says how long that
// first start took until the server listened.

#include "benchstates.h"
#include "childprocess.h"
#include "summary.h"

#include "common/constants.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "server/results/publicationrun.h"
#include "server/results/resultsaggregates.h"
#include "server/storage/databaselocation.h"
#include "server/storage/projectdatabase.h"
#include "server/storage/projectschema.h"
#include "server/storage/sqlconnection.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pwd.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Uploads timed at every level (four times as many at full scale); divisible by every client count.
constexpr int UPLOADS_PER_LEVEL = 640;
// A socket that waits this long for the server has failed.
constexpr int SOCKET_TIMEOUT_S = 30;
constexpr int SERVER_START_TIMEOUT_MS = 10000;
// The server upgrades an older database before it listens: at full scale that may take long.
constexpr int UPGRADE_TIMEOUT_MS = 4 * 3600 * 1000;

class ServerUnderTest
{
public:
    ~ServerUnderTest() { stop(); }

    // Starts zuv-server on a free loopback port with a fresh database and
    // the given further options.
    bool start(const QString& databaseFile, std::string& failure, const std::vector<std::string>& options = {},
               int timeoutMs = SERVER_START_TIMEOUT_MS)
    {
        const QByteArray database = databaseFile.toLocal8Bit();
        // No web pages unless the options name a port for them (the last
        // --http-port given counts), and no publication but the benchmark's.
        std::vector<const char*> argv = {ZUV_BENCH_SERVER,    "--address", "127.0.0.1",    "--port", "0",
                                         "--http-port",       "0",         "--publish-at", "never",  "--database",
                                         database.constData()};
        for (const std::string& option : options)
            argv.push_back(option.c_str());
        argv.push_back(nullptr);
        if (!startChild(ZUV_BENCH_SERVER, argv.data(), nullptr, child)) {
            failure = "cannot start zuv-server";
            return false;
        }
        // "zuv-server listening on 127.0.0.1:<port>"
        const std::string printed = readFirstLine(child, timeoutMs);
        const std::size_t colon = printed.rfind(':');
        if (printed.find("listening on") == std::string::npos || colon == std::string::npos) {
            failure = "zuv-server did not start: " + printed;
            return false;
        }
        port = quint16(std::stoi(printed.substr(colon + 1)));
        return port != 0;
    }

    void stop()
    {
        if (child.pid > 0) {
            kill(child.pid, SIGTERM);
            int status = 0;
            waitpid(child.pid, &status, 0);
            child = ChildProcess();
        }
    }

    pid_t pid() const { return child.pid; }

    quint16 port = 0;

private:
    ChildProcess child;
};

bool sendAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

bool receiveExactly(int fd, char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = recv(fd, data, size, 0);
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

// A socket connected to the server on `port` from 127.0.0.<fromOctet>
// (Linux answers the whole of 127/8 on loopback, so every participant of a
// benchmark can have an address of its own); -1 when that failed.
int connectFrom(quint8 fromOctet, quint16 port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    const timeval timeout{SOCKET_TIMEOUT_S, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl((127u << 24) | fromOctet);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            return fd;
    }
    close(fd);
    return -1;
}

// One upload as the client makes it from 127.0.0.<fromOctet>: connect, send
// the message, read the answer's header and body, hang up. False (with the
// reason) when the answer is not an accepted upload.
bool uploadOnce(quint16 port, const QByteArray& message, ServerAnswer& answer, std::string& failure,
                quint8 fromOctet = 1)
{
    const int fd = connectFrom(fromOctet, port);
    if (fd < 0) {
        failure = "cannot connect";
        return false;
    }
    bool ok = false;
    QByteArray header(FRAME_HEADER_SIZE, Qt::Uninitialized);
    FrameHeader frame;
    if (!sendAll(fd, message.constData(), std::size_t(message.size())))
        failure = "sending failed";
    else if (!receiveExactly(fd, header.data(), FRAME_HEADER_SIZE) || !parseFrameHeader(header, frame))
        failure = "no answer";
    else if (!frame.hasMagic())
        failure = "refused: " + header.toStdString();
    else if (frame.bodyLength > MAX_ANSWER_BODY_SIZE)
        failure = "answer too long";
    else {
        QByteArray body(qsizetype(frame.bodyLength), Qt::Uninitialized);
        if (!receiveExactly(fd, body.data(), std::size_t(body.size()))) {
            failure = "answer cut short";
        } else {
            QDataStream in(body);
            try {
                in >> answer;
                ok = in.status() == QDataStream::Ok && (answer.flags & ServerAnswer::AnswerOK);
                if (!ok)
                    failure = "answer without AnswerOK";
            } catch (const std::exception&) {
                failure = "unreadable answer";
            }
        }
    }
    close(fd);
    return ok;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, std::size_t(std::ceil(fraction * double(values.size()))) - 1);
    return values[index];
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zuvserverbench-XXXXXX"));
    return dir;
}

// The clients of runClients upload from 127.0.0.10 on.
quint8 clientOctet(std::size_t client)
{
    return quint8(10 + client % 200);
}

struct BatchResult
{
    double seconds = 0;
    std::vector<double> latencies;
    std::string failure; // empty when every upload was accepted
};

// Every client on its own thread and from an address of its own (as the
// participants come from their own machines) sends its messages one after
// the other, each as soon as the previous one is answered; all clients start
// together.
BatchResult runClients(quint16 port, const std::vector<std::vector<QByteArray>>& messages)
{
    const std::size_t clients = messages.size();
    std::vector<std::vector<double>> perThread(clients);
    std::vector<std::string> failures(clients);
    std::atomic<std::size_t> ready{0};
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (std::size_t c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            ++ready;
            while (!go)
                std::this_thread::yield();
            for (const QByteArray& message : messages[c]) {
                const auto started = std::chrono::steady_clock::now();
                ServerAnswer answer;
                if (!uploadOnce(port, message, answer, failures[c], clientOctet(c)))
                    return;
                perThread[c].push_back(
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
            }
        });
    }
    while (ready < clients)
        std::this_thread::yield();
    const auto started = std::chrono::steady_clock::now();
    go = true;
    for (std::thread& thread : threads)
        thread.join();
    BatchResult result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    for (const std::string& failure : failures)
        if (!failure.empty() && result.failure.empty())
            result.failure = failure;
    for (const auto& times : perThread)
        result.latencies.insert(result.latencies.end(), times.begin(), times.end());
    return result;
}

enum DatabaseKind { SQLITE, POSTGRESQL };
const char* const KIND_NAMES[] = {"SQLite", "PostgreSQL"};

// The database in use of that kind, filled the first time it is asked for
// (defined with the published results below); empty with `failure` when
// there is none.
QString filledDatabase(DatabaseKind kind, std::string& failure);
int resultsSessions();
bool fullScale();
// The processor time the database's own processes have used so far: 0 for
// SQLite, which works in the server's process.
double databaseCpuSeconds(DatabaseKind kind);

// The processor time (user and system, every thread) the process has used so far.
double processCpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // After the command name in parentheses: state, then utime and stime are the 12th and 13th fields.
    std::istringstream fields(line.substr(std::min(line.size(), line.rfind(')') + 1)));
    std::string field;
    double ticks = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i)
        if (i >= 12)
            ticks += std::stod(field);
    return ticks / double(sysconf(_SC_CLK_TCK));
}

// Runs `work` on the database at `location` in a transaction that is rolled
// back; false with `failure` when the database failed.
bool inRolledBackTransaction(const QString& location, const std::function<void(SqlConnection&)>& work,
                             std::string& failure)
{
    const QString name = QStringLiteral("bench-check");
    {
        ProjectDatabase database(name);
        if (!database.open(location)) {
            failure = database.lastError().toStdString();
            return false;
        }
        SqlConnection sql(name, database.dialect());
        try {
            sql.dialect().begin(sql, SqlDialect::Access::WriteAlone); // counting may take long
            work(sql);
            sql.execute(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseFailure& failed) {
            failure = failed.text.toStdString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return failure.empty();
}

// Empty when the totals the server keeps and, with `publishedToo`, its
// published numbers equal a fresh count of the stored sessions, else what
// differs.
std::string differenceFromFreshCount(const QString& location, bool publishedToo)
{
    std::string difference;
    const bool checked = inRolledBackTransaction(
        location,
        [&difference, publishedToo](SqlConnection& sql) {
            const QString kept =
                sql.value(QStringLiteral("SELECT (SELECT value FROM server_state WHERE name = 'members') || ' ' ||"
                                         " (SELECT value FROM server_state WHERE name = 'purses') || ' ' ||"
                                         " (SELECT value FROM server_state WHERE name = 'sum_cents')"))
                    .toString();
            const QString counted =
                sql.value(QStringLiteral("SELECT (SELECT COUNT(*) FROM members) || ' ' ||"
                                         " (SELECT COUNT(*) FROM sessions WHERE length(purse) > 0) || ' ' ||"
                                         " (SELECT COALESCE(SUM(sum_cents), 0) FROM sessions)"))
                    .toString();
            if (kept != counted)
                difference = "totals kept " + kept.toStdString() + ", counted " + counted.toStdString() + "; ";
            if (!publishedToo)
                return;
            // Every member's share of the cells, as kept against counted
            // afresh (the publication sums the cells from them).
            sql.execute(QStringLiteral("CREATE TEMPORARY TABLE kept AS SELECT * FROM result_cell_members"));
            ResultsAggregates(sql).rebuild();
            const qint64 differing =
                sql.value(QStringLiteral("SELECT (SELECT COUNT(*) FROM (SELECT * FROM kept EXCEPT"
                                         " SELECT * FROM result_cell_members) AS gone) + (SELECT COUNT(*) FROM"
                                         " (SELECT * FROM result_cell_members EXCEPT SELECT * FROM kept) AS missing)"))
                    .toLongLong();
            if (differing != 0)
                difference += std::to_string(differing) + " rows of result_cell_members differ; ";
        },
        difference);
    return checked || !difference.empty() ? difference : "cannot check";
}

// Arguments: the database (SQLITE, POSTGRESQL), the number of clients at
// once and the server's storing connections (0: its default).
void BM_ServerUploads(benchmark::State& state)
{
    const auto kind = DatabaseKind(state.range(0));
    const int clients = int(state.range(1));
    const int storing = int(state.range(2));
    // A server starts every level with an empty page cache: at full scale
    // its first uploads read much of the database, so a level runs longer.
    const int uploads = fullScale() ? 4 * UPLOADS_PER_LEVEL : UPLOADS_PER_LEVEL;
    const int perClient = uploads / clients;
    std::vector<double> latencies;
    double uploadsPerSecond = 0;
    double messageBytes = 0;
    double cpuSeconds = 0;
    // Every upload brings sessions of its own, new to the database.
    static int serial = 3000000;
    for (auto _ : state) {
        std::string failure;
        const QString database = filledDatabase(kind, failure);
        ServerUnderTest server;
        const std::vector<std::string> options =
            storing > 0 ? std::vector<std::string>{"--storing-connections", std::to_string(storing)}
                        : std::vector<std::string>{};
        if (database.isEmpty() || !server.start(database, failure, options)) {
            state.SkipWithError(failure.c_str());
            return;
        }

        // Untimed: every client becomes a member.
        std::vector<std::vector<QByteArray>> timed(static_cast<std::size_t>(clients));
        for (std::size_t c = 0; c < std::size_t(clients); ++c) {
            ServerAnswer answer;
            if (!uploadOnce(server.port, uploadMessage(uploadState(0, serial++)), answer, failure, clientOctet(c)) ||
                !(answer.flags & ServerAnswer::NewMember)) {
                state.SkipWithError(("registration failed: " + failure).c_str());
                return;
            }
            for (int k = 1; k <= perClient; ++k)
                timed[c].push_back(uploadMessage(uploadState(answer.memberNumber, serial++, answer.memberSince)));
        }
        messageBytes = double(timed[0][0].size());

        const double cpuBefore = processCpuSeconds(server.pid()) + databaseCpuSeconds(kind);
        const BatchResult result = runClients(server.port, timed);
        cpuSeconds += processCpuSeconds(server.pid()) + databaseCpuSeconds(kind) - cpuBefore;
        server.stop();
        if (!result.failure.empty()) {
            state.SkipWithError(("an upload failed: " + result.failure).c_str());
            return;
        }
        // Counting every published cell afresh takes SQLite a quarter of an
        // hour at full scale: there the totals are checked after each level.
        const std::string difference = differenceFromFreshCount(database, !fullScale());
        if (!difference.empty()) {
            state.SkipWithError(("not a fresh count: " + difference).c_str());
            return;
        }
        latencies.insert(latencies.end(), result.latencies.begin(), result.latencies.end());
        uploadsPerSecond += double(uploads) / result.seconds;
        state.SetIterationTime(result.seconds);
    }
    state.counters["uploads_per_s"] = uploadsPerSecond / double(state.iterations());
    state.counters["median_ms"] = percentile(latencies, 0.5) * 1e3;
    state.counters["p99_ms"] = percentile(latencies, 0.99) * 1e3;
    state.counters["upload_KB"] = messageBytes / 1e3;
    // What an upload costs the machine, however busy it is otherwise: the
    // server's and the database's processor time.
    state.counters["cpu_ms"] = cpuSeconds * 1e3 / double(uploads * state.iterations());
}

const int CLIENT_LEVELS[] = {1, 8, 64};
// PostgreSQL's storing connections measured apart, at the most clients.
const int STORING_LEVELS[] = {1, 2, 4};

std::string serverUploadsName(DatabaseKind kind, int clients, int storing)
{
    return "BM_ServerUploads/database:" + std::to_string(kind) + "/clients:" + std::to_string(clients) +
           "/storing:" + std::to_string(storing);
}

BENCHMARK(BM_ServerUploads)
    ->ArgNames({"database", "clients", "storing"})
    ->ArgsProduct({{SQLITE, POSTGRESQL}, {std::begin(CLIENT_LEVELS), std::end(CLIENT_LEVELS)}, {0}})
    ->ArgsProduct({{POSTGRESQL}, {CLIENT_LEVELS[2]}, {std::begin(STORING_LEVELS), std::end(STORING_LEVELS)}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The processor time an upload may cost, server and database together, at
// every level: by database kind.
constexpr double GOAL_CPU_MS[] = {1.0, 2.5};
// And SQLite stores this many uploads a second from this many clients at once.
constexpr int GOAL_CLIENTS = 8;
constexpr double GOAL_UPLOADS_PER_SECOND = 1000;

// Hostile peers. At full scale (scripts/bench.sh sets ZUV_BENCH_FULL_SCALE)
// the memory figure has every place of the server taken by a connection that
// holds all but the last byte of the largest body, and the honest upload
// waits behind 600 connections from one address that drip their header
// (enough, before the limit per address, to keep everyone else out for two
// minutes). Without it both run at a size that takes a second.

// Kilobytes of the process's memory line `field` ("VmRSS:", "VmHWM:"), or -1.
long memoryKiB(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, field.size(), field) == 0)
            return std::stol(line.substr(field.size()));
    return -1;
}

// The resident memory once it has stopped growing: the server has read what
// it was sent.
long settledMemoryKiB(pid_t pid)
{
    constexpr int STEP_MS = 200;
    constexpr int STEPS = 50;
    long last = memoryKiB(pid, "VmRSS:");
    for (int i = 0; i < STEPS; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(STEP_MS));
        const long now = memoryKiB(pid, "VmRSS:");
        if (now - last < 1024)
            return now;
        last = now;
    }
    return last;
}

// Arguments: connections, body size and budget (MiB). The connections come
// from as many addresses as the limit per address needs, each announces the
// body and sends all of it but the last byte, or stops when it is refused.
void BM_ServerHeldBodies(benchmark::State& state)
{
    constexpr int PER_ADDRESS = 16;
    constexpr int SEND_TIMEOUT_MS = 120000;
    const int connections = int(state.range(0));
    const qint64 bodyBytes = state.range(1) << 20;
    const qint64 budgetBytes = state.range(2) << 20;
    const QByteArray message =
        frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, quint32(bodyBytes)) + QByteArray(bodyBytes - 1, 'x');
    static int run = 0;
    for (auto _ : state) {
        ServerUnderTest server;
        std::string failure;
        const QString database = workDir().path() + QStringLiteral("/held%1.sqlite").arg(run++);
        if (!server.start(database, failure,
                          {"--max-body", std::to_string(bodyBytes), "--max-buffered", std::to_string(budgetBytes)})) {
            state.SkipWithError(failure.c_str());
            return;
        }
        const long beforeKiB = memoryKiB(server.pid(), "VmRSS:");
        std::vector<pollfd> peers;
        std::vector<qsizetype> sent;
        for (int i = 0; i < connections; ++i) {
            const int fd = connectFrom(quint8(10 + i / PER_ADDRESS), server.port);
            if (fd < 0) {
                state.SkipWithError("cannot connect");
                break;
            }
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            peers.push_back(pollfd{fd, POLLIN | POLLOUT, 0});
            sent.push_back(0);
        }
        const auto started = std::chrono::steady_clock::now();
        for (int open = int(peers.size()); open > 0 && poll(peers.data(), peers.size(), SEND_TIMEOUT_MS) > 0;) {
            for (std::size_t i = 0; i < peers.size(); ++i) {
                pollfd& peer = peers[i];
                if (peer.events == 0 || peer.revents == 0)
                    continue;
                // Anything from the server is its refusal: sending more is no use.
                if (!(peer.revents & (POLLIN | POLLERR | POLLHUP))) {
                    const ssize_t n = send(peer.fd, message.constData() + sent[i],
                                           std::size_t(message.size() - sent[i]), MSG_NOSIGNAL | MSG_DONTWAIT);
                    sent[i] += qMax<ssize_t>(n, 0);
                    if (sent[i] < message.size())
                        continue;
                }
                peer.events = 0;
                --open;
            }
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const long settledKiB = settledMemoryKiB(server.pid());
        const long peakKiB = memoryKiB(server.pid(), "VmHWM:");
        int refused = 0;
        for (pollfd& peer : peers) {
            peer.events = POLLIN;
            refused += poll(&peer, 1, 0) > 0;
            close(peer.fd);
        }
        server.stop();
        state.SetIterationTime(seconds);
        state.counters["before_MiB"] = double(beforeKiB) / 1024;
        state.counters["settled_MiB"] = double(settledKiB) / 1024;
        state.counters["peak_MiB"] = double(peakKiB) / 1024;
        state.counters["held"] = double(int(peers.size()) - refused);
    }
}

// Argument: the dripping connections. Each sends the first byte of a header
// (its next would follow five seconds later); then honest uploads from
// another address are timed.
void BM_HonestUploadAmongDrips(benchmark::State& state)
{
    constexpr int HONEST_UPLOADS = 5;
    constexpr quint8 DRIPPING = 1;
    constexpr quint8 HONEST = 2;
    const int drippers = int(state.range(0));
    const QByteArray upload = uploadMessage(uploadState(0, 0));
    static int run = 0;
    for (auto _ : state) {
        ServerUnderTest server;
        std::string failure;
        const QString database = workDir().path() + QStringLiteral("/drips%1.sqlite").arg(run++);
        if (!server.start(database, failure)) {
            state.SkipWithError(failure.c_str());
            return;
        }
        std::vector<int> dripping;
        for (int i = 0; i < drippers; ++i) {
            const int fd = connectFrom(DRIPPING, server.port);
            if (fd >= 0)
                dripping.push_back(fd);
            if (fd < 0 || send(fd, upload.constData(), 1, MSG_NOSIGNAL) != 1) {
                state.SkipWithError("cannot connect");
                break;
            }
        }
        std::vector<double> waits;
        for (int i = 0; i < HONEST_UPLOADS; ++i) {
            const auto started = std::chrono::steady_clock::now();
            ServerAnswer answer;
            if (!uploadOnce(server.port, upload, answer, failure, HONEST)) {
                state.SkipWithError(("the honest upload failed: " + failure).c_str());
                break;
            }
            waits.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        }
        for (const int fd : dripping)
            close(fd);
        server.stop();
        const double longest = waits.empty() ? 0 : *std::max_element(waits.begin(), waits.end());
        state.SetIterationTime(longest);
        state.counters["longest_ms"] = longest * 1e3;
        state.counters["median_ms"] = percentile(waits, 0.5) * 1e3;
    }
}

constexpr double HELD_BODIES_OVERHEAD_MIB = 64;
constexpr double GOAL_HONEST_WAIT_MS = 1000;

// The hostile benchmarks at the scale chosen; returns their names.
std::pair<std::string, std::string> registerHostileBenchmarks(bool fullScale)
{
    const std::vector<int64_t> held = fullScale ? std::vector<int64_t>{512, 1, 256} : std::vector<int64_t>{64, 1, 16};
    const int64_t drippers = fullScale ? 600 : 100;
    benchmark::RegisterBenchmark("BM_ServerHeldBodies", BM_ServerHeldBodies)
        ->ArgNames({"connections", "body_MiB", "budget_MiB"})
        ->Args(held)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_HonestUploadAmongDrips", BM_HonestUploadAmongDrips)
        ->ArgNames({"dripping"})
        ->Arg(drippers)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return {"BM_ServerHeldBodies/connections:" + std::to_string(held[0]) + "/body_MiB:" + std::to_string(held[1]) +
                "/budget_MiB:" + std::to_string(held[2]),
            "BM_HonestUploadAmongDrips/dripping:" + std::to_string(drippers)};
}

void printHostileSummary(const CollectingReporter& reporter, const std::pair<std::string, std::string>& names,
                         bool fullScale)
{
    std::printf("\n== server: hostile peers (%s scale) ==\n", fullScale ? "full" : "small");
    if (reporter.has(names.first)) {
        const double budget = double(std::stol(names.first.substr(names.first.rfind(':') + 1)));
        const double peak = reporter.counter(names.first, "peak_MiB");
        std::printf("%s: %.0f bodies held, peak %.1f MiB (%.1f MiB before, %.1f MiB settled)  goal: %s (<= budget "
                    "%.0f MiB + %.0f MiB)\n",
                    names.first.c_str(), reporter.counter(names.first, "held"), peak,
                    reporter.counter(names.first, "before_MiB"), reporter.counter(names.first, "settled_MiB"),
                    peak <= budget + HELD_BODIES_OVERHEAD_MIB ? "ok" : "MISSED", budget, HELD_BODIES_OVERHEAD_MIB);
    } else {
        std::printf("%s: %s\n", names.first.c_str(), reporter.whyMissing(names.first));
    }
    if (reporter.has(names.second)) {
        const double longest = reporter.counter(names.second, "longest_ms");
        std::printf("%s: an honest upload waited at most %.1f ms (median %.1f ms)  goal: %s (< %.0f ms)\n",
                    names.second.c_str(), longest, reporter.counter(names.second, "median_ms"),
                    longest < GOAL_HONEST_WAIT_MS ? "ok" : "MISSED", GOAL_HONEST_WAIT_MS);
    } else {
        std::printf("%s: %s\n", names.second.c_str(), reporter.whyMissing(names.second));
    }
}

// ---------------------------------------------------------------------------
// The published results on a database in use: the page and the JSON after
// an upload changed the numbers (so rendered afresh), and the uploads of 8
// clients while a browser asks for the page ten times a second. The
// database is filled once per run through the server's own storing.

// Sessions in the database: 1,000,000 at full scale, else a size that takes
// seconds.
constexpr int FULL_SCALE_RESULTS_SESSIONS = 1000000;
constexpr int QUICK_RESULTS_SESSIONS = 20000;
// A member uploads a year of weekly countings at once.
constexpr int SESSIONS_PER_MEMBER = 52;
// Uploads, each followed by the JSON, the page and the page again.
constexpr int RESULTS_ROUNDS = 10;
constexpr int BROWSING_CLIENTS = 8;
constexpr int PAGE_REQUESTS_PER_SECOND = 10;
constexpr double GOAL_RESULTS_MS = 20;

bool fullScale()
{
    return qEnvironmentVariableIsSet("ZUV_BENCH_FULL_SCALE");
}

// ZUV_BENCH_RESULTS_SESSIONS sets another size (the page's goal is stated at 200,000).
int resultsSessions()
{
    const int chosen = qEnvironmentVariableIntValue("ZUV_BENCH_RESULTS_SESSIONS");
    return chosen > 0 ? chosen : fullScale() ? FULL_SCALE_RESULTS_SESSIONS : QUICK_RESULTS_SESSIONS;
}

// The browser asks from an address of its own, beside the uploading clients'.
constexpr quint8 BROWSER_OCTET = 250;

// Where members live, roughly as many people as use the euro there: the
// member country index, 0 and 19 for no country and elsewhere in Europe.
const std::pair<int, double> MEMBER_COUNTRIES[] = {{5, 25},   {4, 20},   {8, 18},   {14, 14}, {11, 6}, {2, 4},
                                                   {6, 3},    {12, 3},   {1, 3},    {3, 2},   {7, 2},  {9, 1},
                                                   {10, 0.3}, {13, 0.3}, {15, 0.2}, {19, 4},  {0, 1}};

// A member's year of countings: every coin value mostly of the member's own
// national side, now and then of one or two others. `member` numbers the
// members: each counts at a second of its own, so that no two newcomers are
// taken for one sending again.
ClientStorage memberYear(std::mt19937& random, int member, int sessions)
{
    std::vector<double> weights;
    for (const auto& [country, weight] : MEMBER_COUNTRIES)
        weights.push_back(weight);
    std::discrete_distribution<std::size_t> where(weights.begin(), weights.end());
    std::discrete_distribution<std::size_t> sideOf(weights.begin(), weights.end() - 2); // euro countries only
    ClientStorage upload;
    upload.setDefaultValues();
    upload.Country = quint8(MEMBER_COUNTRIES[where(random)].first);
    const int home = upload.Country >= 1 && upload.Country <= NUM_NATIONAL_SIDES
                         ? upload.Country
                         : MEMBER_COUNTRIES[sideOf(random)].first;
    const QDate start = QDate(2021, 1, 4).addDays(qint64(random() % (3 * 365)));
    for (int i = 0; i < sessions; ++i) {
        Session session(0, QDateTime(start.addDays(7 * i), QTime(8, 0).addSecs(member % 43200)), FORMAT_VERSION);
        for (int coin = 0; coin < NUM_COINS; ++coin) {
            session.insertCoins(coin, home - 1, 1 + random() % 6);
            for (unsigned foreign = random() % 3; foreign > 0; --foreign) {
                const int side = MEMBER_COUNTRIES[sideOf(random)].first;
                if (side != home)
                    session.insertCoins(coin, side - 1, 1 + random() % 2);
            }
        }
        upload.Sessions.append(session);
    }
    return upload;
}

// ZUV_BENCH_KEEP: the folder whose filled databases outlive the run, or empty.
QString keptFolder()
{
    return qEnvironmentVariable("ZUV_BENCH_KEEP");
}

// What the run did with the kept databases, for the summary.
std::vector<std::string>& keptNotes()
{
    static std::vector<std::string> notes;
    return notes;
}

void noteKept(const std::string& note)
{
    keptNotes().push_back(note);
}

double secondsSince(std::chrono::steady_clock::time_point started)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

// Runs a PostgreSQL program as the owner of the cluster: the postgres user
// when we are root, whom initdb and the server refuse. Its exit code (-1
// when it did not run to its end), and what it printed in `output`.
int runAsClusterOwner(const QString& program, const QStringList& arguments, QString& output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (geteuid() == 0)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} +
                          arguments);
    else
        process.start(program, arguments);
    const bool finished = process.waitForFinished(-1);
    output = QString::fromLocal8Bit(process.readAll()).trimmed();
    if (!finished)
        output = process.errorString();
    return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The folder of the newest PostgreSQL's programs, or empty.
QString postgresqlPrograms()
{
    const QString root = QStringLiteral("/usr/lib/postgresql");
    QStringList versions = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    return versions.isEmpty() ? QString() : root + QLatin1Char('/') + versions.last() + QStringLiteral("/bin");
}

// The PostgreSQL cluster of the benchmarks, durable as a deployment is. A
// run's own is made by the script the server tests use and thrown away when
// the run ends; with ZUV_BENCH_KEEP it lives in that folder's postgresql/,
// made there the first time and only stopped when the run ends.
class BenchPostgreSQL
{
public:
    ~BenchPostgreSQL()
    {
        QString output;
        if (!keptData.isEmpty())
            runAsClusterOwner(postgresqlPrograms() + QStringLiteral("/pg_ctl"),
                              {QStringLiteral("-D"), keptData, QStringLiteral("-m"), QStringLiteral("fast"),
                               QStringLiteral("-w"), QStringLiteral("stop")},
                              output);
        else if (!state.isEmpty())
            QProcess::execute(QStringLiteral(ZUV_POSTGRESQL_SCRIPT), {QStringLiteral("stop"), state});
    }

    // The address of the cluster's databases, to which a database name is
    // added, or empty with `failure`. Starts the cluster the first time.
    QString server(std::string& failure)
    {
        if (address.isEmpty() && unavailable.empty()) {
            const QString kept = keptFolder();
            folder = kept.isEmpty() ? throwAwayCluster() : keptCluster(kept + QStringLiteral("/postgresql"));
            if (!folder.isEmpty())
                address = QStringLiteral("postgresql://postgres@%1:5432/")
                              .arg(QString::fromLatin1(QUrl::toPercentEncoding(folder)));
        }
        failure = unavailable;
        return address;
    }

    // Runs `statements` one after the other on the cluster's maintenance
    // database; the first column of the last one's rows go to `rows`. False
    // with `failure` at the first that fails.
    bool maintain(const QStringList& statements, std::string& failure, QStringList* rows = nullptr)
    {
        const QString where = server(failure);
        if (where.isEmpty())
            return false;
        const QString maintenance = QStringLiteral("bench-maintenance");
        {
            DatabaseLocation location;
            QString error;
            if (!DatabaseLocation::parse(where + QStringLiteral("postgres"), location, error) ||
                !location.open(maintenance, error)) {
                failure = "PostgreSQL does not answer: " + error.toStdString();
            } else {
                QSqlQuery query(QSqlDatabase::database(maintenance));
                for (const QString& statement : statements) {
                    if (!query.exec(statement)) {
                        failure = statement.toStdString() + ": " + query.lastError().text().toStdString();
                        break;
                    }
                }
                while (rows && failure.empty() && query.next())
                    rows->append(query.value(0).toString());
            }
        }
        QSqlDatabase::removeDatabase(maintenance);
        return failure.empty();
    }

    // The address of a new, empty database `name` in it, or empty with `failure`.
    QString newDatabase(const QString& name, std::string& failure)
    {
        if (!maintain({QStringLiteral("CREATE DATABASE ") + name}, failure))
            return QString();
        return server(failure) + name;
    }

    // The processor time the cluster's processes (the postmaster and every
    // process it started) have used so far.
    double cpuSeconds() const
    {
        QFile pidFile(folder + QStringLiteral("/data/postmaster.pid"));
        if (folder.isEmpty() || !pidFile.open(QIODevice::ReadOnly))
            return 0;
        const pid_t postmaster = pid_t(pidFile.readLine().trimmed().toInt());
        double seconds = processCpuSeconds(postmaster);
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            std::ifstream stat(QStringLiteral("/proc/%1/stat").arg(entry).toStdString());
            std::string line;
            std::getline(stat, line);
            // The parent is the second field after the command name.
            std::istringstream fields(line.substr(std::min(line.size(), line.rfind(')') + 1)));
            std::string processState;
            pid_t parent = 0;
            if (fields >> processState >> parent && parent == postmaster)
                seconds += processCpuSeconds(pid_t(entry.toInt()));
        }
        return seconds;
    }

    // Whether this run started the kept cluster.
    bool isKept() const { return !keptData.isEmpty(); }

private:
    // The folder of a new cluster made by the tests' script, or empty.
    QString throwAwayCluster()
    {
        state = workDir().filePath(QStringLiteral("postgresql"));
        QProcess::execute(QStringLiteral(ZUV_POSTGRESQL_SCRIPT),
                          {QStringLiteral("start"), state, QStringLiteral("durable")});
        QFile whyNot(state + QStringLiteral("/unavailable"));
        QFile cluster(state + QStringLiteral("/cluster"));
        if (whyNot.open(QIODevice::ReadOnly) || !cluster.open(QIODevice::ReadOnly)) {
            unavailable = "no PostgreSQL: " + whyNot.readAll().trimmed().toStdString();
            return QString();
        }
        return QString::fromLocal8Bit(cluster.readAll()).trimmed();
    }

    // The kept cluster in `where`, made and started as needed (a run that
    // was killed may have left it running); empty when that failed.
    QString keptCluster(const QString& where)
    {
        const QString programs = postgresqlPrograms();
        const QString data = where + QStringLiteral("/data");
        QString output;
        // The server's socket is named in `where`, and a socket's name has at most 107 bytes.
        if (programs.isEmpty())
            unavailable = "no PostgreSQL: it is not installed (Debian package postgresql)";
        else if ((where + QStringLiteral("/.s.PGSQL.5432")).toLocal8Bit().size() > 107)
            unavailable = "no PostgreSQL: the folder " + where.toStdString() + " is too long a name for its socket";
        if (!unavailable.empty())
            return QString();
        if (!QFile::exists(data + QStringLiteral("/PG_VERSION"))) {
            QDir().mkpath(where);
            if (geteuid() == 0) {
                const passwd* owner = getpwnam("postgres");
                if (!owner || chown(where.toLocal8Bit().constData(), owner->pw_uid, owner->pw_gid) != 0) {
                    unavailable = "no PostgreSQL: running as root and cannot give " + where.toStdString() +
                                  " to the postgres user";
                    return QString();
                }
            }
            if (runAsClusterOwner(programs + QStringLiteral("/initdb"),
                                  {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
                                   QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                                   QStringLiteral("--locale=C")},
                                  output) != 0) {
                unavailable = "no PostgreSQL: initdb failed: " + output.right(300).toStdString();
                return QString();
            }
        }
        // pg_ctl status: 0 when it runs, 3 when it does not.
        if (runAsClusterOwner(programs + QStringLiteral("/pg_ctl"),
                              {QStringLiteral("-D"), data, QStringLiteral("status")}, output) != 0) {
            // As the tests' durable cluster: room for a million sessions without forced checkpoints.
            const QString options = QStringLiteral("-c shared_buffers=512MB -c max_wal_size=4GB -c listen_addresses="
                                                   " -k %1 -p 5432 -c max_connections=200")
                                        .arg(where);
            if (runAsClusterOwner(programs + QStringLiteral("/pg_ctl"),
                                  {QStringLiteral("-D"), data, QStringLiteral("-l"),
                                   where + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("-t"),
                                   QStringLiteral("600"), QStringLiteral("-o"), options, QStringLiteral("start")},
                                  output) != 0) {
                unavailable = "no PostgreSQL: the kept cluster in " + where.toStdString() +
                              " did not start (see its server.log): " + output.right(300).toStdString();
                return QString();
            }
        }
        keptData = data;
        return where;
    }

    QString state;    // the script's state folder of a run's own cluster
    QString keptData; // the data folder of the kept cluster, once started
    QString folder;   // the cluster's folder: its socket, data/
    QString address;
    std::string unavailable;
};

BenchPostgreSQL& postgresql()
{
    static BenchPostgreSQL cluster;
    return cluster;
}

double databaseCpuSeconds(DatabaseKind kind)
{
    return kind == POSTGRESQL ? postgresql().cpuSeconds() : 0;
}

// The server's most per transaction.
constexpr std::size_t FILL_UPLOADS_PER_TRANSACTION = 64;

// Stores resultsSessions() sessions in the database at `location`, as the
// server does; false with `failure`.
bool fill(const QString& location, DatabaseKind kind, std::string& failure)
{
    {
        ProjectDatabase database(QStringLiteral("bench-fill"));
        if (!database.open(location)) {
            failure = database.lastError().toStdString();
            return false;
        }
        // Filling is not measured: it need not wait for the disk each time.
        QSqlQuery(database.database())
            .exec(kind == SQLITE ? QStringLiteral("PRAGMA synchronous = OFF")
                                 : QStringLiteral("SET synchronous_commit = off"));
        // As the server stores them: many members' uploads in one transaction.
        std::mt19937 random(20240311);
        const QDateTime received = QDateTime::currentDateTime();
        std::vector<ClientStorage> batch;
        for (int stored = 0; stored < resultsSessions() && failure.empty(); stored += SESSIONS_PER_MEMBER) {
            batch.push_back(memberYear(random, stored / SESSIONS_PER_MEMBER,
                                       std::min(SESSIONS_PER_MEMBER, resultsSessions() - stored)));
            if (batch.size() < FILL_UPLOADS_PER_TRANSACTION && stored + SESSIONS_PER_MEMBER < resultsSessions())
                continue;
            std::vector<const ClientStorage*> uploads;
            for (const ClientStorage& upload : batch)
                uploads.push_back(&upload);
            for (const ProjectDatabase::Outcome& outcome : database.storeUploads(uploads, received))
                if (!outcome.stored && failure.empty())
                    failure = outcome.error.toStdString();
            batch.clear();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    return failure.empty();
}

// A database of the run's own, filled afresh; empty with `failure`.
QString freshlyFilled(DatabaseKind kind, std::string& failure)
{
    const QString location = kind == SQLITE ? workDir().path() + QStringLiteral("/results.sqlite")
                                            : postgresql().newDatabase(QStringLiteral("zuvbench"), failure);
    return !location.isEmpty() && fill(location, kind, failure) ? location : QString();
}

// What a kept database holds, read without upgrading it.
struct KeptContents
{
    std::string unreadable; // why it could not be read; empty when it was
    int schema = 0;
    qint64 sessions = 0;
    qint64 members = 0;
};

KeptContents keptContents(const QString& location)
{
    KeptContents contents;
    const QString name = QStringLiteral("bench-kept");
    {
        DatabaseLocation where;
        QString error;
        if (!DatabaseLocation::parse(location, where, error) || !where.open(name, error)) {
            contents.unreadable = error.toStdString();
        } else {
            SqlConnection sql(name, where.dialect);
            try {
                contents.schema = where.dialect.schemaVersion(sql);
                contents.sessions = sql.value(QStringLiteral("SELECT COUNT(*) FROM sessions")).toLongLong();
                contents.members = sql.value(QStringLiteral("SELECT COUNT(*) FROM members")).toLongLong();
            } catch (const DatabaseFailure& failed) {
                contents.unreadable = failed.text.toStdString();
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return contents;
}

// Drops the kept cluster's databases but the filled ones: this run's copies
// and imports, and whatever a killed run left.
bool dropWorkingDatabases(std::string& failure)
{
    QStringList working;
    if (!postgresql().maintain({QStringLiteral("SELECT datname FROM pg_database WHERE datname NOT IN ('postgres',"
                                               " 'template0', 'template1') AND datname !~ '^zuvbench_[0-9]+$'")},
                               failure, &working))
        return false;
    QStringList drops;
    for (const QString& name : working)
        drops << QStringLiteral("DROP DATABASE \"%1\"").arg(name);
    return drops.isEmpty() || postgresql().maintain(drops, failure);
}

// The filled database of ZUV_BENCH_KEEP, filled first unless it holds what
// this run would fill, and a copy of it for this run to change (the kept one
// stays as it was filled, in the schema it was filled in); empty with
// `failure`.
QString keptFilled(DatabaseKind kind, std::string& failure)
{
    const int sessions = resultsSessions();
    const qint64 members = (sessions + SESSIONS_PER_MEMBER - 1) / SESSIONS_PER_MEMBER;
    const std::string label = std::string(KIND_NAMES[kind]) + " database of " + std::to_string(sessions) + " sessions";
    QDir().mkpath(keptFolder());
    const QString sqliteFile = QDir(keptFolder()).absoluteFilePath(QStringLiteral("sqlite-%1.sqlite").arg(sessions));
    const QString pgName = QStringLiteral("zuvbench_%1").arg(sessions);
    const QString server = kind == SQLITE ? QString() : postgresql().server(failure);
    if (kind == POSTGRESQL && (server.isEmpty() || !dropWorkingDatabases(failure)))
        return QString();
    const QString kept = kind == SQLITE ? sqliteFile : server + pgName;

    QStringList filled;
    if (kind == POSTGRESQL &&
        !postgresql().maintain({QStringLiteral("SELECT datname FROM pg_database WHERE datname = '%1'").arg(pgName)},
                               failure, &filled))
        return QString();
    const bool there = kind == SQLITE ? QFile::exists(sqliteFile) : !filled.isEmpty();
    const KeptContents found = there ? keptContents(kept) : KeptContents();
    if (there && found.unreadable.empty() && found.sessions == sessions && found.members == members) {
        noteKept("reusing the kept " + label + " (schema version " + std::to_string(found.schema) + ")");
    } else {
        noteKept(!there ? "no kept " + label + " yet: filling it"
                 : !found.unreadable.empty()
                     ? "the kept " + label + " cannot be read (" + found.unreadable + "): filling it anew"
                     : "the kept " + label + " holds " + std::to_string(found.sessions) + " sessions of " +
                           std::to_string(found.members) + " members, not " + std::to_string(sessions) + " of " +
                           std::to_string(members) + ": filling it anew");
        std::printf("bench_server: %s\n", keptNotes().back().c_str());
        std::fflush(stdout);
        // Filled under another name and renamed when complete, so that a
        // killed fill is never taken for a filled database.
        const QString filling = sqliteFile + QStringLiteral(".filling");
        // With the journal a killed fill left, SQLite would take it for the new file's.
        for (const char* end : {"", "-wal", "-shm"})
            QFile::remove(filling + QLatin1String(end));
        const auto started = std::chrono::steady_clock::now();
        const QString location =
            kind == SQLITE ? filling : postgresql().newDatabase(QStringLiteral("zuvbench_filling"), failure);
        if (location.isEmpty() || !fill(location, kind, failure))
            return QString();
        const bool renamed =
            kind == SQLITE
                ? (!there || QFile::remove(sqliteFile)) && QFile::rename(filling, sqliteFile)
                : postgresql().maintain({QStringLiteral("DROP DATABASE IF EXISTS ") + pgName,
                                         QStringLiteral("ALTER DATABASE zuvbench_filling RENAME TO ") + pgName},
                                        failure);
        if (!renamed) {
            failure = "cannot keep the filled " + label + " " + failure;
            return QString();
        }
        char took[64];
        std::snprintf(took, sizeof took, "%.0f s (%.1f min)", secondsSince(started), secondsSince(started) / 60);
        noteKept("filled the kept " + label + " in " + took);
    }

    const auto copying = std::chrono::steady_clock::now();
    const QString copy =
        kind == SQLITE ? workDir().path() + QStringLiteral("/results.sqlite") : server + QStringLiteral("zuvbench");
    // Without an upgrade of the kept database's files the copy is theirs,
    // file by file.
    const bool copied = kind == SQLITE ? QFile::copy(sqliteFile, copy)
                                       : postgresql().maintain({QStringLiteral("CREATE DATABASE zuvbench TEMPLATE %1"
                                                                               " STRATEGY FILE_COPY")
                                                                    .arg(pgName)},
                                                               failure);
    if (!copied) {
        failure = "cannot copy the kept " + label + " " + failure;
        return QString();
    }
    char seconds[64];
    std::snprintf(seconds, sizeof seconds, "%.1f s", secondsSince(copying));
    noteKept("copied the kept " + label + " for this run in " + seconds);

    const int schema = there ? found.schema : ProjectSchema::VERSION;
    if (schema < ProjectSchema::VERSION) {
        // The server upgrades the schema when it opens the database, before it listens.
        ServerUnderTest upgrading;
        const auto starting = std::chrono::steady_clock::now();
        if (!upgrading.start(copy, failure, {}, UPGRADE_TIMEOUT_MS)) {
            failure = "the server's first start on the kept " + label + " failed: " + failure;
            return QString();
        }
        std::snprintf(seconds, sizeof seconds, "%.1f s", secondsSince(starting));
        noteKept("the server's first start on the " + label + " of schema version " + std::to_string(schema) +
                 " (upgrading it to " + std::to_string(ProjectSchema::VERSION) + ") took " + seconds +
                 " until it listened");
    }
    return copy;
}

QString filledDatabase(DatabaseKind kind, std::string& failure)
{
    static QString locations[2];
    static std::string fillFailures[2];
    QString& location = locations[kind];
    std::string& fillFailure = fillFailures[kind];
    if (location.isEmpty() && fillFailure.empty())
        location = keptFolder().isEmpty() ? freshlyFilled(kind, fillFailure) : keptFilled(kind, fillFailure);
    failure = fillFailure;
    return location;
}

// ---------------------------------------------------------------------------
// The database in use taken over from SQLite to a new, durable PostgreSQL
// database by `zuv-server --import`, checks of the totals included.

// A million sessions go over within a maintenance window.
constexpr double GOAL_IMPORT_MINUTES_PER_MILLION = 10;

qint64 sessionsIn(const QString& location)
{
    qint64 sessions = -1;
    {
        ProjectDatabase database(QStringLiteral("bench-import-count"));
        if (database.open(location))
            database.read([&](SqlConnection& sql) {
                sessions = sql.value(QStringLiteral("SELECT COUNT(*) FROM sessions")).toLongLong();
            });
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-import-count"));
    return sessions;
}

void BM_Import(benchmark::State& state)
{
    static int imports = 0;
    qint64 sessions = 0;
    for (auto _ : state) {
        std::string failure;
        const QString source = filledDatabase(SQLITE, failure);
        const QString target = source.isEmpty()
                                   ? QString()
                                   : postgresql().newDatabase(QStringLiteral("zuvimport%1").arg(++imports), failure);
        if (target.isEmpty()) {
            state.SkipWithError(failure.c_str());
            return;
        }
        QProcess import;
        const auto started = std::chrono::steady_clock::now();
        import.start(QStringLiteral(ZUV_BENCH_SERVER),
                     {QStringLiteral("--import"), source, QStringLiteral("--database"), target});
        const bool finished = import.waitForFinished(-1);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (!finished || import.exitStatus() != QProcess::NormalExit || import.exitCode() != 0) {
            state.SkipWithError(("the import failed: " + import.readAllStandardError().toStdString()).c_str());
            return;
        }
        sessions = sessionsIn(target);
    }
    state.counters["sessions"] = double(sessions);
}

BENCHMARK(BM_Import)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void printImportSummary(const CollectingReporter& reporter)
{
    const std::string name = "BM_Import";
    const double seconds = reporter.seconds(name);
    if (seconds < 0) {
        std::printf("import from SQLite into PostgreSQL: %s\n", reporter.whyMissing(name));
        return;
    }
    const double sessions = reporter.counter(name, "sessions");
    const double minutesPerMillion = seconds * 1e6 / sessions / 60;
    std::printf("import of %.0f sessions from SQLite into PostgreSQL: %.1f s (%.0f sessions/s, a million in %.1f"
                " min)  goal: %s (<= %.0f min a million)\n",
                sessions, seconds, sessions / seconds, minutesPerMillion,
                minutesPerMillion <= GOAL_IMPORT_MINUTES_PER_MILLION ? "ok" : "MISSED",
                GOAL_IMPORT_MINUTES_PER_MILLION);
}

// A loopback port nobody listens on right now.
quint16 freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    close(fd);
    return bound ? ntohs(address.sin_port) : 0;
}

// GET as a browser does it; the seconds it took, or a negative number when
// the answer was not 200. The server closes after its answer.
double timedGet(quint16 port, const char* path, std::size_t& bytes)
{
    const auto started = std::chrono::steady_clock::now();
    const int fd = connectFrom(BROWSER_OCTET, port);
    if (fd < 0)
        return -1;
    const std::string request = std::string("GET ") + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    std::string reply;
    if (sendAll(fd, request.data(), request.size())) {
        char buffer[65536];
        for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;)
            reply.append(buffer, std::size_t(n));
    }
    close(fd);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const std::size_t body = reply.find("\r\n\r\n");
    bytes = body == std::string::npos ? 0 : reply.size() - body - 4;
    return reply.rfind("HTTP/1.1 200", 0) == 0 ? seconds : -1;
}

// The seconds the server's main thread, which serves everything, has run
// on a CPU: what a request costs it, however busy the machine is.
double serverCpuSeconds(pid_t pid)
{
    std::FILE* file = std::fopen(("/proc/" + std::to_string(pid) + "/schedstat").c_str(), "r");
    unsigned long long nanoseconds = 0;
    if (file) {
        if (std::fscanf(file, "%llu", &nanoseconds) != 1)
            nanoseconds = 0;
        std::fclose(file);
    }
    return double(nanoseconds) / 1e9;
}

// The server on the filled database with its web pages on `webPort`; false
// (and the benchmark skipped with the reason) when that failed.
bool startWithResults(ServerUnderTest& server, quint16& webPort, benchmark::State& state, QString* location = nullptr)
{
    std::string failure;
    const QString database = filledDatabase(SQLITE, failure);
    if (location)
        *location = database;
    webPort = freePort();
    if (!database.isEmpty() && server.start(database, failure, {"--http-port", std::to_string(webPort)}))
        return true;
    state.SkipWithError(failure.c_str());
    return false;
}

void BM_ResultsAfterPublication(benchmark::State& state)
{
    std::vector<double> json, page, cached, csv, jsonCpu, pageCpu, csvCpu, publish, firstPublication, pageDuringFit;
    std::size_t jsonBytes = 0, pageBytes = 0, csvBytes = 0;
    static int serial = 1000000;
    for (auto _ : state) {
        ServerUnderTest server;
        quint16 webPort = 0;
        QString location;
        if (!startWithResults(server, webPort, state, &location))
            return;
        ProjectDatabase publisher(QStringLiteral("bench-publish"));
        if (!publisher.open(location)) {
            state.SkipWithError(publisher.lastError().toStdString().c_str());
            return;
        }
        // The first publication fits every member country's mixing model; the
        // page is asked for all the while. It runs beside the server, as
        // "zuv-server --publish" does, on a connection of its own thread.
        std::atomic<bool> publishing{true};
        bool firstPublished = false;
        const auto firstStarted = std::chrono::steady_clock::now();
        std::thread first([&] {
            ProjectDatabase own(QStringLiteral("bench-first-publication"));
            firstPublished =
                own.open(location) && PublicationRun(own, std::nullopt).run(QDateTime::currentDateTimeUtc(), false) ==
                                          PublicationRun::Outcome::Published;
            publishing = false;
        });
        while (publishing)
            pageDuringFit.push_back(timedGet(webPort, "/", pageBytes));
        first.join();
        firstPublication.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - firstStarted).count());
        if (!firstPublished) {
            state.SkipWithError("the first publication failed");
            return;
        }
        std::string failure;
        double seconds = 0;
        for (int round = 0; round < RESULTS_ROUNDS; ++round) {
            ServerAnswer answer;
            if (!uploadOnce(server.port, uploadMessage(uploadState(0, serial++)), answer, failure)) {
                state.SkipWithError(("an upload failed: " + failure).c_str());
                return;
            }
            // Published anew, as once a day: the models fitted, the documents rendered again.
            const auto publishing = std::chrono::steady_clock::now();
            if (PublicationRun(publisher, std::nullopt).run(QDateTime::currentDateTimeUtc(), false) !=
                PublicationRun::Outcome::Published) {
                state.SkipWithError(publisher.lastError().toStdString().c_str());
                return;
            }
            publish.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - publishing).count());
            const double before = serverCpuSeconds(server.pid());
            const double jsonTime = timedGet(webPort, "/api/results.json", jsonBytes);
            const double afterJson = serverCpuSeconds(server.pid());
            const double pageTime = timedGet(webPort, "/", pageBytes);
            const double afterPage = serverCpuSeconds(server.pid());
            const double cachedTime = timedGet(webPort, "/", pageBytes);
            if (std::min({jsonTime, pageTime, cachedTime}) < 0) {
                state.SkipWithError("a results document was not served");
                return;
            }
            json.push_back(jsonTime);
            page.push_back(pageTime);
            cached.push_back(cachedTime);
            jsonCpu.push_back(afterJson - before);
            pageCpu.push_back(afterPage - afterJson);
            seconds += jsonTime + pageTime;
        }
        // Rendered afresh: on a thread of its own, so the main thread, which
        // answers the uploads, spends only the sending on it.
        const double beforeCsv = serverCpuSeconds(server.pid());
        csv.push_back(timedGet(webPort, "/api/counts.csv", csvBytes));
        csvCpu.push_back(serverCpuSeconds(server.pid()) - beforeCsv);
        state.SetIterationTime(seconds);
    }
    state.counters["json_ms"] = percentile(json, 0.5) * 1e3;
    state.counters["json_max_ms"] = percentile(json, 1.0) * 1e3;
    state.counters["page_ms"] = percentile(page, 0.5) * 1e3;
    state.counters["page_max_ms"] = percentile(page, 1.0) * 1e3;
    state.counters["json_cpu_ms"] = percentile(jsonCpu, 0.5) * 1e3;
    state.counters["page_cpu_ms"] = percentile(pageCpu, 0.5) * 1e3;
    state.counters["cached_page_ms"] = percentile(cached, 0.5) * 1e3;
    state.counters["publish_ms"] = percentile(publish, 0.5) * 1e3;
    state.counters["first_publish_ms"] = percentile(firstPublication, 0.5) * 1e3;
    state.counters["page_during_fit_ms"] = percentile(pageDuringFit, 0.5) * 1e3;
    state.counters["page_during_fit_max_ms"] = percentile(pageDuringFit, 1.0) * 1e3;
    state.counters["csv_ms"] = percentile(csv, 0.5) * 1e3;
    state.counters["csv_cpu_ms"] = percentile(csvCpu, 0.5) * 1e3;
    state.counters["json_KB"] = double(jsonBytes) / 1e3;
    state.counters["page_KB"] = double(pageBytes) / 1e3;
    state.counters["csv_KB"] = double(csvBytes) / 1e3;
}

BENCHMARK(BM_ResultsAfterPublication)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Argument: page requests per second during the uploads (0 or 10).
void BM_UploadsWhileBrowsing(benchmark::State& state)
{
    const int pagesPerSecond = int(state.range(0));
    const int perClient = UPLOADS_PER_LEVEL / BROWSING_CLIENTS;
    static int serial = 2000000;
    double uploadsPerSecond = 0;
    std::vector<double> pages;
    for (auto _ : state) {
        ServerUnderTest server;
        quint16 webPort = 0;
        if (!startWithResults(server, webPort, state))
            return;
        std::string failure;
        std::vector<std::vector<QByteArray>> messages(BROWSING_CLIENTS);
        for (std::vector<QByteArray>& client : messages) {
            ServerAnswer answer;
            if (!uploadOnce(server.port, uploadMessage(uploadState(0, serial++)), answer, failure)) {
                state.SkipWithError(("registration failed: " + failure).c_str());
                return;
            }
            for (int k = 0; k < perClient; ++k)
                client.push_back(uploadMessage(uploadState(answer.memberNumber, serial++, answer.memberSince)));
        }
        std::atomic<bool> uploading{true};
        bool served = true;
        std::thread browser([&] {
            if (pagesPerSecond <= 0)
                return;
            const auto interval = std::chrono::microseconds(1000000 / pagesPerSecond);
            for (auto next = std::chrono::steady_clock::now(); uploading; next += interval) {
                std::this_thread::sleep_until(next);
                std::size_t bytes = 0;
                const double seconds = timedGet(webPort, "/", bytes);
                served = served && seconds >= 0;
                pages.push_back(seconds);
            }
        });
        const BatchResult result = runClients(server.port, messages);
        uploading = false;
        browser.join();
        if (!result.failure.empty() || !served) {
            const std::string why = served ? "an upload failed: " + result.failure : "the page was not served";
            state.SkipWithError(why.c_str());
            return;
        }
        uploadsPerSecond += double(UPLOADS_PER_LEVEL) / result.seconds;
        state.SetIterationTime(result.seconds);
    }
    state.counters["uploads_per_s"] = uploadsPerSecond / double(state.iterations());
    state.counters["pages"] = double(pages.size());
    state.counters["page_ms"] = percentile(pages, 0.5) * 1e3;
    state.counters["page_max_ms"] = percentile(pages, 1.0) * 1e3;
}

BENCHMARK(BM_UploadsWhileBrowsing)
    ->ArgName("pages_per_s")
    ->Arg(0)
    ->Arg(PAGE_REQUESTS_PER_SECOND)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void printResultsSummary(const CollectingReporter& reporter)
{
    std::printf("\n== server: the published results, %d stored sessions, SQLite ==\n", resultsSessions());
    const char* const results = "BM_ResultsAfterPublication";
    if (reporter.has(results)) {
        for (const auto& [label, counter] : {std::pair{"JSON", "json"}, std::pair{"page", "page"}}) {
            const double median = reporter.counter(results, std::string(counter) + "_ms");
            std::printf(
                "%-4s after a publication: median %6.2f ms  max %6.2f ms  goal: %s (< %.0f ms); server CPU %.2f ms\n",
                label, median, reporter.counter(results, std::string(counter) + "_max_ms"),
                median < GOAL_RESULTS_MS ? "ok" : "MISSED", GOAL_RESULTS_MS,
                reporter.counter(results, std::string(counter) + "_cpu_ms"));
        }
        std::printf("the day's publication: %.0f ms; page unchanged since: %.2f ms; CSV after it: %.1f ms (%.0f KB);"
                    " page %.0f KB, JSON %.1f KB\n",
                    reporter.counter(results, "publish_ms"), reporter.counter(results, "cached_page_ms"),
                    reporter.counter(results, "csv_ms"), reporter.counter(results, "csv_KB"),
                    reporter.counter(results, "page_KB"), reporter.counter(results, "json_KB"));
        std::printf("the first publication, fitting every country's model: %.0f ms; the page meanwhile: median "
                    "%.2f ms, max %.2f ms\n",
                    reporter.counter(results, "first_publish_ms"), reporter.counter(results, "page_during_fit_ms"),
                    reporter.counter(results, "page_during_fit_max_ms"));
        const double csvCpu = reporter.counter(results, "csv_cpu_ms");
        std::printf(
            "CSV rendered afresh: the main thread, which answers the uploads, spent %.2f ms  goal: %s (< %.0f ms)\n",
            csvCpu, csvCpu < GOAL_RESULTS_MS ? "ok" : "MISSED", GOAL_RESULTS_MS);
    } else {
        std::printf("page and JSON: %s\n", reporter.whyMissing(results));
    }
    for (const int pagesPerSecond : {0, PAGE_REQUESTS_PER_SECOND}) {
        const std::string name = "BM_UploadsWhileBrowsing/pages_per_s:" + std::to_string(pagesPerSecond);
        if (!reporter.has(name)) {
            std::printf("uploads with %2d page requests/s: %s\n", pagesPerSecond, reporter.whyMissing(name));
            continue;
        }
        std::printf("uploads of %d clients with %2d page requests/s: %6.1f uploads/s", BROWSING_CLIENTS, pagesPerSecond,
                    reporter.counter(name, "uploads_per_s"));
        if (pagesPerSecond > 0)
            std::printf("  (%.0f pages, median %.2f ms, max %.2f ms)", reporter.counter(name, "pages"),
                        reporter.counter(name, "page_ms"), reporter.counter(name, "page_max_ms"));
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!workDir().isValid())
        return 2;
    const bool fullScale = qEnvironmentVariableIsSet("ZUV_BENCH_FULL_SCALE");
    const auto hostile = registerHostileBenchmarks(fullScale);
    CollectingReporter reporter;
    if (!runBenchmarks(argc, argv, reporter))
        return 1;
    std::printf("\n== server: realistic uploads (%d sessions of %d piles and %d events) over loopback into a"
                " database of %d sessions ==\n",
                UPLOAD_SESSIONS, UPLOAD_PILES, UPLOAD_EVENTS, resultsSessions());
    for (const DatabaseKind kind : {SQLITE, POSTGRESQL}) {
        std::vector<std::pair<int, int>> levels; // clients, storing connections
        for (const int clients : CLIENT_LEVELS)
            levels.emplace_back(clients, 0);
        for (const int storing : STORING_LEVELS)
            if (kind == POSTGRESQL)
                levels.emplace_back(CLIENT_LEVELS[2], storing);
        for (const auto& [clients, storing] : levels) {
            const std::string name = serverUploadsName(kind, clients, storing);
            std::printf("%-10s %2d client(s) at once", KIND_NAMES[kind], clients);
            std::printf(storing > 0 ? ", %d storing connection(s): " : ": ", storing);
            if (!reporter.has(name)) {
                std::printf("%s\n", reporter.whyMissing(name));
                continue;
            }
            const double rate = reporter.counter(name, "uploads_per_s");
            const double cpu = reporter.counter(name, "cpu_ms");
            std::printf("%7.1f uploads/s  median %7.2f ms  p99 %7.2f ms  CPU %5.2f ms each", rate,
                        reporter.counter(name, "median_ms"), reporter.counter(name, "p99_ms"), cpu);
            std::printf("  goal: %s (CPU <= %.1f ms)", cpu <= GOAL_CPU_MS[kind] ? "ok" : "MISSED", GOAL_CPU_MS[kind]);
            if (kind == SQLITE && clients == GOAL_CLIENTS)
                std::printf(", %s (>= %.0f uploads/s)", rate >= GOAL_UPLOADS_PER_SECOND ? "ok" : "MISSED",
                            GOAL_UPLOADS_PER_SECOND);
            std::printf("\n");
        }
    }
    const std::string first = serverUploadsName(SQLITE, 1, 0);
    if (reporter.has(first))
        std::printf("(one upload message: %.1f KB; after every level the totals%s equal a fresh count, else it"
                    " failed)\n",
                    reporter.counter(first, "upload_KB"), fullScale ? "" : " and the published numbers");
    printHostileSummary(reporter, hostile, fullScale);
    printResultsSummary(reporter);
    printImportSummary(reporter);
    if (!keptFolder().isEmpty()) {
        std::printf("\n== server: the filled databases kept in %s ==\n", qPrintable(keptFolder()));
        for (const std::string& note : keptNotes())
            std::printf("%s\n", note.c_str());
        std::string failure;
        if (postgresql().isKept() && !dropWorkingDatabases(failure))
            std::printf("this run's PostgreSQL databases are left in the kept cluster: %s\n", failure.c_str());
    }
    std::fflush(stdout);
    return exitStatus(reporter);
}
