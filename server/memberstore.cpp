#include "server/memberstore.h"

#include "server/sessionstore.h"
#include "server/sqlconnection.h"
#include "storage/clientstorage.h"

#include <QList>
#include <QSqlQuery>

#include <algorithm>
#include <limits>

namespace {

// The settings a participant gives, as stored, in the order of the query
// below; a newcomer sent again has the same.
QVariantList givenSettings(const ClientStorage& upload)
{
    return {sqlNumber(upload.Country), sqlText(upload.PostalCode), sqlNumber(upload.CityPopulation),
            sqlLatin1(upload.eMailAddress), sqlNumber(upload.FavouriteCoin)};
}

bool sameValues(const QVariantList& stored, const QVariantList& sent)
{
    for (qsizetype i = 0; i < sent.size(); ++i)
        if (stored[i].toString() != sent[i].toString())
            return false;
    return true;
}

} // namespace

QVariant MemberStore::newcomerKey(const ClientStorage& upload)
{
    if (upload.Membernumber != 0 || upload.Sessions.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    const auto earliest =
        std::min_element(upload.Sessions.cbegin(), upload.Sessions.cend(), [](const Session& a, const Session& b) {
            return std::make_pair(a.entryDateTime.date(), a.entryDateTime.time()) <
                   std::make_pair(b.entryDateTime.date(), b.entryDateTime.time());
        });
    return sqlDateTime(earliest->entryDateTime);
}

MemberStore::Identity MemberStore::identify(const ClientStorage& upload, const QDateTime& receivedAt)
{
    Identity identity;
    if (upload.Membernumber != 0) {
        const QVariant since = sql.value(QStringLiteral("SELECT member_since FROM members WHERE member_number = ?"),
                                         {sqlNumber(upload.Membernumber)});
        if (!since.isValid())
            return identity; // not one of ours
        identity.known = true;
        identity.number = upload.Membernumber;
        identity.since = dateTimeFromSql(since);
        return identity;
    }

    identity.known = true;
    const QVariant key = newcomerKey(upload);
    if (!key.isNull()) {
        struct Candidate
        {
            qint64 number;
            QVariant since;
            QVariantList settings;
        };
        QList<Candidate> candidates;
        QSqlQuery& query = sql.run(QStringLiteral("SELECT member_number, member_since, country, postal_code, town_size,"
                                                  " email, favourite_coin FROM members WHERE newcomer_key = ?"
                                                  " ORDER BY member_number"),
                                   {key});
        while (query.next())
            candidates.append({query.value(0).toLongLong(),
                               query.value(1),
                               {query.value(2), query.value(3), query.value(4), query.value(5), query.value(6)}});
        query.finish();
        for (const Candidate& candidate : std::as_const(candidates)) {
            if (sameValues(candidate.settings, givenSettings(upload)) && continues(candidate.number, upload)) {
                identity.repeatedNewcomer = true;
                identity.number = candidate.number;
                identity.since = dateTimeFromSql(candidate.since);
                return identity;
            }
        }
    }

    // Numbers are counted in the transaction: one that is rolled back uses
    // up no number, and none is ever given twice.
    const qint64 given = sql.value(QStringLiteral("UPDATE server_state SET value = value + 1"
                                                  " WHERE name = 'last_member_number' RETURNING value"))
                             .toLongLong();
    if (given <= 0 || given > qint64(std::numeric_limits<quint32>::max()))
        throw DatabaseFailure{QStringLiteral("no member number left to give")};
    const QVariant now = sqlDateTime(receivedAt);
    sql.run(QStringLiteral("INSERT INTO members (member_number, member_since, last_upload) VALUES (?, ?, ?)"),
            {sqlNumber(given), now, now});
    identity.isNew = true;
    identity.number = given;
    identity.since = receivedAt;
    return identity;
}

// True when the upload holds at least one of the member's stored sessions and
// every session both hold is one the same program could have sent: the same,
// counted on since, or the state saved before the upload whose answer was lost.
bool MemberStore::continues(qint64 member, const ClientStorage& upload)
{
    QList<QString> entries;
    for (const Session& session : upload.Sessions)
        entries << sqlDateTime(session.entryDateTime).toString();
    SessionStore sessions(sql);
    const QHash<QString, SessionStore::Stored> stored = sessions.stored(member, entries);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto found = stored.constFind(entries[i]);
        if (found != stored.constEnd() &&
            sessions.relation(*found, upload.Sessions[i]) == SessionStore::Relation::Other)
            return false;
    }
    return !stored.isEmpty();
}
