// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsdialog.h"

#include "settings/settingschoices.h"

#include "common/config.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The window has a fixed size; the tab widget fills its upper part and the
// buttons and the hint share the row below it.
constexpr int dialogWidth = 585;
constexpr int dialogHeight = 395;
const QRect tabWidgetRect(5, 5, 575, 335);
const QRect oldSettingsButtonRect(10, 341, 135, 50);
const QRect hintLabelRect(150, 340, 300, 55);
const QRect okButtonRect(455, 340, 120, 50);

// The first page is crowded: keep the frames close together.
constexpr int pageMargin = 2;
constexpr int boxMargin = 5;
constexpr int boxTopMargin = 1;
constexpr int boxSpacing = 3;
constexpr int postalCodeWidth = 110;
const QSize memberNumberSize(220, 48);
constexpr int intervalIndent = 20;
constexpr int guessSpacing = 8;

template <typename W> W* named(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

template <typename L> L* tightLayout(QWidget* owner, int margin = boxMargin)
{
    auto* layout = new L(owner);
    // A group box already leaves room for its title above the contents.
    const int top = qobject_cast<QGroupBox*>(owner) ? qMin(margin, boxTopMargin) : margin;
    layout->setContentsMargins(margin, top, margin, margin);
    layout->setSpacing(boxSpacing);
    return layout;
}

QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment)
{
    auto* label = named<QLabel>(parent, name);
    label->setText(text);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent, const QString& name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name.isEmpty() ? QStringLiteral("SettingsDialog") : name);
    setModal(modal);
    setWindowTitle(tr("ZUV Settings"));
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(dialogWidth, dialogHeight);

    TabWidget2 = named<QTabWidget>(this, "TabWidget2");
    TabWidget2->setGeometry(tabWidgetRect);

    buildLocalizationPage();
    buildServicePage();
    buildOpinionPage();
    buildMemberPage();
    buildBottomRow();
    setFocusOrder();

    connect(ServiceTabOn, &QCheckBox::toggled, GroupBox2, &QWidget::setEnabled);
    connect(WantsReminderEmail, &QCheckBox::toggled, ButtonGroup1, &QWidget::setEnabled);
    connect(OpinionTabOn, &QCheckBox::toggled, GroupBox25, &QWidget::setEnabled);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void SettingsDialog::buildLocalizationPage()
{
    tab = named<QWidget>(TabWidget2, "tab");
    auto* pageLayout = tightLayout<QVBoxLayout>(tab, pageMargin);

    GroupBox1 = named<QGroupBox>(tab, "GroupBox1");
    GroupBox1->setTitle(tr("It is necessary that you give these informations"));
    GroupBox1->setAlignment(Qt::AlignRight);
    pageLayout->addWidget(GroupBox1);
    auto* necessaryLayout = tightLayout<QVBoxLayout>(GroupBox1);

    // Where the participant lives.
    GroupBox3 = named<QGroupBox>(GroupBox1, "GroupBox3");
    GroupBox3->setTitle(tr("Where are you?"));
    GroupBox3->setToolTip(tr("Very important because the diffusion is \"Where?\"-dependent"));
    necessaryLayout->addWidget(GroupBox3);
    auto* whereLayout = tightLayout<QGridLayout>(GroupBox3);

    LabelCountry = named<QLabel>(GroupBox3, "LabelCountry");
    LabelCountry->setText(tr(" Country"));
    LabelCountry->setToolTip(tr("The country where you make most of your transactions"));
    LabelCountry->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Country = named<QComboBox>(GroupBox3, "Country");
    Country->setEditable(false);
    // Index = the national side's country index for 1 to 15; the blank items
    // 16, 17, 18 and 20 only space the list and count as no country.
    for (const QString& item : memberCountryItems())
        Country->addItem(QCoreApplication::translate("Country", item.toUtf8().constData()), item);
    Country->setToolTip(tr("The country where you make most of your transactions"));
    Country->setMaxVisibleItems(Country->count());
    LabelCountry->setBuddy(Country);

    LabelPostalCode = named<QLabel>(GroupBox3, "LabelPostalCode");
    LabelPostalCode->setText(tr(" &Postal Code"));
    LabelPostalCode->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PostalCode = named<QLineEdit>(GroupBox3, "PostalCode");
    PostalCode->setToolTip(tr("The postal code of your city (at least 2 digits)"));
    PostalCode->setFixedWidth(postalCodeWidth);
    LabelPostalCode->setBuddy(PostalCode);

    LabelPopulation = named<QLabel>(GroupBox3, "LabelPopulation");
    LabelPopulation->setText(tr(" City Size"));
    LabelPopulation->setToolTip(tr("Choose the population of your city"));
    LabelPopulation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Population = named<QComboBox>(GroupBox3, "Population");
    for (const QString& item : townSizeItems())
        Population->addItem(QCoreApplication::translate("TownSize", item.toUtf8().constData()), item);
    Population->setToolTip(tr("Tell us the population of your city"));
    LabelPopulation->setBuddy(Population);

    whereLayout->addWidget(LabelCountry, 0, 0);
    whereLayout->addWidget(Country, 0, 1, 1, 3);
    whereLayout->addWidget(LabelPostalCode, 1, 0);
    whereLayout->addWidget(PostalCode, 1, 1);
    whereLayout->addWidget(LabelPopulation, 1, 2);
    whereLayout->addWidget(Population, 1, 3);
    whereLayout->setColumnStretch(3, 1);

    // The two paragraphs of the participation contract.
    GroupBox21 = named<QGroupBox>(GroupBox1, "GroupBox21");
    GroupBox21->setTitle(tr("Sign this contract"));
    necessaryLayout->addWidget(GroupBox21);
    auto* contractLayout = tightLayout<QGridLayout>(GroupBox21);

    paragraph1 = named<QCheckBox>(GroupBox21, "paragraph1");
    paragraph1->setText(tr("\u00A7"
                           "1: "));
    paragraph1->setToolTip(tr("obligatory !"));
    TextLabel1_2 =
        wrappedLabel(GroupBox21, "TextLabel1_2",
                     tr("I promise not to send in fake data, because it would endanger the scientific analysis."),
                     Qt::AlignLeft | Qt::AlignTop);
    TextLabel1_2->setToolTip(tr("That goes without saying, but please please please keep to this rule!"));
    TextLabel1_2->setBuddy(paragraph1);

    paragraph2 = named<QCheckBox>(GroupBox21, "paragraph2");
    paragraph2->setText(tr("\u00A7"
                           "2: "));
    paragraph2->setToolTip(tr("optional"));
    TextLabel2 = wrappedLabel(GroupBox21, "TextLabel2",
                              tr("I agree to how I am using this program is observed for research on ergonomics "
                                 "and for improving future versions."),
                              Qt::AlignLeft | Qt::AlignTop);
    TextLabel2->setToolTip(tr("For example, pressing a button in ZUV is recorded. No harm to you, but very "
                              "informative for e.g. the programmer who wants to optimize it."));
    TextLabel2->setBuddy(paragraph2);

    TextLabel4 = wrappedLabel(GroupBox21, "TextLabel4",
                              tr("Privacy Statement:\nAll uploaded data will be used for research intentions only. "
                                 "Maximal anonymity is promised!"),
                              Qt::AlignLeft | Qt::AlignVCenter);

    contractLayout->addWidget(paragraph1, 0, 0, Qt::AlignTop);
    contractLayout->addWidget(TextLabel1_2, 0, 1);
    contractLayout->addWidget(paragraph2, 1, 0, Qt::AlignTop);
    contractLayout->addWidget(TextLabel2, 1, 1);
    contractLayout->addWidget(TextLabel4, 0, 2, 2, 1);
    contractLayout->setColumnStretch(1, 3);
    contractLayout->setColumnStretch(2, 2);

    // Who recommended the program.
    GroupBox4 = named<QGroupBox>(GroupBox1, "GroupBox4");
    GroupBox4->setTitle(tr("Who told you about this?"));
    GroupBox4->setAlignment(Qt::AlignLeft);
    GroupBox4->setToolTip(tr("A recommends it to B and C; C recommends it to D, E and F; F recommends it to G, ... "
                             "the program spreads by talking about it!"));
    necessaryLayout->addWidget(GroupBox4);
    auto* recommenderLayout = tightLayout<QGridLayout>(GroupBox4);

    RecommenderMembernumber = named<QLineEdit>(GroupBox4, "RecommenderMembernumber");
    RecommenderMembernumber->setToolTip(
        tr("Ask the Recommenders for their member numbers! If several, separate by comma."));
    TextLabel5_3 = named<QLabel>(GroupBox4, "TextLabel5_3");
    TextLabel5_3->setText(tr("ZUV-Membernumbers"));
    TextLabel5_3->setToolTip(tr("Ask the Recommenders for their member numbers!!! Later we can analyze how the "
                                "program has spread over the planet!"));
    TextLabel5_3->setBuddy(RecommenderMembernumber);
    several = named<QPushButton>(GroupBox4, "several");
    several->setText(tr("several..."));
    several->setToolTip(tr("or use this dialog for inputting several recommenders"));
    several->setAutoDefault(false);

    TextLabel6_4 = named<QLabel>(GroupBox4, "TextLabel6_4");
    TextLabel6_4->setText(tr("OR"));
    TextLabel6_4->setToolTip(
        tr("Or give both, Membernumber and Name, if that organization has mentioned their usernumber"));
    TextLabel6_4->setAlignment(Qt::AlignCenter);

    const QString organizationTip = tr("example: Perhaps you heard about ZUV on the radio? Name the radio station.");
    RecommenderName = named<QLineEdit>(GroupBox4, "RecommenderName");
    RecommenderName->setToolTip(organizationTip);
    TextLabel7_4 = named<QLabel>(GroupBox4, "TextLabel7_4");
    TextLabel7_4->setText(tr("Name of organization"));
    TextLabel7_4->setToolTip(organizationTip);
    TextLabel7_4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TextLabel7_4->setBuddy(RecommenderName);

    recommenderLayout->addWidget(RecommenderMembernumber, 0, 0, 1, 2);
    recommenderLayout->addWidget(TextLabel6_4, 0, 2);
    recommenderLayout->addWidget(RecommenderName, 0, 3);
    recommenderLayout->addWidget(TextLabel5_3, 1, 0);
    recommenderLayout->addWidget(several, 1, 1);
    recommenderLayout->addWidget(TextLabel7_4, 1, 3);
    recommenderLayout->setColumnStretch(0, 1);
    recommenderLayout->setColumnStretch(3, 1);

    TabWidget2->addTab(tab, tr("NECESSARY Localization"));
}

void SettingsDialog::buildServicePage()
{
    tab_2 = named<QWidget>(TabWidget2, "tab_2");
    auto* pageLayout = tightLayout<QVBoxLayout>(tab_2, pageMargin);

    ServiceTabOn = named<QCheckBox>(tab_2, "ServiceTabOn");
    ServiceTabOn->setText(tr("If you want to, I can provide useful services for you. Click here."));
    pageLayout->addWidget(ServiceTabOn);

    GroupBox2 = named<QGroupBox>(tab_2, "GroupBox2");
    GroupBox2->setTitle(tr("Service Settings"));
    GroupBox2->setToolTip(tr("You can also order these services on the website  ") +
                          QStringLiteral(ZUV_HTTP(ZUV_HOME_PAGE)));
    pageLayout->addWidget(GroupBox2);
    pageLayout->addStretch(1);
    auto* serviceLayout = tightLayout<QGridLayout>(GroupBox2);

    TextLabel8 = named<QLabel>(GroupBox2, "TextLabel8");
    TextLabel8->setText(tr("eMail"));
    email = named<QLineEdit>(GroupBox2, "email");
    email->setToolTip(tr("please type in your eMail address if you want me to contact you."));
    TextLabel8->setBuddy(email);

    WantsReminderEmail = named<QCheckBox>(GroupBox2, "WantsReminderEmail");
    WantsReminderEmail->setText(tr("I want reminder messages \"Zuvanta!\""));

    ButtonGroup1 = named<QGroupBox>(GroupBox2, "ButtonGroup1");
    ButtonGroup1->setFlat(true);
    ButtonGroup1->setStyleSheet(QStringLiteral("QGroupBox#ButtonGroup1 { border: none; margin: 0px; }"));
    auto* intervalLayout = tightLayout<QVBoxLayout>(ButtonGroup1, 0);
    intervalLayout->setContentsMargins(intervalIndent, 0, 0, 0);
    weekly = named<QRadioButton>(ButtonGroup1, "weekly");
    weekly->setText(tr("weekly"));
    bimonthly = named<QRadioButton>(ButtonGroup1, "bimonthly");
    bimonthly->setText(tr("bi-monthly"));
    monthly = named<QRadioButton>(ButtonGroup1, "monthly");
    monthly->setText(tr("monthly"));
    reminderIntervals = new QButtonGroup(ButtonGroup1);
    reminderIntervals->setObjectName(QStringLiteral("reminderIntervals"));
    reminderIntervals->setExclusive(true);
    int id = 0;
    for (QRadioButton* button : {weekly, bimonthly, monthly}) {
        intervalLayout->addWidget(button);
        reminderIntervals->addButton(button, id++);
    }
    weekly->setChecked(true);
    ButtonGroup1->setEnabled(false);

    WantsRegularInformations = named<QCheckBox>(GroupBox2, "WantsRegularInformations");
    WantsRegularInformations->setText(tr("I want informations about the project (newsletter)."));
    WantsToHelp = named<QCheckBox>(GroupBox2, "WantsToHelp");
    WantsToHelp->setText(tr("I offer my help for this project."));
    WantsToAnalyze = named<QCheckBox>(GroupBox2, "WantsToAnalyze");
    WantsToAnalyze->setText(tr("I would like to analyze the data."));

    serviceLayout->addWidget(TextLabel8, 0, 0);
    serviceLayout->addWidget(email, 0, 1);
    serviceLayout->addWidget(WantsReminderEmail, 1, 0, 1, 2);
    serviceLayout->addWidget(ButtonGroup1, 2, 0, 1, 2);
    serviceLayout->addWidget(WantsRegularInformations, 3, 0, 1, 2);
    serviceLayout->addWidget(WantsToHelp, 4, 0, 1, 2);
    serviceLayout->addWidget(WantsToAnalyze, 5, 0, 1, 2);
    serviceLayout->setColumnStretch(1, 1);
    GroupBox2->setEnabled(false);

    TabWidget2->addTab(tab_2, tr("USEFUL Service"));
}

void SettingsDialog::buildOpinionPage()
{
    tab_3 = named<QWidget>(TabWidget2, "tab_3");
    auto* pageLayout = tightLayout<QVBoxLayout>(tab_3, pageMargin);

    OpinionTabOn = named<QCheckBox>(tab_3, "OpinionTabOn");
    OpinionTabOn->setText(tr("If you want to, you can tell me your opinion about this project. Click."));
    pageLayout->addWidget(OpinionTabOn);

    GroupBox25 = named<QGroupBox>(tab_3, "GroupBox25");
    GroupBox25->setTitle(tr("Your opinion counts"));
    pageLayout->addWidget(GroupBox25, 1);
    auto* opinionLayout = tightLayout<QGridLayout>(GroupBox25);

    // Index = year - 2001 for 2002 to 2010; the ranges and "Never" follow.
    const QStringList years = {QString(),       tr("2002"),         tr("2003"), tr("2004"), tr("2005"),
                               tr("2006"),      tr("2007"),         tr("2008"), tr("2009"), tr("2010"),
                               tr("2011-2020"), tr("2021- ......"), tr("Never")};
    const QStringList months = {QString(),     tr("January"),  tr("February"), tr("March"),  tr("April"),
                                tr("May"),     tr("June"),     tr("July"),     tr("August"), tr("September"),
                                tr("October"), tr("November"), tr("December")};

    TextLabel6_2 = wrappedLabel(GroupBox25, "TextLabel6_2",
                                tr("Please give a guess, when your purse will show the same distribution of "
                                   "countries as the distribution of produced coins ... (when are the European "
                                   "coins mixed completely?)"),
                                Qt::AlignRight | Qt::AlignVCenter);
    MixdateYear = named<QComboBox>(GroupBox25, "MixdateYear");
    MixdateYear->addItems(years);
    MixdateMonth = named<QComboBox>(GroupBox25, "MixdateMonth");
    MixdateMonth->addItems(months);

    TextLabel6_2_2 = wrappedLabel(GroupBox25, "TextLabel6_2_2",
                                  tr("Please give a guess, when you will have had \nall European coins in your "
                                     "purse once?"),
                                  Qt::AlignRight | Qt::AlignVCenter);
    ArrivaldateYear = named<QComboBox>(GroupBox25, "ArrivaldateYear");
    ArrivaldateYear->addItems(years);
    ArrivaldateMonth = named<QComboBox>(GroupBox25, "ArrivaldateMonth");
    ArrivaldateMonth->addItems(months);

    TextLabel7_2 = named<QLabel>(GroupBox25, "TextLabel7_2");
    TextLabel7_2->setText(tr("Describe yourself or an idea or leave a message."));
    Message = named<QPlainTextEdit>(GroupBox25, "Message");
    Message->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Message->setToolTip(tr("If you want my answer to this comment, you should provide your eMail-address."));

    opinionLayout->addWidget(TextLabel6_2, 0, 0, 2, 1);
    opinionLayout->addWidget(MixdateYear, 0, 1);
    opinionLayout->addWidget(MixdateMonth, 1, 1);
    opinionLayout->addWidget(TextLabel6_2_2, 2, 0, 2, 1);
    opinionLayout->addWidget(ArrivaldateYear, 2, 1);
    opinionLayout->addWidget(ArrivaldateMonth, 3, 1);
    opinionLayout->addWidget(TextLabel7_2, 4, 0, 1, 2);
    opinionLayout->addWidget(Message, 5, 0, 1, 2);
    opinionLayout->setHorizontalSpacing(guessSpacing);
    opinionLayout->setColumnStretch(0, 1);
    opinionLayout->setRowStretch(5, 1);
    GroupBox25->setEnabled(false);

    TabWidget2->addTab(tab_3, tr("VOLUNTARY opinion"));
}

void SettingsDialog::buildMemberPage()
{
    tab_4 = named<QWidget>(TabWidget2, "tab_4");
    auto* pageLayout = tightLayout<QVBoxLayout>(tab_4, pageMargin);

    MemberPanel = named<QGroupBox>(tab_4, "MemberPanel");
    MemberPanel->setTitle(tr("On your first upload to the server you become a member!"));
    MemberPanel->setAlignment(Qt::AlignRight);
    pageLayout->addWidget(MemberPanel);
    auto* memberLayout = tightLayout<QGridLayout>(MemberPanel);

    TextLabel5_2 = named<QLabel>(MemberPanel, "TextLabel5_2");
    TextLabel5_2->setText(tr("Your \nmembernumber:"));
    TextLabel5_2->setToolTip(tr("Why a membernumber? Apart from technical reasons, we can later analyze how this "
                                "program spread over the planet because of your recommendation!"));
    TextLabel5_2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MemberNumber = named<QLCDNumber>(MemberPanel, "MemberNumber");
    MemberNumber->setToolTip(tr("Whenever you recommend this program, please mention your membernumber."));
    MemberNumber->setDigitCount(6);
    MemberNumber->setMode(QLCDNumber::Dec);
    MemberNumber->setFrameShape(QFrame::WinPanel);
    MemberNumber->setFrameShadow(QFrame::Raised);
    MemberNumber->setLineWidth(0);
    MemberNumber->setMidLineWidth(0);
    MemberNumber->setContentsMargins(0, 0, 0, 0);
    MemberNumber->setFixedSize(memberNumberSize);
    MemberNumber->setEnabled(false);
    TextLabel5_2->setBuddy(MemberNumber);

    TextLabel6_3 = named<QLabel>(MemberPanel, "TextLabel6_3");
    TextLabel6_3->setText(tr("You joined us on:"));
    MemberSince = named<QLineEdit>(MemberPanel, "MemberSince");
    MemberSince->setEnabled(false);
    TextLabel6_3->setBuddy(MemberSince);

    TextLabel7_3 = named<QLabel>(MemberPanel, "TextLabel7_3");
    TextLabel7_3->setText(tr("Welcome Message:"));
    Welcome = named<QTextBrowser>(MemberPanel, "Welcome");
    // A welcome text from the server is shown, not navigated: a click on a
    // link must not replace it.
    Welcome->setOpenLinks(false);
    TextLabel7_3->setBuddy(Welcome);

    memberLayout->addWidget(TextLabel5_2, 0, 0);
    memberLayout->addWidget(MemberNumber, 0, 1);
    memberLayout->addWidget(TextLabel6_3, 1, 0);
    memberLayout->addWidget(MemberSince, 1, 1);
    memberLayout->addWidget(TextLabel7_3, 2, 0, 1, 3);
    memberLayout->addWidget(Welcome, 3, 0, 1, 3);
    memberLayout->setColumnStretch(2, 1);
    memberLayout->setRowStretch(3, 1);

    TabWidget2->addTab(tab_4, tr("Membernumber"));
}

void SettingsDialog::buildBottomRow()
{
    OldSettingsButton = named<QPushButton>(this, "OldSettingsButton");
    OldSettingsButton->setText(tr("Back to old settings"));
    OldSettingsButton->setToolTip(tr("resets the settings to the state of the last saving"));
    OldSettingsButton->setGeometry(oldSettingsButtonRect);

    TextLabel1 = wrappedLabel(this, "TextLabel1",
                              tr("You have to fill in where you are and sign \u00A7"
                                 "1 of the contract to participate in the European project \"Zuvanta!\"."),
                              Qt::AlignCenter);
    TextLabel1->setGeometry(hintLabelRect);

    OKButton = named<QPushButton>(this, "OKButton");
    OKButton->setText(tr("OK"));
    OKButton->setToolTip(tr("save these settings and go back"));
    OKButton->setGeometry(okButtonRect);
    OKButton->setDefault(true);
}

void SettingsDialog::setFocusOrder()
{
    // The tab widget hands its focus on to its tab bar, so the tab bar takes
    // its place in the chain. Linking the tab widget itself would move it as
    // a compound together with all four pages.
    QWidget* tabBar = TabWidget2->focusProxy();

    const QList<QWidget*> order = {Country,      PostalCode,       Population,   OKButton,
                                   tabBar,       ServiceTabOn,     email,        WantsReminderEmail,
                                   weekly,       bimonthly,        monthly,      WantsRegularInformations,
                                   WantsToHelp,  WantsToAnalyze,   OpinionTabOn, MixdateYear,
                                   MixdateMonth, ArrivaldateMonth, Message};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
