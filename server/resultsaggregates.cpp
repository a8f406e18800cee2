#include "server/resultsaggregates.h"

#include "server/sqlsupport.h"
#include "settings/settingschoices.h"

#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>
#include <vector>

using namespace sql;

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

// Rows written by one statement; well below what either database takes in
// bound values.
constexpr std::size_t ROWS_PER_STATEMENT = 32;

// "(?, ?), (?, ?)" for rows of values.
QString rowsOfValues(std::size_t rows, int columns)
{
    QStringList placeholders;
    for (int i = 0; i < columns; ++i)
        placeholders << QStringLiteral("?");
    const QString row = QLatin1Char('(') + placeholders.join(QStringLiteral(", ")) + QLatin1Char(')');
    QStringList all;
    for (std::size_t i = 0; i < rows; ++i)
        all << row;
    return all.join(QStringLiteral(", "));
}

void bindKey(QSqlQuery& query, const std::tuple<int, int, int, int, int>& key)
{
    const auto& [grain, month, memberCountry, nationalSide, coinValue] = key;
    for (const int value : {grain, month, memberCountry, nationalSide, coinValue})
        query.addBindValue(value);
}

qint64 stateValue(const QSqlDatabase& db, const char* name)
{
    return singleValue(db, QStringLiteral("SELECT value FROM server_state WHERE name = ?"), {QLatin1String(name)})
        .toLongLong();
}

} // namespace

QStringList ResultsAggregates::schema()
{
    const QString key = QStringLiteral(" grain INTEGER NOT NULL, month INTEGER NOT NULL,"
                                       " member_country INTEGER NOT NULL, national_side INTEGER NOT NULL,"
                                       " coin_value INTEGER NOT NULL,");
    return {
        QStringLiteral("CREATE TABLE result_cells (") + key +
            QStringLiteral(" coins BIGINT NOT NULL, foreign_coins BIGINT NOT NULL, purses BIGINT NOT NULL,"
                           " members BIGINT NOT NULL, PRIMARY KEY (%1))")
                .arg(CELL_KEY),
        QStringLiteral("CREATE TABLE result_cell_members (") + key +
            QStringLiteral(" member_number INTEGER NOT NULL, purses BIGINT NOT NULL,"
                           " PRIMARY KEY (%1, member_number))")
                .arg(CELL_KEY),
        // Rows whose last session was taken away are found without a scan.
        QStringLiteral("CREATE INDEX result_cells_emptied ON result_cells (grain) WHERE purses <= 0"),
        QStringLiteral("CREATE INDEX result_cell_members_emptied ON result_cell_members (grain) WHERE purses <= 0"),
        // 'results_updated' in seconds since 1970 (UTC), 0 while nothing was published.
        QStringLiteral("INSERT INTO server_state (name, value) VALUES ('results_version', 0), ('results_updated', 0)"),
    };
}

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

ResultsContribution ResultsAggregates::storedSession(qlonglong sessionId)
{
    QSqlQuery piles = prepared(db, QStringLiteral("SELECT s.month, s.member_country, p.coin_value, p.coin_country,"
                                                  " p.count FROM sessions s JOIN coin_piles p"
                                                  " ON p.session_id = s.session_id WHERE s.session_id = ?"));
    runWith(piles, {QVariant(sessionId)});
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
    ResultsContribution contribution;
    contribution.addSession(month, memberCountry, purse);
    return contribution;
}

void ResultsAggregates::apply(qint64 memberNumber, const ResultsContribution& contribution, int sign,
                              const QDateTime& changedAt)
{
    if (contribution.isEmpty())
        return;
    const qint64 factor = sign > 0 ? 1 : -1;
    using Cell = std::pair<const ResultsContribution::Key, ResultsContribution::Sums>;
    std::vector<const Cell*> cells;
    for (const Cell& cell : contribution.cells)
        cells.push_back(&cell);

    for (std::size_t first = 0; first < cells.size(); first += ROWS_PER_STATEMENT) {
        const std::size_t count = std::min(cells.size() - first, ROWS_PER_STATEMENT);
        // The member's sessions in each cell. The member came into a cell
        // when its row now holds just what was added, and left it when the
        // row dropped to nothing.
        QSqlQuery members = prepared(
            db, QStringLiteral("INSERT INTO result_cell_members (%1, member_number, purses) VALUES %2"
                               " ON CONFLICT (%1, member_number) DO UPDATE"
                               " SET purses = result_cell_members.purses + excluded.purses RETURNING %1, purses")
                    .arg(CELL_KEY, rowsOfValues(count, 7)));
        for (std::size_t i = first; i < first + count; ++i) {
            bindKey(members, cells[i]->first);
            members.addBindValue(memberNumber);
            members.addBindValue(factor * cells[i]->second.purses);
        }
        run(members);
        std::map<ResultsContribution::Key, qint64> memberChange;
        while (members.next()) {
            const ResultsContribution::Key key{members.value(0).toInt(), members.value(1).toInt(),
                                               members.value(2).toInt(), members.value(3).toInt(),
                                               members.value(4).toInt()};
            const qint64 sessions = members.value(5).toLongLong();
            const auto cell = contribution.cells.find(key);
            if (cell != contribution.cells.end())
                memberChange[key] = sign > 0 ? (sessions == cell->second.purses ? 1 : 0) : (sessions <= 0 ? -1 : 0);
        }

        QSqlQuery sums =
            prepared(db, QStringLiteral("INSERT INTO result_cells (%1, coins, foreign_coins, purses, members)"
                                        " VALUES %2 ON CONFLICT (%1) DO UPDATE"
                                        " SET coins = result_cells.coins + excluded.coins,"
                                        " foreign_coins = result_cells.foreign_coins + excluded.foreign_coins,"
                                        " purses = result_cells.purses + excluded.purses,"
                                        " members = result_cells.members + excluded.members")
                             .arg(CELL_KEY, rowsOfValues(count, 9)));
        for (std::size_t i = first; i < first + count; ++i) {
            const auto& [key, cell] = *cells[i];
            bindKey(sums, key);
            sums.addBindValue(factor * cell.coins);
            sums.addBindValue(factor * cell.foreignCoins);
            sums.addBindValue(factor * cell.purses);
            sums.addBindValue(memberChange[key]);
        }
        run(sums);
    }
    if (sign < 0) {
        execute(db, QStringLiteral("DELETE FROM result_cell_members WHERE purses <= 0"));
        execute(db, QStringLiteral("DELETE FROM result_cells WHERE purses <= 0"));
    }
    markChanged(changedAt);
}

void ResultsAggregates::rebuild(const QDateTime& changedAt)
{
    execute(db, QStringLiteral("DELETE FROM result_cell_members"));
    execute(db, QStringLiteral("DELETE FROM result_cells"));
    const QString everySession = contributions();
    execute(db, everySession + QStringLiteral("INSERT INTO result_cell_members (%1, member_number, purses)"
                                              " SELECT %1, member_number, COUNT(*) FROM contributions"
                                              " GROUP BY %1, member_number")
                                   .arg(CELL_KEY));
    execute(db, everySession + QStringLiteral("INSERT INTO result_cells (%1, coins, foreign_coins, purses, members)"
                                              " SELECT %1, SUM(coins), SUM(foreign_coins), COUNT(*),"
                                              " COUNT(DISTINCT member_number) FROM contributions GROUP BY %1")
                                   .arg(CELL_KEY));
    if (singleValue(db, QStringLiteral("SELECT COUNT(*) FROM result_cells")).toLongLong() > 0)
        markChanged(changedAt);
}

void ResultsAggregates::markChanged(const QDateTime& changedAt)
{
    execute(db, QStringLiteral("UPDATE server_state SET value = value + 1 WHERE name = 'results_version'"));
    runWith(prepared(db, QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'results_updated'")),
            {QVariant(changedAt.toSecsSinceEpoch())});
}

qint64 ResultsAggregates::version()
{
    return stateValue(db, "results_version");
}

ProjectResults ResultsAggregates::read()
{
    ProjectResults results;
    const qint64 updated = stateValue(db, "results_updated");
    if (updated > 0)
        results.updated = QDateTime::fromSecsSinceEpoch(updated, QTimeZone::utc());
    results.members = stateValue(db, "members");
    results.purses = stateValue(db, "purses");
    results.valueCents = stateValue(db, "sum_cents");

    QSqlQuery cells = prepared(db, QStringLiteral("SELECT %1, coins, foreign_coins, purses, members FROM result_cells"
                                                  " WHERE grain > 1 ORDER BY %1")
                                       .arg(CELL_KEY));
    run(cells);
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
    std::sort(results.countries.begin(), results.countries.end(),
              [](const MemberCountryResults& a, const MemberCountryResults& b) { return a.country < b.country; });
    return results;
}

QList<CountsRow> ResultsAggregates::readCounts()
{
    QList<CountsRow> rows;
    QSqlQuery cells = prepared(db, QStringLiteral("SELECT month, member_country, national_side, coin_value, coins,"
                                                  " purses, members FROM result_cells WHERE grain = 1 ORDER BY %1")
                                       .arg(CELL_KEY));
    run(cells);
    while (cells.next()) {
        const CellCounts counts{cells.value(4).toLongLong(), 0, cells.value(5).toLongLong()};
        rows.append(CountsRow{cells.value(0).toInt(), cells.value(1).toInt(), cells.value(2).toInt(),
                              cells.value(3).toInt() - 1, publishedCell(counts, cells.value(6).toLongLong())});
    }
    return rows;
}
