// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QVariant>
#include <QtGlobal>

class ClientStorage;
class SqlConnection;

// Who an upload comes from. A member number is no secret (numbers are given
// out in order), so an upload is a member's only with that member's
// membership time, which the server gave out in its first answer, to the
// millisecond and partly at random, and which only the member's own program
// holds; any other upload naming a member is nobody's and stores nothing.
// Member number 0 is a newcomer, who gets the next number, unless the upload
// is a newcomer's upload that arrives again because its answer was lost: that
// newcomer keeps the number given the first time.
//
// Such a repeat is recognised only from what the first upload stored and no
// stranger can know: it holds every session stored for that newcomer, each as
// it was or counted on since (the stored events the first of the sent ones:
// entry times to the millisecond, events to the hundredth of a second).
// Settings may have changed in between; the sessions decide. Only members who
// never uploaded under their own number are candidates: a client that has its
// number sends it.
class MemberStore
{
public:
    // A membership time is drawn at random from the hour before the first
    // upload: the participant reads the date and the hour, and the rest is
    // 3.6 million equally likely values that a stranger would have to guess.
    static constexpr int MEMBERSHIP_TIME_SPREAD_MS = 60 * 60 * 1000;

    struct Identity
    {
        bool known = false;            // false: not a member of ours, or not the member's membership time
        bool isNew = false;            // the number is given by this upload
        bool repeatedNewcomer = false; // a newcomer again, with the number of the first time
        qint64 number = 0;
        QDateTime since;
    };

    explicit MemberStore(SqlConnection& connection) : sql(connection) {}

    // Finds or makes the member; a newcomer's number is taken from the
    // database's counter, in the transaction.
    Identity identify(const ClientStorage& upload, const QDateTime& receivedAt);

    // What a newcomer's upload is looked up by later: the entry time of its
    // earliest session (null without sessions, or for a member's own upload).
    static QVariant newcomerKey(const ClientStorage& upload);

private:
    bool repeatsFirstUpload(qint64 member, const ClientStorage& upload);

    SqlConnection& sql;
};
