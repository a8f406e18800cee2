#include "common/boxscript.h"

#include "common/browser.h"
#include "common/constants.h"
#include "common/itemorder.h"
#include "common/localtime.h"
#include "common/messagebox.h"
#include "common/utilities.h"

#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorTablesAreComplete();
    void errorMessageAndSolutionTexts();
    void emailCheck();
    void copyFileResults();
    void invertOrderReversesARun();
    void askUserGoesThroughTheResponder();
    void openBrowserNamesThePage();
    void settlingTheTimeZoneKeepsLocalTime();
};

void TestCommon::errorTablesAreComplete()
{
    // Every code but 0 has its constant's name as message.
    for (unsigned code = 1; code < NUM_ERROR_CODES; ++code)
        QVERIFY2(!errormessage[code].isEmpty(), qPrintable(QString::number(code)));
    QCOMPARE(errormessage[ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS], QStringLiteral("ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS"));
    QCOMPARE(errormessage[DB_MEMBER_DOES_NOT_EXIST], QStringLiteral("DB_MEMBER_DOES_NOT_EXIST"));
    QVERIFY(errorhelp[TCP_NO_CONNECTION_WITH_SERVER].endsWith(QStringLiteral("try again later. ")));
    QVERIFY(errorhelp[TCP_SERVER_ANSWER_TOO_NEW_FORMAT].endsWith(QStringLiteral(".html !")));
    QVERIFY(!errorhelp[TCP_SERVER_ANSWER_TOO_NEW_FORMAT].contains(QStringLiteral("http://")));
    QVERIFY(errorhelp[ZUV_BAD_FILE_TOO_NEW].startsWith(QStringLiteral("Use newer programversion! http://")));
}

void TestCommon::errorMessageAndSolutionTexts()
{
    QCOMPARE(errorMessageAndSolution(ZUV_FILE_NOT_EXIST),
             QStringLiteral("ZUV_FILE_NOT_EXIST\nPossible solution:\nNo problem. We just start from scratch."));

    const QString noHelp = errorMessageAndSolution(0);
    QVERIFY(
        noHelp.startsWith(QStringLiteral("\n\nPlease write a short message\nwith a description of this problem\nto ")));
    QVERIFY(noHelp.contains(QLatin1Char('@')));

    QVERIFY(errorMessageAndSolution(ZUV_SERIALIZING_ERROR)
                .startsWith(QStringLiteral("ZUV_SERIALIZING_ERROR\n\nPlease write")));
    // A number no table holds (a server may send one) reads like code 0 instead of crashing.
    QCOMPARE(errorMessageAndSolution(4711), noHelp);
    QCOMPARE(errorMessageAndSolution(NUM_ERROR_CODES), noHelp);
}

void TestCommon::emailCheck()
{
    // Six characters or fewer never pass, whatever their form.
    QVERIFY(!isEmail(QStringLiteral("a@b.cd")));
    QVERIFY(!isEmail(QString()));
    // Seven characters, "@" third and "." fifth.
    QVERIFY(isEmail(QStringLiteral("ab@d.fg")));
    // The only "." may stand before the "@".
    QVERIFY(isEmail(QStringLiteral("a.b@host")));
    QVERIFY(!isEmail(QStringLiteral("@abc.def")));
    QVERIFY(!isEmail(QStringLiteral("abc.def@")));
    QVERIFY(!isEmail(QStringLiteral("ab@cdef.")));
    QVERIFY(!isEmail(QStringLiteral("abcdefgh.ij")));
    // Only the first "." is looked at.
    QVERIFY(isEmail(QStringLiteral("a@b.c.d")));
}

void TestCommon::copyFileResults()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QString target = dir.filePath(QStringLiteral("target"));
    QCOMPARE(copyFile(missing, target), int(ZUV_FILE_NOT_EXIST));
    QVERIFY(!QFile::exists(target));

    QByteArray content;
    for (int i = 0; i < 200000; ++i)
        content.append(char(i * 7));
    const QString source = dir.filePath(QStringLiteral("source"));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(300000, 'x')); // longer than the source: must be truncated
    }
    QCOMPARE(copyFile(source, target), int(ZUV_NO_ERROR));
    QFile copied(target);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), content);

    QCOMPARE(copyFile(source, dir.filePath(QStringLiteral("no/such/folder/file"))), int(ZUV_FILE_WRITE_OPENING_ERROR));
}

static QStringList childTexts(const QTreeWidgetItem* parent)
{
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i)
        texts << parent->child(i)->text(0);
    return texts;
}

void TestCommon::invertOrderReversesARun()
{
    QTreeWidgetItem parent;
    QList<QTreeWidgetItem*> items;
    for (const char* name : {"1", "2", "3", "4", "5"})
        items << new QTreeWidgetItem(&parent, QStringList(QString::fromLatin1(name)));

    QCOMPARE(invertOrderOf(&parent, items[3]), items[3]);
    QCOMPARE(childTexts(&parent), (QStringList{"4", "3", "2", "1", "5"}));

    // The first child as last item: nothing moves.
    invertOrderOf(&parent, parent.child(0));
    QCOMPARE(childTexts(&parent), (QStringList{"4", "3", "2", "1", "5"}));

    // From a sibling in the middle through the last child.
    invertOrder(parent.child(2), parent.child(4));
    QCOMPARE(childTexts(&parent), (QStringList{"4", "3", "5", "1", "2"}));

    // Top-level items of a tree.
    QTreeWidget tree;
    for (const char* name : {"a", "b", "c"})
        tree.addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromLatin1(name))));
    invertOrder(tree.topLevelItem(0), tree.topLevelItem(2));
    QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("c"));
    QCOMPARE(tree.topLevelItem(2)->text(0), QStringLiteral("a"));
}

void TestCommon::askUserGoesThroughTheResponder()
{
    BoxScript boxes({1, 7});
    QCOMPARE(askUser(nullptr, BoxIcon::Warning, QStringLiteral("t"), QStringLiteral("x"), QStringLiteral("a"),
                     QStringLiteral("b")),
             1);
    // An answer outside the buttons counts as Escape.
    QCOMPARE(askUser(nullptr, BoxIcon::Warning, QStringLiteral("t"), QStringLiteral("x"), QStringLiteral("a"),
                     QStringLiteral("b")),
             1);
    QCOMPARE(askUser(nullptr, BoxIcon::Information, QStringLiteral("one"), QStringLiteral("y")), 0);
    QCOMPARE(boxes.count(), 3);
    QCOMPARE(boxes.last().buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(boxes.shown().first().escapeButton, 1);
}

void TestCommon::openBrowserNamesThePage()
{
    BoxScript boxes;
    openBrowser(QStringLiteral("http://zuv.example.org/results.html"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV Sorry, this isn't windows"));
    QVERIFY(boxes.last().text.startsWith(
        QStringLiteral("Sorry, I don't know how to open a browser in Qt v3.01 that points to this page:\n       "
                       "http://zuv.example.org/results.html\n\nIf YOU know howto, please tell me at ")));
}

QTEST_MAIN(TestCommon)
void TestCommon::settlingTheTimeZoneKeepsLocalTime()
{
    const bool wasSet = qEnvironmentVariableIsSet("TZ");
    const QByteArray previous = qgetenv("TZ");
    const QDateTime winter(QDate(2002, 1, 15), QTime(12, 0));
    const QDateTime summer(QDate(2002, 7, 15), QTime(12, 0));
    const auto offsets = [&] {
        // Fresh objects: a conversion is made when a local time is built.
        return QPair<int, int>(QDateTime(winter.date(), winter.time()).offsetFromUtc(),
                               QDateTime(summer.date(), summer.time()).offsetFromUtc());
    };

    // Unset: the system's zone file is named, and every offset stays.
    qunsetenv("TZ");
    const QPair<int, int> systemOffsets = offsets();
    settleLocalTimeZone();
    QCOMPARE(qgetenv("TZ"), QByteArray(":/etc/localtime"));
    QCOMPARE(offsets(), systemOffsets);

    // A zone the user chose is his, and so is an empty one (UTC).
    qputenv("TZ", QByteArrayLiteral("CET-1CEST,M3.5.0,M10.5.0/3"));
    settleLocalTimeZone();
    QCOMPARE(qgetenv("TZ"), QByteArray("CET-1CEST,M3.5.0,M10.5.0/3"));
    QCOMPARE(offsets(), (QPair<int, int>(3600, 7200)));
    qputenv("TZ", QByteArray());
    settleLocalTimeZone();
    QVERIFY(qEnvironmentVariableIsSet("TZ"));
    QCOMPARE(qgetenv("TZ"), QByteArray());

    if (wasSet)
        qputenv("TZ", previous);
    else
        qunsetenv("TZ");
}

#include "tst_common.moc"
