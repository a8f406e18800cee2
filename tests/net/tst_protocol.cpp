#include "common/constants.h"
#include "net/protocol.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QtTest>

class TestProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void uploadCarriesHeaderAndWholeRecord();
    void uploadLeavesTheLiveStorageAlone();
    void frameHeaderIsReadOnlyWhenComplete();
    void refusalCodeSitsBetweenParenthesisAndComma();
};

void TestProtocol::uploadCarriesHeaderAndWholeRecord()
{
    ClientStorage storage;
    storage.setDefaultValues();
    const QByteArray message = uploadMessage(storage);

    QCOMPARE(message.left(6), QByteArray::fromHex("80a3a524006b"));
    FrameHeader header;
    QVERIFY(parseFrameHeader(message, header));
    QVERIFY(header.hasMagic());
    QCOMPARE(header.version, quint16(107));
    QCOMPARE(qint64(header.bodyLength), qint64(message.size() - FRAME_HEADER_SIZE));
    QCOMPARE(header.bodyLength, sizeOf(storage));

    // The body is the record as the data file holds it.
    QByteArray record;
    QDataStream s(&record, QIODevice::WriteOnly);
    s << storage;
    QCOMPARE(message.mid(FRAME_HEADER_SIZE), record);

    // Sessions and settings travel too.
    storage.Membernumber = 4711;
    storage.Sessions.append(Session());
    const QByteArray longer = uploadMessage(storage);
    QVERIFY(parseFrameHeader(longer, header));
    QCOMPARE(qint64(header.bodyLength), qint64(longer.size() - FRAME_HEADER_SIZE));
    QVERIFY(longer.size() > message.size());
    QCOMPARE(longer.mid(FRAME_HEADER_SIZE + 2, 4), QByteArray::fromHex("00001267"));
}

void TestProtocol::uploadLeavesTheLiveStorageAlone()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Version = 105; // as loaded from an older file
    storage.Sessions.append(Session());
    const ClientStorage before = storage;

    const QByteArray message = uploadMessage(storage);
    // The record goes out in today's format ...
    QCOMPARE(message.mid(FRAME_HEADER_SIZE, 2), QByteArray::fromHex("006b"));
    // ... while the participant's state keeps what it had.
    QCOMPARE(storage.Version, quint16(105));
    QVERIFY(storage == before);
}

void TestProtocol::frameHeaderIsReadOnlyWhenComplete()
{
    const QByteArray header = frameHeaderBytes(DATAFILE_MAGIC, 107, 0x80000000u);
    QCOMPARE(header, QByteArray::fromHex("80a3a524006b80000000"));

    FrameHeader read;
    QVERIFY(!parseFrameHeader(header.left(FRAME_HEADER_SIZE - 1), read));
    QVERIFY(parseFrameHeader(header, read));
    QVERIFY(read.hasMagic());
    QCOMPARE(read.version, quint16(107));
    // Lengths are unsigned: 2^31 is far too much, not negative.
    QCOMPARE(read.bodyLength, 0x80000000u);
    QVERIFY(read.bodyLength > MAX_ANSWER_BODY_SIZE);

    QVERIFY(startsWithMagic(header));
    QVERIFY(!startsWithMagic(header.left(3)));
    QVERIFY(!startsWithMagic(QByteArray("ERR (16, too much\n")));
    QVERIFY(parseFrameHeader(QByteArray("0123456789"), read));
    QVERIFY(!read.hasMagic());
}

void TestProtocol::refusalCodeSitsBetweenParenthesisAndComma()
{
    unsigned code = 0;
    QVERIFY(refusalCode(QStringLiteral("xxxx(16, too much"), code));
    QCOMPARE(code, 16u);
    QVERIFY(
        refusalCode(QStringLiteral("Client had to close\n\nBecause server answered:\nERROR (33, bad format)\n"), code));
    QCOMPARE(code, 33u);
    // Only the first "(" counts, and the first "," after it.
    QVERIFY(refusalCode(QStringLiteral("a, b (34, ill (26, new"), code));
    QCOMPARE(code, 34u);
    QVERIFY(refusalCode(QStringLiteral("( 26 ,"), code));
    QCOMPARE(code, 26u);

    code = 99;
    QVERIFY(!refusalCode(QStringLiteral("no parenthesis 16, at all"), code));
    QVERIFY(!refusalCode(QStringLiteral("(16 and no comma"), code));
    QVERIFY(!refusalCode(QStringLiteral("(server, 16,"), code));
    QVERIFY(!refusalCode(QStringLiteral("(, 16"), code));
    QVERIFY(!refusalCode(QStringLiteral("(-5, negative"), code));
    QVERIFY(!refusalCode(QStringLiteral("(1 6, split"), code));
    QVERIFY(!refusalCode(QStringLiteral("(99999999999, too large"), code));
    QVERIFY(!refusalCode(QString(), code));
    QCOMPARE(code, 99u); // untouched when there is no code
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
