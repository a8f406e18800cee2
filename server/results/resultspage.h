// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/results/projectresults.h"

#include <QByteArray>

// The pages the project server shows a participant's browser. They need
// nothing but themselves: no script, no style sheet, font or picture from
// elsewhere; the charts are SVG drawn here, inside the page.

// The results: the totals, the share of foreign coins by month (the project
// and each member country), where each country's coins come from, and the
// share of foreign coins by coin value. In `language` ("de"; English for a
// language not spoken), with its numbers and month names.
QByteArray resultsPage(const zuv::ProjectResults& results, const QString& language = QStringLiteral("en"));

// The pages the program links to besides the results.
QByteArray downloadPage();
QByteArray whyNotPage();

// The addresses they are served at.
inline const QString DOWNLOAD_PAGE_PATH = QStringLiteral("/download.html");
inline const QString WHYNOT_PAGE_PATH = QStringLiteral("/whynot.html");
