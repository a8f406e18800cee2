// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/dailypublication.h"

#include "server/storage/projectdatabase.h"
#include "server/results/publicationrun.h"

#include <QDateTime>
#include <QDebug>

#include <chrono>

DailyPublication::DailyPublication(std::optional<ProductionShares> productionShares)
    : shares(std::move(productionShares))
{
    nextPublication.setSingleShot(true);
    nextPublication.setTimerType(Qt::VeryCoarseTimer);
    connect(&nextPublication, &QTimer::timeout, this, &DailyPublication::publishWhenDue);
}

bool DailyPublication::start(const QString& location, const QTime& time)
{
    if (!publisher.open(location, openError))
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
        publisher.run([this, now](ProjectDatabase& database) {
            PublicationRun run(database, shares);
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
        });
    }
    QDateTime next(now.date(), publicationTime, Qt::UTC);
    if (next <= now)
        next = next.addDays(1);
    nextPublication.start(std::chrono::milliseconds(now.msecsTo(next)));
}
