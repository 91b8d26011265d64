// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Check.h"

#include "CheckInputs.h"
#include "CheckReport.h"
#include "FilePath.h"
#include "HtmlTable.h"
#include "KicadLegacySchematic.h"
#include "KicadNetlist.h"
#include "KicadSchematic.h"
#include "KicadSexprNetlist.h"
#include "PartsList.h"
#include "ReportOutput.h"
#include "Spreadsheet.h"
#include "SystemReason.h"
#include "Values.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>

namespace ohmilka::cli {

using namespace partslist;

namespace {
// A file's first bytes, read and put back: enough to tell a zip, an XML netlist or an HTML
// page's table after its styles.
std::string firstBytes(std::ifstream &stream)
{
    std::string start(64 * 1024, '\0');
    stream.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(stream.gcount()));
    stream.clear();
    stream.seekg(0);
    return start;
}

TextEncoding encodingAsked(const Arguments &arguments, const Texts &texts)
{
    const auto &name = arguments.value(OptionName::Encoding);
    if (!name)
        return TextEncoding::Unknown;
    const TextEncoding encoding = encodingNamed(*name);
    if (encoding == TextEncoding::Unknown)
        texts.refuse("--encoding: {given} is no encoding; encodings: utf-8, utf-16le, "
                     "utf-16be, windows-1250",
                     "--encoding: {given} není kódování; kódování: utf-8, utf-16le, utf-16be, "
                     "windows-1250",
                     "given"_a = texts.quote(*name));
    return encoding;
}
} // namespace

int checkCommand(const Call &call)
{
    const Arguments &arguments = call.arguments;
    const Texts &texts = call.texts;
    std::ostream &err = call.err;
    const TextEncoding encoding = encodingAsked(arguments, texts);
    std::vector<std::string> files = arguments.operands;
    if (files.empty())
        files.emplace_back("-");
    // --output: the report in a file, as Eeschema's BOM dialog runs a generator, without a shell.
    ReportOutput output(arguments.value(OptionName::Output), files, call.out, err, texts);
    std::ostream &out = output.stream();
    CheckReport report(arguments, call.json, texts, out, err);
    std::vector<std::string> sheets; // the sheets of schematics, beside the files named
    int status = 0;
    for (const std::string &file : files) {
        std::ifstream stream;
        if (file != "-") {
            stream.open(filePath(file), std::ios::binary);
            if (!stream) {
                reportUnreadableFile(file, systemReason(errno), report, texts);
                status = 2;
                continue;
            }
        }
        // A pipe is read as a list, as standard input is.
        const std::string start =
            file != "-" && rereadable(file) ? firstBytes(stream) : std::string();
        if (startsAsZip(start)) {
            checkSpreadsheet(file, report, texts, status);
            continue;
        } else if (startsAsKicadNetlist(start)) {
            checkNetlist(stream, file, NetlistFormat::Xml, report, texts, status);
            continue;
        } else if (startsAsKicadSexprNetlist(start)) {
            checkNetlist(stream, file, NetlistFormat::Sexpr, report, texts, status);
            continue;
        } else if (startsAsKicadSchematic(start) || startsAsKicadLegacySchematic(start)) {
            const SchematicFormat format =
                startsAsKicadSchematic(start) ? SchematicFormat::Sexpr : SchematicFormat::Legacy;
            std::ranges::move(checkSchematic(file, format, report, texts, status),
                              std::back_inserter(sheets));
            continue;
        }
        DecodingInput decoding((file == "-" ? call.in : stream).rdbuf(), encoding);
        checkList(decoding, file,
                  startsWithHtmlTable(start)
                      ? htmlTables
                      : separatorForFile(file, arguments.given(OptionName::Csv)),
                  report, texts, status);
        if (const auto guessed = decoding.guessedOtherThanUtf8())
            writeMessage(err, texts.say("{file} is not UTF-8; it was read as {encoding}",
                                        "{file} není v UTF-8; byl přečten jako {encoding}",
                                        "file"_a = fileName(file, texts),
                                        "encoding"_a = nameOf(*guessed)));
    }
    if (report.valueUnreadable())
        writeMessage(err, texts.say("values are written as {}", "hodnoty se zapisují takto: {}",
                                    valueForms(texts)));
    report.summarise();
    output.finish(sheets, status == 2);
    return std::max(status, report.tally().status);
}

} // namespace ohmilka::cli
