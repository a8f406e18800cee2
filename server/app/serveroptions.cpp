// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/app/serveroptions.h"

#include "common/constants.h"
#include "server/storage/databaselocation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <limits>

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
                                              "(default 1048576)."),
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
    QCommandLineOption maxPerAddress{QStringLiteral("max-connections-per-address"),
                                     QStringLiteral("Serve at most <count> connections from one address; a further "
                                                    "one is told to try later at once (default 16)."),
                                     QStringLiteral("count")};
    QCommandLineOption headerTimeout{QStringLiteral("header-timeout"),
                                     QStringLiteral("Refuse a connection whose 10-byte header is not complete "
                                                    "<ms> milliseconds after it was served (default 10000)."),
                                     QStringLiteral("ms")};
    QCommandLineOption minRate{QStringLiteral("min-rate"),
                               QStringLiteral("Refuse a body that arrives at less than <bytes> per second on "
                                              "average, after a start as long as the header time (default 500)."),
                               QStringLiteral("bytes")};
    QCommandLineOption maxBuffered{QStringLiteral("max-buffered"),
                                   QStringLiteral("Hold at most <bytes> for bodies in flight over all connections; "
                                                  "a body beyond that is told to try later before it is read. "
                                                  "Keep it above --max-body (default 268435456)."),
                                   QStringLiteral("bytes")};
    QCommandLineOption import{QStringLiteral("import"),
                              QStringLiteral("Copy the SQLite database <file> of a stopped server into the "
                                             "PostgreSQL database that --database names, which must hold no "
                                             "members yet, check the totals on both sides and end."),
                              QStringLiteral("file")};
    QCommandLineOption publishAt{QStringLiteral("publish-at"),
                                 QStringLiteral("Publish the results once a day at <time> (hh:mm, UTC; "
                                                "default 04:00), and when started later on a day not yet "
                                                "published; 'never' leaves it to --publish. Only a server with "
                                                "--http-port publishes."),
                                 QStringLiteral("time")};
    QCommandLineOption productionShares{QStringLiteral("production-shares"),
                                        QStringLiteral("Take the mixing model's share of foreign coins once mixed "
                                                       "from the coins produced: CSV <file> of "
                                                       "country,coin_value,share with '# source:' and '# date:' "
                                                       "lines (see README). Without it, that share is fitted."),
                                        QStringLiteral("file")};
    QCommandLineOption storingConnections{QStringLiteral("storing-connections"),
                                          QStringLiteral("Store uploads on <count> PostgreSQL connections side by "
                                                         "side (default 2). SQLite always stores on one."),
                                          QStringLiteral("count")};
    QCommandLineOption publish{QStringLiteral("publish"),
                               QStringLiteral("Publish the results of the database that --database names now, "
                                              "besides the day's publication, and end.")};

    void addTo(QCommandLineParser& parser)
    {
        parser.setApplicationDescription(
            QStringLiteral("The ZUV project server: receives uploads from ZUV clients, stores them in an SQLite "
                           "or PostgreSQL database and answers with the project's status, and publishes the "
                           "project's results on HTTP."));
        parser.addOptions({address, port, httpPort, database, maxBody, message, idleTimeout, connectionTimeout,
                           maxConnections, maxPerAddress, headerTimeout, minRate, maxBuffered, import, publishAt,
                           productionShares, storingConnections, publish});
        parser.addHelpOption();
        parser.addVersionOption();
    }
};

// Takes a set option's value when it is a positive number (of `unit`) that
// fits `value`; an option not given leaves `value` alone.
template <typename Number>
bool positiveNumber(const QCommandLineParser& parser, const QCommandLineOption& option, const QString& unit,
                    Number& value, QString& error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const qlonglong given = parser.value(option).toLongLong(&ok);
    if (!ok || given <= 0 || given > std::numeric_limits<Number>::max()) {
        error = QStringLiteral("Not a positive number of %1: %2").arg(unit, parser.value(option));
        return false;
    }
    value = Number(given);
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
    const QString connections = QStringLiteral("connections");
    const QString bytes = QStringLiteral("bytes");
    if (!positiveNumber(parser, options.idleTimeout, milliseconds, idleTimeoutMs, error) ||
        !positiveNumber(parser, options.connectionTimeout, milliseconds, connectionTimeoutMs, error) ||
        !positiveNumber(parser, options.headerTimeout, milliseconds, headerTimeoutMs, error) ||
        !positiveNumber(parser, options.maxConnections, connections, maxConnections, error) ||
        !positiveNumber(parser, options.maxPerAddress, connections, maxConnectionsPerAddress, error) ||
        !positiveNumber(parser, options.minRate, bytes, minRate, error) ||
        !positiveNumber(parser, options.maxBuffered, bytes, maxBufferedBytes, error) ||
        !positiveNumber(parser, options.storingConnections, connections, storingConnections, error))
        return Outcome::Error;
    if (parser.isSet(options.publishAt) && parser.value(options.publishAt) == QLatin1String("never")) {
        publishAt = QTime();
    } else if (parser.isSet(options.publishAt)) {
        publishAt = QTime::fromString(parser.value(options.publishAt), QStringLiteral("hh:mm"));
        if (!publishAt.isValid()) {
            error = QStringLiteral("Not a time of day (hh:mm): %1").arg(parser.value(options.publishAt));
            return Outcome::Error;
        }
    }
    if (parser.isSet(options.productionShares))
        productionSharesFile = parser.value(options.productionShares);
    if (parser.isSet(options.publish))
        return Outcome::Publish;
    if (parser.isSet(options.import)) {
        importFile = parser.value(options.import);
        return Outcome::Import;
    }
    return Outcome::Run;
}

int ServerOptions::storingConnectionsFor(const QString& location) const
{
    DatabaseLocation where;
    QString unused;
    if (!DatabaseLocation::parse(location, where, unused) || where.dialect.kind() == SqlDialect::Kind::SQLite)
        return 1;
    return storingConnections > 0 ? storingConnections : DEFAULT_POSTGRESQL_STORING_CONNECTIONS;
}

QString ServerOptions::helpText()
{
    QCommandLineParser parser;
    OptionSet options;
    options.addTo(parser);
    return parser.helpText();
}
