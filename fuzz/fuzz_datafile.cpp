// SPDX-License-Identifier: GPL-3.0-or-later
// The data file from bytes, two ways: the record alone through its stream
// reader on a buffer (as an upload body is read), and the whole file through
// loadFromDisk. Both must agree, a failure must leave the record as it was
// and name a damaged file, and whatever is read must be a valid record that
// comes back unchanged through the writer.

#include "fuzzsupport.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr int FILE_HEADER_SIZE = 6;

QString scratchFile;

void removeScratchFile()
{
    QFile::remove(scratchFile);
}

// Not the defaults: a failed read that touched the record shows.
const ClientStorage& sentinel()
{
    static const ClientStorage record = [] {
        ClientStorage r;
        r.setDefaultValues();
        r.FavouriteCoin = 7;
        r.Membernumber = 4711;
        r.eMailAddress = "sentinel@example.org";
        r.Sessions = {Session(0, QDateTime(QDate(2002, 2, 1), QTime(1, 2)), FORMAT_VERSION)};
        return r;
    }();
    return record;
}

struct Outcome
{
    bool read = false;
    unsigned code = 0; // the error code when not read
    ClientStorage record;
};

Outcome readRecord(const QByteArray& bytes)
{
    Outcome outcome;
    outcome.record = sentinel();
    QDataStream s(bytes);
    try {
        s >> outcome.record;
        outcome.read = true;
    } catch (const StreamErr& e) {
        outcome.code = e.code();
        FUZZ_REQUIRE(outcome.code == ZUV_BAD_FILE_FORMAT || outcome.code == ZUV_BAD_FILE_TOO_OLD ||
                     outcome.code == ZUV_BAD_FILE_TOO_NEW || outcome.code == ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS);
        FUZZ_REQUIRE(outcome.record == sentinel());
    }
    return outcome;
}

Outcome loadFile(const QByteArray& bytes)
{
    QFile file(scratchFile);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_REQUIRE(file.write(bytes) == bytes.size());
    file.close();

    Outcome outcome;
    outcome.record = sentinel();
    try {
        outcome.code = unsigned(outcome.record.loadFromDisk(scratchFile));
        outcome.read = outcome.code == ZUV_NO_ERROR;
    } catch (const FileErr& e) {
        outcome.code = e.code();
        FUZZ_REQUIRE(outcome.code != ZUV_NO_ERROR);
    }
    if (!outcome.read)
        FUZZ_REQUIRE(outcome.record == sentinel());
    return outcome;
}

// Every pile is of a coin there is, every purse adds up to its value, and
// the writer gives the record back unchanged.
void requireValid(const ClientStorage& record)
{
    for (const Session& session : record.Sessions) {
        quint32 cents = 0;
        for (const CoinPile& pile : session.purse) {
            FUZZ_REQUIRE(pile.coinIndex < quint32(NUM_COINS));
            cents += pile.count * coinvaluesInCents[pile.coinIndex];
        }
        FUZZ_REQUIRE(cents == session.sumOfCents());
    }
    QByteArray written;
    {
        QDataStream w(&written, QIODevice::WriteOnly);
        w << record;
        FUZZ_REQUIRE(w.status() == QDataStream::Ok);
    }
    FUZZ_REQUIRE(sizeOf(record) == quint32(written.size()));
    ClientStorage again;
    QDataStream r(written);
    r >> again; // throwing here is a finding as well
    FUZZ_REQUIRE(r.atEnd());
    ClientStorage expected = record;
    normaliseVersions(expected);
    FUZZ_REQUIRE(again == expected);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    // Rewriting a file thousands of times a second wants memory, not a disk.
    const QDir memory(QStringLiteral("/dev/shm"));
    const QDir folder = memory.exists() ? memory : QDir::temp();
    scratchFile = folder.filePath(QStringLiteral("zuvfuzz-%1.zuv").arg(getpid()));
    atexit(removeScratchFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const Outcome fromFile = loadFile(bytes);
    const Outcome alone = readRecord(bytes.mid(FILE_HEADER_SIZE));

    const bool goodHeader = bytes.size() >= FILE_HEADER_SIZE &&
                            qFromBigEndian<quint32>(bytes.constData()) == DATAFILE_MAGIC &&
                            qFromBigEndian<quint16>(bytes.constData() + 4) >= MIN_FORMAT_VERSION &&
                            qFromBigEndian<quint16>(bytes.constData() + 4) <= MAX_FORMAT_VERSION;
    if (goodHeader) {
        // The file adds nothing but its header: past it, both readers see the same bytes.
        FUZZ_REQUIRE(fromFile.read == alone.read);
        FUZZ_REQUIRE(fromFile.code == alone.code);
        if (fromFile.read)
            FUZZ_REQUIRE(fromFile.record == alone.record);
    } else {
        FUZZ_REQUIRE(!fromFile.read);
    }
    if (fuzzInputIsCut)
        FUZZ_REQUIRE(!fromFile.read && !alone.read);
    if (alone.read)
        requireValid(alone.record);
    return 0;
}
