// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/sqlconnection.h"

#include "server/storage/postgresstatements.h"
#include "server/storage/sqlitestatements.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>

#include <utility>

namespace {

DatabaseFailure failureOf(const QSqlQuery& query, const QString& statement)
{
    // Long multi-row statements are cut: the start says which one it was.
    return DatabaseFailure{query.lastError().text() + QStringLiteral(" (") + statement.left(200) + QLatin1Char(')')};
}

// Escapes what the databases cannot hold in a text (see sqlText()).
constexpr QChar TEXT_ESCAPE(0x10);

// The most rows one insert statement carries. Statements are kept for every
// power of two up to it, so a few forms serve every number of rows.
constexpr int MOST_ROWS_AT_ONCE = 64;
// The most numbers one statement of insertNumbers() carries. Its arrays, and
// what the database makes of them, grow with its rows: pieces of this size
// keep them to a few MiB however large an upload is, and are still large
// enough that the statements cost little more than one.
constexpr qsizetype MOST_NUMBERS_AT_ONCE = 64 * 1024;

// PostgreSQL's rows of `columns` whole numbers each, from an array per
// column: it reads those in half the time it takes for the same rows as JSON.
QString numberRows(int columns)
{
    QStringList arrays;
    for (int i = 1; i <= columns; ++i)
        arrays << QStringLiteral("$%1").arg(i);
    return QStringLiteral("SELECT * FROM unnest(") + arrays.join(QLatin1Char(',')) + QLatin1Char(')');
}

// The statement with Qt's "?" as PostgreSQL's numbered parameters; a quoted
// text is left as it is.
QString numbered(const QString& statement)
{
    QString result;
    result.reserve(statement.size() + 16);
    int parameter = 0;
    bool quoted = false;
    for (const QChar c : statement) {
        quoted = quoted != (c == QLatin1Char('\''));
        if (c == QLatin1Char('?') && !quoted)
            result += QLatin1Char('$') + QString::number(++parameter);
        else
            result += c;
    }
    return result;
}

// " (?,?,?)": one row of values to bind.
QString placeholderRow(int columns)
{
    return QStringLiteral(" (") + QStringList(columns, QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace

QVariant sqlDateTime(const QDateTime& dateTime)
{
    // From the fields, not through a time zone: what the participant's clock
    // wrote is what is stored.
    if (!dateTime.date().isValid())
        return QVariant(QMetaType::fromType<QString>());
    return QVariant(dateTime.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
                    dateTime.time().toString(QStringLiteral("HH:mm:ss.zzz")));
}

QDateTime dateTimeFromSql(const QVariant& stored)
{
    const QString text = stored.toString();
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss.zzz"));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

QVariant sqlText(const QString& text)
{
    QString stored;
    stored.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool unpaired = c.isHighSurrogate() ? i + 1 == text.size() || !text[i + 1].isLowSurrogate()
                                                  : c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
        if (c == TEXT_ESCAPE || c.isNull() || unpaired) {
            stored += TEXT_ESCAPE;
            if (unpaired)
                stored += QLatin1Char('u') + QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0'));
            else
                stored += c.isNull() ? QChar(u'0') : TEXT_ESCAPE;
        } else {
            stored += c;
        }
    }
    return QVariant(stored); // never null: a null text is stored empty
}

QVariant sqlLatin1(const std::string& bytes)
{
    return sqlText(QString::fromLatin1(bytes.data(), qsizetype(bytes.size())));
}

QString textFromSql(const QVariant& stored)
{
    const QString text = stored.toString();
    QString sent;
    sent.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar escaped = text[i] == TEXT_ESCAPE && i + 1 < text.size() ? text[i + 1] : QChar(u'-');
        bool isCode = false;
        const ushort code = escaped == u'u' && i + 6 <= text.size() ? text.mid(i + 2, 4).toUShort(&isCode, 16) : 0;
        if (escaped == TEXT_ESCAPE || escaped == u'0') {
            sent += escaped == TEXT_ESCAPE ? TEXT_ESCAPE : QChar(0);
            ++i;
        } else if (isCode) {
            sent += QChar(code);
            i += 5;
        } else {
            sent += text[i]; // not escaped by us: kept as it is
        }
    }
    return sent;
}

SqlRows::SqlRows(SqlRows&& other) noexcept
    : query(std::exchange(other.query, nullptr)), result(std::move(other.result)), row(other.row)
{
}

SqlRows::~SqlRows()
{
    if (query)
        query->finish();
}

bool SqlRows::next()
{
    if (query)
        return query->next();
    return result && ++row < PostgresStatements::rowsOf(result.get());
}

QVariant SqlRows::value(int column) const
{
    if (query)
        return query->value(column);
    return PostgresStatements::valueOf(result.get(), row, column);
}

SqlConnection::SqlConnection(const QString& connectionName, const SqlDialect& dialect)
    : connection(connectionName), sqlDialect(dialect)
{
}

SqlConnection::~SqlConnection() = default;

QSqlDatabase SqlConnection::database()
{
    settle();
    return QSqlDatabase::database(connection, false);
}

bool SqlConnection::isAlive()
{
    discard();
    // Qt closes a PostgreSQL connection whose server went away.
    QSqlQuery probe(database());
    return database().isOpen() && probe.exec(QStringLiteral("SELECT 1"));
}

QSqlQuery& SqlConnection::run(const QString& statement, const QVariantList& values)
{
    settle();
    auto kept = statements.find(statement);
    if (kept == statements.end()) {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.prepare(statement))
            throw failureOf(query, statement);
        kept = statements.insert(statement, query);
    }
    QSqlQuery& query = kept.value();
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        throw failureOf(query, statement);
    return query;
}

void SqlConnection::write(const QString& statement, const QVariantList& values)
{
    if (sqlDialect.kind() != SqlDialect::Kind::PostgreSQL) {
        run(statement, values);
        return;
    }
    if (values.isEmpty()) {
        postgres().sendOnce(statement);
        return;
    }
    postgres().sendValues(numbered(statement), values, 0, int(values.size()));
}

void SqlConnection::settle()
{
    if (nativePostgres)
        nativePostgres->sync();
}

void SqlConnection::commit()
{
    if (sqlDialect.kind() == SqlDialect::Kind::PostgreSQL) {
        // Sent after the writes, in the same round trip.
        write(QStringLiteral("COMMIT"));
        settle();
    } else {
        execute(QStringLiteral("COMMIT"));
    }
}

void SqlConnection::discard()
{
    try {
        settle();
    } catch (const DatabaseFailure&) {
        // given up with its transaction
    }
}

void SqlConnection::rollback()
{
    discard();
    const QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery rollback(db);
    if (db.isOpen())
        rollback.exec(QStringLiteral("ROLLBACK"));
}

SqlRows SqlConnection::rows(const QString& statement, const QVariantList& values)
{
    if (sqlDialect.kind() == SqlDialect::Kind::PostgreSQL)
        return SqlRows(postgres().read(numbered(statement), values, 0, int(values.size())));
    return SqlRows(run(statement, values));
}

QVariant SqlConnection::value(const QString& statement, const QVariantList& values)
{
    SqlRows found = rows(statement, values);
    return found.next() ? found.value(0) : QVariant();
}

void SqlConnection::execute(const QString& statement)
{
    settle();
    QSqlQuery query(database());
    if (!query.exec(statement))
        throw failureOf(query, statement);
}

void SqlConnection::insertRows(const QString& insertInto, int columns, const QVariantList& values,
                               const QString& returning, const std::function<void(const SqlRows&)>& readRow)
{
    // SQLite steps one kept statement a row at a time, its values bound directly.
    SqliteStatements* const sqlite = readRow ? nullptr : this->sqlite();
    if (sqlite) {
        sqlite->runForEachRow(insertInto + placeholderRow(columns) + QLatin1Char(' ') + returning, columns, values);
        return;
    }
    // On PostgreSQL through libpq: the values, bytes above all, reach the
    // server without being spelled out.
    const bool postgres = sqlDialect.kind() == SqlDialect::Kind::PostgreSQL;
    qsizetype rowsLeft = values.size() / columns;
    qsizetype at = 0;
    while (rowsLeft > 0) {
        int rows = MOST_ROWS_AT_ONCE;
        while (rows > rowsLeft)
            rows /= 2;
        QString statement = insertInto;
        for (int i = 0; i < rows; ++i) {
            statement += i == 0 ? QStringLiteral(" (") : QStringLiteral(",(");
            for (int column = 0; column < columns; ++column) {
                if (column > 0)
                    statement += QLatin1Char(',');
                if (postgres)
                    statement += QLatin1Char('$') + QString::number(i * columns + column + 1);
                else
                    statement += QLatin1Char('?');
            }
            statement += QLatin1Char(')');
        }
        if (!returning.isEmpty())
            statement += QLatin1Char(' ') + returning;
        const int count = rows * columns;
        if (postgres && !readRow) {
            this->postgres().sendValues(statement, values, at, count);
        } else {
            SqlRows returned = postgres ? SqlRows(this->postgres().read(statement, values, at, count))
                                        : SqlRows(run(statement, values.mid(at, count)));
            while (readRow && returned.next())
                readRow(returned);
        }
        at += count;
        rowsLeft -= rows;
    }
}

void SqlConnection::insertNumbers(const QString& insertInto, int columns, const QList<qint64>& values,
                                  const QString& after)
{
    if (SqliteStatements* const native = sqlite()) {
        native->runForEachRow(insertInto + QStringLiteral(" VALUES") + placeholderRow(columns) + QLatin1Char(' ') +
                                  after,
                              columns, values);
        return;
    }
    PostgresStatements& postgres = this->postgres();
    const QString statement = insertInto + QLatin1Char(' ') + numberRows(columns) + QLatin1Char(' ') + after;
    const qsizetype piece = qsizetype(MOST_NUMBERS_AT_ONCE / columns) * columns;
    for (qsizetype at = 0; at < values.size(); at += piece)
        postgres.sendColumnArrays(statement, columns, values, at, qMin(piece, values.size() - at));
}

SqliteStatements* SqlConnection::sqlite()
{
    if (!native && sqlDialect.kind() == SqlDialect::Kind::SQLite)
        native = std::make_unique<SqliteStatements>(SqliteStatements::handleOf(database()));
    return native.get();
}

PostgresStatements& SqlConnection::postgres()
{
    // libpq would drop the rows a Qt query has not read yet: none may be left.
    for (QSqlQuery& query : statements) {
        if (query.isActive())
            query.finish();
    }
    if (!nativePostgres) {
        pg_conn* const handle = PostgresStatements::handleOf(database());
        if (!handle)
            throw DatabaseFailure{QStringLiteral("the connection has no libpq handle")};
        nativePostgres = std::make_unique<PostgresStatements>(handle);
    }
    return *nativePostgres;
}
