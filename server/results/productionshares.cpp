// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/productionshares.h"

#include "common/constants.h"

#include <QFile>
#include <QJsonArray>
#include <QStringList>
#include <QTextStream>

namespace {

// The index of `name` in `names` from `first` on, compared without case; -1 when none.
template <typename Names> int indexOf(const Names& names, const QString& name, int first)
{
    for (int i = first; i < int(names.size()); ++i)
        if (names[size_t(i)].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

std::optional<ProductionShares> ProductionShares::read(const QString& fileName, QString& error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    ProductionShares read;
    QTextStream in(&file);
    int lineNumber = 0;
    bool header = false;
    const auto failed = [&](const QString& why) {
        error = QStringLiteral("%1, line %2: %3").arg(fileName).arg(lineNumber).arg(why);
        return std::nullopt;
    };
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            const QString comment = line.mid(1).trimmed();
            if (comment.startsWith(QLatin1String("source:"), Qt::CaseInsensitive))
                read.source = comment.mid(7).trimmed();
            else if (comment.startsWith(QLatin1String("date:"), Qt::CaseInsensitive))
                read.date = comment.mid(5).trimmed();
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(','));
        if (!header) {
            if (fields != QStringList{QStringLiteral("country"), QStringLiteral("coin_value"), QStringLiteral("share")})
                return failed(QStringLiteral("the header is not \"country,coin_value,share\""));
            header = true;
            continue;
        }
        if (fields.size() != 3)
            return failed(QStringLiteral("not three fields"));
        const int country = indexOf(countrynamesWords, fields[0].trimmed(), 1);
        if (country < 1 || country > NUM_NATIONAL_SIDES)
            return failed(QStringLiteral("no euro coin country \"%1\"").arg(fields[0]));
        const QString valueName = fields[1].trimmed();
        const int value = valueName == QLatin1String("all") ? 0 : indexOf(coinnames, valueName, 0) + 1;
        if (value < 0 || (value == 0 && valueName != QLatin1String("all")))
            return failed(QStringLiteral("no coin value \"%1\"").arg(valueName));
        bool ok = false;
        const double share = fields[2].trimmed().toDouble(&ok);
        if (!ok || !(share >= 0 && share <= 1))
            return failed(QStringLiteral("the share \"%1\" is not between 0 and 1").arg(fields[2]));
        read.shares[{country, value}] = share;
    }
    if (read.source.isEmpty() || read.date.isEmpty()) {
        error = QStringLiteral("%1: the lines \"# source: ...\" and \"# date: ...\" are missing").arg(fileName);
        return std::nullopt;
    }
    if (read.shares.empty()) {
        error = QStringLiteral("%1: no shares").arg(fileName);
        return std::nullopt;
    }
    return read;
}

std::optional<double> ProductionShares::mixedForeignShare(int country, int value) const
{
    const auto share = shares.find({country, value});
    return share == shares.end() ? std::nullopt : std::optional<double>(1 - share->second);
}

QJsonObject ProductionShares::published() const
{
    QJsonArray table;
    for (const auto& [key, share] : shares)
        table.append(QJsonObject{
            {QStringLiteral("country"), key.first},
            {QStringLiteral("coinValue"), key.second == 0 ? QStringLiteral("all") : coinnames[size_t(key.second - 1)]},
            {QStringLiteral("share"), share}});
    return QJsonObject{
        {QStringLiteral("source"), source}, {QStringLiteral("date"), date}, {QStringLiteral("shares"), table}};
}
