// SPDX-License-Identifier: GPL-3.0-or-later
// The list views and tree children of the usage observer. They belong to the
// widget library; the observer itself stays free of widgets.

#include "usage/usage.h"

#include "common/itemorder.h"

#include <QHeaderView>
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

// Seconds as shown everywhere: hundredths divided by 100 in single precision.
float secondsOf(const UserEvent& event)
{
    return static_cast<float>(event.time / 100.0);
}

QString secondsText(const UserEvent& event)
{
    return QString::number(static_cast<double>(secondsOf(event)), 'g', 6);
}

// The view keeps the order in which rows are put in: no sorting, no indicator.
void prepareColumns(QTreeWidget* v, const QStringList& titles)
{
    v->clear();
    v->setSortingEnabled(false);
    v->header()->setSortIndicator(-1, Qt::AscendingOrder);
    v->setColumnCount(static_cast<int>(titles.size()));
    v->setHeaderLabels(titles);
}

void fitColumns(QTreeWidget* v)
{
    for (int column = 0; column < v->columnCount(); ++column)
        v->resizeColumnToContents(column);
}

// Each row goes on top, so the latest event is the first row. Returns the row
// added last, or nullptr when there are no events.
QTreeWidgetItem* fillSessionRows(const Usage& usage, QTreeWidget* v)
{
    QTreeWidgetItem* added = nullptr;
    for (const UserEvent& event : usage.events()) {
        added = new QTreeWidgetItem(QStringList{secondsText(event), QString::number(event.id), usage.nameOf(event.id)});
        v->insertTopLevelItem(0, added);
    }
    fitColumns(v);
    return added;
}

} // namespace

void Usage::PrepareSessionListView(QTreeWidget* v) const
{
    prepareColumns(v, {tr("Time in s"), tr("Event ID"), tr("Event name")});
    fillSessionRows(*this, v);
}

void Usage::UpdateSessionListView(QTreeWidget* v) const
{
    v->clear();
    if (QTreeWidgetItem* added = fillSessionRows(*this, v))
        v->scrollToItem(added);
}

void Usage::PrepareAllEventsListView(QTreeWidget* v) const
{
    prepareColumns(v, {tr("Event ID"), tr("Counter"), tr("Event Name")});
    UpdateAllEventsListView(v);
}

void Usage::UpdateAllEventsListView(QTreeWidget* v) const
{
    v->clear();
    // Each row goes on top, so the highest identifier is the first row.
    for (auto it = counters().constBegin(); it != counters().constEnd(); ++it)
        v->insertTopLevelItem(0, new QTreeWidgetItem(QStringList{QString::number(it.key()), QString::number(it.value()),
                                                                 nameOf(it.key())}));
    fitColumns(v);
}

unsigned Usage::AllEventsCreateListViewItemChildrenOf(QTreeWidgetItem* parent) const
{
    unsigned total = 0;
    QTreeWidgetItem* lowest = nullptr;
    for (auto it = counters().constBegin(); it != counters().constEnd(); ++it) {
        auto* child =
            new QTreeWidgetItem(QStringList{nameOf(it.key()), QString::number(it.value()), QString::number(it.key())});
        parent->insertChild(0, child);
        if (!lowest)
            lowest = child;
        total += it.value();
    }
    // The new children stand first, highest identifier on top; turning that run
    // round makes them read in ascending order and leaves older children alone.
    if (lowest)
        invertOrderOf(parent, lowest);
    return total;
}

unsigned Usage::SessionEventsCreateListViewItemChildrenOf(QTreeWidgetItem* parent) const
{
    unsigned made = 0;
    for (const UserEvent& event : events()) {
        const QString time = tr("%1 secs").arg(static_cast<double>(secondsOf(event)), 0, 'g', 6);
        parent->insertChild(0, new QTreeWidgetItem(QStringList{time, nameOf(event.id), QString::number(event.id)}));
        ++made;
    }
    return made;
}
