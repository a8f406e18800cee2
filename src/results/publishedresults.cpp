// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/publishedresults.h"

#include "settings/settingschoices.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>

namespace zuv {

namespace {

QJsonValue suppressed()
{
    return QJsonObject{{QStringLiteral("suppressed"), true}};
}

// {"coins", "foreign", "share"}: the share of foreign coins.
QJsonValue foreignShare(const PublishedCell& cell)
{
    if (!cell || cell->coins <= 0)
        return suppressed();
    return QJsonObject{{QStringLiteral("coins"), cell->coins},
                       {QStringLiteral("foreign"), cell->foreignCoins},
                       {QStringLiteral("share"), double(cell->foreignCoins) / double(cell->coins)}};
}

QJsonArray foreignShares(const QList<PublishedCell>& cells)
{
    QJsonArray array;
    for (const PublishedCell& cell : cells)
        array.append(foreignShare(cell));
    return array;
}

QJsonObject countryObject(int country)
{
    return QJsonObject{{QStringLiteral("country"), country}, {QStringLiteral("name"), memberCountryName(country)}};
}

// Where the coins counted in one member country come from.
QJsonObject origin(const MemberCountryResults& country)
{
    QJsonObject object = countryObject(country.country);
    if (!country.origin || country.origin->coins <= 0) {
        object.insert(QStringLiteral("suppressed"), true);
        return object;
    }
    const qint64 coins = country.origin->coins;
    QJsonArray sides;
    for (const PublishedCell& side : country.sides)
        sides.append(side ? QJsonValue(QJsonObject{{QStringLiteral("coins"), side->coins},
                                                   {QStringLiteral("share"), double(side->coins) / double(coins)}})
                          : suppressed());
    object.insert(QStringLiteral("coins"), coins);
    object.insert(QStringLiteral("sides"), sides);
    return object;
}

QJsonArray texts(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

const QDate euroStart(2002, 1, 1);
// Beyond this a forecast means "never" anyway; it keeps the date valid.
constexpr double latestForecastYears = 7000;

QJsonObject estimate(const Estimate& value)
{
    return QJsonObject{{QStringLiteral("value"), value.value},
                       {QStringLiteral("low"), value.low},
                       {QStringLiteral("high"), value.high}};
}

QJsonObject forecast(const Estimate& years)
{
    const auto month = [](double at) { return monthAfterEuroStart(at).toString(QStringLiteral("yyyy-MM")); };
    return QJsonObject{{QStringLiteral("value"), month(years.value)},
                       {QStringLiteral("low"), month(years.low)},
                       {QStringLiteral("high"), month(years.high)}};
}

QJsonObject fitObject(const MixingFit& fit)
{
    QJsonObject object{{QStringLiteral("fitted"), fit.fitted},
                       {QStringLiteral("members"), fit.members},
                       {QStringLiteral("purses"), fit.purses},
                       {QStringLiteral("months"), fit.months}};
    if (!fit.fitted) {
        object.insert(QStringLiteral("missing"), fit.missing);
        return object;
    }
    object.insert(QStringLiteral("aFixed"), fit.aFixed);
    object.insert(QStringLiteral("a"), estimate(fit.a));
    object.insert(QStringLiteral("b"), estimate(fit.b));
    object.insert(QStringLiteral("halfTimeYears"), estimate(fit.halfTimeYears));
    object.insert(QStringLiteral("mixed"), forecast(fit.mixedYears));
    if (fit.halfForeignYears)
        object.insert(QStringLiteral("halfForeign"), forecast(*fit.halfForeignYears));
    return object;
}

QJsonObject modelObject(const ProjectResults& results)
{
    QJsonArray guesses;
    for (const GuessBar& bar : results.mixedGuesses)
        guesses.append(
            bar.members ? QJsonObject{{QStringLiteral("guess"), bar.guess}, {QStringLiteral("members"), *bar.members}}
                        : QJsonObject{{QStringLiteral("guess"), bar.guess}, {QStringLiteral("suppressed"), true}});
    QJsonArray countries;
    for (const CountryModel& model : results.models) {
        QJsonObject country = countryObject(model.country);
        country.insert(QStringLiteral("all"), fitObject(model.all));
        QJsonArray byValue;
        for (const MixingFit& fit : model.byValue)
            byValue.append(fitObject(fit));
        country.insert(QStringLiteral("byValue"), byValue);
        QJsonArray mix;
        for (const auto& sides : model.mix) {
            QJsonArray row;
            for (const qint64 coins : sides)
                row.append(coins);
            mix.append(row);
        }
        country.insert(QStringLiteral("mix"), mix);
        countries.append(country);
    }
    return QJsonObject{
        {QStringLiteral("productionShares"),
         results.productionShares.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(results.productionShares)},
        {QStringLiteral("mixedGuesses"), guesses},
        {QStringLiteral("countries"), countries},
    };
}

// Reading: nothing a server sends is trusted. Counts above 2^53 are no longer
// exact in a JSON number.
constexpr double largestExactCount = 9007199254740992.0;

std::optional<qint64> countOf(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= 0 && number <= largestExactCount) || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

qint64 countOr0(const QJsonObject& object, const char* name)
{
    return countOf(object.value(QLatin1String(name))).value_or(0);
}

// A foreign-share cell {"coins","foreign","share"} or a national side's cell
// {"coins","share"}; the shares follow from the counts. Suppressed or
// misshapen, it is not published.
PublishedCell cellOf(const QJsonValue& value, bool withForeign)
{
    const QJsonObject object = value.toObject();
    const std::optional<qint64> coins = countOf(object.value(QLatin1String("coins")));
    const std::optional<qint64> foreign = countOf(object.value(QLatin1String("foreign")));
    if (object.value(QLatin1String("suppressed")).toBool() || !coins ||
        (withForeign && (*coins == 0 || !foreign || *foreign > *coins)))
        return std::nullopt;
    return CellCounts{*coins, withForeign ? *foreign : 0, 0};
}

// Exactly `length` cells: what the array holds beyond is dropped, what it
// lacks is not published.
QList<PublishedCell> cellsOf(const QJsonValue& value, qsizetype length, bool withForeign)
{
    const QJsonArray array = value.toArray();
    QList<PublishedCell> cells;
    for (qsizetype i = 0; i < length; ++i)
        cells.append(i < array.size() ? cellOf(array.at(i), withForeign) : std::nullopt);
    return cells;
}

// "2024-03" as 202403; 0 for anything else, which keeps the month's cells in
// their places.
int monthOf(const QJsonValue& value)
{
    const QDate month = QDate::fromString(value.toString() + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
    return month.isValid() ? month.year() * 100 + month.month() : 0;
}

// The member country 1..15 of an entry; 0 for one to be left out.
int countryOf(const QJsonObject& entry)
{
    const std::optional<qint64> country = countOf(entry.value(QLatin1String("country")));
    return country && *country >= 1 && *country <= NUM_NATIONAL_SIDES ? int(*country) : 0;
}

// The entry of `country`, made in its place (ascending) when there is none.
MemberCountryResults& entryOf(QList<MemberCountryResults>& countries, int country, qsizetype monthCount)
{
    auto at = std::lower_bound(countries.begin(), countries.end(), country,
                               [](const MemberCountryResults& one, int other) { return one.country < other; });
    if (at == countries.end() || at->country != country)
        at = countries.insert(at, MemberCountryResults{country, QList<PublishedCell>(monthCount), {}, {}});
    return *at;
}

std::optional<Estimate> estimateOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue number = object.value(QLatin1String("value"));
    const QJsonValue low = object.value(QLatin1String("low"));
    const QJsonValue high = object.value(QLatin1String("high"));
    if (!number.isDouble() || !low.isDouble() || !high.isDouble())
        return std::nullopt;
    const Estimate estimate{number.toDouble(), low.toDouble(), high.toDouble()};
    if (!(estimate.low <= estimate.value && estimate.value <= estimate.high) || !std::isfinite(estimate.low) ||
        !std::isfinite(estimate.high))
        return std::nullopt;
    return estimate;
}

// A published forecast, months "yyyy-MM", as years after 2002-01-01: the
// middle of each month, so that it is published as the same month again.
std::optional<Estimate> forecastOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const auto years = [&object](const char* name) -> std::optional<double> {
        const int month = monthOf(object.value(QLatin1String(name)));
        if (month == 0)
            return std::nullopt;
        return ((month / 100 - euroStart.year()) * 12 + month % 100 - 1 + 0.5) / 12;
    };
    const std::optional<double> at = years("value");
    const std::optional<double> low = years("low");
    const std::optional<double> high = years("high");
    if (!at || !low || !high || !(*low <= *at && *at <= *high))
        return std::nullopt;
    return Estimate{*at, *low, *high};
}

// A fit that claims to be fitted must carry every estimate it is drawn
// from; one that does not is read as not fitted.
MixingFit fitOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    MixingFit fit;
    fit.missing = object.value(QLatin1String("missing")).toString();
    fit.members = int(std::min<qint64>(countOr0(object, "members"), INT_MAX));
    fit.purses = countOr0(object, "purses");
    fit.months = int(std::min<qint64>(countOr0(object, "months"), INT_MAX));
    if (!object.value(QLatin1String("fitted")).toBool())
        return fit;
    const std::optional<Estimate> a = estimateOf(object.value(QLatin1String("a")));
    const std::optional<Estimate> b = estimateOf(object.value(QLatin1String("b")));
    const std::optional<Estimate> halfTime = estimateOf(object.value(QLatin1String("halfTimeYears")));
    const std::optional<Estimate> mixed = forecastOf(object.value(QLatin1String("mixed")));
    if (!a || !b || !halfTime || !mixed || a->low < 0 || a->high > 1 || b->low < 0)
        return fit;
    fit.fitted = true;
    fit.aFixed = object.value(QLatin1String("aFixed")).toBool();
    fit.a = *a;
    fit.b = *b;
    fit.halfTimeYears = *halfTime;
    fit.mixedYears = *mixed;
    fit.halfForeignYears = forecastOf(object.value(QLatin1String("halfForeign")));
    return fit;
}

// Exactly NUM_COINS rows of NUM_NATIONAL_SIDES counts, or none at all.
MixCounts mixOf(const QJsonValue& value)
{
    MixCounts mix{};
    const QJsonArray rows = value.toArray();
    if (rows.size() != NUM_COINS)
        return {};
    for (size_t coin = 0; coin < NUM_COINS; ++coin) {
        const QJsonArray row = rows.at(qsizetype(coin)).toArray();
        if (row.size() != NUM_NATIONAL_SIDES)
            return {};
        for (size_t side = 0; side < NUM_NATIONAL_SIDES; ++side) {
            const std::optional<qint64> coins = countOf(row.at(qsizetype(side)));
            if (!coins)
                return {};
            mix[coin][side] = *coins;
        }
    }
    return mix;
}

void readModel(const QJsonObject& object, ProjectResults& results)
{
    const QJsonValue production = object.value(QLatin1String("productionShares"));
    results.productionShares = production.toObject();
    for (const QJsonValue& value : object.value(QLatin1String("mixedGuesses")).toArray()) {
        const QJsonObject bar = value.toObject();
        const QJsonValue guess = bar.value(QLatin1String("guess"));
        const std::optional<qint64> members = countOf(bar.value(QLatin1String("members")));
        if (guess.isString() && (members || bar.value(QLatin1String("suppressed")).toBool()))
            results.mixedGuesses.append(GuessBar{guess.toString(), members});
    }
    for (const QJsonValue& value : object.value(QLatin1String("countries")).toArray()) {
        const QJsonObject entry = value.toObject();
        const int country = countryOf(entry);
        if (country == 0 || results.modelIn(country))
            continue;
        CountryModel model{
            country, fitOf(entry.value(QLatin1String("all"))), {}, mixOf(entry.value(QLatin1String("mix")))};
        const QJsonArray byValue = entry.value(QLatin1String("byValue")).toArray();
        for (size_t coin = 0; coin < NUM_COINS; ++coin)
            model.byValue[coin] = fitOf(byValue.at(qsizetype(coin)));
        const auto at = std::lower_bound(results.models.begin(), results.models.end(), country,
                                         [](const CountryModel& one, int other) { return one.country < other; });
        results.models.insert(at, model);
    }
}

} // namespace

QString mixedGuessName(int choice)
{
    if (choice >= 1 && choice <= 9)
        return QString::number(2001 + choice);
    switch (choice) {
    case 10:
        return QStringLiteral(QT_TRANSLATE_NOOP("ResultsPage", "2011-2020"));
    case 11:
        return QStringLiteral(QT_TRANSLATE_NOOP("ResultsPage", "2021 or later"));
    case 12:
        return QStringLiteral(QT_TRANSLATE_NOOP("ResultsPage", "Never"));
    default:
        return QString();
    }
}

QString monthText(int month)
{
    return QStringLiteral("%1-%2").arg(month / 100, 4, 10, QLatin1Char('0')).arg(month % 100, 2, 10, QLatin1Char('0'));
}

QString memberCountryName(int country)
{
    const QStringList& items = memberCountryItems();
    return country >= 0 && country < items.size() ? items.at(country) : QString();
}

double MixingFit::share(double a, double b, double years)
{
    return a * -std::expm1(-b * years);
}

QDate monthAfterEuroStart(double years)
{
    return euroStart.addMonths(int(std::floor(std::clamp(years, 0.0, latestForecastYears) * 12)));
}

const MemberCountryResults* ProjectResults::countryIn(int country) const
{
    for (const MemberCountryResults& entry : countries)
        if (entry.country == country)
            return &entry;
    return nullptr;
}

const CountryModel* ProjectResults::modelIn(int country) const
{
    for (const CountryModel& model : models)
        if (model.country == country)
            return &model;
    return nullptr;
}

std::optional<ProjectResults> ProjectResults::fromJson(const QByteArray& json, QString* error)
{
    QJsonParseError parsing;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsing);
    if (parsing.error != QJsonParseError::NoError || !document.isObject()) {
        if (error)
            *error =
                parsing.error != QJsonParseError::NoError ? parsing.errorString() : QStringLiteral("no JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    ProjectResults results;
    results.updated = QDateTime::fromString(root.value(QLatin1String("updated")).toString(), Qt::ISODate).toUTC();
    results.minimumMembers = countOr0(root, "minimumMembers");
    const QJsonObject totals = root.value(QLatin1String("totals")).toObject();
    results.members = countOr0(totals, "members");
    results.purses = countOr0(totals, "purses");
    results.coins = countOr0(totals, "coins");
    results.valueCents = countOr0(totals, "valueCents");

    for (const QJsonValue& month : root.value(QLatin1String("months")).toArray())
        results.months.append(monthOf(month));
    const qsizetype monthCount = results.months.size();
    const QJsonObject byMonth = root.value(QLatin1String("foreignShareByMonth")).toObject();
    results.overallByMonth = cellsOf(byMonth.value(QLatin1String("overall")), monthCount, true);
    // A country's line and its origin are published in two lists; the first
    // entry of a country in each counts.
    QSet<int> lines;
    for (const QJsonValue& value : byMonth.value(QLatin1String("byCountry")).toArray()) {
        const QJsonObject entry = value.toObject();
        const int country = countryOf(entry);
        if (country != 0 && !lines.contains(country)) {
            lines.insert(country);
            entryOf(results.countries, country, monthCount).byMonth =
                cellsOf(entry.value(QLatin1String("cells")), monthCount, true);
        }
    }
    QSet<int> origins;
    for (const QJsonValue& value : root.value(QLatin1String("origin")).toArray()) {
        const QJsonObject entry = value.toObject();
        const int country = countryOf(entry);
        if (country == 0 || origins.contains(country))
            continue;
        origins.insert(country);
        MemberCountryResults& published = entryOf(results.countries, country, monthCount);
        published.origin = cellOf(entry, false);
        if (published.origin && published.origin->coins == 0)
            published.origin.reset();
        if (published.origin) {
            const QList<PublishedCell> sides = cellsOf(entry.value(QLatin1String("sides")), NUM_NATIONAL_SIDES, false);
            std::copy(sides.begin(), sides.end(), published.sides.begin());
        }
    }
    const QList<PublishedCell> byValue = cellsOf(root.value(QLatin1String("foreignShareByValue")), NUM_COINS, true);
    std::copy(byValue.begin(), byValue.end(), results.byValue.begin());
    readModel(root.value(QLatin1String("model")).toObject(), results);
    return results;
}

QByteArray ProjectResults::toJson() const
{
    QStringList monthTexts;
    for (const int month : months)
        monthTexts << monthText(month);
    QJsonArray byCountry;
    QJsonArray origins;
    for (const MemberCountryResults& country : countries) {
        QJsonObject line = countryObject(country.country);
        line.insert(QStringLiteral("cells"), foreignShares(country.byMonth));
        byCountry.append(line);
        origins.append(origin(country));
    }
    const QStringList sides(countrynamesWords.begin() + 1, countrynamesWords.end());
    const QStringList coinValues(coinnames.begin(), coinnames.end());

    const QJsonObject json{
        {QStringLiteral("updated"),
         updated.isValid() ? QJsonValue(updated.toUTC().toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("minimumMembers"), minimumMembers},
        {QStringLiteral("coinValues"), texts(coinValues)},
        {QStringLiteral("nationalSides"), texts(sides)},
        {QStringLiteral("totals"), QJsonObject{{QStringLiteral("members"), members},
                                               {QStringLiteral("purses"), purses},
                                               {QStringLiteral("coins"), coins},
                                               {QStringLiteral("valueCents"), valueCents}}},
        {QStringLiteral("months"), texts(monthTexts)},
        {QStringLiteral("foreignShareByMonth"), QJsonObject{{QStringLiteral("overall"), foreignShares(overallByMonth)},
                                                            {QStringLiteral("byCountry"), byCountry}}},
        {QStringLiteral("origin"), origins},
        {QStringLiteral("foreignShareByValue"), foreignShares(QList<PublishedCell>(byValue.begin(), byValue.end()))},
        {QStringLiteral("model"), modelObject(*this)},
        {QStringLiteral("downloads"),
         QJsonObject{{QStringLiteral("json"), RESULTS_JSON_PATH}, {QStringLiteral("csv"), COUNTS_CSV_PATH}}},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

} // namespace zuv
