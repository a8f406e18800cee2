// SPDX-License-Identifier: GPL-3.0-or-later
// zuv-server: the project server. It receives uploads from ZUV clients,
// stores them in its SQLite or PostgreSQL database and answers each with the
// project's status, and publishes the project's results on HTTP. One event
// loop serves every connection; the uploads are stored on a thread of their
// own.

#include "common/localtime.h"
#include "common/versionstatement.h"
#include "server/results/dailypublication.h"
#include "server/storage/projectdatabase.h"
#include "server/storage/projectimport.h"
#include "server/results/publicationrun.h"
#include "server/results/resultsservice.h"
#include "server/results/resultswebserver.h"
#include "server/app/serveroptions.h"
#include "server/app/signalwatch.h"
#include "server/intake/uploadqueue.h"
#include "server/intake/uploadserver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QTextStream>
#include <QUrl>

#include <cstdio>
#include <malloc.h>
#include <memory>

namespace {
// An upload's memory is taken on the event loop's thread and given back on
// the storing thread. By default the C library returns freed pages to the
// system at once and asks for them again with the next upload, and every
// return makes the system flush the address translations of every thread:
// under load that was a third of the server's processor time. Up to this much
// freed memory is kept for reuse instead, and blocks up to MAPPED_ALONE_BYTES
// come from it rather than from mappings of their own.
constexpr int KEEP_FREED_BYTES = 64 * 1024 * 1024;
constexpr int MAPPED_ALONE_BYTES = 4 * 1024 * 1024;
} // namespace

int main(int argc, char* argv[])
{
    settleLocalTimeZone();
    mallopt(M_TRIM_THRESHOLD, KEEP_FREED_BYTES);
    mallopt(M_MMAP_THRESHOLD, MAPPED_ALONE_BYTES);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zuv-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.07"));
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-dd hh:mm:ss.zzz} %{message}"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ServerOptions options;
    QString problem;
    const ServerOptions::Outcome outcome = options.parse(QCoreApplication::arguments(), problem);
    std::optional<ProductionShares> shares;
    if (!options.productionSharesFile.isEmpty()) {
        shares = ProductionShares::read(options.productionSharesFile, problem);
        if (!shares) {
            err << "zuv-server: " << problem << "\n";
            return 2;
        }
    }
    switch (outcome) {
    case ServerOptions::Outcome::ShowHelp:
        out << ServerOptions::helpText();
        return 0;
    case ServerOptions::Outcome::ShowVersion:
        out << versionStatement(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return 0;
    case ServerOptions::Outcome::Error:
        err << "zuv-server: " << problem << "\n\n" << ServerOptions::helpText();
        return 2;
    case ServerOptions::Outcome::Import: {
        ProjectImport import;
        if (!import.run(options.importFile, options.databaseFile)) {
            err << "zuv-server: " << import.error() << "\n";
            return 1;
        }
        out << "zuv-server: " << import.summary() << "\n";
        return 0;
    }
    case ServerOptions::Outcome::Publish: {
        ProjectDatabase database;
        PublicationRun run(database, shares);
        if (!database.open(options.databaseFile) ||
            run.run(QDateTime::currentDateTimeUtc(), false) != PublicationRun::Outcome::Published) {
            err << "zuv-server: cannot publish the results of " << options.databaseFile << ": " << database.lastError()
                << "\n";
            return 1;
        }
        out << "zuv-server: results published\n";
        return 0;
    }
    case ServerOptions::Outcome::Run:
        break;
    }

    SignalWatch stopSignals;
    QObject::connect(&stopSignals, &SignalWatch::stopRequested, &app, [](int signalNumber) {
        qInfo().noquote() << "signal" << signalNumber << "received, stopping";
        QCoreApplication::quit();
    });

    UploadQueue uploads(options.serverMessage);
    if (!uploads.start(options.databaseFile, problem, options.storingConnectionsFor(options.databaseFile))) {
        err << "zuv-server: cannot use the database " << options.databaseFile << ": " << problem << "\n";
        return 1;
    }
    const ConnectionLimits connectionLimits{options.maxBodyBytes, options.idleTimeoutMs, options.connectionTimeoutMs,
                                            options.headerTimeoutMs, options.minRate};
    const ServerLimits serverLimits{options.maxConnections, options.maxConnectionsPerAddress, options.maxBufferedBytes};
    UploadServer server(uploads, connectionLimits, serverLimits);
    if (!server.listen(options.address, options.port)) {
        err << "zuv-server: cannot listen on " << options.address.toString() << ":" << options.port << ": "
            << server.errorString() << "\n";
        return 1;
    }
    std::unique_ptr<DailyPublication> publication;
    std::unique_ptr<ResultsService> results;
    std::unique_ptr<ResultsWebServer> web;
    if (options.httpPort != 0) {
        publication = std::make_unique<DailyPublication>(shares);
        if (!publication->start(options.databaseFile, options.publishAt)) {
            err << "zuv-server: cannot publish the results of " << options.databaseFile << ": " << publication->error()
                << "\n";
            return 1;
        }
        results = std::make_unique<ResultsService>();
        if (!results->open(options.databaseFile)) {
            err << "zuv-server: cannot read the database " << options.databaseFile << ": " << results->error() << "\n";
            return 1;
        }
        web = std::make_unique<ResultsWebServer>(*results, connectionLimits, serverLimits);
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
    results.reset();
    publication.reset();
    return status;
}
