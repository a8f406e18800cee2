// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/common/serverprocess.h"

#include "net/protocol.h"
#include "net/serveranswer.h"
#include "server/results/resultsaggregates.h"
#include "server/storage/databaselocation.h"
#include "server/storage/sessionstore.h"
#include "storage/clientstorage.h"
#include "storage/coinpile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpServer>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int timeoutMs = 10000;
} // namespace

ServerProcess::~ServerProcess()
{
    if (server.state() != QProcess::NotRunning) {
        server.kill();
        server.waitForFinished(timeoutMs);
    }
}

bool ServerProcess::start(const QString& databaseFile, const QStringList& moreArguments)
{
    database = databaseFile;
    // What it reports about each connection shows with the test's output.
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A test killed on its timeout takes its server with it.
    server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    server.start(QStringLiteral(ZUV_SERVER_BINARY),
                 QStringList{QStringLiteral("--address"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                             QStringLiteral("0"), QStringLiteral("--http-port"), QStringLiteral("0"),
                             QStringLiteral("--publish-at"), QStringLiteral("never"), QStringLiteral("--database"),
                             databaseFile} +
                     moreArguments);
    if (!server.waitForStarted(timeoutMs))
        return false;
    const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    QByteArray printed;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs && server.state() == QProcess::Running) {
        server.waitForReadyRead(100);
        printed += server.readAllStandardOutput();
        const QRegularExpressionMatch match = listening.match(QString::fromLatin1(printed));
        if (match.hasMatch()) {
            boundPort = quint16(match.captured(1).toUInt());
            return boundPort != 0;
        }
    }
    qWarning() << "zuv-server did not start:" << printed;
    return false;
}

bool ServerProcess::stopWith(int signalNumber)
{
    ::kill(static_cast<pid_t>(server.processId()), signalNumber);
    return server.waitForFinished(timeoutMs) && server.exitStatus() == QProcess::NormalExit && server.exitCode() == 0;
}

RawConnection::RawConnection(quint16 port, quint8 fromOctet) : fd(::socket(AF_INET, SOCK_STREAM, 0))
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl((127u << 24) | fromOctet);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected = bound && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

bool RawConnection::send(const QByteArray& bytes)
{
    return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

bool RawConnection::sendIfRoom(const QByteArray& bytes)
{
    const ssize_t sent = ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    return sent >= 0 || errno == EAGAIN || errno == EWOULDBLOCK;
}

QByteArray RawConnection::read(bool& ended, int timeoutMs)
{
    timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    QByteArray all;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, timeoutMs > 0 ? 0 : MSG_DONTWAIT);
        ended = got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
        if (got <= 0)
            return all;
        all.append(buffer, qsizetype(got));
    }
}

void RawConnection::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

QByteArray exchange(quint16 port, const QByteArray& bytes, bool& hungUp, int timeoutMs, quint8 fromOctet)
{
    RawConnection connection(port, fromOctet);
    hungUp = false;
    return connection.isConnected() && connection.send(bytes) ? connection.read(hungUp, timeoutMs) : QByteArray();
}

unsigned refusalCodeOf(const QByteArray& reply)
{
    unsigned code = 0;
    if (reply.size() <= FRAME_MAGIC_SIZE || startsWithMagic(reply))
        return 0;
    return refusalCode(QString::fromLatin1(reply.mid(FRAME_MAGIC_SIZE)), code) ? code : 0;
}

bool ServerProcess::publish(const QStringList& moreArguments) const
{
    return QProcess::execute(QStringLiteral(ZUV_SERVER_BINARY),
                             QStringList{QStringLiteral("--publish"), QStringLiteral("--database"), database} +
                                 moreArguments) == 0;
}

ClientStorage newcomer(int country, int month, Piles piles)
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Country = quint8(country);
    static int newcomers = 0;
    Session session;
    session.entryDateTime = QDateTime(QDate(2024, month, 11), QTime(9, 30).addSecs(++newcomers));
    for (const auto& [coin, side, count] : piles)
        session.insertCoins(coin, side - 1, unsigned(count));
    storage.Sessions = {session};
    return storage;
}

ServerAnswer answerTo(quint16 port, const ClientStorage& storage, unsigned& refusal, quint8 fromOctet)
{
    bool hungUp = false;
    const QByteArray reply = exchange(port, uploadMessage(storage), hungUp, 10000, fromOctet);
    refusal = refusalCodeOf(reply);
    ServerAnswer answer;
    answer.flags = 0;
    if (startsWithMagic(reply)) {
        QDataStream answerStream(reply.mid(FRAME_HEADER_SIZE));
        answerStream >> answer;
    }
    return answer;
}

quint32 uploaded(quint16 port, const ClientStorage& storage)
{
    unsigned refusal = 0;
    const ServerAnswer answer = answerTo(port, storage, refusal);
    return answer.flags & ServerAnswer::AnswerOK ? std::max(answer.memberNumber, storage.Membernumber) : 0;
}

namespace {

QSqlDatabase connectTo(const QString& location, const QString& connectionName, SqlDialect& dialect)
{
    DatabaseLocation where;
    QString error;
    if (!DatabaseLocation::parse(location, where, error) || !where.open(connectionName, error))
        qWarning().noquote() << "cannot open" << location << ":" << error;
    dialect = where.dialect;
    return QSqlDatabase::database(connectionName, false);
}

} // namespace

QString freshDatabase(const QString& folder, const QString& name, QString& whyNot, const QString& state)
{
    if (state.isEmpty())
        return folder + QLatin1Char('/') + name + QStringLiteral(".sqlite");
    const auto readState = [&state](const char* file) {
        QFile f(state + QLatin1Char('/') + QLatin1String(file));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).trimmed() : QString();
    };
    const QString cluster = readState("cluster");
    whyNot = readState("unavailable");
    if (whyNot.isEmpty() && cluster.isEmpty())
        whyNot = state + QStringLiteral(" names no cluster");
    if (!whyNot.isEmpty()) {
        whyNot.prepend(QStringLiteral("no PostgreSQL for the tests: "));
        return QString();
    }
    const QString server =
        QStringLiteral("postgresql://postgres@%1:5432/").arg(QString::fromLatin1(QUrl::toPercentEncoding(cluster)));
    // A name of its own for every database of every test process.
    static int made = 0;
    const QString database =
        QStringLiteral("zuv_%1_%2_%3").arg(QCoreApplication::applicationPid()).arg(++made).arg(name);
    {
        SqlDialect postgresql;
        QSqlDatabase maintenance =
            connectTo(server + QStringLiteral("postgres"), QStringLiteral("maintenance"), postgresql);
        QSqlQuery create(maintenance);
        if (!maintenance.isOpen() || !create.exec(QStringLiteral("CREATE DATABASE ") + database))
            whyNot = QStringLiteral("the PostgreSQL for the tests makes no database: ") +
                     (maintenance.isOpen() ? create.lastError().text() : maintenance.lastError().text());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maintenance"));
    return whyNot.isEmpty() ? server + database : QString();
}

QSqlDatabase openReadOnly(const QString& location, const QString& connectionName)
{
    SqlDialect dialect;
    QSqlDatabase db = connectTo(location, connectionName, dialect);
    QSqlQuery readOnly(db);
    readOnly.exec(dialect.kind() == SqlDialect::Kind::SQLite
                      ? QStringLiteral("PRAGMA query_only = ON")
                      : QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
    return db;
}

QString countedTotals(const QSqlDatabase& db)
{
    return rowsOf(db, QStringLiteral("SELECT (SELECT COUNT(*) FROM members) || ' ' ||"
                                     " (SELECT COUNT(*) FROM sessions WHERE length(purse) > 0) || ' ' ||"
                                     " (SELECT COALESCE(SUM(sum_cents), 0) FROM sessions)"));
}

QString storedPiles(const QSqlDatabase& db)
{
    QStringList piles;
    QSqlQuery sessions(db);
    sessions.exec(QStringLiteral("SELECT purse FROM sessions ORDER BY entry_datetime"));
    while (sessions.next())
        for (const CoinPile& pile : SessionStore::purseOf(sessions.value(0).toByteArray()))
            piles << rowsOf(db, QStringLiteral("SELECT v.name, c.name FROM coin_values v, coin_countries c"
                                               " WHERE v.id = %1 AND c.id = %2")
                                    .arg(pile.coinIndex + 1)
                                    .arg(pile.countryIndex + 1)) +
                         QLatin1Char('|') + QString::number(pile.count);
    return piles.join(QLatin1Char(';'));
}

qint64 memberCoins(const QSqlDatabase& db, qint64 member)
{
    qint64 coins = 0;
    QSqlQuery rows(db);
    rows.exec(QStringLiteral("SELECT cells FROM result_cell_members WHERE member_number = %1").arg(member));
    while (rows.next())
        for (const auto& [key, cell] : ResultsAggregates::memberCellsOf(rows.value(0).toByteArray()))
            coins += cell.coins;
    return coins;
}

QString keptTotals(const QSqlDatabase& db)
{
    return rowsOf(db, QStringLiteral("SELECT (SELECT value FROM server_state WHERE name = 'members') || ' ' ||"
                                     " (SELECT value FROM server_state WHERE name = 'purses') || ' ' ||"
                                     " (SELECT value FROM server_state WHERE name = 'sum_cents')"));
}

int rowLockWaits(const QSqlDatabase& db)
{
    rowsOf(db, QStringLiteral("SELECT pg_stat_clear_snapshot()")); // else as first seen in the transaction
    // Not a wait for an advisory lock, such as a writer's for a publication under way.
    return rowsOf(db, QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database()"
                                     " AND wait_event_type = 'Lock' AND wait_event IN ('transactionid', 'tuple')"))
        .toInt();
}

QString rowsOf(const QSqlDatabase& db, const QString& statement)
{
    QStringList rows;
    QSqlQuery query(db);
    if (!query.exec(statement))
        return QStringLiteral("failed: ") + query.lastError().text();
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        rows << fields.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

Session sessionAt(const QDateTime& entry)
{
    Session session;
    session.entryDateTime = entry;
    return session;
}

QByteArray honestUpload(int messageChars)
{
    ClientStorage storage = newcomer(FRANCE, 3, {{CENT_10, FRANCE, 1}});
    storage.Message = QString(messageChars, QLatin1Char('m'));
    return uploadMessage(storage);
}

HttpReply httpExchange(quint16 port, const QByteArray& request)
{
    bool hungUp = false;
    const QByteArray reply = exchange(port, request, hungUp);
    const qsizetype end = reply.indexOf("\r\n\r\n");
    return HttpReply{reply.mid(9, 3).toInt(), reply.left(end), end < 0 ? QByteArray() : reply.mid(end + 4)};
}

HttpReply get(quint16 port, const QByteArray& path, const QByteArray& method)
{
    return httpExchange(port, method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}
