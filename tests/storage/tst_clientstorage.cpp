#include "common/config.h"
#include "storage/clientstorage.h"

#include <QtTest>

namespace {
const QDateTime FEB_FIRST(QDate(2002, 2, 1), QTime(0, 0));

Session sessionWorth(unsigned cents)
{
    Session session(0, FEB_FIRST.addSecs(cents), 107);
    session.insertCoins(0, 1, cents);
    return session;
}

ClientStorage recordWithSessions(int count, quint16 fullPurses, quint32 member)
{
    ClientStorage record;
    record.setDefaultValues();
    record.Membernumber = member;
    record.NumFullPurses = fullPurses;
    for (int i = 0; i < count; ++i)
        record.Sessions.append(sessionWorth(member * 10 + unsigned(i) + 1));
    record.TotalEvents.insert(quint16(member), member);
    record.InvitationList.append(InvitedPerson{"friend", "f@x.org", quint8(member), false});
    return record;
}
} // namespace

class TestClientStorage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void mergeAndCopies();
    void equalityLooksAtEveryField();
    void valueSizeAndVersion();
};

// The fixed fields up to MemberSince are checked byte by byte in the data file test.
void TestClientStorage::defaults()
{
    ClientStorage record = recordWithSessions(2, 5, 77);
    record.RecommenderMembernumbers = {1, 2};
    record.setDefaultValues();

    const QDateTime feb(QDate(2002, 2, 1), QTime(0, 0, 0, 0));
    QVERIFY(!record.RecommenderName.isNull() && !record.PostalCode.isNull() && !record.Message.isNull());
    QVERIFY(!record.NecessarySettingsOK());
    QVERIFY(record.LastUpload == feb && record.LastDataAnalysisRead == feb);
    QVERIFY(record.FavouriteCoin < 120);
    QCOMPARE(record.ServerAddress, std::string(ZUV_DEFAULT_SERVER_HOST));
    QCOMPARE(record.FTPServer, std::string(ZUV_DEFAULT_FTP_HOST));
    QCOMPARE(record.ServerPort, quint16(4554));
    QCOMPARE(record.NumFullPurses, quint16(0));
    QVERIFY(record.RecommenderMembernumbers.isEmpty() && record.Sessions.isEmpty() && record.TotalEvents.isEmpty() &&
            record.InvitationList.isEmpty());

    for (int twice = 0; twice < 2; ++twice) {
        record.setNecessarySettingsOK(true);
        QCOMPARE(record.SettingsFlags, quint16(0x010C));
        QVERIFY(record.NecessarySettingsOK());
    }
    record.setNecessarySettingsOK(false);
    QCOMPARE(record.SettingsFlags, quint16(0x0108));
}

void TestClientStorage::mergeAndCopies()
{
    ClientStorage older = recordWithSessions(3, 2, 1);
    const ClientStorage newer = recordWithSessions(2, 1, 2);
    const QList<Session> olderSessions = older.Sessions;
    older.MergeWithNewSessions(newer);

    QCOMPARE(older.Sessions.size(), 5);
    QCOMPARE(older.Sessions.mid(0, 3), olderSessions);
    QCOMPARE(older.Sessions.mid(3), newer.Sessions);
    QCOMPARE(older.NumFullPurses, quint16(3));
    QCOMPARE(older.Membernumber, 2u);
    QCOMPARE(older.TotalEvents, newer.TotalEvents); // replaced, not added
    QCOMPARE(older.InvitationList, newer.InvitationList);

    // The purse counter is 16 bits wide.
    ClientStorage full = recordWithSessions(0, 65535, 3);
    full.MergeWithNewSessions(recordWithSessions(0, 2, 4));
    QCOMPARE(full.NumFullPurses, quint16(1));

    // Merging a record into itself holds its sessions twice.
    ClientStorage self = recordWithSessions(2, 1, 5);
    self.MergeWithNewSessions(self);
    QCOMPARE(self.Sessions.size(), 4);
    QCOMPARE(self.Sessions[2], self.Sessions[0]);
    QCOMPARE(self.NumFullPurses, quint16(2));

    // Copies are equal; assignment replaces everything, adding no sessions to the old ones.
    ClientStorage source = recordWithSessions(3, 4, 9);
    source.Version = 150;
    QVERIFY(ClientStorage(source) == source);
    ClientStorage target = recordWithSessions(2, 7, 1);
    target = source;
    QVERIFY(target == source);
    ClientStorage& alias = target;
    target = alias;
    QVERIFY(target == source);
}

void TestClientStorage::equalityLooksAtEveryField()
{
    const ClientStorage base = recordWithSessions(2, 1, 3);
    QList<std::function<void(ClientStorage&)>> changes = {
        [](ClientStorage& r) { r.Version = 106; },
        [](ClientStorage& r) { r.RecommenderMembernumbers.append(4); },
        [](ClientStorage& r) { r.GuessWhenArrivaldateMonth = 3; },
        [](ClientStorage& r) { r.FTPServer = "ftp"; },
        [](ClientStorage& r) { r.LastDataAnalysisRead = QDateTime(); },
        [](ClientStorage& r) { r.WindowPositionSize.size = QSize(1, 1); },
        [](ClientStorage& r) { r.TotalEvents[1] = 1; },
        [](ClientStorage& r) { r.Sessions[1].purse[0].count = 2; },
        [](ClientStorage& r) { r.InvitationList[0].uploaded = true; },
    };
    for (int i = 0; i < changes.size(); ++i) {
        ClientStorage changed = base;
        changes[i](changed);
        QVERIFY2(changed != base, qPrintable(QString::number(i)));
    }
}

void TestClientStorage::valueSizeAndVersion()
{
    ClientStorage record;
    QCOMPARE(record.totalSumOfCents(), 0u);
    Session first(0, FEB_FIRST, 107);
    first.insertCoins(4, 2, 3);
    Session second(0, FEB_FIRST, 107);
    second.insertCoins(6, 5, 2);
    second.insertCoins(0, 14, 9);
    record.Sessions = {first, second, Session(4294967295u - 100, FEB_FIRST, 107)};
    QCOMPARE(record.totalSumOfCents(), 168u); // 269 cents, modulo 2^32

    record.setDefaultValues();
    // Fixed fields of a defaulted record, plus the two host names.
    const quint32 fixed = 113;
    QCOMPARE(sizeOf(record), fixed + quint32(record.ServerAddress.size() + record.FTPServer.size()));

    record.Version = 150;
    record.Sessions.append(Session(0, FEB_FIRST, 150));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << record;
    QCOMPARE(quint32(bytes.size()), sizeOf(record));
    QCOMPARE(bytes.left(2), QByteArray::fromHex("006b"));
    QCOMPARE(record.Version, quint16(150));
    QCOMPARE(record.Sessions[0].version, quint16(150));
}

QTEST_GUILESS_MAIN(TestClientStorage)
#include "tst_clientstorage.moc"
