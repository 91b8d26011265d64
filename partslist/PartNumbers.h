// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The resistance and tolerance a resistor's manufacturer part number encodes, by each maker's
// published part-numbering key. A part number that matches no known key is not read: never a
// guess.

#include "Decimal.h"

#include <optional>
#include <string_view>

namespace ohmilka::partslist {

struct PartNumberReading {
    Decimal ohms;                           // 0 for a jumper
    std::optional<int> toleranceHundredths; // none for a jumper
    std::string_view family;                // "Yageo RC", "Panasonic ERJ"
};

// Case and surrounding spaces do not matter.
std::optional<PartNumberReading> readPartNumber(std::string_view partNumber);

} // namespace ohmilka::partslist
