#include "storage/bytestring.h"
#include "storage/streamformat.h"

#include <QtTest>

namespace {
QByteArray written(const std::string& bytes)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream << bytes;
    return out;
}

std::string allBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(char(b));
    return bytes;
}
} // namespace

class TestByteString : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrambledBytes();
    void lengthBeyondTheDataIsRefused();
    void textFormIsLatin1();
    void textEncoding();
    void dateAndTimeEncoding();
};

void TestByteString::scrambledBytes()
{
    QCOMPARE(written("abc"), QByteArray::fromHex("00000003aeabac"));
    QCOMPARE(written(""), QByteArray::fromHex("00000000"));
    QCOMPARE(encrypt("\x0e\x0f"), std::string("\xff\x00", 2));

    const std::string plain = allBytes();
    const std::string scrambled = encrypt(plain);
    QCOMPARE(plain, allBytes()); // the argument is left alone
    QCOMPARE(decrypt(scrambled), plain);
    QVERIFY(scrambled != plain);

    const QByteArray bytes = written(plain) + written("");
    QDataStream in(bytes);
    std::string first = "old";
    std::string second = "old";
    in >> first >> second;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(first, allBytes());
    QCOMPARE(second, std::string());
}

void TestByteString::lengthBeyondTheDataIsRefused()
{
    const QList<QByteArray> cases = {QByteArray::fromHex("7fffffff616263"), QByteArray::fromHex("ffffffff"),
                                     QByteArray::fromHex("00000004aeabac"), QByteArray::fromHex("0000")};
    for (const QByteArray& bytes : cases) {
        QDataStream in(bytes);
        std::string read = "old";
        in >> read;
        QCOMPARE(in.status(), QDataStream::ReadPastEnd);
        QCOMPARE(read, std::string());
    }
}

void TestByteString::textFormIsLatin1()
{
    QString text;
    QTextStream out(&text);
    out << std::string("A\xe9\xff") << std::string() << std::string("b");
    out.flush();
    QCOMPARE(text, QString::fromUtf8("A\u00e9\u00ffb"));
}

void TestByteString::textEncoding()
{
    const QString sample = QString::fromUtf8("A\u00e9\u20ac");
    const QList<std::pair<QString, QByteArray>> cases = {
        {QString(), QByteArray::fromHex("ffffffff")},
        {QStringLiteral(""), QByteArray::fromHex("00000000")},
        {sample, QByteArray::fromHex("00000006"
                                     "0041"
                                     "00e9"
                                     "20ac")},
    };
    for (const auto& [text, expected] : cases) {
        QByteArray ours;
        QDataStream out(&ours, QIODevice::WriteOnly);
        writeText(out, text);
        QCOMPARE(ours, expected);
        QDataStream in(expected);
        const QString read = readText(in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read, text);
        QCOMPARE(read.isNull(), text.isNull());
    }

    QDataStream odd(QByteArray::fromHex("000000030041"));
    QVERIFY(readText(odd).isNull());
    QCOMPARE(odd.status(), QDataStream::ReadCorruptData);

    QDataStream huge(QByteArray::fromHex("7ffffffe0041"));
    QVERIFY(readText(huge).isNull());
    QCOMPARE(huge.status(), QDataStream::ReadPastEnd);
}

void TestByteString::dateAndTimeEncoding()
{
    const QDateTime noon(QDate(2002, 2, 1), QTime(12, 0, 0, 1));
    const QList<std::pair<QDateTime, QByteArray>> cases = {
        {QDateTime(QDate(2002, 2, 1), QTime(0, 0)), QByteArray::fromHex("00256b5300000000")},
        {noon, QByteArray::fromHex("00256b5302932e01")},
        {QDateTime(), QByteArray::fromHex("0000000000000000")},
    };
    for (const auto& [dateTime, expected] : cases) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        writeDateTime(out, dateTime);
        QCOMPARE(bytes, expected);
        QDataStream in(expected);
        const QDateTime read = readDateTime(in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read, dateTime);
        QCOMPARE(read.isNull(), dateTime.isNull());
    }

    // A day has 86400000 milliseconds.
    QDataStream pastMidnight(QByteArray::fromHex("00256b5305265c00"));
    QVERIFY(readDateTime(pastMidnight).isNull());
    QCOMPARE(pastMidnight.status(), QDataStream::ReadCorruptData);
}

QTEST_GUILESS_MAIN(TestByteString)
#include "tst_bytestring.moc"
