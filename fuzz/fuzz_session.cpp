// SPDX-License-Identifier: GPL-3.0-or-later
// A session from bytes, alone and as a session list. A refused session or
// list leaves its target as it was; an accepted one has a purse whose value
// matches the stored check sum and comes back unchanged through the writer.

#include "fuzzsupport.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "storage/session.h"

#include <QDataStream>
#include <QIODevice>

namespace {

Session sentinelSession()
{
    Session s(0, QDateTime(QDate(2002, 2, 1), QTime(3, 4)), 150);
    s.insertCoins(3, 5, 1);
    s.observation = {UserEvent{1, 2}};
    return s;
}

void requireRoundTrip(const Session& session)
{
    QByteArray written;
    {
        QDataStream w(&written, QIODevice::WriteOnly);
        w << session;
    }
    Session again;
    QDataStream r(written);
    r >> again;
    FUZZ_REQUIRE(r.atEnd());
    Session expected = session;
    normaliseVersion(expected);
    FUZZ_REQUIRE(again == expected);
    FUZZ_REQUIRE(again.sumOfCents() == session.sumOfCents());
}

void oneSession(const QByteArray& bytes)
{
    const Session before = sentinelSession();
    Session session = before;
    QDataStream s(bytes);
    try {
        s >> session;
    } catch (const StreamErr&) {
        FUZZ_REQUIRE(session == before);
        FUZZ_REQUIRE(session.sumOfCents() == before.sumOfCents());
        return;
    }
    FUZZ_REQUIRE(session.version >= MIN_FORMAT_VERSION && session.version <= MAX_FORMAT_VERSION);
    for (const CoinPile& pile : session.purse)
        FUZZ_REQUIRE(pile.coinIndex < quint32(NUM_COINS) && pile.count != 0);
    requireRoundTrip(session);
}

void sessionList(const QByteArray& bytes)
{
    const QList<Session> before{sentinelSession()};
    QList<Session> sessions = before;
    QDataStream s(bytes);
    try {
        InitializeFromStream(s, sessions);
    } catch (const StreamErr&) {
        FUZZ_REQUIRE(sessions == before);
        return;
    }
    for (const Session& session : sessions)
        requireRoundTrip(session);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    oneSession(bytes);
    sessionList(bytes);
    return 0;
}
