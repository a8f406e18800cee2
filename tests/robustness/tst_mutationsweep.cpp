#include "../storage/samplerecord.h"
#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

ServerAnswer referenceAnswer()
{
    ServerAnswer a;
    a.flags = ServerAnswer::AnswerOK | ServerAnswer::MinorUpdate | ServerAnswer::UpdateRecommended |
              ServerAnswer::NewMember | ServerAnswer::NewAnalysisData;
    a.serverAddress = "s.org";
    a.serverPort = 4555;
    a.ftpServer = "f.org";
    a.downloadLocation = "d.org";
    a.memberNumber = 777;
    a.welcome = "Hi!";
    a.memberSince = QDateTime(QDate(2002, 6, 15), QTime(12, 0));
    a.newestVersion = 108;
    a.lastTxtMessage = 5;
    a.lastPicture = 7;
    a.lastAnalysisPage = 9;
    a.nextSessionDate = QDate(2002, 7, 1);
    a.numMembers = 12;
    a.numPurses = 345;
    a.totalSumCents = 123456789;
    a.lastUploadCountry = 3;
    a.serverMessage = "news";
    a.personalMessage = "thanks";
    return a;
}

template <typename Record> QByteArray written(const Record& record)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << record;
    return bytes;
}

bool isDataFileCode(unsigned code)
{
    return code == ZUV_BAD_FILE_FORMAT || code == ZUV_BAD_FILE_TOO_OLD || code == ZUV_BAD_FILE_TOO_NEW ||
           code == ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS;
}

bool isAnswerCode(unsigned code)
{
    return code == TCP_SERVER_HAS_BAD_DATA_FORMAT || code == TCP_SERVER_ANSWER_TOO_OLD_FORMAT ||
           code == TCP_SERVER_ANSWER_TOO_NEW_FORMAT;
}

// A record read from damaged bytes is still one the program can live with:
// every purse adds up to its value, and the writer gives it back unchanged.
QString validityProblem(const ClientStorage& record)
{
    for (const Session& session : record.Sessions) {
        quint32 cents = 0;
        for (const CoinPile& pile : session.purse) {
            if (pile.coinIndex >= quint32(NUM_COINS))
                return QStringLiteral("a pile of coin %1").arg(pile.coinIndex);
            cents += pile.count * coinvaluesInCents[pile.coinIndex];
        }
        if (cents != session.sumOfCents())
            return QStringLiteral("a purse that does not add up");
    }
    QByteArray bytes;
    try {
        bytes = written(record);
    } catch (const myException& e) {
        return QStringLiteral("it cannot be written again (%1)").arg(e.code());
    }
    ClientStorage again;
    QDataStream s(bytes);
    try {
        s >> again;
    } catch (const myException& e) {
        return QStringLiteral("written again it is refused with %1").arg(e.code());
    }
    ClientStorage expected = record;
    expected.Version = FORMAT_VERSION;
    for (Session& session : expected.Sessions)
        session.version = FORMAT_VERSION;
    if (!(again == expected))
        return QStringLiteral("written again it reads back differently");
    return QString();
}

// Not the defaults: a refusal that touched the record shows.
ClientStorage sentinel()
{
    ClientStorage r;
    r.setDefaultValues();
    r.FavouriteCoin = 1;
    r.Membernumber = 99;
    r.Message = QStringLiteral("untouched");
    return r;
}

// Every refusal explains itself in the debug output; a sweep makes a
// hundred thousand of them. Warnings still get through.
class QuietDebugOutput
{
public:
    QuietDebugOutput() { previous = qInstallMessageHandler(dropDebug); }
    ~QuietDebugOutput() { qInstallMessageHandler(previous); }
    QuietDebugOutput(const QuietDebugOutput&) = delete;
    QuietDebugOutput& operator=(const QuietDebugOutput&) = delete;

private:
    static void dropDebug(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type != QtDebugMsg)
            previous(type, context, message);
    }
    static inline QtMessageHandler previous = nullptr;
};

} // namespace

class TestMutationSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void damagedRecord();
    void damagedAnswer();
};

// Every truncation of a record is refused, and every single changed byte
// (each of its 256 values) is either refused with a data file code, leaving
// the record that was to be read as it was, or read into a valid record.
// (The file's header is the data file test's.)
void TestMutationSweep::damagedRecord()
{
    const QuietDebugOutput quiet;
    const QByteArray good = written(richRecord());
    const ClientStorage before = sentinel();
    // 1: read into a valid record, 0: refused as it should be.
    const auto readBack = [&](const QByteArray& bytes, const QString& what) -> int {
        ClientStorage read = before;
        QDataStream s(bytes);
        try {
            s >> read;
        } catch (const StreamErr& e) {
            if (isDataFileCode(e.code()) && read == before)
                return 0;
            qWarning("%s: refused with %u, record %s", qPrintable(what), e.code(),
                     read == before ? "untouched" : "changed");
            return -1;
        }
        const QString problem = validityProblem(read);
        if (!problem.isEmpty())
            qWarning("%s: %s", qPrintable(what), qPrintable(problem));
        return problem.isEmpty() ? 1 : -1;
    };

    for (int length = 0; length < good.size(); ++length)
        QVERIFY2(readBack(good.left(length), QStringLiteral("cut to %1 bytes").arg(length)) == 0,
                 "a truncated record was not refused");
    int accepted = 0;
    int refused = 0;
    for (int at = 0; at < good.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            if (value == quint8(good[at]))
                continue;
            QByteArray bytes = good;
            bytes[at] = char(value);
            const int result = readBack(bytes, QStringLiteral("record byte %1 set to %2").arg(at).arg(value));
            QVERIFY(result >= 0);
            (result ? accepted : refused)++;
        }
    }
    qInfo("%lld byte record: %d changed records read, %d refused", qlonglong(good.size()), accepted, refused);
    // Both ways out were taken: some bytes carry free values, others are checked.
    QVERIFY(accepted > 0 && refused > 0);
}

// Every truncation and every single changed byte of an answer body is
// refused with one of the codes of a broken answer or read into a record,
// which the answer processing then takes over (or, without its OK bit,
// leaves the storage alone). The frame header is swept through the framing
// functions the connection window uses.
void TestMutationSweep::damagedAnswer()
{
    const QuietDebugOutput quiet;
    ClientStorage storage;
    storage.setDefaultValues();
    storage.FavouriteCoin = 5;
    storage.Membernumber = 4711;
    Dialogs dialogs(&storage);
    const QByteArray body = written(referenceAnswer());
    const QByteArray frame = frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, quint32(body.size())) + body;

    for (int length = 0; length < body.size(); ++length) {
        ServerAnswer answer;
        QDataStream s(body.left(length));
        try {
            s >> answer;
            QFAIL(qPrintable(QStringLiteral("an answer cut to %1 bytes was read").arg(length)));
        } catch (const StreamErr& e) {
            QCOMPARE(e.code(), unsigned(TCP_SERVER_HAS_BAD_DATA_FORMAT));
        }
    }

    // The header: a changed magic makes a refusal, any announced length but
    // the true one keeps the answer from being read.
    for (int at = 0; at < FRAME_HEADER_SIZE; ++at) {
        for (int value = 0; value < 256; ++value) {
            if (value == quint8(frame[at]))
                continue;
            QByteArray bytes = frame;
            bytes[at] = char(value);
            FrameHeader header;
            QVERIFY(parseFrameHeader(bytes, header));
            QCOMPARE(startsWithMagic(bytes), at >= FRAME_MAGIC_SIZE);
            if (at >= FRAME_MAGIC_SIZE + 2)
                QVERIFY(header.bodyLength != quint32(body.size()));
            unsigned code = 0;
            refusalCode(QString::fromLatin1(bytes.mid(FRAME_MAGIC_SIZE)), code); // must simply cope
        }
    }

    int accepted = 0;
    int refused = 0;
    int processed = 0;
    QTextEdit log;
    for (int at = 0; at < body.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            if (value == quint8(body[at]))
                continue;
            QByteArray bytes = body;
            bytes[at] = char(value);
            const QString what = QStringLiteral("answer byte %1 set to %2").arg(at).arg(value);
            ServerAnswer answer;
            QDataStream s(bytes);
            try {
                s >> answer;
            } catch (const StreamErr& e) {
                QVERIFY2(isAnswerCode(e.code()), qPrintable(what));
                ++refused;
                continue;
            }
            ++accepted;
            // A few values per position go on through answer processing.
            const int flipped = value ^ quint8(body[at]);
            if (flipped != 0x01 && flipped != 0x80 && value != 0x00 && value != 0xFF)
                continue;
            // Whatever the numbers and texts, the answer is reported and taken over.
            ClientStorage target = storage;
            const ClientStorage untouched = target;
            log.clear();
            const bool ok = answer.ProcessAnswerAndStoreInto(&target, &dialogs, &log);
            QCOMPARE(ok, (answer.flags & ServerAnswer::AnswerOK) != 0);
            QVERIFY(!log.toPlainText().isEmpty());
            if (!ok)
                QVERIFY2(target == untouched, qPrintable(what));
            ++processed;
        }
    }
    qInfo("%lld byte answer: %d changed answers read (%d of them processed), %d refused", qlonglong(body.size()),
          accepted, processed, refused);
    QVERIFY(accepted > 0 && refused > 0);
}

QTEST_MAIN(TestMutationSweep)
#include "tst_mutationsweep.moc"
