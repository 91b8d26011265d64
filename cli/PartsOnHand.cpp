// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartsOnHand.h"

#include "Answers.h"
#include "CheckInputs.h"
#include "Encoding.h"
#include "FilePath.h"
#include "Networks.h"
#include "PartsList.h"
#include "Spreadsheet.h"
#include "SystemReason.h"
#include "Values.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

namespace ohmilka::cli {

namespace {
// The values of the fitted resistors a reader lists.
void takeValues(partslist::PartsListReader &reader, std::vector<Decimal> &values)
{
    for (partslist::ListedPart listed; reader.next(listed);) {
        const partslist::Part &part = listed.part;
        if (part.kind == partslist::Part::Kind::Resistor && part.parsed.value &&
            part.secondValue.empty() && part.parsed.value->mantissa > 0)
            values.push_back(*part.parsed.value);
    }
}

// The values of a spreadsheet's sheets, as check reads them.
std::vector<Decimal> spreadsheetValues(const std::string &file, const Texts &texts)
{
    partslist::Spreadsheet spreadsheet(file);
    std::vector<Decimal> values;
    partslist::readSheets(spreadsheet, [&](partslist::PartsListReader &reader,
                                           const std::string &) { takeValues(reader, values); });
    if (spreadsheet.problem())
        texts.refuse("--stock: {file} cannot be read as a spreadsheet (see check {file})",
                     "--stock: {file} nelze číst jako tabulku (viz check {file})",
                     "file"_a = printable(file));
    return values;
}

// The values of the fitted resistors of a plain list or any parts list check reads.
std::vector<Decimal> stockValues(const std::string &file, const Call &call)
{
    const Texts &texts = call.texts;
    std::ifstream stream;
    if (file != "-") {
        stream.open(partslist::filePath(file), std::ios::binary);
        if (!stream)
            texts.refuse("--stock: cannot read {file}: {reason}",
                         "--stock: nelze číst {file}: {reason}", "file"_a = fileName(file, texts),
                         "reason"_a = systemReason(errno));
    }
    std::vector<Decimal> values;
    if (char start[4]{}; file != "-" && partslist::rereadable(file) &&
                         stream.read(start, sizeof start) &&
                         partslist::startsAsZip({start, sizeof start})) {
        values = spreadsheetValues(file, texts);
    } else {
        stream.clear();
        stream.seekg(0);
        partslist::DecodingInput decoding((file == "-" ? call.in : stream).rdbuf(),
                                          partslist::TextEncoding::Unknown);
        std::istream in(&decoding);
        partslist::PartsListReader reader(in, partslist::separatorForFile(file, false));
        takeValues(reader, values);
        if (decoding.binary() != partslist::BinaryKind::None)
            throw UsageError{"--stock: " + binaryFileText(decoding.binary(), file, texts)};
        if (const auto &error = reader.records().readError())
            texts.refuse("--stock: cannot read {file}: {reason}",
                         "--stock: nelze číst {file}: {reason}", "file"_a = fileName(file, texts),
                         "reason"_a = error->message());
        if (const auto line = reader.headerWithoutValue(); line && !reader.columns())
            texts.refuse("--stock: {file}:{line}: the header names no column of values (Value, "
                         "Comment, Designation, Name or Part)",
                         "--stock: {file}:{line}: záhlaví neuvádí sloupec hodnot (Value, "
                         "Comment, Designation, Name ani Part)",
                         "file"_a = fileName(file, texts), "line"_a = *line);
    }
    if (values.empty())
        texts.refuse("--stock: {file} names no resistor value above 0",
                     "--stock: {file} neobsahuje žádnou hodnotu odporu větší než 0",
                     "file"_a = fileName(file, texts));
    return values;
}

std::optional<int> toleranceAsked(const Call &call)
{
    const auto &tolerance = call.arguments.value(OptionName::Tolerance);
    if (!tolerance)
        return std::nullopt;
    const std::optional<int> hundredths = toleranceHundredths(*tolerance);
    if (!hundredths || *hundredths <= 0 || *hundredths >= 10000)
        call.texts.refuse(
            "--tolerance: {given} is no tolerance, such as 1 or 0.5 (per cent)",
            "--tolerance: {given} není platná tolerance; zadejte např. 1 nebo 0,5 (v procentech)",
            "given"_a = call.texts.quote(*tolerance));
    return hundredths;
}
} // namespace

PartsOnHand partsOnHand(const Call &call)
{
    const Arguments &arguments = call.arguments;
    const Texts &texts = call.texts;
    PartsOnHand parts{{}, {}, {}, false, {}, toleranceAsked(call)};
    if (const std::vector<std::string> &stock = arguments.valuesOf(OptionName::Stock);
        !stock.empty()) {
        if (arguments.given(OptionName::Series))
            texts.refuse("--stock and --series: give one of them",
                         "--stock a --series nelze použít zároveň; uveďte jen jednu z nich");
        std::vector<std::string> names;
        for (const std::string &file : stock) { // several files are one stock
            std::vector<Decimal> values = stockValues(file, call);
            parts.values.insert(parts.values.end(), values.begin(), values.end());
            names.push_back(fileName(file, texts));
        }
        parts.values = sortedDistinct(parts.values);
        parts.source = listOf(names);
        parts.files = stock;
        parts.fromStock = true;
    } else {
        const std::vector<Series> chosen =
            seriesList(arguments.value(OptionName::Series), {*seriesNamed("E24")}, texts);
        if (chosen.size() > 1)
            texts.refuse("--series: {command} takes one series",
                         "--series: {command} přijímá jen jednu řadu",
                         "command"_a = arguments.command);
        parts.values = seriesMembers(chosen.front().size);
        parts.source = chosen.front().name;
        parts.toleranceHundredths =
            parts.toleranceHundredths.value_or(chosen.front().toleranceHundredths);
    }
    if (const auto &excluded = arguments.value(OptionName::Exclude)) {
        const std::vector<Decimal> searched = parts.values;
        const std::string source = sourceText(parts, texts);
        for (Decimal value : valueList(*excluded, searched, OptionName::Exclude, texts)) {
            const auto same = [&](Decimal part) { return compare(part, value) == 0; };
            if (std::ranges::none_of(searched, same))
                writeMessage(call.err,
                             texts.say("--exclude: {value} is none of {source}; it leaves nothing "
                                       "out",
                                       "--exclude: {value} není žádná z hodnot {source}; nic "
                                       "nevynechává",
                                       "value"_a = ohmsText(value, texts.language()),
                                       "source"_a = source));
            std::erase_if(parts.values, same);
            parts.excluded.push_back(value);
        }
    }
    if (parts.values.empty())
        texts.refuse("--exclude leaves no value", "po --exclude nezbývá žádná hodnota");
    if (parts.values.size() > maxNetworkValues)
        texts.refuse("--stock: {file} has {count} values; at most {most} are searched",
                     "--stock: {file} má {count} hodnot; prohledá se nejvýš {most}",
                     "file"_a = parts.source, "count"_a = parts.values.size(),
                     "most"_a = maxNetworkValues);
    return parts;
}

} // namespace ohmilka::cli
