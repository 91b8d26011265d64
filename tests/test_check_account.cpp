// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeCommandRun.h"
#include "Designators.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

// Every resistor a list or a design names is checked, not fitted, left out of the BOM, or named
// as not read; a file that names resistors and reads none of them never passes.
class TestCheckAccount : public QObject
{
    Q_OBJECT

private slots:
    void everyResistorIsAccountedFor_data();
    void everyResistorIsAccountedFor();
    void linesAboveAHeaderAreLookedOver_data();
    void linesAboveAHeaderAreLookedOver();
    void resistorsNotReadHaveTheirObject();
    void resistorsNotReadBeyondTheBoundAreCounted();
    void resistorsLeftOutOfTheBomAreNamedOnce();
    void aReferenceOnTwoSheetsIsNamed();
    void referencesListedAgainAreOneOrTwoParts_data();
    void referencesListedAgainAreOneOrTwoParts();
    void listsWithoutAHeaderAreRead_data();
    void listsWithoutAHeaderAreRead();
    void htmlPagesAreReadByTheirTables();
    void designatorsAreTheResistorsTheyName_data();
    void designatorsAreTheResistorsTheyName();

private:
    static CodeCommandResult check(const QStringList &options, const QString &input)
    {
        return runCodeCommand(QStringList{QStringLiteral("check")} + options,
                              ohmilka::cli::Language::English, input.toStdString());
    }
};

void TestCheckAccount::everyResistorIsAccountedFor_data()
{
    QTest::addColumn<QString>("input"); // read as CSV
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("summary");
    // Order numbers that look like designators are never the references, and the resistors
    // stand under a label with a typing error, read for what it is one letter from.
    QTest::newRow("order numbers beside a misspelt label")
        << "Value,LCSC,Desginator,Qty\n10k,C25804,\"R1,R2\",2\n100n,C14663,C1,1\n"
           "4k7,C23162,R3,1\n"
        << 0 << ""
        << "checked 2: 2 in series, 0 outside, 0 unreadable; 0 not fitted, 1 other part "
           "skipped";
    QTest::newRow("LCSC's numbers under a label the table does not hold")
        << "Value,Lieferant,Bezug,Qty\n10k,C25804,\"R1,R2\",2\n100n,C14663,C1,1\n"
        << 0 << ""
        << "checked 1: 1 in series, 0 outside, 0 unreadable; 0 not fitted, 1 other part "
           "skipped";
    QTest::newRow("a header of labels the table does not hold")
        << "Ware,Code,Posten\n10k,C25804,\"R1,R2\"\n"
        << 2 << "-:2: R1, R2: not read: no header names a column of values\n"
        << "; 2 resistors not read";
    QTest::newRow("a file that names resistors and checks none")
        << "Ref,Qty\nR1,1\nR2,1\nC1,1\n"
        << 2 << "-:2: R1, R2: not read: no header names a column of values\n"
        << "; 2 resistors not read";
    QTest::newRow("a second column of references, one per board")
        << "Designator 1,Value,Designator 2\nR1,10k,R101\nR2,4k7,R102\n"
        << 2
        << "-:2: R101, R102: not read: the column 'Designator 2' was not taken for references\n"
        << "checked 2: 2 in series, 0 outside, 0 unreadable; 0 not fitted, 0 other parts "
           "skipped; 2 resistors not read";
    QTest::newRow("the same resistors in two columns") << "Ref,Value,Pos\nR1,10k,R1\nR2,4k7,R2\n"
                                                       << 0 << ""
                                                       << "checked 2: 2 in series";
    QTest::newRow("a range that names a resistor of another column")
        << "Ref,Value,Note\nR1-R4,10k,\nC1,100n,R2\n"
        << 0 << ""
        << "checked 1: 1 in series";
    QTest::newRow("every resistor not fitted")
        << "Ref,Value\nR1,DNP\nR2,DNP\n"
        << 0 << ""
        << "checked 0: 0 in series, 0 outside, 0 unreadable; 2 not fitted";
    QTest::newRow("a resistor without a value is a part")
        << "Ref,Value,Footprint\nR1,10k,R_0603\nR2,,\n"
        << 2 << "-:3: R2: value '': it is empty\n"
        << "checked 2: 1 in series, 0 outside, 1 unreadable";
    // Eagle names packages R0603; values such as R10 are resistances, not designators.
    QTest::newRow("packages and values that look like designators")
        << "Part,Value,Package,Pkg,Description\nR1,R10,R0603,R0805,R47 sense\n"
           "R2,R47,R1206,R0402,R10\n"
        << 0 << ""
        << "checked 2: 2 in series";
    QTest::newRow("names of values in a library") << "Ref,Value,LibRef\nR1,10k,R10K\nR2,1M,R1M\n"
                                                  << 0 << ""
                                                  << "checked 2: 2 in series";
    QTest::newRow("each R? on its own, not annotated")
        << "Ref,Value\nR?,10k\nR?,5k\nR1,4k7\n"
        << 1
        << "-:2: R?: not annotated\n"
           "-:3: R?: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above; "
           "not annotated\n"
        << "checked 3: 2 in series, 1 outside, 0 unreadable; 0 not fitted, 0 other parts "
           "skipped; 2 not annotated";
    QTest::newRow("other designators of that form are other parts")
        << "Ref,Value\nU?,NE5532\nUSB_1,USB-C\n?1,x\n"
        << 0 << ""
        << "checked 0: 0 in series, 0 outside, 0 unreadable; 0 not fitted, 3 other parts";
    QTest::newRow("a resistor above the header")
        << "R9,R10\nRef,Value\nR1,10k\n"
        << 2 << "-:1: R9, R10: not read: they stand above the header\n"
        << "checked 1: 1 in series, 0 outside, 0 unreadable; 0 not fitted, 0 other parts "
           "skipped; 2 resistors not read";
    QTest::newRow("a total whose note names a resistor")
        << "Ref,Value,Note\nR1,10k,\nTotal:,,R2\n"
        << 2 << "-:3: R2: not read: the column 'Note' was not taken for references\n"
        << "; 1 resistor not read";
    QTest::newRow("a value run on beyond the header")
        << "Item,Qty,Reference,Part Name\n1,1,R20,RESISTOR-SMALL,1K\n2,2,R1 R2,RESISTOR-SMALL,20\n"
        << 0 << ""
        << "-: no label names a column of values; the values are read from column 5, which has "
           "no label";
    QTest::newRow("references wrapped onto the line below, as the quantity counts")
        << "Item,Quantity,Reference,Part\n1,5,\"R1,R2,R3,\",10k\n,,\"R4,R5\",\n2,1,R6,1k\n"
        << 0 << ""
        << "checked 2: 2 in series, 0 outside";
    QTest::newRow("references beyond the quantity are a part of their own")
        << "Item,Quantity,Reference,Part\n1,1,R1,10k\n,,R2,\n"
        << 2 << "-:3: R2: value '': it is empty\n"
        << "checked 2: 1 in series, 0 outside, 1 unreadable";
    QTest::newRow("a row taken for the header once more")
        << "Ref,Value\nR1,10k\nR2,Value\n"
        << 2 << "-:3: R2: not read: their row was not taken for a part\n"
        << "; 1 resistor not read";
}

void TestCheckAccount::everyResistorIsAccountedFor()
{
    QFETCH(QString, input);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, summary);
    const CodeCommandResult result = check({"--csv"}, input);
    QCOMPARE(result.out, out);
    QVERIFY2(result.err.contains(summary), qPrintable(result.err));
    QCOMPARE(result.status, status);
}

// Text lists, whose first lines decide whether they are tables: the rows dropped as titles above
// a header found further down are looked over too.
void TestCheckAccount::linesAboveAHeaderAreLookedOver_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    // Eagle's labels stand one space apart, under a title and an empty line.
    QTest::newRow("a title above Eagle's header")
        << "Partlist exported from board.sch\n\n"
           "Qty Value            Device       Parts\n"
           "3   1.5k/0.125W      R-EU_0204/5  R1, R2, R3\n"
           "1   22R/0.125W       R-EU_0204/5  R5\n"
           "8   TESTPAD3         TESTPAD3     #0, #1, #2\n"
        << 0 << "";
    QTest::newRow("Eagle's first columns one space apart")
        << "Partlist exported from board.sch\n\n"
           "Part Value        Device                Package      Description\n"
           "R101 10k          R(10K,75V,0.1W,0603)  R0603        Resistor\n"
           "C101 4u7          C(4.7UF,50V,0805)     C0805        Capacitor\n"
        << 0 << "";
    QTest::newRow("Protel's report: a word over a column's start, references wrapped")
        << "Bill of Material for board\n\n"
           " Comment             Pattern     Quantity  Designator\n"
           "--------------------------------------------------------------\n"
           " 10k                 0805 RESISTOR   8     R1, R3, R9, R10, R11, R12\n"
           "                                           R13, R14\n"
           " 1k                  0805          1     R2\n"
        << 0 << "";
    QTest::newRow("a title that names a revision")
        << "Board R2 rev A\nR7 is left off\nRef,Value\nR1,10k\n"
        << 0 << "";
    QTest::newRow("a row of cells above the header")
        << "R9;R10;\nRef;Value\nR1;10k\n"
        << 2 << "-:1: R9, R10: not read: they stand above the header\n";
}

void TestCheckAccount::linesAboveAHeaderAreLookedOver()
{
    QFETCH(QString, input);
    QFETCH(int, status);
    QFETCH(QString, out);
    const CodeCommandResult result = check({}, input);
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, status);
}

// A reference listed again is the part already checked where its row says the same (KiCad's
// grouped export), and another part, checked too, where it says otherwise (a second board).
void TestCheckAccount::referencesListedAgainAreOneOrTwoParts_data()
{
    QTest::addColumn<QString>("input"); // read as CSV
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("summary");
    QTest::newRow("a part listed again alike") << "Ref,Value\nR1,10k\nR1,10k\n"
                                               << 0 << ""
                                               << "checked 1: 1 in series";
    QTest::newRow("a group, then its parts one by one")
        << "Ref,Value,Footprint\n\"R1,R2\",10k,R_0603\nR1,10k,R_0603\nR2,10k,R_0603\n"
        << 0 << ""
        << "checked 1: 1 in series";
    QTest::newRow("two boards one after another")
        << "Ref,Value\nR1,10k\nR2,4k7\nRef,Value\nR1,10k\nR2,5k\nR3,1k\n"
        << 1 << "-:6: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
        << "checked 4: 3 in series, 1 outside";
    QTest::newRow("another footprint") << "Ref,Value,Footprint\nR1,10k,R_0603\nR1,10k,R_0805\n"
                                       << 0 << ""
                                       << "checked 2: 2 in series";
    QTest::newRow("another tolerance") << "Ref,Value,Tol\nR1,10k,5%\nR1,10k,1%\n"
                                       << 0 << ""
                                       << "checked 2: 2 in series";
    QTest::newRow("another part number")
        << "Ref,Value,MPN\nR1,10k,RC0603FR-0710KL\nR1,10k,RC0603JR-0710KL\n"
        << 0 << ""
        << "checked 2: 2 in series";
}

// The same columns, held the same way.
void TestCheckAccount::referencesListedAgainAreOneOrTwoParts()
{
    everyResistorIsAccountedFor();
}

// Rows that lead with their designators, under no header: a column of values beside them, or of
// descriptions, is read, and the report says which; counts, or a header further down, are not.
void TestCheckAccount::listsWithoutAHeaderAreRead_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("designators and values")
        << "R1,10k\nR2,5k\nC1,100n\n"
        << QStringList{} << 1
        << "-:2: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
        << "-: no header; the references are read from column 1, the values from column 2";
    QTest::newRow("values in the second of many columns")
        << "D1;RB751;DIODE;DigiKey;RB751-ND\nR2;510K;RESISTOR0603;DigiKey;311-510KGRCT-ND\n"
           "R3;100R;RESISTOR0603;DigiKey;311-100GRCT-ND\n"
        << QStringList{"--csv"} << 0 << ""
        << "checked 2: 2 in series, 0 outside, 0 unreadable; 0 not fitted, 1 other part";
    QTest::newRow("descriptions beside the designators, under a title")
        << "bom,supplier's example\nC1,1uF Capacitor 0603\n\"R1,R2\",5.1k Resistor 0603\n"
           "R3,10k Resistor 0603\n"
        << QStringList{"--csv"} << 0 << ""
        << "checked 2: 2 in series";
    QTest::newRow("a sheet that leaves its first column empty")
        << ",R1,10k\n,R2,4k7\n,C1,100n\n"
        << QStringList{"--csv"} << 0 << ""
        << "-: no header; the references are read from column 2, the values from column 3";
    QTest::newRow("counts are no values")
        << "R1,1\nR2,2\n"
        << QStringList{"--csv"} << 2
        << "-:1: R1, R2: not read: no header names a column of values\n"
        << "; 2 resistors not read";
    QTest::newRow("a header further down")
        << "R9,10k\nRef,Value\nR1,10k\n"
        << QStringList{"--csv"} << 2 << "-:1: R9: not read: they stand above the header\n"
        << "checked 1: 1 in series";
}

void TestCheckAccount::listsWithoutAHeaderAreRead()
{
    QFETCH(QString, input);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const CodeCommandResult result = check(options, input);
    QCOMPARE(result.out, out);
    QVERIFY2(result.err.contains(err), qPrintable(result.err));
    QCOMPARE(result.status, status);
}

// Proteus's HTML report and a README's table: each row located on the line its <tr> opens on;
// what stands outside the tables is no row.
void TestCheckAccount::htmlPagesAreReadByTheirTables()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("bom.htm").toStdString();
    std::ofstream(path) << "<HTML><HEAD><TITLE>Bill Of Materials For R1.DSN</TITLE></HEAD>\n"
                           "<BODY><TABLE>\n"
                           "<TR><TH>Quantity</TH><TH>References</TH><TH>Value</TH></TR>\n"
                           "<TR><TD>2</TD><TD>R1,R3</TD><TD>10k</TD></TR>\n"
                           "<TR>\n<TD>1</TD>\n<TD>R2</TD>\n<TD>5k &plusmn;5%</TD>\n</TR>\n"
                           "<TR><TD>1</TD><TD>R4</TD><TD>NA(4k7)</TD></TR>\n"
                           "</TABLE></BODY></HTML>\n";
    const CodeCommandResult result = check({QString::fromStdString(path)}, {});
    QCOMPARE(result.out, QString::fromStdString(path) +
                             ":5: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and "
                             "5.1 kΩ (+2 %) above\n");
    QVERIFY2(result.err.contains("checked 2: 1 in series, 1 outside, 0 unreadable; 1 not fitted"),
             qPrintable(result.err));
    QCOMPARE(result.status, 1);
}

void TestCheckAccount::resistorsNotReadHaveTheirObject()
{
    const CodeCommandResult result =
        check({"--csv", "--json"}, "Ref,Value,Notes,Qty\nR9,10k,\"R1,R2\",2\n");
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4); // columns, the part, the resistors not read, the summary
    const QJsonObject notRead = QJsonDocument::fromJson(lines[2].toUtf8()).object();
    QCOMPARE(notRead.value("result").toString(), "not_read");
    QCOMPARE(notRead.value("line").toInt(), 2);
    QCOMPARE(notRead.value("references").toVariant().toStringList(), QStringList({"R1", "R2"}));
    QCOMPARE(notRead.value("reason").toString(), "the column 'Notes' was not taken for references");
    QCOMPARE(notRead.value("text").toString(),
             "-:2: R1, R2: not read: the column 'Notes' was not taken for references");
    const QJsonObject summary = QJsonDocument::fromJson(lines[3].toUtf8()).object();
    QCOMPARE(summary.value("not_read").toInt(), 2);
    QCOMPARE(result.status, 2);
}

// A file that names more resistors not read than are kept names the first and counts the rest.
void TestCheckAccount::resistorsNotReadBeyondTheBoundAreCounted()
{
    constexpr int rows = (1 << 16) + 3;
    QString input = QStringLiteral("Ref,Value,Other\n");
    for (int row = 1; row <= rows; ++row)
        input += QStringLiteral("R%1,10k,R%2\n").arg(row).arg(row + 1000000);
    const CodeCommandResult result = check({"--csv", "--json"}, input);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    const QJsonObject notRead = QJsonDocument::fromJson(lines[lines.size() - 2].toUtf8()).object();
    QCOMPARE(notRead.value("result").toString(), "not_read");
    QCOMPARE(notRead.value("references").toArray().size(), 1 << 16);
    QCOMPARE(notRead.value("more").toInt(), 3);
    QVERIFY(notRead.value("text").toString().startsWith("-:2: R1000001–R1065536 and 3 more: "));
    const QJsonObject summary = QJsonDocument::fromJson(lines.last().toUtf8()).object();
    QCOMPARE(summary.value("not_read").toInt(), rows);
    QCOMPARE(result.status, 2);
}

// A part of several units is one resistor; each file's note names its own.
void TestCheckAccount::resistorsLeftOutOfTheBomAreNamedOnce()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("board.xml").toStdString();
    std::ofstream(path) << R"(<?xml version="1.0" encoding="UTF-8"?>
<export version="E">
  <components>
    <comp ref="R1"><value>10k</value></comp>
    <comp ref="R2"><value>10k</value><property name="exclude_from_bom"/></comp>
    <comp ref="R2"><value>10k</value><property name="exclude_from_bom"/></comp>
    <comp ref="R3"><value>10k</value><property name="exclude_from_bom"/></comp>
    <comp ref="TP1"><value>TP</value><property name="exclude_from_bom"/></comp>
  </components>
</export>
)";
    const CodeCommandResult result = check({QString::fromStdString(path)}, {});
    QCOMPARE(result.out,
             QString::fromStdString(path) + ": R2, R3: left out of the BOM, not checked\n");
    QVERIFY2(result.err.contains("checked 1: 1 in series, 0 outside, 0 unreadable; 0 not fitted, "
                                 "0 other parts skipped; 2 resistors left out of the BOM"),
             qPrintable(result.err));
    QCOMPARE(result.status, 0);
}

// Two sheets whose parts were annotated apart: the second R1 is another resistor, never dropped
// as a unit of the first; a part of two units on one sheet is one.
void TestCheckAccount::aReferenceOnTwoSheetsIsNamed()
{
    QTemporaryDir dir;
    const auto write = [&](const char *name, const std::string &text) {
        std::ofstream(dir.filePath(name).toStdString()) << text;
    };
    const auto component = [](const char *reference, const char *stamp, const char *value) {
        return std::string("$Comp\nL Device:R ") + reference + "\nU 1 1 " + stamp + "\nF 0 \"" +
               reference + "\" H 0 0 50  0000 L CNN\nF 1 \"" + value +
               "\" H 0 0 50  0000 L CNN\n$EndComp\n";
    };
    const std::string head = "EESchema Schematic File Version 4\n";
    write("board.sch", head + "$Sheet\nU 5C000001\nF1 \"a.sch\" 50\n$EndSheet\n$Sheet\n"
                              "U 5C000002\nF1 \"b.sch\" 50\n$EndSheet\n");
    write("a.sch", head + component("R1", "5C0000A1", "10k") + component("U1", "5C0000A2", "x") +
                       component("U1", "5C0000A3", "x"));
    write("b.sch", head + component("R1", "5C0000B1", "5k"));
    const CodeCommandResult result = check({dir.filePath("board.sch")}, {});
    QCOMPARE(result.out, dir.filePath("b.sch") +
                             ":2: R1: not read: another sheet has a part of the same reference\n");
    QVERIFY2(result.err.contains("checked 1: 1 in series, 0 outside, 0 unreadable; 0 not fitted, 1 "
                                 "other part skipped; 1 resistor not read"),
             qPrintable(result.err));
    QCOMPARE(result.status, 2);
}

void TestCheckAccount::designatorsAreTheResistorsTheyName_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QStringList>("resistors");
    QTest::newRow("one") << "R12" << QStringList{"R12"};
    QTest::newRow("with a suffix") << "R12A" << QStringList{"R12A"};
    QTest::newRow("small letters") << "r3" << QStringList{"r3"};
    QTest::newRow("a range") << "R1-R4" << QStringList{"R1", "R2", "R3", "R4"};
    QTest::newRow("a range by its numbers") << "R8-10" << QStringList{"R8", "R9", "R10"};
    QTest::newRow("a range of two dots") << "R16..R18" << QStringList{"R16", "R17", "R18"};
    QTest::newRow("a range of two dots by its numbers") << "R1..3" << QStringList{"R1", "R2", "R3"};
    QTest::newRow("a part of a matrix") << "R4P14" << QStringList{"R4P14"};
    QTest::newRow("not annotated") << "R?" << QStringList{"R?"};
    QTest::newRow("a range that runs down") << "R4-R1" << QStringList{"R4"};
    QTest::newRow("a range too long to be one") << "R1-R99999" << QStringList{"R1"};
    QTest::newRow("a range into other parts") << "R1-C4" << QStringList{};
    QTest::newRow("a capacitor") << "C1" << QStringList{};
    QTest::newRow("a network") << "RN1" << QStringList{};
    QTest::newRow("a connector") << "USB_1" << QStringList{};
}

void TestCheckAccount::designatorsAreTheResistorsTheyName()
{
    QFETCH(QString, reference);
    QFETCH(QStringList, resistors);
    QStringList named;
    for (const std::string &resistor : ohmilka::partslist::resistorsNamed(reference.toStdString()))
        named << QString::fromStdString(resistor);
    QCOMPARE(named, resistors);
}

QTEST_GUILESS_MAIN(TestCheckAccount)
#include "test_check_account.moc"
