#include "server/sqlsupport.h"

#include <QSqlError>

#include <utility>

namespace sql {

QSqlQuery prepared(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw DatabaseFailure{query.lastError().text() + QStringLiteral(" (") + statement + QLatin1Char(')')};
    return query;
}

void run(QSqlQuery& query)
{
    if (!query.exec())
        throw DatabaseFailure{query.lastError().text() + QStringLiteral(" (") + query.lastQuery() + QLatin1Char(')')};
}

void runWith(QSqlQuery& query, std::initializer_list<QVariant> values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
    run(query);
}

void runWith(QSqlQuery&& query, std::initializer_list<QVariant> values)
{
    runWith(query, values);
}

void execute(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw DatabaseFailure{query.lastError().text() + QStringLiteral(" (") + statement.left(200) + QLatin1Char(')')};
}

QVariant singleValue(const QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    QSqlQuery query = prepared(db, statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    run(query);
    return query.next() ? query.value(0) : QVariant();
}

} // namespace sql
