#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/bytestring.h"
#include "storage/coinpile.h"
#include "storage/streamformat.h"
#include <QtTest>

namespace {
// The three field kinds of the data file that are more than a number: byte
// strings (scrambled), texts and points in time, held in a QVariant.
enum Kind { Bytes, Text, Time };

QByteArray written(Kind kind, const QVariant& value)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    if (kind == Bytes)
        stream << value.toByteArray().toStdString();
    else if (kind == Text)
        writeText(stream, value.toString());
    else
        writeDateTime(stream, value.toDateTime());
    return out;
}

// What is read into a field that held something before.
QVariant read(Kind kind, const QByteArray& bytes, QDataStream::Status& status)
{
    QDataStream stream(bytes);
    QVariant value;
    if (kind == Bytes) {
        std::string field = "old";
        stream >> field;
        value = QByteArray::fromStdString(field);
    } else if (kind == Text) {
        value = readText(stream);
    } else {
        value = readDateTime(stream);
    }
    status = stream.status();
    return value;
}

} // namespace

class TestFieldFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fields_data();
    void fields();
    void scrambling();
    void compactBytes_data();
    void compactBytes();
    void databaseValueLists();
};

void TestFieldFormats::fields_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("value"); // read back; written when the status is Ok
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const auto row = [](const char* name, Kind kind, const QVariant& value, const char* hex,
                        QDataStream::Status status = QDataStream::Ok) {
        QTest::newRow(name) << int(kind) << value << QByteArray::fromHex(hex) << int(status);
    };
    row("bytes", Bytes, QByteArray("abc"), "00000003aeabac");
    row("bytes wrapping", Bytes, QByteArray("\x0e\x0f"), "00000002ff00");
    row("no bytes", Bytes, QByteArray(""), "00000000");
    row("bytes of 2 GiB", Bytes, QByteArray(""), "7fffffff616263", QDataStream::ReadPastEnd);
    row("bytes of 4 GiB", Bytes, QByteArray(""), "ffffffff", QDataStream::ReadPastEnd);
    row("one byte short", Bytes, QByteArray(""), "00000004aeabac", QDataStream::ReadPastEnd);
    row("length cut short", Bytes, QByteArray(""), "0000", QDataStream::ReadPastEnd);
    row("null text", Text, QString(), "ffffffff");
    row("empty text", Text, QStringLiteral(""), "00000000");
    row("text", Text, QString::fromUtf8("A\u00e9\u20ac"), "00000006004100e920ac");
    row("odd text length", Text, QString(), "000000030041", QDataStream::ReadCorruptData);
    row("text of 2 GiB", Text, QString(), "7ffffffe0041", QDataStream::ReadPastEnd);
    row("midnight", Time, QDateTime(QDate(2002, 2, 1), QTime(0, 0)), "00256b5300000000");
    row("a millisecond past noon", Time, QDateTime(QDate(2002, 2, 1), QTime(12, 0, 0, 1)), "00256b5302932e01");
    row("no time", Time, QDateTime(), "0000000000000000");
    // A day has 86400000 milliseconds.
    row("past midnight", Time, QDateTime(), "00256b5305265c00", QDataStream::ReadCorruptData);
}

void TestFieldFormats::fields()
{
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    if (status == QDataStream::Ok)
        QCOMPARE(written(Kind(kind), value), bytes);
    QDataStream::Status readStatus = QDataStream::Ok;
    const QVariant got = read(Kind(kind), bytes, readStatus);
    QCOMPARE(int(readStatus), status);
    QCOMPARE(got, value);
    if (kind == Text)
        QCOMPARE(got.toString().isNull(), value.toString().isNull());
}

void TestFieldFormats::scrambling()
{
    std::string plain;
    for (int b = 0; b < 256; ++b)
        plain.push_back(char(b));
    QVERIFY(encrypt(plain) != plain);
    QCOMPARE(decrypt(encrypt(plain)), plain);

    // As text, a byte is a Latin-1 character.
    QString text;
    QTextStream textOut(&text);
    textOut << std::string("A\xe9\xff") << std::string() << std::string("b");
    textOut.flush();
    QCOMPARE(text, QString::fromUtf8("A\u00e9\u00ffb"));
}

void TestFieldFormats::compactBytes_data()
{
    QTest::addColumn<CoinPile>("pile");
    QTest::addColumn<QList<quint8>>("bytes");
    QTest::addColumn<int>("code"); // of the refusal: of the pile when serializing, else of the bytes
    using B = QList<quint8>;
    QTest::newRow("one 10c of Germany") << CoinPile{3, 5, 1} << B{0x2B, 0x01} << 0;
    QTest::newRow("largest one-byte count") << CoinPile{7, 15, 127} << B{0x7F, 0x7F} << 0;
    QTest::newRow("128 needs two bytes") << CoinPile{0, 0, 128} << B{0x00, 0x80, 0x01} << 0;
    QTest::newRow("300") << CoinPile{0, 0, 300} << B{0x00, 0xAC, 0x02} << 0;
    // An exact power of 128 starts a new digit; a log-based digit count tends to miss it.
    QTest::newRow("128^4") << CoinPile{1, 2, 268435456} << B{0x11, 0x80, 0x80, 0x80, 0x80, 0x01} << 0;
    QTest::newRow("largest count, country 31")
        << CoinPile{0, 31, 4294967295u} << B{0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F} << 0;
    QTest::newRow("a pile of no coins") << CoinPile{2, 3, 0} << B{} << int(ZUV_SERIALIZING_ERROR);
    const int malformed = ZUV_DESERIALIZING_ERROR;
    QTest::newRow("ends while a byte is announced") << CoinPile{} << B{0x2B, 0x81} << malformed;
    QTest::newRow("one byte too many") << CoinPile{} << B{0x2B, 0x01, 0x00} << malformed;
    QTest::newRow("no count byte") << CoinPile{} << B{0x2B} << malformed;
    QTest::newRow("nothing") << CoinPile{} << B{} << malformed;
}

void TestFieldFormats::compactBytes()
{
    QFETCH(CoinPile, pile);
    QFETCH(QList<quint8>, bytes);
    QFETCH(int, code);
    try {
        if (code != ZUV_DESERIALIZING_ERROR)
            QCOMPARE(pile.serialize(), bytes);
        QCOMPARE(deserialize(bytes), pile);
        QCOMPARE(code, 0);
    } catch (const LogicErr& e) {
        QCOMPARE(int(e.code()), code);
    }
}

void TestFieldFormats::databaseValueLists()
{
    const QString countries = CoinPile::giveAllCoinCountriesAsTextTupels(QString());
    QVERIFY(countries.startsWith(QStringLiteral("(0,'Common Side'),(1,'Austria'),")));
    QVERIFY(countries.endsWith(QStringLiteral(",(14,'Spain'),(15,'Vatican')")));
    QCOMPARE(countries.count(QLatin1Char('(')), 16);

    QVERIFY(CoinPile::giveAllCoinCountriesAsTextTupels(QStringLiteral(",7"))
                .startsWith(QStringLiteral("(0,'Common Side',7),(1,'Austria',7),")));

    QCOMPARE(CoinPile::giveAllCoinValuesAsTextTripels(QStringLiteral(",x")),
             QStringLiteral("(1,0.01,'1c',x),(2,0.02,'2c',x),(3,0.05,'5c',x),(4,0.1,'10c',x),(5,0.2,'20c',x),"
                            "(6,0.5,'50c',x),(7,1,'1e',x),(8,2,'2e',x)"));
}

QTEST_GUILESS_MAIN(TestFieldFormats)
#include "tst_fieldformats.moc"
