#include "server/mixingmodel.h"

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

static std::vector<MemberCountings> simulate(const Project& project, std::mt19937_64& random)
{
    std::lognormal_distribution<double> pursesOf(std::log(10.0), 1.0);
    std::uniform_int_distribution<int> monthOf(0, project.months - 1), coinsOf(20, 60);
    const int firstMonth = int(std::lround(project.startYears * 12));
    std::vector<MemberCountings> members(project.members);
    for (MemberCountings& member : members) {
        std::map<int, MonthCount> byMonth;
        const int purses = std::clamp(int(pursesOf(random)), 1, 500);
        for (int i = 0; i < purses; ++i) {
            const int month = firstMonth + monthOf(random);
            const double years = (month + 0.5) / 12;
            // A purse's share: Beta with mean f(t), drawn from two gammas.
            const double f = project.a * (1 - std::exp(-project.b * years));
            std::gamma_distribution<double> foreignPart(20 * f), ownPart(20 * (1 - f));
            const double x = foreignPart(random), y = ownPart(random);
            const int coins = coinsOf(random);
            std::binomial_distribution<int> foreignOf(coins, x + y > 0 ? x / (x + y) : f);
            MonthCount& count = byMonth[month];
            count.years = years;
            count.coins += coins;
            count.foreign += foreignOf(random);
            count.purses += 1;
        }
        for (const auto& entry : byMonth)
            member.months.push_back(entry.second);
    }
    return members;
}

class TestMixingModel : public QObject
{
    Q_OBJECT
private slots:
    void intervalHoldsTheTrueSpeed();
    void intervalNarrowsWithMoreMembers();
    void saysWhatIsMissing_data();
    void saysWhatIsMissing();
    void boundaryDataGivesNumbers_data();
    void boundaryDataGivesNumbers();
};

void TestMixingModel::intervalHoldsTheTrueSpeed()
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> monthsOf(36, 72);
    int fitted = 0, held = 0, halfForeign = 0, heldWithA = 0;
    for (int i = 0; i < 100; ++i) {
        Project project;
        project.months = monthsOf(random);
        const auto members = simulate(project, random);
        const MixingFit fit = MixingModel::fit(members, std::nullopt, i);
        fitted += fit.fitted;
        held += fit.fitted && fit.b.low <= project.b && project.b <= fit.b.high;
        halfForeign += fit.halfForeignYears.has_value();
        if (fit.halfForeignYears) // only when nearly every draw has a time
            QVERIFY(std::isfinite(fit.halfForeignYears->high));
        if (i < 20) { // a taken from the coins produced
            const MixingFit withA = MixingModel::fit(members, project.a, i);
            QCOMPARE(withA.a.value, project.a);
            heldWithA += withA.fitted && withA.b.low <= project.b && project.b <= withA.b.high;
        }
    }
    qDebug("%d of 100 fitted, %d hold b, %d give the half-foreign time; a fixed: %d of 20 hold b", fitted, held,
           halfForeign, heldWithA);
    QVERIFY2(held >= 85, qPrintable(QString::number(held)));
    QVERIFY2(heldWithA >= 17, qPrintable(QString::number(heldWithA)));
    QVERIFY2(halfForeign >= 50, qPrintable(QString::number(halfForeign)));
}

void TestMixingModel::intervalNarrowsWithMoreMembers()
{
    std::mt19937_64 random(11);
    const auto medianWidth = [&](int members) {
        std::vector<double> widths;
        for (int i = 0; i < 15; ++i) {
            const MixingFit fit = MixingModel::fit(simulate({members}, random));
            widths.push_back(fit.b.high - fit.b.low);
        }
        std::nth_element(widths.begin(), widths.begin() + 7, widths.end());
        return widths[7];
    };
    const double few = medianWidth(20), many = medianWidth(80);
    QVERIFY2(many < 0.75 * few, qPrintable(QStringLiteral("%1 vs %2").arg(many).arg(few)));
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
    const MixingFit fit = MixingModel::fit(countings);
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
        const MixingFit fit = MixingModel::fit(countings, fixedA, 5, 50);
        QCOMPARE(fit.members, members);
        for (const Estimate& e : {fit.a, fit.b, fit.halfTimeYears, fit.mixedYears})
            for (const double x : {e.value, e.low, e.high})
                QVERIFY(std::isfinite(x));
        QCOMPARE(fit.mixedYears.high, MixingModel::fit(countings, fixedA, 5, 50).mixedYears.high);
    }
}

QTEST_GUILESS_MAIN(TestMixingModel)
#include "tst_mixingmodel.moc"
