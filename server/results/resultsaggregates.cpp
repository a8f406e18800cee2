// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultsaggregates.h"

#include "common/constants.h"
#include "server/storage/sessionstore.h"
#include "server/storage/sqlconnection.h"
#include "settings/settingschoices.h"

#include <QSqlQuery>
#include <QVariant>

#include <set>

namespace {

const QString CELL_KEY = QStringLiteral("month, member_country, national_side, coin_value");

// A fresh count reads the sessions of this many member numbers at a time,
// and writes the members' rows once this many are gathered.
constexpr qint64 MEMBERS_READ_AT_ONCE = 4096;
constexpr qsizetype ROWS_WRITTEN_AT_ONCE = 8192;

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
    QSqlQuery& session = sql.run(QStringLiteral("SELECT month, member_country, purse FROM sessions WHERE session_id = ?"),
                                 {sqlNumber(sessionId)});
    if (session.next())
        contribution.addSession(session.value(0).toInt(), session.value(1).toInt(),
                                SessionStore::purseOf(session.value(2).toByteArray()));
    session.finish();
}

void ResultsAggregates::apply(qint64 memberNumber, const ResultsContribution& contribution, int sign,
                              CellChanges& cells)
{
    if (contribution.isEmpty())
        return;
    const qint64 factor = sign > 0 ? 1 : -1;

    // The member's sessions in each of these cells before: the member comes
    // into a cell where it had none, and leaves it where none are left. The
    // member's rows are kept together, month after month.
    std::map<ResultsContribution::Key, qint64> before;
    sql.selectNumbers(QStringLiteral("SELECT %1, purses FROM result_cell_members"
                                     " WHERE member_number = ? AND month BETWEEN ? AND ?")
                          .arg(CELL_KEY),
                      {memberNumber, std::get<0>(contribution.cells.cbegin()->first),
                       std::get<0>(contribution.cells.crbegin()->first)},
                      [&](const QList<qint64>& row) {
                          const ResultsContribution::Key key{int(row[0]), int(row[1]), int(row[2]), int(row[3])};
                          if (contribution.cells.count(key) > 0)
                              before[key] = row[4];
                      });

    QList<qint64> rows;
    bool emptied = false;
    for (const auto& [key, cell] : contribution.cells) {
        rows << memberNumber;
        appendKey(rows, key);
        rows << factor * cell.purses << factor * cell.coins;
        const auto had = before.find(key);
        const qint64 sessions = had == before.end() ? 0 : had->second;
        const qint64 after = sessions + factor * cell.purses;
        CellChanges::Change& change = cells.cells[key];
        change.coins += factor * cell.coins;
        change.purses += factor * cell.purses;
        change.members += sessions <= 0 && after > 0 ? 1 : sessions > 0 && after <= 0 ? -1 : 0;
        emptied = emptied || after <= 0;
    }
    sql.insertNumbers(QStringLiteral("INSERT INTO result_cell_members (member_number, %1, purses, coins)").arg(CELL_KEY),
                      7, rows,
                      QStringLiteral("ON CONFLICT (member_number, %1) DO UPDATE"
                                     " SET purses = result_cell_members.purses + excluded.purses,"
                                     " coins = result_cell_members.coins + excluded.coins")
                          .arg(CELL_KEY));
    if (emptied)
        sql.run(QStringLiteral("DELETE FROM result_cell_members WHERE member_number = ? AND purses <= 0"),
                {sqlNumber(memberNumber)});
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
    // Member after member: each member's sessions are summed up in memory,
    // then written as the member's rows, and counted into the cells.
    std::map<ResultsContribution::Key, CellChanges::Change> cells;
    QList<qint64> memberRows;
    const auto writeMemberRows = [&] {
        sql.insertNumbers(QStringLiteral("INSERT INTO result_cell_members (member_number, %1, purses, coins)")
                              .arg(CELL_KEY),
                          7, memberRows);
        memberRows.clear();
    };
    qint64 member = -1;
    ResultsContribution contribution;
    const auto addMember = [&] {
        for (const auto& [key, sums] : contribution.cells) {
            memberRows << member;
            appendKey(memberRows, key);
            memberRows << sums.purses << sums.coins;
            CellChanges::Change& cell = cells[key];
            cell.coins += sums.coins;
            cell.purses += sums.purses;
            cell.members += 1;
        }
        contribution = ResultsContribution();
        if (memberRows.size() >= ROWS_WRITTEN_AT_ONCE * 7)
            writeMemberRows();
    };
    // Read in pieces of member numbers, so that the rows read stay few
    // however many sessions there are, and no statement stays open while
    // rows are written.
    const qint64 first = sql.value(QStringLiteral("SELECT COALESCE(MIN(member_number), 0) FROM sessions")).toLongLong();
    const qint64 last = sql.value(QStringLiteral("SELECT COALESCE(MAX(member_number), -1) FROM sessions")).toLongLong();
    for (qint64 from = first; from <= last; from += MEMBERS_READ_AT_ONCE) {
        QSqlQuery& sessions = sql.run(QStringLiteral("SELECT member_number, month, member_country, purse FROM sessions"
                                                     " WHERE member_number >= ? AND member_number < ?"
                                                     " ORDER BY member_number"),
                                      {sqlNumber(from), sqlNumber(from + MEMBERS_READ_AT_ONCE)});
        QList<std::tuple<qint64, int, int, QByteArray>> read;
        while (sessions.next())
            read.append({sessions.value(0).toLongLong(), sessions.value(1).toInt(), sessions.value(2).toInt(),
                         sessions.value(3).toByteArray()});
        sessions.finish();
        for (const auto& [number, month, memberCountry, purse] : std::as_const(read)) {
            if (number != member) {
                addMember();
                member = number;
            }
            contribution.addSession(month, memberCountry, SessionStore::purseOf(purse));
        }
    }
    addMember();
    writeMemberRows();

    QList<qint64> cellRows;
    for (const auto& [key, cell] : cells) {
        appendKey(cellRows, key);
        cellRows << cell.coins << cell.purses << cell.members;
    }
    sql.insertNumbers(QStringLiteral("INSERT INTO result_cells (%1, coins, purses, members)").arg(CELL_KEY), 7,
                      cellRows);
    sql.execute(QStringLiteral("DELETE FROM publication_changes"));
    sql.execute(QStringLiteral("INSERT INTO publication_changes (%1, member_number)"
                               " SELECT %1, member_number FROM result_cell_members"
                               " UNION SELECT 0, member_country, 0, 0, member_number FROM result_cell_members"
                               " WHERE member_country BETWEEN 1 AND 15"
                               " UNION SELECT 0, 0, 0, 0, member_number FROM members"
                               " UNION SELECT 0, 0, 0, 1, member_number FROM members WHERE mixdate_year <> 0")
                    .arg(CELL_KEY));
}
