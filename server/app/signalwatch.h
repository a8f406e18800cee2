// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a signal on the event loop, so the server
// ends between two uploads instead of in the middle of one. The handler
// only writes a byte into a socket pair; the notifier reads it.
class SignalWatch : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatch(QObject* parent = nullptr);
    ~SignalWatch() override;

    // False when the handlers could not be installed.
    bool isWatching() const { return notifier != nullptr; }

Q_SIGNALS:
    void stopRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* notifier = nullptr;
};
