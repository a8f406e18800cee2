// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usage/userevent.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

class QTextStream;
class QTreeWidget;
class QTreeWidgetItem;

// The observation clock is restarted this often, long before its hundredths of
// a second could overflow anything.
constexpr int OBSERVATION_CLOCK_RESTART_MS = 85000000;

// The time stamp of an event recorded ms milliseconds after the observation
// clock was started: hundredths of a second, truncated, and only the low 16 bits
// of them (so the stamp wraps every 655.36 seconds).
qint32 eventTimeFromElapsed(qint64 ms);

// Number of grid actions (TableIDtexts) and the identifier of the grid action
// `action` on the cell of `column` (coin value) and `row` (national side):
// TABLE_ID_STEP * (action + 1) + 15 * column + row. The event's name is the
// action's name followed by "(column,row)".
quint16 gridEventId(int action, int column, int row);
QString gridEventName(int action, int column, int row);

// The usage observer: turns the names of user actions into event identifiers of
// a fixed vocabulary, keeps this run's events with their time stamps and counts
// every identifier over all runs. A Usage object that was given stored data with
// setDataTo() also serves to print and show that data; it never records unless
// startObservation() was called.
class Usage : public QObject
{
    Q_OBJECT

public:
    explicit Usage(QObject* parent = nullptr, const QString& name = QString());

    // Starts recording for a run on top of the stored totals.
    void startObservation(const QMap<quint16, quint32>& totals);
    // Records one event; true when it was recorded under its own name.
    bool StoreEvent(const QString& name);
    bool observationAllowed() const { return observing; }

    const QList<UserEvent>& events() const { return eventList; }
    const QMap<quint16, quint32>& counters() const { return counterMap; }

    void setDataTo(const QList<UserEvent>& events, const QMap<quint16, quint32>& counters);
    void setDataTo(const QMap<quint16, quint32>& counters);
    void setDataTo(const QList<UserEvent>& events);

    // The vocabulary, the same for every observer.
    quint16 idOf(const QString& name) const; // UNKNOWN_EVENT_ID for names outside the vocabulary
    QString nameOf(quint16 id) const;        // empty for identifiers outside it
    int vocabularySize() const;              // number of identifiers, "unknown" included

    // The whole vocabulary as "(id,'name'tail),(id,'name'tail),...", ready to be
    // loaded into a database table; tail supplies further columns.
    QString giveAllEventsAsTextTupels(const QString& tail) const;

    // Plain text forms, used by the text dumps.
    void PrintEventTo(QTextStream& s, const UserEvent& event) const;
    void PrintSessionTo(QTextStream& s) const;
    void PrintTotalEventsTo(QTextStream& s) const;

    // List views of the observation window and children of the stored-data
    // tree; these live in the widget library (usageviews.cpp).
    void PrepareSessionListView(QTreeWidget* v) const;
    void UpdateSessionListView(QTreeWidget* v) const;
    void PrepareAllEventsListView(QTreeWidget* v) const;
    void UpdateAllEventsListView(QTreeWidget* v) const;
    // One child per counter, in ascending identifier order; returns the number of
    // all recorded events (the sum of the counters).
    unsigned AllEventsCreateListViewItemChildrenOf(QTreeWidgetItem* parent) const;
    // One child per event, the latest first; returns the number of children made.
    unsigned SessionEventsCreateListViewItemChildrenOf(QTreeWidgetItem* parent) const;

public Q_SLOTS:
    void toggleObservationAllowed(bool allowed);
    void restartTimer();

private:
    void record(quint16 id);

    QList<UserEvent> eventList;
    QMap<quint16, quint32> counterMap;
    bool observing = false;
    QElapsedTimer clock;
    QTimer restartClock{this}; // single-shot, calls restartTimer()
};
