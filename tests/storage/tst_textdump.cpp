#include "common/config.h"
#include "storage/clientstorage.h"
#include "storage/coinpile.h"
#include "storage/session.h"
#include "storage/textdump.h"

#include <QTextStream>
#include <QtTest>

namespace {

const QDateTime firstOfFebruary(QDate(2002, 2, 1), QTime(0, 0));

template <typename T> QString printed(const T& value)
{
    QString text;
    QTextStream stream(&text);
    stream << value;
    stream.flush();
    return text;
}

QString printedList(const QList<Session>& sessions)
{
    QString text;
    QTextStream stream(&text);
    toStream(stream, sessions);
    stream.flush();
    return text;
}

} // namespace

class TestTextDump : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pilesPrintCountryValueAndCount();
    void sessionsPrintTheirFieldsEventsAndPiles();
    void recordPrintsEveryFieldInOrder();
};

void TestTextDump::pilesPrintCountryValueAndCount()
{
    // 3 coins of 50 cent from Germany: the country number is the table's (1 = Austria).
    QCOMPARE(printed(CoinPile{5, 4, 3}), QStringLiteral("(5,0.5)=3"));
    QCOMPARE(printed(CoinPile{7, 14, 4294967295u}), QStringLiteral("(15,2)=4294967295"));
    // The country number is taken modulo 256.
    QCOMPARE(printed(CoinPile{6, 255, 1}), QStringLiteral("(0,1)=1"));
}

void TestTextDump::sessionsPrintTheirFieldsEventsAndPiles()
{
    const Session empty(0, firstOfFebruary, 107);
    QCOMPARE(printed(empty), QStringLiteral("107Fri Feb 1 00:00:00 20020") + QStringLiteral("0"));

    Session counted(0, firstOfFebruary, 107);
    counted.insertCoins(5, 4, 3);
    counted.insertCoins(7, 2, 1);
    counted.observation = {UserEvent{1234, 14}, UserEvent{0, 0}};
    QCOMPARE(printed(counted), QStringLiteral("107Fri Feb 1 00:00:00 2002350"
                                              "at 12.34 seconds: (14) Upload\n"
                                              "at 0 seconds: (0) Start\n"
                                              "2(5,0.5)=3(3,2)=1"));

    QCOMPARE(printedList({}), QStringLiteral("0"));
    QCOMPARE(printedList({empty, counted}), QStringLiteral("2") + printed(empty) + printed(counted));
}

void TestTextDump::recordPrintsEveryFieldInOrder()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.FavouriteCoin = 77;
    storage.RecommenderMembernumbers = {12, 345};
    storage.RecommenderName = QStringLiteral("Rita");
    storage.Country = 3;
    storage.eMailAddress = "me@example.org";
    storage.eMailFlags = 0x18;
    storage.LastUpload = QDateTime(QDate(2003, 3, 4), QTime(5, 6, 7));
    storage.GuessWhenMixdateYear = 4;
    storage.GuessWhenArrivaldateMonth = 11;
    storage.Message = QStringLiteral("hi");
    storage.WindowPositionSize.position = QPoint(10, 20);
    storage.TotalEvents = {{0, 1}, {14, 3}};
    storage.NumFullPurses = 2;
    storage.Sessions = {Session(0, firstOfFebruary, 107)};
    storage.InvitationList = {InvitedPerson{"Anna", "a@b.cd", 17, false}};

    const QString expected = QStringLiteral("107") + "0" + "" + "12" + "345" + "Rita" + "3" + "" + "0" +
                             "me@example.org" + "24" + "264" + "Fri Feb 1 00:00:00 2002" + "0" +
                             "Tue Mar 4 05:06:07 2003" + "0" + "77" + "4" + "0" + "0" + "11" + "hi" +
                             ZUV_DEFAULT_SERVER_HOST + "4554" + ZUV_DEFAULT_FTP_HOST + "0" + "0" + "0" + "0" +
                             "Fri Feb 1 00:00:00 2002" + "10" + "20" + "600" + "400" + "Start:1\nUpload:3\n" + "2" +
                             "1" + "107Fri Feb 1 00:00:00 200200" + "1" + "Anna" + "a@b.cd" + "17" + "0";
    QCOMPARE(printed(storage), expected);
}

QTEST_GUILESS_MAIN(TestTextDump)
#include "tst_textdump.moc"
