// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/session.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/streamformat.h"

#include <QDataStream>
#include <QDebug>
#include <QIODevice>
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>

namespace {
// A session without piles or events: version, date and time, check sum,
// event count and pile count.
constexpr quint64 EMPTY_SESSION_BYTES = 2 + 8 + 4 + 4 + 2;
constexpr quint64 EVENT_BYTES = 6;
constexpr quint64 MIN_PILE_BYTES = 2;
// Events and piles are written and read in blocks of about this size.
constexpr int BLOCK_BYTES = 4096;
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

    // The events and the piles go out as one block each: a session holds
    // hundreds of them, and every single write would be a call through the
    // device.
    QVarLengthArray<char, BLOCK_BYTES> block;
    stream << quint32(session.observation.size());
    block.resize(session.observation.size() * EVENT_BYTES);
    char* out = block.data();
    for (const UserEvent& event : session.observation) {
        qToBigEndian<qint32>(event.time, out);
        qToBigEndian<quint16>(event.id, out + 4);
        out += EVENT_BYTES;
    }
    stream.writeRawData(block.constData(), int(block.size()));

    stream << quint16(session.purse.size());
    block.resize(session.purse.size() * MAX_PILE_BYTES);
    quint8* pileBytes = reinterpret_cast<quint8*>(block.data());
    qsizetype used = 0;
    for (const CoinPile& pile : session.purse)
        used += pile.serializeTo(pileBytes + used);
    stream.writeRawData(block.constData(), int(used));
    return stream;
}

namespace {

// Events are read in blocks of this many bytes.
constexpr qint64 EVENT_BLOCK_BYTES = (BLOCK_BYTES / EVENT_BYTES) * EVENT_BYTES;

QList<UserEvent> readEvents(QDataStream& stream, quint32 events, const char* where)
{
    QList<UserEvent> observation(events);
    UserEvent* out = observation.data();
    char block[EVENT_BLOCK_BYTES];
    quint64 left = quint64(events) * EVENT_BYTES;
    while (left > 0) {
        const int size = int(std::min<quint64>(left, EVENT_BLOCK_BYTES));
        if (stream.readRawData(block, size) != size)
            stream.setStatus(QDataStream::ReadPastEnd);
        requireStreamOk(stream, where);
        for (const char* in = block; in < block + size; in += EVENT_BYTES)
            *out++ = UserEvent{qFromBigEndian<qint32>(in), qFromBigEndian<quint16>(in + 4)};
        left -= quint64(size);
    }
    return observation;
}

// A pile that does not end within a whole block: read byte by byte until the
// byte with bit 7 clear, however long that takes.
CoinPile readLongPile(QDataStream& stream, const char* where)
{
    QList<quint8> bytes;
    quint8 byte = 0;
    stream >> byte;
    bytes.append(byte);
    do {
        stream >> byte;
        requireStreamOk(stream, where);
        bytes.append(byte);
    } while (byte & PILE_MORE_BYTES_FOLLOW);
    return deserialize(bytes);
}

// The piles of one session and their value in cents, added up the way
// Session::insertCoins does.
struct ReadPurse
{
    QList<CoinPile> piles;
    quint32 cents = 0;
};

// A pile of no coins is read like any other, but it adds nothing, so it is
// left out of the purse: kept, it would clear the count of an earlier pile of
// the same cell in the count table, and no writer could write it back.
void takePile(ReadPurse& purse, CoinPile*& out, const CoinPile& pile)
{
    if (pile.count == 0)
        return;
    *out++ = pile;
    purse.cents += pile.count * coinvaluesInCents[pile.coinIndex];
}

// The piles carry no length: each ends with its first byte whose bit 7 is
// clear. They are looked at through peek, a block at a time, decoded in
// place, and only the bytes they used are then taken from the device.
ReadPurse readPiles(QDataStream& stream, quint16 piles, const char* where)
{
    QIODevice* device = stream.device();
    quint8 block[BLOCK_BYTES];
    qint64 size = 0;
    qint64 at = 0;
    auto lookFurther = [&] {
        if (at > 0 && stream.skipRawData(int(at)) != int(at))
            stream.setStatus(QDataStream::ReadPastEnd);
        requireStreamOk(stream, where);
        size = device ? device->peek(reinterpret_cast<char*>(block), BLOCK_BYTES) : 0;
        at = 0;
        if (size <= 0) {
            stream.setStatus(QDataStream::ReadPastEnd);
            requireStreamOk(stream, where);
        }
    };

    // Built at its final size: growing it would keep spare room in every session.
    ReadPurse purse{QList<CoinPile>(piles)};
    CoinPile* out = purse.piles.data();
    CoinPile pile;
    for (quint16 done = 0; done < piles;) {
        if (at == size)
            lookFurther();
        if (const quint8* next = decodePile(block + at, block + size, pile)) {
            takePile(purse, out, pile);
            at = next - block;
            ++done;
        } else if (at > 0) {
            lookFurther(); // the pile starts the block now
        } else if (size < BLOCK_BYTES) {
            // The data ends inside the pile.
            stream.setStatus(QDataStream::ReadPastEnd);
            requireStreamOk(stream, where);
        } else {
            takePile(purse, out, readLongPile(stream, where));
            size = 0;
            ++done;
        }
    }
    if (at > 0 && stream.skipRawData(int(at)) != int(at))
        stream.setStatus(QDataStream::ReadPastEnd);
    requireStreamOk(stream, where);
    purse.piles.resize(out - purse.piles.constData());
    return purse;
}

} // namespace

QDataStream& operator>>(QDataStream& stream, Session& session)
{
    static const char* const where = "QDataStream& operator>> (QDataStream &s, Session &SI)";
    quint16 version = 0;
    stream >> version;
    requireStreamOk(stream, where);
    if (const unsigned problem = versionProblem(version, ZUV_BAD_FILE_TOO_OLD, ZUV_BAD_FILE_TOO_NEW)) {
        qDebug() << "version error in QDataStream& operator>> (Session): version" << version;
        throw StreamErr(problem);
    }

    QDateTime entryDateTime = readDateTime(stream);
    quint32 checkSum = 0;
    stream >> checkSum;

    quint32 events = 0;
    stream >> events;
    requireRoomFor(stream, events, EVENT_BYTES, where);
    QList<UserEvent> observation = readEvents(stream, events, where);

    quint16 piles = 0;
    stream >> piles;
    requireRoomFor(stream, piles, MIN_PILE_BYTES, where);
    ReadPurse purse = readPiles(stream, piles, where);

    // The value is the one recomputed from the piles, never the stored one.
    if (purse.cents != checkSum) {
        qDebug() << "Checksum differs! QDataStream& operator>> (QDataStream &s, Session &SI)";
        throw StreamErr(ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS);
    }
    Session read(purse.cents, std::move(entryDateTime), version);
    read.purse = std::move(purse.piles);
    read.observation = std::move(observation);
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
