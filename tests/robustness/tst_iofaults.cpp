#include "growingstate.h"

#include "common/errorcodes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

constexpr int CHILD_TIMEOUT_MS = 60000;
const QString DATA_FILE = QStringLiteral("zuvdata.zuv");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves state n in a child whose files may not grow beyond `limit` bytes;
// returns what the child printed.
QByteArray saveLimited(const QString& path, qint64 limit, quint32 n)
{
    QProcess child;
    child.start(QStringLiteral(SAVING_CHILD),
                {QStringLiteral("limited"), path, QString::number(limit), QString::number(n)});
    if (!child.waitForFinished(CHILD_TIMEOUT_MS) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return "child failed: " + child.readAllStandardError();
    return child.readAllStandardOutput().trimmed();
}

} // namespace

class TestIoFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullDiskKeepsThePreviousFile();
};

// A disk that fills up (here: a file size limit, which also binds the
// superuser) fails the save at whatever point it is reached. Every time the
// save reports it, and the data file is the previous one, byte for byte.
void TestIoFaults::fullDiskKeepsThePreviousFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(DATA_FILE);
    QCOMPARE(growing::state(5).saveToDisk(path), 0);
    const QByteArray previous = readAll(path);

    // How large the new file would be.
    constexpr quint32 bigger = 1200;
    QTemporaryDir sizing;
    QCOMPARE(growing::state(bigger).saveToDisk(sizing.filePath(DATA_FILE)), 0);
    const qint64 newSize = QFileInfo(sizing.filePath(DATA_FILE)).size();
    QVERIFY(newSize > previous.size());

    // Nothing at all, the first byte, less than one write buffer, a little
    // more than one, half, and all but the last byte. The last two leave the
    // disk full in the middle of a write.
    constexpr qint64 writeBuffer = 16384;
    for (const qint64 limit : {qint64(0), qint64(1), qint64(4096), writeBuffer + 100, newSize / 2, newSize - 1}) {
        const QByteArray result = saveLimited(path, limit, bigger);
        QVERIFY2(result == QByteArray::number(ZUV_FILE_CLOSING_ERROR),
                 qPrintable(QStringLiteral("limit %1: %2").arg(limit).arg(QString::fromLatin1(result))));
        QVERIFY2(readAll(path) == previous, qPrintable(QStringLiteral("limit %1").arg(limit)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{DATA_FILE});
        ClientStorage reread;
        QCOMPARE(reread.loadFromDisk(path), 0);
        QVERIFY(reread == growing::state(5));
    }

    // With room enough the same child saves.
    QCOMPARE(saveLimited(path, newSize, bigger), QByteArray("0"));
    ClientStorage reread;
    QCOMPARE(reread.loadFromDisk(path), 0);
    QVERIFY(reread == growing::state(bigger));
}

QTEST_GUILESS_MAIN(TestIoFaults)
#include "tst_iofaults.moc"
