// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Check.h"

#include "Json.h"
#include "Readings.h"
#include "Records.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace ohmilka::code {

namespace {
std::string_view trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

std::string lowered(std::string_view text)
{
    std::string lower(trimmed(text));
    for (char &c : lower)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return lower;
}

// "4k7 1%": the value, and the tolerance where one ends the text.
std::pair<std::string, std::string> valueAndTolerance(std::string_view text)
{
    text = trimmed(text);
    if (!text.ends_with('%'))
        return {std::string(text), {}};
    std::size_t start = text.find_last_not_of(" %");
    while (start != std::string_view::npos && start > 0 &&
           std::string_view("0123456789.,").find(text[start - 1]) != std::string_view::npos)
        --start;
    if (start == std::string_view::npos || start == 0 || text[start - 1] != ' ')
        return {std::string(text), {}};
    return {std::string(trimmed(text.substr(0, start))), std::string(text.substr(start))};
}

// "R1, R2 R5": the references of a grouped row.
std::vector<std::string> referencesIn(std::string_view cell)
{
    std::vector<std::string> references;
    std::string current;
    for (char c : cell) {
        if (c == ',' || c == ' ' || c == ';') {
            if (!current.empty())
                references.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        references.push_back(current);
    return references;
}

bool namesAResistor(const std::vector<std::string> &references)
{
    return references.empty() ||
           std::any_of(references.begin(), references.end(), [](const std::string &reference) {
               return reference.size() > 1 && (reference[0] == 'R' || reference[0] == 'r') &&
                      reference[1] >= '0' && reference[1] <= '9';
           });
}

struct Entry {
    std::string_view file;
    long line;
    std::vector<std::string> references;
    std::string value;
    std::string tolerance;
};

// Where a value stands and how it was written, as each of its JSON lines begins.
JsonObject entryJson(const Entry &entry)
{
    return JsonObject()
        .text("file", entry.file)
        .number("line", Decimal{entry.line, 0})
        .texts("references",
               std::vector<std::string_view>(entry.references.begin(), entry.references.end()))
        .text("value", entry.value);
}

struct Tally {
    long checked = 0, inSeries = 0, outside = 0, unreadable = 0;
    int status = 0;
};

class Checker
{
public:
    Checker(const Arguments &arguments, bool json, const Texts &texts, std::ostream &out)
        : json_(json), texts_(texts), out_(out)
    {
        for (const Series &series :
             seriesList(arguments.value(OptionName::Series), {{"E24", 24}}, texts))
            untoleranced_.push_back(series.size);
    }

    void check(const Entry &entry);
    void unreadable(const Entry &entry, const std::string &reason);
    void flush() { out_.flush(); } // what was found so far, before a message on stderr
    const Tally &tally() const { return tally_; }

private:
    std::string where(const Entry &entry) const;

    bool json_;
    const Texts &texts_;
    std::ostream &out_;
    std::vector<int> untoleranced_; // sizes of the --series list
    Tally tally_;
};

std::string Checker::where(const Entry &entry) const
{
    std::string text = fmt::format("{}:{}: ", printable(entry.file), entry.line);
    if (!entry.references.empty())
        text += printable(listOf(entry.references)) + ": ";
    return text;
}

void Checker::unreadable(const Entry &entry, const std::string &reason)
{
    ++tally_.checked;
    ++tally_.unreadable;
    tally_.status = 2;
    if (json_)
        out_ << entryJson(entry).text("error", reason).str() << '\n';
    else
        out_ << where(entry) << reason << '\n';
}

void Checker::check(const Entry &entry)
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
        const std::vector<std::string> names = seriesNames(sizes);
        out_ << entryJson(entry)
                    .number("ohms", value)
                    .number("tolerance_percent", tolerancePercent)
                    .texts("series", std::vector<std::string_view>(names.begin(), names.end()))
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

// A file that cannot be opened or read: what was found in it so far, then the system's reason.
void reportUnreadableFile(std::string_view file, std::string_view reason, Checker &checker,
                          const Texts &texts, std::ostream &err)
{
    checker.flush();
    const std::string name = file == "-"
                                 ? std::string(texts.pick("standard input", "standardní vstup"))
                                 : printable(file);
    err << "ohmilka-code: "
        << texts.say("cannot read {file}: {reason}", "nelze číst {file}: {reason}", "file"_a = name,
                     "reason"_a = reason)
        << '\n';
}

// The values of one list: lines of a plain list, or rows of CSV under its header row.
void checkList(std::istream &in, std::string_view file, bool csv, Checker &checker,
               const Texts &texts, std::ostream &err, int &status)
{
    RecordReader reader(in, csv);
    Record fields;
    std::optional<std::size_t> valueColumn, referenceColumn, toleranceColumn;
    static constexpr std::string_view referenceNames[] = {
        "ref", "reference", "references", "reference(s)", "designator", "designators"};
    while (reader.next(fields)) {
        Entry entry{file, reader.line(), {}, {}, {}};
        if (reader.tooLong()) {
            checker.unreadable(entry, texts.say("the line is longer than {limit} bytes",
                                                "řádek je delší než {limit} bajtů",
                                                "limit"_a = reader.limit()));
            continue;
        }
        if (!csv) {
            const std::string_view line = trimmed(fields[0]);
            if (line.empty() || line.front() == '#')
                continue;
            std::tie(entry.value, entry.tolerance) = valueAndTolerance(line);
            checker.check(entry);
            continue;
        }
        if (!valueColumn) { // rows before the header, such as KiCad's "Source:" and "Date:"
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const std::string name = lowered(fields[i]);
                if (name == "value" && !valueColumn)
                    valueColumn = i;
                else if (name == "tolerance" && !toleranceColumn)
                    toleranceColumn = i;
                else if (!referenceColumn &&
                         std::find(std::begin(referenceNames), std::end(referenceNames), name) !=
                             std::end(referenceNames))
                    referenceColumn = i;
            }
            if (!valueColumn)
                referenceColumn = toleranceColumn = std::nullopt;
            continue;
        }
        if (fields.size() == 1 && trimmed(fields[0]).empty())
            continue; // a blank line
        const auto cell = [&](std::optional<std::size_t> column) {
            return column && *column < fields.size() ? fields[*column] : std::string_view();
        };
        entry.references = referencesIn(cell(referenceColumn));
        if (!namesAResistor(entry.references))
            continue; // capacitors, ICs, connectors
        std::tie(entry.value, entry.tolerance) = valueAndTolerance(cell(valueColumn));
        if (toleranceColumn && !trimmed(cell(toleranceColumn)).empty())
            entry.tolerance = trimmed(cell(toleranceColumn));
        checker.check(entry);
    }
    if (const auto &error = reader.readError()) {
        reportUnreadableFile(file, error->message(), checker, texts, err);
        status = 2;
    } else if (const auto line = reader.unclosedQuote()) {
        checker.flush();
        err << "ohmilka-code: "
            << texts.say("{file}:{line}: the quote that opens here is never closed",
                         "{file}:{line}: uvozovky otevřené zde se nikde neuzavírají",
                         "file"_a = printable(file), "line"_a = *line)
            << '\n';
        status = 2;
    } else if (csv && !valueColumn) {
        err << "ohmilka-code: "
            << texts.say("{file}: no row names a Value column",
                         "{file}: žádný řádek nemá sloupec Value", "file"_a = printable(file))
            << '\n';
        status = 2;
    }
}
} // namespace

int checkCommand(const Arguments &arguments, bool json, const Texts &texts, std::istream &in,
                 std::ostream &out, std::ostream &err)
{
    Checker checker(arguments, json, texts, out);
    const bool csvAlways = arguments.given(OptionName::Csv);
    std::vector<std::string> files = arguments.operands;
    if (files.empty())
        files.emplace_back("-");
    int status = 0;
    for (const std::string &file : files) {
        const bool csv = csvAlways || lowered(file).ends_with(".csv");
        if (file == "-") {
            checkList(in, file, csv, checker, texts, err, status);
            continue;
        }
        std::ifstream stream(file, std::ios::binary);
        if (!stream) {
            reportUnreadableFile(file, std::strerror(errno), checker, texts, err);
            status = 2;
            continue;
        }
        checkList(stream, file, csv, checker, texts, err, status);
    }
    const Tally &tally = checker.tally();
    err << "ohmilka-code: "
        << texts.say("checked {checked}: {in} in series, {out} outside, {bad} unreadable",
                     "zkontrolováno {checked}: v řadě {in}, mimo {out}, nečitelné {bad}",
                     "checked"_a = tally.checked, "in"_a = tally.inSeries, "out"_a = tally.outside,
                     "bad"_a = tally.unreadable)
        << '\n';
    return std::max(status, tally.status);
}

} // namespace ohmilka::code
