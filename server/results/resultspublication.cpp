// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultspublication.h"

#include "common/constants.h"
#include "server/results/resultsaggregates.h"
#include "server/results/resultspage.h"

#include "common/languages.h"
#include "server/storage/sqlconnection.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <map>
#include <set>

// The published results are one model, shared with the program.
using namespace zuv;

namespace {

const QString SAME_CELL = QStringLiteral("d.month = %1.month AND d.member_country = %1.member_country"
                                         " AND d.national_side = %1.national_side AND d.coin_value = %1.coin_value");

qint64 stateValue(SqlConnection& sql, const char* name)
{
    return sql.value(QStringLiteral("SELECT value FROM server_state WHERE name = ?"), {QLatin1String(name)})
        .toLongLong();
}

void add(PublishedCell& cell, qint64 coins, qint64 foreignCoins)
{
    if (!cell)
        cell = CellCounts();
    cell->coins += coins;
    cell->foreignCoins += foreignCoins;
}

// A fit as the database keeps it: its numbers as a JSON object.
QJsonObject estimateObject(const Estimate& estimate)
{
    return QJsonObject{{QStringLiteral("value"), estimate.value},
                       {QStringLiteral("low"), estimate.low},
                       {QStringLiteral("high"), estimate.high}};
}

Estimate estimateOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    return Estimate{object.value(QLatin1String("value")).toDouble(), object.value(QLatin1String("low")).toDouble(),
                    object.value(QLatin1String("high")).toDouble()};
}

QString storedFit(const MixingFit& fit)
{
    QJsonObject object{{QStringLiteral("fitted"), fit.fitted},
                       {QStringLiteral("missing"), fit.missing},
                       {QStringLiteral("members"), fit.members},
                       {QStringLiteral("purses"), fit.purses},
                       {QStringLiteral("months"), fit.months},
                       {QStringLiteral("aFixed"), fit.aFixed},
                       {QStringLiteral("a"), estimateObject(fit.a)},
                       {QStringLiteral("b"), estimateObject(fit.b)},
                       {QStringLiteral("halfTimeYears"), estimateObject(fit.halfTimeYears)},
                       {QStringLiteral("mixedYears"), estimateObject(fit.mixedYears)}};
    if (fit.halfForeignYears)
        object.insert(QStringLiteral("halfForeignYears"), estimateObject(*fit.halfForeignYears));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

MixingFit fitOf(const QString& stored)
{
    const QJsonObject object = QJsonDocument::fromJson(stored.toUtf8()).object();
    MixingFit fit;
    fit.fitted = object.value(QLatin1String("fitted")).toBool();
    fit.missing = object.value(QLatin1String("missing")).toString();
    fit.members = object.value(QLatin1String("members")).toInt();
    fit.purses = object.value(QLatin1String("purses")).toInteger();
    fit.months = object.value(QLatin1String("months")).toInt();
    fit.aFixed = object.value(QLatin1String("aFixed")).toBool();
    fit.a = estimateOf(object.value(QLatin1String("a")));
    fit.b = estimateOf(object.value(QLatin1String("b")));
    fit.halfTimeYears = estimateOf(object.value(QLatin1String("halfTimeYears")));
    fit.mixedYears = estimateOf(object.value(QLatin1String("mixedYears")));
    if (object.contains(QLatin1String("halfForeignYears")))
        fit.halfForeignYears = estimateOf(object.value(QLatin1String("halfForeignYears")));
    return fit;
}

qint64 dayOf(const QDateTime& time)
{
    return time.toSecsSinceEpoch() / 86400;
}

} // namespace

bool ResultsPublication::publishedOn(const QDateTime& now)
{
    return stateValue(sql, "published_day") >= dayOf(now);
}

bool ResultsPublication::publish(const QDateTime& now, const FittedModels& models, bool daily)
{
    if (daily && publishedOn(now))
        return false;
    publishCells(now);
    publishTotals();
    publishModels(models);
    publishGuesses();
    // Published as of the day, not the second: the time tells nothing of who uploaded when.
    const qint64 day = dayOf(now);
    sql.run(QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'published_day'"), {sqlNumber(day)});
    sql.run(QStringLiteral("UPDATE server_state SET value = ? WHERE name = 'results_updated'"),
            {sqlNumber(day * 86400)});
    keepDocuments();
    sql.run(QStringLiteral("UPDATE server_state SET value = value + 1 WHERE name = 'results_version'"));
    return true;
}

qint64 ResultsPublication::changers(const std::tuple<int, int, int, int>& key)
{
    const auto& [month, country, side, value] = key;
    return sql
        .value(QStringLiteral("SELECT COUNT(*) FROM publication_changes WHERE month = ? AND member_country = ?"
                              " AND national_side = ? AND coin_value = ?"),
               {month, country, side, value})
        .toLongLong();
}

void ResultsPublication::forgetChanges(const std::tuple<int, int, int, int>& key)
{
    const auto& [month, country, side, value] = key;
    sql.run(QStringLiteral("DELETE FROM publication_changes WHERE month = ? AND member_country = ?"
                           " AND national_side = ? AND coin_value = ?"),
            {month, country, side, value});
}

void ResultsPublication::publishCells(const QDateTime& now)
{
    // The cells due: changed by enough members since they were published.
    // A month beyond the current one waits for its time, its changes kept.
    struct Changed
    {
        qint64 member;
        int month;
        int memberCountry;
        ResultsAggregates::CellSet cells;
    };
    QList<Changed> rows;
    std::map<std::tuple<int, int, int, int>, int> changers;
    QSqlQuery& read = sql.run(QStringLiteral("SELECT member_number, month, member_country, cells FROM cell_changes"
                                             " WHERE month BETWEEN ? AND ?"),
                              {sqlNumber(FIRST_MONTH), sqlNumber(ResultsAggregates::monthOf(now.toUTC().date()))});
    while (read.next()) {
        Changed row{read.value(0).toLongLong(), read.value(1).toInt(), read.value(2).toInt(),
                    ResultsAggregates::cellSetOf(read.value(3).toByteArray())};
        for (const auto& [side, value] : row.cells)
            ++changers[{row.month, row.memberCountry, side, value}];
        rows.append(std::move(row));
    }
    read.finish();
    QList<qint64> due;
    std::set<int> dueMonths;
    for (const auto& [cell, members] : changers) {
        if (members < MINIMUM_MEMBERS)
            continue;
        const auto& [month, memberCountry, side, value] = cell;
        due << month << memberCountry << side << value;
        dueMonths.insert(month);
    }
    if (due.isEmpty())
        return;
    sql.execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS due_cells (month INTEGER, member_country INTEGER,"
                               " national_side INTEGER, coin_value INTEGER,"
                               " PRIMARY KEY (month, member_country, national_side, coin_value))"));
    sql.run(QStringLiteral("DELETE FROM due_cells"));
    sql.insertNumbers(QStringLiteral("INSERT INTO due_cells (month, member_country, national_side, coin_value)"), 4,
                      due);
    sql.run(QStringLiteral("DELETE FROM published_cells WHERE EXISTS (SELECT 1 FROM due_cells d WHERE %1)")
                .arg(SAME_CELL.arg(QStringLiteral("published_cells"))));
    ResultsAggregates aggregates(sql);
    QList<qint64> published;
    for (const auto& [cell, totals] : aggregates.countedCells(*dueMonths.cbegin(), *dueMonths.crbegin())) {
        const auto changed = changers.find(cell);
        if (totals.members < MINIMUM_MEMBERS || changed == changers.end() || changed->second < MINIMUM_MEMBERS)
            continue; // not due, or not to be published
        const auto& [month, memberCountry, side, value] = cell;
        published << month << memberCountry << side << value << totals.coins << totals.purses;
    }
    sql.insertNumbers(QStringLiteral("INSERT INTO published_cells (month, member_country, national_side, coin_value,"
                                     " coins, purses)"),
                      6, published);

    // The changes of the published cells are forgotten; the others wait.
    for (Changed& row : rows) {
        const qsizetype before = qsizetype(row.cells.size());
        for (auto cell = row.cells.begin(); cell != row.cells.end();)
            cell = changers[{row.month, row.memberCountry, cell->first, cell->second}] >= MINIMUM_MEMBERS
                       ? row.cells.erase(cell)
                       : std::next(cell);
        if (qsizetype(row.cells.size()) == before)
            continue;
        aggregates.writeMemberRows(QStringLiteral("cell_changes"), row.member,
                                   {{{row.month, row.memberCountry}, ResultsAggregates::cellSetValue(row.cells)}});
    }
}

void ResultsPublication::publishTotals()
{
    if (changers(ResultsAggregates::PROJECT_KEY) < MINIMUM_MEMBERS)
        return;
    for (const char* total : {"members", "purses"})
        sql.run(QStringLiteral("UPDATE server_state SET value = (SELECT value FROM server_state WHERE name = ?)"
                               " WHERE name = ?"),
                {QLatin1String(total), QStringLiteral("published_") + QLatin1String(total)});
    forgetChanges(ResultsAggregates::PROJECT_KEY);
}

void ResultsPublication::publishModels(const FittedModels& models)
{
    for (const auto& [country, fits] : models.fits) {
        for (size_t value = 0; value < fits.size(); ++value)
            sql.run(QStringLiteral("INSERT INTO published_models (country, coin_value, fit) VALUES (?, ?, ?)"
                                   " ON CONFLICT (country, coin_value) DO UPDATE SET fit = excluded.fit"),
                    {country, int(value), storedFit(fits[value])});
        const auto changed = models.changers.find(country);
        if (changed == models.changers.end())
            continue;
        // Only the changes the fit saw: those since wait for the next.
        for (const qint64 member : changed->second)
            sql.run(QStringLiteral("DELETE FROM publication_changes WHERE month = 0 AND member_country = ?"
                                   " AND national_side = 0 AND coin_value = 0 AND member_number = ?"),
                    {country, sqlNumber(member)});
    }
    sql.run(QStringLiteral("DELETE FROM published_documents WHERE name = 'production_shares'"));
    if (!models.productionShares.isEmpty())
        sql.run(QStringLiteral("INSERT INTO published_documents (name, body) VALUES ('production_shares', ?)"),
                {QJsonDocument(models.productionShares).toJson(QJsonDocument::Compact)});
}

void ResultsPublication::publishGuesses()
{
    if (changers(ResultsAggregates::GUESSES_KEY) < MINIMUM_MEMBERS)
        return;
    sql.run(QStringLiteral("DELETE FROM published_guesses"));
    sql.run(QStringLiteral("INSERT INTO published_guesses (guess, members)"
                           " SELECT mixdate_year, CASE WHEN COUNT(*) >= ? THEN COUNT(*) END FROM members"
                           " WHERE mixdate_year BETWEEN 1 AND ? GROUP BY mixdate_year"),
            {sqlNumber(MINIMUM_MEMBERS), sqlNumber(MIXED_GUESS_CHOICES)});
    forgetChanges(ResultsAggregates::GUESSES_KEY);
}

void ResultsPublication::keepDocuments()
{
    const ProjectResults results = read();
    std::vector<std::pair<QString, QByteArray>> documents = {{QStringLiteral("json"), results.toJson()},
                                                             {QStringLiteral("csv"), countsCsv(readCounts())}};
    // The page once in every language, so that answering it stays a lookup.
    for (const QString& language : spokenLanguages())
        documents.emplace_back(pageDocumentName(language), resultsPage(results, language));
    for (const auto& [name, body] : documents)
        sql.run(QStringLiteral("INSERT INTO published_documents (name, body) VALUES (?, ?)"
                               " ON CONFLICT (name) DO UPDATE SET body = excluded.body"),
                {name, body});
}

QString ResultsPublication::pageDocumentName(const QString& language)
{
    return language == spokenLanguages().constFirst() ? QStringLiteral("page") : QStringLiteral("page.") + language;
}

QByteArray ResultsPublication::document(const QString& name)
{
    return sql.value(QStringLiteral("SELECT body FROM published_documents WHERE name = ?"), {name}).toByteArray();
}

qint64 ResultsPublication::version()
{
    return stateValue(sql, "results_version");
}

ProjectResults ResultsPublication::read()
{
    ProjectResults results;
    const qint64 updated = stateValue(sql, "results_updated");
    if (updated > 0)
        results.updated = QDateTime::fromSecsSinceEpoch(updated, QTimeZone::utc());
    results.members = stateValue(sql, "published_members");
    results.purses = stateValue(sql, "published_purses");

    // Only members in the euro coin countries, whose own national side is
    // one of those counted, enter the figures that compare coins with the
    // member's country.
    std::map<int, PublishedCell> overall;
    std::map<int, std::map<int, PublishedCell>> countryMonths;
    std::map<int, MemberCountryResults> countries;
    std::map<int, CoinMix> mixes;
    QSqlQuery& cells = sql.run(QStringLiteral("SELECT month, member_country, national_side, coin_value, coins"
                                              " FROM published_cells"));
    while (cells.next()) {
        const int month = cells.value(0).toInt();
        const int country = cells.value(1).toInt();
        const int side = cells.value(2).toInt();
        const int value = cells.value(3).toInt();
        const qint64 coins = cells.value(4).toLongLong();
        results.coins += coins;
        results.valueCents += coins * coinvaluesInCents[size_t(value - 1)];
        if (country < 1 || country > NUM_NATIONAL_SIDES)
            continue;
        const qint64 foreignCoins = side != country ? coins : 0;
        add(overall[month], coins, foreignCoins);
        add(countryMonths[country][month], coins, foreignCoins);
        mixes[country][size_t(value - 1)][size_t(side - 1)] += coins;
        MemberCountryResults& line = countries[country];
        line.country = country;
        add(line.origin, coins, foreignCoins);
        add(line.sides[size_t(side - 1)], coins, foreignCoins);
        add(results.byValue[size_t(value - 1)], coins, foreignCoins);
    }
    cells.finish();
    readModels(results, mixes);

    for (const auto& [month, cell] : overall) {
        results.months.append(month);
        results.overallByMonth.append(cell);
    }
    for (auto& [country, line] : countries) {
        for (const int month : std::as_const(results.months)) {
            const auto& months = countryMonths[country];
            const auto cell = months.find(month);
            line.byMonth.append(cell == months.end() ? PublishedCell() : cell->second);
        }
        results.countries.append(line);
    }
    return results;
}

void ResultsPublication::readModels(ProjectResults& results, const std::map<int, CoinMix>& mixes)
{
    std::map<int, CountryModel> models;
    for (const auto& [country, mix] : mixes) {
        models[country].country = country;
        models[country].mix = mix;
    }
    QSqlQuery& fits = sql.run(QStringLiteral("SELECT country, coin_value, fit FROM published_models"));
    while (fits.next()) {
        const int country = fits.value(0).toInt();
        const int value = fits.value(1).toInt();
        if (value < 0 || value > NUM_COINS)
            continue;
        CountryModel& model = models[country];
        model.country = country;
        (value == 0 ? model.all : model.byValue[size_t(value - 1)]) = fitOf(fits.value(2).toString());
    }
    fits.finish();
    for (const auto& entry : models)
        results.models.append(entry.second);

    QSqlQuery& guesses = sql.run(QStringLiteral("SELECT guess, members FROM published_guesses"));
    // A choice nobody took is hidden as one that one or two took.
    std::map<int, std::optional<qint64>> guessed;
    while (guesses.next())
        guessed[guesses.value(0).toInt()] =
            guesses.value(1).isNull() ? std::nullopt : std::optional<qint64>(guesses.value(1).toLongLong());
    guesses.finish();
    if (!guessed.empty())
        for (int choice = 1; choice <= MIXED_GUESS_CHOICES; ++choice) {
            const auto bar = guessed.find(choice);
            results.mixedGuesses.append(
                GuessBar{mixedGuessName(choice), bar == guessed.end() ? std::nullopt : bar->second});
        }
    results.productionShares = QJsonDocument::fromJson(document(QStringLiteral("production_shares"))).object();
}

QList<CountsRow> ResultsPublication::readCounts()
{
    QList<CountsRow> rows;
    QSqlQuery& cells = sql.run(QStringLiteral("SELECT month, member_country, national_side, coin_value, coins, purses"
                                              " FROM published_cells"
                                              " ORDER BY month, member_country, national_side, coin_value"));
    while (cells.next())
        rows.append(CountsRow{cells.value(0).toInt(), cells.value(1).toInt(), cells.value(2).toInt(),
                              cells.value(3).toInt() - 1,
                              CellCounts{cells.value(4).toLongLong(), 0, cells.value(5).toLongLong()}});
    cells.finish();
    return rows;
}
