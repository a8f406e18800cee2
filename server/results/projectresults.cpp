// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/projectresults.h"

#include "settings/settingschoices.h"

#include <vector>

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QByteArray countsCsv(const QList<CountsRow>& rows)
{
    // A hundred thousand rows are written from a few dozen names: each is
    // encoded once.
    const auto fields = [](const auto& names) {
        std::vector<QByteArray> encoded;
        for (const QString& name : names)
            encoded.push_back(csvField(name).toUtf8() + ',');
        return encoded;
    };
    const std::vector<QByteArray> memberCountries = fields(memberCountryItems());
    const std::vector<QByteArray> sides = fields(countrynamesWords);
    const std::vector<QByteArray> coins = fields(coinnames);

    QByteArray csv = "month,member_country,national_side,coin_value,coins,purses\r\n";
    csv.reserve(csv.size() + rows.size() * 48);
    int month = -1;
    QByteArray monthField;
    for (const CountsRow& row : rows) {
        if (row.month != month) {
            month = row.month;
            monthField = zuv::monthText(month).toUtf8() + ',';
        }
        csv += monthField;
        csv += row.memberCountry >= 0 && size_t(row.memberCountry) < memberCountries.size()
                   ? memberCountries[size_t(row.memberCountry)]
                   : QByteArray(",");
        csv += sides[size_t(row.nationalSide)];
        csv += coins[size_t(row.coinIndex)];
        csv += QByteArray::number(row.counts.coins) + ',' + QByteArray::number(row.counts.purses) + "\r\n";
    }
    return csv;
}
