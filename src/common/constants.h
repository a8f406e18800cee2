// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/errorcodes.h"

#include <QString>

#include <array>

// The program's shared tables: versions, coin and country names, picture file
// naming, error texts, the about and save-error texts and the names of the
// usage events. Everything here is read-only.

inline const QString SCVERSION = QStringLiteral("v3.31");
inline const QString PICFILEPATH = QStringLiteral("pics/");
inline const QString PICFILESUFFIX = QStringLiteral("gif");

// The client's own version and build date, as shown in captions and boxes.
constexpr double CLIENT_VERSION = 1.07;
inline const QString BUILD_DATE = QStringLiteral("Jun 15 2002");

// Format version written into every binary record; readers accept
// MIN_FORMAT_VERSION..MAX_FORMAT_VERSION.
constexpr quint16 FORMAT_VERSION = 107;
constexpr quint16 MIN_FORMAT_VERSION = 105;
constexpr quint16 MAX_FORMAT_VERSION = 199;
// What keeps a record of this format version from being read: tooOld or
// tooNew, 0 when it is read.
constexpr unsigned versionProblem(quint16 version, unsigned tooOld, unsigned tooNew)
{
    return version < MIN_FORMAT_VERSION ? tooOld : version > MAX_FORMAT_VERSION ? tooNew : 0;
}
constexpr quint32 DATAFILE_MAGIC = 0x80A3A524;

inline const QString DATAFILE_NAME = QStringLiteral("zuvdata.zuv");
inline const QString ARCHIVEFILE_NAME = QStringLiteral("zuvarchive.zuv");

constexpr int NUM_COINS = 8;      // coin index 0 ("1c") .. 7 ("2e")
constexpr int NUM_COUNTRIES = 16; // country index 0 (common side) .. 15
constexpr int NUM_NATIONAL_SIDES = NUM_COUNTRIES - 1;

extern const std::array<QString, NUM_COINS> coinnames;
extern const std::array<double, NUM_COINS> coinvalues;
extern const std::array<unsigned, NUM_COINS> coinvaluesInCents;
extern const std::array<QString, NUM_COUNTRIES> countrynames;
extern const std::array<QString, NUM_COUNTRIES> countrynamesWords;

// A country and a coin value as the participant reads them, in his language.
// The tables above stay English: the data file, the upload, the server's
// tables and the CSV columns use them.
QString shownCountryName(int country);
QString shownCoinName(int coin);

// Indexed by error code: the code's constant name and its suggested solution
// (errorHelpOf() gives it in the participant's language). A solution's %1 is
// its address.
struct ErrorHelp
{
    const char* text = nullptr;
    const char* address = nullptr;
};
extern const std::array<QString, NUM_ERROR_CODES> errormessage;
extern const std::array<ErrorHelp, NUM_ERROR_CODES> errorhelp;

// The about box's text in the participant's language.
QString aboutText(const QString& version, const QString& buildDate);
// %1 error code, %2 and %3 the file name.
extern const QString ERRORSAVING;

// Usage event names; an event's identifier is its table's base plus its index
// (TableIDtexts combine with a grid cell instead, see usage/usage.h).
extern const std::array<QString, 33> IDtexts;
extern const std::array<QString, 48> SettingsIDtexts;
extern const std::array<QString, 24> ClientIDtexts;
extern const std::array<QString, 13> InvitationIDtexts;
extern const std::array<QString, 3> TableIDtexts;

constexpr quint16 SETTINGS_ID_BASE = 200;
constexpr quint16 CLIENT_ID_BASE = 400;
constexpr quint16 INVITATION_ID_BASE = 600;
constexpr quint16 TABLE_ID_STEP = 1000;
inline const QString UNKNOWN_EVENT_NAME = QStringLiteral("unknown");
constexpr quint16 UNKNOWN_EVENT_ID = 65535;
