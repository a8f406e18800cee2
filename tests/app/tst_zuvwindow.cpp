// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"
#include "common/filebytes.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

#include "app/datafilereading.h"
#include "app/zuvwindow.h"
#include "common/config.h"
#include "common/constants.h"
#include "common/exceptions.h"
#include "counting/counttable.h"
#include "counting/slideshow.h"
#include "net/client.h"
#include "net/serveranswer.h"
#include "storage/clientstorage.h"
#include "usage/usage.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

#include <memory>
#include <optional>

namespace {

// Long enough for the 500 ms quit delay and the three seconds of the farewell.
constexpr int quitWaitMs = 8000;

// A stored state that starts quietly: the picture summary is switched off.
ClientStorage quietState()
{
    ClientStorage state;
    state.setDefaultValues();
    state.SettingsFlags |= ClientStorage::NoLoadPicsNagger;
    return state;
}

QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Whether a library whose file name begins with `name` is loaded into the process.
bool libraryLoaded(const QByteArray& name, const QString& process = QStringLiteral("self"))
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(process));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains('/' + name);
}

QStringList recordedEvents(const ZUVWindow& window)
{
    const auto* usage = window.findChild<Usage*>(QStringLiteral("usage observer"));
    QStringList names;
    for (const UserEvent& event : usage->events())
        names << usage->nameOf(event.id);
    return names;
}

// The picture summary, shown when there is no pics/ folder, is accepted unless `summary` does something else.
// With `early`, the data file comes from a reading started before the window, as the program starts.
std::unique_ptr<ZUVWindow> startWindow(const std::function<void(QDialog*)>& summary = {},
                                       DataFileReading* early = nullptr)
{
    whenModalAppears(QStringLiteral("picdialog"), [summary](QWidget* modal) {
        if (summary)
            summary(static_cast<QDialog*>(modal));
        static_cast<QDialog*>(modal)->accept();
    });
    auto window = std::make_unique<ZUVWindow>(nullptr, QStringLiteral("ZUVWindow"), ZUVWindow::mainWindowFlags());
    window->resize(600, 440);
    window->initializeEverything(early);
    return window;
}

// The menu entry's command, split at its blanks.
QStringList menuCommand()
{
    const QSettings entry(QStringLiteral(ZUV_DESKTOP_FILE), QSettings::IniFormat);
    return entry.value(QStringLiteral("Desktop Entry/Exec")).toString().split(QLatin1Char(' '));
}

// One way the program ends, and what it leaves behind.
struct Ending
{
    QString button{};              // clicked once per answer list; none: the window is closed at rest
    QList<QList<int>> answers{{}}; // the boxes' answers, a list per click
    int coinsOf50c = 0;            // counted in Finland's row before
    bool blocked = false;          // a folder stands in the data file's place, until a second click
    // The window manager closes the window during the ending's next modal; settings are done, a server accepts.
    bool closed = false;
    int status = 0;
    int fullPurses = 0;
    int sessions = 1;
    int savedCents = 0;
};

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestZuvWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void firstStartShowsTheDefaults();
    void windowShowsEveryCoinColumn_data();
    void windowShowsEveryCoinColumn();
    void endings_data();
    void endings();
    void damagedDataFileAsksTheParticipant();
    void aboutAndResultsOfferThePages();
    // The real program, started twice from its menu entry, ended by a logout, then by Ctrl+C.
    void signalsSaveAndEndLikeTheCloseBox();

private:
    std::optional<QTemporaryDir> dir; // every test runs in a new, empty working folder
};

void TestZuvWindow::init()
{
    dir.emplace();
    QVERIFY(dir->isValid());
    QVERIFY(QDir::setCurrent(dir->path()));
}

void TestZuvWindow::firstStartShowsTheDefaults()
{
    BoxScript boxes;
    bool summaryShown = false;
    auto window = startWindow([&](QDialog* summary) {
        summaryShown = true;
        summary->findChild<QCheckBox*>()->setChecked(true); // "Don't show this again"
    });

    QVERIFY(summaryShown); // no pics/ folder: every coin is drawn and the participant is told
    QVERIFY(window->isEnabled());
    QVERIFY(!window->windowTitle().contains(QLatin1Char('%'))); // the version and the build date are filled in

    const ClientStorage& state = window->clientState();
    QCOMPARE(state.NumberOfStartsSinceLastUpload, quint16(1));
    QCOMPARE(state.Sessions.size(), 1);
    QVERIFY(state.SettingsFlags & ClientStorage::NoLoadPicsNagger);

    // The grid and the slide show follow each other.
    auto* show = window->findChild<SlideShow*>();
    auto* table = window->findChild<CountTable*>();
    QVERIFY(show);
    QVERIFY(table);
    // Insert counts the shown coin: 1 cent of Austria is row 0, column 0.
    button(window.get(), "buttonInsert")->click();
    button(window.get(), "buttonInsert")->click();
    unsigned count = 0;
    QVERIFY(table->value(0, 0, count));
    QCOMPARE(count, 2u);
    // Stepping the slide show moves the grid's focus to the shown coin.
    button(show, "next coin")->click();
    button(show, "next country")->click();
    QCOMPARE(QPoint(table->grid()->currentColumn(), table->grid()->currentRow()), QPoint(1, 1));
    button(window.get(), "buttonTakeAway")->click();
    QVERIFY(table->value(1, 1, count));
    QCOMPARE(count, 0u);
    // Clicking a cell shows its coin: row 4 is France (country 5), column 7 the 2 Euro coin.
    table->cellClicked(4, 7);
    QCOMPARE(QPoint(int(show->coinIndex()), int(show->countryIndex())), QPoint(7, 5));

    QCOMPARE(boxes.count(), 0);
}

// The test's screen is 1024 by 768 (screen-1024x768.json).
void TestZuvWindow::windowShowsEveryCoinColumn_data()
{
    QTest::addColumn<QRect>("stored"); // empty: no data file
    QTest::addColumn<bool>("storedSizeStays");
    QTest::newRow("first start") << QRect() << false;
    QTest::newRow("too narrow at the right edge") << QRect(700, 10, 500, 400) << false;
    QTest::newRow("wide enough") << QRect(5, 6, 1000, 600) << true;
}

void TestZuvWindow::windowShowsEveryCoinColumn()
{
    QFETCH(QRect, stored);
    QFETCH(bool, storedSizeStays);
    if (!stored.isEmpty()) {
        ClientStorage state = quietState();
        state.WindowPositionSize.position = stored.topLeft();
        state.WindowPositionSize.size = stored.size();
        QVERIFY(state.saveToDisk(DATAFILE_NAME) == ZUV_NO_ERROR);
    }
    auto window = startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QTableWidget* grid = window->findChild<CountTable*>()->grid();
    for (int column = 0; column < NUM_COINS; ++column) {
        const QRect cell = grid->visualRect(grid->model()->index(0, column));
        QVERIFY2(QRegion(cell).subtracted(grid->viewport()->visibleRegion()).isEmpty(),
                 qPrintable(QString::number(column)));
    }
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    if (storedSizeStays)
        QCOMPARE(QRect(window->pos(), window->size()), stored);
}

void TestZuvWindow::endings_data()
{
    QTest::addColumn<Ending>("ending");
    const auto row = [](const char* name, const Ending& ending) { QTest::newRow(name) << ending; };
    const QString quit = QStringLiteral("button Ready and Quit"), upload = QStringLiteral("button Ready and Upload");
    row("save and quit, nothing counted", {.button = quit});
    row("save and quit", {.button = quit, .coinsOf50c = 12, .fullPurses = 1, .savedCents = 600});
    // "OK, I try my best...": the counting stays, the next try saves it (stored, and counted, once per try).
    row("save fails, back to the program",
        {.button = quit, .answers = {{0}, {}}, .coinsOf50c = 8, .blocked = true, .fullPurses = 2, .savedCents = 400});
    // First "OK, I will not quit", then "Quit anyway".
    row("just quit", {.button = QStringLiteral("button resetquit"),
                      .answers = {{0}, {1}},
                      .coinsOf50c = 3,
                      .status = ZUV_USER_DISCARDS_COUNTTABLE_AND_QUITS});
    // "No, I don't", "Quit, I don't participate", the page box: the purse is kept and the settings were seen.
    // It is counted before the upload and again before the last save, into the same session.
    row("settings refused before an upload", {.button = upload,
                                              .answers = {{1, 1, 0}},
                                              .coinsOf50c = 4,
                                              .status = USER_DOESNT_WANT_TO_INPUT_NECESSARY_DATA,
                                              .fullPurses = 2,
                                              .savedCents = 200});
    row("closed at rest",
        {.coinsOf50c = 1, .closed = true, .status = ZUV_USER_KILLS_PROGRAM_WITH_X, .fullPurses = 1, .savedCents = 50});
    // A close while the program ends finishes that ending: its farewell ends, its save-error box gets Escape.
    row("closed during the farewell",
        {.button = quit, .coinsOf50c = 1, .closed = true, .fullPurses = 1, .savedCents = 50});
    row("closed during the save-error box", {.button = quit,
                                             .coinsOf50c = 1,
                                             .blocked = true,
                                             .closed = true,
                                             .status = ZUV_FILE_WRITE_OPENING_ERROR,
                                             .sessions = 0});
    row("closed during an upload's farewell", {.button = upload, .coinsOf50c = 1, .closed = true, .sessions = 0});
}

void TestZuvWindow::endings()
{
    QFETCH(Ending, ending);
    ScriptedServer server;
    ServerAnswer accepted;
    accepted.flags = ServerAnswer::AnswerOK;
    server.reply(answerMessage(accepted));
    ClientStorage state = quietState();
    if (ending.closed) {
        state.SettingsFlags |= ClientStorage::NecessFilledIn;
        state.ServerAddress = "127.0.0.1";
        state.ServerPort = server.port();
    }
    QVERIFY(state.saveToDisk(DATAFILE_NAME) == ZUV_NO_ERROR);
    std::optional<BoxScript> boxes; // boxes are shown for real when the window is closed during them
    if (!ending.closed || ending.button.isEmpty())
        boxes.emplace();
    auto window = startWindow();
    QSignalSpy finished(window.get(), &ZUVWindow::programFinished);
    if (ending.coinsOf50c)
        window->findChild<CountTable*>()->setValue(2, 5, unsigned(ending.coinsOf50c));
    if (ending.blocked) { // cannot be written, not even by root
        QVERIFY(QFile::remove(DATAFILE_NAME));
        QVERIFY(QDir().mkdir(DATAFILE_NAME));
    }

    // Should the farewell or the box stay open after the close, it is closed later.
    const auto closeDuringTheNextModal = [&window] {
        whenModalAppears(
            [&window](QWidget* modal) {
                window->close();
                QTimer::singleShot(quitWaitMs, modal, &QWidget::close);
            },
            quitWaitMs);
    };
    if (ending.closed && ending.button == QLatin1String("button Ready and Quit"))
        closeDuringTheNextModal();
    else if (ending.closed && !ending.button.isEmpty())
        whenModalAppears(QStringLiteral("client"), [&](QWidget* dialog) {
            auto* client = dialog->findChild<Client*>();
            client->openButton()->click();
            QTRY_VERIFY_WITH_TIMEOUT(client->uploadSucceeded(), quitWaitMs);
            client->quit();
            closeDuringTheNextModal();
        });
    if (ending.button.isEmpty())
        window->close(); // no farewell, no question
    qsizetype asked = 0;
    for (qsizetype click = 0; click < ending.answers.size() && !ending.button.isEmpty(); ++click) {
        if (ending.blocked && click > 0 && click + 1 == ending.answers.size())
            QVERIFY(QDir().rmdir(DATAFILE_NAME));
        for (int answer : ending.answers[click])
            boxes->answerNext(answer);
        asked += ending.answers[click].size();
        button(window.get(), qPrintable(ending.button))->click(); // an upload ends within the click
        if (boxes)
            QTRY_COMPARE_WITH_TIMEOUT(boxes->count(), asked, quitWaitMs); // a box per answer, no farewell box
        if (click + 1 < ending.answers.size())
            QVERIFY(!finished.wait(800)); // the participant chose to stay
    }
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), quitWaitMs);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), ending.status);
    if (boxes)
        QCOMPARE(boxes->count(), asked); // no further question
    if (QFileInfo(DATAFILE_NAME).isDir())
        return; // the save failed to the end
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(int(saved.NumFullPurses), ending.fullPurses);
    QCOMPARE(saved.Sessions.size(), ending.sessions);
    QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(ending.sessions)); // an upload starts the count anew
    if (ending.sessions) {
        QCOMPARE(int(saved.Sessions.last().sumOfCents()), ending.savedCents);
        QVERIFY(!saved.Sessions.last().observation.isEmpty());
    }
    QCOMPARE(bool(saved.SettingsFlags & ClientStorage::HasSeenSettings),
             !ending.closed && ending.button == QLatin1String("button Ready and Upload"));
    QCOMPARE(saved.NecessarySettingsOK(), ending.closed);
}

void TestZuvWindow::damagedDataFileAsksTheParticipant()
{
    ClientStorage state = quietState();
    Session counted;
    counted.insertCoins(7, 3, 2);
    state.Sessions.append(counted);
    QVERIFY(state.saveToDisk(DATAFILE_NAME) == ZUV_NO_ERROR);
    QByteArray bytes = readAll(DATAFILE_NAME);
    // The last pile's count byte sits before the invitation count (2 bytes) at the end.
    bytes[bytes.size() - 3] = char(0x05);
    QVERIFY(writeAll(DATAFILE_NAME, bytes));

    // Read on a thread of its own while the window is built, the damaged file asks all the same.
    {
        BoxScript boxes({1}); // "Quit now"
        DataFileReading reading(DATAFILE_NAME);
        QVERIFY_THROWS_EXCEPTION(FileErr, startWindow({}, &reading)); // its code is named by the box
        QCOMPARE(boxes.count(), 1);
        QVERIFY(
            boxes.last().text.startsWith(QStringLiteral("ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS\nPossible solution:")));
    }

    BoxScript boxes({0}); // "Ignore\nsaved data."
    DataFileReading reading(DATAFILE_NAME);
    auto window = startWindow({}, &reading);
    QCOMPARE(window->clientState().Sessions.size(), 1); // defaults plus this run's session
    QSignalSpy finished(window.get(), &ZUVWindow::programFinished);
    window->close();
    QCOMPARE(finished.count(), 1);
    // The unreadable file was kept aside, byte for byte, before it was saved over.
    QCOMPARE(readAll(DATAFILE_NAME + QStringLiteral(".damaged")), bytes);
}

void TestZuvWindow::aboutAndResultsOfferThePages()
{
    QVERIFY(quietState().saveToDisk(DATAFILE_NAME) == ZUV_NO_ERROR);
    // About: homepage, its page box; results: open the page, its page box; cancel; here, twice.
    BoxScript boxes({1, 0, 0, 0, 1, 2, 2});
    auto window = startWindow();
    // The results window's charts are loaded when it is first opened, not at the start.
    QCOMPARE(libraryLoaded("libQt6Charts"), false);
    button(window.get(), "button about project")->click();
    for (int press = 0; press < 4; ++press)
        button(window.get(), "button go to WebSite")->click();
    // Escape keeps the results box's old meaning: "Cancel, I remember the URL".
    QCOMPARE(boxes.shown().at(2).escapeButton, 1);
    QCOMPARE(boxes.count(), 7);
    QCOMPARE(libraryLoaded("libQt6Charts"), true);
    const QList<QWidget*> shown = window->findChildren<QWidget*>(QStringLiteral("results window"));
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first()->isVisible());
    // Screen readers announce each of the program's windows as a window.
    for (QWidget* open : QApplication::topLevelWidgets())
        if (open->isVisible())
            QCOMPARE(QAccessible::queryAccessibleInterface(open)->role(), QAccessible::Window);

    // The way each answer went, in order; the cancel went nowhere.
    QCOMPARE(recordedEvents(*window).filter(QRegularExpression(QStringLiteral("^(Browse|ShowResults)"))),
             (QStringList{"BrowseHomepage", "BrowseResults", "ShowResultsHere", "ShowResultsHere"}));
    QVERIFY(!button(window.get(), "button about project")->isDown());
}

void TestZuvWindow::signalsSaveAndEndLikeTheCloseBox()
{
    QTemporaryDir home, folder;
    QVERIFY(home.isValid());
    QVERIFY(folder.isValid());
    const QString dataFile = home.filePath(QStringLiteral("share/zuv/") + DATAFILE_NAME);
    const QStringList command = menuCommand();
    QCOMPARE(command.first(), QStringLiteral("zuv"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("share")));
    const QString styleSheet = home.filePath(QStringLiteral("plain.qss"));
    QVERIFY(writeAll(styleSheet, "QWidget {}"));

    // An unknown option is a usage error, told apart from every status of the program's own.
    QProcess wrong;
    wrong.setProcessEnvironment(environment);
    wrong.start(QStringLiteral(ZUV_BINARY), {QStringLiteral("--no-such-option")});
    QVERIFY(wrong.waitForFinished(15000));
    QCOMPARE(wrong.exitCode(), 64);

    // The first run finds no data file, the second one its own. The toolkit's options are the toolkit's.
    const QStringList toolkitOptions[] = {{QStringLiteral("-reverse")}, {QStringLiteral("-stylesheet"), styleSheet}};
    for (int run = 1; run <= 2; ++run) {
        QProcess zuv;
        zuv.setWorkingDirectory(folder.path());
        zuv.setProcessEnvironment(environment);
        zuv.start(QStringLiteral(ZUV_BINARY), command.mid(1) + toolkitOptions[run - 1]);
        QVERIFY(zuv.waitForStarted());
        QTest::qWait(2500); // start-up takes well under this on the offscreen platform
        QCOMPARE(zuv.state(), QProcess::Running);
        // What only the results window and the upload need is not loaded by a start.
        QCOMPARE(libraryLoaded("libQt6Charts", QString::number(zuv.processId())), false);
        QCOMPARE(libraryLoaded("libQt6Network", QString::number(zuv.processId())), false);
        ::kill(static_cast<pid_t>(zuv.processId()), run == 1 ? SIGTERM : SIGINT); // a logout, then Ctrl+C
        QVERIFY(zuv.waitForFinished(15000));
        QCOMPARE(zuv.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zuv.exitCode(), int(ZUV_USER_KILLS_PROGRAM_WITH_X));

        ClientStorage saved;
        QCOMPARE(saved.loadFromDisk(dataFile), int(ZUV_NO_ERROR));
        QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(run));
        QCOMPARE(saved.Sessions.size(), run);                               // every run appends its session
        QCOMPARE(saved.Sessions.last().observation.first().id, quint16(0)); // "Start"
        QCOMPARE_GE(saved.WindowPositionSize.size.width(), 600);
        QCOMPARE_GE(saved.WindowPositionSize.size.height(), 400);
    }
    // The participant's data folder is owner-only, and nothing lands where the menu started the program.
    const auto groupOrOthers =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QVERIFY(!(QFile::permissions(home.filePath(QStringLiteral("share/zuv"))) & groupOrOthers));
    QVERIFY(!(QFile::permissions(dataFile) & groupOrOthers));
    QVERIFY(QDir(folder.path()).isEmpty());
}

QTEST_MAIN(TestZuvWindow)
#include "tst_zuvwindow.moc"
