// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckPrinter.h"

#include "Json.h"
#include "PartNumbers.h"
#include "Readings.h"
#include "Values.h"

#include <array>
#include <utility>

namespace ohmilka::cli {

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
    return summary;
}

namespace {
// The text line of a finding worth a word: its place, then what is wrong.
class FindingLines
{
public:
    explicit FindingLines(const Texts &texts) : texts_(texts) {}

    std::optional<std::string> line(const Finding &finding)
    {
        switch (finding.result) {
        case Finding::Result::Outside:
            return where(finding.entry) + outsideText(*finding.verdict);
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

private:
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

    std::string mismatchText(const Finding &finding) const
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
        return texts_.say("value {value}, but part number {number} is {part}",
                          "hodnota {value}, ale objednací číslo {number} je {part}",
                          "value"_a = withTolerance(*finding.ohms, finding.tolerance),
                          "number"_a = printable(part.partNumber),
                          "part"_a =
                              withTolerance(part.ordered->ohms, part.ordered->toleranceHundredths));
    }

    const Texts &texts_;
    std::string_view file_;     // the file of the last line
    std::string printableFile_; // its name, as the terminal is shown it
};

class TextPrinter final : public CheckPrinter
{
public:
    TextPrinter(const Texts &texts, std::ostream &out) : lines_(texts), out_(out) {}

    void part(const Finding &finding) override
    {
        if (const auto line = lines_.line(finding))
            out_ << *line << '\n';
    }
    void columns(std::string_view, const partslist::Columns &) override {}
    void fileProblem(std::string_view, const std::string &) override {}
    void summary(const Tally &) override {}

private:
    FindingLines lines_;
    std::ostream &out_;
};

std::optional<Decimal> percentOrNull(std::optional<int> hundredths)
{
    return hundredths ? std::optional(percentOf(*hundredths)) : std::nullopt;
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
constexpr std::array<std::pair<std::string_view, long Tally::*>, 9> summaryCounts{{
    {"checked", &Tally::checked},
    {"in_series", &Tally::inSeries},
    {"outside", &Tally::outside},
    {"unreadable", &Tally::unreadable},
    {"not_fitted", &Tally::notFitted},
    {"other_parts", &Tally::otherParts},
    {"part_numbers", &Tally::partNumbers},
    {"mismatches", &Tally::mismatches},
    {"part_numbers_not_read", &Tally::partNumbersNotRead},
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
            .text("result", resultName(finding.result));
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
        if (part.ordered && !part.partNumber.empty())
            json.text("part_family", part.ordered->family)
                .number("part_ohms", part.ordered->ohms)
                .number("part_tolerance_percent", percentOrNull(part.ordered->toleranceHundredths));
        else
            json.null("part_family").null("part_ohms").null("part_tolerance_percent");
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
        write(JsonObject()
                  .text("file", file)
                  .number("line", Decimal{columns.header.line, 0})
                  .text("result", "columns")
                  .object("reference_column", column(columns.references))
                  .object("value_column", column(columns.value))
                  .object("tolerance_column", column(columns.tolerance))
                  .object("quantity_column", column(columns.quantity))
                  .object("part_number_column", column(columns.partNumber))
                  .object("fitting_column", column(columns.fitting)),
              std::nullopt);
    }

    void fileProblem(std::string_view file, const std::string &reason) override
    {
        write(
            JsonObject().text("file", file).text("result", "unreadable_file").text("error", reason),
            reason);
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
