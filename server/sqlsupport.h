#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <initializer_list>

// The few ways the server's database code runs a statement. Each of them
// throws DatabaseFailure when the database refuses, so that a transaction
// is left at the first failure and rolled back as a whole.
namespace sql {

// Raised inside a transaction; the transaction is then rolled back.
struct DatabaseFailure
{
    QString text;
};

// A forward-only query, prepared.
QSqlQuery prepared(const QSqlDatabase& db, const QString& statement);
void run(QSqlQuery& query);
// Binds the values in order and runs the statement.
void runWith(QSqlQuery& query, std::initializer_list<QVariant> values);
void runWith(QSqlQuery&& query, std::initializer_list<QVariant> values);
// A statement without values.
void execute(const QSqlDatabase& db, const QString& statement);
// The first column of the first row, or an invalid value when there is none.
QVariant singleValue(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

} // namespace sql
