// SPDX-License-Identifier: GPL-3.0-or-later
// ServerAnswer's part that writes into the connection window's log; it lives
// with the widgets.

#include "net/serveranswer.h"

#include "common/constants.h"
#include "net/logview.h"
#include "settings/dialogs.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QComboBox>
#include <QTextEdit>

namespace {

QString latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The server names the country of the last upload by its place in the
// settings dialog's country selector; the log names it in English, as the
// selector's item data keeps it whatever language the selector shows.
QString countryOfLastUpload(Dialogs* dialogs, unsigned index)
{
    const SettingsDialog* settings = dialogs ? dialogs->settingsDialog() : nullptr;
    const QComboBox* selector = settings ? settings->Country : nullptr;
    if (selector && index < unsigned(selector->count()))
        return selector->itemData(int(index)).toString();
    return QStringLiteral("an unknown country (%1)").arg(index);
}

// Difference of two 16-bit counters as the signed number the participant
// reads: a server number below ours shows as negative.
qint32 newItems(quint16 server, quint16 stored)
{
    return qint32(server) - qint32(stored);
}

} // namespace

bool ServerAnswer::ProcessAnswerAndStoreInto(ClientStorage* storage, Dialogs* dialogs, QTextEdit* log) const
{
    const auto say = [log](const QString& text) { appendToLog(log, text); };
    const QString separator = QStringLiteral("---");

    if (!(flags & AnswerOK)) {
        say(tr("Some error in Processing Answer - OK flag was not set."));
        say(tr("This can have many reasons. Perhaps, your member number is wrong"));
        say(tr("- or there's some server maintenance going on!"));
        say(tr("I suggest that you try to upload again later or tomorrow, "));
        say(tr("if the problem persists, please contact the author"));
        say(tr("or backup and delete your datafile '%1'").arg(DATAFILE_NAME));
        say(separator);
        scrollLogToEnd(log);
        return false;
    }

    if (flags & NewMember) {
        storage->Membernumber = memberNumber;
        storage->Welcome = welcome;
        storage->MemberSince = memberSince;
        say(latin1(welcome));
    } else if (personalMessage.empty()) {
        say(tr("The Server says: 'Thanks, member %1'").arg(storage->Membernumber));
    } else {
        say(tr("A personal message for you, member %1:").arg(storage->Membernumber));
        say(latin1(personalMessage));
    }
    say(separator);

    if (flags & MinorUpdate) {
        // Takes effect at the next upload; the running connection stays.
        storage->ServerAddress = serverAddress;
        storage->ServerPort = serverPort;
        storage->FTPServer = ftpServer;
        say(tr("Minor update successful."));
    }

    if (flags & (UpdateRecommended | UpdateRequired)) {
        say(tr("Your programversion is %1, there is a new version %2 out now.")
                .arg(unsigned(storage->Version))
                .arg(unsigned(newestVersion)));
        if (flags & UpdateRecommended)
            say(tr("You should consider to update soon."));
        if (flags & UpdateRequired)
            say(tr("You have to update, this program version is not appropriate anymore."));
        say(tr("\nPlease go to %3").arg(latin1(downloadLocation)));
        say(separator);
    }

    if (flags & NewAnalysisData) {
        say(tr("New Analysis Data available on the Server: "));
        say(tr(" %1 pages, %2 text messages and %3 pictures\n")
                .arg(newItems(lastAnalysisPage, storage->LastAnalysisPage))
                .arg(newItems(lastTxtMessage, storage->LastTxtMessage))
                .arg(newItems(lastPicture, storage->LastPicture)));
        storage->LastTxtMessage = lastTxtMessage;
        storage->LastPicture = lastPicture;
        storage->LastAnalysisPage = lastAnalysisPage;
    }

    say(separator);
    say(tr("The actual status on the server:"));
    say(tr("# members:  %1").arg(numMembers));
    say(tr("# purses :  %1").arg(numPurses));
    say(tr("Total Uploaded Sum:  %1 Euro").arg(QString::number(totalSumCents / 100.0, 'g', 6)));
    say(tr("last upload from: %1").arg(countryOfLastUpload(dialogs, lastUploadCountry)));
    say(tr("suggested next session around: %1").arg(nextSessionDate.toString(Qt::TextDate)));
    say(separator);

    if (!serverMessage.empty()) {
        say(latin1(serverMessage));
        say(separator);
    }

    scrollLogToEnd(log);
    return true;
}
