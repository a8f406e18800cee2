// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/uploadservice.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "server/storage/projectdatabase.h"
#include "server/intake/uploadlimits.h"
#include "storage/clientstorage.h"
#include "storage/streamformat.h"

#include <QDataStream>
#include <QDebug>

UploadService::UploadService(ProjectDatabase& projectDatabase, const QString& message)
    : database(projectDatabase), serverMessage(message.toLatin1().toStdString())
{
}

bool UploadService::decode(const QByteArray& body, ClientStorage& upload)
{
    QDataStream s(body);
    // The participants' times are their own wall-clock times, stored and
    // compared as written, whatever zone this server runs in.
    const WallClockReading asWritten;
    try {
        s >> upload;
    } catch (const myException& failure) {
        qInfo().noquote() << "upload body is not a client state, reader code" << failure.code();
        return false;
    }
    if (s.status() != QDataStream::Ok || !s.atEnd()) {
        qInfo().noquote() << "upload body is not one client state (" << body.size() << "bytes)";
        return false;
    }
    // Our client dates every session when it begins it; a session without
    // its date could not be told from another.
    for (const Session& session : upload.Sessions)
        if (!session.entryDateTime.isValid()) {
            qInfo().noquote() << "upload holds a session without its date";
            return false;
        }
    const QString passed = UploadLimits::firstPassed(upload.Sessions);
    if (!passed.isEmpty()) {
        qInfo().noquote() << "upload holds" << passed;
        return false;
    }
    return true;
}

std::vector<UploadService::Reply> UploadService::storeAndAnswer(const std::vector<const ClientStorage*>& uploads)
{
    const QDateTime now = QDateTime::currentDateTime();
    const std::vector<ProjectDatabase::Outcome> outcomes = database.storeUploads(uploads, now);
    std::vector<Reply> replies(uploads.size());
    for (std::size_t i = 0; i < uploads.size(); ++i) {
        const ClientStorage& upload = *uploads[i];
        const UploadReceipt& receipt = outcomes[i].receipt;
        if (!outcomes[i].stored) {
            qWarning().noquote() << "upload of member" << upload.Membernumber << "not stored:" << outcomes[i].error;
            replies[i].refusal = TCP_SERVER_IS_ILL;
            continue;
        }
        if (!receipt.knownMember) {
            qInfo().noquote() << "upload names member" << upload.Membernumber
                              << "without that member's membership time - nothing stored";
            replies[i].claimFailed = true;
        } else {
            qInfo().noquote() << QStringLiteral("upload of %1member %2 stored: %3 new and %4 changed of %5 sessions,"
                                                " %6 new invitations")
                                     .arg(receipt.repeatedNewcomer ? QStringLiteral("repeated newcomer, ")
                                          : receipt.newMember      ? QStringLiteral("new ")
                                                                   : QString())
                                     .arg(receipt.memberNumber)
                                     .arg(receipt.sessionsAdded)
                                     .arg(receipt.sessionsReplaced)
                                     .arg(upload.Sessions.size())
                                     .arg(receipt.invitationsAdded);
        }
        replies[i].answer = answerFor(upload, receipt, now.date());
    }
    return replies;
}

std::string UploadService::welcomeText(quint32 memberNumber)
{
    return QStringLiteral("Welcome to the ZUV project, member %1!\n"
                          "Thank you for helping us follow the Euro coins across Europe.")
        .arg(memberNumber)
        .toLatin1()
        .toStdString();
}

ServerAnswer UploadService::answerFor(const ClientStorage& upload, const UploadReceipt& receipt,
                                      const QDate& today) const
{
    ServerAnswer answer;
    answer.version = FORMAT_VERSION;
    if (!receipt.knownMember)
        return answer; // without AnswerOK the client uses nothing of it

    answer.flags = ServerAnswer::AnswerOK;
    if (receipt.newMember) {
        answer.flags |= ServerAnswer::NewMember;
        answer.memberNumber = receipt.memberNumber;
        answer.welcome = welcomeText(receipt.memberNumber);
        answer.memberSince = receipt.memberSince;
    }
    answer.lastAnalysisPage = receipt.analysis.pages;
    answer.lastTxtMessage = receipt.analysis.textMessages;
    answer.lastPicture = receipt.analysis.pictures;
    if (receipt.analysis.pages > upload.LastAnalysisPage || receipt.analysis.textMessages > upload.LastTxtMessage ||
        receipt.analysis.pictures > upload.LastPicture)
        answer.flags |= ServerAnswer::NewAnalysisData;

    answer.newestVersion = NEWEST_CLIENT_VERSION;
    answer.nextSessionDate = today.addDays(NEXT_SESSION_AFTER_DAYS);
    answer.numMembers = clampedCount(receipt.totals.members);
    answer.numPurses = clampedCount(receipt.totals.purses);
    answer.totalSumCents = clampedCount(receipt.totals.sumCents);
    answer.lastUploadCountry = receipt.previousUploadCountry;
    answer.serverMessage = serverMessage;
    return answer;
}
