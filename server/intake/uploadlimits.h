// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/constants.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Session;

// What an upload can hold.  Our client writes a session from its count
// table: one pile per non-empty cell of coin value (0..7) and national side
// (0..14), so at most 120 piles. A pile's count is whatever was typed into a
// cell, but no purse holds 100,000 coins of one kind: of the lightest, the
// 1 cent coin, that is 230 kg, of 2 Euro coins 850 kg. A session beyond these
// is no counting of a purse. Within them it is worth at most 15 national
// sides x 100,000 coins of each value, 582,000,000 cents, far below 2^32, so
// no session's sum can wrap.
//
// Storing takes the one storing thread a few microseconds for every pile (on
// PostgreSQL up to ten, with the check of its session), and while it stores
// one upload every other participant waits. A purse holds a few dozen coins:
// ten years of weekly countings with 60 kinds of coin each time come to
// 31,200 piles, so no participant's upload holds more than 32,768.
namespace UploadLimits {

constexpr quint32 MOST_COINS_PER_PILE = 100000;
constexpr int MOST_PILES_PER_SESSION = NUM_COINS * NUM_NATIONAL_SIDES;
constexpr qint64 MOST_PILES_PER_UPLOAD = 32 * 1024;

// Empty when every session keeps within the limits; otherwise what the first
// one beyond them holds and the limit it passed, for the server's log.
QString firstPassed(const QList<Session>& sessions);

} // namespace UploadLimits
