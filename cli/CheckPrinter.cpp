// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckPrinter.h"

#include "AsciiText.h"
#include "Designators.h"
#include "Json.h"
#include "Part.h"
#include "PartNumbers.h"
#include "Readings.h"
#include "Values.h"

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>

namespace ohmilka::cli {

std::optional<std::string> valueSourceText(std::string_view file, const partslist::Columns &columns,
                                           const Texts &texts)
{
    if (columns.withoutHeader)
        return columns.valueFrom == partslist::ValueFrom::Value
                   ? texts.say("{file}: no header; the references are read from column "
                               "{references}, the values from column {column}",
                               "{file}: záhlaví chybí; reference se čtou ze sloupce {references}, "
                               "hodnoty ze sloupce {column}",
                               "file"_a = printable(file), "references"_a = *columns.references + 1,
                               "column"_a = columns.value + 1)
                   : texts.say("{file}: no header; the references are read from column "
                               "{references}, the values from the descriptions in column {column}",
                               "{file}: záhlaví chybí; reference se čtou ze sloupce {references}, "
                               "hodnoty z popisů ve sloupci {column}",
                               "file"_a = printable(file), "references"_a = *columns.references + 1,
                               "column"_a = columns.value + 1);
    if (columns.valueFrom == partslist::ValueFrom::Value &&
        trimmed(columns.header.labels[columns.value]).empty())
        return texts.say("{file}: no label names a column of values; the values are read from "
                         "column {column}, which has no label",
                         "{file}: žádný popisek neoznačuje sloupec hodnot; hodnoty se čtou ze "
                         "sloupce {column}, který popisek nemá",
                         "file"_a = printable(file), "column"_a = columns.value + 1);
    if (columns.valueFrom == partslist::ValueFrom::Value)
        return std::nullopt;
    const std::string_view label = columns.header.labels[columns.value];
    return columns.valueFrom == partslist::ValueFrom::Description
               ? texts.say("{file}: no column of values; the values are read from the "
                           "descriptions ({label})",
                           "{file}: sloupec hodnot chybí; hodnoty se čtou z popisů ({label})",
                           "file"_a = printable(file), "label"_a = texts.quote(label))
               : texts.say("{file}: no column of values; the values are read from the part "
                           "numbers ({label})",
                           "{file}: sloupec hodnot chybí; hodnoty se čtou z objednacích čísel "
                           "({label})",
                           "file"_a = printable(file), "label"_a = texts.quote(label));
}

std::string summaryText(const Tally &tally, const Texts &texts)
{
    std::string summary = texts.say(
        "checked {checked}: {in} in series, {out} outside, {bad} unreadable; {unfitted} not "
        "fitted, {other} {skipped}",
        "zkontrolováno {checked}: v řadě {in}, mimo {out}, nečitelné {bad}; neosazené "
        "{unfitted}, {other} {skipped}",
        "checked"_a = tally.checked, "in"_a = tally.inSeries, "out"_a = tally.outside,
        "bad"_a = tally.unreadable, "unfitted"_a = tally.notFitted, "other"_a = tally.otherParts,
        "skipped"_a = texts.plural(tally.otherParts, "other part skipped", "other parts skipped",
                                   "jiná součástka vynechána", "jiné součástky vynechány",
                                   "jiných součástek vynecháno"));
    // Lists with part numbers: how many disagree with their values, and how many were not read.
    if (tally.partNumbers > 0)
        summary +=
            fmt::format("; {} {}, {} {}", tally.mismatches,
                        texts.plural(tally.mismatches, "mismatch with its part number",
                                     "mismatches with part numbers", "neshoda s objednacím číslem",
                                     "neshody s objednacími čísly", "neshod s objednacími čísly"),
                        tally.partNumbersNotRead,
                        texts.plural(tally.partNumbersNotRead, "part number not decoded",
                                     "part numbers not decoded", "objednací číslo nepřečteno",
                                     "objednací čísla nepřečtena", "objednacích čísel nepřečteno"));
    const auto add = [&](long count, std::string_view english, std::string_view czech) {
        if (count > 0)
            summary += fmt::format("; {} {}", count, texts.pick(english, czech));
    };
    add(tally.notAnnotated, "not annotated", "bez anotace");
    if (tally.notRead > 0)
        summary += fmt::format("; {} {}", tally.notRead,
                               texts.plural(tally.notRead, "resistor not read",
                                            "resistors not read", "rezistor nepřečten",
                                            "rezistory nepřečteny", "rezistorů nepřečteno"));
    if (tally.leftOutOfBom > 0)
        summary +=
            fmt::format("; {} {}", tally.leftOutOfBom,
                        texts.plural(tally.leftOutOfBom, "resistor left out of the BOM",
                                     "resistors left out of the BOM", "rezistor vynechán z BOM",
                                     "rezistory vynechány z BOM", "rezistorů vynecháno z BOM"));
    return summary;
}

namespace {
// "R1–R3, R7": runs of designators that count up by one, as ranges.
std::string designatorRuns(const std::vector<std::string> &designators)
{
    const auto split = [](std::string_view designator) {
        const std::size_t digits = designator.find_first_of("0123456789");
        long number = -1;
        if (digits != std::string_view::npos && designator.size() - digits < 10 &&
            designator.find_first_not_of("0123456789", digits) == std::string_view::npos)
            number = std::stol(std::string(designator.substr(digits)));
        return std::pair(designator.substr(0, digits), number);
    };
    std::vector<std::string> runs;
    for (std::size_t first = 0; first < designators.size();) {
        const auto [prefix, number] = split(designators[first]);
        std::size_t last = first;
        while (number >= 0 && last + 1 < designators.size() &&
               split(designators[last + 1]) == std::pair(prefix, number + long(last + 1 - first)))
            ++last;
        runs.push_back(last > first + 1 ? designators[first] + "\u2013" + designators[last]
                                        : designators[first]);
        if (last == first + 1)
            runs.push_back(designators[last]);
        first = last + 1;
    }
    return listOf(runs);
}

// The text line of a finding worth a word: its place, then what is wrong.
class FindingLines
{
public:
    explicit FindingLines(const Texts &texts) : texts_(texts) {}

    std::optional<std::string> line(const Finding &finding)
    {
        std::optional<std::string> line = whatIsWrong(finding);
        if (!finding.entry.notAnnotated)
            return line;
        const std::string_view mark = texts_.pick("not annotated", "bez anotace");
        if (!line)
            return where(finding.entry) + std::string(mark);
        *line += "; ";
        *line += mark;
        return line;
    }

    std::string notRead(const NotRead &resistors) const
    {
        std::string references = printable(designatorRuns(resistors.references));
        if (resistors.more > 0)
            references += fmt::format(
                fmt::runtime(texts_.plural(static_cast<long>(resistors.more), " and {more} more",
                                           " and {more} more", " a {more} další", " a {more} další",
                                           " a {more} dalších")),
                "more"_a = resistors.more);
        return texts_.say("{file}:{line}: {references}: not read: {reason}",
                          "{file}:{line}: {references}: nepřečteno: {reason}",
                          "file"_a = printable(resistors.file), "line"_a = resistors.line,
                          "references"_a = references, "reason"_a = resistors.reason);
    }

    // With --suggest, the part numbers to order for a row without one, or why there are none.
    std::optional<std::string> suggestion(const Finding &finding)
    {
        if (!finding.suggestionWanted)
            return std::nullopt;
        std::string line = where(finding.entry);
        if (!finding.suggestion) {
            line += finding.ohms && finding.ohms->mantissa == 0
                        ? texts_.pick("no part numbers suggested: 0 Ω is a jumper",
                                      "objednací čísla nenavržena: 0 Ω je propojka")
                        : texts_.pick("no part numbers suggested: the row names no size",
                                      "objednací čísla nenavržena: řádek neuvádí velikost");
            return line;
        }
        const partnumbers::PartChoice &choice = *finding.suggestion;
        if (choice.parts.empty())
            return line + texts_.say("no part numbers suggested: {why}",
                                     "objednací čísla nenavržena: {why}",
                                     "why"_a = shortfallText(*finding.ohms, *finding.rowSize,
                                                             choice, texts_));
        std::vector<std::string> parts;
        for (const partnumbers::WrittenPart &part : choice.parts)
            parts.push_back(partText(part));
        return line + texts_.say("suggested: {parts}", "navrženo: {parts}",
                                 "parts"_a = listOf(parts, "; "));
    }

    std::string leftOutOfBom(const LeftOutOfBom &resistors) const
    {
        return texts_.say("{file}: {references}: left out of the BOM, not checked",
                          "{file}: {references}: vynecháno z BOM, nekontrolováno",
                          "file"_a = printable(resistors.file),
                          "references"_a = printable(designatorRuns(resistors.references)));
    }

private:
    std::optional<std::string> whatIsWrong(const Finding &finding)
    {
        switch (finding.result) {
        case Finding::Result::Outside:
            return where(finding.entry) + outsideTextOf(*finding.verdict);
        case Finding::Result::Unreadable:
            return where(finding.entry) + finding.reason;
        case Finding::Result::Mismatch:
            return where(finding.entry) + mismatchText(finding);
        case Finding::Result::InSeries:
        case Finding::Result::NotFitted:
        case Finding::Result::OtherPart:
            break;
        }
        return std::nullopt;
    }

    std::string where(const Entry &entry)
    {
        if (entry.file.data() != file_.data() || entry.file.size() != file_.size()) {
            file_ = entry.file;
            printableFile_ = printable(entry.file);
        }
        std::string text = printableFile_ + ':' + std::to_string(entry.line) + ": ";
        if (!entry.part.references.empty())
            text += printable(listOf(entry.part.references)) + ": ";
        return text;
    }

    // Values repeat: each one's text is written once, for a bounded number of them.
    const std::string &outsideTextOf(const Verdict &verdict)
    {
        const OutsideKey key{verdict.value.mantissa, verdict.value.exponent,
                             verdict.tolerance.value_or(-1)};
        auto known = outsideTexts_.find(key);
        if (known == outsideTexts_.end()) {
            if (outsideTexts_.size() >= outsideTextsKept)
                outsideTexts_.clear();
            known = outsideTexts_.emplace(key, outsideText(verdict)).first;
        }
        return known->second;
    }

    std::string outsideText(const Verdict &verdict) const
    {
        const Language language = texts_.language();
        const auto near = [&](Decimal other, Decimal percent) {
            return fmt::format("{} ({})", ohmsText(other, language),
                               signedPercentText(percent, language));
        };
        return texts_.say("{value} is not in {series}; nearest {below} below and {above} above",
                          "{value} není v {series}; nejbližší nižší {below}, vyšší {above}",
                          "value"_a = ohmsText(verdict.value, language),
                          "series"_a =
                              listOf(seriesNames(verdict.sizes), texts_.pick(" or ", " ani ")),
                          "below"_a = near(*verdict.below, *verdict.belowPercent),
                          "above"_a = near(*verdict.above, *verdict.abovePercent));
    }

    // Each disagreement of a row with its part numbers, in the order found.
    std::string mismatchText(const Finding &finding) const
    {
        std::string text;
        for (const Disagreement &disagreement : finding.disagreements) {
            if (!text.empty())
                text += "; ";
            text += disagreementText(finding, disagreement);
        }
        return text;
    }

    std::string disagreementText(const Finding &finding, const Disagreement &disagreement) const
    {
        const Language language = texts_.language();
        const auto withTolerance = [&](Decimal ohms, std::optional<int> hundredths) {
            std::string text = ohmsText(ohms, language);
            if (hundredths) { // not " " + …: GCC 12's false -Wrestrict alarm
                text += ' ';
                text += toleranceText(*hundredths, language);
            }
            return text;
        };
        const partslist::Part &part = finding.entry.part;
        const std::string number = printable(disagreement.ordered->number);
        switch (disagreement.kind) {
        case Disagreement::Kind::Value: {
            const partnumbers::PartNumberReading &reading = *disagreement.ordered->reading;
            return texts_.say("value {value}, but part number {number} is {part}",
                              "hodnota {value}, ale objednací číslo {number} je {part}",
                              "value"_a = withTolerance(*finding.ohms, part.toleranceHundredths),
                              "number"_a = number,
                              "part"_a = withTolerance(reading.ohms, reading.toleranceHundredths));
        }
        case Disagreement::Kind::Size: {
            // "an 0603 part", "a 1206 part": as the codes are read aloud.
            const std::string_view size = disagreement.ordered->reading->size->inch;
            // A size the row writes in millimetres is named so as well: "0201 (metric 0603)".
            const partnumbers::Size rowSize = *finding.rowSize;
            std::string rowText(rowSize.inch);
            if (part.sizeNaming == partslist::SizeNaming::Metric ||
                (part.sizeNaming == partslist::SizeNaming::Either && !(rowSize == *part.size)))
                rowText += texts_.say(" (metric {code})", " (metrický kód {code})",
                                      "code"_a = rowSize.metric);
            return texts_.say(
                part.sizeFromValue
                    ? "value cell names {size}, but part number {number} is {article} {part} part"
                    : "footprint {size}, but part number {number} is {article} {part} part",
                part.sizeFromValue
                    ? "buňka hodnoty uvádí {size}, ale objednací číslo {number} je pro pouzdro "
                      "{part}"
                    : "pouzdro {size}, ale objednací číslo {number} je pro pouzdro {part}",
                "size"_a = rowText, "number"_a = number,
                "article"_a = size.starts_with('0') ? "an" : "a", "part"_a = size);
        }
        case Disagreement::Kind::SamePartNumber:
            break;
        }
        // The other row by its references; where it has none, or R? alone, by its line.
        const bool annotated =
            std::any_of(disagreement.otherReferences.begin(), disagreement.otherReferences.end(),
                        [](const std::string &r) { return !partslist::isUnannotated(r); });
        std::string other =
            annotated ? printable(listOf(disagreement.otherReferences))
            : disagreement.otherFile == finding.entry.file
                ? texts_.say("line {line}", "řádek {line}", "line"_a = disagreement.otherLine)
                : fmt::format("{}:{}", printable(disagreement.otherFile), disagreement.otherLine);
        std::string otherPart = withTolerance(disagreement.otherOhms, disagreement.otherTolerance);
        if (disagreement.otherSize) {
            otherPart += ", ";
            otherPart += disagreement.otherSize->inch;
        }
        return texts_.say("part number {number} is also ordered for {other} at {otherPart}",
                          "stejné objednací číslo {number} má i {other} ({otherPart})",
                          "number"_a = number, "other"_a = other, "otherPart"_a = otherPart);
    }

    const Texts &texts_;
    std::string_view file_;     // the file of the last line
    std::string printableFile_; // its name, as the terminal is shown it
    // A value outside its series, by its tolerance: the series are the same for each.
    struct OutsideKey {
        std::int64_t mantissa;
        int exponent, tolerance;
        bool operator==(const OutsideKey &) const = default;
    };
    struct OutsideHash {
        std::size_t operator()(const OutsideKey &key) const
        {
            return std::hash<std::int64_t>()(key.mantissa) ^
                   (static_cast<std::size_t>(key.exponent) * 0x9E3779B9u) ^
                   (static_cast<std::size_t>(key.tolerance) << 20);
        }
    };
    static constexpr std::size_t outsideTextsKept = 1 << 12;
    std::unordered_map<OutsideKey, std::string, OutsideHash> outsideTexts_;
};

class TextPrinter final : public CheckPrinter
{
public:
    TextPrinter(const Texts &texts, std::ostream &out) : lines_(texts), out_(out) {}

    void part(const Finding &finding) override
    {
        if (const auto line = lines_.line(finding))
            out_ << *line << '\n';
        if (const auto line = lines_.suggestion(finding))
            out_ << *line << '\n';
    }
    void columns(std::string_view, const partslist::Columns &) override {}
    void fileProblem(std::string_view, const std::string &) override {}
    void notRead(const NotRead &resistors) override { out_ << lines_.notRead(resistors) << '\n'; }
    void leftOutOfBom(const LeftOutOfBom &resistors) override
    {
        out_ << lines_.leftOutOfBom(resistors) << '\n';
    }
    void summary(const Tally &) override {}

private:
    FindingLines lines_;
    std::ostream &out_;
};

std::string_view valueFromName(partslist::ValueFrom from)
{
    switch (from) {
    case partslist::ValueFrom::Description:
        return "description";
    case partslist::ValueFrom::PartNumber:
        return "part_number";
    case partslist::ValueFrom::Value:
        break;
    }
    return "value";
}

std::string_view disagreementName(Disagreement::Kind kind)
{
    switch (kind) {
    case Disagreement::Kind::Value:
        return "value";
    case Disagreement::Kind::Size:
        return "size";
    case Disagreement::Kind::SamePartNumber:
        break;
    }
    return "same_part_number";
}

// A part number and what its maker's key reads in it, null where none reads it.
JsonObject orderedObject(const partslist::OrderedPart &ordered)
{
    JsonObject json;
    json.text("number", ordered.number);
    const auto &reading = ordered.reading;
    if (!reading) {
        json.null("maker").null("family").null("ohms").null("tolerance_percent").null("size");
        return json.null("size_metric").null("unknown_codes");
    }
    json.text("maker", reading->maker)
        .text("family", reading->family)
        .number("ohms", reading->ohms)
        .number("tolerance_percent", percentOrNull(reading->toleranceHundredths));
    if (reading->size)
        json.text("size", reading->size->inch).text("size_metric", reading->size->metric);
    else
        json.null("size").null("size_metric");
    std::vector<JsonObject> unknown;
    for (const partnumbers::FieldReading *field : reading->unknownCodes()) {
        JsonObject code;
        code.text("field", partnumbers::roleName(field->role)).text("code", field->code);
        unknown.push_back(std::move(code));
    }
    return json.objects("unknown_codes", unknown);
}

std::string_view resultName(Finding::Result result)
{
    switch (result) {
    case Finding::Result::InSeries:
        return "in_series";
    case Finding::Result::Outside:
        return "outside";
    case Finding::Result::Unreadable:
        return "unreadable";
    case Finding::Result::NotFitted:
        return "not_fitted";
    case Finding::Result::OtherPart:
        return "other_part";
    case Finding::Result::Mismatch:
        break;
    }
    return "mismatch";
}

// The summary's counts, as JSON names them.
constexpr std::array<std::pair<std::string_view, long Tally::*>, 12> summaryCounts{{
    {"checked", &Tally::checked},
    {"in_series", &Tally::inSeries},
    {"outside", &Tally::outside},
    {"unreadable", &Tally::unreadable},
    {"not_fitted", &Tally::notFitted},
    {"other_parts", &Tally::otherParts},
    {"part_numbers", &Tally::partNumbers},
    {"mismatches", &Tally::mismatches},
    {"part_numbers_not_read", &Tally::partNumbersNotRead},
    {"not_annotated", &Tally::notAnnotated},
    {"not_read", &Tally::notRead},
    {"left_out_of_bom", &Tally::leftOutOfBom},
}};

class JsonPrinter final : public CheckPrinter
{
public:
    JsonPrinter(const Texts &texts, std::ostream &out) : texts_(texts), lines_(texts), out_(out) {}

    // Every part has every field, null where it does not apply.
    void part(const Finding &finding) override
    {
        const Entry &entry = finding.entry;
        const partslist::Part &part = entry.part;
        const Verdict *verdict = finding.verdict;
        const auto ofVerdict = [&](std::optional<Decimal> Verdict::*field) {
            return verdict ? verdict->*field : std::nullopt;
        };
        JsonObject json;
        json.text("file", entry.file)
            .number("line", Decimal{entry.line, 0})
            .texts("references",
                   std::vector<std::string_view>(part.references.begin(), part.references.end()))
            .text("value", part.value)
            .text("cell", part.cell)
            .text("result", resultName(finding.result))
            .text("value_from", valueFromName(part.valueFrom))
            .truth("not_annotated", entry.notAnnotated);
        if (finding.result == Finding::Result::Unreadable)
            json.text("error", finding.reason);
        else
            json.null("error");
        json.number("ohms", finding.ohms)
            .number("tolerance_percent", percentOrNull(finding.tolerance));
        if (verdict)
            json.texts("series", seriesNames(verdict->sizes)).truth("in_series", verdict->member);
        else
            json.null("series").null("in_series");
        json.number("below_ohms", ofVerdict(&Verdict::below))
            .number("below_percent", ofVerdict(&Verdict::belowPercent))
            .number("above_ohms", ofVerdict(&Verdict::above))
            .number("above_percent", ofVerdict(&Verdict::abovePercent));
        if (part.partNumber.empty())
            json.null("part_number");
        else
            json.text("part_number", part.partNumber);
        // The first part number a key reads, as before alternates were read; then each.
        const auto read = std::find_if(part.ordered.begin(), part.ordered.end(),
                                       [](const partslist::OrderedPart &o) { return o.reading; });
        if (read != part.ordered.end())
            json.text("part_family", read->reading->family)
                .number("part_ohms", read->reading->ohms)
                .number("part_tolerance_percent",
                        percentOrNull(read->reading->toleranceHundredths));
        else
            json.null("part_family").null("part_ohms").null("part_tolerance_percent");
        if (read != part.ordered.end() && read->reading->size)
            json.text("part_size", read->reading->size->inch);
        else
            json.null("part_size");
        if (finding.rowSize)
            json.text("row_size", finding.rowSize->inch);
        else
            json.null("row_size");
        std::vector<JsonObject> ordered;
        for (const partslist::OrderedPart &one : part.ordered)
            ordered.push_back(orderedObject(one));
        json.objects("part_numbers", ordered);
        std::vector<std::string_view> kinds;
        std::optional<JsonObject> sameAs;
        for (const Disagreement &disagreement : finding.disagreements) {
            kinds.push_back(disagreementName(disagreement.kind));
            if (disagreement.kind == Disagreement::Kind::SamePartNumber && !sameAs) {
                JsonObject other;
                other.text("file", disagreement.otherFile)
                    .number("line", Decimal{disagreement.otherLine, 0})
                    .texts("references",
                           std::vector<std::string_view>(disagreement.otherReferences.begin(),
                                                         disagreement.otherReferences.end()))
                    .number("ohms", disagreement.otherOhms)
                    .number("tolerance_percent", percentOrNull(disagreement.otherTolerance));
                if (disagreement.otherSize)
                    other.text("size", disagreement.otherSize->inch);
                else
                    other.null("size");
                sameAs = std::move(other);
            }
        }
        json.texts("mismatches", kinds).object("same_part_number_as", sameAs);
        if (finding.suggestion) {
            std::vector<JsonObject> suggested;
            for (const partnumbers::WrittenPart &one : finding.suggestion->parts)
                suggested.push_back(partJson(one));
            json.objects("suggested_part_numbers", suggested);
        } else {
            json.null("suggested_part_numbers");
        }
        if (const auto line = lines_.suggestion(finding))
            json.text("suggestion", *line);
        else
            json.null("suggestion");
        write(json, lines_.line(finding));
    }

    void columns(std::string_view file, const partslist::Columns &columns) override
    {
        const auto column = [&](std::optional<std::size_t> index) -> std::optional<JsonObject> {
            if (!index)
                return std::nullopt;
            return JsonObject()
                .text("label", columns.header.labels[*index])
                .number("number", Decimal{static_cast<std::int64_t>(*index) + 1, 0});
        };
        std::vector<JsonObject> more;
        for (const std::size_t index : columns.morePartNumbers)
            more.push_back(*column(index));
        write(JsonObject()
                  .text("file", file)
                  .number("line", Decimal{columns.header.line, 0})
                  .text("result", "columns")
                  .object("reference_column", column(columns.references))
                  .object("value_column", column(columns.value))
                  .object("tolerance_column", column(columns.tolerance))
                  .object("quantity_column", column(columns.quantity))
                  .object("part_number_column", column(columns.partNumber))
                  .objects("more_part_number_columns", more)
                  .object("footprint_column", column(columns.footprint))
                  .object("fitting_column", column(columns.fitting))
                  .text("value_from", valueFromName(columns.valueFrom)),
              valueSourceText(file, columns, texts_));
    }

    void fileProblem(std::string_view file, const std::string &reason) override
    {
        write(
            JsonObject().text("file", file).text("result", "unreadable_file").text("error", reason),
            reason);
    }

    void notRead(const NotRead &resistors) override
    {
        write(JsonObject()
                  .text("file", resistors.file)
                  .number("line", Decimal{resistors.line, 0})
                  .text("result", "not_read")
                  .texts("references", std::vector<std::string_view>(resistors.references.begin(),
                                                                     resistors.references.end()))
                  .number("more", Decimal{resistors.more, 0})
                  .text("reason", resistors.reason),
              lines_.notRead(resistors));
    }

    void leftOutOfBom(const LeftOutOfBom &resistors) override
    {
        write(JsonObject()
                  .text("file", resistors.file)
                  .text("result", "left_out_of_bom")
                  .texts("references", std::vector<std::string_view>(resistors.references.begin(),
                                                                     resistors.references.end()))
                  .number("count",
                          Decimal{static_cast<std::int64_t>(resistors.references.size()), 0}),
              lines_.leftOutOfBom(resistors));
    }

    void summary(const Tally &tally) override
    {
        JsonObject json;
        json.text("result", "summary");
        for (const auto &[key, count] : summaryCounts)
            json.number(key, Decimal{static_cast<std::int64_t>(tally.*count), 0});
        write(json, summaryText(tally, texts_));
    }

private:
    void write(JsonObject &json, const std::optional<std::string> &text)
    {
        if (text)
            json.text("text", *text);
        else
            json.null("text");
        out_ << json.str() << '\n';
    }
    void write(JsonObject &&json, const std::optional<std::string> &text) { write(json, text); }

    const Texts &texts_;
    FindingLines lines_;
    std::ostream &out_;
};
} // namespace

std::unique_ptr<CheckPrinter> checkPrinter(bool json, const Texts &texts, std::ostream &out)
{
    if (json)
        return std::make_unique<JsonPrinter>(texts, out);
    return std::make_unique<TextPrinter>(texts, out);
}

} // namespace ohmilka::cli
