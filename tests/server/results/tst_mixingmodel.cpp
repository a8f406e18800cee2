// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/common/serverprocess.h"

#include "common/constants.h"
#include "net/serveranswer.h"
#include "server/results/mixingmodel.h"
#include "storage/clientstorage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

// Synthetic projects drawn from a known model: members count very different
// amounts (purses per member log-normal, 1 to hundreds), and the coins of one
// purse share a local mix drawn around f(t).
struct Project
{
    int members = 40;
    double startYears = 0; // the first month counted, in years after 2002-01-01
    int months = 48;
    double a = 0.6;
    double b = 0.3;
};

// The median width of the fitted countries' intervals of b.
static double medianWidth(const std::map<int, QJsonObject>& fits)
{
    std::vector<double> widths;
    for (const auto& entry : fits)
        if (entry.second["fitted"].toBool())
            widths.push_back(entry.second["b"]["high"].toDouble() - entry.second["b"]["low"].toDouble());
    std::nth_element(widths.begin(), widths.begin() + widths.size() / 2, widths.end());
    return widths.empty() ? 0 : widths[widths.size() / 2];
}

// One simulated purse: its month (after 2002-01) and coins.
struct Purse
{
    int month = 0;
    int coins = 0;
    int foreign = 0;
};

static std::vector<std::vector<Purse>> simulatePurses(const Project& project, std::mt19937_64& random)
{
    std::lognormal_distribution<double> pursesOf(std::log(10.0), 1.0);
    std::uniform_int_distribution<int> monthOf(0, project.months - 1), coinsOf(20, 60);
    const int firstMonth = int(std::lround(project.startYears * 12));
    std::vector<std::vector<Purse>> members(project.members);
    for (std::vector<Purse>& member : members) {
        const int purses = std::clamp(int(pursesOf(random)), 1, 500);
        for (int i = 0; i < purses; ++i) {
            const int month = firstMonth + monthOf(random);
            // A purse's share: Beta with mean f(t), drawn from two gammas.
            const double f = project.a * (1 - std::exp(-project.b * (month + 0.5) / 12));
            std::gamma_distribution<double> foreignPart(20 * f), ownPart(20 * (1 - f));
            const double x = foreignPart(random), y = ownPart(random);
            const int coins = coinsOf(random);
            std::binomial_distribution<int> foreignOf(coins, x + y > 0 ? x / (x + y) : f);
            member.push_back({month, coins, foreignOf(random)});
        }
    }
    return members;
}

static std::vector<MemberCountings> simulate(const Project& project, std::mt19937_64& random)
{
    std::vector<MemberCountings> members;
    for (const std::vector<Purse>& purses : simulatePurses(project, random)) {
        std::map<int, MonthCount> byMonth;
        for (const Purse& purse : purses) {
            MonthCount& count = byMonth[purse.month];
            count.years = (purse.month + 0.5) / 12;
            count.coins += purse.coins;
            count.foreign += purse.foreign;
            count.purses += 1;
        }
        members.emplace_back();
        for (const auto& entry : byMonth)
            members.back().months.push_back(entry.second);
    }
    return members;
}

// A member of `country` who counted `purses`: the foreign coins carry the next country's national side.
static ClientStorage participant(int country, const std::vector<Purse>& purses)
{
    static int participants = 0; // each counts at times of his own
    ++participants;
    ClientStorage storage;
    storage.setDefaultValues();
    storage.Country = quint8(country);
    for (std::size_t i = 0; i < purses.size(); ++i) {
        Session session;
        session.entryDateTime = QDateTime(QDate(2002, 1, 1).addMonths(purses[i].month).addDays(int(i % 28)),
                                          QTime(0, 0).addMSecs(participants * 1000 + int(i)));
        if (purses[i].foreign > 0)
            session.insertCoins(0, country % NUM_NATIONAL_SIDES, unsigned(purses[i].foreign));
        if (purses[i].coins > purses[i].foreign)
            session.insertCoins(0, country - 1, unsigned(purses[i].coins - purses[i].foreign));
        storage.Sessions.append(session);
    }
    return storage;
}

class TestMixingModel : public QObject
{
    Q_OBJECT
private slots:
    void publishedIntervalsHoldTheTrueSpeed();
    void saysWhatIsMissing_data();
    void saysWhatIsMissing();
    void boundaryDataGivesNumbers_data();
    void boundaryDataGivesNumbers();
};

// Seven projects of fifteen member countries, each with its own a and b and four to six years of countings, uploaded
// to the real server and published: the published interval holds the true speed in at least 85% of the 104
// countries with enough members. In the first, a country of ten members says so, a member who sends his sessions
// again with one more changes no published model, and forty more members in each country narrow the intervals.
void TestMixingModel::publishedIntervalsHoldTheTrueSpeed()
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> aOf(0.3, 0.8), bOf(0.2, 0.45);
    std::uniform_int_distribution<int> monthsOf(48, 72);
    QTemporaryDir folder;
    int fitted = 0, held = 0;
    for (int run = 0; run < 7; ++run) {
        QString whyNot;
        ServerProcess server;
        QVERIFY(server.start(freshDatabase(folder.path(), QStringLiteral("run%1").arg(run), whyNot, QString())));
        std::map<int, Project> projects;
        const auto upload = [&](int country, int members) {
            Project& project = projects[country];
            project.members = members;
            for (const std::vector<Purse>& purses : simulatePurses(project, random))
                QVERIFY(uploaded(server.port(), participant(country, purses)) != 0);
        };
        // The JSON as the server hands it out.
        const QSqlDatabase db = openReadOnly(server.databaseLocation(), QStringLiteral("run%1").arg(run));
        const auto body = [&db] {
            QSqlQuery json(db);
            json.exec(QStringLiteral("SELECT body FROM published_documents WHERE name = 'json'"));
            json.next();
            return json.value(0).toByteArray();
        };
        const auto published = [&body] {
            const QJsonObject model = QJsonDocument::fromJson(body()).object()["model"].toObject();
            std::map<int, QJsonObject> fits;
            for (const QJsonValue country : model["countries"].toArray())
                fits[country["country"].toInt()] = country["all"].toObject();
            return fits;
        };
        for (int country = 1; country <= NUM_NATIONAL_SIDES; ++country) {
            projects[country] = Project{60, 0, monthsOf(random), aOf(random), bOf(random)};
            upload(country, run == 0 && country == NUM_NATIONAL_SIDES ? 10 : 60);
        }
        // Once, the share of foreign coins once mixed comes from the coins produced, for Germany (5).
        QFile shares(folder.filePath(QStringLiteral("shares.csv")));
        QVERIFY(shares.open(QIODevice::WriteOnly));
        shares.write("# source: the test\n# date: 2024-12\ncountry,coin_value,share\nGermany,all," +
                     QByteArray::number(1 - projects[5].a, 'g', 17) + '\n');
        shares.close();
        QVERIFY(server.publish(run == 1 ? QStringList{QStringLiteral("--production-shares"), shares.fileName()}
                                        : QStringList()));
        const std::map<int, QJsonObject> fits = published();
        // The program reads every fit as published: written again, the same bytes.
        const std::optional<zuv::ProjectResults> read = zuv::ProjectResults::fromJson(body());
        QVERIFY(read);
        QCOMPARE(read->toJson(), body());
        QCOMPARE(read->modelIn(5)->all.aFixed, run == 1);
        if (run == 1)
            QCOMPARE(read->modelIn(5)->all.a.value, projects[5].a);
        for (const auto& [country, fit] : fits) {
            fitted += fit["fitted"].toBool();
            held +=
                fit["b"]["low"].toDouble() <= projects[country].b && projects[country].b <= fit["b"]["high"].toDouble();
        }
        if (run > 0)
            continue;
        QCOMPARE(fits.at(NUM_NATIONAL_SIDES)["missing"].toString(), QStringLiteral("fewer than 20 members (10)"));

        const std::vector<Purse> purses = simulatePurses(projects[1], random).front();
        unsigned refusal = 0;
        ClientStorage member = participant(1, purses);
        const ServerAnswer joined = answerTo(server.port(), member, refusal);
        member.Membernumber = joined.memberNumber;
        member.MemberSince = joined.memberSince;
        member.Sessions.append(participant(1, {{30, 40, 10}}).Sessions);
        QVERIFY(uploaded(server.port(), member) != 0);
        QVERIFY(server.publish());
        QCOMPARE(published(), fits);
        qint64 coins = 40; // each counted once, the new purse's too
        for (const Purse& purse : purses)
            coins += purse.coins;
        QCOMPARE(memberCoins(db, joined.memberNumber), coins);

        for (int country = 1; country <= NUM_NATIONAL_SIDES; ++country)
            upload(country, 40);
        QVERIFY(server.publish());
        const double before = medianWidth(fits);
        const double after = medianWidth(published());
        QVERIFY2(after < 0.9 * before, qPrintable(QStringLiteral("%1 after, %2 before").arg(after).arg(before)));
    }
    const int projects = 7 * NUM_NATIONAL_SIDES - 1;
    qDebug("%d of %d fitted, %d hold b", fitted, projects, held);
    QVERIFY2(held >= 0.85 * projects, qPrintable(QString::number(held)));
}

void TestMixingModel::saysWhatIsMissing_data()
{
    QTest::addColumn<int>("members");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("missing");
    QTest::newRow("few members") << 10 << 48 << 0.3 << "fewer than 20 members (10)";
    QTest::newRow("half a year") << 40 << 6 << 0.3 << "less than a year of countings (5 months)";
    QTest::newRow("slow mixing") << 20 << 14 << 0.01
                                 << "the countings do not yet tell the speed of mixing (the forecast's interval "
                                    "is wider than its time)";
}

void TestMixingModel::saysWhatIsMissing()
{
    QFETCH(int, members);
    QFETCH(int, months);
    QFETCH(double, b);
    QFETCH(QString, missing);
    std::mt19937_64 random(3);
    const auto countings = simulate({members, 0, months, 0.6, b}, random);
    std::set<double> counted;
    qint64 purses = 0;
    for (const MemberCountings& member : countings)
        for (const MonthCount& month : member.months) {
            purses += month.purses;
            counted.insert(month.years);
        }
    const zuv::MixingFit fit = MixingModel::fit(countings);
    QCOMPARE(fit.fitted, false);
    QCOMPARE(fit.missing, missing);
    QCOMPARE(fit.members, members);
    QCOMPARE(fit.purses, purses);
    QCOMPARE(fit.months, int(counted.size()));
}

void TestMixingModel::boundaryDataGivesNumbers_data()
{
    QTest::addColumn<double>("foreignShare");
    QTest::addColumn<bool>("everyMonth"); // else only the first and the last of two years
    QTest::addColumn<int>("coins");
    QTest::addColumn<int>("members");
    QTest::newRow("all foreign") << 1.0 << true << 30 << 25;
    QTest::newRow("none foreign") << 0.0 << true << 30 << 25;
    QTest::newRow("two months") << 0.3 << false << 30 << 25;
    QTest::newRow("no coins") << 0.0 << true << 0 << 0;
}

// Degenerate countings are fitted to finite numbers, the same ones twice.
void TestMixingModel::boundaryDataGivesNumbers()
{
    QFETCH(double, foreignShare);
    QFETCH(bool, everyMonth);
    QFETCH(int, coins);
    QFETCH(int, members);
    std::vector<MemberCountings> countings(25);
    for (MemberCountings& member : countings)
        for (int month = 0; month < 24; month += everyMonth ? 1 : 23)
            member.months.push_back({(month + 0.5) / 12, coins, qint64(foreignShare * coins), 1});
    for (const std::optional<double> fixedA : {std::optional<double>(), std::optional<double>(0.5)}) {
        const zuv::MixingFit fit = MixingModel::fit(countings, fixedA, 5, 50);
        QCOMPARE(fit.members, members);
        for (const zuv::Estimate& e : {fit.a, fit.b, fit.halfTimeYears, fit.mixedYears})
            for (const double x : {e.value, e.low, e.high})
                QVERIFY(std::isfinite(x));
        QCOMPARE(fit.mixedYears.high, MixingModel::fit(countings, fixedA, 5, 50).mixedYears.high);
    }
}

QTEST_GUILESS_MAIN(TestMixingModel)
#include "tst_mixingmodel.moc"
