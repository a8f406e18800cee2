// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/uploadlimits.h"

#include "storage/session.h"

#include <bitset>

QString UploadLimits::firstPassed(const QList<Session>& sessions)
{
    qint64 piles = 0;
    for (const Session& session : sessions) {
        piles += session.purse.size();
        if (piles > MOST_PILES_PER_UPLOAD)
            return QStringLiteral("more than %1 coin piles, above the limit of one upload").arg(MOST_PILES_PER_UPLOAD);
        // A second pile of a cell would be a second count table.
        std::bitset<MOST_PILES_PER_SESSION> cells;
        for (const CoinPile& pile : session.purse) {
            if (pile.coinIndex >= quint32(NUM_COINS) || pile.countryIndex >= quint32(NUM_NATIONAL_SIDES))
                return QStringLiteral("a pile of coin %1 and national side %2, beyond the count table's %3 x %4 cells")
                    .arg(pile.coinIndex)
                    .arg(pile.countryIndex)
                    .arg(NUM_COINS)
                    .arg(NUM_NATIONAL_SIDES);
            if (pile.count > MOST_COINS_PER_PILE)
                return QStringLiteral("a pile of %1 coins, above the limit of %2 coins of one kind")
                    .arg(pile.count)
                    .arg(MOST_COINS_PER_PILE);
            const std::size_t cell = pile.coinIndex * NUM_NATIONAL_SIDES + pile.countryIndex;
            if (cells.test(cell))
                return QStringLiteral("a second pile of coin %1 and national side %2, above the limit of one pile"
                                      " per cell of the count table")
                    .arg(pile.coinIndex)
                    .arg(pile.countryIndex);
            cells.set(cell);
        }
    }
    return QString();
}
