// SPDX-License-Identifier: GPL-3.0-or-later
#include "counting/cellcoord.h"

#include "common/constants.h"

cellCoord nextCellForEditing(unsigned row, unsigned column)
{
    constexpr unsigned lastRow = NUM_NATIONAL_SIDES - 1;
    cellCoord next{row + 1, column};
    if (next.row > lastRow) {
        next.row = 0;
        next.column = column + 1;
    }
    if (next.column >= unsigned(NUM_COINS))
        next.column = 0;
    return next;
}
