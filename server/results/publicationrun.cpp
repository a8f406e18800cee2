// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/publicationrun.h"

#include "server/results/mixingcountings.h"
#include "server/storage/projectdatabase.h"
#include "server/results/resultsaggregates.h"
#include "server/results/resultspublication.h"

// The published results are one model, shared with the program.
using namespace zuv;

PublicationRun::Outcome PublicationRun::run(const QDateTime& now, bool daily)
{
    FittedModels models;
    std::map<int, CountryCountings> countings;
    bool doneToday = false;
    if (!database.read([&](SqlConnection& sql) {
            doneToday = daily && ResultsPublication(sql).publishedOn(now);
            if (doneToday)
                return;
            MixingCountings reader(sql);
            models.changers = reader.dueCountries(int(MINIMUM_MEMBERS));
            QList<int> due;
            for (const auto& entry : models.changers)
                due << entry.first;
            countings = reader.read(due, ResultsAggregates::monthOf(now.toUTC().date()));
        }))
        return Outcome::Failed;
    if (doneToday)
        return Outcome::DoneToday;

    for (const auto& [country, byValue] : countings) {
        auto& fits = models.fits[country];
        for (size_t value = 0; value < byValue.size(); ++value) {
            MixingFit& fit = fits[value] = MixingModel::fit(
                byValue[value], shares ? shares->mixedForeignShare(country, int(value)) : std::nullopt);
            // The purses of the fitted countries, subtracted from the project's,
            // would give those of the members elsewhere, who may be one or two.
            fit.purses -= fit.purses % PURSES_ROUNDED_TO;
        }
    }
    if (shares)
        models.productionShares = shares->published();

    bool published = false;
    if (!database.write([&](SqlConnection& sql) { published = ResultsPublication(sql).publish(now, models, daily); }))
        return Outcome::Failed;
    return published ? Outcome::Published : Outcome::DoneToday;
}

QString PublicationRun::error() const
{
    return database.lastError();
}
