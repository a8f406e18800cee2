#include "common/filebytes.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "samplerecord.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QDateTime FEB_FIRST(QDate(2002, 2, 1), QTime(0, 0));

QByteArray fileBytes(const ClientStorage& record)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << DATAFILE_MAGIC << quint16(107) << record;
    return bytes;
}

QByteArray patched(QByteArray bytes, int at, const char* hex)
{
    const QByteArray replacement = QByteArray::fromHex(hex);
    return bytes.replace(at, replacement.size(), replacement);
}

ClientStorage brokenRecord()
{
    ClientStorage broken = richRecord();
    broken.Sessions[1].purse.append(CoinPile{2, 2, 0}); // a pile of no coins cannot be written
    return broken;
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roundTrip();
    void refusals_data();
    void refusals();
    void oldCountryNumbers();
    void pileOfNoCoinsIsRead();
    void unreadableFileIsKeptAside();
    void failedSavesKeepThePreviousFile();

private:
    QString path(const QString& name = QStringLiteral("zuvdata.zuv")) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestDataFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestDataFile::roundTrip()
{
    ClientStorage defaults;
    defaults.setDefaultValues();
    QCOMPARE(defaults.saveToDisk(path()), 0);
    // Magic, versions, then no member number, Welcome, recommenders and so
    // on up to the flags 0x0108 and the Julian day of February 1st, 2002.
    QCOMPARE(readAll(path()).left(41),
             QByteArray::fromHex("80a3a524006b006b") + QByteArray(27, '\0') + QByteArray::fromHex("010800256b53"));

    const ClientStorage saved = richRecord();
    QCOMPARE(saved.saveToDisk(path()), 0);
    QCOMPARE(saved.saveToDisk(path(QStringLiteral("fresh.zuv"))), 0);
    ClientStorage loaded;
    QCOMPARE(loaded.loadFromDisk(path()), 0);
    ClientStorage expected = saved;
    expected.Version = 107;
    for (Session& session : expected.Sessions)
        session.version = 107;
    QVERIFY(loaded == expected);
    QCOMPARE(loaded.Sessions[0].sumOfCents(), 60009u); // modulo 2^32
    // Saving what was loaded writes the same bytes again.
    const QByteArray first = readAll(path());
    QCOMPARE(first, fileBytes(saved));
    // It holds e-mail addresses: only its owner may read it, even when an
    // older file was readable by everybody.
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile::setPermissions(path(), ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QCOMPARE(loaded.saveToDisk(path()), 0);
    QCOMPARE(readAll(path()), first);
    QCOMPARE(QFile::permissions(path()) & 0x7077, ownerOnly); // leaving out the bits of the current user
    QCOMPARE(QFile::permissions(path(QStringLiteral("fresh.zuv"))) & 0x7077, ownerOnly);
}

void TestDataFile::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("thrown"); // as a FileErr, or returned

    const QByteArray good = fileBytes(richRecord());
    const int session = good.indexOf(QByteArray::fromHex("0002006b00256b53")) + 2;
    QVERIFY(session > 2);
    // The header answers with a code, a damaged record with a FileErr.
    QTest::newRow("empty") << QByteArray() << int(ZUV_BAD_FILE_FORMAT) << false;
    QTest::newRow("magic cut short") << good.left(3) << int(ZUV_BAD_FILE_FORMAT) << false;
    QTest::newRow("wrong magic") << patched(good, 3, "25") << int(ZUV_BAD_FILE_FORMAT) << false;
    QTest::newRow("version cut short") << good.left(5) << int(ZUV_BAD_FILE_FORMAT) << false;
    QTest::newRow("file version 104") << patched(good, 4, "0068") << int(ZUV_BAD_FILE_TOO_OLD) << false;
    QTest::newRow("file version 200") << patched(good, 4, "00c8") << int(ZUV_BAD_FILE_TOO_NEW) << false;
    QTest::newRow("file version 65535") << patched(good, 4, "ffff") << int(ZUV_BAD_FILE_TOO_NEW) << false;
    QTest::newRow("versions 105") << patched(patched(good, 4, "0069"), 6, "0069") << 0 << false;
    QTest::newRow("versions 199") << patched(patched(good, 4, "00c7"), 6, "00c7") << 0 << false;
    QTest::newRow("record version 104") << patched(good, 6, "0068") << int(ZUV_BAD_FILE_TOO_OLD) << true;
    QTest::newRow("record version 200") << patched(good, 6, "00c8") << int(ZUV_BAD_FILE_TOO_NEW) << true;
    QTest::newRow("session version 104") << patched(good, session, "0068") << int(ZUV_BAD_FILE_TOO_OLD) << true;
    QTest::newRow("session version 200") << patched(good, session, "00c8") << int(ZUV_BAD_FILE_TOO_NEW) << true;
    // A changed count of the last pile (1 coin of 10 cent), and lengths and
    // counts beyond the end of the data.
    QTest::newRow("pile count") << patched(good, good.indexOf(QByteArray::fromHex("2b01"), session) + 1, "02")
                                << int(ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS) << true;
    QTest::newRow("cut in the last byte") << good.chopped(1) << int(ZUV_BAD_FILE_FORMAT) << true;
    QTest::newRow("Welcome of 2 GiB") << patched(good, 12, "7fffffff") << int(ZUV_BAD_FILE_FORMAT) << true;
    QTest::newRow("4 billion recommenders")
        << patched(good, 12 + 4 + 14, "fffffffe") << int(ZUV_BAD_FILE_FORMAT) << true;
    QTest::newRow("65535 sessions") << patched(good, session - 2, "ffff") << int(ZUV_BAD_FILE_FORMAT) << true;
}

void TestDataFile::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QFETCH(bool, thrown);
    QVERIFY(writeAll(path(), bytes));
    ClientStorage record;
    record.setDefaultValues();
    const ClientStorage before = record;
    try {
        QCOMPARE(record.loadFromDisk(path()), code);
        QVERIFY(!thrown || code == 0);
    } catch (const FileErr& e) {
        QVERIFY(thrown);
        QCOMPARE(int(e.code()), code);
    }
    if (code == 0)
        QCOMPARE(record.Version, quint16((quint8(bytes[6]) << 8) | quint8(bytes[7])));
    else
        QVERIFY(record == before);
}

void TestDataFile::oldCountryNumbers()
{
    // Version, country and flags as written; country and flags as read.
    const QList<std::array<quint16, 5>> cases = {
        {105, 7, 0x0000, 8, 0x0300}, {105, 5, 0x0000, 5, 0x0300}, {105, 6, 0x0001, 7, 0x0301},
        {105, 7, 0x0200, 7, 0x0200}, {106, 7, 0x0000, 7, 0x0000},
    };
    for (const auto& [version, country, flags, readCountry, readFlags] : cases) {
        ClientStorage record;
        record.setDefaultValues();
        record.Country = quint8(country);
        record.SettingsFlags = flags;
        const char* hex = version == 105 ? "0069" : "006a";
        QVERIFY(writeAll(path(), patched(patched(fileBytes(record), 4, hex), 6, hex)));
        ClientStorage read;
        QCOMPARE(read.loadFromDisk(path()), 0);
        QCOMPARE(read.Country, quint8(readCountry));
        QCOMPARE(read.SettingsFlags, readFlags);
    }
}

void TestDataFile::pileOfNoCoinsIsRead()
{
    // A pile of no coins after another adds nothing: it neither changes the
    // session's value nor clears the cell the first pile counted, and what is
    // read can be saved again.
    ClientStorage record;
    record.setDefaultValues();
    Session session(0, FEB_FIRST, 107);
    session.insertCoins(3, 5, 1);
    record.Sessions = {session};
    QByteArray bytes = fileBytes(record);
    QCOMPARE(bytes.right(6), QByteArray::fromHex("00012b010000")); // one pile 2B 01, no invitations
    QVERIFY(writeAll(path(), bytes.chopped(6) + QByteArray::fromHex("00022b012b000000")));
    QCOMPARE(record.loadFromDisk(path()), 0);
    QCOMPARE(record.Sessions.first().sumOfCents(), 10u);
    QCOMPARE(record.Sessions.first().PurseToCounttableArray()[3][5], 1u);
    QCOMPARE(record.saveToDisk(path()), 0);
}

void TestDataFile::unreadableFileIsKeptAside()
{
    // A missing file is no damage, nor is a good one. Returned or thrown, an
    // unreadable file is kept under the next free name before the first save
    // over it; later saves just replace the file.
    const QByteArray garbage("this is no data file");
    const QByteArray truncated = fileBytes(richRecord()).left(30);
    ClientStorage record;
    record.setDefaultValues();
    QCOMPARE(record.loadFromDisk(path()), int(ZUV_FILE_NOT_EXIST));
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(record.loadFromDisk(path()), 0);
    QCOMPARE(record.saveToDisk(path()), 0);
    for (const QByteArray& unreadable : {garbage, truncated}) {
        QVERIFY(writeAll(path(), unreadable));
        ClientStorage reread;
        try {
            QVERIFY(reread.loadFromDisk(path()) != 0);
        } catch (const FileErr&) {
        }
        QCOMPARE(record.saveToDisk(path()), 0);
        QCOMPARE(record.saveToDisk(path()), 0);
    }
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), garbage);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged.1"))), truncated);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 3);
}

void TestDataFile::failedSavesKeepThePreviousFile()
{
    ClientStorage record;
    record.setDefaultValues();
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.zuv")));
    QCOMPARE(record.saveToDisk(path(QStringLiteral("folder.zuv"))), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QCOMPARE(record.saveToDisk(path(QStringLiteral("no folder/zuvdata.zuv"))), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QCOMPARE(richRecord().saveToDisk(path()), 0);
    const QByteArray previous = readAll(path());
    QVERIFY_THROWS_EXCEPTION(LogicErr, brokenRecord().saveToDisk(path()));
    QCOMPARE(readAll(path()), previous);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zuvdata.zuv")});

    // File permissions do not bind the superuser: run by root, the rest runs
    // as the user nobody (real user too, which access() asks for).
    const bool root = geteuid() == 0;
    const passwd* nobody = getpwnam("nobody");
    if (root && (!nobody || chown(QFile::encodeName(dir->path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                 chown(QFile::encodeName(path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                 setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0))
        QSKIP("file permissions do not bind the superuser, and the user nobody is not to be had");
    const auto backToRoot = qScopeGuard([root] {
        if (root && setresuid(0, 0, 0) != 0)
            qFatal("cannot become the superuser again");
    });
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    QCOMPARE(record.saveToDisk(path()), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QCOMPARE(readAll(path()), previous);

    // A folder that takes no new file, around a file that may be written: the
    // file is written in place. A record that cannot be written still leaves
    // the previous content as it was.
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QVERIFY_THROWS_EXCEPTION(LogicErr, brokenRecord().saveToDisk(path()));
    const QByteArray afterFailure = readAll(path());
    const int code = record.saveToDisk(path());
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(afterFailure, previous);
    QCOMPARE(code, 0);
    QCOMPARE(readAll(path()), fileBytes(record));

    // A file we may not read is no missing file: it is kept aside, not replaced.
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    QCOMPARE(record.loadFromDisk(path()), int(ZUV_FILE_NOT_EXIST));
    QCOMPARE(record.saveToDisk(path()), 0);
    QFile::setPermissions(path(QStringLiteral("zuvdata.zuv.damaged")), QFileDevice::ReadOwner);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), fileBytes(record));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
