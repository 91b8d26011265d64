// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Dividers.h"
#include "ESeries.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

using namespace ohmilka;
using namespace ohmilka::code;

Q_DECLARE_METATYPE(DividerAim)

namespace {
std::vector<Decimal> seriesFrom1Ohm(int size, int decades)
{
    std::vector<Decimal> values;
    for (int decade = 0; decade < decades; ++decade)
        for (int member : seriesDecade(size))
            values.push_back(normalised({member, decade - 2}));
    return values;
}

// A value in hundredths of an ohm, as every test value is a whole number of them.
std::int64_t hundredths(Decimal value)
{
    return std::llround(approximate(value) * 100);
}

// The ratio of bottom to top in lowest terms: one key for a pair and its copies.
std::pair<std::int64_t, std::int64_t> ratioKey(Decimal top, Decimal bottom)
{
    const std::int64_t t = hundredths(top), b = hundredths(bottom), divisor = std::gcd(t, b);
    return {b / divisor, t / divisor};
}

// The errors of every ratio of a pair within the bounds, least first, by brute force.
std::vector<double> everyError(const std::vector<Decimal> &values, const DividerGoal &goal)
{
    const double asked = approximate(goal.numerator) / approximate(goal.denominator);
    std::map<std::pair<std::int64_t, std::int64_t>, double> errorOfRatio;
    for (Decimal top : values)
        for (Decimal bottom : values) {
            const double t = approximate(top), b = approximate(bottom);
            if ((goal.leastTotal && t + b < approximate(*goal.leastTotal) * (1 - 1e-12)) ||
                (goal.mostTotal && t + b > approximate(*goal.mostTotal) * (1 + 1e-12)))
                continue;
            const double ratio = b / (t + b);
            errorOfRatio[ratioKey(top, bottom)] =
                std::fabs(goal.aim == DividerAim::Ratio ? ratio / asked - 1 : asked / ratio - 1);
        }
    std::vector<double> errors;
    for (const auto &[ratio, error] : errorOfRatio)
        errors.push_back(error);
    std::sort(errors.begin(), errors.end());
    return errors;
}
} // namespace

class DividersTest : public QObject
{
    Q_OBJECT

private slots:
    void nearestDividersAreTheBestPairs_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<qlonglong>("numerator");
        QTest::addColumn<int>("numeratorExponent");
        QTest::addColumn<qlonglong>("denominator");
        QTest::addColumn<DividerAim>("aim");
        QTest::addColumn<int>("leastTotal"); // Ω; 0 for none
        QTest::addColumn<int>("mostTotal");
        QTest::newRow("ratio 0.3, E12") << 12 << 3LL << -1 << 1LL << DividerAim::Ratio << 0 << 0;
        QTest::newRow("5 V to 3.3 V, E24")
            << 24 << 33LL << -1 << 5LL << DividerAim::Ratio << 0 << 0;
        QTest::newRow("regulator 0.8 V to 3.3 V, E48, total 1k..10k")
            << 48 << 8LL << -1 << 33LL /* ×10^-1 */ << DividerAim::Feedback << 1000 << 10000;
        QTest::newRow("regulator 1.25 V to 5 V, E96")
            << 96 << 125LL << -2 << 5LL << DividerAim::Feedback << 0 << 0;
        QTest::newRow("ratio 0.123, E6, a narrow total")
            << 6 << 123LL << -3 << 1LL << DividerAim::Ratio << 100 << 150;
    }
    void nearestDividersAreTheBestPairs()
    {
        QFETCH(int, series);
        QFETCH(qlonglong, numerator);
        QFETCH(int, numeratorExponent);
        QFETCH(qlonglong, denominator);
        QFETCH(DividerAim, aim);
        QFETCH(int, leastTotal);
        QFETCH(int, mostTotal);
        const std::vector<Decimal> values = seriesFrom1Ohm(series, 4);
        DividerGoal goal{{numerator, numeratorExponent},
                         {denominator, aim == DividerAim::Feedback ? -1 : 0},
                         aim,
                         {},
                         {}};
        if (leastTotal > 0) {
            goal.leastTotal = Decimal{leastTotal, 0};
            goal.mostTotal = Decimal{mostTotal, 0};
        }
        const std::vector<double> errors = everyError(values, goal);
        const std::vector<Divider> found = nearestDividers(values, goal, 8);
        QCOMPARE(found.size(), std::min<std::size_t>(8, errors.size()));
        std::set<std::pair<std::int64_t, std::int64_t>> ratios;
        for (std::size_t i = 0; i < found.size(); ++i) {
            const Divider &divider = found[i];
            QVERIFY(ratios.insert(ratioKey(divider.top, divider.bottom)).second);
            QVERIFY2(
                std::fabs(std::fabs(divider.error) - errors[i]) <= 1e-12,
                qPrintable(QString("#%1: %2, best %3").arg(i).arg(divider.error).arg(errors[i])));
            const double t = approximate(divider.top), b = approximate(divider.bottom);
            QVERIFY(std::fabs(divider.ratio - b / (t + b)) <= 1e-15);
            if (goal.leastTotal)
                QVERIFY(t + b >= leastTotal && t + b <= mostTotal);
        }
    }

    void totalBoundsAreIncluded_data()
    {
        QTest::addColumn<int>("leastTotal");
        QTest::addColumn<int>("mostTotal");
        QTest::addColumn<double>("total");
        // 3 kΩ over 1 kΩ is 4 kΩ, on the lower bound; 6 kΩ over 2 kΩ is 8 kΩ, on the upper.
        QTest::newRow("the lower bound") << 4000 << 5000 << 4000.0;
        QTest::newRow("the upper bound") << 7000 << 8000 << 8000.0;
    }
    void totalBoundsAreIncluded()
    {
        QFETCH(int, leastTotal);
        QFETCH(int, mostTotal);
        QFETCH(double, total);
        const std::vector<Decimal> values{{1, 3}, {2, 3}, {3, 3}, {6, 3}};
        const DividerGoal goal{
            {1, 0}, {4, 0}, DividerAim::Ratio, Decimal{leastTotal, 0}, Decimal{mostTotal, 0}};
        const std::vector<Divider> found = nearestDividers(values, goal, 1);
        QCOMPARE(found.size(), std::size_t{1});
        QCOMPARE(approximate(found[0].top) + approximate(found[0].bottom), total);
        QCOMPARE(found[0].error, 0.0);
    }

    void copiesOfARatioStandOnceAtTheMiddleTotal_data()
    {
        QTest::addColumn<int>("leastTotal"); // Ω; 0 for none
        QTest::addColumn<int>("mostTotal");
        QTest::addColumn<double>("top");
        // 1k over 2k, and its copies a decade and two up; the middle of 2 kΩ to 400 kΩ is 28 kΩ.
        QTest::newRow("no bounds: the middle of the values") << 0 << 0 << 10e3;
        QTest::newRow("bounds above the middle") << 100'000 << 1'000'000 << 100e3;
        QTest::newRow("bounds that hold one copy") << 1000 << 5000 << 1e3;
    }
    void copiesOfARatioStandOnceAtTheMiddleTotal()
    {
        QFETCH(int, leastTotal);
        QFETCH(int, mostTotal);
        QFETCH(double, top);
        const std::vector<Decimal> values{{1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 5}, {2, 5}};
        DividerGoal goal{{2, 0}, {3, 0}, DividerAim::Ratio, {}, {}};
        if (leastTotal > 0) {
            goal.leastTotal = Decimal{leastTotal, 0};
            goal.mostTotal = Decimal{mostTotal, 0};
        }
        const std::vector<Divider> found = nearestDividers(values, goal, 20);
        QCOMPARE(found.front().error, 0.0);
        QCOMPARE(approximate(found.front().top), top);
        QCOMPARE(approximate(found.front().bottom), 2 * top);
        for (std::size_t i = 1; i < found.size(); ++i)
            QVERIFY(found[i].error != 0.0);
    }

    void nearestTotalIsTheNearestByRatio_data()
    {
        QTest::addColumn<int>("leastTotal");
        QTest::addColumn<int>("mostTotal");
        QTest::addColumn<double>("total");
        QTest::newRow("below every pair") << 1 << 1 << 2000.0;
        QTest::newRow("above every pair") << 50'000 << 60'000 << 20e3;
        QTest::newRow("between, nearer below") << 3000 << 5000 << 2000.0;   // 1.5 against 2.2
        QTest::newRow("between, nearer above") << 15'000 << 16'000 << 20e3; // 1.36 against 1.25
    }
    void nearestTotalIsTheNearestByRatio()
    {
        QFETCH(int, leastTotal);
        QFETCH(int, mostTotal);
        QFETCH(double, total);
        const std::vector<Decimal> values{{1, 3}, {1, 4}};
        QCOMPARE(approximate(nearestTotal(values, {leastTotal, 0}, {mostTotal, 0})), total);
    }

    void ratioRangeIsTheWorstCaseOfEveryCorner_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("bottom");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("equal, 1 %") << 10e3 << 10e3 << 0.01;
        QTest::newRow("regulator, 5 %") << 35.7e3 << 11.5e3 << 0.05;
        QTest::newRow("far apart, 20 %") << 1e6 << 1.0 << 0.2;
    }
    void ratioRangeIsTheWorstCaseOfEveryCorner()
    {
        QFETCH(double, top);
        QFETCH(double, bottom);
        QFETCH(double, tolerance);
        // Interval arithmetic: the ratio at every corner of the two resistors' intervals.
        double least = HUGE_VAL, most = 0;
        for (double t : {top * (1 - tolerance), top * (1 + tolerance)})
            for (double b : {bottom * (1 - tolerance), bottom * (1 + tolerance)}) {
                least = std::min(least, b / (t + b));
                most = std::max(most, b / (t + b));
            }
        const RatioRange range = ratioRange(top, bottom, tolerance);
        QVERIFY(std::fabs(range.least - least) <= 1e-15);
        QVERIFY(std::fabs(range.most - most) <= 1e-15);
    }
};

QTEST_GUILESS_MAIN(DividersTest)
#include "test_dividers.moc"
