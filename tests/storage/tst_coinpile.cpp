#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/coinpile.h"

#include <QtTest>

class TestCoinPile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compactBytes_data();
    void compactBytes();
    void malformedBytesAreRefused_data();
    void malformedBytesAreRefused();
    void databaseValueLists();
};

void TestCoinPile::compactBytes_data()
{
    QTest::addColumn<quint32>("coin");
    QTest::addColumn<quint32>("country");
    QTest::addColumn<quint32>("count");
    QTest::addColumn<QList<quint8>>("bytes");

    QTest::newRow("one 10c of Germany") << 3u << 5u << 1u << QList<quint8>{0x2B, 0x01};
    QTest::newRow("largest one-byte count") << 7u << 15u << 127u << QList<quint8>{0x7F, 0x7F};
    QTest::newRow("128 needs two bytes") << 0u << 0u << 128u << QList<quint8>{0x00, 0x80, 0x01};
    QTest::newRow("300") << 0u << 0u << 300u << QList<quint8>{0x00, 0xAC, 0x02};
    // An exact power of 128 starts a new digit; a log-based digit count tends to miss it.
    QTest::newRow("128^4") << 1u << 2u << 268435456u << QList<quint8>{0x11, 0x80, 0x80, 0x80, 0x80, 0x01};
    QTest::newRow("largest count, country 31")
        << 0u << 31u << 4294967295u << QList<quint8>{0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F};
}

void TestCoinPile::compactBytes()
{
    QFETCH(quint32, coin);
    QFETCH(quint32, country);
    QFETCH(quint32, count);
    QFETCH(QList<quint8>, bytes);

    const CoinPile pile{coin, country, count};
    QCOMPARE(pile.serialize(), bytes);
    QCOMPARE(deserialize(bytes), pile);
}

void TestCoinPile::malformedBytesAreRefused_data()
{
    QTest::addColumn<QList<quint8>>("bytes");
    QTest::newRow("ends while a byte is announced") << QList<quint8>{0x2B, 0x81};
    QTest::newRow("one byte too many") << QList<quint8>{0x2B, 0x01, 0x00};
    QTest::newRow("no count byte") << QList<quint8>{0x2B};
    QTest::newRow("nothing") << QList<quint8>{};
}

void TestCoinPile::malformedBytesAreRefused()
{
    QFETCH(QList<quint8>, bytes);
    try {
        deserialize(bytes);
        QFAIL("malformed bytes were decoded");
    } catch (const LogicErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_DESERIALIZING_ERROR));
    }
}

void TestCoinPile::databaseValueLists()
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

QTEST_GUILESS_MAIN(TestCoinPile)
#include "tst_coinpile.moc"
