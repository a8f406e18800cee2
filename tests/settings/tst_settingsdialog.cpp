#include "common/modaldriver.h"

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
#include <QtTest>

// What the participant meets in the settings window itself; what its fields
// mean is the dialogs object's, tested with it.
class TestSettingsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchesEnableTheirGroups();
    void fixedSizeAndNoTextCutOff();
    void escapeRejectsAndOkAccepts();
};

void TestSettingsDialog::switchesEnableTheirGroups()
{
    // Fresh: nothing chosen, the optional groups off. Set from the stored
    // state, programmatic changes switch them too.
    SettingsDialog d;
    for (QCheckBox* box : d.findChildren<QCheckBox*>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    for (QComboBox* combo : d.findChildren<QComboBox*>())
        QVERIFY2(combo->currentIndex() == 0, qPrintable(combo->objectName()));
    QVERIFY(d.weekly->isChecked());
    QVERIFY(!d.email->isEnabled() && !d.Message->isEnabled() && !d.MemberNumber->isEnabled());
    d.ServiceTabOn->setChecked(true);
    QVERIFY(d.email->isEnabled());
    QVERIFY(!d.monthly->isEnabled()); // reminders still off
    d.WantsReminderEmail->setChecked(true);
    QVERIFY(d.monthly->isEnabled());
    d.WantsReminderEmail->setChecked(false);
    QVERIFY(!d.monthly->isEnabled());
    d.ServiceTabOn->setChecked(false);
    QVERIFY(!d.email->isEnabled());
    d.OpinionTabOn->setChecked(true);
    QVERIFY(d.Message->isEnabled());
    d.OpinionTabOn->setChecked(false);
    QVERIFY(!d.MixdateYear->isEnabled());
    QVERIFY(d.OKButton->isDefault());
}

void TestSettingsDialog::fixedSizeAndNoTextCutOff()
{
    // At the dialog's fixed size every label and button on every page gets
    // the room its text needs: wrapped texts their full height, single lines
    // their width. The postal code label also fits its longer text outside
    // the euro area.
    SettingsDialog d;
    const QSize fixed = d.size();
    d.show();
    d.resize(800, 600);
    QCOMPARE(d.size(), fixed);
    for (QWidget* page : {d.tab, d.tab_2, d.tab_3, d.tab_4}) {
        d.TabWidget2->setCurrentWidget(page);
        if (page == d.tab)
            d.LabelPostalCode->setText(QStringLiteral(" &Country, City"));
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
    QCOMPARE(d.PostalCode->text(), QStringLiteral("1010"));
    // The one mnemonic of the dialog leads to the postal code.
    QCOMPARE(d.LabelPostalCode->buddy(), d.PostalCode);
    whenModalAppears([&d](QWidget* modal) {
        QCOMPARE(modal, &d);
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
