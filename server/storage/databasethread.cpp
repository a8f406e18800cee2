// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/storage/databasethread.h"

#include "server/storage/projectdatabase.h"

#include <QMetaObject>

DatabaseThread::DatabaseThread(const QString& name) : worker(new QObject), connectionName(name)
{
    thread.setObjectName(name);
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start();
}

DatabaseThread::~DatabaseThread()
{
    QMetaObject::invokeMethod(
        worker, [this] { database.reset(); }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

bool DatabaseThread::open(const QString& location, QString& error)
{
    bool opened = false;
    QMetaObject::invokeMethod(
        worker,
        [&] {
            database = std::make_unique<ProjectDatabase>(connectionName);
            opened = database->open(location);
            if (!opened)
                error = database->lastError();
        },
        Qt::BlockingQueuedConnection);
    return opened;
}

void DatabaseThread::run(Work work, bool wait)
{
    QMetaObject::invokeMethod(
        worker, [this, work = std::move(work)] { work(*database); },
        wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}
