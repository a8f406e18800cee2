#include "results/projectresults.h"

#include "common/constants.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Counts above 2^53 are no longer exact in a JSON number.
constexpr double largestExactCount = 9007199254740992.0;

std::optional<qint64> countOf(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= 0 && number <= largestExactCount) || std::floor(number) != number)
        return std::nullopt;
    return static_cast<qint64>(number);
}

std::optional<double> shareOf(const QJsonValue& value)
{
    const double share = value.toDouble(-1);
    if (!value.isDouble() || !(share >= 0 && share <= 1))
        return std::nullopt;
    return share;
}

// A foreign-share cell {"coins","foreign","share"} or a national side's cell
// {"coins","share"}; both may be {"suppressed": true}. A share that is not
// given is worked out from the counts.
ShareCell cellOf(const QJsonValue& value, bool withForeign)
{
    ShareCell cell;
    const QJsonObject object = value.toObject();
    if (object.value(QLatin1String("suppressed")).toBool()) {
        cell.state = ShareCell::Suppressed;
        return cell;
    }
    const std::optional<qint64> coins = countOf(object.value(QLatin1String("coins")));
    const std::optional<qint64> foreign = countOf(object.value(QLatin1String("foreign")));
    if (!coins || (withForeign && (!foreign || *foreign > *coins)))
        return cell;
    cell.coins = *coins;
    cell.foreign = withForeign ? *foreign : 0;
    const QJsonValue given = object.value(QLatin1String("share"));
    if (given.isUndefined() && withForeign && cell.coins > 0) {
        cell.share = static_cast<double>(cell.foreign) / static_cast<double>(cell.coins);
    } else if (const std::optional<double> share = shareOf(given)) {
        cell.share = *share;
    } else {
        return cell;
    }
    cell.state = ShareCell::Published;
    return cell;
}

// Exactly `length` cells: what the array holds beyond is dropped, what it
// lacks is missing.
QList<ShareCell> cellsOf(const QJsonValue& value, qsizetype length, bool withForeign)
{
    const QJsonArray array = value.toArray();
    QList<ShareCell> cells;
    cells.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        cells.append(i < array.size() ? cellOf(array.at(i), withForeign) : ShareCell());
    return cells;
}

// The names when the array holds exactly `count` texts, else the fallback.
QStringList namesOf(const QJsonValue& value, qsizetype count, const QStringList& fallback)
{
    const QJsonArray array = value.toArray();
    QStringList names;
    for (const QJsonValue& name : array)
        if (name.isString())
            names.append(name.toString());
    return names.size() == count && array.size() == count ? names : fallback;
}

QStringList ourNames(const QString* first, qsizetype count)
{
    QStringList names;
    for (qsizetype i = 0; i < count; ++i)
        names.append(first[i]);
    return names;
}

// The member country 1..15 of an entry of "byCountry" or "origin", once
// each; 0 for an entry to be left out.
int countryOf(const QJsonObject& entry, QSet<int>& seen)
{
    const std::optional<qint64> country = countOf(entry.value(QLatin1String("country")));
    if (!country || *country < 1 || *country > NUM_NATIONAL_SIDES || seen.contains(static_cast<int>(*country)))
        return 0;
    seen.insert(static_cast<int>(*country));
    return static_cast<int>(*country);
}

// The project publishes the countries' and coin values' English names; the
// participant reads them in his language.
QStringList shownNames(const char* context, QStringList names)
{
    for (QString& name : names)
        name = QCoreApplication::translate(context, name.toUtf8().constData());
    return names;
}

QString nameOf(const QJsonObject& entry, const QStringList& nationalSides, int country)
{
    const QJsonValue name = entry.value(QLatin1String("name"));
    return name.isString() ? QCoreApplication::translate("Country", name.toString().toUtf8().constData())
                           : nationalSides.at(country - 1);
}

std::optional<ProjectTotals> totalsOf(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    auto field = [&](const char* name) { return countOf(object.value(QLatin1String(name))).value_or(0); };
    return ProjectTotals{field("members"), field("purses"), field("coins"), field("valueCents")};
}

std::optional<ModelEstimate> estimateOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue number = object.value(QLatin1String("value"));
    const QJsonValue low = object.value(QLatin1String("low"));
    const QJsonValue high = object.value(QLatin1String("high"));
    if (!number.isDouble() || !low.isDouble() || !high.isDouble())
        return std::nullopt;
    const ModelEstimate estimate{number.toDouble(), low.toDouble(), high.toDouble()};
    if (!(estimate.low <= estimate.value && estimate.value <= estimate.high) || !std::isfinite(estimate.low) ||
        !std::isfinite(estimate.high))
        return std::nullopt;
    return estimate;
}

std::optional<ModelDate> dateOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    auto month = [&](const char* name) {
        return QDate::fromString(object.value(QLatin1String(name)).toString() + QStringLiteral("-01"),
                                 QStringLiteral("yyyy-MM-dd"));
    };
    const ModelDate date{month("value"), month("low"), month("high")};
    if (!date.low.isValid() || !(date.low <= date.value && date.value <= date.high))
        return std::nullopt;
    return date;
}

// A fit that claims to be fitted must carry every estimate it is drawn
// from; one that does not is left out.
std::optional<ModelFit> fitOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue fitted = object.value(QLatin1String("fitted"));
    if (!fitted.isBool())
        return std::nullopt;
    ModelFit fit;
    fit.fitted = fitted.toBool();
    fit.missing = object.value(QLatin1String("missing")).toString();
    fit.members = countOf(object.value(QLatin1String("members"))).value_or(0);
    fit.purses = countOf(object.value(QLatin1String("purses"))).value_or(0);
    fit.months = countOf(object.value(QLatin1String("months"))).value_or(0);
    if (!fit.fitted)
        return fit;
    fit.aFixed = object.value(QLatin1String("aFixed")).toBool();
    const std::optional<ModelEstimate> a = estimateOf(object.value(QLatin1String("a")));
    const std::optional<ModelEstimate> b = estimateOf(object.value(QLatin1String("b")));
    const std::optional<ModelEstimate> halfTime = estimateOf(object.value(QLatin1String("halfTimeYears")));
    const std::optional<ModelDate> mixed = dateOf(object.value(QLatin1String("mixed")));
    if (!a || !b || !halfTime || !mixed || a->low < 0 || a->high > 1 || b->low < 0)
        return std::nullopt;
    fit.a = *a;
    fit.b = *b;
    fit.halfTimeYears = *halfTime;
    fit.mixed = *mixed;
    fit.halfForeign = dateOf(object.value(QLatin1String("halfForeign")));
    return fit;
}

// Exactly NUM_COINS rows of NUM_NATIONAL_SIDES counts, or nothing.
std::optional<MixCounts> mixOf(const QJsonValue& value)
{
    const QJsonArray rows = value.toArray();
    if (rows.size() != NUM_COINS)
        return std::nullopt;
    MixCounts mix{};
    for (size_t coin = 0; coin < NUM_COINS; ++coin) {
        const QJsonArray row = rows.at(static_cast<qsizetype>(coin)).toArray();
        if (row.size() != NUM_NATIONAL_SIDES)
            return std::nullopt;
        for (size_t side = 0; side < NUM_NATIONAL_SIDES; ++side) {
            const std::optional<qint64> coins = countOf(row.at(static_cast<qsizetype>(side)));
            if (!coins)
                return std::nullopt;
            mix[coin][side] = *coins;
        }
    }
    return mix;
}

std::optional<PublishedModel> modelOf(const QJsonValue& value, const QStringList& nationalSides)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    PublishedModel model;
    const QJsonObject production = object.value(QLatin1String("productionShares")).toObject();
    if (production.value(QLatin1String("source")).isString())
        model.productionShares = production.value(QLatin1String("source")).toString() + QStringLiteral(", ") +
                                 production.value(QLatin1String("date")).toString();
    for (const QJsonValue& bar : object.value(QLatin1String("mixedGuesses")).toArray()) {
        const QJsonValue guess = bar.toObject().value(QLatin1String("guess"));
        const std::optional<qint64> members = countOf(bar.toObject().value(QLatin1String("members")));
        if (guess.isString() && (members || bar.toObject().value(QLatin1String("suppressed")).toBool()))
            model.mixedGuesses.append(GuessCount{guess.toString(), members});
    }
    QSet<int> seen;
    for (const QJsonValue& value : object.value(QLatin1String("countries")).toArray()) {
        const QJsonObject entry = value.toObject();
        const int country = countryOf(entry, seen);
        if (country == 0)
            continue;
        CountryMixing mixing{country,
                             nameOf(entry, nationalSides, country),
                             fitOf(entry.value(QLatin1String("all"))),
                             {},
                             mixOf(entry.value(QLatin1String("mix")))};
        const QJsonArray byValue = entry.value(QLatin1String("byValue")).toArray();
        for (qsizetype coin = 0; coin < NUM_COINS; ++coin)
            mixing.byValue.append(coin < byValue.size() ? fitOf(byValue.at(coin)) : std::nullopt);
        model.countries.append(mixing);
    }
    return model;
}

} // namespace

double ModelFit::share(double a, double b, double years)
{
    return a * -std::expm1(-b * years);
}

const CountryMixing* PublishedModel::in(int country) const
{
    for (const CountryMixing& mixing : countries)
        if (mixing.country == country)
            return &mixing;
    return nullptr;
}

const CountryShares* ProjectResults::sharesIn(int country) const
{
    for (const CountryShares& shares : shareByMonthIn)
        if (shares.country == country)
            return &shares;
    return nullptr;
}

const CountryOrigin* ProjectResults::originIn(int country) const
{
    for (const CountryOrigin& entry : origin)
        if (entry.country == country)
            return &entry;
    return nullptr;
}

std::optional<ProjectResults> parseProjectResults(const QByteArray& json, QString* error)
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
    results.minimumMembers =
        static_cast<int>(std::min<qint64>(countOf(root.value(QLatin1String("minimumMembers"))).value_or(0), INT_MAX));
    results.coinValues = shownNames(
        "Coin", namesOf(root.value(QLatin1String("coinValues")), NUM_COINS, ourNames(coinnames.data(), NUM_COINS)));
    results.nationalSides =
        shownNames("Country", namesOf(root.value(QLatin1String("nationalSides")), NUM_NATIONAL_SIDES,
                                      ourNames(countrynamesWords.data() + 1, NUM_NATIONAL_SIDES)));
    results.totals = totalsOf(root.value(QLatin1String("totals")));

    for (const QJsonValue& month : root.value(QLatin1String("months")).toArray())
        results.months.append(month.toString());
    const qsizetype monthCount = results.months.size();

    const QJsonObject byMonth = root.value(QLatin1String("foreignShareByMonth")).toObject();
    results.shareByMonth = cellsOf(byMonth.value(QLatin1String("overall")), monthCount, true);
    QSet<int> seen;
    for (const QJsonValue& value : byMonth.value(QLatin1String("byCountry")).toArray()) {
        const QJsonObject entry = value.toObject();
        if (const int country = countryOf(entry, seen))
            results.shareByMonthIn.append(
                CountryShares{country, nameOf(entry, results.nationalSides, country),
                              cellsOf(entry.value(QLatin1String("cells")), monthCount, true)});
    }

    seen.clear();
    for (const QJsonValue& value : root.value(QLatin1String("origin")).toArray()) {
        const QJsonObject entry = value.toObject();
        const bool suppressed = entry.value(QLatin1String("suppressed")).toBool();
        const std::optional<qint64> coins = countOf(entry.value(QLatin1String("coins")));
        const int country = countryOf(entry, seen);
        if (country == 0 || (!suppressed && !coins))
            continue;
        CountryOrigin origin{country, nameOf(entry, results.nationalSides, country), suppressed, 0, {}};
        if (!suppressed) {
            origin.coins = *coins;
            origin.sides = cellsOf(entry.value(QLatin1String("sides")), NUM_NATIONAL_SIDES, false);
        }
        results.origin.append(origin);
    }

    results.shareByValue = cellsOf(root.value(QLatin1String("foreignShareByValue")), NUM_COINS, true);
    results.model = modelOf(root.value(QLatin1String("model")), results.nationalSides);
    return results;
}
