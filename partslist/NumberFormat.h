// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A spreadsheet's number as its cell format shows it, as a CSV export writes it: General with up
// to 15 significant digits, fixed decimals, thousands separators, per cent, and text around the
// number ("0.0\"k\""). Dates, fractions and exponents are written as General.

#include <string>
#include <string_view>

namespace ohmilka::partslist {

// The format of one of Office Open XML's built-in number format ids; General for the rest.
std::string_view builtInNumberFormat(int id);

// value as the format code shows it; the first section only, as for positive numbers.
std::string formattedNumber(double value, std::string_view formatCode);

} // namespace ohmilka::partslist
