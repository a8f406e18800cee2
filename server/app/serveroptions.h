// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QtGlobal>

// What the server is told on its command line. Every value has a default
// that makes a plain "zuv-server" receive uploads from a client on the same
// machine.
struct ServerOptions
{
    static constexpr quint16 DEFAULT_PORT = 4554;
    // The project's web pages (the results): where the client's web
    // address points by default.
    static constexpr quint16 DEFAULT_HTTP_PORT = 4580;
    // Twice the largest realistic upload (ten years of weekly countings,
    // about 0.5 MB). A body takes the storing thread, which every other
    // upload waits for, about a second per MiB of usage events.
    static constexpr quint32 DEFAULT_MAX_BODY_BYTES = 1024 * 1024;
    // A connection that sends nothing for this long is closed.
    static constexpr int DEFAULT_IDLE_TIMEOUT_MS = 30000;
    // A connection is closed after this long however busy it is: a client
    // sending a byte now and then is never idle but must not stay forever.
    // A real upload is a few kilobytes and done in well under a second; this
    // still carries a megabyte over a 64 kbit/s line.
    static constexpr int DEFAULT_CONNECTION_TIMEOUT_MS = 120000;
    // Each connection holds a file descriptor. The usual soft limit is 1024
    // per process; half of it leaves room for the database, its journal and
    // the listening socket, and is still far more than the participants
    // ever upload at the same moment. Further clients wait in the listen
    // backlog until a connection ends.
    static constexpr int DEFAULT_MAX_CONNECTIONS = 512;
    // One address is one participant's machine, or a few dozen behind a
    // shared router; each holds a connection for well under a second. So it
    // takes 32 addresses at their limit to fill every place.
    static constexpr int DEFAULT_MAX_CONNECTIONS_PER_ADDRESS = 16;
    // Our client sends the header in one piece right after connecting.
    static constexpr int DEFAULT_HEADER_TIMEOUT_MS = 10000;
    // 4 kbit/s: half of the slowest line a participant still uploads over
    // (a 9600 bit/s mobile data call).
    static constexpr int DEFAULT_MIN_RATE = 500;
    // Sixteen of the largest bodies at once, far more than the participants
    // ever send together.
    static constexpr qint64 DEFAULT_MAX_BUFFERED_BYTES = 256 * 1024 * 1024;

    // PostgreSQL stores on this many connections side by side; SQLite, which
    // writes one transaction at a time, on one. More pay only where the
    // database has more cores: on two, a third and fourth connection only
    // made the transactions smaller.
    static constexpr int DEFAULT_POSTGRESQL_STORING_CONNECTIONS = 2;

    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = DEFAULT_PORT;                               // 0: any free port (printed when bound)
    quint16 httpPort = DEFAULT_HTTP_PORT;                      // 0: no web pages
    QString databaseFile = QStringLiteral("zuvserver.sqlite"); // or a postgresql:// address
    quint32 maxBodyBytes = DEFAULT_MAX_BODY_BYTES;
    QString serverMessage; // sent with every accepted upload when not empty
    int idleTimeoutMs = DEFAULT_IDLE_TIMEOUT_MS;
    int connectionTimeoutMs = DEFAULT_CONNECTION_TIMEOUT_MS;
    int maxConnections = DEFAULT_MAX_CONNECTIONS;
    int maxConnectionsPerAddress = DEFAULT_MAX_CONNECTIONS_PER_ADDRESS;
    int headerTimeoutMs = DEFAULT_HEADER_TIMEOUT_MS;
    int minRate = DEFAULT_MIN_RATE; // body bytes per second, on average
    qint64 maxBufferedBytes = DEFAULT_MAX_BUFFERED_BYTES;
    QString importFile; // Import: the SQLite database taken over into databaseFile
    // At night in Europe, when hardly anybody counts.
    QTime publishAt = QTime(4, 0); // UTC; invalid: never by itself
    QString productionSharesFile;  // empty: the mixing model's a is fitted
    int storingConnections = 0;    // 0: the default of the database's kind

    // The storing connections for the database `location` names.
    int storingConnectionsFor(const QString& location) const;

    enum class Outcome { Run, Import, Publish, ShowHelp, ShowVersion, Error };

    // Reads the arguments (the program name first, as in argv). On Error,
    // `error` tells what was wrong; the fields keep their defaults where no
    // valid value was given.
    Outcome parse(const QStringList& arguments, QString& error);

    static QString helpText();
};
