#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {
const QDateTime FEB_FIRST(QDate(2002, 2, 1), QTime(0, 0));

ClientStorage richRecord()
{
    ClientStorage record;
    record.setDefaultValues();
    record.Membernumber = 4711;
    record.Welcome = "Willkommen \xe4\xf6\xfc";
    record.RecommenderMembernumbers = {12, 0xFFFFFFFF};
    record.RecommenderName = QString::fromUtf8("R\u00fcdiger \u20ac");
    record.Country = 9;
    record.PostalCode = QStringLiteral("A-1010");
    record.CityPopulation = 3;
    record.eMailAddress = "me@example.org";
    record.eMailFlags = ClientStorage::WantsReminder | ClientStorage::WeeklyReminder;
    record.SettingsFlags |= ClientStorage::NecessFilledIn | ClientStorage::AllowsObservation;
    record.MemberSince = QDateTime(QDate(2002, 3, 4), QTime(5, 6, 7, 8));
    record.NumberOfUploads = 3;
    record.LastUpload = QDateTime(QDate(2002, 6, 15), QTime(23, 59, 59, 999));
    record.NumberOfStartsSinceLastUpload = 65535;
    record.FavouriteCoin = 119;
    record.GuessWhenMixdateYear = 4;
    record.GuessWhenMixdateMonth = 11;
    record.GuessWhenArrivaldateYear = 2;
    record.GuessWhenArrivaldateMonth = 1;
    record.Message = QStringLiteral("line one\nline two");
    record.ServerPort = 4555;
    record.NumberOfPicturesAvailable = 128;
    record.LastAnalysisPage = 7;
    record.LastTxtMessage = 8;
    record.LastPicture = 9;
    record.LastDataAnalysisRead = QDateTime();
    record.WindowPositionSize = {QPoint(-10, 20), QSize(800, 600)};
    record.TotalEvents = {{1, 5}, {65535, 4000000000u}, {200, 1}};
    record.NumFullPurses = 2;
    Session first(0, FEB_FIRST, 150);
    first.insertCoins(3, 5, 1);
    first.insertCoins(7, 14, 300);
    first.observation = {UserEvent{10, 1}, UserEvent{20, 2}};
    record.Sessions = {first, Session(0, QDateTime(QDate(2003, 1, 1), QTime(8, 0)), 107)};
    record.InvitationList = {InvitedPerson{"Anna", "a.b", 17, false}, InvitedPerson{"Bert", "", 0, true}};
    return record;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The code loadFromDisk reports, whether returned or thrown as FileErr.
unsigned loadCode(ClientStorage& record, const QString& path)
{
    try {
        return unsigned(record.loadFromDisk(path));
    } catch (const FileErr& e) {
        return e.code();
    }
}

QByteArray withVersions(QByteArray bytes, quint16 version)
{
    const QByteArray v = QByteArray::fromHex(QByteArray::number(version, 16).rightJustified(4, '0'));
    bytes.replace(4, 2, v);
    bytes.replace(6, 2, v);
    return bytes;
}
} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void defaultedFileStart();
    void roundTrip();
    void headerRefusals();
    void versionRange();
    void oldCountryNumbers();
    void everyTruncationIsRefused();
    void impossibleLengths();
    void randomDamageIsRefusedOrRead();
    void changedPileCountBreaksTheCheckSum();
    void unreadableFileIsKeptAside();
    void failedSaveKeepsThePreviousFile();
    void unwritablePlaces();
    void ownerOnlyPermissions();

private:
    QString path(const QString& name = QStringLiteral("zuvdata.zuv")) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestDataFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestDataFile::defaultedFileStart()
{
    ClientStorage record;
    record.setDefaultValues();
    QCOMPARE(record.saveToDisk(path()), 0);
    const QByteArray expected = QByteArray::fromHex("80a3a524"
                                                    "006b"
                                                    "006b"
                                                    "00000000"
                                                    "00000000"
                                                    "00000000"
                                                    "00000000"
                                                    "00"
                                                    "00000000"
                                                    "00"
                                                    "00000000"
                                                    "00"
                                                    "0108"
                                                    "00256b53");
    QCOMPARE(expected.size(), 41);
    QCOMPARE(readAll(path()).left(41), expected);
}

void TestDataFile::roundTrip()
{
    const ClientStorage saved = richRecord();
    QCOMPARE(saved.saveToDisk(path()), 0);

    ClientStorage loaded;
    QCOMPARE(loaded.loadFromDisk(path()), 0);
    ClientStorage expected = saved;
    expected.Version = 107;
    for (Session& session : expected.Sessions)
        session.version = 107;
    QVERIFY(loaded == expected);
    QCOMPARE(loaded.Sessions[0].sumOfCents(), 60010u);
    QCOMPARE(loaded.totalSumOfCents(), saved.totalSumOfCents());
    QCOMPARE(loaded.TotalEvents.value(65535), 4000000000u);

    // Saving what was loaded writes the same bytes again.
    const QByteArray first = readAll(path());
    QCOMPARE(loaded.saveToDisk(path()), 0);
    QCOMPARE(readAll(path()), first);
    QCOMPARE(quint32(first.size()), 6 + sizeOf(saved));
}

void TestDataFile::headerRefusals()
{
    ClientStorage record = richRecord();
    const ClientStorage before = record;
    QCOMPARE(record.loadFromDisk(path(QStringLiteral("missing.zuv"))), int(ZUV_FILE_NOT_EXIST));

    const QList<std::pair<QByteArray, int>> cases = {
        {QByteArray(), ZUV_BAD_FILE_FORMAT},
        {QByteArray::fromHex("80a3a5"), ZUV_BAD_FILE_FORMAT},
        {QByteArray::fromHex("80a3a525006b"), ZUV_BAD_FILE_FORMAT},
        {QByteArray::fromHex("80a3a52400"), ZUV_BAD_FILE_FORMAT},
        {QByteArray::fromHex("80a3a5240068"), ZUV_BAD_FILE_TOO_OLD},
        {QByteArray::fromHex("80a3a52400c8"), ZUV_BAD_FILE_TOO_NEW},
        {QByteArray::fromHex("80a3a524ffff"), ZUV_BAD_FILE_TOO_NEW},
    };
    for (const auto& [bytes, code] : cases) {
        writeAll(path(), bytes);
        QCOMPARE(record.loadFromDisk(path()), code);
        QVERIFY(record == before);
    }
}

void TestDataFile::versionRange()
{
    QVERIFY(richRecord().saveToDisk(path()) == 0);
    const QByteArray good = readAll(path());
    for (quint16 version : {quint16(105), quint16(199)}) {
        writeAll(path(), withVersions(good, version));
        ClientStorage record;
        QCOMPARE(record.loadFromDisk(path()), 0);
        QCOMPARE(record.Version, version);
    }
    // The file header answers with a code (see headerRefusals); the record's
    // own version throws, and the session reader's throw becomes a FileErr.
    const int sessionAt = good.indexOf(QByteArray::fromHex("0002006b00256b53")) + 2;
    QVERIFY(sessionAt > 2);
    for (int at : {6, sessionAt}) {
        for (quint16 version : {quint16(104), quint16(200)}) {
            QByteArray bytes = good;
            bytes[at] = char(version >> 8);
            bytes[at + 1] = char(version & 0xFF);
            writeAll(path(), bytes);
            ClientStorage record;
            try {
                record.loadFromDisk(path());
                QFAIL("a version outside 105..199 was read");
            } catch (const FileErr& e) {
                QCOMPARE(e.code(), unsigned(version == 104 ? ZUV_BAD_FILE_TOO_OLD : ZUV_BAD_FILE_TOO_NEW));
            }
        }
    }
}

void TestDataFile::oldCountryNumbers()
{
    struct Case
    {
        quint16 version;
        quint8 country;
        quint16 flags;
        quint8 readCountry;
        quint16 readFlags;
    };
    const QList<Case> cases = {
        {105, 7, 0x0000, 8, 0x0300}, {105, 5, 0x0000, 5, 0x0300}, {105, 6, 0x0001, 7, 0x0301},
        {105, 7, 0x0200, 7, 0x0200}, {106, 7, 0x0000, 7, 0x0000},
    };
    for (const Case& c : cases) {
        ClientStorage record;
        record.setDefaultValues();
        record.Country = c.country;
        record.SettingsFlags = c.flags;
        QCOMPARE(record.saveToDisk(path()), 0);
        writeAll(path(), withVersions(readAll(path()), c.version));

        ClientStorage read;
        QCOMPARE(read.loadFromDisk(path()), 0);
        QCOMPARE(read.Country, c.readCountry);
        QCOMPARE(read.SettingsFlags, c.readFlags);
    }
}

void TestDataFile::everyTruncationIsRefused()
{
    QCOMPARE(richRecord().saveToDisk(path()), 0);
    const QByteArray whole = readAll(path());
    ClientStorage record;
    record.setDefaultValues();
    const ClientStorage before = record;
    for (int length = 0; length < whole.size(); ++length) {
        writeAll(path(), whole.left(length));
        QVERIFY2(loadCode(record, path()) != 0, qPrintable(QString::number(length)));
        QVERIFY(record == before);
    }
}

void TestDataFile::impossibleLengths()
{
    ClientStorage empty;
    empty.setDefaultValues();
    QCOMPARE(empty.saveToDisk(path()), 0);
    const QByteArray good = readAll(path());
    // Welcome's length, the recommender count, RecommenderName's length, and
    // the count of event totals near the end.
    const int end = good.size();
    for (int at : {12, 16, 20, end - 10}) {
        for (const QByteArray& length : {QByteArray::fromHex("7fffffff"), QByteArray::fromHex("fffffffe")}) {
            QByteArray bytes = good;
            bytes.replace(at, 4, length);
            writeAll(path(), bytes);
            ClientStorage record;
            QCOMPARE(loadCode(record, path()), unsigned(ZUV_BAD_FILE_FORMAT));
        }
    }
    // The session count and the invitation count are 16 bits.
    for (int at : {end - 4, end - 2}) {
        QByteArray bytes = good;
        bytes.replace(at, 2, QByteArray::fromHex("ffff"));
        writeAll(path(), bytes);
        ClientStorage record;
        QCOMPARE(loadCode(record, path()), unsigned(ZUV_BAD_FILE_FORMAT));
    }
}

void TestDataFile::randomDamageIsRefusedOrRead()
{
    QCOMPARE(richRecord().saveToDisk(path()), 0);
    const QByteArray good = readAll(path());
    QRandomGenerator random(20020101);
    int refused = 0;
    for (int round = 0; round < 1000; ++round) {
        QByteArray bytes = good;
        const int changes = 1 + random.bounded(4);
        for (int i = 0; i < changes; ++i)
            bytes[random.bounded(6, int(bytes.size()))] = char(random.bounded(256));
        writeAll(path(), bytes);
        // Whatever the damage, the answer is a code or a FileErr; anything
        // else escaping (LogicErr, bad_alloc) or a crash fails the test.
        ClientStorage record;
        try {
            if (record.loadFromDisk(path()) != 0)
                ++refused;
        } catch (const FileErr&) {
            ++refused;
        }
    }
    QVERIFY(refused > 0);
}

void TestDataFile::changedPileCountBreaksTheCheckSum()
{
    ClientStorage record;
    record.setDefaultValues();
    Session session(0, FEB_FIRST, 107);
    session.insertCoins(3, 5, 1);
    record.Sessions = {session};
    QCOMPARE(record.saveToDisk(path()), 0);
    QByteArray bytes = readAll(path());
    // ... pile count 1, the pile 2B 01, no invitations.
    QCOMPARE(bytes.right(6), QByteArray::fromHex("00012b010000"));

    // A pile of no coins after it adds nothing: it can neither change the
    // session's value nor clear the cell the first pile counted, and what is
    // read can be saved again.
    writeAll(path(), bytes.left(bytes.size() - 6) + QByteArray::fromHex("00022b012b000000"));
    ClientStorage withEmptyPile;
    QCOMPARE(withEmptyPile.loadFromDisk(path()), 0);
    QCOMPARE(withEmptyPile.Sessions.first().sumOfCents(), 10u);
    QCOMPARE(withEmptyPile.Sessions.first().PurseToCounttableArray()[3][5], 1u);
    QCOMPARE(withEmptyPile.saveToDisk(path()), 0);

    bytes[bytes.size() - 3] = 0x02;
    writeAll(path(), bytes);

    ClientStorage read;
    read.setDefaultValues();
    const ClientStorage before = read;
    try {
        read.loadFromDisk(path());
        QFAIL("a changed pile was accepted");
    } catch (const FileErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS));
    }
    QVERIFY(read == before);
}

void TestDataFile::unreadableFileIsKeptAside()
{
    const QByteArray garbage("this is no data file");
    writeAll(path(), garbage);
    ClientStorage record;
    QCOMPARE(record.loadFromDisk(path()), int(ZUV_BAD_FILE_FORMAT));
    record.setDefaultValues();
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), garbage);
    ClientStorage reread;
    QCOMPARE(reread.loadFromDisk(path()), 0);

    // A damaged record (thrown) is kept too, under the next free name.
    const QByteArray truncated = readAll(path()).left(30);
    writeAll(path(), truncated);
    QCOMPARE(loadCode(reread, path()), unsigned(ZUV_BAD_FILE_FORMAT));
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged.1"))), truncated);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), garbage);

    // Once kept, later saves just replace the file.
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 3);

    // A missing file is no damage; a good one neither.
    QTemporaryDir fresh;
    const QString other = fresh.filePath(QStringLiteral("zuvdata.zuv"));
    QCOMPARE(reread.loadFromDisk(other), int(ZUV_FILE_NOT_EXIST));
    QCOMPARE(record.saveToDisk(other), 0);
    QCOMPARE(reread.loadFromDisk(other), 0);
    QCOMPARE(record.saveToDisk(other), 0);
    QCOMPARE(QDir(fresh.path()).entryList(QDir::Files), QStringList{QStringLiteral("zuvdata.zuv")});
}

void TestDataFile::failedSaveKeepsThePreviousFile()
{
    QCOMPARE(richRecord().saveToDisk(path()), 0);
    const QByteArray previous = readAll(path());

    ClientStorage broken = richRecord();
    broken.Sessions[1].purse.append(CoinPile{2, 2, 0}); // a pile of no coins cannot be written
    try {
        broken.saveToDisk(path());
        QFAIL("an unwritable pile was saved");
    } catch (const LogicErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_SERIALIZING_ERROR));
    }
    QCOMPARE(readAll(path()), previous);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zuvdata.zuv")});
}

void TestDataFile::unwritablePlaces()
{
    ClientStorage record;
    record.setDefaultValues();
    QCOMPARE(record.saveToDisk(path(QStringLiteral("no such folder/zuvdata.zuv"))), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.zuv")));
    QCOMPARE(record.saveToDisk(path(QStringLiteral("folder.zuv"))), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QVERIFY(QFileInfo(path(QStringLiteral("folder.zuv"))).isDir());

    // File permissions do not bind the superuser: run by root, the rest runs
    // as the user nobody (real user too, which access() asks for).
    const bool root = geteuid() == 0;
    const passwd* nobody = getpwnam("nobody");
    if (root && (!nobody || chown(QFile::encodeName(dir->path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                 setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0))
        QSKIP("file permissions do not bind the superuser, and the user nobody is not to be had");
    const auto backToRoot = qScopeGuard([root] {
        if (root && setresuid(0, 0, 0) != 0)
            qFatal("cannot become the superuser again");
    });
    QCOMPARE(richRecord().saveToDisk(path()), 0);
    const QByteArray previous = readAll(path());
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    QCOMPARE(record.saveToDisk(path()), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QCOMPARE(readAll(path()), previous);

    // A folder that takes no new file, around a file that may be written: the
    // file is written in place. A record that cannot be written still leaves
    // the previous content as it was.
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ClientStorage broken = richRecord();
    broken.Sessions[1].purse.append(CoinPile{2, 2, 0});
    QVERIFY_THROWS_EXCEPTION(LogicErr, broken.saveToDisk(path()));
    const QByteArray afterFailure = readAll(path());
    const int code = record.saveToDisk(path());
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(afterFailure, previous);
    QCOMPARE(code, 0);
    ClientStorage reread;
    QCOMPARE(reread.loadFromDisk(path()), 0);
    QCOMPARE(reread.Membernumber, record.Membernumber);

    // A file we may not read is no missing file: it is kept aside, not replaced.
    const QByteArray current = readAll(path());
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    QCOMPARE(reread.loadFromDisk(path()), int(ZUV_FILE_NOT_EXIST));
    QCOMPARE(record.saveToDisk(path()), 0);
    QFile::setPermissions(path(QStringLiteral("zuvdata.zuv.damaged")), QFileDevice::ReadOwner);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), current);
}

void TestDataFile::ownerOnlyPermissions()
{
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto mask = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    ClientStorage record;
    record.setDefaultValues();
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(QFile::permissions(path()) & mask, ownerOnly);

    // An older file readable by everybody gets closed too.
    QFile::setPermissions(path(), ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(QFile::permissions(path()) & mask, ownerOnly);
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
