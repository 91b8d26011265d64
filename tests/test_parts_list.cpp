// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CellValue.h"
#include "Encoding.h"
#include "FootprintSize.h"
#include "HtmlTable.h"
#include "Labels.h"
#include "PartNumberCell.h"
#include "PartsList.h"
#include "Records.h"
#include "ReferenceSet.h"
#include "Rows.h"

#include <QTest>

#include <sstream>

using namespace ohmilka::partslist;
using ohmilka::parseValue;

// Parts lists read as tools write them: records, encodings, labels, columns, rows and cells.
class TestPartsList : public QObject
{
    Q_OBJECT

private slots:
    void csvRecordsFollowRfc4180_data();
    void csvRecordsFollowRfc4180();
    void inputIsReadAsUtf8_data();
    void inputIsReadAsUtf8();
    void filesThatAreNoTextReadAsEmpty_data();
    void filesThatAreNoTextReadAsEmpty();
    void valueCellsGiveTheirLeadingValue_data();
    void valueCellsGiveTheirLeadingValue();
    void valueCellsReadTheirOhms_data();
    void valueCellsReadTheirOhms();
    void otherQuantitiesAreNoResistances_data();
    void otherQuantitiesAreNoResistances();
    void eachReferenceIsTakenOnce();
    void tolerancesReadAsWritten_data();
    void tolerancesReadAsWritten();
    void labelsMeanTheirRoles_data();
    void labelsMeanTheirRoles();
    void columnsAreJudgedByTheirCells_data();
    void columnsAreJudgedByTheirCells();
    void rowsThatAreNoPartsAreSkipped_data();
    void rowsThatAreNoPartsAreSkipped();
    void htmlTablesReadAsCsv_data();
    void htmlTablesReadAsCsv();
    void htmlTablesAreToldByTheirStart_data();
    void htmlTablesAreToldByTheirStart();
    void descriptionsGiveTheirOneValue_data();
    void descriptionsGiveTheirOneValue();
    void valueCellsNameTheirPackageAndPartNumber_data();
    void valueCellsNameTheirPackageAndPartNumber();
    void footprintsNameTheirChipSize_data();
    void footprintsNameTheirChipSize();
    void partNumberCellsNameEachAlternate_data();
    void partNumberCellsNameEachAlternate();

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
};

void TestPartsList::csvRecordsFollowRfc4180_data()
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

void TestPartsList::csvRecordsFollowRfc4180()
{
    QFETCH(QString, csv);
    QFETCH(QString, separator);
    QFETCH(int, limit);
    QFETCH(QString, records);
    const char parting =
        separator.isEmpty() ? ohmilka::partslist::plainLines : separator[0].toLatin1();
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

void TestPartsList::inputIsReadAsUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("piece"); // bytes the source hands at once
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("guessed"); // the encoding chosen for want of UTF-8
    const int unknown = int(TextEncoding::Unknown);
    QTest::newRow("ASCII") << QByteArray("4k7\n") << 1024 << unknown << QByteArray("4k7\n") << "";
    QTest::newRow("the signature is dropped") << QByteArray("\xEF\xBB\xBF"
                                                            "4,7 kΩ")
                                              << 1024 << unknown << QByteArray("4,7 kΩ") << "";
    QTest::newRow("not UTF-8 is Windows-1250")
        << QByteArray("Ref;Popis\r\nR1;\xE8"
                      "ern\xFD \xB1"
                      "1 %")
        << 1024 << unknown << QByteArray("Ref;Popis\r\nR1;černý ±1 %") << "Windows-1250";
    QTest::newRow("a byte the code page leaves undefined")
        << QByteArray("\x81x") << 1024 << unknown << QByteArray("\uFFFDx") << "Windows-1250";
    QTest::newRow("Windows-1250 asked for")
        << QByteArray("\xC3\xA9") << 1024 << int(TextEncoding::Windows1250) << QByteArray("Ă©")
        << "";
    QTest::newRow("UTF-8 asked for keeps bytes as they are")
        << QByteArray("\xE8") << 1024 << int(TextEncoding::Utf8) << QByteArray("\xE8") << "";
    QTest::newRow("a signature handed a byte at a time")
        << QByteArray("\xEF\xBB\xBFx") << 1 << unknown << QByteArray("x") << "";
    QTest::newRow("UTF-8 cut by a read")
        << QByteArray("a\xC4\x8Dx") << 2 << unknown << QByteArray("ačx") << "";
    QTest::newRow("Windows-1250 whose first byte ends a read")
        << QByteArray("a\xE8x") << 2 << unknown << QByteArray("ačx") << "Windows-1250";
    QTest::newRow("a sequence cut by the end is no UTF-8")
        << QByteArray("ab\xC4") << 1024 << unknown << QByteArray("abÄ") << "Windows-1250";
    const QByteArray utf16 = QByteArray("R\0001\000;\0004\000k\0007\000\xA9\x03\n\000", 16);
    QTest::newRow("UTF-16LE, signed")
        << QByteArray("\xFF\xFE") + utf16 << 1024 << unknown << QByteArray("R1;4k7Ω\n") << "";
    QByteArray bigEndian;
    for (qsizetype i = 0; i < utf16.size(); i += 2)
        bigEndian += QByteArray() + utf16[i + 1] + utf16[i];
    QTest::newRow("UTF-16BE, signed")
        << QByteArray("\xFE\xFF") + bigEndian << 1024 << unknown << QByteArray("R1;4k7Ω\n") << "";
    QTest::newRow("UTF-16LE by its zero bytes")
        << utf16 << 1024 << unknown << QByteArray("R1;4k7Ω\n") << "UTF-16LE";
    QTest::newRow("UTF-16BE by its zero bytes")
        << bigEndian << 1024 << unknown << QByteArray("R1;4k7Ω\n") << "UTF-16BE";
    QTest::newRow("UTF-16 handed a byte at a time")
        << QByteArray("\xFF\xFE") + utf16 << 1 << unknown << QByteArray("R1;4k7Ω\n") << "";
    QTest::newRow("a surrogate pair cut by a read")
        << QByteArray("\xFF\xFEx\000\x3D\xD8\x00\xDEy\000", 10) << 5 << unknown
        << QByteArray("x\U0001F600y") << "";
    QTest::newRow("a lone surrogate, and an odd byte at the end")
        << QByteArray("\xFF\xFE\x3D\xD8x\000z", 7) << 1024 << unknown << QByteArray("\uFFFDx\uFFFD")
        << "";
    QTest::newRow("UTF-16 asked for, without a signature")
        << QByteArray("x\000", 2) << 1024 << int(TextEncoding::Utf16Le) << QByteArray("x") << "";
}

void TestPartsList::inputIsReadAsUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, piece);
    QFETCH(int, encoding);
    QFETCH(QByteArray, text);
    QFETCH(QString, guessed);
    TricklingInput source(bytes.toStdString(), static_cast<std::size_t>(piece));
    DecodingInput decoding(&source, TextEncoding(encoding));
    std::istream in(&decoding);
    const std::string read{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    QCOMPARE(QByteArray::fromStdString(read), text);
    const auto chosen = decoding.guessedOtherThanUtf8();
    QCOMPARE(chosen ? QString::fromUtf8(nameOf(*chosen)) : QString(), guessed);
    QCOMPARE(int(decoding.binary()), int(BinaryKind::None));
}

void TestPartsList::filesThatAreNoTextReadAsEmpty_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::newRow("a spreadsheet")
        << QByteArray("PK\x03\x04\x14\000\006\000", 8) << int(BinaryKind::Zip);
    QTest::newRow("an Excel 97 workbook")
        << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") << int(BinaryKind::OleCompound);
    QTest::newRow("a PDF") << QByteArray("%PDF-1.7\n%\xE2\xE3") << int(BinaryKind::Pdf);
    QTest::newRow("zero bytes") << QByteArray("R1\000\000\000\x01\x02", 7)
                                << int(BinaryKind::Other);
}

void TestPartsList::filesThatAreNoTextReadAsEmpty()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    TricklingInput source(bytes.toStdString(), 1024);
    DecodingInput decoding(&source, TextEncoding::Unknown);
    std::istream in(&decoding);
    QCOMPARE(in.get(), std::char_traits<char>::eof());
    QCOMPARE(int(decoding.binary()), kind);
}

void TestPartsList::valueCellsGiveTheirLeadingValue_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("value");     // as the cell writes it
    QTest::addColumn<QString>("tolerance"); // as the cell writes it
    QTest::addColumn<int>("hundredths");    // of a percent; -1 for none
    QTest::addColumn<QString>("second");    // a second value, which leaves the cell unreadable
    const auto row = [](const char *name, const char *cell, const char *value,
                        const char *tolerance = "", int hundredths = -1, const char *second = "") {
        QTest::newRow(name) << QString::fromUtf8(cell) << QString::fromUtf8(value)
                            << QString::fromUtf8(tolerance) << hundredths
                            << QString::fromUtf8(second);
    };
    row("a value alone", " 10 kOhm ", "10 kOhm");
    row("a package after a slash", "10k/0402", "10k");
    row("a package after a space", "10k 0603", "10k");
    row("a package in brackets", "4k7 (0805)", "4k7");
    row("a package after an underscore", "4k7_0402", "4k7");
    row("a package word", "10k SMD", "10k");
    row("a tolerance", "4.7 k 1 %", "4.7 k", "1 %", 100);
    row("a tolerance with ±", "10k ±0,5%", "10k", "±0,5%", 50);
    row("a tolerance with +/-", "10k +/-1%", "10k", "+/-1%", 100);
    row("± right after the value", "8.06k±1%", "8.06k", "±1%", 100);
    row("± after a bare number", "24±2%", "24", "±2%", 200);
    row("a letter code", "10k F", "10k", "F", 100);
    row("K after a space is a prefix first", "4.7 K 1%", "4.7 K", "1%", 100);
    row("a tolerance, then a package", "10k 5% 0603", "10k", "5%", 500);
    row("a part number", "43k-RC0603FR-0743KL", "43k");
    row("a power rating first", "1/4W 10k", "10k");
    row("a power rating in decimals first", "0.25W 10k", "10k");
    row("a power rating after", "10k 1/4W", "10k");
    row("a coefficient", "10k 50ppm/K", "10k");
    row("a package as libraries name parts", "0603R 10KR", "10KR");
    row("ohms that look like a package", "1005 Ω", "1005 Ω");
    row("a bare number is ohms", "2512", "2512");
    row("two values", "10k 4k7", "10k", "", -1, "4k7");
    row("two values after a slash", "10k/4k7", "10k", "", -1, "4k7");
    row("two values after a power rating", "1/4W 4k7 1k", "4k7", "", -1, "1k");
    row("no value leads", "NTC-NCP18XH103F03RB", "NTC-NCP18XH103F03RB");
    row("three digits after a space part thousands", "1 000", "1 000");
    row("words of a material", "10k metal film", "10k");
    row("a word of no known kind", "10k shiny", "10k shiny");
    row("a voltage rating", "10k 50V 0603", "10k");
    row("a voltage in brackets", "10kR(0402 50V)", "10kR");
    row("a voltage of its current", "1k 200VDC", "1k");
    row("type words", "4k7 thick film", "4k7");
    row("grade words", "10k 1% AEC-Q200 anti-sulfur", "10k", "1%", 100);
    row("a unit word", "10K OHM 1% RES", "10K OHM", "1%", 100);
    row("a comma before a space", ".22, 1206", ".22");
    row("a comma before a letter", "10k,SMD", "10k");
    row("a semicolon", "10k;0603", "10k");
    row("a comma between digits stays decimal", "4,7k", "4,7k");
    row("a footprint's name", "10k Resistor_SMD:R_0603_1608Metric", "10k");
    row("a metric code marked m", "5.1kohm Resistor 0603(1608m)", "5.1kohm");
    row("a description, where no value leads", "SMD RES 0402 2K 5%", "2K", "5%", 500);
    row("a sign before the value", "-4k7", "-4k7");
}

void TestPartsList::valueCellsGiveTheirLeadingValue()
{
    QFETCH(QString, cell);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(int, hundredths);
    QFETCH(QString, second);
    const std::string text = cell.toStdString();
    const CellValue read = readValueCell(text);
    QCOMPARE(QString::fromUtf8(read.text), value);
    QCOMPARE(QString::fromUtf8(read.toleranceText), tolerance);
    QCOMPARE(read.toleranceHundredths.value_or(-1), hundredths);
    QCOMPARE(QString::fromUtf8(read.secondValue), second);
    QCOMPARE(read.parsed.value.has_value(), parseValue(read.text).value.has_value());
}

// Forms a list writes that the value parser alone does not read, or reads otherwise.
void TestPartsList::valueCellsReadTheirOhms_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("ohms"); // "" where the cell reads no value
    QTest::newRow("E for ohms") << "330E"
                                << "330";
    QTest::newRow("E for ohms, then a tolerance") << "0E 5%"
                                                  << "0";
    QTest::newRow("E after a multiplier") << "4k7E"
                                          << "";
    QTest::newRow("Eagle's package") << "R1206"
                                     << "";
    QTest::newRow("Eagle's package in small letters") << "r0603"
                                                      << "";
    QTest::newRow("R as the decimal point") << "R47"
                                            << "0.47";
    QTest::newRow("five characters that name no package") << "R4701"
                                                          << "0.4701";
}

void TestPartsList::valueCellsReadTheirOhms()
{
    QFETCH(QString, cell);
    QFETCH(QString, ohms);
    const std::string text = cell.toStdString();
    const CellValue read = readValueCell(text);
    QCOMPARE(QString::fromStdString(read.parsed.value ? decimalText(*read.parsed.value, ".") : ""),
             ohms);
}

void TestPartsList::tolerancesReadAsWritten_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("hundredths"); // -1 for no tolerance
    for (const char *one : {"1%", "±1%", "+/-1%", "± 1 %", "1", "F", "f", " 1.0 % "})
        QTest::newRow(one) << QString::fromUtf8(one) << 100;
    QTest::newRow("a decimal comma") << "0,25 %" << 25;
    QTest::newRow("J is 5 %") << "J" << 500;
    QTest::newRow("M is 20 %") << "M" << 2000;
    QTest::newRow("L is 0.01 %") << "L" << 1;
    for (const char *none : {"", "A", "abc", "1/4W", "101%", "1.234%", "±", "5% 1%"})
        QTest::newRow(none) << QString::fromUtf8(none) << -1;
}

void TestPartsList::tolerancesReadAsWritten()
{
    QFETCH(QString, cell);
    QFETCH(int, hundredths);
    QCOMPARE(readToleranceCell(cell.toStdString()).value_or(-1), hundredths);
}

void TestPartsList::labelsMeanTheirRoles_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("mayBeValue");
    const auto row = [](const char *label, Role role, bool mayBeValue = false) {
        QTest::newRow(label) << QString::fromUtf8(label) << int(role) << mayBeValue;
    };
    // Spaces, punctuation, case, # and No, a column number, letters outside ASCII; and the
    // labels that differ by little but mean other things.
    for (const char *reference : {"Ref Des", "RefDes", "Ref. Des.", "Reference Designator(s)",
                                  "Reference(s)", "Designator", "REFS", "Designators "})
        row(reference, Role::Reference);
    row("Part", Role::ReferenceCandidate, true);
    row("Name", Role::Unknown, true);
    for (const char *value : {"Designation", "Value[2]"})
        row(value, Role::Value);
    for (const char *number : {"manf#", "MFR#", "Mfr. No", "Manufacturer Part Number 1"})
        row(number, Role::PartNumber);
    for (const char *maker : {"manf", "MFR", "Manufacturer 1", "Výrobce"})
        row(maker, Role::Manufacturer);
    for (const char *item : {"Item #", "No.", "#"})
        row(item, Role::ItemNumber);
    for (const char *quantity : {"Qty.", "${QUANTITY}", "Počet"})
        row(quantity, Role::Quantity);
    row("Do Not Place", Role::NotFitted);
    row("Tolerance (%)", Role::Tolerance);
    row("Package/Footprint", Role::Footprint);
    row("Device", Role::Unknown);
    row("Supplier Part Number 1", Role::OrderNumber);
    // Misspellings one edit from a known label of five letters or more; shorter ones, and those
    // as near to two labels of other meanings, are not read for one.
    for (const char *misspelt : {"Referance", "Desigantor", "Designatr", "Refferences"})
        row(misspelt, Role::Reference);
    row("Vaule", Role::Value);
    row("Quantiy", Role::Quantity);
    row("Vlue", Role::Unknown);
    row("Refs2", Role::Reference); // a column number, not an edit
    // Designers' languages, and the tools that write them.
    for (const char *reference :
         {"Référence", "Referencia", "Riferimento", "Oznaczenie", "Referenz", "Ref.-No.", "位号"})
        row(reference, Role::Reference);
    for (const char *value : {"Valeur", "Valor", "Valore", "Wartość", "Wert", "值"})
        row(value, Role::Value);
    for (const char *quantity : {"Quantité", "Cantidad", "Quantità", "Ilość", "Anzahl", "数量"})
        row(quantity, Role::Quantity);
    for (const char *footprint :
         {"Boîtier", "Encapsulado", "Obudowa", "封装", "PCB Decal", "JEDEC_TYPE"})
        row(footprint, Role::Footprint);
    for (const char *order :
         {"LCSC", "LCSC Part #", "Digi-Key Part Number", "Mouser #", "SKU", "Order Code"})
        row(order, Role::OrderNumber);
    row("P/N", Role::PartNumber);
    row("Désignation", Role::Description);
    // Cadence Allegro's component report; Chinese assembly houses' and spreadsheets' labels.
    row("COMP_VALUE", Role::Value);
    row("COMP_TOL", Role::Tolerance);
    row("COMP_PACKAGE", Role::Footprint);
    row("COMP_DEVICE_TYPE", Role::Description);
    for (const char *reference : {"插件位置", "位置"})
        row(reference, Role::Reference);
    for (const char *number : {"MPN码", "型号"})
        row(number, Role::PartNumber);
    row("规格/型号", Role::Description);
    // Two labels in one: the first that means something.
    row("Manufacture Part Number/Seeed SKU", Role::PartNumber);
    row("Notes/Value", Role::Value);
    row("Notes/Remarks", Role::Unknown);
}

void TestPartsList::labelsMeanTheirRoles()
{
    QFETCH(QString, label);
    QFETCH(int, role);
    QFETCH(bool, mayBeValue);
    const LabelMeaning meaning = meaningOfLabel(label.toStdString());
    QCOMPARE(int(meaning.role), role);
    QCOMPARE(meaning.mayBeValue, mayBeValue);
}

void TestPartsList::columnsAreJudgedByTheirCells_data()
{
    QTest::addColumn<QString>("csv");        // the header, then the rows
    QTest::addColumn<QString>("references"); // the label of each column taken, "" for none
    QTest::addColumn<QString>("value");      // "" where the header names none
    QTest::newRow("Eagle: Part beside Value is the reference")
        << "Part,Value,Device\nR1,10k,R-EU\nBUTC,SKHH,SKHH\nR2,1k,R-EU"
        << "Part"
        << "Value";
    QTest::newRow("OrCAD: Part beside Reference is the value")
        << "Item,Quantity,Reference,Part\n1,2,\"R1,R2\",10k"
        << "Reference"
        << "Part";
    QTest::newRow("KiBoM: References win over Part") << "Part,References,Value\nR,R1 R2,10k"
                                                     << "References"
                                                     << "Value";
    QTest::newRow("EasyEDA: Name where no Value is") << "ID,Name,Designator\n1,10k,R1"
                                                     << "Designator"
                                                     << "Name";
    QTest::newRow("Part without a column of references is none of values")
        << "Part,Quantity,Description\n\"R1, 3\",2,RES 1K\nR2,1,RES 330\nU1,1,NE555"
        << ""
        << "";
    QTest::newRow("Name where a Value is, is not read") << "Name,Value,Designator\nRES,10k,R1"
                                                        << "Designator"
                                                        << "Value";
    QTest::newRow("a Comment that reads wins over an empty Value")
        << "Designator,Value,Comment\nR1,,10k\nR2,,4k7"
        << "Designator"
        << "Comment";
    QTest::newRow("a Value that reads as well wins by rank")
        << "Designator,Comment,Value\nR1,RES 10k,10k"
        << "Designator"
        << "Value";
    QTest::newRow("designators under another label")
        << "Pos,Value,Footprint\nR1,10k,R0603\nR2,1k,R0603"
        << "Pos"
        << "Value";
    QTest::newRow("a footprint of designator shape is not taken") << "Value,Footprint\n10k,R0603"
                                                                  << ""
                                                                  << "Value";
    QTest::newRow("a labelled reference column, even empty") << "Designator,Value\n,10k"
                                                             << "Designator"
                                                             << "Value";
    QTest::newRow("quoted after a space, as KiCad's bom2csv parts its fields")
        << "\"Reference\", \"Value\"\n\"R1\", \"10k\""
        << "Reference"
        << "Value";
    QTest::newRow("LibrePCB: the first of two Value columns")
        << "Quantity,Designators,Value,MPN,Value[2]\n1,R1,10k,RC0603,10k"
        << "Designators"
        << "Value";
}

void TestPartsList::columnsAreJudgedByTheirCells()
{
    QFETCH(QString, csv);
    QFETCH(QString, references);
    QFETCH(QString, value);
    const QStringList lines = csv.split(u'\n');
    Record fields;
    splitRecord(lines.front().toStdString(), ',', fields);
    const std::optional<Header> header = headerIn(fields, 1);
    QVERIFY(header);
    std::vector<Record> rows(static_cast<std::size_t>(lines.size() - 1));
    for (qsizetype i = 1; i < lines.size(); ++i)
        splitRecord(lines[i].toStdString(), ',', rows[static_cast<std::size_t>(i - 1)]);
    const std::optional<Columns> columns = columnsOf(*header, rows);
    QCOMPARE(columns.has_value(), !value.isEmpty()); // no value column: no columns
    if (!columns)
        return;
    const auto label = [&](std::optional<std::size_t> column) {
        return column ? QString::fromStdString(columns->header.labels[*column]) : QString();
    };
    QCOMPARE(label(columns->references), references);
    QCOMPARE(label(columns->value), value);
}

void TestPartsList::rowsThatAreNoPartsAreSkipped_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("parts"); // line:kind of each part read; R, N (not fitted), O
    QTest::newRow("KiBoM's statistics")
        << "References,Value,Footprint\nR1,10k,R0603\n\n\"Component Groups:\",52\n"
           "\"Component Count:\",60\n"
        << "2:R";
    QTest::newRow("a spreadsheet's totals, supplier lines and empty lines")
        << "Ref;Value;Qty;Price\nR1;10k;1;0,10\n;;;\n;Supplier: TME;;\n;;5;0,50\nTotal;;;0,60\n"
           "R2;1k;1;0,10\n"
        << "2:R 7:R";
    QTest::newRow("notes under a list of references")
        << "Refs,Value\nR1,10k\n,Used currency rates:\n,10k\n"
        << "2:R 4:R";
    QTest::newRow("titles, and the header once more")
        << "Refs,Value\nR1,10k\nCollated Components:\nRefs,Value\nR2,1k\n"
        << "2:R 5:R";
    QTest::newRow("a reference that is no designator, with a value")
        << "Designator,Value\nVoltmeter,http://example.org\nR1-22-B,http://example.org\n"
        << "2:O 3:O";
    QTest::newRow("not fitted by a mark, a DNP column, a quantity of 0 and KiBoM's (DNF)")
        << "Refs,Value,DNP,Qty\nR1,10k DNP,,1\nR2,10k,DNP,1\nR3,10k,,0\nR4,10k,,1 (DNF)\n"
           "R5,10k,,1\n"
        << "2:N 3:N 4:N 5:N 6:R";
    QTest::newRow("a DNP mark in a field of its own") << "Ref;Value;Field1\nR1;47;DNP\nR2;10k;\n"
                                                      << "2:N 3:R";
    QTest::newRow("Olimex's NA, alone and before the value")
        << "Ref,Value\nR1,NA\nR2,NA(10k)\nR3,NA(\nR4,10k\n"
        << "2:N 3:N 4:R 5:R";
    QTest::newRow("a Status column: KiBot's (DNF), not a part's lifecycle")
        << "Ref,Value,Status\nR1,10k, (DNF)\nR2,10k,Approved\nR3,10k,\n"
        << "2:N 3:R 4:R";
    QTest::newRow("a Fitted column")
        << "Designator,Comment,Fitted\nR1,10k,Not Fitted\nR2,10k,Fitted\nR3,10k,no\n"
        << "2:N 3:R 4:N";
    QTest::newRow("a header among the first lines of a plain file")
        << "Bill Of Materials\n\nItem\tQuantity\tReference\tPart\n1\t1\tR1\t10k\n"
        << "4:R";
    QTest::newRow("a plain list") << "4k7\n# comment\n10k 1%\n"
                                  << "1:R 3:R";
    QTest::newRow("a table aligned with spaces, with dashes")
        << "Partlist\n\nPart     Value    Package\n\nR1       4k7      0207/10\n"
           "IC1      NE5532   DIL08\nR2 ----- 10k      0207/10\n"
        << "5:R 6:O 7:R";
    QTest::newRow("an ASSY column, and notes that say not fitted in words")
        << "Ref,Value,ASSY,Notes\nR1,10k,NI,\nR2,10k,,do not populate\nR3,10k,,fit last\n"
        << "2:N 3:N 4:R";
    QTest::newRow("a Markdown table, its rule of dashes skipped")
        << "# Parts\n\n| Ref | Value |\n|----:|:------|\n| R1 | 10k |\n| C1 | 100n |\n"
        << "5:R 6:O";
    QTest::newRow("rows saved again as one quoted cell")
        << "Comment,Designator,Footprint\n\"10k,\"\"R1,R2\"\",R_0603\"\n4k7,R3,R_0603\n"
           "\"Notes, made by hand\"\n"
        << "2:R 3:R";
}

void TestPartsList::htmlTablesReadAsCsv_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("csv");
    // Proteus's report: upper-case tags, attributes, a table over several lines, styles.
    QTest::newRow("a table over several lines")
        << "<HTML><STYLE>td { color: red }</STYLE>\n<TABLE>\n<TR CLASS=\"h\"><TH>Ref</TH>"
           "<TH>Value</TH></TR>\n<TR>\n<TD>R1</TD>\n<TD>10k</TD>\n</TR>\n</TABLE></HTML>\n"
        << "\n\n\"Ref\",\"Value\"\n\"R1\",\"10k\"\n\n\n\n\n";
    QTest::newRow("markup, entities and spaces in cells")
        << "<table><tr><td> <b>4k7</b>&nbsp;&plusmn;1&#37; </td><td>a&amp;b &Omega;&#x3A9;</td>"
           "<td>5\" &bogus; & x</td></tr></table>"
        << "\"4k7 ±1%\",\"a&b ΩΩ\",\"5\"\" &bogus; & x\"\n";
    QTest::newRow("rows whose ends are left out")
        << "<table><tr><td>R1<td>10k<tr><td>R2<td>1k</table>"
        << "\"R1\",\"10k\"\n\"R2\",\"1k\"\n";
    QTest::newRow("a quote in an attribute holds a >")
        << "<table><tr><td title=\"a>b\">R1</td></tr></table>"
        << "\"R1\"\n";
    QTest::newRow("a page cut short in a cell") << "<table><tr><td>R1</td><td>10"
                                                << "\"R1\",\"10\"\n";
    QTest::newRow("text outside the tables") << "# BOM\nR1 10k\n<table></table>\n"
                                             << "\n\n\n";
}

// Each row a record, on the line its <tr> opens on, whatever the reads' sizes.
void TestPartsList::htmlTablesReadAsCsv()
{
    QFETCH(QString, html);
    QFETCH(QString, csv);
    std::istringstream in(html.toStdString());
    HtmlTableInput tables(in.rdbuf());
    std::istream rows(&tables);
    const std::string read((std::istreambuf_iterator<char>(rows)),
                           std::istreambuf_iterator<char>());
    QCOMPARE(QString::fromStdString(read), csv);
}

void TestPartsList::htmlTablesAreToldByTheirStart_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("html");
    QTest::newRow("a page") << "<!DOCTYPE html><html><table><tr><td>R1" << true;
    QTest::newRow("a README's table") << "# Parts\n\n  <table>\n<tr><td>R1" << true;
    QTest::newRow("a table at the very start") << "<TABLE><TR><TD>R1" << true;
    QTest::newRow("markup within a CSV's cell") << "Ref,Value,Note\nR1,10k,see <table><tr> below\n"
                                                << false;
    QTest::newRow("a table without rows") << "<table></table>" << false;
    QTest::newRow("a page without a table") << "<html><tr>" << false;
}

void TestPartsList::htmlTablesAreToldByTheirStart()
{
    QFETCH(QString, start);
    QFETCH(bool, html);
    QCOMPARE(startsWithHtmlTable(start.toStdString()), html);
}

void TestPartsList::rowsThatAreNoPartsAreSkipped()
{
    QFETCH(QString, list);
    QFETCH(QString, parts);
    std::istringstream in(list.toStdString());
    PartsListReader reader(in, plainOrTable);
    ListedPart listed;
    QStringList read;
    while (reader.next(listed)) {
        const char *kinds = "RNO";
        read << QStringLiteral("%1:%2")
                    .arg(listed.line)
                    .arg(QChar::fromLatin1(kinds[int(listed.part.kind)]));
    }
    QCOMPARE(read.join(u' '), parts);
}

void TestPartsList::otherQuantitiesAreNoResistances_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("other");
    for (const char *other :
         {"100n", "10uF", "4.7uH", "3V3", "33pF", "4n7", "10 µF/25V", "12 V", "2A", "32.768kHz"})
        QTest::newRow(other) << other << true;
    for (const char *resistance : {"220m", "10k", "1M", "4k7", "10 kOhm", "100mR", "10meg"})
        QTest::newRow(resistance) << resistance << false;
}

void TestPartsList::otherQuantitiesAreNoResistances()
{
    QFETCH(QString, cell);
    QFETCH(bool, other);
    QCOMPARE(ohmilka::partslist::namesOtherQuantity(cell.toStdString()), other);
}

void TestPartsList::eachReferenceIsTakenOnce()
{
    ohmilka::partslist::ReferenceSet references;
    const int count = 5000; // past the table's first growths
    for (int round = 0; round < 2; ++round)
        for (int i = 1; i <= count; ++i)
            QVERIFY2(references.insert(std::string(1, 'R').append(std::to_string(i))) ==
                         (round == 0),
                     qPrintable(QStringLiteral("R%1, round %2").arg(i).arg(round)));
    QVERIFY(references.insert("R"));
    QVERIFY(!references.insert("R"));
}

void TestPartsList::descriptionsGiveTheirOneValue_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("value");     // "" where none reads
    QTest::addColumn<QString>("tolerance"); // as the cell writes it
    QTest::addColumn<QString>("second");    // a second value, which leaves it unreadable
    const auto row = [](const char *name, const char *cell, const char *value,
                        const char *tolerance = "", const char *second = "") {
        QTest::newRow(name) << QString::fromUtf8(cell) << QString::fromUtf8(value)
                            << QString::fromUtf8(tolerance) << QString::fromUtf8(second);
    };
    row("a distributor's", "RES SMD 10K OHM 1% 1/10W 0603", "10K OHM", "1%");
    row("a value and a package", "22K 1206", "22K");
    row("a rating after the package", "RES 220R 0603 0.25W", "220R");
    row("commas and a unit apart", "Chip Resistor, 10 kOhm, ±1%, 0.1W, 0603", "10 kOhm", "±1%");
    row("a dash among words", "Thick Film Resistors - SMD 1/10W 10K OHM 1%", "10K OHM", "1%");
    row("a jumper", "RES SMD 0 OHM JUMPER 1/10W 0603", "0 OHM");
    row("a tolerance before the value", "1% 4k7 resistor", "4k7", "1%");
    row("a value alone", "10k", "10k");
    row("a range is two values", "RES 10K-100K", "10K", "", "100K");
    row("a word of no known kind before", "Thermistor NTC 10K", "");
    row("a word of no known kind after", "10K NTC", "");
    row("a series name", "RES CRGCQ 0603 2K7 1%", "");
    // The word for a resistor in the designers' languages.
    row("Bulgarian", "SMD РЕЗ 0402 10 K 5%", "10 K", "5%");
    row("German", "Widerstand 100K", "100K");
    row("Chinese", "电阻 4.7k 0603", "4.7k");
    row("Czech", "Rezistor 1k5 1%", "1k5", "1%");
    row("no value", "RES SMD 0603", "");
}

void TestPartsList::descriptionsGiveTheirOneValue()
{
    QFETCH(QString, cell);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(QString, second);
    const std::string text = cell.toStdString();
    const CellValue read = readDescriptionCell(text);
    QCOMPARE(read.parsed.value ? QString::fromUtf8(read.text.data(), qsizetype(read.text.size()))
                               : QString(),
             value);
    QCOMPARE(QString::fromUtf8(read.toleranceText.data(), qsizetype(read.toleranceText.size())),
             tolerance);
    QCOMPARE(QString::fromUtf8(read.secondValue.data(), qsizetype(read.secondValue.size())),
             second);
}

void TestPartsList::valueCellsNameTheirPackageAndPartNumber_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QString>("partNumber");
    QTest::newRow("none") << "10k"
                          << ""
                          << "";
    QTest::newRow("after a slash") << "10k/0402"
                                   << "0402"
                                   << "";
    QTest::newRow("in brackets") << "4k7 (0805)"
                                 << "0805"
                                 << "";
    QTest::newRow("before the value, as libraries name parts") << "0603R 10KR"
                                                               << "0603"
                                                               << "";
    QTest::newRow("a part number after a hyphen") << "43k-RC0603FR-0743KL"
                                                  << ""
                                                  << "RC0603FR-0743KL";
    QTest::newRow("both, the first package kept") << "10k 1% 0603 RC0603FR-0710KL 0402"
                                                  << "0603"
                                                  << "RC0603FR-0710KL";
    QTest::newRow("a package word names no size") << "10k SMD"
                                                  << "SMD"
                                                  << "";
}

void TestPartsList::valueCellsNameTheirPackageAndPartNumber()
{
    QFETCH(QString, cell);
    QFETCH(QString, package);
    QFETCH(QString, partNumber);
    const std::string text = cell.toStdString();
    const CellValue read = readValueCell(text);
    QVERIFY(read.parsed.value);
    QCOMPARE(QString::fromUtf8(read.package.data(), qsizetype(read.package.size())), package);
    QCOMPARE(QString::fromUtf8(read.partNumber.data(), qsizetype(read.partNumber.size())),
             partNumber);
}

void TestPartsList::footprintsNameTheirChipSize_data()
{
    QTest::addColumn<QString>("footprint");
    QTest::addColumn<QString>("size");   // inch; "" for none
    QTest::addColumn<QString>("naming"); // named, inch, metric or either; "" for none
    const auto row = [](const char *name, const char *footprint, const char *size,
                        const char *naming) { QTest::newRow(name) << footprint << size << naming; };
    row("KiCad, both names", "Resistor_SMD:R_0603_1608Metric", "0603", "named");
    row("KiCad, hand soldering pads", "R_0805_2012Metric_Pad1.20x1.40mm_HandSolder", "0805",
        "named");
    row("KiCad, 0201 whose metric is 0603", "R_0201_0603Metric", "0201", "named");
    row("KiCad, 2512", "R_2512_6332Metric", "2512", "named");
    row("01005", "R_01005_0402Metric", "01005", "named");
    row("IPC-7351 is metric", "RESC1608X55N", "0603", "named");
    row("IPC-7351, small letters", "resc1005x40n", "0402", "named");
    row("inch alone, either", "R_0402", "0402", "either");
    row("Eagle, inch alone", "R0805", "0805", "inch");
    row("plain, inch alone", "1206", "1206", "inch");
    row("plain, either", "0603", "0603", "either");
    row("a metric code that is no inch code", "SMD_3216", "1206", "metric");
    row("through hole", "Resistor_THT:R_Axial_DIN0207_L6.3mm_D2.5mm_P10.16mm", "", "");
    row("two sizes that differ", "R_0603_2012Metric", "", "");
    row("an array", "Resistor_SMD:R_Array_Convex_4x0603", "", "");
    row("an array's element count", "CAY16_4x0402", "", "");
    row("a shunt", "Resistor_SMD:R_Shunt_Vishay_WSK2512_6332Metric_T1.19mm", "", "");
    row("no code", "SOT-23", "", "");
    row("a pitch is no code", "P2.5400mm", "", "");
}

void TestPartsList::footprintsNameTheirChipSize()
{
    QFETCH(QString, footprint);
    QFETCH(QString, size);
    QFETCH(QString, naming);
    const auto found = sizeOfFootprint(footprint.toStdString());
    QCOMPARE(found ? QString::fromUtf8(found->size.inch.data(), qsizetype(found->size.inch.size()))
                   : QString(),
             size);
    static const QStringList namings{"named", "inch", "metric", "either"};
    QCOMPARE(found ? namings.at(int(found->naming)) : QString(), naming);
}

void TestPartsList::partNumberCellsNameEachAlternate_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("numbers"); // parted by " | "
    QTest::newRow("one") << "RC0603FR-0710KL"
                         << "RC0603FR-0710KL";
    QTest::newRow("makers and a slash") << "Yageo RC0402FR-0710KL / Panasonic ERJ-2RKF1002X"
                                        << "RC0402FR-0710KL | ERJ-2RKF1002X";
    QTest::newRow("commas") << "RC0603FR-0710KL, CRCW060310K0FKEA,RMCF0603FT10K0"
                            << "RC0603FR-0710KL | CRCW060310K0FKEA | RMCF0603FT10K0";
    QTest::newRow("or") << "RC0603FR-0710KL or ERJ-3EKF1002V"
                        << "RC0603FR-0710KL | ERJ-3EKF1002V";
    QTest::newRow("a slash of its own") << "CR0603-J/-000ELF"
                                        << "CR0603-J/-000ELF";
    QTest::newRow("a maker alone before it") << "Vishay CRCW060310K0FKEA"
                                             << "CRCW060310K0FKEA";
    QTest::newRow("two a key reads, a space apart") << "RC0603FR-0715KL RC0603FR-1015KL"
                                                    << "RC0603FR-0715KL | RC0603FR-1015KL";
    QTest::newRow("a carriage return after it") << "RK73Z1JTTD\r"
                                                << "RK73Z1JTTD";
    QTest::newRow("a description names none") << "RES 10K 0603"
                                              << "";
    QTest::newRow("empty") << "  "
                           << "";
    QTest::newRow("a placeholder is none") << "-"
                                           << "";
    QTest::newRow("nor words without digits") << "N/A, TBD"
                                              << "";
    QTest::newRow("nor a tolerance or a package beside a maker") << "Any 1%, Generic 0603"
                                                                 << "";
    QTest::newRow("a note beside it") << "RC0603FR-0710KL 1%"
                                      << "RC0603FR-0710KL";
    QTest::newRow("an alternate in brackets") << "RC0603FR-0710KL (alt: ERJ-3EKF1002V)"
                                              << "RC0603FR-0710KL | ERJ-3EKF1002V";
}

void TestPartsList::partNumberCellsNameEachAlternate()
{
    QFETCH(QString, cell);
    QFETCH(QString, numbers);
    const std::string text = cell.toStdString();
    QStringList found;
    for (const std::string_view number : partNumbersIn(text))
        found << QString::fromUtf8(number.data(), qsizetype(number.size()));
    QCOMPARE(found.join(QStringLiteral(" | ")), numbers);
}

QTEST_GUILESS_MAIN(TestPartsList)
#include "test_parts_list.moc"
