// SPDX-License-Identifier: GPL-3.0-or-later
#include "usage/userevent.h"

#include <QDataStream>

QDataStream& operator<<(QDataStream& stream, const UserEvent& event)
{
    return stream << event.time << event.id;
}

QDataStream& operator>>(QDataStream& stream, UserEvent& event)
{
    return stream >> event.time >> event.id;
}
