// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resultsloader.h"

#include "common/modules.h"

ResultsWindowMaker resultsWindowMaker(QString* failure)
{
    return reinterpret_cast<ResultsWindowMaker>(
        moduleEntry(QStringLiteral(ZUV_RESULTS_LIBRARY), "zuvMakeResultsWindow", failure));
}
