#pragma once

#include "server/projectresults.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

class ProjectDatabase;

// Renders the published numbers from the aggregates the uploads keep, and
// keeps each rendered document until the numbers change: asking again costs
// one lookup of the change counter. Another server storing into the same
// database changes the counter too.
//
// Rendering shares the processor with the uploads (it runs on a thread of
// its own, see ResultsRenderer), so however often browsers ask while
// uploads come in, a document is rendered again at most
// once per interval: the page and the JSON may be a second behind the
// uploads, the CSV (larger by far) a minute.
class ResultsPublisher
{
public:
    enum class Document { Page, Json, Csv };
    static constexpr int RENDER_INTERVAL_MS = 1000;
    static constexpr int CSV_RENDER_INTERVAL_MS = 60000;

    // Reads through `database`, a connection of its own that stays open.
    explicit ResultsPublisher(ProjectDatabase& database);

    // The document as of the newest committed upload. False with error()
    // when the database could not be read.
    bool render(Document document, QByteArray& bytes);
    QString error() const;

private:
    struct Rendered
    {
        qint64 version = -1;
        QElapsedTimer age; // since it was rendered
        QByteArray bytes;
    };

    ProjectDatabase& database;
    Rendered page;
    Rendered json;
    Rendered csv;
};
