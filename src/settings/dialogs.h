// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/messagebox.h"
#include "counting/slideshow.h"
#include "invitations/invitedperson.h"

#include <QPointer>
#include <QWidget>

class ClientStorage;
class Invitations;
class QTreeWidget;
class Usage;
class QComboBox;
class QDialog;
class QLabel;
class RecommenderNumbersDialog;
class SettingsDialog;
class UploadConnection;

// The one place where the program's modal windows live: the settings dialog
// with its recommender numbers dialog, the about box, the connection window
// of the upload, the invitations window and the farewell show. It works on
// the client state it is given and owns none of it.
class Dialogs : public QWidget
{
    Q_OBJECT

public:
    // Buttons of the about box.
    enum AboutChoice { AboutOK = 0, AboutHomepage = 1, AboutDownload = 2 };

    // What SettingsValidationOK tells.
    enum Validation { SettingsAcceptable = 0, SettingsReturnToDialog = 1, SettingsRefused = 2 };

    Dialogs(ClientStorage* storage, QWidget* parent = nullptr, const QString& name = QString());
    ~Dialogs() override;

    // Runs the settings until they are acceptable or given up. With
    // validateFirst the stored settings are checked before the dialog is shown.
    void startSettingsDialog(bool validateFirst, bool forUpload);
    int SettingsValidationOK(bool forUpload);
    void SettingsCopyToStorage(ClientStorage& target);
    void SettingsCopyFromStorage(const ClientStorage& source);

    // Runs the about box; returns an AboutChoice.
    int runAboutBox();

    // Runs the connection window for the stored server. When it is left after
    // a successful upload, the uploaded state goes to the archive, the upload
    // is booked and the data file saved; returns whether that happened. A
    // NetErr from the window ("Quit now" after a failed send) passes on.
    bool openClientForUploadAndIfSuccessStoreEverything();
    void hideClient();

    // Merges an uploaded state into the archive file, asking the participant
    // when the archive cannot be read or written.
    void appendToArchiveFile(ClientStorage uploaded, const QString& fileName);

    // Runs the invitations window on the list and the favourite coin; the
    // edits are taken back however the window is left.
    void CopyFromThenExecInvitationWindowAndCopyTo(InvitationList& list);
    // The invitations window shows the pictures of `show`, taken when it is
    // built.
    void setPicsAlsoInInvitations(const SlideShow* show);

    // A window that shows the usage observer's events and totals.
    void createUserObservationWindow(Usage& usage);
    void updateEventsViewerWindow(Usage& usage);

    // The farewell: thanks the participant and flips through the coins of a
    // random country; returns when the show is over.
    void goodbyeShow(SlideShow* show);

    // Value lists for the server's database tables, indexed like the settings.
    static QString giveAllMemberCountriesAsTextTupels(const QString& tail);
    static QString giveAllCitySizesAsTextTupels(const QString& tail);

    // A window listing every error code with its message and help text.
    static void TableOfErrorsAndRecommendations(QWidget* parent);

    // The settings dialog with its recommender numbers dialog, and the
    // invitations window, are built on first use: the program starts without
    // them.
    SettingsDialog* settingsDialog();
    RecommenderNumbersDialog* recommenderDialog();
    // The connection window and its dialog, made (and its library loaded) on
    // first use; null when the library cannot be loaded.
    QDialog* clientDialog();
    UploadConnection* client();
    QDialog* invitationDialog();
    Invitations* invitations();

public Q_SLOTS:
    void SettingsResetToOldValues();

Q_SIGNALS:
    void Event(const QString& eventname);
    void QuitEvent(int reason);

private Q_SLOTS:
    void createSeveralRecommenderNumbersDialog();
    void execSeveralRecommenderNumbersDialog();
    void SettingsCountryChanged(int index);
    void MixdateYearChanged(int dummy = 0);
    void MixdateMonthChanged(int dummy = 0);
    void ArrivaldateYearChanged(int dummy = 0);
    void ArrivaldateMonthChanged(int dummy = 0);
    void quit_flipToNextPic();

private:
    void buildSettingsDialog();
    void SettingsCreateObservationEvents();
    bool makeClientDialog();
    void buildInvitationDialog();
    void bookUpload();
    bool saveSettings();
    void fillMemberPanel(const ClientStorage& source);

    ClientStorage* storage;
    BoxRequest aboutBox;
    SettingsDialog* settings = nullptr;
    RecommenderNumbersDialog* recommenders = nullptr;
    QDialog* clientWindow = nullptr;
    UploadConnection* connection = nullptr;
    QDialog* invitationWindow = nullptr;
    Invitations* invitationEditor = nullptr;
    // Whose pictures the invitations window shows.
    QPointer<const SlideShow> invitationPictures;
    QDialog* observationWindow = nullptr;
    QTreeWidget* sessionEventsView = nullptr;
    QTreeWidget* allEventsView = nullptr;

    // The farewell show.
    QLabel* farewellPicture = nullptr;
    SlideShow* farewellShow = nullptr;
    quint8 farewellCoin = 0;
    quint8 farewellCountry = 1;
};
