// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The resistance, tolerance and size a resistor's manufacturer part number encodes, by each
// maker's published part-numbering key. A part number that matches no known key is not read:
// never a guess.

#include "Decimal.h"
#include "Key.h"
#include "Sizes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::partnumbers {

struct FieldReading {
    FieldRole role;
    std::string code;         // as written, in capitals
    std::string_view meaning; // a size's inch code; empty for the resistance
    bool known = true;        // false for a code the key's table does not list
};

struct PartNumberReading {
    Decimal ohms;                           // 0 for a jumper
    std::optional<int> toleranceHundredths; // none for a jumper
    std::string_view maker;                 // "Vishay"
    std::string_view family;                // "Vishay CRCW", "Yageo RC"
    std::optional<Size> size;               // where the key writes one
    std::vector<FieldReading> fields;       // in the order written
    // The codes of the fields whose table does not list them.
    std::vector<const FieldReading *> unknownCodes() const;
};

// Case and surrounding spaces do not matter.
std::optional<PartNumberReading> readPartNumber(std::string_view partNumber);

// Every key, in the order they are tried.
std::span<const Key *const> keys();

// How a field's role is named in JSON: "size", "tolerance", "packaging".
std::string_view roleName(FieldRole role);

} // namespace ohmilka::partnumbers
