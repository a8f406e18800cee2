// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/resultswindow.h"

#include "results/projectresultsview.h"
#include "results/purseresultsview.h"
#include "storage/clientstorage.h"

#include <QTabWidget>

ResultsWindow::ResultsWindow(const ClientStorage& state, const QString& archiveFile, const QUrl& projectResults,
                             QWidget* parent)
    : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("results window"));
    setWindowTitle(tr("ZUV: the results"));
    auto* tabs = new QTabWidget;
    auto* project = new ProjectResultsView(projectResults, state.Country,
                                           MixGuess{state.GuessWhenMixdateYear, state.GuessWhenMixdateMonth});
    auto* purse = new PurseResultsView(state, archiveFile);
    // The purse's forecast needs the mix the project publishes.
    connect(project, &ProjectResultsView::resultsRead, purse, &PurseResultsView::showForecast);
    tabs->addTab(project, tr("The project"));
    tabs->addTab(purse, tr("Your purse"));
    setCentralWidget(tabs);
    resize(1120, 840);
}
