#include "server/projectdatabase.h"

#include "server/resultsaggregates.h"
#include "server/sqlsupport.h"

#include "settings/settingschoices.h"
#include "storage/clientstorage.h"
#include "storage/coinpile.h"
#include "usage/usage.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <limits>
#include <utility>

using namespace sql;

namespace {

// Date and time as stored: the client's local time (or the server's, for
// its own stamps) with milliseconds, in a form SQLite's date functions read.
const QString TIME_FORMAT = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

const char* const SCHEMA[] = {
    // Small numbers the server keeps for itself (the country of the latest upload).
    // The project's running totals are kept here too ('members', 'purses',
    // 'sum_cents'), so that an answer need not count the whole database.
    "CREATE TABLE server_state ("
    " name TEXT PRIMARY KEY,"
    " value INTEGER NOT NULL)",
    // The newest analysis page, text message and picture on offer; the
    // answer tells a client about those newer than what it knows.
    "CREATE TABLE analysis_items ("
    " kind TEXT PRIMARY KEY CHECK (kind IN ('page', 'text_message', 'picture')),"
    " newest INTEGER NOT NULL DEFAULT 0 CHECK (newest BETWEEN 0 AND 65535))",

    // Lookup tables: the client's indices with their names.
    "CREATE TABLE coin_countries (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
    "CREATE TABLE coin_values (id INTEGER PRIMARY KEY, euro REAL NOT NULL, name TEXT NOT NULL)",
    "CREATE TABLE member_countries (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
    "CREATE TABLE town_sizes (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
    "CREATE TABLE event_names (id INTEGER PRIMARY KEY, name TEXT NOT NULL)",

    // One row per participant with the settings of the latest upload.
    // Numbers are never given twice (AUTOINCREMENT).
    "CREATE TABLE members ("
    " member_number INTEGER PRIMARY KEY AUTOINCREMENT,"
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
    " client_uploads INTEGER NOT NULL DEFAULT 0,"
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
    " member_number INTEGER NOT NULL REFERENCES members(member_number),"
    " position INTEGER NOT NULL,"
    " recommender_number INTEGER NOT NULL,"
    " PRIMARY KEY (member_number, position))",
    // The free messages participants wrote in their settings.
    "CREATE TABLE member_messages ("
    " message_id INTEGER PRIMARY KEY,"
    " member_number INTEGER NOT NULL REFERENCES members(member_number),"
    " received_at TEXT NOT NULL,"
    " message TEXT NOT NULL,"
    " UNIQUE (member_number, message))",

    // A session is its member's counting begun at entry_datetime (the
    // client's clock): the same session arriving again is not stored again.
    // Its coins are published under its month (year * 100 + month of
    // entry_datetime) and the member country of the upload that stored it.
    "CREATE TABLE sessions ("
    " session_id INTEGER PRIMARY KEY,"
    " member_number INTEGER NOT NULL REFERENCES members(member_number),"
    " entry_datetime TEXT NOT NULL,"
    " record_version INTEGER NOT NULL,"
    " sum_cents INTEGER NOT NULL,"
    " received_at TEXT NOT NULL,"
    " month INTEGER NOT NULL DEFAULT 0,"
    " member_country INTEGER NOT NULL DEFAULT 0,"
    " UNIQUE (member_number, entry_datetime))",
    "CREATE TABLE coin_piles ("
    " session_id INTEGER NOT NULL REFERENCES sessions(session_id),"
    " position INTEGER NOT NULL,"
    " coin_value INTEGER NOT NULL,"   // coin_values.id, the coin index + 1
    " coin_country INTEGER NOT NULL," // coin_countries.id, the national side + 1
    " count INTEGER NOT NULL,"
    " PRIMARY KEY (session_id, position))",
    "CREATE TABLE usage_events ("
    " session_id INTEGER NOT NULL REFERENCES sessions(session_id),"
    " position INTEGER NOT NULL,"
    " time_hundredths INTEGER NOT NULL,"
    " event_id INTEGER NOT NULL," // event_names.id
    " PRIMARY KEY (session_id, position))",
    // The client keeps running totals over all its runs: the latest upload's
    // totals replace the earlier ones.
    "CREATE TABLE event_totals ("
    " member_number INTEGER NOT NULL REFERENCES members(member_number),"
    " event_id INTEGER NOT NULL,"
    " total INTEGER NOT NULL,"
    " PRIMARY KEY (member_number, event_id))",
    // Friends to receive a postcard; the same friend invited again by the
    // same member is one invitation.
    "CREATE TABLE invitations ("
    " invitation_id INTEGER PRIMARY KEY,"
    " member_number INTEGER NOT NULL REFERENCES members(member_number),"
    " name TEXT NOT NULL,"
    " email TEXT NOT NULL,"
    " coin INTEGER NOT NULL,"
    " received_at TEXT NOT NULL,"
    " postcard_sent INTEGER NOT NULL DEFAULT 0,"
    " UNIQUE (member_number, name, email))",

    "INSERT INTO server_state (name, value) VALUES ('last_upload_country', 0)",
    "INSERT INTO analysis_items (kind) VALUES ('page'), ('text_message'), ('picture')",
};

// The running totals counted afresh from the stored members and sessions: a
// purse counts when its session holds at least one coin pile.
const char* const COUNT_TOTALS = "INSERT OR REPLACE INTO server_state (name, value)"
                                 " SELECT 'members', COUNT(*) FROM members"
                                 " UNION ALL SELECT 'purses', COUNT(*) FROM sessions s"
                                 " WHERE EXISTS (SELECT 1 FROM coin_piles p WHERE p.session_id = s.session_id)"
                                 " UNION ALL SELECT 'sum_cents', COALESCE(SUM(sum_cents), 0) FROM sessions";

// Version 2 kept no published numbers. Its sessions get the keys they are
// published under: the month as their stored time has it, and, since the
// country of each session's upload was not kept, the member's latest.
const char* const SESSION_KEYS_FROM_VERSION_2[] = {
    "ALTER TABLE sessions ADD COLUMN month INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE sessions ADD COLUMN member_country INTEGER NOT NULL DEFAULT 0",
    "UPDATE sessions SET month ="
    " CAST(substr(entry_datetime, 1, 4) AS INTEGER) * 100 + CAST(substr(entry_datetime, 6, 2) AS INTEGER)",
    "UPDATE sessions SET member_country = COALESCE((SELECT m.country FROM members m"
    " JOIN member_countries c ON c.id = m.country"
    " WHERE m.member_number = sessions.member_number AND c.name <> ''), 0)",
};

// What one upload added to the totals.
struct TotalsAdded
{
    qlonglong members = 0;
    qlonglong purses = 0;
    qlonglong sumCents = 0;
};

QVariant sqlTime(const QDateTime& time)
{
    return time.isValid() ? QVariant(time.toString(TIME_FORMAT)) : QVariant();
}

QString latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QVariant number(qlonglong value)
{
    return QVariant(value);
}

// A text the client left null (never set) is stored as an empty text.
QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

quint32 clampedCount(const QVariant& value)
{
    const qlonglong n = value.toLongLong();
    if (n < 0)
        return 0;
    return n > qlonglong(std::numeric_limits<quint32>::max()) ? std::numeric_limits<quint32>::max() : quint32(n);
}

// The member's settings as of this upload, recommenders and message included.
void storeSettings(const QSqlDatabase& db, const QVariant& member, const ClientStorage& upload, const QVariant& now)
{
    runWith(prepared(db, QStringLiteral(
                             "UPDATE members SET last_upload = ?, record_version = ?, country = ?, postal_code = ?,"
                             " town_size = ?, email = ?, email_flags = ?, settings_flags = ?, recommender_name = ?,"
                             " favourite_coin = ?, mixdate_year = ?, mixdate_month = ?, arrivaldate_year = ?,"
                             " arrivaldate_month = ?, client_uploads = ?, client_last_upload = ?,"
                             " starts_since_last_upload = ?, num_full_purses = ?, pictures_available = ?,"
                             " last_analysis_page = ?, last_txt_message = ?, last_picture = ?,"
                             " last_data_analysis_read = ?, window_x = ?, window_y = ?, window_width = ?,"
                             " window_height = ? WHERE member_number = ?")),
            {now,
             number(upload.Version),
             number(upload.Country),
             text(upload.PostalCode),
             number(upload.CityPopulation),
             QVariant(latin1(upload.eMailAddress)),
             number(upload.eMailFlags),
             number(upload.SettingsFlags),
             text(upload.RecommenderName),
             number(upload.FavouriteCoin),
             number(upload.GuessWhenMixdateYear),
             number(upload.GuessWhenMixdateMonth),
             number(upload.GuessWhenArrivaldateYear),
             number(upload.GuessWhenArrivaldateMonth),
             number(upload.NumberOfUploads),
             sqlTime(upload.LastUpload),
             number(upload.NumberOfStartsSinceLastUpload),
             number(upload.NumFullPurses),
             number(upload.NumberOfPicturesAvailable),
             number(upload.LastAnalysisPage),
             number(upload.LastTxtMessage),
             number(upload.LastPicture),
             sqlTime(upload.LastDataAnalysisRead),
             number(upload.WindowPositionSize.position.x()),
             number(upload.WindowPositionSize.position.y()),
             number(upload.WindowPositionSize.size.width()),
             number(upload.WindowPositionSize.size.height()),
             member});

    runWith(prepared(db, QStringLiteral("DELETE FROM recommenders WHERE member_number = ?")), {member});
    QSqlQuery recommender = prepared(
        db, QStringLiteral("INSERT INTO recommenders (member_number, position, recommender_number) VALUES (?, ?, ?)"));
    for (qsizetype i = 0; i < upload.RecommenderMembernumbers.size(); ++i)
        runWith(recommender, {member, number(i), number(upload.RecommenderMembernumbers[i])});

    if (!upload.Message.isEmpty())
        runWith(prepared(db, QStringLiteral("INSERT OR IGNORE INTO member_messages (member_number, received_at,"
                                            " message) VALUES (?, ?, ?)")),
                {member, now, upload.Message});
}

// Stores the sessions not stored before, with their coins and events, and
// publishes their coins; returns how many they were and adds their purses
// and sums to `added`.
int storeSessions(const QSqlDatabase& db, const QVariant& member, const ClientStorage& upload,
                  const QDateTime& receivedAt, TotalsAdded& added)
{
    const QVariant now = sqlTime(receivedAt);
    const int memberCountry = ResultsAggregates::memberCountryOf(upload.Country);
    QSqlQuery session = prepared(db, QStringLiteral("INSERT OR IGNORE INTO sessions (member_number, entry_datetime,"
                                                    " record_version, sum_cents, received_at, month, member_country)"
                                                    " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery pile = prepared(db, QStringLiteral("INSERT INTO coin_piles (session_id, position, coin_value,"
                                                 " coin_country, count) VALUES (?, ?, ?, ?, ?)"));
    QSqlQuery event = prepared(db, QStringLiteral("INSERT INTO usage_events (session_id, position, time_hundredths,"
                                                  " event_id) VALUES (?, ?, ?, ?)"));
    int stored = 0;
    ResultsContribution published;
    for (const Session& counted : upload.Sessions) {
        const int month = ResultsAggregates::monthOf(counted.entryDateTime.date());
        runWith(session, {member, sqlTime(counted.entryDateTime), number(counted.version), number(counted.sumOfCents()),
                          now, number(month), number(memberCountry)});
        if (session.numRowsAffected() != 1)
            continue; // stored by an earlier upload
        ++stored;
        added.purses += counted.purse.isEmpty() ? 0 : 1;
        added.sumCents += qlonglong(counted.sumOfCents());
        published.addSession(month, memberCountry, counted.purse);
        const QVariant sessionId = session.lastInsertId();
        for (qsizetype i = 0; i < counted.purse.size(); ++i) {
            const CoinPile& coins = counted.purse[i];
            // The lookup tables number coin values from 1 and include the common side as country 0.
            runWith(pile, {sessionId, number(i), number(qlonglong(coins.coinIndex) + 1),
                           number(qlonglong(coins.countryIndex) + 1), number(coins.count)});
        }
        for (qsizetype i = 0; i < counted.observation.size(); ++i)
            runWith(event,
                    {sessionId, number(i), number(counted.observation[i].time), number(counted.observation[i].id)});
    }
    ResultsAggregates(db).apply(member.toLongLong(), published, +1, receivedAt);
    return stored;
}

void storeEventTotals(const QSqlDatabase& db, const QVariant& member, const QMap<quint16, quint32>& totals)
{
    runWith(prepared(db, QStringLiteral("DELETE FROM event_totals WHERE member_number = ?")), {member});
    QSqlQuery total =
        prepared(db, QStringLiteral("INSERT INTO event_totals (member_number, event_id, total) VALUES (?, ?, ?)"));
    for (auto it = totals.constBegin(); it != totals.constEnd(); ++it)
        runWith(total, {member, number(it.key()), number(it.value())});
}

// Stores the invitations the client has not uploaded before; returns how
// many were new to us.
int storeInvitations(const QSqlDatabase& db, const QVariant& member, const QList<InvitedPerson>& list,
                     const QVariant& now)
{
    QSqlQuery invitation = prepared(db, QStringLiteral("INSERT OR IGNORE INTO invitations (member_number, name,"
                                                       " email, coin, received_at) VALUES (?, ?, ?, ?, ?)"));
    int added = 0;
    for (const InvitedPerson& person : list) {
        if (person.uploaded)
            continue;
        runWith(invitation, {member, latin1(person.name), latin1(person.eMail), number(person.coin), now});
        added += invitation.numRowsAffected() == 1 ? 1 : 0;
    }
    return added;
}

// Adds what the upload stored to the running totals and reads them back.
ProjectTotals addToTotals(const QSqlDatabase& db, const TotalsAdded& added)
{
    QSqlQuery update = prepared(db, QStringLiteral("UPDATE server_state SET value = value + CASE name"
                                                   " WHEN 'members' THEN ? WHEN 'purses' THEN ? ELSE ? END"
                                                   " WHERE name IN ('members', 'purses', 'sum_cents')"));
    runWith(update, {number(added.members), number(added.purses), number(added.sumCents)});
    if (update.numRowsAffected() != 3)
        throw DatabaseFailure{QStringLiteral("the project totals are missing from server_state")};

    ProjectTotals totals;
    QSqlQuery read = prepared(
        db, QStringLiteral("SELECT name, value FROM server_state WHERE name IN ('members', 'purses', 'sum_cents')"));
    run(read);
    while (read.next()) {
        const QString name = read.value(0).toString();
        const quint32 value = clampedCount(read.value(1));
        if (name == QLatin1String("members"))
            totals.members = value;
        else if (name == QLatin1String("purses"))
            totals.purses = value;
        else
            totals.sumCents = value;
    }
    return totals;
}

AnalysisNumbers readAnalysisNumbers(const QSqlDatabase& db)
{
    AnalysisNumbers numbers;
    QSqlQuery analysis = prepared(db, QStringLiteral("SELECT kind, newest FROM analysis_items"));
    run(analysis);
    while (analysis.next()) {
        const QString kind = analysis.value(0).toString();
        const quint16 newest = quint16(analysis.value(1).toUInt());
        if (kind == QLatin1String("page"))
            numbers.pages = newest;
        else if (kind == QLatin1String("text_message"))
            numbers.textMessages = newest;
        else if (kind == QLatin1String("picture"))
            numbers.pictures = newest;
    }
    return numbers;
}

// Rolls back unless committed, whatever leaves the scope.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase& database) : db(database)
    {
        // IMMEDIATE takes the write lock at once: two servers on one file
        // then wait for each other (busy timeout) instead of failing later.
        execute(db, QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~Transaction()
    {
        if (!committed) {
            QSqlQuery rollback(db);
            rollback.exec(QStringLiteral("ROLLBACK"));
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit()
    {
        execute(db, QStringLiteral("COMMIT"));
        committed = true;
    }

private:
    QSqlDatabase db;
    bool committed = false;
};

} // namespace

ProjectDatabase::ProjectDatabase(const QString& connectionName) : connection(connectionName) {}

ProjectDatabase::~ProjectDatabase()
{
    close();
}

QSqlDatabase ProjectDatabase::database() const
{
    return QSqlDatabase::database(connection, false);
}

bool ProjectDatabase::isOpen() const
{
    return QSqlDatabase::contains(connection) && database().isOpen();
}

void ProjectDatabase::close()
{
    if (!QSqlDatabase::contains(connection))
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool ProjectDatabase::open(const QString& fileName)
{
    close();
    error.clear();
    if (!QFile::exists(fileName)) {
        // It will hold e-mail addresses: readable by the owner only, and so
        // are the journal files SQLite makes next to it.
        QFile file(fileName);
        if (file.open(QIODevice::WriteOnly))
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BUSY_TIMEOUT_MS));
        if (!db.open()) {
            error = db.lastError().text();
            db = QSqlDatabase();
            close();
            return false;
        }
    }
    try {
        const QSqlDatabase db = database();
        execute(db, QStringLiteral("PRAGMA foreign_keys = ON"));
        // Readers (reports, a second server) never block the writer, and a
        // crash in the middle of a write leaves the previous state.
        if (singleValue(db, QStringLiteral("PRAGMA journal_mode = WAL")).toString().toLower() != QLatin1String("wal"))
            throw DatabaseFailure{QStringLiteral("the database cannot be switched to write-ahead logging")};
        // An upload is answered only after it is on disk.
        execute(db, QStringLiteral("PRAGMA synchronous = FULL"));

        const auto userVersion = [&db] { return singleValue(db, QStringLiteral("PRAGMA user_version")).toInt(); };
        if (userVersion() == 0) {
            Transaction creation(db);
            // Another server may have created it while we waited for the lock.
            if (userVersion() == 0) {
                createSchema();
                fillLookupTables();
                execute(db, QString::fromLatin1(COUNT_TOTALS));
                execute(db, QStringLiteral("PRAGMA user_version = %1").arg(SCHEMA_VERSION));
            }
            creation.commit();
        }
        // One transaction per version step.
        const auto upgrade = [&](int from, const auto& steps) {
            if (userVersion() != from)
                return;
            Transaction transaction(db);
            // Another server may have upgraded it while we waited for the lock.
            if (userVersion() == from) {
                steps();
                execute(db, QStringLiteral("PRAGMA user_version = %1").arg(from + 1));
            }
            transaction.commit();
        };
        // Version 1 counted the totals for every answer; they are counted
        // once now and kept up to date from here on.
        upgrade(1, [&] { execute(db, QString::fromLatin1(COUNT_TOTALS)); });
        // The published numbers likewise.
        upgrade(2, [&] {
            for (const char* statement : SESSION_KEYS_FROM_VERSION_2)
                execute(db, QString::fromLatin1(statement));
            for (const QString& statement : ResultsAggregates::schema())
                execute(db, statement);
            ResultsAggregates(db).rebuild(QDateTime::currentDateTime());
        });
        const int version = singleValue(db, QStringLiteral("PRAGMA user_version")).toInt();
        if (version != SCHEMA_VERSION)
            throw DatabaseFailure{QStringLiteral("the database has schema version %1, this server knows %2")
                                      .arg(version)
                                      .arg(SCHEMA_VERSION)};
    } catch (const DatabaseFailure& failure) {
        error = failure.text;
        close();
        return false;
    }
    return true;
}

void ProjectDatabase::createSchema()
{
    const QSqlDatabase db = database();
    for (const char* statement : SCHEMA)
        execute(db, QString::fromLatin1(statement));
    for (const QString& statement : ResultsAggregates::schema())
        execute(db, statement);
}

void ProjectDatabase::fillLookupTables()
{
    // The value lists come from the client's own tables and are meant to be
    // put after VALUES as they are; they hold no participant data.
    const QSqlDatabase db = database();
    const QString none;
    execute(db, QStringLiteral("INSERT INTO coin_countries (id, name) VALUES ") +
                    CoinPile::giveAllCoinCountriesAsTextTupels(none));
    execute(db, QStringLiteral("INSERT INTO coin_values (id, euro, name) VALUES ") +
                    CoinPile::giveAllCoinValuesAsTextTripels(none));
    execute(db, QStringLiteral("INSERT INTO member_countries (id, name) VALUES ") +
                    itemValueTuples(memberCountryItems(), QString()));
    execute(db,
            QStringLiteral("INSERT INTO town_sizes (id, name) VALUES ") + itemValueTuples(townSizeItems(), QString()));
    const Usage vocabulary;
    execute(db,
            QStringLiteral("INSERT INTO event_names (id, name) VALUES ") + vocabulary.giveAllEventsAsTextTupels(none));
}

bool ProjectDatabase::setAnalysisNumbers(const AnalysisNumbers& numbers)
{
    error.clear();
    try {
        const QSqlDatabase db = database();
        Transaction transaction(db);
        QSqlQuery update = prepared(db, QStringLiteral("UPDATE analysis_items SET newest = ? WHERE kind = ?"));
        const std::pair<quint16, const char*> items[] = {
            {numbers.pages, "page"}, {numbers.textMessages, "text_message"}, {numbers.pictures, "picture"}};
        for (const auto& [newest, kind] : items) {
            update.addBindValue(number(newest));
            update.addBindValue(QString::fromLatin1(kind));
            run(update);
        }
        transaction.commit();
    } catch (const DatabaseFailure& failure) {
        error = failure.text;
        return false;
    }
    return true;
}

bool ProjectDatabase::storeUpload(const ClientStorage& upload, const QDateTime& receivedAt, UploadReceipt& receipt)
{
    error.clear();
    receipt = UploadReceipt();
    try {
        const QSqlDatabase db = database();
        if (!db.isOpen())
            throw DatabaseFailure{QStringLiteral("the database is not open")};
        Transaction transaction(db);
        const QVariant now = sqlTime(receivedAt);

        receipt.previousUploadCountry =
            quint8(singleValue(db, QStringLiteral("SELECT value FROM server_state WHERE name = 'last_upload_country'"))
                       .toUInt());

        if (upload.Membernumber == 0) {
            QSqlQuery join =
                prepared(db, QStringLiteral("INSERT INTO members (member_since, last_upload) VALUES (?, ?)"));
            runWith(join, {now, now});
            const qlonglong given = join.lastInsertId().toLongLong();
            if (given <= 0 || given > qlonglong(std::numeric_limits<quint32>::max()))
                throw DatabaseFailure{QStringLiteral("no member number left to give")};
            receipt.newMember = true;
            receipt.memberNumber = quint32(given);
            receipt.memberSince = receivedAt;
        } else {
            if (!singleValue(db, QStringLiteral("SELECT 1 FROM members WHERE member_number = ?"),
                             {number(upload.Membernumber)})
                     .isValid())
                return true; // not one of ours: nothing is stored (the transaction rolls back)
            receipt.memberNumber = upload.Membernumber;
        }
        receipt.knownMember = true;
        const QVariant member = number(receipt.memberNumber);
        TotalsAdded added;
        added.members = receipt.newMember ? 1 : 0;

        storeSettings(db, member, upload, now);
        receipt.sessionsAdded = storeSessions(db, member, upload, receivedAt, added);
        storeEventTotals(db, member, upload.TotalEvents);
        receipt.invitationsAdded = storeInvitations(db, member, upload.InvitationList, now);
        runWith(prepared(db, QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'last_upload_country'")),
                {number(upload.Country)});
        receipt.totals = addToTotals(db, added);
        receipt.analysis = readAnalysisNumbers(db);

        transaction.commit();
    } catch (const DatabaseFailure& failure) {
        error = failure.text;
        receipt = UploadReceipt();
        return false;
    }
    return true;
}
