// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchstates.h"

#include "common/constants.h"
#include "usage/usage.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr std::uint32_t SEED = 20020101;
constexpr int NEW_FRIEND_EVERY = 4;
const QDateTime FIRST_SESSION(QDate(2002, 1, 1), QTime(9, 0));
// A counting a few days after the previous one.
constexpr qint64 SECONDS_BETWEEN_SESSIONS = 3 * 24 * 3600 + 1234;
// The sessions of the many uploads a server benchmark sends fall in two years,
// as a project's do (and so into the months its published numbers already
// hold): the day goes round the two years, and the seconds after nine keep
// every session unique up to some 39 million.
constexpr int UPLOAD_DAYS = 730;
QDateTime uploadedSessionBegan(int index)
{
    return QDateTime(QDate(2024, 1, 1).addDays(index % UPLOAD_DAYS), QTime(9, 0).addSecs(index / UPLOAD_DAYS));
}
constexpr int TOTAL_EVENT_KINDS = 80;
constexpr int RECOMMENDERS = 3;
constexpr std::size_t READ_BLOCK = 1 << 20;

// Event identifiers as the program records them: general actions and grid
// actions mixed.
quint16 someEventId(std::mt19937& random)
{
    const int kind = int(random() % 4);
    if (kind == 0)
        return quint16(random() % IDtexts.size());
    if (kind == 1)
        return quint16(SETTINGS_ID_BASE + random() % SettingsIDtexts.size());
    return gridEventId(int(random() % TableIDtexts.size()), int(random() % NUM_COINS),
                       int(random() % NUM_NATIONAL_SIDES));
}

// A client's usage record: running totals over all its runs, of the same
// kinds of events from one upload to the next. Between two uploads the
// participant counted a purse, so the totals of the kinds that counting
// uses, about one in four, have grown.
QMap<quint16, quint32> runningTotals(quint32 memberNumber, int serial)
{
    std::mt19937 kinds(SEED ^ memberNumber);
    QMap<quint16, quint32> totals;
    for (int i = 0; i < TOTAL_EVENT_KINDS; ++i) {
        const quint16 id = someEventId(kinds);
        const quint32 before = quint32(1 + kinds() % 5000);
        const quint32 perUpload = kinds() % 4 == 0 ? quint32(1 + kinds() % 20) : 0;
        totals.insert(id, before + perUpload * quint32(serial));
    }
    return totals;
}

Session makeSession(std::mt19937& random, const QDateTime& began, int piles, int events)
{
    Session session(0, began, FORMAT_VERSION);
    std::array<int, NUM_COINS * NUM_NATIONAL_SIDES> cells;
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), random);
    std::sort(cells.begin(), cells.begin() + piles); // a purse from the count table is ordered
    for (int i = 0; i < piles; ++i) {
        const int coin = cells[std::size_t(i)] / NUM_NATIONAL_SIDES;
        const int side = cells[std::size_t(i)] % NUM_NATIONAL_SIDES;
        // Mostly a handful of coins, now and then a few hundred (three bytes).
        const unsigned count = (random() % 20 == 0) ? 128 + random() % 300 : 1 + random() % 30;
        session.insertCoins(coin, side, count);
    }
    session.observation.reserve(events);
    qint32 time = 0;
    for (int i = 0; i < events; ++i) {
        time = (time + 1 + qint32(random() % 400)) & 0xFFFF;
        session.observation.append(UserEvent{time, someEventId(random)});
    }
    return session;
}

ClientStorage baseState(std::mt19937& random)
{
    ClientStorage state;
    state.setDefaultValues();
    state.Membernumber = 104711;
    state.Welcome = "Welcome to the project, member 104711! Thank you for counting your purse.";
    for (int i = 0; i < RECOMMENDERS; ++i)
        state.RecommenderMembernumbers.append(quint32(1000 + random() % 100000));
    state.RecommenderName = QStringLiteral("Hildegard M\u00fcller-L\u00fcdenscheidt");
    state.Country = 5;
    state.PostalCode = QStringLiteral("D-80331");
    state.CityPopulation = 6;
    state.eMailAddress = "participant.with.a.long.name@example.org";
    state.eMailFlags = ClientStorage::WantsReminder | ClientStorage::MonthlyReminder | ClientStorage::WantsNewsletter;
    state.SettingsFlags |= ClientStorage::NecessFilledIn | ClientStorage::HasSeenSettings |
                           ClientStorage::AllowsObservation | ClientStorage::NoLoadPicsNagger;
    state.MemberSince = QDateTime(QDate(2002, 2, 3), QTime(10, 11, 12));
    state.NumberOfUploads = 17;
    state.LastUpload = QDateTime(QDate(2004, 5, 6), QTime(7, 8, 9));
    state.NumberOfStartsSinceLastUpload = 530;
    state.FavouriteCoin = 42;
    state.Message = QStringLiteral("The next analysis of the coin spread appears at the end of the month.");
    state.NumberOfPicturesAvailable = 128;
    state.LastAnalysisPage = 12;
    state.LastTxtMessage = 31;
    state.LastPicture = 7;
    state.LastDataAnalysisRead = QDateTime(QDate(2004, 4, 1), QTime(12, 0));
    state.WindowPositionSize = {QPoint(40, 30), QSize(600, 440)};
    for (int i = 0; i < TOTAL_EVENT_KINDS; ++i)
        state.TotalEvents.insert(someEventId(random), quint32(1 + random() % 5000));
    for (int i = 0; i < REALISTIC_INVITATIONS; ++i) {
        const std::string n = std::to_string(i);
        state.InvitationList.append(
            InvitedPerson{"Friend Number " + n, "friend." + n + "@example.org", quint8(random() % 120), i % 3 == 0});
    }
    return state;
}

ClientStorage stateWith(int sessions, int piles, int events)
{
    std::mt19937 random(SEED);
    ClientStorage state = baseState(random);
    state.Sessions.reserve(sessions);
    for (int i = 0; i < sessions; ++i)
        state.Sessions.append(makeSession(random, FIRST_SESSION.addSecs(SECONDS_BETWEEN_SESSIONS * i), piles, events));
    state.NumFullPurses = quint16(sessions);
    return state;
}

} // namespace

ClientStorage realisticState()
{
    return stateWith(REALISTIC_SESSIONS, REALISTIC_PILES, REALISTIC_EVENTS);
}

ClientStorage uploadState(quint32 memberNumber, int serial, const QDateTime& memberSince)
{
    std::mt19937 random(SEED + std::uint32_t(serial));
    ClientStorage state = baseState(random);
    state.Membernumber = memberNumber;
    state.TotalEvents = runningTotals(memberNumber, serial);
    // A member's client marked the friends of its earlier uploads as
    // uploaded once they were answered: it sends only a friend invited
    // since, here in one upload of four.
    if (memberNumber != 0) {
        for (InvitedPerson& person : state.InvitationList)
            person.uploaded = true;
        if (serial % NEW_FRIEND_EVERY == 0) {
            const std::string n = "of upload " + std::to_string(serial);
            state.InvitationList.append(
                InvitedPerson{"Friend " + n, "friend." + std::to_string(serial) + "@example.org", 42, false});
        }
    }
    if (memberSince.isValid())
        state.MemberSince = memberSince;
    for (int i = 0; i < UPLOAD_SESSIONS; ++i)
        state.Sessions.append(
            makeSession(random, uploadedSessionBegan(serial * UPLOAD_SESSIONS + i), UPLOAD_PILES, UPLOAD_EVENTS));
    state.NumFullPurses = quint16(UPLOAD_SESSIONS);
    return state;
}

ClientStorage largestState(int eventsPerSession)
{
    return stateWith(LARGEST_SESSIONS, LARGEST_PILES, eventsPerSession);
}

QByteArray dataFileBytes(const ClientStorage& state)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << DATAFILE_MAGIC << FORMAT_VERSION << state;
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

std::uint64_t checksum(const char* data, qint64 size)
{
    // Eight bytes at a time; the compiler turns this into vector additions,
    // which is about as fast as bytes can be looked at.
    std::uint64_t sum = 0;
    qint64 i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        sum += word;
    }
    for (; i < size; ++i)
        sum += static_cast<unsigned char>(data[i]);
    return sum;
}

std::uint64_t readAndChecksum(const QString& path, qint64& bytesRead)
{
    bytesRead = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    static std::vector<char> block(READ_BLOCK);
    std::uint64_t sum = 0;
    for (;;) {
        const qint64 n = file.read(block.data(), qint64(block.size()));
        if (n <= 0)
            break;
        sum += checksum(block.data(), n);
        bytesRead += n;
    }
    return sum;
}
