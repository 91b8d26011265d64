// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The value and tolerance a parts list's cell writes: "10k", "10k/0402", "4k7 (0805)",
// "8.06k±1%", "1/4W 10k", "43k-RC0603FR-0743KL". A value leads its cell, after a power rating
// at most; what follows it must be a package, a tolerance, a power rating, a temperature
// coefficient or a part number. A cell with a second value is unreadable, never a guess.

#include "Decimal.h"

#include <optional>
#include <string_view>

namespace ohmilka::partslist {

struct CellValue {
    std::string_view text; // the value as the cell writes it; the whole cell when none leads it
    ParsedValue parsed;    // text, read once
    std::string_view toleranceText;         // as the cell writes it, "±1%"; empty when none
    std::optional<int> toleranceHundredths; // of a percent: 100 is ±1 %
    std::string_view secondValue;           // another value after the first: the cell is unreadable
    std::string_view package;               // the first package after or before the value, "0603"
    std::string_view partNumber;            // the first part number after it, "RC0603FR-0743KL"
};

// A value cell's value, and what follows it; where no value leads, the one value of a
// description (below).
CellValue readValueCell(std::string_view cell);

// A description's value, by the same rule, wherever it stands: every other word is of a known
// kind, and there is one value ("RES SMD 10K OHM 1% 1/10W 0603" is 10 kΩ ±1 %; in "RES
// 10K-100K" a second value leaves it unreadable).
CellValue readDescriptionCell(std::string_view cell);

// IEC 60062's letter for a tolerance, in capitals ("F" is ±1 %): hundredths of a percent.
std::optional<int> toleranceOfIecLetter(char letter);

// A Tolerance column's cell: "1%", "±1%", "+/-1%", "± 1 %", "1", or IEC 60062's letter code
// ("F" is ±1 %). Hundredths of a percent; nullopt when it is none of these.
std::optional<int> readToleranceCell(std::string_view cell);

// 100n, 10uF, 4.7uH, 3V3, 33pF: a value that is no resistance.
bool namesOtherQuantity(std::string_view cell);

} // namespace ohmilka::partslist
