// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/databaselocation.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace {

// How long a statement waits for another process holding an SQLite file.
constexpr int SQLITE_BUSY_TIMEOUT_MS = 5000;

// libpq's options unless the address gives them. A PostgreSQL server that
// vanishes from the network (a cut line, a host that died) is noticed by the
// TCP keep-alives within 5 + 3 x 2 s instead of the system's two hours, and
// one that does not take a connection within 5 s is tried again later, so
// that no wait for it is unbounded. A Unix socket needs none of them.
const char* const NETWORK_DEFAULTS[] = {"keepalives_idle=5", "keepalives_interval=2", "keepalives_count=3",
                                        "connect_timeout=5"};

QString decoded(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

} // namespace

bool DatabaseLocation::parse(const QString& text, DatabaseLocation& location, QString& error)
{
    location = DatabaseLocation();
    static const QRegularExpression url(
        QStringLiteral("^postgres(?:ql)?://(?:([^@/?]*)@)?([^/?]*)(?:/([^?]*))?(?:\\?(.*))?$"));
    if (!text.startsWith(QLatin1String("postgres://")) && !text.startsWith(QLatin1String("postgresql://"))) {
        location.file = text;
        return true;
    }
    const QRegularExpressionMatch parts = url.match(text);
    if (!parts.hasMatch()) {
        error = QStringLiteral("Not a PostgreSQL address: %1").arg(text);
        return false;
    }
    location.dialect = SqlDialect(SqlDialect::Kind::PostgreSQL);
    const QString passwordHint = QStringLiteral(
        "The PostgreSQL password does not belong on the command line: give it in PGPASSWORD or ~/.pgpass");
    const QString userInfo = parts.captured(1);
    if (userInfo.contains(QLatin1Char(':'))) {
        error = passwordHint;
        return false;
    }
    location.user = decoded(userInfo);

    // host, host:port, [IPv6 address]:port
    static const QRegularExpression hostAndPort(QStringLiteral("^(\\[[^\\]]*\\]|[^:]*)(?::(\\d+))?$"));
    const QRegularExpressionMatch hostPort = hostAndPort.match(parts.captured(2));
    if (!hostPort.hasMatch()) {
        error = QStringLiteral("Not a host and port: %1").arg(parts.captured(2));
        return false;
    }
    QString host = hostPort.captured(1);
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    location.host = decoded(host);
    if (hostPort.hasCaptured(2))
        location.port = hostPort.captured(2).toInt();
    location.name = decoded(parts.captured(3));

    QStringList options;
    const QStringList pairs = parts.captured(4).split(QLatin1Char('&'), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString key = decoded(pair.left(equals));
        const QString value = equals < 0 ? QString() : decoded(pair.mid(equals + 1));
        if (key == QLatin1String("password")) {
            error = passwordHint;
            return false;
        }
        if (key == QLatin1String("host"))
            location.host = value;
        else if (key == QLatin1String("port"))
            location.port = value.toInt();
        else if (key == QLatin1String("user"))
            location.user = value;
        else if (key == QLatin1String("dbname"))
            location.name = value;
        else if (equals <= 0 || value.contains(QLatin1Char(';')) || value.contains(QLatin1Char(' '))) {
            error = QStringLiteral("Not a connection option: %1").arg(pair);
            return false;
        } else
            options << key + QLatin1Char('=') + value;
    }
    if (location.name.isEmpty()) {
        error = QStringLiteral("The PostgreSQL address names no database: %1").arg(text);
        return false;
    }
    if (location.port == 0 || location.port > 0xFFFF) {
        error = QStringLiteral("Not a port number in %1").arg(text);
        return false;
    }
    location.options = options.join(QLatin1Char(';'));
    return true;
}

bool DatabaseLocation::open(const QString& connectionName, QString& error) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(dialect.driver(), connectionName);
    if (!db.isValid()) {
        error = QStringLiteral("the Qt SQL driver %1 is missing").arg(dialect.driver());
        return false;
    }
    if (dialect.kind() == SqlDialect::Kind::SQLite) {
        if (!QFile::exists(file)) {
            // It will hold e-mail addresses: readable by the owner only, and so
            // are the journal files SQLite makes next to it.
            QFile created(file);
            if (created.open(QIODevice::WriteOnly))
                created.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(SQLITE_BUSY_TIMEOUT_MS));
    } else {
        db.setHostName(host);
        db.setPort(port);
        db.setUserName(user);
        db.setDatabaseName(name);
        QStringList given = options.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const char* option : NETWORK_DEFAULTS) {
            const QString key = QString::fromLatin1(option).section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
            if (std::none_of(given.cbegin(), given.cend(), [&key](const QString& o) { return o.startsWith(key); }))
                given << QLatin1String(option);
        }
        db.setConnectOptions(given.join(QLatin1Char(';')));
    }
    if (!db.open()) {
        error = db.lastError().text();
        return false;
    }
    return true;
}
