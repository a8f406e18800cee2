#include "common/boxscript.h"
#include "common/eventnames.h"
#include "common/modaldriver.h"

#include "common/constants.h"
#include "settings/dialogs.h"
#include "settings/recommendernumbersdialog.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

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

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void necessaryDataRules();
    void persuasionTexts();
    void refusalEndsTheProgramWithItsReason();
    void completeStoredSettingsSaveWithoutTheDialog();
    void failedSaveReturnsOrDiscards();
    void memberNumbersAreNormalised();
    void guessesCoupleMonthAndYear();
    void settingsTravelToAndFromTheStorage();
    void countryOutsideTheEuroAreaAsksForCity();
    void valueTuplesAndErrorTable();
    void aboutBoxButtons();

private:
    void fillNecessary(int country, const QString& postalCode, int population, bool contract);
    void storeNecessary(quint8 country, const QString& postalCode, quint8 population);

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

void TestDialogs::fillNecessary(int country, const QString& postalCode, int population, bool contract)
{
    settings->Country->setCurrentIndex(country);
    settings->PostalCode->setText(postalCode);
    settings->Population->setCurrentIndex(population);
    settings->paragraph1->setChecked(contract);
}

void TestDialogs::storeNecessary(quint8 country, const QString& postalCode, quint8 population)
{
    storage.Country = country;
    storage.PostalCode = postalCode;
    storage.CityPopulation = population;
    storage.SettingsFlags =
        quint16(storage.SettingsFlags | ClientStorage::SignedContract | ClientStorage::AllowsObservation);
}

void TestDialogs::necessaryDataRules()
{
    BoxScript boxes;
    // The spacer items of the country list count as no country.
    for (const int spacer : {0, 16, 17, 18, 20}) {
        fillNecessary(spacer, QStringLiteral("12345"), 3, true);
        QCOMPARE(dialogs->SettingsValidationOK(false), int(Dialogs::SettingsReturnToDialog));
        QCOMPARE(markOf(settings->LabelCountry), missingColour);
    }
    QCOMPARE(boxes.count(), 5);

    // Two characters of any kind are a postal code; one is not.
    fillNecessary(19, QStringLiteral("AB"), 11, true);
    settings->paragraph2->setChecked(false);
    boxes.clear();
    QCOMPARE(dialogs->SettingsValidationOK(false), int(Dialogs::SettingsAcceptable));
    QCOMPARE(boxes.count(), 0);                             // an unsigned second paragraph alone asks nothing ...
    QCOMPARE(markOf(settings->paragraph2), optionalColour); // ... but is marked
    QCOMPARE(markOf(settings->LabelCountry), QColor());

    settings->PostalCode->setText(QStringLiteral("A"));
    QCOMPARE(dialogs->SettingsValidationOK(false), int(Dialogs::SettingsReturnToDialog));
    QCOMPARE(markOf(settings->LabelPostalCode), missingColour);
    QCOMPARE(boxes.count(), 1);

    fillNecessary(5, QStringLiteral("80331"), 0, true);
    QCOMPARE(dialogs->SettingsValidationOK(false), int(Dialogs::SettingsReturnToDialog));
    QCOMPARE(markOf(settings->LabelPopulation), missingColour);
}

void TestDialogs::persuasionTexts()
{
    BoxScript boxes;
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    fillNecessary(0, QString(), 0, false);
    settings->paragraph2->setChecked(false);
    settings->TabWidget2->setCurrentIndex(2);
    dialogs->SettingsValidationOK(true);
    QCOMPARE(boxes.last().title, QStringLiteral("Please fill in necessary information"));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Before you can upload your data, you are asked \nto fill in some information about "
                            "you.\n\nPlease fill in where you are!\nThe Euro diffusion depends on the location.\n"
                            "\nMoreover:\nThis program is part of a scientific research project.\nTo ensure data "
                            "quality, you are asked to sign \u00a71 of the contract\nOptional:\nYou could enable us "
                            "to optimize this and other programs\nby research on ergonomics. Therefore, it would be "
                            "very nice,\nif you allowed us to log the usage by also signing paragraph \u00a72."));
    QCOMPARE(boxes.last().buttons, (QStringList{QStringLiteral("OK, I do"), QStringLiteral("No, I don't")}));
    QCOMPARE(settings->TabWidget2->currentIndex(), 0); // back where the missing data is
    const QStringList names = eventNames(events);
    for (const char* expected :
         {"SettingsCountryMissing", "SettingsPostalCodeMissing", "SettingsPopulationMissing",
          "SettingsParagraph1NotChecked", "SettingsParagraph2NotChecked", "SettingsWantToInputMissingData"})
        QVERIFY2(names.contains(QLatin1String(expected)), expected);

    fillNecessary(3, QStringLiteral("00100"), 2, false);
    settings->paragraph2->setChecked(true);
    dialogs->SettingsValidationOK(false);
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV Settings not complete"));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Your ZUV Settings are not complete!\n\nThis program is part of a scientific research "
                            "project.\nIf you don't sign paragraph \u00a71 of the contract,\nyou can't participate "
                            "in this project, sorry.\n"));
}

void TestDialogs::refusalEndsTheProgramWithItsReason()
{
    BoxScript boxes({1, 1, 0}); // "No, I don't", "Quit, I don't participate", the page box
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    QSignalSpy quits(dialogs.get(), &Dialogs::QuitEvent);
    storage.PostalCode = QStringLiteral("kept");
    dialogs->startSettingsDialog(true, true); // nothing stored yet: refused without showing the dialog

    QCOMPARE(quits.count(), 1);
    QCOMPARE(quits.first().first().toInt(), int(USER_DOESNT_WANT_TO_INPUT_NECESSARY_DATA));
    QCOMPARE(boxes.shown().at(1).title, QStringLiteral("Participation endangered"));
    QVERIFY(boxes.last().text.contains(QStringLiteral("whynot")));
    QVERIFY(!storage.NecessarySettingsOK());
    QCOMPARE(storage.PostalCode, QStringLiteral("kept")); // whatever was entered stays
    QVERIFY(!QFile::exists(DATAFILE_NAME));
    const QStringList names = eventNames(events);
    const QStringList tail = names.mid(names.indexOf(QStringLiteral("SettingsDontWantToInputMissingData")));
    QCOMPARE(tail, (QStringList{QStringLiteral("SettingsDontWantToInputMissingData"),
                                QStringLiteral("SettingsMissingDataNotPersuadedQuit"),
                                QStringLiteral("SettingsEndedWithUserWantsProgramTermination"),
                                QStringLiteral("BrowseWhynot"), QStringLiteral("SettingsDialogClosed")}));
}

void TestDialogs::completeStoredSettingsSaveWithoutTheDialog()
{
    BoxScript boxes;
    storeNecessary(8, QStringLiteral("00184"), 9);
    constexpr int watchMs = 100;
    bool dialogShown = false;
    whenModalAppears(
        [&](QWidget* modal) {
            dialogShown = true;
            static_cast<QDialog*>(modal)->reject();
        },
        watchMs);
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    dialogs->startSettingsDialog(true, false);
    QTest::qWait(2 * watchMs); // the watch runs out before another test's dialog appears
    QVERIFY(!dialogShown);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(storage.NecessarySettingsOK());
    QVERIFY(eventNames(events).contains(QStringLiteral("SettingsSaved")));
    ClientStorage saved;
    QCOMPARE(saved.loadFromDisk(DATAFILE_NAME), int(ZUV_NO_ERROR));
    QCOMPARE(saved.PostalCode, QStringLiteral("00184"));
    QVERIFY(saved.NecessarySettingsOK());
}

void TestDialogs::failedSaveReturnsOrDiscards()
{
    QVERIFY(QDir().mkdir(DATAFILE_NAME)); // cannot be written, not even by root
    storeNecessary(1, QStringLiteral("1010"), 10);

    BoxScript boxes({0, 1}); // first return to the settings, then discard
    int dialogRuns = 0;
    whenModalAppears(QStringLiteral("SettingsDialogWindow"), [&](QWidget* modal) {
        ++dialogRuns;
        static_cast<QDialog*>(modal)->accept();
    });
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    dialogs->startSettingsDialog(true, false);

    QCOMPARE(dialogRuns, 1);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("ZUV cannot save your settings"));
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("Problems with saving the data (error 18)")));
    QCOMPARE(boxes.last().buttons.last(), QStringLiteral("No, discard my settings changes."));
    const QStringList names = eventNames(events);
    QVERIFY(names.contains(QStringLiteral("SettingsWriteErrorDialogReturn")));
    QVERIFY(names.contains(QStringLiteral("SettingsWriteErrorDialogDiscard")));
    QCOMPARE(names.last(), QStringLiteral("SettingsDialogClosed"));
    QVERIFY(storage.NecessarySettingsOK()); // kept in memory for the next save
}

void TestDialogs::memberNumbersAreNormalised()
{
    BoxScript boxes;
    fillNecessary(2, QStringLiteral("1000"), 7, true);
    settings->RecommenderMembernumber->setText(QStringLiteral("7,12 3"));
    QCOMPARE(dialogs->SettingsValidationOK(false), int(Dialogs::SettingsAcceptable));
    QCOMPARE(settings->RecommenderMembernumber->text(), QStringLiteral("7, 12, 3"));
    QCOMPARE(boxes.count(), 0);

    // The numbers before a wrong character stay in the field.
    settings->RecommenderMembernumber->setText(QStringLiteral("12,x"));
    QCOMPARE(dialogs->SettingsValidationOK(false), int(Dialogs::SettingsReturnToDialog));
    QCOMPARE(boxes.last().title, QStringLiteral("Wrong Membernumber Format"));
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("For the recommenders' membernumbers \"x\"")));
    QCOMPARE(settings->RecommenderMembernumber->text(), QStringLiteral("12"));
    dialogs->SettingsCopyToStorage(storage);
    QCOMPARE(storage.RecommenderMembernumbers, (QList<quint32>{12}));

    settings->RecommenderMembernumber->setText(QStringLiteral("007, 5"));
    dialogs->SettingsValidationOK(false);
    dialogs->SettingsCopyToStorage(storage);
    QCOMPARE(storage.RecommenderMembernumbers, (QList<quint32>{7, 5}));
}

void TestDialogs::guessesCoupleMonthAndYear()
{
    settings->OpinionTabOn->setChecked(true); // the guesses' box is usable
    QComboBox* year = settings->MixdateYear;
    QComboBox* month = settings->MixdateMonth;

    // A month without a year takes the current year's item.
    month->setCurrentIndex(5);
    Q_EMIT month->activated(5);
    QCOMPARE(year->currentIndex(), currentYearItem());
    if (year->currentText().contains(QLatin1Char('-'))) {
        QCOMPARE(month->currentIndex(), 0); // a range carries no month
        QVERIFY(!month->isEnabled());
    } else {
        QCOMPARE(month->currentIndex(), 5);
    }

    year->setCurrentIndex(3); // 2004
    Q_EMIT year->activated(3);
    QVERIFY(month->isEnabled());
    month->setCurrentIndex(5);
    year->setCurrentIndex(12); // "Never"
    Q_EMIT year->activated(12);
    QCOMPARE(month->currentIndex(), 0);
    QVERIFY(!month->isEnabled());

    // The arrival pair follows the same rules on its own.
    QVERIFY(settings->ArrivaldateMonth->isEnabled());
    settings->ArrivaldateYear->setCurrentIndex(10);
    Q_EMIT settings->ArrivaldateYear->activated(10);
    QVERIFY(!settings->ArrivaldateMonth->isEnabled());
    QVERIFY(!month->isEnabled());

    // Filling from the storage applies the rules too.
    storage.SettingsFlags = quint16(storage.SettingsFlags | ClientStorage::OpinionTabOn);
    storage.GuessWhenMixdateYear = 0;
    storage.GuessWhenMixdateMonth = 4;
    storage.GuessWhenArrivaldateYear = 2;
    storage.GuessWhenArrivaldateMonth = 9;
    dialogs->SettingsCopyFromStorage(storage);
    QCOMPARE(year->currentIndex(), currentYearItem());
    QCOMPARE(settings->ArrivaldateMonth->currentIndex(), 9);
    QVERIFY(settings->ArrivaldateMonth->isEnabled());
}

void TestDialogs::settingsTravelToAndFromTheStorage()
{
    settings->WantsReminderEmail->setChecked(true);
    settings->weekly->setChecked(true);
    settings->WantsRegularInformations->setChecked(true);
    settings->WantsToHelp->setChecked(true);
    settings->WantsToAnalyze->setChecked(true);
    settings->email->setText(QStringLiteral("m\u00fcller@example.org"));
    settings->ServiceTabOn->setChecked(true);
    settings->Message->setPlainText(QStringLiteral("hello"));
    dialogs->SettingsCopyToStorage(storage);
    QCOMPARE(storage.eMailFlags, quint8(0x7C));
    QCOMPARE(storage.eMailAddress, std::string("m\xfcller@example.org"));
    QCOMPARE(storage.Message, QStringLiteral("hello"));
    QVERIFY(storage.SettingsFlags & ClientStorage::ServiceTabOn);
    QVERIFY(storage.SettingsFlags & ClientStorage::SettingsChanged);

    // Without reminders the chosen interval is kept; only the wish is cleared.
    settings->WantsReminderEmail->setChecked(false);
    settings->monthly->setChecked(true);
    settings->WantsRegularInformations->setChecked(false);
    settings->WantsToHelp->setChecked(false);
    settings->WantsToAnalyze->setChecked(false);
    dialogs->SettingsCopyToStorage(storage);
    QCOMPARE(storage.eMailFlags, quint8(0x01));

    // And back: a member's panel shows the membership.
    storage.eMailFlags = quint8(0x0A); // reminders, bi-monthly
    storage.Membernumber = 4711;
    storage.MemberSince = QDateTime(QDate(2003, 5, 17), QTime(10, 30));
    storage.Welcome = "Welcome aboard";
    dialogs->SettingsCopyFromStorage(storage);
    QVERIFY(settings->WantsReminderEmail->isChecked());
    QVERIFY(settings->bimonthly->isChecked());
    QCOMPARE(settings->email->text(), QStringLiteral("m\u00fcller@example.org"));
    QCOMPARE(settings->MemberNumber->intValue(), 4711);
    QCOMPARE(settings->MemberPanel->title(), QStringLiteral("Your membership in the ZUV-project"));
    QCOMPARE(settings->MemberSince->text(), QStringLiteral("Sat May 17 10:30:00 2003"));
    QCOMPARE(settings->Welcome->toPlainText(), QStringLiteral("Welcome aboard"));

    // "Back to old settings" forgets what was typed since.
    settings->PostalCode->setText(QStringLiteral("typed"));
    settings->OldSettingsButton->click();
    QCOMPARE(settings->PostalCode->text(), storage.PostalCode);

    // Opened and accepted untouched, the settings stay as stored: the e-mail
    // wishes (of several intervals the weekly, then the bi-monthly one wins),
    // and the message, which does not count as changed either.
    BoxScript boxes;
    storeNecessary(8, QStringLiteral("00184"), 9);
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    for (int flags = 0; flags <= 0x7F; ++flags) {
        storage.eMailFlags = quint8(flags);
        whenModalAppears(QStringLiteral("SettingsDialogWindow"),
                         [](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        dialogs->startSettingsDialog(false, false);
        const int intervals = flags & 0x07;
        const int kept = (flags & ~0x07) | (intervals >= 4 ? 4 : intervals >= 2 ? 2 : intervals);
        QCOMPARE(storage.eMailFlags, quint8(kept));
    }
    settings->OldSettingsButton->click();
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!eventNames(events).contains(QStringLiteral("SettingsMessageChanged")));
}

void TestDialogs::countryOutsideTheEuroAreaAsksForCity()
{
    QSignalSpy events(dialogs.get(), &Dialogs::Event);
    settings->Country->setCurrentIndex(27);
    Q_EMIT settings->Country->activated(27);
    QCOMPARE(settings->LabelPostalCode->text(), QStringLiteral(" &Country, City"));
    QCOMPARE(settings->PostalCode->toolTip(), QStringLiteral("Please name your Country and City"));
    settings->Country->setCurrentIndex(15);
    Q_EMIT settings->Country->activated(15);
    QCOMPARE(settings->LabelPostalCode->text(), QStringLiteral(" Postal &Code"));
    QCOMPARE(settings->PostalCode->toolTip(), QStringLiteral("The postal code of your city (at least 2 digits)."));
    QCOMPARE(eventNames(events),
             (QStringList{QStringLiteral("SettingsCountryChanged"), QStringLiteral("SettingsCountryChanged")}));
    settings->TabWidget2->setCurrentIndex(3);
    QCOMPARE(eventNames(events).last(), QStringLiteral("SettingsTabChangedTo3"));
}

void TestDialogs::valueTuplesAndErrorTable()
{
    const QString countries = Dialogs::giveAllMemberCountriesAsTextTupels(QString());
    QVERIFY(countries.startsWith(QStringLiteral("(0,''),(1,'Austria'),(2,'Belgium')")));
    QVERIFY(countries.endsWith(QStringLiteral("(30,'Antarctis')")));
    QCOMPARE(countries.count(QStringLiteral("),(")) + 1, 31);
    const QString sizes = Dialogs::giveAllCitySizesAsTextTupels(QStringLiteral(",5"));
    QVERIFY(sizes.startsWith(QStringLiteral("(0,'',5),(1,'< 500',5)")));
    QCOMPARE(sizes.count(QStringLiteral("),(")) + 1, 12);

    QWidget parent;
    Dialogs::TableOfErrorsAndRecommendations(&parent);
    auto* table = parent.findChild<QTreeWidget*>();
    QVERIFY(table);
    QCOMPARE(table->topLevelItemCount(), int(NUM_ERROR_CODES));
    QCOMPARE(table->topLevelItem(28)->text(1), QStringLiteral("TCP_NO_CONNECTION_WITH_SERVER"));
    QCOMPARE(table->headerItem()->text(1), QStringLiteral("errror"));
}

void TestDialogs::aboutBoxButtons()
{
    BoxScript boxes({2});
    QCOMPARE(dialogs->runAboutBox(), int(Dialogs::AboutDownload));
    QCOMPARE(boxes.last().title, QStringLiteral("About (ZUV) Zuvanta!"));
    QCOMPARE(boxes.last().buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("WWW:\nProject Homepage"),
                                                QStringLiteral("WWW:\nDownload new version")}));
    QCOMPARE(boxes.last().escapeButton, 0);
    QVERIFY(boxes.last().text.contains(QStringLiteral("\nClient-Version 1.07 (Jun 15 2002)\n")));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
