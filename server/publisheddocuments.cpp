#include "server/publisheddocuments.h"

#include "server/projectdatabase.h"
#include "server/resultspage.h"
#include "server/resultspublication.h"

// The published results are one model, shared with the program.
using namespace zuv;

PublishedDocuments::PublishedDocuments(ProjectDatabase& projectDatabase) : database(projectDatabase) {}

bool PublishedDocuments::fetch(Document document, QByteArray& bytes)
{
    Kept& kept = document == Document::Page ? page : document == Document::Json ? json : csv;
    const QString name = document == Document::Page   ? QStringLiteral("page")
                         : document == Document::Json ? QStringLiteral("json")
                                                      : QStringLiteral("csv");
    qint64 version = -1;
    QByteArray published;
    if (!database.read([&](SqlConnection& sql) {
            ResultsPublication publication(sql);
            version = publication.version();
            if (version != kept.version)
                published = publication.document(name);
        }))
        return false;
    if (version != kept.version) {
        // Before the first publication: the documents of nothing published.
        if (published.isEmpty())
            published = document == Document::Page   ? resultsPage(ProjectResults())
                        : document == Document::Json ? ProjectResults().toJson()
                                                     : countsCsv({});
        kept.bytes = published;
        kept.version = version;
    }
    bytes = kept.bytes;
    return true;
}

QString PublishedDocuments::error() const
{
    return database.lastError();
}
