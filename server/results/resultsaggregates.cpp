// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultsaggregates.h"

#include "common/constants.h"
#include "server/storage/sqlconnection.h"
#include "settings/settingschoices.h"

#include <QSqlQuery>
#include <QVariant>

#include <set>

namespace {

const QString CELL_KEY = QStringLiteral("month, member_country, national_side, coin_value");

// Per stored session and cell: the session's coins there. Piles that are
// not a coin (a count of 0, no national side) count nowhere; a session
// holding the same coin twice counts it once, summed. ResultsContribution::
// addSession() counts the same from a session in memory.
const QString EVERY_SESSION = QStringLiteral(
    "WITH piles AS ("
    " SELECT s.session_id, s.member_number, s.month, s.member_country, p.coin_country AS national_side,"
    " p.coin_value, SUM(p.count) AS coins"
    " FROM sessions s JOIN coin_piles p ON p.session_id = s.session_id"
    " WHERE p.count > 0 AND p.coin_country BETWEEN 1 AND 15 AND p.coin_value BETWEEN 1 AND 8"
    " GROUP BY s.session_id, s.member_number, s.month, s.member_country, p.coin_country, p.coin_value) ");

void appendKey(QList<qint64>& values, const std::tuple<int, int, int, int>& key)
{
    const auto& [month, memberCountry, nationalSide, coinValue] = key;
    values << month << memberCountry << nationalSide << coinValue;
}

} // namespace

int ResultsAggregates::memberCountryOf(int country)
{
    const QStringList& items = memberCountryItems();
    return country > 0 && country < items.size() && !items.at(country).isEmpty() ? country : 0;
}

void CellChanges::add(const CellChanges& other)
{
    for (const auto& [key, change] : other.cells) {
        Change& sum = cells[key];
        sum.coins += change.coins;
        sum.purses += change.purses;
        sum.members += change.members;
    }
}

void ResultsContribution::addSession(int month, int memberCountry, const QList<CoinPile>& purse)
{
    std::map<Key, qint64> session;
    for (const CoinPile& pile : purse) {
        if (pile.count == 0 || pile.countryIndex >= quint32(NUM_NATIONAL_SIDES) || pile.coinIndex >= quint32(NUM_COINS))
            continue;
        session[{month, memberCountry, int(pile.countryIndex) + 1, int(pile.coinIndex) + 1}] += pile.count;
    }
    for (const auto& [key, coins] : session) {
        Sums& total = cells[key];
        total.coins += coins;
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

void ResultsAggregates::apply(qint64 memberNumber, const ResultsContribution& contribution, int sign,
                              CellChanges& cells)
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
        rows << memberNumber << factor * cell.purses << factor * cell.coins;
    }
    std::map<ResultsContribution::Key, qint64> memberChange;
    sql.insertNumbers(
        QStringLiteral("INSERT INTO result_cell_members (%1, member_number, purses, coins)").arg(CELL_KEY), 7, rows,
        QStringLiteral("ON CONFLICT (%1, member_number) DO UPDATE"
                       " SET purses = result_cell_members.purses + excluded.purses,"
                       " coins = result_cell_members.coins + excluded.coins RETURNING %1, purses")
            .arg(CELL_KEY),
        [&](const QSqlQuery& row) {
            const ResultsContribution::Key key{row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt(),
                                               row.value(3).toInt()};
            const qint64 sessions = row.value(4).toLongLong();
            const auto cell = contribution.cells.find(key);
            if (cell != contribution.cells.end())
                memberChange[key] = sign > 0 ? (sessions == cell->second.purses ? 1 : 0) : (sessions <= 0 ? -1 : 0);
        });

    for (const auto& [key, cell] : contribution.cells) {
        CellChanges::Change& change = cells.cells[key];
        change.coins += factor * cell.coins;
        change.purses += factor * cell.purses;
        change.members += memberChange[key];
    }
    if (sign < 0)
        sql.run(QStringLiteral("DELETE FROM result_cell_members WHERE purses <= 0"));
}

void ResultsAggregates::noteChanges(qint64 memberNumber, const ResultsContribution& removed,
                                    const ResultsContribution& added, bool memberIsNew)
{
    // A session sent again with other usage events but the same coins is
    // taken away and added again: that changes no cell.
    std::set<ResultsContribution::Key> changed;
    const auto differing = [&changed](const ResultsContribution& from, const ResultsContribution& other) {
        for (const auto& [key, sums] : from.cells) {
            const auto there = other.cells.find(key);
            if (there == other.cells.end() || !(there->second == sums))
                changed.insert(key);
        }
    };
    differing(removed, added);
    differing(added, removed);
    if (changed.empty() && !memberIsNew)
        return;
    for (const auto& [month, country, side, value] : std::set<ResultsContribution::Key>(changed))
        if (country >= 1 && country <= NUM_NATIONAL_SIDES)
            changed.insert(countryKey(country)); // the country's mixing model
    changed.insert(PROJECT_KEY);                 // the project's totals
    QList<qint64> rows;
    for (const ResultsContribution::Key& key : changed) {
        appendKey(rows, key);
        rows << memberNumber;
    }
    sql.insertNumbers(QStringLiteral("INSERT INTO publication_changes (%1, member_number)").arg(CELL_KEY), 5, rows,
                      QStringLiteral("ON CONFLICT DO NOTHING"));
}

void ResultsAggregates::noteGuess(qint64 memberNumber, int mixedYearChoice)
{
    const auto& [month, country, side, value] = GUESSES_KEY;
    sql.run(QStringLiteral("INSERT INTO publication_changes (%1, member_number) SELECT ?, ?, ?, ?, member_number"
                           " FROM members WHERE member_number = ? AND mixdate_year <> ? ON CONFLICT DO NOTHING")
                .arg(CELL_KEY),
            {month, country, side, value, sqlNumber(memberNumber), sqlNumber(mixedYearChoice)});
}

void ResultsAggregates::applyCells(const CellChanges& changes)
{
    QList<qint64> rows;
    bool emptied = false;
    for (const auto& [key, change] : changes.cells) {
        if (change.coins == 0 && change.purses == 0 && change.members == 0)
            continue; // taken away and added again as it was
        appendKey(rows, key);
        rows << change.coins << change.purses << change.members;
        emptied = emptied || change.purses < 0;
    }
    sql.insertNumbers(QStringLiteral("INSERT INTO result_cells (%1, coins, purses, members)").arg(CELL_KEY), 7, rows,
                      QStringLiteral("ON CONFLICT (%1) DO UPDATE SET coins = result_cells.coins + excluded.coins,"
                                     " purses = result_cells.purses + excluded.purses,"
                                     " members = result_cells.members + excluded.members")
                          .arg(CELL_KEY));
    if (emptied)
        sql.run(QStringLiteral("DELETE FROM result_cells WHERE purses <= 0"));
}

void ResultsAggregates::rebuild()
{
    sql.execute(QStringLiteral("DELETE FROM result_cell_members"));
    sql.execute(QStringLiteral("DELETE FROM result_cells"));
    sql.execute(EVERY_SESSION + QStringLiteral("INSERT INTO result_cell_members (%1, member_number, purses, coins)"
                                               " SELECT %1, member_number, COUNT(*), SUM(coins) FROM piles"
                                               " GROUP BY %1, member_number")
                                    .arg(CELL_KEY));
    sql.execute(EVERY_SESSION + QStringLiteral("INSERT INTO result_cells (%1, coins, purses, members)"
                                               " SELECT %1, SUM(coins), COUNT(*), COUNT(DISTINCT member_number)"
                                               " FROM piles GROUP BY %1")
                                    .arg(CELL_KEY));
    sql.execute(QStringLiteral("DELETE FROM publication_changes"));
    sql.execute(QStringLiteral("INSERT INTO publication_changes (%1, member_number)"
                               " SELECT %1, member_number FROM result_cell_members"
                               " UNION SELECT 0, member_country, 0, 0, member_number FROM result_cell_members"
                               " WHERE member_country BETWEEN 1 AND 15"
                               " UNION SELECT 0, 0, 0, 0, member_number FROM members"
                               " UNION SELECT 0, 0, 0, 1, member_number FROM members WHERE mixdate_year <> 0")
                    .arg(CELL_KEY));
}
