#pragma once

#include "common/constants.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The project's published results as the project server serves them at
// /api/results.json. The reading is tolerant: a part that is missing or does
// not fit its shape is left empty or marked missing, unknown fields are
// ignored, and no text a server sends can make it crash.

// One published number: coins with a share of them, or a cell that fewer
// members contributed to than the project publishes, or nothing usable.
struct ShareCell
{
    enum State { Missing, Suppressed, Published };
    State state = Missing;
    qint64 coins = 0;
    qint64 foreign = 0; // only in the foreign-share cells
    double share = 0;   // 0..1

    bool published() const { return state == Published; }
};

// The foreign share month by month of the members in one euro country.
struct CountryShares
{
    int country = 0; // member country 1..15, the national sides' order
    QString name;
    QList<ShareCell> cells; // aligned with ProjectResults::months
};

// Where the coins in one member country come from.
struct CountryOrigin
{
    int country = 0;
    QString name;
    bool suppressed = false;
    qint64 coins = 0;
    QList<ShareCell> sides; // national side 1..15; share of the country's coins
};

struct ProjectTotals
{
    qint64 members = 0;
    qint64 purses = 0;
    qint64 coins = 0;
    qint64 valueCents = 0;
};

// An estimate of the mixing model with its 90% interval.
struct ModelEstimate
{
    double value = 0;
    double low = 0;
    double high = 0;
};

// A forecast date (the first day of a month) with its 90% interval.
struct ModelDate
{
    QDate value;
    QDate low;
    QDate high;
};

// The fit of the mixing model f(t) = a (1 - exp(-b t)), t in years after
// 2002-01-01, f the foreign share in a member country. Not fitted, it says
// only what is missing.
struct ModelFit
{
    bool fitted = false;
    QString missing;
    qint64 members = 0;
    qint64 purses = 0;
    qint64 months = 0;
    bool aFixed = false; // a came from the coins produced
    ModelEstimate a;
    ModelEstimate b; // per year
    ModelEstimate halfTimeYears;
    ModelDate mixed;                      // f reaches 90% of a
    std::optional<ModelDate> halfForeign; // only where a > 0.5

    // The foreign share at `years` after 2002-01-01 for the given a and b.
    static double share(double a, double b, double years);
};

// Coins by coin value (0 = 1 cent) and national side (0 = side 1).
using MixCounts = std::array<std::array<qint64, NUM_NATIONAL_SIDES>, NUM_COINS>;

struct CountryMixing
{
    int country = 0;
    QString name;
    std::optional<ModelFit> all;            // every coin value together
    QList<std::optional<ModelFit>> byValue; // NUM_COINS, 1 cent first
    std::optional<MixCounts> mix;           // the published coins its members met
};

// One bar of the members' guesses of when the coins are mixed completely.
struct GuessCount
{
    QString guess;                 // "2002" ... "2011-2020", "2021 or later", "Never"
    std::optional<qint64> members; // none: fewer members guessed so than are published
};

struct PublishedModel
{
    QString productionShares; // "source, date" when a was taken from the coins produced
    QList<GuessCount> mixedGuesses;
    QList<CountryMixing> countries; // member countries ascending

    const CountryMixing* in(int country) const;
};

struct ProjectResults
{
    QDateTime updated; // UTC; invalid while nothing is published
    int minimumMembers = 0;
    QStringList coinValues;    // 8 names, "1c" first
    QStringList nationalSides; // 15 names, national side 1 first
    std::optional<ProjectTotals> totals;
    QStringList months;                  // "yyyy-MM", ascending
    QList<ShareCell> shareByMonth;       // aligned with months
    QList<CountryShares> shareByMonthIn; // member countries ascending
    QList<CountryOrigin> origin;         // member countries ascending
    QList<ShareCell> shareByValue;       // aligned with coinValues
    std::optional<PublishedModel> model;

    const CountryShares* sharesIn(int country) const;
    const CountryOrigin* originIn(int country) const;
};

// Nothing (and the reason in *error) when the text is not a JSON object.
std::optional<ProjectResults> parseProjectResults(const QByteArray& json, QString* error);
