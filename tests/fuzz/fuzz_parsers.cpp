// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// libFuzzer target: the value, colour-word, marking, part-number, footprint and S-expression
// parsers on any bytes, and the same bytes, split at NUL bytes, as the arguments of ohmilka-code
// and as bands to decode, and whole as a parts list, a CSV bill of materials, UTF-16 text, a
// spreadsheet (.xlsx, .ods), an HTML page's tables, a KiCad netlist of either kind and KiCad 5's
// schematic. Nothing may crash, hang, or be accepted as a value that does not read back the same.

#include "CellValue.h"
#include "Decimal.h"
#include "Design.h"
#include "Designators.h"
#include "FootprintSize.h"
#include "HtmlTable.h"
#include "KicadLegacySchematic.h"
#include "KicadNetlist.h"
#include "KicadSexprNetlist.h"
#include "PartNumberCell.h"
#include "PartNumbers.h"
#include "PartsList.h"
#include "ResistorCode.h"
#include "Run.h"
#include "Sexpr.h"
#include "SmdCode.h"
#include "Spreadsheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ohmilka;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const ParsedValue parsed = parseValue(text);
    if (parsed.value) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start != std::string_view::npos && text[start] == '-')
            std::abort(); // a negative value got through
        const ParsedValue again = parseValue(decimalText(*parsed.value, ".") + "e0");
        if (!again.value || compare(*again.value, *parsed.value) != 0)
            std::abort(); // accepted as something it does not spell
    }
    code::parseColourWord(text);
    code::readSmdMarking(text);
    if (const auto reading = partnumbers::readPartNumber(text);
        reading && (reading->ohms.mantissa < 0 ||
                    (reading->ohms.mantissa == 0) != !reading->toleranceHundredths))
        std::abort(); // a negative resistance, or a jumper with a tolerance
    partslist::sizeOfFootprint(text);
    if (const partslist::CellValue description = partslist::readDescriptionCell(text);
        description.parsed.value && description.parsed.value->mantissa < 0)
        std::abort(); // a negative value read from a description
    for (const std::string_view number : partslist::partNumbersIn(text))
        if (number.empty() || number.data() < text.data() ||
            number.data() + number.size() > text.data() + text.size())
            std::abort(); // a part number that is not a part of the cell
    partslist::Sexpr::parse(std::string(text));

    std::vector<std::string_view> arguments;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const auto check = [text](std::span<const std::string_view> call) {
        std::istringstream in{std::string(text)};
        std::ostringstream out, err;
        const int status = cli::runCommand(call, cli::Language::English, in, out, err);
        if (status < 0 || status > 2 || (status != 0 && err.str().empty()))
            std::abort(); // a failure that says nothing, or a status nobody documents
    };
    check(arguments);
    // The same words as bands to decode, alternatives ("red/orange") included.
    arguments.front() = "decode";
    check(arguments);
    // The bytes as a parts list, a table of any layout, CSV with the part numbers to order, and
    // UTF-16, from standard input.
    for (const std::vector<std::string_view> &list : {std::vector<std::string_view>{"check"},
                                                      {"check", "--csv", "--json"},
                                                      {"check", "--csv", "--suggest"},
                                                      {"check", "--encoding", "utf-16le"}})
        check(list);
    // The bytes as an HTML page's tables, read as a parts list.
    {
        std::istringstream page{std::string(text)};
        partslist::HtmlTableInput tables(page.rdbuf());
        std::istream rows(&tables);
        partslist::PartsListReader reader(rows, ',');
        for (partslist::ListedPart listed; reader.next(listed);) {
        }
    }
    // The bytes as KiCad's netlist, in XML or in S-expressions, and its rows looked over for
    // the resistors they name.
    const auto readDesign = [](const std::vector<partslist::DesignSymbol> &symbols) {
        if (const auto table = partslist::designTable(symbols)) {
            std::vector<partslist::NamedResistor> named;
            for (const partslist::Record &row : table->rows)
                partslist::resistorsNamedElsewhere(row, &table->columns, false, named);
        }
    };
    if (partslist::startsAsKicadNetlist(text.substr(0, 512))) {
        std::istringstream netlist{std::string(text)};
        readDesign(partslist::readKicadNetlist(netlist, "fuzz").symbols);
    }
    if (partslist::startsAsKicadSexprNetlist(text.substr(0, 512))) {
        std::istringstream netlist{std::string(text)};
        readDesign(partslist::readKicadSexprNetlist(netlist, "fuzz").symbols);
    }
    // The bytes as KiCad 5's schematic, read from a file as schematics are.
    if (partslist::startsAsKicadLegacySchematic(text)) {
        char path[] = "/tmp/fuzz-legacy-XXXXXX";
        if (const int descriptor = mkstemp(path); descriptor >= 0) {
            const bool written = write(descriptor, data, size) == static_cast<ssize_t>(size);
            close(descriptor);
            if (written)
                readDesign(partslist::readKicadLegacySchematic(path).symbols);
            unlink(path);
        }
    }
    // The bytes as a spreadsheet: every sheet's rows read as check reads them, within a mebibyte.
    if (partslist::startsAsZip(text)) {
        partslist::Spreadsheet spreadsheet(text, 1 << 20);
        for (std::size_t sheet = 0; sheet < spreadsheet.sheets().size(); ++sheet) {
            const std::unique_ptr<std::streambuf> rows = spreadsheet.rows(sheet);
            std::istream in(rows.get());
            partslist::PartsListReader reader(in, ',');
            for (partslist::ListedPart listed; reader.next(listed);)
                ;
        }
    }
    return 0;
}
