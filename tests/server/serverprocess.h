#pragma once

#include <QByteArray>
#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>

class ClientStorage;

// The real zuv-server on a free loopback port with a database of the test's
// choosing; start() reads the port it prints.
class ServerProcess
{
public:
    ServerProcess() = default;
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool start(const QString& databaseFile, const QStringList& moreArguments = {});
    quint16 port() const { return boundPort; }
    QProcess& process() { return server; }
    // Sends the signal; true when the server then ended by itself with status 0.
    bool stopWith(int signalNumber);

private:
    QProcess server;
    quint16 boundPort = 0;
};

// A bare connection from 127.0.0.<fromOctet> (Linux answers the whole of
// 127/8 on loopback) that does what it is told, no more.
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
    // What has arrived, waiting up to `timeoutMs` at a time for more until the
    // server closes its side; `ended` tells whether it did.
    QByteArray read(bool& ended, int timeoutMs = 0);
    void close();

private:
    int fd;
    bool connected = false;
};

// Connects from 127.0.0.<fromOctet>, sends the bytes and collects everything
// until the server hangs up; `hungUp` tells whether it did in time.
QByteArray exchange(quint16 port, const QByteArray& bytes, bool& hungUp, int timeoutMs = 10000, quint8 fromOctet = 1);
// The error code of a refusal as the client reads it; 0 when there is none.
unsigned refusalCodeOf(const QByteArray& reply);
// The whole upload message of a client state.
QByteArray uploadOf(const ClientStorage& storage);
// A newcomer from `country` with one session of the given month of 2024,
// each begun at a time of its own: two people, not one sending twice.
using Piles = std::initializer_list<std::array<int, 3>>; // coin, national side, count
ClientStorage newcomer(int country, int month, Piles piles);
// Uploads; the member's number (given or sent), 0 when refused.
quint32 uploaded(quint16 port, const ClientStorage& storage);

// What --database takes for a new, empty database named after `name`: an
// SQLite file in `folder`, or a database in the throw-away PostgreSQL when
// ZUV_TEST_POSTGRESQL names its state folder. Empty, with `whyNot`, when that
// PostgreSQL is not there (the test then skips, saying why).
QString freshDatabase(const QString& folder, const QString& name, QString& whyNot);
// A second, read-only connection to the server's database.
QSqlDatabase openReadOnly(const QString& location, const QString& connectionName);
// The single value of a query, or an invalid one when it fails.
QVariant valueOf(const QSqlDatabase& db, const QString& statement);
// The rows of a query, fields joined by '|', rows by ';'; the error when it fails.
QString rowsOf(const QSqlDatabase& db, const QString& statement);
