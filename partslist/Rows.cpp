// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartsRows.h"

#include "AsciiText.h"
#include "Decimal.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace ohmilka::cli {

namespace {
// Labels in order of precedence: a Value column wins over a Comment column.
constexpr std::array<std::string_view, 3> valueLabels{"value", "designation", "comment"};
constexpr std::array<std::string_view, 8> referenceLabels{
    "ref", "refs", "reference", "references", "reference(s)", "designator", "designators", "part"};

template <std::size_t size>
bool isOneOf(std::string_view text, const std::array<std::string_view, size> &words)
{
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view word) { return isWord(text, word); });
}

// The column whose label comes first in labels.
template <std::size_t size>
std::optional<std::size_t> columnLabelled(const Record &fields,
                                          const std::array<std::string_view, size> &labels)
{
    std::optional<std::size_t> found;
    std::size_t rank = size;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string label = lowered(fields[i]);
        const auto at = std::find(labels.begin(), labels.end(), label);
        if (at < labels.begin() + static_cast<std::ptrdiff_t>(rank)) {
            rank = static_cast<std::size_t>(at - labels.begin());
            found = i;
        }
    }
    return found;
}

// "R1, R2 R5": the references of a grouped row.
std::vector<std::string> referencesIn(std::string_view cell)
{
    std::vector<std::string> references;
    std::string current;
    for (char c : cell) {
        if (c == ',' || c == ' ' || c == ';' || c == '\t') {
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
    return std::any_of(references.begin(), references.end(), [](const std::string &reference) {
        return reference.size() > 1 && (reference[0] == 'R' || reference[0] == 'r') &&
               isDigit(reference[1]);
    });
}

bool saysNotFitted(std::string_view value)
{
    static constexpr std::array<std::string_view, 8> words{"dnp", "dnf", "nf", "nc",
                                                           "np",  "n/a", "-",  "\u2014"};
    return isOneOf(value, words);
}

bool fittingSaysOff(std::string_view cell, bool saysFitted)
{
    static constexpr std::array<std::string_view, 8> left{"dnp", "dnf", "x",    "yes",
                                                          "y",   "1",   "true", "excluded"};
    static constexpr std::array<std::string_view, 4> fittedNot{"no", "n", "0", "false"};
    return saysFitted ? isOneOf(cell, fittedNot) : isOneOf(cell, left);
}

bool readsAsValue(std::string_view text)
{
    return parseValue(text).value.has_value();
}

// What may follow a value in its cell: a package, a tolerance or a part number. After a space,
// a lone group of three digits would be thousands ("1 000"), so a number must be a package's
// four digits or more, or end in %.
bool followsValue(std::string_view rest)
{
    if (rest.empty())
        return false;
    if (rest[0] != ' ' && rest[0] != '\t')
        return true; // "/0402", "(0805)", "-RC0603FR-0743KL", "_0603"
    rest = trimmed(rest);
    if (rest.starts_with('(') || rest.starts_with('+') || rest.starts_with("\u00B1"))
        return true;
    std::size_t digits = 0;
    while (digits < rest.size() && isDigit(rest[digits]))
        ++digits;
    if (digits == 0)
        return false;
    const std::string_view after = trimmed(rest.substr(digits));
    return digits >= 4 || after.starts_with('%') || after.starts_with('.') ||
           after.starts_with(',');
}

// "1%", "±0.5 %", "+/-5%": the first tolerance in text, with its percent sign.
std::string toleranceIn(std::string_view text)
{
    for (std::size_t percent = text.find('%'); percent != std::string_view::npos;
         percent = text.find('%', percent + 1)) {
        std::size_t end = percent;
        while (end > 0 && text[end - 1] == ' ')
            --end;
        std::size_t start = end;
        while (start > 0 &&
               (isDigit(text[start - 1]) || text[start - 1] == '.' || text[start - 1] == ','))
            --start;
        if (start < end && isDigit(text[start]))
            return std::string(text.substr(start, end - start)) + "%";
    }
    return {};
}

bool isDelimiter(char c)
{
    return c == ' ' || c == '\t' || c == '/' || c == '(' || c == '-' || c == '_';
}
} // namespace

std::pair<std::string, std::string> valueAndTolerance(std::string_view cell)
{
    cell = trimmed(cell);
    if (readsAsValue(cell))
        return {std::string(cell), {}};
    // The longest start of the cell that is a value and is followed by what may follow one.
    for (std::size_t end = cell.size(); end-- > 1;) {
        if (!isDelimiter(cell[end]))
            continue;
        const std::string_view value = trimmed(cell.substr(0, end));
        const std::string_view rest = cell.substr(end);
        if (!value.empty() && followsValue(rest) && readsAsValue(value))
            return {std::string(value), toleranceIn(rest)};
    }
    return {std::string(cell), {}};
}

bool namesOtherQuantity(std::string_view cell)
{
    const std::string_view text = trimmed(cell);
    std::size_t at = 0;
    const auto skipDigits = [&] {
        const std::size_t start = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return at > start;
    };
    const auto startsWith = [&](std::string_view what) {
        return text.substr(at).starts_with(what);
    };
    // Prefixes below milli, which no resistor's value has: pico, nano, micro (u, µ or μ).
    const auto smallPrefix = [&]() -> std::size_t {
        for (std::string_view prefix : {"p", "n", "u", "\u00B5", "\u03BC"})
            if (startsWith(prefix))
                return prefix.size();
        return 0;
    };
    if (!skipDigits())
        return false;
    // 3V3, 4n7, 2u2: a unit or a small prefix where the decimal mark would be.
    std::size_t mark = smallPrefix();
    if (!mark && at < text.size() &&
        std::string_view("VvFH").find(text[at]) != std::string_view::npos)
        mark = 1;
    if (mark && at + mark < text.size() && isDigit(text[at + mark])) {
        at += mark;
        skipDigits();
        return at == text.size() || isDelimiter(text[at]) ||
               std::string_view("FfHhVv").find(text[at]) != std::string_view::npos;
    }
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        if (!skipDigits())
            return false;
    }
    while (at < text.size() && text[at] == ' ')
        ++at;
    const std::size_t small = smallPrefix();
    at += small;
    if (!small && at < text.size() && (text[at] == 'm' || text[at] == 'k' || text[at] == 'M'))
        ++at;
    bool unit = false;
    if (startsWith("Hz") || startsWith("hz")) {
        at += 2;
        unit = true;
    } else if (at < text.size() &&
               std::string_view("FfHhVvAW").find(text[at]) != std::string_view::npos) {
        ++at;
        unit = true;
    }
    return (unit || small) && (at == text.size() || isDelimiter(text[at]));
}

std::optional<Columns> headerColumns(const Record &fields)
{
    const std::optional<std::size_t> value = columnLabelled(fields, valueLabels);
    if (!value)
        return std::nullopt;
    Columns columns;
    columns.value = *value;
    columns.valueLabel = lowered(fields[*value]);
    columns.references = columnLabelled(fields, referenceLabels);
    columns.tolerance = columnLabelled(fields, std::array<std::string_view, 1>{"tolerance"});
    columns.fitting =
        columnLabelled(fields, std::array<std::string_view, 3>{"dnp", "fitted", "populate"});
    columns.fittingSaysFitted = columns.fitting && !isWord(fields[*columns.fitting], "dnp");
    return columns;
}

Part partInRow(const Record &fields, const Columns &columns)
{
    const auto cell = [&](std::optional<std::size_t> column) {
        return column && *column < fields.size() ? trimmed(fields[*column]) : std::string_view();
    };
    Part part;
    // Titles such as "Collated Components:" stand alone in the first column.
    std::size_t filled = 0, lastFilled = 0;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!trimmed(fields[i]).empty()) {
            ++filled;
            lastFilled = i;
        }
    if (filled == 0 || (filled == 1 && lastFilled == 0 && columns.value != 0))
        return part;
    const std::string_view value = cell(columns.value);
    if (isWord(value, columns.valueLabel))
        return part; // the header once more, under a second title
    part.references = referencesIn(cell(columns.references));
    part.value = value;
    if (!part.references.empty() && !namesAResistor(part.references)) {
        part.kind = Part::Kind::Other;
        return part;
    }
    if (saysNotFitted(value) ||
        (columns.fitting && fittingSaysOff(cell(columns.fitting), columns.fittingSaysFitted))) {
        part.kind = Part::Kind::NotFitted;
        return part;
    }
    if (part.references.empty() && namesOtherQuantity(value)) {
        part.kind = Part::Kind::Other;
        return part;
    }
    part.kind = Part::Kind::Resistor;
    std::tie(part.value, part.tolerance) = valueAndTolerance(value);
    if (const std::string_view tolerance = cell(columns.tolerance); !tolerance.empty())
        part.tolerance = tolerance;
    return part;
}

Part partInLine(std::string_view line)
{
    Part part;
    line = trimmed(line);
    if (line.empty() || line.front() == '#')
        return part;
    part.value = line;
    if (saysNotFitted(line))
        part.kind = Part::Kind::NotFitted;
    else if (namesOtherQuantity(line))
        part.kind = Part::Kind::Other;
    else {
        part.kind = Part::Kind::Resistor;
        std::tie(part.value, part.tolerance) = valueAndTolerance(line);
    }
    return part;
}

} // namespace ohmilka::cli
