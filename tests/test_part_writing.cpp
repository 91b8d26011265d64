// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Choosing.h"
#include "ESeries.h"

#include <QTest>

using namespace ohmilka;
using namespace ohmilka::partnumbers;

namespace {
QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const Offering *familyNamed(const QString &name)
{
    for (const Offering *family : offerings())
        if (fromView(family->key.family) == name)
            return family;
    return nullptr;
}

Decimal valueOf(const QString &text)
{
    const ParsedValue parsed = parseValue(text.toStdString());
    return parsed.value ? normalised(*parsed.value) : Decimal{-1, 0};
}

// The part numbers a query gives, "family: part number" each, or the shortfall's kind.
QString choiceOf(const QString &value, int tolerance, const QString &size,
                 const QString &families = {})
{
    std::vector<const Offering *> chosen;
    for (const Offering *family : offerings())
        if (families.isEmpty() || families.split(',').contains(fromView(family->key.family)))
            chosen.push_back(family);
    const PartChoice choice =
        choosePart({valueOf(value), tolerance ? std::optional(tolerance) : std::nullopt,
                    *sizeOfCode(size.toStdString()), chosen});
    QStringList parts;
    for (const WrittenPart &part : choice.parts)
        parts << fromView(part.offering->key.family) + ": " +
                     QString::fromStdString(part.partNumber);
    constexpr std::array<const char *, 5> shortfalls{"", "no such tolerance", "no such size",
                                                     "in no series", "out of range"};
    return choice.parts.empty() ? QString(shortfalls[static_cast<std::size_t>(choice.shortfall)])
                                : parts.join(", ");
}
} // namespace

class PartWritingTest : public QObject
{
    Q_OBJECT

private slots:
    // The makers' own examples and real parts, written character for character from their value,
    // tolerance, size and codes.
    void writesMakersOwnPartNumbers_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("partNumber");
        QTest::newRow("Yageo RC, the key's example") << "Yageo RC"
                                                     << "100k" << 500 << "0402"
                                                     << ""
                                                     << "RC0402JR-07100KL";
        QTest::newRow("Yageo RC, K as the point") << "Yageo RC"
                                                  << "10k" << 100 << "0603"
                                                  << ""
                                                  << "RC0603FR-0710KL";
        QTest::newRow("Yageo RC, R inside") << "Yageo RC"
                                            << "49.9" << 100 << "0402"
                                            << ""
                                            << "RC0402FR-0749R9L";
        QTest::newRow("Yageo RC, mega") << "Yageo RC"
                                        << "10M" << 100 << "0603"
                                        << ""
                                        << "RC0603FR-0710ML";
        QTest::newRow("Panasonic, the ±1 % example with its hyphen") << "Panasonic ERJ"
                                                                     << "10k" << 100 << "1206"
                                                                     << ""
                                                                     << "ERJ-8ENF1002V";
        QTest::newRow("Panasonic, the ±0.5 % example with its hyphen") << "Panasonic ERJ"
                                                                       << "10k" << 50 << "0603"
                                                                       << ""
                                                                       << "ERJ-3RBD1002V";
        QTest::newRow("Panasonic, the ±5 % example with its hyphen") << "Panasonic ERJ"
                                                                     << "1k" << 500 << "0603"
                                                                     << ""
                                                                     << "ERJ-3GEYJ102V";
        QTest::newRow("Panasonic 2GE, no marking") << "Panasonic ERJ"
                                                   << "2.2M" << 500 << "0402"
                                                   << ""
                                                   << "ERJ-2GEJ225X";
        QTest::newRow("Panasonic 3EK") << "Panasonic ERJ"
                                       << "1k" << 100 << "0603"
                                       << ""
                                       << "ERJ-3EKF1001V";
        QTest::newRow("Panasonic 2RK") << "Panasonic ERJ"
                                       << "20k" << 100 << "0402"
                                       << ""
                                       << "ERJ-2RKF2002X";
        QTest::newRow("Panasonic, R as the point") << "Panasonic ERJ"
                                                   << "49.9" << 100 << "0603"
                                                   << ""
                                                   << "ERJ-3EKF49R9V";
        QTest::newRow("Panasonic 01005, Y") << "Panasonic ERJ"
                                            << "10k" << 100 << "01005"
                                            << ""
                                            << "ERJ-XGNF1002Y";
        QTest::newRow("Panasonic 2512") << "Panasonic ERJ"
                                        << "10k" << 100 << "2512"
                                        << ""
                                        << "ERJ-1TNF1002U";
        QTest::newRow("Vishay CRCW, the key's example") << "Vishay CRCW"
                                                        << "562" << 100 << "0603"
                                                        << ""
                                                        << "CRCW0603562RFKEA";
        QTest::newRow("Vishay CRCW-P, the key's example") << "Vishay CRCW"
                                                          << "100" << 50 << "0402"
                                                          << ""
                                                          << "CRCW0402100RDHEDP";
        QTest::newRow("Vishay CRCW, mega") << "Vishay CRCW"
                                           << "1M" << 100 << "1206"
                                           << ""
                                           << "CRCW12061M00FKEA";
        QTest::newRow("Vishay TNPW, the key's example") << "Vishay TNPW"
                                                        << "1.32k" << 50 << "1206"
                                                        << ""
                                                        << "TNPW12061K32DEEA";
        QTest::newRow("Vishay TNPW, ±10 ppm/K asked for") << "Vishay TNPW"
                                                          << "10k" << 10 << "0603"
                                                          << "Y"
                                                          << "TNPW060310K0BYEA";
        QTest::newRow("Stackpole RMCF, the key's example") << "Stackpole RMCF"
                                                           << "4.7k" << 500 << "0603"
                                                           << ""
                                                           << "RMCF0603JT4K70";
        QTest::newRow("Stackpole RMCF, R as the point") << "Stackpole RMCF"
                                                        << "470" << 500 << "0402"
                                                        << ""
                                                        << "RMCF0402JT470R";
        QTest::newRow("Stackpole RMCF, 0.1 Ω on the 10 inch reel") << "Stackpole RMCF"
                                                                   << "0.1" << 100 << "1206"
                                                                   << "G"
                                                                   << "RMCF1206FGR100";
        QTest::newRow("Stackpole RMCF, 01005") << "Stackpole RMCF"
                                               << "10k" << 500 << "01005"
                                               << ""
                                               << "RMCF01005JT10K0";
        QTest::newRow("Stackpole RMCP") << "Stackpole RMCP"
                                        << "1" << 100 << "2512"
                                        << ""
                                        << "RMCP2512FT1R00";
        QTest::newRow("TE CRG, the key's example") << "TE CRG"
                                                   << "1k" << 500 << "0603"
                                                   << ""
                                                   << "CRG0603J1K0";
        QTest::newRow("TE CRG, three figures") << "TE CRG"
                                               << "100k" << 100 << "0402"
                                               << ""
                                               << "CRG0402F100K";
        QTest::newRow("TE CRG, R as the point") << "TE CRG"
                                                << "4.7" << 100 << "0805"
                                                << ""
                                                << "CRG0805F4R7";
        QTest::newRow("Yageo RT, the key's example") << "Yageo RT"
                                                     << "56" << 50 << "0603"
                                                     << ""
                                                     << "RT0603DRE0756RL";
        QTest::newRow("Yageo RT, ±25 ppm/K asked for") << "Yageo RT"
                                                       << "10k" << 10 << "0603"
                                                       << "D"
                                                       << "RT0603BRD0710KL";
        QTest::newRow("KOA RK73B, the key's example") << "KOA RK73B"
                                                      << "1k" << 500 << "1206"
                                                      << ""
                                                      << "RK73B2BTTD102J";
        QTest::newRow("KOA RK73B, real") << "KOA RK73B"
                                         << "10k" << 500 << "0603"
                                         << ""
                                         << "RK73B1JTTD103J";
        QTest::newRow("Bourns CR, the key's example") << "Bourns CR"
                                                      << "100k" << 100 << "1206"
                                                      << ""
                                                      << "CR1206-FX-1003ELF";
        QTest::newRow("Bourns CR, ±1 %") << "Bourns CR"
                                         << "10k" << 100 << "0603"
                                         << ""
                                         << "CR0603-FX-1002ELF";
        QTest::newRow("Bourns CR, ±5 %") << "Bourns CR"
                                         << "10k" << 500 << "0603"
                                         << ""
                                         << "CR0603-JW-103ELF";
    }
    void writesMakersOwnPartNumbers()
    {
        QFETCH(QString, family);
        QFETCH(QString, value);
        QFETCH(int, tolerance);
        QFETCH(QString, size);
        QFETCH(QString, codes);
        QFETCH(QString, partNumber);
        const Offering *offering = familyNamed(family);
        QVERIFY(offering);
        const std::string asked = codes.toStdString();
        const std::vector<std::string_view> askedCodes =
            asked.empty() ? std::vector<std::string_view>{} : std::vector<std::string_view>{asked};
        const Decimal ohms = valueOf(value);
        QString written;
        for (const Offer &offer : offering->offers)
            if (offer.toleranceHundredths == tolerance &&
                sizeOf(*offering, offer) == sizeOfCode(size.toStdString()))
                if (const auto part = writePart(*offering, offer, ohms, askedCodes)) {
                    written = QString::fromStdString(part->partNumber);
                    break;
                }
        QCOMPARE(written, partNumber);
    }

    // Every value a row offers, in each of its series, is written, and reads back as the part
    // it was written for: value, tolerance, size and family, with no code the key lacks.
    void everyOfferedValueReadsBack()
    {
        std::size_t written = 0;
        for (const Offering *family : offerings())
            for (const Offer &offer : family->offers) {
                const std::optional<Size> size = sizeOf(*family, offer);
                QVERIFY2(size,
                         qPrintable(fromView(family->key.family) + " " + fromView(offer.size)));
                for (const auto &[bit, series] : seriesOffered) {
                    if (!(offer.series & bit))
                        continue;
                    for (int order = -1; order <= 8; ++order)
                        for (const int member : code::seriesDecade(series)) {
                            const Decimal ohms = normalised({member, order - 2});
                            if (!offers(offer, ohms))
                                continue;
                            const auto part = writePart(*family, offer, ohms);
                            const QString what =
                                fromView(family->key.family) + " " + fromView(offer.size) + " " +
                                QString::number(member) + "e" + QString::number(order - 2);
                            QVERIFY2(part, qPrintable(what));
                            const auto reading = readPartNumber(part->partNumber);
                            QVERIFY2(reading, qPrintable(what));
                            QCOMPARE(compare(reading->ohms, ohms), 0);
                            QCOMPARE(reading->toleranceHundredths,
                                     std::optional(offer.toleranceHundredths));
                            QCOMPARE(reading->size, size);
                            QCOMPARE(reading->family, family->key.family);
                            QVERIFY2(reading->unknownCodes().empty(), qPrintable(what));
                            ++written;
                        }
                }
            }
        QVERIFY(written > 50000);
    }

    // What is offered, at the ranges' edges, and what is not.
    void choosesWithinTheMakersRanges_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("families");
        QTest::addColumn<QString>("answer");
        QTest::newRow("every family at 4.7 kΩ ±1 % in 0603")
            << "4.7k" << 100 << "0603"
            << ""
            << "Yageo RC: RC0603FR-074K7L, Panasonic ERJ: ERJ-3EKF4701V, "
               "Vishay CRCW: CRCW06034K70FKEA, Stackpole RMCF: RMCF0603FT4K70, "
               "Stackpole RMCP: RMCP0603FT4K70, Vishay TNPW: TNPW06034K70FEEA, "
               "Yageo RT: RT0603FRE074K7L, Bourns CR: CR0603-FX-4701ELF, TE CRG: CRG0603F4K7";
        QTest::newRow("±5 % by default for a value of E24")
            << "4.7k" << 0 << "0603"
            << "Yageo RC,Bourns CR"
            << "Yageo RC: RC0603JR-074K7L, Bourns CR: CR0603-JW-472ELF";
        QTest::newRow("Panasonic's 1812 at ±5 %") << "4.7k" << 500 << "1812"
                                                  << ""
                                                  << "Panasonic ERJ: ERJ-12YJ472U";
        QTest::newRow("±1 % by default for a value of E96") << "4.75k" << 0 << "0603"
                                                            << "Yageo RC"
                                                            << "Yageo RC: RC0603FR-074K75L";
        QTest::newRow("the widest a family offers for a value of E192 alone")
            << "4.81k" << 0 << "0603"
            << ""
            << "Vishay TNPW: TNPW06034K81DEEA";
        QTest::newRow("Yageo's ±5 % ends at 22 MΩ in 0603") << "22M" << 500 << "0603"
                                                            << "Yageo RC"
                                                            << "Yageo RC: RC0603JR-0722ML";
        QTest::newRow("and has no 24 MΩ") << "24M" << 500 << "0603"
                                          << "Yageo RC"
                                          << "out of range";
        QTest::newRow("Yageo's ±0.1 % starts at 10 Ω") << "10" << 10 << "0603"
                                                       << "Yageo RC"
                                                       << "Yageo RC: RC0603BR-0710RL";
        QTest::newRow("and has no 9.76 Ω") << "9.76" << 10 << "0603"
                                           << "Yageo RC"
                                           << "out of range";
        QTest::newRow("Panasonic's 2512 at ±5 % ends at 1 MΩ") << "1.1M" << 500 << "2512"
                                                               << "Panasonic ERJ"
                                                               << "out of range";
        QTest::newRow("Panasonic 0402 below 10 Ω is 2RC") << "9.76" << 100 << "0402"
                                                          << "Panasonic ERJ"
                                                          << "Panasonic ERJ: ERJ-2RCF9R76X";
        QTest::newRow("Panasonic ±0.5 % takes ±100 ppm/K at the ends")
            << "97.6" << 50 << "0603"
            << "Panasonic ERJ"
            << "Panasonic ERJ: ERJ-3RED97R6V";
        QTest::newRow("Panasonic's 0805 ends at 2.2 MΩ") << "2.2M" << 100 << "0805"
                                                         << "Panasonic ERJ"
                                                         << "Panasonic ERJ: ERJ-6ENF2204V";
        QTest::newRow("the 1218 of CRCW ends at 2.2 MΩ") << "2.4M" << 100 << "1218"
                                                         << "Vishay CRCW"
                                                         << "out of range";
        QTest::newRow("CRCW-P's ±0.5 % starts at 100 Ω") << "97.6" << 50 << "0603"
                                                         << "Vishay CRCW"
                                                         << "out of range";
        QTest::newRow("TNPW's ±0.1 % from 3.5 Ω, ±10 ppm/K from 47 Ω")
            << "3.6" << 10 << "0603"
            << "Vishay TNPW"
            << "Vishay TNPW: TNPW06033R60BEEA";
        QTest::newRow("TNPW has no ±5 %") << "4.7k" << 500 << "0603"
                                          << "Vishay TNPW"
                                          << "no such tolerance";
        QTest::newRow("TNPW has no 2512") << "4.7k" << 100 << "2512"
                                          << "Vishay TNPW"
                                          << "no such size";
        QTest::newRow("±5 % offers E24 alone") << "4.75k" << 500 << "0603"
                                               << ""
                                               << "in no series";
        QTest::newRow("Stackpole below 1 Ω") << "0.47" << 500 << "0805"
                                             << ""
                                             << "Stackpole RMCF: RMCF0805JTR470";
        QTest::newRow("Bourns' / below 10 Ω at ±5 %") << "9.1" << 500 << "0603"
                                                      << "Bourns CR"
                                                      << "Bourns CR: CR0603-J/-9R1ELF";
        QTest::newRow("Bourns' Z above 10 MΩ") << "15M" << 500 << "1206"
                                               << "Bourns CR"
                                               << "Bourns CR: CR1206-JZ-156ELF";
        QTest::newRow("Bourns' 0402 has no 2.2 MΩ at ±5 %") << "2.2M" << 500 << "0402"
                                                            << "Bourns CR"
                                                            << "out of range";
        QTest::newRow("TE's 0603 has only E24 to 100 Ω at ±1 %") << "97.6" << 100 << "0603"
                                                                 << "TE CRG"
                                                                 << "in no series";
        QTest::newRow("and E96 above it") << "102" << 100 << "0603"
                                          << "TE CRG"
                                          << "TE CRG: CRG0603F102R";
        QTest::newRow("Yageo RT's ±0.01 % below 50.1 Ω is at ±15 ppm/K")
            << "20" << 1 << "0402"
            << "Yageo RT"
            << "Yageo RT: RT0402LRC0720RL";
        QTest::newRow("and at ±5 ppm/K beyond that") << "22" << 1 << "0603"
                                                     << "Yageo RT"
                                                     << "Yageo RT: RT0603LRA0722RL";
        QTest::newRow("Yageo RT's 0201 has no ±0.05 %") << "1k" << 5 << "0201"
                                                        << "Yageo RT"
                                                        << "no such size";
        QTest::newRow("Yageo RT's 2512 is embossed") << "10k" << 100 << "2512"
                                                     << "Yageo RT"
                                                     << "Yageo RT: RT2512FKE0710KL";
        QTest::newRow("KOA's ±2 % in 0201 starts at 10 Ω") << "9.1" << 200 << "0201"
                                                           << "KOA RK73B"
                                                           << "out of range";
        QTest::newRow("and its ±5 % at 1 Ω") << "1" << 500 << "0201"
                                             << "KOA RK73B"
                                             << "KOA RK73B: RK73B1HTTC1R0J";
        QTest::newRow("KOA's 1210 at ±2 % ends at 5.6 MΩ") << "6.2M" << 200 << "1210"
                                                           << "KOA RK73B"
                                                           << "out of range";
        QTest::newRow("no ±3 % anywhere") << "4.7k" << 300 << "0603"
                                          << ""
                                          << "no such tolerance";
    }
    void choosesWithinTheMakersRanges()
    {
        QFETCH(QString, value);
        QFETCH(int, tolerance);
        QFETCH(QString, size);
        QFETCH(QString, families);
        QFETCH(QString, answer);
        QCOMPARE(choiceOf(value, tolerance, size, families), answer);
    }
};

QTEST_GUILESS_MAIN(PartWritingTest)
#include "test_part_writing.moc"
