// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/memberstore.h"

#include "server/storage/sessionstore.h"
#include "server/storage/sqlconnection.h"
#include "storage/clientstorage.h"

#include <QList>
#include <QRandomGenerator>
#include <QSqlQuery>

#include <algorithm>
#include <limits>

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
        if (!since.isValid() || since.toString() != sqlDateTime(upload.MemberSince).toString())
            return identity; // not one of ours, or not the member's own program
        identity.known = true;
        identity.number = upload.Membernumber;
        identity.since = dateTimeFromSql(since);
        return identity;
    }

    identity.known = true;
    const QVariant key = newcomerKey(upload);
    if (!key.isNull()) {
        QList<std::pair<qint64, QVariant>> candidates;
        SqlRows query = sql.rows(QStringLiteral("SELECT member_number, member_since FROM members"
                                                " WHERE newcomer_key = ? ORDER BY member_number"),
                                 {key});
        while (query.next())
            candidates.append({query.value(0).toLongLong(), query.value(1)});
        for (const auto& [number, since] : std::as_const(candidates)) {
            if (repeatsFirstUpload(number, upload)) {
                identity.repeatedNewcomer = true;
                identity.number = number;
                identity.since = dateTimeFromSql(since);
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
    const QDateTime since =
        receivedAt.addMSecs(-qint64(QRandomGenerator::system()->bounded(MEMBERSHIP_TIME_SPREAD_MS)));
    sql.write(QStringLiteral("INSERT INTO members (member_number, member_since, last_upload) VALUES (?, ?, ?)"),
              {sqlNumber(given), sqlDateTime(since), sqlDateTime(receivedAt)});
    identity.isNew = true;
    identity.number = given;
    identity.since = since;
    return identity;
}

// True when the upload holds every session stored for the member, each as
// stored or counted on since.
bool MemberStore::repeatsFirstUpload(qint64 member, const ClientStorage& upload)
{
    SessionStore sessions(sql);
    const QHash<QString, SessionStore::Stored> stored = sessions.allOf(member);
    if (stored.isEmpty())
        return false;
    QHash<QString, const Session*> sent;
    for (const Session& session : upload.Sessions)
        sent.insert(sqlDateTime(session.entryDateTime).toString(), &session);
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
        const Session* session = sent.value(it.key());
        if (!session)
            return false;
        const SessionStore::Relation relation = sessions.relation(*it, *session);
        if (relation != SessionStore::Relation::Same && relation != SessionStore::Relation::Continued)
            return false;
    }
    return true;
}
