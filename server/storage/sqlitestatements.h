// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

// Statements that SQLite runs once for every row of numbers, bound through
// SQLite's own interface. Qt SQL would carry every number as a QVariant, or
// the rows as one JSON text that SQLite parses again for every field: for the
// rows an upload writes by the hundred, binding them directly costs a
// fraction of either. The statements are prepared once and kept until the
// connection's SqlConnection goes, which is before the connection closes.
class SqliteStatements
{
public:
    // The SQLite handle of an open connection, or null when it is not SQLite's.
    static sqlite3* handleOf(const QSqlDatabase& database);

    explicit SqliteStatements(sqlite3* handle) : connection(handle) {}
    SqliteStatements(const SqliteStatements&) = delete;
    SqliteStatements& operator=(const SqliteStatements&) = delete;
    ~SqliteStatements();

    // Runs `statement`, which takes `columns` numbers and returns no rows,
    // for each row of `values` (row after row). Throws DatabaseFailure.
    void runForEachRow(const QString& statement, int columns, const QList<qint64>& values);
    // The same with any values Qt SQL would bind: texts, bytes, numbers, nulls.
    void runForEachRow(const QString& statement, int columns, const QVariantList& values);

private:
    sqlite3_stmt* prepared(const QString& statement);
    template <typename Value>
    void runRows(const QString& statement, int columns, const QList<Value>& values,
                 int (*bind)(sqlite3_stmt*, int, const Value&));

    sqlite3* connection;
    QHash<QString, sqlite3_stmt*> statements;
};
