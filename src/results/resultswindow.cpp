#include "results/resultswindow.h"

#include "results/projectresultsview.h"
#include "results/purseresultsview.h"
#include "storage/clientstorage.h"

#include <QTabWidget>
#include <QVBoxLayout>

ResultsWindow::ResultsWindow(const ClientStorage& state, const QString& archiveFile, const QUrl& projectResults,
                             QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("results window"));
    setWindowTitle(tr("ZUV: the results"));
    auto* tabs = new QTabWidget;
    tabs->addTab(new ProjectResultsView(projectResults, state.Country), tr("The project"));
    tabs->addTab(new PurseResultsView(state, archiveFile), tr("Your purse"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(1120, 840);
}
