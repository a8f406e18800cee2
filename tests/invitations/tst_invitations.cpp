#include "common/config.h"
#include "common/eventnames.h"
#include "counting/slideshow.h"
#include "invitations/invitations.h"
#include "invitations/invitedperson.h"
#include "invitations/invitedpersonview.h"

#include <QDataStream>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextStream>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

const QString sample = QStringLiteral(ZUV_SAMPLE_EMAIL);

QStringList rowTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int column = 0; column < 4; ++column)
        texts << item->text(column);
    return texts;
}

QTreeWidgetItem* row(QTreeWidget* view, const QString& name, const QString& eMail, const QString& coin,
                     const QString& uploaded)
{
    auto* item = new QTreeWidgetItem(QStringList{name, eMail, coin, uploaded});
    view->addTopLevelItem(item);
    return item;
}

InvitedPerson person(const char* name, const char* eMail, quint8 coin, bool uploaded)
{
    InvitedPerson p;
    p.name = name;
    p.eMail = eMail;
    p.coin = coin;
    p.uploaded = uploaded;
    return p;
}

} // namespace

class TestInvitations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowIsBuiltAsShown();
    void badAddressesAreRefusedAndQuoted();
    void insertedPersonsShowNotUploadedAndCanBeRemoved();
    void uploadedOrUnselectedRowsAreNotRemoved();
    void coinFieldFollowsTheCoinShow();
    void rowsConvertToPersons();
    void listOrderSurvivesTheView();
    void diagnosticDumpWritesRowsInViewOrder();

private:
    QWidget* child(const char* name) const { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
    QLineEdit* field(const char* name) const { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QLabel* info() const { return window->findChild<QLabel*>(QStringLiteral("info label")); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QColor infoColour() const { return info()->palette().color(QPalette::Window); }
    void typeAndInsert(const QString& name, const QString& eMail);

    std::unique_ptr<Invitations> window;
    std::unique_ptr<QSignalSpy> events;
};

void TestInvitations::init()
{
    window = std::make_unique<Invitations>(nullptr, QStringLiteral("invitations"));
    window->resize(800, 420);
    window->show();
    events = std::make_unique<QSignalSpy>(window.get(), &Invitations::Event);
}

void TestInvitations::cleanup()
{
    events.reset();
    window.reset();
}

void TestInvitations::typeAndInsert(const QString& name, const QString& eMail)
{
    // The name field shares its object name with its label, so find it by type.
    QLineEdit* nameField = child("namebox")->findChild<QLineEdit*>();
    nameField->setText(name);
    field("email")->setText(eMail);
    QTest::mouseClick(button("button insert"), Qt::LeftButton);
}

void TestInvitations::windowIsBuiltAsShown()
{
    QWidget* inputbox = child("inputbox");
    QCOMPARE(inputbox->width(), 400);
    QCOMPARE(child("coinbox")->maximumWidth(), window->fontMetrics().horizontalAdvance(QStringLiteral("99999")));

    QStringList captions;
    for (const QLabel* label : window->findChildren<QLabel*>(QStringLiteral("hello")))
        captions << label->text();
    QVERIFY(captions.contains(QStringLiteral("Invite by zuvmail to join the project and to mention \n"
                                             "YOUR membernumber as their recommender.\n")));
    QVERIFY(captions.contains(QStringLiteral("Send your favourite coin\nin the zuvmail postcard:")));

    QCOMPARE(field("coin")->text(), QStringLiteral("0"));
    QVERIFY(!field("coin")->isEnabled());
    QCOMPARE(button("button insert")->text(), QStringLiteral("&insert"));
    QTreeWidget* view = window->listView();
    QCOMPARE(rowTexts(view->headerItem()), (QStringList{"Name", "eMail", "Coin", "uploaded"}));
    QVERIFY(info()->text().isEmpty());

    // Left to right: the input column, the coin show, the OK button; the list below.
    QPushButton* ok = button("ok button");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(inputbox->x() < child("favourite coin box")->x());
    QVERIFY(child("favourite coin box")->x() < ok->x());
    QVERIFY(view->y() > child("input")->y());
    QVERIFY(child("remove box")->y() > view->y());

    QSignalSpy okSpy(window.get(), &Invitations::ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(okSpy.count(), 1);
}

void TestInvitations::badAddressesAreRefusedAndQuoted()
{
    typeAndInsert(QStringLiteral("Anna"), QStringLiteral("abc"));
    QCOMPARE(info()->text(), QStringLiteral("'abc'\nis not a valid\n") + sample);
    QCOMPARE(infoColour(), QColor(100, 180, 200));

    typeAndInsert(QStringLiteral("Anna"), QString());
    QCOMPARE(info()->text(), QStringLiteral("This is not a valid\n") + sample);

    // Six characters are still too few, even with "@" and ".".
    typeAndInsert(QStringLiteral("Anna"), QStringLiteral("a@b.cd"));
    QCOMPARE(info()->text(), QStringLiteral("'a@b.cd'\nis not a valid\n") + sample);

    QCOMPARE(window->listView()->topLevelItemCount(), 0);
    QCOMPARE(eventNames(*events), QStringList(3, QStringLiteral("InvitationNoValidEmailAddress")));

    // A good address afterwards clears the complaint.
    typeAndInsert(QStringLiteral("Anna"), QStringLiteral("anna@b.cd"));
    QVERIFY(info()->text().isEmpty());
    QCOMPARE(infoColour(), window->palette().color(QPalette::Window));
    QCOMPARE(window->listView()->topLevelItemCount(), 1);
}

void TestInvitations::insertedPersonsShowNotUploadedAndCanBeRemoved()
{
    window->setFavouriteCoin(17);
    typeAndInsert(QStringLiteral("Anna"), QStringLiteral("anna@example.org"));
    typeAndInsert(QStringLiteral("Anna"), QStringLiteral("anna@example.org"));
    window->setFavouriteCoin(119);
    typeAndInsert(QStringLiteral("Bert"), QStringLiteral("bert@example.org"));

    QTreeWidget* view = window->listView();
    QCOMPARE(view->topLevelItemCount(), 3);
    // The newest row is on top; the same person twice gives two rows.
    QCOMPARE(rowTexts(view->topLevelItem(0)), (QStringList{"Bert", "bert@example.org", "119", "no"}));
    QCOMPARE(rowTexts(view->topLevelItem(1)), (QStringList{"Anna", "anna@example.org", "17", "no"}));
    QCOMPARE(rowTexts(view->topLevelItem(2)), rowTexts(view->topLevelItem(1)));
    // The fields keep what was typed.
    QCOMPARE(field("email")->text(), QStringLiteral("bert@example.org"));

    view->setCurrentItem(view->topLevelItem(1));
    QTest::mouseClick(button("button remove"), Qt::LeftButton);
    QCOMPARE(view->topLevelItemCount(), 2);
    QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("Bert"));
    QCOMPARE(view->topLevelItem(1)->text(0), QStringLiteral("Anna"));
    QVERIFY(info()->text().isEmpty());

    QCOMPARE(eventNames(*events), (QStringList{"InvitationPersonInserted", "InvitationPersonInserted",
                                               "InvitationPersonInserted", "InvitationRemovedPerson"}));
}

void TestInvitations::uploadedOrUnselectedRowsAreNotRemoved()
{
    QTreeWidget* view = window->listView();
    fromValueListToListView({person("Carl", "carl@example.org", 3, true), person("Dora", "dora@example.org", 4, false)},
                            view);

    QVERIFY(!view->currentItem());
    QTest::mouseClick(button("button remove"), Qt::LeftButton);
    QCOMPARE(info()->text(), QStringLiteral("first click the to\nbe deleted person"));
    QCOMPARE(infoColour(), QColor(150, 80, 255));
    QCOMPARE(view->topLevelItemCount(), 2);

    view->setCurrentItem(view->topLevelItem(0));
    QTest::mouseClick(button("button remove"), Qt::LeftButton);
    QCOMPARE(info()->text(), QStringLiteral("Sorry, that invitation\nwas already uploaded."));
    QCOMPARE(infoColour(), QColor(80, 150, 255));
    QCOMPARE(view->topLevelItemCount(), 2);

    // Only an exact "yes" protects a row.
    view->topLevelItem(1)->setText(uploadedColumn, QStringLiteral("Yes"));
    view->setCurrentItem(view->topLevelItem(1));
    QTest::mouseClick(button("button remove"), Qt::LeftButton);
    QCOMPARE(view->topLevelItemCount(), 1);
    QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("Carl"));
    QCOMPARE(infoColour(), window->palette().color(QPalette::Window));

    QCOMPARE(eventNames(*events),
             (QStringList{"InvitationDidNotRemovePersonCauseNoneSelected",
                          "InvitationDidNotRemovePersonCauseAlreadyUploaded", "InvitationRemovedPerson"}));
}

void TestInvitations::coinFieldFollowsTheCoinShow()
{
    SlideShow* show = window->coinShow();
    window->setFavouriteCoin(42);
    QCOMPARE(field("coin")->text(), QStringLiteral("42"));
    QCOMPARE(show->actualCoinNumber(), 42u);
    QVERIFY(events->isEmpty());

    auto click = [&](const char* name) {
        QPushButton* b = show->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY2(b, name);
        QTest::mouseClick(b, Qt::LeftButton);
    };
    click("next coin");
    QCOMPARE(field("coin")->text(), QStringLiteral("43"));
    click("next country");
    QCOMPARE(field("coin")->text(), QStringLiteral("51"));

    // The first coin of Austria and the last coin of the Vatican bound the range.
    window->setFavouriteCoin(0);
    click("previous country");
    QCOMPARE(field("coin")->text(), QStringLiteral("112"));
    click("previous coin");
    QCOMPARE(field("coin")->text(), QStringLiteral("119"));
    click("next country");
    QCOMPARE(field("coin")->text(), QStringLiteral("7"));

    // A person gets the coin that is shown.
    typeAndInsert(QStringLiteral("Eva"), QStringLiteral("eva@example.org"));
    QCOMPARE(window->listView()->topLevelItem(0)->text(coinColumn), QStringLiteral("7"));

    QCOMPARE(eventNames(*events),
             (QStringList{"InvitationNextCoin", "InvitationNextCountry", "InvitationPreviousCountry",
                          "InvitationPreviousCoin", "InvitationNextCountry", "InvitationPersonInserted"}));
}

void TestInvitations::rowsConvertToPersons()
{
    QTreeWidget view;
    view.setColumnCount(4);
    InvitedPerson p;

    fromListViewItem(p, row(&view, QStringLiteral("M\u00fcller"), QStringLiteral("m@x.de"), QStringLiteral("300"),
                            QStringLiteral("no")));
    QCOMPARE(p.name, std::string("M\xfcller"));
    QCOMPARE(p.eMail, std::string("m@x.de"));
    QCOMPARE(unsigned(p.coin), 44u);
    QVERIFY(!p.uploaded);

    fromListViewItem(p, row(&view, QString(), QString(), QStringLiteral("seven"), QStringLiteral("yes")));
    QCOMPARE(unsigned(p.coin), 0u);
    QVERIFY(p.uploaded);
    fromListViewItem(p, row(&view, QString(), QString(), QStringLiteral("119"), QString()));
    QCOMPARE(unsigned(p.coin), 119u);
    QVERIFY(p.uploaded);
    fromListViewItem(p, row(&view, QString(), QString(), QStringLiteral("1"), QStringLiteral("No")));
    QVERIFY(p.uploaded);

    QTreeWidgetItem* item = toListViewItem(person("M\xfcller", "m@x.de", 112, true), &view);
    QCOMPARE(view.indexOfTopLevelItem(item), 4);
    QCOMPARE(rowTexts(item), (QStringList{QStringLiteral("M\u00fcller"), "m@x.de", "112", "yes"}));
    QCOMPARE(toListViewItem(person("", "", 0, false), &view)->text(uploadedColumn), QStringLiteral("no"));
}

void TestInvitations::listOrderSurvivesTheView()
{
    const QList<InvitedPerson> list{person("Anna", "anna@example.org", 1, true),
                                    person("Bert", "bert@example.org", 2, false),
                                    person("Carl", "carl@example.org", 119, false)};
    QTreeWidget view;
    view.setColumnCount(4);
    row(&view, QStringLiteral("Old"), QStringLiteral("old@example.org"), QStringLiteral("9"), QStringLiteral("no"));

    // The view is not cleared: the persons follow the row already there.
    fromValueListToListView(list, &view);
    QCOMPARE(view.topLevelItemCount(), 4);
    QCOMPARE(view.topLevelItem(1)->text(0), QStringLiteral("Anna"));
    QCOMPARE(view.topLevelItem(3)->text(0), QStringLiteral("Carl"));

    // The list is replaced, and reads like the view from the top down.
    QList<InvitedPerson> back{person("Stale", "stale@example.org", 5, true)};
    fromListViewToValueList(&view, back);
    QCOMPARE(back.size(), 4);
    QCOMPARE(back[0].name, std::string("Old"));
    QCOMPARE(back.mid(1), list);
}

void TestInvitations::diagnosticDumpWritesRowsInViewOrder()
{
    fromValueListToListView({person("Anna", "anna@example.org", 1, true), person("Bert", "bert@example.org", 2, false)},
                            window->listView());
    QString text;
    QTextStream stream(&text);
    window->writeInvitedPersonsToStream(stream);
    stream.flush();
    QCOMPARE(text,
             QStringLiteral("Anna<anna@example.org>(coin:1; uploaded:yesBert<bert@example.org>(coin:2; uploaded:no"));

    // The binary dump: column texts as strings, the fixed pieces as
    // NUL-terminated byte strings.
    QByteArray bytes;
    QDataStream data(&bytes, QIODevice::WriteOnly);
    window->writeInvitedPersonsToStream(data);
    QDataStream read(bytes);
    QStringList pieces;
    const QString kinds = QStringLiteral("SCSCCSCS"); // per row: S a column text, C a fixed piece
    for (int person = 0; person < 2; ++person) {
        for (const QChar kind : kinds) {
            if (kind == QLatin1Char('S')) {
                QString column;
                read >> column;
                pieces << column;
            } else {
                char* fixed = nullptr;
                read >> fixed;
                pieces << QString::fromLatin1(fixed);
                delete[] fixed;
            }
        }
    }
    QCOMPARE(read.status(), QDataStream::Ok);
    QVERIFY(read.atEnd());
    QCOMPARE(pieces.join(QString()), text);
}

QTEST_MAIN(TestInvitations)
#include "tst_invitations.moc"
