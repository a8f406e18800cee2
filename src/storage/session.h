// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pursearray.h"
#include "storage/coinpile.h"
#include "usage/userevent.h"

#include <QDateTime>
#include <QList>
#include <QtGlobal>

class QDataStream;

// One counting of the purse: its coin piles in insertion order, the usage
// events seen while it lasted, its value in cents and when it began.
//
// The value in cents is private: only insertCoins and emptyPurse keep it (and
// the three-argument constructor sets it), so it always matches the purse
// unless someone edits `purse` directly. Read it with sumOfCents().
class Session
{
public:
    // Now, version 107, nothing counted.
    Session();
    Session(unsigned int sumOfCents, QDateTime entryDateTime, unsigned short version);

    QList<CoinPile> purse;
    QList<UserEvent> observation;

private:
    quint32 m_sumOfCents = 0;

public:
    QDateTime entryDateTime;
    quint16 version = 0;

    quint32 sumOfCents() const { return m_sumOfCents; }

    // Appends the pile and adds its value in cents (wrapping modulo 2^32).
    // A coin index outside 0..7 has no value: LogicErr(ZUV_IMPLEMENTATION_CHAOS).
    void insertCoins(int coinIndex, int countryIndex, unsigned int count);
    void insertCoins(const CoinPile& pile);
    // Removes every pile; the events stay.
    void emptyPurse();

    // Refills the purse from the count table's 8 x 15 array: one pile per
    // non-zero cell, by coin value, then by national side. Cells the array
    // lacks count as empty.
    void SetPurseFromCounttableArray(const PurseArray& counts);
    // 8 x 15 array of the piles' counts; a later pile for the same cell
    // replaces the earlier one, a pile without a cell is left out.
    PurseArray PurseToCounttableArray() const;

    // Piles (in order), events, entry time and version; not the value in cents.
    bool operator==(const Session& other) const;
    bool operator!=(const Session& other) const { return !(*this == other); }
};

// Version 107, entry time, value in cents as check sum, events, pile count and
// every pile in its compact form. Throws what CoinPile::serialize throws.
QDataStream& operator<<(QDataStream& stream, const Session& session);
// Rebuilds the purse pile by pile, so the value in cents is recomputed and
// compared with the stored check sum. Throws StreamErr: ZUV_BAD_FILE_TOO_OLD /
// ZUV_BAD_FILE_TOO_NEW for a version outside 105..199,
// ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS on a check sum mismatch and
// ZUV_BAD_FILE_FORMAT when the data ends early or announces more than it
// holds. A pile of no coins adds nothing and is left out of the purse.
// On a throw `session` is left as it was.
QDataStream& operator>>(QDataStream& stream, Session& session);

// The session list: a 16-bit count, then every session.
QDataStream& toStream(QDataStream& stream, const QList<Session>& sessions);
// Replaces `sessions` with the list read; throws like operator>> for Session
// (the list is then left as it was).
QDataStream& InitializeFromStream(QDataStream& stream, QList<Session>& sessions);

// Qt's generic list operators would write a 32-bit count: the session list has
// its own format, so only toStream and InitializeFromStream may handle it.
QDataStream& operator<<(QDataStream& stream, const QList<Session>& sessions) = delete;
QDataStream& operator>>(QDataStream& stream, QList<Session>& sessions) = delete;
