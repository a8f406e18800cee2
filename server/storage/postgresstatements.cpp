// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/postgresstatements.h"

#include "server/storage/sqlconnection.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <QtEndian>

#include <atomic>
#include <memory>
#include <vector>

#include <libpq-fe.h>

namespace {

// PostgreSQL's type numbers.
constexpr Oid BOOL_OID = 16;
constexpr Oid BYTEA_OID = 17;
constexpr Oid INT8_OID = 20;
constexpr Oid INT2_OID = 21;
constexpr Oid INT4_OID = 23;
constexpr Oid TEXT_OID = 25;
constexpr Oid VARCHAR_OID = 1043;
constexpr Oid INT8_ARRAY_OID = 1016;

// Rows come in binary: numbers in network order, texts in UTF-8, bytes as they are.
constexpr int BINARY = 1;

using Result = PostgresResult;

DatabaseFailure failureOf(PGconn* connection, const PGresult* result, const QString& statement)
{
    // The server's own words ("canceling statement due to lock timeout"),
    // else libpq's (the connection went away).
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const QString text = primary ? QString::fromUtf8(primary) : QString::fromUtf8(PQerrorMessage(connection)).trimmed();
    return DatabaseFailure{text + QStringLiteral(" (") + statement.left(200) + QLatin1Char(')')};
}

void appendInt32(QByteArray& to, qint32 value)
{
    const qint32 big = qToBigEndian(value);
    to.append(reinterpret_cast<const char*>(&big), sizeof big);
}

void appendInt64(QByteArray& to, qint64 value)
{
    const qint64 big = qToBigEndian(value);
    to.append(reinterpret_cast<const char*>(&big), sizeof big);
}

// bigint[] in PostgreSQL's binary form: dimensions, a flag for nulls (none),
// the element type, each dimension's length and lower bound, then every
// element as its length and its bytes in network order.
QByteArray int8Array(const QList<qint64>& values, qsizetype from, qsizetype to, int step)
{
    const qint32 count = qint32((to - from + step - 1) / step);
    QByteArray array;
    array.reserve(20 + count * 12);
    appendInt32(array, count > 0 ? 1 : 0);
    appendInt32(array, 0);
    appendInt32(array, qint32(INT8_OID));
    if (count > 0) {
        appendInt32(array, count);
        appendInt32(array, 1);
    }
    for (qsizetype i = from; i < to; i += step) {
        appendInt32(array, qint32(sizeof(qint64)));
        appendInt64(array, values[i]);
    }
    return array;
}

} // namespace

void PostgresResultClear::operator()(pg_result* result) const
{
    PQclear(result);
}

pg_conn* PostgresStatements::handleOf(const QSqlDatabase& database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    // Qt names the type by the structure behind libpq's typedef.
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "pg_conn*") != 0 && qstrcmp(handle.typeName(), "PGconn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

PostgresStatements::~PostgresStatements()
{
    // What is left was sent in a transaction that is being given up.
    try {
        sync();
    } catch (const DatabaseFailure&) {
    }
}

void PostgresStatements::startPipeline(const QString& statement, bool rowsWanted)
{
    if (PQpipelineStatus(connection) != PQ_PIPELINE_OFF)
        return;
    // Qt's driver leaves the end of a query's results unread until it sends
    // the next one; libpq takes no pipeline before they are.
    while (PGresult* const left = PQgetResult(connection))
        PQclear(left);
    if (PQenterPipelineMode(connection) != 1)
        throw failureOf(connection, nullptr, statement);
    // libpq keeps the single-row mode of Qt's last query for the first
    // statement of a pipeline: one whose rows are read goes second, after
    // an empty statement.
    if (rowsWanted) {
        if (PQsendQueryParams(connection, "", 0, nullptr, nullptr, nullptr, nullptr, 0) != 1)
            throw failureOf(connection, nullptr, statement);
        sent.push_back(Sent{QString(), false, false});
    }
}

const QByteArray& PostgresStatements::prepared(const QString& statement, int parameters, const unsigned* types,
                                               bool rowsWanted)
{
    startPipeline(statement, rowsWanted);
    auto kept = statements.constFind(statement);
    if (kept != statements.constEnd())
        return kept.value();
    // Unique in the process, so in every session it shares a connection with.
    static std::atomic<quint64> made{0};
    const QByteArray name = "zuv_native_" + QByteArray::number(++made);
    if (PQsendPrepare(connection, name.constData(), statement.toUtf8().constData(), parameters, types) != 1)
        throw failureOf(connection, nullptr, statement);
    sent.push_back(Sent{statement, true, false});
    return statements.insert(statement, name).value();
}

void PostgresStatements::send(const QString& statement, const QByteArray& name, int parameters, const char* const* data,
                              const int* lengths, const int* formats, bool rowsWanted)
{
    if (PQsendQueryPrepared(connection, name.constData(), parameters, data, lengths, formats,
                            rowsWanted ? BINARY : 0) != 1)
        throw failureOf(connection, nullptr, statement);
    sent.push_back(Sent{statement, false, rowsWanted});
}

PostgresResult PostgresStatements::read(const QString& statement, const QVariantList& values, qsizetype at, int count)
{
    rowsRead.reset();
    sendValues(statement, values, at, count, true);
    sync();
    if (!rowsRead)
        throw failureOf(connection, nullptr, statement);
    return std::move(rowsRead);
}

int PostgresStatements::rowsOf(const pg_result* result)
{
    return PQntuples(result);
}

QVariant PostgresStatements::valueOf(const pg_result* result, int row, int column)
{
    if (PQgetisnull(result, row, column))
        return QVariant();
    const char* const data = PQgetvalue(result, row, column);
    const int length = PQgetlength(result, row, column);
    switch (PQftype(result, column)) {
    case INT8_OID:
        return QVariant(qFromBigEndian<qint64>(data));
    case INT4_OID:
        return QVariant(qint64(qFromBigEndian<qint32>(data)));
    case INT2_OID:
        return QVariant(qint64(qFromBigEndian<qint16>(data)));
    case BOOL_OID:
        return QVariant(data[0] != 0);
    case BYTEA_OID:
        return QVariant(QByteArray(data, length));
    case TEXT_OID:
    case VARCHAR_OID:
        return QVariant(QString::fromUtf8(data, length));
    default:
        throw DatabaseFailure{QStringLiteral("no reading for a value of type %1").arg(PQftype(result, column))};
    }
}

void PostgresStatements::sendOnce(const QString& statement)
{
    startPipeline(statement, false);
    if (PQsendQueryParams(connection, statement.toUtf8().constData(), 0, nullptr, nullptr, nullptr, nullptr, 0) != 1)
        throw failureOf(connection, nullptr, statement);
    sent.push_back(Sent{statement, false, false});
}

void PostgresStatements::sync()
{
    if (PQpipelineStatus(connection) == PQ_PIPELINE_OFF)
        return;
    DatabaseFailure failure;
    const bool done = PQpipelineSync(connection) == 1 ? readOutcomes(failure) : false;
    if (failure.text.isEmpty() && !done)
        failure = failureOf(connection, nullptr, QStringLiteral("the end of a pipeline"));
    sent.clear();
    // On a broken connection it stays in pipeline mode: Qt's driver then
    // fails as it does on any broken connection.
    PQexitPipelineMode(connection);
    if (!done)
        throw failure;
}

bool PostgresStatements::readOutcomes(DatabaseFailure& failure)
{
    std::size_t index = 0; // of the statement whose outcome comes next
    bool ended = false;    // the last read ended a statement's outcome
    for (;;) {
        Result result(PQgetResult(connection));
        if (!result) {
            // Each statement's outcome ends in a null; two in a row, or a
            // broken connection, and nothing more will come.
            if (ended || PQstatus(connection) == CONNECTION_BAD)
                return false;
            ended = true;
            ++index;
            continue;
        }
        ended = false;
        const ExecStatusType status = PQresultStatus(result.get());
        if (status == PGRES_PIPELINE_SYNC)
            return failure.text.isEmpty();
        if (status == PGRES_TUPLES_OK && index < sent.size() && sent[index].rowsWanted)
            rowsRead = Result(result.release());
        // Rows not read may come one at a time, in Qt's single-row mode.
        if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_SINGLE_TUPLE ||
            status == PGRES_EMPTY_QUERY)
            continue;
        const Sent* const what = index < sent.size() ? &sent[index] : nullptr;
        if (what && what->prepares)
            statements.remove(what->statement); // not prepared after all
        // The statements after a failure are skipped, with no message.
        if (failure.text.isEmpty() && status != PGRES_PIPELINE_ABORTED)
            failure = failureOf(connection, result.get(), what ? what->statement : QString());
    }
}

void PostgresStatements::sendColumnArrays(const QString& statement, int columns, const QList<qint64>& values,
                                          qsizetype at, qsizetype count)
{
    const std::vector<Oid> types(size_t(columns), INT8_ARRAY_OID);
    const QByteArray& name = prepared(statement, columns, types.data());
    std::vector<QByteArray> arrays;
    std::vector<const char*> data;
    std::vector<int> lengths;
    const std::vector<int> formats(size_t(columns), 1);
    arrays.reserve(size_t(columns));
    for (int column = 0; column < columns; ++column) {
        arrays.push_back(int8Array(values, at + column, at + count, columns));
        data.push_back(arrays.back().constData());
        lengths.push_back(int(arrays.back().size()));
    }
    send(statement, name, columns, data.data(), lengths.data(), formats.data());
}

void PostgresStatements::sendValues(const QString& statement, const QVariantList& values, qsizetype at, int count)
{
    sendValues(statement, values, at, count, false);
}

void PostgresStatements::sendValues(const QString& statement, const QVariantList& values, qsizetype at, int count,
                                    bool rowsWanted)
{
    // The server takes each parameter's type from where it stands.
    const QByteArray& name = prepared(statement, count, nullptr, rowsWanted);
    std::vector<QByteArray> texts(static_cast<size_t>(count));
    std::vector<const char*> data(size_t(count), nullptr);
    std::vector<int> lengths(size_t(count), 0);
    std::vector<int> formats(size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const QVariant& value = values[at + i];
        QByteArray& text = texts[size_t(i)];
        // A null value, a null text and null bytes are all NULL.
        bool isNull = value.isNull();
        switch (value.typeId()) {
        case QMetaType::QByteArray:
            text = value.toByteArray();
            isNull = isNull || text.isNull();
            formats[size_t(i)] = 1; // bytea as it is
            break;
        case QMetaType::QString:
            isNull = isNull || value.toString().isNull();
            text = value.toString().toUtf8();
            break;
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong:
            text = QByteArray::number(value.toLongLong());
            break;
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            text = QByteArray::number(value.toULongLong());
            break;
        case QMetaType::Bool:
            text = value.toBool() ? "true" : "false";
            break;
        default:
            if (!isNull)
                throw DatabaseFailure{QStringLiteral("no binding for a value of type %1 (%2)")
                                          .arg(QString::fromLatin1(value.typeName()), statement.left(200))};
        }
        if (isNull)
            continue;
        data[size_t(i)] = text.isEmpty() ? "" : text.constData();
        lengths[size_t(i)] = int(text.size());
    }
    send(statement, name, count, data.data(), lengths.data(), formats.data(), rowsWanted);
}
