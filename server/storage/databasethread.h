// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>

class ProjectDatabase;

// A thread of its own with a database connection of that thread (Qt SQL's
// connections belong to the thread that opened them): what is given to it
// runs there, one piece after the other, apart from the event loop of the
// uploads and from their transactions.
class DatabaseThread
{
public:
    // `name` names the thread and the connection.
    explicit DatabaseThread(const QString& name);
    // Lets the piece under way finish, closes the connection on its thread
    // and ends the thread.
    ~DatabaseThread();
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;

    // Opens the database and waits for it; false with `error` when it cannot
    // be used.
    bool open(const QString& location, QString& error);

    using Work = std::function<void(ProjectDatabase& database)>;
    // Runs `work` on the thread, after what was given before; `wait`: returns
    // once it is done.
    void run(Work work, bool wait = false);

private:
    QThread thread;
    QObject* worker; // lives on the thread, deleted with it
    QString connectionName;
    std::unique_ptr<ProjectDatabase> database; // used on the thread only
};
