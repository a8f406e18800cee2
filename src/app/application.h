// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <exception>

// The toolkit application with the program's last line of defence: a failure
// that escapes an event handler ends the event loop and is handed back to the
// entry point, which reports it and ends with its error code.
class ZuvApplication : public QApplication
{
    Q_OBJECT

public:
    ZuvApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Rethrows the first failure caught during the event loop, if any.
    void rethrowPendingFailure();

private:
    std::exception_ptr pendingFailure;
};

// Shows the fatal box for a failure (titled by its class, the text from its
// error code) with parent as the box's parent and returns the exit status:
// the error code for the program's own failures, -1 for anything else.
int reportFatalFailure(const std::exception_ptr& failure, QWidget* parent);

// The whole program: application, main window, start-up, event loop.
int runZuv(int argc, char** argv);
