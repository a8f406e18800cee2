// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/itemorder.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

// The siblings of an item, whether it hangs below a parent item or at the top level.
struct Siblings
{
    QTreeWidgetItem* parent;
    QTreeWidget* tree;

    int indexOf(QTreeWidgetItem* item) const
    {
        return parent ? parent->indexOfChild(item) : tree->indexOfTopLevelItem(item);
    }
    QTreeWidgetItem* at(int index) const
    {
        return parent ? parent->child(index) : tree->topLevelItem(index);
    }
    QTreeWidgetItem* take(int index) const
    {
        return parent ? parent->takeChild(index) : tree->takeTopLevelItem(index);
    }
    void insert(int index, QTreeWidgetItem* item) const
    {
        if (parent)
            parent->insertChild(index, item);
        else
            tree->insertTopLevelItem(index, item);
    }
};

QTreeWidgetItem* reverseRun(const Siblings& siblings, int firstIndex, QTreeWidgetItem* last)
{
    const int lastIndex = siblings.indexOf(last);
    if (firstIndex < 0 || lastIndex < firstIndex)
        return last;
    // Move each item in turn to directly after last: 1 2 3 4 becomes 4 3 2 1.
    for (int moves = lastIndex - firstIndex; moves > 0; --moves) {
        QTreeWidgetItem* item = siblings.take(firstIndex);
        siblings.insert(siblings.indexOf(last) + 1, item);
    }
    return last;
}

} // namespace

QTreeWidgetItem* invertOrderOf(QTreeWidgetItem* parent, QTreeWidgetItem* last)
{
    if (!parent || !last || parent->childCount() == 0)
        return last;
    return reverseRun(Siblings{parent, nullptr}, 0, last);
}

QTreeWidgetItem* invertOrder(QTreeWidgetItem* first, QTreeWidgetItem* last)
{
    if (!first || !last)
        return last;
    const Siblings siblings{first->parent(), first->treeWidget()};
    if (!siblings.parent && !siblings.tree)
        return last;
    return reverseRun(siblings, siblings.indexOf(first), last);
}
