#include "common/constants.h"
#include "common/exceptions.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QTextStream>
#include <QtTest>

namespace {

template <typename Record> QByteArray written(const Record& record)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << record;
    return bytes;
}

// Reads bytes as an answer; returns the thrown code, or 0 when it was read.
unsigned readCode(const QByteArray& bytes, ServerAnswer* result = nullptr)
{
    ServerAnswer answer;
    try {
        QDataStream s(bytes);
        s >> answer;
    } catch (const StreamErr& failure) {
        return failure.code();
    }
    if (result)
        *result = answer;
    return 0;
}

// The answer record with every number set and all texts empty: 66 bytes.
ServerAnswer numbersOnly()
{
    ServerAnswer answer;
    answer.version = 3; // never written: the writer puts its own version
    answer.flags = 0x21;
    answer.serverPort = 4554;
    answer.memberNumber = 12345;
    answer.memberSince = QDateTime(QDate(2002, 2, 1), QTime(0, 0, 1, 500));
    answer.newestVersion = 108;
    answer.lastTxtMessage = 7;
    answer.lastPicture = 9;
    answer.lastAnalysisPage = 5;
    answer.nextSessionDate = QDate(2002, 2, 1);
    answer.numMembers = 1000;
    answer.numPurses = 2000;
    answer.totalSumCents = 123456789;
    answer.lastUploadCountry = 5;
    return answer;
}

const QByteArray numbersOnlyBytes = QByteArray::fromHex(
    "006b 21 00000000 11ca 00000000 00000000 00003039 00000000 00256b53 000005dc 006c 0007 0009 0005 00256b53 "
    "000003e8 000007d0 075bcd15 05 00000000 00000000");

} // namespace

// The bytes on the wire: the upload's frame, the server's answer record and
// the error code of a refusal.
class TestProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void uploadIsHeaderAndWholeRecordOfACopy();
    void frameHeaderIsReadOnlyWhenComplete();
    void answerRecordRoundTrip();
    void answerVersionsAndDamage();
    void refusalCodeSitsBetweenParenthesisAndComma();
};

void TestProtocol::uploadIsHeaderAndWholeRecordOfACopy()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Version = 105; // as loaded from an older file
    storage.Sessions.append(Session());
    const ClientStorage before = storage;
    const QByteArray message = uploadMessage(storage);

    // Magic, version 107 and the length of the record, which goes out in
    // today's format, as the data file holds it ...
    QCOMPARE(message.left(6), QByteArray::fromHex("80a3a524006b"));
    FrameHeader header;
    QVERIFY(parseFrameHeader(message, header));
    QCOMPARE(qint64(header.bodyLength), qint64(message.size() - FRAME_HEADER_SIZE));
    QCOMPARE(message.mid(FRAME_HEADER_SIZE), written(storage));
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
    QCOMPARE(read.bodyLength, 0x80000000u); // unsigned: far too much, not negative
    QVERIFY(startsWithMagic(header));
    QVERIFY(!startsWithMagic(header.left(3)));
    QVERIFY(parseFrameHeader(QByteArray("ERR (16, too"), read));
    QVERIFY(!read.hasMagic() && !startsWithMagic("ERR (16, too"));
}

void TestProtocol::answerRecordRoundTrip()
{
    ServerAnswer back;
    QCOMPARE(written(numbersOnly()), numbersOnlyBytes);
    QCOMPARE(sizeOf(numbersOnly()), 66u);
    QCOMPARE(readCode(numbersOnlyBytes, &back), 0u);
    QCOMPARE(back.version, quint16(107));
    QCOMPARE(written(back), numbersOnlyBytes);

    // Texts are scrambled byte strings; every byte value survives, in every
    // text field. Null dates travel as day 0 and come back null.
    ServerAnswer answer = numbersOnly();
    answer.serverAddress = "abc";
    QCOMPARE(written(answer).mid(3, 7), QByteArray::fromHex("00000003aeabac"));
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes.push_back(char(b));
    answer.ftpServer = "ftp.example.org";
    answer.downloadLocation = "http://example.org/download";
    answer.welcome = "Welcome, new member!";
    answer.serverMessage = allBytes;
    answer.personalMessage = std::string("\0personal\0", 10);
    answer.memberSince = QDateTime();
    answer.nextSessionDate = QDate();
    QCOMPARE(readCode(written(answer), &back), 0u);
    QCOMPARE(written(back), written(answer));
    QVERIFY(back.nextSessionDate.isNull() && !back.memberSince.isValid());

    // The debugging text form: every field, without separators.
    QString text;
    QTextStream stream(&text);
    stream << numbersOnly();
    stream.flush();
    QCOMPARE(text, QStringLiteral("333455412345Fri Feb 1 00:00:01 2002108795Fri Feb 1 2002100020001234567895"));
}

void TestProtocol::answerVersionsAndDamage()
{
    const QList<std::pair<QByteArray, unsigned>> cases = {
        {QByteArray::fromHex("0068") + numbersOnlyBytes.mid(2), TCP_SERVER_ANSWER_TOO_OLD_FORMAT}, // 104
        {QByteArray::fromHex("0069") + numbersOnlyBytes.mid(2), 0},                                // 105
        {QByteArray::fromHex("00c7") + numbersOnlyBytes.mid(2), 0},                                // 199
        {QByteArray::fromHex("00c8") + numbersOnlyBytes.mid(2), TCP_SERVER_ANSWER_TOO_NEW_FORMAT}, // 200
        {QByteArray::fromHex("ffff") + numbersOnlyBytes.mid(2), TCP_SERVER_ANSWER_TOO_NEW_FORMAT}, // unsigned
        // Cut short; a text announcing 2 GiB in a short record fails at once.
        {numbersOnlyBytes.left(65), TCP_SERVER_HAS_BAD_DATA_FORMAT},
        {numbersOnlyBytes.left(3) + QByteArray::fromHex("7fffffff") + numbersOnlyBytes.mid(7),
         TCP_SERVER_HAS_BAD_DATA_FORMAT},
        {numbersOnlyBytes.left(62) + QByteArray::fromHex("00000001"), TCP_SERVER_HAS_BAD_DATA_FORMAT},
    };
    for (const auto& [bytes, code] : cases) {
        ServerAnswer back;
        QCOMPARE(readCode(bytes, &back), code);
        if (code == 0)
            QCOMPARE(back.version, quint16(quint8(bytes.at(1))));
    }
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
