// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/publishedresults.h"

#include <QUrl>
#include <QWidget>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class ResultsDownload;

// The participant's guess of when the coins are mixed completely, as his
// settings hold it: year 1..9 for 2002..2010, 10 for 2011-2020, 11 for 2021
// or later, 12 for never, 0 for no guess; month 1..12, or 0 for none.
struct MixGuess
{
    int year = 0;
    int month = 0;
};

// "The project": what the project server publishes, downloaded when the tab
// is made and whenever the participant asks again, drawn as three charts.
class ProjectResultsView : public QWidget
{
    Q_OBJECT

public:
    // The participant's member country (his `Country`) is the one whose
    // line and origin are shown first.
    ProjectResultsView(const QUrl& source, int memberCountry, MixGuess guess = {}, QWidget* parent = nullptr);

Q_SIGNALS:
    // The results as read, each time they are.
    void resultsRead(const zuv::ProjectResults& results);

public Q_SLOTS:
    // Downloads the results again; the charts wait until they are there.
    void reload();

private:
    void showFailure(const QString& text);
    void showResults(const QByteArray& json);
    void drawShareByMonth();
    void describeModel();
    void drawOrigin();
    void drawShareByValue();
    // The category names, with a mark on those whose number is not published.
    QStringList marked(const QStringList& names, const QList<zuv::PublishedCell>& cells) const;

    QUrl source;
    int memberCountry;
    MixGuess guess;
    ResultsDownload* download;
    QLabel* status;
    QPushButton* retryButton;
    QWidget* charts;
    QLabel* totals;
    QChartView* shareByMonth;
    QLabel* model;
    QComboBox* originCountry;
    QChartView* origin;
    QChartView* shareByValue;
    QLabel* footnote;
    zuv::ProjectResults results;
};
