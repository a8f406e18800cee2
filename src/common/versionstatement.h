// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What `--version` prints: the program and its version on the first line
// (help2man and scripts read only that one), then the copyright and the
// licence in the short form GNU programs use.
QString versionStatement(const QString& program, const QString& version);
