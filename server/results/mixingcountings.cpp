// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/mixingcountings.h"

#include "server/results/resultsaggregates.h"
#include "server/results/resultspublication.h"
#include "server/storage/sqlconnection.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

std::map<int, QList<qint64>> MixingCountings::dueCountries(int minimum)
{
    std::map<int, QList<qint64>> changers;
    QSqlQuery& rows = sql.run(QStringLiteral("SELECT member_country, member_number FROM publication_changes"
                                             " WHERE month = 0 AND national_side = 0 AND coin_value = 0"
                                             " AND member_country BETWEEN 1 AND 15"));
    while (rows.next())
        changers[rows.value(0).toInt()].append(rows.value(1).toLongLong());
    rows.finish();
    for (auto country = changers.begin(); country != changers.end();)
        country = country->second.size() >= minimum ? std::next(country) : changers.erase(country);
    return changers;
}

double MixingCountings::yearsOf(int month)
{
    return ((month / 100 - 2002) * 12 + (month % 100 - 1) + 0.5) / 12.0;
}

std::map<int, CountryCountings> MixingCountings::read(const QList<int>& countries, int lastMonth)
{
    std::map<int, CountryCountings> read;
    if (countries.isEmpty())
        return read;
    // country -> member -> month -> value (0: all) -> counts
    std::map<int, std::map<qint64, std::map<int, std::array<MonthCount, NUM_COINS + 1>>>> counted;
    QStringList wanted;
    for (const int country : countries) {
        counted[country];
        wanted << QString::number(country);
    }
    // The countries' numbers are ours, never a participant's text.
    const QString ofThem = QStringLiteral(" AND member_country IN (%1)").arg(wanted.join(QLatin1Char(',')));
    const QVariantList months{sqlNumber(ResultsPublication::FIRST_MONTH), sqlNumber(lastMonth)};
    QSqlQuery& coins = sql.run(QStringLiteral("SELECT member_country, member_number, month, cells"
                                              " FROM result_cell_members WHERE month BETWEEN ? AND ?%1")
                                   .arg(ofThem),
                               months);
    while (coins.next()) {
        const int memberCountry = coins.value(0).toInt();
        const auto country = counted.find(memberCountry);
        if (country == counted.end())
            continue;
        auto& byValue = country->second[coins.value(1).toLongLong()][coins.value(2).toInt()];
        for (const auto& [sideAndValue, cell] : ResultsAggregates::memberCellsOf(coins.value(3).toByteArray())) {
            const auto& [side, value] = sideAndValue;
            if (value < 1 || value > NUM_COINS)
                continue;
            for (MonthCount* count : {&byValue[0], &byValue[size_t(value)]}) {
                count->coins += cell.coins;
                count->foreign += side != memberCountry ? cell.coins : 0;
            }
        }
    }
    coins.finish();
    // A purse holds coins of many cells: the purses are counted from the sessions.
    QSqlQuery& purses = sql.run(QStringLiteral("SELECT member_country, member_number, month, COUNT(*) FROM sessions"
                                               " WHERE month BETWEEN ? AND ? AND pile_count > 0%1"
                                               " GROUP BY member_country, member_number, month")
                                    .arg(ofThem),
                                months);
    while (purses.next()) {
        const auto country = counted.find(purses.value(0).toInt());
        if (country == counted.end())
            continue;
        const auto member = country->second.find(purses.value(1).toLongLong());
        if (member == country->second.end())
            continue;
        const auto month = member->second.find(purses.value(2).toInt());
        if (month != member->second.end())
            for (MonthCount& count : month->second)
                count.purses = purses.value(3).toLongLong();
    }
    purses.finish();

    for (const auto& [country, members] : counted) {
        CountryCountings& countings = read[country];
        for (const auto& [member, byMonth] : members) {
            std::array<MemberCountings, NUM_COINS + 1> memberCountings;
            for (const auto& [month, byValue] : byMonth)
                for (size_t value = 0; value < byValue.size(); ++value)
                    if (byValue[value].coins > 0) {
                        MonthCount count = byValue[value];
                        count.years = yearsOf(month);
                        memberCountings[value].months.push_back(count);
                    }
            for (size_t value = 0; value < memberCountings.size(); ++value)
                if (!memberCountings[value].months.empty())
                    countings[value].push_back(std::move(memberCountings[value]));
        }
    }
    return read;
}
