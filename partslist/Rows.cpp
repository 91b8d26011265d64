// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Rows.h"

#include "AsciiText.h"
#include "Designators.h"
#include "PartNumberCell.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace ohmilka::partslist {

namespace {
template <std::size_t size>
bool isOneOf(std::string_view text, const std::array<std::string_view, size> &words)
{
    text = trimmed(text);
    return std::any_of(words.begin(), words.end(), [&](std::string_view word) {
        return text.size() == word.size() && isWord(text, word);
    });
}

// "DNP", or a value with its mark: "10k DNP", Olimex's "NA(10k)". The value is trimmed; the
// words are short, so most values are told apart by their length alone.
bool saysNotFitted(std::string_view value)
{
    static constexpr std::array<std::string_view, 9> words{"dnp", "dnf", "nf", "nc",    "np",
                                                           "na",  "n/a", "-",  "\u2014"};
    static constexpr std::array<std::string_view, 4> marks{"dnp", "dnf", "dni", "nc"};
    constexpr std::size_t longest = 3;
    if (value.size() <= longest)
        return isOneOf(value, words);
    if (const std::size_t open = value.find('(');
        value.back() == ')' && open != std::string_view::npos && open <= longest &&
        isOneOf(value.substr(0, open), words))
        return true;
    const std::size_t space = value.find_last_of(" \t");
    return space != std::string_view::npos && value.size() - space - 1 <= longest &&
           isOneOf(value.substr(space + 1), marks);
}

// A DNP column: empty or a no leaves the part on, any other mark takes it off ("DNP", "Yes",
// "Excluded from BOM"). A Fitted column: a no takes the part off. A Status column: only a DNF
// or DNP mark does, as KiBot writes it (" (DNF)"), not a part's lifecycle ("Approved").
bool fittingSaysOff(std::string_view cell, Role role)
{
    static constexpr std::array<std::string_view, 14> notFitted{
        "no",  "n",   "0",  "false", "not fitted",    "nofit",        "dnp",
        "dnf", "dni", "ni", "dnm",   "not installed", "do not place", "do not install"};
    static constexpr std::array<std::string_view, 7> fitted{"no",     "n",   "0",    "false",
                                                            "fitted", "dnc", "(dnc)"};
    static constexpr std::array<std::string_view, 4> statusMarks{"dnf", "(dnf)", "dnp", "(dnp)"};
    switch (role) {
    case Role::Fitted:
        return isOneOf(cell, notFitted);
    case Role::Status:
        return isOneOf(cell, statusMarks);
    default:
        return !cell.empty() && !isOneOf(cell, fitted) && cell != "-";
    }
}

// A cell of its own that says DNP or DNF, or so in words, in a column of any label: user fields,
// notes.
bool marksNotFitted(const Record &fields)
{
    static constexpr std::array<std::string_view, 9> marks{
        "dnp",          "dnf",        "dni",          "dnm",           "do not populate",
        "do not place", "do not fit", "do not mount", "do not install"};
    constexpr std::size_t longest = 15;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (const std::string_view cell = trimmed(fields[i]);
            cell.size() >= 3 && cell.size() <= longest && isOneOf(cell, marks))
            return true;
    return false;
}

// A quantity of 0 (Altium, LibrePCB), or KiBoM's "2 (DNF)".
bool quantitySaysOff(std::string_view cell)
{
    return cell == "0" || cell.ends_with("(DNF)") || cell.ends_with("(DNP)");
}

// A cell without the spaces around it, nor the single quotes of KiCad's semicolon format, nor
// the double quotes of a field that a space starts (KiCad's bom2csv parts fields by ", ").
std::string_view cellOf(const Record &fields, std::optional<std::size_t> column)
{
    if (!column || *column >= fields.size())
        return {};
    std::string_view cell = trimmed(fields[*column]);
    if (cell.size() >= 2 && (cell.front() == '\'' || cell.front() == '"') &&
        cell.back() == cell.front())
        cell = trimmed(cell.substr(1, cell.size() - 2));
    return cell;
}

// Where the columns of a role are, in the order of the header.
std::vector<std::size_t> columnsWith(const Header &header, Role role)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < header.meanings.size(); ++i)
        if (header.meanings[i].role == role)
            found.push_back(i);
    return found;
}

// All but a share of the filled cells of a column list designators: a half, or a fifth.
bool holdsDesignators(std::span<const Record> rows, std::size_t column, std::size_t share)
{
    std::size_t filled = 0, designators = 0;
    for (const Record &row : rows)
        if (const std::string_view cell = cellOf(row, column); !cell.empty()) {
            ++filled;
            designators += listsDesignators(cell);
        }
    return filled > 0 && designators * share >= filled * (share - 1);
}

std::optional<std::size_t> referenceColumn(const Header &header, std::span<const Record> rows)
{
    const std::vector<std::size_t> labelled = columnsWith(header, Role::Reference);
    for (const std::size_t column : labelled)
        if (holdsDesignators(rows, column, 5))
            return column;
    if (!labelled.empty())
        return labelled.front();
    // Eagle's Part beside a Value column; a column of designators under another label.
    for (const std::size_t column : columnsWith(header, Role::ReferenceCandidate))
        if (!columnsWith(header, Role::Value).empty() && holdsDesignators(rows, column, 2))
            return column;
    // A column of designators under no known label names a resistor: LCSC's numbers (C25804)
    // read as designators of capacitors alone.
    const auto namesAResistorSomewhere = [&](std::size_t column) {
        return std::any_of(rows.begin(), rows.end(), [&](const Record &row) {
            return namesAResistor(referencesIn(cellOf(row, column)));
        });
    };
    for (const Role role : {Role::Unknown, Role::ItemNumber})
        for (const std::size_t column : columnsWith(header, role))
            if (holdsDesignators(rows, column, 5) && namesAResistorSomewhere(column))
                return column;
    return std::nullopt;
}

// Among the value columns, the one whose cells read as values on the rows of resistors; the
// highest ranked where they read alike.
std::optional<std::size_t> valueColumn(const Header &header, std::span<const Record> rows,
                                       std::optional<std::size_t> references)
{
    std::vector<std::size_t> candidates = columnsWith(header, Role::Value);
    // Name (EasyEDA) or Part (OrCAD) where no value column is, beside the column of references:
    // without one, Part is a Mouser cart's references ("R1, 3") and Name a description.
    for (std::size_t i = 0; candidates.empty() && references && i < header.meanings.size(); ++i)
        if (header.meanings[i].mayBeValue && i != references)
            candidates.push_back(i);
    if (candidates.empty())
        return std::nullopt;
    std::stable_sort(candidates.begin(), candidates.end(), [&](std::size_t a, std::size_t b) {
        return header.meanings[a].rank < header.meanings[b].rank;
    });
    std::size_t best = candidates.front();
    std::size_t bestScore = 0;
    for (const std::size_t column : candidates) {
        std::size_t score = 0;
        for (const Record &row : rows) {
            const std::string_view reference = cellOf(row, references);
            if (references && !namesAResistor(referencesIn(reference)))
                continue;
            score += readValueCell(cellOf(row, column)).parsed.value.has_value();
        }
        if (score > bestScore) {
            best = column;
            bestScore = score;
        }
    }
    return best;
}

// The value a part number's key reads in it, as though a value cell wrote it.
CellValue valueOfPartNumber(std::string_view cell)
{
    CellValue read{trimmed(cell), {}, {}, {}, {}, {}, {}};
    const std::vector<std::string_view> numbers = partNumbersIn(cell);
    if (numbers.empty())
        return read;
    if (const auto reading = partnumbers::readPartNumber(numbers.front())) {
        read.parsed.value = reading->ohms;
        read.toleranceHundredths = reading->toleranceHundredths;
    }
    return read;
}

// A resistor's part numbers, each read by its maker's key: its part-number cell's, and one its
// value cell names; and the size its footprint names, else its value cell's package.
void takeOrderAndSize(Part &part, const CellValue &reading, std::string_view footprint,
                      std::span<const std::string_view> moreNumbers = {})
{
    // Each once, as two columns or a value cell may repeat one; each read once.
    const auto take = [&](std::string_view cell, bool readOnly) {
        for (const std::string_view number : partNumbersIn(cell)) {
            if (std::any_of(part.ordered.begin(), part.ordered.end(), [&](const OrderedPart &o) {
                    return lowered(o.number) == lowered(number);
                }))
                continue;
            auto known = partnumbers::readPartNumber(number);
            if (known || !readOnly)
                part.ordered.push_back({std::string(number), std::move(known)});
        }
    };
    take(part.partNumber, false);
    for (const std::string_view cell : moreNumbers)
        take(cell, false);
    // In the value cell only what a key reads is taken for a part number.
    take(reading.partNumber, true);
    part.footprint = trimmed(footprint);
    auto found = sizeOfFootprint(part.footprint);
    if (!found && !reading.package.empty()) {
        found = sizeOfFootprint(reading.package);
        part.sizeFromValue = found.has_value();
    }
    if (found) {
        part.size = found->size;
        part.sizeNaming = found->naming;
    }
}

void takeReading(Part &part, const CellValue &reading)
{
    part.kind = Part::Kind::Resistor;
    part.value = reading.text;
    part.parsed = reading.parsed;
    part.secondValue = reading.secondValue;
    part.tolerance = reading.toleranceText;
    part.toleranceHundredths = reading.toleranceHundredths;
}
} // namespace

std::optional<Header> headerIn(const Record &fields, long line)
{
    if (fields.size() == 0)
        return std::nullopt;
    Header header;
    header.line = line;
    std::size_t known = 0;
    bool labelsValue = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        header.labels.emplace_back(cellOf(fields, i));
        const LabelMeaning meaning = meaningOfLabel(header.labels.back());
        header.meanings.push_back(meaning);
        known += meaning.role != Role::Unknown || meaning.mayBeValue;
        labelsValue = labelsValue || meaning.role == Role::Value;
    }
    // Two labels the table knows, or a list of values under its label alone; not a line such as
    // "Comment 1,License: GPL v2" above the header.
    const std::string_view only = header.labels.front();
    if (known >= 2 ||
        (fields.size() == 1 && labelsValue && std::all_of(only.begin(), only.end(), isAsciiLetter)))
        return header;
    return std::nullopt;
}

namespace {
// Among the candidates, the column whose cells read on most rows of resistors, and on half of them
// at least; not one of counts alone ("1", "2"), which are quantities, not ohms.
std::optional<std::size_t> columnReadingValues(const std::vector<const Record *> &resistors,
                                               const std::vector<std::size_t> &candidates,
                                               CellValue (*read)(std::string_view))
{
    std::size_t best = 0, bestScore = 0;
    for (const std::size_t column : candidates) {
        bool counts = true;
        const std::size_t score =
            std::count_if(resistors.begin(), resistors.end(), [&](const Record *row) {
                const std::string_view text = cellOf(*row, column);
                const CellValue cell = read(text);
                counts = counts && std::all_of(text.begin(), text.end(), isDigit);
                return cell.parsed.value && cell.secondValue.empty();
            });
        if (score > bestScore && !counts) {
            best = column;
            bestScore = score;
        }
    }
    if (bestScore == 0 || bestScore * 2 < resistors.size())
        return std::nullopt;
    return best;
}

// Where no label names a column of values: one without a label whose cells read as values, as
// where a tool wrote "RESISTOR,1K" unquoted and the value ran on beyond the header.
std::optional<std::size_t> unlabelledValueColumn(Header &header, std::span<const Record> rows,
                                                 std::size_t references)
{
    std::vector<const Record *> resistors;
    std::size_t widest = header.labels.size();
    for (const Record &row : rows) {
        widest = std::max(widest, row.size());
        if (namesAResistor(referencesIn(cellOf(row, references))))
            resistors.push_back(&row);
    }
    std::vector<std::size_t> unlabelled;
    for (std::size_t column = 0; column < widest; ++column)
        if (column != references &&
            (column >= header.labels.size() || trimmed(header.labels[column]).empty()))
            unlabelled.push_back(column);
    const std::optional<std::size_t> column =
        columnReadingValues(resistors, unlabelled, readValueCell);
    if (column) {
        header.labels.resize(widest);
        header.meanings.resize(widest);
    }
    return column;
}

// Where no column of values is: the description or part-number column that reads a value on
// most rows of resistors; the first description where none reads more.
std::optional<std::pair<std::size_t, ValueFrom>> valueSource(const Header &header,
                                                             std::span<const Record> rows,
                                                             std::optional<std::size_t> references)
{
    if (!references)
        return std::nullopt;
    std::optional<std::pair<std::size_t, ValueFrom>> best;
    std::size_t bestScore = 0;
    for (const ValueFrom from : {ValueFrom::Description, ValueFrom::PartNumber})
        for (const std::size_t column : columnsWith(
                 header, from == ValueFrom::Description ? Role::Description : Role::PartNumber)) {
            std::size_t score = 0;
            for (const Record &row : rows)
                if (namesAResistor(referencesIn(cellOf(row, references))))
                    score +=
                        (from == ValueFrom::Description ? readDescriptionCell(cellOf(row, column))
                                                        : valueOfPartNumber(cellOf(row, column)))
                            .parsed.value.has_value();
            if (!best || score > bestScore) {
                best = {column, from};
                bestScore = score;
            }
        }
    return best;
}
} // namespace

std::optional<Columns> columnsOf(Header header, std::span<const Record> rows)
{
    Columns columns;
    columns.references = referenceColumn(header, rows);
    if (const std::optional<std::size_t> value = valueColumn(header, rows, columns.references))
        columns.value = *value;
    else if (const auto source = valueSource(header, rows, columns.references)) {
        columns.value = source->first;
        columns.valueFrom = source->second;
    } else if (const auto unlabelled =
                   columns.references ? unlabelledValueColumn(header, rows, *columns.references)
                                      : std::nullopt) {
        columns.value = *unlabelled;
    } else {
        return std::nullopt;
    }
    if (const auto tolerance = columnsWith(header, Role::Tolerance); !tolerance.empty())
        columns.tolerance = tolerance.front();
    if (const auto quantity = columnsWith(header, Role::Quantity); !quantity.empty())
        columns.quantity = quantity.front();
    if (const auto partNumber = columnsWith(header, Role::PartNumber); !partNumber.empty()) {
        columns.partNumber = partNumber.front();
        columns.morePartNumbers.assign(partNumber.begin() + 1, partNumber.end());
    }
    if (const auto footprint = columnsWith(header, Role::Footprint); !footprint.empty())
        columns.footprint = footprint.front();
    for (std::size_t i = 0; i < header.meanings.size() && !columns.fitting; ++i) {
        const Role role = header.meanings[i].role;
        if (role == Role::Fitted || role == Role::NotFitted || role == Role::Status) {
            columns.fitting = i;
            columns.fittingRole = role;
        }
    }
    columns.header = std::move(header);
    return columns;
}

std::optional<Columns> columnsWithoutHeader(std::span<const Record> rows)
{
    std::size_t filled = 0, widest = 0;
    for (const Record &row : rows) {
        widest = std::max(widest, row.size());
        for (std::size_t i = 0; i < row.size(); ++i)
            if (!trimmed(row[i]).empty()) {
                ++filled;
                break;
            }
    }
    // The first column whose cells list designators on most rows; a sheet may leave the first
    // one empty.
    std::optional<std::size_t> references;
    std::vector<const Record *> resistors;
    for (std::size_t column = 0; column < widest && !references; ++column) {
        std::size_t designated = 0;
        resistors.clear();
        for (const Record &row : rows)
            if (const std::string_view cell = cellOf(row, column);
                !cell.empty() && listsDesignators(cell)) {
                ++designated;
                if (namesAResistor(referencesIn(cell)))
                    resistors.push_back(&row);
            }
        if (designated >= 2 && designated * 2 >= filled)
            references = column;
    }
    if (!references || resistors.empty())
        return std::nullopt;
    std::vector<std::size_t> after(widest - *references - 1);
    std::iota(after.begin(), after.end(), *references + 1);
    for (const auto &[from, read] : {std::pair{ValueFrom::Value, &readValueCell},
                                     std::pair{ValueFrom::Description, &readDescriptionCell}}) {
        const std::optional<std::size_t> best = columnReadingValues(resistors, after, read);
        if (!best)
            continue;
        Columns columns;
        columns.header.labels.resize(widest);
        columns.header.meanings.resize(widest);
        columns.references = references;
        columns.value = *best;
        columns.valueFrom = from;
        columns.withoutHeader = true;
        return columns;
    }
    return std::nullopt;
}

Part partInRow(const Record &fields, const Columns &columns)
{
    Part part;
    // Titles such as "Collated Components:" stand alone in the first column; statistics
    // ("Component Groups:",52) and notes name themselves with a colon.
    std::size_t filled = 0, lastFilled = 0;
    std::string_view first;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (const std::string_view cell = trimmed(fields[i]); !cell.empty()) {
            if (filled++ == 0)
                first = cell;
            lastFilled = i;
        }
    const std::string_view value = cellOf(fields, columns.value);
    const std::string_view references = cellOf(fields, columns.references);
    // A resistor without a value is a part, not a title.
    const bool referencesAlone =
        filled == 1 && columns.references == 0 && namesAResistor(referencesIn(references));
    if (filled == 0 || (filled == 1 && lastFilled == 0 && columns.value != 0 && !referencesAlone) ||
        first.ends_with(':'))
        return part;
    // Totals, supplier lines, statistics: neither a reference nor a value.
    if (value.empty() && (references.empty() || !listsDesignators(references)))
        return part;
    if (value == columns.header.labels[columns.value])
        return part; // the header once more, under a second title
    part.references = referencesIn(references);
    part.cell = part.value = value;
    part.partNumber = trimmed(cellOf(fields, columns.partNumber));
    if (!part.references.empty() && !namesAResistor(part.references)) {
        part.kind = Part::Kind::Other;
        return part;
    }
    if (saysNotFitted(value) || marksNotFitted(fields) ||
        (columns.fitting && fittingSaysOff(cellOf(fields, columns.fitting), columns.fittingRole)) ||
        (columns.quantity && quantitySaysOff(cellOf(fields, columns.quantity)))) {
        part.kind = Part::Kind::NotFitted;
        return part;
    }
    part.valueFrom = columns.valueFrom;
    CellValue reading = columns.valueFrom == ValueFrom::Description  ? readDescriptionCell(value)
                        : columns.valueFrom == ValueFrom::PartNumber ? valueOfPartNumber(value)
                                                                     : readValueCell(value);
    if (!reading.parsed.value && part.references.empty()) {
        // Notes and totals under a list of references: "Used currency rates:".
        if (columns.references && reading.secondValue.empty())
            return Part{};
        if (namesOtherQuantity(value)) {
            part.kind = Part::Kind::Other;
            return part;
        }
    }
    // A description that repeats the row's reference ("R17") names no value of 0.17 Ω.
    if (columns.valueFrom == ValueFrom::Description &&
        std::any_of(
            part.references.begin(), part.references.end(),
            [&](const std::string &reference) { return isWord(reading.text, lowered(reference)); }))
        reading.parsed = {};
    takeReading(part, reading);
    if (const std::string_view tolerance = cellOf(fields, columns.tolerance); !tolerance.empty()) {
        part.tolerance = tolerance;
        part.toleranceHundredths = readToleranceCell(tolerance);
    }
    if (part.kind == Part::Kind::Resistor) {
        // The alternates of a list such as Kitspace's, one column each.
        std::vector<std::string_view> moreNumbers;
        for (const std::size_t column : columns.morePartNumbers)
            moreNumbers.push_back(cellOf(fields, column));
        takeOrderAndSize(part, reading, cellOf(fields, columns.footprint), moreNumbers);
    }
    return part;
}

namespace {
// "R1, R2: 1K 1/8W SMD 0805", "R1,R3,R5 - 120 Ohms", "R9    10k": designators, then a colon, a
// dash between spaces, a tab or two spaces, then what the part is; none where no designators
// lead the line.
std::optional<std::pair<std::string_view, std::string_view>> designatorsLead(std::string_view line)
{
    std::size_t end = std::string_view::npos, next = 0;
    for (const std::string_view mark : {": ", " - ", "\t", "  "})
        if (const std::size_t at = line.find(mark); at != std::string_view::npos && at < end) {
            end = at;
            next = at + mark.size();
        }
    if (end == std::string_view::npos || end == 0)
        return std::nullopt;
    const std::string_view designators = trimmed(line.substr(0, end));
    std::string_view rest = trimmed(line.substr(next));
    while (!rest.empty() && (rest.front() == '-' || rest.front() == ':' || rest.front() == ' '))
        rest.remove_prefix(1);
    if (rest.empty() || !listsDesignators(designators))
        return std::nullopt;
    return std::pair(designators, rest);
}
} // namespace

Part partInLine(std::string_view line)
{
    Part part;
    line = trimmed(line);
    if (line.empty() || line.front() == '#')
        return part;
    part.cell = line;
    // A line of a list without a header that names its parts: the rest is read as a
    // description is.
    if (const auto lead = designatorsLead(line)) {
        part.references = referencesIn(lead->first);
        part.cell = lead->second;
        if (!namesAResistor(part.references)) {
            part.value = lead->second;
            part.kind = Part::Kind::Other;
            return part;
        }
        if (saysNotFitted(lead->second)) {
            part.value = lead->second;
            part.kind = Part::Kind::NotFitted;
            return part;
        }
        const CellValue reading = readDescriptionCell(lead->second);
        takeReading(part, reading);
        takeOrderAndSize(part, reading, {});
        return part;
    }
    if (saysNotFitted(line)) {
        part.value = line;
        part.kind = Part::Kind::NotFitted;
        return part;
    }
    const CellValue reading = readValueCell(line);
    if (!reading.parsed.value && namesOtherQuantity(line)) {
        part.value = line;
        part.kind = Part::Kind::Other;
        return part;
    }
    takeReading(part, reading);
    takeOrderAndSize(part, reading, {});
    return part;
}

} // namespace ohmilka::partslist
