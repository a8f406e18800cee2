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
    QCOMPARE(qint64(header.bodyLength), qint64(message.size() - FRAME_HEADER_SIZE));

    // The body is the record as the data file holds it.
    QByteArray record;
    QDataStream s(&record, QIODevice::WriteOnly);
    s << storage;
    QCOMPARE(message.mid(FRAME_HEADER_SIZE), record);
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
    // Only the first "(" counts, and the first "," after it; -1: no code.
    const QList<std::pair<QString, int>> cases = {
        {QStringLiteral("xxxx(16, too much"), 16},
        {QStringLiteral("Client had to close\n\nBecause server answered:\nERROR (33, bad format)\n"), 33},
        {QStringLiteral("a, b (34, ill (26, new"), 34},
        {QStringLiteral("( 26 ,"), 26},
        {QStringLiteral("no parenthesis 16, at all"), -1},
        {QStringLiteral("(16 and no comma"), -1},
        {QStringLiteral("(server, 16,"), -1},
        {QStringLiteral("(, 16"), -1},
        {QStringLiteral("(-5, negative"), -1},
        {QStringLiteral("(1 6, split"), -1},
        {QStringLiteral("(99999999999, too large"), -1},
        {QString(), -1},
    };
    for (const auto& [text, expected] : cases) {
        unsigned code = 99;
        QCOMPARE(refusalCode(text, code), expected >= 0);
        QCOMPARE(code, expected >= 0 ? unsigned(expected) : 99u); // untouched when there is no code
    }
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
