// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckReport.h"

#include "Json.h"
#include "PartNumbers.h"
#include "Readings.h"
#include "Values.h"

#include <algorithm>

namespace ohmilka::cli {

namespace {
// Where a part stands, how it was written and what became of it, as each of its JSON lines
// begins.
JsonObject entryJson(const Entry &entry, std::string_view result)
{
    return JsonObject()
        .text("file", entry.file)
        .number("line", Decimal{entry.line, 0})
        .texts("references", std::vector<std::string_view>(entry.part.references.begin(),
                                                           entry.part.references.end()))
        .text("value", entry.part.value)
        .text("cell", entry.part.cell)
        .text("result", result);
}
} // namespace

CheckReport::CheckReport(const Arguments &arguments, bool json, const Texts &texts,
                         std::ostream &out)
    : json_(json), texts_(texts), out_(out)
{
    for (const Series &series :
         seriesList(arguments.value(OptionName::Series), {*seriesNamed("E24")}, texts))
        untoleranced_.push_back(series.size);
}

std::string CheckReport::where(const Entry &entry)
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

void CheckReport::unreadable(const Entry &entry, const std::string &reason)
{
    ++tally_.checked;
    ++tally_.unreadable;
    tally_.status = 2;
    if (json_)
        out_ << entryJson(entry, "unreadable").text("error", reason).str() << '\n';
    else
        out_ << where(entry) << reason << '\n';
}

void CheckReport::skipped(const Entry &entry, std::string_view result)
{
    if (json_)
        out_ << entryJson(entry, result).str() << '\n';
}

void CheckReport::notFitted(const Entry &entry)
{
    ++tally_.notFitted;
    skipped(entry, "not_fitted");
}

void CheckReport::otherPart(const Entry &entry)
{
    ++tally_.otherParts;
    skipped(entry, "other_part");
}

void CheckReport::columns(std::string_view file, const partslist::Columns &columns)
{
    if (!json_)
        return;
    const auto column = [&](std::optional<std::size_t> index) -> std::optional<JsonObject> {
        if (!index)
            return std::nullopt;
        return JsonObject()
            .text("label", columns.header.labels[*index])
            .number("number", Decimal{static_cast<std::int64_t>(*index) + 1, 0});
    };
    out_ << JsonObject()
                .text("file", file)
                .number("line", Decimal{columns.header.line, 0})
                .text("result", "columns")
                .object("reference_column", column(columns.references))
                .object("value_column", column(columns.value))
                .object("tolerance_column", column(columns.tolerance))
                .object("fitting_column", column(columns.fitting))
                .str()
         << '\n';
}

void CheckReport::check(const Entry &entry)
{
    const partslist::Part &part = entry.part;
    if (!part.secondValue.empty()) {
        valueUnreadable_ = true;
        return unreadable(entry,
                          texts_.say("value {cell}: it holds two values, {first} and {second}",
                                     "hodnota {cell}: obsahuje dvě hodnoty, {first} a {second}",
                                     "cell"_a = quoted(part.cell), "first"_a = quoted(part.value),
                                     "second"_a = quoted(part.secondValue)));
    }
    if (!part.parsed.value) {
        valueUnreadable_ = true;
        return unreadable(entry, valueProblemText(part.parsed.problem, part.value, texts_));
    }
    if (const std::optional<int> tolerance = part.toleranceHundredths;
        !part.tolerance.empty() &&
        (!tolerance || *tolerance <= 0 || *tolerance > noToleranceBandHundredths))
        return unreadable(entry, texts_.say("tolerance {given} is no tolerance",
                                            "tolerance {given} není tolerance",
                                            "given"_a = quoted(part.tolerance)));
    const Decimal value = normalised(*part.parsed.value);
    ++tally_.checked;
    std::optional<int> tolerance = part.toleranceHundredths;
    if (disagreesWithPartNumber(entry, value, tolerance))
        return;
    const VerdictKey key{value, tolerance.value_or(-1)};
    auto known = verdicts_.find(key);
    if (known == verdicts_.end()) {
        if (verdicts_.size() >= verdictsKept)
            verdicts_.clear();
        known = verdicts_.emplace(key, verdictOn(value, tolerance)).first;
    }
    const Verdict &verdict = known->second;
    if (verdict.member)
        ++tally_.inSeries;
    else {
        ++tally_.outside;
        tally_.status = std::max(tally_.status, 1);
    }
    if (json_)
        out_ << entryJson(entry, verdict.member ? "in_series" : "outside")
                    .members(verdict.json)
                    .str()
             << '\n';
    else if (!verdict.member)
        out_ << where(entry) << verdict.text << '\n';
}

bool CheckReport::disagreesWithPartNumber(const Entry &entry, Decimal value,
                                          std::optional<int> &tolerance)
{
    const partslist::Part &part = entry.part;
    if (part.partNumber.empty())
        return false;
    ++tally_.partNumbers;
    const std::optional<partslist::PartNumberReading> &reading = part.ordered;
    if (!reading) {
        ++tally_.partNumbersNotRead;
        return false;
    }
    const std::optional<int> ordered = reading->toleranceHundredths;
    const bool wider = tolerance && ordered && *ordered > *tolerance;
    if (compare(reading->ohms, value) == 0 && !wider) {
        tolerance = tolerance ? tolerance : ordered;
        return false;
    }
    ++tally_.mismatches;
    tally_.status = std::max(tally_.status, 1);
    const Language language = texts_.language();
    const auto withTolerance = [&](Decimal ohms, std::optional<int> hundredths) {
        std::string text = ohmsText(ohms, language);
        if (hundredths) { // not " " + …: GCC 12's false -Wrestrict alarm
            text += ' ';
            text += toleranceText(*hundredths, language);
        }
        return text;
    };
    if (json_) {
        out_ << entryJson(entry, "mismatch")
                    .number("ohms", value)
                    .number("tolerance_percent",
                            tolerance ? std::optional(percentOf(*tolerance)) : std::nullopt)
                    .text("part_number", part.partNumber)
                    .text("part_family", reading->family)
                    .number("part_ohms", reading->ohms)
                    .number("part_tolerance_percent",
                            ordered ? std::optional(percentOf(*ordered)) : std::nullopt)
                    .str()
             << '\n';
        return true;
    }
    out_ << where(entry)
         << texts_.say("value {value}, but part number {number} is {part}",
                       "hodnota {value}, ale objednací číslo {number} je {part}",
                       "value"_a = withTolerance(value, tolerance),
                       "number"_a = printable(part.partNumber),
                       "part"_a = withTolerance(reading->ohms, ordered))
         << '\n';
    return true;
}

std::size_t CheckReport::VerdictHash::operator()(const VerdictKey &key) const
{
    const std::size_t mantissa = std::hash<std::int64_t>()(key.value.mantissa);
    return mantissa ^ (static_cast<std::size_t>(key.value.exponent) * 0x9E3779B9u) ^
           (static_cast<std::size_t>(key.tolerance) << 20);
}

CheckReport::Verdict CheckReport::verdictOn(Decimal value, std::optional<int> tolerance) const
{
    const std::vector<int> sizes = tolerance ? seriesForTolerance(*tolerance) : untoleranced_;
    // In any of the series; else the nearest members of all of them.
    bool member = value.mantissa == 0; // a zero-ohm link is a part of its own
    std::optional<Decimal> below, above;
    for (int size : sizes) {
        if (member)
            break;
        const SeriesPosition position = seriesPosition(size, value);
        member = position.member;
        if (!below || compare(position.below, *below) > 0)
            below = position.below;
        if (!above || compare(position.above, *above) < 0)
            above = position.above;
    }
    Verdict verdict;
    verdict.member = member;
    std::optional<Decimal> belowPercent, abovePercent, tolerancePercent;
    if (!member) {
        belowPercent = percentDifference(value, *below);
        abovePercent = percentDifference(value, *above);
    }
    if (tolerance)
        tolerancePercent = percentOf(*tolerance);
    verdict.json.number("ohms", value)
        .number("tolerance_percent", tolerancePercent)
        .texts("series", seriesNames(sizes))
        .truth("in_series", member)
        .number("below_ohms", member ? std::nullopt : below)
        .number("below_percent", belowPercent)
        .number("above_ohms", member ? std::nullopt : above)
        .number("above_percent", abovePercent);
    if (member)
        return verdict;
    const Language language = texts_.language();
    const auto near = [&](Decimal other) {
        return fmt::format("{} ({})", ohmsText(other, language),
                           signedPercentText(percentDifference(value, other), language));
    };
    verdict.text = texts_.say("{value} is not in {series}; nearest {below} below and {above} above",
                              "{value} není v {series}; nejbližší nižší {below}, vyšší {above}",
                              "value"_a = ohmsText(value, language),
                              "series"_a = listOf(seriesNames(sizes), texts_.pick(" or ", " ani ")),
                              "below"_a = near(*below), "above"_a = near(*above));
    return verdict;
}

} // namespace ohmilka::cli
