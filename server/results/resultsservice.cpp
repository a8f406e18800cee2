// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultsservice.h"

#include "server/storage/projectdatabase.h"

#include <QMetaObject>
#include <QPointer>

ResultsService::~ResultsService()
{
    // Gone on the thread that uses it, before the connection it reads through.
    reader.run([this](ProjectDatabase&) { documents.reset(); }, true);
}

bool ResultsService::open(const QString& location)
{
    if (!reader.open(location, openError))
        return false;
    reader.run([this](ProjectDatabase& database) { documents = std::make_unique<PublishedDocuments>(database); });
    return true;
}

void ResultsService::fetch(PublishedDocuments::Document document, QObject* context, Done done, const QString& language)
{
    // Checked on this thread, where the context would be deleted.
    const QPointer<QObject> asker(context);
    reader.run([this, document, asker, done = std::move(done), language](ProjectDatabase&) {
        QByteArray bytes;
        const bool ok = documents->fetch(document, bytes, language);
        if (!ok)
            bytes = documents->error().toUtf8();
        QMetaObject::invokeMethod(this, [asker, done, ok, bytes] {
            if (asker)
                done(ok, bytes);
        });
    });
}
