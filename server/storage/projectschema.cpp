// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/projectschema.h"

#include "server/results/resultsaggregates.h"
#include "server/storage/sessionstore.h"
#include "server/storage/sqlconnection.h"
#include "settings/settingschoices.h"
#include "storage/coinpile.h"
#include "usage/usage.h"
#include "usage/userevent.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <map>
#include <set>

namespace {

// The first schema: the tables, and the rows the server keeps for itself.
const char* const VERSION_1[] = {
    // Small numbers the server keeps for itself (the country of the latest upload).
    // The project's running totals are kept here too ('members', 'purses',
    // 'sum_cents'), so that an answer need not count the whole database.
    "CREATE TABLE server_state ("
    " name TEXT PRIMARY KEY,"
    " value BIGINT NOT NULL)",
    // The newest analysis page, text message and picture on offer; the
    // answer tells a client about those newer than what it knows.
    "CREATE TABLE analysis_items ("
    " kind TEXT PRIMARY KEY CHECK (kind IN ('page', 'text_message', 'picture')),"
    " newest INTEGER NOT NULL DEFAULT 0 CHECK (newest BETWEEN 0 AND 65535))",

    // Lookup tables: the client's indices with their names.
    "CREATE TABLE coin_countries (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
    "CREATE TABLE coin_values (id INTEGER PRIMARY KEY, euro DOUBLE PRECISION NOT NULL, name TEXT NOT NULL)",
    "CREATE TABLE member_countries (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
    "CREATE TABLE town_sizes (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
    "CREATE TABLE event_names (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",

    // One row per participant with the settings of the latest upload.
    // Numbers are never given twice.
    "CREATE TABLE members ("
    " member_number MEMBER_KEY,"
    " member_since TEXT NOT NULL,"
    " last_upload TEXT NOT NULL,"
    " record_version INTEGER NOT NULL DEFAULT 0,"
    " country INTEGER NOT NULL DEFAULT 0," // member_countries.id
    " postal_code TEXT NOT NULL DEFAULT '',"
    " town_size INTEGER NOT NULL DEFAULT 0," // town_sizes.id
    " email TEXT NOT NULL DEFAULT '',"
    " email_flags INTEGER NOT NULL DEFAULT 0,"
    " settings_flags INTEGER NOT NULL DEFAULT 0,"
    " recommender_name TEXT NOT NULL DEFAULT '',"
    " favourite_coin INTEGER NOT NULL DEFAULT 0,"
    " mixdate_year INTEGER NOT NULL DEFAULT 0,"
    " mixdate_month INTEGER NOT NULL DEFAULT 0,"
    " arrivaldate_year INTEGER NOT NULL DEFAULT 0,"
    " arrivaldate_month INTEGER NOT NULL DEFAULT 0,"
    " client_uploads BIGINT NOT NULL DEFAULT 0,"
    " client_last_upload TEXT,"
    " starts_since_last_upload INTEGER NOT NULL DEFAULT 0,"
    " num_full_purses INTEGER NOT NULL DEFAULT 0,"
    " pictures_available INTEGER NOT NULL DEFAULT 0,"
    " last_analysis_page INTEGER NOT NULL DEFAULT 0,"
    " last_txt_message INTEGER NOT NULL DEFAULT 0,"
    " last_picture INTEGER NOT NULL DEFAULT 0,"
    " last_data_analysis_read TEXT,"
    " window_x INTEGER, window_y INTEGER, window_width INTEGER, window_height INTEGER)",
    "CREATE TABLE recommenders ("
    " member_number BIGINT NOT NULL REFERENCES members(member_number),"
    " position INTEGER NOT NULL,"
    " recommender_number BIGINT NOT NULL,"
    " PRIMARY KEY (member_number, position))",
    // The free messages participants wrote in their settings.
    "CREATE TABLE member_messages ("
    " message_id GENERATED_KEY,"
    " member_number BIGINT NOT NULL REFERENCES members(member_number),"
    " received_at TEXT NOT NULL,"
    " message TEXT NOT NULL,"
    " UNIQUE (member_number, message))",

    // A session is its member's counting begun at entry_datetime (the
    // client's clock, as written): one row however often it arrives.
    "CREATE TABLE sessions ("
    " session_id GENERATED_KEY,"
    " member_number BIGINT NOT NULL REFERENCES members(member_number),"
    " entry_datetime TEXT NOT NULL,"
    " record_version INTEGER NOT NULL,"
    " sum_cents BIGINT NOT NULL,"
    " received_at TEXT NOT NULL,"
    " UNIQUE (member_number, entry_datetime))",
    "CREATE TABLE coin_piles ("
    " session_id BIGINT NOT NULL REFERENCES sessions(session_id),"
    " position INTEGER NOT NULL,"
    " coin_value INTEGER NOT NULL,"   // coin_values.id, the coin index + 1
    " coin_country INTEGER NOT NULL," // coin_countries.id, the national side + 1
    " count BIGINT NOT NULL,"
    " PRIMARY KEY (session_id, position))",
    "CREATE TABLE usage_events ("
    " session_id BIGINT NOT NULL REFERENCES sessions(session_id),"
    " position INTEGER NOT NULL,"
    " time_hundredths INTEGER NOT NULL,"
    " event_id INTEGER NOT NULL," // event_names.id
    " PRIMARY KEY (session_id, position))",
    // The client keeps running totals over all its runs: the latest upload's
    // totals replace the earlier ones.
    "CREATE TABLE event_totals ("
    " member_number BIGINT NOT NULL REFERENCES members(member_number),"
    " event_id INTEGER NOT NULL,"
    " total BIGINT NOT NULL,"
    " PRIMARY KEY (member_number, event_id))",
    // Friends to receive a postcard; the same friend invited again by the
    // same member is one invitation.
    "CREATE TABLE invitations ("
    " invitation_id GENERATED_KEY,"
    " member_number BIGINT NOT NULL REFERENCES members(member_number),"
    " name TEXT NOT NULL,"
    " email TEXT NOT NULL,"
    " coin INTEGER NOT NULL,"
    " received_at TEXT NOT NULL,"
    " postcard_sent INTEGER NOT NULL DEFAULT 0,"
    " UNIQUE (member_number, name, email))",

    "INSERT INTO server_state (name, value) VALUES ('last_upload_country', 0)",
    "INSERT INTO analysis_items (kind) VALUES ('page'), ('text_message'), ('picture')",
};

// Version 2 keeps the project's running totals instead of counting them for
// every answer.
const char* const VERSION_2[] = {
    "DELETE FROM server_state WHERE name IN ('members', 'purses', 'sum_cents')",
    "INSERT INTO server_state (name, value)"
    " SELECT 'members', COUNT(*) FROM members"
    " UNION ALL SELECT 'purses', COUNT(*) FROM sessions s"
    " WHERE EXISTS (SELECT 1 FROM coin_piles p WHERE p.session_id = s.session_id)"
    " UNION ALL SELECT 'sum_cents', COALESCE(SUM(sum_cents), 0) FROM sessions",
};

// Version 3 stores every session exactly once in its newest form and knows
// a newcomer's upload when it arrives again. A session keeps how many piles
// (a purse counts when it holds one) and events it holds and a digest of its
// content, so that a session sent again is compared without reading its rows. A member
// keeps the key of its first upload while it has never uploaded under its own
// number. Member numbers are counted in server_state, inside the transaction.
const char* const VERSION_3[] = {
    "ALTER TABLE sessions ADD COLUMN pile_count INTEGER NOT NULL DEFAULT 0",
    "UPDATE sessions SET pile_count = (SELECT COUNT(*) FROM coin_piles p WHERE p.session_id = sessions.session_id)",
    "ALTER TABLE sessions ADD COLUMN event_count INTEGER NOT NULL DEFAULT 0",
    "UPDATE sessions SET event_count = (SELECT COUNT(*) FROM usage_events e WHERE e.session_id = sessions.session_id)",
    "ALTER TABLE sessions ADD COLUMN content_digest BIGINT",
    "ALTER TABLE members ADD COLUMN newcomer_key TEXT",
    "CREATE INDEX members_by_newcomer_key ON members (newcomer_key) WHERE newcomer_key IS NOT NULL",
    // Members are never deleted, so the highest number is the last one given.
    "INSERT INTO server_state (name, value) SELECT 'last_member_number', COALESCE(MAX(member_number), 0) FROM members",
    "DELETE FROM server_state WHERE name = 'purses'",
    "INSERT INTO server_state (name, value) SELECT 'purses', COUNT(*) FROM sessions WHERE pile_count > 0",
};

// Version 4 publishes the project's results from running sums (see
// ResultsAggregates). A session keeps the keys its coins are published under:
// its month (year * 100 + month of its entry time) and the member country of
// the upload that stored it; a stored session's country was not kept before,
// the member's latest is the best there is. Per cell of the results its
// coins, foreign coins, purses and distinct members; per cell and member how
// many of the member's sessions are in it, so that the distinct members can
// be kept as sessions come and go.
const char* const VERSION_4[] = {
    "ALTER TABLE sessions ADD COLUMN month INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE sessions ADD COLUMN member_country INTEGER NOT NULL DEFAULT 0",
    "UPDATE sessions SET month ="
    " CAST(substr(entry_datetime, 1, 4) AS INTEGER) * 100 + CAST(substr(entry_datetime, 6, 2) AS INTEGER)",
    "UPDATE sessions SET member_country = COALESCE((SELECT m.country FROM members m"
    " JOIN member_countries c ON c.id = m.country"
    " WHERE m.member_number = sessions.member_number AND c.name <> ''), 0)",
    "CREATE TABLE result_cells ("
    " grain INTEGER NOT NULL, month INTEGER NOT NULL, member_country INTEGER NOT NULL,"
    " national_side INTEGER NOT NULL, coin_value INTEGER NOT NULL,"
    " coins BIGINT NOT NULL, foreign_coins BIGINT NOT NULL, purses BIGINT NOT NULL, members BIGINT NOT NULL,"
    " PRIMARY KEY (grain, month, member_country, national_side, coin_value))",
    "CREATE TABLE result_cell_members ("
    " grain INTEGER NOT NULL, month INTEGER NOT NULL, member_country INTEGER NOT NULL,"
    " national_side INTEGER NOT NULL, coin_value INTEGER NOT NULL,"
    " member_number BIGINT NOT NULL, purses BIGINT NOT NULL,"
    " PRIMARY KEY (grain, month, member_country, national_side, coin_value, member_number))",
    // Rows whose last session was taken away are found without a scan.
    "CREATE INDEX result_cells_emptied ON result_cells (grain) WHERE purses <= 0",
    "CREATE INDEX result_cell_members_emptied ON result_cell_members (grain) WHERE purses <= 0",
    // A change counter for whoever keeps rendered results, and when they last
    // changed (seconds since 1970, UTC; 0 while nothing was published).
    "INSERT INTO server_state (name, value) VALUES ('results_version', 0), ('results_updated', 0)",
};

// Gathers the rows of each session (`rowsInOrder` selects them ordered by
// session, the session first) into one value in the session's `column`:
// `itemOf` makes an item of a row, `valueOf` the value of a session's items.
template <typename Item>
void gatherIntoSessions(SqlConnection& sql, const QString& rowsInOrder, const QString& column,
                        const std::function<Item(const QSqlQuery&)>& itemOf, QByteArray (*valueOf)(const QList<Item>&))
{
    QSqlQuery& rows = sql.run(rowsInOrder);
    qint64 session = -1;
    QList<Item> items;
    const auto keep = [&] {
        if (!items.isEmpty())
            sql.run(QStringLiteral("UPDATE sessions SET %1 = ? WHERE session_id = ?").arg(column),
                    {valueOf(items), sqlNumber(session)});
        items.clear();
    };
    while (rows.next()) {
        if (rows.value(0).toLongLong() != session) {
            keep();
            session = rows.value(0).toLongLong();
        }
        items.append(itemOf(rows));
    }
    keep();
    rows.finish();
}

// Version 5 keeps a session's usage events as one value in its row (see
// SessionStore::eventsValue()) instead of a row for each event: the largest
// uploads hold a hundred thousand events, and as rows they kept every other
// upload waiting for a second.
void keepEventsInSessions(SqlConnection& sql)
{
    sql.execute(sql.dialect().schema("ALTER TABLE sessions ADD COLUMN usage_events BYTES"));
    gatherIntoSessions<UserEvent>(
        sql,
        QStringLiteral("SELECT session_id, time_hundredths, event_id FROM usage_events ORDER BY session_id, position"),
        QStringLiteral("usage_events"),
        [](const QSqlQuery& row) {
            return UserEvent{row.value(1).toInt(), quint16(row.value(2).toUInt())};
        },
        SessionStore::eventsValue);
    sql.execute(QStringLiteral("DROP TABLE usage_events"));
}

// Version 6 publishes once a day what at least 3 members counted (see
// ResultsPublication): the cells are kept at the finest grain only, every
// coarser figure being a sum of published ones, with each member's coins in
// them (what the mixing model is fitted to); the published cells, models and
// guesses are kept as they were published, and who changed them since, so
// that they are published again only when enough members changed them. The
// cells are counted afresh from the sessions (ResultsAggregates::rebuild()).
const char* const VERSION_6[] = {
    "DROP TABLE result_cell_members",
    "DROP TABLE result_cells",
    "CREATE TABLE result_cells ("
    " month INTEGER NOT NULL, member_country INTEGER NOT NULL, national_side INTEGER NOT NULL,"
    " coin_value INTEGER NOT NULL, coins BIGINT NOT NULL, purses BIGINT NOT NULL, members BIGINT NOT NULL,"
    " PRIMARY KEY (month, member_country, national_side, coin_value))",
    "CREATE TABLE result_cell_members ("
    " month INTEGER NOT NULL, member_country INTEGER NOT NULL, national_side INTEGER NOT NULL,"
    " coin_value INTEGER NOT NULL, member_number BIGINT NOT NULL, purses BIGINT NOT NULL, coins BIGINT NOT NULL,"
    " PRIMARY KEY (month, member_country, national_side, coin_value, member_number))",
    // Rows whose last session was taken away are found without a scan.
    "CREATE INDEX result_cells_emptied ON result_cells (purses) WHERE purses <= 0",
    "CREATE INDEX result_cell_members_emptied ON result_cell_members (purses) WHERE purses <= 0",
    "CREATE TABLE published_cells ("
    " month INTEGER NOT NULL, member_country INTEGER NOT NULL, national_side INTEGER NOT NULL,"
    " coin_value INTEGER NOT NULL, coins BIGINT NOT NULL, purses BIGINT NOT NULL,"
    " PRIMARY KEY (month, member_country, national_side, coin_value))",
    "CREATE TABLE publication_changes ("
    " month INTEGER NOT NULL, member_country INTEGER NOT NULL, national_side INTEGER NOT NULL,"
    " coin_value INTEGER NOT NULL, member_number BIGINT NOT NULL,"
    " PRIMARY KEY (month, member_country, national_side, coin_value, member_number))",
    // The mixing models as published, per member country and coin value (0: every value), and the
    // members' guesses of when the coins are mixed (by the settings' year choice; NULL: too few).
    "CREATE TABLE published_models (country INTEGER NOT NULL, coin_value INTEGER NOT NULL, fit TEXT NOT NULL,"
    " PRIMARY KEY (country, coin_value))",
    "CREATE TABLE published_guesses (guess INTEGER PRIMARY KEY, members BIGINT)",
    // The documents as published: every front end serves the same, without rendering them.
    "CREATE TABLE published_documents (name TEXT PRIMARY KEY, body BYTES NOT NULL)",
    // The published totals, and the day of the last publication (days since 1970, UTC).
    "INSERT INTO server_state (name, value) VALUES ('published_members', 0), ('published_purses', 0),"
    " ('published_day', 0)",
    "UPDATE server_state SET value = 0 WHERE name = 'results_updated'",
    "UPDATE server_state SET value = value + 1 WHERE name = 'results_version'",
};

// Version 7 keeps a session's coin piles without a key of their own and
// without a check of their session for every pile: the piles are written
// only together with their session, which owns them, and the check cost
// PostgreSQL a query for every pile. SQLite keeps them in the order of
// their key alone, one tree instead of a table and its key's index.
const char* const VERSION_7[] = {
    ("CREATE TABLE coin_piles_by_session ("
     " session_id BIGINT NOT NULL,"
     " position INTEGER NOT NULL,"
     " coin_value INTEGER NOT NULL,"   // coin_values.id, the coin index + 1
     " coin_country INTEGER NOT NULL," // coin_countries.id, the national side + 1
     " count BIGINT NOT NULL,"
     " PRIMARY KEY (session_id, position)) WITHOUT_ROWID"),
    ("INSERT INTO coin_piles_by_session (session_id, position, coin_value, coin_country, count)"
     " SELECT session_id, position, coin_value, coin_country, count FROM coin_piles"),
    "DROP TABLE coin_piles",
    "ALTER TABLE coin_piles_by_session RENAME TO coin_piles",
};

// Version 8 keeps each member's rows together. A member's part of the cells
// is one row per month and member country, holding all its cells (see
// ResultsAggregates::MemberCells), counted afresh from the sessions; what the
// member changed since the last publication is keyed by the member first.
// An upload so touches a row for each month it brings and a few pages,
// instead of a row for every cell; the publication, which reads them by
// cell, reads them whole once a day anyway. The running totals of events are
// owned by their member's row and written with it, without a check of the
// member for every total. SQLite keeps all of them, and the cells, in the
// order of their key alone.
const char* const VERSION_8[] = {
    "DROP TABLE result_cell_members",
    ("CREATE TABLE result_cell_members ("
     " member_number BIGINT NOT NULL, month INTEGER NOT NULL, member_country INTEGER NOT NULL, cells BYTES NOT NULL,"
     " PRIMARY KEY (member_number, month, member_country)) WITHOUT_ROWID"),

    ("CREATE TABLE publication_changes_by_member ("
     " member_number BIGINT NOT NULL, month INTEGER NOT NULL, member_country INTEGER NOT NULL,"
     " national_side INTEGER NOT NULL, coin_value INTEGER NOT NULL,"
     " PRIMARY KEY (member_number, month, member_country, national_side, coin_value)) WITHOUT_ROWID"),
    ("INSERT INTO publication_changes_by_member"
     " SELECT member_number, month, member_country, national_side, coin_value FROM publication_changes"),
    "DROP TABLE publication_changes",
    "ALTER TABLE publication_changes_by_member RENAME TO publication_changes",
    // The cells a member changed since their publication, a row per month and
    // member country (see ResultsAggregates::CellSet); publication_changes
    // keeps the rest (the totals, the models, the guesses).
    ("CREATE TABLE cell_changes ("
     " member_number BIGINT NOT NULL, month INTEGER NOT NULL, member_country INTEGER NOT NULL, cells BYTES NOT NULL,"
     " PRIMARY KEY (member_number, month, member_country)) WITHOUT_ROWID"),

    ("CREATE TABLE result_cells_by_key ("
     " month INTEGER NOT NULL, member_country INTEGER NOT NULL, national_side INTEGER NOT NULL,"
     " coin_value INTEGER NOT NULL, coins BIGINT NOT NULL, purses BIGINT NOT NULL, members BIGINT NOT NULL,"
     " PRIMARY KEY (month, member_country, national_side, coin_value)) WITHOUT_ROWID"),
    ("INSERT INTO result_cells_by_key"
     " SELECT month, member_country, national_side, coin_value, coins, purses, members FROM result_cells"),
    "DROP TABLE result_cells",
    "ALTER TABLE result_cells_by_key RENAME TO result_cells",
    "CREATE INDEX result_cells_emptied ON result_cells (purses) WHERE purses <= 0",

    ("CREATE TABLE event_totals_by_member ("
     " member_number BIGINT NOT NULL, event_id INTEGER NOT NULL, total BIGINT NOT NULL,"
     " PRIMARY KEY (member_number, event_id)) WITHOUT_ROWID"),
    "INSERT INTO event_totals_by_member SELECT member_number, event_id, total FROM event_totals",
    "DROP TABLE event_totals",
    "ALTER TABLE event_totals_by_member RENAME TO event_totals",
};

// Version 8 also keeps a session's coin piles as one value in its row (see
// SessionStore::purseValue()), as version 5 did with its events: they are
// only ever written and read all together with their session, and as rows
// they cost every upload a hundred index entries.
void keepPursesInSessions(SqlConnection& sql)
{
    sql.execute(sql.dialect().schema("ALTER TABLE sessions ADD COLUMN purse BYTES"));
    if (sql.dialect().kind() == SqlDialect::Kind::PostgreSQL) {
        // In one statement: the driver would hold every pile read in memory. The
        // low four bytes of an 8-byte big-endian number are its 4-byte form.
        sql.execute(
            QStringLiteral("UPDATE sessions SET purse = p.purse FROM (SELECT session_id, string_agg("
                           "substring(int8send(CAST(coin_value - 1 AS BIGINT)) FROM 5)"
                           " || substring(int8send(CAST(coin_country - 1 AS BIGINT)) FROM 5)"
                           " || substring(int8send(CAST(count AS BIGINT)) FROM 5), '' ORDER BY position) AS purse"
                           " FROM coin_piles GROUP BY session_id) p WHERE p.session_id = sessions.session_id"));
        sql.execute(QStringLiteral("DROP TABLE coin_piles"));
        return;
    }
    gatherIntoSessions<CoinPile>(
        sql,
        QStringLiteral(
            "SELECT session_id, coin_value, coin_country, count FROM coin_piles ORDER BY session_id, position"),
        QStringLiteral("purse"),
        [](const QSqlQuery& row) {
            // The table numbered coin values and sides from 1.
            return CoinPile{quint32(row.value(1).toLongLong() - 1), quint32(row.value(2).toLongLong() - 1),
                            quint32(row.value(3).toLongLong())};
        },
        SessionStore::purseValue);
    sql.execute(QStringLiteral("DROP TABLE coin_piles"));
}

// Version 8 notes the cells a member changed in a row per month and member
// country instead of a row per cell.
void moveCellChanges(SqlConnection& sql)
{
    QSqlQuery& rows = sql.run(QStringLiteral("SELECT member_number, month, member_country, national_side, coin_value"
                                             " FROM publication_changes WHERE month <> 0"));
    std::map<qint64, std::set<std::tuple<int, int, int, int>>> changed;
    while (rows.next())
        changed[rows.value(0).toLongLong()].insert(
            {rows.value(1).toInt(), rows.value(2).toInt(), rows.value(3).toInt(), rows.value(4).toInt()});
    rows.finish();
    for (const auto& [member, cells] : changed)
        ResultsAggregates(sql).noteChangedCells(member, cells);
    sql.execute(QStringLiteral("DELETE FROM publication_changes WHERE month <> 0"));
}

template <std::size_t N> void run(SqlConnection& sql, const char* const (&statements)[N])
{
    for (const char* statement : statements)
        sql.execute(sql.dialect().schema(statement));
}

void fillLookupTables(SqlConnection& sql)
{
    // The value lists come from the client's own tables and are meant to be
    // put after VALUES as they are; they hold no participant data.
    const QString none;
    sql.execute(QStringLiteral("INSERT INTO coin_countries (id, name) VALUES ") +
                CoinPile::giveAllCoinCountriesAsTextTupels(none));
    sql.execute(QStringLiteral("INSERT INTO coin_values (id, euro, name) VALUES ") +
                CoinPile::giveAllCoinValuesAsTextTripels(none));
    sql.execute(QStringLiteral("INSERT INTO member_countries (id, name) VALUES ") +
                itemValueTuples(memberCountryItems(), QString()));
    sql.execute(QStringLiteral("INSERT INTO town_sizes (id, name) VALUES ") +
                itemValueTuples(townSizeItems(), QString()));
    const Usage vocabulary;
    sql.execute(QStringLiteral("INSERT INTO event_names (id, name) VALUES ") +
                vocabulary.giveAllEventsAsTextTupels(none));
}

// Version 9 drops the index of emptied cells. An upload knows which of its
// cells lost purses and deletes those it emptied by their key; without the
// index, PostgreSQL updates a cell's counts in place (a heap-only update)
// instead of adding index entries for every cell an upload touches.
const char* const VERSION_9[] = {
    "DROP INDEX result_cells_emptied",
};

// Version 10 no longer keeps the sums of all members' cells. Every upload
// added to them, and every front end's upload wrote the same rows; the
// publication sums the members' rows of the cells it publishes instead, once
// a day (ResultsAggregates::countedCells()).
const char* const VERSION_10[] = {
    "DROP TABLE result_cells",
};

} // namespace

void ProjectSchema::upgrade(SqlConnection& sql, int version)
{
    if (version < 1) {
        run(sql, VERSION_1);
        fillLookupTables(sql);
    }
    if (version < 2)
        run(sql, VERSION_2);
    if (version < 3)
        run(sql, VERSION_3);
    if (version < 4)
        run(sql, VERSION_4);
    if (version < 5)
        keepEventsInSessions(sql);
    if (version < 6)
        run(sql, VERSION_6);
    if (version < 7)
        run(sql, VERSION_7);
    if (version < 8) {
        run(sql, VERSION_8);
        keepPursesInSessions(sql);
        moveCellChanges(sql);
    }
    if (version < 9)
        run(sql, VERSION_9);
    if (version < 10)
        run(sql, VERSION_10);
    // The cells are counted afresh once the sessions are in their latest form:
    // those of version 6 and the members' rows of version 8.
    if (version < 6)
        ResultsAggregates(sql).rebuild();
    else if (version < 8)
        ResultsAggregates(sql).recountCells();
}
