// zuv-server: the project server. It receives uploads from ZUV clients,
// stores them in its SQLite or PostgreSQL database and answers each with the
// project's status, and publishes the project's results on HTTP. One event
// loop serves every connection.

#include "common/localtime.h"
#include "server/projectdatabase.h"
#include "server/resultspublisher.h"
#include "server/resultswebserver.h"
#include "server/serveroptions.h"
#include "server/signalwatch.h"
#include "server/uploadserver.h"
#include "server/uploadservice.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTextStream>
#include <QUrl>

#include <cstdio>
#include <memory>

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
    // The web pages read through a connection of their own: their reading
    // stays apart from the uploads' transactions.
    ProjectDatabase resultsDatabase(QStringLiteral("zuv-server-results"));
    std::unique_ptr<ResultsPublisher> publisher;
    std::unique_ptr<ResultsWebServer> web;
    if (options.httpPort != 0) {
        if (!resultsDatabase.open(options.databaseFile)) {
            err << "zuv-server: cannot read the database " << options.databaseFile << ": "
                << resultsDatabase.lastError() << "\n";
            return 1;
        }
        publisher = std::make_unique<ResultsPublisher>(resultsDatabase);
        web = std::make_unique<ResultsWebServer>(*publisher);
        if (!web->listenOn(options.address, options.httpPort)) {
            err << "zuv-server: cannot publish on " << options.address.toString() << ":" << options.httpPort << ": "
                << web->errorString() << "\n";
            return 1;
        }
    }

    // Whoever started us (a script, a test) learns the port from this line,
    // written when every port is ready.
    out << "zuv-server listening on " << server.address().toString() << ":" << server.port() << "\n";
    if (web) {
        QUrl page;
        page.setScheme(QStringLiteral("http"));
        page.setHost(options.address.toString());
        page.setPort(web->port());
        page.setPath(QStringLiteral("/"));
        out << "zuv-server publishing the results on " << page.toString() << "\n";
    }
    out.flush();

    const int status = QCoreApplication::exec();
    web.reset();
    resultsDatabase.close();
    database.close();
    return status;
}
