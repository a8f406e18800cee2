#include "invitations/invitedperson.h"

#include <QtTest>

namespace {
QByteArray bytesOf(const InvitationList& list)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << list;
    return bytes;
}
} // namespace

class TestInvitedPerson : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void binaryForm();
    void readingAppendsUpTo65535Persons();
    void damagedListAppendsNothing();
    void textForm();
    void databaseTuples();
};

void TestInvitedPerson::binaryForm()
{
    const InvitationList list = {InvitedPerson{"a", "", 17, true}, InvitedPerson{"", "bc", 119, false}};
    QCOMPARE(bytesOf(list), QByteArray::fromHex("0002"
                                                "00000001ae"
                                                "00000000"
                                                "11"
                                                "01"
                                                "00000000"
                                                "00000002abac"
                                                "77"
                                                "00"));

    // Any non-zero byte means uploaded.
    QDataStream in(QByteArray::fromHex("0001"
                                       "00000000"
                                       "00000000"
                                       "05"
                                       "07"));
    InvitationList read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read, (InvitationList{InvitedPerson{"", "", 5, true}}));
}

void TestInvitedPerson::readingAppendsUpTo65535Persons()
{
    InvitationList many(65535, InvitedPerson{"n", "e", 1, false});
    many[1] = InvitedPerson{"B\xe9r", "x@y.z", 3, true};
    const QByteArray bytes = bytesOf(many);
    QCOMPARE(bytes.left(2), QByteArray::fromHex("ffff"));
    InvitationList list = {InvitedPerson{"old", "o@o.o", 1, true}};
    QDataStream in(bytes);
    in >> list;
    QCOMPARE(list.size(), 65536);
    QCOMPARE(list[0].name, std::string("old"));
    QCOMPARE(list.mid(1), many);
}

void TestInvitedPerson::damagedListAppendsNothing()
{
    const QByteArray whole = bytesOf({InvitedPerson{"Anna", "a.b", 17, false}, InvitedPerson{"C", "d", 2, true}});
    for (int length = 0; length < whole.size(); ++length) {
        InvitationList list = {InvitedPerson{"old", "", 0, false}};
        QDataStream in(whole.left(length));
        in >> list;
        QVERIFY(in.status() != QDataStream::Ok);
        QCOMPARE(list.size(), 1);
    }
    InvitationList list;
    QDataStream in(QByteArray::fromHex("ffff") + whole.mid(2));
    in >> list;
    QCOMPARE(in.status(), QDataStream::ReadPastEnd);
    QVERIFY(list.isEmpty());
}

void TestInvitedPerson::textForm()
{
    QString text;
    QTextStream out(&text);
    out << InvitationList{InvitedPerson{"Anna", "a.b", 17, false}, InvitedPerson{"J\xfcrg", "j@k", 119, true}};
    out.flush();
    QCOMPARE(text, QString::fromUtf8("2Annaa.b170J\u00fcrgj@k1191"));
}

void TestInvitedPerson::databaseTuples()
{
    int count = 9;
    const InvitationList one = {InvitedPerson{"Anna", "a.b", 17, false}};
    QCOMPARE(printTheNotYetUploadedIntoSQLTriple(one, ",5", count), QStringLiteral("('Anna','a.b',17,5)"));
    QCOMPARE(count, 1);

    const InvitationList mixed = {InvitedPerson{"Anna", "a.b", 17, false}, InvitedPerson{"Old", "o", 1, true},
                                  InvitedPerson{"Z\xe9", "z@z", 0, false}};
    QCOMPARE(printTheNotYetUploadedIntoSQLTriple(mixed, "", count),
             QString::fromUtf8("('Anna','a.b',17),('Z\u00e9','z@z',0)"));
    QCOMPARE(count, 2);

    InvitationList uploaded = mixed;
    setAllUploadedTrue(uploaded);
    QVERIFY(std::all_of(uploaded.cbegin(), uploaded.cend(), [](const InvitedPerson& p) { return p.uploaded; }));
    QCOMPARE(printTheNotYetUploadedIntoSQLTriple(uploaded, ",5", count), QString());
    QCOMPARE(count, 0);
    count = 4;
    QCOMPARE(printTheNotYetUploadedIntoSQLTriple(InvitationList(), ",5", count), QString());
    QCOMPARE(count, 0);
}

QTEST_GUILESS_MAIN(TestInvitedPerson)
#include "tst_invitedperson.moc"
