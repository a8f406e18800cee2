#pragma once

#include "server/projectresults.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class ProjectDatabase;

// Renders the published numbers (see ResultsPublication) and keeps each
// rendered document until they are published anew: asking again costs one
// lookup of the publication counter. A publication by another server on the
// same database counts too.
class ResultsPublisher
{
public:
    enum class Document { Page, Json, Csv };

    // Reads through `database`, a connection of its own that stays open.
    explicit ResultsPublisher(ProjectDatabase& database);

    // The document as of the newest publication. False with error() when
    // the database could not be read.
    bool render(Document document, QByteArray& bytes);
    QString error() const;

private:
    struct Rendered
    {
        qint64 version = -1;
        QByteArray bytes;
    };

    ProjectDatabase& database;
    Rendered page;
    Rendered json;
    Rendered csv;
};
