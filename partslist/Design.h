// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A design's symbols as KiCad's own files hold them, and the same as the rows of a parts list, so
// that they go through the label table and the row rules as any list does.

#include "Records.h"
#include "Rows.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ohmilka::partslist {

struct DesignSymbol {
    std::string file; // the file that holds it
    long line = 0;    // where it is written there
    std::string reference, value;
    std::vector<std::pair<std::string, std::string>> fields; // name and text, as the user gave them
    bool notFitted = false;
    bool inBom = true; // false where the symbol is left out of the BOM ("in_bom no")
};

// A field named DNP that says "DNP", "x", "yes" or "1": not fitted; empty, or another field:
// fitted as far as it says.
bool fieldSaysNotFitted(std::string_view name, std::string_view text);

// The symbols as a parts list: Reference, Value, every field by its name, DNP.
struct DesignTable {
    Columns columns;
    std::vector<Record> rows; // a row for each symbol, in their order
};
std::optional<DesignTable> designTable(const std::vector<DesignSymbol> &symbols);

} // namespace ohmilka::partslist
