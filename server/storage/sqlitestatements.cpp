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

// A value bound as Qt's SQLite driver binds it, so that it reads back the
// same: texts as text, bytes as a blob, whole numbers as integers.
int bindValue(sqlite3_stmt* prepared, int position, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(prepared, position);
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString& text = *static_cast<const QString*>(value.constData());
        return sqlite3_bind_text16(prepared, position, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_STATIC);
    }
    case QMetaType::QByteArray: {
        const QByteArray& bytes = *static_cast<const QByteArray*>(value.constData());
        return sqlite3_bind_blob(prepared, position, bytes.constData(), int(bytes.size()), SQLITE_STATIC);
    }
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(prepared, position, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(prepared, position, value.toDouble());
    default: {
        const QString text = value.toString();
        return sqlite3_bind_text16(prepared, position, text.utf16(), int(text.size() * sizeof(QChar)),
                                   SQLITE_TRANSIENT);
    }
    }
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

template <typename Value>
void SqliteStatements::runRows(const QString& statement, int columns, const QList<Value>& values,
                               int (*bind)(sqlite3_stmt*, int, const Value&))
{
    if (values.isEmpty())
        return;
    sqlite3_stmt* const prepared = this->prepared(statement);
    for (qsizetype at = 0; at + columns <= values.size(); at += columns) {
        int bound = SQLITE_OK;
        for (int i = 0; i < columns && bound == SQLITE_OK; ++i)
            bound = bind(prepared, i + 1, values[at + i]);
        const bool done = bound == SQLITE_OK && sqlite3_step(prepared) == SQLITE_DONE;
        const DatabaseFailure failure = done ? DatabaseFailure() : failureOf(connection, statement);
        // Bound texts and bytes are the caller's: none may outlive the row.
        sqlite3_reset(prepared);
        sqlite3_clear_bindings(prepared);
        if (!done)
            throw failure;
    }
}

void SqliteStatements::runForEachRow(const QString& statement, int columns, const QList<qint64>& values)
{
    runRows<qint64>(statement, columns, values, [](sqlite3_stmt* prepared, int position, const qint64& value) {
        return sqlite3_bind_int64(prepared, position, value);
    });
}

void SqliteStatements::runForEachRow(const QString& statement, int columns, const QVariantList& values)
{
    runRows<QVariant>(statement, columns, values, [](sqlite3_stmt* prepared, int position, const QVariant& value) {
        return bindValue(prepared, position, value);
    });
}
