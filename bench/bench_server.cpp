// The project server under load: realistic uploads over loopback from 1, 8
// and 64 clients at once, each client uploading again as soon as it has its
// answer, and once more from 8 clients after the database has taken 2000
// uploads. Every level starts the real zuv-server afresh with an empty SQLite
// database; each client first registers (a member number of 0 makes the
// server give one), then sends its uploads as that member, each with sessions
// the server has not seen, so that every upload is stored.
// Then the server against hostile peers: its peak memory while every place
// holds a nearly complete largest body, and how long an honest upload waits
// behind connections that drip their header.

#include "benchstates.h"
#include "childprocess.h"
#include "summary.h"

#include "common/constants.h"
#include "net/protocol.h"
#include "net/serveranswer.h"

#include <QDataStream>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Uploads timed at every level; divisible by every client count.
constexpr int UPLOADS_PER_LEVEL = 640;
// A socket that waits this long for the server has failed.
constexpr int SOCKET_TIMEOUT_S = 30;
constexpr int SERVER_START_TIMEOUT_MS = 10000;

class ServerUnderTest
{
public:
    ~ServerUnderTest() { stop(); }

    // Starts zuv-server on a free loopback port with a fresh database and
    // the given further options.
    bool start(const QString& databaseFile, std::string& failure, const std::vector<std::string>& options = {})
    {
        const QByteArray database = databaseFile.toLocal8Bit();
        std::vector<const char*> argv = {ZUV_BENCH_SERVER, "--address",         "127.0.0.1", "--port", "0",
                                         "--database",     database.constData()};
        for (const std::string& option : options)
            argv.push_back(option.c_str());
        argv.push_back(nullptr);
        if (!startChild(ZUV_BENCH_SERVER, argv.data(), nullptr, child)) {
            failure = "cannot start zuv-server";
            return false;
        }
        // "zuv-server listening on 127.0.0.1:<port>"
        const std::string printed = readFirstLine(child, SERVER_START_TIMEOUT_MS);
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

// Arguments: the number of clients at once, and how many uploads the
// database already holds when the timing starts (sent untimed by the same
// clients first).
void BM_ServerUploads(benchmark::State& state)
{
    const int clients = int(state.range(0));
    const int stored = int(state.range(1));
    const int perClient = UPLOADS_PER_LEVEL / clients;
    const int storedPerClient = stored / clients;
    std::vector<double> latencies;
    double uploadsPerSecond = 0;
    double messageBytes = 0;
    static int run = 0;
    for (auto _ : state) {
        ServerUnderTest server;
        std::string failure;
        const QString database = workDir().path() + QStringLiteral("/run%1.sqlite").arg(run++);
        if (!server.start(database, failure)) {
            state.SkipWithError(failure.c_str());
            return;
        }

        // Untimed: every client becomes a member, then fills the database.
        std::vector<std::vector<QByteArray>> earlier(static_cast<std::size_t>(clients));
        std::vector<std::vector<QByteArray>> timed(static_cast<std::size_t>(clients));
        for (std::size_t c = 0; c < std::size_t(clients); ++c) {
            ServerAnswer answer;
            if (!uploadOnce(server.port, uploadMessage(uploadState(0, 0)), answer, failure, clientOctet(c)) ||
                !(answer.flags & ServerAnswer::NewMember)) {
                state.SkipWithError(("registration failed: " + failure).c_str());
                return;
            }
            for (int k = 1; k <= storedPerClient; ++k)
                earlier[c].push_back(uploadMessage(uploadState(answer.memberNumber, perClient + k)));
            for (int k = 1; k <= perClient; ++k)
                timed[c].push_back(uploadMessage(uploadState(answer.memberNumber, k)));
        }
        messageBytes = double(timed[0][0].size());
        if (stored > 0) {
            const BatchResult filling = runClients(server.port, earlier);
            if (!filling.failure.empty()) {
                state.SkipWithError(("an upload failed: " + filling.failure).c_str());
                return;
            }
        }

        const BatchResult result = runClients(server.port, timed);
        server.stop();
        if (!result.failure.empty()) {
            state.SkipWithError(("an upload failed: " + result.failure).c_str());
            return;
        }
        latencies.insert(latencies.end(), result.latencies.begin(), result.latencies.end());
        uploadsPerSecond += double(UPLOADS_PER_LEVEL) / result.seconds;
        state.SetIterationTime(result.seconds);
    }
    state.counters["uploads_per_s"] = uploadsPerSecond / double(state.iterations());
    state.counters["median_ms"] = percentile(latencies, 0.5) * 1e3;
    state.counters["p99_ms"] = percentile(latencies, 0.99) * 1e3;
    state.counters["upload_KB"] = messageBytes / 1e3;
}

// A database that has been in use: the uploads it holds before the timing.
constexpr int STORED_BEFORE = 2000;

BENCHMARK(BM_ServerUploads)
    ->ArgNames({"clients", "stored"})
    ->Args({1, 0})
    ->Args({8, 0})
    ->Args({64, 0})
    ->Args({8, STORED_BEFORE})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

constexpr double GOAL_UPLOADS_PER_SECOND = 200;

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
    const std::vector<int64_t> held = fullScale ? std::vector<int64_t>{512, 16, 256} : std::vector<int64_t>{64, 1, 16};
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
        std::printf("%s: not run\n", names.first.c_str());
    }
    if (reporter.has(names.second)) {
        const double longest = reporter.counter(names.second, "longest_ms");
        std::printf("%s: an honest upload waited at most %.1f ms (median %.1f ms)  goal: %s (< %.0f ms)\n",
                    names.second.c_str(), longest, reporter.counter(names.second, "median_ms"),
                    longest < GOAL_HONEST_WAIT_MS ? "ok" : "MISSED", GOAL_HONEST_WAIT_MS);
    } else {
        std::printf("%s: not run\n", names.second.c_str());
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
    std::printf("\n== server: realistic uploads (%d sessions of %d piles and %d events) over loopback, SQLite ==\n",
                UPLOAD_SESSIONS, UPLOAD_PILES, UPLOAD_EVENTS);
    const std::pair<int, int> levels[] = {{1, 0}, {8, 0}, {64, 0}, {8, STORED_BEFORE}};
    for (const auto& [clients, stored] : levels) {
        const std::string name =
            "BM_ServerUploads/clients:" + std::to_string(clients) + "/stored:" + std::to_string(stored);
        char label[96];
        std::snprintf(label, sizeof label, "%2d client(s) at once, %4d uploads stored before", clients, stored);
        if (!reporter.has(name)) {
            std::printf("%s: not run\n", label);
            continue;
        }
        const double rate = reporter.counter(name, "uploads_per_s");
        std::printf("%s: %6.1f uploads/s  median %7.2f ms  p99 %7.2f ms  goal: %s (>= %.0f uploads/s)\n", label, rate,
                    reporter.counter(name, "median_ms"), reporter.counter(name, "p99_ms"),
                    rate >= GOAL_UPLOADS_PER_SECOND ? "ok" : "MISSED", GOAL_UPLOADS_PER_SECOND);
    }
    if (reporter.has("BM_ServerUploads/clients:1/stored:0"))
        std::printf("(one upload message: %.1f KB)\n",
                    reporter.counter("BM_ServerUploads/clients:1/stored:0", "upload_KB"));
    printHostileSummary(reporter, hostile, fullScale);
    std::fflush(stdout);
    return exitStatus(reporter);
}
