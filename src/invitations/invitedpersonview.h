// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

struct InvitedPerson;
class QTreeWidget;
class QTreeWidgetItem;

// One invited person is one row of the invitations window's list view:
// name, e-mail address, coin number and whether the invitation was uploaded.
enum InvitedPersonColumn { nameColumn = 0, eMailColumn = 1, coinColumn = 2, uploadedColumn = 3 };

// The texts of the "uploaded" column.
QString uploadedText();
QString notUploadedText();

// Fills the person from a row. The coin is the column's number cut to 8
// bits (0 when it is no number); a row counts as uploaded unless its column
// reads exactly "no", so a doubtful row can never be removed by mistake.
void fromListViewItem(InvitedPerson& person, const QTreeWidgetItem* item);

// Adds a row for the person below the view's other rows and returns it.
QTreeWidgetItem* toListViewItem(const InvitedPerson& person, QTreeWidget* view);

// Replaces the list by the view's rows, from the top row down.
void fromListViewToValueList(const QTreeWidget* view, QList<InvitedPerson>& list);

// Adds one row per person in list order, so the view reads like the list.
// The view is not cleared first.
void fromValueListToListView(const QList<InvitedPerson>& list, QTreeWidget* view);
