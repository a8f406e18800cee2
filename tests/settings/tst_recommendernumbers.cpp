#include "common/boxscript.h"
#include "common/eventnames.h"
#include "common/modaldriver.h"

#include "common/constants.h"
#include "settings/recommendernumbersdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

namespace {

const QString wrongFormatTitle = QStringLiteral("Wrong Membernumber Format");

QStringList itemTexts(const QListWidget* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->item(i)->text();
    return texts;
}

bool allInVocabulary(const QStringList& names)
{
    return std::all_of(names.begin(), names.end(), [](const QString& name) {
        return std::find(SettingsIDtexts.begin(), SettingsIDtexts.end(), name) != SettingsIDtexts.end();
    });
}

QPushButton* button(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class TestRecommenderNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textToListBox_data();
    void textToListBox();
    void listBoxToValuesAndBack();
    void dialogLayout();
    void addAndDeleteOneNumber();
    void editNumbersRefusesAWrongText();
    void editNumbersTakesTheEditedList();
    void parseIntoListNormalises();
};

void TestRecommenderNumbers::textToListBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("rest"); // the text from the returned position on
    QTest::addColumn<QStringList>("items");

    QTest::newRow("comma and blank") << "7,12 3" << true << "" << QStringList{"7", "12", "3"};
    QTest::newRow("leading separators") << " ,7" << true << "" << QStringList{"7"};
    QTest::newRow("empty") << "" << true << "" << QStringList{};
    QTest::newRow("leading zeros") << "007" << true << "" << QStringList{"007"};
    QTest::newRow("largest") << "2147483647" << true << "" << QStringList{"2147483647"};
    QTest::newRow("trailing comma") << "7," << false << "," << QStringList{"7"};
    QTest::newRow("trailing comma blank") << "7, " << false << " " << QStringList{"7"};
    QTest::newRow("only comma") << "," << false << "," << QStringList{};
    QTest::newRow("only blank") << " " << false << " " << QStringList{};
    QTest::newRow("eleven nines") << "99999999999" << false << "" << QStringList{};
    QTest::newRow("too large, more follows") << "1, 2147483648, 5" << false << ", 5" << QStringList{"1"};
    QTest::newRow("letter") << "12,x" << false << "x" << QStringList{"12"};
    QTest::newRow("sign") << "-3" << false << "-3" << QStringList{};
    QTest::newRow("other digits") << "1\u0663" << false << "\u0663" << QStringList{"1"};
}

void TestRecommenderNumbers::textToListBox()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, rest);
    QFETCH(QStringList, items);

    QListWidget box;
    box.addItem(QStringLiteral("5")); // what is there stays
    int pos = -1;
    QCOMPARE(commaSeparatedToListBox(text, pos, &box), valid);
    QCOMPARE(text.mid(pos), rest);
    if (valid)
        QCOMPARE(pos, text.isEmpty() ? 0 : int(text.length()));
    QCOMPARE(itemTexts(&box), QStringList{"5"} + items);
}

void TestRecommenderNumbers::listBoxToValuesAndBack()
{
    QListWidget box;
    QCOMPARE(ListBoxToCommaSeparated(&box), QString());
    box.addItems({"007", "-3", "abc", "12"});
    QCOMPARE(ListBoxToCommaSeparated(&box), QStringLiteral("007, -3, abc, 12"));

    QList<quint32> values{1};
    QVERIFY(!ListBoxToValueList(&box, values));
    QCOMPARE(values, (QList<quint32>{1, 7, 4294967293u, 12}));

    box.clear();
    ValueListToListBox({7, 4294967295u}, &box);
    ValueListToListBox({0}, &box);
    QCOMPARE(itemTexts(&box), (QStringList{"7", "4294967295", "0"}));
    values.clear();
    // 4294967295 does not fit the signed conversion: it is reported and left out.
    QVERIFY(!ListBoxToValueList(&box, values));
    QCOMPARE(values, (QList<quint32>{7, 0}));
    delete box.takeItem(1);
    values.clear();
    QVERIFY(ListBoxToValueList(&box, values));
}

void TestRecommenderNumbers::dialogLayout()
{
    QWidget owner;
    RecommenderNumbersDialog dialog(&owner);
    QCOMPARE(dialog.objectName(), QStringLiteral("several RecommenderNumbers"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.parentWidget(), &owner);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Type in the membernumbers of those people who recommended this programm to "
                                           "you. Then later I can show you how far your influence has spread over "
                                           "Europe."));
    QCOMPARE(button(&dialog, "button add rmn")->text(), QStringLiteral("&Add"));
    QCOMPARE(button(&dialog, "button del rmn")->text(), QStringLiteral("&Del"));
    QCOMPARE(button(&dialog, "button ok rmn")->text(), QStringLiteral("O&K"));
}

void TestRecommenderNumbers::addAndDeleteOneNumber()
{
    RecommenderNumbersDialog dialog;
    QSignalSpy events(&dialog, &RecommenderNumbersDialog::Event);
    QListWidget* list = dialog.recommenders();
    list->addItem(QStringLiteral("7"));

    dialog.rmn()->setText(QStringLiteral("42"));
    button(&dialog, "button add rmn")->click();
    QCOMPARE(itemTexts(list), (QStringList{"42", "7"}));
    QVERIFY(dialog.rmn()->text().isEmpty());

    // The conversion's own leniency: kept exactly as typed.
    dialog.rmn()->setText(QStringLiteral("-3"));
    button(&dialog, "button add rmn")->click();
    QCOMPARE(itemTexts(list), (QStringList{"-3", "42", "7"}));
    QVERIFY(dialog.recommenderMessage()->text().isEmpty());

    button(&dialog, "button add rmn")->click();
    QCOMPARE(dialog.recommenderMessage()->text(), QStringLiteral(" is no number."));
    dialog.rmn()->setText(QStringLiteral("4x"));
    button(&dialog, "button add rmn")->click();
    QCOMPARE(dialog.recommenderMessage()->text(), QStringLiteral("4x is no number."));
    QCOMPARE(dialog.rmn()->text(), QStringLiteral("4x"));
    QCOMPARE(list->count(), 3);

    list->clearSelection();
    button(&dialog, "button del rmn")->click();
    QCOMPARE(dialog.recommenderMessage()->text(), QStringLiteral("click the to be deleted first"));
    QCOMPARE(list->count(), 3);

    list->item(1)->setSelected(true);
    button(&dialog, "button del rmn")->click();
    QCOMPARE(itemTexts(list), (QStringList{"-3", "7"}));
    QVERIFY(dialog.recommenderMessage()->text().isEmpty());

    const QStringList names = eventNames(events);
    QCOMPARE(
        names,
        (QStringList{"SettingsRecommenderMembernumberSeveralAdd", "SettingsRecommenderMembernumberSeveralAdd",
                     "SettingsRecommenderMembernumberSeveralAddWrong", "SettingsRecommenderMembernumberSeveralAddWrong",
                     "SettingsRecommenderMembernumberSeveralDelWrong", "SettingsRecommenderMembernumberSeveralDel"}));
    QVERIFY(allInVocabulary(names));
}

void TestRecommenderNumbers::editNumbersRefusesAWrongText()
{
    constexpr int watchMs = 100;
    QWidget owner;
    RecommenderNumbersDialog dialog(&owner);
    QSignalSpy events(&dialog, &RecommenderNumbersDialog::Event);
    BoxScript boxes;
    bool opened = false;
    whenModalAppears(
        [&opened](QWidget* modal) {
            opened = true;
            modal->close();
        },
        watchMs);

    QCOMPARE(dialog.editNumbers(QStringLiteral("12,x 4"), &owner), QStringLiteral("12,x 4"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, wrongFormatTitle);
    QCOMPARE(boxes.last().text, QStringLiteral("For the recommenders' membernumbers \"x 4\" is a wrong entry.\n"
                                               "They have to be (comma-separated) NUMBERs."));
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    QCOMPARE(boxes.last().parent, &owner);
    QCOMPARE(itemTexts(dialog.recommenders()), QStringList{"12"});

    QTest::qWait(2 * watchMs); // let the watch run out before it could meet another test's dialog
    QVERIFY(!opened);
    const QStringList names = eventNames(events);
    QCOMPARE(names, (QStringList{"SettingsRecommenderMembernumberSeveral", "SettingsMembernumberNonNumberFormat"}));
    QVERIFY(allInVocabulary(names));
}

void TestRecommenderNumbers::editNumbersTakesTheEditedList()
{
    QWidget owner;
    RecommenderNumbersDialog dialog(&owner);
    QSignalSpy events(&dialog, &RecommenderNumbersDialog::Event);
    BoxScript boxes;
    dialog.recommenders()->addItem(QStringLiteral("stale"));
    dialog.rmn()->setText(QStringLiteral("left over"));

    QString fieldOnOpening;
    whenModalAppears([&](QWidget* modal) {
        fieldOnOpening = dialog.rmn()->text();
        dialog.rmn()->setText(QStringLiteral("42"));
        QTest::mouseClick(button(modal, "button add rmn"), Qt::LeftButton);
        QTest::mouseClick(button(modal, "button ok rmn"), Qt::LeftButton);
    });
    QCOMPARE(dialog.editNumbers(QStringLiteral("7,12"), &owner), QStringLiteral("42, 7, 12"));
    QVERIFY(fieldOnOpening.isEmpty());
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(eventNames(events),
             (QStringList{"SettingsRecommenderMembernumberSeveral", "SettingsRecommenderMembernumberSeveralAdd",
                          "SettingsRecommenderMembernumberSeveralEnd"}));

    // Escape keeps the edits just as O&K does.
    events.clear();
    whenModalAppears([&](QWidget* modal) {
        dialog.recommenders()->item(0)->setSelected(true);
        button(modal, "button del rmn")->click();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.editNumbers(QStringLiteral("5 6"), &owner), QStringLiteral("6"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(eventNames(events).last(), QStringLiteral("SettingsRecommenderMembernumberSeveralEnd"));
    QVERIFY(allInVocabulary(eventNames(events)));
}

void TestRecommenderNumbers::parseIntoListNormalises()
{
    QWidget owner;
    RecommenderNumbersDialog dialog(&owner);
    QSignalSpy events(&dialog, &RecommenderNumbersDialog::Event);
    BoxScript boxes;
    dialog.recommenders()->addItem(QStringLiteral("99"));

    QString normalised;
    QVERIFY(dialog.parseIntoList(QStringLiteral("7,12 3"), &owner, normalised));
    QCOMPARE(normalised, QStringLiteral("7, 12, 3"));
    QCOMPARE(itemTexts(dialog.recommenders()), (QStringList{"7", "12", "3"}));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(events.count(), 0);

    // A number added with a sign is caught by the next check, and the numbers before it survive.
    QVERIFY(!dialog.parseIntoList(QStringLiteral("8, -3, 4"), &owner, normalised));
    QCOMPARE(normalised, QStringLiteral("8"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, wrongFormatTitle);
    QCOMPARE(boxes.last().parent, &owner);
    QVERIFY(boxes.last().text.contains(QStringLiteral("\"-3, 4\" is a wrong entry.")));
    QCOMPARE(eventNames(events), QStringList{"SettingsMembernumberNonNumberFormat"});
}

QTEST_MAIN(TestRecommenderNumbers)
#include "tst_recommendernumbers.moc"
