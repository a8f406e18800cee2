// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zuvwindow.h"

#include "app/datafilereading.h"
#include "app/resultsloader.h"
#include "common/boxwidget.h"
#include "common/browser.h"
#include "common/config.h"
#include "common/constants.h"
#include "common/exceptions.h"
#include "common/messagebox.h"
#include "common/utilities.h"
#include "counting/counttable.h"
#include "counting/slideshow.h"
#include "results/publishedresults.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"
#include "usage/usage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A quit request waits this long, so that it may come from inside another
// dialog's slot and still find the program at rest when it saves.
constexpr int quitDelayMs = 500;

constexpr int gridRows = NUM_NATIONAL_SIDES;
constexpr int gridColumns = NUM_COINS;

const char* const pursesLabelPrefix = QT_TRANSLATE_NOOP("ZUVWindow", "Stored Purses on disk: ");

QPushButton* stretchingButton(const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return button;
}

// The caption's placeholders are filled one place at a time: the version
// first, then the build date.
QString windowCaption()
{
    return fillFirstPlaceholder(fillFirstPlaceholder(ZUVWindow::tr("Zuvanta - ZUV for Research (v%1 - %1)"),
                                                     QString::number(CLIENT_VERSION, 'g')),
                                BUILD_DATE);
}

} // namespace

ZUVWindow::ZUVWindow(QWidget* parent, const QString& name, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    setObjectName(name);
    setWindowTitle(windowCaption());

    auto* central = new HBox(this);
    setCentralWidget(central);

    slideShow = central->add(new SlideShow);

    auto* insertBox = central->add(new VBox);
    auto* buttonInsert = insertBox->add(stretchingButton(tr("->\n&Insert"), QStringLiteral("buttonInsert")));
    auto* buttonTakeAway = insertBox->add(stretchingButton(tr("<-\nTake Away"), QStringLiteral("buttonTakeAway")));

    // Room beyond what every part needs goes to the grid, so a wider window
    // shows more of it before anything else grows.
    countTable = central->add(new CountTable(gridRows, gridColumns), 1);

    buttonGroup = central->add(new QGroupBox);
    auto* groupLayout = new QVBoxLayout(buttonGroup);
    actionButtons = new QButtonGroup(buttonGroup);
    auto addAction = [&](int id, const QString& text, const QString& objectName) {
        auto* button = new QPushButton(text);
        button->setObjectName(objectName);
        if (id <= ButtonSettings)
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        groupLayout->addWidget(button);
        actionButtons->addButton(button, id);
    };
    addAction(ButtonSaveAndQuit, tr("Save purse and QUIT"), QStringLiteral("button Ready and Quit"));
    pursesLabel = new QLabel;
    pursesLabel->setWordWrap(true);
    groupLayout->addWidget(pursesLabel);
    addAction(ButtonUpload, tr("Upload purses"), QStringLiteral("button Ready and Upload"));
    addAction(ButtonSettings, tr("Your settings"), QStringLiteral("button settings"));
    addAction(ButtonDataAnalysis, tr("See the newest\ndata analysis"), QStringLiteral("button go to WebSite"));
    addAction(ButtonAbout, tr("about this project"), QStringLiteral("button about project"));
    addAction(ButtonInvite, tr("invite friends"), QStringLiteral("button invite friends"));
    addAction(ButtonJustQuit, tr("just QUIT"), QStringLiteral("button resetquit"));

    connect(buttonInsert, &QPushButton::clicked, this, &ZUVWindow::increaseCurrent);
    connect(buttonInsert, &QPushButton::clicked, this, &ZUVWindow::buttonInsertPressed);
    connect(buttonTakeAway, &QPushButton::clicked, this, &ZUVWindow::decreaseCurrent);
    connect(buttonTakeAway, &QPushButton::clicked, this, &ZUVWindow::buttonTakeAwayPressed);
    connect(countTable, &CountTable::pleaseChangeToCoinOfCell, this, &ZUVWindow::changeToCoinOfCell);
    connect(slideShow, &SlideShow::focusChanged, this, &ZUVWindow::changeFocus);
    connect(actionButtons, &QButtonGroup::idClicked, this, &ZUVWindow::readyPressed);
}

ZUVWindow::~ZUVWindow() = default;

Qt::WindowFlags ZUVWindow::mainWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
}

const ClientStorage& ZUVWindow::clientState() const
{
    return *storage;
}

void ZUVWindow::initializeEverything(DataFileReading* early)
{
    storage = std::make_unique<ClientStorage>();
    loadDataFile(early);

    resize(storage->WindowPositionSize.size);
    move(storage->WindowPositionSize.position);
    setEnabled(false);
    show();

    bool dontNag = storage->SettingsFlags & ClientStorage::NoLoadPicsNagger;
    slideShow->loadPictures(PICFILEPATH, PICFILESUFFIX, dontNag);
    if (dontNag)
        storage->SettingsFlags |= ClientStorage::NoLoadPicsNagger;
    else
        storage->SettingsFlags &= ~ClientStorage::NoLoadPicsNagger;
    widenForTheWholeGrid();

    ++storage->NumberOfStartsSinceLastUpload;

    dialogs = new Dialogs(storage.get(), this, QStringLiteral("dialogs"));
    dialogs->setPicsAlsoInInvitations(slideShow);

    showPursesCount();
    pursesLabel->setAlignment(Qt::AlignCenter);
    pursesLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    connect(dialogs, &Dialogs::QuitEvent, this, &ZUVWindow::ProcessQuitEvent);
    connect(this, &ZUVWindow::QuitEvent, this, &ZUVWindow::ProcessQuitEvent);

    quitTimer = new QTimer(this);
    quitTimer->setObjectName(QStringLiteral("quitTimer"));
    quitTimer->setSingleShot(true);
    connect(quitTimer, &QTimer::timeout, this, &ZUVWindow::Quit);

    usage = new Usage(this, QStringLiteral("usage observer"));
    usage->startObservation(storage->TotalEvents);

    // From here on every user event is recorded.
    connect(slideShow, &SlideShow::Event, this, &ZUVWindow::EventOccurred);
    connect(countTable, &CountTable::Event, this, &ZUVWindow::EventOccurred);
    connect(this, &ZUVWindow::Event, this, &ZUVWindow::EventOccurred);
    connect(dialogs, &Dialogs::Event, this, &ZUVWindow::EventOccurred);

    const bool forbidden = (storage->SettingsFlags & ClientStorage::HasSeenSettings) &&
                           !(storage->SettingsFlags & ClientStorage::AllowsObservation);
    usage->toggleObservationAllowed(!forbidden);

    storage->Sessions.append(Session());
    setEnabled(true);
}

// The stored size of a first start (and one kept from a narrower layout)
// leaves coin columns of the grid behind a scroll bar. The window then grows
// to what its widgets ask for, which gives the grid all eight columns, as far
// as the screen allows; a wider stored size is the participant's own and
// stays. The pictures are loaded first: their size is part of the request.
void ZUVWindow::widenForTheWholeGrid()
{
    const QRect room = screen()->availableGeometry();
    const int frameWidth = frameGeometry().width() - width();
    const int wanted = qMin(sizeHint().width(), room.width() - frameWidth);
    if (width() >= wanted)
        return;
    resize(wanted, height());
    const int right = x() + frameWidth + wanted;
    if (right > room.right() + 1)
        move(qMax(room.left(), room.right() + 1 - frameWidth - wanted), y());
}

// A data file that is there but cannot be read is the participant's data: he
// decides whether to start afresh (the file is then kept aside before it is
// first saved over) or to end the program.
void ZUVWindow::loadDataFile(DataFileReading* early)
{
    try {
        const int code = early ? early->take(storage) : storage->loadFromDisk(DATAFILE_NAME);
        if (code != ZUV_NO_ERROR)
            storage->setDefaultValues();
    } catch (const myException& failure) {
        setEnabled(false);
        show();
        const int answer = askUser(this, BoxIcon::Warning, tr("file error"), errorMessageAndSolution(failure.code()),
                                   tr("Ignore\nsaved data."), tr("Quit now"));
        if (answer != 0)
            throw;
        storage->setDefaultValues();
    }
}

void ZUVWindow::showPursesCount()
{
    pursesLabel->setText(tr(pursesLabelPrefix) + QString::number(storage->NumFullPurses));
}

void ZUVWindow::storePurseAndWindowPosAndUsageInto(ClientStorage* target, CountTable* table, Usage* observer)
{
    if (target->Sessions.isEmpty())
        target->Sessions.append(Session());
    Session& current = target->Sessions.last();
    if (table->sum() != 0) {
        ++target->NumFullPurses;
        current.SetPurseFromCounttableArray(table->toVectorArray());
    }
    current.observation = observer->events();
    target->TotalEvents = observer->counters();
    target->WindowPositionSize.position = pos();
    target->WindowPositionSize.size = size();
}

void ZUVWindow::increaseCurrent()
{
    countTable->increaseCell(slideShow->countryIndex() - 1, slideShow->coinIndex());
}

void ZUVWindow::decreaseCurrent()
{
    countTable->decreaseCell(slideShow->countryIndex() - 1, slideShow->coinIndex());
}

void ZUVWindow::changeToCoinOfCell(unsigned row, unsigned column)
{
    slideShow->switchToCoin(column, row + 1);
}

void ZUVWindow::changeFocus(unsigned coin, unsigned country)
{
    countTable->setFocusToCell(country - 1, coin);
}

void ZUVWindow::EventOccurred(const QString& eventname)
{
    usage->StoreEvent(eventname);
}

void ZUVWindow::buttonInsertPressed()
{
    Q_EMIT Event(QStringLiteral("Insert"));
}

void ZUVWindow::buttonTakeAwayPressed()
{
    Q_EMIT Event(QStringLiteral("TakeAway"));
}

void ZUVWindow::readyPressed(int button)
{
    switch (button) {
    case ButtonSaveAndQuit:
        Q_EMIT Event(QStringLiteral("SaveQuit"));
        Q_EMIT QuitEvent(ZUV_NO_ERROR);
        break;
    case ButtonUpload:
        Q_EMIT Event(QStringLiteral("Upload"));
        uploadPurses();
        break;
    case ButtonSettings:
        Q_EMIT Event(QStringLiteral("Settings"));
        dialogs->startSettingsDialog(false, false);
        storage->SettingsFlags |= ClientStorage::HasSeenSettings;
        usage->toggleObservationAllowed(storage->SettingsFlags & ClientStorage::AllowsObservation);
        break;
    case ButtonDataAnalysis:
        Q_EMIT Event(QStringLiteral("SeeDataAnalysis"));
        offerDataAnalysis();
        Q_EMIT Event(QStringLiteral("SeeDataAnalysisClosed"));
        break;
    case ButtonAbout:
        Q_EMIT Event(QStringLiteral("About"));
        showAbout();
        Q_EMIT Event(QStringLiteral("AboutDialogClosed"));
        break;
    case ButtonInvite:
        Q_EMIT Event(QStringLiteral("Invitations"));
        dialogs->CopyFromThenExecInvitationWindowAndCopyTo(storage->InvitationList);
        Q_EMIT Event(QStringLiteral("InvitationsClosed"));
        break;
    case ButtonJustQuit:
        Q_EMIT Event(QStringLiteral("Quit"));
        checkDiscardAndQuit();
        break;
    default:
        qDebug() << "no known button...in ZUVWindow::readyPressed(int button)";
        return;
    }
    if (QAbstractButton* pressed = actionButtons->button(button))
        pressed->setDown(false);
}

void ZUVWindow::uploadPurses()
{
    if (!storage->NecessarySettingsOK()) {
        Q_EMIT Event(QStringLiteral("Settings"));
        dialogs->startSettingsDialog(true, !(storage->SettingsFlags & ClientStorage::HasSeenSettings));
        storage->SettingsFlags |= ClientStorage::HasSeenSettings;
    }
    storePurseAndWindowPosAndUsageInto(storage.get(), countTable, usage);
    if (!storage->NecessarySettingsOK())
        return;
    try {
        if (!dialogs->openClientForUploadAndIfSuccessStoreEverything())
            return;
    } catch (const NetErr&) {
        dialogs->hideClient();
        return;
    }
    showPursesCount();
    countTable->reset();
    if (QAbstractButton* upload = actionButtons->button(ButtonUpload))
        upload->setEnabled(false);
    quitting = true;
    dialogs->goodbyeShow(slideShow);
    Q_EMIT programFinished(ZUV_NO_ERROR);
}

void ZUVWindow::offerDataAnalysis()
{
    BoxRequest box;
    box.parent = this;
    box.title = tr("See data analysis");
    box.text = tr("The project's results and your own countings can be shown here, in a window of their own."
                  "\n\nOr watch results online: ") +
               QStringLiteral(ZUV_HTTP(ZUV_RESULTS_PAGE));
    box.buttons =
        QStringList{tr("OK, try to open the page now"), tr("Cancel, I remember the URL"), tr("Show the results here")};
    box.escapeButton = 1;
    switch (askUser(box)) {
    case 0:
        Q_EMIT Event(QStringLiteral("BrowseResults"));
        openBrowser(QStringLiteral(ZUV_HTTP(ZUV_RESULTS_PAGE)));
        break;
    case 2:
        Q_EMIT Event(QStringLiteral("ShowResultsHere"));
        showResultsWindow();
        break;
    default:
        break;
    }
}

void ZUVWindow::showResultsWindow()
{
    if (!resultsWindow) {
        QString failure;
        const ResultsWindowMaker makeResultsWindow = resultsWindowMaker(&failure);
        if (!makeResultsWindow) {
            askUser(this, BoxIcon::Warning, QStringLiteral("See data analysis"),
                    tr("The results window cannot be opened:\n%1").arg(failure));
            return;
        }
        resultsWindow =
            makeResultsWindow(*storage, ARCHIVEFILE_NAME,
                              QUrl(QStringLiteral(ZUV_HTTP(ZUV_WEB_HOST)) + zuv::RESULTS_JSON_PATH), this);
        resultsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    resultsWindow->show();
    resultsWindow->raise();
    resultsWindow->activateWindow();
}

void ZUVWindow::showAbout()
{
    switch (dialogs->runAboutBox()) {
    case Dialogs::AboutDownload:
        Q_EMIT Event(QStringLiteral("BrowseDownload"));
        openBrowser(QStringLiteral(ZUV_HTTP(ZUV_DOWNLOAD_PAGE)));
        break;
    case Dialogs::AboutHomepage:
        Q_EMIT Event(QStringLiteral("BrowseHomepage"));
        openBrowser(QStringLiteral(ZUV_HTTP(ZUV_HOME_PAGE)));
        break;
    default:
        break;
    }
}

void ZUVWindow::checkDiscardAndQuit()
{
    if (countTable->sum() != 0) {
        const int answer = askUser(this, BoxIcon::Warning, tr("ZUV loosing your data"),
                                   tr("If you quit now, this table will be lost!\n\nRather press 'SAVE' or "
                                      "'UPLOAD', if you want to have it stored."),
                                   tr("OK, I will not quit"), tr("Quit anyway"));
        if (answer == 0) {
            Q_EMIT Event(QStringLiteral("DontQuitAndLooseDataButReturn"));
            return;
        }
        Q_EMIT Event(QStringLiteral("ProgramTerminated"));
        countTable->reset(); // the counted coins must not be stored
    } else {
        Q_EMIT Event(QStringLiteral("ProgramTerminated"));
    }
    Q_EMIT QuitEvent(ZUV_USER_DISCARDS_COUNTTABLE_AND_QUITS);
}

void ZUVWindow::ProcessQuitEvent(int reason)
{
    if (quitTimer->isActive())
        quitTimer->stop();
    quitReason = reason;
    quitTimer->start(quitDelayMs);
}

void ZUVWindow::Quit()
{
    quitting = true;
    storePurseAndWindowPosAndUsageInto(storage.get(), countTable, usage);
    const int code = storage->saveToDisk(DATAFILE_NAME);
    hide();

    if (code != ZUV_NO_ERROR && quitReason != ZUV_USER_KILLS_PROGRAM_WITH_X) {
        const int answer = askUser(this, BoxIcon::Warning, tr("ZUV cannot save your data"),
                                   ERRORSAVING.arg(code).arg(DATAFILE_NAME, DATAFILE_NAME),
                                   tr("OK, I try my best.\nPlease return to the program"),
                                   tr("No, quit anyway and\ndiscard my data of this session"));
        if (answer == 0) {
            Q_EMIT Event(QStringLiteral("WriteErrorDialogReturn"));
            quitting = false;
            show();
            return;
        }
        Q_EMIT Event(QStringLiteral("WriteErrorDialogDiscard"));
        Q_EMIT Event(QStringLiteral("ProgramTerminated"));
        Q_EMIT programFinished(code);
        return;
    }

    // The farewell closes every ending the participant chose; a refusal to
    // take part and the window manager's close end at once. The quit reason
    // stays the exit status ("just QUIT" ends with its own code).
    if (quitReason != USER_DOESNT_WANT_TO_INPUT_NECESSARY_DATA && quitReason != ZUV_USER_KILLS_PROGRAM_WITH_X) {
        dialogs->goodbyeShow(slideShow);
        Q_EMIT Event(QStringLiteral("ProgramTerminated"));
        quitquit();
        return;
    }
    quitquit();
    Q_EMIT Event(QStringLiteral("ProgramTerminated"));
}

void ZUVWindow::quitquit()
{
    Q_EMIT programFinished(quitReason);
}

void ZUVWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (quitting) {
        // A logout or shutdown while the program is already ending: that
        // ending is finished, not another one started, which would count the
        // purse again. Its farewell ends now, its save-error box is left as
        // by Escape.
        if (QWidget* running = QApplication::activeModalWidget())
            running->close();
        return;
    }
    // The close replaces a quit request that is still waiting.
    if (quitTimer)
        quitTimer->stop();
    quitReason = ZUV_USER_KILLS_PROGRAM_WITH_X;
    Q_EMIT Event(QStringLiteral("ProgramTerminatedBySysbarOrAltF4"));
    Quit();
}
