// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Calculation.h"
#include "CodeText.h"
#include "ColourCode.h"
#include "ESeries.h"

#include "EngineText.h"
#include "StopOnFailure.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace ohmilka;
using namespace ohmilka::code;

namespace {
std::vector<Colour> colours(const QString &words)
{
    std::vector<Colour> bands;
    for (const QString &word : words.split(u' ', Qt::SkipEmptyParts)) {
        const std::optional<Colour> colour = parseColourWord(word.toStdString());
        if (!colour) {
            QTest::qFail(qPrintable("no colour: " + word), __FILE__, __LINE__);
            return {};
        }
        bands.push_back(*colour);
    }
    return bands;
}

QString text(std::optional<Decimal> value)
{
    return value ? fromView(decimalText(*value, ".")) : QStringLiteral("none");
}

QString englishWords(std::span<const Colour> bands)
{
    QStringList words;
    for (Colour colour : bands)
        words << fromView(meaning(colour).english);
    return words.join(u' ');
}
} // namespace

// The general colour code and its words.
class TestResistorCode : public QObject
{
    Q_OBJECT

private slots:
    void colourWords_data();
    void colourWords();
    void decodesBands_data();
    void decodesBands();
    void refusesBandsNamingTheBand_data();
    void refusesBandsNamingTheBand();
    void encodesValues_data();
    void encodesValues();
    void namesNearestMarkableValues_data();
    void namesNearestMarkableValues();
    void refusesConflictingRequests_data();
    void refusesConflictingRequests();
    void agreesWithTheWindowOnEveryFourBandCombination();
    void encodingThenDecodingGivesTheValueBack();
    void randomInputIsNeverMisread();
};

void TestResistorCode::colourWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("colour");
    QTest::newRow("Czech") << "hnědá"
                           << "brown";
    QTest::newRow("Czech without diacritics") << "hneda"
                                              << "brown";
    QTest::newRow("Czech in capitals") << "HNĚDÁ"
                                       << "brown";
    QTest::newRow("English gray") << "gray"
                                  << "grey";
    QTest::newRow("English purple") << "Purple"
                                    << "violet";
    QTest::newRow("IEC code") << "GY"
                              << "grey";
    QTest::newRow("IEC pink") << "pk"
                              << "pink";
    for (const char *form : {"hnědý", "hnědé", "hnědou", "hnedy", "HNEDOU"})
        QTest::newRow(form) << QString::fromUtf8(form) << "brown";
    QTest::newRow("a form of šedá") << "šedou"
                                    << "grey";
    QTest::newRow("no other ending") << "hnědým"
                                     << "";
    QTest::newRow("no band in Czech") << "žádná"
                                      << "none";
    QTest::newRow("stříbrná") << "Stříbrná"
                              << "silver";
    QTest::newRow("not a colour") << "blak"
                                  << "";
    QTest::newRow("other diacritics") << "hnědä"
                                      << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestResistorCode::colourWords()
{
    QFETCH(QString, word);
    QFETCH(QString, colour);
    const auto parsed = parseColourWord(word.toStdString());
    QCOMPARE(parsed ? fromView(meaning(*parsed).english) : QString(), colour);
}

void TestResistorCode::decodesBands_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("czech");
    QTest::newRow("4 bands") << "yellow violet red gold"
                             << "4.7 kΩ ±5 % (4.465–4.935 kΩ)"
                             << "4,7 kΩ ±5 % (4,465–4,935 kΩ)";
    QTest::newRow("3 bands are ±20 %") << "red red silver"
                                       << "220 mΩ ±20 % (176–264 mΩ)"
                                       << "220 mΩ ±20 % (176–264 mΩ)";
    QTest::newRow("4 bands without a tolerance band") << "brown black orange none"
                                                      << "10 kΩ ±20 % (8–12 kΩ)"
                                                      << "10 kΩ ±20 % (8–12 kΩ)";
    QTest::newRow("5 bands") << "brown black black red brown"
                             << "10 kΩ ±1 % (9.9–10.1 kΩ)"
                             << "10 kΩ ±1 % (9,9–10,1 kΩ)";
    QTest::newRow("6 bands") << "orange orange black brown blue red"
                             << "3.3 kΩ ±0.25 % (3.29175–3.30825 kΩ), 50 ppm/K"
                             << "3,3 kΩ ±0,25 % (3,29175–3,30825 kΩ), 50 ppm/K";
    QTest::newRow("pink multiplier") << "brown black pink"
                                     << "10 mΩ ±20 % (8–12 mΩ)"
                                     << "10 mΩ ±20 % (8–12 mΩ)";
    QTest::newRow("white multiplier") << "white white white grey"
                                      << "99 GΩ ±0.01 % (98.9901–99.0099 GΩ)"
                                      << "99 GΩ ±0,01 % (98,9901–99,0099 GΩ)";
    QTest::newRow("0 Ω link") << "black"
                              << "0 Ω"
                              << "0 Ω";
}

void TestResistorCode::decodesBands()
{
    QFETCH(QString, bands);
    QFETCH(QString, english);
    QFETCH(QString, czech);
    std::vector<Colour> read;
    RETURN_IF_FAILED(read = colours(bands));
    const auto reading = decode(read);
    QVERIFY(std::holds_alternative<Reading>(reading));
    QCOMPARE(fromView(readingText(std::get<Reading>(reading), Language::English)), english);
    QCOMPARE(fromView(readingText(std::get<Reading>(reading), Language::Czech)), czech);
}

void TestResistorCode::refusesBandsNamingTheBand_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("role");
    QTest::newRow("two bands") << "red red" << 0 << int(BandRole::Digit);
    QTest::newRow("seven bands") << "red red red red red red red" << 0 << int(BandRole::Digit);
    QTest::newRow("black first digit") << "black red red gold" << 1 << int(BandRole::Digit);
    QTest::newRow("gold digit") << "red gold red gold" << 2 << int(BandRole::Digit);
    QTest::newRow("none as multiplier") << "red red none" << 3 << int(BandRole::Multiplier);
    QTest::newRow("white tolerance") << "red red red white" << 4 << int(BandRole::Tolerance);
    QTest::newRow("none in five bands") << "red red red red none" << 5 << int(BandRole::Tolerance);
    QTest::newRow("white tempco") << "red red red red brown white" << 6 << int(BandRole::Tempco);
    QTest::newRow("single brown") << "brown" << 1 << int(BandRole::Link);
}

void TestResistorCode::refusesBandsNamingTheBand()
{
    QFETCH(QString, bands);
    QFETCH(int, band);
    QFETCH(int, role);
    std::vector<Colour> read;
    RETURN_IF_FAILED(read = colours(bands));
    const auto reading = decode(read);
    QVERIFY(std::holds_alternative<DecodeError>(reading));
    QCOMPARE(std::get<DecodeError>(reading).band, band);
    if (band > 0)
        QCOMPARE(int(std::get<DecodeError>(reading).role), role);
}

void TestResistorCode::encodesValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("bands"); // 0: chosen from the value
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("tempco");
    QTest::addColumn<QString>("colours");
    QTest::newRow("two digits give 4 bands") << "4k7" << 0 << 0 << 0 << "yellow violet red gold";
    QTest::newRow("trailing zeros do not count")
        << "4.70k" << 0 << 0 << 0 << "yellow violet red gold";
    QTest::newRow("three digits give 5 bands")
        << "4k75" << 0 << 0 << 0 << "yellow violet green brown brown";
    QTest::newRow("tempco gives 6 bands")
        << "10k" << 0 << 0 << 50 << "brown black black red brown red";
    QTest::newRow("3 bands") << "22k" << 3 << 0 << 0 << "red red orange";
    QTest::newRow("chosen tolerance") << "2M2" << 0 << 25 << 0 << "red red green blue";
    QTest::newRow("no tolerance band") << "100" << 4 << 2000 << 0 << "brown black brown none";
    QTest::newRow("sub-ohm") << "0R22" << 0 << 0 << 0 << "red red silver gold";
    QTest::newRow("0 Ω link") << "0" << 0 << 0 << 0 << "black";
}

void TestResistorCode::encodesValues()
{
    QFETCH(QString, value);
    QFETCH(int, bands);
    QFETCH(int, tolerance);
    QFETCH(int, tempco);
    QFETCH(QString, colours);
    const ParsedValue parsed = parseValue(value.toStdString());
    QVERIFY2(parsed.value, qPrintable(value));
    EncodeRequest request{*parsed.value, std::nullopt, std::nullopt, std::nullopt};
    if (bands)
        request.bands = bands;
    if (tolerance)
        request.toleranceHundredths = tolerance;
    if (tempco)
        request.tempcoPpm = tempco;
    const auto encoded = encode(request);
    QVERIFY(std::holds_alternative<Marking>(encoded));
    QCOMPARE(englishWords(std::get<Marking>(encoded).bands), colours);
}

void TestResistorCode::namesNearestMarkableValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("above");
    QTest::newRow("too many digits") << "4k75" << 4 << "4700"
                                     << "4800";
    QTest::newRow("across a decade") << "9.95k" << 4 << "9900"
                                     << "10000";
    QTest::newRow("below pink") << "5m" << 4 << "none"
                                << "0.01";
    QTest::newRow("above white") << "100G" << 4 << "99000000000"
                                 << "none";
    QTest::newRow("0 with bands") << "0" << 5 << "none"
                                  << "0.1";
    QTest::newRow("five bands") << "4.7531k" << 5 << "4750"
                                << "4760";
}

void TestResistorCode::namesNearestMarkableValues()
{
    QFETCH(QString, value);
    QFETCH(int, bands);
    QFETCH(QString, below);
    QFETCH(QString, above);
    const ParsedValue parsed = parseValue(value.toStdString());
    QVERIFY2(parsed.value, qPrintable(value));
    const auto encoded = encode({*parsed.value, bands, std::nullopt, std::nullopt});
    QVERIFY(std::holds_alternative<NoMarking>(encoded));
    QCOMPARE(text(std::get<NoMarking>(encoded).below), below);
    QCOMPARE(text(std::get<NoMarking>(encoded).above), above);
}

void TestResistorCode::refusesConflictingRequests_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("tempco");
    QTest::addColumn<int>("conflict");
    QTest::newRow("tempco with 4 bands")
        << 4 << 0 << 50 << int(EncodeConflict::TempcoNeedsSixBands);
    QTest::newRow("tolerance with 3 bands")
        << 3 << 500 << 0 << int(EncodeConflict::NoToleranceBandInThree);
    QTest::newRow("20 % with 5 bands")
        << 5 << 2000 << 0 << int(EncodeConflict::TwentyPercentNeedsFewBands);
    QTest::newRow("3 % is no tolerance") << 4 << 300 << 0 << int(EncodeConflict::UnknownTolerance);
    QTest::newRow("30 ppm is no tempco") << 6 << 0 << 30 << int(EncodeConflict::UnknownTempco);
}

void TestResistorCode::refusesConflictingRequests()
{
    QFETCH(int, bands);
    QFETCH(int, tolerance);
    QFETCH(int, tempco);
    QFETCH(int, conflict);
    EncodeRequest request{{47, 2}, bands, std::nullopt, std::nullopt};
    if (tolerance)
        request.toleranceHundredths = tolerance;
    if (tempco)
        request.tempcoPpm = tempco;
    const auto encoded = encode(request);
    QVERIFY(std::holds_alternative<EncodeConflict>(encoded));
    QCOMPARE(int(std::get<EncodeConflict>(encoded)), conflict);
}

// Every combination the window recognises in all four bands reads the same here, compared at the
// window's 15 significant digits, with the same tolerance percentage.
void TestResistorCode::agreesWithTheWindowOnEveryFourBandCombination()
{
    const auto codeColour = [](ColourStem stem) { return bandColour(stem).codeColour; };
    int combinations = 0;
    for (ColourStem s1 : offeredColours(1))
        for (ColourStem s2 : offeredColours(2))
            for (ColourStem s3 : offeredColours(3))
                for (ColourStem s4 : offeredColours(4)) {
                    const ResistorValue window =
                        calculateValue(bandColour(s1).value, bandColour(s2).value,
                                       bandColour(s3).value, bandColour(s4).value);
                    const std::vector bands{codeColour(s1), codeColour(s2), codeColour(s3),
                                            codeColour(s4)};
                    const auto reading = decode(bands);
                    QVERIFY(std::holds_alternative<Reading>(reading));
                    const Reading &read = std::get<Reading>(reading);
                    const double windowOhms =
                        window.shownNumber * std::pow(1000.0, window.unitIndex - 1);
                    QCOMPARE(fromView(numberText(windowOhms, ".")),
                             fromView(decimalText(read.ohms, ".")));
                    QString windowTolerance = fromView(*window.tolerance);
                    windowTolerance.remove(QStringLiteral("+/-")).remove(u'%');
                    QCOMPARE(windowTolerance.trimmed(),
                             fromView(percentText(*read.toleranceHundredths, ".")));
                    ++combinations;
                }
    QCOMPARE(combinations, 9 * 10 * 12 * 8);
}

void TestResistorCode::encodingThenDecodingGivesTheValueBack()
{
    for (int bands = 3; bands <= 6; ++bands) {
        const int digits = bands <= 4 ? 2 : 3;
        for (int exponent = -3; exponent <= 9; ++exponent)
            for (std::int64_t number = powerOfTen(digits - 1); number < powerOfTen(digits);
                 ++number) {
                const Decimal value = normalised({number, exponent});
                const auto encoded = encode({value, bands, std::nullopt, std::nullopt});
                QVERIFY(std::holds_alternative<Marking>(encoded));
                const auto reading = decode(std::get<Marking>(encoded).bands);
                QVERIFY(std::holds_alternative<Reading>(reading));
                QCOMPARE(compare(std::get<Reading>(reading).ohms, value), 0);
            }
    }
}

// Seeded random input: values written in random forms read back exactly, and random text never
// crashes the parsers or passes as a value it does not spell.
void TestResistorCode::randomInputIsNeverMisread()
{
    QRandomGenerator random(20261207);
    const auto pick = [&](int n) { return int(random.bounded(n)); };
    for (int round = 0; round < 500000; ++round) {
        const Decimal value = normalised({std::int64_t(random.bounded(1, 100000)), pick(13) - 4});
        const std::string plain = decimalText(value, pick(2) ? "." : ",");
        const Prefixed prefixed = withPrefix(value);
        const std::string forms[] = {
            plain + (pick(2) ? " Ω" : "ohm"),
            decimalText(prefixed.number, ".") + std::string(prefixed.prefix),
            std::to_string(value.mantissa) + "e" + std::to_string(value.exponent),
        };
        for (const std::string &form : forms) {
            const ParsedValue parsed = parseValue(form);
            if (parsed.problem == ValueProblem::Ambiguous)
                continue; // 1,250 written plainly is refused, as it should be
            QVERIFY2(parsed.value && compare(*parsed.value, value) == 0, form.c_str());
        }

        static const std::string_view pieces[] = {"0", "1", "7", "9",   ".", ",",    "k",    "K",
                                                  "m", "M", "G", "R",   "r", "e",    "E",    "-",
                                                  "+", " ", "Ω", "ohm", "x", "\xC3", "\xFF", "ž"};
        std::string noise;
        for (int length = pick(12); length > 0; --length)
            noise += pieces[pick(std::size(pieces))];
        const ParsedValue parsed = parseValue(noise);
        if (parsed.value) {
            QVERIFY2(noise.find_first_not_of(' ') == std::string::npos ||
                         noise[noise.find_first_not_of(' ')] != '-',
                     noise.c_str());
            // What was accepted reads the same when written out again.
            const ParsedValue again = parseValue(decimalText(*parsed.value, ".") + "e0");
            QVERIFY2(again.value && compare(*again.value, *parsed.value) == 0, noise.c_str());
        }
        parseColourWord(noise);
    }
}

QTEST_GUILESS_MAIN(TestResistorCode)
#include "test_resistor_code.moc"
