// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/textdump.h"

#include "common/constants.h"
#include "storage/bytestring.h"
#include "storage/clientstorage.h"
#include "storage/coinpile.h"
#include "storage/session.h"
#include "usage/usage.h"

#include <QDebug>
#include <QTextStream>

namespace {

QString plainDate(const QDateTime& moment)
{
    return moment.toString(Qt::TextDate);
}

} // namespace

QTextStream& operator<<(QTextStream& stream, const CoinPile& pile)
{
    // A pile read from a stream may name a coin beyond the table; it prints
    // with the value 0 rather than reading outside the table.
    const double value = pile.coinIndex < coinvalues.size() ? coinvalues[pile.coinIndex] : 0.0;
    stream << "(" << ((pile.countryIndex + 1) % 256) << "," << value << ")=" << pile.count;
    return stream;
}

QTextStream& operator<<(QTextStream& stream, const Session& session)
{
    stream << session.version << plainDate(session.entryDateTime) << session.sumOfCents();
    Usage printer;
    printer.setDataTo(session.observation);
    printer.PrintSessionTo(stream);
    stream << static_cast<quint16>(session.purse.size());
    for (const CoinPile& pile : session.purse)
        stream << pile;
    return stream;
}

QTextStream& toStream(QTextStream& stream, const QList<Session>& sessions)
{
    stream << static_cast<quint16>(sessions.size());
    for (const Session& session : sessions)
        stream << session;
    return stream;
}

QTextStream& operator<<(QTextStream& stream, const ClientStorage& storage)
{
    qDebug() << "ATTENTION: QTextStream& operator<< (QTextStream &s, ClientStorage S)\n"
                "   should ONLY be used for debugging (creates expensive temporary Usage object) !";
    stream << storage.Version << storage.Membernumber << storage.Welcome;
    for (quint32 number : storage.RecommenderMembernumbers)
        stream << number;
    stream << storage.RecommenderName << unsigned(storage.Country) << storage.PostalCode
           << unsigned(storage.CityPopulation) << storage.eMailAddress << unsigned(storage.eMailFlags)
           << storage.SettingsFlags << plainDate(storage.MemberSince) << storage.NumberOfUploads
           << plainDate(storage.LastUpload) << storage.NumberOfStartsSinceLastUpload << unsigned(storage.FavouriteCoin)
           << unsigned(storage.GuessWhenMixdateYear) << unsigned(storage.GuessWhenMixdateMonth)
           << unsigned(storage.GuessWhenArrivaldateYear) << unsigned(storage.GuessWhenArrivaldateMonth)
           << storage.Message << storage.ServerAddress << storage.ServerPort << storage.FTPServer
           << unsigned(storage.NumberOfPicturesAvailable) << storage.LastAnalysisPage << storage.LastTxtMessage
           << storage.LastPicture << plainDate(storage.LastDataAnalysisRead);
    stream << storage.WindowPositionSize.position.x() << storage.WindowPositionSize.position.y()
           << storage.WindowPositionSize.size.width() << storage.WindowPositionSize.size.height();
    Usage printer;
    printer.setDataTo(storage.TotalEvents);
    printer.PrintTotalEventsTo(stream);
    stream << storage.NumFullPurses;
    toStream(stream, storage.Sessions);
    stream << storage.InvitationList;
    return stream;
}
