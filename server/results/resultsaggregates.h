// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/coinpile.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QtGlobal>

#include <map>
#include <set>
#include <tuple>
#include <utility>

class SqlConnection;

// What sessions of one member add to the counted cells, summed up in memory
// so that writing it takes a few statements, not a few per coin.
class ResultsContribution
{
public:
    // The session's coins under its month and member country (as stored
    // with it). Piles that are not a coin (a count of 0, no national side)
    // count nowhere; a coin found twice in one purse counts once, summed.
    void addSession(int month, int memberCountry, const QList<CoinPile>& purse);
    bool isEmpty() const { return cells.empty(); }

private:
    friend class ResultsAggregates;
    // month, member country, national side (1..15), coin value (1..8)
    using Key = std::tuple<int, int, int, int>;
    struct Sums
    {
        qint64 coins = 0;
        qint64 purses = 0;
        bool operator==(const Sums& other) const { return coins == other.coins && purses == other.purses; }
    };
    std::map<Key, Sums> cells;
};

// The counted cells, kept current inside every upload's transaction so that
// publishing them (see ResultsPublication) never counts the stored sessions
// again.
//
// result_cell_members keeps, per member, month and member country, how many
// of the member's sessions and coins are in each of the month's cells (see
// MemberCells). An upload reads and writes a row for each month it brings,
// and a member's rows lie together; it writes no row that another member's
// upload writes too. A cell's coins, purses and distinct members are summed
// from these rows when the cell is published (countedCells()), once a day,
// instead of in every upload. publication_changes notes who changed a cell
// since it was last published (and, under the key of zeros, who changed the
// project's totals).
//
// Each stored session carries the keys its coins were counted under (its
// month and its member country), so that taking it away again subtracts
// exactly what adding it added. The statements are plain SQL that SQLite
// and PostgreSQL read alike (the tables are in projectschema.cpp). Every
// function throws DatabaseFailure.
class ResultsAggregates
{
public:
    explicit ResultsAggregates(SqlConnection& connection) : sql(connection) {}

    // Adds (sign +1) or takes away (sign -1) what the member's sessions
    // contribute. A session replaced by a newer upload is taken away
    // (addStored()) before its coins are replaced, and its new coins are added.
    void apply(qint64 memberNumber, const ResultsContribution& contribution, int sign);
    // Notes the member as having changed each cell where `removed` and
    // `added` differ, the mixing model of each member country of those
    // cells, and the project's totals when any did or the member is new.
    void noteChanges(qint64 memberNumber, const ResultsContribution& removed, const ResultsContribution& added,
                     bool memberIsNew);
    // Notes the member as having changed the published guesses when his
    // guess of when the coins are mixed (the settings' year choice) is not
    // the stored one; before the member's settings are stored.
    void noteGuess(qint64 memberNumber, int mixedYearChoice);
    // Adds these cells to those the member changed since their publication.
    void noteChangedCells(qint64 memberNumber, const std::set<std::tuple<int, int, int, int>>& cells);
    // A member's rows of a table kept per member, month and member country
    // (result_cell_members, cell_changes): each row's cells as stored, by
    // month and member country.
    using StoredRows = std::map<std::pair<int, int>, QByteArray>;
    StoredRows readMemberRows(const QString& table, qint64 memberNumber, int firstMonth, int lastMonth);
    // Writes these rows of the member's; a row without cells is taken away.
    void writeMemberRows(const QString& table, qint64 memberNumber, const StoredRows& rows);
    // Adds what a stored session contributes, read back from the database.
    void addStored(qint64 sessionId, ResultsContribution& contribution);
    // Counts everything afresh from the stored sessions (a database that did
    // not keep the cells yet); every member counts as having changed what he
    // counted.
    void rebuild();
    // Counts the members' shares of the cells afresh, and nothing else.
    void recountCells();

    // month, member country, national side (1..15), coin value (1..8)
    using Cell = std::tuple<int, int, int, int>;
    struct CellTotals
    {
        qint64 coins = 0;
        qint64 purses = 0;
        qint64 members = 0;
    };
    // Every cell of these months that holds a session, summed over the
    // members' shares.
    std::map<Cell, CellTotals> countedCells(int firstMonth, int lastMonth);

    // A member's sessions and coins in the cells of one month and member
    // country, by national side and coin value (only cells holding a session).
    struct MemberCell
    {
        qint64 purses = 0;
        qint64 coins = 0;
    };
    using MemberCells = std::map<std::pair<int, int>, MemberCell>;
    // Stored as one value: for each cell in key order its side and value (a
    // byte each), its sessions and coins (8 bytes each, big-endian).
    static QByteArray memberCellsValue(const MemberCells& cells);
    static MemberCells memberCellsOf(const QByteArray& value);
    // The cells of one month and member country a member changed since they
    // were last published, by national side and coin value; stored as one
    // value, each cell as its side and value (a byte each), in key order.
    using CellSet = std::set<std::pair<int, int>>;
    static QByteArray cellSetValue(const CellSet& cells);
    static CellSet cellSetOf(const QByteArray& value);

    // What publication_changes notes changes of besides the cells: a cell's
    // month is never 0 together with a national side of 0.
    static constexpr std::tuple<int, int, int, int> PROJECT_KEY{0, 0, 0, 0};
    static constexpr std::tuple<int, int, int, int> GUESSES_KEY{0, 0, 0, 1};
    static constexpr std::tuple<int, int, int, int> countryKey(int country) { return {0, country, 0, 0}; }

    // The session's keys as stored with it.
    static int monthOf(const QDate& date) { return date.year() * 100 + date.month(); }
    // The member countries the dialog offers keep their index; its blank
    // spacer items and anything beyond count as no country (0).
    static int memberCountryOf(int country);

private:
    // Counts afresh; with `changes`, notes every member's cells there.
    void recount(QList<qint64>* changes);
    // Writes the member's rows of result_cell_members of these months and member countries.
    void writeMemberCells(qint64 memberNumber, const std::map<std::pair<int, int>, MemberCells>& rows);

    SqlConnection& sql;
};
