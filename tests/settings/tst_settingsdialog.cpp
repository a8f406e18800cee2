#include "common/modaldriver.h"

#include "common/config.h"
#include "common/constants.h"
#include "settings/settingsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWidgetIsReachableByName();
    void pagesAndButtonsAreWhereExpected();
    void comboBoxItems();
    void fixedSizeCannotBeResized();
    void switchesEnableTheirGroups();
    void initialState();
    void focusOrder();
    void tabKeyFollowsFocusOrder();
    void escapeRejectsAndOkAccepts();
    void textsAndToolTips();
    void labelBuddies();
    void memberNumberDisplay();
    void noTextIsCutOff();
};

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The items of a combo box, written as one text with "|" between them.
QStringList items(const char* joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

QString section()
{
    return QString(QChar(0x00A7));
}

} // namespace

void TestSettingsDialog::everyWidgetIsReachableByName()
{
    SettingsDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("SettingsDialog"));
    SettingsDialog named(nullptr, QStringLiteral("SettingsDialogWindow"), true);
    QCOMPARE(named.objectName(), QStringLiteral("SettingsDialogWindow"));
    QVERIFY(named.isModal());
    QVERIFY(!dialog.isModal());

    struct Expected
    {
        QWidget* member;
        const char* name;
        const char* className;
        QWidget* container;
    };
    SettingsDialog& d = dialog;
    const QList<Expected> widgets = {
        {d.TabWidget2, "TabWidget2", "QTabWidget", &d},
        {d.OldSettingsButton, "OldSettingsButton", "QPushButton", &d},
        {d.TextLabel1, "TextLabel1", "QLabel", &d},
        {d.OKButton, "OKButton", "QPushButton", &d},
        {d.tab, "tab", "QWidget", d.TabWidget2},
        {d.tab_2, "tab_2", "QWidget", d.TabWidget2},
        {d.tab_3, "tab_3", "QWidget", d.TabWidget2},
        {d.tab_4, "tab_4", "QWidget", d.TabWidget2},
        {d.GroupBox1, "GroupBox1", "QGroupBox", d.tab},
        {d.GroupBox3, "GroupBox3", "QGroupBox", d.GroupBox1},
        {d.LabelCountry, "LabelCountry", "QLabel", d.GroupBox3},
        {d.Country, "Country", "QComboBox", d.GroupBox3},
        {d.LabelPostalCode, "LabelPostalCode", "QLabel", d.GroupBox3},
        {d.PostalCode, "PostalCode", "QLineEdit", d.GroupBox3},
        {d.LabelPopulation, "LabelPopulation", "QLabel", d.GroupBox3},
        {d.Population, "Population", "QComboBox", d.GroupBox3},
        {d.GroupBox21, "GroupBox21", "QGroupBox", d.GroupBox1},
        {d.paragraph1, "paragraph1", "QCheckBox", d.GroupBox21},
        {d.TextLabel1_2, "TextLabel1_2", "QLabel", d.GroupBox21},
        {d.paragraph2, "paragraph2", "QCheckBox", d.GroupBox21},
        {d.TextLabel2, "TextLabel2", "QLabel", d.GroupBox21},
        {d.TextLabel4, "TextLabel4", "QLabel", d.GroupBox21},
        {d.GroupBox4, "GroupBox4", "QGroupBox", d.GroupBox1},
        {d.RecommenderMembernumber, "RecommenderMembernumber", "QLineEdit", d.GroupBox4},
        {d.TextLabel5_3, "TextLabel5_3", "QLabel", d.GroupBox4},
        {d.several, "several", "QPushButton", d.GroupBox4},
        {d.TextLabel6_4, "TextLabel6_4", "QLabel", d.GroupBox4},
        {d.RecommenderName, "RecommenderName", "QLineEdit", d.GroupBox4},
        {d.TextLabel7_4, "TextLabel7_4", "QLabel", d.GroupBox4},
        {d.ServiceTabOn, "ServiceTabOn", "QCheckBox", d.tab_2},
        {d.GroupBox2, "GroupBox2", "QGroupBox", d.tab_2},
        {d.TextLabel8, "TextLabel8", "QLabel", d.GroupBox2},
        {d.email, "email", "QLineEdit", d.GroupBox2},
        {d.WantsReminderEmail, "WantsReminderEmail", "QCheckBox", d.GroupBox2},
        {d.ButtonGroup1, "ButtonGroup1", "QGroupBox", d.GroupBox2},
        {d.weekly, "weekly", "QRadioButton", d.ButtonGroup1},
        {d.bimonthly, "bimonthly", "QRadioButton", d.ButtonGroup1},
        {d.monthly, "monthly", "QRadioButton", d.ButtonGroup1},
        {d.WantsRegularInformations, "WantsRegularInformations", "QCheckBox", d.GroupBox2},
        {d.WantsToHelp, "WantsToHelp", "QCheckBox", d.GroupBox2},
        {d.WantsToAnalyze, "WantsToAnalyze", "QCheckBox", d.GroupBox2},
        {d.OpinionTabOn, "OpinionTabOn", "QCheckBox", d.tab_3},
        {d.GroupBox25, "GroupBox25", "QGroupBox", d.tab_3},
        {d.TextLabel6_2, "TextLabel6_2", "QLabel", d.GroupBox25},
        {d.MixdateYear, "MixdateYear", "QComboBox", d.GroupBox25},
        {d.MixdateMonth, "MixdateMonth", "QComboBox", d.GroupBox25},
        {d.TextLabel6_2_2, "TextLabel6_2_2", "QLabel", d.GroupBox25},
        {d.ArrivaldateYear, "ArrivaldateYear", "QComboBox", d.GroupBox25},
        {d.ArrivaldateMonth, "ArrivaldateMonth", "QComboBox", d.GroupBox25},
        {d.TextLabel7_2, "TextLabel7_2", "QLabel", d.GroupBox25},
        {d.Message, "Message", "QPlainTextEdit", d.GroupBox25},
        {d.MemberPanel, "MemberPanel", "QGroupBox", d.tab_4},
        {d.TextLabel5_2, "TextLabel5_2", "QLabel", d.MemberPanel},
        {d.MemberNumber, "MemberNumber", "QLCDNumber", d.MemberPanel},
        {d.TextLabel6_3, "TextLabel6_3", "QLabel", d.MemberPanel},
        {d.MemberSince, "MemberSince", "QLineEdit", d.MemberPanel},
        {d.TextLabel7_3, "TextLabel7_3", "QLabel", d.MemberPanel},
        {d.Welcome, "Welcome", "QTextBrowser", d.MemberPanel},
    };
    QCOMPARE(widgets.size(), 58);
    for (const Expected& e : widgets) {
        const QString name = QLatin1String(e.name);
        QVERIFY2(e.member, e.name);
        const QList<QWidget*> found = dialog.findChildren<QWidget*>(name);
        QVERIFY2(found.size() == 1, e.name);
        QVERIFY2(found.first() == e.member, e.name);
        QCOMPARE(e.member->metaObject()->className(), e.className);
        QVERIFY2(e.container->isAncestorOf(e.member), e.name);
    }

    // The interval buttons are exclusive through their group.
    QVERIFY(d.reminderIntervals->exclusive());
    QCOMPARE(d.reminderIntervals->button(0), d.weekly);
    QCOMPARE(d.reminderIntervals->button(1), d.bimonthly);
    QCOMPARE(d.reminderIntervals->button(2), d.monthly);
    QVERIFY(d.ButtonGroup1->isFlat());
    QVERIFY(d.ButtonGroup1->title().isEmpty());
}

void TestSettingsDialog::pagesAndButtonsAreWhereExpected()
{
    SettingsDialog d;
    QCOMPARE(d.TabWidget2->count(), 4);
    const QList<QWidget*> pages = {d.tab, d.tab_2, d.tab_3, d.tab_4};
    const QStringList labels = {QStringLiteral("NECESSARY Localization"), QStringLiteral("USEFUL Service"),
                                QStringLiteral("VOLUNTARY opinion"), QStringLiteral("Membernumber")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(d.TabWidget2->widget(i), pages[i]);
        QCOMPARE(d.TabWidget2->tabText(i), labels[i]);
    }
    QCOMPARE(d.TabWidget2->currentIndex(), 0);

    QCOMPARE(d.TabWidget2->geometry(), QRect(5, 5, 575, 335));
    QCOMPARE(d.OldSettingsButton->geometry(), QRect(10, 341, 135, 50));
    QCOMPARE(d.TextLabel1->geometry(), QRect(150, 340, 300, 55));
    QCOMPARE(d.OKButton->geometry(), QRect(455, 340, 120, 50));
    QCOMPARE(d.TextLabel1->alignment(), Qt::AlignCenter);
    QVERIFY(d.TextLabel1->wordWrap());

    // Inside the pages: the rows keep their order from top to bottom.
    d.show();
    for (QWidget* page : pages) {
        d.TabWidget2->setCurrentWidget(page);
        QCoreApplication::processEvents();
    }
    auto top = [](QWidget* w) { return w->mapTo(w->window(), QPoint(0, 0)).y(); };
    auto left = [](QWidget* w) { return w->mapTo(w->window(), QPoint(0, 0)).x(); };
    QVERIFY(top(d.GroupBox3) < top(d.GroupBox21));
    QVERIFY(top(d.GroupBox21) < top(d.GroupBox4));
    QVERIFY(top(d.Country) < top(d.PostalCode));
    QVERIFY(left(d.PostalCode) < left(d.Population));
    QVERIFY(top(d.paragraph1) < top(d.paragraph2));
    QVERIFY(left(d.TextLabel2) < left(d.TextLabel4));
    QVERIFY(top(d.RecommenderMembernumber) < top(d.TextLabel5_3));
    QVERIFY(left(d.RecommenderMembernumber) < left(d.TextLabel6_4));
    QVERIFY(left(d.TextLabel6_4) < left(d.RecommenderName));
    QVERIFY(top(d.weekly) < top(d.bimonthly));
    QVERIFY(top(d.bimonthly) < top(d.monthly));
    QVERIFY(top(d.monthly) < top(d.WantsRegularInformations));
    QVERIFY(top(d.MixdateYear) < top(d.MixdateMonth));
    QVERIFY(top(d.MixdateMonth) < top(d.ArrivaldateYear));
    QVERIFY(top(d.ArrivaldateYear) < top(d.ArrivaldateMonth));
    QVERIFY(left(d.TextLabel6_2) < left(d.MixdateYear));
    QVERIFY(top(d.TextLabel7_2) < top(d.Message));
    QVERIFY(top(d.MemberNumber) < top(d.MemberSince));
    QVERIFY(top(d.MemberSince) < top(d.Welcome));
}

void TestSettingsDialog::comboBoxItems()
{
    SettingsDialog d;

    const QStringList countries =
        items("|Austria|Belgium|Finland|France|Germany|Greece|Ireland|Italy|Luxemburg|Monaco|Netherlands|Portugal|San "
              "Marino|Spain|Vatican||||Other European Country||North Africa|South Africa|West Asia|East "
              "Asia|Australia|Pacific|North America|South America|Arctis|Antarctis");
    QCOMPARE(itemsOf(d.Country), countries);
    QCOMPARE(d.Country->count(), 31);
    QVERIFY(!d.Country->isEditable());
    for (int spacer : {0, 16, 17, 18, 20})
        QVERIFY(d.Country->itemText(spacer).isEmpty());
    // The euro countries share their index with the national coin sides.
    for (int country = 1; country < NUM_COUNTRIES; ++country)
        QCOMPARE(d.Country->itemText(country), countrynamesWords[country]);
    // A spacer item can be chosen like any other.
    d.Country->setCurrentIndex(17);
    QCOMPARE(d.Country->currentIndex(), 17);

    const QStringList sizes =
        items("|< 500|500 - 1,000|1,000 - 5,000|5,000 - 10,000|10,000 - 50,000|50,000 - 100,000|100,000 - "
              "500,000|500,000 - 1,000,000|1,000,000 - 5,000,000|> 5,000,000|I do not know it");
    QCOMPARE(itemsOf(d.Population), sizes);

    const QStringList years = items("|2002|2003|2004|2005|2006|2007|2008|2009|2010|2011-2020|2021- ......|Never");
    const QStringList months =
        items("|January|February|March|April|May|June|July|August|September|October|November|December");
    QCOMPARE(itemsOf(d.MixdateYear), years);
    QCOMPARE(itemsOf(d.ArrivaldateYear), years);
    QCOMPARE(itemsOf(d.MixdateMonth), months);
    QCOMPARE(itemsOf(d.ArrivaldateMonth), months);
}

void TestSettingsDialog::fixedSizeCannotBeResized()
{
    SettingsDialog d;
    const QSize fixed(585, 395);
    QCOMPARE(d.size(), fixed);
    QCOMPARE(d.minimumSize(), fixed);
    QCOMPARE(d.maximumSize(), fixed);
    d.show();
    d.resize(800, 600);
    QCOMPARE(d.size(), fixed);
    d.resize(300, 200);
    QCOMPARE(d.size(), fixed);
    QCOMPARE(d.windowTitle(), QStringLiteral("ZUV Settings"));
    QCOMPARE(d.focusPolicy(), Qt::TabFocus);
}

void TestSettingsDialog::switchesEnableTheirGroups()
{
    SettingsDialog d;

    // Set from the stored state: programmatic changes switch too.
    d.ServiceTabOn->setChecked(true);
    QVERIFY(d.GroupBox2->isEnabled());
    QVERIFY(d.email->isEnabled());
    QVERIFY(!d.ButtonGroup1->isEnabled()); // reminders still off
    d.WantsReminderEmail->setChecked(true);
    QVERIFY(d.ButtonGroup1->isEnabled());
    QVERIFY(d.monthly->isEnabled());
    d.WantsReminderEmail->setChecked(false);
    QVERIFY(!d.ButtonGroup1->isEnabled());
    d.ServiceTabOn->setChecked(false);
    QVERIFY(!d.GroupBox2->isEnabled());
    QVERIFY(!d.email->isEnabled());

    d.OpinionTabOn->setChecked(true);
    QVERIFY(d.GroupBox25->isEnabled());
    QVERIFY(d.Message->isEnabled());
    d.OpinionTabOn->setChecked(false);
    QVERIFY(!d.GroupBox25->isEnabled());

    // And by the participant's own clicks on the check boxes.
    d.show();
    auto click = [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); };
    d.TabWidget2->setCurrentWidget(d.tab_2);
    click(d.ServiceTabOn);
    QVERIFY(d.ServiceTabOn->isChecked());
    QVERIFY(d.GroupBox2->isEnabled());
    click(d.WantsReminderEmail);
    QVERIFY(d.ButtonGroup1->isEnabled());
    click(d.WantsReminderEmail);
    QVERIFY(!d.ButtonGroup1->isEnabled());
    click(d.ServiceTabOn);
    QVERIFY(!d.GroupBox2->isEnabled());
    d.TabWidget2->setCurrentWidget(d.tab_3);
    click(d.OpinionTabOn);
    QVERIFY(d.GroupBox25->isEnabled());
    click(d.OpinionTabOn);
    QVERIFY(!d.GroupBox25->isEnabled());
}

void TestSettingsDialog::initialState()
{
    SettingsDialog d;

    const QList<QCheckBox*> boxes = d.findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 8);
    for (QCheckBox* box : boxes)
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QVERIFY(d.weekly->isChecked());
    QVERIFY(!d.bimonthly->isChecked());
    QVERIFY(!d.monthly->isChecked());

    const QList<QComboBox*> combos = d.findChildren<QComboBox*>();
    QCOMPARE(combos.size(), 6);
    for (QComboBox* combo : combos)
        QVERIFY2(combo->currentIndex() == 0, qPrintable(combo->objectName()));

    for (QLineEdit* edit : d.findChildren<QLineEdit*>())
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    QVERIFY(d.Message->toPlainText().isEmpty());
    QVERIFY(d.Welcome->toPlainText().isEmpty());

    const QList<QWidget*> disabled = {d.GroupBox2, d.ButtonGroup1, d.GroupBox25, d.MemberNumber, d.MemberSince};
    for (QWidget* off : disabled)
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    const QList<QWidget*> enabled = {d.Country,      d.paragraph1, d.RecommenderMembernumber, d.ServiceTabOn,
                                     d.OpinionTabOn, d.Welcome,    d.OldSettingsButton,       d.OKButton};
    for (QWidget* on : enabled)
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
    QVERIFY(d.OKButton->isDefault());
}

void TestSettingsDialog::focusOrder()
{
    SettingsDialog d;
    const QList<QWidget*> expected = {d.Country,      d.PostalCode,       d.Population,   d.OKButton,
                                      d.TabWidget2,   d.ServiceTabOn,     d.email,        d.WantsReminderEmail,
                                      d.weekly,       d.bimonthly,        d.monthly,      d.WantsRegularInformations,
                                      d.WantsToHelp,  d.WantsToAnalyze,   d.OpinionTabOn, d.MixdateYear,
                                      d.MixdateMonth, d.ArrivaldateMonth, d.Message};

    // Walk the chain as the Tab key does: only widgets that take tab focus
    // themselves. A widget that hands its focus to a proxy (the tab widget to
    // its tab bar) stands where its proxy stands.
    QList<QWidget*> walked;
    QWidget* w = d.Country;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            walked << w;
        w = w->nextInFocusChain();
    } while (w != d.Country && walked.size() < expected.size());

    QList<QWidget*> wanted;
    for (QWidget* e : expected)
        wanted << (e->focusProxy() ? e->focusProxy() : e);
    QCOMPARE(d.TabWidget2->focusProxy()->metaObject()->className(), "QTabBar");
    QCOMPARE(walked, wanted);
}

void TestSettingsDialog::tabKeyFollowsFocusOrder()
{
    SettingsDialog d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));

    auto tabFrom = [](QWidget* from) {
        QTest::keyClick(from, Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    d.Country->setFocus();
    QCOMPARE(QApplication::focusWidget(), d.Country);
    QCOMPARE(tabFrom(d.Country), d.PostalCode);
    QCOMPARE(tabFrom(d.PostalCode), d.Population);
    QCOMPARE(tabFrom(d.Population), d.OKButton);
    QCOMPARE(tabFrom(d.OKButton), d.TabWidget2->focusProxy());

    // On the service page with its groups switched on, the tab bar leads into it.
    d.ServiceTabOn->setChecked(true);
    d.TabWidget2->setCurrentWidget(d.tab_2);
    d.TabWidget2->focusProxy()->setFocus();
    QCOMPARE(tabFrom(d.TabWidget2->focusProxy()), d.ServiceTabOn);
    QCOMPARE(tabFrom(d.ServiceTabOn), d.email);
    QCOMPARE(tabFrom(d.email), d.WantsReminderEmail);

    d.OpinionTabOn->setChecked(true);
    d.TabWidget2->setCurrentWidget(d.tab_3);
    d.OpinionTabOn->setFocus();
    QCOMPARE(tabFrom(d.OpinionTabOn), d.MixdateYear);
    QCOMPARE(tabFrom(d.MixdateYear), d.MixdateMonth);
    QCOMPARE(tabFrom(d.MixdateMonth), d.ArrivaldateMonth);
    QCOMPARE(tabFrom(d.ArrivaldateMonth), d.Message);
}

void TestSettingsDialog::escapeRejectsAndOkAccepts()
{
    SettingsDialog d(nullptr, QString(), true);

    whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(!d.isVisible());

    whenModalAppears([&d](QWidget* modal) {
        QCOMPARE(modal, &d);
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));

    // Return in a line edit presses the default button.
    whenModalAppears([&d](QWidget*) {
        d.PostalCode->setFocus();
        QTest::keyClick(d.PostalCode, Qt::Key_Return);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));

    // Leaving never touches what was typed: the dialogs object reads it afterwards.
    whenModalAppears([&d](QWidget*) {
        d.PostalCode->setFocus();
        QTest::keyClicks(d.PostalCode, QStringLiteral("1010"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QCOMPARE(d.PostalCode->text(), QStringLiteral("1010"));
}

void TestSettingsDialog::textsAndToolTips()
{
    SettingsDialog d;

    QCOMPARE(d.paragraph1->text(), section() + QStringLiteral("1: "));
    QCOMPARE(d.paragraph1->text().size(), 4);
    QCOMPARE(d.paragraph2->text(), section() + QStringLiteral("2: "));
    QCOMPARE(d.TextLabel2->text(), QStringLiteral("I agree to how I am using this program is observed for research "
                                                  "on ergonomics and for improving future versions."));
    QCOMPARE(d.TextLabel1->text(), QStringLiteral("You have to fill in where you are and sign ") + section() +
                                       QStringLiteral("1 of the contract to participate in the European project "
                                                      "\"Zuvanta!\"."));
    QCOMPARE(d.GroupBox2->toolTip(), QStringLiteral("You can also order these services on the website  ") +
                                         QLatin1String(ZUV_HTTP(ZUV_HOME_PAGE)));
    QVERIFY(d.GroupBox2->toolTip().contains(QStringLiteral("website  http://")));

    QCOMPARE(d.LabelCountry->text(), QStringLiteral(" Country"));
    QCOMPARE(d.LabelPostalCode->text(), QStringLiteral(" &Postal Code"));
    QVERIFY(d.LabelPostalCode->toolTip().isEmpty());
    QCOMPARE(d.WantsReminderEmail->text(), QStringLiteral("I want reminder messages \"Zuvanta!\""));
    QCOMPARE(d.TextLabel6_2_2->text(),
             QStringLiteral("Please give a guess, when you will have had \nall European coins in your purse once?"));
    QCOMPARE(d.TextLabel5_2->text(), QStringLiteral("Your \nmembernumber:"));
    QCOMPARE(d.TextLabel4->text(), QStringLiteral("Privacy Statement:\nAll uploaded data will be used for research "
                                                  "intentions only. Maximal anonymity is promised!"));
    QCOMPARE(d.bimonthly->text(), QStringLiteral("bi-monthly"));
    QCOMPARE(d.several->text(), QStringLiteral("several..."));
    QCOMPARE(d.OldSettingsButton->text(), QStringLiteral("Back to old settings"));

    QCOMPARE(d.GroupBox3->toolTip(), QStringLiteral("Very important because the diffusion is \"Where?\"-dependent"));
    QCOMPARE(d.GroupBox4->toolTip(), QStringLiteral("A recommends it to B and C; C recommends it to D, E and F; F "
                                                    "recommends it to G, ... the program spreads by talking about "
                                                    "it!"));
    QCOMPARE(d.PostalCode->toolTip(), QStringLiteral("The postal code of your city (at least 2 digits)"));
    QCOMPARE(d.TextLabel7_4->toolTip(), d.RecommenderName->toolTip());
    QCOMPARE(d.RecommenderName->toolTip(),
             QStringLiteral("example: Perhaps you heard about ZUV on the radio? Name the radio station."));
    QCOMPARE(d.OKButton->toolTip(), QStringLiteral("save these settings and go back"));
    QCOMPARE(d.Message->toolTip(),
             QStringLiteral("If you want my answer to this comment, you should provide your eMail-address."));

    QCOMPARE(d.GroupBox1->alignment(), Qt::AlignRight);
    QCOMPARE(d.MemberPanel->alignment(), Qt::AlignRight);
    QCOMPARE(d.MemberPanel->title(), QStringLiteral("On your first upload to the server you become a member!"));
}

void TestSettingsDialog::labelBuddies()
{
    SettingsDialog d;
    const QList<QPair<QLabel*, QWidget*>> buddies = {
        {d.LabelCountry, d.Country},         {d.LabelPostalCode, d.PostalCode},
        {d.LabelPopulation, d.Population},   {d.TextLabel1_2, d.paragraph1},
        {d.TextLabel2, d.paragraph2},        {d.TextLabel5_3, d.RecommenderMembernumber},
        {d.TextLabel7_4, d.RecommenderName}, {d.TextLabel8, d.email},
        {d.TextLabel5_2, d.MemberNumber},    {d.TextLabel6_3, d.MemberSince},
        {d.TextLabel7_3, d.Welcome},
    };
    for (const auto& pair : buddies)
        QVERIFY2(pair.first->buddy() == pair.second, qPrintable(pair.first->objectName()));

    // The one mnemonic of the first page leads to the postal code.
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.Country->setFocus();
    QTest::keyClick(&d, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), d.PostalCode);
}

void TestSettingsDialog::memberNumberDisplay()
{
    SettingsDialog d;
    QCOMPARE(d.MemberNumber->digitCount(), 6);
    QCOMPARE(d.MemberNumber->mode(), QLCDNumber::Dec);
    QCOMPARE(d.MemberNumber->frameShape(), QFrame::WinPanel);
    QCOMPARE(d.MemberNumber->frameShadow(), QFrame::Raised);
    QCOMPARE(d.MemberNumber->lineWidth(), 0);
    QCOMPARE(d.MemberNumber->midLineWidth(), 0);
    // The largest member number the display is made for still fits.
    d.MemberNumber->display(999999);
    QVERIFY(!d.MemberNumber->checkOverflow(999999));
    QVERIFY(d.MemberNumber->checkOverflow(1000000));

    QCOMPARE(d.Message->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    d.Welcome->setHtml(QStringLiteral("<b>Welcome</b> to ZUV"));
    QCOMPARE(d.Welcome->toPlainText(), QStringLiteral("Welcome to ZUV"));
    QVERIFY(d.Welcome->isReadOnly());
}

void TestSettingsDialog::noTextIsCutOff()
{
    // At the dialog's fixed size every label on every page gets the room its
    // text needs: wrapped texts their full height, single lines their width.
    SettingsDialog d;
    d.show();
    QList<QWidget*> pages = {d.tab, d.tab_2, d.tab_3, d.tab_4};
    for (QWidget* page : pages) {
        d.TabWidget2->setCurrentWidget(page);
        QCoreApplication::processEvents();
        for (QLabel* label : page->findChildren<QLabel*>()) {
            const QByteArray name = label->objectName().toLatin1();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name.constData());
            } else {
                QVERIFY2(label->sizeHint().width() <= label->width(), name.constData());
                QVERIFY2(label->sizeHint().height() <= label->height(), name.constData());
            }
        }
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
    }
    QVERIFY(d.TextLabel1->heightForWidth(d.TextLabel1->width()) <= d.TextLabel1->height());

    // Outside the euro area the postal code label asks for country and city.
    d.TabWidget2->setCurrentWidget(d.tab);
    d.LabelPostalCode->setText(QStringLiteral(" &Country, City"));
    QCoreApplication::processEvents();
    QVERIFY(d.LabelPostalCode->sizeHint().width() <= d.LabelPostalCode->width());
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
