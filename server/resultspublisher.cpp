#include "server/resultspublisher.h"

#include "server/projectdatabase.h"
#include "server/resultsaggregates.h"
#include "server/resultspage.h"
#include "server/sqlsupport.h"

#include <QSqlError>

ResultsPublisher::ResultsPublisher(ProjectDatabase& projectDatabase) : database(projectDatabase) {}

bool ResultsPublisher::render(Document document, QByteArray& bytes)
{
    failure.clear();
    Rendered& rendered = document == Document::Page ? page : document == Document::Json ? json : csv;
    const int interval = document == Document::Csv ? CSV_RENDER_INTERVAL_MS : RENDER_INTERVAL_MS;
    if (rendered.age.isValid() && !rendered.age.hasExpired(interval)) {
        bytes = rendered.bytes;
        return true;
    }
    QSqlDatabase db = database.database();
    // The numbers are read from one state of the database, even while
    // another server stores into it.
    if (!db.transaction()) {
        failure = db.lastError().text();
        return false;
    }
    try {
        ResultsAggregates aggregates(db);
        const qint64 version = aggregates.version();
        if (rendered.version != version) {
            switch (document) {
            case Document::Page:
                rendered.bytes = resultsPage(aggregates.read());
                break;
            case Document::Json:
                rendered.bytes = resultsJson(aggregates.read());
                break;
            case Document::Csv:
                rendered.bytes = countsCsv(aggregates.readCounts());
                break;
            }
            rendered.version = version;
            rendered.age.start();
        }
        bytes = rendered.bytes;
    } catch (const sql::DatabaseFailure& databaseFailure) {
        db.rollback();
        failure = databaseFailure.text;
        return false;
    }
    db.commit();
    return true;
}
