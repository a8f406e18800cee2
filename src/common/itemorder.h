// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTreeWidgetItem;

// Reverses the order of parent's children from its first child through last;
// children after last keep their place. Returns last.
QTreeWidgetItem* invertOrderOf(QTreeWidgetItem* parent, QTreeWidgetItem* last);

// The same, starting at the sibling first instead of the first child. Works for
// top-level items of a tree as well.
QTreeWidgetItem* invertOrder(QTreeWidgetItem* first, QTreeWidgetItem* last);
