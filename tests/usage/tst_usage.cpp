// SPDX-License-Identifier: GPL-3.0-or-later
#include "usage/usage.h"

#include "common/constants.h"

#include <QTimer>
#include <QtTest>

using Counters = QMap<quint16, quint32>;
using Ids = QList<quint16>;

namespace {

Ids idsOf(const QList<UserEvent>& events)
{
    Ids ids;
    for (const UserEvent& event : events)
        ids.append(event.id);
    return ids;
}

} // namespace

class TestUsage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vocabulary_data();
    void vocabulary();
    void recording_data();
    void recording();
    void timeStamps();
};

void TestUsage::vocabulary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint16>("id");
    // First and last entries of every table, the grid (column first), a name at 404 and 412 (412 wins), outsiders.
    for (const QString& entry :
         QStringLiteral("Start=0 ProgramTerminatedBySysbarOrAltF4=31 ShowResultsHere=32 SettingsTabChangedTo0=200 "
                        "SettingsEndedWithUserWantsProgramTermination=247 ClientStarted=400 ClientClearView=423 "
                        "Invitations=600 InvitationsClosed=612 CellClicked(0,0)=1000 CellEdited(3,4)=2049 "
                        "CellEdited(4,3)=2063 CellFocussed(7,14)=3119 ClientServerDNSFound=412 unknown=65535 "
                        "CellClicked(8,0)=65535 CellClicked(0,15)=65535 ClientServerDNSNotFound=65535 start=65535")
             .split(QLatin1Char(' '))) {
        const QStringList nameAndId = entry.split(QLatin1Char('='));
        QTest::newRow(qPrintable(entry)) << nameAndId[0] << nameAndId[1].toUShort();
    }
}

void TestUsage::vocabulary()
{
    QFETCH(QString, name);
    QFETCH(quint16, id);
    const Usage usage;
    QCOMPARE(usage.idOf(name), id);
    if (id != UNKNOWN_EVENT_ID)
        QCOMPARE(usage.nameOf(id), name);
}

// Steps: "start" (with the row's stored totals), "on", "off", "restart", or an event name to record.
void TestUsage::recording_data()
{
    QTest::addColumn<Counters>("totals");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("recorded"); // per event name: + recorded under its own name, - not
    QTest::addColumn<Ids>("events");
    QTest::addColumn<Counters>("counters");
    QTest::addColumn<bool>("observing");

    QTest::newRow("start on top of the totals")
        << Counters{{0, 5}, {14, 2}} << QStringList{"start", "Upload", "CellEdited(3,4)", "ClientServerDNSFound"}
        << "+++" << Ids{0, 1, 14, 2049, 412} << Counters{{0, 6}, {1, 1}, {14, 3}, {2049, 1}, {412, 1}} << true;
    QTest::newRow("a new start replaces events and counters")
        << Counters{{14, 2}} << QStringList{"start", "Upload", "start"} << "+" << Ids{0, 1}
        << Counters{{0, 1}, {1, 1}, {14, 2}} << true;
    QTest::newRow("unknown names") << Counters{} << QStringList{"start", "NoSuchEvent", "", "unknown"} << "--+"
                                   << Ids{0, 1, 65535, 65535, 65535} << Counters{{0, 1}, {1, 1}, {65535, 3}} << true;
    QTest::newRow("switched off, only the switch is left")
        << Counters{{26, 4}} << QStringList{"start", "Upload", "on", "off", "Upload", "NoSuchEvent", "restart", "off"}
        << "+--" << Ids{26} << Counters{{0, 1}, {1, 1}, {14, 1}, {26, 5}} << false;
    QTest::newRow("switched on again") << Counters{} << QStringList{"start", "off", "on", "on", "Upload"} << "+"
                                       << Ids{26, 25, 14} << Counters{{0, 1}, {1, 1}, {26, 1}, {25, 1}, {14, 1}}
                                       << true;
}

void TestUsage::recording()
{
    QFETCH(Counters, totals);
    QFETCH(QStringList, steps);
    QFETCH(QString, recorded);
    Usage usage;
    QString answers;
    for (const QString& step : steps) {
        if (step == QLatin1String("start"))
            usage.startObservation(totals);
        else if (step == QLatin1String("on") || step == QLatin1String("off"))
            usage.toggleObservationAllowed(step == QLatin1String("on"));
        else if (step == QLatin1String("restart"))
            usage.restartTimer();
        else
            answers += usage.StoreEvent(step) ? QLatin1Char('+') : QLatin1Char('-');
    }
    QCOMPARE(answers, recorded);
    QTEST(idsOf(usage.events()), "events");
    QTEST(usage.counters(), "counters");
    QTEST(usage.observationAllowed(), "observing");
}

void TestUsage::timeStamps()
{
    // Hundredths of a second, truncated, low 16 bits only.
    for (const auto& [ms, stamp] : std::initializer_list<std::pair<qint64, qint32>>{
             {9, 0}, {12349, 1234}, {655359, 65535}, {655360, 0}, {700000, 4464}})
        QCOMPARE(eventTimeFromElapsed(ms), stamp);

    // The clock runs from the start and again from every restart, which is asked for long after.
    Usage usage;
    usage.startObservation({});
    QVERIFY(usage.findChild<QTimer*>()->isActive());
    QTest::qWait(60);
    usage.restartTimer();
    QCOMPARE(idsOf(usage.events()), (Ids{0, 1, 2, 1})); // stopped, started
    QVERIFY(usage.events().at(2).time >= 6);
    QVERIFY(usage.events().at(3).time < usage.events().at(2).time);
    QVERIFY(usage.findChild<QTimer*>()->isActive());
}

QTEST_MAIN(TestUsage)
#include "tst_usage.moc"
