#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
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
    // An upload of ten thousand sessions is still far below this.
    static constexpr quint32 DEFAULT_MAX_BODY_BYTES = 16 * 1024 * 1024;
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

    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = DEFAULT_PORT;                               // 0: any free port (printed when bound)
    quint16 httpPort = DEFAULT_HTTP_PORT;                      // 0: no web pages
    QString databaseFile = QStringLiteral("zuvserver.sqlite"); // or a postgresql:// address
    quint32 maxBodyBytes = DEFAULT_MAX_BODY_BYTES;
    QString serverMessage; // sent with every accepted upload when not empty
    int idleTimeoutMs = DEFAULT_IDLE_TIMEOUT_MS;
    int connectionTimeoutMs = DEFAULT_CONNECTION_TIMEOUT_MS;
    int maxConnections = DEFAULT_MAX_CONNECTIONS;

    enum class Outcome { Run, ShowHelp, ShowVersion, Error };

    // Reads the arguments (the program name first, as in argv). On Error,
    // `error` tells what was wrong; the fields keep their defaults where no
    // valid value was given.
    Outcome parse(const QStringList& arguments, QString& error);

    static QString helpText();
};
