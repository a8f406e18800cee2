#include "common/modaldriver.h"

#include "common/config.h"
#include "settings/settingsdialog.h"

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
    void widgetsSitInTheirGroups();
    void pagesRowsAndBottomRow();
    void comboBoxItems();
    void fixedSizeCannotBeResized();
    void switchesEnableTheirGroups();
    void initialState();
    void focusOrder();
    void escapeRejectsAndOkAccepts();
    void textsAndToolTips();
    void postalCodeBuddyAndMemberPanel();
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

const QString section(QChar(0x00A7));

struct Named
{
    QWidget* widget;
    const char* name;
};

} // namespace

// clang-format off
#define NAMED(member) Named{d.member, #member}
// clang-format on

void TestSettingsDialog::widgetsSitInTheirGroups()
{
    SettingsDialog d;
    QCOMPARE(d.objectName(), QStringLiteral("SettingsDialog"));
    QVERIFY(!d.isModal());
    SettingsDialog named(nullptr, QStringLiteral("SettingsDialogWindow"), true);
    QCOMPARE(named.objectName(), QStringLiteral("SettingsDialogWindow"));
    QVERIFY(named.isModal());

    const QList<QPair<QWidget*, QList<Named>>> groups = {
        {&d, {NAMED(TabWidget2), NAMED(OldSettingsButton), NAMED(TextLabel1), NAMED(OKButton)}},
        {d.TabWidget2, {NAMED(tab), NAMED(tab_2), NAMED(tab_3), NAMED(tab_4)}},
        {d.tab, {NAMED(GroupBox1)}},
        {d.GroupBox1, {NAMED(GroupBox3), NAMED(GroupBox21), NAMED(GroupBox4)}},
        {d.GroupBox3,
         {NAMED(LabelCountry), NAMED(Country), NAMED(LabelPostalCode), NAMED(PostalCode), NAMED(LabelPopulation),
          NAMED(Population)}},
        {d.GroupBox21,
         {NAMED(paragraph1), NAMED(TextLabel1_2), NAMED(paragraph2), NAMED(TextLabel2), NAMED(TextLabel4)}},
        {d.GroupBox4,
         {NAMED(RecommenderMembernumber), NAMED(TextLabel5_3), NAMED(several), NAMED(TextLabel6_4),
          NAMED(RecommenderName), NAMED(TextLabel7_4)}},
        {d.tab_2, {NAMED(ServiceTabOn), NAMED(GroupBox2)}},
        {d.GroupBox2,
         {NAMED(TextLabel8), NAMED(email), NAMED(WantsReminderEmail), NAMED(ButtonGroup1),
          NAMED(WantsRegularInformations), NAMED(WantsToHelp), NAMED(WantsToAnalyze)}},
        {d.ButtonGroup1, {NAMED(weekly), NAMED(bimonthly), NAMED(monthly)}},
        {d.tab_3, {NAMED(OpinionTabOn), NAMED(GroupBox25)}},
        {d.GroupBox25,
         {NAMED(TextLabel6_2), NAMED(MixdateYear), NAMED(MixdateMonth), NAMED(TextLabel6_2_2), NAMED(ArrivaldateYear),
          NAMED(ArrivaldateMonth), NAMED(TextLabel7_2), NAMED(Message)}},
        {d.tab_4, {NAMED(MemberPanel)}},
        {d.MemberPanel,
         {NAMED(TextLabel5_2), NAMED(MemberNumber), NAMED(TextLabel6_3), NAMED(MemberSince), NAMED(TextLabel7_3),
          NAMED(Welcome)}},
    };
    for (const auto& [container, members] : groups) {
        for (const Named& member : members) {
            QVERIFY2(member.widget && member.widget->objectName() == QLatin1String(member.name), member.name);
            QVERIFY2(container->isAncestorOf(member.widget), member.name);
        }
    }
}

void TestSettingsDialog::pagesRowsAndBottomRow()
{
    SettingsDialog d;
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

    // Inside the pages the rows keep their order, top to bottom and left to right.
    d.show();
    for (QWidget* page : pages) {
        d.TabWidget2->setCurrentWidget(page);
        QCoreApplication::processEvents();
    }
    const auto at = [](QWidget* w) { return w->mapTo(w->window(), QPoint(0, 0)); };
    const QList<QList<QWidget*>> columns = {{d.GroupBox3, d.GroupBox21, d.GroupBox4},
                                            {d.Country, d.PostalCode},
                                            {d.paragraph1, d.paragraph2},
                                            {d.RecommenderMembernumber, d.TextLabel5_3},
                                            {d.weekly, d.bimonthly, d.monthly, d.WantsRegularInformations},
                                            {d.MixdateYear, d.MixdateMonth, d.ArrivaldateYear, d.ArrivaldateMonth},
                                            {d.TextLabel7_2, d.Message},
                                            {d.MemberNumber, d.MemberSince, d.Welcome}};
    for (const QList<QWidget*>& column : columns)
        for (int i = 1; i < column.size(); ++i)
            QVERIFY2(at(column[i - 1]).y() < at(column[i]).y(), qPrintable(column[i]->objectName()));
    const QList<QPair<QWidget*, QWidget*>> leftOf = {{d.PostalCode, d.Population},
                                                     {d.TextLabel2, d.TextLabel4},
                                                     {d.RecommenderMembernumber, d.TextLabel6_4},
                                                     {d.TextLabel6_4, d.RecommenderName},
                                                     {d.TextLabel6_2, d.MixdateYear}};
    for (const auto& [left, right] : leftOf)
        QVERIFY2(at(left).x() < at(right).x(), qPrintable(left->objectName()));
}

void TestSettingsDialog::comboBoxItems()
{
    SettingsDialog d;
    QCOMPARE(itemsOf(d.Country),
             items("|Austria|Belgium|Finland|France|Germany|Greece|Ireland|Italy|Luxemburg|Monaco|Netherlands|Portugal|"
                   "San Marino|Spain|Vatican||||Other European Country||North Africa|South Africa|West Asia|East "
                   "Asia|Australia|Pacific|North America|South America|Arctis|Antarctis"));
    QVERIFY(!d.Country->isEditable());
    // A spacer item can be chosen like any other.
    d.Country->setCurrentIndex(17);
    QCOMPARE(d.Country->currentIndex(), 17);

    QCOMPARE(itemsOf(d.Population),
             items("|< 500|500 - 1,000|1,000 - 5,000|5,000 - 10,000|10,000 - 50,000|50,000 - 100,000|100,000 - "
                   "500,000|500,000 - 1,000,000|1,000,000 - 5,000,000|> 5,000,000|I do not know it"));

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
    d.show();
    d.resize(800, 600);
    QCOMPARE(d.size(), fixed);
    QCOMPARE(d.windowTitle(), QStringLiteral("ZUV Settings"));
    QCOMPARE(d.focusPolicy(), Qt::TabFocus);
}

void TestSettingsDialog::switchesEnableTheirGroups()
{
    // Set from the stored state, programmatic changes switch too.
    SettingsDialog d;
    d.ServiceTabOn->setChecked(true);
    QVERIFY(d.email->isEnabled());
    QVERIFY(!d.ButtonGroup1->isEnabled()); // reminders still off
    d.WantsReminderEmail->setChecked(true);
    QVERIFY(d.monthly->isEnabled());
    d.WantsReminderEmail->setChecked(false);
    QVERIFY(!d.ButtonGroup1->isEnabled());
    d.ServiceTabOn->setChecked(false);
    QVERIFY(!d.email->isEnabled());

    d.OpinionTabOn->setChecked(true);
    QVERIFY(d.Message->isEnabled());
    d.OpinionTabOn->setChecked(false);
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

    for (QComboBox* combo : d.findChildren<QComboBox*>())
        QVERIFY2(combo->currentIndex() == 0, qPrintable(combo->objectName()));
    for (QLineEdit* edit : d.findChildren<QLineEdit*>())
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    QVERIFY(d.Message->toPlainText().isEmpty());

    for (QWidget* off : QWidgetList{d.GroupBox2, d.ButtonGroup1, d.GroupBox25, d.MemberNumber, d.MemberSince})
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    for (QWidget* on :
         QWidgetList{d.Country, d.paragraph1, d.RecommenderMembernumber, d.ServiceTabOn, d.OpinionTabOn, d.Welcome})
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

    // Walk the chain as the Tab key does. The tab widget hands its focus to
    // its tab bar, which stands in its place.
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
    QCOMPARE(walked, wanted);
}

void TestSettingsDialog::escapeRejectsAndOkAccepts()
{
    SettingsDialog d(nullptr, QString(), true);

    // Leaving never touches what was typed: the dialogs object reads it afterwards.
    whenModalAppears([&d](QWidget*) {
        d.PostalCode->setFocus();
        QTest::keyClicks(d.PostalCode, QStringLiteral("1010"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(!d.isVisible());
    QCOMPARE(d.PostalCode->text(), QStringLiteral("1010"));

    whenModalAppears([&d](QWidget* modal) {
        QCOMPARE(modal, &d);
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
}

void TestSettingsDialog::textsAndToolTips()
{
    SettingsDialog d;
    QCOMPARE(d.paragraph1->text(), section + QStringLiteral("1: "));
    QCOMPARE(d.paragraph2->text(), section + QStringLiteral("2: "));
    QCOMPARE(d.TextLabel2->text(), QStringLiteral("I agree to how I am using this program is observed for research "
                                                  "on ergonomics and for improving future versions."));
    QCOMPARE(d.TextLabel1->text(), QStringLiteral("You have to fill in where you are and sign ") + section +
                                       QStringLiteral("1 of the contract to participate in the European project "
                                                      "\"Zuvanta!\"."));
    QCOMPARE(d.GroupBox2->toolTip(), QStringLiteral("You can also order these services on the website  ") +
                                         QLatin1String(ZUV_HTTP(ZUV_HOME_PAGE)));
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
    QCOMPARE(d.MemberPanel->title(), QStringLiteral("On your first upload to the server you become a member!"));

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
}

void TestSettingsDialog::postalCodeBuddyAndMemberPanel()
{
    SettingsDialog d;
    // The one mnemonic of the dialog leads to the postal code.
    QCOMPARE(d.LabelPostalCode->buddy(), d.PostalCode);

    QCOMPARE(d.MemberNumber->digitCount(), 6);
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
    for (QWidget* page : {d.tab, d.tab_2, d.tab_3, d.tab_4}) {
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
