// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QHostAddress>
#include <QtGlobal>

#include <deque>

// Who tried to upload as a member and failed. A member number is no secret
// (they are given out in order); what proves an upload to be the member's own
// is the membership time the server gave out, partly drawn at random. So every
// wrong claim is a guess at it, and guesses are rationed: per peer address (a
// whole IPv6 /64, which one machine usually holds) and per claimed member
// number, over all addresses. A claim beyond either ration is not tried at all:
// the peer is told to try later, and learns nothing.
//
// A claim counts against both rations from the moment it is admitted, and is
// given back when it held: so guesses sent side by side cannot slip through
// while the first ones are still being stored.
class ClaimLedger
{
public:
    // A participant's own program never fails a claim; these leave room for
    // a household behind one router that restored an old data file.
    static constexpr int FAILURES_PER_ADDRESS = 5;
    static constexpr qint64 ADDRESS_WINDOW_MS = 10 * 60 * 1000;
    static constexpr int FAILURES_PER_MEMBER = 20;
    static constexpr qint64 MEMBER_WINDOW_MS = 60 * 60 * 1000;

    // False when the peer or the member has used up its ration; otherwise the
    // claim is counted until settle() says how it went.
    bool admit(const QHostAddress& peer, quint32 member, qint64 nowMs);
    // Gives a claim that held back; a failed one stays counted and is logged.
    void settle(const QHostAddress& peer, quint32 member, bool held);

    quint64 failedClaims() const { return failed; }
    quint64 refusedClaims() const { return refused; }

private:
    using Times = std::deque<qint64>;
    // Drops the times older than the window; the key goes when none is left.
    template <typename Key> static int recent(QHash<Key, Times>& times, const Key& key, qint64 nowMs, qint64 windowMs);
    template <typename Key> static void giveBack(QHash<Key, Times>& times, const Key& key);
    // Forgets every key whose window has passed, once the keys have doubled
    // since the last time: peers that never come back take no memory for long.
    void sweepNow(qint64 nowMs);

    QHash<QHostAddress, Times> byAddress;
    QHash<quint32, Times> byMember;
    qsizetype sweepAt = 1024;
    quint64 failed = 0;
    quint64 refused = 0;
};
