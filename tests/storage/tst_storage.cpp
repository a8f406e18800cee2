// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filebytes.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "storage/bytestring.h"
#include "storage/clientstorage.h"
#include "storage/coinpile.h"
#include "storage/storagetree.h"
#include "storage/streamformat.h"
#include "storage/textdump.h"
#include "usage/usage.h"

#include <QDataStream>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QDateTime FEB_FIRST(QDate(2002, 2, 1), QTime(0, 0));

template <typename... Values> QByteArray streamed(const Values&... values)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    (s << ... << values);
    return bytes;
}

QByteArray fileBytes(const ClientStorage& record)
{
    return streamed(DATAFILE_MAGIC, quint16(107), record);
}

QByteArray patched(QByteArray bytes, qsizetype at, const char* hex)
{
    const QByteArray replacement = QByteArray::fromHex(hex);
    return bytes.replace(at, replacement.size(), replacement);
}

ClientStorage defaultRecord()
{
    ClientStorage record;
    record.setDefaultValues();
    record.FavouriteCoin = 0; // drawn at random: two records made a millisecond apart would differ
    return record;
}

// A record with every kind of field, at the edges of its range where it has some.
ClientStorage richRecord()
{
    ClientStorage record = defaultRecord();
    record.Membernumber = 4711;
    record.Welcome = "Willkommen \xe4\xf6\xfc";
    record.RecommenderMembernumbers = {12, 0xFFFFFFFF};
    record.RecommenderName = QString::fromUtf8("R\u00fcdiger \u20ac");
    record.Country = 9;
    record.eMailAddress = "me@example.org";
    record.eMailFlags = ClientStorage::WantsReminder | ClientStorage::WeeklyReminder;
    record.MemberSince = QDateTime(QDate(2002, 3, 4), QTime(5, 6, 7, 8));
    record.LastUpload = QDateTime(QDate(2002, 6, 15), QTime(23, 59, 59, 999));
    record.NumberOfStartsSinceLastUpload = 65535;
    record.FavouriteCoin = 119;
    record.Message = QStringLiteral("line one\nline two");
    record.LastDataAnalysisRead = QDateTime();
    record.WindowPositionSize = {QPoint(-10, 20), QSize(800, 600)};
    record.TotalEvents = {{1, 5}, {65535, 4000000000u}, {200, 1}};
    record.NumFullPurses = 2;
    Session first(0, FEB_FIRST, 150);
    first.insertCoins(3, 5, 1);
    first.insertCoins(7, 14, 300);
    first.insertCoins(0, 0, 4294967295u); // a count of five bytes
    first.observation = {UserEvent{10, 1}, UserEvent{20, 2}};
    record.Sessions = {first, Session(0, QDateTime(QDate(2003, 1, 1), QTime(8, 0)), 107)};
    record.InvitationList = {InvitedPerson{"Anna", "a.b", 17, false}, InvitedPerson{"Bert", "", 0, true}};
    return record;
}

ClientStorage brokenRecord()
{
    ClientStorage broken = richRecord();
    broken.Sessions[1].purse.append(CoinPile{2, 2, 0}); // a pile of no coins cannot be written
    return broken;
}

ClientStorage recordWithSessions(int count, quint16 fullPurses, quint32 member)
{
    ClientStorage record = defaultRecord();
    record.Membernumber = member;
    record.NumFullPurses = fullPurses;
    for (int i = 0; i < count; ++i) {
        record.Sessions.append(Session(0, FEB_FIRST.addSecs(i), 107));
        record.Sessions.last().insertCoins(0, 1, member * 10 + unsigned(i) + 1);
    }
    record.TotalEvents.insert(quint16(member), member);
    record.InvitationList.append(InvitedPerson{"friend", "f@x.org", quint8(member), false});
    return record;
}

// The field kinds that are more than a number: byte strings (scrambled), texts, points in time.
enum Kind { Bytes, Text, Time };

QByteArray written(Kind kind, const QVariant& value)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    if (kind == Bytes)
        stream << value.toByteArray().toStdString();
    else if (kind == Text)
        writeText(stream, value.toString());
    else
        writeDateTime(stream, value.toDateTime());
    return out;
}

// What is read into a field that held something before.
QVariant read(Kind kind, const QByteArray& bytes, QDataStream::Status& status)
{
    QDataStream stream(bytes);
    QVariant value;
    if (kind == Bytes) {
        std::string field = "old";
        stream >> field;
        value = QByteArray::fromStdString(field);
    } else if (kind == Text) {
        value = readText(stream);
    } else {
        value = readDateTime(stream);
    }
    status = stream.status();
    return value;
}

// The child of item with this label; none when there is no such child.
const QTreeWidgetItem* childOf(const QTreeWidgetItem* item, const QString& label)
{
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == label)
            return item->child(i);
    return nullptr;
}

// The children of item, each as "label=value".
QStringList rows(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0) + QLatin1Char('=') + item->child(i)->text(1);
    return texts;
}

} // namespace

using RecordCheck = std::function<bool(const ClientStorage&)>;
Q_DECLARE_METATYPE(RecordCheck)

// The client's record: its fields' byte formats, sessions and purses, and the data file on disk.
class TestStorage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void fields_data();
    void fields();
    void compactBytes_data();
    void compactBytes();
    void purseAndItsValue();
    void mergeCopiesAndEquality();
    void fileRoundTrip();
    void fileReading_data();
    void fileReading();
    void unreadableFileIsKeptAside();
    void failedSavesKeepThePreviousFile();
    void recordAsTreeAndText();

private:
    QString path(const QString& name = QStringLiteral("zuvdata.zuv")) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestStorage::fields_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("value"); // read back; written when the status is Ok
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const auto row = [](const char* name, Kind kind, const QVariant& value, const char* hex,
                        QDataStream::Status status = QDataStream::Ok) {
        QTest::newRow(name) << int(kind) << value << QByteArray::fromHex(hex) << int(status);
    };
    row("bytes", Bytes, QByteArray("abc"), "00000003aeabac");
    row("bytes wrapping", Bytes, QByteArray("\x0e\x0f"), "00000002ff00");
    row("no bytes", Bytes, QByteArray(""), "00000000");
    row("bytes of 4 GiB", Bytes, QByteArray(""), "ffffffff", QDataStream::ReadPastEnd);
    row("one byte short", Bytes, QByteArray(""), "00000004aeabac", QDataStream::ReadPastEnd);
    row("length cut short", Bytes, QByteArray(""), "0000", QDataStream::ReadPastEnd);
    row("null text", Text, QString(), "ffffffff");
    row("empty text", Text, QStringLiteral(""), "00000000");
    row("text", Text, QString::fromUtf8("A\u00e9\u20ac"), "00000006004100e920ac");
    row("odd text length", Text, QString(), "000000030041", QDataStream::ReadCorruptData);
    row("text of 2 GiB", Text, QString(), "7ffffffe0041", QDataStream::ReadPastEnd);
    row("midnight", Time, QDateTime(QDate(2002, 2, 1), QTime(0, 0)), "00256b5300000000");
    row("a millisecond past noon", Time, QDateTime(QDate(2002, 2, 1), QTime(12, 0, 0, 1)), "00256b5302932e01");
    row("no time", Time, QDateTime(), "0000000000000000");
    // A day has 86400000 milliseconds.
    row("past midnight", Time, QDateTime(), "00256b5305265c00", QDataStream::ReadCorruptData);
}

void TestStorage::fields()
{
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    if (status == QDataStream::Ok)
        QCOMPARE(written(Kind(kind), value), bytes);
    QDataStream::Status readStatus = QDataStream::Ok;
    const QVariant got = read(Kind(kind), bytes, readStatus);
    QCOMPARE(int(readStatus), status);
    QCOMPARE(got, value);
    if (kind == Text)
        QCOMPARE(got.toString().isNull(), value.toString().isNull());
}

void TestStorage::compactBytes_data()
{
    QTest::addColumn<CoinPile>("pile");
    QTest::addColumn<QList<quint8>>("bytes");
    QTest::addColumn<int>("code"); // of the refusal: of the pile when serializing, else of the bytes
    using B = QList<quint8>;
    QTest::newRow("one 10c of Germany") << CoinPile{3, 5, 1} << B{0x2B, 0x01} << 0;
    QTest::newRow("largest one-byte count") << CoinPile{7, 15, 127} << B{0x7F, 0x7F} << 0;
    QTest::newRow("128 needs two bytes") << CoinPile{0, 0, 128} << B{0x00, 0x80, 0x01} << 0;
    QTest::newRow("300") << CoinPile{0, 0, 300} << B{0x00, 0xAC, 0x02} << 0;
    // An exact power of 128 starts a new digit; a log-based digit count tends to miss it.
    QTest::newRow("128^4") << CoinPile{1, 2, 268435456} << B{0x11, 0x80, 0x80, 0x80, 0x80, 0x01} << 0;
    QTest::newRow("largest count, country 31")
        << CoinPile{0, 31, 4294967295u} << B{0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F} << 0;
    QTest::newRow("a pile of no coins") << CoinPile{2, 3, 0} << B{} << int(ZUV_SERIALIZING_ERROR);
    const int malformed = ZUV_DESERIALIZING_ERROR;
    QTest::newRow("ends while a byte is announced") << CoinPile{} << B{0x2B, 0x81} << malformed;
    QTest::newRow("one byte too many") << CoinPile{} << B{0x2B, 0x01, 0x00} << malformed;
    QTest::newRow("no count byte") << CoinPile{} << B{0x2B} << malformed;
    QTest::newRow("nothing") << CoinPile{} << B{} << malformed;
}

void TestStorage::compactBytes()
{
    QFETCH(CoinPile, pile);
    QFETCH(QList<quint8>, bytes);
    QFETCH(int, code);
    try {
        if (code != ZUV_DESERIALIZING_ERROR)
            QCOMPARE(pile.serialize(), bytes);
        QCOMPARE(deserialize(bytes), pile);
        QCOMPARE(code, 0);
    } catch (const LogicErr& e) {
        QCOMPARE(int(e.code()), code);
    }
}

void TestStorage::purseAndItsValue()
{
    Session session;
    session.observation.append(UserEvent{12, 3});
    session.insertCoins(4, 2, 3);
    session.insertCoins(CoinPile{7, 0, 1});
    QCOMPARE(session.sumOfCents(), 260u);
    QCOMPARE(session.purse.last(), (CoinPile{7, 0, 1}));
    session.emptyPurse();
    QCOMPARE(session.sumOfCents(), 0u);
    QCOMPARE(session.purse.size(), 0);
    QCOMPARE(session.observation.size(), 1);
    // Whole cents: 29 * 0.01 * 100 would truncate to 28 in doubles. The sum wraps modulo 2^32.
    session.insertCoins(0, 0, 29);
    QCOMPARE(session.sumOfCents(), 29u);
    session.insertCoins(7, 1, 4294967295u);
    QCOMPARE(session.sumOfCents(), 4294967125u);
    try {
        session.insertCoins(8, 0, 1);
        QFAIL("a coin without value was counted");
    } catch (const LogicErr& e) {
        QCOMPARE(e.code(), unsigned(ZUV_IMPLEMENTATION_CHAOS));
    }
    // From the count table: the purse is replaced by the table's nonzero cells, row by row.
    session.insertCoins(1, 2, 4);
    PurseArray counts(8, std::vector<unsigned int>(15, 0));
    counts[7][14] = 1;
    counts[0][14] = 9;
    session.SetPurseFromCounttableArray(counts);
    QCOMPARE(session.purse, (QList<CoinPile>{{0, 14, 9}, {7, 14, 1}}));
    QCOMPARE(session.sumOfCents(), 209u);
    session.SetPurseFromCounttableArray(PurseArray(8, std::vector<unsigned int>(15, 0)));
    QCOMPARE(session.purse.size(), 0);
    QCOMPARE(session.sumOfCents(), 0u);
}

void TestStorage::mergeCopiesAndEquality()
{
    // The purse counter is 16 bits wide; counters and invitations are replaced, not added.
    ClientStorage full = recordWithSessions(0, 65535, 3);
    const ClientStorage newer = recordWithSessions(0, 2, 4);
    full.MergeWithNewSessions(newer);
    QCOMPARE(full.NumFullPurses, quint16(1));
    QCOMPARE(full.Membernumber, 4u);
    QCOMPARE(full.TotalEvents, newer.TotalEvents);
    QVERIFY(full.InvitationList == newer.InvitationList);
    // Merging a record into itself holds its sessions twice.
    ClientStorage self = recordWithSessions(2, 1, 5);
    self.MergeWithNewSessions(self);
    QCOMPARE(self.Sessions.size(), 4);
    QCOMPARE(self.Sessions[2], self.Sessions[0]);
    QCOMPARE(self.NumFullPurses, quint16(2));
    // Assignment replaces everything, adding no sessions to the old ones.
    ClientStorage source = recordWithSessions(3, 4, 9);
    source.Version = 150;
    ClientStorage target = recordWithSessions(2, 7, 1);
    target = source;
    QVERIFY(target == source);
    // Equality looks at every field.
    ClientStorage base = recordWithSessions(2, 1, 3);
    base.Sessions[0].insertCoins(4, 5, 6);
    base.Sessions[0].observation.append(UserEvent{5, 9});
    const QList<std::function<void(ClientStorage&)>> changes = {
        [](ClientStorage& r) { r.Version = 106; },
        [](ClientStorage& r) { r.RecommenderMembernumbers.append(4); },
        [](ClientStorage& r) { r.GuessWhenArrivaldateMonth = 3; },
        [](ClientStorage& r) { r.FTPServer = "ftp"; },
        [](ClientStorage& r) { r.LastDataAnalysisRead = QDateTime(); },
        [](ClientStorage& r) { r.WindowPositionSize.size = QSize(1, 1); },
        [](ClientStorage& r) { r.TotalEvents[1] = 1; },
        [](ClientStorage& r) { r.Sessions[1].purse[0].count = 2; },
        [](ClientStorage& r) { std::swap(r.Sessions[0].purse[0], r.Sessions[0].purse[1]); },
        [](ClientStorage& r) { r.Sessions[0].observation[0].id = 10; },
        [](ClientStorage& r) { r.Sessions[0].entryDateTime = r.Sessions[0].entryDateTime.addMSecs(1); },
        [](ClientStorage& r) { r.Sessions[0].version = 108; },
        [](ClientStorage& r) { r.InvitationList[0].uploaded = true; },
    };
    for (int i = 0; i < changes.size(); ++i) {
        ClientStorage changed = base;
        changes[i](changed);
        QVERIFY2(changed != base, qPrintable(QString::number(i)));
    }
}

void TestStorage::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestStorage::fileRoundTrip()
{
    // Defaults replace whatever the record held: magic, versions, zeros up to the flags 0x0108 and
    // the Julian day of February 1st, 2002; the rest as checked here.
    ClientStorage record = recordWithSessions(2, 5, 77);
    record.RecommenderMembernumbers = {1, 2};
    record.setDefaultValues();
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(readAll(path()).left(41),
             QByteArray::fromHex("80a3a524006b006b") + QByteArray(27, '\0') + QByteArray::fromHex("010800256b53"));
    QVERIFY(!record.Message.isNull());
    QVERIFY(!record.NecessarySettingsOK());
    QCOMPARE_LT(int(record.FavouriteCoin), 120);
    QCOMPARE(record.LastUpload, FEB_FIRST);
    QCOMPARE(record.LastDataAnalysisRead, FEB_FIRST);
    QCOMPARE(record.NumFullPurses, quint16(0));
    QCOMPARE(record.RecommenderMembernumbers.size(), 0);
    QCOMPARE(record.Sessions.size(), 0);
    QCOMPARE(record.TotalEvents.size(), 0);
    QCOMPARE(record.InvitationList.size(), 0);
    for (const quint16 flags : {0x010C, 0x010C, 0x0108}) {
        record.setNecessarySettingsOK(flags == 0x010C);
        QCOMPARE(record.SettingsFlags, flags);
        QCOMPARE(record.NecessarySettingsOK(), flags == 0x010C);
    }

    // Between the two sessions the most piles a session can have, 2 to 6 bytes each, so that piles end
    // at every place of the reader's blocks: what follows is read from the right byte, file or memory.
    ClientStorage saved = richRecord();
    Session big(0, FEB_FIRST, 107);
    const quint32 counts[] = {1, 300, 20000, 3000000, 0xFFFFFFFFu, 127, 128};
    for (int i = 0; i < 65535; ++i)
        big.insertCoins(i % 8, (i / 8) % 15, counts[i % 7]);
    saved.Sessions.insert(1, big);
    QCOMPARE(saved.saveToDisk(path()), 0);
    QCOMPARE(saved.saveToDisk(path(QStringLiteral("fresh.zuv"))), 0);
    ClientStorage loaded;
    QCOMPARE(loaded.loadFromDisk(path()), 0);
    ClientStorage expected = saved;
    expected.Version = 107;
    for (Session& session : expected.Sessions)
        session.version = 107;
    QVERIFY(loaded == expected);
    QCOMPARE(loaded.Sessions[0].sumOfCents(), 60009u); // modulo 2^32
    QCOMPARE(loaded.Sessions[1].sumOfCents(), big.sumOfCents());
    ClientStorage fromMemory;
    QDataStream memory(fileBytes(saved).mid(6));
    memory >> fromMemory;
    QVERIFY(memory.atEnd());
    QVERIFY(fromMemory == expected);
    // Saving what was loaded writes the same bytes again.
    const QByteArray first = readAll(path());
    QCOMPARE(first, fileBytes(saved));
    // It holds e-mail addresses: only its owner may read it, even if an older file was readable by all.
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile::setPermissions(path(), ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QCOMPARE(loaded.saveToDisk(path()), 0);
    QCOMPARE(readAll(path()), first);
    QCOMPARE(QFile::permissions(path()) & 0x7077, ownerOnly); // leaving out the bits of the current user
    QCOMPARE(QFile::permissions(path(QStringLiteral("fresh.zuv"))) & 0x7077, ownerOnly);
}

void TestStorage::fileReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("thrown");       // as a FileErr, or returned
    QTest::addColumn<RecordCheck>("check"); // of a record read

    const QByteArray good = fileBytes(richRecord());
    const int session = good.indexOf(QByteArray::fromHex("0002006b00256b53")) + 2;
    QVERIFY(session > 2);
    const auto refused = [](const char* name, const QByteArray& bytes, unsigned code, bool thrown) {
        QTest::newRow(name) << bytes << int(code) << thrown << RecordCheck();
    };
    // The header answers with a code, a damaged record with a FileErr.
    refused("empty", QByteArray(), ZUV_BAD_FILE_FORMAT, false);
    refused("wrong magic", patched(good, 3, "25"), ZUV_BAD_FILE_FORMAT, false);
    refused("version cut short", good.left(5), ZUV_BAD_FILE_FORMAT, false);
    refused("file version 104", patched(good, 4, "0068"), ZUV_BAD_FILE_TOO_OLD, false);
    refused("file version 200", patched(good, 4, "00c8"), ZUV_BAD_FILE_TOO_NEW, false);
    refused("file version 65535", patched(good, 4, "ffff"), ZUV_BAD_FILE_TOO_NEW, false);
    refused("versions 199", patched(patched(good, 4, "00c7"), 6, "00c7"), 0, false);
    refused("record version 104", patched(good, 6, "0068"), ZUV_BAD_FILE_TOO_OLD, true);
    refused("record version 200", patched(good, 6, "00c8"), ZUV_BAD_FILE_TOO_NEW, true);
    refused("session version 104", patched(good, session, "0068"), ZUV_BAD_FILE_TOO_OLD, true);
    refused("session version 200", patched(good, session, "00c8"), ZUV_BAD_FILE_TOO_NEW, true);
    // A changed count of the last pile (1 coin of 10 cent); lengths and counts beyond the data's end.
    refused("pile count", patched(good, good.indexOf(QByteArray::fromHex("2b01"), session) + 1, "02"),
            ZUV_FILE_CORRUPT_FORMAT_SUM_DIFFERS, true);
    refused("cut in the last byte", good.chopped(1), ZUV_BAD_FILE_FORMAT, true);
    refused("Welcome of 2 GiB", patched(good, 12, "7fffffff"), ZUV_BAD_FILE_FORMAT, true);
    refused("4 billion recommenders", patched(good, 12 + 4 + 14, "fffffffe"), ZUV_BAD_FILE_FORMAT, true);
    refused("65535 sessions", patched(good, session - 2, "ffff"), ZUV_BAD_FILE_FORMAT, true);

    // Records of version 105 numbered the countries before one was inserted.
    const auto oldCountry = [](int version, quint8 country, quint16 flags, quint8 readCountry, quint16 readFlags) {
        ClientStorage record = defaultRecord();
        record.Country = country;
        record.SettingsFlags = flags;
        const char* hex = version == 105 ? "0069" : "006a";
        QTest::addRow("version %d, country %d, flags %x", version, country, flags)
            << patched(patched(fileBytes(record), 4, hex), 6, hex) << 0 << false
            << RecordCheck([=](auto& r) { return r.Country == readCountry && r.SettingsFlags == readFlags; });
    };
    oldCountry(105, 5, 0x0000, 5, 0x0300);
    oldCountry(105, 6, 0x0001, 7, 0x0301);
    oldCountry(105, 7, 0x0200, 7, 0x0200);
    oldCountry(106, 7, 0x0000, 7, 0x0000);

    // A record's only session, followed by no invitations unless cut short.
    const QByteArray noSessions = fileBytes(defaultRecord()).chopped(4);
    const auto withSession = [&](const QByteArray& session, const char* tail = "0000") {
        return noSessions + QByteArray::fromHex("0001") + session + QByteArray::fromHex(tail);
    };
    const auto sessionRead = [&](const char* name, const QByteArray& session, const QList<CoinPile>& purse) {
        const quint16 version = (quint8(session[0]) << 8) | quint8(session[1]);
        QTest::newRow(name) << withSession(session) << 0 << false << RecordCheck([=](auto& r) {
            return r.Sessions.size() == 1 && r.Sessions[0].version == version && r.Sessions[0].purse == purse;
        });
    };
    ClientStorage tenCents = defaultRecord();
    tenCents.Sessions = {Session(0, FEB_FIRST, 107)};
    tenCents.Sessions[0].insertCoins(3, 5, 1);
    const QByteArray ten = streamed(tenCents.Sessions[0]);
    QCOMPARE(withSession(ten), fileBytes(tenCents));
    sessionRead("session version 105", patched(ten, 0, "0069"), {{3, 5, 1}});
    sessionRead("session version 199", patched(ten, 0, "00c7"), {{3, 5, 1}});
    // Written as version 107, with its sum, events and piles; read, the sum is the piles'.
    QCOMPARE(streamed(Session(0, FEB_FIRST, 150)), QByteArray::fromHex("006b00256b53"
                                                                       "0000000000000000000000000000"));
    Session counted(0, FEB_FIRST.addMSecs(43200001), 150);
    counted.observation = {UserEvent{100, 7}, UserEvent{-1, 65535}};
    counted.insertCoins(3, 5, 1);
    counted.insertCoins(0, 0, 300);
    const QByteArray countedBytes = QByteArray::fromHex("006b00256b5302932e01000001360000000200000064"
                                                        "0007ffffffffffff00022b0100ac02");
    QCOMPARE(streamed(counted), countedBytes);
    counted.version = 107;
    QTest::newRow("counted session") << withSession(countedBytes) << 0 << false << RecordCheck([=](auto& r) {
        return r.Sessions == QList<Session>{counted} && r.Sessions[0].sumOfCents() == 310;
    });
    // Refused before anything is reserved for it.
    refused("impossible event count", withSession(patched(ten, 14, "7fffffff")), ZUV_BAD_FILE_FORMAT, true);
    // A pile whose count runs over thousands of continuation bytes (1 cent, the count wraps as it always
    // did), then three 2 Euro coins: read to its end like any other; cut short, refused.
    const QByteArray overlong = patched(ten.chopped(4) + QByteArray::fromHex("00020081") +
                                            QByteArray(9000, char(0x80)) + QByteArray::fromHex("003703"),
                                        10, "00000259");
    sessionRead("overlong pile", overlong, {{0, 0, 1}, {7, 6, 3}});
    for (const qsizetype cut : {qsizetype(100), qsizetype(5000), overlong.size() - 3, overlong.size() - 1})
        QTest::addRow("overlong pile cut to %d", int(cut))
            << withSession(overlong.left(cut), "") << int(ZUV_BAD_FILE_FORMAT) << true << RecordCheck();

    // A pile of no coins after another adds nothing: not to the value, nor does it clear the cell.
    QTest::newRow("pile of no coins") << withSession(ten.chopped(4) + QByteArray::fromHex("00022b012b00")) << 0 << false
                                      << RecordCheck([](auto& r) {
                                             return r.Sessions.first().sumOfCents() == 10 &&
                                                    r.Sessions.first().PurseToCounttableArray()[3][5] == 1;
                                         });
}

// Refused bytes leave the record as it was; what is read can be saved again.
void TestStorage::fileReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QFETCH(bool, thrown);
    QFETCH(RecordCheck, check);
    QVERIFY(writeAll(path(), bytes));
    ClientStorage record = defaultRecord();
    const ClientStorage before = record;
    try {
        QCOMPARE(record.loadFromDisk(path()), code);
        QVERIFY(!thrown || code == 0);
    } catch (const FileErr& e) {
        QVERIFY(thrown);
        QCOMPARE(int(e.code()), code);
    }
    if (code != 0) {
        QVERIFY(record == before);
        return;
    }
    QCOMPARE(record.Version, quint16((quint8(bytes[6]) << 8) | quint8(bytes[7])));
    QVERIFY(!check || check(record));
    QCOMPARE(record.saveToDisk(path()), 0);
}

void TestStorage::unreadableFileIsKeptAside()
{
    // A missing or good file is no damage. Returned or thrown, an unreadable file is kept under the
    // next free name before the first save over it; later saves just replace the file.
    const QByteArray garbage("this is no data file");
    const QByteArray truncated = fileBytes(richRecord()).left(30);
    ClientStorage record = defaultRecord();
    QCOMPARE(record.loadFromDisk(path()), int(ZUV_FILE_NOT_EXIST));
    QCOMPARE(record.saveToDisk(path()), 0);
    QCOMPARE(record.loadFromDisk(path()), 0);
    QCOMPARE(record.saveToDisk(path()), 0);
    for (const QByteArray& unreadable : {garbage, truncated}) {
        QVERIFY(writeAll(path(), unreadable));
        ClientStorage reread;
        try {
            QVERIFY(reread.loadFromDisk(path()) != 0);
        } catch (const FileErr&) {
        }
        QCOMPARE(record.saveToDisk(path()), 0);
        QCOMPARE(record.saveToDisk(path()), 0);
    }
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), garbage);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged.1"))), truncated);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 3);
}

void TestStorage::failedSavesKeepThePreviousFile()
{
    ClientStorage record = defaultRecord();
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.zuv")));
    QCOMPARE(record.saveToDisk(path(QStringLiteral("folder.zuv"))), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QCOMPARE(richRecord().saveToDisk(path()), 0);
    const QByteArray previous = readAll(path());
    QVERIFY_THROWS_EXCEPTION(LogicErr, brokenRecord().saveToDisk(path()));
    QCOMPARE(readAll(path()), previous);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zuvdata.zuv")});

    // Permissions do not bind the superuser: as root, the rest runs as nobody (real user too, for access()).
    const bool root = geteuid() == 0;
    const passwd* nobody = getpwnam("nobody");
    if (root && (!nobody || chown(QFile::encodeName(dir->path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                 chown(QFile::encodeName(path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                 setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0))
        QSKIP("file permissions do not bind the superuser, and the user nobody is not to be had");
    const auto backToRoot = qScopeGuard([root] {
        if (root && setresuid(0, 0, 0) != 0)
            qFatal("cannot become the superuser again");
    });
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    QCOMPARE(record.saveToDisk(path()), int(ZUV_FILE_WRITE_OPENING_ERROR));
    QCOMPARE(readAll(path()), previous);

    // A folder that takes no new file, around a writable file: it is written in place, and a record
    // that cannot be written still leaves the previous content as it was.
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QVERIFY_THROWS_EXCEPTION(LogicErr, brokenRecord().saveToDisk(path()));
    const QByteArray afterFailure = readAll(path());
    const int code = record.saveToDisk(path());
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(afterFailure, previous);
    QCOMPARE(code, 0);
    QCOMPARE(readAll(path()), fileBytes(record));

    // A file we may not read is no missing file: it is kept aside, not replaced.
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    QCOMPARE(record.loadFromDisk(path()), int(ZUV_FILE_NOT_EXIST));
    QCOMPARE(record.saveToDisk(path()), 0);
    QFile::setPermissions(path(QStringLiteral("zuvdata.zuv.damaged")), QFileDevice::ReadOwner);
    QCOMPARE(readAll(path(QStringLiteral("zuvdata.zuv.damaged"))), fileBytes(record));
}

// The stored-data viewer's tree and the text dump, of a record with one counted session.
void TestStorage::recordAsTreeAndText()
{
    Session counted(0, FEB_FIRST, 107);
    counted.insertCoins(5, 4, 3); // 50 cent of Germany
    counted.insertCoins(7, 2, 1); // 2 Euro of Finland
    counted.observation = {UserEvent{1234, 14}};
    ClientStorage record = defaultRecord();
    record.TotalEvents = {{0, 1}, {14, 3}};
    record.Sessions = {counted};

    Usage usage;
    QTreeWidgetItem root;
    CreateListViewItemChildrenOf(record, &root, usage);
    QCOMPARE(root.childCount(), 34);
    QCOMPARE(root.child(0)->text(0), QStringLiteral("Membernumber"));
    QCOMPARE(root.child(33)->text(0), QStringLiteral("InvitationList"));
    const QTreeWidgetItem* totals = childOf(&root, QStringLiteral("TotalEvents"));
    QVERIFY(totals);
    QCOMPARE(rows(totals), (QStringList{"Start=1", "Upload=3"}));
    const QTreeWidgetItem* sessions = childOf(&root, QStringLiteral("Sessions"));
    QVERIFY(sessions);
    QCOMPARE(rows(sessions), (QStringList{"Fri Feb 1 00:00:00 2002=3.5 euro / 1 events"}));
    const QTreeWidgetItem* piles = childOf(sessions->child(0), QStringLiteral("CoinPiles"));
    QVERIFY(piles);
    QCOMPARE(rows(piles), (QStringList{"50c Germany=3", "2e Finland=1"}));

    // Version, date, cents, the events, then the piles as (country, Euro)=count.
    QString printed;
    QTextStream stream(&printed);
    toStream(stream, record.Sessions);
    stream.flush();
    QCOMPARE(printed, QStringLiteral("1107Fri Feb 1 00:00:00 2002350at 12.34 seconds: (14) Upload\n2(5,0.5)=3(3,2)=1"));
}

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
