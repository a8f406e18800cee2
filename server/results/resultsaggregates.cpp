// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultsaggregates.h"

#include "common/constants.h"
#include "server/storage/sessionstore.h"
#include "server/storage/sqlconnection.h"
#include "settings/settingschoices.h"

#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <set>

namespace {

const QString CELL_KEY = QStringLiteral("month, member_country, national_side, coin_value");

// A fresh count reads the sessions of this many member numbers at a time.
constexpr qint64 MEMBERS_READ_AT_ONCE = 4096;

void appendKey(QList<qint64>& values, const std::tuple<int, int, int, int>& key)
{
    const auto& [month, memberCountry, nationalSide, coinValue] = key;
    values << month << memberCountry << nationalSide << coinValue;
}

// A member's cells of one month and member country as stored (see
// ResultsAggregates::memberCellsValue()): `take(side, value, purses, coins)`
// for each, in key order.
constexpr qsizetype MEMBER_CELL_BYTES = 18;
template <typename Take> void forEachMemberCell(const QByteArray& value, Take take)
{
    for (qsizetype at = 0; at + MEMBER_CELL_BYTES <= value.size(); at += MEMBER_CELL_BYTES)
        take(int(quint8(value[at])), int(quint8(value[at + 1])), qFromBigEndian<qint64>(value.constData() + at + 2),
             qFromBigEndian<qint64>(value.constData() + at + 10));
}

} // namespace

int ResultsAggregates::memberCountryOf(int country)
{
    const QStringList& items = memberCountryItems();
    return country > 0 && country < items.size() && !items.at(country).isEmpty() ? country : 0;
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
    SqlRows session = sql.rows(QStringLiteral("SELECT month, member_country, purse FROM sessions WHERE session_id = ?"),
                               {sqlNumber(sessionId)});
    if (session.next())
        contribution.addSession(session.value(0).toInt(), session.value(1).toInt(),
                                SessionStore::purseOf(session.value(2).toByteArray()));
}

QByteArray ResultsAggregates::memberCellsValue(const MemberCells& cells)
{
    QByteArray value;
    value.reserve(qsizetype(cells.size()) * MEMBER_CELL_BYTES);
    for (const auto& [key, cell] : cells) {
        value.append(char(key.first));
        value.append(char(key.second));
        char number[8];
        qToBigEndian<qint64>(cell.purses, number);
        value.append(number, 8);
        qToBigEndian<qint64>(cell.coins, number);
        value.append(number, 8);
    }
    return value;
}

ResultsAggregates::MemberCells ResultsAggregates::memberCellsOf(const QByteArray& value)
{
    MemberCells cells;
    forEachMemberCell(value, [&cells](int side, int coinValue, qint64 purses, qint64 coins) {
        cells[{side, coinValue}] = MemberCell{purses, coins};
    });
    return cells;
}

QByteArray ResultsAggregates::cellSetValue(const CellSet& cells)
{
    QByteArray value;
    value.reserve(qsizetype(cells.size()) * 2);
    for (const auto& [side, coinValue] : cells) {
        value.append(char(side));
        value.append(char(coinValue));
    }
    return value;
}

ResultsAggregates::CellSet ResultsAggregates::cellSetOf(const QByteArray& value)
{
    CellSet cells;
    for (qsizetype at = 0; at + 2 <= value.size(); at += 2)
        cells.insert({quint8(value[at]), quint8(value[at + 1])});
    return cells;
}

ResultsAggregates::StoredRows ResultsAggregates::readMemberRows(const QString& table, qint64 memberNumber,
                                                                int firstMonth, int lastMonth)
{
    StoredRows rows;
    // The table's name is ours, never a participant's text.
    SqlRows stored = sql.rows(QStringLiteral("SELECT month, member_country, cells FROM %1"
                                             " WHERE member_number = ? AND month BETWEEN ? AND ?")
                                  .arg(table),
                              {sqlNumber(memberNumber), firstMonth, lastMonth});
    while (stored.next())
        rows[{stored.value(0).toInt(), stored.value(1).toInt()}] = stored.value(2).toByteArray();
    return rows;
}

void ResultsAggregates::writeMemberRows(const QString& table, qint64 memberNumber, const StoredRows& rows)
{
    QVariantList written;
    for (const auto& [monthAndCountry, cells] : rows) {
        const QVariantList key{sqlNumber(memberNumber), monthAndCountry.first, monthAndCountry.second};
        if (cells.isEmpty())
            sql.write(QStringLiteral("DELETE FROM %1 WHERE member_number = ? AND month = ? AND member_country = ?")
                          .arg(table),
                      key);
        else
            written << key << cells;
    }
    sql.insertRows(
        QStringLiteral("INSERT INTO %1 (member_number, month, member_country, cells) VALUES").arg(table), 4, written,
        QStringLiteral("ON CONFLICT (member_number, month, member_country) DO UPDATE SET cells = excluded.cells"));
}

void ResultsAggregates::noteChangedCells(qint64 memberNumber, const std::set<std::tuple<int, int, int, int>>& cells)
{
    if (cells.empty())
        return;
    const QString table = QStringLiteral("cell_changes");
    const StoredRows stored =
        readMemberRows(table, memberNumber, std::get<0>(*cells.cbegin()), std::get<0>(*cells.crbegin()));
    std::map<std::pair<int, int>, CellSet> rows;
    for (const auto& [month, memberCountry, side, value] : cells) {
        const auto [row, isNew] = rows.try_emplace({month, memberCountry});
        if (isNew && stored.count(row->first) > 0)
            row->second = cellSetOf(stored.at(row->first));
        row->second.insert({side, value});
    }
    StoredRows written;
    for (const auto& [monthAndCountry, changed] : rows)
        written[monthAndCountry] = cellSetValue(changed);
    writeMemberRows(table, memberNumber, written);
}

void ResultsAggregates::writeMemberCells(qint64 memberNumber, const std::map<std::pair<int, int>, MemberCells>& rows)
{
    StoredRows written;
    for (const auto& [monthAndCountry, cells] : rows)
        written[monthAndCountry] = memberCellsValue(cells);
    writeMemberRows(QStringLiteral("result_cell_members"), memberNumber, written);
}

void ResultsAggregates::apply(qint64 memberNumber, const ResultsContribution& contribution, int sign)
{
    if (contribution.isEmpty())
        return;
    const qint64 factor = sign > 0 ? 1 : -1;

    // The member's rows of the months concerned, as they are.
    std::map<std::pair<int, int>, MemberCells> rows;
    for (const auto& [key, cell] : contribution.cells)
        rows[{std::get<0>(key), std::get<1>(key)}];
    const StoredRows stored = readMemberRows(QStringLiteral("result_cell_members"), memberNumber,
                                             rows.cbegin()->first.first, rows.crbegin()->first.first);
    for (auto& [monthAndCountry, cells] : rows)
        if (const auto found = stored.find(monthAndCountry); found != stored.end())
            cells = memberCellsOf(found->second);

    // The member leaves a cell where none of its sessions is left.
    for (const auto& [key, cell] : contribution.cells) {
        const auto& [month, memberCountry, side, value] = key;
        MemberCells& row = rows[{month, memberCountry}];
        MemberCell& mine = row[{side, value}];
        mine.purses += factor * cell.purses;
        mine.coins += factor * cell.coins;
        if (mine.purses <= 0)
            row.erase({side, value});
    }
    writeMemberCells(memberNumber, rows);
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
    noteChangedCells(memberNumber, changed);
    std::set<ResultsContribution::Key> others{PROJECT_KEY}; // the project's totals
    for (const auto& [month, country, side, value] : changed)
        if (country >= 1 && country <= NUM_NATIONAL_SIDES)
            others.insert(countryKey(country)); // the country's mixing model
    QList<qint64> rows;
    for (const ResultsContribution::Key& key : others) {
        appendKey(rows, key);
        rows << memberNumber;
    }
    sql.insertNumbers(QStringLiteral("INSERT INTO publication_changes (%1, member_number)").arg(CELL_KEY), 5, rows,
                      QStringLiteral("ON CONFLICT DO NOTHING"));
}

void ResultsAggregates::noteGuess(qint64 memberNumber, int mixedYearChoice)
{
    const auto& [month, country, side, value] = GUESSES_KEY;
    sql.write(QStringLiteral("INSERT INTO publication_changes (%1, member_number) SELECT ?, ?, ?, ?, member_number"
                             " FROM members WHERE member_number = ? AND mixdate_year <> ? ON CONFLICT DO NOTHING")
                  .arg(CELL_KEY),
              {month, country, side, value, sqlNumber(memberNumber), sqlNumber(mixedYearChoice)});
}

std::map<ResultsAggregates::Cell, ResultsAggregates::CellTotals> ResultsAggregates::countedCells(int firstMonth,
                                                                                                 int lastMonth)
{
    std::map<Cell, CellTotals> cells;
    // The members' rows lie together by member, not by month: this reads them all.
    QSqlQuery& rows = sql.run(QStringLiteral("SELECT month, member_country, cells FROM result_cell_members"
                                             " WHERE month BETWEEN ? AND ?"),
                              {firstMonth, lastMonth});
    while (rows.next()) {
        const int month = rows.value(0).toInt();
        const int memberCountry = rows.value(1).toInt();
        forEachMemberCell(rows.value(2).toByteArray(),
                          [&cells, month, memberCountry](int side, int coinValue, qint64 purses, qint64 coins) {
                              CellTotals& cell = cells[{month, memberCountry, side, coinValue}];
                              cell.coins += coins;
                              cell.purses += purses;
                              cell.members += 1;
                          });
    }
    rows.finish();
    return cells;
}

void ResultsAggregates::rebuild()
{
    sql.execute(QStringLiteral("DELETE FROM publication_changes"));
    sql.execute(QStringLiteral("DELETE FROM cell_changes"));
    QList<qint64> changes;
    recount(&changes);
    sql.insertNumbers(QStringLiteral("INSERT INTO publication_changes (%1, member_number)").arg(CELL_KEY), 5, changes,
                      QStringLiteral("ON CONFLICT DO NOTHING"));
    sql.execute(QStringLiteral("INSERT INTO publication_changes (%1, member_number)"
                               " SELECT 0, 0, 0, 0, member_number FROM members"
                               " UNION SELECT 0, 0, 0, 1, member_number FROM members WHERE mixdate_year <> 0")
                    .arg(CELL_KEY));
}

void ResultsAggregates::recountCells()
{
    recount(nullptr);
}

void ResultsAggregates::recount(QList<qint64>* changes)
{
    sql.execute(QStringLiteral("DELETE FROM result_cell_members"));
    // Member after member: each member's sessions are summed up in memory,
    // then written as the member's rows.
    qint64 member = -1;
    ResultsContribution contribution;
    const auto addMember = [&] {
        std::map<std::pair<int, int>, MemberCells> rows;
        std::set<ResultsContribution::Key> counted;
        std::set<int> countries;
        for (const auto& [key, sums] : contribution.cells) {
            const auto& [month, memberCountry, side, value] = key;
            rows[{month, memberCountry}][{side, value}] = MemberCell{sums.purses, sums.coins};
            counted.insert(key);
            if (memberCountry >= 1 && memberCountry <= NUM_NATIONAL_SIDES)
                countries.insert(memberCountry);
        }
        writeMemberCells(member, rows);
        if (changes) {
            noteChangedCells(member, counted);
            for (const int country : countries) {
                appendKey(*changes, countryKey(country)); // the country's mixing model
                *changes << member;
            }
        }
        contribution = ResultsContribution();
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
}
