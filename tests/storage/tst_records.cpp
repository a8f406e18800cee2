#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/clientstorage.h"
#include "storage/session.h"
#include <QBuffer>
#include <QTemporaryFile>
#include <QtTest>

namespace {
const QDateTime FEB_FIRST(QDate(2002, 2, 1), QTime(0, 0));

QByteArray bytesOf(const Session& session)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << session;
    return bytes;
}

QByteArray patched(QByteArray bytes, qsizetype at, const char* hex)
{
    const QByteArray replacement = QByteArray::fromHex(hex);
    return bytes.replace(at, replacement.size(), replacement);
}

// An empty session with one pile whose count runs over thousands of
// continuation bytes (1 cent), and a pile of three 2 Euro coins after it.
QByteArray overlongPile()
{
    QByteArray bytes = bytesOf(Session(0, FEB_FIRST, 107)).chopped(2);
    bytes += QByteArray::fromHex("00020081") + QByteArray(9000, char(0x80)) + QByteArray::fromHex("003703");
    return patched(bytes, 10, "00000259"); // 1 cent + 3 x 2 Euro
}

Session sessionWorth(unsigned cents)
{
    Session session(0, FEB_FIRST.addSecs(cents), 107);
    session.insertCoins(0, 1, cents);
    return session;
}

ClientStorage recordWithSessions(int count, quint16 fullPurses, quint32 member)
{
    ClientStorage record;
    record.setDefaultValues();
    record.Membernumber = member;
    record.NumFullPurses = fullPurses;
    for (int i = 0; i < count; ++i)
        record.Sessions.append(sessionWorth(member * 10 + unsigned(i) + 1));
    record.TotalEvents.insert(quint16(member), member);
    record.InvitationList.append(InvitedPerson{"friend", "f@x.org", quint8(member), false});
    return record;
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void purseAndItsValue();
    void roundTrip();
    void reading_data();
    void reading();
    void longLists();
    void defaults();
    void mergeAndCopies();
    void equalityLooksAtEveryField();
};

void TestRecords::purseAndItsValue()
{
    Session session;
    QCOMPARE(session.version, quint16(107));
    QVERIFY(qAbs(session.entryDateTime.secsTo(QDateTime::currentDateTime())) < 60);
    session.observation.append(UserEvent{12, 3});
    session.insertCoins(4, 2, 3);
    session.insertCoins(CoinPile{7, 0, 1});
    QCOMPARE(session.sumOfCents(), 260u);
    QCOMPARE(session.purse.last(), (CoinPile{7, 0, 1}));
    session.emptyPurse();
    QCOMPARE(session.sumOfCents(), 0u);
    QVERIFY(session.purse.isEmpty());
    QCOMPARE(session.observation.size(), 1);
    // Whole cents: 29 * 0.01 * 100 would truncate to 28 in doubles. The sum wraps modulo 2^32.
    session.insertCoins(0, 0, 29);
    QCOMPARE(session.sumOfCents(), 29u);
    session.insertCoins(7, 1, 4294967295u);
    QCOMPARE(session.sumOfCents(), 4294967125u);
    try {
        session.insertCoins(8, 0, 1);
        QFAIL("a coin without value was counted");
    } catch (const LogicErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_IMPLEMENTATION_CHAOS));
    }

    // To the count table and back; decoded piles can name national sides the
    // table has no row for, and the last pile of a cell is the one it holds.
    session.emptyPurse();
    session.insertCoins(1, 2, 4);
    session.insertCoins(7, 14, 1);
    session.insertCoins(1, 2, 6);
    session.insertCoins(0, 31, 5);
    session.insertCoins(2, 15, 5);
    PurseArray counts = session.PurseToCounttableArray();
    QCOMPARE(counts.size(), size_t(8));
    unsigned total = 0;
    for (const auto& row : counts) {
        QCOMPARE(row.size(), size_t(15));
        for (unsigned count : row)
            total += count;
    }
    QCOMPARE(counts[1][2], 6u);
    QCOMPARE(total, 7u);
    counts[1][2] = 0;
    counts[0][14] = 9;
    session.SetPurseFromCounttableArray(counts);
    QCOMPARE(session.purse, (QList<CoinPile>{{0, 14, 9}, {7, 14, 1}}));
    QCOMPARE(session.sumOfCents(), 209u);
    session.SetPurseFromCounttableArray(PurseArray(8, std::vector<unsigned int>(15, 0)));
    QVERIFY(session.purse.isEmpty());
    QCOMPARE(session.sumOfCents(), 0u);

    // A record's value is that of its sessions, modulo 2^32 too.
    ClientStorage record;
    QCOMPARE(record.totalSumOfCents(), 0u);
    record.Sessions = {sessionWorth(160), sessionWorth(9), Session(4294967295u - 100, FEB_FIRST, 107)};
    QCOMPARE(record.totalSumOfCents(), 68u);
}

void TestRecords::roundTrip()
{
    QCOMPARE(bytesOf(Session(0, FEB_FIRST, 150)), QByteArray::fromHex("006b00256b53"
                                                                      "0000000000000000000000000000"));

    Session written(0, FEB_FIRST.addMSecs(43200001), 150);
    written.observation = {UserEvent{100, 7}, UserEvent{-1, 65535}};
    written.insertCoins(3, 5, 1);
    written.insertCoins(0, 0, 300);
    const QByteArray bytes = bytesOf(written);
    QCOMPARE(bytes, QByteArray::fromHex("006b00256b5302932e01000001360000000200000064"
                                        "0007ffffffffffff00022b0100ac02"));

    QDataStream in(bytes);
    Session read(5, QDateTime(), 0);
    read.insertCoins(7, 7, 7);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.sumOfCents(), 310u);
    written.version = 107;
    QCOMPARE(read, written);
}

void TestRecords::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code"); // 0: read
    QTest::addColumn<QList<CoinPile>>("purse");

    Session tenCents(0, FEB_FIRST, 107);
    tenCents.insertCoins(3, 5, 1);
    const QByteArray good = bytesOf(tenCents);
    const QList<CoinPile> ten{{3, 5, 1}};
    // Refusals of versions and of a changed count: the data file test.
    QTest::newRow("version 105") << patched(good, 0, "0069") << 0 << ten;
    QTest::newRow("version 199") << patched(good, 0, "00c7") << 0 << ten;
    // Refused before anything is reserved for it.
    QTest::newRow("impossible event count") << patched(good, 14, "7fffffff") << int(ZUV_BAD_FILE_FORMAT) << ten;
    // Read to its end like any other (the count wraps as it always did); cut short, refused.
    const QByteArray overlong = overlongPile();
    const QList<CoinPile> overlongPurse{{0, 0, 1}, {7, 6, 3}};
    QTest::newRow("overlong pile") << overlong << 0 << overlongPurse;
    for (const qsizetype cut : {qsizetype(100), qsizetype(5000), overlong.size() - 3, overlong.size() - 1})
        QTest::addRow("overlong pile cut to %d", int(cut)) << overlong.left(cut) << int(ZUV_BAD_FILE_FORMAT) << ten;
}

// Refused bytes leave the session that was to be read as it was.
void TestRecords::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QFETCH(QList<CoinPile>, purse);
    Session read(0, QDateTime(), 0);
    read.insertCoins(3, 5, 1);
    const Session before = read;
    QDataStream in(bytes);
    try {
        in >> read;
        QCOMPARE(code, 0);
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QCOMPARE(read.version, quint16((quint8(bytes[0]) << 8) | quint8(bytes[1])));
    } catch (const StreamErr& e) {
        QCOMPARE(int(e.code()), code);
        QCOMPARE(read, before);
    }
    QCOMPARE(read.purse, purse);
}

void TestRecords::longLists()
{
    // The most piles a session can have, of every length from 2 to 6 bytes,
    // so that piles end and begin at every place of the reader's blocks; a
    // second session behind it must be read from exactly the right byte,
    // from memory and from a file.
    Session big(0, FEB_FIRST, 107);
    const quint32 counts[] = {1, 300, 20000, 3000000, 0xFFFFFFFFu, 127, 128};
    for (int i = 0; i < 65535; ++i)
        big.insertCoins(i % 8, (i / 8) % 15, counts[i % 7]);
    Session small(0, FEB_FIRST.addDays(1), 107);
    small.insertCoins(6, 14, 2);
    const QList<Session> written{big, small};
    QByteArray piles;
    QDataStream pilesOut(&piles, QIODevice::WriteOnly);
    toStream(pilesOut, written);
    piles.append("tail");
    QTemporaryFile file;
    QVERIFY(file.open());
    QCOMPARE(file.write(piles), piles.size());
    QVERIFY(file.seek(0));
    QBuffer buffer(&piles);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    for (QIODevice* device : {static_cast<QIODevice*>(&buffer), static_cast<QIODevice*>(&file)}) {
        QDataStream pilesIn(device);
        QList<Session> readPiles;
        InitializeFromStream(pilesIn, readPiles);
        QCOMPARE(readPiles, written);
        QCOMPARE(readPiles[0].sumOfCents(), big.sumOfCents());
        QCOMPARE(device->readAll(), QByteArray("tail"));
    }
}

// The fixed fields up to MemberSince are checked byte by byte in the data file
// test, the rest as the record view prints them.
void TestRecords::defaults()
{
    ClientStorage record = recordWithSessions(2, 5, 77);
    record.RecommenderMembernumbers = {1, 2};
    record.setDefaultValues();

    const QDateTime feb(QDate(2002, 2, 1), QTime(0, 0, 0, 0));
    QVERIFY(!record.RecommenderName.isNull() && !record.PostalCode.isNull() && !record.Message.isNull());
    QVERIFY(!record.NecessarySettingsOK());
    QVERIFY(record.LastUpload == feb && record.LastDataAnalysisRead == feb);
    QVERIFY(record.FavouriteCoin < 120);
    QCOMPARE(record.NumFullPurses, quint16(0));
    QVERIFY(record.RecommenderMembernumbers.isEmpty() && record.Sessions.isEmpty() && record.TotalEvents.isEmpty() &&
            record.InvitationList.isEmpty());

    for (int twice = 0; twice < 2; ++twice) {
        record.setNecessarySettingsOK(true);
        QCOMPARE(record.SettingsFlags, quint16(0x010C));
        QVERIFY(record.NecessarySettingsOK());
    }
    record.setNecessarySettingsOK(false);
    QCOMPARE(record.SettingsFlags, quint16(0x0108));
}

void TestRecords::mergeAndCopies()
{
    ClientStorage older = recordWithSessions(3, 2, 1);
    const ClientStorage newer = recordWithSessions(2, 1, 2);
    const QList<Session> olderSessions = older.Sessions;
    older.MergeWithNewSessions(newer);

    QCOMPARE(older.Sessions.size(), 5);
    QCOMPARE(older.Sessions.mid(0, 3), olderSessions);
    QCOMPARE(older.Sessions.mid(3), newer.Sessions);
    QCOMPARE(older.NumFullPurses, quint16(3));
    QCOMPARE(older.Membernumber, 2u);
    QCOMPARE(older.TotalEvents, newer.TotalEvents); // replaced, not added
    QCOMPARE(older.InvitationList, newer.InvitationList);

    // The purse counter is 16 bits wide.
    ClientStorage full = recordWithSessions(0, 65535, 3);
    full.MergeWithNewSessions(recordWithSessions(0, 2, 4));
    QCOMPARE(full.NumFullPurses, quint16(1));

    // Merging a record into itself holds its sessions twice.
    ClientStorage self = recordWithSessions(2, 1, 5);
    self.MergeWithNewSessions(self);
    QCOMPARE(self.Sessions.size(), 4);
    QCOMPARE(self.Sessions[2], self.Sessions[0]);
    QCOMPARE(self.NumFullPurses, quint16(2));

    // Copies are equal; assignment replaces everything, adding no sessions to the old ones.
    ClientStorage source = recordWithSessions(3, 4, 9);
    source.Version = 150;
    QVERIFY(ClientStorage(source) == source);
    ClientStorage target = recordWithSessions(2, 7, 1);
    target = source;
    QVERIFY(target == source);
    ClientStorage& alias = target;
    target = alias;
    QVERIFY(target == source);
}

void TestRecords::equalityLooksAtEveryField()
{
    ClientStorage base = recordWithSessions(2, 1, 3);
    base.Sessions[0].insertCoins(4, 5, 6);
    base.Sessions[0].observation.append(UserEvent{5, 9});
    // A session's value in cents is not compared.
    ClientStorage same = base;
    same.Sessions[0] = Session(999, base.Sessions[0].entryDateTime, 107);
    same.Sessions[0].purse = base.Sessions[0].purse;
    same.Sessions[0].observation = base.Sessions[0].observation;
    QVERIFY(same == base);

    const QList<std::function<void(ClientStorage&)>> changes = {
        [](ClientStorage& r) { r.Version = 106; },
        [](ClientStorage& r) { r.RecommenderMembernumbers.append(4); },
        [](ClientStorage& r) { r.GuessWhenArrivaldateMonth = 3; },
        [](ClientStorage& r) { r.FTPServer = "ftp"; },
        [](ClientStorage& r) { r.LastDataAnalysisRead = QDateTime(); },
        [](ClientStorage& r) { r.WindowPositionSize.size = QSize(1, 1); },
        [](ClientStorage& r) { r.TotalEvents[1] = 1; },
        [](ClientStorage& r) { r.Sessions[1].purse[0].count = 2; },
        [](ClientStorage& r) { std::swap(r.Sessions[0].purse[0], r.Sessions[0].purse[1]); },
        [](ClientStorage& r) { r.Sessions[0].observation[0].id = 10; },
        [](ClientStorage& r) { r.Sessions[0].entryDateTime = r.Sessions[0].entryDateTime.addMSecs(1); },
        [](ClientStorage& r) { r.Sessions[0].version = 108; },
        [](ClientStorage& r) { r.InvitationList[0].uploaded = true; },
    };
    for (int i = 0; i < changes.size(); ++i) {
        ClientStorage changed = base;
        changes[i](changed);
        QVERIFY2(changed != base, qPrintable(QString::number(i)));
    }
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
