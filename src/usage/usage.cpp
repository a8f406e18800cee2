// SPDX-License-Identifier: GPL-3.0-or-later
#include "usage/usage.h"

#include "common/constants.h"

#include <QDebug>
#include <QTextStream>

#include <optional>

namespace {

struct Vocabulary
{
    QMap<QString, quint16> idByName;
    QMap<quint16, QString> nameById;

    // A later entry replaces an earlier one for the same key: ClientServerDNSFound
    // stands at 404 and 412, its name maps to 412 and both identifiers to it.
    void add(quint16 id, const QString& name)
    {
        idByName.insert(name, id);
        nameById.insert(id, name);
    }
};

template <std::size_t N> void addTable(Vocabulary& vocabulary, const std::array<QString, N>& table, quint16 base)
{
    for (std::size_t index = 0; index < N; ++index)
        vocabulary.add(static_cast<quint16>(base + index), table[index]);
}

// The events with names of their own: a few dozen, and every run records
// some of them from its start.
Vocabulary namedEvents()
{
    Vocabulary vocabulary;
    addTable(vocabulary, IDtexts, 0);
    addTable(vocabulary, SettingsIDtexts, SETTINGS_ID_BASE);
    addTable(vocabulary, ClientIDtexts, CLIENT_ID_BASE);
    addTable(vocabulary, InvitationIDtexts, INVITATION_ID_BASE);
    vocabulary.add(UNKNOWN_EVENT_ID, UNKNOWN_EVENT_NAME);
    return vocabulary;
}

// The grid's identifiers (from TABLE_ID_STEP on) and names (with their
// cell in brackets) meet none of the named events'.
Vocabulary initEventIDTextMapping()
{
    Vocabulary vocabulary = namedEvents();
    for (int action = 0; action < static_cast<int>(TableIDtexts.size()); ++action)
        for (int column = 0; column < NUM_COINS; ++column)
            for (int row = 0; row < NUM_NATIONAL_SIDES; ++row)
                vocabulary.add(gridEventId(action, column, row), gridEventName(action, column, row));
    return vocabulary;
}

// Every observer speaks the same vocabulary, so it is built once, and only
// when a name outside the named events is asked for: the grid's 360 names
// are most of the building, and a start records none of them.
const Vocabulary& vocabulary()
{
    static const Vocabulary theVocabulary = initEventIDTextMapping();
    return theVocabulary;
}

const Vocabulary& namedVocabulary()
{
    static const Vocabulary theNamedEvents = namedEvents();
    return theNamedEvents;
}

// A name's identifier, the named events asked first: a name among them means
// the same in the whole vocabulary.
std::optional<quint16> idOfName(const QString& name)
{
    const auto named = namedVocabulary().idByName.constFind(name);
    if (named != namedVocabulary().idByName.constEnd())
        return named.value();
    const auto found = vocabulary().idByName.constFind(name);
    if (found != vocabulary().idByName.constEnd())
        return found.value();
    return std::nullopt;
}

} // namespace

qint32 eventTimeFromElapsed(qint64 ms)
{
    const auto hundredths = static_cast<qint64>(ms / 10.0);
    return static_cast<qint32>(hundredths & 0xFFFF);
}

quint16 gridEventId(int action, int column, int row)
{
    return static_cast<quint16>(TABLE_ID_STEP * (action + 1) + NUM_NATIONAL_SIDES * column + row);
}

QString gridEventName(int action, int column, int row)
{
    return QStringLiteral("%1(%2,%3)").arg(TableIDtexts.at(static_cast<std::size_t>(action))).arg(column).arg(row);
}

Usage::Usage(QObject* parent, const QString& name) : QObject(parent)
{
    if (!name.isEmpty())
        setObjectName(name);
    restartClock.setSingleShot(true);
    connect(&restartClock, &QTimer::timeout, this, &Usage::restartTimer);
}

void Usage::startObservation(const QMap<quint16, quint32>& totals)
{
    observing = true;
    counterMap = totals;
    eventList.clear();
    clock.start();
    StoreEvent(IDtexts[0]); // Start
    StoreEvent(IDtexts[1]); // TimerStarted
    restartClock.start(OBSERVATION_CLOCK_RESTART_MS);
}

void Usage::restartTimer()
{
    StoreEvent(IDtexts[2]); // TimerRestart
    restartClock.start(OBSERVATION_CLOCK_RESTART_MS);
    clock.start();
    StoreEvent(IDtexts[1]); // TimerStarted
}

bool Usage::StoreEvent(const QString& name)
{
    if (!observing)
        return false;
    const std::optional<quint16> id = idOfName(name);
    if (!id) {
        qDebug().noquote() << tr("ERROR Usage::StoreEvent : there is no event called %1").arg(name);
        record(UNKNOWN_EVENT_ID);
        return false;
    }
    record(*id);
    return true;
}

void Usage::record(quint16 id)
{
    // A clock that was never started (observation switched on without a start)
    // counts from zero.
    const qint64 elapsed = clock.isValid() ? clock.elapsed() : 0;
    eventList.append(UserEvent{eventTimeFromElapsed(elapsed), id});
    ++counterMap[id];
}

void Usage::toggleObservationAllowed(bool allowed)
{
    if (observing == allowed)
        return;
    if (!allowed) {
        // The switch itself is the last thing recorded, and the only event kept.
        eventList.clear();
        StoreEvent(IDtexts[26]); // ObservationNotAllowedAnymore
        observing = false;
    } else {
        observing = true;
        StoreEvent(IDtexts[25]); // ObservationAllowedAgain
    }
}

void Usage::setDataTo(const QList<UserEvent>& events, const QMap<quint16, quint32>& counters)
{
    eventList = events;
    counterMap = counters;
}

void Usage::setDataTo(const QMap<quint16, quint32>& counters)
{
    counterMap = counters;
}

void Usage::setDataTo(const QList<UserEvent>& events)
{
    eventList = events;
}

quint16 Usage::idOf(const QString& name) const
{
    return idOfName(name).value_or(UNKNOWN_EVENT_ID);
}

QString Usage::nameOf(quint16 id) const
{
    return vocabulary().nameById.value(id);
}

int Usage::vocabularySize() const
{
    return static_cast<int>(vocabulary().nameById.size());
}

QString Usage::giveAllEventsAsTextTupels(const QString& tail) const
{
    // The vocabulary is built in ascending identifier order, so the map's order
    // is the building order.
    QString text;
    const auto& names = vocabulary().nameById;
    for (auto it = names.constBegin(); it != names.constEnd(); ++it)
        text += QLatin1Char('(') + QString::number(it.key()) + QStringLiteral(",'") + it.value() + QLatin1Char('\'') +
                tail + QStringLiteral("),");
    text.chop(1);
    return text;
}

void Usage::PrintEventTo(QTextStream& s, const UserEvent& event) const
{
    s << "at " << static_cast<float>(event.time / 100.0) << " seconds: (" << event.id << ") " << nameOf(event.id);
}

void Usage::PrintSessionTo(QTextStream& s) const
{
    for (const UserEvent& event : eventList) {
        PrintEventTo(s, event);
        s << "\n";
    }
}

void Usage::PrintTotalEventsTo(QTextStream& s) const
{
    for (auto it = counterMap.constBegin(); it != counterMap.constEnd(); ++it)
        s << nameOf(it.key()) << ":" << it.value() << "\n";
}
