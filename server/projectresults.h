#pragma once

#include "common/constants.h"
#include "server/mixingmodel.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The project's published numbers as the results page, the JSON and the
// CSV show them. Only what may leave the server is in here (see
// ResultsPublication): every figure is a sum of published cells, each of
// which at least MINIMUM_MEMBERS members counted coins in.

struct CellCounts
{
    qint64 coins = 0;
    qint64 foreignCoins = 0; // national side other than the member's country
    qint64 purses = 0;       // sessions that hold coins of the cell
};

// Empty: no published cell adds to it (nothing counted there, or nothing
// that enough members counted). Summed up, a figure's purses are not known:
// a purse adds to many cells.
using PublishedCell = std::optional<CellCounts>;

// Members are the participants who counted coins in a cell.
constexpr qint64 MINIMUM_MEMBERS = 3;

// One member country of the 15 euro coin countries that has coins.
struct MemberCountryResults
{
    int country = 0;                                     // member country index, 1..15
    QList<PublishedCell> byMonth;                        // aligned with ProjectResults::months
    PublishedCell origin;                                // all its coins
    std::array<PublishedCell, NUM_NATIONAL_SIDES> sides; // national side 1..15 at [side - 1]
};

// The mixing model of one member country that issues euro coins, as
// published with the day's publication (see ResultsPublication).
struct CountryModel
{
    int country = 0; // member country index, 1..15
    MixingFit all;   // every coin value together
    std::array<MixingFit, NUM_COINS> byValue;
    // The published coins of the country over all months, by coin value
    // (0 = 1 cent) and national side (1..15 at [side - 1]): the mix its
    // members meet.
    std::array<std::array<qint64, NUM_NATIONAL_SIDES>, NUM_COINS> mix{};
};

// One bar of the members' guesses of when the coins are mixed completely,
// as the settings offer them ("2002" ... "2010", "2011-2020", "2021 or
// later", "Never").
struct GuessBar
{
    QString guess;
    std::optional<qint64> members; // empty: fewer than MINIMUM_MEMBERS guessed so
};

// The settings' choices of when the coins will be mixed completely, by
// their index 1..MIXED_GUESS_CHOICES: "2002" ... "2010", "2011-2020",
// "2021 or later", "Never".
constexpr int MIXED_GUESS_CHOICES = 12;
QString mixedGuessName(int choice);

struct ProjectResults
{
    QDateTime updated;  // UTC, the day of the publication; invalid while nothing was published
    qint64 members = 0; // as published: see ResultsPublication
    qint64 purses = 0;
    qint64 coins = 0;      // in the published cells
    qint64 valueCents = 0; // of those coins
    QList<int> months;     // year * 100 + month, ascending
    QList<PublishedCell> overallByMonth;
    QList<MemberCountryResults> countries; // ascending by index
    std::array<PublishedCell, NUM_COINS> byValue;
    QList<CountryModel> models;   // ascending by country
    QList<GuessBar> mixedGuesses; // in the settings' order; empty before the first publication
    QJsonObject productionShares; // where a was taken from, when not fitted: ProductionShares::published()
};

// One row of the open data: the coins of one value with one national side
// that members of one country counted in one month, a published cell.
struct CountsRow
{
    int month = 0;         // year * 100 + month
    int memberCountry = 0; // member country index
    int nationalSide = 0;  // 1..15
    int coinIndex = 0;     // 0 = 1 cent .. 7 = 2 Euro
    CellCounts counts;     // its coins and purses
};

// The numbers behind every chart (application/json).
QByteArray resultsJson(const ProjectResults& results);
// The open data (text/csv, RFC 4180).
QByteArray countsCsv(const QList<CountsRow>& rows);

// "2024-03"
QString monthText(int month);
// The member country's name; empty for no country.
QString memberCountryName(int country);

// The addresses the documents are served at.
inline const QString RESULTS_JSON_PATH = QStringLiteral("/api/results.json");
inline const QString COUNTS_CSV_PATH = QStringLiteral("/api/counts.csv");
