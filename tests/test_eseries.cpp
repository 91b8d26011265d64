// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ESeries.h"

#include "EngineText.h"
#include "StopOnFailure.h"

#include <QTest>

using namespace ohmilka;
using namespace ohmilka::code;

namespace {
QString text(std::optional<Decimal> value)
{
    return value ? fromView(decimalText(*value, ".")) : QStringLiteral("none");
}

Decimal valueOf(const QString &text)
{
    const ParsedValue parsed = parseValue(text.toStdString());
    if (!parsed.value)
        QTest::qFail(qPrintable("no value: " + text), __FILE__, __LINE__);
    return parsed.value.value_or(Decimal{});
}
} // namespace

// Where a value stands in the E series, and how far its neighbours lie.
class TestESeries : public QObject
{
    Q_OBJECT

private slots:
    void placesValuesInSeries_data();
    void placesValuesInSeries();
    void percentDifferences_data();
    void percentDifferences();
};

void TestESeries::placesValuesInSeries_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("member");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("above");
    QTest::newRow("E24 between members") << 24 << "5k" << false << "4700"
                                         << "5100";
    QTest::newRow("E24 member") << 24 << "4k7" << true << "4300"
                                << "5100";
    QTest::newRow("E24 across the decade") << 24 << "9.5k" << false << "9100"
                                           << "10000";
    QTest::newRow("E6 member at the decade") << 6 << "100" << true << "68"
                                             << "150";
    QTest::newRow("E12 below 1.2") << 12 << "1.15" << false << "1"
                                   << "1.2";
    QTest::newRow("E96 4.7k") << 96 << "4k7" << false << "4640"
                              << "4750";
    QTest::newRow("E192 9.20, not 9.19") << 192 << "9.2" << true << "9.09"
                                         << "9.31";
    QTest::newRow("E48 more digits") << 48 << "1.0501" << false << "1.05"
                                     << "1.1";
}

void TestESeries::placesValuesInSeries()
{
    QFETCH(int, size);
    QFETCH(QString, value);
    QFETCH(bool, member);
    QFETCH(QString, below);
    QFETCH(QString, above);
    const ParsedValue parsed = parseValue(value.toStdString());
    QVERIFY2(parsed.value, qPrintable(value));
    const SeriesPosition position = seriesPosition(size, *parsed.value);
    QCOMPARE(position.member, member);
    QCOMPARE(text(position.below), below);
    QCOMPARE(text(position.above), above);
    QCOMPARE(seriesDecade(size).size(), std::size_t(size));
}

void TestESeries::percentDifferences_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("percent");
    QTest::newRow("E24 below 5 k") << "5k"
                                   << "4k7"
                                   << "-6";
    QTest::newRow("E24 above 5 k") << "5k"
                                   << "5k1"
                                   << "2";
    QTest::newRow("E96 below 4.7 k") << "4k7"
                                     << "4k64"
                                     << "-1.3";
    QTest::newRow("E96 above 4.7 k") << "4k7"
                                     << "4k75"
                                     << "1.1";
    QTest::newRow("a half rounds up") << "2k"
                                      << "2001"
                                      << "0.1";
    QTest::newRow("a half rounds down below") << "2k"
                                              << "1999"
                                              << "-0.1";
    QTest::newRow("across units") << "0R22"
                                  << "1k"
                                  << "454445.5";
}

void TestESeries::percentDifferences()
{
    QFETCH(QString, value);
    QFETCH(QString, other);
    QFETCH(QString, percent);
    Decimal from, to;
    RETURN_IF_FAILED(from = valueOf(value));
    RETURN_IF_FAILED(to = valueOf(other));
    const Decimal difference = percentDifference(from, to);
    const QString written =
        (difference.mantissa < 0 ? "-" : "") +
        text(Decimal{difference.mantissa < 0 ? -difference.mantissa : difference.mantissa,
                     difference.exponent});
    QCOMPARE(written, percent);
}

QTEST_GUILESS_MAIN(TestESeries)
#include "test_eseries.moc"
