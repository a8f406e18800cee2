// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"

#include "common/constants.h"
#include "net/serveranswer.h"
#include "storage/clientstorage.h"

#include <QApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

void dropDebugMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

bool fuzzInputIsCut = false;

void fuzzFailed(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, what);
    std::abort();
}

void silenceDebugOutput()
{
    qInstallMessageHandler(dropDebugMessages);
}

void makeOffscreenApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zuvfuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void normaliseVersion(Session& session)
{
    session.version = FORMAT_VERSION;
}

void normaliseVersions(ClientStorage& storage)
{
    storage.Version = FORMAT_VERSION;
    for (Session& session : storage.Sessions)
        normaliseVersion(session);
}

bool sameAnswer(const ServerAnswer& a, const ServerAnswer& b)
{
    return a.flags == b.flags && a.serverAddress == b.serverAddress && a.serverPort == b.serverPort &&
           a.ftpServer == b.ftpServer && a.downloadLocation == b.downloadLocation && a.memberNumber == b.memberNumber &&
           a.welcome == b.welcome && a.memberSince == b.memberSince && a.newestVersion == b.newestVersion &&
           a.lastTxtMessage == b.lastTxtMessage && a.lastPicture == b.lastPicture &&
           a.lastAnalysisPage == b.lastAnalysisPage && a.nextSessionDate == b.nextSessionDate &&
           a.numMembers == b.numMembers && a.numPurses == b.numPurses && a.totalSumCents == b.totalSumCents &&
           a.lastUploadCountry == b.lastUploadCountry && a.serverMessage == b.serverMessage &&
           a.personalMessage == b.personalMessage;
}
