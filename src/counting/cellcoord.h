// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>

// One cell of the count grid: row (national side 0..14) first, then column
// (coin index 0..7). Ordered by row, then column, so it can key a map.
struct cellCoord
{
    unsigned row = 0;
    unsigned column = 0;

    bool operator<(const cellCoord& other) const
    {
        return row < other.row || (row == other.row && column < other.column);
    }
    bool operator==(const cellCoord& other) const { return row == other.row && column == other.column; }
    bool operator!=(const cellCoord& other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(cellCoord)

// The cell after (row, column) when typing down a coin column: through all 15
// national sides, then to the top of the next coin; after the last cell comes
// (0, 0). The bounds are those of the purse, whatever the grid's size.
cellCoord nextCellForEditing(unsigned row, unsigned column);
