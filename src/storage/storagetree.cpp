// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/storagetree.h"

#include "common/constants.h"
#include "storage/clientstorage.h"
#include "storage/session.h"
#include "usage/usage.h"

#include <QTreeWidgetItem>

#include <string>

namespace {

// The fields of a record or a session stand at the top of their parent, in
// the order they are made; older children of the parent follow them.
class OrderedChildren
{
public:
    explicit OrderedChildren(QTreeWidgetItem* parent) : parent(parent) {}

    QTreeWidgetItem* add(const QString& label, const QString& value = QString())
    {
        auto* item = new QTreeWidgetItem(QStringList{label, value});
        parent->insertChild(made++, item);
        return item;
    }
    QTreeWidgetItem* add(const QString& label, qulonglong value) { return add(label, QString::number(value)); }
    QTreeWidgetItem* add(const QString& label, const std::string& value)
    {
        return add(label, QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    }
    QTreeWidgetItem* addDate(const QString& label, const QDateTime& value)
    {
        return add(label, value.toString(Qt::TextDate));
    }

private:
    QTreeWidgetItem* parent;
    int made = 0;
};

// Lists below a field (sessions, numbers, flags) read in the order they were made.
QTreeWidgetItem* appendChild(QTreeWidgetItem* parent, const QString& label, const QString& value = QString())
{
    auto* item = new QTreeWidgetItem(QStringList{label, value});
    parent->addChild(item);
    return item;
}

QString euro(quint32 cents)
{
    return QString::number(cents / 100.0, 'g', 6);
}

// "50c Germany"; a pile read from a stream may name a coin or side beyond the
// tables, which then shows as its number.
QString pileName(const CoinPile& pile)
{
    const QString coin =
        pile.coinIndex < coinnames.size() ? coinnames[pile.coinIndex] : QString::number(pile.coinIndex);
    const quint32 country = pile.countryIndex + 1;
    const QString side = country < countrynamesWords.size() ? countrynamesWords[country] : QString::number(country);
    return coin + QLatin1Char(' ') + side;
}

struct FlagName
{
    unsigned bit;
    const char* name;
};

void addSetFlags(QTreeWidgetItem* parent, unsigned flags, std::initializer_list<FlagName> names)
{
    for (const FlagName& flag : names)
        if (flags & flag.bit)
            appendChild(parent, QString::fromLatin1(flag.name), QString::number(flag.bit));
}

void addEMailFlags(QTreeWidgetItem* parent, unsigned flags)
{
    addSetFlags(parent, flags,
                {{ClientStorage::MonthlyReminder, "MonthlyReminder"},
                 {ClientStorage::BiMonthlyReminder, "BiMonthlyReminder"},
                 {ClientStorage::WeeklyReminder, "WeeklyReminder"}});
    // Not wanting reminders is worth a line of its own.
    if (flags & ClientStorage::WantsReminder)
        appendChild(parent, QStringLiteral("WantsReminder"), QString::number(ClientStorage::WantsReminder));
    else
        appendChild(parent, QStringLiteral("WantsNo!Reminder"));
    addSetFlags(parent, flags,
                {{ClientStorage::WantsNewsletter, "WantsNewsletter"},
                 {ClientStorage::WantsToHelp, "WantsToHelp"},
                 {ClientStorage::WantsToAnalyze, "WantsToAnalyze"}});
}

void addSettingsFlags(QTreeWidgetItem* parent, unsigned flags)
{
    // CountryRenumbered is bookkeeping of the file reader and gets no line.
    addSetFlags(parent, flags,
                {{ClientStorage::ServiceTabOn, "ServiceTabOn"},
                 {ClientStorage::OpinionTabOn, "OpinionTabOn"},
                 {ClientStorage::NecessFilledIn, "NecessFilledIn"},
                 {ClientStorage::DontNagConnection, "DontNagConnection"},
                 {ClientStorage::HasSeenSettings, "HasSeenSettings"},
                 {ClientStorage::NoLoadPicsNagger, "NoLoadPicsNagger"},
                 {ClientStorage::SignedContract, "SignedContract"},
                 {ClientStorage::AllowsObservation, "AllowsObservation"},
                 {ClientStorage::SettingsChanged, "SettingsChanged"}});
}

} // namespace

void CreateListViewItemChildrenOf(const ClientStorage& storage, QTreeWidgetItem* parent, Usage& usage)
{
    OrderedChildren items(parent);
    items.add(QStringLiteral("Membernumber"), storage.Membernumber);
    items.add(QStringLiteral("NumFullPurses"), storage.NumFullPurses);

    QTreeWidgetItem* sessions = items.add(QStringLiteral("Sessions"), qulonglong(storage.Sessions.size()));
    for (const Session& session : storage.Sessions) {
        QTreeWidgetItem* item = appendChild(
            sessions, session.entryDateTime.toString(Qt::TextDate),
            QStringLiteral("%1 euro / %2 events").arg(euro(session.sumOfCents())).arg(session.observation.size()));
        CreateListViewItemChildrenOf(session, item, usage);
    }

    QTreeWidgetItem* totals = items.add(QStringLiteral("TotalEvents"));
    usage.setDataTo(storage.TotalEvents);
    totals->setText(1, QString::number(usage.AllEventsCreateListViewItemChildrenOf(totals)));

    items.add(QStringLiteral("Version"), storage.Version);
    items.add(QStringLiteral("Welcome"), storage.Welcome);
    QTreeWidgetItem* recommenders =
        items.add(QStringLiteral("RecommenderMembernumbers"), qulonglong(storage.RecommenderMembernumbers.size()));
    for (quint32 number : storage.RecommenderMembernumbers)
        appendChild(recommenders, QString::number(number));
    items.add(QStringLiteral("RecommenderName"), storage.RecommenderName);
    items.add(QStringLiteral("Country"), storage.Country);
    items.add(QStringLiteral("PostalCode"), storage.PostalCode);
    items.add(QStringLiteral("CityPopulation"), storage.CityPopulation);
    items.add(QStringLiteral("eMailAddress"), storage.eMailAddress);
    addEMailFlags(items.add(QStringLiteral("eMailFlags"), storage.eMailFlags), storage.eMailFlags);
    addSettingsFlags(items.add(QStringLiteral("SettingsFlags"), storage.SettingsFlags), storage.SettingsFlags);
    items.addDate(QStringLiteral("MemberSince"), storage.MemberSince);
    items.add(QStringLiteral("NumberOfUploads"), storage.NumberOfUploads);
    items.addDate(QStringLiteral("LastUpload"), storage.LastUpload);
    items.add(QStringLiteral("NumberOfStartsSinceLastUpload"), storage.NumberOfStartsSinceLastUpload);
    items.add(QStringLiteral("FavouriteCoin"), storage.FavouriteCoin);
    items.add(QStringLiteral("GuessWhenMixdateYear"), storage.GuessWhenMixdateYear);
    items.add(QStringLiteral("GuessWhenMixdateMonth"), storage.GuessWhenMixdateMonth);
    items.add(QStringLiteral("GuessWhenArrivaldateYear"), storage.GuessWhenArrivaldateYear);
    items.add(QStringLiteral("GuessWhenArrivaldateMonth"), storage.GuessWhenArrivaldateMonth);
    items.add(QStringLiteral("Message"), storage.Message);
    items.add(QStringLiteral("ServerAddress"), storage.ServerAddress);
    items.add(QStringLiteral("ServerPort"), storage.ServerPort);
    items.add(QStringLiteral("FTPServer"), storage.FTPServer);
    items.add(QStringLiteral("NumberOfPicturesAvailable"), storage.NumberOfPicturesAvailable);
    items.add(QStringLiteral("LastAnalysisPage"), storage.LastAnalysisPage);
    items.add(QStringLiteral("LastTxtMessage"), storage.LastTxtMessage);
    items.add(QStringLiteral("LastPicture"), storage.LastPicture);
    items.addDate(QStringLiteral("LastDataAnalysisRead"), storage.LastDataAnalysisRead);
    const WindowGeometry& window = storage.WindowPositionSize;
    items.add(QStringLiteral("WindowPositionSize"), QStringLiteral("(%1,%2,%3,%4)")
                                                        .arg(window.position.x())
                                                        .arg(window.position.y())
                                                        .arg(window.size.width())
                                                        .arg(window.size.height()));
    items.add(QStringLiteral("InvitationList"), QStringLiteral("TODO: Listview not programmed yet."));
}

void CreateListViewItemChildrenOf(const Session& session, QTreeWidgetItem* parent, Usage& usage)
{
    OrderedChildren items(parent);
    items.add(QStringLiteral("Version"), session.version);
    items.addDate(QStringLiteral("EntryDateTime"), session.entryDateTime);
    items.add(QStringLiteral("Sum (Euro)"), euro(session.sumOfCents()));

    QTreeWidgetItem* piles = items.add(QStringLiteral("CoinPiles"), qulonglong(session.purse.size()));
    OrderedChildren pileItems(piles);
    for (const CoinPile& pile : session.purse)
        pileItems.add(pileName(pile), pile.count);

    QTreeWidgetItem* events = items.add(QStringLiteral("SessionObservation"));
    usage.setDataTo(session.observation);
    events->setText(1, QString::number(usage.SessionEventsCreateListViewItemChildrenOf(events)));
}
