// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The resistance value and tolerance read from four band colours.

#include "ColourCode.h"
#include "Decimal.h"

#include <optional>
#include <string>
#include <string_view>

namespace ohmilka {

// Entries of the unit box, in the order the calculation selects them by.
inline constexpr const auto &unitPrefixes = siPrefixes;

struct ResistorValue {
    std::optional<std::string_view> tolerance; // empty: band 4 not recognised
    int unitIndex;                             // index into unitPrefixes
    double shownNumber;                        // the value scaled to that unit
};

// Unrecognised bands count as digit 0 (bands 1, 2), multiplier 0 (band 3), or leave the
// tolerance empty (band 4). Values up to 9.9 ohms, sub-ohm ones included, are shown in ohms.
ResistorValue calculateValue(std::uint32_t band1, std::uint32_t band2, std::uint32_t band3,
                             std::uint32_t band4);

// Decimal text with at most 15 significant digits, no exponent, trailing zeros and a trailing
// separator dropped; decimalSeparator stands between the integer and fractional digits.
std::string numberText(double number, std::string_view decimalSeparator);

} // namespace ohmilka
