// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What a parts list's rows say: which columns hold the references, the value, the tolerance and
// whether a part is fitted, by their labels and, where labels do not decide, by what the cells
// hold; and what each row's part is.

#include "CellValue.h"
#include "FootprintSize.h"
#include "Labels.h"
#include "PartNumbers.h"
#include "Records.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::partslist {

// A header row's labels, as written, and what each means.
struct Header {
    long line = 0;
    std::vector<std::string> labels;
    std::vector<LabelMeaning> meanings;
};

// The header a record is: one that labels a value column; nullopt otherwise.
std::optional<Header> headerIn(const Record &fields, long line);

// Where a list's values stand: a column of values; where none is, the descriptions, or the part
// numbers that a maker's key reads.
enum class ValueFrom { Value, Description, PartNumber };

struct Columns {
    Header header;
    std::size_t value = 0;
    ValueFrom valueFrom = ValueFrom::Value;
    std::optional<std::size_t> references, tolerance, quantity, partNumber, footprint;
    std::vector<std::size_t> morePartNumbers; // alternates' columns after the first
    std::optional<std::size_t> fitting;       // a DNP, Fitted, Populate or Status column
    Role fittingRole = Role::NotFitted;
    bool withoutHeader = false; // judged by the cells alone: designators first, then values
};

// The columns of a header, judged by the rows that follow it as well; nullopt when no column is
// left for the value.
std::optional<Columns> columnsOf(Header header, std::span<const Record> rows);

// A part number a row names, and what its maker's key reads in it.
struct OrderedPart {
    std::string number;
    std::optional<partnumbers::PartNumberReading> reading; // none where no key reads it
};

struct Part {
    enum class Kind {
        Resistor,  // to check
        NotFitted, // left off the board
        Other,     // a capacitor, an IC, a connector
        None,      // no part: a title, a blank row, a total, the header once more
    } kind = Kind::None;
    std::vector<std::string> references;
    ValueFrom valueFrom = ValueFrom::Value;
    std::string cell;        // the value's cell as written
    std::string value;       // the value's own text, or the whole cell when no value leads it
    ParsedValue parsed;      // value, read
    std::string secondValue; // a second value in the cell, which leaves it unreadable
    std::string tolerance;   // as the row writes it, "1%"; empty when it does not
    std::optional<int> toleranceHundredths; // none where the row writes none, or none that reads
    std::string partNumber;                 // the part-number cell as written
    std::vector<OrderedPart> ordered;       // a resistor's: that cell's, and one in the value cell
    std::string footprint;                  // the footprint or package cell as written
    std::optional<partnumbers::Size> size;  // what the footprint names, else the value cell
    SizeNaming sizeNaming = SizeNaming::Named;
    bool sizeFromValue = false; // the value cell's package: "10k/0603"
};

// Where no header is: a column lists designators (on two or more rows, and most rows), and a
// column after it reads as values on at least half the rows of resistors, else as descriptions; the
// column that reads on most of them, and not one of counts alone. Nullopt otherwise.
std::optional<Columns> columnsWithoutHeader(std::span<const Record> rows);

Part partInRow(const Record &fields, const Columns &columns);
Part partInLine(std::string_view line); // of a plain list

} // namespace ohmilka::partslist
