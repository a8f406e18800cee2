// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filebytes.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/clientstorage.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <string>

#include <sys/resource.h>

#include <unistd.h>

// State n carries n in its counters and texts, and n % SESSION_CYCLE sessions: the file grows, then starts again.
namespace {

constexpr quint32 SESSION_CYCLE = 1500;

// From state n - 1 to state n; session i depends on i alone, so child and test build the same states.
void advance(ClientStorage& s, quint32 n)
{
    s.NumberOfUploads = n;
    s.Membernumber = n * 7;
    s.Message = QStringLiteral("save number %1").arg(n);
    s.eMailAddress = "saver" + std::to_string(n) + "@example.org";
    const quint32 i = n % SESSION_CYCLE;
    if (i == 0) {
        s.Sessions.clear();
        return;
    }
    Session session(0, QDateTime(QDate(2002, 2, 1).addDays(i), QTime(0, 0).addSecs(int(i))), FORMAT_VERSION);
    for (quint32 p = 0; p <= i % 20; ++p)
        session.insertCoins(int(p % NUM_COINS), int((i + p) % NUM_NATIONAL_SIDES), 1 + (i * 31 + p * 7) % 1000);
    s.Sessions.append(session);
}

ClientStorage grownState(quint32 n)
{
    ClientStorage s;
    s.setDefaultValues();
    s.FavouriteCoin = 17; // the default draws it at random
    for (quint32 k = n - n % SESSION_CYCLE; k <= n; ++k)
        advance(s, k);
    return s;
}

// The saving child: continues from the state in `file` (none: state 0) and saves state after state until
// killed, printing "saving <n>" before and "<n>" after each save.
int loop(const QString& file)
{
    ClientStorage loaded;
    quint32 n = loaded.loadFromDisk(file) == 0 ? loaded.NumberOfUploads : 0;
    for (ClientStorage state = grownState(n);;) {
        advance(state, ++n);
        std::printf("saving %u\n", n);
        std::fflush(stdout);
        if (state.saveToDisk(file) != 0)
            return 4;
        std::printf("%u\n", n);
        std::fflush(stdout);
    }
}

constexpr int KILLS = 200;
constexpr int MAX_KILL_DELAY_US = 30000; // after the child's first "saving" line
constexpr int CHILD_TIMEOUT_MS = 60000;
const QString DATA_FILE = QStringLiteral("zuvdata.zuv");

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWhileSaving();
    void fullDiskKeepsThePreviousFile();
};

// Killed at any moment, the data file holds one whole saved state and nothing a later start takes for data.
void TestCrashSafety::killedWhileSaving()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(DATA_FILE);
    QRandomGenerator random(20020201);
    const QRegularExpression saveFileTemp(QStringLiteral("^zuvdata\\.zuv\\.[A-Za-z0-9]{6}$"));

    quint32 onDisk = 0; // the state the file holds (0: no file yet)
    int killedInSave = 0;
    for (int kill = 0; kill < KILLS; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("saving-child"), path});
        QVERIFY2(child.waitForStarted(CHILD_TIMEOUT_MS), qPrintable(child.errorString()));
        QVERIFY2(child.waitForReadyRead(CHILD_TIMEOUT_MS), "the saving child never saved");
        usleep(useconds_t(random.bounded(MAX_KILL_DELAY_US)));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(CHILD_TIMEOUT_MS));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit); // it was saving, not stopped by a failure

        // A line cut short by the kill has no line end and does not count.
        quint32 reported = onDisk;
        bool inSave = false;
        QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        lines.removeLast();
        for (const QByteArray& line : lines) {
            inSave = line.startsWith("saving ");
            if (!inSave)
                reported = line.toUInt();
        }
        killedInSave += inSave;

        // The running save happened whole or not at all (a damaged file throws).
        ClientStorage loaded;
        const int code = loaded.loadFromDisk(path);
        if (onDisk == 0 && reported == 0 && code == ZUV_FILE_NOT_EXIST)
            continue; // killed before the very first save finished
        QCOMPARE(code, 0);
        const quint32 found = loaded.NumberOfUploads;
        QCOMPARE_GE(found, reported); // the save it was killed in may have finished
        QCOMPARE_LE(found, reported + 1);
        QVERIFY(loaded == grownState(found));
        onDisk = found;

        // Only QSaveFile's own temporary file may be left beside it.
        for (const QString& name : filesIn(dir.path())) {
            if (name == DATA_FILE)
                continue;
            QVERIFY2(saveFileTemp.match(name).hasMatch(), qPrintable(QStringLiteral("left behind: ") + name));
            QFile::remove(dir.filePath(name));
        }
    }
    qInfo("%d kills, %d in a save; the file reached state %u", KILLS, killedInSave, onDisk);
    QVERIFY(killedInSave >= KILLS / 4); // the kills really hit running saves
}

// A full disk (a soft file size limit binds root too) fails the save; the previous file stays byte for byte.
void TestCrashSafety::fullDiskKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(DATA_FILE);
    QCOMPARE(grownState(5).saveToDisk(path), 0);
    const QByteArray previous = readAll(path);
    const ClientStorage bigger = grownState(1200);
    const qint64 newSize = 6 + qint64(sizeOf(bigger)); // magic and version, then the record
    QVERIFY(newSize > previous.size());

    // Beyond the limit a write fails with EFBIG instead of ending the process.
    rlimit normal{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &normal) == 0);
    const auto normalAction = std::signal(SIGXFSZ, SIG_IGN);
    const auto restore = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &normal);
        std::signal(SIGXFSZ, normalAction);
    });
    if (normal.rlim_max != RLIM_INFINITY && qint64(normal.rlim_max) < newSize)
        QSKIP("the hard file size limit is below the size of the test's data file");

    // Nothing, one byte, past the first write buffer, all but the last byte; then room enough.
    for (const qint64 limit : {qint64(0), 1LL, 16384LL + 100, newSize - 1, newSize}) {
        const rlimit limited{rlim_t(limit), normal.rlim_max};
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        const int code = bigger.saveToDisk(path);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &normal) == 0);
        const bool room = limit == newSize;
        QVERIFY2(code == (room ? 0 : int(ZUV_FILE_CLOSING_ERROR)), qPrintable(QString::number(limit)));
        QCOMPARE(filesIn(dir.path()), QStringList{DATA_FILE});
        ClientStorage reread;
        QCOMPARE(reread.loadFromDisk(path), 0);
        QVERIFY(reread == (room ? bigger : grownState(5)));
        QVERIFY(room || readAll(path) == previous);
    }
}

// The same program is the saving child when told so.
int main(int argc, char** argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "saving-child") {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return loop(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestCrashSafety test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_crashsafety.moc"
