// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>

#include <memory>
#include <vector>

class QSqlDatabase;
class QVariant;
struct DatabaseFailure;
struct pg_conn;
struct pg_result;

// A result as libpq gives it, cleared when it goes.
struct PostgresResultClear
{
    void operator()(pg_result* result) const;
};
using PostgresResult = std::unique_ptr<pg_result, PostgresResultClear>;

// Statements that PostgreSQL runs through libpq's own interface: what an
// upload writes and reads, and every statement whose rows are not read. Qt's
// driver runs a prepared statement as the text EXECUTE with every value
// spelled out, which the server parses again each time, arrays of thousands of
// numbers and bytes as hexadecimal included, and waits for each statement's
// answer before it sends the next. Here a statement with values is prepared
// once (PQprepare) and every run sends its values apart from it, numbers and
// bytes in binary; and statements are sent one after the other without waiting
// (libpq's pipeline), so that the writes between two reads of an upload cost
// one round trip to the server with the read after them, not one each. Rows
// read come in binary as well. The statements live as long as the database
// session; each is named apart from every other the process prepares, so a
// later SqlConnection on the same session never meets a name already taken.
//
// Qt's driver reads a forward-only query's rows as they come: the caller
// makes sure no Qt query is still reading on the connection before sending
// one of these, else its rows would be lost; and it calls sync() before Qt's
// driver uses the connection again, which it cannot while a pipeline is open.
class PostgresStatements
{
public:
    // The libpq connection of an open connection, or null when it is not PostgreSQL's.
    static pg_conn* handleOf(const QSqlDatabase& database);

    explicit PostgresStatements(pg_conn* handle) : connection(handle) {}
    ~PostgresStatements();
    PostgresStatements(const PostgresStatements&) = delete;
    PostgresStatements& operator=(const PostgresStatements&) = delete;

    // Sends `statement`, which takes `columns` parameters of type bigint[]
    // and whose rows are not read. Parameter i holds column i of the rows in
    // `count` numbers of `values` from `at`, whole rows one after the other.
    void sendColumnArrays(const QString& statement, int columns, const QList<qint64>& values, qsizetype at,
                          qsizetype count);

    // Sends `statement`, which takes `count` parameters ($1, $2, ...) and
    // whose rows are not read, with the values of `values` from `at`. Values
    // are whole numbers, texts, bytes or null (a null text or null bytes as
    // well); Qt's driver binds them alike.
    void sendValues(const QString& statement, const QVariantList& values, qsizetype at, int count);

    // Sends a statement without values whose rows are not read (BEGIN, a
    // lock, COMMIT), without keeping it prepared.
    void sendOnce(const QString& statement);

    // Runs `statement` as sendValues() sends it, after what was sent before
    // it and in the same round trip, and returns its rows (see sync()).
    PostgresResult read(const QString& statement, const QVariantList& values, qsizetype at, int count);
    // A value of a result of read() as Qt's driver gives it: a whole number,
    // a text, bytes, a truth value, or an invalid value for null.
    static QVariant valueOf(const pg_result* result, int row, int column);
    static int rowsOf(const pg_result* result);

    // Waits until the server has done everything sent, and leaves the
    // connection to Qt's driver again. Throws DatabaseFailure with
    // PostgreSQL's own message for the first statement that failed; the
    // server skipped those sent after it, up to here.
    void sync();

private:
    struct Sent
    {
        QString statement;
        bool prepares;   // its prepared form, not a run
        bool rowsWanted; // its rows are kept for read()
    };

    // Starts a pipeline unless one is open, and returns the statement's name
    // on the server, sent for preparing the first time;
    // `types` as PQprepare takes them.
    const QByteArray& prepared(const QString& statement, int parameters, const unsigned* types,
                               bool rowsWanted = false);
    void send(const QString& statement, const QByteArray& name, int parameters, const char* const* data,
              const int* lengths, const int* formats, bool rowsWanted = false);
    void sendValues(const QString& statement, const QVariantList& values, qsizetype at, int count, bool rowsWanted);
    void startPipeline(const QString& statement, bool rowsWanted);
    // Reads the outcome of everything sent; false with the first failure.
    bool readOutcomes(DatabaseFailure& failure);

    pg_conn* connection;
    // The server-side name of every statement prepared so far.
    QHash<QString, QByteArray> statements;
    // What was sent since the last sync(), in order.
    std::vector<Sent> sent;
    // The rows of the statement sent for read(), once synced.
    PostgresResult rowsRead;
};
