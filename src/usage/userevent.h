// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QDataStream;

// One recorded usage event: when (hundredths of a second since the
// observation clock was started, low 16 bits only) and which (the identifier
// of the event's name in the vocabulary).
struct UserEvent
{
    qint32 time = 0;
    quint16 id = 0;

    bool operator==(const UserEvent& other) const { return time == other.time && id == other.id; }
    bool operator!=(const UserEvent& other) const { return !(*this == other); }
};

// Six bytes: the time as a 32-bit, the identifier as a 16-bit integer.
QDataStream& operator<<(QDataStream& stream, const UserEvent& event);
QDataStream& operator>>(QDataStream& stream, UserEvent& event);
