// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/storage/databasethread.h"
#include "server/results/publisheddocuments.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// Hands out the published documents on a thread of its own, with a database
// connection of that thread: reading a large project's CSV copies
// megabytes, which the event loop of the uploads must not wait for.
class ResultsService : public QObject
{
    Q_OBJECT

public:
    // Called on the thread that asked, once the document is ready; not at
    // all when `context` is gone by then. Without `ok`, `bytes` is the error.
    using Done = std::function<void(bool ok, const QByteArray& bytes)>;

    ResultsService() = default;
    ~ResultsService() override;

    // Opens the database on its thread and waits for it; false
    // with error() when it cannot be read.
    bool open(const QString& location);
    QString error() const { return openError; }

    // `language` chooses the page's language, see PublishedDocuments::fetch().
    void fetch(PublishedDocuments::Document document, QObject* context, Done done,
               const QString& language = QStringLiteral("en"));

private:
    // The web pages read through a connection of their own: their reading
    // stays apart from the uploads' transactions.
    DatabaseThread reader{QStringLiteral("zuv-server-results")};
    std::unique_ptr<PublishedDocuments> documents; // used on the thread only
    QString openError;
};
