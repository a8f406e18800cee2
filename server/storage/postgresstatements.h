// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QSqlDatabase;
struct pg_conn;

// Statements that PostgreSQL runs with whole arrays of numbers, sent through
// libpq's own interface. Qt's driver runs a prepared statement as the text
// EXECUTE with every value spelled out, which the server parses again each
// time, arrays of thousands of numbers included; here the statement is
// prepared once (PQprepare) and every run sends its arrays in binary, ready
// to use. The statements live as long as the database session; each
// connection names its own, so a later SqlConnection on the same session
// never meets a name already taken.
//
// Qt's driver reads a forward-only query's rows as they come: the caller
// makes sure no Qt query is still reading on the connection before running
// one of these, else its rows would be lost.
class PostgresStatements
{
public:
    // The libpq connection of an open connection, or null when it is not PostgreSQL's.
    static pg_conn* handleOf(const QSqlDatabase& database);

    explicit PostgresStatements(pg_conn* handle) : connection(handle) {}
    PostgresStatements(const PostgresStatements&) = delete;
    PostgresStatements& operator=(const PostgresStatements&) = delete;

    // Runs `statement`, which takes `columns` parameters of type bigint[] and
    // returns no rows. Parameter i holds column i of the rows in `count`
    // numbers of `values` from `at`, whole rows one after the other.
    // Throws DatabaseFailure with PostgreSQL's own message.
    void runWithColumnArrays(const QString& statement, int columns, const QList<qint64>& values, qsizetype at,
                             qsizetype count);

private:
    const QByteArray& prepared(const QString& statement, int columns);

    pg_conn* connection;
    // The server-side name of every statement prepared so far.
    QHash<QString, QByteArray> statements;
};
