// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/publishedresults.h"
#include "results/purseresults.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

// "Your purse": the participant's own countings, from his files alone: the
// sessions of the data file not yet uploaded and the archive of everything
// uploaded. Nothing is downloaded, and the archive is only read.
class PurseResultsView : public QWidget
{
    Q_OBJECT

public:
    PurseResultsView(const ClientStorage& dataFile, const QString& archiveFile, QWidget* parent = nullptr);

public Q_SLOTS:
    // When he will have seen every national coin, from the mix the members
    // in his member country meet.
    void showForecast(const zuv::ProjectResults& results);

private:
    void addCountings(QVBoxLayout* layout, const PurseSummary& summary);
    void exportCountings();

    QList<Counting> countings;
    int memberCountry = 0;
    QLabel* forecast = nullptr;
    QLabel* exportStatus = nullptr;
};
