// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QtGlobal>

#include <string>

class ClientStorage;
class Dialogs;
class QDataStream;
class QTextEdit;
class QTextStream;

// The server's reply to an upload. The fields are in wire order; the texts
// are byte strings (Latin-1) and travel scrambled like those of the storage.
struct ServerAnswer
{
    Q_DECLARE_TR_FUNCTIONS(ServerAnswer)

public:
    // Bits of flags.
    enum Flag : quint8 {
        AnswerOK = 0x01,          // upload accepted; without it nothing else counts
        MinorUpdate = 0x02,       // take over server address, port and FTP server
        UpdateRecommended = 0x04, // a newer program version exists
        UpdateRequired = 0x08,    // this version is no longer accepted
        NewMember = 0x10,         // take over member number, welcome and membership date
        NewAnalysisData = 0x20,   // take over the newest analysis items
    };

    quint16 version = 0;
    quint8 flags = 0;
    std::string serverAddress;
    quint16 serverPort = 0;
    std::string ftpServer;
    std::string downloadLocation;
    quint32 memberNumber = 0;
    std::string welcome;
    QDateTime memberSince;
    quint16 newestVersion = 0;
    quint16 lastTxtMessage = 0;
    quint16 lastPicture = 0;
    quint16 lastAnalysisPage = 0;
    QDate nextSessionDate;
    quint32 numMembers = 0;
    quint32 numPurses = 0;
    quint32 totalSumCents = 0;
    quint8 lastUploadCountry = 0;
    std::string serverMessage;
    std::string personalMessage;

    // Takes over into the storage what the answer carries and reports it in
    // the connection log. Returns whether the server accepted the upload;
    // a rejected answer changes nothing in the storage. The dialogs object
    // only lends the country names of the settings dialog; without it the
    // country of the last upload reads as unknown.
    bool ProcessAnswerAndStoreInto(ClientStorage* storage, Dialogs* dialogs, QTextEdit* log) const;
};

// Wire form. The writer always writes the current format version, whatever
// the version field holds. The reader accepts versions 105 to 199; older
// throws StreamErr(TCP_SERVER_ANSWER_TOO_OLD_FORMAT), newer
// StreamErr(TCP_SERVER_ANSWER_TOO_NEW_FORMAT). A record that ends early or
// announces a text longer than what remains throws
// StreamErr(TCP_SERVER_HAS_BAD_DATA_FORMAT) without allocating for it.
QDataStream& operator<<(QDataStream& s, const ServerAnswer& answer);
QDataStream& operator>>(QDataStream& s, ServerAnswer& answer);

// Bytes of the record's wire form.
quint32 sizeOf(const ServerAnswer& answer);

// Debugging form only: every field as text, without separators.
QTextStream& operator<<(QTextStream& s, const ServerAnswer& answer);
