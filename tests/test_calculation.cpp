// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Calculation.h"

#include "EngineText.h"
#include "TestColours.h"

#include <QTest>

using ohmilka::ResistorValue;
using namespace colour;

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void value_data();
    void value();
    void numberText_data();
    void numberText();
};

void TestCalculation::value_data()
{
    QTest::addColumn<quint32>("band1");
    QTest::addColumn<quint32>("band2");
    QTest::addColumn<quint32>("band3");
    QTest::addColumn<quint32>("band4");
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<QString>("shown");     // with a decimal comma
    QTest::addColumn<QString>("tolerance"); // empty: none

    QTest::newRow("red multiplier gives whole kilo-ohms")
        << brown << black << red << gold << 2 << "1"
        << "+/-  5%";
    QTest::newRow("orange multiplier gives tens of kilo-ohms")
        << yellow << violet << orange << silver << 2 << "47"
        << "+/-  10%";
    QTest::newRow("black multiplier gives plain ohms") << red << red << black << brown << 1 << "22"
                                                       << "+/-  1%";
    QTest::newRow("ten ohms is the lowest value above 9.9")
        << brown << black << black << unset << 1 << "10"
        << "";
    QTest::newRow("990 ohms stays in ohms") << white << white << brown << unset << 1 << "990"
                                            << "";
    QTest::newRow("1800 ohms is 1,8 k") << brown << grey << red << unset << 2 << "1,8"
                                        << "";
    QTest::newRow("4700 ohms is 4,7 k") << yellow << violet << red << unset << 2 << "4,7"
                                        << "";
    QTest::newRow("990 k is the largest kilo value")
        << white << white << yellow << unset << 2 << "990"
        << "";
    QTest::newRow("green multiplier gives mega-ohms")
        << brown << black << green << unset << 3 << "1"
        << "";
    QTest::newRow("violet multiplier gives hundreds of mega-ohms")
        << green << blue << violet << unset << 3 << "560"
        << "";
    QTest::newRow("grey multiplier gives giga-ohms") << brown << red << grey << unset << 4 << "1,2"
                                                     << "";
    QTest::newRow("the largest value is 99 G") << white << white << white << unset << 4 << "99"
                                               << "";
    QTest::newRow("gold multiplier gives a sub-ten-ohm value")
        << orange << orange << gold << unset << 1 << "3,3"
        << "";
    QTest::newRow("silver multiplier gives a sub-ohm value")
        << yellow << violet << silver << unset << 1 << "0,47"
        << "";
    QTest::newRow("the smallest silver value is 0,1")
        << brown << black << silver << unset << 1 << "0,1"
        << "";
    QTest::newRow("9,9 ohms stays in ohms") << white << white << gold << unset << 1 << "9,9"
                                            << "";
    QTest::newRow("unset band 1 reads as digit 0") << unset << red << brown << unset << 1 << "20"
                                                   << "";
    QTest::newRow("black in band 1 reads as digit 0") << black << red << brown << unset << 1 << "20"
                                                      << "";
    QTest::newRow("unset band 3 gives zero ohms") << brown << black << unset << violet << 1 << "0"
                                                  << "+/-  0.1%";
    QTest::newRow("nothing set gives zero ohms") << unset << unset << unset << unset << 1 << "0"
                                                 << "";
    QTest::newRow("white in band 4 means no tolerance band")
        << brown << black << black << white << 1 << "10"
        << "+/-  20%";
    QTest::newRow("orange is no tolerance") << brown << black << black << orange << 1 << "10"
                                            << "";
    QTest::newRow("gold in band 2 reads as digit 0") << brown << gold << black << unset << 1 << "10"
                                                     << "";
}

void TestCalculation::value()
{
    QFETCH(quint32, band1);
    QFETCH(quint32, band2);
    QFETCH(quint32, band3);
    QFETCH(quint32, band4);
    QFETCH(int, unitIndex);
    QFETCH(QString, shown);
    QFETCH(QString, tolerance);

    const ResistorValue result = ohmilka::calculateValue(band1, band2, band3, band4);
    QCOMPARE(result.unitIndex, unitIndex);
    QCOMPARE(fromView(ohmilka::numberText(result.shownNumber, ",")), shown);
    QCOMPARE(result.tolerance ? fromView(*result.tolerance) : QString(), tolerance);
}

void TestCalculation::numberText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("47 times 0.01 reads 0.47") << 47 * 0.01 << "."
                                              << "0.47";
    QTest::newRow("33 times 0.1 reads 3,3") << 33 * 0.1 << ","
                                            << "3,3";
    QTest::newRow("zero") << 0.0 << ","
                          << "0";
    QTest::newRow("whole numbers have no separator") << 990.0 << ","
                                                     << "990";
    QTest::newRow("trailing zeros of the integer stay") << 1000.0 << ","
                                                        << "1000";
    QTest::newRow("fifteen significant digits") << 1.0 / 3 << ","
                                                << "0,333333333333333";
    QTest::newRow("rounds at the fifteenth digit") << 2.0 / 3 << "."
                                                   << "0.666666666666667";
    QTest::newRow("small values keep plain notation") << 0.0001 << "."
                                                      << "0.0001";
    QTest::newRow("large values keep plain notation") << 99e9 << "."
                                                      << "99000000000";
    QTest::newRow("negative numbers keep their sign") << -1.5 << ","
                                                      << "-1,5";
    QTest::newRow("a longer separator is used whole") << 1.25 << "٫"
                                                      << "1٫25";
}

void TestCalculation::numberText()
{
    QFETCH(double, number);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(fromView(ohmilka::numberText(number, separator.toStdString())), text);
}

QTEST_GUILESS_MAIN(TestCalculation)
#include "test_calculation.moc"
