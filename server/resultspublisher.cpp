#include "server/resultspublisher.h"

#include "server/projectdatabase.h"
#include "server/resultspage.h"
#include "server/resultspublication.h"

#include <optional>

ResultsPublisher::ResultsPublisher(ProjectDatabase& projectDatabase) : database(projectDatabase) {}

bool ResultsPublisher::render(Document document, QByteArray& bytes)
{
    Rendered& rendered = document == Document::Page ? page : document == Document::Json ? json : csv;
    qint64 version = -1;
    std::optional<ProjectResults> results;
    std::optional<QList<CountsRow>> counts;
    if (!database.read([&](SqlConnection& sql) {
            ResultsPublication publication(sql);
            version = publication.version();
            if (version == rendered.version)
                return;
            if (document == Document::Csv)
                counts = publication.readCounts();
            else
                results = publication.read();
        }))
        return false;
    if (version != rendered.version) {
        rendered.bytes = document == Document::Page   ? resultsPage(*results)
                         : document == Document::Json ? resultsJson(*results)
                                                      : countsCsv(*counts);
        rendered.version = version;
    }
    bytes = rendered.bytes;
    return true;
}

QString ResultsPublisher::error() const
{
    return database.lastError();
}
