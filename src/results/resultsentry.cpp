// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resultsloader.h"
#include "results/resultswindow.h"

#include <type_traits>

// The library's entry, found by name when the program loads it.
extern "C" Q_DECL_EXPORT QWidget* zuvMakeResultsWindow(const ClientStorage& state, const QString& archiveFile,
                                                       const QUrl& projectResults, QWidget* parent)
{
    return new ResultsWindow(state, archiveFile, projectResults, parent);
}

// The type the program calls it through, checked here where both are seen.
static_assert(std::is_same_v<decltype(&zuvMakeResultsWindow), ResultsWindowMaker>);
