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

// Reads bytes into `record`; the code of the refusal, or 0.
template <typename Record> unsigned readInto(const QByteArray& bytes, Record& record)
{
    QDataStream s(bytes);
    try {
        s >> record;
    } catch (const StreamErr& e) {
        return e.code();
    }
    return 0;
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
    if (const unsigned code = readInto(bytes, again))
        return QStringLiteral("written again it is refused with %1").arg(code);
    ClientStorage expected = record;
    expected.Version = FORMAT_VERSION;
    for (Session& session : expected.Sessions)
        session.version = FORMAT_VERSION;
    return again == expected ? QString() : QStringLiteral("written again it reads back differently");
}

// Every refusal explains itself in the debug output, and a sweep makes a
// hundred thousand of them; warnings still get through.
QtMessageHandler shownMessages = nullptr;

void dropDebug(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg)
        shownMessages(type, context, message);
}

} // namespace

class TestMutationSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { shownMessages = qInstallMessageHandler(dropDebug); }
    void damagedRecord();
    void damagedAnswer();
};

// Every truncation of a record is refused, and every single changed byte
// (each of its 256 values) is either refused with a data file code, leaving
// the record that was to be read as it was, or read into a valid record.
// (The file's header is the data file test's.)
void TestMutationSweep::damagedRecord()
{
    const QByteArray good = written(richRecord());
    ClientStorage before; // not the defaults: a refusal that touched the record shows
    before.setDefaultValues();
    before.FavouriteCoin = 1;
    before.Membernumber = 99;
    before.Message = QStringLiteral("untouched");
    const QList<unsigned> dataFileCodes = {ZUV_BAD_FILE_FORMAT, ZUV_BAD_FILE_TOO_OLD, ZUV_BAD_FILE_TOO_NEW,
                                           ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS};
    // 1: read into a valid record, 0: refused as it should be.
    const auto readBack = [&](const QByteArray& bytes, const QString& what) {
        ClientStorage read = before;
        const unsigned code = readInto(bytes, read);
        const QString problem = code ? QString() : validityProblem(read);
        if (code && (!dataFileCodes.contains(code) || !(read == before)))
            qWarning("%s: refused with %u, record %s", qPrintable(what), code,
                     read == before ? "untouched" : "changed");
        else if (!problem.isEmpty())
            qWarning("%s: %s", qPrintable(what), qPrintable(problem));
        else
            return code ? 0 : 1;
        return -1;
    };

    for (int length = 0; length < good.size(); ++length)
        QVERIFY2(readBack(good.left(length), QStringLiteral("cut to %1 bytes").arg(length)) == 0,
                 "a truncated record was not refused");
    int results[2] = {0, 0};
    for (int at = 0; at < good.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            QByteArray bytes = good;
            bytes[at] = char(value);
            if (bytes == good)
                continue;
            const int result = readBack(bytes, QStringLiteral("record byte %1 set to %2").arg(at).arg(value));
            QVERIFY(result >= 0);
            ++results[result];
        }
    }
    qInfo("%lld byte record: %d changed records read, %d refused", qlonglong(good.size()), results[1], results[0]);
    // Both ways out were taken: some bytes carry free values, others are checked.
    QVERIFY(results[0] > 0 && results[1] > 0);
}

// Every truncation and every single changed byte of an answer body is
// refused with one of the codes of a broken answer or read into a record,
// which the answer processing then takes over (or, without its OK bit,
// leaves the storage alone). The frame header is swept through the framing
// functions the connection window uses.
void TestMutationSweep::damagedAnswer()
{
    ClientStorage storage;
    storage.setDefaultValues();
    storage.FavouriteCoin = 5;
    storage.Membernumber = 4711;
    Dialogs dialogs(&storage);
    const QByteArray body = written(referenceAnswer());
    const QByteArray frame = frameHeaderBytes(DATAFILE_MAGIC, FORMAT_VERSION, quint32(body.size())) + body;
    const QList<unsigned> answerCodes = {TCP_SERVER_HAS_BAD_DATA_FORMAT, TCP_SERVER_ANSWER_TOO_OLD_FORMAT,
                                         TCP_SERVER_ANSWER_TOO_NEW_FORMAT};

    for (int length = 0; length < body.size(); ++length) {
        ServerAnswer answer;
        QCOMPARE(readInto(body.left(length), answer), unsigned(TCP_SERVER_HAS_BAD_DATA_FORMAT));
    }

    // The header: a changed magic makes a refusal, any announced length but
    // the true one keeps the answer from being read.
    for (int at = 0; at < FRAME_HEADER_SIZE; ++at) {
        for (int value = 0; value < 256; ++value) {
            QByteArray bytes = frame;
            bytes[at] = char(value);
            if (bytes == frame)
                continue;
            FrameHeader header;
            QVERIFY(parseFrameHeader(bytes, header));
            QCOMPARE(startsWithMagic(bytes), at >= FRAME_MAGIC_SIZE);
            if (at >= FRAME_MAGIC_SIZE + 2)
                QVERIFY(header.bodyLength != quint32(body.size()));
            unsigned code = 0;
            refusalCode(QString::fromLatin1(bytes.mid(FRAME_MAGIC_SIZE)), code); // must simply cope
        }
    }

    int accepted = 0, refused = 0, processed = 0;
    QTextEdit log;
    for (int at = 0; at < body.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            QByteArray bytes = body;
            bytes[at] = char(value);
            if (bytes == body)
                continue;
            const QString what = QStringLiteral("answer byte %1 set to %2").arg(at).arg(value);
            ServerAnswer answer;
            if (const unsigned code = readInto(bytes, answer)) {
                QVERIFY2(answerCodes.contains(code), qPrintable(what));
                ++refused;
                continue;
            }
            ++accepted;
            // A few values per position go on through answer processing: whatever
            // the numbers and texts, the answer is reported and taken over.
            const int flipped = value ^ quint8(body[at]);
            if (flipped != 0x01 && flipped != 0x80 && value != 0x00 && value != 0xFF)
                continue;
            ClientStorage target = storage;
            log.clear();
            const bool ok = answer.ProcessAnswerAndStoreInto(&target, &dialogs, &log);
            QCOMPARE(ok, (answer.flags & ServerAnswer::AnswerOK) != 0);
            QVERIFY(!log.toPlainText().isEmpty());
            QVERIFY2(ok || target == storage, qPrintable(what));
            ++processed;
        }
    }
    qInfo("%lld byte answer: %d changed answers read (%d of them processed), %d refused", qlonglong(body.size()),
          accepted, processed, refused);
    QVERIFY(accepted > 0 && refused > 0);
}

QTEST_MAIN(TestMutationSweep)
#include "tst_mutationsweep.moc"
