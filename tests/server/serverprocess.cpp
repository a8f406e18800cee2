#include "serverprocess.h"

#include "net/protocol.h"
#include "storage/clientstorage.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTest>
#include <QVariant>

#include <csignal>

namespace {
constexpr int startTimeoutMs = 10000;
constexpr int stopTimeoutMs = 10000;
} // namespace

ServerProcess::~ServerProcess()
{
    if (server.state() != QProcess::NotRunning) {
        server.kill();
        server.waitForFinished(stopTimeoutMs);
    }
}

bool ServerProcess::start(const QString& databaseFile, const QStringList& moreArguments)
{
    // What the server reports about each connection shows with the test's output.
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral(ZUV_SERVER_BINARY),
                 QStringList{QStringLiteral("--address"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                             QStringLiteral("0"), QStringLiteral("--database"), databaseFile} +
                     moreArguments);
    if (!server.waitForStarted(startTimeoutMs))
        return false;
    const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    QByteArray printed;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < startTimeoutMs && server.state() == QProcess::Running) {
        server.waitForReadyRead(100);
        printed += server.readAllStandardOutput();
        const QRegularExpressionMatch match = listening.match(QString::fromLatin1(printed));
        if (match.hasMatch()) {
            boundPort = quint16(match.captured(1).toUInt());
            return boundPort != 0;
        }
    }
    qWarning() << "zuv-server did not start:" << printed;
    return false;
}

bool ServerProcess::stopWith(int signalNumber)
{
    ::kill(static_cast<pid_t>(server.processId()), signalNumber);
    return server.waitForFinished(stopTimeoutMs) && server.exitStatus() == QProcess::NormalExit &&
           server.exitCode() == 0;
}

QByteArray exchange(quint16 port, const QByteArray& bytes, bool& hungUp, int timeoutMs, const QHostAddress& from)
{
    QTcpSocket socket;
    QByteArray reply;
    hungUp = false;
    if (!from.isNull() && !socket.bind(from))
        return reply;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(timeoutMs))
        return reply;
    socket.write(bytes);
    socket.flush();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QTest::qWait(10);
        reply += socket.readAll();
        if (socket.state() == QAbstractSocket::UnconnectedState) {
            hungUp = true;
            break;
        }
    }
    reply += socket.readAll();
    return reply;
}

unsigned refusalCodeOf(const QByteArray& reply)
{
    unsigned code = 0;
    if (reply.size() <= FRAME_MAGIC_SIZE || startsWithMagic(reply))
        return 0;
    return refusalCode(QString::fromLatin1(reply.mid(FRAME_MAGIC_SIZE)), code) ? code : 0;
}

QByteArray uploadOf(const ClientStorage& storage)
{
    return uploadMessage(storage);
}

QSqlDatabase openReadOnly(const QString& databaseFile, const QString& connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(databaseFile);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.open();
    return db;
}

QVariant valueOf(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return QVariant();
    return query.value(0);
}
