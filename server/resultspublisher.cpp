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
        Rendered& rendered = document == Document::Page ? page : document == Document::Json ? json : csv;
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
