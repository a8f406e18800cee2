#include "common/constants.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {
unsigned accessBits(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777u : 0u;
}

// The arguments of the menu entry's command, which must start "zuv"; none when it does not.
QStringList menuArguments()
{
    QFile entry(QStringLiteral(ZUV_DESKTOP_FILE));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(QLatin1String("Exec=zuv")))
            return line.mid(5).split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1);
    }
    return {};
}
} // namespace

// The real program, started twice in a folder of its own and ended by a
// signal each time: what it leaves on disk and the status it ends with.
class TestZuvProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsSaveAndEndLikeTheCloseBox_data();
    void signalsSaveAndEndLikeTheCloseBox();
};

void TestZuvProcess::signalsSaveAndEndLikeTheCloseBox_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("fromMenu"); // the menu entry's command, and no data folder yet
    QTest::newRow("logout (SIGTERM)") << int(SIGTERM) << false;
    QTest::newRow("Ctrl+C (SIGINT)") << int(SIGINT) << false;
    QTest::newRow("menu start, logout") << int(SIGTERM) << true;
}

void TestZuvProcess::signalsSaveAndEndLikeTheCloseBox()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, fromMenu);
    QTemporaryDir home, folder;
    QVERIFY(home.isValid() && folder.isValid());
    const QStringList arguments = fromMenu ? menuArguments() : QStringList();
    const QString dataFile =
        fromMenu ? home.filePath(QStringLiteral("share/zuv/") + DATAFILE_NAME) : folder.filePath(DATAFILE_NAME);
    const int startsBefore = fromMenu ? 0 : 4;
    if (!fromMenu) {
        ClientStorage state;
        state.setDefaultValues();
        state.SettingsFlags |= ClientStorage::NoLoadPicsNagger; // no picture summary to answer
        state.NumberOfStartsSinceLastUpload = quint16(startsBefore);
        QVERIFY(state.saveToDisk(dataFile) == ZUV_NO_ERROR);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("share")));

    for (int run = 1; run <= 2; ++run) {
        QProcess zuv;
        zuv.setWorkingDirectory(folder.path());
        zuv.setProcessEnvironment(environment);
        zuv.start(QStringLiteral(ZUV_BINARY), arguments);
        QVERIFY(zuv.waitForStarted());
        QTest::qWait(2500); // start-up takes well under this on the offscreen platform
        QCOMPARE(zuv.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(zuv.processId()), signalNumber);
        QVERIFY(zuv.waitForFinished(15000));
        QCOMPARE(zuv.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zuv.exitCode(), int(ZUV_USER_KILLS_PROGRAM_WITH_X));

        ClientStorage saved;
        QCOMPARE(saved.loadFromDisk(dataFile), int(ZUV_NO_ERROR));
        QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(startsBefore + run));
        QCOMPARE(saved.Sessions.size(), run);                               // every run appends its session
        QCOMPARE(saved.Sessions.last().observation.first().id, quint16(0)); // "Start"
        QVERIFY(saved.WindowPositionSize.size.width() >= 600 && saved.WindowPositionSize.size.height() >= 400);
    }
    if (fromMenu) { // the participant's data folder is owner-only, and nothing lands where the menu started it
        QCOMPARE(accessBits(home.filePath(QStringLiteral("share/zuv"))), 0700u);
        QCOMPARE(accessBits(dataFile), 0600u);
        QVERIFY(QDir(folder.path()).isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestZuvProcess)
#include "tst_zuvprocess.moc"
