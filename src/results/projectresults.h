#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

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

    const CountryShares* sharesIn(int country) const;
    const CountryOrigin* originIn(int country) const;
};

// Nothing (and the reason in *error) when the text is not a JSON object.
std::optional<ProjectResults> parseProjectResults(const QByteArray& json, QString* error);
