// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ESeries.h"
#include "EngineText.h"
#include "SmdCode.h"
#include "StopOnFailure.h"

#include <QTest>

using namespace ohmilka;
using namespace ohmilka::code;

Q_DECLARE_METATYPE(SmdSystem)
Q_DECLARE_METATYPE(SmdProblem)

namespace {
QString text(Decimal value)
{
    return fromView(decimalText(normalised(value), "."));
}

Decimal valueOf(const QString &text)
{
    const ParsedValue parsed = parseValue(text.toStdString());
    if (!parsed.value)
        QTest::qFail(qPrintable("no value: " + text), __FILE__, __LINE__);
    return parsed.value.value_or(Decimal{});
}

// "R code 10, EIA-96 1.24": every reading of a marking.
QString readings(const QString &marking)
{
    static const char *names[] = {"link", "3-digit", "4-digit", "R code", "EIA-96"};
    QStringList all;
    for (const SmdReading &reading : readSmdMarking(marking.toStdString()).readings)
        all << QStringLiteral("%1 %2").arg(QLatin1String(names[int(reading.system)]),
                                           text(reading.ohms));
    return all.join(QStringLiteral(", "));
}
} // namespace

// Surface-mount markings read and written, and how far a value lies from a series member.
class TestSmdCode : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryMarking_data();
    void readsEveryMarking();
    void refusesWhatNoSystemReads_data();
    void refusesWhatNoSystemReads();
    void writesEachSystemsMarking_data();
    void writesEachSystemsMarking();
    void everyE96ValueRoundTrips();
};

void TestSmdCode::readsEveryMarking_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("readings");
    QTest::newRow("three digits") << "472"
                                  << "3-digit 4700";
    QTest::newRow("three digits, power 0") << "100"
                                           << "3-digit 10";
    QTest::newRow("four digits") << "4701"
                                 << "4-digit 4700";
    QTest::newRow("R inside") << "4R7"
                              << "R code 4.7";
    QTest::newRow("R first, lower case") << "r47"
                                         << "R code 0.47";
    for (const char *zero : {"0", "00", "000", "0000"})
        QTest::newRow(zero) << zero << "link 0";
    QTest::newRow("EIA-96 first index") << "01A"
                                        << "EIA-96 100";
    QTest::newRow("EIA-96 last index") << "96A"
                                       << "EIA-96 976";
    QTest::newRow("Z") << "01Z"
                       << "EIA-96 0.1";
    QTest::newRow("Y") << "01Y"
                       << "EIA-96 1";
    QTest::newRow("X") << "68X"
                       << "EIA-96 49.9";
    QTest::newRow("S") << "68S"
                       << "EIA-96 49.9";
    QTest::newRow("B, lower case") << "66b"
                                   << "EIA-96 4750";
    QTest::newRow("H") << "66H"
                       << "EIA-96 4750";
    QTest::newRow("C") << "01C"
                       << "EIA-96 10000";
    QTest::newRow("D") << "01D"
                       << "EIA-96 100000";
    QTest::newRow("E") << "01E"
                       << "EIA-96 1000000";
    QTest::newRow("F") << "96F"
                       << "EIA-96 97600000";
    QTest::newRow("R reads two ways") << "10R"
                                      << "R code 10, EIA-96 1.24";
    QTest::newRow("R reads two ways, lower case") << "47r"
                                                  << "R code 47, EIA-96 3.01";
}

void TestSmdCode::readsEveryMarking()
{
    QFETCH(QString, marking);
    QFETCH(QString, readings);
    QCOMPARE(::readings(marking), readings);
    const auto all = readSmdMarking(marking.toStdString()).readings;
    for (const SmdReading &reading : all)
        QCOMPARE(reading.toleranceHundredths.has_value(), reading.system == SmdSystem::Eia96);
}

void TestSmdCode::refusesWhatNoSystemReads_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<SmdProblem>("problem");
    QTest::newRow("empty") << "" << SmdProblem::Empty;
    QTest::newRow("EIA-96 index 00") << "00C" << SmdProblem::Eia96IndexZero;
    QTest::newRow("EIA-96 index 97") << "97c" << SmdProblem::Eia96IndexOver96;
    QTest::newRow("unknown letter") << "47Q" << SmdProblem::UnknownLetter;
    QTest::newRow("five digits") << "47011" << SmdProblem::TooManyDigits;
    QTest::newRow("five digits with R") << "470R11" << SmdProblem::TooManyDigits;
    QTest::newRow("two Rs") << "4R7R" << SmdProblem::NotAMarking;
    QTest::newRow("two digits") << "47" << SmdProblem::NotAMarking;
}

void TestSmdCode::refusesWhatNoSystemReads()
{
    QFETCH(QString, marking);
    QFETCH(SmdProblem, problem);
    const SmdDecoded decoded = readSmdMarking(marking.toStdString());
    QCOMPARE(decoded.readings.size(), std::size_t(0));
    QCOMPARE(decoded.problem, problem);
}

void TestSmdCode::writesEachSystemsMarking_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("markings"); // 3-digit, 4-digit, EIA-96: "472" or "below/above"
    QTest::newRow("4.7 k") << "4k7" << QStringList{"472", "4701", "65B/66B"};
    QTest::newRow("10 k") << "10k" << QStringList{"103", "1002", "01C"};
    QTest::newRow("49.9: X, not S") << "49.9" << QStringList{"490/500", "49R9", "68X"};
    QTest::newRow("4.7 with R") << "4R7" << QStringList{"4R7", "4R70", "65Y/66Y"};
    QTest::newRow("below every EIA-96 marking") << "0R05" << QStringList{"R05", "R050", "/01Z"};
    QTest::newRow("zero") << "0" << QStringList{"000", "0000", "/01Z"};
    QTest::newRow("above every 3-digit and EIA-96 marking")
        << "101G" << QStringList{"999/", "1019", "96F/"};
}

void TestSmdCode::writesEachSystemsMarking()
{
    QFETCH(QString, value);
    QFETCH(QStringList, markings);
    Decimal ohms;
    RETURN_IF_FAILED(ohms = valueOf(value));
    QStringList written;
    for (const SmdEncoding &encoding : smdMarkings(ohms)) {
        const auto name = [](const std::optional<SmdMarking> &marking) {
            return marking ? QString::fromStdString(marking->text) : QString();
        };
        written << (encoding.marking ? name(encoding.marking)
                                     : name(encoding.below) + "/" + name(encoding.above));
    }
    QCOMPARE(written, markings);
}

void TestSmdCode::everyE96ValueRoundTrips()
{
    int checked = 0;
    for (int exponent = -1; exponent <= 3; ++exponent) // 10 Ω to 976 kΩ
        for (int member : seriesDecade(96)) {
            const Decimal value = normalised({member, exponent});
            const std::optional<SmdMarking> marking = smdMarkings(value).back().marking;
            QVERIFY2(marking, qPrintable(text(value)));
            const auto read = readSmdMarking(marking->text).readings;
            QVERIFY2(std::any_of(read.begin(), read.end(),
                                 [&](const SmdReading &reading) {
                                     return reading.system == SmdSystem::Eia96 &&
                                            compare(reading.ohms, value) == 0;
                                 }),
                     marking->text.c_str());
            ++checked;
        }
    QCOMPARE(checked, 5 * 96);
}

QTEST_GUILESS_MAIN(TestSmdCode)
#include "test_smd_code.moc"
