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
    // An upload of ten thousand sessions is still far below this.
    static constexpr quint32 DEFAULT_MAX_BODY_BYTES = 16 * 1024 * 1024;
    // A connection that sends nothing for this long is closed.
    static constexpr int DEFAULT_IDLE_TIMEOUT_MS = 30000;

    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = DEFAULT_PORT; // 0: any free port (printed when bound)
    QString databaseFile = QStringLiteral("zuvserver.sqlite");
    quint32 maxBodyBytes = DEFAULT_MAX_BODY_BYTES;
    QString serverMessage; // sent with every accepted upload when not empty
    int idleTimeoutMs = DEFAULT_IDLE_TIMEOUT_MS;

    enum class Outcome { Run, ShowHelp, ShowVersion, Error };

    // Reads the arguments (the program name first, as in argv). On Error,
    // `error` tells what was wrong; the fields keep their defaults where no
    // valid value was given.
    Outcome parse(const QStringList& arguments, QString& error);

    static QString helpText();
};
