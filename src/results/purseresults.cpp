// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/purseresults.h"

#include "common/exceptions.h"
#include "settings/settingschoices.h"

#include <QMap>
#include <QSaveFile>

#include <utility>

namespace {

bool isEuroCountry(int country)
{
    return country >= 1 && country <= NUM_NATIONAL_SIDES;
}

double shareOf(quint64 part, quint64 whole)
{
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

Counting countingOf(const Session& session, quint8 memberCountry)
{
    Counting counting;
    counting.date = session.entryDateTime;
    counting.memberCountry = memberCountry;
    for (const CoinPile& pile : session.purse) {
        // A pile's first byte allows national sides up to 31; the grid never
        // made such a pile, and it names no country.
        if (pile.coinIndex >= NUM_COINS || pile.countryIndex >= NUM_NATIONAL_SIDES)
            continue;
        counting.counts[pile.coinIndex][pile.countryIndex] += pile.count;
        counting.coins += pile.count;
        counting.valueCents += quint64{pile.count} * coinvaluesInCents[pile.coinIndex];
        if (isEuroCountry(memberCountry) && pile.countryIndex + 1 != memberCountry)
            counting.foreign += pile.count;
    }
    return counting;
}

} // namespace

bool Counting::hasForeignShare() const
{
    return isEuroCountry(memberCountry) && coins > 0;
}

double Counting::foreignShare() const
{
    return hasForeignShare() ? shareOf(foreign, coins) : 0.0;
}

double PurseSummary::foreignShare() const
{
    return shareOf(foreign, coinsWithShare);
}

QList<Counting> purseCountings(const ClientStorage& archive, const ClientStorage& dataFile)
{
    // Later forms replace earlier ones, and the map keeps the time order.
    QMap<qint64, Counting> byStart;
    for (const ClientStorage* state : {&archive, &dataFile})
        for (const Session& session : state->Sessions)
            byStart.insert(session.entryDateTime.toMSecsSinceEpoch(), countingOf(session, state->Country));
    QList<Counting> countings;
    for (const Counting& counting : std::as_const(byStart))
        if (counting.coins > 0)
            countings.append(counting);
    return countings;
}

PurseSummary summarizePurse(const QList<Counting>& countings)
{
    PurseSummary summary;
    std::array<qsizetype, NUM_NATIONAL_SIDES> seenAt; // position in sidesSeen, -1 before
    seenAt.fill(-1);
    for (const Counting& counting : countings) {
        ++summary.countings;
        summary.coins += counting.coins;
        summary.valueCents += counting.valueCents;
        if (counting.hasForeignShare()) {
            summary.coinsWithShare += counting.coins;
            summary.foreign += counting.foreign;
        }
        for (int side = 0; side < NUM_NATIONAL_SIDES; ++side) {
            quint64 coins = 0;
            for (const auto& byValue : counting.counts)
                coins += byValue[static_cast<size_t>(side)];
            if (coins == 0)
                continue;
            qsizetype& at = seenAt[static_cast<size_t>(side)];
            if (at < 0) {
                at = summary.sidesSeen.size();
                summary.sidesSeen.append(SideSeen{side + 1, counting.date, 0});
            }
            summary.sidesSeen[at].coins += coins;
        }
    }
    return summary;
}

ArchiveReading readArchiveForResults(const QString& fileName)
{
    ArchiveReading reading;
    try {
        reading.code = reading.archive.loadFromDisk(fileName);
    } catch (const myException& failure) {
        reading.code = static_cast<int>(failure.code());
    }
    if (reading.code != ZUV_NO_ERROR)
        reading.archive = ClientStorage();
    return reading;
}

QByteArray countingsCsv(const QList<Counting>& countings)
{
    // The names come from the program's own tables and hold no comma, quote
    // or line break, so no field needs quoting.
    QByteArray csv = "date,member_country,national_side,coin_value,count\r\n";
    for (const Counting& counting : countings) {
        const QByteArray prefix = counting.date.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toUtf8() + ',' +
                                  memberCountryItems().value(counting.memberCountry).toUtf8() + ',';
        for (size_t side = 0; side < NUM_NATIONAL_SIDES; ++side) {
            for (size_t coin = 0; coin < NUM_COINS; ++coin) {
                const quint64 count = counting.counts[coin][side];
                if (count != 0)
                    csv += prefix + countrynamesWords[side + 1].toUtf8() + ',' + coinnames[coin].toUtf8() + ',' +
                           QByteArray::number(count) + "\r\n";
            }
        }
    }
    return csv;
}

int saveCountingsCsv(const QList<Counting>& countings, const QString& fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return ZUV_FILE_WRITE_OPENING_ERROR;
    const QByteArray csv = countingsCsv(countings);
    // Flushed before the commit, so that a disk that takes only part of the
    // bytes cancels the file instead of putting a cut-off one in place.
    if (file.write(csv) != csv.size() || !file.flush())
        file.cancelWriting();
    return file.commit() ? ZUV_NO_ERROR : ZUV_FILE_CLOSING_ERROR;
}
