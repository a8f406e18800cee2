#include "usage/usage.h"

#include "common/constants.h"

#include <QTextStream>
#include <QTimer>
#include <QtTest>

class TestUsage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vocabularyIdentifiers();
    void freshObserverRecordsNothing();
    void startObservationCountsOnTopOfTotals();
    void storeEventKnownAndUnknownNames();
    void toggleObservation();
    void restartTimerRestartsTheClock();
    void timeStampArithmetic();
    void valueTuples();
    void printForms();
    void setDataToReplacesOnlyWhatIsGiven();
};

namespace {

QList<quint16> idsOf(const QList<UserEvent>& events)
{
    QList<quint16> ids;
    for (const UserEvent& event : events)
        ids.append(event.id);
    return ids;
}

} // namespace

void TestUsage::vocabularyIdentifiers()
{
    const Usage usage;
    QCOMPARE(usage.vocabularySize(), 479);

    QCOMPARE(usage.idOf(QStringLiteral("Start")), quint16(0));
    QCOMPARE(usage.idOf(QStringLiteral("SettingsTabChangedTo0")), quint16(200));
    QCOMPARE(usage.idOf(QStringLiteral("Invitations")), quint16(600));

    // The name that stands twice keeps its later identifier; both name it.
    QCOMPARE(usage.idOf(QStringLiteral("ClientServerDNSFound")), quint16(412));
    QCOMPARE(usage.nameOf(404), QStringLiteral("ClientServerDNSFound"));
    QCOMPARE(usage.nameOf(412), QStringLiteral("ClientServerDNSFound"));

    QCOMPARE(usage.idOf(QStringLiteral("unknown")), quint16(65535));
    QCOMPARE(usage.nameOf(65535), QStringLiteral("unknown"));

    // Grid cells: column (coin) first, then row (national side).
    QCOMPARE(usage.idOf(QStringLiteral("CellClicked(0,0)")), quint16(1000));
    QCOMPARE(usage.idOf(QStringLiteral("CellFocussed(7,14)")), quint16(3119));
    QCOMPARE(usage.idOf(QStringLiteral("CellEdited(3,4)")), quint16(2049));
    QCOMPARE(usage.idOf(QStringLiteral("CellEdited(4,3)")), quint16(2063));

    // Outside the vocabulary.
    QCOMPARE(usage.idOf(QStringLiteral("CellClicked(8,0)")), UNKNOWN_EVENT_ID);
    QCOMPARE(usage.idOf(QStringLiteral("ClientServerDNSNotFound")), UNKNOWN_EVENT_ID);
    QCOMPARE(usage.idOf(QStringLiteral("start")), UNKNOWN_EVENT_ID);
    QCOMPARE(usage.nameOf(33), QString());
    QCOMPARE(usage.nameOf(248), QString());
    QCOMPARE(usage.nameOf(3120), QString());

    // Every named identifier leads back to itself through its name, except the
    // one whose name is taken by a later identifier.
    int named = 0;
    for (int id = 0; id <= 65535; ++id) {
        const QString name = usage.nameOf(static_cast<quint16>(id));
        if (name.isEmpty())
            continue;
        ++named;
        if (id != 404)
            QVERIFY2(usage.idOf(name) == id, qPrintable(name));
    }
    QCOMPARE(named, 479);
}

void TestUsage::freshObserverRecordsNothing()
{
    Usage usage;
    QVERIFY(!usage.observationAllowed());
    QVERIFY(!usage.StoreEvent(QStringLiteral("Upload")));
    QVERIFY(usage.events().isEmpty());
    QVERIFY(usage.counters().isEmpty());
}

void TestUsage::startObservationCountsOnTopOfTotals()
{
    Usage usage;
    usage.startObservation({});
    QVERIFY(usage.observationAllowed());
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{0, 1}));
    QCOMPARE(usage.counters(), (QMap<quint16, quint32>{{0, 1}, {1, 1}}));

    // The restart of the clock is asked for once, long after the start.
    auto* restart = usage.findChild<QTimer*>();
    QVERIFY(restart);
    QVERIFY(restart->isActive() && restart->isSingleShot());

    // A new start replaces events and counters with the given totals.
    usage.StoreEvent(QStringLiteral("Upload"));
    usage.startObservation({{0, 5}, {14, 2}, {2049, 7}});
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{0, 1}));
    QCOMPARE(usage.counters(), (QMap<quint16, quint32>{{0, 6}, {1, 1}, {14, 2}, {2049, 7}}));
    QCOMPARE(usage.findChildren<QTimer*>().size(), 1);
}

void TestUsage::storeEventKnownAndUnknownNames()
{
    Usage usage;
    usage.startObservation({{14, 3}});

    QVERIFY(usage.StoreEvent(QStringLiteral("Upload")));
    QVERIFY(usage.StoreEvent(QStringLiteral("ClientServerDNSFound")));
    QVERIFY(usage.StoreEvent(QStringLiteral("CellEdited(3,4)")));
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{0, 1, 14, 412, 2049}));
    QCOMPARE(usage.counters().value(14), quint32(4));
    QCOMPARE(usage.counters().value(412), quint32(1));
    QCOMPARE(usage.counters().value(2049), quint32(1));

    QTest::ignoreMessage(QtDebugMsg, "ERROR Usage::StoreEvent : there is no event called ClientServerDNSNotFound");
    QVERIFY(!usage.StoreEvent(QStringLiteral("ClientServerDNSNotFound")));
    QTest::ignoreMessage(QtDebugMsg, "ERROR Usage::StoreEvent : there is no event called ");
    QVERIFY(!usage.StoreEvent(QString()));
    QCOMPARE(idsOf(usage.events()).mid(5), (QList<quint16>{65535, 65535}));
    QCOMPARE(usage.counters().value(65535), quint32(2));

    // The name "unknown" itself is part of the vocabulary.
    QVERIFY(usage.StoreEvent(QStringLiteral("unknown")));
    QCOMPARE(usage.counters().value(65535), quint32(3));
}

void TestUsage::toggleObservation()
{
    Usage usage;
    usage.startObservation({{26, 4}});
    usage.StoreEvent(QStringLiteral("Upload"));

    // Switching on while on changes nothing.
    usage.toggleObservationAllowed(true);
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{0, 1, 14}));

    usage.toggleObservationAllowed(false);
    QVERIFY(!usage.observationAllowed());
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{26}));
    QCOMPARE(usage.counters().value(26), quint32(5));
    QCOMPARE(usage.counters().value(14), quint32(1));

    // While off nothing is recorded, not even unknown names.
    QVERIFY(!usage.StoreEvent(QStringLiteral("Upload")));
    QVERIFY(!usage.StoreEvent(QStringLiteral("NoSuchEvent")));
    usage.restartTimer();
    usage.toggleObservationAllowed(false);
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{26}));
    QCOMPARE(usage.counters().value(14), quint32(1));
    QVERIFY(!usage.counters().contains(65535));
    QVERIFY(!usage.counters().contains(2));

    usage.toggleObservationAllowed(true);
    QVERIFY(usage.observationAllowed());
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{26, 25}));
    QCOMPARE(usage.counters().value(25), quint32(1));
    QVERIFY(usage.StoreEvent(QStringLiteral("Upload")));
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{26, 25, 14}));
}

void TestUsage::restartTimerRestartsTheClock()
{
    Usage usage;
    usage.startObservation({});
    QTest::qWait(60);
    usage.restartTimer();
    QCOMPARE(idsOf(usage.events()), (QList<quint16>{0, 1, 2, 1}));
    QCOMPARE(usage.counters(), (QMap<quint16, quint32>{{0, 1}, {1, 2}, {2, 1}}));
    // TimerRestart still reads the old clock, TimerStarted the new one.
    QVERIFY(usage.events().at(2).time >= 6);
    QVERIFY(usage.events().at(3).time < usage.events().at(2).time);
    QVERIFY(usage.findChild<QTimer*>()->isActive());
}

void TestUsage::timeStampArithmetic()
{
    QCOMPARE(eventTimeFromElapsed(0), 0);
    QCOMPARE(eventTimeFromElapsed(9), 0);
    QCOMPARE(eventTimeFromElapsed(10), 1);
    QCOMPARE(eventTimeFromElapsed(12349), 1234);
    QCOMPARE(eventTimeFromElapsed(655359), 65535);
    QCOMPARE(eventTimeFromElapsed(655360), 0);
    QCOMPARE(eventTimeFromElapsed(700000), 4464);
    QCOMPARE(eventTimeFromElapsed(qint64(OBSERVATION_CLOCK_RESTART_MS) - 1), 8500000 % 65536 - 1);
}

void TestUsage::valueTuples()
{
    const Usage usage;
    const QString text = usage.giveAllEventsAsTextTupels(QStringLiteral(",1,'de'"));
    QVERIFY(text.startsWith(QStringLiteral("(0,'Start',1,'de'),(1,'TimerStarted',1,'de'),(2,'TimerRestart',1,'de'),")));
    QVERIFY(text.endsWith(QStringLiteral("),(65535,'unknown',1,'de')")));
    QCOMPARE(text.count(QStringLiteral(",1,'de')")), 479);
    QCOMPARE(text.count(QStringLiteral("),(")), 478);
    QVERIFY(text.contains(
        QStringLiteral("(31,'ProgramTerminatedBySysbarOrAltF4',1,'de'),(32,'ShowResultsHere',1,'de'),(200,")));
    QVERIFY(text.contains(QStringLiteral("(412,'ClientServerDNSFound',1,'de'),(413,")));
    QVERIFY(text.contains(QStringLiteral("(1119,'CellClicked(7,14)',1,'de'),(2000,'CellEdited(0,0)',")));

    const QString plain = usage.giveAllEventsAsTextTupels(QString());
    QVERIFY(plain.endsWith(QStringLiteral("(3119,'CellFocussed(7,14)'),(65535,'unknown')")));
}

void TestUsage::printForms()
{
    Usage usage;
    QString out;
    QTextStream s(&out);

    const QList<std::pair<UserEvent, QString>> cases = {
        {UserEvent{150, 1}, QStringLiteral("at 1.5 seconds: (1) TimerStarted")},
        {UserEvent{1, 2049}, QStringLiteral("at 0.01 seconds: (2049) CellEdited(3,4)")},
        {UserEvent{65535, 65535}, QStringLiteral("at 655.35 seconds: (65535) unknown")},
        {UserEvent{1234, 999}, QStringLiteral("at 12.34 seconds: (999) ")},
    };
    for (const auto& [event, expected] : cases) {
        out.clear();
        usage.PrintEventTo(s, event);
        s.flush();
        QCOMPARE(out, expected);
    }

    // Sessions: one line per event in list order; nothing for no events.
    out.clear();
    usage.PrintSessionTo(s);
    s.flush();
    QCOMPARE(out, QString());
    usage.setDataTo(QList<UserEvent>{{1234, 14}, {5, 0}});
    usage.PrintSessionTo(s);
    s.flush();
    QCOMPARE(out, QStringLiteral("at 12.34 seconds: (14) Upload\nat 0.05 seconds: (0) Start\n"));

    // Totals: ascending identifiers.
    out.clear();
    usage.setDataTo(QMap<quint16, quint32>{{14, 3}, {0, 1}});
    usage.PrintTotalEventsTo(s);
    s.flush();
    QCOMPARE(out, QStringLiteral("Start:1\nUpload:3\n"));

    out.clear();
    usage.setDataTo(QMap<quint16, quint32>{{999, 2}, {65535, 4000000000u}});
    usage.PrintTotalEventsTo(s);
    s.flush();
    QCOMPARE(out, QStringLiteral(":2\nunknown:4000000000\n"));
}

void TestUsage::setDataToReplacesOnlyWhatIsGiven()
{
    Usage usage;
    const QList<UserEvent> events{{10, 3}, {20, 4}};
    const QMap<quint16, quint32> counters{{3, 1}, {4, 1}};

    usage.setDataTo(events, counters);
    QCOMPARE(usage.events(), events);
    QCOMPARE(usage.counters(), counters);

    usage.setDataTo(QMap<quint16, quint32>{{9, 9}});
    QCOMPARE(usage.events(), events);
    QCOMPARE(usage.counters(), (QMap<quint16, quint32>{{9, 9}}));

    usage.setDataTo(QList<UserEvent>{});
    QVERIFY(usage.events().isEmpty());
    QCOMPARE(usage.counters(), (QMap<quint16, quint32>{{9, 9}}));

    // A formatter never starts recording by being given data.
    QVERIFY(!usage.observationAllowed());
    QVERIFY(!usage.StoreEvent(QStringLiteral("Start")));
}

QTEST_GUILESS_MAIN(TestUsage)
#include "tst_usage.moc"
