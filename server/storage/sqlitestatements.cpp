// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/sqlitestatements.h"

#include "server/storage/sqlconnection.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

DatabaseFailure failureOf(sqlite3* connection, const QString& statement)
{
    return DatabaseFailure{QString::fromUtf8(sqlite3_errmsg(connection)) + QStringLiteral(" (") + statement.left(200) +
                           QLatin1Char(')')};
}

} // namespace

sqlite3* SqliteStatements::handleOf(const QSqlDatabase& database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

SqliteStatements::~SqliteStatements()
{
    for (sqlite3_stmt* statement : std::as_const(statements))
        sqlite3_finalize(statement);
}

sqlite3_stmt* SqliteStatements::prepared(const QString& statement)
{
    auto kept = statements.constFind(statement);
    if (kept != statements.constEnd())
        return kept.value();
    sqlite3_stmt* made = nullptr;
    const QByteArray text = statement.toUtf8();
    if (sqlite3_prepare_v3(connection, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &made, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(made);
        throw failureOf(connection, statement);
    }
    statements.insert(statement, made);
    return made;
}

void SqliteStatements::runForEachRow(const QString& statement, int columns, const QList<qint64>& values)
{
    if (values.isEmpty())
        return;
    sqlite3_stmt* const prepared = this->prepared(statement);
    for (qsizetype at = 0; at + columns <= values.size(); at += columns) {
        for (int i = 0; i < columns; ++i)
            sqlite3_bind_int64(prepared, i + 1, values[at + i]);
        if (sqlite3_step(prepared) != SQLITE_DONE) {
            const DatabaseFailure failure = failureOf(connection, statement);
            sqlite3_reset(prepared);
            throw failure;
        }
        sqlite3_reset(prepared);
    }
}
