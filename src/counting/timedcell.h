// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counting/cellcoord.h"

#include <QObject>

class QTimer;

// Waits once for its delay and then reports its cell with timeIsOut().
class TimedCell : public QObject
{
    Q_OBJECT

public:
    TimedCell(cellCoord cell, int delayMs, QObject* parent, const QString& name);

    cellCoord cell() const { return theCell; }
    bool isActive() const;
    // The signal will not come after this.
    void stop();

Q_SIGNALS:
    void timeIsOut(cellCoord cell);

private Q_SLOTS:
    void timeout();

private:
    cellCoord theCell;
    QTimer* timer; // child, named "cell timer"
};
