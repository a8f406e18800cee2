// zuv-server: the project server. It receives uploads from ZUV clients,
// stores them in its SQLite or PostgreSQL database and answers each with the
// project's status. One event loop serves every connection.

#include "common/localtime.h"
#include "server/projectdatabase.h"
#include "server/serveroptions.h"
#include "server/signalwatch.h"
#include "server/uploadserver.h"
#include "server/uploadservice.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    settleLocalTimeZone();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zuv-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.07"));
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-dd hh:mm:ss.zzz} %{message}"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ServerOptions options;
    QString problem;
    switch (options.parse(QCoreApplication::arguments(), problem)) {
    case ServerOptions::Outcome::ShowHelp:
        out << ServerOptions::helpText();
        return 0;
    case ServerOptions::Outcome::ShowVersion:
        out << QCoreApplication::applicationName() << " " << QCoreApplication::applicationVersion() << "\n";
        return 0;
    case ServerOptions::Outcome::Error:
        err << "zuv-server: " << problem << "\n\n" << ServerOptions::helpText();
        return 2;
    case ServerOptions::Outcome::Run:
        break;
    }

    SignalWatch stopSignals;
    QObject::connect(&stopSignals, &SignalWatch::stopRequested, &app, [](int signalNumber) {
        qInfo().noquote() << "signal" << signalNumber << "received, stopping";
        QCoreApplication::quit();
    });

    ProjectDatabase database;
    if (!database.open(options.databaseFile)) {
        err << "zuv-server: cannot use the database " << options.databaseFile << ": " << database.lastError() << "\n";
        return 1;
    }
    UploadService service(database, options.serverMessage);
    UploadServer server(
        service,
        ConnectionLimits{options.maxBodyBytes, options.idleTimeoutMs, options.connectionTimeoutMs,
                         options.headerTimeoutMs, options.minRate},
        ServerLimits{options.maxConnections, options.maxConnectionsPerAddress, options.maxBufferedBytes});
    if (!server.listen(options.address, options.port)) {
        err << "zuv-server: cannot listen on " << options.address.toString() << ":" << options.port << ": "
            << server.errorString() << "\n";
        return 1;
    }
    // Whoever started us (a script, a test) learns the port from this line.
    out << "zuv-server listening on " << server.address().toString() << ":" << server.port() << "\n";
    out.flush();

    const int status = QCoreApplication::exec();
    database.close();
    return status;
}
