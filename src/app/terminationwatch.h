// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (a session logout, a system shutdown) and SIGINT
// (Ctrl+C in the terminal) into a request to close the main window, so the
// counted purse is saved as when the window manager closes it. install() is called before the event loop runs;
// a signal that arrives earlier waits in the pipe until arm() is called.
class TerminationWatch : public QObject
{
    Q_OBJECT

public:
    static void install();

    explicit TerminationWatch(QObject* parent = nullptr);

    // Starts delivering terminationRequested() from the event loop.
    void arm();

Q_SIGNALS:
    void terminationRequested();

private:
    void readSignal();

    QSocketNotifier* notifier = nullptr;
};
