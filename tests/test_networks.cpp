// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ESeries.h"
#include "Networks.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <map>

using namespace ohmilka;
using namespace ohmilka::code;

namespace {
// Every member of a series in the first decades from 1 Ω, and the next decade's first.
std::vector<Decimal> seriesFrom1Ohm(int size, int decades)
{
    std::vector<Decimal> values;
    for (int decade = 0; decade < decades; ++decade)
        for (int member : seriesDecade(size))
            values.push_back(normalised({member, decade - 2}));
    values.push_back({1, decades});
    return values;
}

// A network's value and the values it uses, as a set of their indices.
struct Built {
    double ohms;
    std::uint32_t used;
};

// Every network of exactly n parts, built by brute force: each is two smaller ones joined.
std::vector<std::vector<Built>> everyNetwork(const std::vector<double> &values, int most)
{
    std::vector<std::vector<Built>> byCount(static_cast<std::size_t>(most) + 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        byCount[1].push_back({values[i], 1u << i});
    for (int n = 2; n <= most; ++n)
        for (int left = 1; left <= n / 2; ++left)
            for (const Built &a : byCount[static_cast<std::size_t>(left)])
                for (const Built &b : byCount[static_cast<std::size_t>(n - left)]) {
                    byCount[static_cast<std::size_t>(n)].push_back(
                        {a.ohms + b.ohms, a.used | b.used});
                    byCount[static_cast<std::size_t>(n)].push_back(
                        {a.ohms * b.ohms / (a.ohms + b.ohms), a.used | b.used});
                }
    return byCount;
}

// What a network of the form and parts comes to, by the form's own rules.
double valueOfForm(std::string_view form, const std::vector<Decimal> &parts)
{
    // Recursive descent: sum of products, || tighter than +.
    std::size_t at = 0;
    const auto term = [&](const auto &sum) -> double {
        const auto atom = [&]() -> double {
            if (form[at] == '(') {
                ++at;
                const double inner = sum(sum);
                ++at; // ')'
                return inner;
            }
            return approximate(parts[static_cast<std::size_t>(form[at++] - 'a')]);
        };
        double value = atom();
        while (at + 1 < form.size() && form[at] == '|') {
            at += 2;
            const double other = atom();
            value = value * other / (value + other);
        }
        return value;
    };
    const auto sum = [&](const auto &self) -> double {
        double value = term(self);
        while (at < form.size() && form[at] == '+') {
            ++at;
            value += term(self);
        }
        return value;
    };
    return sum(sum);
}
} // namespace

class NetworksTest : public QObject
{
    Q_OBJECT

private slots:
    void nearestNetworksAreTheBestOfEveryNetwork_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("decades");
        QTest::addColumn<qlonglong>("mantissa");
        QTest::addColumn<int>("exponent");
        QTest::newRow("E6, 1.234 kΩ") << 6 << 3 << 1234LL << 0;
        QTest::newRow("E6, 5.55 Ω") << 6 << 3 << 555LL << -2;
        QTest::newRow("E6, 777 Ω") << 6 << 3 << 777LL << 0;
        QTest::newRow("E6, below every part") << 6 << 3 << 3LL << -1;
        QTest::newRow("E6, above four of the largest") << 6 << 3 << 5LL << 3;
        QTest::newRow("E12, 3.14159 Ω") << 12 << 2 << 314159LL << -5;
        QTest::newRow("E12, 47 Ω, a member") << 12 << 2 << 47LL << 0;
        QTest::newRow("E12, 9 Ω") << 12 << 2 << 9LL << 0;
        QTest::newRow("E24, 15.4 Ω") << 24 << 1 << 154LL << -1;
        QTest::newRow("E24, 7.77 Ω") << 24 << 1 << 777LL << -2;
    }
    void nearestNetworksAreTheBestOfEveryNetwork()
    {
        QFETCH(int, series);
        QFETCH(int, decades);
        QFETCH(qlonglong, mantissa);
        QFETCH(int, exponent);
        const std::vector<Decimal> values = seriesFrom1Ohm(series, decades);
        const Decimal target{mantissa, exponent};
        const double wanted = approximate(target);
        std::vector<double> ohms;
        for (Decimal value : values)
            ohms.push_back(approximate(value));
        const auto every = everyNetwork(ohms, maxNetworkParts);
        const std::vector<Network> found = nearestNetworks(values, target, maxNetworkParts);
        QCOMPARE(found.size(), std::size_t{maxNetworkParts});
        for (int n = 1; n <= maxNetworkParts; ++n) {
            double bestError = HUGE_VAL;
            int fewestDistinct = maxNetworkParts;
            for (const Built &built : every[static_cast<std::size_t>(n)]) {
                const double error = std::fabs(built.ohms - wanted) / wanted;
                const int distinct = std::popcount(built.used);
                if (error < bestError - 1e-12) {
                    bestError = error;
                    fewestDistinct = distinct;
                } else if (error <= bestError + 1e-12)
                    fewestDistinct = std::min(fewestDistinct, distinct);
            }
            const Network &network = found[static_cast<std::size_t>(n - 1)];
            QCOMPARE(network.parts.size(), std::size_t(n));
            QVERIFY2(
                std::fabs(std::fabs(network.error) - bestError) <= 1e-12,
                qPrintable(
                    QString("%1 parts: %2, best %3").arg(n).arg(network.error).arg(bestError)));
            QCOMPARE(network.distinctValues, fewestDistinct);
            // The form, the parts, the value and the error tell the same network.
            const double formValue = valueOfForm(network.form, network.parts);
            QVERIFY(std::fabs(formValue - network.ohms) <= 1e-12 * formValue);
            QVERIFY(std::fabs((network.ohms - wanted) / wanted - network.error) <= 1e-12);
        }
    }

    void tiesGoToFewerDistinctValues_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<qlonglong>("target");
        QTest::addColumn<int>("parts");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QList<qlonglong>>("values");
        // 2.2k + 6.8k is 9k too, with two values.
        QTest::newRow("9k from E12")
            << 12 << 9000LL << 2 << "a||b" << QList<qlonglong>{18000, 18000};
        QTest::newRow("a member is itself") << 24 << 4700LL << 1 << "a" << QList<qlonglong>{4700};
        QTest::newRow("two of a kind in series")
            << 24 << 200000LL << 2 << "a+b" << QList<qlonglong>{100000, 100000};
    }
    void tiesGoToFewerDistinctValues()
    {
        QFETCH(int, series);
        QFETCH(qlonglong, target);
        QFETCH(int, parts);
        QFETCH(QString, form);
        QFETCH(QList<qlonglong>, values);
        const Network network =
            nearestNetworks(seriesMembers(series), Decimal{target, 0}, parts).back();
        QCOMPARE(QString::fromStdString(network.form), form);
        QList<qlonglong> got;
        for (Decimal part : network.parts)
            got << qlonglong(std::llround(approximate(part)));
        QCOMPARE(got, values);
    }

    void everyThreeDigitValueButOneIsTwoE96PartsAtMost()
    {
        const std::vector<Decimal> e96 = seriesMembers(96);
        QList<int> inexact;
        for (int mantissa = 100; mantissa < 1000; ++mantissa) {
            const std::vector<Network> found = nearestNetworks(e96, Decimal{mantissa, 1}, 2);
            if (found[0].error != 0 && found[1].error != 0)
                inexact << mantissa;
        }
        QCOMPARE(inexact, QList<int>{957});
    }

    void exactComparisonTellsWhatDoublesCannot_data()
    {
        QTest::addColumn<qlonglong>("target");    // in units of 10^-10 Ω
        QTest::addColumn<qlonglong>("smallPart"); // in nΩ
        // 10 MΩ + 1 nΩ and 10 MΩ + 2 nΩ are one double apart: only exact sums tell which is
        // nearer.
        QTest::newRow("1.6 nΩ above 10 MΩ") << 100000000000000016LL << 2LL;
        QTest::newRow("1.4 nΩ above 10 MΩ") << 100000000000000014LL << 1LL;
    }
    void exactComparisonTellsWhatDoublesCannot()
    {
        QFETCH(qlonglong, target);
        QFETCH(qlonglong, smallPart);
        const std::vector<Decimal> values{{1, -9}, {2, -9}, {1, 7}};
        const Network network = nearestNetworks(values, Decimal{target, -10}, 2).back();
        QCOMPARE(QString::fromStdString(network.form), QString("a+b"));
        QCOMPARE(compare(network.parts.front(), Decimal{smallPart, -9}), 0);
    }
};

QTEST_GUILESS_MAIN(NetworksTest)
#include "test_networks.moc"
