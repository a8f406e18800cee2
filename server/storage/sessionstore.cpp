// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/sessionstore.h"

#include "server/results/resultsaggregates.h"
#include "server/storage/sqlconnection.h"
#include "storage/coinpile.h"
#include "storage/session.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <utility>

namespace {

// How many entry times one look-up names at most.
constexpr int ENTRIES_PER_LOOKUP = 64;

template <typename T> void appendBigEndian(QByteArray& bytes, T value)
{
    char buffer[sizeof(T)];
    qToBigEndian(value, buffer);
    bytes.append(buffer, sizeof(T));
}

} // namespace

qint64 SessionStore::digestOf(const Session& session)
{
    // Built from the fields rather than the stream form, which refuses some
    // piles a client can still send (a count of 0).
    QByteArray bytes;
    bytes.reserve(8 + 12 * session.purse.size() + 6 * session.observation.size());
    appendBigEndian<quint16>(bytes, session.version);
    appendBigEndian<quint32>(bytes, session.sumOfCents());
    appendBigEndian<quint32>(bytes, quint32(session.purse.size()));
    for (const CoinPile& pile : session.purse) {
        appendBigEndian<quint32>(bytes, pile.coinIndex);
        appendBigEndian<quint32>(bytes, pile.countryIndex);
        appendBigEndian<quint32>(bytes, pile.count);
    }
    for (const UserEvent& event : session.observation) {
        appendBigEndian<qint32>(bytes, event.time);
        appendBigEndian<quint16>(bytes, event.id);
    }
    return qFromBigEndian<qint64>(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).constData());
}

QHash<QString, SessionStore::Stored> SessionStore::storedWhere(const QString& condition, const QVariantList& values)
{
    QHash<QString, Stored> stored;
    SqlRows query = sql.rows(QStringLiteral("SELECT entry_datetime, session_id, content_digest, sum_cents,"
                                            " pile_count, event_count FROM sessions WHERE member_number = ?") +
                                 condition,
                             values);
    while (query.next())
        stored.insert(query.value(0).toString(),
                      Stored{query.value(1).toLongLong(), query.value(2), query.value(3).toLongLong(),
                             query.value(4).toLongLong(), query.value(5).toLongLong()});
    return stored;
}

QByteArray SessionStore::eventsValue(const QList<UserEvent>& events)
{
    QByteArray value;
    value.reserve(6 * events.size());
    for (const UserEvent& event : events) {
        appendBigEndian<qint32>(value, event.time);
        appendBigEndian<quint16>(value, event.id);
    }
    return value;
}

QList<UserEvent> SessionStore::eventsOf(const QByteArray& value)
{
    QList<UserEvent> events;
    events.reserve(value.size() / 6);
    for (qsizetype at = 0; at + 6 <= value.size(); at += 6)
        events.append(UserEvent{qFromBigEndian<qint32>(value.constData() + at),
                                qFromBigEndian<quint16>(value.constData() + at + 4)});
    return events;
}

QByteArray SessionStore::purseValue(const QList<CoinPile>& purse)
{
    QByteArray value;
    value.reserve(12 * purse.size());
    for (const CoinPile& pile : purse) {
        appendBigEndian<quint32>(value, pile.coinIndex);
        appendBigEndian<quint32>(value, pile.countryIndex);
        appendBigEndian<quint32>(value, pile.count);
    }
    return value;
}

QList<CoinPile> SessionStore::purseOf(const QByteArray& value)
{
    QList<CoinPile> purse;
    purse.reserve(value.size() / 12);
    for (qsizetype at = 0; at + 12 <= value.size(); at += 12)
        purse.append(CoinPile{qFromBigEndian<quint32>(value.constData() + at),
                              qFromBigEndian<quint32>(value.constData() + at + 4),
                              qFromBigEndian<quint32>(value.constData() + at + 8)});
    return purse;
}

QList<UserEvent> SessionStore::storedEvents(const Stored& stored)
{
    return eventsOf(
        sql.value(QStringLiteral("SELECT usage_events FROM sessions WHERE session_id = ?"), {sqlNumber(stored.id)})
            .toByteArray());
}

QHash<QString, SessionStore::Stored> SessionStore::stored(qint64 member, const QList<QString>& entries)
{
    QHash<QString, Stored> stored;
    for (qsizetype at = 0; at < entries.size(); at += ENTRIES_PER_LOOKUP) {
        const QList<QString> some = entries.mid(at, ENTRIES_PER_LOOKUP);
        QVariantList values{sqlNumber(member)};
        for (const QString& entry : some)
            values << entry;
        stored.insert(storedWhere(QStringLiteral(" AND entry_datetime IN (") +
                                      QStringList(some.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                                      QLatin1Char(')'),
                                  values));
    }
    return stored;
}

QHash<QString, SessionStore::Stored> SessionStore::allOf(qint64 member)
{
    return storedWhere(QString(), {sqlNumber(member)});
}

SessionStore::Relation SessionStore::relation(const Stored& stored, const Session& session)
{
    if (!stored.digest.isNull() && stored.digest.toLongLong() == digestOf(session))
        return Relation::Same;
    const QList<UserEvent> events = storedEvents(stored);
    const qsizetype common = std::min(events.size(), session.observation.size());
    if (!std::equal(events.cbegin(), events.cbegin() + common, session.observation.cbegin()))
        return Relation::Other;
    return session.observation.size() >= events.size() ? Relation::Continued : Relation::Earlier;
}

void SessionStore::removeContribution(const Stored& stored, TotalsChange& change, ResultsContribution& published)
{
    ResultsAggregates(sql).addStored(stored.id, published);
    change.purses -= stored.piles > 0 ? 1 : 0;
    change.sumCents -= stored.sumCents;
}

void SessionStore::addContribution(const QList<const Session*>& sessions, int memberCountry, TotalsChange& change,
                                   ResultsContribution& published)
{
    for (const Session* session : sessions) {
        change.purses += session->purse.isEmpty() ? 0 : 1;
        change.sumCents += qint64(session->sumOfCents());
        published.addSession(ResultsAggregates::monthOf(session->entryDateTime.date()), memberCountry, session->purse);
    }
}

SessionStore::Outcome SessionStore::store(qint64 member, bool memberIsNew, int memberCountry,
                                          const QList<Session>& sessions, const QVariant& receivedAt,
                                          TotalsChange& change)
{
    // The later of two sessions with the same entry time is the newer.
    QHash<QString, const Session*> byEntry;
    QList<QString> entries;
    for (const Session& session : sessions) {
        const QString entry = sqlDateTime(session.entryDateTime).toString();
        if (!byEntry.contains(entry))
            entries << entry;
        byEntry[entry] = &session;
    }
    const QHash<QString, Stored> before = memberIsNew ? QHash<QString, Stored>() : stored(member, entries);

    Outcome outcome;
    QList<const Session*> written;
    QVariantList added;
    ResultsContribution removedFromResults;
    for (const QString& entry : std::as_const(entries)) {
        const Session& session = *byEntry.value(entry);
        const qint64 digest = digestOf(session);
        const auto old = before.constFind(entry);
        if (old == before.constEnd()) {
            added << sqlNumber(member) << entry << sqlNumber(session.version) << sqlNumber(qint64(session.sumOfCents()))
                  << receivedAt << sqlNumber(session.purse.size()) << sqlNumber(session.observation.size())
                  << sqlNumber(digest) << sqlNumber(ResultsAggregates::monthOf(session.entryDateTime.date()))
                  << sqlNumber(memberCountry) << eventsValue(session.observation) << purseValue(session.purse);
            written.append(&session);
            ++outcome.added;
            continue;
        }
        if (!old->digest.isNull() && old->digest.toLongLong() == digest)
            continue; // sent again as it is
        // Fewer events than stored: perhaps a state saved before the stored one.
        if (session.observation.size() < old->events && relation(*old, session) == Relation::Earlier)
            continue;
        removeContribution(*old, change, removedFromResults);
        sql.write(QStringLiteral("UPDATE sessions SET record_version = ?, sum_cents = ?, received_at = ?,"
                                 " pile_count = ?, event_count = ?, content_digest = ?, member_country = ?,"
                                 " usage_events = ?, purse = ? WHERE session_id = ?"),
                  {sqlNumber(session.version), sqlNumber(qint64(session.sumOfCents())), receivedAt,
                   sqlNumber(session.purse.size()), sqlNumber(session.observation.size()), sqlNumber(digest),
                   sqlNumber(memberCountry), eventsValue(session.observation), purseValue(session.purse),
                   sqlNumber(old->id)});
        written.append(&session);
        ++outcome.replaced;
    }

    sql.insertRows(QStringLiteral("INSERT INTO sessions (member_number, entry_datetime, record_version, sum_cents,"
                                  " received_at, pile_count, event_count, content_digest, month, member_country,"
                                  " usage_events, purse) VALUES"),
                   12, added);
    ResultsContribution addedToResults;
    addContribution(written, memberCountry, change, addedToResults);
    ResultsAggregates results(sql);
    results.apply(member, removedFromResults, -1);
    results.apply(member, addedToResults, +1);
    results.noteChanges(member, removedFromResults, addedToResults, memberIsNew);
    return outcome;
}
