// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"

#include "common/config.h"
#include "common/constants.h"
#include "common/languages.h"
#include "common/messagebox.h"
#include "common/utilities.h"

#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class TestCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorTexts();
    void emailCheck();
    void boxesGoThroughTheResponder();
    void translationsAreComplete_data();
    void translationsAreComplete();
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
    QCOMPARE(errorHelpOf(ZUV_BAD_FILE_TOO_NEW),
             QStringLiteral("Use newer programversion! " ZUV_HTTP(ZUV_DOWNLOAD_PAGE)));
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

void TestCommon::translationsAreComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : spokenLanguages().mid(1))
        QTest::newRow(qPrintable(language)) << language;
}

// Every text translated, with the same placeholders and a shortcut marker
// where the English has one; the program finds the language in its resources.
void TestCommon::translationsAreComplete()
{
    QFETCH(QString, language);
    const auto markers = [](const QString& text) {
        QStringList found;
        auto match = QRegularExpression(QStringLiteral("%\\d|&(?!&)")).globalMatch(text);
        while (match.hasNext())
            found << match.next().captured();
        found.sort();
        found.removeDuplicates(); // "%1" twice in the caption
        return found;
    };
    QFile file(QStringLiteral(ZUV_TRANSLATIONS_DIR "/zuv_%1.ts").arg(language));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader ts(&file);
    QString source;
    QStringList faults;
    while (ts.readNext() != QXmlStreamReader::EndDocument && !ts.hasError()) {
        if (!ts.isStartElement())
            continue;
        if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText();
        } else if (ts.name() == QLatin1String("translation")) {
            const bool unfinished = ts.attributes().hasAttribute(QLatin1String("type"));
            const QString translation = ts.readElementText();
            if (unfinished || translation.isEmpty() || markers(translation) != markers(source))
                faults << source;
        }
    }
    QCOMPARE(ts.errorString(), QString());
    QCOMPARE(faults.join(QLatin1Char('\n')), QString()); // the texts at fault
    QTranslator translator;
    QVERIFY(loadLanguage(translator, language));
    QVERIFY(!translator.translate("ZUVWindow", "Save purse and QUIT").isEmpty());
    // A translated help keeps the address this build was configured with.
    QCoreApplication::installTranslator(&translator);
    const QString help = errorHelpOf(TCP_SERVER_ANSWER_TOO_NEW_FORMAT);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(help.contains(QStringLiteral(" " ZUV_DOWNLOAD_PAGE)), qPrintable(help));
    QVERIFY2(!help.startsWith(QStringLiteral("Your client")), qPrintable(help));
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
