// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Check.h"

#include "AsciiText.h"
#include "CheckReport.h"
#include "Encoding.h"
#include "PartsRows.h"
#include "Records.h"
#include "ReferenceSet.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace ohmilka::cli {

namespace {
// A file that cannot be opened or read: what was found in it so far, then the system's reason.
void reportUnreadableFile(std::string_view file, std::string_view reason, CheckReport &report,
                          const Texts &texts, std::ostream &err)
{
    report.flush();
    const std::string name = file == "-"
                                 ? std::string(texts.pick("standard input", "standardní vstup"))
                                 : printable(file);
    writeMessage(err, texts.say("cannot read {file}: {reason}", "nelze číst {file}: {reason}",
                                "file"_a = name, "reason"_a = reason));
}

// The first separator of a comma, semicolon or tab separated header row.
std::optional<Columns> findHeader(RecordReader &reader, char &separator, Record &fields)
{
    for (const char candidate : {',', ';', '\t'}) {
        if (separator != anySeparator && separator != candidate)
            continue;
        reader.split(candidate, fields);
        if (auto columns = headerColumns(fields)) {
            separator = candidate;
            reader.setSeparator(candidate);
            return columns;
        }
    }
    return std::nullopt;
}

// One list's parts, each reference once: KiCad's grouped export lists a part on its own and
// again in its group.
class PartsOfList
{
public:
    explicit PartsOfList(CheckReport &report) : report_(report) {}

    void take(const Part &part, Entry entry)
    {
        if (!part.references.empty()) {
            for (const std::string &reference : part.references)
                if (seen_.insert(reference))
                    entry.references.push_back(reference);
            if (entry.references.empty())
                return;
        }
        entry.value = part.value;
        entry.tolerance = part.tolerance;
        switch (part.kind) {
        case Part::Kind::Resistor:
            return report_.check(entry);
        case Part::Kind::NotFitted:
            return report_.notFitted(entry);
        case Part::Kind::Other:
            return report_.otherPart(entry);
        case Part::Kind::None:
            return;
        }
    }

private:
    CheckReport &report_;
    ReferenceSet seen_;
};

// The values of one list: lines of a plain list, or rows of CSV under its header row.
void checkList(std::istream &in, std::string_view file, char separator, CheckReport &report,
               const Texts &texts, std::ostream &err, int &status)
{
    RecordReader reader(in, separator);
    Record fields;
    std::optional<Columns> columns;
    PartsOfList parts(report);
    while (reader.next(fields)) {
        Entry entry{file, reader.line(), {}, {}, {}};
        if (reader.tooLong()) {
            report.unreadable(entry, texts.say("the line is longer than {limit} bytes",
                                               "řádek je delší než {limit} bajtů",
                                               "limit"_a = reader.limit()));
            continue;
        }
        if (separator == plainLines)
            parts.take(partInLine(fields[0]), entry);
        else if (!columns) // rows before the header, such as KiCad's "Source:" and "Date:"
            columns = findHeader(reader, separator, fields);
        else
            parts.take(partInRow(fields, *columns), entry);
    }
    if (const auto &error = reader.readError()) {
        reportUnreadableFile(file, error->message(), report, texts, err);
        status = 2;
    } else if (const auto line = reader.unclosedQuote()) {
        report.flush();
        writeMessage(err, texts.say("{file}:{line}: the quote that opens here is never closed",
                                    "{file}:{line}: uvozovky otevřené zde se nikde neuzavírají",
                                    "file"_a = printable(file), "line"_a = *line));
        status = 2;
    } else if (separator != plainLines && !columns) {
        writeMessage(err,
                     texts.say("{file}: no row names a Value, Comment or Designation column",
                               "{file}: žádný řádek nemá sloupec Value, Comment ani Designation",
                               "file"_a = printable(file)));
        status = 2;
    }
}

char separatorOf(std::string_view file, bool csv)
{
    const std::string name = lowered(file);
    if (name.ends_with(".tsv"))
        return '\t';
    return csv || name.ends_with(".csv") ? anySeparator : plainLines;
}

TextEncoding encodingAsked(const Arguments &arguments, const Texts &texts)
{
    const auto &name = arguments.value(OptionName::Encoding);
    if (!name)
        return TextEncoding::Unknown;
    const TextEncoding encoding = encodingNamed(*name);
    if (encoding == TextEncoding::Unknown)
        texts.refuse("--encoding: {given} is no encoding; encodings: utf-8, windows-1250",
                     "--encoding: {given} není kódování; kódování: utf-8, windows-1250",
                     "given"_a = quoted(*name));
    return encoding;
}
} // namespace

int checkCommand(const Call &call)
{
    const Arguments &arguments = call.arguments;
    const bool json = call.json;
    const Texts &texts = call.texts;
    std::ostream &out = call.out;
    std::ostream &err = call.err;
    std::istream &in = call.in;
    const TextEncoding encoding = encodingAsked(arguments, texts);
    CheckReport report(arguments, json, texts, out);
    std::vector<std::string> files = arguments.operands;
    if (files.empty())
        files.emplace_back("-");
    int status = 0;
    for (const std::string &file : files) {
        std::ifstream stream;
        if (file != "-") {
            stream.open(file, std::ios::binary);
            if (!stream) {
                reportUnreadableFile(file, std::strerror(errno), report, texts, err);
                status = 2;
                continue;
            }
        }
        DecodingInput decoding((file == "-" ? in : stream).rdbuf(), encoding);
        std::istream decoded(&decoding);
        checkList(decoded, file, separatorOf(file, arguments.given(OptionName::Csv)), report, texts,
                  err, status);
        if (decoding.guessedWindows1250()) {
            report.flush();
            writeMessage(err, texts.say("{file} is not UTF-8; it was read as Windows-1250",
                                        "{file} není v UTF-8; byl přečten jako Windows-1250",
                                        "file"_a = printable(file)));
        }
    }
    const Tally &tally = report.tally();
    writeMessage(err,
                 texts.say("checked {checked}: {in} in series, {out} outside, {bad} unreadable; "
                           "{unfitted} not fitted, {other} other parts skipped",
                           "zkontrolováno {checked}: v řadě {in}, mimo {out}, nečitelné {bad}; "
                           "neosazené {unfitted}, jiných součástek vynecháno {other}",
                           "checked"_a = tally.checked, "in"_a = tally.inSeries,
                           "out"_a = tally.outside, "bad"_a = tally.unreadable,
                           "unfitted"_a = tally.notFitted, "other"_a = tally.otherParts));
    return std::max(status, tally.status);
}

} // namespace ohmilka::cli
