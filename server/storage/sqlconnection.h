// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/storage/postgresstatements.h"
#include "server/storage/sqldialect.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>

#include <string>

class QDateTime;
class SqliteStatements;

// Values as they are bound. A date and time is stored as its fields, as they
// were written, with milliseconds, in a text both databases compare and sort
// as time (null for a missing date); read back, it keeps the same fields.
QVariant sqlDateTime(const QDateTime& dateTime);
QDateTime dateTimeFromSql(const QVariant& stored);
inline QVariant sqlNumber(qint64 value)
{
    return QVariant(value);
}
// A text the client sent, in the form both databases store and read back
// alike: PostgreSQL's text holds no NUL and only whole UTF-16 pairs, while a
// client may send any character. DLE (U+0010) escapes: NUL is stored as DLE
// '0', DLE itself as DLE DLE, and a surrogate without its partner as DLE 'u'
// and its four lower-case hex digits; every other text is stored as it is.
// textFromSql() undoes it. A text the client left null (never set) is stored
// as an empty text.
QVariant sqlText(const QString& text);
// The client's 8-bit strings hold Latin-1; stored in the same form.
QVariant sqlLatin1(const std::string& bytes);
// The text as the client sent it, from its stored form.
QString textFromSql(const QVariant& stored);

// Raised when a statement fails; whoever began the transaction rolls it back.
struct DatabaseFailure
{
    QString text;
};

// The rows a statement gave, read one after the other: next(), then value()
// of each column. On SQLite they are Qt's, read as they come and let go
// with this; on PostgreSQL libpq's, all read.
class SqlRows
{
public:
    explicit SqlRows(QSqlQuery& query) : query(&query) {}
    explicit SqlRows(PostgresResult rows) : result(std::move(rows)) {}
    SqlRows(SqlRows&& other) noexcept;
    ~SqlRows();
    SqlRows(const SqlRows&) = delete;
    SqlRows& operator=(const SqlRows&) = delete;
    SqlRows& operator=(SqlRows&&) = delete;

    // To the next row; false after the last.
    bool next();
    QVariant value(int column) const;

private:
    QSqlQuery* query = nullptr;
    PostgresResult result;
    int row = -1;
};

// One open connection to the project database and the statements it has
// prepared. A statement is prepared the first time it runs and kept for the
// life of the connection, so an upload does not make the database parse and
// plan the same statements again. Every value from a client is bound, never
// spliced into the statement text.
class SqlConnection
{
public:
    SqlConnection(const QString& connectionName, const SqlDialect& dialect);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    // For Qt's own use of the connection: what write() sent is done first.
    QSqlDatabase database();
    const SqlDialect& dialect() const { return sqlDialect; }

    // Runs the kept statement with these values, in order, and returns it for
    // reading its rows. Whoever reads rows calls finish() when done, so that
    // no statement stays open across a commit.
    QSqlQuery& run(const QString& statement, const QVariantList& values = {});
    // Runs the statement with these values, in order, and returns its rows.
    // PostgreSQL gets it with what write() sent before it, in one round trip.
    SqlRows rows(const QString& statement, const QVariantList& values = {});
    // Runs a statement whose rows are not read, with these values in order.
    // PostgreSQL gets it without waiting for the answer (see
    // PostgresStatements): its failure is thrown by the next statement that
    // reads, by settle() or by commit(). A statement without values is not
    // kept prepared there.
    void write(const QString& statement, const QVariantList& values = {});
    // Waits until what write() sent is done; throws its first failure.
    void settle();
    // Commits the transaction, with what write() sent.
    void commit();
    // Rolls the transaction back, with what write() sent; never throws.
    void rollback();
    // The first column of the first row, or an invalid value when there is none.
    QVariant value(const QString& statement, const QVariantList& values = {});
    // Runs a statement once, without keeping it (schema work).
    void execute(const QString& statement);
    // Inserts rows of `columns` values each (`values` holds them row after
    // row); `insertInto` is the statement up to and including VALUES, and
    // `returning` (ON CONFLICT ..., RETURNING ...) follows the rows. With a
    // RETURNING clause, `readRow` is called for every row it returns.
    // PostgreSQL gets them through libpq (PostgresStatements), SQLite a row at
    // a time through its own interface (SqliteStatements) unless they are
    // read back, then through Qt SQL; both in as few statements as the kept
    // multi-row forms allow.
    void insertRows(const QString& insertInto, int columns, const QVariantList& values,
                    const QString& returning = QString(), const std::function<void(const SqlRows&)>& readRow = {});

    // Inserts rows of whole numbers, `columns` of them to a row. `insertInto`
    // is the statement up to and including its column list; `after` (ON
    // CONFLICT ...) follows the rows. SQLite binds the numbers of a
    // row at a time through its own interface (see SqliteStatements).
    // PostgreSQL gets them in statements that take an array per column, sent
    // in binary through libpq (see PostgresStatements); a statement carries a
    // bounded piece of the rows, so that a large upload's memory does not
    // grow with its size.
    void insertNumbers(const QString& insertInto, int columns, const QList<qint64>& values,
                       const QString& after = QString());

    // False when the connection no longer answers (the database restarted,
    // or ended our session): it is of no further use.
    bool isAlive();

private:
    QString connection;
    SqlDialect sqlDialect;
    // Waits until what write() sent is done, whatever its outcome.
    void discard();
    // SQLite's own statements on this connection, made on first use; null on PostgreSQL.
    SqliteStatements* sqlite();
    // PostgreSQL's own statements on this connection, made on first use, once
    // no Qt query is left reading rows.
    PostgresStatements& postgres();

    QHash<QString, QSqlQuery> statements;
    std::unique_ptr<SqliteStatements> native;
    std::unique_ptr<PostgresStatements> nativePostgres;
};
