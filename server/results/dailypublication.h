// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/storage/databasethread.h"
#include "server/results/productionshares.h"

#include <QObject>
#include <QString>
#include <QTime>
#include <QTimer>

#include <optional>

// Publishes the results once a day (see PublicationRun), on a thread of its
// own with a database connection of that thread: fitting the mixing models
// takes seconds of a large project, which neither the uploads nor the
// browsers wait for. With several front ends on one database, the first to
// come publishes for the day.
class DailyPublication : public QObject
{
    Q_OBJECT

public:
    explicit DailyPublication(std::optional<ProductionShares> shares);

    // Opens the database on the thread. When `time` (UTC) has passed today
    // without a publication, publishes at once; then every day at `time`.
    // An invalid `time` publishes nothing. False with error() when the
    // database cannot be opened.
    bool start(const QString& location, const QTime& time);
    QString error() const { return openError; }

private:
    // Publishes on the thread when the day's publication is due, and sets
    // the timer for the next.
    void publishWhenDue();

    DatabaseThread publisher{QStringLiteral("zuv-server-publication")};
    QTimer nextPublication;
    QTime publicationTime;
    const std::optional<ProductionShares> shares;
    QString openError;
};
