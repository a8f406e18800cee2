#include "usage/usage.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QtTest>

class TestUsageViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sessionListView();
    void allEventsListView();
    void emptyData();
    void allEventsTreeChildren();
    void sessionTreeChildren();
};

namespace {

QStringList headerOf(const QTreeWidget& v)
{
    QStringList titles;
    for (int column = 0; column < v.columnCount(); ++column)
        titles.append(v.headerItem()->text(column));
    return titles;
}

QStringList rowTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int column = 0; column < item->columnCount(); ++column)
        texts.append(item->text(column));
    return texts;
}

QList<QStringList> rowsOf(const QTreeWidget& v)
{
    QList<QStringList> rows;
    for (int i = 0; i < v.topLevelItemCount(); ++i)
        rows.append(rowTexts(v.topLevelItem(i)));
    return rows;
}

QList<QStringList> childrenOf(const QTreeWidgetItem& parent)
{
    QList<QStringList> rows;
    for (int i = 0; i < parent.childCount(); ++i)
        rows.append(rowTexts(parent.child(i)));
    return rows;
}

} // namespace

void TestUsageViews::sessionListView()
{
    Usage usage;
    usage.setDataTo(QList<UserEvent>{{100, 0}, {150, 1}, {1234, 14}, {65535, 999}});

    QTreeWidget v;
    v.setSortingEnabled(true);
    v.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("old row")}));
    usage.PrepareSessionListView(&v);
    QVERIFY(!v.isSortingEnabled());
    const QStringList titles{QStringLiteral("Time in s"), QStringLiteral("Event ID"), QStringLiteral("Event name")};
    QCOMPARE(headerOf(v), titles);
    // The latest event is the first row.
    QCOMPARE(rowsOf(v), (QList<QStringList>{
                            {QStringLiteral("655.35"), QStringLiteral("999"), QString()},
                            {QStringLiteral("12.34"), QStringLiteral("14"), QStringLiteral("Upload")},
                            {QStringLiteral("1.5"), QStringLiteral("1"), QStringLiteral("TimerStarted")},
                            {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("Start")},
                        }));

    // An update rebuilds the rows from the current events and keeps the columns.
    usage.setDataTo(QList<UserEvent>{{7, 23}, {8, 24}});
    usage.UpdateSessionListView(&v);
    QCOMPARE(rowsOf(v), (QList<QStringList>{
                            {QStringLiteral("0.08"), QStringLiteral("24"), QStringLiteral("SettingsDialogClosed")},
                            {QStringLiteral("0.07"), QStringLiteral("23"), QStringLiteral("Settings")},
                        }));

    // Preparing again does not pile up columns.
    usage.PrepareSessionListView(&v);
    QCOMPARE(headerOf(v), titles);
    QCOMPARE(v.topLevelItemCount(), 2);
}

void TestUsageViews::allEventsListView()
{
    Usage usage;
    usage.setDataTo(QMap<quint16, quint32>{{412, 2}, {0, 1}, {14, 3}, {3119, 1}});

    QTreeWidget v;
    v.setSortingEnabled(true);
    usage.PrepareAllEventsListView(&v);
    QVERIFY(!v.isSortingEnabled());
    const QStringList titles{QStringLiteral("Event ID"), QStringLiteral("Counter"), QStringLiteral("Event Name")};
    QCOMPARE(headerOf(v), titles);
    // The highest identifier is the first row.
    QCOMPARE(rowsOf(v), (QList<QStringList>{
                            {QStringLiteral("3119"), QStringLiteral("1"), QStringLiteral("CellFocussed(7,14)")},
                            {QStringLiteral("412"), QStringLiteral("2"), QStringLiteral("ClientServerDNSFound")},
                            {QStringLiteral("14"), QStringLiteral("3"), QStringLiteral("Upload")},
                            {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("Start")},
                        }));

    usage.setDataTo(QMap<quint16, quint32>{{14, 4}, {600, 1}});
    usage.UpdateAllEventsListView(&v);
    QCOMPARE(headerOf(v), titles);
    QCOMPARE(rowsOf(v), (QList<QStringList>{
                            {QStringLiteral("600"), QStringLiteral("1"), QStringLiteral("Invitations")},
                            {QStringLiteral("14"), QStringLiteral("4"), QStringLiteral("Upload")},
                        }));
}

void TestUsageViews::emptyData()
{
    const Usage usage;

    QTreeWidget session;
    session.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("old row")}));
    usage.UpdateSessionListView(&session);
    QCOMPARE(session.topLevelItemCount(), 0);

    QTreeWidgetItem parent(QStringList{QStringLiteral("events")});
    QCOMPARE(usage.SessionEventsCreateListViewItemChildrenOf(&parent), 0u);
    QCOMPARE(usage.AllEventsCreateListViewItemChildrenOf(&parent), 0u);
    QCOMPARE(parent.childCount(), 0);
}

void TestUsageViews::allEventsTreeChildren()
{
    Usage usage;
    usage.setDataTo(QMap<quint16, quint32>{{14, 3}, {0, 1}});

    QTreeWidgetItem parent(QStringList{QStringLiteral("total events")});
    QCOMPARE(usage.AllEventsCreateListViewItemChildrenOf(&parent), 4u);
    QCOMPARE(childrenOf(parent), (QList<QStringList>{
                                     {QStringLiteral("Start"), QStringLiteral("1"), QStringLiteral("0")},
                                     {QStringLiteral("Upload"), QStringLiteral("3"), QStringLiteral("14")},
                                 }));

    // New children come first and read ascending; children already there stay behind them.
    usage.setDataTo(QMap<quint16, quint32>{{2049, 5}, {1, 2}, {999, 1}});
    QCOMPARE(usage.AllEventsCreateListViewItemChildrenOf(&parent), 8u);
    QCOMPARE(childrenOf(parent), (QList<QStringList>{
                                     {QStringLiteral("TimerStarted"), QStringLiteral("2"), QStringLiteral("1")},
                                     {QString(), QStringLiteral("1"), QStringLiteral("999")},
                                     {QStringLiteral("CellEdited(3,4)"), QStringLiteral("5"), QStringLiteral("2049")},
                                     {QStringLiteral("Start"), QStringLiteral("1"), QStringLiteral("0")},
                                     {QStringLiteral("Upload"), QStringLiteral("3"), QStringLiteral("14")},
                                 }));
}

void TestUsageViews::sessionTreeChildren()
{
    Usage usage;
    usage.setDataTo(QList<UserEvent>{{150, 0}, {1234, 14}, {1, 65535}, {3, 4242}});

    QTreeWidgetItem parent(QStringList{QStringLiteral("session events")});
    QCOMPARE(usage.SessionEventsCreateListViewItemChildrenOf(&parent), 4u);
    // The latest event comes first.
    QCOMPARE(childrenOf(parent), (QList<QStringList>{
                                     {QStringLiteral("0.03 secs"), QString(), QStringLiteral("4242")},
                                     {QStringLiteral("0.01 secs"), QStringLiteral("unknown"), QStringLiteral("65535")},
                                     {QStringLiteral("12.34 secs"), QStringLiteral("Upload"), QStringLiteral("14")},
                                     {QStringLiteral("1.5 secs"), QStringLiteral("Start"), QStringLiteral("0")},
                                 }));
}

QTEST_MAIN(TestUsageViews)
#include "tst_usageviews.moc"
