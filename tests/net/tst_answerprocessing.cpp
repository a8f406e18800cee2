#include "common/constants.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QComboBox>
#include <QTextEdit>
#include <QtTest>

namespace {

const QString separator = QStringLiteral("---");

// An answer whose fields differ from the stored ones: only their own bits
// may bring them into the storage.
ServerAnswer answerWith(quint8 flags)
{
    ServerAnswer answer;
    answer.flags = flags;
    answer.numMembers = 1000;
    answer.numPurses = 2000;
    answer.totalSumCents = 123456789;
    answer.lastUploadCountry = 3;
    answer.nextSessionDate = QDate(2002, 3, 1);
    answer.serverAddress = "other.example.org";
    answer.serverPort = 4555;
    answer.ftpServer = "ftp.other.example.org";
    answer.downloadLocation = "http://example.org/download";
    answer.memberNumber = 777;
    answer.welcome = "Welcome to the project!";
    answer.memberSince = QDateTime(QDate(2002, 6, 15), QTime(12, 30));
    answer.newestVersion = 110;
    answer.lastAnalysisPage = 5;
    answer.lastTxtMessage = 8;
    answer.lastPicture = 9;
    return answer;
}

ClientStorage stored()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Membernumber = 4711;
    storage.LastAnalysisPage = 2;
    storage.LastTxtMessage = 7;
    storage.LastPicture = 10;
    return storage;
}

QStringList paragraphs(const QTextEdit& log)
{
    return log.toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class TestAnswerProcessing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void processing_data();
    void processing();
    void countersAndCountryNames();
};

void TestAnswerProcessing::processing_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QByteArray>("personalMessage");
    QTest::addColumn<QByteArray>("serverMessage");
    QTest::addColumn<QStringList>("report");  // before the server's status; none for a refused answer
    QTest::addColumn<QStringList>("closing"); // after it

    const QString thanks = QStringLiteral("The Server says: 'Thanks, member 4711'");
    const QString version = QStringLiteral("Your programversion is 107, there is a new version 110 out now.");
    const QString recommended = QStringLiteral("You should consider to update soon.");
    const QString required = QStringLiteral("You have to update, this program version is not appropriate anymore.");
    const QStringList location = {QString(), QStringLiteral("Please go to http://example.org/download"), separator};
    QTest::newRow("accepted") << 0x01 << QByteArray() << QByteArray() << QStringList{thanks, separator}
                              << QStringList{};
    QTest::newRow("with messages") << 0x01 << QByteArray("Nice to see you again.")
                                   << QByteArray("Results of <b>May</b> are online.")
                                   << QStringList{"A personal message for you, member 4711:", "Nice to see you again.",
                                                  separator}
                                   << QStringList{"Results of <b>May</b> are online.", separator};
    QTest::newRow("new member") << 0x11 << QByteArray("not shown to a new member") << QByteArray()
                                << QStringList{"Welcome to the project!", separator} << QStringList{};
    QTest::newRow("minor update") << 0x03 << QByteArray() << QByteArray()
                                  << QStringList{thanks, separator, "Minor update successful."} << QStringList{};
    QTest::newRow("update recommended and required")
        << 0x0D << QByteArray() << QByteArray()
        << QStringList{thanks, separator, version, recommended, required} + location << QStringList{};
    QTest::newRow("update recommended") << 0x05 << QByteArray() << QByteArray()
                                        << QStringList{thanks, separator, version, recommended} + location
                                        << QStringList{};
    QTest::newRow("update required") << 0x09 << QByteArray() << QByteArray()
                                     << QStringList{thanks, separator, version, required} + location << QStringList{};
    QTest::newRow("new analysis data") << 0x21 << QByteArray() << QByteArray()
                                       << QStringList{thanks, separator, "New Analysis Data available on the Server: ",
                                                      " 3 pages, 1 text messages and -1 pictures", ""}
                                       << QStringList{};
    QTest::newRow("not OK") << 0x00 << QByteArray() << QByteArray("never shown") << QStringList{} << QStringList{};
    QTest::newRow("everything but OK") << 0xFE << QByteArray() << QByteArray() << QStringList{} << QStringList{};
}

void TestAnswerProcessing::processing()
{
    QFETCH(int, flags);
    QFETCH(QByteArray, personalMessage);
    QFETCH(QByteArray, serverMessage);
    QFETCH(QStringList, report);
    QFETCH(QStringList, closing);
    ClientStorage storage = stored();
    Dialogs dialogs(&storage);
    QTextEdit log;
    ServerAnswer answer = answerWith(quint8(flags));
    answer.personalMessage = personalMessage.toStdString();
    answer.serverMessage = serverMessage.toStdString();
    const bool accepted = flags & ServerAnswer::AnswerOK;

    ClientStorage expected = storage;
    if (accepted && (flags & ServerAnswer::NewMember)) {
        expected.Membernumber = 777;
        expected.Welcome = "Welcome to the project!";
        expected.MemberSince = answer.memberSince;
    }
    if (accepted && (flags & ServerAnswer::MinorUpdate)) {
        expected.ServerAddress = "other.example.org";
        expected.ServerPort = 4555;
        expected.FTPServer = "ftp.other.example.org";
    }
    if (accepted && (flags & ServerAnswer::NewAnalysisData)) {
        expected.LastAnalysisPage = 5;
        expected.LastTxtMessage = 8;
        expected.LastPicture = 9;
    }
    const QStringList status = {separator,
                                QStringLiteral("The actual status on the server:"),
                                QStringLiteral("# members:  1000"),
                                QStringLiteral("# purses :  2000"),
                                QStringLiteral("Total Uploaded Sum:  1.23457e+06 Euro"),
                                QStringLiteral("last upload from: ") + dialogs.settingsDialog()->Country->itemText(3),
                                QStringLiteral("suggested next session around: Fri Mar 1 2002"),
                                separator};
    const QStringList refused = {QStringLiteral("Some error in Processing Answer - OK flag was not set."),
                                 QStringLiteral("This can have many reasons. Perhaps, your member number is wrong"),
                                 QStringLiteral("- or there's some server maintenance going on!"),
                                 QStringLiteral("I suggest that you try to upload again later or tomorrow, "),
                                 QStringLiteral("if the problem persists, please contact the author"),
                                 QStringLiteral("or backup and delete your datafile 'zuvdata.zuv'"),
                                 separator};

    QCOMPARE(answer.ProcessAnswerAndStoreInto(&storage, &dialogs, &log), accepted);
    QCOMPARE(paragraphs(log), accepted ? report + status + closing : refused);
    QVERIFY(storage == expected);
}

void TestAnswerProcessing::countersAndCountryNames()
{
    ClientStorage storage = stored();
    Dialogs dialogs(&storage);
    QTextEdit log;
    ServerAnswer answer = answerWith(ServerAnswer::AnswerOK | ServerAnswer::NewAnalysisData);
    // The full 16-bit range counts: no wrapping into negative numbers.
    storage.LastAnalysisPage = 0;
    storage.LastTxtMessage = 65535;
    answer.lastAnalysisPage = 65535;
    answer.lastTxtMessage = 0;
    answer.totalSumCents = 250;
    const int items = dialogs.settingsDialog()->Country->count();
    answer.lastUploadCountry = quint8(items - 1);
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, &dialogs, &log));
    QVERIFY(paragraphs(log).contains(QStringLiteral(" 65535 pages, -65535 text messages and -1 pictures")));
    QVERIFY(paragraphs(log).contains(QStringLiteral("Total Uploaded Sum:  2.5 Euro")));
    QVERIFY(paragraphs(log).contains("last upload from: " + dialogs.settingsDialog()->Country->itemText(items - 1)));

    // A country beyond the selector's items, or no selector at hand, is unknown.
    answer.flags = ServerAnswer::AnswerOK;
    for (const auto& [country, withDialogs] : {std::pair{items, true}, {0, false}}) {
        log.clear();
        answer.lastUploadCountry = quint8(country);
        QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, withDialogs ? &dialogs : nullptr, &log));
        QVERIFY(paragraphs(log).contains(QStringLiteral("last upload from: an unknown country (%1)").arg(country)));
    }
}

QTEST_MAIN(TestAnswerProcessing)
#include "tst_answerprocessing.moc"
