// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckReport.h"

#include "Json.h"
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
        .texts("references",
               std::vector<std::string_view>(entry.references.begin(), entry.references.end()))
        .text("value", entry.value)
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

std::string CheckReport::where(const Entry &entry) const
{
    std::string text = fmt::format("{}:{}: ", printable(entry.file), entry.line);
    if (!entry.references.empty())
        text += printable(listOf(entry.references)) + ": ";
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

void CheckReport::check(const Entry &entry)
{
    Decimal value;
    std::optional<int> tolerance;
    try {
        value = normalised(valueOf(entry.value, texts_));
        if (!entry.tolerance.empty()) {
            tolerance = toleranceHundredths(entry.tolerance);
            if (!tolerance || *tolerance <= 0 || *tolerance > 2000)
                texts_.refuse("tolerance {given} is no tolerance",
                              "tolerance {given} není tolerance",
                              "given"_a = quoted(entry.tolerance));
        }
    } catch (const UsageError &error) {
        return unreadable(entry, error.line);
    }
    ++tally_.checked;
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
    if (member)
        ++tally_.inSeries;
    else {
        ++tally_.outside;
        tally_.status = std::max(tally_.status, 1);
    }
    const Language language = texts_.language();
    if (json_) {
        std::optional<Decimal> belowPercent, abovePercent, tolerancePercent;
        if (!member) {
            belowPercent = percentDifference(value, *below);
            abovePercent = percentDifference(value, *above);
        } else {
            below = above = std::nullopt;
        }
        if (tolerance)
            tolerancePercent = Decimal{*tolerance, -2};
        out_ << entryJson(entry, member ? "in_series" : "outside")
                    .number("ohms", value)
                    .number("tolerance_percent", tolerancePercent)
                    .texts("series", seriesNames(sizes))
                    .truth("in_series", member)
                    .number("below_ohms", below)
                    .number("below_percent", belowPercent)
                    .number("above_ohms", above)
                    .number("above_percent", abovePercent)
                    .str()
             << '\n';
        return;
    }
    if (member)
        return;
    const auto near = [&](Decimal other) {
        return fmt::format("{} ({})", ohmsText(other, language),
                           signedPercentText(percentDifference(value, other), language));
    };
    out_ << where(entry)
         << texts_.say("{value} is not in {series}; nearest {below} below and {above} above",
                       "{value} není v {series}; nejbližší nižší {below}, vyšší {above}",
                       "value"_a = ohmsText(value, language),
                       "series"_a = listOf(seriesNames(sizes), texts_.pick(" or ", " ani ")),
                       "below"_a = near(*below), "above"_a = near(*above))
         << '\n';
}

} // namespace ohmilka::cli
