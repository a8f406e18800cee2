// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/publisheddocuments.h"

#include "server/storage/projectdatabase.h"
#include "server/results/resultspage.h"
#include "server/results/resultspublication.h"

// The published results are one model, shared with the program.
using namespace zuv;

PublishedDocuments::PublishedDocuments(ProjectDatabase& projectDatabase) : database(projectDatabase) {}

bool PublishedDocuments::fetch(Document document, QByteArray& bytes, const QString& language)
{
    const QString name = document == Document::Page   ? ResultsPublication::pageDocumentName(language)
                         : document == Document::Json ? QStringLiteral("json")
                                                      : QStringLiteral("csv");
    Kept& kept = this->kept[name];
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
            published = document == Document::Page   ? resultsPage(ProjectResults(), language)
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
