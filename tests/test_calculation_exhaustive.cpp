// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Calculation.h"
#include "TestColours.h"

#include <QTest>

#include <map>
#include <optional>

using namespace colour;

// Every combination of band colours against an oracle that works in exact decimals: the value
// is a two-digit number times a power of ten, so no floating point is needed to know the text.
namespace {

constexpr quint32 nearMiss = 0x004081;
const quint32 candidates[] = {unset,  black, brown, red,  orange, yellow,           green,   blue,
                              violet, grey,  white, gold, silver, white /* none */, nearMiss};

const std::map<quint32, int> firstDigits{{brown, 1},  {red, 2},   {orange, 3},
                                         {yellow, 4}, {green, 5}, {blue, 6},
                                         {violet, 7}, {grey, 8},  {white, 9}};
const std::map<quint32, int> powersOfTen{{silver, -2}, {gold, -1},  {black, 0},  {brown, 1},
                                         {red, 2},     {orange, 3}, {yellow, 4}, {green, 5},
                                         {blue, 6},    {violet, 7}, {grey, 8},   {white, 9}};
const std::map<quint32, QString> tolerances{
    {brown, "+/-  1%"},    {red, "+/-  2%"},    {green, "+/-  0.5%"}, {blue, "+/-  0.25%"},
    {violet, "+/-  0.1%"}, {white, "+/-  20%"}, {gold, "+/-  5%"},    {silver, "+/-  10%"}};

struct Expected {
    int unitIndex;
    QString number;
    QString tolerance;
};

// mantissa / 10^scale as decimal text without trailing zeros.
QString decimalText(qint64 mantissa, int scale, const QString &separator)
{
    QString digits = QString::number(mantissa).rightJustified(scale + 1, QLatin1Char('0'));
    QString integer = digits.left(digits.size() - scale);
    QString fraction = digits.right(scale);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return fraction.isEmpty() ? integer : integer + separator + fraction;
}

Expected oracle(quint32 b1, quint32 b2, quint32 b3, quint32 b4, const QString &separator)
{
    const int first = firstDigits.count(b1) ? firstDigits.at(b1) : 0;
    const int second = b2 == black ? 0 : firstDigits.count(b2) ? firstDigits.at(b2) : 0;
    const qint64 twoDigits = 10 * first + second;
    const QString tolerance = tolerances.count(b4) ? tolerances.at(b4) : QString();
    if (!powersOfTen.count(b3) || twoDigits == 0)
        return {1, QStringLiteral("0"), tolerance};
    const int power = powersOfTen.at(b3);
    if (power < 0)
        return {1, decimalText(twoDigits, -power, separator), tolerance};
    qint64 ohms = twoDigits;
    for (int i = 0; i < power; ++i)
        ohms *= 10;
    int unit = 1;
    int scale = 0;
    for (qint64 step = 1000; unit < 4 && ohms >= step; step *= 1000) {
        ++unit;
        scale += 3;
    }
    return {unit, decimalText(ohms, scale, separator), tolerance};
}

} // namespace

class TestCalculationExhaustive : public QObject
{
    Q_OBJECT

private slots:
    void everyCombinationMatchesTheOracle_data();
    void everyCombinationMatchesTheOracle();
};

void TestCalculationExhaustive::everyCombinationMatchesTheOracle_data()
{
    QTest::addColumn<QString>("separator");
    QTest::newRow("decimal comma") << ",";
    QTest::newRow("decimal point") << ".";
}

void TestCalculationExhaustive::everyCombinationMatchesTheOracle()
{
    QFETCH(QString, separator);
    const std::string separatorText = separator.toStdString();
    int cases = 0;
    int mismatches = 0;
    for (quint32 b1 : candidates)
        for (quint32 b2 : candidates)
            for (quint32 b3 : candidates)
                for (quint32 b4 : candidates) {
                    ++cases;
                    const auto result = ohmilka::calculateValue(b1, b2, b3, b4);
                    const QString number = QString::fromStdString(
                        ohmilka::numberText(result.shownNumber, separatorText));
                    const QString tolerance =
                        result.tolerance ? QString::fromUtf8(result.tolerance->data(),
                                                             qsizetype(result.tolerance->size()))
                                         : QString();
                    const Expected expected = oracle(b1, b2, b3, b4, separator);
                    if (result.unitIndex == expected.unitIndex && number == expected.number &&
                        tolerance == expected.tolerance)
                        continue;
                    if (++mismatches <= 10)
                        qWarning("bands %06x %06x %06x %06x: got unit %d \"%s\" \"%s\", expected "
                                 "unit %d \"%s\" \"%s\"",
                                 b1, b2, b3, b4, result.unitIndex, qPrintable(number),
                                 qPrintable(tolerance), expected.unitIndex,
                                 qPrintable(expected.number), qPrintable(expected.tolerance));
                }
    QCOMPARE(cases, 15 * 15 * 15 * 15);
    QCOMPARE(mismatches, 0);
}

QTEST_GUILESS_MAIN(TestCalculationExhaustive)
#include "test_calculation_exhaustive.moc"
