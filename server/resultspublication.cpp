#include "server/resultspublication.h"

#include "common/constants.h"
#include "server/resultsaggregates.h"
#include "server/resultspage.h"
#include "server/sqlconnection.h"

#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <map>

namespace {

const QString SAME_CELL = QStringLiteral("d.month = %1.month AND d.member_country = %1.member_country"
                                         " AND d.national_side = %1.national_side AND d.coin_value = %1.coin_value");

qint64 stateValue(SqlConnection& sql, const char* name)
{
    return sql.value(QStringLiteral("SELECT value FROM server_state WHERE name = ?"), {QLatin1String(name)})
        .toLongLong();
}

void add(PublishedCell& cell, qint64 coins, qint64 foreignCoins)
{
    if (!cell)
        cell = CellCounts();
    cell->coins += coins;
    cell->foreignCoins += foreignCoins;
}

qint64 dayOf(const QDateTime& time)
{
    return time.toSecsSinceEpoch() / 86400;
}

} // namespace

bool ResultsPublication::publishDaily(const QDateTime& now)
{
    if (stateValue(sql, "published_day") >= dayOf(now))
        return false;
    publish(now);
    return true;
}

void ResultsPublication::publish(const QDateTime& now)
{
    const QVariant minimum = sqlNumber(MINIMUM_MEMBERS);
    // The cells due: changed by enough members since they were published.
    // A month beyond the current one waits for its time, its changes kept.
    sql.execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS due_cells (month INTEGER, member_country INTEGER,"
                               " national_side INTEGER, coin_value INTEGER,"
                               " PRIMARY KEY (month, member_country, national_side, coin_value))"));
    sql.run(QStringLiteral("DELETE FROM due_cells"));
    sql.run(QStringLiteral("INSERT INTO due_cells SELECT month, member_country, national_side, coin_value"
                           " FROM publication_changes WHERE month BETWEEN ? AND ?"
                           " GROUP BY month, member_country, national_side, coin_value HAVING COUNT(*) >= ?"),
            {sqlNumber(FIRST_MONTH), sqlNumber(ResultsAggregates::monthOf(now.toUTC().date())), minimum});
    sql.run(QStringLiteral("DELETE FROM published_cells WHERE EXISTS (SELECT 1 FROM due_cells d WHERE %1)")
                .arg(SAME_CELL.arg(QStringLiteral("published_cells"))));
    sql.run(QStringLiteral("INSERT INTO published_cells (month, member_country, national_side, coin_value, coins,"
                           " purses) SELECT c.month, c.member_country, c.national_side, c.coin_value, c.coins,"
                           " c.purses FROM result_cells c WHERE c.members >= ?"
                           " AND EXISTS (SELECT 1 FROM due_cells d WHERE %1)")
                .arg(SAME_CELL.arg(QLatin1Char('c'))),
            {minimum});
    sql.run(QStringLiteral("DELETE FROM publication_changes WHERE EXISTS (SELECT 1 FROM due_cells d WHERE %1)")
                .arg(SAME_CELL.arg(QStringLiteral("publication_changes"))));

    // The totals, under the key of zeros.
    const QString projectChanges =
        QStringLiteral(" FROM publication_changes WHERE month = 0 AND member_country = 0 AND national_side = 0"
                       " AND coin_value = 0");
    if (sql.value(QStringLiteral("SELECT COUNT(*)") + projectChanges).toLongLong() >= MINIMUM_MEMBERS) {
        sql.run(QStringLiteral("UPDATE server_state SET value = (SELECT value FROM server_state WHERE name = ?)"
                               " WHERE name = ?"),
                {QStringLiteral("members"), QStringLiteral("published_members")});
        sql.run(QStringLiteral("UPDATE server_state SET value = (SELECT value FROM server_state WHERE name = ?)"
                               " WHERE name = ?"),
                {QStringLiteral("purses"), QStringLiteral("published_purses")});
        sql.run(QStringLiteral("DELETE") + projectChanges);
    }

    // Published as of the day, not the second: the time tells nothing of who uploaded when.
    const qint64 day = dayOf(now);
    sql.run(QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'published_day'"), {sqlNumber(day)});
    sql.run(QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'results_updated'"),
            {sqlNumber(day * 86400)});
    keepDocuments();
    sql.run(QStringLiteral("UPDATE server_state SET value = value + 1 WHERE name = 'results_version'"));
}

void ResultsPublication::keepDocuments()
{
    const ProjectResults results = read();
    const std::pair<const char*, QByteArray> documents[] = {
        {"page", resultsPage(results)}, {"json", resultsJson(results)}, {"csv", countsCsv(readCounts())}};
    for (const auto& [name, body] : documents)
        sql.run(QStringLiteral("INSERT INTO published_documents (name, body) VALUES (?, ?)"
                               " ON CONFLICT (name) DO UPDATE SET body = excluded.body"),
                {QLatin1String(name), body});
}

QByteArray ResultsPublication::document(const QString& name)
{
    return sql.value(QStringLiteral("SELECT body FROM published_documents WHERE name = ?"), {name}).toByteArray();
}

qint64 ResultsPublication::version()
{
    return stateValue(sql, "results_version");
}

ProjectResults ResultsPublication::read()
{
    ProjectResults results;
    const qint64 updated = stateValue(sql, "results_updated");
    if (updated > 0)
        results.updated = QDateTime::fromSecsSinceEpoch(updated, QTimeZone::utc());
    results.members = stateValue(sql, "published_members");
    results.purses = stateValue(sql, "published_purses");

    // Only members in the euro coin countries, whose own national side is
    // one of those counted, enter the figures that compare coins with the
    // member's country.
    std::map<int, PublishedCell> overall;
    std::map<int, std::map<int, PublishedCell>> countryMonths;
    std::map<int, MemberCountryResults> countries;
    QSqlQuery& cells = sql.run(QStringLiteral("SELECT month, member_country, national_side, coin_value, coins"
                                              " FROM published_cells"));
    while (cells.next()) {
        const int month = cells.value(0).toInt();
        const int country = cells.value(1).toInt();
        const int side = cells.value(2).toInt();
        const int value = cells.value(3).toInt();
        const qint64 coins = cells.value(4).toLongLong();
        results.coins += coins;
        results.valueCents += coins * coinvaluesInCents[size_t(value - 1)];
        if (country < 1 || country > NUM_NATIONAL_SIDES)
            continue;
        const qint64 foreignCoins = side != country ? coins : 0;
        add(overall[month], coins, foreignCoins);
        add(countryMonths[country][month], coins, foreignCoins);
        MemberCountryResults& line = countries[country];
        line.country = country;
        add(line.origin, coins, foreignCoins);
        add(line.sides[size_t(side - 1)], coins, foreignCoins);
        add(results.byValue[size_t(value - 1)], coins, foreignCoins);
    }
    cells.finish();

    for (const auto& [month, cell] : overall) {
        results.months.append(month);
        results.overallByMonth.append(cell);
    }
    for (auto& [country, line] : countries) {
        for (const int month : std::as_const(results.months)) {
            const auto& months = countryMonths[country];
            const auto cell = months.find(month);
            line.byMonth.append(cell == months.end() ? PublishedCell() : cell->second);
        }
        results.countries.append(line);
    }
    return results;
}

QList<CountsRow> ResultsPublication::readCounts()
{
    QList<CountsRow> rows;
    QSqlQuery& cells = sql.run(QStringLiteral("SELECT month, member_country, national_side, coin_value, coins, purses"
                                              " FROM published_cells"
                                              " ORDER BY month, member_country, national_side, coin_value"));
    while (cells.next())
        rows.append(CountsRow{cells.value(0).toInt(), cells.value(1).toInt(), cells.value(2).toInt(),
                              cells.value(3).toInt() - 1,
                              CellCounts{cells.value(4).toLongLong(), 0, cells.value(5).toLongLong()}});
    cells.finish();
    return rows;
}
