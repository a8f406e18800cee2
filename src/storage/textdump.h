// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class ClientStorage;
struct CoinPile;
class QTextStream;
class Session;

// Human-readable forms of the stored data, for debugging only: nothing in the
// program's normal flow writes them. Values follow each other without
// separators, numbers in decimal, dates in the plain text form
// ("Fri Feb 1 00:00:00 2002").

// "(" country number (1 = Austria) "," value in Euro ")=" count, e.g. (5,0.5)=3
QTextStream& operator<<(QTextStream& stream, const CoinPile& pile);

// Version, date, cents, the events as the observer prints them, the number of
// piles and every pile.
QTextStream& operator<<(QTextStream& stream, const Session& session);

// The number of sessions, then every session.
QTextStream& toStream(QTextStream& stream, const QList<Session>& sessions);

// Every field of the record in its stored order. Builds a temporary observer
// for the event totals, so keep it out of anything that runs often.
QTextStream& operator<<(QTextStream& stream, const ClientStorage& storage);
