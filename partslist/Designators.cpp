// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Designators.h"

#include "AsciiText.h"
#include "Rows.h"

#include <algorithm>
#include <charconv>

namespace ohmilka::partslist {

namespace {
constexpr bool partsReferences(char c)
{
    return c == ',' || c == ' ' || c == ';' || c == '\t';
}

// Each reference of a cell, as a view of it.
template <typename Each> void forEachReference(std::string_view cell, Each each)
{
    std::size_t at = 0;
    while (at < cell.size()) {
        while (at < cell.size() && partsReferences(cell[at]))
            ++at;
        std::size_t end = at;
        while (end < cell.size() && !partsReferences(cell[end]))
            ++end;
        if (end > at && !each(cell.substr(at, end - at)))
            return;
        at = end;
    }
}

// The cells of a line whose columns are not known: parted by commas, semicolons, tabs or runs
// of spaces, as tables are written.
void forEachCell(std::string_view line, std::vector<std::string_view> &cells)
{
    std::size_t start = 0;
    for (std::size_t at = 0; at <= line.size(); ++at) {
        const bool ends = at == line.size() || line[at] == ',' || line[at] == ';' ||
                          line[at] == '\t' ||
                          (line[at] == ' ' && at + 1 < line.size() && line[at + 1] == ' ');
        if (!ends)
            continue;
        if (const std::string_view cell = trimmed(line.substr(start, at - start)); !cell.empty())
            cells.push_back(cell);
        start = at + 1;
    }
}

bool isResistorDesignator(std::string_view reference)
{
    return reference.size() > 1 && (reference[0] == 'R' || reference[0] == 'r') &&
           (isDigit(reference[1]) || reference[1] == '?') && isDesignator(reference);
}

std::optional<long> numberIn(std::string_view digits)
{
    long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

// How many characters part a range's ends at its start: 1 for R1-R4, 2 for R16..R22, else 0.
std::size_t rangeMark(std::string_view rest)
{
    if (rest.starts_with(".."))
        return 2;
    return rest.starts_with('-') ? 1 : 0;
}

// A range longer than this is two designators, not the parts between them.
constexpr long longestRange = 10'000;

// What a cell outside the reference column may mean instead of a designator: Eagle's packages
// (R0603: no designator is numbered from a zero) and names of values in a library (R10K, R1M).
bool mayBeOther(std::string_view designator)
{
    static constexpr std::string_view multipliers = "kKmMgGrR";
    return (designator.size() > 2 && designator[1] == '0') ||
           multipliers.find(designator.back()) != std::string_view::npos;
}

// The columns a row's cells are not looked at for designators in: what they hold is a value, a
// package, a part number, a quantity or a description, where R10 and R0603 are no designators.
bool holdsNoDesignators(const Columns &columns, std::size_t column)
{
    if (column == columns.value || column >= columns.header.meanings.size())
        return column == columns.value;
    switch (columns.header.meanings[column].role) {
    case Role::Value:
    case Role::Tolerance:
    case Role::Quantity:
    case Role::Manufacturer:
    case Role::PartNumber:
    case Role::OrderNumber:
    case Role::Description:
    case Role::Footprint:
        return true;
    default:
        return false;
    }
}
} // namespace

std::vector<std::string> referencesIn(std::string_view cell)
{
    std::vector<std::string> references;
    forEachReference(cell, [&](std::string_view reference) {
        references.emplace_back(reference);
        return true;
    });
    return references;
}

bool isDesignator(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && isAsciiLetter(text[at]))
        ++at;
    const std::size_t letters = at;
    if (letters == 0 || letters > 5)
        return false;
    if (at + 1 == text.size() && text[at] == '?')
        return true;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at == letters)
        return false;
    if (at < text.size() && isAsciiLetter(text[at]) && at + 1 == text.size())
        return true;
    // A part of a matrix, row and column: R1C1, R4P14.
    if (const std::size_t group = at; at < text.size() && isAsciiLetter(text[at])) {
        while (at < text.size() && at - group < 3 && isAsciiLetter(text[at]))
            ++at;
        const std::size_t digits = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return at > digits && at == text.size();
    }
    // A range, R1-R4, R1-4, R16..R22, R1..12.
    if (const std::size_t mark = rangeMark(text.substr(at)); mark != 0) {
        const std::string_view last = text.substr(at + mark);
        return !last.empty() &&
               (isDesignator(last) || std::all_of(last.begin(), last.end(), isDigit));
    }
    return at == text.size();
}

bool isUnannotated(std::string_view reference)
{
    return reference.size() > 1 && reference.back() == '?' && isDesignator(reference);
}

bool namesAResistor(const std::vector<std::string> &references)
{
    return std::any_of(references.begin(), references.end(), [](const std::string &reference) {
        return isResistorDesignator(reference);
    });
}

bool listsDesignators(std::string_view cell)
{
    bool any = false, all = true;
    forEachReference(cell, [&](std::string_view reference) {
        any = true;
        all = isDesignator(reference);
        return all;
    });
    return any && all;
}

std::vector<std::string> resistorsNamed(std::string_view reference)
{
    if (!isResistorDesignator(reference))
        return {};
    std::size_t dash = reference.find('-');
    std::size_t mark = 1;
    if (const std::size_t dots = reference.find(".."); dots < dash) {
        dash = dots;
        mark = 2;
    }
    if (dash == std::string_view::npos)
        return {std::string(reference)};
    // R1-R4, R1-4, R16..R22: the parts between, where both ends are R and a number.
    std::string_view last = reference.substr(dash + mark);
    if (!last.empty() && isAsciiLetter(last.front())) {
        if (last.front() != reference.front())
            return {};
        last.remove_prefix(1);
    }
    const auto first = numberIn(reference.substr(1, dash - 1));
    const auto end = numberIn(last);
    if (!first || !end || *end < *first || *end - *first >= longestRange)
        return {std::string(reference.substr(0, dash))};
    std::vector<std::string> named;
    for (long number = *first; number <= *end; ++number)
        named.push_back(reference.front() + std::to_string(number));
    return named;
}

void resistorsNamedElsewhere(const Record &fields, const Columns *columns, bool partRead,
                             std::vector<NamedResistor> &found)
{
    const auto take = [&](std::string_view reference, std::optional<std::size_t> column) {
        if (!isUnannotated(reference) && !mayBeOther(reference))
            for (std::string &designator : resistorsNamed(reference))
                found.push_back({std::move(designator), column});
        return true;
    };
    if (!columns) {
        // Above any header, a row of cells of its own (a title such as "Board R2" is one cell),
        // whichever way they are parted; the row's first word too, as Eagle's text lists part
        // their first columns by one space ("R101 10k").
        std::vector<std::string_view> cells;
        for (std::size_t column = 0; column < fields.size(); ++column)
            forEachCell(fields[column], cells);
        if (cells.size() < 2)
            return;
        if (const std::string_view first = cells.front().substr(0, cells.front().find(' '));
            first.size() < cells.front().size() && isDesignator(first))
            take(first, std::nullopt);
        for (const std::string_view cell : cells)
            if (isAsciiLetter(cell.front()) && listsDesignators(cell))
                forEachReference(cell, [&](std::string_view reference) {
                    return take(reference, std::nullopt);
                });
        return;
    }
    for (std::size_t column = 0; column < fields.size(); ++column) {
        const std::string_view cell = trimmed(fields[column]);
        // Most cells are told apart by their first letter.
        if (holdsNoDesignators(*columns, column) || (partRead && column == columns->references) ||
            cell.empty() || !isAsciiLetter(cell.front()) || !listsDesignators(cell))
            continue;
        forEachReference(cell, [&](std::string_view reference) { return take(reference, column); });
    }
}

} // namespace ohmilka::partslist
