#pragma once

#include "server/projectresults.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QtGlobal>

class SqlConnection;

// What the project publishes, and when: once a day, the cells of the counted
// coins (month x member country x national side x coin value) that at least
// MINIMUM_MEMBERS members counted coins in, from the euro coins' first month
// to the current one. Everything coarser (a month, a member country, a coin
// value, the coins and their value) is summed from the published cells
// alone, so a cell that is not published leaves no trace in any figure.
//
// A published cell keeps the numbers it was published with until at least
// MINIMUM_MEMBERS members changed it; the published members and purses
// likewise until that many members changed the project's totals. Two
// publications thus differ only by what several members did together.
// Who changed what is noted with each upload (ResultsAggregates).
//
// Every function throws DatabaseFailure.
class ResultsPublication
{
public:
    static constexpr int FIRST_MONTH = 200201; // the euro coins' first day: January 2002

    explicit ResultsPublication(SqlConnection& connection) : sql(connection) {}

    // Publishes as of `now`, whenever asked: the operator's command.
    void publish(const QDateTime& now);
    // Publishes unless it was done on the day of `now` (UTC) already, by
    // this front end or another; true when it did.
    bool publishDaily(const QDateTime& now);

    // Grows with every publication.
    qint64 version();
    // The document as published ("page", "json" or "csv"); empty before the first publication.
    QByteArray document(const QString& name);

    // What the documents are rendered from.
    ProjectResults read();
    QList<CountsRow> readCounts();

private:
    // Renders the documents from the published numbers and keeps them.
    void keepDocuments();

    SqlConnection& sql;
};
