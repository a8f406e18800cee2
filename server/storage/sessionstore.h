// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/results/resultsaggregates.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>

struct CoinPile;
struct UserEvent;
class Session;
class SqlConnection;

// What storing an upload changes in the project's running totals.
struct TotalsChange
{
    qint64 members = 0;
    qint64 purses = 0; // sessions holding at least one coin pile
    qint64 sumCents = 0;
};

// The stored sessions. A session is its member's counting begun at its entry
// date and time, as the participant's clock wrote it. The newest upload of a
// session wins: arriving with other piles or events than stored, it replaces
// the stored ones. A stored session's share of what the project counts is
// taken out and a session's share is put in here and nowhere else, so that the
// running totals and the published results always equal a fresh count of the
// sessions.
class SessionStore
{
public:
    struct Outcome
    {
        int added = 0;
        int replaced = 0;
    };

    // A session as stored, with what it adds to the totals.
    struct Stored
    {
        qint64 id = 0;
        QVariant digest; // null for sessions stored before digests were kept
        qint64 sumCents = 0;
        qint64 piles = 0;
        qint64 events = 0;
    };

    // How a session sent again relates to its stored version.
    enum class Relation {
        Same,      // nothing changed
        Continued, // its events go on from the stored ones, or are the same with other
                   // coins (counted on since, perhaps with usage observation off)
        Earlier,   // its events are the first of the stored ones: the state saved
                   // before an upload whose answer was lost
        Other,
    };

    explicit SessionStore(SqlConnection& connection) : sql(connection) {}

    // Stores the member's sessions: new ones are added, changed ones replace
    // their stored version, unchanged ones and earlier states of stored ones
    // leave them as they are. A session named twice in one upload counts in
    // its later form. `memberIsNew` says that nothing of the member can be
    // stored yet. The sessions stored are published under `memberCountry`
    // (see ResultsAggregates::memberCountryOf()).
    Outcome store(qint64 member, bool memberIsNew, int memberCountry, const QList<Session>& sessions,
                  const QVariant& receivedAt, TotalsChange& change);

    // The member's stored sessions among these entry times (as stored), by entry time.
    QHash<QString, Stored> stored(qint64 member, const QList<QString>& entries);
    // All the member's stored sessions, by entry time.
    QHash<QString, Stored> allOf(qint64 member);
    Relation relation(const Stored& stored, const Session& session);

    // A digest of everything a session holds besides its entry time: two
    // versions of a session with the same digest are the same.
    static qint64 digestOf(const Session& session);

    // A session's usage events are stored as one value, each event as our
    // client writes it (its time in 4 bytes, its number in 2, big-endian):
    // the server never looks at one event alone, and thousands of rows would
    // hold the storing up for long.
    static QByteArray eventsValue(const QList<UserEvent>& events);
    static QList<UserEvent> eventsOf(const QByteArray& value);
    // A session's coin piles are stored as one value too, in their order,
    // each pile as its coin index, national side and count (4 bytes each,
    // big-endian): they are only ever read and written all together with
    // their session.
    static QByteArray purseValue(const QList<CoinPile>& purse);
    static QList<CoinPile> purseOf(const QByteArray& value);

private:
    QHash<QString, Stored> storedWhere(const QString& condition, const QVariantList& values);
    QList<UserEvent> storedEvents(const Stored& stored);
    void removeContribution(const Stored& stored, TotalsChange& change, ResultsContribution& published);
    void addContribution(const QList<const Session*>& sessions, int memberCountry, TotalsChange& change,
                         ResultsContribution& published);

    SqlConnection& sql;
};
