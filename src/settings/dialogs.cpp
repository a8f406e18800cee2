// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/dialogs.h"

#include "common/browser.h"
#include "common/config.h"
#include "common/constants.h"
#include "common/exceptions.h"
#include "common/messagebox.h"
#include "common/modules.h"
#include "common/utilities.h"
#include "counting/slideshow.h"
#include "invitations/invitations.h"
#include "invitations/invitedpersonview.h"
#include "net/uploadconnection.h"
#include "settings/recommendernumbersdialog.h"
#include "settings/settingschoices.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"
#include "usage/usage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDebug>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor missingColour(80, 80, 255);
const QColor optionalColour(80, 255, 80);

// The text a plain text editor gives back for `text`: a CR starts a new
// paragraph, no-break spaces and the line and paragraph separators come back
// as plain blanks and line ends.
QString asEditorShowsIt(const QString& text)
{
    QTextDocument document;
    document.setPlainText(text);
    return document.toPlainText();
}
const QColor notYetMemberPaper(Qt::lightGray);
const QColor memberPaper(Qt::white);

// Membership dates before the first upload carry the record's default.
const QDateTime notYetMember(QDate(2002, 2, 1), QTime(0, 0));

constexpr QSize clientDialogSize(400, 550);
constexpr int dialogMargin = 3;
constexpr QSize observationWindowSize(520, 420);
constexpr int observationMargin = 5;

constexpr int farewellStepMs = 80;
constexpr int farewellDurationMs = 3000;
constexpr int farewellFeaturedCoin = 7; // the 2 Euro coin
constexpr int farewellMargin = 7;
constexpr int farewellTextMinimumWidth = 350;

// The combo box indices of the mix and arrival date guesses.
constexpr int firstGuessYear = 2001; // item 1 is 2002
constexpr int decadeItem = 10;       // "2011-2020"
constexpr int laterItem = 11;        // "2021- ......"
constexpr int lastSingleYear = 19;   // 2020

constexpr int highestEuroCountryItem = NUM_NATIONAL_SIDES;
constexpr int minimumPostalCodeLength = 2;

void mark(QWidget* widget, const QColor& colour)
{
    widget->setPalette(QPalette(colour));
    widget->setAutoFillBackground(true);
}

void unmark(QWidget* widget)
{
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
}

void setFlag(quint16& flags, quint16 bit, bool on)
{
    flags = on ? quint16(flags | bit) : quint16(flags & ~bit);
}

// A year that is a range or "Never" carries no month.
void applyYearRule(QComboBox* year, QComboBox* month);

// A month cannot stand without a year: the current year's item is chosen.
void applyMonthRule(QComboBox* year, QComboBox* month)
{
    if (month->currentIndex() == 0 || year->currentIndex() != 0)
        return;
    int item = std::max(1, QDate::currentDate().year() - firstGuessYear);
    if (item > lastSingleYear)
        item = laterItem;
    else if (item >= decadeItem)
        item = decadeItem;
    year->setCurrentIndex(item);
    applyYearRule(year, month);
}

void applyYearRule(QComboBox* year, QComboBox* month)
{
    // By the item, not its text, which is in the participant's language:
    // the ranges and "Never" name no month.
    if (year->currentIndex() >= decadeItem) {
        month->setCurrentIndex(0);
        month->setEnabled(false);
    } else {
        month->setEnabled(true);
    }
    if (year->currentIndex() == 0)
        applyMonthRule(year, month);
}

} // namespace

Dialogs::Dialogs(ClientStorage* clientStorage, QWidget* parent, const QString& name)
    : QWidget(parent), storage(clientStorage)
{
    setObjectName(name);
    resize(0, 0);

    aboutBox.icon = BoxIcon::Information;
    aboutBox.title = tr("About (ZUV) Zuvanta!");
    aboutBox.text = aboutText(QString::number(CLIENT_VERSION, 'g'), BUILD_DATE);
    aboutBox.buttons =
        QStringList{QStringLiteral("OK"), tr("WWW:\nProject Homepage"), tr("WWW:\nDownload new version")};
    aboutBox.escapeButton = AboutOK;
}

// Filled from the storage before its changes are reported, so building it
// reports nothing.
void Dialogs::buildSettingsDialog()
{
    if (settings)
        return;
    // The participant leaves the settings through their buttons: no system menu.
    settings = new SettingsDialog(this, QStringLiteral("SettingsDialogWindow"), true,
                                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(settings->OldSettingsButton, &QPushButton::clicked, this, &Dialogs::SettingsResetToOldValues);
    connect(settings->Country, qOverload<int>(&QComboBox::activated), this, &Dialogs::SettingsCountryChanged);
    connect(settings->several, &QPushButton::clicked, this, &Dialogs::execSeveralRecommenderNumbersDialog);
    connect(settings->MixdateYear, qOverload<int>(&QComboBox::activated), this, &Dialogs::MixdateYearChanged);
    connect(settings->ArrivaldateYear, qOverload<int>(&QComboBox::activated), this, &Dialogs::ArrivaldateYearChanged);
    connect(settings->MixdateMonth, qOverload<int>(&QComboBox::activated), this, &Dialogs::MixdateMonthChanged);
    connect(settings->ArrivaldateMonth, qOverload<int>(&QComboBox::activated), this, &Dialogs::ArrivaldateMonthChanged);

    createSeveralRecommenderNumbersDialog();
    SettingsCopyFromStorage(*storage);
    SettingsCreateObservationEvents();
}

SettingsDialog* Dialogs::settingsDialog()
{
    buildSettingsDialog();
    return settings;
}

RecommenderNumbersDialog* Dialogs::recommenderDialog()
{
    buildSettingsDialog();
    return recommenders;
}

bool Dialogs::makeClientDialog()
{
    if (connection)
        return true;
    QString failure;
    const auto makeConnection = reinterpret_cast<UploadConnectionMaker>(
        moduleEntry(QStringLiteral(ZUV_NET_LIBRARY), "zuvMakeUploadConnection", &failure));
    if (!makeConnection) {
        askUser(parentWidget(), BoxIcon::Warning, QStringLiteral("ZUV upload"),
                tr("The connection window cannot be opened:\n%1").arg(failure));
        return false;
    }
    clientWindow = new QDialog(this);
    clientWindow->setObjectName(QStringLiteral("client"));
    clientWindow->setModal(true);
    auto* layout = new QGridLayout(clientWindow);
    layout->setContentsMargins(dialogMargin, dialogMargin, dialogMargin, dialogMargin);
    connection = makeConnection(storage, this, clientWindow, QStringLiteral("clientobject"));
    layout->addWidget(connection, 0, 0);
    clientWindow->resize(clientDialogSize);
    connect(connection, &UploadConnection::Event, this, &Dialogs::Event);
    return true;
}

QDialog* Dialogs::clientDialog()
{
    makeClientDialog();
    return clientWindow;
}

UploadConnection* Dialogs::client()
{
    makeClientDialog();
    return connection;
}

// Its events are forwarded only once it shows the program's pictures: what
// building it reports goes nowhere.
void Dialogs::buildInvitationDialog()
{
    if (invitationWindow)
        return;
    invitationWindow = new QDialog(this);
    invitationWindow->setObjectName(QStringLiteral("invitationwindow"));
    invitationWindow->setModal(true);
    invitationWindow->setWindowTitle(tr("Send ZUV invitations to your friends"));
    auto* layout = new QGridLayout(invitationWindow);
    layout->setContentsMargins(dialogMargin, dialogMargin, dialogMargin, dialogMargin);
    invitationEditor = new Invitations(invitationWindow, QStringLiteral("invitations"));
    layout->addWidget(invitationEditor, 0, 0);
    connect(invitationEditor, &Invitations::ok, invitationWindow, &QDialog::accept);
    if (invitationPictures) {
        invitationEditor->coinShow()->setPics(invitationPictures->pictures(), invitationPictures->pictureSize());
        invitationEditor->coinShow()->changeCoinSide();
    }
    connect(invitationEditor, &Invitations::Event, this, &Dialogs::Event);
}

QDialog* Dialogs::invitationDialog()
{
    buildInvitationDialog();
    return invitationWindow;
}

Invitations* Dialogs::invitations()
{
    buildInvitationDialog();
    return invitationEditor;
}

Dialogs::~Dialogs() = default;

int Dialogs::runAboutBox()
{
    return askUser(aboutBox);
}

void Dialogs::createSeveralRecommenderNumbersDialog()
{
    recommenders = new RecommenderNumbersDialog(this);
    connect(recommenders, &RecommenderNumbersDialog::Event, this, &Dialogs::Event);
}

void Dialogs::execSeveralRecommenderNumbersDialog()
{
    settings->RecommenderMembernumber->setText(
        recommenders->editNumbers(settings->RecommenderMembernumber->text(), this));
}

void Dialogs::startSettingsDialog(bool validateFirst, bool forUpload)
{
    buildSettingsDialog();
    SettingsCopyFromStorage(*storage);
    for (bool again = true; again;) {
        if (!validateFirst)
            settings->exec(); // however it was left, the check decides
        validateFirst = false;
        const int verdict = SettingsValidationOK(forUpload);
        storage->setNecessarySettingsOK(false);

        again = false;
        if (verdict == SettingsAcceptable) {
            SettingsCopyToStorage(*storage);
            storage->setNecessarySettingsOK(true);
            again = !saveSettings();
        } else if (verdict == SettingsRefused) {
            Q_EMIT Event(QStringLiteral("SettingsEndedWithUserWantsProgramTermination"));
            SettingsCopyToStorage(*storage);
            Q_EMIT Event(QStringLiteral("BrowseWhynot"));
            openBrowser(QStringLiteral(ZUV_HTTP(ZUV_WHYNOT_PAGE)));
            Q_EMIT QuitEvent(USER_DOESNT_WANT_TO_INPUT_NECESSARY_DATA);
        } else {
            again = true;
        }
    }
    Q_EMIT Event(QStringLiteral("SettingsDialogClosed"));
}

// Saves the accepted settings; false when the participant wants to return to
// the dialog after a failed save. Discarding keeps the changes in memory, so
// the next successful save writes them.
bool Dialogs::saveSettings()
{
    const int code = storage->saveToDisk(DATAFILE_NAME);
    if (code == ZUV_NO_ERROR) {
        Q_EMIT Event(QStringLiteral("SettingsSaved"));
        return true;
    }
    const int answer =
        askUser(this, BoxIcon::Warning, tr("ZUV cannot save your settings"),
                ERRORSAVING.arg(code).arg(DATAFILE_NAME, DATAFILE_NAME),
                tr("OK, I try my best.\nPlease return to the settings."), tr("No, discard my settings changes."));
    if (answer == 0) {
        Q_EMIT Event(QStringLiteral("SettingsWriteErrorDialogReturn"));
        return false;
    }
    Q_EMIT Event(QStringLiteral("SettingsWriteErrorDialogDiscard"));
    return true;
}

int Dialogs::SettingsValidationOK(bool forUpload)
{
    buildSettingsDialog();
    bool locationMissing = false;
    auto checkNecessary = [&](bool missing, QWidget* label, const char* event) {
        if (missing) {
            mark(label, missingColour);
            Q_EMIT Event(QString::fromLatin1(event));
            locationMissing = true;
        } else {
            unmark(label);
        }
    };
    checkNecessary(settings->Country->currentText().isEmpty(), settings->LabelCountry, "SettingsCountryMissing");
    checkNecessary(settings->PostalCode->text().length() < minimumPostalCodeLength, settings->LabelPostalCode,
                   "SettingsPostalCodeMissing");
    checkNecessary(settings->Population->currentText().isEmpty(), settings->LabelPopulation,
                   "SettingsPopulationMissing");

    const bool contractUnsigned = !settings->paragraph1->isChecked();
    if (contractUnsigned) {
        mark(settings->paragraph1, missingColour);
        Q_EMIT Event(QStringLiteral("SettingsParagraph1NotChecked"));
    } else {
        unmark(settings->paragraph1);
    }
    const bool observationUnsigned = !settings->paragraph2->isChecked();
    if (observationUnsigned) {
        mark(settings->paragraph2, optionalColour);
        Q_EMIT Event(QStringLiteral("SettingsParagraph2NotChecked"));
    } else {
        unmark(settings->paragraph2);
    }

    QString text = forUpload ? tr("Before you can upload your data, you are asked \nto fill in some information "
                                  "about you.\n\n")
                             : tr("Your ZUV Settings are not complete!\n\n");
    if (locationMissing) {
        text += tr("Please fill in where you are!\nThe Euro diffusion depends on the location.\n");
        if (contractUnsigned)
            text += QStringLiteral("\nMoreover:\n");
    }
    // "\u00a7" stands apart from its digit: lupdate would read "\u00a71" as one
    // longer escape and never find the text's translation.
    if (contractUnsigned) {
        text += tr("This program is part of a scientific research project.\n");
        text += forUpload ? tr("To ensure data quality, you are asked to sign \u00a7"
                               "1 of the contract")
                          : tr("If you don't sign paragraph \u00a7"
                               "1 of the contract,\nyou can't participate in this "
                               "project, sorry.\n");
    }
    if (observationUnsigned)
        text += tr("\nOptional:\nYou could enable us to optimize this and other programs\nby research on "
                   "ergonomics. Therefore, it would be very nice,\nif you allowed us to log the usage by also "
                   "signing paragraph \u00a7"
                   "2.");
    const QString caption = forUpload ? tr("Please fill in necessary information") : tr("ZUV Settings not complete");

    bool participantQuits = false;
    if (locationMissing || contractUnsigned) {
        if (askUser(this, BoxIcon::Warning, caption, text, tr("OK, I do"), tr("No, I don't")) == 0) {
            Q_EMIT Event(QStringLiteral("SettingsWantToInputMissingData"));
        } else {
            Q_EMIT Event(QStringLiteral("SettingsDontWantToInputMissingData"));
            if (askUser(this, BoxIcon::Warning, tr("Participation endangered"),
                        tr("Then the program would be terminated now\nloosing your data...!"),
                        tr("OK, I want to participate"), tr("Quit, I don't participate")) == 0) {
                Q_EMIT Event(QStringLiteral("SettingsMissingDataPersuadedContinue"));
            } else {
                Q_EMIT Event(QStringLiteral("SettingsMissingDataNotPersuadedQuit"));
                participantQuits = true;
            }
        }
        settings->OKButton->setDown(false);
        settings->TabWidget2->setCurrentIndex(0);
    }

    QString normalised;
    const bool numbersOK = recommenders->parseIntoList(settings->RecommenderMembernumber->text(), this, normalised);
    settings->RecommenderMembernumber->setText(normalised);

    if (participantQuits)
        return SettingsRefused;
    return !locationMissing && !contractUnsigned && numbersOK ? SettingsAcceptable : SettingsReturnToDialog;
}

void Dialogs::SettingsCopyToStorage(ClientStorage& target)
{
    buildSettingsDialog();
    setFlag(target.SettingsFlags, ClientStorage::SettingsChanged, true);
    target.Country = quint8(settings->Country->currentIndex());
    target.PostalCode = settings->PostalCode->text();
    target.CityPopulation = quint8(settings->Population->currentIndex());
    setFlag(target.SettingsFlags, ClientStorage::SignedContract, settings->paragraph1->isChecked());
    setFlag(target.SettingsFlags, ClientStorage::AllowsObservation, settings->paragraph2->isChecked());
    target.RecommenderName = settings->RecommenderName->text();
    target.RecommenderMembernumbers.clear();
    if (!ListBoxToValueList(recommenders->recommenders(), target.RecommenderMembernumbers))
        qDebug() << "strange: not valid Listbox in void Dialogs::SettingsCopyToStorage(ClientStorage & D)";

    quint8 mailFlags = 0;
    if (settings->WantsReminderEmail->isChecked())
        mailFlags |= ClientStorage::WantsReminder;
    if (settings->weekly->isChecked())
        mailFlags |= ClientStorage::WeeklyReminder;
    else if (settings->bimonthly->isChecked())
        mailFlags |= ClientStorage::BiMonthlyReminder;
    else if (settings->monthly->isChecked())
        mailFlags |= ClientStorage::MonthlyReminder;
    if (settings->WantsRegularInformations->isChecked())
        mailFlags |= ClientStorage::WantsNewsletter;
    if (settings->WantsToHelp->isChecked())
        mailFlags |= ClientStorage::WantsToHelp;
    if (settings->WantsToAnalyze->isChecked())
        mailFlags |= ClientStorage::WantsToAnalyze;
    target.eMailFlags = mailFlags;
    target.eMailAddress = settings->email->text().toLatin1().toStdString();

    target.GuessWhenMixdateYear = quint8(settings->MixdateYear->currentIndex());
    target.GuessWhenMixdateMonth = quint8(settings->MixdateMonth->currentIndex());
    target.GuessWhenArrivaldateYear = quint8(settings->ArrivaldateYear->currentIndex());
    target.GuessWhenArrivaldateMonth = quint8(settings->ArrivaldateMonth->currentIndex());
    target.Message = settings->Message->toPlainText();
    setFlag(target.SettingsFlags, ClientStorage::ServiceTabOn, settings->ServiceTabOn->isChecked());
    setFlag(target.SettingsFlags, ClientStorage::OpinionTabOn, settings->OpinionTabOn->isChecked());
}

void Dialogs::SettingsCopyFromStorage(const ClientStorage& source)
{
    buildSettingsDialog();
    settings->Country->setCurrentIndex(source.Country);
    settings->Population->setCurrentIndex(source.CityPopulation);
    settings->PostalCode->setText(source.PostalCode);
    settings->paragraph1->setChecked(source.SettingsFlags & ClientStorage::SignedContract);
    settings->paragraph2->setChecked(source.SettingsFlags & ClientStorage::AllowsObservation);

    QListWidget* numbers = recommenders->recommenders();
    numbers->clear();
    if (source.RecommenderMembernumbers.isEmpty()) {
        settings->RecommenderMembernumber->setText(QString());
    } else {
        ValueListToListBox(source.RecommenderMembernumbers, numbers);
        settings->RecommenderMembernumber->setText(ListBoxToCommaSeparated(numbers));
    }

    settings->RecommenderName->setText(source.RecommenderName);
    settings->WantsReminderEmail->setChecked(source.eMailFlags & ClientStorage::WantsReminder);
    // Each interval button shows its own bit, so no stored interval leaves all
    // three unchecked. Their exclusive group would refuse to uncheck the
    // checked one, so it lets go while they are set.
    settings->reminderIntervals->setExclusive(false);
    settings->weekly->setChecked(source.eMailFlags & ClientStorage::WeeklyReminder);
    settings->bimonthly->setChecked(source.eMailFlags & ClientStorage::BiMonthlyReminder);
    settings->monthly->setChecked(source.eMailFlags & ClientStorage::MonthlyReminder);
    settings->reminderIntervals->setExclusive(true);
    settings->WantsRegularInformations->setChecked(source.eMailFlags & ClientStorage::WantsNewsletter);
    settings->WantsToHelp->setChecked(source.eMailFlags & ClientStorage::WantsToHelp);
    settings->WantsToAnalyze->setChecked(source.eMailFlags & ClientStorage::WantsToAnalyze);
    settings->email->setText(QString::fromLatin1(source.eMailAddress.data(), qsizetype(source.eMailAddress.size())));

    settings->MixdateYear->setCurrentIndex(source.GuessWhenMixdateYear);
    settings->MixdateMonth->setCurrentIndex(source.GuessWhenMixdateMonth);
    settings->ArrivaldateYear->setCurrentIndex(source.GuessWhenArrivaldateYear);
    settings->ArrivaldateMonth->setCurrentIndex(source.GuessWhenArrivaldateMonth);
    MixdateYearChanged(0);
    ArrivaldateYearChanged(0);

    // Setting even the same text would report the message as changed.
    if (settings->Message->toPlainText() != asEditorShowsIt(source.Message))
        settings->Message->setPlainText(source.Message);
    settings->ServiceTabOn->setChecked(source.SettingsFlags & ClientStorage::ServiceTabOn);
    settings->OpinionTabOn->setChecked(source.SettingsFlags & ClientStorage::OpinionTabOn);
    fillMemberPanel(source);
}

void Dialogs::fillMemberPanel(const ClientStorage& source)
{
    if (!source.Welcome.empty())
        settings->Welcome->setText(QString::fromLatin1(source.Welcome.data(), qsizetype(source.Welcome.size())));
    if (source.Membernumber == 0) {
        settings->MemberNumber->display(QString());
    } else {
        settings->MemberNumber->display(double(source.Membernumber));
        settings->MemberNumber->setSegmentStyle(QLCDNumber::Filled);
        settings->MemberPanel->setTitle(tr("Your membership in the ZUV-project"));
    }
    QPalette paper = settings->Welcome->palette();
    if (source.MemberSince == notYetMember) {
        settings->MemberSince->setText(QString());
        paper.setColor(QPalette::Base, notYetMemberPaper);
    } else {
        settings->MemberSince->setText(source.MemberSince.toString(Qt::TextDate));
        paper.setColor(QPalette::Base, memberPaper);
    }
    settings->Welcome->setPalette(paper);
}

void Dialogs::SettingsResetToOldValues()
{
    SettingsCopyFromStorage(*storage);
}

void Dialogs::SettingsCountryChanged(int index)
{
    settings->PostalCode->setToolTip(QString());
    if (index > highestEuroCountryItem) {
        settings->LabelPostalCode->setText(tr(" &Country, City"));
        settings->PostalCode->setToolTip(tr("Please name your Country and City"));
    } else {
        settings->LabelPostalCode->setText(tr(" Postal &Code"));
        settings->PostalCode->setToolTip(tr("The postal code of your city (at least 2 digits)."));
    }
}

void Dialogs::MixdateYearChanged(int)
{
    applyYearRule(settings->MixdateYear, settings->MixdateMonth);
}

void Dialogs::MixdateMonthChanged(int)
{
    applyMonthRule(settings->MixdateYear, settings->MixdateMonth);
}

void Dialogs::ArrivaldateYearChanged(int)
{
    applyYearRule(settings->ArrivaldateYear, settings->ArrivaldateMonth);
}

void Dialogs::ArrivaldateMonthChanged(int)
{
    applyMonthRule(settings->ArrivaldateYear, settings->ArrivaldateMonth);
}

// Every change in the settings dialog is a usage event. Texts and toggles
// report every change, also the ones made by filling the dialog; combo boxes
// report only the participant's own choices.
void Dialogs::SettingsCreateObservationEvents()
{
    auto report = [this](const char* name) { return [this, name] { Q_EMIT Event(QString::fromLatin1(name)); }; };
    auto reportWhenOn = [this](const char* name) {
        return [this, name](bool on) {
            if (on)
                Q_EMIT Event(QString::fromLatin1(name));
        };
    };
    const auto activated = qOverload<int>(&QComboBox::activated);

    connect(settings->Country, activated, this, report("SettingsCountryChanged"));
    connect(settings->PostalCode, &QLineEdit::textChanged, this, report("SettingsPostalCodeChanged"));
    connect(settings->Population, activated, this, report("SettingsPopulationChanged"));
    connect(settings->paragraph1, &QCheckBox::toggled, this, report("SettingsParagraph1Toggled"));
    connect(settings->paragraph2, &QCheckBox::toggled, this, report("SettingsParagraph2Toggled"));
    connect(settings->RecommenderMembernumber, &QLineEdit::textChanged, this,
            report("SettingsRecommenderMembernumberChanged"));
    connect(settings->RecommenderName, &QLineEdit::textChanged, this, report("SettingsRecommenderNameChanged"));
    connect(settings->WantsReminderEmail, &QCheckBox::toggled, this, report("SettingsWantsReminderEmailToggled"));
    connect(settings->weekly, &QRadioButton::toggled, this, reportWhenOn("SettingsWeeklyON"));
    connect(settings->bimonthly, &QRadioButton::toggled, this, reportWhenOn("SettingsBiMonthlyON"));
    connect(settings->monthly, &QRadioButton::toggled, this, reportWhenOn("SettingsMonthlyON"));
    connect(settings->WantsRegularInformations, &QCheckBox::toggled, this,
            report("SettingsWantsRegularInformationsToggled"));
    connect(settings->WantsToHelp, &QCheckBox::toggled, this, report("SettingsWantsToHelpToggled"));
    connect(settings->WantsToAnalyze, &QCheckBox::toggled, this, report("SettingsWantsToAnalyzeToggled"));
    connect(settings->email, &QLineEdit::textChanged, this, report("SettingsEMailChanged"));
    connect(settings->MixdateYear, activated, this, report("SettingsMixdateYearChanged"));
    connect(settings->MixdateMonth, activated, this, report("SettingsMixdateMonthChanged"));
    connect(settings->ArrivaldateYear, activated, this, report("SettingsArrivaldateYearChanged"));
    connect(settings->ArrivaldateMonth, activated, this, report("SettingsArrivaldateMonthChanged"));
    connect(settings->Message, &QPlainTextEdit::textChanged, this, report("SettingsMessageChanged"));
    connect(settings->ServiceTabOn, &QCheckBox::toggled, this, report("SettingsServiceSwitchToggled"));
    connect(settings->OpinionTabOn, &QCheckBox::toggled, this, report("SettingsOpinionSwitchToggled"));
    connect(settings->OldSettingsButton, &QPushButton::clicked, this, report("SettingsOldSettingsButtonPressed"));
    connect(settings->OKButton, &QPushButton::clicked, this, report("SettingsSaveButtonPressed"));
    connect(settings->TabWidget2, &QTabWidget::currentChanged, this,
            [this](int page) { Q_EMIT Event(QStringLiteral("SettingsTabChangedTo%1").arg(page)); });
}

QString Dialogs::giveAllMemberCountriesAsTextTupels(const QString& tail)
{
    return itemValueTuples(memberCountryItems(), tail);
}

QString Dialogs::giveAllCitySizesAsTextTupels(const QString& tail)
{
    return itemValueTuples(townSizeItems(), tail);
}

void Dialogs::TableOfErrorsAndRecommendations(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QGridLayout(dialog);
    layout->setContentsMargins(5, 5, 5, 5);
    auto* table = new QTreeWidget(dialog);
    table->setHeaderLabels({QStringLiteral("num"), QStringLiteral("errror"), QStringLiteral("suggestion")});
    table->setRootIsDecorated(false);
    for (unsigned code = 0; code < NUM_ERROR_CODES; ++code)
        table->addTopLevelItem(
            new QTreeWidgetItem(QStringList{QString::number(code), errormessage[code], errorHelpOf(code)}));
    auto* quit = new QPushButton(QStringLiteral("quit"), dialog);
    QObject::connect(quit, &QPushButton::clicked, dialog, &QDialog::accept);
    layout->addWidget(table, 0, 0);
    layout->addWidget(quit, 1, 0);
    dialog->show();
}

bool Dialogs::openClientForUploadAndIfSuccessStoreEverything()
{
    if (!makeClientDialog())
        return false;
    connection->initClient(QString::fromLatin1(storage->ServerAddress.data(), qsizetype(storage->ServerAddress.size())),
                           storage->ServerPort);
    const bool uploaded = clientWindow->exec() == QDialog::Accepted;
    connection->rethrowPendingFailure();
    if (!uploaded) {
        Q_EMIT Event(QStringLiteral("ClientWindowAborted"));
        return false;
    }
    Q_EMIT Event(QStringLiteral("ClientWindowClosedProperlyAfterUpload"));
    // The archive gets the sessions before they leave the data file.
    appendToArchiveFile(*storage, ARCHIVEFILE_NAME);
    bookUpload();
    storage->saveToDisk(DATAFILE_NAME);
    return true;
}

void Dialogs::bookUpload()
{
    storage->LastUpload = QDateTime::currentDateTime();
    storage->SettingsFlags = quint16(storage->SettingsFlags & ~ClientStorage::SettingsChanged);
    ++storage->NumberOfUploads;
    storage->NumberOfStartsSinceLastUpload = 0;
    storage->Sessions.clear();
    storage->NumFullPurses = 0;
    storage->Message = QStringLiteral("");
    setAllUploadedTrue(storage->InvitationList);
}

void Dialogs::hideClient()
{
    if (clientWindow)
        clientWindow->hide();
}

void Dialogs::appendToArchiveFile(ClientStorage uploaded, const QString& fileName)
{
    ClientStorage archive;
    try {
        if (archive.loadFromDisk(fileName) != ZUV_NO_ERROR)
            archive.setDefaultValues(); // no archive yet, or one of another kind: start a new one
    } catch (const myException& failure) {
        const int answer =
            askUser(this, BoxIcon::Warning, tr("ZUV: archive file error"), errorMessageAndSolution(failure.code()),
                    tr("Ignore\nsaved data."), tr("Quit now\n(loosing new data of today!)"));
        if (answer != 0)
            throw;
        Q_EMIT Event(QStringLiteral("BadArchivefileOverwrite"));
        archive.setDefaultValues();
    }
    archive.MergeWithNewSessions(uploaded);
    for (;;) {
        const int code = archive.saveToDisk(fileName);
        if (code == ZUV_NO_ERROR)
            return;
        const int answer = askUser(
            this, BoxIcon::Warning, tr("ZUV cannot save your archive"), ERRORSAVING.arg(code).arg(fileName, fileName),
            tr("OK, I try my best.\nPlease try again"), tr("No, quit anyway. I don't need an archive."));
        if (answer != 0)
            return;
    }
}

void Dialogs::CopyFromThenExecInvitationWindowAndCopyTo(InvitationList& list)
{
    buildInvitationDialog();
    QTreeWidget* view = invitationEditor->listView();
    view->clear();
    fromValueListToListView(list, view);
    invitationEditor->setFavouriteCoin(storage->FavouriteCoin);
    invitationWindow->exec(); // "OK" and the title bar's close box end it alike
    storage->FavouriteCoin = quint8(invitationEditor->coinShow()->actualCoinNumber());
    fromListViewToValueList(view, list);
}

void Dialogs::setPicsAlsoInInvitations(const SlideShow* show)
{
    invitationPictures = show;
    if (!invitationEditor || !show)
        return;
    invitationEditor->coinShow()->setPics(show->pictures(), show->pictureSize());
    invitationEditor->coinShow()->changeCoinSide();
}

void Dialogs::createUserObservationWindow(Usage& usage)
{
    if (!observationWindow) {
        observationWindow = new QDialog(this);
        observationWindow->setObjectName(QStringLiteral("observation"));
        observationWindow->resize(observationWindowSize);
        observationWindow->setObjectName(QStringLiteral("User Observation Results"));
        auto* layout = new QGridLayout(observationWindow);
        layout->setContentsMargins(observationMargin, observationMargin, observationMargin, observationMargin);
        sessionEventsView = new QTreeWidget(observationWindow);
        sessionEventsView->setObjectName(QStringLiteral("session events listview"));
        allEventsView = new QTreeWidget(observationWindow);
        allEventsView->setObjectName(QStringLiteral("all events listview"));
        layout->addWidget(sessionEventsView, 0, 0);
        layout->addWidget(allEventsView, 0, 1);
    }
    usage.PrepareSessionListView(sessionEventsView);
    usage.PrepareAllEventsListView(allEventsView);
    observationWindow->show();
}

void Dialogs::updateEventsViewerWindow(Usage& usage)
{
    if (!observationWindow)
        return;
    usage.UpdateSessionListView(sessionEventsView);
    usage.UpdateAllEventsListView(allEventsView);
}

void Dialogs::goodbyeShow(SlideShow* show)
{
    farewellShow = show;
    QDialog farewell(this);
    farewell.setObjectName(QStringLiteral("byebye"));
    farewell.setModal(true);
    farewell.setWindowTitle(tr("ZUV says thank you"));
    auto* layout = new QGridLayout(&farewell);
    layout->setContentsMargins(farewellMargin, farewellMargin, farewellMargin, farewellMargin);
    layout->setColumnMinimumWidth(1, farewellTextMinimumWidth);

    // Seeded from the time of day, so every farewell features another country.
    std::srand(static_cast<unsigned>(QTime::currentTime().msecsTo(QTime(0, 0))));
    const double draw = double(std::rand()) / 2147483648.0;
    farewellCountry = quint8(std::min(NUM_NATIONAL_SIDES, int(draw * NUM_NATIONAL_SIDES) + 1));

    auto* thanks = new QTextEdit(&farewell);
    thanks->setReadOnly(true);
    thanks->setText(QString());
    for (const QString& paragraph :
         {tr("Thanks a lot."), tr("Your data has been saved to %1.").arg(DATAFILE_NAME), tr("\nSee you next time..."),
          QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), tr("Today featuring ..."),
          QStringLiteral("\t\t\t") + shownCountryName(farewellCountry)})
        thanks->append(paragraph);
    layout->addWidget(thanks, 0, 1);

    farewellPicture = new QLabel(&farewell);
    farewellPicture->setPixmap(show->centeredCoin(farewellFeaturedCoin, farewellCountry));
    layout->addWidget(farewellPicture, 0, 0);

    farewellCoin = 0;
    QTimer flipper;
    flipper.setTimerType(Qt::PreciseTimer);
    connect(&flipper, &QTimer::timeout, this, &Dialogs::quit_flipToNextPic);
    flipper.start(farewellStepMs);
    QTimer::singleShot(farewellDurationMs, Qt::PreciseTimer, &farewell, &QDialog::accept);
    farewell.exec();
    farewellPicture = nullptr;
}

void Dialogs::quit_flipToNextPic()
{
    if (!farewellPicture || !farewellShow)
        return;
    farewellCoin = quint8((farewellCoin + 1) % NUM_COINS);
    farewellPicture->setPixmap(farewellShow->centeredCoin(farewellCoin, farewellCountry));
}
