#include "server/serveroptions.h"

#include "common/constants.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace {

struct OptionSet
{
    QCommandLineOption address{{QStringLiteral("a"), QStringLiteral("address")},
                               QStringLiteral("Listen on <address> (default 127.0.0.1)."),
                               QStringLiteral("address")};
    QCommandLineOption port{{QStringLiteral("p"), QStringLiteral("port")},
                            QStringLiteral("Listen on <port> (default 4554; 0 takes any free port)."),
                            QStringLiteral("port")};
    QCommandLineOption httpPort{QStringLiteral("http-port"),
                                QStringLiteral("Publish the results on HTTP <port> of the same address "
                                               "(default 4580; 0 publishes nothing)."),
                                QStringLiteral("port")};
    QCommandLineOption database{{QStringLiteral("d"), QStringLiteral("database")},
                                QStringLiteral("SQLite database file, created when missing (default "
                                               "zuvserver.sqlite in the working directory), or PostgreSQL "
                                               "database postgresql://user@host:port/dbname (the password "
                                               "from PGPASSWORD or ~/.pgpass)."),
                                QStringLiteral("database")};
    QCommandLineOption maxBody{QStringLiteral("max-body"),
                               QStringLiteral("Refuse uploads whose body announces more than <bytes> "
                                              "(default 16777216)."),
                               QStringLiteral("bytes")};
    QCommandLineOption message{{QStringLiteral("m"), QStringLiteral("message")},
                               QStringLiteral("Send <text> to every participant whose upload is accepted."),
                               QStringLiteral("text")};
    QCommandLineOption idleTimeout{QStringLiteral("idle-timeout"),
                                   QStringLiteral("Close a connection that stays silent for <ms> milliseconds "
                                                  "(default 30000)."),
                                   QStringLiteral("ms")};
    QCommandLineOption connectionTimeout{QStringLiteral("connection-timeout"),
                                         QStringLiteral("Close a connection that has not completed its upload "
                                                        "after <ms> milliseconds in all (default 120000)."),
                                         QStringLiteral("ms")};
    QCommandLineOption maxConnections{QStringLiteral("max-connections"),
                                      QStringLiteral("Serve at most <count> connections at once; further "
                                                     "clients wait until one ends (default 512)."),
                                      QStringLiteral("count")};

    void addTo(QCommandLineParser& parser)
    {
        parser.setApplicationDescription(
            QStringLiteral("The ZUV project server: receives uploads from ZUV clients, stores them in an SQLite "
                           "or PostgreSQL database and answers with the project's status, and publishes the "
                           "project's results on HTTP."));
        parser.addOptions(
            {address, port, httpPort, database, maxBody, message, idleTimeout, connectionTimeout, maxConnections});
        parser.addHelpOption();
        parser.addVersionOption();
    }
};

// Takes a set option's value when it is a positive number (of `unit`); an
// option not given leaves `value` alone.
bool positiveNumber(const QCommandLineParser& parser, const QCommandLineOption& option, const QString& unit, int& value,
                    QString& error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int given = parser.value(option).toInt(&ok);
    if (!ok || given <= 0) {
        error = QStringLiteral("Not a positive number of %1: %2").arg(unit, parser.value(option));
        return false;
    }
    value = given;
    return true;
}

// Takes a set option's value when it is a port number; an option not given
// leaves `port` alone.
bool portNumber(const QCommandLineParser& parser, const QCommandLineOption& option, quint16& port, QString& error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const uint given = parser.value(option).toUInt(&ok);
    if (!ok || given > 0xFFFF) {
        error = QStringLiteral("Not a port number: %1").arg(parser.value(option));
        return false;
    }
    port = quint16(given);
    return true;
}

} // namespace

ServerOptions::Outcome ServerOptions::parse(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    OptionSet options;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return Outcome::Error;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return Outcome::ShowHelp;
    if (parser.isSet(QStringLiteral("version")))
        return Outcome::ShowVersion;
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return Outcome::Error;
    }

    if (parser.isSet(options.address)) {
        const QHostAddress given(parser.value(options.address));
        if (given.isNull()) {
            error = QStringLiteral("Not an IP address: %1").arg(parser.value(options.address));
            return Outcome::Error;
        }
        address = given;
    }
    if (!portNumber(parser, options.port, port, error) || !portNumber(parser, options.httpPort, httpPort, error))
        return Outcome::Error;
    if (parser.isSet(options.database)) {
        if (parser.value(options.database).isEmpty()) {
            error = QStringLiteral("The database file name is empty");
            return Outcome::Error;
        }
        databaseFile = parser.value(options.database);
    }
    if (parser.isSet(options.maxBody)) {
        bool ok = false;
        const uint given = parser.value(options.maxBody).toUInt(&ok);
        if (!ok) {
            error = QStringLiteral("Not a byte count: %1").arg(parser.value(options.maxBody));
            return Outcome::Error;
        }
        maxBodyBytes = given;
    }
    if (parser.isSet(options.message))
        serverMessage = parser.value(options.message);
    const QString milliseconds = QStringLiteral("milliseconds");
    if (!positiveNumber(parser, options.idleTimeout, milliseconds, idleTimeoutMs, error) ||
        !positiveNumber(parser, options.connectionTimeout, milliseconds, connectionTimeoutMs, error) ||
        !positiveNumber(parser, options.maxConnections, QStringLiteral("connections"), maxConnections, error))
        return Outcome::Error;
    return Outcome::Run;
}

QString ServerOptions::helpText()
{
    QCommandLineParser parser;
    OptionSet options;
    options.addTo(parser);
    return parser.helpText();
}
