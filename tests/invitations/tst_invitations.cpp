// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/modaldriver.h"

#include "common/config.h"
#include "counting/slideshow.h"
#include "invitations/invitations.h"
#include "invitations/invitedperson.h"
#include "invitations/invitedpersonview.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

const InvitedPerson jurg{"J\xfcrg", "jurg@example.org", 3, true};
const InvitedPerson dora{"Dora", "dora@example.org", 4, false};

} // namespace

class TestInvitations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void editsComeBackHoweverTheWindowIsClosed();
    void refusalsSayWhyAndChangeNothing_data();
    void refusalsSayWhyAndChangeNothing();
    void rowsAreWrittenAsShown();
    void coinPicturesAreTheSlideShows();

private:
    QLineEdit* field(const char* name) const { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    void click(const char* name, QWidget* parent = nullptr)
    {
        QTest::mouseClick((parent ? parent : window)->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
    QLabel* info() const { return window->findChild<QLabel*>(QStringLiteral("info label")); }
    QTreeWidget* view() const { return window->listView(); }
    void typeAndInsert(const QString& name, const QString& eMail);

    ClientStorage storage;
    std::unique_ptr<Dialogs> dialogs;
    Invitations* window = nullptr;
};

// Every test gets a new dialogs object on default settings; the previous one goes.
void TestInvitations::init()
{
    storage.setDefaultValues();
    dialogs = std::make_unique<Dialogs>(&storage);
    window = dialogs->invitations();
}

void TestInvitations::typeAndInsert(const QString& name, const QString& eMail)
{
    // The name field shares its object name with its label, so find it by type.
    window->findChild<QWidget*>(QStringLiteral("namebox"))->findChild<QLineEdit*>()->setText(name);
    field("email")->setText(eMail);
    click("button insert");
}

// The participant steps to another coin, adds a friend twice and removes one; all comes back even when
// the window is left by its title bar, not by OK.
void TestInvitations::editsComeBackHoweverTheWindowIsClosed()
{
    storage.FavouriteCoin = 42;
    InvitationList list{jurg, dora};
    toListViewItem(InvitedPerson{"Stale", "stale@example.org", 1, false}, view()); // from an earlier run
    QList<QStringList> shown;
    QStringList coinShown;
    whenModalAppears(QStringLiteral("invitationwindow"), [&](QWidget* modal) {
        coinShown << field("coin")->text();
        for (int row = 0; row < view()->topLevelItemCount(); ++row)
            shown.append({view()->topLevelItem(row)->text(0), view()->topLevelItem(row)->text(uploadedColumn)});
        click("next coin", window->coinShow());
        coinShown << field("coin")->text();
        typeAndInsert(QStringLiteral("Anna"), QStringLiteral("anna@example.org"));
        typeAndInsert(QStringLiteral("Anna"), QStringLiteral("anna@example.org"));
        view()->setCurrentItem(view()->topLevelItem(3)); // Dora, below the new rows
        click("button remove");
        // Rows no run writes: the coin is cut to 8 bits, 0 when no number; only an exact "no" is not uploaded.
        view()->addTopLevelItem(new QTreeWidgetItem(QStringList{"M", "m@x.de", "400", "No"}));
        view()->addTopLevelItem(new QTreeWidgetItem(QStringList{"M", "m@x.de", "seven", ""}));
        modal->close();
    });
    dialogs->CopyFromThenExecInvitationWindowAndCopyTo(list);

    QCOMPARE(shown, (QList<QStringList>{{QString::fromUtf8("J\u00fcrg"), "yes"}, {"Dora", "no"}}));
    QCOMPARE(coinShown, (QStringList{"42", "43"}));
    const InvitedPerson anna{"Anna", "anna@example.org", 43, false};
    QCOMPARE(list, (InvitationList{anna, anna, jurg, {"M", "m@x.de", 144, true}, {"M", "m@x.de", 0, true}}));
    QCOMPARE(storage.FavouriteCoin, quint8(43));
}

void TestInvitations::refusalsSayWhyAndChangeNothing_data()
{
    QTest::addColumn<QString>("address"); // typed and inserted; without one, "remove" is pressed
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("message");
    const QString sample = QStringLiteral("is not a valid\n" ZUV_SAMPLE_EMAIL);
    QTest::newRow("six characters") << "a@b.cd" << -1 << "'a@b.cd'\n" + sample;
    QTest::newRow("nothing") << "" << -1 << "This " + sample;
    QTest::newRow("nobody selected") << QString() << -1 << "first click the to\nbe deleted person";
    QTest::newRow("already uploaded") << QString() << 0 << "Sorry, that invitation\nwas already uploaded.";
}

void TestInvitations::refusalsSayWhyAndChangeNothing()
{
    QFETCH(QString, address);
    QFETCH(int, selected);
    dialogs->invitationDialog()->show();
    fromValueListToListView({jurg, dora}, view());
    view()->setCurrentItem(selected >= 0 ? view()->topLevelItem(selected) : nullptr);
    if (address.isNull())
        click("button remove");
    else
        typeAndInsert(QStringLiteral("Anna"), address);
    QTEST(info()->text(), "message");
    QCOMPARE(view()->topLevelItemCount(), 2);

    // Done right, the same action clears the complaint.
    view()->setCurrentItem(view()->topLevelItem(1));
    if (address.isNull())
        click("button remove");
    else
        typeAndInsert(QStringLiteral("Anna"), QStringLiteral("anna@b.cd"));
    QVERIFY(info()->text().isEmpty());
    QCOMPARE(info()->palette().color(QPalette::Window), window->palette().color(QPalette::Window));
}

// As text, and as the same pieces on a binary stream: the columns as texts, the rest as byte strings.
void TestInvitations::rowsAreWrittenAsShown()
{
    fromValueListToListView({jurg, dora}, view());
    QString text;
    QTextStream textStream(&text);
    window->writeInvitedPersonsToStream(textStream);
    textStream.flush();
    QCOMPARE(text, QString::fromUtf8("J\u00fcrg<jurg@example.org>(coin:3; uploaded:yesDora<dora@example.org>(coin:4; "
                                     "uploaded:no"));
    QByteArray bytes, expected;
    QDataStream binary(&bytes, QIODevice::WriteOnly), pieces(&expected, QIODevice::WriteOnly);
    window->writeInvitedPersonsToStream(binary);
    pieces << QString::fromUtf8("J\u00fcrg") << "<" << QStringLiteral("jurg@example.org") << ">"
           << "(coin:" << QStringLiteral("3") << "; uploaded:" << QStringLiteral("yes") << QStringLiteral("Dora") << "<"
           << QStringLiteral("dora@example.org") << ">"
           << "(coin:" << QStringLiteral("4") << "; uploaded:" << QStringLiteral("no");
    QCOMPARE(bytes, expected);
}

// Built when first wanted, the window shows the pictures of the slide show it was handed, drawn coins included.
void TestInvitations::coinPicturesAreTheSlideShows()
{
    SlideShow pictures;
    bool dontNag = true;
    pictures.loadPictures(QStringLiteral("no such folder/"), QStringLiteral("gif"), dontNag);
    Dialogs fresh(&storage);
    fresh.setPicsAlsoInInvitations(&pictures);
    const SlideShow* shown = fresh.invitations()->coinShow();
    QCOMPARE(shown->pictureSize(), pictures.pictureSize());
    QCOMPARE(shown->centeredCoin(7, 15).toImage(), pictures.centeredCoin(7, 15).toImage());
}

QTEST_MAIN(TestInvitations)
#include "tst_invitations.moc"
