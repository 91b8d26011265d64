// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeCommandRun.h"
#include "Encoding.h"
#include "PartsRows.h"
#include "Records.h"
#include "ReferenceSet.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <system_error>

#include <sstream>

using ohmilka::cli::DecodingInput;
using ohmilka::cli::Record;
using ohmilka::cli::RecordReader;
using ohmilka::cli::TextEncoding;

// Parts lists and bills of materials checked against the E series, read from standard input.
class TestCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void csvRecordsFollowRfc4180_data();
    void csvRecordsFollowRfc4180();
    void inputIsReadAsUtf8_data();
    void inputIsReadAsUtf8();
    void valueCellsGiveTheirLeadingValue_data();
    void valueCellsGiveTheirLeadingValue();
    void otherQuantitiesAreNoResistances_data();
    void otherQuantitiesAreNoResistances();
    void eachReferenceIsTakenOnce();
    void readsPartsListsAsToolsWriteThem_data();
    void readsPartsListsAsToolsWriteThem();
    void readErrorsNameTheFileAndCheckTheRest_data();
    void readErrorsNameTheFileAndCheckTheRest();
    void reportsWhatLiesOutside_data();
    void reportsWhatLiesOutside();
    void jsonLinesReadBack();

private:
    static QString readRecords(const QString &csv, char separator = ',',
                               std::size_t limit = RecordReader::defaultLimit)
    {
        std::istringstream in(csv.toStdString());
        RecordReader reader(in, separator, limit);
        Record fields;
        QStringList read;
        while (reader.next(fields)) {
            QStringList parts;
            for (std::size_t i = 0; i < fields.size(); ++i)
                parts << QString::fromStdString(std::string(fields[i]));
            read << QString::number(reader.line()) + ":" +
                        (reader.tooLong() ? QStringLiteral("long") : parts.join(u'|'));
        }
        if (const auto line = reader.unclosedQuote())
            read << QStringLiteral("quote from %1").arg(*line);
        return read.join(QStringLiteral(" / "));
    }
    static CodeCommandResult check(const QStringList &options, const QString &input)
    {
        return runCodeCommand(QStringList{QStringLiteral("check")} + options,
                              ohmilka::cli::Language::English, input.toStdString());
    }
};

void TestCheckCommand::csvRecordsFollowRfc4180_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("limit"); // bytes a record may hold
    // Fields parted by |, records by /, with start lines; "long" for a record over the limit.
    QTest::addColumn<QString>("records");
    const int plenty = RecordReader::defaultLimit;
    QTest::newRow("plain fields") << "a,b,c\n1,2,3\n"
                                  << "," << plenty << "1:a|b|c / 2:1|2|3";
    QTest::newRow("quoted commas and quotes") << "\"R1, R2\",\"say \"\"hi\"\"\"\n"
                                              << "," << plenty << "1:R1, R2|say \"hi\"";
    QTest::newRow("line break inside quotes") << "\"two\nlines\",x\ny\n"
                                              << "," << plenty << "1:two\nlines|x / 3:y";
    QTest::newRow("CR LF line ends") << "a,b\r\nc,d\r\n"
                                     << "," << plenty << "1:a|b / 2:c|d";
    QTest::newRow("empty fields and no last line end") << ",,\nz"
                                                       << "," << plenty << "1:|| / 2:z";
    QTest::newRow("eight bytes fit") << "abc,defg\nz\n"
                                     << "," << 8 << "1:abc|defg / 2:z";
    QTest::newRow("commas count") << ",,,,,,,,,\nz\n"
                                  << "," << 8 << "1:long / 2:z";
    QTest::newRow("quotes count") << "\"ab\",\"cd\"\nz\n"
                                  << "," << 8 << "1:long / 2:z";
    QTest::newRow("a doubled quote counts twice") << "\"a\"\"\"\"bc\"\nz\n"
                                                  << "," << 8 << "1:long / 2:z";
    QTest::newRow("a long quoted record ends where its quote closes")
        << "\"0123456789\n0123\",x\nz\n"
        << "," << 8 << "1:long / 3:z";
    QTest::newRow("an unclosed quote names its line") << "a,b\nc,\"d\n\nmore\n"
                                                      << "," << plenty << "1:a|b / quote from 2";
    QTest::newRow("a quote opened on a later line of the record")
        << "x,\"a\nb\",\"c\n"
        << "," << plenty << "quote from 2";
    QTest::newRow("semicolons, and a quoted one") << "a;\"b;c\";d\n"
                                                  << ";" << plenty << "1:a|b;c|d";
    QTest::newRow("tabs, and commas in a field") << "a\tb,c\n"
                                                 << "\t" << plenty << "1:a|b,c";
    QTest::newRow("CR alone ends lines") << "a,b\rc\r\"d\re\"\rf"
                                         << "," << plenty << "1:a|b / 2:c / 3:d\ne / 5:f";
    QTest::newRow("a plain list has no fields") << "a,\"b\n"
                                                << "" << plenty << "1:a,\"b";
}

void TestCheckCommand::csvRecordsFollowRfc4180()
{
    QFETCH(QString, csv);
    QFETCH(QString, separator);
    QFETCH(int, limit);
    QFETCH(QString, records);
    const char parting = separator.isEmpty() ? ohmilka::cli::plainLines : separator[0].toLatin1();
    QCOMPARE(readRecords(csv, parting, static_cast<std::size_t>(limit)), records);
}

namespace {
// A source that hands its bytes a few at a time, as a pipe may.
class TricklingInput : public std::streambuf
{
public:
    TricklingInput(std::string bytes, std::size_t piece) : bytes_(std::move(bytes)), piece_(piece)
    {}

protected:
    int_type underflow() override
    {
        if (at_ >= bytes_.size())
            return traits_type::eof();
        const std::size_t size = std::min(piece_, bytes_.size() - at_);
        setg(bytes_.data() + at_, bytes_.data() + at_, bytes_.data() + at_ + size);
        at_ += size;
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string bytes_;
    std::size_t piece_;
    std::size_t at_ = 0;
};
} // namespace

void TestCheckCommand::inputIsReadAsUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("piece"); // bytes the source hands at once
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("guessedWindows1250");
    const int unknown = int(TextEncoding::Unknown);
    QTest::newRow("ASCII") << QByteArray("4k7\n") << 1024 << unknown << QByteArray("4k7\n")
                           << false;
    QTest::newRow("the signature is dropped") << QByteArray("\xEF\xBB\xBF"
                                                            "4,7 kΩ")
                                              << 1024 << unknown << QByteArray("4,7 kΩ") << false;
    QTest::newRow("not UTF-8 is Windows-1250")
        << QByteArray("Ref;Popis\r\nR1;\xE8"
                      "ern\xFD \xB1"
                      "1 %")
        << 1024 << unknown << QByteArray("Ref;Popis\r\nR1;černý ±1 %") << true;
    QTest::newRow("a byte the code page leaves undefined")
        << QByteArray("\x81x") << 1024 << unknown << QByteArray("\uFFFDx") << true;
    QTest::newRow("Windows-1250 asked for")
        << QByteArray("\xC3\xA9") << 1024 << int(TextEncoding::Windows1250) << QByteArray("Ă©")
        << false;
    QTest::newRow("UTF-8 asked for keeps bytes as they are")
        << QByteArray("\xE8") << 1024 << int(TextEncoding::Utf8) << QByteArray("\xE8") << false;
    QTest::newRow("a signature handed a byte at a time")
        << QByteArray("\xEF\xBB\xBFx") << 1 << unknown << QByteArray("x") << false;
    QTest::newRow("UTF-8 cut by a read")
        << QByteArray("a\xC4\x8Dx") << 2 << unknown << QByteArray("ačx") << false;
    QTest::newRow("Windows-1250 whose first byte ends a read")
        << QByteArray("a\xE8x") << 2 << unknown << QByteArray("ačx") << true;
    QTest::newRow("a sequence cut by the end is no UTF-8")
        << QByteArray("ab\xC4") << 1024 << unknown << QByteArray("abÄ") << true;
}

void TestCheckCommand::inputIsReadAsUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, piece);
    QFETCH(int, encoding);
    QFETCH(QByteArray, text);
    QFETCH(bool, guessedWindows1250);
    TricklingInput source(bytes.toStdString(), static_cast<std::size_t>(piece));
    DecodingInput decoding(&source, TextEncoding(encoding));
    std::istream in(&decoding);
    const std::string read{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    QCOMPARE(QByteArray::fromStdString(read), text);
    QCOMPARE(decoding.guessedWindows1250(), guessedWindows1250);
}

void TestCheckCommand::valueCellsGiveTheirLeadingValue_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("a value alone") << " 10 kOhm "
                                   << "10 kOhm"
                                   << "";
    QTest::newRow("a package after a slash") << "10k/0402"
                                             << "10k"
                                             << "";
    QTest::newRow("a package after a space") << "10k 0603"
                                             << "10k"
                                             << "";
    QTest::newRow("a package in brackets") << "4k7 (0805)"
                                           << "4k7"
                                           << "";
    QTest::newRow("a tolerance") << "4.7 k 1 %"
                                 << "4.7 k"
                                 << "1%";
    QTest::newRow("a tolerance with ±") << "10k ±0,5%"
                                        << "10k"
                                        << "0,5%";
    QTest::newRow("a tolerance, then a package") << "10k 5% 0603"
                                                 << "10k"
                                                 << "5%";
    QTest::newRow("a part number") << "43k-RC0603FR-0743KL"
                                   << "43k"
                                   << "";
    QTest::newRow("no value leads") << "NTC-NCP18XH103F03RB"
                                    << "NTC-NCP18XH103F03RB"
                                    << "";
    QTest::newRow("three digits after a space part thousands") << "1 000"
                                                               << "1 000"
                                                               << "";
    QTest::newRow("a word after a space") << "10k SMD"
                                          << "10k SMD"
                                          << "";
}

void TestCheckCommand::valueCellsGiveTheirLeadingValue()
{
    QFETCH(QString, cell);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    const auto [read, toleranceRead] = ohmilka::cli::valueAndTolerance(cell.toStdString());
    QCOMPARE(QString::fromStdString(read), value);
    QCOMPARE(QString::fromStdString(toleranceRead), tolerance);
}

void TestCheckCommand::otherQuantitiesAreNoResistances_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("other");
    for (const char *other :
         {"100n", "10uF", "4.7uH", "3V3", "33pF", "4n7", "10 µF/25V", "12 V", "2A", "32.768kHz"})
        QTest::newRow(other) << other << true;
    for (const char *resistance : {"220m", "10k", "1M", "4k7", "10 kOhm", "100mR", "10meg"})
        QTest::newRow(resistance) << resistance << false;
}

void TestCheckCommand::otherQuantitiesAreNoResistances()
{
    QFETCH(QString, cell);
    QFETCH(bool, other);
    QCOMPARE(ohmilka::cli::namesOtherQuantity(cell.toStdString()), other);
}

void TestCheckCommand::eachReferenceIsTakenOnce()
{
    ohmilka::cli::ReferenceSet references;
    const int count = 5000; // past the table's first growths
    for (int round = 0; round < 2; ++round)
        for (int i = 1; i <= count; ++i)
            QVERIFY2(references.insert(std::string(1, 'R').append(std::to_string(i))) ==
                         (round == 0),
                     qPrintable(QStringLiteral("R%1, round %2").arg(i).arg(round)));
    QVERIFY(references.insert("R"));
    QVERIFY(!references.insert("R"));
}

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
        << "checked 3: 2 in series, 1 outside, 0 unreadable; 1 not fitted, 1 other parts skipped";
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
        << "checked 2: 1 in series, 1 outside, 0 unreadable; 0 not fitted, 1 other parts skipped";
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
    QTest::newRow("no Value column") << QStringList{"--csv"} << "Ref,Qty\nR1,1\n"
                                     << 2 << ""
                                     << "no row names a Value, Comment or Designation column";
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
    QTest::newRow("unreadable wins over outside")
        << QStringList{} << "5k\nlots\n"
        << 2
        << "-:1: 5 kΩ is not in E24; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above\n"
           "-:2: value 'lots': it is not a resistance (forms: 4700, 4k7, 4.7k, 4.7 kΩ, 470R, "
           "0R22, 2M2, 4.7e3, 220m)\n"
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
              QStringLiteral("Ref,Value\n\"R1, R2\",5k\nR3,oops\nR4,4k7\nR5,DNP\nC1,1u\n"));
    QCOMPARE(result.status, 2);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
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
    QStringList results, values;
    for (const QString &line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        results << object.value("result").toString();
        values << object.value("value").toString();
    }
    QCOMPARE(values, QStringList({"5k", "oops", "4k7", "DNP", "1u"}));
    QCOMPARE(results,
             QStringList({"outside", "unreadable", "in_series", "not_fitted", "other_part"}));
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "test_check_command.moc"
