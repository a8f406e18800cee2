#include "server/resultsservice.h"

#include "server/projectdatabase.h"

#include <QMetaObject>
#include <QPointer>

ResultsService::ResultsService() : worker(new QObject)
{
    thread.setObjectName(QStringLiteral("results"));
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start();
}

ResultsService::~ResultsService()
{
    // The connection is closed on the thread it was opened on.
    QMetaObject::invokeMethod(
        worker,
        [this] {
            documents.reset();
            database.reset();
        },
        Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

bool ResultsService::open(const QString& location)
{
    bool opened = false;
    QMetaObject::invokeMethod(
        worker,
        [this, &location, &opened] {
            // The web pages read through a connection of their own: their
            // reading stays apart from the uploads' transactions.
            database = std::make_unique<ProjectDatabase>(QStringLiteral("zuv-server-results"));
            opened = database->open(location);
            if (opened)
                documents = std::make_unique<PublishedDocuments>(*database);
            else
                openError = database->lastError();
        },
        Qt::BlockingQueuedConnection);
    return opened;
}

void ResultsService::fetch(PublishedDocuments::Document document, QObject* context, Done done)
{
    // Checked on this thread, where the context would be deleted.
    const QPointer<QObject> asker(context);
    QMetaObject::invokeMethod(worker, [this, document, asker, done = std::move(done)] {
        QByteArray bytes;
        const bool ok = documents->fetch(document, bytes);
        if (!ok)
            bytes = documents->error().toUtf8();
        QMetaObject::invokeMethod(this, [asker, done, ok, bytes] {
            if (asker)
                done(ok, bytes);
        });
    });
}
