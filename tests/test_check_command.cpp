// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeCommandRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <cerrno>
#include <system_error>
#include <thread>

#include <sstream>

// Parts lists and bills of materials checked against the E series, read from standard input.
class TestCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void readsPartsListsAsToolsWriteThem_data();
    void readsPartsListsAsToolsWriteThem();
    void readErrorsNameTheFileAndCheckTheRest_data();
    void readErrorsNameTheFileAndCheckTheRest();
    void reportsWhatLiesOutside_data();
    void reportsWhatLiesOutside();
    void jsonLinesReadBack();
    void messagesSayWhatTheInputIs_data();
    void messagesSayWhatTheInputIs();
    void countsAgreeInNumber_data();
    void countsAgreeInNumber();
    void valuesAreHeldToTheirPartNumbers_data();
    void valuesAreHeldToTheirPartNumbers();
    void sizesAreHeldToTheirPartNumbers_data();
    void sizesAreHeldToTheirPartNumbers();
    void everyPartNumberColumnIsHeldToTheValue();
    void alignedHeadersOfWordsOneSpaceApartAreRead();
    void linesThatLeadWithDesignatorsNameTheirParts();
    void listsWithoutValuesReadDescriptionsOrPartNumbers_data();
    void listsWithoutValuesReadDescriptionsOrPartNumbers();
    void jsonNamesWhatEachPartNumberSays_data();
    void jsonNamesWhatEachPartNumberSays();
    void rowsBeyondThoseThatWaitAreHeldToThem();
    void bareSizesAreReadAsTheListWritesThem_data();
    void bareSizesAreReadAsTheListWritesThem();
    void onePartNumberOnTwoValuesIsAMismatch_data();
    void onePartNumberOnTwoValuesIsAMismatch();
    void kicadSchematicsAreReadAsTheirBom_data();
    void kicadSchematicsAreReadAsTheirBom();
    void kicadNetlistsAreReadAsTheirBom_data();
    void kicadNetlistsAreReadAsTheirBom();
    void brokenDesignsAreNamed_data();
    void brokenDesignsAreNamed();
    void spreadsheetsAnswerAsTheirCsvExport_data();
    void spreadsheetsAnswerAsTheirCsvExport();
    void everySheetIsRead();
    void spreadsheetsBeyondReadingAreNamed_data();
    void spreadsheetsBeyondReadingAreNamed();
    void pipesAreReadWhole_data();
    void pipesAreReadWhole();
    void suggestionsFillRowsWithoutPartNumbers_data();
    void suggestionsFillRowsWithoutPartNumbers();
    void suggestionsAreJsonFields();

private:
    static CodeCommandResult check(const QStringList &options, const QString &input)
    {
        return runCodeCommand(QStringList{QStringLiteral("check")} + options,
                              ohmilka::cli::Language::English, input.toStdString());
    }
};

void TestCheckCommand::readsPartsListsAsToolsWriteThem_data()
{
    QTest::addColumn<QString>("file"); // in tests/parts-lists
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // FILE for the file's path
    QTest::addColumn<QString>("summary");
    const auto outside = [](const char *where, const char *value, const char *series,
                            const char *nearest) {
        return QStringLiteral("FILE:%1: %2 is not in %3; nearest %4\n")
            .arg(QString::fromUtf8(where), QString::fromUtf8(value), QString::fromUtf8(series),
                 QString::fromUtf8(nearest));
    };
    QTest::newRow("KiCad grouped, two sections")
        << "kicad-grouped.csv" << 1
        << outside("12: R3", "5 kΩ", "E24", "4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above")
        << "checked 3: 2 in series, 1 outside, 0 unreadable; 1 not fitted, 2 other parts skipped";
    QTest::newRow("kicad-cli with Refs and DNP")
        << "kicad-cli.csv" << 1
        << outside("4: R2", "5 kΩ", "E96 or E24", "4.99 kΩ (−0.2 %) below and 5.1 kΩ (+2 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 1 not fitted, 2 other parts skipped";
    QTest::newRow("JLCPCB, Comment and Designator")
        << "jlcpcb.csv" << 1
        << outside("5: R4", "4.99 kΩ", "E24", "4.7 kΩ (−5.8 %) below and 5.1 kΩ (+2.2 %) above")
        << "checked 3: 2 in series, 1 outside, 0 unreadable; 1 not fitted, 1 other part skipped";
    QTest::newRow("Czech Excel, semicolons in Windows-1250")
        << "excel-cs.csv" << 1
        << outside("5: R4", "5 kΩ", "E96 or E24", "4.99 kΩ (−0.2 %) below and 5.1 kΩ (+2 %) above")
        << "checked 4: 3 in series, 1 outside, 0 unreadable; 0 not fitted, 0 other parts skipped";
    QTest::newRow("tab-separated")
        << "tab.tsv" << 1
        << outside("3: R2", "4.99 kΩ", "E24", "4.7 kΩ (−5.8 %) below and 5.1 kΩ (+2.2 %) above")
        << "checked 2: 1 in series, 1 outside";
    QTest::newRow("CR alone") << "mac.csv" << 1
                              << outside("3: R2", "3.5 kΩ", "E24",
                                         "3.3 kΩ (−5.7 %) below and 3.6 kΩ (+2.9 %) above")
                              << "checked 3: 2 in series, 1 outside";
    QTest::newRow("UTF-8 signature, Fitted column, Value before Comment")
        << "signature.csv" << 1
        << outside("2: R1", "5 kΩ", "E24", "4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 1 not fitted";
    QTest::newRow("KiCad PCB editor, Designation")
        << "pcbnew.csv" << 1
        << outside("4: R3", "6 kΩ", "E24", "5.6 kΩ (−6.7 %) below and 6.2 kΩ (+3.3 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 0 not fitted, 1 other part skipped";
    QTest::newRow("Eagle's partlist, aligned with spaces")
        << "eagle-partlist.txt" << 1
        << outside("15: R3", "6 kΩ", "E24", "5.6 kΩ (−6.7 %) below and 6.2 kΩ (+3.3 %) above")
        << "checked 3: 2 in series, 1 outside, 0 unreadable; 0 not fitted, 3 other parts skipped";
    QTest::newRow("Eagle's bom.ulp, Parts")
        << "eagle-bom-ulp.csv" << 1
        << outside("4: R3", "16.5 kΩ", "E24", "16 kΩ (−3 %) below and 18 kΩ (+9.1 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 0 not fitted, 1 other part skipped";
    QTest::newRow("OrCAD's report: a title, tabs, Part as the value")
        << "orcad.bom" << 1
        << outside("11: R3", "4.8 kΩ", "E96 or E24",
                   "4.75 kΩ (−1 %) below and 4.87 kΩ (+1.5 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 0 not fitted, 2 other parts skipped";
    QTest::newRow("EasyEDA: UTF-16 with tabs, Name")
        << "easyeda-utf16.csv" << 1 // its part numbers make the parts ±1 %
        << outside("4: R3", "5 kΩ", "E96 or E24", "4.99 kΩ (−0.2 %) below and 5.1 kΩ (+2 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 0 not fitted, 2 other parts skipped";
    QTest::newRow("KiBoM: statistics, and (DNF)")
        << "kibom.csv" << 1
        << outside("5: R4", "12.5 kΩ", "E24", "12 kΩ (−4 %) below and 13 kΩ (+4 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 1 not fitted, 1 other part skipped";
    QTest::newRow("DipTrace: RefDes, power ratings, ± after the value, two values")
        << "diptrace.csv" << 2
        << "FILE:5: R4: value '1/4W 4k7 1k': it holds two values, '4k7' and '1k'\n"
        << "checked 4: 3 in series, 0 outside, 1 unreadable; 0 not fitted, 1 other part skipped";
    QTest::newRow("Altium: Not Fitted, a quantity of 0, a package before the value")
        << "altium-fitted.csv" << 1
        << outside("4: R4", "1.07 kΩ", "E24", "1 kΩ (−6.5 %) below and 1.1 kΩ (+2.8 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 1 not fitted, 1 other part skipped";
    QTest::newRow("a spreadsheet's supplier lines, totals and empty lines")
        << "spreadsheet-totals.csv" << 1
        << outside("4: R3", "5 kΩ", "E24", "4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above")
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 0 not fitted, 1 other part skipped";
}

void TestCheckCommand::readsPartsListsAsToolsWriteThem()
{
    QFETCH(QString, file);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, summary);
    const QString path = QStringLiteral(OHMILKA_SOURCE_DIR "/tests/parts-lists/") + file;
    const CodeCommandResult result = check({path}, {});
    QCOMPARE(result.status, status);
    QCOMPARE(result.out, out.replace(QStringLiteral("FILE"), path));
    QVERIFY2(result.err.contains("ohmilka-code: checked") && result.err.contains(summary),
             qPrintable(result.err));
}

namespace {
// Standard input that gives its text, then fails as a device that reports an I/O error does.
class FailingInput : public std::stringbuf
{
public:
    explicit FailingInput(const std::string &text) : std::stringbuf(text) {}

protected:
    int_type underflow() override
    {
        const int_type next = std::stringbuf::underflow();
        if (traits_type::eq_int_type(next, traits_type::eof()))
            throw std::ios_base::failure("read", std::error_code(EIO, std::generic_category()));
        return next;
    }
};
} // namespace

void TestCheckCommand::readErrorsNameTheFileAndCheckTheRest_data()
{
    QTest::addColumn<QStringList>("operands"); // "DIR" and "GOOD" stand for the test's own
    QTest::addColumn<bool>("inputFails");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("err"); // the start of each line
    const QString outside = QStringLiteral(
        ":1: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n");
    QTest::newRow("a directory") << QStringList{"DIR"} << false << ""
                                 << QStringList{"cannot read DIR: ", "checked 0"};
    QTest::newRow("a list, then a directory")
        << QStringList{"GOOD", "DIR"} << false << "GOOD" + outside
        << QStringList{"cannot read DIR: ", "checked 1: 0 in series, 1 outside"};
    QTest::newRow("a missing file, then a list")
        << QStringList{"DIR/none.txt", "GOOD"} << false << "GOOD" + outside
        << QStringList{"cannot read DIR/none.txt: ", "checked 1"};
    QTest::newRow("standard input fails after a line")
        << QStringList{} << true << "-" + outside
        << QStringList{
               "cannot read standard input: " +
                   QString::fromStdString(std::error_code(EIO, std::generic_category()).message()),
               "checked 1"};
}

void TestCheckCommand::readErrorsNameTheFileAndCheckTheRest()
{
    QFETCH(QStringList, operands);
    QFETCH(bool, inputFails);
    QFETCH(QString, out);
    QFETCH(QStringList, err);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString good = folder.filePath(QStringLiteral("good.txt"));
    QFile list(good);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("5k\n");
    list.close();
    const auto placed = [&](QString text) {
        return text.replace(QStringLiteral("GOOD"), good)
            .replace(QStringLiteral("DIR"), folder.path());
    };
    QByteArrayList arguments{"check"};
    for (const QString &operand : operands)
        arguments << placed(operand).toUtf8();
    FailingInput failing("5k\n");
    std::istream in(inputFails ? static_cast<std::streambuf *>(&failing) : nullptr);
    const CodeCommandBytes result = runCodeCommandOnBytes(arguments, in);
    QCOMPARE(result.status, 2);
    QCOMPARE(QString::fromStdString(result.out), placed(out));
    const QStringList lines = QString::fromStdString(result.err).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), err.size());
    for (qsizetype i = 0; i < err.size(); ++i)
        QVERIFY2(lines[i].startsWith("ohmilka-code: " + placed(err[i])), qPrintable(lines[i]));
}

void TestCheckCommand::reportsWhatLiesOutside_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("summary");
    const QString kicad =
        QStringLiteral("\"Source:\",\"/home/user/amp.kicad_sch\"\n\"Date:\",\"Tue 08 Dec 2026\"\n"
                       "\"Tool:\",\"Eeschema 7.0.10\"\n\"Component Count:\",\"7\"\n"
                       "\"Ref\",\"Qnty\",\"Value\",\"Cmp name\",\"Footprint\"\n"
                       "\"C1 C2\",\"2\",\"100n\",\"C\",\"C_0603\"\n"
                       "\"R1, R2, R5\",\"3\",\"4k7\",\"R\",\"R_0603\"\n"
                       "\"R3\",\"1\",\"5k\",\"R\",\"R_0603\"\n"
                       "\"U1\",\"1\",\"NE5532\",\"NE5532\",\"SOIC-8\"\n"
                       "\"J1\",\"1\",\"Conn\",\"Conn\",\"PinHeader\"\n");
    QTest::newRow("KiCad BOM: preamble, parts that are no resistors")
        << QStringList{"--csv"} << kicad << 1
        << "-:8: R3: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
        << "checked 2: 1 in series, 1 outside, 0 unreadable";
    QTest::newRow("grouped references, tolerance column, header in any case")
        << QStringList{"--csv"}
        << "designators,VALUE,Tolerance\n\"R1,R2\",5k,1%\nR3,4k99,1%\nR4,4k7,1%\n"
        << 1
        << "-:2: R1, R2: 5 kΩ is not in E96 or E24; nearest 4.99 kΩ (−0.2 %) below and 5.1 kΩ "
           "(+2 %) above\n"
        << "checked 3: 2 in series, 1 outside, 0 unreadable";
    QTest::newRow("no Value column")
        << QStringList{"--csv"} << "Ref,Qty\nR1,1\n"
        << 2 << "-:2: R1: not read: no header names a column of values\n"
        << "-:1: the header names no column of values";
    QTest::newRow("not fitted, in any spelling, and other parts")
        << QStringList{} << "DNP\ndnf\nNC\nn/a\n-\n—\n100n\n3V3\n"
        << 0 << ""
        << "checked 0: 0 in series, 0 outside, 0 unreadable; 6 not fitted, 2 other parts skipped";
    QTest::newRow("a reference checked once, the rest of its group after")
        << QStringList{"--csv"} << "Ref,Value\nR1,5k\n\"R1,R2\",5k\nR2,5k\n"
        << 1
        << "-:2: R1: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
           "-:3: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
        << "checked 2: 0 in series, 2 outside";
    QTest::newRow("a Populate column, and a value column first")
        << QStringList{"--csv"} << "Value;Populate\n5k;0\n5k6;\n"
        << 0 << ""
        << "checked 1: 1 in series, 0 outside, 0 unreadable; 1 not fitted";
    QTest::newRow("a plain list in series") << QStringList{} << "# amplifier\n4k7\n\n10k\n220\n"
                                            << 0 << ""
                                            << "checked 3: 3 in series";
    QTest::newRow("±1 % is E96 or E24") << QStringList{} << "4.99k 1%\n4k7 1 %\n5k 1%\n"
                                        << 1
                                        << "-:3: 5 kΩ is not in E96 or E24; nearest 4.99 kΩ "
                                           "(−0.2 %) below and 5.1 kΩ (+2 %) above\n"
                                        << "checked 3: 2 in series, 1 outside";
    QTest::newRow("±10 % is E12") << QStringList{} << "4k7 10%\n5k1 10%\n"
                                  << 1
                                  << "-:2: 5.1 kΩ is not in E12; nearest 4.7 kΩ (−7.8 %) below and "
                                     "5.6 kΩ (+9.8 %) above\n"
                                  << "checked 2: 1 in series, 1 outside";
    QTest::newRow("without a tolerance, the --series list")
        << QStringList{"--series", "E12,E96"} << "4k7\n4k64\n5k\n"
        << 1
        << "-:3: 5 kΩ is not in E12 or E96; nearest 4.99 kΩ (−0.2 %) below and 5.11 kΩ (+2.2 %) "
           "above\n"
        << "checked 3: 2 in series, 1 outside";
    // The text of a value outside is written once for each tolerance it is held to.
    QTest::newRow("one value outside under two tolerances")
        << QStringList{"--csv"} << "Ref,Value,Tolerance\nR1,5k,\nR2,5k,1%\nR3,5k,\n"
        << 1
        << "-:2: R1: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
           "-:3: R2: 5 kΩ is not in E96 or E24; nearest 4.99 kΩ (−0.2 %) below and 5.1 kΩ "
           "(+2 %) above\n"
           "-:4: R3: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
        << "checked 3: 0 in series, 3 outside";
    QTest::newRow("unreadable wins over outside")
        << QStringList{} << "5k\nlots\n"
        << 2
        << "-:1: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
           "-:2: value 'lots': it is not a resistance\n"
        << "checked 2: 0 in series, 1 outside, 1 unreadable";
    QTest::newRow("a file that cannot be read")
        << QStringList{"/nonexistent/parts.txt"} << "" << 2 << ""
        << "cannot read /nonexistent/parts.txt";
}

void TestCheckCommand::reportsWhatLiesOutside()
{
    QFETCH(QStringList, options);
    QFETCH(QString, input);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, summary);
    const CodeCommandResult result = check(options, input);
    QCOMPARE(result.status, status);
    QCOMPARE(result.out, out);
    QVERIFY2(result.err.contains(summary), qPrintable(result.err));
}

void TestCheckCommand::jsonLinesReadBack()
{
    const CodeCommandResult result =
        check({QStringLiteral("--json"), QStringLiteral("--csv")},
              QStringLiteral("Ref,Value\n\"R1, R2\",5k\nR3,oops\nR4,4k7\nR5,DNP\nC1,1u\n"
                             "R6,10k/0603 ±1%\n"));
    QCOMPARE(result.status, 2);
    QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    const QJsonObject summary = QJsonDocument::fromJson(lines.takeLast().toUtf8()).object();
    QCOMPARE(summary.value("result").toString(), QStringLiteral("summary"));
    QCOMPARE(summary.value("checked").toInt(), 4);
    QCOMPARE(summary.value("unreadable").toInt(), 1);
    const QJsonObject columns = QJsonDocument::fromJson(lines.takeFirst().toUtf8()).object();
    QCOMPARE(columns.value("result").toString(), QStringLiteral("columns"));
    QCOMPARE(columns.value("line").toInt(), 1);
    QCOMPARE(columns.value("reference_column").toObject().value("label").toString(), "Ref");
    QCOMPARE(columns.value("value_column").toObject().value("number").toInt(), 2);
    QVERIFY(columns.value("tolerance_column").isNull());
    QJsonObject outside = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    QCOMPARE(outside.value("line").toInt(), 2);
    QCOMPARE(outside.value("references").toVariant().toStringList(), QStringList({"R1", "R2"}));
    QCOMPARE(outside.value("in_series").toBool(), false);
    QCOMPARE(outside.value("below_ohms").toDouble(), 4700.0);
    QCOMPARE(outside.value("below_percent").toDouble(), -6.0);
    QCOMPARE(outside.value("above_percent").toDouble(), 2.0);
    QCOMPARE(outside.value("series").toVariant().toStringList(), QStringList({"E24"}));
    const QJsonObject unreadable = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    QVERIFY(unreadable.value("error").toString().contains(QStringLiteral("'oops'")));
    const QJsonObject in = QJsonDocument::fromJson(lines[2].toUtf8()).object();
    QCOMPARE(in.value("in_series").toBool(), true);
    QVERIFY(in.value("below_ohms").isNull());
    QStringList results, values, cells;
    for (const QString &line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        results << object.value("result").toString();
        values << object.value("value").toString();
        cells << object.value("cell").toString();
    }
    QCOMPARE(values, QStringList({"5k", "oops", "4k7", "DNP", "1u", "10k"}));
    QCOMPARE(cells, QStringList({"5k", "oops", "4k7", "DNP", "1u", "10k/0603 ±1%"}));
    QCOMPARE(results, QStringList({"outside", "unreadable", "in_series", "not_fitted", "other_part",
                                   "in_series"}));
    QCOMPARE(QJsonDocument::fromJson(lines.last().toUtf8()).object().value("tolerance_percent"),
             QJsonValue(1));
}

void TestCheckCommand::messagesSayWhatTheInputIs_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // the lines before the summary
    QTest::newRow("a spreadsheet")
        << QStringList{} << QByteArray("PK\x03\x04\x14\000\006\000xl/workbook.xml", 23) << 2
        << "standard input is a zip archive, such as a spreadsheet (.xlsx, .ods); name it as a "
           "file "
           "to check it";
    QTest::newRow("an Excel 97 workbook, whatever --csv says")
        << QStringList{"--csv"} << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") << 2
        << "standard input is an Excel 97 workbook (.xls), not a text parts list; save it as CSV";
    QTest::newRow("UTF-16 without a signature")
        << QStringList{} << QByteArray("4\000k\0007\000\n\000", 8) << 0
        << "standard input is not UTF-8; it was read as UTF-16LE";
    QTest::newRow("UTF-16 asked for") << QStringList{"--encoding", "UTF-16LE"}
                                      << QByteArray("4\000k\0007\000\n\000", 8) << 0 << "";
    QTest::newRow("the forms of values, once")
        << QStringList{} << QByteArray("lots\nmore\n") << 2
        << "values are written as 4700, 4k7, 4.7k, 4.7 kΩ, 470R, 0R22, 2M2, 4.7e3, 220m";
}

void TestCheckCommand::messagesSayWhatTheInputIs()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, err);
    QByteArrayList arguments{"check"};
    for (const QString &option : options)
        arguments << option.toUtf8();
    std::istringstream in(input.toStdString());
    const CodeCommandBytes bytes = runCodeCommandOnBytes(arguments, in);
    QCOMPARE(bytes.status, status);
    QStringList lines = QString::fromStdString(bytes.err).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.takeLast().startsWith(QStringLiteral("ohmilka-code: checked")));
    QCOMPARE(lines.join(u'\n'), err.isEmpty() ? QString() : "ohmilka-code: " + err);
}

void TestCheckCommand::countsAgreeInNumber_data()
{
    QTest::addColumn<int>("others"); // parts that are no resistors
    QTest::addColumn<bool>("czech");
    QTest::addColumn<QString>("summary");
    QTest::newRow("one") << 1 << false << "0 not fitted, 1 other part skipped";
    QTest::newRow("two") << 2 << false << "0 not fitted, 2 other parts skipped";
    QTest::newRow("none") << 0 << false << "0 not fitted, 0 other parts skipped";
    QTest::newRow("one in Czech") << 1 << true << "neosazené 0, 1 jiná součástka vynechána";
    QTest::newRow("four in Czech") << 4 << true << "neosazené 0, 4 jiné součástky vynechány";
    QTest::newRow("five in Czech") << 5 << true << "neosazené 0, 5 jiných součástek vynecháno";
    QTest::newRow("none in Czech") << 0 << true << "neosazené 0, 0 jiných součástek vynecháno";
}

void TestCheckCommand::countsAgreeInNumber()
{
    QFETCH(int, others);
    QFETCH(bool, czech);
    QFETCH(QString, summary);
    const CodeCommandResult result = runCodeCommand(
        {QStringLiteral("check")},
        czech ? ohmilka::cli::Language::Czech : ohmilka::cli::Language::English,
        (QStringLiteral("10k\n") + QStringLiteral("100n\n").repeated(others)).toStdString());
    QVERIFY2(result.err.contains(summary), qPrintable(result.err));
}

void TestCheckCommand::spreadsheetsAnswerAsTheirCsvExport_data()
{
    QTest::addColumn<QString>("file"); // in tests/spreadsheets, beside its export FILE.csv
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("xlsx") << "bom.xlsx"
                          << "BOM" << QStringList{};
    QTest::newRow("xlsx, whatever --csv says") << "bom.xlsx"
                                               << "BOM" << QStringList{"--csv"};
    QTest::newRow("xlsx in JSON") << "bom.xlsx"
                                  << "BOM" << QStringList{"--json"};
    QTest::newRow("ods") << "bom.ods"
                         << "BOM" << QStringList{};
    QTest::newRow("ods in JSON") << "bom.ods"
                                 << "BOM" << QStringList{"--json"};
}

// The same verdicts, summary and status as the sheet saved as CSV; each located by file, sheet
// and row where the export has file and line.
void TestCheckCommand::spreadsheetsAnswerAsTheirCsvExport()
{
    QFETCH(QString, file);
    QFETCH(QString, sheet);
    QFETCH(QStringList, options);
    const QString path = QStringLiteral(OHMILKA_SOURCE_DIR "/tests/spreadsheets/") + file;
    const CodeCommandResult spreadsheet = check(QStringList{path} + options, {});
    const CodeCommandResult exported = check(QStringList{path + ".csv"} + options, {});
    QVERIFY(!spreadsheet.out.isEmpty());
    QCOMPARE(spreadsheet.out, QString(exported.out).replace(path + ".csv", path + ':' + sheet));
    QCOMPARE(spreadsheet.err, exported.err);
    QCOMPARE(spreadsheet.status, exported.status);
}

// A workbook of a board on each sheet: each sheet's resistors are checked, a part that two
// sheets list alike once.
void TestCheckCommand::everySheetIsRead()
{
    const QString path = QStringLiteral(OHMILKA_SOURCE_DIR "/tests/spreadsheets/boards.xlsx");
    const CodeCommandResult result = check({path}, {});
    QCOMPARE(result.out, path + ":Extension:3: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) "
                                "below and 5.1 kΩ (+2 %) above\n");
    QVERIFY2(result.err.contains("checked 4: 3 in series, 1 outside"), qPrintable(result.err));
    QCOMPARE(result.status, 1);
}

void TestCheckCommand::spreadsheetsBeyondReadingAreNamed_data()
{
    QTest::addColumn<QString>("file"); // in tests/spreadsheets
    QTest::addColumn<QString>("line");
    QTest::newRow("packed absurdly tightly")
        << "tight.xlsx"
        << "FILE: a part of the spreadsheet unpacks to more than 256 MiB, or is packed more "
           "tightly than any spreadsheet; it is not read";
    QTest::newRow("cut short") << "cut-short.xlsx"
                               << "FILE: the spreadsheet is damaged or cut short";
    QTest::newRow("XML not well-formed") << "broken.xlsx"
                                         << "FILE: the spreadsheet is damaged or cut short";
    QTest::newRow("a zip of text")
        << "notes.zip"
        << "FILE is a zip archive that holds no spreadsheet (.xlsx, .ods)";
}

// One line naming the file and the reason, before the summary, and status 2.
void TestCheckCommand::spreadsheetsBeyondReadingAreNamed()
{
    QFETCH(QString, file);
    QFETCH(QString, line);
    const QString path = QStringLiteral(OHMILKA_SOURCE_DIR "/tests/spreadsheets/") + file;
    const CodeCommandResult result = check({path}, {});
    QCOMPARE(result.status, 2);
    const QStringList lines = result.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.front(), "ohmilka-code: " + line.replace(QStringLiteral("FILE"), path));
}

void TestCheckCommand::valuesAreHeldToTheirPartNumbers_data()
{
    QTest::addColumn<QString>("row"); // under "Ref,Value,Tolerance,MPN"
    QTest::addColumn<QString>("out"); // "" for a part in its series
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("status");
    const QString clean = "; 0 mismatches with part numbers, 0 part numbers not decoded";
    QTest::newRow("the value the part number says") << "R1,10k,,RC0603FR-0710KL"
                                                    << "" << clean << 0;
    QTest::newRow("another value")
        << "R1,22K,,ERJ-2RKF2002X"
        << "-:2: R1: value 22 kΩ, but part number ERJ-2RKF2002X is 20 kΩ "
           "±1 %\n"
        << "; 1 mismatch with its part number, 0 part numbers not "
           "decoded"
        << 1;
    // As a real board has it: 47k on the schematic, a 46.4 kΩ part ordered.
    QTest::newRow("a neighbouring E96 part ordered")
        << "R7,47k,,CR0603-FX-4642ELF"
        << "-:2: R7: value 47 kΩ, but part number CR0603-FX-4642ELF is 46.4 kΩ ±1 %\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
    QTest::newRow("a wider tolerance than the row's")
        << "R2,10k,1%,RC0603JR-0710KL"
        << "-:2: R2: value 10 kΩ ±1 %, but part number RC0603JR-0710KL is 10 kΩ ±5 %\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
    QTest::newRow("a narrower one is no fault") << "R2,10k,5%,RC0603FR-0710KL"
                                                << "" << clean << 0;
    QTest::newRow("the part's tolerance makes the series: 1 % is E96")
        << "R3,15.4k,,RC0603FR-0715K4L"
        << "" << clean << 0;
    QTest::newRow("a jumper for 0 Ω") << "R4,0,,RC0402JR-070RL"
                                      << "" << clean << 0;
    QTest::newRow("a jumper where a value is")
        << "R4,10k,,RK73Z1JTTD"
        << "-:2: R4: value 10 kΩ, but part number RK73Z1JTTD is 0 Ω\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
    QTest::newRow("a part number of no known key is counted alone")
        << "R5,10k,,ABC-123"
        << ""
        << "; 0 mismatches with part numbers, 1 part number not decoded" << 0;
    // From a published design: a 470 Ω part ordered for 475 Ω.
    QTest::newRow("Stackpole, a neighbouring value")
        << "R6,475,,RMCF0402JT470R"
        << "-:2: R6: value 475 Ω, but part number RMCF0402JT470R is 470 Ω ±5 %\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
    QTest::newRow("Vishay, a jumper on a value")
        << "R7,0.05,,CRCW08050000Z0EAHP"
        << "-:2: R7: value 50 mΩ, but part number CRCW08050000Z0EAHP is 0 Ω\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
    QTest::newRow("Vishay at 1 % puts an E96 value in series") << "R8,15.4k,,CRCW060315K4FKEA"
                                                               << "" << clean << 0;
    QTest::newRow("Stackpole at 1 % puts an E96 value in series") << "R8,15.4k,,RMCF0603FT15K4"
                                                                  << "" << clean << 0;
    QTest::newRow("TE") << "R9,1k,,CRG0603J1K0"
                        << "" << clean << 0;
    QTest::newRow("the alternate that disagrees is named")
        << "R10,10k,,\"Yageo RC0402FR-0710KL / Panasonic ERJ-2RKF2002X\""
        << "-:2: R10: value 10 kΩ, but part number ERJ-2RKF2002X is 20 kΩ ±1 %\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
    QTest::newRow("alternates that agree") << "R10,10k,,RC0402FR-0710KL or ERJ-2RKF1002X"
                                           << "" << clean << 0;
    QTest::newRow("a part number in the value cell")
        << "R11,43k-RC0603FR-0710KL,,"
        << "-:2: R11: value 43 kΩ, but part number RC0603FR-0710KL is 10 kΩ ±1 %\n"
        << "; 1 mismatch with its part number, 0 part numbers not decoded" << 1;
}

// A part number that says another resistance, or a wider tolerance, is a mismatch whatever the
// series; one that is not decoded is counted in the summary alone.
void TestCheckCommand::valuesAreHeldToTheirPartNumbers()
{
    QFETCH(QString, row);
    QFETCH(QString, out);
    QFETCH(QString, counts);
    QFETCH(int, status);
    const CodeCommandResult result = check({}, "Ref,Value,Tolerance,MPN\n" + row + "\n");
    QCOMPARE(result.out, out);
    QVERIFY2(result.err.trimmed().endsWith(counts), qPrintable(result.err));
    QCOMPARE(result.status, status);
    const CodeCommandResult json = check({"--json"}, "Ref,Value,Tolerance,MPN\n" + row + "\n");
    QCOMPARE(json.out.contains(QStringLiteral("\"result\": \"mismatch\"")), status == 1);
}

void TestCheckCommand::sizesAreHeldToTheirPartNumbers_data()
{
    QTest::addColumn<QString>("row"); // under "Ref,Value,Footprint,MPN"
    QTest::addColumn<QString>("out"); // "" for a part in its series
    QTest::newRow("the footprint's size") << "R1,10k,Resistor_SMD:R_0603_1608Metric,RC0603FR-0710KL"
                                          << "";
    QTest::newRow("another size")
        << "R5,10k,R_0402_1005Metric,RC0603FR-0710KL"
        << "-:2: R5: footprint 0402, but part number RC0603FR-0710KL is an 0603 part\n";
    QTest::newRow("IPC's metric name") << "R2,10k,RESC1608X55N,CRCW060310K0FKEA"
                                       << "";
    QTest::newRow("Samsung's metric code") << "R3,10k,R_0603,RC1608F103CS"
                                           << "";
    QTest::newRow("Samsung's 0603 is an 0201")
        << "R3,10k,R_0603,RC0603F103CS"
        << "-:2: R3: footprint 0603, but part number RC0603F103CS is an 0201 part\n";
    QTest::newRow("a larger part")
        << "R10,10k,R_0805,RC1206FR-0710KL"
        << "-:2: R10: footprint 0805, but part number RC1206FR-0710KL is a "
           "1206 part\n";
    QTest::newRow("the value cell's package")
        << "R4,10k/0402,,RMCF0603FT10K0"
        << "-:2: R4: value cell names 0402, but part number RMCF0603FT10K0 is an 0603 part\n";
    QTest::newRow("value and size both")
        << "R6,4k7,R_0805,RC0603FR-0710KL"
        << "-:2: R6: value 4.7 kΩ, but part number RC0603FR-0710KL is 10 kΩ ±1 %; footprint "
           "0805, but part number RC0603FR-0710KL is an 0603 part\n";
    QTest::newRow("no size in the row: nothing is said") << "R7,10k,,RC0603FR-0710KL"
                                                         << "";
    QTest::newRow("a through-hole footprint names none")
        << "R8,10k,R_Axial_DIN0207_L6.3mm_D2.5mm_P10.16mm,RC0603FR-0710KL"
        << "";
    QTest::newRow("a key without sizes") << "R9,10k,R_0402,MCR03EZPFX1002"
                                         << "";
}

// A part number that encodes another size than the footprint, the package column or the value
// cell name is a mismatch; where the row names no size, nothing is said.
void TestCheckCommand::sizesAreHeldToTheirPartNumbers()
{
    QFETCH(QString, row);
    QFETCH(QString, out);
    const QString list = "Ref,Value,Footprint,MPN\n" + row + "\n";
    const CodeCommandResult result = check({}, list);
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, out.isEmpty() ? 0 : 1);
    const CodeCommandResult json = check({"--json"}, list);
    QCOMPARE(json.out.contains(QStringLiteral("\"mismatches\": [\"size\"]")) ||
                 json.out.contains(QStringLiteral("\"mismatches\": [\"value\", \"size\"]")),
             !out.isEmpty());
}

// Lists such as Kitspace's give each alternate a column of its own, under the same label.
void TestCheckCommand::everyPartNumberColumnIsHeldToTheValue()
{
    const CodeCommandResult result =
        check({}, "References,Value,Manufacturer,MPN,Manufacturer,MPN\n"
                  "R1,10K,,RC0805FR-0710KL,TE Connectivity,CRG0805F1K0\n");
    QCOMPARE(result.out, "-:2: R1: value 10 kΩ, but part number CRG0805F1K0 is 1 kΩ ±1 %\n");
    QVERIFY2(result.err.trimmed().endsWith("1 mismatch with its part number, 0 part numbers not "
                                           "decoded"),
             qPrintable(result.err));
}

void TestCheckCommand::bareSizesAreReadAsTheListWritesThem_data()
{
    QTest::addColumn<QString>("rows"); // under "Ref,Value,Package,MPN"
    QTest::addColumn<QString>("out");
    QTest::newRow("inches, as the others are") << "R1,10k,0603,RC0603FR-0710KL\n"
                                                  "R2,10k,0805,RC0805FR-0710KL"
                                               << "";
    QTest::newRow("inches, where no other tells")
        << "R1,10k,0603,RC0402FR-0710KL"
        << "-:2: R1: footprint 0603, but part number RC0402FR-0710KL is an 0402 part\n";
    QTest::newRow("metric, as the others are") << "R1,10k,0603,RC0201FR-0710KL\n"
                                                  "R2,10k,1608,RC0603FR-0710KL"
                                               << "";
    QTest::newRow("metric, and another size")
        << "R1,10k,0603,RC0603FR-0710KL\nR2,10k,1608,RC0603FR-0710KL"
        << "-:2: R1: footprint 0201 (metric 0603), but part number RC0603FR-0710KL is an 0603 "
           "part\n";
    QTest::newRow("a metric code alone")
        << "R1,10k,2012,RC0603FR-0710KL"
        << "-:2: R1: footprint 0805 (metric 2012), but part number RC0603FR-0710KL is an 0603 "
           "part\n";
    QTest::newRow("both kinds in the list: nothing said of 0603")
        << "R1,10k,0603,RC0402FR-0710KL\nR2,10k,1608,RC0603FR-0710KL\n"
           "R3,10k,0805,RC0805FR-0710KL"
        << "";
}

// The bare codes 0402 and 0603 are inch codes, unless the list's other bare sizes are metric;
// where it has both kinds, they are not told.
void TestCheckCommand::bareSizesAreReadAsTheListWritesThem()
{
    QFETCH(QString, rows);
    QFETCH(QString, out);
    const CodeCommandResult result = check({}, "Ref,Value,Package,MPN\n" + rows + "\n");
    QCOMPARE(result.out, out);
}

void TestCheckCommand::listsWithoutValuesReadDescriptionsOrPartNumbers_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("status");
    QTest::newRow("descriptions, as Kitspace's lists have them")
        << "References,Qty,Description,MPN\n"
           "R1,1,RES SMD 10K OHM 1% 0603,RC0603FR-0710KL\n"
           "R2,1,22K 1206,RC1206FR-0722KL\n"
           "R3,1,Thermistor NTC 10K,\n"
           "C1,1,100n,\n"
        << "-:4: R3: description 'Thermistor NTC 10K': no one value reads in it among words of "
           "known kinds\n"
        << "ohmilka-code: -: no column of values; the values are read from the descriptions "
           "('Description')\nohmilka-code: checked 3: 2 in series, 0 outside, 1 unreadable; 0 "
           "not fitted, 1 other part skipped; 0 mismatches with part numbers, 0 part numbers not "
           "decoded\n"
        << 2;
    QTest::newRow("a description's value against its part number")
        << "Designator,Description,MPN\nR1,RES 4K7 0603,RC0603FR-0710KL\n"
        << "-:2: R1: value 4.7 kΩ, but part number RC0603FR-0710KL is 10 kΩ ±1 %\n"
        << "ohmilka-code: -: no column of values; the values are read from the descriptions "
           "('Description')\nohmilka-code: checked 1: 0 in series, 0 outside, 0 unreadable; 0 "
           "not fitted, 0 other parts skipped; 1 mismatch with its part number, 0 part numbers "
           "not decoded\n"
        << 1;
    QTest::newRow("a description of the reference names no value")
        << "References,Description,MPN\nR17,R17,RC0603FR-0747RL\n"
        << "-:2: R17: description 'R17': no one value reads in it among words of known kinds\n"
        << "ohmilka-code: -: no column of values; the values are read from the descriptions "
           "('Description')\nohmilka-code: checked 1: 0 in series, 0 outside, 1 unreadable; 0 "
           "not fitted, 0 other parts skipped\n"
        << 2;
    QTest::newRow("part numbers, as assembly templates have them")
        << "Designator,Qty,MPN\nR1,1,RC0603FR-0710KL\nR2,1,ABC-1\n"
        << "-:3: R2: no column of values, and no maker's key reads part number 'ABC-1'\n"
        << "ohmilka-code: -: no column of values; the values are read from the part numbers "
           "('MPN')\nohmilka-code: checked 2: 1 in series, 0 outside, 1 unreadable; 0 not "
           "fitted, 0 other parts skipped; 0 mismatches with part numbers, 0 part numbers not "
           "decoded\n"
        << 2;
}

// A list without a column of values is read from its descriptions, by the rule of a value cell
// wherever the value stands, or from the part numbers a maker's key reads; the report says so.
void TestCheckCommand::listsWithoutValuesReadDescriptionsOrPartNumbers()
{
    QFETCH(QString, list);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, status);
    const CodeCommandResult result = check({}, list);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err, err);
    QCOMPARE(result.status, status);
}

// Eagle's text part lists may set two header words one space apart ("Qty Value"); the columns
// are where the rows' fields start under them.
void TestCheckCommand::alignedHeadersOfWordsOneSpaceApartAreRead()
{
    const CodeCommandResult result =
        check({}, "Qty Value  Device      Package  Parts     Description\n"
                  "1   10k    R-EU_R0805  R0805    R1        RESISTOR, European symbol\n"
                  "2   100nF  C-EUC0805   C0805    C1, C2    CAPACITOR, European symbol\n"
                  "1   5k     R-EU_R0805  R0805    R2        RESISTOR, European symbol\n");
    QCOMPARE(result.out,
             "-:4: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n");
    QCOMPARE(result.err, "ohmilka-code: checked 2: 1 in series, 1 outside, 0 unreadable; 0 not "
                         "fitted, 1 other part skipped\n");
}

// A list without a header may lead each line with the parts it names: a colon, a dash, a tab
// or two spaces, then the part as a description says it.
void TestCheckCommand::linesThatLeadWithDesignatorsNameTheirParts()
{
    const CodeCommandResult result =
        check({}, "R1, R2: 1K 1/8W SMD 0805\nU1: Maxim MAX6817EUT+T\nR3 - 5k\nR4\t100 ohm 1%\n"
                  "R5,R6    - 120 Ohms, 1/8W resistor\nR7: DNP\n4k7\n");
    QCOMPARE(result.out,
             "-:3: R3: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n");
    QCOMPARE(result.err, "ohmilka-code: checked 5: 4 in series, 1 outside, 0 unreadable; 1 not "
                         "fitted, 1 other part skipped\n");
}

void TestCheckCommand::jsonNamesWhatEachPartNumberSays_data()
{
    QTest::addColumn<QString>("rows");   // under "Ref,Value,Footprint,MPN"
    QTest::addColumn<QString>("fields"); // of the last row's object, as JSON writes them
    QTest::newRow("a code the key does not list")
        << "R1,10k,R_0603,CRCW060310K0FKEB"
        << R"("part_family": "Vishay CRCW", "part_ohms": 10000, "part_tolerance_percent": 1, )"
           R"("part_size": "0603", "row_size": "0603", "part_numbers": [{"number": )"
           R"("CRCW060310K0FKEB", "maker": "Vishay", "family": "Vishay CRCW", "ohms": 10000, )"
           R"("tolerance_percent": 1, "size": "0603", "size_metric": "1608", "unknown_codes": )"
           R"([{"field": "packaging", "code": "EB"}]}], "mismatches": [], )"
           R"("same_part_number_as": null)";
    QTest::newRow("no key reads it, no size in the row")
        << "R1,10k,,ABC-1"
        << R"("part_family": null, "part_ohms": null, "part_tolerance_percent": null, )"
           R"("part_size": null, "row_size": null, "part_numbers": [{"number": "ABC-1", )"
           R"("maker": null, "family": null, "ohms": null, "tolerance_percent": null, "size": )"
           R"(null, "size_metric": null, "unknown_codes": null}], "mismatches": [], )"
           R"("same_part_number_as": null)";
    QTest::newRow("value and size, in the order found")
        << "R1,4k7,RESC1005X40N,RC0603FR-0710KL"
        << R"("row_size": "0402", "part_numbers": [{"number": "RC0603FR-0710KL", "maker": )"
           R"("Yageo", "family": "Yageo RC", "ohms": 10000, "tolerance_percent": 1, "size": )"
           R"("0603", "size_metric": "1608", "unknown_codes": []}], "mismatches": ["value", )"
           R"("size"], "same_part_number_as": null)";
    QTest::newRow("the other row")
        << "R1,10k,,ABC-1\nR2,4k7,,ABC-1"
        << R"("mismatches": ["same_part_number"], "same_part_number_as": {"file": "-", "line": )"
           R"(2, "references": ["R1"], "ohms": 10000, "tolerance_percent": null, "size": null})";
}

// JSON holds each part number a row names, what its key reads in it, and how it disagrees.
void TestCheckCommand::jsonNamesWhatEachPartNumberSays()
{
    QFETCH(QString, rows);
    QFETCH(QString, fields);
    const CodeCommandResult json = check({"--json"}, "Ref,Value,Footprint,MPN\n" + rows + "\n");
    const QStringList objects = json.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(objects.size() >= 3); // the columns, a part or two, the summary
    const QString last = objects.at(objects.size() - 2);
    QVERIFY2(last.contains(fields), qPrintable(last));
}

// A file of more rows with an unread part number than wait to its end: the row after them that
// shares a number with the first, at another value, is named, and so is the first.
void TestCheckCommand::rowsBeyondThoseThatWaitAreHeldToThem()
{
    QString list = "Ref,Value,MPN\nR1,10k,SHARED-1\n";
    const int rows = 5000; // past the rows that wait
    for (int i = 2; i <= rows; ++i)
        list += QStringLiteral("R%1,10k,OWN-%1\n").arg(i);
    list += QStringLiteral("R%1,4k7,SHARED-1\n").arg(rows + 1);
    const CodeCommandResult result = check({}, list);
    QCOMPARE(result.out.count(QStringLiteral("is also ordered for")), 2);
    QVERIFY2(result.out.contains("-:2: R1: part number SHARED-1 is also ordered for R5001 at "
                                 "4.7 kΩ"),
             qPrintable(result.out));
    QVERIFY2(result.err.contains("2 mismatches with part numbers, 5001 part numbers not decoded"),
             qPrintable(result.err));
}

void TestCheckCommand::onePartNumberOnTwoValuesIsAMismatch_data()
{
    QTest::addColumn<QString>("rows"); // under "Ref,Value,MPN"
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("counts");
    QTest::newRow("one no key reads, on two values")
        << "R1,10k,ABC-123\nR2,4k7,ABC-123\nR3,1k,XYZ-9"
        << "-:2: R1: part number ABC-123 is also ordered for R2 at 4.7 kΩ\n"
           "-:3: R2: part number ABC-123 is also ordered for R1 at 10 kΩ\n"
        << "2 mismatches with part numbers, 3 part numbers not decoded";
    QTest::newRow("in any case") << "R1,10k,abc-123\nR2,10k,ABC-123"
                                 << ""
                                 << "0 mismatches with part numbers, 2 part numbers not decoded";
    QTest::newRow("a decoded one, only where it disagrees")
        << "R1,10k,RC0603FR-0710KL\nR2,4k7,RC0603FR-0710KL"
        << "-:3: R2: value 4.7 kΩ, but part number RC0603FR-0710KL is 10 kΩ ±1 %\n"
        << "1 mismatch with its part number, 0 part numbers not decoded";
    QTest::newRow("rows in order around those that wait")
        << "R1,10k,RC0603FR-0710KL\nR2,5k,ABC-1\nR3,5k,ABC-1\nR4,6k,RC0603FR-0710KL"
        << "-:5: R4: value 6 kΩ, but part number RC0603FR-0710KL is 10 kΩ ±1 %\n"
           "-:3: R2: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
           "-:4: R3: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
        << "1 mismatch with its part number, 2 part numbers not decoded";
    QTest::newRow("tolerances both rows state")
        << "R1,10k 1%,ABC-1\nR2,10k 5%,ABC-1"
        << "-:2: R1: part number ABC-1 is also ordered for R2 at 10 kΩ ±5 %\n"
           "-:3: R2: part number ABC-1 is also ordered for R1 at 10 kΩ ±1 %\n"
        << "2 mismatches with part numbers, 2 part numbers not decoded";
    QTest::newRow("a tolerance one row states alone") << "R1,10k 1%,ABC-1\nR2,10k,ABC-1"
                                                      << ""
                                                      << "0 mismatches with part numbers, 2 "
                                                         "part numbers not decoded";
    QTest::newRow("sizes both rows state")
        << "R1,10k/0402,ABC-1\nR2,10k/0805,ABC-1"
        << "-:2: R1: part number ABC-1 is also ordered for R2 at 10 kΩ, 0805\n"
           "-:3: R2: part number ABC-1 is also ordered for R1 at 10 kΩ, 0402\n"
        << "2 mismatches with part numbers, 2 part numbers not decoded";
    QTest::newRow("placeholders are no part numbers") << "R1,10k,Any 1%\nR2,4k7,Any 1%\nR3,1k,-\n"
                                                         "R4,2k,-"
                                                      << ""
                                                      << "checked 4: 4 in series, 0 outside, 0 "
                                                         "unreadable; 0 not fitted, 0 other "
                                                         "parts skipped";
    QTest::newRow("R? by its line")
        << "R?,10k,ABC-1\nR?,4k7,ABC-1"
        << "-:2: R?: part number ABC-1 is also ordered for line 3 at 4.7 kΩ; not annotated\n"
           "-:3: R?: part number ABC-1 is also ordered for line 2 at 10 kΩ; not annotated\n"
        << "2 part numbers not decoded; 2 not annotated";
    QTest::newRow("a row of no references by its line")
        << "R1,10k,ABC-1\n,4k7,ABC-1"
        << "-:2: R1: part number ABC-1 is also ordered for line 3 at 4.7 kΩ\n"
           "-:3: part number ABC-1 is also ordered for R1 at 10 kΩ\n"
        << "2 mismatches with part numbers, 2 part numbers not decoded";
}

// A part number copied to a row of another value is wrong on one of them: where no key reads
// it, both rows are mismatches; where one does, the row it disagrees with.
void TestCheckCommand::onePartNumberOnTwoValuesIsAMismatch()
{
    QFETCH(QString, rows);
    QFETCH(QString, out);
    QFETCH(QString, counts);
    const QString list = "Ref,Value,MPN\n" + rows + "\n";
    const CodeCommandResult result = check({}, list);
    QCOMPARE(result.out, out);
    QVERIFY2(result.err.trimmed().endsWith(counts), qPrintable(result.err));
    const CodeCommandResult json = check({"--json"}, list);
    QCOMPARE(json.out.count(QStringLiteral("\"same_part_number_as\": {")),
             out.count(QStringLiteral("is also ordered for")));
}

void TestCheckCommand::kicadNetlistsAreReadAsTheirBom_data()
{
    QTest::addColumn<QString>("file"); // in tests/kicad
    QTest::addColumn<QString>("out");  // FILE for the file's path
    QTest::addColumn<QString>("summary");
    const QString mismatch = "R1: value 22 kΩ, but part number ERJ-2RKF2002X is 20 kΩ ±1 %\n";
    const QString outside =
        "R7: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n";
    // Version E (KiCad 8): the dnp property and a DNP field of x leave R3 and R6 off, an empty
    // one leaves R5 on; R4, excluded from the BOM, is named but not checked.
    QTest::newRow("version E")
        << "amplifier-e.xml"
        << "FILE:24: " + mismatch + "FILE:65: " + outside +
               "FILE: R4: left out of the BOM, not checked\n"
        << "checked 4: 2 in series, 1 outside, 0 unreadable; 2 not fitted, 1 "
           "other part skipped; 1 mismatch with its part number, 0 part numbers not decoded; "
           "1 resistor left out of the BOM";
    QTest::newRow("version D")
        << "amplifier-d.xml"
        << "FILE:8: " + mismatch + "FILE:19: " + outside
        << "checked 2: 0 in series, 1 outside, 0 unreadable; 0 not fitted, 0 "
           "other parts skipped; 1 mismatch with its part number";
    // In S-expressions, as Eeschema 5 writes them for the PCB editor (atoms unquoted, the
    // footprint beside the fields, a DNP field) and kicad-cli by default (the dnp and
    // exclude_from_bom properties).
    QTest::newRow("S-expressions, KiCad 5")
        << "amplifier-5.net"
        << "FILE:7: " + mismatch + "FILE:28: " + outside
        << "checked 2: 0 in series, 1 outside, 0 unreadable; 1 not fitted, 1 other part "
           "skipped; 1 mismatch with its part number, 0 part numbers not decoded";
    QTest::newRow("S-expressions, KiCad 8")
        << "amplifier-e.net"
        << "FILE:6: " + mismatch + "FILE:29: " + outside +
               "FILE: R4: left out of the BOM, not checked\n"
        << "checked 2: 0 in series, 1 outside, 0 unreadable; 1 not fitted, 0 other parts "
           "skipped; 1 mismatch with its part number, 0 part numbers not decoded; 1 resistor "
           "left out of the BOM";
}

// Each component where the netlist writes it, with the same parts as the design's BOM export.
void TestCheckCommand::kicadNetlistsAreReadAsTheirBom()
{
    QFETCH(QString, file);
    QFETCH(QString, out);
    QFETCH(QString, summary);
    const QString path = QStringLiteral(OHMILKA_SOURCE_DIR "/tests/kicad/") + file;
    const CodeCommandResult result = check({path}, {});
    QCOMPARE(result.out, out.replace(QStringLiteral("FILE"), path));
    QVERIFY2(result.err.contains(summary), qPrintable(result.err));
    QCOMPARE(result.status, 1);
}

void TestCheckCommand::brokenDesignsAreNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("design");
    QTest::addColumn<QString>("error");
    QTest::newRow("S-expressions cut short")
        << "board.net"
        << QByteArray("(export (version D)\n  (components\n    (comp (ref R1) (value 10k))\n")
        << "the netlist is not a well-formed S-expression";
    QTest::newRow("S-expressions without components")
        << "board.net" << QByteArray("(export (version D))\n")
        << "checked 0: 0 in series, 0 outside, 0 unreadable; 0 not fitted, 0 other parts skipped";
    QTest::newRow("XML cut short") << "board.xml"
                                   << QByteArray("<export version=\"E\">\n  <components>\n"
                                                 "    <comp ref=\"R1\"><value>10k</value>\n")
                                   << "the netlist is not well-formed XML";
    QTest::newRow("a legacy schematic cut short")
        << "board.sch"
        << QByteArray("EESchema Schematic File Version 4\n$Comp\nL Device:R R1\nF 0 \"R1\" H 0 0 "
                      "50  0000 L CNN\n")
        << "the schematic is not well-formed";
    QTest::newRow("a legacy sheet that is missing")
        << "board.sch"
        << QByteArray("EESchema Schematic File Version 4\n$Sheet\nU 5C7D1000\nF0 \"A\" 50\n"
                      "F1 \"missing.sch\" 50\n$EndSheet\n$EndSCHEMATC\n")
        << "cannot read";
}

// A design that cannot be read whole is named, with status 2; one with no components passes.
void TestCheckCommand::brokenDesignsAreNamed()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, design);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(design);
    file.close();
    const CodeCommandResult result = check({path}, {});
    QVERIFY2(result.err.contains(error), qPrintable(result.err));
    QCOMPARE(result.status, error.startsWith("checked") ? 0 : 2);
}

void TestCheckCommand::kicadSchematicsAreReadAsTheirBom_data()
{
    QTest::addColumn<QString>("root");      // in tests/kicad
    QTest::addColumn<QStringList>("parts"); // line, references, result of each part, in order
    QTest::addColumn<int>("status");
    // KiCad 6: references from the root's symbol_instances; power symbols are no parts, and
    // (in_bom no) is named, not checked.
    QTest::newRow("flat, KiCad 6")
        << "flat6/amplifier.kicad_sch"
        << QStringList{"17 R1 mismatch", "30 R2 outside", "0 R3 left_out_of_bom"} << 1;
    // KiCad 7: a sheet used twice gives its symbols twice, each with the reference of its
    // instance on that path; a symbol whose instances are another project's takes its Reference
    // property, as KiCad does; (dnp yes) and a DNP field of x leave a part off.
    QTest::newRow("hierarchical, a sheet used twice, KiCad 7")
        << "hierarchy7/mixer.kicad_sch"
        << QStringList{"9 R1 in_series",     "9 R101 in_series",  "24 R102 not_fitted",
                       "39 R103 not_fitted", "55 R9 outside",     "9 R201 in_series",
                       "24 R202 not_fitted", "39 R203 not_fitted"}
        << 1;
    // KiCad 5: each component's reference from the AR line of its place in the hierarchy, a
    // stale AR line of a sheet since removed ignored; a part of two units is one; power symbols
    // are no parts; each R? is checked on its own.
    QTest::newRow("legacy, a sheet used twice, KiCad 5")
        << "legacy5/amplifier.sch"
        << QStringList{"9 R1 mismatch",    "21 C1 other_part",  "39 R2 not_fitted",
                       "49 R? outside",    "8 R101 in_series",  "21 U101 other_part",
                       "8 R201 in_series", "21 U201 other_part"}
        << 1;
}

void TestCheckCommand::kicadSchematicsAreReadAsTheirBom()
{
    QFETCH(QString, root);
    QFETCH(QStringList, parts);
    QFETCH(int, status);
    const QString path = QStringLiteral(OHMILKA_SOURCE_DIR "/tests/kicad/") + root;
    const CodeCommandResult result = check({path, "--json"}, {});
    QStringList found;
    for (const QString &line : result.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject part = QJsonDocument::fromJson(line.toUtf8()).object();
        if (const QString kind = part.value("result").toString();
            kind != QLatin1String("columns") && kind != QLatin1String("summary"))
            found << QStringLiteral("%1 %2 %3")
                         .arg(part.value("line").toInt())
                         .arg(part.value("references").toVariant().toStringList().join(u','),
                              part.value("result").toString());
    }
    QCOMPARE(found, parts);
    QCOMPARE(result.status, status);
}

void TestCheckCommand::pipesAreReadWhole_data()
{
    QTest::addColumn<QStringList>("arguments"); // PIPE for the pipe's name
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("answer"); // on either stream
    QTest::newRow("check") << QStringList{"check", "PIPE"}
                           << QByteArray("Ref,Value\nR1,1k\nR2,4k4\n")
                           << "checked 2: 1 in series, 1 outside";
    QTest::newRow("--stock") << QStringList{"combine", "3k3", "--parts", "1", "--stock", "PIPE"}
                             << QByteArray("1k\n2k2\n") << "1 resistor: 2.2 kΩ";
}

// A shell's <(…) is a pipe: what is read to tell the file's kind must not be lost.
void TestCheckCommand::pipesAreReadWhole()
{
#ifdef Q_OS_UNIX
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(QString, answer);
    QTemporaryDir folder;
    const QByteArray pipe = QFile::encodeName(folder.filePath("pipe"));
    QVERIFY(mkfifo(pipe.constData(), 0600) == 0);
    std::thread writer([&] {
        QFile file(QString::fromLocal8Bit(pipe));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    });
    const CodeCommandResult result =
        runCodeCommand(arguments.replaceInStrings("PIPE", QString::fromLocal8Bit(pipe)));
    writer.join();
    QVERIFY2((result.out + result.err).contains(answer), qPrintable(result.out + result.err));
#else
    QSKIP("pipes of this kind are POSIX's");
#endif
}

void TestCheckCommand::suggestionsFillRowsWithoutPartNumbers_data()
{
    QTest::addColumn<QString>("row"); // under Ref,Value,Footprint,MPN
    QTest::addColumn<QString>("out");
    QTest::newRow("±5 % by default, at the footprint's size")
        << "R1,4k7,Resistor_SMD:R_0805_2012Metric,"
        << "-:2: R1: suggested: Yageo RC: RC0805JR-074K7L; Panasonic ERJ: ERJ-6GEYJ472V; "
           "Vishay CRCW: CRCW08054K70JNEA; "
           "Stackpole RMCF: RMCF0805JT4K70; Stackpole RMCP: RMCP0805JT4K70; "
           "Bourns CR: CR0805-JW-472ELF; TE CRG: CRG0805J4K7; KOA RK73B: RK73B2ATTD472J\n";
    QTest::newRow("the row's tolerance")
        << "R2,\"10k 0.1%\",R_0402_1005Metric,"
        << "-:2: R2: suggested: Yageo RC: RC0402BR-0710KL; Vishay TNPW: TNPW040210K0BEED; "
           "Yageo RT: RT0402BRE0710KL\n";
    QTest::newRow("a row with a part number gets none")
        << "R3,10k,R_0603_1608Metric,RC0603FR-0710KL"
        << "";
    QTest::newRow("a jumper") << "R7,0R,R_0603_1608Metric,"
                              << "-:2: R7: no part numbers suggested: 0 Ω is a jumper\n";
    QTest::newRow("a row without a size")
        << "R4,10k,,"
        << "-:2: R4: no part numbers suggested: the row names no size\n";
    QTest::newRow("a value no maker offers at that size")
        << "R5,100M,R_0603_1608Metric,"
        << "-:2: R5: no part numbers suggested: no maker's table offers 100 MΩ ±5 % in 0603, only "
           "100 mΩ to 22 MΩ; 100 MΩ ±5 % is offered in 0805, 1206\n";
    QTest::newRow("outside its series, said twice")
        << "R6,5k,R_0603_1608Metric,"
        << "-:2: R6: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
           "-:2: R6: no part numbers suggested: 5 kΩ is in no series offered in 0603 (E24, "
           "E96, E192); nearest 4.99 kΩ below and 5.05 kΩ above\n";
}

void TestCheckCommand::suggestionsFillRowsWithoutPartNumbers()
{
    QFETCH(QString, row);
    QFETCH(QString, out);
    const QString list = "Ref,Value,Footprint,MPN\n" + row + "\n";
    QCOMPARE(check({"--csv", "--suggest"}, list).out, out);
    QCOMPARE(check({"--csv"}, list).out.contains("suggested"), false);
}

void TestCheckCommand::suggestionsAreJsonFields()
{
    const CodeCommandResult result =
        check({"--csv", "--suggest", "--json"},
              "Ref,Value,Footprint\nR1,4k75,R_0603_1608Metric\nR2,4k7,\n");
    QList<QJsonObject> parts;
    for (const QString &line : result.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        if (object.contains("references"))
            parts << object;
    }
    QCOMPARE(parts.size(), 2);
    const QJsonArray suggested = parts[0]["suggested_part_numbers"].toArray();
    QCOMPARE(suggested.size(), 9);
    QCOMPARE(suggested[0]["part_number"].toString(), "RC0603FR-074K75L");
    QCOMPARE(suggested[0]["tolerance_percent"].toDouble(), 1.0);
    QCOMPARE(suggested[1]["family"].toString(), "Panasonic ERJ");
    QVERIFY(parts[0]["suggestion"].toString().startsWith("-:2: R1: suggested: Yageo RC: "));
    QVERIFY(parts[1]["suggested_part_numbers"].isNull());
    QCOMPARE(parts[1]["suggestion"].toString(),
             "-:3: R2: no part numbers suggested: the row names no size");
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "test_check_command.moc"
