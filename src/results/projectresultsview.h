#pragma once

#include "results/projectresults.h"

#include <QUrl>
#include <QWidget>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class ResultsDownload;

// "The project": what the project server publishes, downloaded when the tab
// is made and whenever the participant asks again, drawn as three charts.
class ProjectResultsView : public QWidget
{
    Q_OBJECT

public:
    // The participant's member country (his `Country`) is the one whose
    // line and origin are shown first.
    ProjectResultsView(const QUrl& source, int memberCountry, QWidget* parent = nullptr);

public Q_SLOTS:
    // Downloads the results again; the charts wait until they are there.
    void reload();

private:
    void showFailure(const QString& text);
    void showResults(const QByteArray& json);
    void drawShareByMonth();
    void drawOrigin();
    void drawShareByValue();
    // The category names, with a mark on those whose number is not published.
    QStringList marked(const QStringList& names, const QList<ShareCell>& cells) const;

    QUrl source;
    int memberCountry;
    ResultsDownload* download;
    QLabel* status;
    QPushButton* retryButton;
    QWidget* charts;
    QLabel* totals;
    QChartView* shareByMonth;
    QComboBox* originCountry;
    QChartView* origin;
    QChartView* shareByValue;
    QLabel* footnote;
    ProjectResults results;
};
