// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClientStorage;
class QTreeWidgetItem;
class Session;
class Usage;

// The stored client state as a tree of two-column items: a label, then the
// stored value. The observer only formats: it is loaded with the record's
// event totals or a session's events in turn, so pass one made for the
// purpose; whatever data it held before is replaced.

// One child of parent per field of the record, from "Membernumber" at the top
// to "InvitationList" at the bottom, with nested items for the sessions, the
// recommender numbers, the flag bits and the event totals.
void CreateListViewItemChildrenOf(const ClientStorage& storage, QTreeWidgetItem* parent, Usage& usage);

// A session's version, date, value in Euro, coin piles and events.
void CreateListViewItemChildrenOf(const Session& session, QTreeWidgetItem* parent, Usage& usage);
