// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/localtime.h"

#include <QByteArray>
#include <QtGlobal>

namespace {
// The C library's own default when TZ is unset; the colon makes it a file.
constexpr char SYSTEM_ZONE_FILE[] = ":/etc/localtime";
} // namespace

void settleLocalTimeZone()
{
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", QByteArray(SYSTEM_ZONE_FILE));
}
