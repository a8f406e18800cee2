#include "common/constants.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
// Start-up of the real program takes well under this on the offscreen platform.
constexpr int startUpMs = 2500;
constexpr int endMs = 15000;
} // namespace

// The real program, started in a folder of its own: what it leaves on disk and
// the status it ends with.
class TestZuvProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void terminationSavesAndEndsLikeTheCloseBox();
};

void TestZuvProcess::terminationSavesAndEndsLikeTheCloseBox()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ClientStorage state;
    state.setDefaultValues();
    state.SettingsFlags |= ClientStorage::NoLoadPicsNagger; // no picture summary to answer
    state.NumberOfStartsSinceLastUpload = 4;
    QVERIFY(state.saveToDisk(dir.filePath(DATAFILE_NAME)) == ZUV_NO_ERROR);

    for (int run = 1; run <= 2; ++run) {
        QProcess zuv;
        zuv.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        zuv.setProcessEnvironment(environment);
        zuv.start(QStringLiteral(ZUV_BINARY), QStringList());
        QVERIFY(zuv.waitForStarted());
        QTest::qWait(startUpMs);
        QCOMPARE(zuv.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(zuv.processId()), SIGTERM);
        QVERIFY(zuv.waitForFinished(endMs));
        QCOMPARE(zuv.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zuv.exitCode(), int(ZUV_USER_KILLS_PROGRAM_WITH_X));

        ClientStorage saved;
        QCOMPARE(saved.loadFromDisk(dir.filePath(DATAFILE_NAME)), int(ZUV_NO_ERROR));
        QCOMPARE(saved.NumberOfStartsSinceLastUpload, quint16(4 + run));
        QCOMPARE(saved.Sessions.size(), run); // every run appends its session
        QCOMPARE(saved.Sessions.last().observation.first().id, quint16(0)); // "Start"
        QVERIFY(saved.WindowPositionSize.size.width() >= 600 && saved.WindowPositionSize.size.height() >= 400);
    }
}

QTEST_GUILESS_MAIN(TestZuvProcess)
#include "tst_zuvprocess.moc"
