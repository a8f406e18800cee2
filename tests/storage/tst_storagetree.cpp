#include "storage/clientstorage.h"
#include "storage/session.h"
#include "storage/storagetree.h"
#include "usage/usage.h"

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

} // namespace

// The tree of the data file viewer: what each line says about the record.
class TestStorageTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordShowsItsValues();
};

void TestStorageTree::recordShowsItsValues()
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

QTEST_MAIN(TestStorageTree)
#include "tst_storagetree.moc"
