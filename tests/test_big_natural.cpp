// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#ifndef Q_MOC_RUN // moc's parser stops at <compare>
#include "BigNatural.h"
#endif

#include <QTest>

#include <cmath>

using namespace ohmilka;

class BigNaturalTest : public QObject
{
    Q_OBJECT

private slots:
    void arithmeticHoldsBeyond64Bits_data()
    {
        QTest::addColumn<quint64>("a");
        QTest::addColumn<quint64>("b");
        QTest::addColumn<quint64>("c");
        QTest::newRow("small") << quint64{3} << quint64{5} << quint64{7};
        QTest::newRow("carries across every limb") << ~quint64{0} << ~quint64{0} << quint64{1};
        QTest::newRow("resistances in centiohms")
            << quint64{1000000000} << quint64{999999999} << quint64{4294967296};
    }
    void arithmeticHoldsBeyond64Bits()
    {
        QFETCH(quint64, a);
        QFETCH(quint64, b);
        QFETCH(quint64, c);
        const BigNatural x(a), y(b), z(c);
        // Products of four 64-bit numbers spill out of the numbers held in place.
        const BigNatural big = x * y * z * x * y * z * x * y * z;
        QCOMPARE(x * (y + z), x * y + x * z);
        QCOMPARE((big + z) - z, big);
        QCOMPARE(big * y, y * big);
        QVERIFY(big + BigNatural(1) > big);
        QVERIFY(x * y * z - x * y * z == BigNatural());
        QVERIFY(std::fabs((x * y).toDouble() / (double(a) * double(b)) - 1) < 1e-15);
        const Difference down = difference(x, x + z);
        QVERIFY(down.negative);
        QCOMPARE(down.magnitude, z);
    }

    void fractionsCompareByMagnitude()
    {
        // 1/3 against 333333333333333333/10^18: a hair apart, beyond a double's reach.
        const ExactFraction third{1, 3, false};
        const ExactFraction decimal{333333333333333333ULL, 1000000000000000000ULL, true};
        QVERIFY(compareMagnitudes(decimal, third) < 0);
        QVERIFY(compareMagnitudes(third, third) == 0);
        QCOMPARE(toDouble(decimal), -1.0 / 3);
    }
};

QTEST_GUILESS_MAIN(BigNaturalTest)
#include "test_big_natural.moc"
