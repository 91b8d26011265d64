// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ColourCode.h"

#include <QTest>

using namespace ohmilka;

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<double>)

// Meanings written out here once more, so that a wrong table entry fails.
class TestColourCode : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data();
    void lookups();
    void offeredColoursAreExactlyTheRecognisedOnes();
    void multipliersAreTheNearestDoubles();
};

void TestColourCode::lookups_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<std::optional<int>>("digit1");
    QTest::addColumn<std::optional<int>>("digit2");
    QTest::addColumn<std::optional<double>>("multiplier");
    QTest::addColumn<QString>("tolerance"); // empty: not recognised

    const std::optional<int> no;
    const std::optional<double> noMultiplier;
    QTest::newRow("black is digit 0 in band 2 only")
        << 0x000000u << no << std::optional(0) << std::optional(1.0) << "";
    QTest::newRow("brown") << 0x004080u << std::optional(1) << std::optional(1)
                           << std::optional(10.0) << "+/-  1%";
    QTest::newRow("red") << 0x0000FFu << std::optional(2) << std::optional(2)
                         << std::optional(100.0) << "+/-  2%";
    QTest::newRow("orange has no tolerance")
        << 0x0080FFu << std::optional(3) << std::optional(3) << std::optional(1e3) << "";
    QTest::newRow("yellow has no tolerance")
        << 0x00FFFFu << std::optional(4) << std::optional(4) << std::optional(1e4) << "";
    QTest::newRow("green") << 0x008000u << std::optional(5) << std::optional(5)
                           << std::optional(1e5) << "+/-  0.5%";
    QTest::newRow("blue") << 0xFF0000u << std::optional(6) << std::optional(6) << std::optional(1e6)
                          << "+/-  0.25%";
    QTest::newRow("violet") << 0x800080u << std::optional(7) << std::optional(7)
                            << std::optional(1e7) << "+/-  0.1%";
    QTest::newRow("grey has no tolerance")
        << 0x808080u << std::optional(8) << std::optional(8) << std::optional(1e8) << "";
    QTest::newRow("white is 9, a billion, or no tolerance band")
        << 0xFFFFFFu << std::optional(9) << std::optional(9) << std::optional(1e9) << "+/-  20%";
    QTest::newRow("gold is no digit") << 0xC0FFFFu << no << no << std::optional(0.1) << "+/-  5%";
    QTest::newRow("silver is no digit")
        << 0xE0E0E0u << no << no << std::optional(0.01) << "+/-  10%";
    QTest::newRow("one step from brown is nothing") << 0x004081u << no << no << noMultiplier << "";
    QTest::newRow("one step from white is nothing") << 0xFFFFFEu << no << no << noMultiplier << "";
    QTest::newRow("high byte set on black is nothing")
        << 0x01000000u << no << no << noMultiplier << "";
    QTest::newRow("button face system colour is nothing")
        << 0x8000000Fu << no << no << noMultiplier << "";
    QTest::newRow("system colour 0 is nothing") << 0x80000000u << no << no << noMultiplier << "";
}

void TestColourCode::lookups()
{
    QFETCH(quint32, colour);
    QFETCH(std::optional<int>, digit1);
    QFETCH(std::optional<int>, digit2);
    QFETCH(std::optional<double>, multiplier);
    QFETCH(QString, tolerance);

    const auto asInt = [](std::optional<std::uint8_t> d) {
        return d ? std::optional<int>(*d) : std::nullopt;
    };
    QCOMPARE(asInt(band1Digit(colour)), digit1);
    QCOMPARE(asInt(band2Digit(colour)), digit2);
    QCOMPARE(band3Multiplier(colour), multiplier);
    const auto text = band4Tolerance(colour);
    QCOMPARE(text ? QString::fromUtf8(text->data(), qsizetype(text->size())) : QString(),
             tolerance);
}

void TestColourCode::offeredColoursAreExactlyTheRecognisedOnes()
{
    // Every table colour a band recognises is offered once, and nothing else is.
    const auto recognised = [](int band, std::uint32_t v) {
        switch (band) {
        case 1:
            return band1Digit(v).has_value();
        case 2:
            return band2Digit(v).has_value();
        case 3:
            return band3Multiplier(v).has_value();
        default:
            return band4Tolerance(v).has_value();
        }
    };
    const int expectedCounts[] = {9, 10, 12, 8};
    for (int band = 1; band <= 4; ++band) {
        const auto offered = offeredColours(band);
        QCOMPARE(int(offered.size()), expectedCounts[band - 1]);
        QSet<std::uint32_t> offeredValues;
        for (ColourStem stem : offered) {
            QVERIFY2(recognised(band, bandColour(stem).value), bandColour(stem).stemName.data());
            offeredValues.insert(bandColour(stem).value);
        }
        QCOMPARE(offeredValues.size(), qsizetype(offered.size()));
        for (const BandColour &entry : BandColourTable)
            if (recognised(band, entry.value))
                QVERIFY(offeredValues.contains(entry.value));
    }
}

void TestColourCode::multipliersAreTheNearestDoubles()
{
    QCOMPARE(std::bit_cast<quint64>(*band3Multiplier(0xC0FFFF)), quint64(0x3FB999999999999A));
    QCOMPARE(std::bit_cast<quint64>(*band3Multiplier(0xE0E0E0)), quint64(0x3F847AE147AE147B));
}

QTEST_GUILESS_MAIN(TestColourCode)
#include "test_colour_code.moc"
