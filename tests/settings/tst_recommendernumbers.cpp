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

// The settings' own test checks the member number field end to end; here the
// parser's cases and the small dialog.
class TestRecommenderNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textToListBox_data();
    void textToListBox();
    void listBoxToValuesAndBack();
    void addAndDeleteOneNumber();
    void editNumbers();
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
    QVERIFY(ListBoxToValueList(&box, values));
}

void TestRecommenderNumbers::addAndDeleteOneNumber()
{
    RecommenderNumbersDialog dialog;
    QSignalSpy events(&dialog, &RecommenderNumbersDialog::Event);
    QListWidget* list = dialog.recommenders();
    list->addItem(QStringLiteral("7"));
    // Typed, message, list: a new number goes on top; the conversion's own
    // leniency takes a sign.
    const QList<std::tuple<QString, QString, QStringList>> adds = {
        {"42", "", {"42", "7"}},
        {"-3", "", {"-3", "42", "7"}},
        {"", " is no number.", {"-3", "42", "7"}},
        {"4x", "4x is no number.", {"-3", "42", "7"}},
    };
    for (const auto& [typed, message, items] : adds) {
        dialog.rmn()->setText(typed);
        button(&dialog, "button add rmn")->click();
        QCOMPARE(dialog.recommenderMessage()->text(), message);
        QCOMPARE(dialog.rmn()->text(), message.isEmpty() ? QString() : typed);
        QCOMPARE(itemTexts(list), items);
    }
    list->clearSelection();
    button(&dialog, "button del rmn")->click();
    QCOMPARE(dialog.recommenderMessage()->text(), QStringLiteral("click the to be deleted first"));
    list->item(1)->setSelected(true);
    button(&dialog, "button del rmn")->click();
    QCOMPARE(itemTexts(list), (QStringList{"-3", "7"}));
    QVERIFY(dialog.recommenderMessage()->text().isEmpty());

    QCOMPARE(
        eventNames(events),
        (QStringList{"SettingsRecommenderMembernumberSeveralAdd", "SettingsRecommenderMembernumberSeveralAdd",
                     "SettingsRecommenderMembernumberSeveralAddWrong", "SettingsRecommenderMembernumberSeveralAddWrong",
                     "SettingsRecommenderMembernumberSeveralDelWrong", "SettingsRecommenderMembernumberSeveralDel"}));
    QVERIFY(allInVocabulary(eventNames(events)));
}

void TestRecommenderNumbers::editNumbers()
{
    QWidget owner;
    RecommenderNumbersDialog dialog(&owner);
    QSignalSpy events(&dialog, &RecommenderNumbersDialog::Event);
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
    QCOMPARE(boxes.last().title, QStringLiteral("Wrong Membernumber Format"));
    QCOMPARE(boxes.last().parent, &owner);
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("For the recommenders' membernumbers \"x 4\"")));

    // Otherwise the edited list comes back, left by O&K or by Escape alike,
    // with a field emptied of what was typed before.
    dialog.rmn()->setText(QStringLiteral("left over"));
    QString fieldOnOpening = QStringLiteral("?");
    whenModalAppears([&](QWidget* modal) {
        fieldOnOpening = dialog.rmn()->text();
        dialog.rmn()->setText(QStringLiteral("42"));
        QTest::mouseClick(button(modal, "button add rmn"), Qt::LeftButton);
        QTest::mouseClick(button(modal, "button ok rmn"), Qt::LeftButton);
    });
    QCOMPARE(dialog.editNumbers(QStringLiteral("7,12"), &owner), QStringLiteral("42, 7, 12"));
    QVERIFY(fieldOnOpening.isEmpty());
    whenModalAppears([&](QWidget* modal) {
        dialog.recommenders()->item(0)->setSelected(true);
        button(modal, "button del rmn")->click();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.editNumbers(QStringLiteral("5 6"), &owner), QStringLiteral("6"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.count(), 1);
    const QStringList names = eventNames(events);
    QCOMPARE(names.mid(0, 5),
             (QStringList{"SettingsRecommenderMembernumberSeveral", "SettingsMembernumberNonNumberFormat",
                          "SettingsRecommenderMembernumberSeveral", "SettingsRecommenderMembernumberSeveralAdd",
                          "SettingsRecommenderMembernumberSeveralEnd"}));
    QCOMPARE(names.last(), QStringLiteral("SettingsRecommenderMembernumberSeveralEnd"));
    QVERIFY(allInVocabulary(names));
}

QTEST_MAIN(TestRecommenderNumbers)
#include "tst_recommendernumbers.moc"
