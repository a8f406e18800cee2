// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startoptions.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "common/versionstatement.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {

// A wrong option is a usage error (EX_USAGE of sysexits.h). The program's
// other statuses are its error codes 0 to 46, and status 2 says the data file
// is too old, so a script can tell the two apart.
constexpr int wrongOptionStatus = 64;

const QString dataHomeName = QStringLiteral("data-home");
const QString helpName = QStringLiteral("help");

void describeOptions(QCommandLineParser& parser)
{
    // "-reverse", "-stylesheet" or "-platformtheme" are the toolkit's options,
    // not bundles of our short options "-v" and "-h".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Zuvanta (ZUV): count the euro coins of your purse by their national sides for a "
                       "citizen-science project. Started from a terminal, the program keeps its files "
                       "(zuvdata.zuv, zuvarchive.zuv, pics/) in the working directory."));
    // Not the parser's own help option: it also offers --help-all, which
    // lists the toolkit's options and so would need a display.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), helpName}, QStringLiteral("Displays this help.")));
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        dataHomeName, QStringLiteral("Keep the files in the participant's data folder, $XDG_DATA_HOME/zuv "
                                     "(~/.local/share/zuv), created readable by its owner only. The menu "
                                     "entry starts the program this way.")));
}

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> StartOptions::answerInformationRequest(int argc, char** argv)
{
    // A core application names the program in the help text and opens no
    // display; the toolkit's own options are still among its arguments, so
    // unknown options are left to read().
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(helpName)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, versionStatement(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> StartOptions::read(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    QString problem;
    if (!parser.parse(arguments))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst());
    if (!problem.isEmpty()) {
        print(stderr, QStringLiteral("zuv: %1\n\n%2").arg(problem, parser.helpText()));
        return wrongOptionStatus;
    }
    inDataFolder = parser.isSet(dataHomeName);
    return std::nullopt;
}

QString participantDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zuv");
}

void enterDataFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const bool made = info.isDir() ||
                      (QDir().mkpath(info.absolutePath()) &&
                       QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    if (!made || !QDir::setCurrent(folder)) {
        qDebug() << "cannot make or enter the data folder" << folder;
        throw FileErr(ZUV_FILE_WRITE_OPENING_ERROR);
    }
}
