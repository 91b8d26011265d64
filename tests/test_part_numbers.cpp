// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartNumbers.h"

#include <QTest>

using namespace ohmilka;
using namespace ohmilka::partnumbers;

namespace {
QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "10000 Ω ±1 % (Yageo RC)", "0 Ω jumper (KOA RK73Z)", or "not read"; then the size, "0603",
// and any codes the key does not list, "unknown packaging EB".
QString readingOf(const QString &partNumber)
{
    const std::optional<PartNumberReading> reading = readPartNumber(partNumber.toStdString());
    if (!reading)
        return QStringLiteral("not read");
    const QString ohms = QString::fromStdString(decimalText(reading->ohms, "."));
    QString text = reading->toleranceHundredths
                       ? QStringLiteral("%1 Ω ±%2 % (%3)")
                             .arg(ohms, QString::number(*reading->toleranceHundredths / 100.0),
                                  fromView(reading->family))
                       : QStringLiteral("%1 Ω jumper (%2)").arg(ohms, fromView(reading->family));
    if (reading->size)
        text += QStringLiteral(", %1").arg(fromView(reading->size->inch));
    for (const FieldReading *unknown : reading->unknownCodes())
        text += QStringLiteral(", unknown %1 %2")
                    .arg(fromView(roleName(unknown->role)), QString::fromStdString(unknown->code));
    return text;
}
} // namespace

// One table per maker's key, from the examples and rules of its published part-numbering key.
class PartNumbersTest : public QObject
{
    Q_OBJECT

private:
    static void columns()
    {
        QTest::addColumn<QString>("partNumber");
        QTest::addColumn<QString>("reading");
    }

private slots:
    void yageo_data()
    {
        columns();
        QTest::newRow("RC, the key's example") << "RC0603FR-0756RL"
                                               << "56 Ω ±1 % (Yageo RC), 0603";
        QTest::newRow("RC, K as the point") << "RC0603FR-0710KL"
                                            << "10000 Ω ±1 % (Yageo RC), 0603";
        QTest::newRow("RC, R inside") << "RC0402FR-0749R9L"
                                      << "49.9 Ω ±1 % (Yageo RC), 0402";
        QTest::newRow("RC, mega") << "rc0603fr-0710ml"
                                  << "10000000 Ω ±1 % (Yageo RC), 0603";
        QTest::newRow("RC, jumper at 1 %, as real parts are")
            << "RC0402FR-070RL\r"
            << "0 Ω jumper (Yageo RC), 0402, unknown tolerance F";
        QTest::newRow("RC, jumper") << "RC0402JR-070RL"
                                    << "0 Ω jumper (Yageo RC), 0402";
        QTest::newRow("AC, embossed, 10 in") << "AC0603DK-1097R6L"
                                             << "97.6 Ω ±0.5 % (Yageo AC), 0603";
        QTest::newRow("RT, TCR letter") << "RT0603BRD0710KL"
                                        << "10000 Ω ±0.1 % (Yageo RT), 0603";
        QTest::newRow("RT, the key's example") << "RT0603DRE0756RL"
                                               << "56 Ω ±0.5 % (Yageo RT), 0603";
        QTest::newRow("RC, no reel") << "RC0603FR-10KL"
                                     << "not read";
    }
    void yageo() { check(); }

    void panasonic_data()
    {
        columns();
        QTest::newRow("3E, no marking") << "ERJ-3EKF1001V"
                                        << "1000 Ω ±1 % (Panasonic ERJ), 0603";
        QTest::newRow("2R, TCR letter") << "ERJ-2RKF2002X"
                                        << "20000 Ω ±1 % (Panasonic ERJ), 0402";
        QTest::newRow("3G, marking, three digits") << "ERJ-3GEYJ103V"
                                                   << "10000 Ω ±5 % (Panasonic ERJ), 0603";
        QTest::newRow("2G, jumper") << "ERJ-2GE0R00X"
                                    << "0 Ω jumper (Panasonic ERJ), 0402";
        QTest::newRow("1210, a size of two characters") << "ERJ-14YJ331U"
                                                        << "330 Ω ±5 % (Panasonic ERJ), 1210";
        QTest::newRow("2010, 12Z") << "ERJ-12ZYJ390U"
                                   << "39 Ω ±5 % (Panasonic ERJ), 2010";
        QTest::newRow("anti-surge, no hyphen")
            << "ERJP06D1002V"
            << "10000 Ω ±0.5 % (Panasonic ERJ), unknown series P06, unknown packaging V";
        QTest::newRow("R as the point") << "ERJ-3EKF49R9V"
                                        << "49.9 Ω ±1 % (Panasonic ERJ), 0603";
        QTest::newRow("±0.5 %, the key's example") << "ERJ3RBD1002V"
                                                   << "10000 Ω ±0.5 % (Panasonic ERJ), 0603";
        QTest::newRow("2R with the TCR K at ±0.5 %") << "ERJ-2RKD1002X"
                                                     << "10000 Ω ±0.5 % (Panasonic ERJ), 0402";
        QTest::newRow("01005 at ±1 %") << "ERJ-XGNF1002Y"
                                       << "10000 Ω ±1 % (Panasonic ERJ), 01005";
        QTest::newRow("2512 at ±1 %") << "ERJ-1TNF1002U"
                                      << "10000 Ω ±1 % (Panasonic ERJ), 2512";
        QTest::newRow("low ohm, R as the point") << "ERJ-8RQFR22V"
                                                 << "0.22 Ω ±1 % (Panasonic ERJ), 1206";
        QTest::newRow("low ohm, four figures") << "ERJ-6BSFR102V"
                                               << "0.102 Ω ±1 % (Panasonic ERJ), 0805";
        QTest::newRow("a tolerance no key has") << "ERJ-3EKQ1001V"
                                                << "not read";
    }
    void panasonic() { check(); }

    void koa_data()
    {
        columns();
        QTest::newRow("RK73H") << "RK73H1JTTD1002F"
                               << "10000 Ω ±1 % (KOA RK73H), 0603, unknown packaging TD";
        QTest::newRow("RK73B") << "RK73B1JTTD103J"
                               << "10000 Ω ±5 % (KOA RK73B), 0603";
        QTest::newRow("RK73B, 11 Ω") << "RK73B2BTTD110J"
                                     << "11 Ω ±5 % (KOA RK73B), 1206";
        QTest::newRow("RK73B, 2512 by its wide code") << "RK73BW3ATTE4R7G"
                                                      << "4.7 Ω ±2 % (KOA RK73B), 2512";
        QTest::newRow("RK73Z is a jumper") << "RK73Z1JTTD"
                                           << "0 Ω jumper (KOA RK73Z), 0603, unknown packaging TD";
        QTest::newRow("RN73 with its TCR") << "RN732BTTD2002B25"
                                           << "20000 Ω ±0.1 % (KOA RN73), 1206";
        QTest::newRow("RN73H") << "RN73H1JTTD1002F25"
                               << "10000 Ω ±1 % (KOA RN73H), 0603";
        QTest::newRow("RN73R, 2 mm pitch") << "RN73R1JTTP1002F25"
                                           << "10000 Ω ±1 % (KOA RN73R), 0603";
        QTest::newRow("RN73R, the key's example") << "RN73R2BTTD1002B25"
                                                  << "10000 Ω ±0.1 % (KOA RN73R), 1206";
        QTest::newRow("RN73H, R as the point, 10 inch") << "RN73H2ATTDD49R9D10"
                                                        << "49.9 Ω ±0.5 % (KOA RN73H), 0805";
        QTest::newRow("RN73H, a TCR it does not list") << "RN73H1JTTD1002F15"
                                                       << "not read";
        QTest::newRow("RK73H with a ±5 % letter") << "RK73H1JTTD1002J"
                                                  << "not read";
    }
    void koa() { check(); }

    void samsung_data()
    {
        columns();
        QTest::newRow("three digits at ±1 %") << "RC1608F103CS"
                                              << "10000 Ω ±1 % (Samsung RC), 0603";
        QTest::newRow("four digits") << "RC1608F3302CS"
                                     << "33000 Ω ±1 % (Samsung RC), 0603";
        QTest::newRow("the key's example") << "RC1005J101CS"
                                           << "100 Ω ±5 % (Samsung RC), 0402";
        QTest::newRow("jumper") << "RC0603J000CS"
                                << "0 Ω jumper (Samsung RC), 0201";
        QTest::newRow("an unknown packing") << "RC1608F103XX"
                                            << "not read";
    }
    void samsung() { check(); }

    void rohm_data()
    {
        columns();
        QTest::newRow("MCR03, FX") << "MCR03EZPFX1002"
                                   << "10000 Ω ±1 % (ROHM MCR), unknown series EZP";
        QTest::newRow("MCR01, J") << "MCR01MZPJ103"
                                  << "10000 Ω ±5 % (ROHM MCR), unknown series MZP";
        QTest::newRow("MCR jumper") << "MCR03EZPJ000"
                                    << "0 Ω jumper (ROHM MCR), unknown series EZP";
        QTest::newRow("ESR, J") << "ESR03EZPJ103"
                                << "10000 Ω ±5 % (ROHM ESR), unknown series EZP";
        QTest::newRow("ESR, F") << "ESR10EZPF1002"
                                << "10000 Ω ±1 % (ROHM ESR), unknown series EZP";
        QTest::newRow("four digits after J") << "MCR03EZPJ1002"
                                             << "not read";
    }
    void rohm() { check(); }

    void uniOhm_data()
    {
        columns();
        QTest::newRow("E96")
            << "0603WAF1002T5E"
            << "10000 Ω ±1 % (UniOhm/Royalohm), 0603, unknown packaging 5, unknown special E";
        QTest::newRow("E24 with its leading 0")
            << "0603WAJ0103T5E"
            << "10000 Ω ±5 % (UniOhm/Royalohm), 0603, unknown packaging 5, unknown special E";
        QTest::newRow("J as ×0.1")
            << "0603SAF750JT5E"
            << "75 Ω ±1 % (UniOhm/Royalohm), 0603, unknown packaging 5, unknown special E";
        QTest::newRow("K as ×0.01")
            << "1206S4F226KT5E"
            << "2.26 Ω ±1 % (UniOhm/Royalohm), 1206, unknown packaging 5, unknown special E";
        QTest::newRow("Royalohm's quantity A")
            << "0402WGF1183TA0"
            << "118000 Ω ±1 % (UniOhm/Royalohm), 0402, unknown packaging A, unknown special 0";
        QTest::newRow("jumper")
            << "0603WA00000T5E"
            << "0 Ω jumper (UniOhm/Royalohm), 0603, unknown packaging 5, unknown special E";
    }
    void uniOhm() { check(); }

    void walsin_data()
    {
        columns();
        QTest::newRow("±1 %") << "WR06X1002FTL"
                              << "10000 Ω ±1 % (Walsin WR)";
        QTest::newRow("±5 %") << "WR04X103JTL"
                              << "10000 Ω ±5 % (Walsin WR)";
        QTest::newRow("type W, R as the point") << "WR04W1R00FTL"
                                                << "1 Ω ±1 % (Walsin WR)";
        QTest::newRow("jumper") << "WR04X000PTL"
                                << "0 Ω jumper (Walsin WR)";
        QTest::newRow("a value beside the jumper code") << "WR04X103PTL"
                                                        << "not read";
    }
    void walsin() { check(); }

    void bourns_data()
    {
        columns();
        QTest::newRow("±1 %") << "CR0603-FX-1002ELF"
                              << "10000 Ω ±1 % (Bourns CR), 0603";
        QTest::newRow("±5 %") << "CR0603-JW-103ELF"
                              << "10000 Ω ±5 % (Bourns CR), 0603";
        QTest::newRow("the older form") << "CR1210-FX-8252-E"
                                        << "82500 Ω ±1 % (Bourns CR), 1210, unknown size 1210";
        QTest::newRow("±5 %, R as the point") << "CR0603-JW-4R7ELF"
                                              << "4.7 Ω ±5 % (Bourns CR), 0603";
        QTest::newRow("±1 %, R as the point") << "CR0805-FX-24R3GLF"
                                              << "24.3 Ω ±1 % (Bourns CR), 0805";
        QTest::newRow("three figures at ±1 %") << "CR0603-FX-103ELF"
                                               << "not read";
        QTest::newRow("four figures at ±5 %") << "CR0603-JW-1002ELF"
                                              << "not read";
        QTest::newRow("jumper") << "CR0603-J/-000ELF"
                                << "0 Ω jumper (Bourns CR), 0603";
    }
    void bourns() { check(); }

    void vishay_data()
    {
        columns();
        QTest::newRow("CRCW, the key's example") << "CRCW0603562RFKEA"
                                                 << "562 Ω ±1 % (Vishay CRCW), 0603";
        QTest::newRow("CRCW, the jumper example") << "CRCW06030000Z0EA"
                                                  << "0 Ω jumper (Vishay CRCW), 0603";
        QTest::newRow("CRCW-P, the key's example") << "CRCW0402100RDHEDP"
                                                   << "100 Ω ±0.5 % (Vishay CRCW), 0402";
        QTest::newRow("CRCW, K as the point, 200 ppm") << "crcw080549k9jnea"
                                                       << "49900 Ω ±5 % (Vishay CRCW), 0805";
        QTest::newRow("CRCW, mega") << "CRCW12061M00FKEA"
                                    << "1000000 Ω ±1 % (Vishay CRCW), 1206";
        QTest::newRow("a suffix the revision does not list") << "CRCW08050000Z0EAHP"
                                                             << "0 Ω jumper (Vishay CRCW), 0805, "
                                                                "unknown special HP";
        QTest::newRow("a packaging it does not list") << "CRCW060310K0FKEB"
                                                      << "10000 Ω ±1 % (Vishay CRCW), 0603, "
                                                         "unknown packaging EB";
        QTest::newRow("a size it does not list") << "CRCW020110K0FKED"
                                                 << "10000 Ω ±1 % (Vishay CRCW), 0201, "
                                                    "unknown size 0201";
        QTest::newRow("a jumper at 1 %") << "CRCW06030000FKEA"
                                         << "0 Ω jumper (Vishay CRCW), 0603, unknown tolerance F";
        QTest::newRow("a value at the jumper's tolerance") << "CRCW0603562RZ0EA"
                                                           << "not read";
        QTest::newRow("three characters of value") << "CRCW060310KFKEA"
                                                   << "not read";
        QTest::newRow("CRCW-P at 5 %") << "CRCW0402100RJHEDP"
                                       << "not read";
        QTest::newRow("TNPW, the key's example") << "TNPW12061K32DEEA"
                                                 << "1320 Ω ±0.5 % (Vishay TNPW), 1206";
        QTest::newRow("TNPW, 0.1 %, single lot") << "TNPW040254R1BYED0H"
                                                 << "54.1 Ω ±0.1 % (Vishay TNPW), 0402";
        QTest::newRow("TNPW, packaging EN") << "TNPW060310K0FEEN"
                                            << "10000 Ω ±1 % (Vishay TNPW), 0603, "
                                               "unknown packaging EN";
        QTest::newRow("TNPW, a tolerance it does not list") << "TNPW060310K0AEEA"
                                                            << "not read";
    }
    void vishay() { check(); }

    void stackpole_data()
    {
        columns();
        QTest::newRow("RMCF, the key's example") << "RMCF0603JT4K70"
                                                 << "4700 Ω ±5 % (Stackpole RMCF), 0603";
        QTest::newRow("RMCF, R as the point") << "RMCF0402JT470R"
                                              << "470 Ω ±5 % (Stackpole RMCF), 0402";
        QTest::newRow("RMCF, above the table's range") << "RMCF0805JT22M0"
                                                       << "22000000 Ω ±5 % (Stackpole RMCF), 0805";
        QTest::newRow("RMCF, 0.1 Ω at 1 %, 10 inch") << "RMCF1206FGR100"
                                                     << "0.1 Ω ±1 % (Stackpole RMCF), 1206";
        QTest::newRow("RMCF, jumper") << "RMCF0603ZT0R00"
                                      << "0 Ω jumper (Stackpole RMCF), 0603";
        QTest::newRow("RMCF, 01005") << "RMCF01005JT10K0"
                                     << "10000 Ω ±5 % (Stackpole RMCF), 01005";
        QTest::newRow("RMCP") << "RMCP2512FT1R00"
                              << "1 Ω ±1 % (Stackpole RMCP), 2512";
        QTest::newRow("RMCP has no 01005") << "RMCP01005JT10K0"
                                           << "not read";
        QTest::newRow("a value at Z") << "RMCF0603ZT10K0"
                                      << "not read";
        QTest::newRow("a value of three characters") << "RMCF0603FT10K"
                                                     << "not read";
    }
    void stackpole() { check(); }

    void te_data()
    {
        columns();
        QTest::newRow("the key's example") << "CRG0603J1K0"
                                           << "1000 Ω ±5 % (TE CRG), 0603";
        QTest::newRow("1 %, three figures") << "CRG0402F100K"
                                            << "100000 Ω ±1 % (TE CRG), 0402";
        QTest::newRow("R as the point") << "CRG0805F4R7"
                                        << "4.7 Ω ±1 % (TE CRG), 0805";
        QTest::newRow("mega alone") << "CRG1206J1M"
                                    << "1000000 Ω ±5 % (TE CRG), 1206";
        QTest::newRow("2010, not among the sizes to order") << "CRG2010F10K"
                                                            << "10000 Ω ±1 % (TE CRG), 2010, "
                                                               "unknown size 2010";
        QTest::newRow("a jumper the key has no code for") << "CRG0402ZR"
                                                          << "not read";
    }
    void te() { check(); }

    // Sizes by both their names; 2512 has two metric names.
    void sizesHaveTheirTwins_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("asInch");   // its metric twin, "" for none
        QTest::addColumn<QString>("asMetric"); // its inch twin, "" for none
        QTest::newRow("0603, both") << "0603"
                                    << "1608"
                                    << "0201";
        QTest::newRow("0402, both") << "0402"
                                    << "1005"
                                    << "01005";
        QTest::newRow("1608, metric alone") << "1608"
                                            << ""
                                            << "0603";
        QTest::newRow("6332") << "6332"
                              << ""
                              << "2512";
        QTest::newRow("6432, as Samsung writes it") << "6432"
                                                    << ""
                                                    << "2512";
        QTest::newRow("01005") << "01005"
                               << "0402"
                               << "";
        QTest::newRow("no size") << "0207"
                                 << ""
                                 << "";
    }
    void sizesHaveTheirTwins()
    {
        QFETCH(QString, code);
        QFETCH(QString, asInch);
        QFETCH(QString, asMetric);
        const std::string text = code.toStdString();
        const auto inch = sizeOfInch(text);
        const auto metric = sizeOfMetric(text);
        QCOMPARE(inch ? fromView(inch->metric) : QString(), asInch);
        QCOMPARE(metric ? fromView(metric->inch) : QString(), asMetric);
    }

    void noKeyNoReading_data()
    {
        columns();
        // Keys not to hand: read by no guess.
        QTest::newRow("Stackpole RNCP") << "RNCP0805FTD1K00"
                                        << "not read";
        QTest::newRow("Yageo MFR") << "MFR-25FBF52-10K"
                                   << "not read";
        QTest::newRow("a distributor's number") << "311-10.0KHRCT-ND"
                                                << "not read";
        QTest::newRow("empty") << ""
                               << "not read";
    }
    void noKeyNoReading() { check(); }

private:
    static void check()
    {
        QFETCH(QString, partNumber);
        QFETCH(QString, reading);
        QCOMPARE(readingOf(partNumber), reading);
    }
};

QTEST_GUILESS_MAIN(PartNumbersTest)
#include "test_part_numbers.moc"
