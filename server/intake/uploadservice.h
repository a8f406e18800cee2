// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/serveranswer.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <vector>

class ClientStorage;
class ProjectDatabase;
struct UploadReceipt;

// What the server makes of one upload body: it reads the client state,
// stores it and builds the answer record from what the database says.
class UploadService
{
public:
    // The participant is asked to count again this many days later.
    static constexpr int NEXT_SESSION_AFTER_DAYS = 7;
    // The newest client version there is, on the scale of the record version.
    static constexpr quint16 NEWEST_CLIENT_VERSION = 107;

    // What goes back: a refusal (an error code of the program's table) or
    // the answer record.
    struct Reply
    {
        unsigned refusal = 0;     // 0: answer is the reply
        QByteArray refusalReason; // empty: the code's usual one
        ServerAnswer answer;
        bool claimFailed = false; // named a member without that member's membership time
    };

    explicit UploadService(ProjectDatabase& database, const QString& serverMessage = QString());

    // Stores uploads read with decode() together, in one transaction, and
    // answers each: an upload the database failed on is refused with
    // TCP_SERVER_IS_ILL, alone unless the commit failed.
    std::vector<Reply> storeAndAnswer(const std::vector<const ClientStorage*>& uploads);

    // True when the body is exactly one client state as our client writes it.
    static bool decode(const QByteArray& body, ClientStorage& upload);

    // The answer to a stored upload, as of `today`.
    ServerAnswer answerFor(const ClientStorage& upload, const UploadReceipt& receipt, const QDate& today) const;

    // The text a new member is welcomed with.
    static std::string welcomeText(quint32 memberNumber);

private:
    ProjectDatabase& database;
    std::string serverMessage;
};
