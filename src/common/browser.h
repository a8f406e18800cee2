// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// No browser is started: the participant is told which page to open.
void openBrowser(const QString& url);
