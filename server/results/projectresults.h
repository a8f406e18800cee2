// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/publishedresults.h"

#include <QByteArray>
#include <QList>

// The open data the server publishes beside the JSON: the published cells
// one by one (see ResultsPublication).

// One row of the open data: the coins of one value with one national side
// that members of one country counted in one month, a published cell.
struct CountsRow
{
    int month = 0;          // year * 100 + month
    int memberCountry = 0;  // member country index
    int nationalSide = 0;   // 1..15
    int coinIndex = 0;      // 0 = 1 cent .. 7 = 2 Euro
    zuv::CellCounts counts; // its coins and purses
};

// The open data (text/csv, RFC 4180).
QByteArray countsCsv(const QList<CountsRow>& rows);
