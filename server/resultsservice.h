#pragma once

#include "server/publisheddocuments.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>

class ProjectDatabase;

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

    ResultsService();
    ~ResultsService() override;

    // Opens the database on its thread and waits for it; false
    // with error() when it cannot be read.
    bool open(const QString& location);
    QString error() const { return openError; }

    void fetch(PublishedDocuments::Document document, QObject* context, Done done);

private:
    QThread thread;
    QObject* worker; // lives on the thread, deleted with it
    // Used on the thread only.
    std::unique_ptr<ProjectDatabase> database;
    std::unique_ptr<PublishedDocuments> documents;
    QString openError;
};
