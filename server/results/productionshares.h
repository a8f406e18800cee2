// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

#include <map>
#include <optional>
#include <utility>

// The coins produced, as an operator gives them (--production-shares): per
// member country that issues euro coins, its share of the coins produced, of
// every value together and of each value. Once the coins are mixed
// completely, a member's purse holds that share of his own country's coins:
// the mixing model's a is one minus it, known rather than fitted.
//
// The file is CSV with its source and date in comment lines:
//   # source: European Central Bank, coins in circulation by issuer
//   # date: 2024-12
//   country,coin_value,share
//   Germany,all,0.272
//   Germany,2e,0.301
// `country` is a national side's name, `coin_value` "all" or "1c" ... "2e",
// `share` between 0 and 1.
class ProductionShares
{
public:
    // Nothing, with `error` saying where and why, when the file cannot be read.
    static std::optional<ProductionShares> read(const QString& fileName, QString& error);

    // The foreign share of complete mixing of `country` (1..15) for coin
    // value `value` (1..8; 0: every value), when the file gives it.
    std::optional<double> mixedForeignShare(int country, int value) const;
    // As the results publish it: {"source", "date", "shares": [{"country",
    // "coinValue" ("all", "1c" ... "2e"), "share"}]}.
    QJsonObject published() const;

private:
    QString source;
    QString date;
    std::map<std::pair<int, int>, double> shares; // (country, coin value) -> share
};
