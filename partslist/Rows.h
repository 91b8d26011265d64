// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What the rows of a parts list say, as KiCad, kicad-cli, Eagle, Altium, JLCPCB's template and
// spreadsheets write them: which columns hold the value, the references, the tolerance and
// whether a part is fitted, and what each row's part is.

#include "Records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

struct Columns {
    std::size_t value = 0;
    std::string valueLabel; // as the header writes it, in small letters
    std::optional<std::size_t> references, tolerance;
    std::optional<std::size_t> fitting; // a DNP, Fitted or Populate column
    bool fittingSaysFitted = false;     // Fitted or Populate: "no" leaves the part off
};

// The columns a header row names; nullopt when it names no value column.
std::optional<Columns> headerColumns(const Record &fields);

struct Part {
    enum class Kind {
        Resistor,  // to check
        NotFitted, // left off the board
        Other,     // a capacitor, an IC, a connector
        None,      // a title, a blank row, the header once more
    } kind = Kind::None;
    std::vector<std::string> references;
    std::string value;     // the value's own text, or the whole cell when no value leads it
    std::string tolerance; // as the row writes it, "1%"; empty when it does not
};

Part partInRow(const Record &fields, const Columns &columns);
Part partInLine(std::string_view line); // of a plain list

// The value that leads a cell, and a tolerance the cell writes: "10k/0402", "4k7 (0805)",
// "10k ±1%", "43k-RC0603FR-0743KL". The whole cell when no value leads it.
std::pair<std::string, std::string> valueAndTolerance(std::string_view cell);

// 100n, 10uF, 4.7uH, 3V3, 33pF: a value that is no resistance.
bool namesOtherQuantity(std::string_view cell);

} // namespace ohmilka::cli
