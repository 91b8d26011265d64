// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartNumbers.h"

#include <QTest>

using namespace ohmilka;
using namespace ohmilka::partslist;

namespace {
// "10 kΩ ±1 % (Yageo RC)", "0 Ω jumper (KOA RK73Z)", or "not read".
QString readingOf(const QString &partNumber)
{
    const std::optional<PartNumberReading> reading = readPartNumber(partNumber.toStdString());
    if (!reading)
        return QStringLiteral("not read");
    const QString ohms = QString::fromStdString(decimalText(reading->ohms, "."));
    const QString family =
        QString::fromUtf8(reading->family.data(), qsizetype(reading->family.size()));
    if (!reading->toleranceHundredths)
        return QStringLiteral("%1 Ω jumper (%2)").arg(ohms, family);
    return QStringLiteral("%1 Ω ±%2 % (%3)")
        .arg(ohms, QString::number(*reading->toleranceHundredths / 100.0), family);
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
                                               << "56 Ω ±1 % (Yageo RC)";
        QTest::newRow("RC, K as the point") << "RC0603FR-0710KL"
                                            << "10000 Ω ±1 % (Yageo RC)";
        QTest::newRow("RC, R inside") << "RC0402FR-0749R9L"
                                      << "49.9 Ω ±1 % (Yageo RC)";
        QTest::newRow("RC, mega") << "rc0603fr-0710ml"
                                  << "10000000 Ω ±1 % (Yageo RC)";
        QTest::newRow("RC, jumper") << "RC0402JR-070RL"
                                    << "0 Ω jumper (Yageo RC)";
        QTest::newRow("AC, embossed, 10 in") << "AC0603DK-1097R6L"
                                             << "97.6 Ω ±0.5 % (Yageo AC)";
        QTest::newRow("RT, TCR letter") << "RT0603BRD0710KL"
                                        << "10000 Ω ±0.1 % (Yageo RT)";
        QTest::newRow("RT, the key's example") << "RT0603DRE0756RL"
                                               << "56 Ω ±0.5 % (Yageo RT)";
        QTest::newRow("RC, no reel") << "RC0603FR-10KL"
                                     << "not read";
    }
    void yageo() { check(); }

    void panasonic_data()
    {
        columns();
        QTest::newRow("3E, no marking") << "ERJ-3EKF1001V"
                                        << "1000 Ω ±1 % (Panasonic ERJ)";
        QTest::newRow("2R, TCR letter") << "ERJ-2RKF2002X"
                                        << "20000 Ω ±1 % (Panasonic ERJ)";
        QTest::newRow("3G, marking, three digits") << "ERJ-3GEYJ103V"
                                                   << "10000 Ω ±5 % (Panasonic ERJ)";
        QTest::newRow("2G, jumper") << "ERJ-2GE0R00X"
                                    << "0 Ω jumper (Panasonic ERJ)";
        QTest::newRow("anti-surge, no hyphen") << "ERJP06D1002V"
                                               << "10000 Ω ±0.5 % (Panasonic ERJ)";
        QTest::newRow("R as the point") << "ERJ-3EKF49R9V"
                                        << "49.9 Ω ±1 % (Panasonic ERJ)";
        QTest::newRow("a tolerance no key has") << "ERJ-3EKQ1001V"
                                                << "not read";
    }
    void panasonic() { check(); }

    void koa_data()
    {
        columns();
        QTest::newRow("RK73H") << "RK73H1JTTD1002F"
                               << "10000 Ω ±1 % (KOA RK73)";
        QTest::newRow("RK73B") << "RK73B1JTTD103J"
                               << "10000 Ω ±5 % (KOA RK73)";
        QTest::newRow("RK73B, 11 Ω") << "RK73B2BTTD110J"
                                     << "11 Ω ±5 % (KOA RK73)";
        QTest::newRow("RK73Z is a jumper") << "RK73Z1JTTD"
                                           << "0 Ω jumper (KOA RK73Z)";
        QTest::newRow("RN73 with its TCR") << "RN732BTTD2002B25"
                                           << "20000 Ω ±0.1 % (KOA RN73)";
        QTest::newRow("RK73H with a ±5 % letter") << "RK73H1JTTD1002J"
                                                  << "not read";
    }
    void koa() { check(); }

    void samsung_data()
    {
        columns();
        QTest::newRow("three digits at ±1 %") << "RC1608F103CS"
                                              << "10000 Ω ±1 % (Samsung RC)";
        QTest::newRow("four digits") << "RC1608F3302CS"
                                     << "33000 Ω ±1 % (Samsung RC)";
        QTest::newRow("the key's example") << "RC1005J101CS"
                                           << "100 Ω ±5 % (Samsung RC)";
        QTest::newRow("jumper") << "RC0603J000CS"
                                << "0 Ω jumper (Samsung RC)";
        QTest::newRow("an unknown packing") << "RC1608F103XX"
                                            << "not read";
    }
    void samsung() { check(); }

    void rohm_data()
    {
        columns();
        QTest::newRow("MCR03, FX") << "MCR03EZPFX1002"
                                   << "10000 Ω ±1 % (ROHM MCR)";
        QTest::newRow("MCR01, J") << "MCR01MZPJ103"
                                  << "10000 Ω ±5 % (ROHM MCR)";
        QTest::newRow("MCR jumper") << "MCR03EZPJ000"
                                    << "0 Ω jumper (ROHM MCR)";
        QTest::newRow("ESR, J") << "ESR03EZPJ103"
                                << "10000 Ω ±5 % (ROHM ESR)";
        QTest::newRow("ESR, F") << "ESR10EZPF1002"
                                << "10000 Ω ±1 % (ROHM ESR)";
        QTest::newRow("four digits after J") << "MCR03EZPJ1002"
                                             << "not read";
    }
    void rohm() { check(); }

    void uniOhm_data()
    {
        columns();
        QTest::newRow("E96") << "0603WAF1002T5E"
                             << "10000 Ω ±1 % (UniOhm/Royalohm)";
        QTest::newRow("E24 with its leading 0") << "0603WAJ0103T5E"
                                                << "10000 Ω ±5 % (UniOhm/Royalohm)";
        QTest::newRow("J as ×0.1") << "0603SAF750JT5E"
                                   << "75 Ω ±1 % (UniOhm/Royalohm)";
        QTest::newRow("K as ×0.01") << "1206S4F226KT5E"
                                    << "2.26 Ω ±1 % (UniOhm/Royalohm)";
        QTest::newRow("Royalohm's quantity A") << "0402WGF1183TA0"
                                               << "118000 Ω ±1 % (UniOhm/Royalohm)";
        QTest::newRow("jumper") << "0603WA00000T5E"
                                << "0 Ω jumper (UniOhm/Royalohm)";
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
                              << "10000 Ω ±1 % (Bourns CR)";
        QTest::newRow("±5 %") << "CR0603-JW-103ELF"
                              << "10000 Ω ±5 % (Bourns CR)";
        QTest::newRow("the older form") << "CR1210-FX-8252-E"
                                        << "82500 Ω ±1 % (Bourns CR)";
        QTest::newRow("jumper") << "CR0603-J/-000ELF"
                                << "0 Ω jumper (Bourns CR)";
    }
    void bourns() { check(); }

    void noKeyNoReading_data()
    {
        columns();
        // Keys not to hand: read by no guess.
        QTest::newRow("Stackpole") << "RMCF0402JT470R"
                                   << "not read";
        QTest::newRow("Vishay") << "CRCW060310K0FKEA"
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
