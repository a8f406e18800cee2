// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counting/cellcoord.h"

#include <QObject>

#include <map>

class TimedCell;

// A zeroed cell shows "0" for this long before it is blanked.
constexpr int AUTO_ERASE_DELAY_MS = 5000;

// The cells that show a fresh "0" and are to be blanked after their delay,
// one single-shot timer per cell. Each waiting cell has exactly one TimedCell,
// a child of this object, destroyed when its wait ends either way.
class AutoErasedCells : public QObject
{
    Q_OBJECT

public:
    explicit AutoErasedCells(QObject* parent = nullptr, const QString& name = QString());

    // Starts the wait for the cell; a cell already waiting starts over.
    void insert(cellCoord cell);
    // True while the cell waits to be blanked.
    bool isActive(cellCoord cell) const;
    // Cancels the cell's wait without eraseCell; nothing for a cell not waiting.
    void remove(cellCoord cell);

    int waitingCells() const { return static_cast<int>(cells.size()); }

    // Waits started after this use the given delay. Only tests that cannot
    // afford the real delay shorten it.
    void setDelay(int delayMs) { delay = delayMs; }
    int delayMs() const { return delay; }

Q_SIGNALS:
    void eraseCell(cellCoord cell);

private Q_SLOTS:
    void finished(cellCoord aCell);

private:
    void drop(cellCoord cell);

    std::map<cellCoord, TimedCell*> cells;
    int delay = AUTO_ERASE_DELAY_MS;
};
