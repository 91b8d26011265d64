// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Designators as parts lists write them (R1, IC12, R5A, R1-R4, R?), and the resistors a row
// names, wherever it names them: what check accounts for, whatever the columns were taken for.

#include "Records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::partslist {

struct Columns;

// "R1, R2 R5": the references of a grouped row, as written.
std::vector<std::string> referencesIn(std::string_view cell);

// R1, IC12, R5A, R1-R4, R1-4, and R?, U? not yet annotated.
bool isDesignator(std::string_view text);
// R?: a part the schematic has not numbered yet.
bool isUnannotated(std::string_view reference);
// Whether a designator among them is a resistor's: R and a number, or R?.
bool namesAResistor(const std::vector<std::string> &references);

// R1, "R1, R2", "R1 R2", R1-R4: a cell that lists designators.
bool listsDesignators(std::string_view cell);

// The resistors a reference names, one by one: R1-R4 is R1, R2, R3 and R4; R? itself.
std::vector<std::string> resistorsNamed(std::string_view reference);

// A resistor named in a row outside what was read as its part: in another column, or in a row
// that was taken for no part. A column of nullopt: the row came before any header.
struct NamedResistor {
    std::string designator;
    std::optional<std::size_t> column;
    long line = 0; // where it stands, where that is not the row's own line
};

// The resistors a row names in cells that list designators and in columns that may hold them:
// not those read as values, packages, part numbers, quantities or descriptions, nor the row's
// reference column where its part was read; above any header, in any cell of a row of two or
// more. Never R0603 nor R10K outside a reference column: packages and values. Appended to found.
void resistorsNamedElsewhere(const Record &fields, const Columns *columns, bool partRead,
                             std::vector<NamedResistor> &found);

} // namespace ohmilka::partslist
