#include "common/boxscript.h"
#include "common/filebytes.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

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
std::unique_ptr<ZUVWindow> startWindow(const std::function<void(QDialog*)>& summary = {})
{
    whenModalAppears(QStringLiteral("picdialog"), [summary](QWidget* modal) {
        if (summary)
            summary(static_cast<QDialog*>(modal));
        static_cast<QDialog*>(modal)->accept();
    });
    auto window = std::make_unique<ZUVWindow>(nullptr, QStringLiteral("ZUVWindow"), ZUVWindow::mainWindowFlags());
    window->resize(600, 440);
    window->initializeEverything();
    return window;
}

// The menu entry's command, split at its blanks.
QStringList menuCommand()
{
    const QSettings entry(QStringLiteral(ZUV_DESKTOP_FILE), QSettings::IniFormat);
    return entry.value(QStringLiteral("Desktop Entry/Exec")).toString().split(QLatin1Char(' '));
}

} // namespace

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
    // The real program, started twice from its menu entry and ended by a logout each time.
    void signalsSaveAndEndLikeTheCloseBox();

private:
    std::optional<QTemporaryDir> dir; // every test runs in a new, empty working folder
};

void TestZuvWindow::init()
{
    dir.emplace();
    QVERIFY(dir->isValid() && QDir::setCurrent(dir->path()));
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
    QVERIFY(show && table);
    // Insert counts the shown coin: 1 cent of Austria is row 0, column 0.
    button(window.get(), "buttonInsert")->click();
    button(window.get(), "buttonInsert")->click();
    unsigned count = 0;
    QVERIFY(table->value(0, 0, count) && count == 2);
    // Stepping the slide show moves the grid's focus to the shown coin.
    button(show, "next coin")->click();
    button(show, "next country")->click();
    QCOMPARE(QPoint(table->grid()->currentColumn(), table->grid()->currentRow()), QPoint(1, 1));
    button(window.get(), "buttonTakeAway")->click();
    QVERIFY(table->value(1, 1, count) && count == 0);
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
    QTest::addColumn<QString>("ending"); // the button, clicked once per answer list; none: closed at rest
    QTest::addColumn<QList<QList<int>>>("answers");
    QTest::addColumn<int>("coinsOf50c"); // counted in Finland's row before
    QTest::addColumn<bool>("blocked");   // a folder stands in the data file's place, until a second click
    // The window manager closes the window during the ending's next modal; settings are done, a server accepts.
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("fullPurses");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<int>("savedCents");
    const QString quit = QStringLiteral("button Ready and Quit"), upload = QStringLiteral("button Ready and Upload");
    const QList<QList<int>> click{{}};
    QTest::newRow("save and quit, nothing counted") << quit << click << 0 << false << false << 0 << 0 << 1 << 0;
    QTest::newRow("save and quit") << quit << click << 12 << false << false << 0 << 1 << 1 << 600;
    // "OK, I try my best...": the counting stays, the next try saves it (stored, and counted, once per try).
    QTest::newRow("save fails, back to the program")
        << quit << QList<QList<int>>{{0}, {}} << 8 << true << false << 0 << 2 << 1 << 400;
    // First "OK, I will not quit", then "Quit anyway".
    QTest::newRow("just quit") << QStringLiteral("button resetquit") << QList<QList<int>>{{0}, {1}} << 3 << false
                               << false << int(ZUV_USER_DISCARDS_COUNTTABLE_AND_QUITS) << 0 << 1 << 0;
    // "No, I don't", "Quit, I don't participate", the page box: the purse is kept and the settings were seen.
    // It is counted before the upload and again before the last save, into the same session.
    QTest::newRow("settings refused before an upload")
        << upload << QList<QList<int>>{{1, 1, 0}} << 4 << false << false
        << int(USER_DOESNT_WANT_TO_INPUT_NECESSARY_DATA) << 2 << 1 << 200;
    QTest::newRow("closed at rest") << QString() << click << 1 << false << true << int(ZUV_USER_KILLS_PROGRAM_WITH_X)
                                    << 1 << 1 << 50;
    // A close while the program ends finishes that ending: its farewell ends, its save-error box gets Escape.
    QTest::newRow("closed during the farewell") << quit << click << 1 << false << true << 0 << 1 << 1 << 50;
    QTest::newRow("closed during the save-error box")
        << quit << click << 1 << true << true << int(ZUV_FILE_WRITE_OPENING_ERROR) << 0 << 0 << 0;
    QTest::newRow("closed during an upload's farewell") << upload << click << 1 << false << true << 0 << 0 << 0 << 0;
}

void TestZuvWindow::endings()
{
    QFETCH(QString, ending);
    QFETCH(QList<QList<int>>, answers);
    QFETCH(int, coinsOf50c);
    QFETCH(bool, blocked);
    QFETCH(bool, closed);
    QFETCH(int, sessions);
    ScriptedServer server;
    ServerAnswer accepted;
    accepted.flags = ServerAnswer::AnswerOK;
    server.reply(answerMessage(accepted));
    ClientStorage state = quietState();
    if (closed) {
        state.SettingsFlags |= ClientStorage::NecessFilledIn;
        state.ServerAddress = "127.0.0.1";
        state.ServerPort = server.port();
    }
    QVERIFY(state.saveToDisk(DATAFILE_NAME) == ZUV_NO_ERROR);
    std::optional<BoxScript> boxes; // boxes are shown for real when the window is closed during them
    if (!closed || ending.isEmpty())
        boxes.emplace();
    auto window = startWindow();
    QSignalSpy finished(window.get(), &ZUVWindow::programFinished);
    if (coinsOf50c)
        window->findChild<CountTable*>()->setValue(2, 5, unsigned(coinsOf50c));
    if (blocked) // cannot be written, not even by root
        QVERIFY(QFile::remove(DATAFILE_NAME) && QDir().mkdir(DATAFILE_NAME));

    // Should the farewell or the box stay open after the close, it is closed later.
    const auto closeDuringTheNextModal = [&window] {
        whenModalAppears(
            [&window](QWidget* modal) {
                window->close();
                QTimer::singleShot(quitWaitMs, modal, &QWidget::close);
            },
            quitWaitMs);
    };
    if (closed && ending == QLatin1String("button Ready and Quit"))
        closeDuringTheNextModal();
    else if (closed && !ending.isEmpty())
        whenModalAppears(QStringLiteral("client"), [&](QWidget* dialog) {
            auto* client = dialog->findChild<Client*>();
            client->openButton()->click();
            QTRY_VERIFY_WITH_TIMEOUT(client->uploadSucceeded(), quitWaitMs);
            client->quit();
            closeDuringTheNextModal();
        });
    if (ending.isEmpty())
        window->close(); // no farewell, no question
    qsizetype asked = 0;
    for (qsizetype click = 0; click < answers.size() && !ending.isEmpty(); ++click) {
        if (blocked && click > 0 && click + 1 == answers.size())
            QVERIFY(QDir().rmdir(DATAFILE_NAME));
        for (int answer : answers[click])
            boxes->answerNext(answer);
        asked += answers[click].size();
        button(window.get(), qPrintable(ending))->click(); // an upload ends within the click
        if (boxes)
            QTRY_COMPARE_WITH_TIMEOUT(boxes->count(), asked, quitWaitMs); // a box per answer, no farewell box
        if (click + 1 < answers.size())
            QVERIFY(!finished.wait(800)); // the participant chose to stay
    }
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), quitWaitMs);
    QCOMPARE(finished.count(), 1);
    QTEST(finished.first().first().toInt(), "status");
    if (boxes)
        QCOMPARE(boxes->count(), asked); // no further question
    if (QFileInfo(DATAFILE_NAME).isDir())
        return; // the save failed to the end
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QTEST(int(saved.NumFullPurses), "fullPurses");
    QCOMPARE(saved.Sessions.size(), sessions);
    QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(sessions)); // an upload starts the count anew
    if (sessions) {
        QTEST(int(saved.Sessions.last().sumOfCents()), "savedCents");
        QVERIFY(!saved.Sessions.last().observation.isEmpty());
    }
    QCOMPARE(bool(saved.SettingsFlags & ClientStorage::HasSeenSettings),
             !closed && ending == QLatin1String("button Ready and Upload"));
    QCOMPARE(saved.NecessarySettingsOK(), closed);
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

    {
        BoxScript boxes({1});                             // "Quit now"
        QVERIFY_THROWS_EXCEPTION(FileErr, startWindow()); // its code is named by the box
        QCOMPARE(boxes.count(), 1);
        QVERIFY(
            boxes.last().text.startsWith(QStringLiteral("ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS\nPossible solution:")));
    }

    BoxScript boxes({0}); // "Ignore\nsaved data."
    auto window = startWindow();
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

    // The way each answer went, in order; the cancel went nowhere.
    QCOMPARE(recordedEvents(*window).filter(QRegularExpression(QStringLiteral("^(Browse|ShowResults)"))),
             (QStringList{"BrowseHomepage", "BrowseResults", "ShowResultsHere", "ShowResultsHere"}));
    QVERIFY(!button(window.get(), "button about project")->isDown());
}

void TestZuvWindow::signalsSaveAndEndLikeTheCloseBox()
{
    QTemporaryDir home, folder;
    QVERIFY(home.isValid() && folder.isValid());
    const QString dataFile = home.filePath(QStringLiteral("share/zuv/") + DATAFILE_NAME);
    const QStringList command = menuCommand();
    QCOMPARE(command.first(), QStringLiteral("zuv"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("share")));

    for (int run = 1; run <= 2; ++run) { // the first run finds no data file, the second one its own
        QProcess zuv;
        zuv.setWorkingDirectory(folder.path());
        zuv.setProcessEnvironment(environment);
        zuv.start(QStringLiteral(ZUV_BINARY), command.mid(1));
        QVERIFY(zuv.waitForStarted());
        QTest::qWait(2500); // start-up takes well under this on the offscreen platform
        QCOMPARE(zuv.state(), QProcess::Running);
        // What only the results window and the upload need is not loaded by a start.
        QCOMPARE(libraryLoaded("libQt6Charts", QString::number(zuv.processId())), false);
        QCOMPARE(libraryLoaded("libQt6Network", QString::number(zuv.processId())), false);
        ::kill(static_cast<pid_t>(zuv.processId()), SIGTERM);
        QVERIFY(zuv.waitForFinished(15000));
        QCOMPARE(zuv.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zuv.exitCode(), int(ZUV_USER_KILLS_PROGRAM_WITH_X));

        ClientStorage saved;
        QCOMPARE(saved.loadFromDisk(dataFile), int(ZUV_NO_ERROR));
        QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(run));
        QCOMPARE(saved.Sessions.size(), run);                               // every run appends its session
        QCOMPARE(saved.Sessions.last().observation.first().id, quint16(0)); // "Start"
        QVERIFY(saved.WindowPositionSize.size.width() >= 600 && saved.WindowPositionSize.size.height() >= 400);
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
