#include "common/errorcodes.h"
#include "common/exceptions.h"
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

PurseArray emptyArray()
{
    return PurseArray(8, std::vector<unsigned int>(15, 0));
}
} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructors();
    void valueInCents();
    void purseFromCountTable();
    void purseToCountTable();
    void equality();
    void roundTripRecomputesTheSum();
    void checkSumMismatchIsRefused();
    void versionsOutsideTheRangeAreRefused();
    void impossibleEventCountIsRefused();
    void fortyThousandSessions();
    void pilesAcrossBlocksAndOverlongPiles();
};

void TestSession::constructors()
{
    const Session fresh;
    QCOMPARE(fresh.version, quint16(107));
    QVERIFY(qAbs(fresh.entryDateTime.secsTo(QDateTime::currentDateTime())) < 60);
    QVERIFY(fresh.purse.isEmpty() && fresh.observation.isEmpty());
    QCOMPARE(fresh.sumOfCents(), 0u);
}

void TestSession::valueInCents()
{
    Session session;
    session.observation.append(UserEvent{12, 3});
    session.insertCoins(4, 2, 3);
    QCOMPARE(session.sumOfCents(), 60u);
    session.insertCoins(CoinPile{7, 0, 1});
    QCOMPARE(session.sumOfCents(), 260u);
    QCOMPARE(session.purse.last(), (CoinPile{7, 0, 1}));
    session.emptyPurse();
    QCOMPARE(session.sumOfCents(), 0u);
    QVERIFY(session.purse.isEmpty());
    QCOMPARE(session.observation.size(), 1);

    // Whole cents: 29 * 0.01 * 100 would truncate to 28 in doubles.
    session.insertCoins(0, 0, 29);
    QCOMPARE(session.sumOfCents(), 29u);
    session.insertCoins(3, 0, 7);
    QCOMPARE(session.sumOfCents(), 99u);
    // The sum wraps modulo 2^32.
    session.emptyPurse();
    session.insertCoins(7, 1, 4294967295u);
    QCOMPARE(session.sumOfCents(), 4294967096u);

    try {
        session.insertCoins(8, 0, 1);
        QFAIL("a coin without value was counted");
    } catch (const LogicErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_IMPLEMENTATION_CHAOS));
    }
}

void TestSession::purseFromCountTable()
{
    Session session;
    session.insertCoins(1, 1, 1);
    session.SetPurseFromCounttableArray(emptyArray());
    QVERIFY(session.purse.isEmpty());
    QCOMPARE(session.sumOfCents(), 0u);

    PurseArray counts = emptyArray();
    counts[6][5] = 2;
    counts[0][14] = 9;
    session.SetPurseFromCounttableArray(counts);
    QCOMPARE(session.purse, (QList<CoinPile>{{0, 14, 9}, {6, 5, 2}}));
    QCOMPARE(session.sumOfCents(), 209u);
}

void TestSession::purseToCountTable()
{
    Session session;
    session.insertCoins(1, 2, 4);
    session.insertCoins(7, 14, 1);
    session.insertCoins(1, 2, 6);
    // Decoded piles can name national sides the table has no row for.
    session.insertCoins(0, 31, 5);
    session.insertCoins(2, 15, 5);

    const PurseArray counts = session.PurseToCounttableArray();
    QCOMPARE(counts.size(), size_t(8));
    unsigned total = 0;
    for (const auto& row : counts) {
        QCOMPARE(row.size(), size_t(15));
        for (unsigned count : row)
            total += count;
    }
    QCOMPARE(counts[1][2], 6u);
    QCOMPARE(counts[7][14], 1u);
    QCOMPARE(total, 7u);
}

void TestSession::equality()
{
    Session a(0, FEB_FIRST, 107);
    a.insertCoins(1, 2, 3);
    a.insertCoins(4, 5, 6);
    a.observation.append(UserEvent{5, 9});

    Session b(999, FEB_FIRST, 107);
    b.purse = a.purse;
    b.observation = a.observation;
    QVERIFY(a == b); // the value in cents is not compared

    Session reordered(0, FEB_FIRST, 107);
    reordered.insertCoins(4, 5, 6);
    reordered.insertCoins(1, 2, 3);
    reordered.observation = a.observation;
    QVERIFY(a != reordered);

    Session other = a;
    other.observation[0].id = 10;
    QVERIFY(a != other);
    other = a;
    other.entryDateTime = FEB_FIRST.addMSecs(1);
    QVERIFY(a != other);
}

void TestSession::roundTripRecomputesTheSum()
{
    QCOMPARE(bytesOf(Session(0, FEB_FIRST, 150)), QByteArray::fromHex("006b"
                                                                      "00256b53"
                                                                      "00000000"
                                                                      "00000000"
                                                                      "00000000"
                                                                      "0000"));

    Session written(0, FEB_FIRST.addMSecs(43200001), 150);
    written.observation = {UserEvent{100, 7}, UserEvent{-1, 65535}};
    written.insertCoins(3, 5, 1);
    written.insertCoins(0, 0, 300);
    QCOMPARE(written.sumOfCents(), 310u);

    const QByteArray bytes = bytesOf(written);
    QCOMPARE(bytes, QByteArray::fromHex("006b"
                                        "00256b53"
                                        "02932e01"
                                        "00000136"
                                        "00000002"
                                        "00000064"
                                        "0007"
                                        "ffffffff"
                                        "ffff"
                                        "0002"
                                        "2b01"
                                        "00ac02"));

    QDataStream in(bytes);
    Session read(5, QDateTime(), 0);
    read.insertCoins(7, 7, 7);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.version, quint16(107));
    QCOMPARE(read.sumOfCents(), 310u);
    written.version = 107;
    QCOMPARE(read, written);
}

void TestSession::checkSumMismatchIsRefused()
{
    Session written(0, FEB_FIRST, 107);
    written.insertCoins(3, 5, 1);
    QByteArray bytes = bytesOf(written);
    bytes[bytes.size() - 1] = 0x02; // two coins instead of one: 20 cents against the stored 10

    QDataStream in(bytes);
    Session read(0, QDateTime(), 0);
    try {
        in >> read;
        QFAIL("a wrong check sum was accepted");
    } catch (const StreamErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS));
    }
    QVERIFY(read.purse.isEmpty());
    QCOMPARE(read.version, quint16(0));
}

void TestSession::versionsOutsideTheRangeAreRefused()
{
    const QByteArray good = bytesOf(Session(0, FEB_FIRST, 107));
    const QList<std::pair<quint16, unsigned>> cases = {{104, 0}, {200, 0}, {0xFFFF, 0}, {105, 1}, {199, 1}};
    for (const auto& [version, accepted] : cases) {
        QByteArray bytes = good;
        bytes[0] = char(version >> 8);
        bytes[1] = char(version & 0xFF);
        QDataStream in(bytes);
        Session read;
        try {
            in >> read;
            QVERIFY2(accepted, qPrintable(QString::number(version)));
            QCOMPARE(read.version, version);
        } catch (const StreamErr& e) {
            QVERIFY2(!accepted, qPrintable(QString::number(version)));
            QCOMPARE(e.code(), unsigned(version < 105 ? ZUV_BAD_FILE_TOO_OLD : ZUV_BAD_FILE_TOO_NEW));
        }
    }
}

void TestSession::impossibleEventCountIsRefused()
{
    // Refused before anything is reserved for it.
    QByteArray huge = bytesOf(Session(0, FEB_FIRST, 107));
    huge.replace(14, 4, QByteArray::fromHex("7fffffff"));
    QDataStream in(huge);
    Session read;
    try {
        in >> read;
        QFAIL("an impossible event count was accepted");
    } catch (const StreamErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_BAD_FILE_FORMAT));
    }
}

void TestSession::fortyThousandSessions()
{
    QList<Session> sessions(40000, Session(0, FEB_FIRST, 107));
    sessions[39999].insertCoins(2, 3, 4);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    toStream(out, sessions);
    QCOMPARE(bytes.left(2), QByteArray::fromHex("9c40"));

    QList<Session> read{Session()};
    QDataStream in(bytes);
    InitializeFromStream(in, read);
    QCOMPARE(read.size(), 40000);
    QCOMPARE(read.last().sumOfCents(), 20u);
    QCOMPARE(read, sessions);
    QVERIFY(in.atEnd());

    // A count of 65535 sessions with the data of only one is refused whole.
    QByteArray tooFew = QByteArray::fromHex("ffff") + bytesOf(Session(0, FEB_FIRST, 107));
    QDataStream shortIn(tooFew);
    QVERIFY_THROWS_EXCEPTION(StreamErr, InitializeFromStream(shortIn, read));
    QCOMPARE(read.size(), 40000);
}

void TestSession::pilesAcrossBlocksAndOverlongPiles()
{
    // The most piles a session can have, of every length from 2 to 6 bytes,
    // so that piles end and begin at every place of the reader's blocks; a
    // second session behind it must be read from exactly the right byte.
    Session big(0, FEB_FIRST, 107);
    const quint32 counts[] = {1, 300, 20000, 3000000, 0xFFFFFFFFu, 127, 128};
    for (int i = 0; i < 65535; ++i)
        big.insertCoins(i % 8, (i / 8) % 15, counts[i % 7]);
    Session small(0, FEB_FIRST.addDays(1), 107);
    small.insertCoins(6, 14, 2);
    const QList<Session> written{big, small};
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    toStream(out, written);
    bytes.append("tail");

    QTemporaryFile file;
    QVERIFY(file.open());
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.seek(0));
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    for (QIODevice* device : {static_cast<QIODevice*>(&buffer), static_cast<QIODevice*>(&file)}) {
        QDataStream in(device);
        QList<Session> read;
        InitializeFromStream(in, read);
        QCOMPARE(read, written);
        QCOMPARE(read[0].sumOfCents(), big.sumOfCents());
        QCOMPARE(device->readAll(), QByteArray("tail"));
    }

    // A pile whose count runs over thousands of continuation bytes is read
    // to its end like any other (the count wraps as it always did), and the
    // pile after it is found; cut short, it is refused.
    QByteArray overlong = bytesOf(Session(0, FEB_FIRST, 107));
    overlong.chop(2);
    overlong += QByteArray::fromHex("0002") + QByteArray::fromHex("0081") + QByteArray(9000, char(0x80)) +
                QByteArray::fromHex("00") + QByteArray::fromHex("3703");
    overlong.replace(10, 4, QByteArray::fromHex("00000259")); // 1 cent + 3 x 2 Euro
    QDataStream in(overlong);
    Session read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.purse, (QList<CoinPile>{CoinPile{0, 0, 1}, CoinPile{7, 6, 3}}));
    QVERIFY(in.atEnd());

    for (const qsizetype cut : {qsizetype(100), qsizetype(5000), overlong.size() - 3, overlong.size() - 1}) {
        QDataStream shortIn(overlong.left(cut));
        Session cutRead;
        try {
            shortIn >> cutRead;
            QFAIL(qPrintable(QStringLiteral("a session cut after %1 bytes was accepted").arg(cut)));
        } catch (const StreamErr& e) {
            QCOMPARE(e.code(), unsigned(ZUV_BAD_FILE_FORMAT));
        }
    }
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
