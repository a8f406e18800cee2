#include "server/resultspublisher.h"

#include "server/projectdatabase.h"
#include "server/resultsaggregates.h"
#include "server/resultspage.h"

#include <optional>

ResultsPublisher::ResultsPublisher(ProjectDatabase& projectDatabase) : database(projectDatabase) {}

bool ResultsPublisher::render(Document document, QByteArray& bytes)
{
    Rendered& rendered = document == Document::Page ? page : document == Document::Json ? json : csv;
    const int interval = document == Document::Csv ? CSV_RENDER_INTERVAL_MS : RENDER_INTERVAL_MS;
    if (!rendered.age.isValid() || rendered.age.hasExpired(interval)) {
        qint64 version = -1;
        std::optional<ProjectResults> results;
        std::optional<QList<CountsRow>> counts;
        if (!database.read([&](SqlConnection& sql) {
                ResultsAggregates aggregates(sql);
                version = aggregates.version();
                if (version == rendered.version)
                    return;
                if (document == Document::Csv)
                    counts = aggregates.readCounts();
                else
                    results = aggregates.read();
            }))
            return false;
        if (version != rendered.version) {
            rendered.bytes = document == Document::Page   ? resultsPage(*results)
                             : document == Document::Json ? resultsJson(*results)
                                                          : countsCsv(*counts);
            rendered.version = version;
            rendered.age.start();
        }
    }
    bytes = rendered.bytes;
    return true;
}

QString ResultsPublisher::error() const
{
    return database.lastError();
}
