// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLCDNumber;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextBrowser;

// The settings window: four tab pages (where the participant lives and his
// signature, the e-mail services, his opinion, his membership) above the
// "Back to old settings" and "OK" buttons. The dialogs object fills it, runs it
// and reads it back through the public widgets, each named like its object
// name. The window itself only switches its optional groups on and off and
// accepts on OK; every rule about the fields lives with the dialogs object.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget* parent = nullptr, const QString& name = QString(), bool modal = false,
                            Qt::WindowFlags flags = {});

    // Directly on the dialog.
    QTabWidget* TabWidget2 = nullptr;
    QPushButton* OldSettingsButton = nullptr;
    QLabel* TextLabel1 = nullptr;
    QPushButton* OKButton = nullptr;

    // The four pages, in tab order.
    QWidget* tab = nullptr;
    QWidget* tab_2 = nullptr;
    QWidget* tab_3 = nullptr;
    QWidget* tab_4 = nullptr;

    // "NECESSARY Localization"
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* LabelCountry = nullptr;
    QComboBox* Country = nullptr;
    QLabel* LabelPostalCode = nullptr;
    QLineEdit* PostalCode = nullptr;
    QLabel* LabelPopulation = nullptr;
    QComboBox* Population = nullptr;
    QGroupBox* GroupBox21 = nullptr;
    QCheckBox* paragraph1 = nullptr;
    QLabel* TextLabel1_2 = nullptr;
    QCheckBox* paragraph2 = nullptr;
    QLabel* TextLabel2 = nullptr;
    QLabel* TextLabel4 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLineEdit* RecommenderMembernumber = nullptr;
    QLabel* TextLabel5_3 = nullptr;
    QPushButton* several = nullptr;
    QLabel* TextLabel6_4 = nullptr;
    QLineEdit* RecommenderName = nullptr;
    QLabel* TextLabel7_4 = nullptr;

    // "USEFUL Service"
    QCheckBox* ServiceTabOn = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* TextLabel8 = nullptr;
    QLineEdit* email = nullptr;
    QCheckBox* WantsReminderEmail = nullptr;
    QGroupBox* ButtonGroup1 = nullptr; // frameless box around the three interval buttons
    QRadioButton* weekly = nullptr;
    QRadioButton* bimonthly = nullptr;
    QRadioButton* monthly = nullptr;
    QCheckBox* WantsRegularInformations = nullptr;
    QCheckBox* WantsToHelp = nullptr;
    QCheckBox* WantsToAnalyze = nullptr;
    // Keeps the interval buttons exclusive (ids 0 weekly, 1 bi-monthly,
    // 2 monthly). An exclusive group refuses to uncheck its checked button;
    // whoever needs all three off switches exclusivity off for that moment.
    QButtonGroup* reminderIntervals = nullptr;

    // "VOLUNTARY opinion"
    QCheckBox* OpinionTabOn = nullptr;
    QGroupBox* GroupBox25 = nullptr;
    QLabel* TextLabel6_2 = nullptr;
    QComboBox* MixdateYear = nullptr;
    QComboBox* MixdateMonth = nullptr;
    QLabel* TextLabel6_2_2 = nullptr;
    QComboBox* ArrivaldateYear = nullptr;
    QComboBox* ArrivaldateMonth = nullptr;
    QLabel* TextLabel7_2 = nullptr;
    QPlainTextEdit* Message = nullptr;

    // "Membernumber"
    QGroupBox* MemberPanel = nullptr;
    QLabel* TextLabel5_2 = nullptr;
    QLCDNumber* MemberNumber = nullptr;
    QLabel* TextLabel6_3 = nullptr;
    QLineEdit* MemberSince = nullptr;
    QLabel* TextLabel7_3 = nullptr;
    QTextBrowser* Welcome = nullptr;

private:
    void buildLocalizationPage();
    void buildServicePage();
    void buildOpinionPage();
    void buildMemberPage();
    void buildBottomRow();
    void setFocusOrder();
};
