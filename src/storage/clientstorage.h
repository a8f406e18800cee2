// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "invitations/invitedperson.h"
#include "storage/session.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <string>

class QDataStream;

// Where the main window was and how large it was.
struct WindowGeometry
{
    QPoint position;
    QSize size;

    bool operator==(const WindowGeometry& other) const { return position == other.position && size == other.size; }
    bool operator!=(const WindowGeometry& other) const { return !(*this == other); }
};

// The whole persistent state of the client: settings, what the server told
// us, counters, window geometry, event totals, the sessions not yet uploaded
// and the invited friends. The fields are in the order of the binary record.
class ClientStorage
{
public:
    // State bits of SettingsFlags.
    enum SettingsFlag : quint16 {
        ServiceTabOn = 0x0001,
        OpinionTabOn = 0x0002,
        NecessFilledIn = 0x0004,
        DontNagConnection = 0x0008,
        HasSeenSettings = 0x0010,
        NoLoadPicsNagger = 0x0020,
        SignedContract = 0x0040,
        AllowsObservation = 0x0080,
        SettingsChanged = 0x0100,
        CountryRenumbered = 0x0200,
    };
    // E-mail and reminder wishes in eMailFlags; 0x80 is unused.
    enum EMailFlag : quint8 {
        MonthlyReminder = 0x01,
        BiMonthlyReminder = 0x02,
        WeeklyReminder = 0x04,
        WantsReminder = 0x08,
        WantsNewsletter = 0x10,
        WantsToHelp = 0x20,
        WantsToAnalyze = 0x40,
    };

    quint16 Version = 0;
    quint32 Membernumber = 0;
    std::string Welcome;
    QList<quint32> RecommenderMembernumbers;
    QString RecommenderName;
    quint8 Country = 0;
    QString PostalCode;
    quint8 CityPopulation = 0;
    std::string eMailAddress;
    quint8 eMailFlags = 0;
    quint16 SettingsFlags = 0;
    QDateTime MemberSince;
    quint32 NumberOfUploads = 0;
    QDateTime LastUpload;
    quint16 NumberOfStartsSinceLastUpload = 0;
    quint8 FavouriteCoin = 0;
    quint8 GuessWhenMixdateYear = 0;
    quint8 GuessWhenMixdateMonth = 0;
    quint8 GuessWhenArrivaldateYear = 0;
    quint8 GuessWhenArrivaldateMonth = 0;
    QString Message;
    std::string ServerAddress;
    quint16 ServerPort = 0;
    std::string FTPServer;
    quint8 NumberOfPicturesAvailable = 0;
    quint16 LastAnalysisPage = 0;
    quint16 LastTxtMessage = 0;
    quint16 LastPicture = 0;
    QDateTime LastDataAnalysisRead;
    WindowGeometry WindowPositionSize;
    QMap<quint16, quint32> TotalEvents;
    quint16 NumFullPurses = 0;
    QList<Session> Sessions;
    QList<InvitedPerson> InvitationList;

    // Empty lists, null texts and dates, numbers 0, an invalid window size:
    // to be loaded or set to defaults before use.
    ClientStorage() = default;
    // An empty record into which `other` is merged: a field-by-field copy.
    ClientStorage(const ClientStorage& other);
    ClientStorage& operator=(const ClientStorage& other);
    ClientStorage(ClientStorage&&) = default;
    ClientStorage& operator=(ClientStorage&&) = default;
    ~ClientStorage() = default;

    // Every field to its default. Reseeds the process-wide random generator
    // (srand) from the time of day for the favourite coin.
    void setDefaultValues();

    // Takes over everything of the newer record except that NumFullPurses is
    // added and the newer sessions are appended after our own.
    void MergeWithNewSessions(const ClientStorage& newer);

    bool NecessarySettingsOK() const;
    void setNecessarySettingsOK(bool ok);

    // Sum of the sessions' values in cents, wrapping modulo 2^32.
    quint32 totalSumOfCents() const;

    // Return 0 or an error code. loadFromDisk: ZUV_FILE_NOT_EXIST,
    // ZUV_BAD_FILE_FORMAT, ZUV_BAD_FILE_TOO_OLD, ZUV_BAD_FILE_TOO_NEW,
    // ZUV_FILE_CLOSING_ERROR; a damaged record throws FileErr with the
    // reader's code (other exceptions pass on). The record is changed only
    // when the whole file was read.
    // saveToDisk: ZUV_FILE_WRITE_OPENING_ERROR, ZUV_FILE_CLOSING_ERROR.
    // It replaces the file atomically with owner-only permissions; an
    // exception while writing leaves the previous file as it was. A file that
    // loadFromDisk found unreadable is first kept as "<name>.damaged".
    int saveToDisk(const QString& fileName) const;
    int loadFromDisk(const QString& fileName);

    // Field by field, sessions with Session's equality.
    bool operator==(const ClientStorage& other) const;
    bool operator!=(const ClientStorage& other) const { return !(*this == other); }
};

// Bytes that operator<< writes for the record (without the file header).
quint32 sizeOf(const ClientStorage& storage);

// The record alone: version 107 first, then every field in order. Never
// changes `storage`. Throws what the session writer throws.
QDataStream& operator<<(QDataStream& stream, const ClientStorage& storage);
// Accepts versions 105..199 (StreamErr ZUV_BAD_FILE_TOO_OLD / _TOO_NEW
// otherwise) and renumbers the country of version-105 records once. A record
// that ends early or announces more than it holds throws
// StreamErr(ZUV_BAD_FILE_FORMAT); session errors pass on. `storage` is only
// replaced when the whole record was read.
QDataStream& operator>>(QDataStream& stream, ClientStorage& storage);
