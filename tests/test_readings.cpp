// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "EngineText.h"
#include "Readings.h"
#include "StopOnFailure.h"

#include <QTest>

using namespace ohmilka;
using namespace ohmilka::code;

namespace {
// "yellow violet red/orange gold": each band's alternatives.
std::vector<std::vector<Colour>> choices(const QString &words)
{
    std::vector<std::vector<Colour>> all;
    for (const QString &band : words.split(u' ', Qt::SkipEmptyParts)) {
        all.emplace_back();
        for (const QString &word : band.split(u'/')) {
            const std::optional<Colour> colour = parseColourWord(word.toStdString());
            if (!colour) {
                QTest::qFail(qPrintable("no colour: " + word), __FILE__, __LINE__);
                return {};
            }
            all.back().push_back(*colour);
        }
    }
    return all;
}

// "4700 E24, 47000 E24 reversed": each reading's value, series and direction.
QString summary(const std::vector<BandReading> &readings)
{
    QStringList all;
    for (const BandReading &read : readings)
        all << fromView(decimalText(read.reading.ohms, ".")) +
                   (read.series ? QStringLiteral(" E%1").arg(*read.series) : QString()) +
                   (read.fromOtherEnd ? QStringLiteral(" reversed") : QString());
    return all.join(QStringLiteral(", "));
}
} // namespace

// Readings in both directions and with colours in doubt, and the series parts are sold in.
class TestReadings : public QObject
{
    Q_OBJECT

private slots:
    void readsBothWaysAndEveryChoice_data();
    void readsBothWaysAndEveryChoice();
    void refusesMoreThanTheLimit();
    void seriesFollowTheTolerance_data();
    void seriesFollowTheTolerance();
    void measurementKeepsReadingsThatHoldIt_data();
    void measurementKeepsReadingsThatHoldIt();
};

void TestReadings::readsBothWaysAndEveryChoice_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("readings");
    QTest::newRow("4 bands, both ways") << "BN BK RD BN"
                                        << "1000 E96, 12 E24 reversed";
    QTest::newRow("4 bands, gold cannot be first") << "YE VT RD GD"
                                                   << "4700 E24";
    QTest::newRow("5 bands, both ways") << "BN BK BK RD BN"
                                        << "10000 E96, 120 E24 reversed";
    QTest::newRow("5 bands, gold cannot be first") << "BN BK BK RD GD"
                                                   << "10000 E24";
    QTest::newRow("6 bands, both ways") << "OG OG BK BN BU RD"
                                        << "3300 E24, 261 E192 reversed";
    QTest::newRow("6 bands, gold cannot be first") << "OG OG BK BN GD BN"
                                                   << "3300 E24";
    QTest::newRow("same both ways, once") << "BN BK BK BN"
                                          << "10 E96";
    QTest::newRow("3 bands, as given only") << "RD RD RD"
                                            << "2200 E6";
    QTest::newRow("in doubt, in choice order") << "YE VT RD/OG GD"
                                               << "4700 E24, 47000 E24";
    QTest::newRow("in doubt, series first") << "YE YE/VT RD GD"
                                            << "4700 E24, 4400";
    QTest::newRow("nothing is a code") << "GD/SR GD GD GD"
                                       << "";
}

void TestReadings::readsBothWaysAndEveryChoice()
{
    QFETCH(QString, bands);
    QFETCH(QString, readings);
    std::vector<std::vector<Colour>> given;
    RETURN_IF_FAILED(given = choices(bands));
    const auto all = allReadings(given);
    QVERIFY(std::holds_alternative<std::vector<BandReading>>(all));
    QCOMPARE(summary(std::get<std::vector<BandReading>>(all)), readings);
}

void TestReadings::refusesMoreThanTheLimit()
{
    const QString digit = QStringLiteral("BN/RD/OG/YE/GN/BU/VT/GY/WH");
    std::vector<std::vector<Colour>> given;
    RETURN_IF_FAILED(given = choices(digit + " " + digit + " " + digit + " RD/OG BN/RD"));
    QVERIFY(std::holds_alternative<TooManyReadings>(allReadings(given)));
    RETURN_IF_FAILED(given = choices(digit + " " + digit + " RD/OG GD"));
    QVERIFY(std::holds_alternative<std::vector<BandReading>>(allReadings(given)));
}

void TestReadings::seriesFollowTheTolerance_data()
{
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<QList<int>>("series");
    QTest::newRow("±20 %") << 2000 << QList<int>{6};
    QTest::newRow("±5 %") << 500 << QList<int>{24};
    QTest::newRow("±1 %") << 100 << QList<int>{96, 24};
    QTest::newRow("±0.01 %") << 1 << QList<int>{192, 24};
}

void TestReadings::seriesFollowTheTolerance()
{
    QFETCH(int, hundredths);
    QFETCH(QList<int>, series);
    const std::vector<int> sold = seriesForTolerance(hundredths);
    QCOMPARE(QList<int>(sold.begin(), sold.end()), series);
}

void TestReadings::measurementKeepsReadingsThatHoldIt_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<int>("hundredths"); // -1: none, the 0 Ω link
    QTest::addColumn<QString>("measured");
    QTest::addColumn<bool>("held");
    QTest::newRow("inside") << "4k7" << 500 << "4k6" << true;
    QTest::newRow("at the lower end") << "4k7" << 500 << "4465" << true;
    QTest::newRow("just above the upper end") << "4k7" << 500 << "4935.1" << false;
    QTest::newRow("far off") << "47k" << 500 << "4k6" << false;
    QTest::newRow("the link holds 0") << "0" << -1 << "0" << true;
    QTest::newRow("the link holds nothing else") << "0" << -1 << "0R1" << false;
}

void TestReadings::measurementKeepsReadingsThatHoldIt()
{
    QFETCH(QString, nominal);
    QFETCH(int, hundredths);
    QFETCH(QString, measured);
    QFETCH(bool, held);
    const ParsedValue value = parseValue(nominal.toStdString());
    const ParsedValue read = parseValue(measured.toStdString());
    QVERIFY(value.value && read.value);
    const Reading reading{
        *value.value, hundredths < 0 ? std::nullopt : std::optional<int>(hundredths), std::nullopt};
    QCOMPARE(holds(reading, *read.value), held);
}

QTEST_GUILESS_MAIN(TestReadings)
#include "test_readings.moc"
