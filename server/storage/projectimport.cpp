// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/projectimport.h"

#include "server/storage/databaselocation.h"
#include "server/storage/projectdatabase.h"
#include "server/storage/sessionstore.h"
#include "server/storage/sqlconnection.h"
#include "storage/coinpile.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <utility>

namespace {

// The tables the schema fills itself with the program's own vocabulary. Both
// databases are at this server's schema, so they must hold the same rows.
const char* const LOOKUP_TABLES[] = {"coin_countries", "coin_values", "member_countries", "town_sizes", "event_names"};

// Rows read from the source before they are written to the target: the
// memory stays small however large the database is.
constexpr int ROWS_AT_ONCE = 8192;

QString quoted(SqlConnection& sql, const QString& name)
{
    return sql.database().driver()->escapeIdentifier(name, QSqlDriver::TableName);
}

QString columnList(SqlConnection& sql, const QStringList& names)
{
    QStringList list;
    for (const QString& name : names)
        list << quoted(sql, name);
    return list.join(QStringLiteral(", "));
}

// Every row of a table, its fields joined by '|', in the order of its first column.
QStringList rowsOf(SqlConnection& sql, const QString& table)
{
    QSqlQuery& query = sql.run(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(quoted(sql, table)));
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        rows << fields.join(QLatin1Char('|'));
    }
    query.finish();
    return rows;
}

// A foreign key of the target's, to be made again as it was.
struct ForeignKey
{
    QString table;
    QString name;
    QString definition;
};

// The target's foreign keys are set aside while the rows go in, in any order,
// and made again afterwards: PostgreSQL checks a key row by row at several
// times the cost of the row's insert, and all rows at once in one join. A row
// that refers to nothing still fails the import, then.
QList<ForeignKey> setAsideForeignKeys(SqlConnection& to)
{
    QList<ForeignKey> keys;
    QSqlQuery& query = to.run(QStringLiteral("SELECT conrelid::regclass::text, conname, pg_get_constraintdef(oid)"
                                             " FROM pg_constraint WHERE contype = 'f'"
                                             " AND connamespace = current_schema()::regnamespace"));
    while (query.next())
        keys.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    query.finish();
    for (const ForeignKey& key : std::as_const(keys))
        to.execute(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT %2").arg(key.table, quoted(to, key.name)));
    return keys;
}

void restoreForeignKeys(SqlConnection& to, const QList<ForeignKey>& keys)
{
    for (const ForeignKey& key : keys)
        to.execute(
            QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 %3").arg(key.table, quoted(to, key.name), key.definition));
}

// The schema gives a new database rows of its own (server_state,
// analysis_items): a copied row with the key of one takes its place.
QString takingThePlaceOfRows(SqlConnection& to, const QString& table, const QStringList& columns)
{
    const QSqlIndex key = to.database().primaryIndex(table);
    if (key.isEmpty())
        return QString();
    QStringList keyColumns;
    for (int i = 0; i < key.count(); ++i)
        keyColumns << key.fieldName(i);
    QStringList updates;
    for (const QString& column : columns)
        if (!keyColumns.contains(column))
            updates << QStringLiteral("%1 = excluded.%1").arg(quoted(to, column));
    return QStringLiteral("ON CONFLICT (%1) DO %2")
        .arg(columnList(to, keyColumns),
             updates.isEmpty() ? QStringLiteral("NOTHING") : QStringLiteral("UPDATE SET ") + updates.join(", "));
}

// Copies every row of `table`, every column as the source has it; returns how many.
qint64 copyTable(SqlConnection& from, SqlConnection& to, const QString& table)
{
    const QSqlRecord record = from.database().record(table);
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    const QString insertInto = QStringLiteral("INSERT INTO %1 (%2)").arg(quoted(to, table), columnList(to, columns));
    // Nothing to replace in a table still empty, as most are: no look for a row with the key.
    const bool empty = !to.value(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(quoted(to, table))).toBool();
    const QString after = empty ? QString() : takingThePlaceOfRows(to, table, columns);

    QVariantList values;
    bool onlyNumbers = true;
    // Rows of whole numbers alone (the piles, the events, the published
    // sums: most of the database) go through one bound value.
    const auto write = [&] {
        if (onlyNumbers) {
            QList<qint64> numbers;
            numbers.reserve(values.size());
            for (const QVariant& value : std::as_const(values))
                numbers << value.toLongLong();
            to.insertNumbers(insertInto, int(columns.size()), numbers, after);
        } else {
            to.insertRows(insertInto + QStringLiteral(" VALUES"), int(columns.size()), values, after);
        }
        values.clear();
        onlyNumbers = true;
    };
    QSqlQuery& read = from.run(QStringLiteral("SELECT %1 FROM %2").arg(columnList(from, columns), quoted(from, table)));
    qint64 copied = 0;
    while (read.next()) {
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant value = read.value(i);
            const int type = value.typeId();
            onlyNumbers = onlyNumbers && !value.isNull() && (type == QMetaType::LongLong || type == QMetaType::Int);
            values << value;
        }
        if (++copied % ROWS_AT_ONCE == 0)
            write();
    }
    read.finish();
    write();
    return copied;
}

// A key the target numbers itself goes on after the highest one copied.
void continueIdentities(SqlConnection& to)
{
    QList<std::pair<QString, QString>> identities;
    QSqlQuery& columns = to.run(QStringLiteral("SELECT table_name, column_name FROM information_schema.columns"
                                               " WHERE table_schema = current_schema() AND is_identity = 'YES'"));
    while (columns.next())
        identities.append({columns.value(0).toString(), columns.value(1).toString()});
    columns.finish();
    for (const auto& [table, column] : identities)
        to.value(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), COALESCE(MAX(%1), 0) + 1, false) FROM %2")
                     .arg(quoted(to, column), quoted(to, table)),
                 {quoted(to, table), column});
}

} // namespace

ProjectImport::Totals ProjectImport::Totals::of(SqlConnection& sql)
{
    QSqlQuery& query = sql.run(QStringLiteral("SELECT (SELECT COUNT(*) FROM members),"
                                              " (SELECT COALESCE(SUM(sum_cents), 0) FROM sessions),"
                                              " (SELECT value FROM server_state WHERE name = 'members'),"
                                              " (SELECT value FROM server_state WHERE name = 'purses'),"
                                              " (SELECT value FROM server_state WHERE name = 'sum_cents')"));
    Totals totals;
    if (query.next()) {
        qint64* const fields[] = {&totals.members, &totals.cents, &totals.keptMembers, &totals.keptPurses,
                                  &totals.keptCents};
        for (int i = 0; i < 5; ++i)
            *fields[i] = query.value(i).toLongLong();
    }
    query.finish();
    // The purses and coins from the sessions' piles, a piece at a time.
    for (qint64 after = -1;;) {
        QSqlQuery& sessions = sql.run(
            QStringLiteral("SELECT session_id, purse FROM sessions WHERE session_id > ? ORDER BY session_id LIMIT %1")
                .arg(ROWS_AT_ONCE),
            {sqlNumber(after)});
        const qint64 before = after;
        while (sessions.next()) {
            after = sessions.value(0).toLongLong();
            const QList<CoinPile> purse = SessionStore::purseOf(sessions.value(1).toByteArray());
            totals.purses += purse.isEmpty() ? 0 : 1;
            for (const CoinPile& pile : purse)
                totals.coins += pile.count;
        }
        sessions.finish();
        if (after == before)
            return totals;
    }
}

bool ProjectImport::Totals::consistent() const
{
    return members == keptMembers && purses == keptPurses && cents == keptCents;
}

bool ProjectImport::Totals::operator==(const Totals& other) const
{
    return toString() == other.toString();
}

QString ProjectImport::Totals::toString() const
{
    return QStringLiteral("%1 members, %2 purses, %3 coins, %4 cents (kept: %5 members, %6 purses, %7 cents)")
        .arg(members)
        .arg(purses)
        .arg(coins)
        .arg(cents)
        .arg(keptMembers)
        .arg(keptPurses)
        .arg(keptCents);
}

bool ProjectImport::run(const QString& sourceFile, const QString& target)
{
    source = sourceFile;
    destination = target;
    problem.clear();
    const auto refused = [this](const QString& reason) {
        problem = QStringLiteral("%1 was not imported into %2: %3").arg(source, destination, reason);
        return false;
    };
    DatabaseLocation where;
    QString unusable;
    if (!DatabaseLocation::parse(target, where, unusable))
        return refused(unusable);
    if (where.dialect.kind() != SqlDialect::Kind::PostgreSQL)
        return refused(QStringLiteral("the import goes into a PostgreSQL database (--database "
                                      "postgresql://user@host:port/dbname)"));
    // Opening a file that is not there would make an empty database of it.
    if (!QFileInfo(sourceFile).isFile())
        return refused(QStringLiteral("there is no such SQLite database file"));
    ProjectDatabase from(QStringLiteral("zuv-import-source"));
    ProjectDatabase into(QStringLiteral("zuv-import-target"));
    if (!from.open(sourceFile))
        return refused(from.lastError());
    if (!into.open(target))
        return refused(into.lastError());
    // One state of the source, read while the target is written in one transaction.
    const bool copied = from.read([&](SqlConnection& sqlite) {
        if (!into.write([&](SqlConnection& postgresql) { copyAll(sqlite, postgresql); }))
            throw DatabaseFailure{into.lastError()};
    });
    return copied || refused(from.lastError() + QStringLiteral("; nothing was written"));
}

void ProjectImport::copyAll(SqlConnection& from, SqlConnection& to)
{
    const qint64 members = to.value(QStringLiteral("SELECT COUNT(*) FROM members")).toLongLong();
    if (members > 0)
        throw DatabaseFailure{QStringLiteral("it holds %1 members already, and a project is imported only into a"
                                             " database without members")
                                  .arg(members)};
    QStringList copied = from.database().tables();
    // SQLite's own (sqlite_sequence): PostgreSQL keeps that in its identities.
    copied.removeIf([](const QString& table) { return table.startsWith(QLatin1String("sqlite_")); });
    for (const char* lookup : LOOKUP_TABLES) {
        const QString table = QString::fromLatin1(lookup);
        copied.removeAll(table);
        if (rowsOf(from, table) != rowsOf(to, table))
            throw DatabaseFailure{QStringLiteral("the lookup table %1 differs between the two databases").arg(table)};
    }
    const QList<ForeignKey> keys = setAsideForeignKeys(to);
    rows = 0;
    for (const QString& table : std::as_const(copied))
        rows += copyTable(from, to, table);
    tables = int(copied.size());
    restoreForeignKeys(to, keys);
    continueIdentities(to);

    const Totals before = Totals::of(from);
    totals = Totals::of(to);
    if (!before.consistent() || !totals.consistent() || !(before == totals))
        throw DatabaseFailure{QStringLiteral("the totals do not agree: SQLite %1, PostgreSQL %2")
                                  .arg(before.toString(), totals.toString())};
}

QString ProjectImport::summary() const
{
    // In one go: an address holds percent signs.
    return QStringLiteral("imported %1 into %2: %3 rows of %4 tables; %5, counted afresh on both sides")
        .arg(source, destination, QString::number(rows), QString::number(tables), totals.toString());
}
