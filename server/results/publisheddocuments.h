// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/results/projectresults.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtGlobal>

class ProjectDatabase;

// The documents as published (rendered with each publication, see
// ResultsPublication), each kept in memory until the next publication:
// asking again costs one lookup of the publication counter. A publication by
// another server on the same database counts too.
class PublishedDocuments
{
public:
    enum class Document { Page, Json, Csv };

    // Reads through `database`, a connection of its own that stays open.
    explicit PublishedDocuments(ProjectDatabase& database);

    // The document as of the newest publication; the page in `language`
    // ("de"), the JSON and the CSV in none. False with error() when the
    // database could not be read.
    bool fetch(Document document, QByteArray& bytes, const QString& language = QStringLiteral("en"));
    QString error() const;

private:
    struct Kept
    {
        qint64 version = -1;
        QByteArray bytes;
    };

    ProjectDatabase& database;
    QHash<QString, Kept> kept; // by the document's name
};
