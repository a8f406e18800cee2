// SPDX-License-Identifier: GPL-3.0-or-later
#include "counting/autoerasedcells.h"

#include "counting/timedcell.h"

AutoErasedCells::AutoErasedCells(QObject* parent, const QString& name) : QObject(parent)
{
    setObjectName(name);
}

void AutoErasedCells::insert(cellCoord cell)
{
    drop(cell);
    auto* timed = new TimedCell(cell, delay, this, QStringLiteral("timed cell"));
    connect(timed, &TimedCell::timeIsOut, this, &AutoErasedCells::finished);
    cells[cell] = timed;
}

bool AutoErasedCells::isActive(cellCoord cell) const
{
    const auto it = cells.find(cell);
    return it != cells.end() && it->second->isActive();
}

void AutoErasedCells::remove(cellCoord cell)
{
    drop(cell);
}

void AutoErasedCells::drop(cellCoord cell)
{
    const auto it = cells.find(cell);
    if (it == cells.end())
        return;
    TimedCell* timed = it->second;
    cells.erase(it);
    timed->stop();
    delete timed;
}

void AutoErasedCells::finished(cellCoord aCell)
{
    const auto it = cells.find(aCell);
    if (it == cells.end())
        return; // no longer waiting: nothing to blank
    // The timed cell is the sender of the signal being handled: it may only
    // go once control is back in the event loop.
    TimedCell* timed = it->second;
    cells.erase(it);
    timed->disconnect(this);
    timed->deleteLater();
    Q_EMIT eraseCell(aCell);
}
