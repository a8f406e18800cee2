// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSignalSpy>
#include <QStringList>

// The names carried by a spied Event(QString) signal, in the order emitted.
inline QStringList eventNames(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& arguments : spy)
        names << arguments.first().toString();
    return names;
}
