#include "common/boxscript.h"

#include "common/constants.h"
#include "common/messagebox.h"
#include "common/utilities.h"

#include <QtTest>

class TestCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorTexts();
    void emailCheck();
    void boxesGoThroughTheResponder();
};

void TestCommon::errorTexts()
{
    // Without help the participant is asked to write; a number no table holds
    // (a server may send one) reads like that instead of crashing.
    const QString noHelp = errorMessageAndSolution(0);
    QVERIFY(noHelp.startsWith(QStringLiteral("\n\nPlease write a short message\n")));
    QVERIFY(
        errorMessageAndSolution(ZUV_SERIALIZING_ERROR).startsWith(QStringLiteral("ZUV_SERIALIZING_ERROR") + noHelp));
    QCOMPARE(errorMessageAndSolution(NUM_ERROR_CODES), noHelp);
}

void TestCommon::emailCheck()
{
    // More than six characters, an "@" neither first nor last, a "." (the first one) not last.
    for (const QString& address : QStringLiteral("ab@d.fg a.b@host a@b.c.d .ab@cdef").split(QLatin1Char(' ')))
        QVERIFY2(isEmail(address), qPrintable(address));
    for (const QString& address :
         QStringLiteral("a@b.cd @abc.def abc.def@ ab@cdef. abcdefgh.ij").split(QLatin1Char(' ')))
        QVERIFY2(!isEmail(address), qPrintable(address));
    QVERIFY(!isEmail(QString()));
}

void TestCommon::boxesGoThroughTheResponder()
{
    BoxScript boxes({0, 7});
    const auto ask = [] {
        return askUser(nullptr, BoxIcon::Warning, QStringLiteral("t"), QStringLiteral("x"), QStringLiteral("a"),
                       QStringLiteral("b"));
    };
    QCOMPARE(ask(), 0);
    QCOMPARE(ask(), 1); // an answer outside the buttons counts as Escape
    QCOMPARE(boxes.last().escapeButton, 1);
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
