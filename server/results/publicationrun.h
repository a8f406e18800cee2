// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/results/productionshares.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <utility>

class ProjectDatabase;

// One publication of the results (see ResultsPublication). The mixing
// models that are due are fitted first, from a read of the database and
// outside any transaction, so that the uploads wait only while everything
// is stored, in one transaction.
class PublicationRun
{
public:
    PublicationRun(ProjectDatabase& database, std::optional<ProductionShares> shares)
        : database(database), shares(std::move(shares))
    {
    }

    // A model's purses are published rounded down to this.
    static constexpr qint64 PURSES_ROUNDED_TO = 10;

    enum class Outcome { Published, DoneToday, Failed };
    // `daily`: only when the day of `now` (UTC) has no publication yet.
    // Failed with error() when the database failed.
    Outcome run(const QDateTime& now, bool daily);
    QString error() const;

private:
    ProjectDatabase& database;
    const std::optional<ProductionShares> shares;
};
