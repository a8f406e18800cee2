#include "common/config.h"
#include "storage/clientstorage.h"
#include "storage/coinpile.h"
#include "storage/session.h"
#include "storage/storagetree.h"
#include "storage/textdump.h"
#include "usage/usage.h"
#include <QTextStream>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QtTest>

namespace {

const QDateTime firstOfFebruary(QDate(2002, 2, 1), QTime(0, 0));

QStringList column(const QTreeWidgetItem* item, int which)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(which);
    return texts;
}

// The child of item with this label; fails the test when there is none.
const QTreeWidgetItem* childOf(const QTreeWidgetItem* item, const QString& label)
{
    const int at = int(column(item, 0).indexOf(label));
    if (at < 0)
        qFatal("no item %s", qPrintable(label));
    return item->child(at);
}

template <typename T> QString printed(const T& value)
{
    QString text;
    QTextStream stream(&text);
    stream << value;
    stream.flush();
    return text;
}

} // namespace

// The tree of the data file viewer: what each line says about the record.
class TestRecordViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordShowsItsValues();
    void recordPrintsEveryFieldInOrder();
};

void TestRecordViews::recordShowsItsValues()
{
    Session observed(0, firstOfFebruary, 107);
    observed.observation = {UserEvent{0, 0}, UserEvent{150, 9}};
    Session counted(0, QDateTime(QDate(2003, 3, 4), QTime(5, 6, 7)), 107);
    counted.insertCoins(7, 2, 3); // 2 Euro of Finland
    counted.insertCoins(0, 14, 9);
    counted.insertCoins(4, 4, 1);
    ClientStorage storage;
    storage.setDefaultValues();
    storage.eMailFlags = 0x01 | 0x40;
    storage.SettingsFlags = 0x03FF;
    storage.RecommenderMembernumbers = {17, 4711};
    storage.TotalEvents = {{14, 3}, {0, 1}};
    storage.Sessions = {observed, counted};

    // Whatever the observer held before is replaced by the record's events.
    Usage usage;
    usage.setDataTo(QList<UserEvent>{UserEvent{0, 27}}, QMap<quint16, quint32>{{27, 99}});
    QTreeWidget tree;
    auto* root = new QTreeWidgetItem(&tree, QStringList{QStringLiteral("zuvdata.zuv")});
    new QTreeWidgetItem(root, QStringList{QStringLiteral("older")});
    CreateListViewItemChildrenOf(storage, root, usage);

    // The fields come first, older children after them.
    QCOMPARE(root->childCount(), 35);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("Membernumber"));
    QCOMPARE(root->child(34)->text(0), QStringLiteral("older"));
    QVERIFY(root->child(0)->text(2).isNull()); // two columns, nothing more
    QCOMPARE(childOf(root, "Version")->text(1), QStringLiteral("107"));
    QCOMPARE(childOf(root, "MemberSince")->text(1), QStringLiteral("Fri Feb 1 00:00:00 2002"));
    QCOMPARE(childOf(root, "WindowPositionSize")->text(1), QStringLiteral("(0,0,600,400)"));

    // Flags and lists show their value and a line per set bit or entry; not
    // wanting reminders gets a line of its own, the renumbering bit none.
    const QTreeWidgetItem* mail = childOf(root, "eMailFlags");
    QCOMPARE(mail->text(1), QStringLiteral("65"));
    QCOMPARE(column(mail, 0), (QStringList{"MonthlyReminder", "WantsNo!Reminder", "WantsToAnalyze"}));
    QCOMPARE(column(mail, 1), (QStringList{"1", "", "64"}));
    QCOMPARE(childOf(root, "SettingsFlags")->childCount(), 9);
    QCOMPARE(childOf(root, "SettingsFlags")->child(8)->text(1), QStringLiteral("256"));
    QCOMPARE(column(childOf(root, "RecommenderMembernumbers"), 0), (QStringList{"17", "4711"}));
    const QTreeWidgetItem* totals = childOf(root, "TotalEvents");
    QCOMPARE(totals->text(1), QStringLiteral("4"));
    QCOMPARE(column(totals, 0), (QStringList{"Start", "Upload"}));
    QCOMPARE(column(totals, 1), (QStringList{"1", "3"}));

    // Sessions: value and events, then their piles in purse order and their events by name.
    const QTreeWidgetItem* sessions = childOf(root, "Sessions");
    QCOMPARE(column(sessions, 0), (QStringList{"Fri Feb 1 00:00:00 2002", "Tue Mar 4 05:06:07 2003"}));
    QCOMPARE(column(sessions, 1), (QStringList{"0 euro / 2 events", "6.29 euro / 0 events"}));
    const QTreeWidgetItem* events = childOf(sessions->child(0), "SessionObservation");
    QCOMPARE(events->text(1), QStringLiteral("2"));
    QVERIFY(column(events, 1).contains(QStringLiteral("Start")) &&
            column(events, 1).contains(QStringLiteral("Insert")));
    QCOMPARE(childOf(sessions->child(0), "CoinPiles")->childCount(), 0);
    const QTreeWidgetItem* piles = childOf(sessions->child(1), "CoinPiles");
    QCOMPARE(piles->text(1), QStringLiteral("3"));
    QCOMPARE(column(piles, 0), (QStringList{"2e Finland", "1c Vatican", "20c Germany"}));
    QCOMPARE(column(piles, 1), (QStringList{"3", "9", "1"}));

    // Euro amounts in their shortest form.
    QTreeWidgetItem item;
    CreateListViewItemChildrenOf(Session(209, firstOfFebruary, 107), &item, usage);
    QCOMPARE(childOf(&item, "Sum (Euro)")->text(1), QStringLiteral("2.09"));
}

void TestRecordViews::recordPrintsEveryFieldInOrder()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.FavouriteCoin = 77;
    storage.RecommenderMembernumbers = {12, 345};
    storage.RecommenderName = QStringLiteral("Rita");
    storage.Country = 3;
    storage.eMailAddress = "me@example.org";
    storage.eMailFlags = 0x18;
    storage.LastUpload = QDateTime(QDate(2003, 3, 4), QTime(5, 6, 7));
    storage.GuessWhenMixdateYear = 4;
    storage.GuessWhenArrivaldateMonth = 11;
    storage.Message = QStringLiteral("hi");
    storage.WindowPositionSize.position = QPoint(10, 20);
    storage.TotalEvents = {{0, 1}, {14, 3}};
    storage.NumFullPurses = 2;
    // Sessions print their fields, their events and their piles; a pile's
    // country number is the table's (1 = Austria), modulo 256.
    Session counted(0, firstOfFebruary, 107);
    counted.insertCoins(5, 4, 3);
    counted.insertCoins(7, 2, 1);
    counted.insertCoins(CoinPile{6, 255, 1});
    counted.observation = {UserEvent{1234, 14}, UserEvent{0, 0}};
    storage.Sessions = {Session(0, firstOfFebruary, 107), counted};
    storage.InvitationList = {InvitedPerson{"Anna", "a@b.cd", 17, false}};

    const QString expected =
        QStringLiteral("107") + "0" + "" + "12" + "345" + "Rita" + "3" + "" + "0" + "me@example.org" + "24" + "264" +
        "Fri Feb 1 00:00:00 2002" + "0" + "Tue Mar 4 05:06:07 2003" + "0" + "77" + "4" + "0" + "0" + "11" + "hi" +
        ZUV_DEFAULT_SERVER_HOST + "4554" + ZUV_DEFAULT_FTP_HOST + "0" + "0" + "0" + "0" + "Fri Feb 1 00:00:00 2002" +
        "10" + "20" + "600" + "400" + "Start:1\nUpload:3\n" + "2" + "2" + "107Fri Feb 1 00:00:00 200200" +
        "107Fri Feb 1 00:00:00 2002450" + "at 12.34 seconds: (14) Upload\nat 0 seconds: (0) Start\n" +
        "3(5,0.5)=3(3,2)=1(0,1)=1" + "1" + "Anna" + "a@b.cd" + "17" + "0";
    QCOMPARE(printed(storage), expected);
}

QTEST_MAIN(TestRecordViews)
#include "tst_recordviews.moc"
