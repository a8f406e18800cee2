// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/results/projectresults.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <map>
#include <tuple>

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
// Who changed what is noted with each upload (ResultsAggregates). The
// mixing model of a member country and the members' guesses follow the same
// rule: they are published anew only when at least MINIMUM_MEMBERS members
// changed the country's countings, or their guesses.
//
// Every function throws DatabaseFailure.

// The mixing models fitted for a publication (see PublicationRun).
struct FittedModels
{
    // By member country: [0] every coin value together, [v] coin value v.
    std::map<int, std::array<zuv::MixingFit, NUM_COINS + 1>> fits;
    // Who had changed each country's countings when they were read for the
    // fit: the publication takes just these changes as published.
    std::map<int, QList<qint64>> changers;
    QJsonObject productionShares; // when a came from the coins produced (ProductionShares::published())
};

class ResultsPublication
{
public:
    static constexpr int FIRST_MONTH = 200201; // the euro coins' first day: January 2002

    explicit ResultsPublication(SqlConnection& connection) : sql(connection) {}

    // Publishes as of `now`, with the models fitted for it. `daily`: unless
    // it was done on the day of `now` (UTC) already, by this front end or
    // another. True when it published.
    bool publish(const QDateTime& now, const FittedModels& models, bool daily);
    // Whether the day of `now` has its publication already.
    bool publishedOn(const QDateTime& now);

    // Grows with every publication.
    qint64 version();
    // The name the page in `language` is kept under: "page" for English, "page.de" ...
    static QString pageDocumentName(const QString& language);
    // The document as published ("page", "page.de" ..., "json" or "csv"); empty before the first publication.
    QByteArray document(const QString& name);

    // What the documents are rendered from.
    zuv::ProjectResults read();
    QList<CountsRow> readCounts();

private:
    using CoinMix = std::array<std::array<qint64, NUM_NATIONAL_SIDES>, NUM_COINS>;
    // The models and guesses as published, with the mix of coins of each country.
    void readModels(zuv::ProjectResults& results, const std::map<int, CoinMix>& mixes);
    void publishCells(const QDateTime& now);
    void publishTotals();
    void publishModels(const FittedModels& models);
    void publishGuesses();
    // Renders the documents from the published numbers and keeps them.
    void keepDocuments();
    // How many members changed what `key` stands for since it was published.
    qint64 changers(const std::tuple<int, int, int, int>& key);
    void forgetChanges(const std::tuple<int, int, int, int>& key);

    SqlConnection& sql;
};
