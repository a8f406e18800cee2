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

void SqliteStatements::runForEachRow(const QString& statement, int columns, const QList<qint64>& values,
                                     const std::function<void(const QList<qint64>&)>& readRow)
{
    if (values.isEmpty())
        return;
    sqlite3_stmt* const prepared = this->prepared(statement);
    QList<qint64> returned;
    for (qsizetype at = 0; at + columns <= values.size(); at += columns) {
        for (int i = 0; i < columns; ++i)
            sqlite3_bind_int64(prepared, i + 1, values[at + i]);
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(prepared)) == SQLITE_ROW) {
            if (!readRow)
                continue;
            returned.resize(sqlite3_column_count(prepared));
            for (int i = 0; i < returned.size(); ++i)
                returned[i] = sqlite3_column_int64(prepared, i);
            readRow(returned);
        }
        sqlite3_reset(prepared);
        if (step != SQLITE_DONE)
            throw failureOf(connection, statement);
    }
}
