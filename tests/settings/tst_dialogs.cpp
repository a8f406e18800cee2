// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"
#include "common/eventnames.h"
#include "common/filebytes.h"
#include "common/modaldriver.h"
#include "common/scriptedserver.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "common/languages.h"
#include "net/client.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "settings/recommendernumbersdialog.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <memory>

namespace {

const QColor missingColour(80, 80, 255);
const QColor optionalColour(80, 255, 80);

QColor markOf(const QWidget* widget)
{
    return widget->autoFillBackground() ? widget->palette().color(QPalette::Window) : QColor();
}

// The year item a month chosen today leads to.
int currentYearItem()
{
    const int item = std::max(1, QDate::currentDate().year() - 2001);
    return item > 19 ? 11 : item >= 10 ? 10 : item;
}

QPushButton* button(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

Session countedSession(int coin, int country, unsigned count, int day)
{
    Session session(0, QDateTime(QDate(2002, 6, day), QTime(9, 30)), FORMAT_VERSION);
    session.insertCoins(coin, country, count);
    return session;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void validation_data();
    void validation();
    void savingTheSettings();
    void guessesCoupleMonthAndYear();
    void settingsInGerman();
    void settingsTravelToAndFromTheStorage();
    void builtOnFirstUseWithoutReportingChanges();
    void memberNumbers_data();
    void memberNumbers();
    void editNumbers();
    void uploadsAreArchivedBookedAndSaved();

private:
    void storeNecessary();

    ClientStorage storage;
    std::unique_ptr<Dialogs> dialogs;
    SettingsDialog* settings = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;
};

void TestDialogs::init()
{
    previousDir = QDir::currentPath();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dir->path()));
    storage = ClientStorage();
    storage.setDefaultValues();
    dialogs = std::make_unique<Dialogs>(&storage, nullptr, QStringLiteral("dialogs"));
    settings = dialogs->settingsDialog();
}

void TestDialogs::cleanup()
{
    dialogs.reset();
    QDir::setCurrent(previousDir);
    dir.reset();
}

void TestDialogs::storeNecessary()
{
    storage.Country = 8;
    storage.PostalCode = QStringLiteral("00184");
    storage.CityPopulation = 9;
    storage.SettingsFlags |= ClientStorage::SignedContract | ClientStorage::AllowsObservation;
}

void TestDialogs::validation_data()
{
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<int>("population");
    QTest::addColumn<bool>("contract");
    QTest::addColumn<bool>("observation");
    QTest::addColumn<bool>("forUpload");
    QTest::addColumn<QStringList>("missing"); // the marked fields
    QTest::addColumn<QString>("title");       // of the persuasion box, if any
    QTest::addColumn<QStringList>("said");    // what it says, of the phrases below

    // The spacer item between the euro countries and the others counts as no country.
    QTest::newRow("spacer") << 16 << "12345" << 3 << true << true << false << QStringList{"LabelCountry"}
                            << "ZUV Settings not complete" << QStringList{"where you are"};
    // Two characters of any kind are a postal code; an unsigned second paragraph alone asks nothing.
    QTest::newRow("two letters") << 19 << "AB" << 11 << true << false << false << QStringList{} << "" << QStringList{};
    QTest::newRow("one letter") << 19 << "A" << 11 << true << true << false << QStringList{"LabelPostalCode"}
                                << "ZUV Settings not complete" << QStringList{"where you are"};
    QTest::newRow("no town size") << 5 << "80331" << 0 << true << true << false << QStringList{"LabelPopulation"}
                                  << "ZUV Settings not complete" << QStringList{"where you are"};
    QTest::newRow("contract only") << 15 << "00100" << 2 << false << true << false << QStringList{"paragraph1"}
                                   << "ZUV Settings not complete" << QStringList{"can't participate"};
    QTest::newRow("nothing, for an upload")
        << 0 << "" << 0 << false << false << true
        << QStringList{"LabelCountry", "LabelPostalCode", "LabelPopulation", "paragraph1"}
        << "Please fill in necessary information"
        << QStringList{"Before you can upload", "where you are", "Moreover", "sign \u00a71", "Optional"};
}

void TestDialogs::validation()
{
    QFETCH(int, country);
    QFETCH(QString, postalCode);
    QFETCH(int, population);
    QFETCH(bool, contract);
    QFETCH(bool, observation);
    QFETCH(bool, forUpload);
    QFETCH(QStringList, missing);
    QFETCH(QString, title);
    QFETCH(QStringList, said);
    BoxScript boxes; // "OK, I do"
    settings->Country->setCurrentIndex(country);
    Q_EMIT settings->Country->activated(country);
    settings->PostalCode->setText(postalCode);
    settings->Population->setCurrentIndex(population);
    settings->paragraph1->setChecked(contract);
    settings->paragraph2->setChecked(observation);
    settings->TabWidget2->setCurrentIndex(2);

    QCOMPARE(dialogs->SettingsValidationOK(forUpload),
             int(missing.isEmpty() ? Dialogs::SettingsAcceptable : Dialogs::SettingsReturnToDialog));
    for (const QWidget* field : QList<QWidget*>{settings->LabelCountry, settings->LabelPostalCode,
                                                settings->LabelPopulation, settings->paragraph1})
        QCOMPARE(markOf(field), missing.contains(field->objectName()) ? missingColour : QColor());
    QCOMPARE(markOf(settings->paragraph2), observation ? QColor() : optionalColour);
    // Beyond the last euro country, item 15, the postal code is a country and a city.
    QCOMPARE(settings->LabelPostalCode->text(), country > 15 ? " &Country, City" : " Postal &Code");
    QCOMPARE(boxes.count(), title.isEmpty() ? 0 : 1);
    QCOMPARE(settings->TabWidget2->currentIndex(), title.isEmpty() ? 2 : 0); // back where the missing data is
    if (title.isEmpty())
        return;
    QCOMPARE(boxes.last().title, title);
    for (const char* phrase :
         {"Before you can upload", "where you are", "Moreover", "sign \u00a71", "can't participate", "Optional"})
        QVERIFY2(boxes.last().text.contains(QString::fromUtf8(phrase)) == said.contains(QString::fromUtf8(phrase)),
                 phrase);
}

// A failed save of the settings offers to return to them or to discard; complete settings are saved unasked.
void TestDialogs::savingTheSettings()
{
    QVERIFY(QDir().mkdir(DATAFILE_NAME)); // cannot be written, not even by root
    storeNecessary();
    BoxScript boxes({0, 1}); // first return to the settings, then discard
    int dialogRuns = 0;
    const auto countAndClose = [&dialogRuns](QWidget* modal) {
        ++dialogRuns;
        static_cast<QDialog*>(modal)->accept();
    };
    whenModalAppears(QStringLiteral("SettingsDialogWindow"), countAndClose);
    dialogs->startSettingsDialog(true, false);
    QCOMPARE(dialogRuns, 1);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV cannot save your settings"));
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("Problems with saving the data (error 18)")));
    QVERIFY(storage.NecessarySettingsOK()); // kept in memory for the next save

    QVERIFY(QDir().rmdir(DATAFILE_NAME));
    whenModalAppears(countAndClose, 100);
    dialogs->startSettingsDialog(true, false);
    QTest::qWait(200); // the watch runs out before another test's dialog appears
    QCOMPARE(dialogRuns, 1);
    QCOMPARE(boxes.count(), 2);
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(saved.PostalCode, QStringLiteral("00184"));
    QVERIFY(saved.NecessarySettingsOK());
}

void TestDialogs::guessesCoupleMonthAndYear()
{
    settings->OpinionTabOn->setChecked(true); // the guesses' box is usable
    QComboBox* year = settings->MixdateYear;
    QComboBox* month = settings->MixdateMonth;
    const auto choose = [](QComboBox* box, int item) {
        box->setCurrentIndex(item);
        Q_EMIT box->activated(item);
    };

    // A month without a year takes the current year's item; a range carries no month.
    choose(month, 5);
    QCOMPARE(year->currentIndex(), currentYearItem());
    QCOMPARE(month->currentIndex(), year->currentText().contains(QLatin1Char('-')) ? 0 : 5);
    choose(year, 3); // 2004
    QVERIFY(month->isEnabled());
    month->setCurrentIndex(5);
    choose(year, 12); // "Never"
    QCOMPARE(month->currentIndex(), 0);
    QVERIFY(!month->isEnabled());

    // Filling from the storage applies the rules too: a year item 0 asks the month rule.
    storage.SettingsFlags |= ClientStorage::OpinionTabOn;
    storage.GuessWhenMixdateYear = 0;
    storage.GuessWhenMixdateMonth = 4;
    dialogs->SettingsCopyFromStorage(storage);
    QCOMPARE(year->currentIndex(), currentYearItem());
}

void TestDialogs::settingsTravelToAndFromTheStorage()
{
    // The e-mail wishes travel both ways in the untouched-dialog loop below.
    settings->ServiceTabOn->setChecked(true);
    settings->email->setText(QStringLiteral("m\u00fcller@example.org"));
    settings->Message->setPlainText(QStringLiteral("hello"));
    dialogs->SettingsCopyToStorage(storage);
    QCOMPARE(storage.eMailAddress, std::string("m\xfcller@example.org"));
    QCOMPARE(storage.Message, QStringLiteral("hello"));
    QVERIFY(storage.SettingsFlags & ClientStorage::ServiceTabOn);
    QVERIFY(storage.SettingsFlags & ClientStorage::SettingsChanged);

    // And back: a member's panel shows the membership.
    storage.Membernumber = 4711;
    storage.MemberSince = QDateTime(QDate(2003, 5, 17), QTime(10, 30));
    storage.Welcome = "Welcome aboard";
    storage.RecommenderMembernumbers = {7, 4294967295u, 0}; // beyond the signed conversion: left out when stored
    dialogs->SettingsCopyFromStorage(storage);
    QCOMPARE(settings->RecommenderMembernumber->text(), QStringLiteral("7, 4294967295, 0"));
    QCOMPARE(settings->email->text(), QStringLiteral("m\u00fcller@example.org"));
    QCOMPARE(settings->MemberNumber->intValue(), 4711);
    QCOMPARE(settings->MemberSince->text(), QStringLiteral("Sat May 17 10:30:00 2003"));
    QCOMPARE(settings->Welcome->toPlainText(), QStringLiteral("Welcome aboard"));
    dialogs->SettingsCopyToStorage(storage);
    QCOMPARE(storage.RecommenderMembernumbers, (QList<quint32>{7, 0}));

    // Opened and accepted untouched, the e-mail wishes stay as stored (of several intervals the weekly, then the
    // bi-monthly one wins), and the message does not count as changed either.
    BoxScript boxes;
    storeNecessary();
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    for (int flags = 0; flags <= 0x7F; ++flags) {
        storage.eMailFlags = quint8(flags);
        whenModalAppears([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        dialogs->startSettingsDialog(false, false);
        const int intervals = flags & 0x07;
        const int kept = (flags & ~0x07) | (intervals >= 4 ? 4 : intervals >= 2 ? 2 : intervals);
        QCOMPARE(storage.eMailFlags, quint8(kept));
    }
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(eventNames(events).count(QStringLiteral("SettingsMessageChanged")), 0);
    // Nor does a stored message that the editor shows in other characters, once it is shown.
    storage.Message = QStringLiteral("a\u00a0b\rc\u2028d\u2029e\r\nf");
    dialogs->SettingsCopyFromStorage(storage);
    events.clear();
    dialogs->SettingsCopyFromStorage(storage);
    QCOMPARE(eventNames(events).count(QStringLiteral("SettingsMessageChanged")), 0);
}

// The dialog is built when first wanted: it then shows the stored settings, and filling it is no change of
// the participant's.
void TestDialogs::builtOnFirstUseWithoutReportingChanges()
{
    storage.PostalCode = QStringLiteral("8010");
    storage.SettingsFlags |= ClientStorage::SignedContract;
    Dialogs fresh(&storage);
    QSignalSpy events(&fresh, &Dialogs::Event);
    SettingsDialog* dialog = fresh.settingsDialog();
    QCOMPARE(dialog->PostalCode->text(), QStringLiteral("8010"));
    QCOMPARE(dialog->paragraph1->isChecked(), true);
    QCOMPARE(eventNames(events), QStringList());
}

void TestDialogs::memberNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("shown"); // in the field afterwards: the numbers before a wrong character
    QTest::addColumn<QList<quint32>>("stored");
    QTest::addColumn<QString>("wrong"); // quoted by the box
    using L = QList<quint32>;
    QTest::newRow("comma and blank") << "7,19 3" << true << "7, 19, 3" << L{7, 19, 3} << "";
    QTest::newRow("leading separators") << " ,7" << true << "7" << L{7} << "";
    QTest::newRow("empty") << "" << true << "" << L{} << "";
    QTest::newRow("leading zeros") << "007, 5" << true << "007, 5" << L{7, 5} << "";
    QTest::newRow("largest") << "2147483647" << true << "2147483647" << L{2147483647} << "";
    QTest::newRow("trailing comma") << "7," << false << "7" << L{7} << ",";
    QTest::newRow("too large, more follows") << "1, 2147483648, 5" << false << "1" << L{1} << ", 5";
    QTest::newRow("letter") << "12,x" << false << "12" << L{12} << "x";
    // "&Add" takes a signed number as typed; the check stops at its sign.
    QTest::newRow("sign") << "-3, 12" << false << "" << L{} << "-3, 12";
}

void TestDialogs::memberNumbers()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(QString, wrong);
    BoxScript boxes;
    storeNecessary();
    dialogs->SettingsCopyFromStorage(storage);
    settings->RecommenderMembernumber->setText(typed);
    QCOMPARE(dialogs->SettingsValidationOK(false),
             int(valid ? Dialogs::SettingsAcceptable : Dialogs::SettingsReturnToDialog));
    QTEST(settings->RecommenderMembernumber->text(), "shown");
    dialogs->SettingsCopyToStorage(storage);
    QTEST(storage.RecommenderMembernumbers, "stored");
    QCOMPARE(boxes.count(), valid ? 0 : 1);
    if (!valid)
        QVERIFY(boxes.last().text.contains("\"" + wrong + "\" is a wrong entry."));
}

void TestDialogs::editNumbers()
{
    QWidget owner;
    RecommenderNumbersDialog dialog(&owner);
    BoxScript boxes;
    // A wrong text is explained and given back, and the dialog stays closed.
    bool opened = false;
    whenModalAppears(
        [&opened](QWidget* modal) {
            opened = true;
            modal->close();
        },
        100);
    QCOMPARE(dialog.editNumbers(QStringLiteral("12,x 4"), &owner), QStringLiteral("12,x 4"));
    QTest::qWait(200); // the watch runs out before it could meet the next dialog
    QVERIFY(!opened);
    QCOMPARE(boxes.count(), 1);
    QVERIFY(boxes.last().text.contains(QStringLiteral("\"x 4\" is a wrong entry")));

    // Otherwise the edited list comes back, left by O&K or Escape alike. A new number goes on top, a sign is taken; the
    // message line ("message|field" after each click) says what was wrong.
    QStringList said;
    const auto click = [&](QWidget* modal, const char* name) {
        QTest::mouseClick(button(modal, name), Qt::LeftButton);
        said << dialog.recommenderMessage()->text() + QLatin1Char('|') + dialog.rmn()->text();
    };
    whenModalAppears([&](QWidget* modal) {
        for (const char* typed : {"", "4x", "42", "-3"}) {
            dialog.rmn()->setText(QLatin1String(typed));
            click(modal, "button add rmn");
        }
        dialog.recommenders()->clearSelection();
        click(modal, "button del rmn");
        QTest::mouseClick(button(modal, "button ok rmn"), Qt::LeftButton);
    });
    QCOMPARE(dialog.editNumbers(QStringLiteral("7,12"), &owner), QStringLiteral("-3, 42, 7, 12"));
    whenModalAppears([&](QWidget* modal) {
        dialog.recommenders()->item(0)->setSelected(true);
        click(modal, "button del rmn");
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.editNumbers(QStringLiteral("5 6"), &owner), QStringLiteral("6"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(said,
             (QStringList{" is no number.|", "4x is no number.|4x", "|", "|", "click the to be deleted first|", "|"}));
    QCOMPARE(boxes.count(), 1);
}

// A participant with a counted purse and a friend to invite uploads to a scripted server that accepts.
void TestDialogs::uploadsAreArchivedBookedAndSaved()
{
    ServerAnswer welcome;
    welcome.flags = ServerAnswer::AnswerOK | ServerAnswer::NewMember;
    welcome.memberNumber = 4711;
    ScriptedServer server;
    server.reply(answerMessage(welcome));
    storage.ServerAddress = "127.0.0.1";
    storage.ServerPort = server.port();
    storage.Sessions = {countedSession(7, 2, 3, 1)};
    storage.InvitationList = {InvitedPerson{"Anna", "anna@example.org", 17, false}};
    // Opens the connection and leaves with "&Quit" once the upload succeeded.
    const auto upload = [this] {
        whenModalAppears(QStringLiteral("client"), [this](QWidget* window) {
            auto* client = static_cast<Client*>(dialogs->client());
            client->openButton()->click();
            auto* waiting = new QTimer(window);
            QObject::connect(waiting, &QTimer::timeout, window, [client, waiting] {
                if (client->uploadSucceeded()) {
                    waiting->stop();
                    client->quit();
                }
            });
            waiting->start(10);
        });
        return dialogs->openClientForUploadAndIfSuccessStoreEverything();
    };
    BoxScript boxes;
    const Session first = storage.Sessions.first();
    QVERIFY(upload());
    QCOMPARE(boxes.count(), 0);

    // Booked: the sessions now live only in the archive and on the server.
    QVERIFY(storage.Sessions.isEmpty());
    QCOMPARE(storage.NumberOfUploads, 1u);
    QVERIFY(!(storage.SettingsFlags & ClientStorage::SettingsChanged));
    QVERIFY(storage.InvitationList.first().uploaded);
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QVERIFY(saved == storage);
    ClientStorage archive;
    QCOMPARE(archive.loadFromDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(archive.Sessions, QList<Session>{first});
    QCOMPARE(archive.Membernumber, 4711u); // the answer came before the archiving

    // A second upload, in a later run of the program, adds its sessions after the first one's.
    const auto nextRun = [this] {
        dialogs = std::make_unique<Dialogs>(&storage, nullptr, QStringLiteral("dialogs"));
        storage.Sessions = {countedSession(0, 0, 5, 2), countedSession(1, 14, 2, 3)};
    };
    nextRun();
    QVERIFY(upload());
    QCOMPARE(archive.loadFromDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(archive.Sessions.size(), 3);
    QCOMPARE(archive.Sessions.first(), first);

    // A damaged archive stops the upload while the participant quits, and is replaced, kept aside, once he lets it go.
    ClientStorage old;
    old.setDefaultValues();
    old.Sessions = {countedSession(3, 3, 1, 5)};
    QCOMPARE(old.saveToDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QByteArray damaged = readAll(ARCHIVEFILE_NAME);
    damaged[damaged.size() - 3] = char(0x09); // the pile's count: the check sum no longer fits
    QVERIFY(writeAll(ARCHIVEFILE_NAME, damaged));
    nextRun();
    boxes.answerNext(1); // "Quit now\n(loosing new data of today!)"
    QVERIFY_THROWS_EXCEPTION(FileErr, upload());
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV: archive file error"));
    QCOMPARE(storage.Sessions.size(), 2); // nothing booked
    nextRun();
    QVERIFY(upload()); // "Ignore\nsaved data."
    QCOMPARE(archive.loadFromDisk(ARCHIVEFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(archive.Sessions.size(), 2);
    QCOMPARE(readAll(ARCHIVEFILE_NAME + QStringLiteral(".damaged")), damaged);

    // An archive that cannot be written (not even by root) does not stop the booking: tried again once, then given up.
    QVERIFY(QFile::remove(ARCHIVEFILE_NAME));
    QVERIFY(QDir().mkdir(ARCHIVEFILE_NAME));
    nextRun();
    boxes.clear();
    boxes.answerNext(0);
    boxes.answerNext(1);
    QVERIFY(upload());
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV cannot save your archive"));
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(saved.NumberOfUploads, 4u);
    QVERIFY(saved.Sessions.isEmpty());
}

QTEST_MAIN(TestDialogs)
// In German the choices read German and still count by their item: "Nie"
// carries no month, and the server's log names the country in English.
void TestDialogs::settingsInGerman()
{
    QTranslator german;
    QVERIFY(loadLanguage(german, QStringLiteral("de")));
    QCoreApplication::installTranslator(&german);
    Dialogs translated(&storage, nullptr, QStringLiteral("german"));
    SettingsDialog* dialog = translated.settingsDialog();
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(dialog->Country->itemText(5), QStringLiteral("Deutschland"));
    QCOMPARE(dialog->Country->itemData(5).toString(), QStringLiteral("Germany"));
    dialog->OpinionTabOn->setChecked(true);
    dialog->MixdateMonth->setCurrentIndex(5);
    dialog->MixdateYear->setCurrentIndex(12);
    Q_EMIT dialog->MixdateYear->activated(12);
    QCOMPARE(dialog->MixdateYear->currentText(), QStringLiteral("Nie"));
    QCOMPARE(dialog->MixdateMonth->currentIndex(), 0);
    QCOMPARE(dialog->MixdateMonth->isEnabled(), false);
}

#include "tst_dialogs.moc"
