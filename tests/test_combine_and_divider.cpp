// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeCommandRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using ohmilka::cli::Language;

namespace {
QStringList words(const QString &line)
{
    return line.split(u' ', Qt::SkipEmptyParts);
}

QJsonObject jsonLine(const QString &out, int index)
{
    return QJsonDocument::fromJson(out.split(u'\n').value(index).toUtf8()).object();
}
} // namespace

class CombineAndDividerTest : public QObject
{
    Q_OBJECT

private slots:
    void answersAreWrittenAsUsersReadThem_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("czech");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::newRow("two of a kind beat two values")
            << "combine 9k --series E12 --parts 2" << false
            << "2 resistors: 18 kΩ ‖ 18 kΩ = 9 kΩ, 0 % (8.1–9.9 kΩ)" << 0;
        QTest::newRow("a tie goes to the smaller part")
            << "combine 4.7k --parts 1 --exclude 4k7" << false
            << "1 resistor: 4.3 kΩ, −8.51 % (4.085–4.515 kΩ)" << 0;
        QTest::newRow("Czech, three parts, a parallel branch")
            << "combine 1234 --series E12 --lang cs" << true
            << "3 odpory: 1,2 kΩ + 68 Ω ‖ 68 Ω = 1,234 kΩ, 0 % (1,1106–1,3574 kΩ)" << 0;
        QTest::newRow("none within") << "combine 15.4k --series E6 --parts 1 --within 0.1" << false
                                     << "1 resistor: 15 kΩ, −2.6 % (12–18 kΩ)" << 1;
        QTest::newRow("one within")
            << "combine 15.4k --series E6 --within 0.5" << false
            << "2 resistors: 330 Ω + 15 kΩ = 15.33 kΩ, −0.455 % (12.264–18.396 kΩ)" << 0;
        QTest::newRow("ratio") << "divider --ratio 0.25 --series E12 --count 1" << false
                               << "top 10 kΩ, bottom 3.3 kΩ: 0.24812, −0.752 % (0.212598–0.287411)"
                               << 0;
        QTest::newRow("unloaded, Czech, with its current and power")
            << "divider --vin 5 --vout 3V3 --count 1 --lang cs" << true
            << "horní 4,7 kΩ, dolní 9,1 kΩ: 3,2971 V, −0,0878 % (3,18299–3,40763 V), 362 µA: horní "
               "617 µW, dolní 1,19 mW"
            << 0;
        QTest::newRow("regulator, none within")
            << "divider --vref 0.8 --vout 3.3 --series E96 --total 10k..1M --count 1 --within 0.5"
            << false
            << "top 35.7 kΩ, bottom 11.5 kΩ: 3.28348 V, −0.501 % (3.2343–3.33365 V), 69.9 µA: top "
               "175 µW, bottom 56.2 µW"
            << 1;
    }
    void answersAreWrittenAsUsersReadThem()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, czech);
        QFETCH(QString, line);
        QFETCH(int, status);
        const CodeCommandResult result =
            runCodeCommand(words(arguments), czech ? Language::Czech : Language::English);
        QVERIFY2(result.out.split(u'\n').contains(line), qPrintable(result.out));
        QCOMPARE(result.status, status);
        // Nothing near enough is said, as every failure is.
        QCOMPARE(result.err.startsWith(QStringLiteral("ohmilka-code: no answer is within ±")),
                 status == 1);
    }

    void usageErrorsAreNamed_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero") << "combine 0"
                              << "combine needs a value above 0 Ω";
        QTest::newRow("five parts") << "combine 1k --parts 5"
                                    << "--parts: '5' is no number from 1 to 4";
        QTest::newRow("two series") << "combine 1k --series E12,E24"
                                    << "--series: combine takes one series";
        QTest::newRow("stock and series") << "combine 1k --stock x --series E12"
                                          << "--stock and --series: give one of them";
        QTest::newRow("no divider asked") << "divider"
                                          << "divider asks for one of";
        QTest::newRow("two asks") << "divider --ratio 0.5 --vin 5 --vout 3"
                                  << "divider asks for one of";
        QTest::newRow("ratio of 1") << "divider --ratio 1"
                                    << "--ratio: '1' is no ratio above 0";
        QTest::newRow("output above input") << "divider --vin 3 --vout 5"
                                            << "--vout must be below --vin";
        QTest::newRow("output below reference") << "divider --vref 1.25 --vout 1"
                                                << "--vout must be above --vref";
        QTest::newRow("ohms for volts") << "divider --vin 5R --vout 3"
                                        << "--vin: '5R' is no voltage";
        QTest::newRow("reference tolerance alone") << "divider --ratio 0.5 --vref-tolerance 1"
                                                   << "--vref-tolerance goes with --vref";
        QTest::newRow("total upside down") << "divider --ratio 0.5 --total 1M..10k"
                                           << "--total: '1M..10k' ends below its start";
        QTest::newRow("everything excluded") << "combine 1k --stock - --exclude 1k"
                                             << "--exclude leaves no value";
        QTest::newRow("stock without a value column")
            << "combine 1k --stock - --parts 1"
            << "--stock: standard input:1: the header names";
        QTest::newRow("within in words") << "combine 1k --within lots"
                                         << "--within: 'lots' is no number of percent";
    }
    void usageErrorsAreNamed()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, message);
        // Standard input as --stock -: a list of one value, or a table with none.
        const std::string input = message.contains("header") ? "Ref,Qty\nR1,10k\n" : "1k\n";
        const CodeCommandResult result = runCodeCommand(words(arguments), Language::English, input);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.startsWith("ohmilka-code: " + message), qPrintable(result.err));
    }

    void listsReadADecimalCommaWhereItNamesAPart_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("stock"); // standard input, for --stock -
        QTest::addColumn<QString>("line");  // of the answers; none for a refusal
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("status");
        QTest::newRow("4,7k is a part of E24; 4 Ω is none")
            << "combine 9,4k --exclude 4,7k --parts 2"
            << ""
            << "2 resistors: 300 Ω + 9.1 kΩ = 9.4 kΩ, 0 % (8.93–9.87 kΩ)"
            << "" << 0;
        QTest::newRow("100,220: three digits after the comma, two values")
            << "combine 320 --exclude 100,220 --parts 2 --series E12"
            << ""
            << "2 resistors: 470 Ω ‖ 1 kΩ = 319.728 Ω, −0.085 % (287.755–351.701 Ω)"
            << "" << 0;
        QTest::newRow("1,2k: both readings are parts")
            << "combine 9.4k --exclude 1,2k"
            << ""
            << ""
            << "ohmilka-code: --exclude: '1,2k' may be 1.2 kΩ or 1 Ω and 2 kΩ; write 1.2k or 1;2k\n"
            << 2;
        QTest::newRow("neither reading is a part: named")
            << "combine 10k --exclude 4,3k --series E6 --parts 1"
            << ""
            << "1 resistor: 10 kΩ, 0 % (8–12 kΩ)"
            << "ohmilka-code: --exclude: 4 Ω is none of E6, 1 Ω to 10 MΩ; it leaves nothing out\n"
               "ohmilka-code: --exclude: 3 kΩ is none of E6, 1 Ω to 10 MΩ; it leaves nothing out\n"
            << 0;
        QTest::newRow("semicolons and spaces part values too")
            << "combine 9.4k --exclude 4k7;9k1 --parts 1"
            << ""
            << "1 resistor: 10 kΩ, +6.38 % (9.5–10.5 kΩ)"
            << "" << 0;
        QTest::newRow("a stock's part, in Czech")
            << "combine 9,4k --stock - --exclude 4,7k --parts 1 --lang cs"
            << "4k7\n10k\n"
            << "1 odpor: 10 kΩ, +6,38 %"
            << "" << 0;
        QTest::newRow("no part of the stock")
            << "combine 9.4k --stock - --exclude 2k2 --parts 1"
            << "4k7\n10k\n"
            << "1 resistor: 10 kΩ, +6.38 %"
            << "ohmilka-code: --exclude: 2.2 kΩ is none of the 2 values in standard input; it "
               "leaves nothing out\n"
            << 0;
    }
    void listsReadADecimalCommaWhereItNamesAPart()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, stock);
        QFETCH(QString, line);
        QFETCH(QString, err);
        QFETCH(int, status);
        const CodeCommandResult result = runCodeCommand(
            words(arguments), arguments.contains("--lang cs") ? Language::Czech : Language::English,
            stock.toStdString());
        QCOMPARE(result.err, err);
        QCOMPARE(result.status, status);
        if (!line.isEmpty())
            QVERIFY2(result.out.split(u'\n').contains(line), qPrintable(result.out));
    }

    void dividersAreOnesADesignerBuilds_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("first"); // the first answer's line
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("status");
        QTest::newRow("a regulator's current is the output's")
            << "divider --vref 0.8 --vout 3.3 --count 1"
            << ""
            << "top 75 kΩ, bottom 24 kΩ: 3.3 V, 0 % (3.0619–3.56316 V), 33.3 µA: top 83.3 µW, "
               "bottom 26.7 µW"
            << "" << 0;
        QTest::newRow("a stock sets its own totals")
            << "divider --ratio 0.5 --stock - --count 1"
            << "10\n22\n"
            << "top 10 Ω, bottom 10 Ω: 0.5, 0 % (0.495–0.505)"
            << "" << 0;
        QTest::newRow("no pair in the total: the nearest named")
            << "divider --ratio 0.5 --total 1..1.5"
            << ""
            << ""
            << "ohmilka-code: --total: no two values of E24, 1 Ω to 10 MΩ add up to 1 Ω to 1.5 Ω; "
               "the nearest total is 2 Ω\n"
            << 1;
        QTest::newRow("no pair of a stock in the total")
            << "divider --ratio 0.5 --stock - --total 1M..2M"
            << "1k\n10k\n"
            << ""
            << "ohmilka-code: --total: no two values of the 2 values in standard input add up to "
               "1 MΩ to 2 MΩ; the nearest total is 20 kΩ\n"
            << 1;
    }
    void dividersAreOnesADesignerBuilds()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, stock);
        QFETCH(QString, first);
        QFETCH(QString, err);
        QFETCH(int, status);
        const CodeCommandResult result =
            runCodeCommand(words(arguments), Language::English, stock.toStdString());
        QCOMPARE(result.err, err);
        QCOMPARE(result.status, status);
        QCOMPARE(result.out.split(u'\n').value(1), first);
    }

    // --count answers: each a ratio of its own, every total within the default bounds.
    void everyCountedDividerHasARatioOfItsOwn()
    {
        const CodeCommandResult result =
            runCodeCommand(words("divider --ratio 0.5 --series E12 --count 20 --json"));
        QCOMPARE(result.status, 0);
        QSet<double> ratios;
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 21); // the header, then the pairs
        for (int i = 1; i < lines.size(); ++i) {
            const QJsonObject pair = jsonLine(result.out, i);
            const double total = pair.value("top").toDouble() + pair.value("bottom").toDouble();
            QVERIFY2(total >= 1e3 && total <= 1e6, qPrintable(lines[i]));
            ratios.insert(pair.value("ratio").toDouble());
            QVERIFY(pair.contains("vout") && pair.value("vout").isNull());
            QVERIFY(pair.value("current_amperes").isNull());
        }
        QCOMPARE(ratios.size(), 20);
    }

    void combineJsonNamesPartsFormAndRange()
    {
        const CodeCommandResult result =
            runCodeCommand(words("combine 15.41k --series E24 --json --parts 3"));
        QCOMPARE(result.status, 0);
        const QJsonObject one = jsonLine(result.out, 1); // after the header
        QCOMPARE(one.value("parts").toArray(), QJsonArray({15000}));
        QCOMPARE(one.value("form").toString(), QString("a"));
        // Relative and signed, with at least 12 significant digits.
        const QString error =
            result.out.split(u'\n')[1].section("\"error\": ", 1).section(u',', 0, 0);
        QCOMPARE(error.toDouble(), (15000 - 15410) / 15410.0);
        QVERIFY2(error.count(QRegularExpression("[0-9]")) >= 13, qPrintable(error));
        QCOMPARE(one.value("min").toDouble(), 14250.0);
        QCOMPARE(one.value("max").toDouble(), 15750.0);
        const QJsonObject three = jsonLine(result.out, 3);
        QCOMPARE(three.value("count").toInt(), 3);
        QCOMPARE(three.value("parts").toArray().size(), 3);
        QVERIFY(std::fabs(three.value("ohms").toDouble() - 15410) <=
                std::fabs(three.value("error").toDouble()) * 15410 + 1e-9);
    }

    // A regulator's output range: every corner of the resistors' and the reference's intervals.
    void dividerRangeIsTheWorstCaseOfEveryCorner()
    {
        const CodeCommandResult result = runCodeCommand(
            words("divider --vref 1.25 --vout 5 --series E24 --vref-tolerance 2 --count 1 --json"));
        QCOMPARE(result.status, 0);
        const QJsonObject pair = jsonLine(result.out, 1);
        const double top = pair.value("top").toDouble(), bottom = pair.value("bottom").toDouble();
        QCOMPARE(pair.value("vout").toDouble(), 1.25 * (1 + top / bottom));
        double least = HUGE_VAL, most = 0;
        for (double t : {top * 0.95, top * 1.05})
            for (double b : {bottom * 0.95, bottom * 1.05})
                for (double vref : {1.25 * 0.98, 1.25 * 1.02}) {
                    least = std::min(least, vref * (1 + t / b));
                    most = std::max(most, vref * (1 + t / b));
                }
        QVERIFY(std::fabs(pair.value("min").toDouble() - least) <= 1e-12 * least);
        QVERIFY(std::fabs(pair.value("max").toDouble() - most) <= 1e-12 * most);
    }

    void stockTakesTheFittedResistorsOfAPartsList()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString list = folder.filePath("bom.csv");
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Reference,Value,Footprint,DNP\n"
                   "\"R1,R2\",10k,R_0603,\n"
                   "R3,4k7,R_0603,\n"
                   "R4,1k,R_0603,DNP\n"
                   "R5,0R,R_0603,\n"
                   "R6,10k,R_0603,\n"
                   "C1,100n,C_0603,\n");
        file.close();
        const CodeCommandResult result =
            runCodeCommand({"combine", "1k", "--stock", list, "--parts", "2"});
        QCOMPARE(result.status, 0);
        const QStringList lines = result.out.split(u'\n');
        QCOMPARE(lines.value(0), "1 kΩ from the 2 values in " + list + ":");
        QCOMPARE(lines.value(1), QString("1 resistor: 4.7 kΩ, +370 %"));
        QCOMPARE(lines.value(2), QString("2 resistors: 4.7 kΩ ‖ 4.7 kΩ = 2.35 kΩ, +135 %"));
        // A spreadsheet's parts list as well: 4k7, 5000, 5.0k (4.99 shown as 0.0"k") and 4.70
        // (4.7 shown as 0.00) are three values.
        const CodeCommandResult spreadsheet =
            runCodeCommand({"combine", "5k", "--stock",
                            OHMILKA_SOURCE_DIR "/tests/spreadsheets/bom.xlsx", "--parts", "1"});
        QVERIFY2(spreadsheet.out.contains("from the 3 values in") &&
                     spreadsheet.out.contains("1 resistor: 5 kΩ, 0 %"),
                 qPrintable(spreadsheet.out + spreadsheet.err));
        const CodeCommandResult divider =
            runCodeCommand({"divider", "--ratio", "0.5", "--stock", list, "--count", "1"});
        QVERIFY2(divider.out.contains("top 4.7 kΩ, bottom 4.7 kΩ: 0.5, 0 % (0.495–0.505)"),
                 qPrintable(divider.out));
    }
};

QTEST_GUILESS_MAIN(CombineAndDividerTest)
#include "test_combine_and_divider.moc"
