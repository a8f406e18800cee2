// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/constants.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The project's published numbers: what the project server publishes as
// /api/results.json (and draws its results page from), and what the program
// reads back from there for its results window. Only what may leave the
// server is in here: every figure is a sum of published cells, each of which
// at least MINIMUM_MEMBERS members counted coins in.
namespace zuv {

// The addresses the documents are served at.
inline const QString RESULTS_JSON_PATH = QStringLiteral("/api/results.json");
inline const QString COUNTS_CSV_PATH = QStringLiteral("/api/counts.csv");

// An estimate with its 90% interval.
struct Estimate
{
    double value = 0;
    double low = 0;
    double high = 0;
};

// The fit of the mixing model of one member country (see MixingModel).
// Read back from the JSON, a forecast is the middle of its published month.
struct MixingFit
{
    // Whether the data supports the model; when not, `missing` says what is
    // missing ("fewer than 20 members (12)", ...) and no number is given.
    bool fitted = false;
    QString missing;
    int members = 0;
    qint64 purses = 0;
    int months = 0; // distinct months counted

    bool aFixed = false; // a came from the coins produced, not from the fit
    Estimate a;
    Estimate b;                               // per year
    Estimate halfTimeYears;                   // ln 2 / b
    Estimate mixedYears;                      // when f reaches 90% of a: ln 10 / b, in years after 2002-01-01
    std::optional<Estimate> halfForeignYears; // when half the coins are foreign (a > 0.5 only)

    // The foreign share f(t) = a (1 - exp(-b t)) at `years` after 2002-01-01.
    static double share(double a, double b, double years);
};

// The first day of the month that `years` after 2002-01-01 fall in: how a
// forecast is published.
QDate monthAfterEuroStart(double years);

struct CellCounts
{
    qint64 coins = 0;
    qint64 foreignCoins = 0; // national side other than the member's country
    qint64 purses = 0;       // sessions that hold coins of the cell; only the CSV has them, read from JSON 0
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

// Coins by coin value (0 = 1 cent) and national side (1..15 at [side - 1]).
using MixCounts = std::array<std::array<qint64, NUM_NATIONAL_SIDES>, NUM_COINS>;

// The mixing model of one member country that issues euro coins, as
// published with the day's publication (see ResultsPublication).
struct CountryModel
{
    int country = 0; // member country index, 1..15
    MixingFit all;   // every coin value together
    std::array<MixingFit, NUM_COINS> byValue;
    // The published coins of the country over all months: the mix its
    // members meet; all 0 where none is published.
    MixCounts mix{};
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
    // The JSON the server publishes, compact.
    QByteArray toJson() const;
    // Reads what a server published. The reading is tolerant: a part that is
    // missing or does not fit its shape is left empty (a cell unpublished, a
    // fit not fitted), unknown fields are ignored, and no text a server sends
    // can make it crash. Nothing (and the reason in *error) when the text is
    // not a JSON object.
    static std::optional<ProjectResults> fromJson(const QByteArray& json, QString* error = nullptr);

    // Nothing when the country has no entry.
    const MemberCountryResults* countryIn(int country) const;
    const CountryModel* modelIn(int country) const;

    QDateTime updated; // UTC, the day of the publication; invalid while nothing was published
    qint64 minimumMembers = MINIMUM_MEMBERS;
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

// "2024-03"
QString monthText(int month);
// The member country's name; empty for no country.
QString memberCountryName(int country);

} // namespace zuv
