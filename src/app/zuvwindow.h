// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class ClientStorage;
class CountTable;
class DataFileReading;
class Dialogs;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QTimer;
class SlideShow;
class Usage;

// The program's one main window: the coin pictures on the left, the Insert and
// Take Away buttons, the counting grid and the column of action buttons. It
// owns the whole client state, the usage observer and the dialogs, and every
// way of ending the program goes through its quit reason.
class ZUVWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Ids of the action buttons in their group.
    enum ActionButton {
        ButtonSaveAndQuit = 0,
        ButtonUpload = 1,
        ButtonSettings = 2,
        ButtonDataAnalysis = 3,
        ButtonAbout = 4,
        ButtonInvite = 5,
        ButtonJustQuit = 6,
    };

    explicit ZUVWindow(QWidget* parent = nullptr, const QString& name = QString(), Qt::WindowFlags flags = {});
    ~ZUVWindow() override;

    // A top-level frame with border, title, system menu, minimise, maximise and close buttons.
    static Qt::WindowFlags mainWindowFlags();

    // The one-time start-up: load the data file, restore the geometry, load
    // the coin pictures, count the start and begin this run's session. The
    // data file is taken from early, a reading of it started before the
    // window was built, when given.
    void initializeEverything(DataFileReading* early = nullptr);

    // Puts the counted purse (when there is one), this run's events and the
    // event totals and the window geometry into the given state.
    void storePurseAndWindowPosAndUsageInto(ClientStorage* target, CountTable* table, Usage* observer);

    const ClientStorage& clientState() const;

public Q_SLOTS:
    void increaseCurrent();
    void decreaseCurrent();
    void changeToCoinOfCell(unsigned row, unsigned column);
    void changeFocus(unsigned coin, unsigned country);
    void readyPressed(int button);
    void EventOccurred(const QString& eventname);
    void buttonInsertPressed();
    void buttonTakeAwayPressed();

Q_SIGNALS:
    void Event(const QString& name);
    void QuitEvent(int reason);
    // The program is over; the entry point ends the event loop with this status.
    void programFinished(int status);

protected:
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void ProcessQuitEvent(int reason);
    void Quit();
    void quitquit();

private:
    void loadDataFile(DataFileReading* early);
    void widenForTheWholeGrid();
    void showPursesCount();
    void uploadPurses();
    void offerDataAnalysis();
    void showResultsWindow();
    void showAbout();
    void checkDiscardAndQuit();

    SlideShow* slideShow = nullptr;
    CountTable* countTable = nullptr;
    std::unique_ptr<ClientStorage> storage;
    Usage* usage = nullptr;
    QGroupBox* buttonGroup = nullptr;
    QButtonGroup* actionButtons = nullptr;
    QLabel* pursesLabel = nullptr;
    Dialogs* dialogs = nullptr;
    QTimer* quitTimer = nullptr;
    int quitReason = 0;
    // From the start of Quit() (or of the farewell after an upload) until the
    // participant returns to the program: a request to close finishes it.
    bool quitting = false;
    QPointer<QWidget> resultsWindow; // one at a time; it deletes itself when closed
};
