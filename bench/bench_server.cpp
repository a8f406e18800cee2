// The project server under load: realistic uploads over loopback from 1, 8
// and 64 clients at once, each client uploading again as soon as it has its
// answer, and once more from 8 clients after the database has taken 2000
// uploads. Every level starts the real zuv-server afresh with an empty SQLite
// database; each client first registers (a member number of 0 makes the
// server give one), then sends its uploads as that member, each with sessions
// the server has not seen, so that every upload is stored.

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
#include <netinet/in.h>
#include <netinet/tcp.h>
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

    // Starts zuv-server on a free loopback port with a fresh database.
    bool start(const QString& databaseFile, std::string& failure)
    {
        const QByteArray database = databaseFile.toLocal8Bit();
        const char* argv[] = {ZUV_BENCH_SERVER, "--address",          "127.0.0.1", "--port", "0",
                              "--database",     database.constData(), nullptr};
        if (!startChild(ZUV_BENCH_SERVER, argv, nullptr, child)) {
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

} // namespace

int main(int argc, char** argv)
{
    if (!workDir().isValid())
        return 2;
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
    std::fflush(stdout);
    return exitStatus(reporter);
}
