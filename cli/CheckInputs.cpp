// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckInputs.h"

#include "CheckAccount.h"
#include "Design.h"
#include "HtmlTable.h"
#include "KicadLegacySchematic.h"
#include "KicadNetlist.h"
#include "KicadSchematic.h"
#include "KicadSexprNetlist.h"
#include "PartsList.h"
#include "Spreadsheet.h"
#include "SystemReason.h"

#include <unordered_map>

namespace ohmilka::cli {

using namespace partslist;

std::string binaryFileText(BinaryKind kind, std::string_view file, const Texts &texts)
{
    const std::string name = fileName(file, texts);
    switch (kind) {
    case BinaryKind::Zip:
        return texts.say("{file} is a zip archive, such as a spreadsheet (.xlsx, .ods); name it as "
                         "a file to check it",
                         "{file} je archiv zip, například tabulka (.xlsx, .ods); ke kontrole jej "
                         "zadejte jako soubor",
                         "file"_a = name);
    case BinaryKind::OleCompound:
        return texts.say("{file} is an Excel 97 workbook (.xls), not a text parts list; save it as "
                         "CSV",
                         "{file} je sešit Excelu 97 (.xls), ne textový seznam součástek; uložte "
                         "jej jako CSV",
                         "file"_a = name);
    case BinaryKind::Pdf:
        return texts.say("{file} is a PDF document, not a text parts list",
                         "{file} je dokument PDF, ne textový seznam součástek", "file"_a = name);
    case BinaryKind::Other:
    case BinaryKind::None:
        break;
    }
    return texts.say("{file} is a binary file, not a text parts list",
                     "{file} je binární soubor, ne textový seznam součástek", "file"_a = name);
}

namespace {

// The parts of a list, each reported; whether a header was found.
bool readParts(PartsListReader &reader, std::string_view file, CheckReport &report,
               FileAccount &account, const Texts &texts)
{
    ListedPart listed;
    bool columnsReported = false;
    while (reader.next(listed)) {
        if (!columnsReported && reader.columns()) {
            report.columns(file, *reader.columns());
            columnsReported = true;
        }
        Entry entry{file, listed.line, listed.part};
        if (listed.tooLong)
            report.unreadable(entry, texts.say("the line is longer than {limit} bytes",
                                               "řádek je delší než {limit} bajtů",
                                               "limit"_a = reader.records().limit()));
        account.take(entry, listed.elsewhere, reader.columns() ? &*reader.columns() : nullptr);
    }
    account.endOfTable(reader.columns().has_value());
    report.flush();
    return reader.columns().has_value();
}

std::string headerWithoutValueText(std::string_view location, long line, const Texts &texts)
{
    return texts.say("{file}:{line}: the header names no column of values (Value, Comment, "
                     "Designation, Name or Part)",
                     "{file}:{line}: záhlaví neuvádí sloupec hodnot (Value, Comment, "
                     "Designation, Name ani Part)",
                     "file"_a = printable(location), "line"_a = line);
}

std::string noHeaderText(std::string_view file, const Texts &texts)
{
    return texts.say("{file}: no row is a header that names a column of values (Value, Comment, "
                     "Designation, Name or Part)",
                     "{file}: žádný řádek není záhlaví se sloupcem hodnot (Value, Comment, "
                     "Designation, Name ani Part)",
                     "file"_a = printable(file));
}

// A design's symbols as a parts list's rows, each located by the file and line that hold it.
void checkDesign(const std::vector<DesignSymbol> &symbols, CheckReport &report, const Texts &texts)
{
    const std::optional<DesignTable> table = designTable(symbols);
    if (!table)
        return;
    report.columns(symbols.empty() ? std::string_view() : symbols.front().file, table->columns);
    FileAccount account(report, texts);
    std::vector<NamedResistor> elsewhere;
    // A part of several units repeats its reference on one sheet; another sheet's symbol of the
    // same reference is another part, annotated twice.
    std::unordered_map<std::string_view, std::string_view> sheetOf;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (!symbols[i].inBom) {
            account.leftOutOfBom(symbols[i].file, symbols[i].reference);
            continue;
        }
        if (const auto [first, added] = sheetOf.emplace(symbols[i].reference, symbols[i].file);
            !added && first->second != symbols[i].file && namesAResistor({symbols[i].reference})) {
            account.referenceTaken(symbols[i].file, symbols[i].line, symbols[i].reference);
            continue;
        }
        Part part = partInRow(table->rows[i], table->columns);
        Entry entry{symbols[i].file, symbols[i].line, part};
        elsewhere.clear();
        resistorsNamedElsewhere(table->rows[i], &table->columns,
                                entry.part.kind != Part::Kind::None, elsewhere);
        account.take(entry, elsewhere, &table->columns);
    }
    account.finish();
    report.flush();
}
} // namespace

// A file that cannot be opened or read: what was found in it so far, then the system's reason.
void reportUnreadableFile(std::string_view file, std::string_view reason, CheckReport &report,
                          const Texts &texts)
{
    report.fileProblem(file,
                       texts.say("cannot read {file}: {reason}", "nelze číst {file}: {reason}",
                                 "file"_a = fileName(file, texts), "reason"_a = reason));
}

// A spreadsheet's sheets, their rows as a CSV export writes them; each part located by file, sheet
// and row. One account holds them all: a part listed on two sheets is one part.
void checkSpreadsheet(const std::string &file, CheckReport &report, const Texts &texts, int &status)
{
    Spreadsheet spreadsheet(file);
    FileAccount account(report, texts);
    bool found = false;
    std::optional<std::string> withoutValue; // the first header that names no value column
    readSheets(spreadsheet, [&](PartsListReader &reader, const std::string &sheet) {
        const std::string location = file + ":" + sheet;
        found = readParts(reader, location, report, account, texts) || found;
        if (const auto line = reader.headerWithoutValue(); line && !found && !withoutValue)
            withoutValue = headerWithoutValueText(location, *line, texts);
    });
    account.finish();
    status = found && !spreadsheet.problem() ? status : 2;
    if (const auto problem = spreadsheet.problem()) {
        const std::string name = printable(file);
        switch (*problem) {
        case SpreadsheetProblem::NoSpreadsheet:
            return report.fileProblem(
                file, texts.say("{file} is a zip archive that holds no spreadsheet "
                                "(.xlsx, .ods)",
                                "{file} je archiv zip bez tabulky (.xlsx, .ods)", "file"_a = name));
        case SpreadsheetProblem::TooLarge:
            return report.fileProblem(
                file,
                texts.say("{file}: a part of the spreadsheet unpacks to more than {limit} "
                          "MiB, or is packed more tightly than any spreadsheet; it is not read",
                          "{file}: část tabulky se rozbalí na víc než {limit} MiB, nebo je "
                          "zabalená těsněji než jakákoli tabulka; nečte se",
                          "file"_a = name, "limit"_a = ZipArchive::defaultLimit >> 20));
        case SpreadsheetProblem::Damaged:
            return report.fileProblem(
                file, texts.say("{file}: the spreadsheet is damaged or cut short",
                                "{file}: tabulka je poškozená nebo neúplná", "file"_a = name));
        }
    }
    if (!found)
        report.fileProblem(file, withoutValue ? *withoutValue : noHeaderText(file, texts));
}

// KiCad's netlist, in XML or in S-expressions: its components, those excluded from the BOM
// named.
void checkNetlist(std::ifstream &stream, const std::string &file, NetlistFormat format,
                  CheckReport &report, const Texts &texts, int &status)
{
    const bool xml = format == NetlistFormat::Xml;
    const NetlistReading netlist =
        xml ? readKicadNetlist(stream, file) : readKicadSexprNetlist(stream, file);
    checkDesign(netlist.symbols, report, texts);
    if (netlist.broken) {
        report.fileProblem(file, xml ? texts.say("{file}: the netlist is not well-formed XML",
                                                 "{file}: netlist není správně utvořené XML",
                                                 "file"_a = printable(file))
                                     : texts.say("{file}: the netlist is not a well-formed "
                                                 "S-expression",
                                                 "{file}: netlist není správně utvořený "
                                                 "S-výraz",
                                                 "file"_a = printable(file)));
        status = 2;
    }
}

// A KiCad schematic from its root sheet through its hierarchy, each symbol where its sheet
// writes it.
std::vector<std::string> checkSchematic(const std::string &file, SchematicFormat format,
                                        CheckReport &report, const Texts &texts, int &status)
{
    SchematicReading schematic = format == SchematicFormat::Sexpr ? readKicadSchematic(file)
                                                                  : readKicadLegacySchematic(file);
    checkDesign(schematic.symbols, report, texts);
    for (const SchematicProblem &problem : schematic.problems) {
        status = 2;
        if (problem.kind == SchematicProblem::Kind::Unreadable)
            report.fileProblem(problem.file, texts.say("cannot read {file}: {reason}",
                                                       "nelze číst {file}: {reason}",
                                                       "file"_a = printable(problem.file),
                                                       "reason"_a = systemReason(problem.error)));
        else
            report.fileProblem(problem.file, texts.say("{file}: the schematic is not well-formed",
                                                       "{file}: schéma není správně utvořené",
                                                       "file"_a = printable(problem.file)));
    }
    return std::move(schematic.files);
}

// The values of one list: lines of a plain list, or rows of CSV under its header row.
void checkList(DecodingInput &decoding, std::string_view file, char separator, CheckReport &report,
               const Texts &texts, int &status)
{
    HtmlTableInput tables(&decoding);
    std::istream in(separator == htmlTables ? static_cast<std::streambuf *>(&tables) : &decoding);
    PartsListReader reader(in, separator == htmlTables ? ',' : separator);
    FileAccount account(report, texts);
    readParts(reader, file, report, account, texts);
    account.finish();
    const RecordReader &records = reader.records();
    if (decoding.binary() != BinaryKind::None) {
        report.fileProblem(file, binaryFileText(decoding.binary(), file, texts));
        status = 2;
    } else if (const auto &error = records.readError()) {
        reportUnreadableFile(file, error->message(), report, texts);
        status = 2;
    } else if (!reader.namesAnything()) {
        report.fileProblem(file,
                           texts.say("{file} names no values: it is empty, or holds only "
                                     "blank lines and comments",
                                     "{file} neobsahuje žádné hodnoty: je prázdný nebo obsahuje "
                                     "jen prázdné řádky a komentáře",
                                     "file"_a = fileName(file, texts)));
        status = 2;
    } else if (const auto line = records.unclosedQuote()) {
        report.fileProblem(file,
                           texts.say("{file}:{line}: the quote that opens here is never closed",
                                     "{file}:{line}: uvozovky otevřené zde se nikde neuzavírají",
                                     "file"_a = printable(file), "line"_a = *line));
        status = 2;
    } else if (const auto line = reader.headerWithoutValue(); line && !reader.columns()) {
        report.fileProblem(file, headerWithoutValueText(file, *line, texts));
        status = 2;
    } else if (!reader.isPlain() && !reader.columns() && !reader.sawTooLong()) {
        report.fileProblem(file, noHeaderText(file, texts));
        status = 2;
    }
}

} // namespace ohmilka::cli
