// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's own command line. The toolkit's options (-platform, -style,
// -reverse, ...) are taken out of the arguments by the application object;
// before that, they are no requests for the help or the version.
struct StartOptions
{
    // Keep the files in the participant's data folder rather than in the
    // working directory. The menu entry asks for this: a menu starts its
    // programs in whatever folder it happens to be in.
    bool inDataFolder = false;

    // Answers --help and --version on standard output without opening a
    // display, so both work in a terminal without one. Returns the exit
    // status when the program has answered and is to end.
    static std::optional<int> answerInformationRequest(int argc, char** argv);

    // Reads the options the toolkit left. A wrong one is reported on
    // standard error; the result is then the exit status to end with.
    std::optional<int> read(const QStringList& arguments);
};

// The participant's data folder: $XDG_DATA_HOME/zuv, ~/.local/share/zuv when
// that is not set.
QString participantDataFolder();

// Makes `folder` the working directory, so the data file, the archive and
// the coin pictures are found there. A folder that is not there yet is
// created readable by its owner only: the files hold e-mail addresses.
// Throws FileErr when the folder can neither be made nor entered.
void enterDataFolder(const QString& folder);
