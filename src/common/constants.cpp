// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/constants.h"

#include "common/config.h"

#include <QCoreApplication>

const std::array<QString, NUM_COINS> coinnames = {
    QStringLiteral(QT_TRANSLATE_NOOP("Coin", "1c")),  QStringLiteral(QT_TRANSLATE_NOOP("Coin", "2c")),
    QStringLiteral(QT_TRANSLATE_NOOP("Coin", "5c")),  QStringLiteral(QT_TRANSLATE_NOOP("Coin", "10c")),
    QStringLiteral(QT_TRANSLATE_NOOP("Coin", "20c")), QStringLiteral(QT_TRANSLATE_NOOP("Coin", "50c")),
    QStringLiteral(QT_TRANSLATE_NOOP("Coin", "1e")),  QStringLiteral(QT_TRANSLATE_NOOP("Coin", "2e")),
};

const std::array<double, NUM_COINS> coinvalues = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0};

// Exact values for every sum kept in cents: 29 * 0.01 * 100 is not 29 in doubles.
const std::array<unsigned, NUM_COINS> coinvaluesInCents = {1, 2, 5, 10, 20, 50, 100, 200};

const std::array<QString, NUM_COUNTRIES> countrynames = {
    QStringLiteral("com"),  QStringLiteral("_at"),  QStringLiteral("_bel"), QStringLiteral("_fin"),
    QStringLiteral("_fra"), QStringLiteral("_ger"), QStringLiteral("_gre"), QStringLiteral("_ire"),
    QStringLiteral("_ita"), QStringLiteral("_lux"), QStringLiteral("_mon"), QStringLiteral("_nl"),
    QStringLiteral("_por"), QStringLiteral("_sam"), QStringLiteral("_es"),  QStringLiteral("_vat"),
};

const std::array<QString, NUM_COUNTRIES> countrynamesWords = {
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Common Side")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Austria")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Belgium")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Finland")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "France")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Germany")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Greece")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Ireland")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Italy")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Luxemburg")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Monaco")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Netherlands")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Portugal")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "San Marino")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Spain")),
    QStringLiteral(QT_TRANSLATE_NOOP("Country", "Vatican")),
};

const std::array<QString, NUM_ERROR_CODES> errormessage = {
    QString(),
    QStringLiteral("ZUV_BAD_FILE_FORMAT"),
    QStringLiteral("ZUV_BAD_FILE_TOO_OLD"),
    QStringLiteral("ZUV_BAD_FILE_TOO_NEW"),
    QStringLiteral("ZUV_FILE_NOT_EXIST"),
    QStringLiteral("ZUV_FILE_CLOSING_ERROR"),
    QStringLiteral("ZUV_SERIALIZING_ERROR"),
    QStringLiteral("ZUV_DESERIALIZING_ERROR"),
    QStringLiteral("ZUV_TESTING_ERROR"),
    QStringLiteral("ZUV_IMPLEMENTATION_CHAOS"),
    QStringLiteral("ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS"),
    QStringLiteral("TCP_CLIENT_HAS_BAD_DATA_FORMAT"),
    QStringLiteral("TCP_SERVER_EXIT"),
    QStringLiteral("TCP_SERVER_HAS_BAD_DATA_FORMAT"),
    QStringLiteral("TCP_SERVER_TIMEOUT"),
    QStringLiteral("TCP_CLIENT_HAS_TOO_OLD_VERSION"),
    QStringLiteral("TCP_CLIENT_SENDS_TOO_MUCH_DATA"),
    QStringLiteral("ZUV_CANNOT_SAVE_DATAFILE"),
    QStringLiteral("ZUV_FILE_WRITE_OPENING_ERROR"),
    QStringLiteral("ZUV_SERVER_FILE_WRITE_OPENING_ERROR"),
    QStringLiteral("ZUV_SERVER_FILE_CLOSING_ERROR"),
    QStringLiteral("ZUV_SERVER_FILE_NOT_EXIST"),
    QStringLiteral("ZUV_BAD_SERVER_FILE_FORMAT"),
    QStringLiteral("ZUV_BAD_SERVER_FILE_TOO_OLD"),
    QStringLiteral("ZUV_BAD_SERVER_FILE_TOO_NEW"),
    QStringLiteral("USER_DOESNT_WANT_TO_INPUT_NECESSARY_DATA"),
    QStringLiteral("TCP_CLIENT_HAS_TOO_NEW_VERSION"),
    QStringLiteral("TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER"),
    QStringLiteral("TCP_NO_CONNECTION_WITH_SERVER"),
    QStringLiteral("ZUV_USER_DISCARDS_COUNTTABLE_AND_QUITS"),
    QStringLiteral("ZUV_USER_KILLS_PROGRAM_WITH_X"),
    QStringLiteral("ZUV_UPLOAD_SUCCESSFUL"),
    QStringLiteral("TCP_NET_STREAM_ERROR"),
    QStringLiteral("TCP_SERVER_RECEIVES_BAD_FORMAT"),
    QStringLiteral("TCP_SERVER_IS_ILL"),
    QStringLiteral("TCP_SERVER_ANSWER_TOO_OLD_FORMAT"),
    QStringLiteral("TCP_SERVER_ANSWER_TOO_NEW_FORMAT"),
    QStringLiteral("DB_CANNOT_CONNECT_TO_MYSQL_SERVER"),
    QStringLiteral("DB_CANT_SELECT_DB"),
    QStringLiteral("DB_RESULT_OTHER_THAN_ONE_ROW"),
    QStringLiteral("DB_RESULT_OTHER_THAN_EXPECTED_COLUMNS"),
    QStringLiteral("DB_COULDNT_EXECUTE_QUERY"),
    QStringLiteral("DB_CONVERSION_YET_UNDEFINED"),
    QStringLiteral("DB_CONVERSION_OVERFLOW"),
    QStringLiteral("DB_RESULT_WHERE_THERE_SHOULDNT_BE"),
    QStringLiteral("DB_INSERT_AFFECTED_LESS_OR_MORE_THAN_EXPECTED_ROWS"),
    QStringLiteral("DB_MEMBER_DOES_NOT_EXIST"),
};

namespace {
const char* const deleteDatafile = QT_TRANSLATE_NOOP("ErrorHelp", "Delete your datafile and restart ZUV.");
const char* const tellServerMalfunction =
    QT_TRANSLATE_NOOP("ErrorHelp", "It is important that you notify the author of his server malfunction!");
// The addresses stay out of the translated texts: a build is configured with its own web host.
const char* const downloadAddress = ZUV_HTTP(ZUV_DOWNLOAD_PAGE);
} // namespace

const std::array<ErrorHelp, NUM_ERROR_CODES> errorhelp = {{
    {},
    {deleteDatafile},
    {deleteDatafile},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Use newer programversion! %1"), downloadAddress},
    {QT_TRANSLATE_NOOP("ErrorHelp", "No problem. We just start from scratch.")},
    {}, // 5
    {},
    {},
    {},
    {},
    {QT_TRANSLATE_NOOP("ErrorHelp",
                       "The checksum of the data file/stream is incorrect! Can have many reasons - all fatal!")},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Download a newer programversion %1"), downloadAddress},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Perhaps try again later.")},
    {QT_TRANSLATE_NOOP("ErrorHelp",
                       "Doesn't seem to be a ZUV server on the other side. Misuse? Please tell the author!")},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Try later when the net traffic is not so busy.")},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Please download a new version from %1"), downloadAddress},
    {QT_TRANSLATE_NOOP("ErrorHelp", "A bug. Please contact the author.")},
    {}, // 17
    {QT_TRANSLATE_NOOP("ErrorHelp", "Your datafile is probably write-protected. Remove that.")},
    {}, // 19
    {},
    {},
    {},
    {},
    {},
    {}, // 25
    {QT_TRANSLATE_NOOP("ErrorHelp", "Very strange - please tell the author!")},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Try again tomorrow (best), contact the author (good) or delete your datafile "
                                    "(not so good)")},
    {QT_TRANSLATE_NOOP("ErrorHelp", "No working Internet connection on your side. Fix it . OR: No server running. "
                                    "Nothing you can do now. Please try again later. ")},
    {}, // 29
    {},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Not a problem at all. Your data has been uploaded successfully!")},
    {QT_TRANSLATE_NOOP("ErrorHelp",
                       "Probably best idea to get a newer programversion or describe the problem to the author.")},
    {QT_TRANSLATE_NOOP("ErrorHelp", "Please try again later or contact the author.")},
    {tellServerMalfunction},
    {tellServerMalfunction},
    // This one names the page without its scheme.
    {QT_TRANSLATE_NOOP("ErrorHelp", "Your client doesn't understand the server anymore. New version from %1 !"),
     ZUV_DOWNLOAD_PAGE},
    {}, // 37
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {}, // 46
}};

QString aboutText(const QString& version, const QString& buildDate)
{
    return QCoreApplication::translate(
               "About", "ZUV is a research project that needs you!\n"
                        "The diffusion of the national Euro-coins can be studied,\n"
                        "if enough nice people all over Europe spend 1-2 minutes per week\n"
                        "or month with feeding their purses into this program.\n"
                        "\n"
                        "All the data is sent to a server over the Internet, then analyzed\n"
                        "and the analysis is published again as soon as possible.\n"
                        "\n"
                        "! Please only input coins from your actual daily purse not from your coin collection!\n"
                        "! Soon I will program a version for coin collectors, but for now please only input 'free "
                        "floating coins'!\n"
                        "\n"
                        "Client-Version %1 (%2)\n"
                        "Copyright (C) 2002 the ZUV research project. All rights reserved.\n"
                        "You may copy and pass on this program unchanged and free of charge.\n"
                        "\n"
                        "For technical support, sponsor offers or news alerts,\n"
                        "see  %3\n")
        .arg(version, buildDate, QStringLiteral(ZUV_HTTP(ZUV_HOME_PAGE)));
}

const QString ERRORSAVING =
    QStringLiteral("Problems with saving the data (error %1)\nProbably the data file '%2' is read-only (e.g. it's on a "
                   "CD).\n\nSolutions: Copy everything to your harddisk \nand (or) remove the write-protection from "
                   "'%3'.\n\nDo you want to solve the problem on the harddisk\nand go back to the program?");

const std::array<QString, 33> IDtexts = {
    QStringLiteral("Start"),
    QStringLiteral("TimerStarted"),
    QStringLiteral("TimerRestart"),
    QStringLiteral("NextCoin"),
    QStringLiteral("PreviousCoin"),
    QStringLiteral("NextCountry"),
    QStringLiteral("PreviousCountry"),
    QStringLiteral("CoinPictureClicked"),
    QStringLiteral("CountryPictureClicked"),
    QStringLiteral("Insert"),
    QStringLiteral("TakeAway"),
    QStringLiteral("Reset"),
    QStringLiteral("SaveQuit"),
    QStringLiteral("DontQuitAndLooseDataButReturn"),
    QStringLiteral("Upload"),
    QStringLiteral("About"),
    QStringLiteral("AboutDialogClosed"),
    QStringLiteral("SeeDataAnalysis"),
    QStringLiteral("SeeDataAnalysisClosed"),
    QStringLiteral("BrowseHomepage"),
    QStringLiteral("BrowseDownload"),
    QStringLiteral("BrowseResults"),
    QStringLiteral("BrowseWhynot"),
    QStringLiteral("Settings"),
    QStringLiteral("SettingsDialogClosed"),
    QStringLiteral("ObservationAllowedAgain"),
    QStringLiteral("ObservationNotAllowedAnymore"),
    QStringLiteral("Quit"),
    QStringLiteral("WriteErrorDialogReturn"),
    QStringLiteral("WriteErrorDialogDiscard"),
    QStringLiteral("ProgramTerminated"),
    QStringLiteral("ProgramTerminatedBySysbarOrAltF4"),
    // Appended later; an identifier, once given, never changes.
    QStringLiteral("ShowResultsHere"),
};

const std::array<QString, 48> SettingsIDtexts = {
    QStringLiteral("SettingsTabChangedTo0"),
    QStringLiteral("SettingsTabChangedTo1"),
    QStringLiteral("SettingsTabChangedTo2"),
    QStringLiteral("SettingsTabChangedTo3"),
    QStringLiteral("SettingsCountryChanged"),
    QStringLiteral("SettingsPostalCodeChanged"),
    QStringLiteral("SettingsPopulationChanged"),
    QStringLiteral("SettingsParagraph1Toggled"),
    QStringLiteral("SettingsParagraph2Toggled"),
    QStringLiteral("SettingsRecommenderMembernumberChanged"),
    QStringLiteral("SettingsMembernumberNonNumberFormat"),
    QStringLiteral("SettingsRecommenderMembernumberSeveral"),
    QStringLiteral("SettingsRecommenderMembernumberSeveralAdd"),
    QStringLiteral("SettingsRecommenderMembernumberSeveralAddWrong"),
    QStringLiteral("SettingsRecommenderMembernumberSeveralDel"),
    QStringLiteral("SettingsRecommenderMembernumberSeveralDelWrong"),
    QStringLiteral("SettingsRecommenderMembernumberSeveralEnd"),
    QStringLiteral("SettingsRecommenderNameChanged"),
    QStringLiteral("SettingsServiceSwitchToggled"),
    QStringLiteral("SettingsEMailChanged"),
    QStringLiteral("SettingsWantsReminderEmailToggled"),
    QStringLiteral("SettingsWeeklyON"),
    QStringLiteral("SettingsBiMonthlyON"),
    QStringLiteral("SettingsMonthlyON"),
    QStringLiteral("SettingsWantsRegularInformationsToggled"),
    QStringLiteral("SettingsWantsToHelpToggled"),
    QStringLiteral("SettingsWantsToAnalyzeToggled"),
    QStringLiteral("SettingsOpinionSwitchToggled"),
    QStringLiteral("SettingsMixdateYearChanged"),
    QStringLiteral("SettingsMixdateMonthChanged"),
    QStringLiteral("SettingsArrivaldateYearChanged"),
    QStringLiteral("SettingsArrivaldateMonthChanged"),
    QStringLiteral("SettingsMessageChanged"),
    QStringLiteral("SettingsOldSettingsButtonPressed"),
    QStringLiteral("SettingsSaveButtonPressed"),
    QStringLiteral("SettingsSaved"),
    QStringLiteral("SettingsWriteErrorDialogReturn"),
    QStringLiteral("SettingsWriteErrorDialogDiscard"),
    QStringLiteral("SettingsCountryMissing"),
    QStringLiteral("SettingsPostalCodeMissing"),
    QStringLiteral("SettingsPopulationMissing"),
    QStringLiteral("SettingsParagraph1NotChecked"),
    QStringLiteral("SettingsParagraph2NotChecked"),
    QStringLiteral("SettingsWantToInputMissingData"),
    QStringLiteral("SettingsDontWantToInputMissingData"),
    QStringLiteral("SettingsMissingDataPersuadedContinue"),
    QStringLiteral("SettingsMissingDataNotPersuadedQuit"),
    QStringLiteral("SettingsEndedWithUserWantsProgramTermination"),
};

const std::array<QString, 24> ClientIDtexts = {
    QStringLiteral("ClientStarted"),
    QStringLiteral("ClientWindowClosedProperlyAfterUpload"),
    QStringLiteral("ClientWindowAborted"),
    QStringLiteral("ClientOpenConnection"),
    QStringLiteral("ClientServerDNSFound"),
    QStringLiteral("ClientServerConnected"),
    QStringLiteral("ClientSendToServer"),
    QStringLiteral("ClientReceivingAnswer"),
    QStringLiteral("ClientCloseConnection"),
    QStringLiteral("ClientConnectionClosedProperly"),
    QStringLiteral("ClientUploadSuccessful"),
    QStringLiteral("ClientUploadQuitWithoutUpload"),
    QStringLiteral("ClientServerDNSFound"), // listed twice: the later identifier, 412, wins
    QStringLiteral("ClientSomeSocketError"),
    QStringLiteral("ClientProblemExplained"),
    QStringLiteral("ClientServerNotFound"),
    QStringLiteral("ClientHadToCloseTheConnectionImproperly"),
    QStringLiteral("ClientServerAnswerBroken"),
    QStringLiteral("ClientServerBadDataFormat"),
    QStringLiteral("ClientServerDoesntRecognizeMember"),
    QStringLiteral("ClientConnectionClosedByServer"),
    QStringLiteral("ClientBadDatastreamTryAgain"),
    QStringLiteral("ClientBadDatastreamQuit"),
    QStringLiteral("ClientClearView"),
};

const std::array<QString, 13> InvitationIDtexts = {
    QStringLiteral("Invitations"),
    QStringLiteral("InvitationPersonInserted"),
    QStringLiteral("InvitationRemovedPerson"),
    QStringLiteral("InvitationNoValidEmailAddress"),
    QStringLiteral("InvitationDidNotRemovePersonCauseNoneSelected"),
    QStringLiteral("InvitationDidNotRemovePersonCauseAlreadyUploaded"),
    QStringLiteral("InvitationPreviousCoin"),
    QStringLiteral("InvitationNextCoin"),
    QStringLiteral("InvitationPreviousCountry"),
    QStringLiteral("InvitationNextCountry"),
    QStringLiteral("InvitationCoinPictureClicked"),
    QStringLiteral("InvitationCountryPictureClicked"),
    QStringLiteral("InvitationsClosed"),
};

const std::array<QString, 3> TableIDtexts = {
    QStringLiteral("CellClicked"),
    QStringLiteral("CellEdited"),
    QStringLiteral("CellFocussed"),
};

QString shownCountryName(int country)
{
    if (country < 0 || country >= NUM_COUNTRIES)
        return QString::number(country);
    return QCoreApplication::translate("Country", countrynamesWords[size_t(country)].toUtf8().constData());
}

QString shownCoinName(int coin)
{
    if (coin < 0 || coin >= NUM_COINS)
        return QString::number(coin);
    return QCoreApplication::translate("Coin", coinnames[size_t(coin)].toUtf8().constData());
}
