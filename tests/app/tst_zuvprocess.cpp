#include "common/constants.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {
// Start-up of the real program takes well under this on the offscreen platform.
constexpr int startUpMs = 2500;
constexpr int endMs = 15000;

// Starts the real program in `folder`, lets it come up and sends it
// `signalNumber`; `status` is its exit status.
void runUntilSignal(const QString& folder, const QStringList& arguments, QProcessEnvironment environment,
                    int signalNumber, int& status)
{
    QProcess zuv;
    zuv.setWorkingDirectory(folder);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    zuv.setProcessEnvironment(environment);
    zuv.start(QStringLiteral(ZUV_BINARY), arguments);
    QVERIFY(zuv.waitForStarted());
    QTest::qWait(startUpMs);
    QCOMPARE(zuv.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(zuv.processId()), signalNumber);
    QVERIFY(zuv.waitForFinished(endMs));
    QCOMPARE(zuv.exitStatus(), QProcess::NormalExit);
    status = zuv.exitCode();
}

unsigned accessBits(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777u : 0u;
}
} // namespace

// The real program, started in a folder of its own: what it leaves on disk and
// the status it ends with.
class TestZuvProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void terminationSavesAndEndsLikeTheCloseBox_data();
    void terminationSavesAndEndsLikeTheCloseBox();
    void menuStartKeepsTheFilesInTheDataFolder();
};

void TestZuvProcess::terminationSavesAndEndsLikeTheCloseBox_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("logout (SIGTERM)") << int(SIGTERM);
    QTest::newRow("Ctrl+C (SIGINT)") << int(SIGINT);
}

void TestZuvProcess::terminationSavesAndEndsLikeTheCloseBox()
{
    QFETCH(int, signalNumber);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ClientStorage state;
    state.setDefaultValues();
    state.SettingsFlags |= ClientStorage::NoLoadPicsNagger; // no picture summary to answer
    state.NumberOfStartsSinceLastUpload = 4;
    QVERIFY(state.saveToDisk(dir.filePath(DATAFILE_NAME)) == ZUV_NO_ERROR);

    for (int run = 1; run <= 2; ++run) {
        int status = -1;
        runUntilSignal(dir.path(), {}, QProcessEnvironment::systemEnvironment(), signalNumber, status);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(status, int(ZUV_USER_KILLS_PROGRAM_WITH_X));

        ClientStorage saved;
        QCOMPARE(saved.loadFromDisk(dir.filePath(DATAFILE_NAME)), int(ZUV_NO_ERROR));
        QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(4 + run));
        QCOMPARE(saved.Sessions.size(), run);                               // every run appends its session
        QCOMPARE(saved.Sessions.last().observation.first().id, quint16(0)); // "Start"
        QVERIFY(saved.WindowPositionSize.size.width() >= 600 && saved.WindowPositionSize.size.height() >= 400);
    }
}

// Started with the menu entry's command in some folder, the program keeps
// its files in the participant's data folder, which it makes owner-only.
void TestZuvProcess::menuStartKeepsTheFilesInTheDataFolder()
{
    QFile entry(QStringLiteral(ZUV_DESKTOP_FILE));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList command;
    while (!entry.atEnd() && command.isEmpty()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(QLatin1String("Exec=")))
            command = line.mid(5).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    QVERIFY(!command.isEmpty());
    QCOMPARE(command.takeFirst(), QStringLiteral("zuv"));

    QTemporaryDir home;
    QTemporaryDir menuFolder;
    QVERIFY(home.isValid() && menuFolder.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("share"))); // not there yet
    int status = -1;
    runUntilSignal(menuFolder.path(), command, environment, SIGTERM, status);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(status, int(ZUV_USER_KILLS_PROGRAM_WITH_X));

    const QString dataFolder = home.filePath(QStringLiteral("share/zuv"));
    QCOMPARE(accessBits(dataFolder), 0700u);
    QCOMPARE(accessBits(dataFolder + QLatin1Char('/') + DATAFILE_NAME), 0600u);
    QVERIFY(QDir(menuFolder.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestZuvProcess)
#include "tst_zuvprocess.moc"
