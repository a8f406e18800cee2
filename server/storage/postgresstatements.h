// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlDatabase;
struct pg_conn;

// Statements that PostgreSQL runs through libpq's own interface: the rows an
// upload writes. Qt's driver runs a prepared statement as the text EXECUTE
// with every value spelled out, which the server parses again each time,
// arrays of thousands of numbers and bytes as hexadecimal included; here the
// statement is prepared once (PQprepare) and every run sends its values
// apart from it, numbers and bytes in binary. The statements live as long as
// the database session; each is named apart from every other the process
// prepares, so a later SqlConnection on the same session never meets a name
// already taken.
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

    // Runs `statement`, which takes `count` parameters ($1, $2, ...) and
    // returns no rows, with the values of `values` from `at`. Values are
    // whole numbers, texts, bytes or null (a null text or null bytes as
    // well); Qt's driver binds them alike. Throws DatabaseFailure.
    void runWithValues(const QString& statement, const QVariantList& values, qsizetype at, int count);

private:
    // The statement's name on the server; `types` as PQprepare takes them.
    const QByteArray& prepared(const QString& statement, int parameters, const unsigned* types);
    void run(const QString& statement, const QByteArray& name, int parameters, const char* const* data,
             const int* lengths, const int* formats);

    pg_conn* connection;
    // The server-side name of every statement prepared so far.
    QHash<QString, QByteArray> statements;
};
