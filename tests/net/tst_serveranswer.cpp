#include "common/constants.h"
#include "common/exceptions.h"
#include "net/serveranswer.h"

#include <QDataStream>
#include <QTextStream>
#include <QtTest>

namespace {

QByteArray written(const ServerAnswer& answer)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << answer;
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

QByteArray withVersion(QByteArray bytes, quint16 version)
{
    bytes[0] = char(version >> 8);
    bytes[1] = char(version & 0xFF);
    return bytes;
}

// An answer with every number set and all texts empty.
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

// Every field but the version, which the writer always sets to its own.
void compareFields(const ServerAnswer& a, const ServerAnswer& b)
{
    QCOMPARE(written(a), written(b));
}

} // namespace

class TestServerAnswer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyTextsGiveTheSixtySixByteRecord();
    void textsAreScrambledByteStrings();
    void versionsOutsideTheSupportedRangeAreRefused();
    void damagedRecordsAreRefusedWithoutAllocating();
    void debugTextFormListsEveryField();
};

void TestServerAnswer::emptyTextsGiveTheSixtySixByteRecord()
{
    const ServerAnswer answer = numbersOnly();
    const QByteArray expected = QByteArray::fromHex("006b"     // version, always 107
                                                    "21"       // flags
                                                    "00000000" // serverAddress
                                                    "11ca"     // serverPort 4554
                                                    "00000000" // ftpServer
                                                    "00000000" // downloadLocation
                                                    "00003039" // memberNumber 12345
                                                    "00000000" // welcome
                                                    "00256b53" // memberSince: Julian day 2452307
                                                    "000005dc" //   and 1500 ms after midnight
                                                    "006c"     // newestVersion 108
                                                    "0007"     // lastTxtMessage
                                                    "0009"     // lastPicture
                                                    "0005"     // lastAnalysisPage
                                                    "00256b53" // nextSessionDate
                                                    "000003e8" // numMembers
                                                    "000007d0" // numPurses
                                                    "075bcd15" // totalSumCents 123456789
                                                    "05"       // lastUploadCountry
                                                    "00000000" // serverMessage
                                                    "00000000" // personalMessage
    );
    QCOMPARE(expected.size(), 66);
    QCOMPARE(written(answer), expected);
    QCOMPARE(sizeOf(answer), 66u);

    ServerAnswer back;
    QCOMPARE(readCode(expected, &back), 0u);
    QCOMPARE(back.version, quint16(107));
    compareFields(back, answer);

    // Null dates travel as day 0 and come back null.
    ServerAnswer undated = answer;
    undated.memberSince = QDateTime();
    undated.nextSessionDate = QDate();
    const QByteArray bytes = written(undated);
    QCOMPARE(bytes.mid(25, 4), QByteArray::fromHex("00000000"));
    QCOMPARE(bytes.mid(41, 4), QByteArray::fromHex("00000000"));
    QCOMPARE(readCode(bytes, &back), 0u);
    QVERIFY(back.nextSessionDate.isNull());
    QVERIFY(!back.memberSince.isValid());
}

void TestServerAnswer::textsAreScrambledByteStrings()
{
    ServerAnswer answer = numbersOnly();
    answer.serverAddress = "abc";
    QCOMPARE(written(answer).mid(3, 7), QByteArray::fromHex("00000003aeabac"));
    QCOMPARE(sizeOf(answer), 69u);

    // Every byte value survives the trip, in every text field.
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes.push_back(char(b));
    answer.ftpServer = "ftp.example.org";
    answer.downloadLocation = "http://example.org/download";
    answer.welcome = "Welcome, new member!";
    answer.serverMessage = allBytes;
    answer.personalMessage = std::string("\0personal\0", 10);
    ServerAnswer back;
    QCOMPARE(readCode(written(answer), &back), 0u);
    compareFields(back, answer);
}

void TestServerAnswer::versionsOutsideTheSupportedRangeAreRefused()
{
    const QByteArray bytes = written(numbersOnly());
    ServerAnswer back;
    QCOMPARE(readCode(withVersion(bytes, 104), &back), unsigned(TCP_SERVER_ANSWER_TOO_OLD_FORMAT));
    QCOMPARE(readCode(withVersion(bytes, 200), &back), unsigned(TCP_SERVER_ANSWER_TOO_NEW_FORMAT));
    // The version is unsigned: 0xFFFF is far too new, not "minus one".
    QCOMPARE(readCode(withVersion(bytes, 0xFFFF), &back), unsigned(TCP_SERVER_ANSWER_TOO_NEW_FORMAT));

    QCOMPARE(readCode(withVersion(bytes, 105), &back), 0u);
    QCOMPARE(back.version, quint16(105));
    compareFields(back, numbersOnly());
    QCOMPARE(readCode(withVersion(bytes, 199), &back), 0u);
    QCOMPARE(back.version, quint16(199));
}

void TestServerAnswer::damagedRecordsAreRefusedWithoutAllocating()
{
    ServerAnswer answer = numbersOnly();
    answer.welcome = "hello";
    answer.personalMessage = "bye";
    const QByteArray bytes = written(answer);

    // Cut anywhere, the record is refused; never read with made-up fields.
    for (int length = 0; length < bytes.size(); ++length)
        QCOMPARE(readCode(bytes.left(length)), unsigned(TCP_SERVER_HAS_BAD_DATA_FORMAT));

    // A text announcing 2 GiB in a short record fails at once.
    QByteArray huge = bytes;
    huge.replace(3, 4, QByteArray::fromHex("7fffffff"));
    QCOMPARE(readCode(huge), unsigned(TCP_SERVER_HAS_BAD_DATA_FORMAT));
    huge.replace(3, 4, QByteArray::fromHex("ffffffff"));
    QCOMPARE(readCode(huge), unsigned(TCP_SERVER_HAS_BAD_DATA_FORMAT));
    // The last text one byte longer than what is left.
    QByteArray overlong = bytes;
    overlong[bytes.size() - 4] = char(4);
    QCOMPARE(readCode(overlong), unsigned(TCP_SERVER_HAS_BAD_DATA_FORMAT));
}

void TestServerAnswer::debugTextFormListsEveryField()
{
    ServerAnswer answer = numbersOnly();
    answer.version = 107;
    answer.serverAddress = "srv";
    answer.welcome = "hi";
    answer.memberSince = QDateTime(QDate(2002, 2, 1), QTime(0, 0));
    answer.serverMessage = "news";
    QString text;
    QTextStream s(&text);
    s << answer;
    s.flush();
    QCOMPARE(text, QStringLiteral("10733srv4554") + QStringLiteral("12345hi") +
                       QStringLiteral("Fri Feb 1 00:00:00 2002") + QStringLiteral("108795") +
                       QStringLiteral("Fri Feb 1 2002") + QStringLiteral("100020001234567895news"));
}

QTEST_GUILESS_MAIN(TestServerAnswer)
#include "tst_serveranswer.moc"
