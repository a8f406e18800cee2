#include "common/constants.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QComboBox>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString separator = QStringLiteral("---");

ServerAnswer statusAnswer(quint8 flags)
{
    ServerAnswer answer;
    answer.version = 107;
    answer.flags = flags;
    answer.numMembers = 1000;
    answer.numPurses = 2000;
    answer.totalSumCents = 123456789;
    answer.lastUploadCountry = 3;
    answer.nextSessionDate = QDate(2002, 3, 1);
    // Fields that only their own bits may bring into the storage.
    answer.serverAddress = "other.example.org";
    answer.serverPort = 4555;
    answer.ftpServer = "ftp.other.example.org";
    answer.downloadLocation = "http://example.org/download";
    answer.memberNumber = 777;
    answer.welcome = "Welcome to the project!";
    answer.memberSince = QDateTime(QDate(2002, 6, 15), QTime(12, 30));
    answer.newestVersion = 110;
    answer.lastAnalysisPage = 5;
    answer.lastTxtMessage = 7;
    answer.lastPicture = 9;
    return answer;
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
    void init();
    void cleanup();
    void acceptedAnswerReportsTheServerStatus();
    void newMemberIsRegistered();
    void serverChangeAndNewVersions();
    void newAnalysisDataIsCountedAndStored();
    void answerWithoutOkChangesNothing();
    void unknownCountryIndex();

private:
    QString countryText(int index) const { return dialogs->settingsDialog()->Country->itemText(index); }
    QStringList statusBlock(const ServerAnswer& answer) const;

    ClientStorage storage;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<QTextEdit> log;
};

void TestAnswerProcessing::init()
{
    storage = ClientStorage();
    storage.setDefaultValues();
    storage.Membernumber = 4711;
    storage.LastAnalysisPage = 2;
    storage.LastTxtMessage = 7;
    storage.LastPicture = 10;
    dialogs = std::make_unique<Dialogs>(&storage);
    log = std::make_unique<QTextEdit>();
    log->setReadOnly(true);
    QVERIFY(dialogs->settingsDialog()->Country->count() > 3);
}

void TestAnswerProcessing::cleanup()
{
    log.reset();
    dialogs.reset();
}

QStringList TestAnswerProcessing::statusBlock(const ServerAnswer& answer) const
{
    return {separator,
            QStringLiteral("The actual status on the server:"),
            QStringLiteral("# members:  1000"),
            QStringLiteral("# purses :  2000"),
            QStringLiteral("Total Uploaded Sum:  1.23457e+06 Euro"),
            QStringLiteral("last upload from: ") + countryText(answer.lastUploadCountry),
            QStringLiteral("suggested next session around: Fri Mar 1 2002"),
            separator};
}

void TestAnswerProcessing::acceptedAnswerReportsTheServerStatus()
{
    const ClientStorage before = storage;
    ServerAnswer answer = statusAnswer(ServerAnswer::AnswerOK);
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QCOMPARE(paragraphs(*log),
             QStringList({QStringLiteral("The Server says: 'Thanks, member 4711'"), separator}) + statusBlock(answer));
    QVERIFY(storage == before);

    // A personal message replaces the thanks; the server's message closes the report.
    log->clear();
    answer.personalMessage = "Nice to see you again.";
    answer.serverMessage = "Results of <b>May</b> are online.";
    answer.totalSumCents = 250;
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QStringList expected = {QStringLiteral("A personal message for you, member 4711:"),
                            QStringLiteral("Nice to see you again."), separator};
    expected += statusBlock(answer);
    expected[7] = QStringLiteral("Total Uploaded Sum:  2.5 Euro");
    expected << QStringLiteral("Results of <b>May</b> are online.") << separator;
    QCOMPARE(paragraphs(*log), expected);
    QVERIFY(storage == before);
}

void TestAnswerProcessing::newMemberIsRegistered()
{
    ServerAnswer answer = statusAnswer(ServerAnswer::AnswerOK | ServerAnswer::NewMember);
    answer.personalMessage = "not shown to a new member";
    ClientStorage expectedStorage = storage;
    expectedStorage.Membernumber = 777;
    expectedStorage.Welcome = "Welcome to the project!";
    expectedStorage.MemberSince = answer.memberSince;

    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QCOMPARE(paragraphs(*log),
             QStringList({QStringLiteral("Welcome to the project!"), separator}) + statusBlock(answer));
    QVERIFY(storage == expectedStorage);
}

void TestAnswerProcessing::serverChangeAndNewVersions()
{
    ServerAnswer answer = statusAnswer(ServerAnswer::AnswerOK | ServerAnswer::MinorUpdate);
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QCOMPARE(storage.ServerAddress, std::string("other.example.org"));
    QCOMPARE(storage.ServerPort, quint16(4555));
    QCOMPARE(storage.FTPServer, std::string("ftp.other.example.org"));
    QCOMPARE(storage.Membernumber, 4711u);
    QCOMPARE(paragraphs(*log).mid(0, 4),
             QStringList({QStringLiteral("The Server says: 'Thanks, member 4711'"), separator,
                          QStringLiteral("Minor update successful."), separator}));

    const QString versionLine = QStringLiteral("Your programversion is 107, there is a new version 110 out now.");
    const QString recommended = QStringLiteral("You should consider to update soon.");
    const QString required = QStringLiteral("You have to update, this program version is not appropriate anymore.");
    const QStringList location = {QString(), QStringLiteral("Please go to http://example.org/download"), separator};
    const struct
    {
        quint8 flags;
        QStringList lines;
    } cases[] = {
        {0x0D, QStringList{versionLine, recommended, required} + location},
        {0x05, QStringList{versionLine, recommended} + location},
        {0x09, QStringList{versionLine, required} + location},
    };
    for (const auto& c : cases) {
        log->clear();
        const ClientStorage before = storage;
        answer = statusAnswer(c.flags);
        QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
        QCOMPARE(paragraphs(*log), QStringList({QStringLiteral("The Server says: 'Thanks, member 4711'"), separator}) +
                                       c.lines + statusBlock(answer));
        QVERIFY(storage == before);
    }
}

void TestAnswerProcessing::newAnalysisDataIsCountedAndStored()
{
    ServerAnswer answer = statusAnswer(ServerAnswer::AnswerOK | ServerAnswer::NewAnalysisData);
    answer.lastTxtMessage = 8;
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QCOMPARE(paragraphs(*log), QStringList({QStringLiteral("The Server says: 'Thanks, member 4711'"), separator,
                                            QStringLiteral("New Analysis Data available on the Server: "),
                                            QStringLiteral(" 3 pages, 1 text messages and -1 pictures"), QString()}) +
                                   statusBlock(answer));
    QCOMPARE(storage.LastAnalysisPage, quint16(5));
    QCOMPARE(storage.LastTxtMessage, quint16(8));
    QCOMPARE(storage.LastPicture, quint16(9));

    // The full 16-bit range counts: no wrapping into negative numbers.
    log->clear();
    storage.LastAnalysisPage = 0;
    storage.LastTxtMessage = 65535;
    answer.lastAnalysisPage = 65535;
    answer.lastTxtMessage = 0;
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QVERIFY(paragraphs(*log).contains(QStringLiteral(" 65535 pages, -65535 text messages and 0 pictures")));
}

void TestAnswerProcessing::answerWithoutOkChangesNothing()
{
    const QStringList rejection = {
        QStringLiteral("Some error in Processing Answer - OK flag was not set."),
        QStringLiteral("This can have many reasons. Perhaps, your member number is wrong"),
        QStringLiteral("- or there's some server maintenance going on!"),
        QStringLiteral("I suggest that you try to upload again later or tomorrow, "),
        QStringLiteral("if the problem persists, please contact the author"),
        QStringLiteral("or backup and delete your datafile 'zuvdata.zuv'"),
        separator,
    };
    for (const quint8 flags : {quint8(0x00), quint8(0xFE)}) {
        log->clear();
        const ClientStorage before = storage;
        ServerAnswer answer = statusAnswer(flags);
        answer.serverMessage = "never shown";
        QVERIFY(!answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
        QCOMPARE(paragraphs(*log), rejection);
        QVERIFY(storage == before);
    }
}

void TestAnswerProcessing::unknownCountryIndex()
{
    const int count = dialogs->settingsDialog()->Country->count();
    ServerAnswer answer = statusAnswer(ServerAnswer::AnswerOK);
    answer.lastUploadCountry = quint8(count - 1);
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QVERIFY(paragraphs(*log).contains(QStringLiteral("last upload from: ") + countryText(count - 1)));

    log->clear();
    answer.lastUploadCountry = quint8(count);
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, dialogs.get(), log.get()));
    QVERIFY(paragraphs(*log).contains(QStringLiteral("last upload from: an unknown country (%1)").arg(count)));

    // Without the dialogs object the names are not at hand either.
    log->clear();
    answer.lastUploadCountry = 0;
    QVERIFY(answer.ProcessAnswerAndStoreInto(&storage, nullptr, log.get()));
    QVERIFY(paragraphs(*log).contains(QStringLiteral("last upload from: an unknown country (0)")));
}

QTEST_MAIN(TestAnswerProcessing)
#include "tst_answerprocessing.moc"
