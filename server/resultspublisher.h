#pragma once

#include "server/projectresults.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class ProjectDatabase;

// Renders the published numbers from the aggregates the uploads keep, and
// keeps each rendered document until the numbers change: asking again costs
// one lookup of the change counter. Another server storing into the same
// database changes the counter too.
class ResultsPublisher
{
public:
    enum class Document { Page, Json, Csv };

    // Reads through `database`, a connection of its own that stays open.
    explicit ResultsPublisher(ProjectDatabase& database);

    // The document as of the newest committed upload. False with error()
    // when the database could not be read.
    bool render(Document document, QByteArray& bytes);
    QString error() const { return failure; }

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
    QString failure;
};
