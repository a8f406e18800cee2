#include "storage/clientstorage.h"
#include "storage/session.h"
#include "storage/storagetree.h"
#include "usage/usage.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QtTest>

#include <memory>

namespace {

const QDateTime firstOfFebruary(QDate(2002, 2, 1), QTime(0, 0));

QStringList labelsOf(const QTreeWidgetItem* item)
{
    QStringList labels;
    for (int i = 0; i < item->childCount(); ++i)
        labels << item->child(i)->text(0);
    return labels;
}

// The child of item with this label; fails the test when there is none.
QTreeWidgetItem* childOf(const QTreeWidgetItem* item, const QString& label)
{
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == label)
            return item->child(i);
    qWarning() << "no item" << label;
    return nullptr;
}

QString valueOf(const QTreeWidgetItem* item, const QString& label)
{
    const QTreeWidgetItem* child = childOf(item, label);
    return child ? child->text(1) : QStringLiteral("<missing>");
}

} // namespace

class TestStorageTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultedRecordShowsEveryFieldInOrder();
    void flagsShowTheirSetBits();
    void sessionsShowValueEventsAndPiles();
    void eventTotalsComeFromTheObserver();
};

void TestStorageTree::defaultedRecordShowsEveryFieldInOrder()
{
    ClientStorage storage;
    storage.setDefaultValues();
    QTreeWidget tree;
    auto* root = new QTreeWidgetItem(&tree, QStringList{QStringLiteral("zuvdata.zuv")});
    Usage usage;
    CreateListViewItemChildrenOf(storage, root, usage);

    const QStringList fields =
        QStringLiteral("Membernumber NumFullPurses Sessions TotalEvents Version Welcome RecommenderMembernumbers "
                       "RecommenderName Country PostalCode CityPopulation eMailAddress eMailFlags SettingsFlags "
                       "MemberSince NumberOfUploads LastUpload NumberOfStartsSinceLastUpload FavouriteCoin "
                       "GuessWhenMixdateYear GuessWhenMixdateMonth GuessWhenArrivaldateYear GuessWhenArrivaldateMonth "
                       "Message ServerAddress ServerPort FTPServer NumberOfPicturesAvailable LastAnalysisPage "
                       "LastTxtMessage LastPicture LastDataAnalysisRead WindowPositionSize InvitationList")
            .split(QLatin1Char(' '));
    QCOMPARE(fields.size(), 34);
    QCOMPARE(labelsOf(root), fields);

    QCOMPARE(valueOf(root, "Sessions"), QStringLiteral("0"));
    QCOMPARE(childOf(root, "Sessions")->childCount(), 0);
    QCOMPARE(valueOf(root, "TotalEvents"), QStringLiteral("0"));
    QCOMPARE(valueOf(root, "Version"), QStringLiteral("107"));
    QCOMPARE(valueOf(root, "RecommenderMembernumbers"), QStringLiteral("0"));
    QCOMPARE(valueOf(root, "eMailFlags"), QStringLiteral("0"));
    QCOMPARE(labelsOf(childOf(root, "eMailFlags")), QStringList{"WantsNo!Reminder"});
    QVERIFY(childOf(root, "eMailFlags")->child(0)->text(1).isEmpty());
    QCOMPARE(valueOf(root, "SettingsFlags"), QStringLiteral("264"));
    const QTreeWidgetItem* settings = childOf(root, "SettingsFlags");
    QCOMPARE(labelsOf(settings), (QStringList{"DontNagConnection", "SettingsChanged"}));
    QCOMPARE(settings->child(0)->text(1), QStringLiteral("8"));
    QCOMPARE(settings->child(1)->text(1), QStringLiteral("256"));
    QCOMPARE(valueOf(root, "MemberSince"), QStringLiteral("Fri Feb 1 00:00:00 2002"));
    QCOMPARE(valueOf(root, "WindowPositionSize"), QStringLiteral("(0,0,600,400)"));
    QCOMPARE(valueOf(root, "InvitationList"), QStringLiteral("TODO: Listview not programmed yet."));

    // Two columns, nothing more.
    QVERIFY(childOf(root, "Version")->text(2).isNull());

    // Filled into an item that already has children, the fields come first.
    auto* busy = new QTreeWidgetItem(&tree, QStringList{QStringLiteral("busy")});
    new QTreeWidgetItem(busy, QStringList{QStringLiteral("older")});
    CreateListViewItemChildrenOf(storage, busy, usage);
    QCOMPARE(busy->childCount(), 35);
    QCOMPARE(busy->child(0)->text(0), QStringLiteral("Membernumber"));
    QCOMPARE(busy->child(33)->text(0), QStringLiteral("InvitationList"));
    QCOMPARE(busy->child(34)->text(0), QStringLiteral("older"));
}

void TestStorageTree::flagsShowTheirSetBits()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.eMailFlags = 0xFF;
    storage.SettingsFlags = 0x03FF;
    storage.RecommenderMembernumbers = {17, 4711};
    QTreeWidgetItem root;
    Usage usage;
    CreateListViewItemChildrenOf(storage, &root, usage);

    const QTreeWidgetItem* mail = childOf(&root, "eMailFlags");
    QCOMPARE(mail->text(1), QStringLiteral("255"));
    QCOMPARE(labelsOf(mail), (QStringList{"MonthlyReminder", "BiMonthlyReminder", "WeeklyReminder", "WantsReminder",
                                          "WantsNewsletter", "WantsToHelp", "WantsToAnalyze"}));
    QStringList values;
    for (int i = 0; i < mail->childCount(); ++i)
        values << mail->child(i)->text(1);
    QCOMPARE(values, (QStringList{"1", "2", "4", "8", "16", "32", "64"}));

    // The renumbering bit has no line of its own.
    const QTreeWidgetItem* settings = childOf(&root, "SettingsFlags");
    QCOMPARE(settings->text(1), QStringLiteral("1023"));
    QCOMPARE(labelsOf(settings),
             (QStringList{"ServiceTabOn", "OpinionTabOn", "NecessFilledIn", "DontNagConnection", "HasSeenSettings",
                          "NoLoadPicsNagger", "SignedContract", "AllowsObservation", "SettingsChanged"}));

    const QTreeWidgetItem* recommenders = childOf(&root, "RecommenderMembernumbers");
    QCOMPARE(recommenders->text(1), QStringLiteral("2"));
    QCOMPARE(labelsOf(recommenders), (QStringList{"17", "4711"}));
    QVERIFY(recommenders->child(1)->text(1).isEmpty());

    storage.eMailFlags = 0x01 | 0x40;
    QTreeWidgetItem other;
    CreateListViewItemChildrenOf(storage, &other, usage);
    QCOMPARE(labelsOf(childOf(&other, "eMailFlags")),
             (QStringList{"MonthlyReminder", "WantsNo!Reminder", "WantsToAnalyze"}));
}

void TestStorageTree::sessionsShowValueEventsAndPiles()
{
    Session empty(0, firstOfFebruary, 107);
    for (int i = 0; i < 5; ++i)
        empty.observation.append(UserEvent{i * 100, quint16(i)});
    Session counted(0, QDateTime(QDate(2003, 3, 4), QTime(5, 6, 7)), 107);
    counted.insertCoins(7, 2, 3); // 2 Euro of Finland
    counted.insertCoins(0, 14, 9);
    counted.insertCoins(4, 4, 1);

    ClientStorage storage;
    storage.setDefaultValues();
    storage.Sessions = {empty, counted};
    QTreeWidgetItem root;
    Usage usage;
    CreateListViewItemChildrenOf(storage, &root, usage);

    const QTreeWidgetItem* sessions = childOf(&root, "Sessions");
    QCOMPARE(sessions->text(1), QStringLiteral("2"));
    QCOMPARE(labelsOf(sessions), (QStringList{"Fri Feb 1 00:00:00 2002", "Tue Mar 4 05:06:07 2003"}));
    QCOMPARE(sessions->child(0)->text(1), QStringLiteral("0 euro / 5 events"));
    QCOMPARE(sessions->child(1)->text(1), QStringLiteral("6.29 euro / 0 events"));

    const QTreeWidgetItem* first = sessions->child(0);
    QCOMPARE(labelsOf(first),
             (QStringList{"Version", "EntryDateTime", "Sum (Euro)", "CoinPiles", "SessionObservation"}));
    QCOMPARE(valueOf(first, "EntryDateTime"), QStringLiteral("Fri Feb 1 00:00:00 2002"));
    QCOMPARE(valueOf(first, "Sum (Euro)"), QStringLiteral("0"));
    QCOMPARE(valueOf(first, "CoinPiles"), QStringLiteral("0"));
    QCOMPARE(childOf(first, "CoinPiles")->childCount(), 0);
    QCOMPARE(childOf(first, "SessionObservation")->childCount(), 5);

    // The piles stand in purse order.
    const QTreeWidgetItem* second = sessions->child(1);
    const QTreeWidgetItem* piles = childOf(second, "CoinPiles");
    QCOMPARE(piles->text(1), QStringLiteral("3"));
    QCOMPARE(labelsOf(piles), (QStringList{"2e Finland", "1c Vatican", "20c Germany"}));
    QCOMPARE(piles->child(1)->text(1), QStringLiteral("9"));
    QCOMPARE(valueOf(second, "SessionObservation"), QStringLiteral("0"));

    // Euro amounts in their shortest form.
    Session small(209, firstOfFebruary, 107);
    QTreeWidgetItem item;
    CreateListViewItemChildrenOf(small, &item, usage);
    QCOMPARE(valueOf(&item, "Sum (Euro)"), QStringLiteral("2.09"));
}

void TestStorageTree::eventTotalsComeFromTheObserver()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.TotalEvents = {{14, 3}, {0, 1}};
    Session session(0, firstOfFebruary, 107);
    session.observation = {UserEvent{0, 0}, UserEvent{150, 9}};
    storage.Sessions = {session};

    // Whatever the observer held before is replaced.
    Usage usage;
    usage.setDataTo(QList<UserEvent>{UserEvent{0, 27}}, QMap<quint16, quint32>{{27, 99}});
    QTreeWidgetItem root;
    CreateListViewItemChildrenOf(storage, &root, usage);

    const QTreeWidgetItem* totals = childOf(&root, "TotalEvents");
    QCOMPARE(totals->text(1), QStringLiteral("4"));
    QCOMPARE(labelsOf(totals), (QStringList{"Start", "Upload"}));
    QCOMPARE(totals->child(1)->text(1), QStringLiteral("3"));

    const QTreeWidgetItem* events = childOf(childOf(&root, "Sessions")->child(0), "SessionObservation");
    QCOMPARE(events->text(1), QStringLiteral("2"));
    QStringList names;
    for (int i = 0; i < events->childCount(); ++i)
        names << events->child(i)->text(1);
    QVERIFY(names.contains(QStringLiteral("Start")));
    QVERIFY(names.contains(QStringLiteral("Insert")));
}

QTEST_MAIN(TestStorageTree)
#include "tst_storagetree.moc"
