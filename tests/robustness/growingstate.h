#pragma once

#include "common/constants.h"
#include "storage/clientstorage.h"

#include <QDateTime>
#include <QString>

#include <string>

// The client state that the saving child writes again and again. State n
// carries n in its counters and texts and holds n % SESSION_CYCLE sessions,
// so the file grows from save to save and starts small again now and then.
// Session i depends on i alone: the child grows its state one session at a
// time, the test builds state n from scratch, and both must agree.
namespace growing {

constexpr quint32 SESSION_CYCLE = 1500;

inline Session session(quint32 i)
{
    Session s(0, QDateTime(QDate(2002, 2, 1).addDays(i % 3000), QTime(0, 0).addSecs(int(i % 86400))), FORMAT_VERSION);
    for (quint32 p = 0; p <= i % 20; ++p)
        s.insertCoins(int(p % NUM_COINS), int((i + p) % NUM_NATIONAL_SIDES), 1 + (i * 31 + p * 7) % 1000);
    for (quint32 e = 0; e < i % 10; ++e)
        s.observation.append(UserEvent{qint32(i * 100 + e), quint16(e + 1)});
    return s;
}

// Everything but the sessions.
inline void setCounters(ClientStorage& state, quint32 n)
{
    state.NumberOfUploads = n;
    state.Membernumber = n * 7;
    state.Message = QStringLiteral("save number %1").arg(n);
    state.eMailAddress = "saver" + std::to_string(n) + "@example.org";
    state.NumFullPurses = quint16(n % SESSION_CYCLE);
}

inline ClientStorage base()
{
    ClientStorage state;
    state.setDefaultValues();
    state.FavouriteCoin = 17; // the default draws it at random
    return state;
}

inline ClientStorage state(quint32 n)
{
    ClientStorage s = base();
    setCounters(s, n);
    for (quint32 i = 0; i < n % SESSION_CYCLE; ++i)
        s.Sessions.append(session(i));
    return s;
}

// From state n - 1 to state n.
inline void advance(ClientStorage& s, quint32 n)
{
    setCounters(s, n);
    if (n % SESSION_CYCLE == 0)
        s.Sessions.clear();
    else
        s.Sessions.append(session(n % SESSION_CYCLE - 1));
}

} // namespace growing
