// SPDX-License-Identifier: GPL-3.0-or-later
#include "counting/timedcell.h"

#include <QTimer>

TimedCell::TimedCell(cellCoord cell, int delayMs, QObject* parent, const QString& name)
    : QObject(parent), theCell(cell), timer(new QTimer(this))
{
    setObjectName(name);
    timer->setObjectName(QStringLiteral("cell timer"));
    timer->setSingleShot(true);
    // A coarse timer may fire a few percent early; the cell keeps its "0"
    // for the whole delay.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &TimedCell::timeout);
    timer->start(delayMs);
}

bool TimedCell::isActive() const
{
    return timer->isActive();
}

void TimedCell::stop()
{
    timer->stop();
}

void TimedCell::timeout()
{
    Q_EMIT timeIsOut(theCell);
}
