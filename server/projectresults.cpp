#include "server/projectresults.h"

#include "settings/settingschoices.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <vector>

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

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// Years after 2002-01-01 as the month they fall in: "2031-05".
QString monthAfterEuroStart(double years)
{
    const int months = int(std::floor(std::clamp(years, 0.0, 7000.0) * 12));
    return QDate(2002, 1, 1).addMonths(months).toString(QStringLiteral("yyyy-MM"));
}

QJsonObject estimate(const Estimate& value)
{
    return QJsonObject{{QStringLiteral("value"), value.value},
                       {QStringLiteral("low"), value.low},
                       {QStringLiteral("high"), value.high}};
}

QJsonObject forecast(const Estimate& years)
{
    return QJsonObject{{QStringLiteral("value"), monthAfterEuroStart(years.value)},
                       {QStringLiteral("low"), monthAfterEuroStart(years.low)},
                       {QStringLiteral("high"), monthAfterEuroStart(years.high)}};
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

QByteArray resultsJson(const ProjectResults& results)
{
    QStringList months;
    for (const int month : results.months)
        months << monthText(month);
    QJsonArray byCountry;
    QJsonArray origins;
    for (const MemberCountryResults& country : results.countries) {
        QJsonObject line = countryObject(country.country);
        line.insert(QStringLiteral("cells"), foreignShares(country.byMonth));
        byCountry.append(line);
        origins.append(origin(country));
    }
    const QStringList sides(countrynamesWords.begin() + 1, countrynamesWords.end());
    const QStringList coinValues(coinnames.begin(), coinnames.end());

    const QJsonObject json{
        {QStringLiteral("updated"), results.updated.isValid()
                                        ? QJsonValue(results.updated.toUTC().toString(Qt::ISODate))
                                        : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("minimumMembers"), MINIMUM_MEMBERS},
        {QStringLiteral("coinValues"), texts(coinValues)},
        {QStringLiteral("nationalSides"), texts(sides)},
        {QStringLiteral("totals"), QJsonObject{{QStringLiteral("members"), results.members},
                                               {QStringLiteral("purses"), results.purses},
                                               {QStringLiteral("coins"), results.coins},
                                               {QStringLiteral("valueCents"), results.valueCents}}},
        {QStringLiteral("months"), texts(months)},
        {QStringLiteral("foreignShareByMonth"),
         QJsonObject{{QStringLiteral("overall"), foreignShares(results.overallByMonth)},
                     {QStringLiteral("byCountry"), byCountry}}},
        {QStringLiteral("origin"), origins},
        {QStringLiteral("foreignShareByValue"),
         foreignShares(QList<PublishedCell>(results.byValue.begin(), results.byValue.end()))},
        {QStringLiteral("model"), modelObject(results)},
        {QStringLiteral("downloads"),
         QJsonObject{{QStringLiteral("json"), RESULTS_JSON_PATH}, {QStringLiteral("csv"), COUNTS_CSV_PATH}}},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

QByteArray countsCsv(const QList<CountsRow>& rows)
{
    // A hundred thousand rows are written from a few dozen names: each is
    // encoded once.
    const auto fields = [](const auto& names) {
        std::vector<QByteArray> encoded;
        for (const QString& name : names)
            encoded.push_back(csvField(name).toUtf8() + ',');
        return encoded;
    };
    const std::vector<QByteArray> memberCountries = fields(memberCountryItems());
    const std::vector<QByteArray> sides = fields(countrynamesWords);
    const std::vector<QByteArray> coins = fields(coinnames);

    QByteArray csv = "month,member_country,national_side,coin_value,coins,purses\r\n";
    csv.reserve(csv.size() + rows.size() * 48);
    int month = -1;
    QByteArray monthField;
    for (const CountsRow& row : rows) {
        if (row.month != month) {
            month = row.month;
            monthField = monthText(month).toUtf8() + ',';
        }
        csv += monthField;
        csv += row.memberCountry >= 0 && size_t(row.memberCountry) < memberCountries.size()
                   ? memberCountries[size_t(row.memberCountry)]
                   : QByteArray(",");
        csv += sides[size_t(row.nationalSide)];
        csv += coins[size_t(row.coinIndex)];
        csv += QByteArray::number(row.counts.coins) + ',' + QByteArray::number(row.counts.purses) + "\r\n";
    }
    return csv;
}
