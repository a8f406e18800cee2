#include "storage/session.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/streamformat.h"

#include <QDataStream>
#include <QDebug>

#include <algorithm>

namespace {
// A session without piles or events: version, date and time, check sum,
// event count and pile count.
constexpr quint64 EMPTY_SESSION_BYTES = 2 + 8 + 4 + 4 + 2;
constexpr quint64 EVENT_BYTES = 6;
constexpr quint64 MIN_PILE_BYTES = 2;
constexpr quint8 MORE_BYTES_FOLLOW = 0x80;
} // namespace

Session::Session() : entryDateTime(QDateTime::currentDateTime()), version(FORMAT_VERSION) {}

Session::Session(unsigned int sumOfCents, QDateTime entryDateTime, unsigned short version)
    : m_sumOfCents(sumOfCents), entryDateTime(std::move(entryDateTime)), version(version)
{
}

void Session::insertCoins(int coinIndex, int countryIndex, unsigned int count)
{
    insertCoins(CoinPile{quint32(coinIndex), quint32(countryIndex), count});
}

void Session::insertCoins(const CoinPile& pile)
{
    if (pile.coinIndex >= quint32(NUM_COINS)) {
        qDebug() << "Session::insertCoins: there is no coin with index" << pile.coinIndex;
        throw LogicErr(ZUV_IMPLEMENTATION_CHAOS);
    }
    purse.append(pile);
    // Exact integer cents: going through the Euro value in doubles loses a
    // cent now and then (29 coins of 1 cent would give 28).
    m_sumOfCents += pile.count * coinvaluesInCents[pile.coinIndex];
}

void Session::emptyPurse()
{
    purse.clear();
    m_sumOfCents = 0;
}

void Session::SetPurseFromCounttableArray(const PurseArray& counts)
{
    emptyPurse();
    const int coins = std::min(NUM_COINS, int(counts.size()));
    if (coins < NUM_COINS)
        qDebug() << "Session::SetPurseFromCounttableArray: the count array has only" << coins << "rows";
    for (int coin = 0; coin < coins; ++coin) {
        const int sides = std::min(NUM_NATIONAL_SIDES, int(counts[coin].size()));
        for (int side = 0; side < sides; ++side)
            if (counts[coin][side] != 0)
                insertCoins(coin, side, counts[coin][side]);
    }
}

PurseArray Session::PurseToCounttableArray() const
{
    PurseArray counts(NUM_COINS, std::vector<unsigned int>(NUM_NATIONAL_SIDES, 0));
    for (const CoinPile& pile : purse) {
        if (pile.coinIndex >= quint32(NUM_COINS) || pile.countryIndex >= quint32(NUM_NATIONAL_SIDES)) {
            qDebug() << "Session::PurseToCounttableArray: the count table has no cell for coin" << pile.coinIndex
                     << "of country" << pile.countryIndex;
            continue;
        }
        counts[pile.coinIndex][pile.countryIndex] = pile.count;
    }
    return counts;
}

bool Session::operator==(const Session& other) const
{
    return purse == other.purse && observation == other.observation && entryDateTime == other.entryDateTime &&
           version == other.version;
}

QDataStream& operator<<(QDataStream& stream, const Session& session)
{
    stream << FORMAT_VERSION;
    writeDateTime(stream, session.entryDateTime);
    stream << session.sumOfCents();
    stream << quint32(session.observation.size());
    for (const UserEvent& event : session.observation)
        stream << event;
    stream << quint16(session.purse.size());
    for (const CoinPile& pile : session.purse) {
        const QList<quint8> bytes = pile.serialize();
        for (quint8 byte : bytes)
            stream << byte;
    }
    return stream;
}

QDataStream& operator>>(QDataStream& stream, Session& session)
{
    static const char* const where = "QDataStream& operator>> (QDataStream &s, Session &SI)";
    quint16 version = 0;
    stream >> version;
    requireStreamOk(stream, where);
    if (version < MIN_FORMAT_VERSION) {
        qDebug() << "version error in QDataStream& operator>> FILE TOO OLD";
        throw StreamErr(ZUV_BAD_FILE_TOO_OLD);
    }
    if (version > MAX_FORMAT_VERSION) {
        qDebug() << "version error in QDataStream& operator>> FILE TOO NEW";
        throw StreamErr(ZUV_BAD_FILE_TOO_NEW);
    }

    Session read(0, readDateTime(stream), version);
    quint32 checkSum = 0;
    stream >> checkSum;

    quint32 events = 0;
    stream >> events;
    requireRoomFor(stream, events, EVENT_BYTES, where);
    read.observation.reserve(events);
    for (quint32 i = 0; i < events; ++i) {
        UserEvent event;
        stream >> event;
        read.observation.append(event);
    }

    quint16 piles = 0;
    stream >> piles;
    requireRoomFor(stream, piles, MIN_PILE_BYTES, where);
    read.emptyPurse();
    for (quint16 i = 0; i < piles; ++i) {
        QList<quint8> bytes;
        quint8 byte = 0;
        stream >> byte;
        bytes.append(byte);
        do {
            stream >> byte;
            requireStreamOk(stream, where);
            bytes.append(byte);
        } while (byte & MORE_BYTES_FOLLOW);
        const CoinPile pile = deserialize(bytes);
        // No writer makes a pile of no coins, and none could write it back:
        // taken in, it would make every later save of the record fail.
        if (pile.count == 0) {
            qDebug() << "a pile of no coins in" << where;
            throw StreamErr(ZUV_BAD_FILE_FORMAT);
        }
        read.insertCoins(pile);
    }

    if (read.sumOfCents() != checkSum) {
        qDebug() << "Checksum differs! QDataStream& operator>> (QDataStream &s, Session &SI)";
        throw StreamErr(ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS);
    }
    session = std::move(read);
    return stream;
}

QDataStream& toStream(QDataStream& stream, const QList<Session>& sessions)
{
    stream << quint16(sessions.size());
    for (const Session& session : sessions)
        stream << session;
    return stream;
}

QDataStream& InitializeFromStream(QDataStream& stream, QList<Session>& sessions)
{
    quint16 count = 0;
    stream >> count;
    requireRoomFor(stream, count, EMPTY_SESSION_BYTES, "InitializeFromStream");
    QList<Session> read;
    read.reserve(count);
    for (quint16 i = 0; i < count; ++i) {
        Session session(0, QDateTime(), 0);
        stream >> session;
        read.append(session);
    }
    sessions = std::move(read);
    return stream;
}
