#include "server/dailypublication.h"

#include "server/projectdatabase.h"
#include "server/publicationrun.h"

#include <QDateTime>
#include <QDebug>
#include <QMetaObject>

#include <chrono>

DailyPublication::DailyPublication(std::optional<ProductionShares> productionShares)
    : worker(new QObject), shares(std::move(productionShares))
{
    nextPublication.setSingleShot(true);
    nextPublication.setTimerType(Qt::VeryCoarseTimer);
    connect(&nextPublication, &QTimer::timeout, this, &DailyPublication::publishWhenDue);
    thread.setObjectName(QStringLiteral("publication"));
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start();
}

DailyPublication::~DailyPublication()
{
    // The connection is closed on the thread it was opened on, after a
    // publication under way.
    QMetaObject::invokeMethod(
        worker, [this] { database.reset(); }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

bool DailyPublication::start(const QString& location, const QTime& time)
{
    bool opened = false;
    QMetaObject::invokeMethod(
        worker,
        [this, &location, &opened] {
            database = std::make_unique<ProjectDatabase>(QStringLiteral("zuv-server-publication"));
            opened = database->open(location);
            if (!opened)
                openError = database->lastError();
        },
        Qt::BlockingQueuedConnection);
    if (!opened)
        return false;
    publicationTime = time;
    if (publicationTime.isValid())
        publishWhenDue();
    return true;
}

void DailyPublication::publishWhenDue()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (now.time() >= publicationTime) {
        QMetaObject::invokeMethod(
            worker,
            [this, now] {
                PublicationRun run(*database, shares);
                switch (run.run(now, true)) {
                case PublicationRun::Outcome::Published:
                    qInfo().noquote() << "results published";
                    break;
                case PublicationRun::Outcome::Failed:
                    qWarning().noquote() << "the results could not be published:" << run.error();
                    break;
                case PublicationRun::Outcome::DoneToday:
                    break;
                }
            },
            Qt::QueuedConnection);
    }
    QDateTime next(now.date(), publicationTime, Qt::UTC);
    if (next <= now)
        next = next.addDays(1);
    nextPublication.start(std::chrono::milliseconds(now.msecsTo(next)));
}
