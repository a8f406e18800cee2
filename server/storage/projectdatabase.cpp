// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/projectdatabase.h"

#include "server/results/resultsaggregates.h"
#include "server/storage/databaselocation.h"
#include "server/storage/memberstore.h"
#include "server/storage/projectschema.h"
#include "server/storage/sessionstore.h"
#include "server/storage/sqlconnection.h"
#include "storage/clientstorage.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <utility>

namespace {

// The member's settings as of this upload, recommenders and message included.
// A newcomer's upload leaves the key it is known by when it arrives again; the
// member's own upload clears it, for its client has its number now.
void storeSettings(SqlConnection& sql, const QVariant& member, const ClientStorage& upload, const QVariant& now)
{
    ResultsAggregates(sql).noteGuess(member.toLongLong(), upload.GuessWhenMixdateYear);
    sql.write(QStringLiteral("UPDATE members SET last_upload = ?, record_version = ?, country = ?, postal_code = ?,"
                             " town_size = ?, email = ?, email_flags = ?, settings_flags = ?, recommender_name = ?,"
                             " favourite_coin = ?, mixdate_year = ?, mixdate_month = ?, arrivaldate_year = ?,"
                             " arrivaldate_month = ?, client_uploads = ?, client_last_upload = ?,"
                             " starts_since_last_upload = ?, num_full_purses = ?, pictures_available = ?,"
                             " last_analysis_page = ?, last_txt_message = ?, last_picture = ?,"
                             " last_data_analysis_read = ?, window_x = ?, window_y = ?, window_width = ?,"
                             " window_height = ?, newcomer_key = ? WHERE member_number = ?"),
              {now,
               sqlNumber(upload.Version),
               sqlNumber(upload.Country),
               sqlText(upload.PostalCode),
               sqlNumber(upload.CityPopulation),
               sqlLatin1(upload.eMailAddress),
               sqlNumber(upload.eMailFlags),
               sqlNumber(upload.SettingsFlags),
               sqlText(upload.RecommenderName),
               sqlNumber(upload.FavouriteCoin),
               sqlNumber(upload.GuessWhenMixdateYear),
               sqlNumber(upload.GuessWhenMixdateMonth),
               sqlNumber(upload.GuessWhenArrivaldateYear),
               sqlNumber(upload.GuessWhenArrivaldateMonth),
               sqlNumber(upload.NumberOfUploads),
               sqlDateTime(upload.LastUpload),
               sqlNumber(upload.NumberOfStartsSinceLastUpload),
               sqlNumber(upload.NumFullPurses),
               sqlNumber(upload.NumberOfPicturesAvailable),
               sqlNumber(upload.LastAnalysisPage),
               sqlNumber(upload.LastTxtMessage),
               sqlNumber(upload.LastPicture),
               sqlDateTime(upload.LastDataAnalysisRead),
               sqlNumber(upload.WindowPositionSize.position.x()),
               sqlNumber(upload.WindowPositionSize.position.y()),
               sqlNumber(upload.WindowPositionSize.size.width()),
               sqlNumber(upload.WindowPositionSize.size.height()),
               MemberStore::newcomerKey(upload),
               member});

    sql.write(QStringLiteral("DELETE FROM recommenders WHERE member_number = ?"), {member});
    QList<qint64> recommenders;
    for (qsizetype i = 0; i < upload.RecommenderMembernumbers.size(); ++i)
        recommenders << member.toLongLong() << i << qint64(upload.RecommenderMembernumbers[i]);
    sql.insertNumbers(QStringLiteral("INSERT INTO recommenders (member_number, position, recommender_number)"), 3,
                      recommenders);

    if (!upload.Message.isEmpty())
        sql.write(QStringLiteral("INSERT INTO member_messages (member_number, received_at, message) VALUES (?, ?, ?)"
                                 " ON CONFLICT DO NOTHING"),
                  {member, now, sqlText(upload.Message)});
}

// The most event totals one statement takes away.
constexpr qsizetype EVENTS_DELETED_AT_ONCE = 64;

// The client keeps running totals over all its runs: the latest upload's
// totals replace the earlier ones. Only the totals that changed are written.
void storeEventTotals(SqlConnection& sql, const QVariant& member, const QMap<quint16, quint32>& totals)
{
    QMap<quint16, quint32> stored;
    SqlRows read =
        sql.rows(QStringLiteral("SELECT event_id, total FROM event_totals WHERE member_number = ?"), {member});
    while (read.next())
        stored.insert(quint16(read.value(0).toUInt()), quint32(read.value(1).toLongLong()));

    QList<qint64> changed;
    for (auto it = totals.constBegin(); it != totals.constEnd(); ++it)
        if (const auto was = stored.constFind(it.key()); was == stored.constEnd() || *was != it.value())
            changed << member.toLongLong() << qint64(it.key()) << qint64(it.value());
    sql.insertNumbers(QStringLiteral("INSERT INTO event_totals (member_number, event_id, total)"), 3, changed,
                      QStringLiteral("ON CONFLICT (member_number, event_id) DO UPDATE SET total = excluded.total"));
    QVariantList gone;
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it)
        if (!totals.contains(it.key()))
            gone << sqlNumber(it.key());
    // A statement for each number of totals up to a bound, so that a few are kept.
    for (qsizetype at = 0; at < gone.size(); at += EVENTS_DELETED_AT_ONCE) {
        const QVariantList some = gone.mid(at, EVENTS_DELETED_AT_ONCE);
        sql.write(QStringLiteral("DELETE FROM event_totals WHERE member_number = ? AND event_id IN (%1)")
                      .arg(QStringList(some.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                  QVariantList{member} + some);
    }
}

// Stores the invitations the client has not uploaded before; returns how
// many were new to us.
int storeInvitations(SqlConnection& sql, const QVariant& member, const QList<InvitedPerson>& list, const QVariant& now)
{
    QVariantList rows;
    for (const InvitedPerson& person : list)
        if (!person.uploaded)
            rows << member << sqlLatin1(person.name) << sqlLatin1(person.eMail) << sqlNumber(person.coin) << now;
    int added = 0;
    sql.insertRows(QStringLiteral("INSERT INTO invitations (member_number, name, email, coin, received_at) VALUES"), 5,
                   rows, QStringLiteral("ON CONFLICT DO NOTHING RETURNING invitation_id"),
                   [&added](const SqlRows&) { ++added; });
    return added;
}

// Adds what the uploads changed to the running totals.
void addToTotals(SqlConnection& sql, const TotalsChange& change)
{
    sql.write(QStringLiteral("UPDATE server_state SET value = value + CASE name"
                             " WHEN 'members' THEN CAST(? AS BIGINT)"
                             " WHEN 'purses' THEN CAST(? AS BIGINT) ELSE CAST(? AS BIGINT) END"
                             " WHERE name IN ('members', 'purses', 'sum_cents')"),
              {sqlNumber(change.members), sqlNumber(change.purses), sqlNumber(change.sumCents)});
}

// The latest upload, whose country the answers name. A newcomer's upload
// sent again (its answer lost) is answered as the first time: with the
// upload before the first, as long as nobody else uploaded in between.
struct LatestUpload
{
    qint64 member = 0;
    quint8 country = 0;
    quint8 earlierCountry = 0;

    // Takes the server_state row of that name; false when it is not one of ours.
    bool take(const QString& name, qint64 value)
    {
        if (name == QLatin1String("last_upload_member"))
            member = value;
        else if (name == QLatin1String("last_upload_country"))
            country = quint8(value);
        else if (name == QLatin1String("earlier_upload_country"))
            earlierCountry = quint8(value);
        else
            return false;
        return true;
    }
    // Notes the member's upload as the latest and returns the country the
    // answer names as the latest upload's.
    quint8 pass(qint64 uploader, quint8 uploadCountry, bool repeated)
    {
        const bool again = member == uploader;
        const quint8 answered = again && repeated ? earlierCountry : country;
        earlierCountry = again ? earlierCountry : country;
        member = uploader;
        country = uploadCountry;
        return answered;
    }
    void write(SqlConnection& sql) const
    {
        sql.write(QStringLiteral("INSERT INTO server_state (name, value) VALUES ('last_upload_member', ?),"
                                 " ('earlier_upload_country', ?), ('last_upload_country', ?)"
                                 " ON CONFLICT (name) DO UPDATE SET value = excluded.value"),
                  {sqlNumber(member), sqlNumber(earlierCountry), sqlNumber(country)});
    }
};

// What the answers take from the rows every front end shares: the totals
// (after the uploads were added to them), the latest upload and the newest
// analysis items. One statement reads them all, so that PostgreSQL answers
// them in one round trip.
struct SharedState
{
    TotalsChange totals;
    LatestUpload latest;
    AnalysisNumbers analysis;

    void read(SqlConnection& sql)
    {
        SqlRows rows = sql.rows(
            QStringLiteral("SELECT name, value FROM server_state WHERE name IN ('members', 'purses', 'sum_cents',"
                           " 'last_upload_member', 'last_upload_country', 'earlier_upload_country')"
                           " UNION ALL SELECT 'analysis ' || kind, newest FROM analysis_items"));
        int totalsRead = 0;
        while (rows.next()) {
            const QString name = rows.value(0).toString();
            const qint64 value = rows.value(1).toLongLong();
            if (takeTotal(name, value))
                ++totalsRead;
            else if (!latest.take(name, value))
                takeAnalysis(name, value);
        }
        if (totalsRead != 3)
            throw DatabaseFailure{QStringLiteral("the project totals are missing from server_state")};
    }

private:
    bool takeTotal(const QString& name, qint64 value)
    {
        if (name == QLatin1String("members"))
            totals.members = value;
        else if (name == QLatin1String("purses"))
            totals.purses = value;
        else if (name == QLatin1String("sum_cents"))
            totals.sumCents = value;
        else
            return false;
        return true;
    }
    void takeAnalysis(const QString& name, qint64 value)
    {
        if (name == QLatin1String("analysis page"))
            analysis.pages = quint16(value);
        else if (name == QLatin1String("analysis text_message"))
            analysis.textMessages = quint16(value);
        else if (name == QLatin1String("analysis picture"))
            analysis.pictures = quint16(value);
    }
};

// The keys of the participants whose uploads are stored together (see
// SqlDialect::begin()), sorted: a member by its number, a newcomer
// by the key its repeat is recognised by (MemberStore::newcomerKey()).
QList<qint64> participantKeys(const std::vector<const ClientStorage*>& uploads)
{
    enum Kind : qint64 { MEMBER = 1, NEWCOMER = 2 };
    std::vector<std::pair<qint64, qint64>> keys;
    for (const ClientStorage* upload : uploads) {
        const QString newcomer = MemberStore::newcomerKey(*upload).toString();
        if (upload->Membernumber != 0)
            keys.emplace_back(MEMBER, qint32(upload->Membernumber));
        else if (!newcomer.isEmpty()) // the same on every front end, unlike qHash()
            keys.emplace_back(
                NEWCOMER,
                qFromBigEndian<qint32>(QCryptographicHash::hash(newcomer.toUtf8(), QCryptographicHash::Md5).data()));
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    QList<qint64> pairs;
    for (const auto& [kind, key] : keys)
        pairs << kind << key;
    return pairs;
}

// Writes what the stored uploads change in the rows every front end changes,
// the running totals in server_state, after the uploads' own rows and in the
// order of their names, and fills in the receipts' totals as of each upload.
// Two front ends storing at once thus wait for each other here at most, never
// in a circle, and only for the last statements of each.
void applySharedChanges(SqlConnection& sql, const std::vector<const ClientStorage*>& uploads,
                        std::vector<ProjectDatabase::Outcome>& outcomes, const std::vector<TotalsChange>& changes)
{
    std::vector<std::size_t> stored;
    for (std::size_t i = 0; i < uploads.size(); ++i)
        if (outcomes[i].stored && outcomes[i].receipt.knownMember)
            stored.push_back(i);
    if (stored.empty())
        return;
    sql.dialect().lockRowsInOrder(sql, QStringLiteral("SELECT name FROM server_state WHERE name IN ('members',"
                                                      " 'purses', 'sum_cents', 'last_upload_member',"
                                                      " 'last_upload_country', 'earlier_upload_country')"
                                                      " ORDER BY name"));
    TotalsChange all;
    for (const std::size_t i : stored) {
        all.members += changes[i].members;
        all.purses += changes[i].purses;
        all.sumCents += changes[i].sumCents;
    }
    addToTotals(sql, all);
    SharedState shared;
    shared.read(sql);
    for (const std::size_t i : stored) {
        UploadReceipt& receipt = outcomes[i].receipt;
        receipt.previousUploadCountry =
            shared.latest.pass(receipt.memberNumber, uploads[i]->Country, receipt.repeatedNewcomer);
    }
    shared.latest.write(sql);
    TotalsChange& totals = shared.totals;
    for (auto i = stored.crbegin(); i != stored.crend(); ++i) {
        UploadReceipt& receipt = outcomes[*i].receipt;
        receipt.totals = AnswerTotals{totals.members, totals.purses, totals.sumCents};
        receipt.analysis = shared.analysis;
        totals.members -= changes[*i].members;
        totals.purses -= changes[*i].purses;
        totals.sumCents -= changes[*i].sumCents;
    }
}

// Rolls back unless committed, whatever leaves the scope.
class Transaction
{
public:
    Transaction(SqlConnection& connection, SqlDialect::Access access, const QList<qint64>& participantKeys)
        : sql(connection)
    {
        try {
            sql.dialect().begin(sql, access, participantKeys);
        } catch (const DatabaseFailure&) {
            rollback(); // begun, but its lock was not given in time
            throw;
        }
    }
    ~Transaction()
    {
        if (!committed)
            rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit()
    {
        sql.commit();
        committed = true;
    }

private:
    void rollback() { sql.rollback(); }

    SqlConnection& sql;
    bool committed = false;
};

// Waits before trying a lost database again: 0.1 s after the first failed
// try, doubling up to 10 s, so that a database that is away is not flooded
// with connection attempts.
constexpr int FIRST_RECONNECT_WAIT_MS = 100;
constexpr int LONGEST_RECONNECT_WAIT_MS = 10000;

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
    return sql && database().isOpen();
}

void ProjectDatabase::close()
{
    disconnect();
    location.clear();
}

void ProjectDatabase::disconnect()
{
    sql.reset(); // its statements go before the connection
    if (!QSqlDatabase::contains(connection))
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool ProjectDatabase::connect()
{
    disconnect();
    DatabaseLocation where;
    if (!DatabaseLocation::parse(location, where, error) || !where.open(connection, error)) {
        disconnect();
        return false;
    }
    sql = std::make_unique<SqlConnection>(connection, where.dialect);
    try {
        where.dialect.prepare(*sql);
    } catch (const DatabaseFailure& failure) {
        error = failure.text;
        disconnect();
        return false;
    }
    return true;
}

bool ProjectDatabase::reconnect()
{
    if (location.isEmpty()) {
        error = QStringLiteral("the database is not open");
        return false;
    }
    if (reconnectWaitMs > 0 && !sinceReconnect.hasExpired(reconnectWaitMs)) {
        error = QStringLiteral("the database is not open: it is away, the next try is in %1 ms")
                    .arg(reconnectWaitMs - sinceReconnect.elapsed());
        return false;
    }
    sinceReconnect.start();
    if (connect()) {
        qInfo().noquote() << QStringLiteral("database connection %1 is back").arg(connection);
        reconnectWaitMs = 0;
        return true;
    }
    reconnectWaitMs = qBound(FIRST_RECONNECT_WAIT_MS, 2 * reconnectWaitMs, LONGEST_RECONNECT_WAIT_MS);
    qWarning().noquote() << QStringLiteral("database connection %1 cannot reconnect, next try in %2 ms: %3")
                                .arg(connection)
                                .arg(reconnectWaitMs)
                                .arg(error);
    error = QStringLiteral("the database is not open: ") + error;
    return false;
}

int ProjectDatabase::schemaVersion() const
{
    return sql ? sql->dialect().schemaVersion(*sql) : 0;
}

SqlDialect ProjectDatabase::dialect() const
{
    return sql ? sql->dialect() : SqlDialect();
}

template <typename Work>
bool ProjectDatabase::inTransaction(Work&& work, SqlDialect::Access access, const QList<qint64>& participantKeys)
{
    for (bool firstTry = true;; firstTry = false) {
        error.clear();
        bool begun = false;
        try {
            if (!sql && !reconnect())
                return false;
            Transaction transaction(*sql, access, participantKeys);
            begun = true;
            work();
            transaction.commit();
            return true;
        } catch (const DatabaseFailure& failure) {
            error = failure.text;
        }
        if (!sql || sql->isAlive())
            return false;
        // The database restarted or ended our session. The kept statements
        // go with the connection; a new one is made now and, after a failed
        // try, when the next transaction comes after the wait.
        qWarning().noquote() << QStringLiteral("database connection %1 lost: %2").arg(connection, error);
        const QString lost = error;
        disconnect();
        // Work that never began is done on the new connection; work that
        // began may have been committed before the connection broke, and is
        // reported failed (its client sends it again).
        if (begun || !firstTry || !reconnect()) {
            error = lost;
            return false;
        }
    }
}

bool ProjectDatabase::open(const QString& databaseLocation)
{
    close();
    location = databaseLocation;
    const auto failed = [this](const QString& reason) {
        close();
        error = reason;
        return false;
    };
    if (!connect())
        return failed(error);
    const bool upgraded = schemaVersion() == ProjectSchema::VERSION ||
                          inTransaction(
                              [this] {
                                  // Another server may have done it while we waited for the lock.
                                  const int version = schemaVersion();
                                  if (version >= ProjectSchema::VERSION)
                                      return;
                                  ProjectSchema::upgrade(*sql, version);
                                  sql->execute(sql->dialect().setSchemaVersion(ProjectSchema::VERSION));
                              },
                              SqlDialect::Access::WriteAlone);
    if (!upgraded)
        return failed(error);
    const int version = schemaVersion();
    if (version != ProjectSchema::VERSION)
        return failed(QStringLiteral("the database has schema version %1, this server knows %2")
                          .arg(version)
                          .arg(ProjectSchema::VERSION));
    return true;
}

bool ProjectDatabase::setAnalysisNumbers(const AnalysisNumbers& numbers)
{
    return inTransaction([&] {
        const std::pair<quint16, const char*> items[] = {
            {numbers.pages, "page"}, {numbers.textMessages, "text_message"}, {numbers.pictures, "picture"}};
        for (const auto& [newest, kind] : items)
            sql->write(QStringLiteral("UPDATE analysis_items SET newest = ? WHERE kind = ?"),
                       {sqlNumber(newest), QString::fromLatin1(kind)});
    });
}

bool ProjectDatabase::read(const std::function<void(SqlConnection&)>& work)
{
    return inTransaction([&] { work(*sql); }, SqlDialect::Access::Read);
}

bool ProjectDatabase::write(const std::function<void(SqlConnection&)>& work)
{
    return inTransaction([&] { work(*sql); }, SqlDialect::Access::WriteAlone);
}

std::vector<ProjectDatabase::Outcome> ProjectDatabase::storeUploads(const std::vector<const ClientStorage*>& uploads,
                                                                    const QDateTime& receivedAt)
{
    std::vector<Outcome> outcomes(uploads.size());
    std::vector<TotalsChange> changes(uploads.size());
    // An upload stored alone needs no savepoint: when it fails, its
    // transaction does, with the same outcome and two round trips fewer.
    const bool savepoints = uploads.size() > 1;
    const bool committed = inTransaction(
        [&] {
            for (std::size_t i = 0; i < uploads.size(); ++i) {
                // The previous upload's is let go before the next one's is
                // begun, and the last one's with the commit.
                if (savepoints && i > 0)
                    sql->write(QStringLiteral("RELEASE SAVEPOINT upload"));
                if (savepoints)
                    sql->write(QStringLiteral("SAVEPOINT upload"));
                try {
                    storeInTransaction(*uploads[i], receivedAt, outcomes[i].receipt, changes[i]);
                    // A failure is this upload's, not the next one's.
                    if (savepoints)
                        sql->settle();
                    outcomes[i].stored = true;
                } catch (const DatabaseFailure& failure) {
                    if (!savepoints)
                        throw;
                    outcomes[i] = Outcome{false, UploadReceipt(), failure.text};
                    changes[i] = TotalsChange();
                    // PostgreSQL takes no statement after a failure until then.
                    // Without the savepoint the failure undid the whole
                    // transaction: that failure is the one to tell.
                    try {
                        sql->execute(QStringLiteral("ROLLBACK TO SAVEPOINT upload"));
                    } catch (const DatabaseFailure&) {
                        throw failure;
                    }
                }
            }
            applySharedChanges(*sql, uploads, outcomes, changes);
        },
        SqlDialect::Access::Write, participantKeys(uploads));
    // SQLite undoes the whole transaction, savepoints and all, on some
    // failures (a full disk, an I/O error, a trigger's RAISE(ROLLBACK)): then
    // each upload is stored again in a transaction of its own, so that only
    // the one that failed is refused.
    const bool againAlone = !committed && uploads.size() > 1 && dialect().kind() == SqlDialect::Kind::SQLite;
    for (std::size_t i = 0; i < uploads.size(); ++i) {
        if (againAlone)
            outcomes[i] = storeUploads({uploads[i]}, receivedAt).front();
        else if (!committed)
            outcomes[i] = Outcome{false, UploadReceipt(), error};
    }
    for (const Outcome& outcome : outcomes)
        if (!outcome.stored)
            error = outcome.error;
    return outcomes;
}

void ProjectDatabase::storeInTransaction(const ClientStorage& upload, const QDateTime& receivedAt,
                                         UploadReceipt& receipt, TotalsChange& change)
{
    const MemberStore::Identity member = MemberStore(*sql).identify(upload, receivedAt);
    if (!member.known)
        return; // not one of ours: nothing is stored
    receipt.knownMember = true;
    receipt.newMember = upload.Membernumber == 0;
    receipt.repeatedNewcomer = member.repeatedNewcomer;
    receipt.memberNumber = quint32(member.number);
    receipt.memberSince = member.since;

    const QVariant number = sqlNumber(member.number);
    const QVariant now = sqlDateTime(receivedAt);
    change.members = member.isNew ? 1 : 0;
    storeSettings(*sql, number, upload, now);
    const SessionStore::Outcome sessions = SessionStore(*sql).store(
        member.number, member.isNew, ResultsAggregates::memberCountryOf(upload.Country), upload.Sessions, now, change);
    receipt.sessionsAdded = sessions.added;
    receipt.sessionsReplaced = sessions.replaced;
    storeEventTotals(*sql, number, upload.TotalEvents);
    receipt.invitationsAdded = storeInvitations(*sql, number, upload.InvitationList, now);
}
