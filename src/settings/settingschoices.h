// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The choices of the settings: the client state stores the index of the
// chosen item, and the server's tables use the same indices.

// Index 0 is no country; 1 to 15 are the national sides in the order of the
// country table; the blank items 16, 17, 18 and 20 only space the list and
// count as no country.
const QStringList& memberCountryItems();

// Index 0 is no size; the classes follow from the smallest town.
const QStringList& townSizeItems();

// The items as SQL value tuples "(index,'text'tail),(index,'text'tail)...".
QString itemValueTuples(const QStringList& items, const QString& tail);
