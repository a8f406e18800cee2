#include "server/resultsaggregates.h"

#include "server/sqlconnection.h"
#include "settings/settingschoices.h"

#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace {

// What a cell sums over. The key columns a grain does not use hold 0.
// ResultsContribution::addSession() and contributions() below count the same
// cells, one from a session in memory, the other from the stored sessions.
enum Grain : int {
    COUNTS = 1,        // month, member country, national side, coin value (every member country)
    MONTH = 2,         // month
    MONTH_COUNTRY = 3, // month, member country
    COUNTRY_SIDE = 4,  // member country, national side
    COUNTRY = 5,       // member country
    COIN_VALUE = 6,    // coin value
    EVERYTHING = 7,    // every coin (every member country)
};
// Only members in the euro coin countries, whose own national side is one
// of those counted, enter the grains that compare coins with the member's
// country (2 to 6).

const QString CELL_KEY = QStringLiteral("grain, month, member_country, national_side, coin_value");

// Per stored session and cell: the session's coins there and how many of
// them are foreign. Piles that are not a coin (a count of 0, no national
// side) count nowhere; a session holding the same coin twice counts it once,
// summed.
QString contributions()
{
    return QStringLiteral(
        "WITH piles AS ("
        " SELECT s.session_id, s.member_number, s.month, s.member_country, p.coin_country AS national_side,"
        " p.coin_value, SUM(p.count) AS coins"
        " FROM sessions s JOIN coin_piles p ON p.session_id = s.session_id"
        " WHERE p.count > 0 AND p.coin_country BETWEEN 1 AND 15 AND p.coin_value BETWEEN 1 AND 8"
        " GROUP BY s.session_id, s.member_number, s.month, s.member_country, p.coin_country, p.coin_value),"
        " euro AS ("
        " SELECT piles.*, CASE WHEN national_side <> member_country THEN coins ELSE 0 END AS foreign_coins"
        " FROM piles WHERE member_country BETWEEN 1 AND 15),"
        " contributions AS ("
        " SELECT 1 AS grain, month, member_country, national_side, coin_value, session_id, member_number,"
        " coins, CASE WHEN member_country BETWEEN 1 AND 15 AND national_side <> member_country"
        " THEN coins ELSE 0 END AS foreign_coins FROM piles"
        " UNION ALL SELECT 2, month, 0, 0, 0, session_id, member_number, SUM(coins), SUM(foreign_coins)"
        " FROM euro GROUP BY session_id, member_number, month"
        " UNION ALL SELECT 3, month, member_country, 0, 0, session_id, member_number, SUM(coins),"
        " SUM(foreign_coins) FROM euro GROUP BY session_id, member_number, month, member_country"
        " UNION ALL SELECT 4, 0, member_country, national_side, 0, session_id, member_number, SUM(coins),"
        " SUM(foreign_coins) FROM euro GROUP BY session_id, member_number, member_country, national_side"
        " UNION ALL SELECT 5, 0, member_country, 0, 0, session_id, member_number, SUM(coins),"
        " SUM(foreign_coins) FROM euro GROUP BY session_id, member_number, member_country"
        " UNION ALL SELECT 6, 0, 0, 0, coin_value, session_id, member_number, SUM(coins), SUM(foreign_coins)"
        " FROM euro GROUP BY session_id, member_number, coin_value"
        " UNION ALL SELECT 7, 0, 0, 0, 0, session_id, member_number, SUM(coins), 0"
        " FROM piles GROUP BY session_id, member_number) ");
}

qint64 stateValue(SqlConnection& sql, const char* name)
{
    return sql.value(QStringLiteral("SELECT value FROM server_state WHERE name = ?"), {QLatin1String(name)})
        .toLongLong();
}

void appendKey(QList<qint64>& values, const std::tuple<int, int, int, int, int>& key)
{
    const auto& [grain, month, memberCountry, nationalSide, coinValue] = key;
    values << grain << month << memberCountry << nationalSide << coinValue;
}

} // namespace

int ResultsAggregates::memberCountryOf(int country)
{
    const QStringList& items = memberCountryItems();
    return country > 0 && country < items.size() && !items.at(country).isEmpty() ? country : 0;
}

void ResultsContribution::addSession(int month, int memberCountry, const QList<CoinPile>& purse)
{
    const bool euro = memberCountry >= 1 && memberCountry <= NUM_NATIONAL_SIDES;
    std::map<Key, Sums> session;
    const auto add = [&session](const Key& key, qint64 coins, qint64 foreignCoins) {
        Sums& sums = session[key];
        sums.coins += coins;
        sums.foreignCoins += foreignCoins;
    };
    for (const CoinPile& pile : purse) {
        if (pile.count == 0 || pile.countryIndex >= quint32(NUM_NATIONAL_SIDES) || pile.coinIndex >= quint32(NUM_COINS))
            continue;
        const int side = int(pile.countryIndex) + 1;
        const int value = int(pile.coinIndex) + 1;
        const qint64 coins = pile.count;
        const qint64 foreignCoins = euro && side != memberCountry ? coins : 0;
        add({COUNTS, month, memberCountry, side, value}, coins, foreignCoins);
        add({EVERYTHING, 0, 0, 0, 0}, coins, 0);
        if (!euro)
            continue;
        add({MONTH, month, 0, 0, 0}, coins, foreignCoins);
        add({MONTH_COUNTRY, month, memberCountry, 0, 0}, coins, foreignCoins);
        add({COUNTRY_SIDE, 0, memberCountry, side, 0}, coins, foreignCoins);
        add({COUNTRY, 0, memberCountry, 0, 0}, coins, foreignCoins);
        add({COIN_VALUE, 0, 0, 0, value}, coins, foreignCoins);
    }
    for (const auto& [key, sums] : session) {
        Sums& total = cells[key];
        total.coins += sums.coins;
        total.foreignCoins += sums.foreignCoins;
        total.purses += 1;
    }
}

void ResultsAggregates::addStored(qint64 sessionId, ResultsContribution& contribution)
{
    QSqlQuery& piles = sql.run(QStringLiteral("SELECT s.month, s.member_country, p.coin_value, p.coin_country, p.count"
                                              " FROM sessions s JOIN coin_piles p ON p.session_id = s.session_id"
                                              " WHERE s.session_id = ?"),
                               {sqlNumber(sessionId)});
    int month = 0;
    int memberCountry = 0;
    QList<CoinPile> purse;
    while (piles.next()) {
        month = piles.value(0).toInt();
        memberCountry = piles.value(1).toInt();
        const int value = piles.value(2).toInt();
        const int side = piles.value(3).toInt();
        if (value >= 1 && value <= NUM_COINS && side >= 1 && side <= NUM_NATIONAL_SIDES)
            purse.append(CoinPile{quint32(value - 1), quint32(side - 1), piles.value(4).toUInt()});
    }
    piles.finish();
    contribution.addSession(month, memberCountry, purse);
}

void ResultsAggregates::apply(qint64 memberNumber, const ResultsContribution& contribution, int sign)
{
    if (contribution.isEmpty())
        return;
    const qint64 factor = sign > 0 ? 1 : -1;

    // The member's sessions in each cell. The member came into a cell when
    // its row now holds just what was added, and left it when the row
    // dropped to nothing.
    QList<qint64> rows;
    for (const auto& [key, cell] : contribution.cells) {
        appendKey(rows, key);
        rows << memberNumber << factor * cell.purses;
    }
    std::map<ResultsContribution::Key, qint64> memberChange;
    sql.insertNumbers(
        QStringLiteral("INSERT INTO result_cell_members (%1, member_number, purses)").arg(CELL_KEY), 7, rows,
        QStringLiteral("ON CONFLICT (%1, member_number) DO UPDATE"
                       " SET purses = result_cell_members.purses + excluded.purses RETURNING %1, purses")
            .arg(CELL_KEY),
        [&](const QSqlQuery& row) {
            const ResultsContribution::Key key{row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt(),
                                               row.value(3).toInt(), row.value(4).toInt()};
            const qint64 sessions = row.value(5).toLongLong();
            const auto cell = contribution.cells.find(key);
            if (cell != contribution.cells.end())
                memberChange[key] = sign > 0 ? (sessions == cell->second.purses ? 1 : 0) : (sessions <= 0 ? -1 : 0);
        });

    rows.clear();
    for (const auto& [key, cell] : contribution.cells) {
        appendKey(rows, key);
        rows << factor * cell.coins << factor * cell.foreignCoins << factor * cell.purses << memberChange[key];
    }
    sql.insertNumbers(
        QStringLiteral("INSERT INTO pending_cells (%1, coins, foreign_coins, purses, members)").arg(CELL_KEY), 9, rows);
    if (sign < 0)
        sql.run(QStringLiteral("DELETE FROM result_cell_members WHERE purses <= 0"));
}

void ResultsAggregates::prepare(SqlConnection& sql)
{
    // Rolled back with the savepoint of an upload that fails, as the rows it wrote.
    sql.execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS pending_cells ("
                               " grain INTEGER NOT NULL, month INTEGER NOT NULL, member_country INTEGER NOT NULL,"
                               " national_side INTEGER NOT NULL, coin_value INTEGER NOT NULL, coins BIGINT NOT NULL,"
                               " foreign_coins BIGINT NOT NULL, purses BIGINT NOT NULL, members BIGINT NOT NULL)"));
}

bool ResultsAggregates::applyPending()
{
    // WHERE: SQLite would read ON CONFLICT as part of the SELECT without it.
    const bool changed =
        sql.run(QStringLiteral("INSERT INTO result_cells (%1, coins, foreign_coins, purses, members)"
                               " SELECT %1, SUM(coins), SUM(foreign_coins), SUM(purses), SUM(members)"
                               " FROM pending_cells WHERE true GROUP BY %1 ORDER BY %1"
                               " ON CONFLICT (%1) DO UPDATE SET coins = result_cells.coins + excluded.coins,"
                               " foreign_coins = result_cells.foreign_coins + excluded.foreign_coins,"
                               " purses = result_cells.purses + excluded.purses,"
                               " members = result_cells.members + excluded.members")
                    .arg(CELL_KEY))
            .numRowsAffected() > 0;
    if (changed) {
        sql.run(QStringLiteral("DELETE FROM result_cells WHERE purses <= 0"));
        sql.run(QStringLiteral("DELETE FROM pending_cells"));
    }
    return changed;
}

void ResultsAggregates::rebuild(const QDateTime& changedAt)
{
    sql.execute(QStringLiteral("DELETE FROM result_cell_members"));
    sql.execute(QStringLiteral("DELETE FROM result_cells"));
    const QString everySession = contributions();
    sql.execute(everySession + QStringLiteral("INSERT INTO result_cell_members (%1, member_number, purses)"
                                              " SELECT %1, member_number, COUNT(*) FROM contributions"
                                              " GROUP BY %1, member_number")
                                   .arg(CELL_KEY));
    sql.execute(everySession + QStringLiteral("INSERT INTO result_cells (%1, coins, foreign_coins, purses, members)"
                                              " SELECT %1, SUM(coins), SUM(foreign_coins), COUNT(*),"
                                              " COUNT(DISTINCT member_number) FROM contributions GROUP BY %1")
                                   .arg(CELL_KEY));
    if (sql.value(QStringLiteral("SELECT COUNT(*) FROM result_cells")).toLongLong() > 0)
        markChanged(changedAt);
}

void ResultsAggregates::markChanged(const QDateTime& changedAt)
{
    sql.run(QStringLiteral("UPDATE server_state SET value = value + 1 WHERE name = 'results_version'"));
    sql.run(QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'results_updated'"),
            {sqlNumber(changedAt.toSecsSinceEpoch())});
}

qint64 ResultsAggregates::version()
{
    return stateValue(sql, "results_version");
}

ProjectResults ResultsAggregates::read()
{
    ProjectResults results;
    const qint64 updated = stateValue(sql, "results_updated");
    if (updated > 0)
        results.updated = QDateTime::fromSecsSinceEpoch(updated, QTimeZone::utc());
    results.members = stateValue(sql, "members");
    results.purses = stateValue(sql, "purses");
    results.valueCents = stateValue(sql, "sum_cents");

    QSqlQuery& cells = sql.run(QStringLiteral("SELECT %1, coins, foreign_coins, purses, members FROM result_cells"
                                              " WHERE grain > 1 ORDER BY %1")
                                   .arg(CELL_KEY));
    // Rows come by grain, then month: the months are all known before the
    // member countries' months come.
    const auto row = [&results](int country) -> MemberCountryResults& {
        for (MemberCountryResults& existing : results.countries)
            if (existing.country == country)
                return existing;
        MemberCountryResults added;
        added.country = country;
        added.byMonth = QList<PublishedCell>(results.months.size());
        results.countries.append(added);
        return results.countries.last();
    };
    while (cells.next()) {
        const int grain = cells.value(0).toInt();
        const int month = cells.value(1).toInt();
        const int country = cells.value(2).toInt();
        const int side = cells.value(3).toInt();
        const int coinValue = cells.value(4).toInt();
        const CellCounts counts{cells.value(5).toLongLong(), cells.value(6).toLongLong(), cells.value(7).toLongLong()};
        const PublishedCell cell = publishedCell(counts, cells.value(8).toLongLong());
        switch (grain) {
        case MONTH_COUNTRY: {
            const qsizetype at = results.months.indexOf(month);
            if (at >= 0)
                row(country).byMonth[at] = cell;
            break;
        }
        case MONTH:
            results.months.append(month);
            results.overallByMonth.append(cell);
            break;
        case COUNTRY_SIDE:
            if (side >= 1 && side <= NUM_NATIONAL_SIDES)
                row(country).sides[size_t(side - 1)] = cell;
            break;
        case COUNTRY:
            row(country).origin = cell;
            break;
        case COIN_VALUE:
            if (coinValue >= 1 && coinValue <= NUM_COINS)
                results.byValue[size_t(coinValue - 1)] = cell;
            break;
        case EVERYTHING:
            results.coins = counts.coins;
            break;
        default:
            break;
        }
    }
    cells.finish();
    std::sort(results.countries.begin(), results.countries.end(),
              [](const MemberCountryResults& a, const MemberCountryResults& b) { return a.country < b.country; });
    return results;
}

QList<CountsRow> ResultsAggregates::readCounts()
{
    QList<CountsRow> rows;
    QSqlQuery& cells = sql.run(QStringLiteral("SELECT month, member_country, national_side, coin_value, coins,"
                                              " purses, members FROM result_cells WHERE grain = 1 ORDER BY %1")
                                   .arg(CELL_KEY));
    while (cells.next()) {
        const CellCounts counts{cells.value(4).toLongLong(), 0, cells.value(5).toLongLong()};
        rows.append(CountsRow{cells.value(0).toInt(), cells.value(1).toInt(), cells.value(2).toInt(),
                              cells.value(3).toInt() - 1, publishedCell(counts, cells.value(6).toLongLong())});
    }
    cells.finish();
    return rows;
}
