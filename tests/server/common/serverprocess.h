// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>

class ClientStorage;
class QDateTime;
struct ServerAnswer;
struct Session;

// The real zuv-server on a free loopback port with a database of the test's choosing; start() reads its port. It
// publishes only when the test says so (publish()).
class ServerProcess
{
public:
    ServerProcess() = default;
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool start(const QString& databaseFile, const QStringList& moreArguments = {});
    quint16 port() const { return boundPort; }
    QString databaseLocation() const { return database; }
    QProcess& process() { return server; }
    // Publishes the results of its database now, as once a day, with the further options; true when that worked.
    bool publish(const QStringList& moreArguments = {}) const;
    // Sends the signal; true when the server then ended by itself with status 0.
    bool stopWith(int signalNumber);

private:
    QProcess server;
    QString database;
    quint16 boundPort = 0;
};

// A bare connection from 127.0.0.<fromOctet> (Linux answers all of 127/8).
class RawConnection
{
public:
    explicit RawConnection(quint16 port, quint8 fromOctet = 1);
    ~RawConnection() { close(); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool isConnected() const { return connected; }
    bool send(const QByteArray& bytes);
    // Sends without waiting: false once the server has closed the connection.
    bool sendIfRoom(const QByteArray& bytes);
    // What has arrived, waiting up to `timeoutMs` at a time for more; `ended`
    // tells whether the server closed its side.
    QByteArray read(bool& ended, int timeoutMs = 0);
    void close();

private:
    int fd;
    bool connected = false;
};

// How long a test waits for an exchange with the server.
constexpr int exchangeTimeoutMs = 10000;

// Sends the bytes and collects everything until the server hangs up in time.
QByteArray exchange(quint16 port, const QByteArray& bytes, bool& hungUp, int timeoutMs = exchangeTimeoutMs,
                    quint8 fromOctet = 1);
// The error code of a refusal as the client reads it; 0 when there is none.
unsigned refusalCodeOf(const QByteArray& reply);
// The national sides and coin values the tests count with.
enum Side { AUSTRIA = 1, FRANCE = 4, GERMANY = 5, GREECE = 6, ITALY = 8, PORTUGAL = 12, SPAIN = 14 };
enum Coin { CENT_1 = 0, CENT_10 = 3, CENT_50 = 5, EURO_1 = 6, EURO_2 = 7 };
constexpr int OTHER_EUROPEAN_COUNTRY = 19;

// A newcomer with one session in `month` of 2024, begun at a time of its own.
using Piles = std::initializer_list<std::array<int, 3>>; // coin, national side, count
ClientStorage newcomer(int country, int month, Piles piles);
// Uploads from 127.0.0.<fromOctet>: the answer, or `refusal` the code of a refusal (0 for an answer).
ServerAnswer answerTo(quint16 port, const ClientStorage& storage, unsigned& refusal, quint8 fromOctet = 1);
// Uploads; the member's number (given or sent), 0 when refused or answered without OK.
quint32 uploaded(quint16 port, const ClientStorage& storage);

// A new, empty database for --database: an SQLite file in `folder`, or one in
// the throw-away PostgreSQL whose state folder `state` (ZUV_TEST_POSTGRESQL)
// is; empty, with `whyNot`, when that PostgreSQL is not there.
QString freshDatabase(const QString& folder, const QString& name, QString& whyNot,
                      const QString& state = qEnvironmentVariable("ZUV_TEST_POSTGRESQL"));
// A second, read-only connection to the server's database.
QSqlDatabase openReadOnly(const QString& location, const QString& connectionName);
// The rows of a query, fields joined by '|', rows by ';'; the error when it fails.
QString rowsOf(const QSqlDatabase& db, const QString& statement);
// The totals counted afresh from the stored members and sessions, the sum in full 64 bits: "members purses sum".
QString countedTotals(const QSqlDatabase& db);
// Every stored coin pile, by the names of its coin value and national side,
// with its count: "10c|Greece|7;2e|Austria|2", sessions by entry time.
QString storedPiles(const QSqlDatabase& db);
// The member's coins in the counted cells.
qint64 memberCoins(const QSqlDatabase& db, qint64 member);
// The running totals the server keeps, in the same form.
QString keptTotals(const QSqlDatabase& db);
// How many sessions of the PostgreSQL database wait for a row that another
// transaction holds, seen afresh even inside a transaction.
int rowLockWaits(const QSqlDatabase& db);
// An empty session begun at `entry`.
Session sessionAt(const QDateTime& entry);
// An upload the server takes, with a message of `messageChars` characters.
QByteArray honestUpload(int messageChars = 0);

// An HTTP exchange with the server's web port: the status, the head and the body.
struct HttpReply
{
    int status = 0;
    QByteArray head;
    QByteArray body;
};
HttpReply httpExchange(quint16 port, const QByteArray& request);
HttpReply get(quint16 port, const QByteArray& path, const QByteArray& method = "GET");
// A free port on the loopback address, for the web pages.
quint16 freePort();
