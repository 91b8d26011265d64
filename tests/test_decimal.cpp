// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Decimal.h"

#include "EngineText.h"

#include <QTest>

using namespace ohmilka;

namespace {
QString text(std::optional<Decimal> value)
{
    return value ? fromView(decimalText(*value, ".")) : QStringLiteral("none");
}
} // namespace

// Values as people write them, read exactly, and those that read no clear way.
class TestDecimal : public QObject
{
    Q_OBJECT

private slots:
    void readsValuesAsPeopleWriteThem_data();
    void readsValuesAsPeopleWriteThem();
    void refusesValuesThatAreNotClear_data();
    void refusesValuesThatAreNotClear();
};

void TestDecimal::readsValuesAsPeopleWriteThem_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("ohms");
    for (const char *form : {"4700", "4k7", "4K7", "4,7k", "4.7k", "4.7 kΩ", "4.7kohm",
                             "4.7 k\u2126", "4.7e3", "4.700k", " 4k7 "})
        QTest::newRow(form) << form << "4700";
    QTest::newRow("470R") << "470R"
                          << "470";
    QTest::newRow("0R22") << "0R22"
                          << "0.22";
    QTest::newRow("R22") << "R22"
                         << "0.22";
    QTest::newRow("milliohm") << "220m"
                              << "0.22";
    QTest::newRow("1M") << "1M"
                        << "1000000";
    QTest::newRow("2M2") << "2M2"
                         << "2200000";
    QTest::newRow("1G") << "1G"
                        << "1000000000";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("two decimals") << "4,75"
                                  << "4.75";
    QTest::newRow("negative exponent") << "47e-3"
                                       << "0.047";
    // After a leading 0, or with no digit before it, a mark never parts thousands.
    QTest::newRow("shunt 0.010") << "0.010"
                                 << "0.01";
    QTest::newRow("shunt .976") << ".976"
                                << "0.976";
    QTest::newRow("shunt 0,015 Ω") << "0,015 Ω"
                                   << "0.015";
    QTest::newRow("SPICE mega") << "10meg"
                                << "10000000";
    QTest::newRow("SPICE mega in capitals") << "1MEG"
                                            << "1000000";
    QTest::newRow("milliohm with R") << "100mR"
                                     << "0.1";
    QTest::newRow("kOhm") << "10 kOhm"
                          << "10000";
    QTest::newRow("an ohm mark after a prefix mark") << "1K07R"
                                                     << "1070";
}

void TestDecimal::readsValuesAsPeopleWriteThem()
{
    QFETCH(QString, written);
    QFETCH(QString, ohms);
    const ParsedValue parsed = parseValue(written.toStdString());
    QCOMPARE(text(parsed.value), ohms);
}

void TestDecimal::refusesValuesThatAreNotClear_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("problem");
    QTest::newRow("empty") << "  " << int(ValueProblem::Empty);
    QTest::newRow("negative") << "-4k7" << int(ValueProblem::Negative);
    QTest::newRow("two prefixes") << "4k7k" << int(ValueProblem::SeveralPrefixes);
    QTest::newRow("prefix on prefix") << "4.7kM" << int(ValueProblem::SeveralPrefixes);
    QTest::newRow("thousands comma") << "1,000" << int(ValueProblem::Ambiguous);
    QTest::newRow("thousands point") << "4.700" << int(ValueProblem::Ambiguous);
    QTest::newRow("thousands comma after 4") << "4,700" << int(ValueProblem::Ambiguous);
    QTest::newRow("thousands after 10") << "10.000 ohm" << int(ValueProblem::Ambiguous);
    QTest::newRow("garbage") << "abc" << int(ValueProblem::NotAValue);
    QTest::newRow("trailing garbage") << "4k7x" << int(ValueProblem::NotAValue);
    QTest::newRow("mark without digits") << "4." << int(ValueProblem::NotAValue);
    QTest::newRow("E is an exponent, not an ohm mark") << "330E" << int(ValueProblem::NotAValue);
    QTest::newRow("an ohm mark after one") << "0R22R" << int(ValueProblem::NotAValue);
    QTest::newRow("huge exponent") << "1e999" << int(ValueProblem::OutOfRange);
    QTest::newRow("too many digits") << "1234567890123456789" << int(ValueProblem::TooManyDigits);
}

void TestDecimal::refusesValuesThatAreNotClear()
{
    QFETCH(QString, written);
    QFETCH(int, problem);
    const ParsedValue parsed = parseValue(written.toStdString());
    QVERIFY2(!parsed.value, qPrintable(text(parsed.value)));
    QCOMPARE(int(parsed.problem), problem);
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "test_decimal.moc"
