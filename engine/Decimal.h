// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Exact decimal numbers for resistor values: no binary fractions, so 0.22 stays 0.22.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka {

// mantissa × 10^exponent, with a mantissa of at most 18 digits.
struct Decimal {
    std::int64_t mantissa = 0;
    int exponent = 0;
};

inline constexpr int maxDecimalDigits = 18;

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitCount(std::int64_t number);   // of a non-negative number; 1 for 0
std::int64_t powerOfTen(int exponent); // 10^exponent for 0 <= exponent <= 18
Decimal normalised(Decimal value);     // without trailing zeros in the mantissa; 0 as 0 × 10^0

// -1, 0 or 1 as a is less than, equal to or greater than b; both non-negative.
int compare(Decimal a, Decimal b);

// The nearest double, for searches that compare exactly only what doubles cannot tell apart.
double approximate(Decimal value);

// A double rounded to so many significant digits (1 to 17), for display: 15390.2 to 4 is 15390.
Decimal roundedDecimal(double value, int significantDigits);

// Non-negative values in ascending order, each once.
std::vector<Decimal> sortedDistinct(std::span<const Decimal> values);

// value × factor / 10^shift, exact while the product fits in 18 digits.
std::optional<Decimal> scaled(Decimal value, std::int64_t factor, int shift);

// Plain decimal notation, no exponent and no trailing zeros after the separator: 4.7, 220, 0.22.
std::string decimalText(Decimal value, std::string_view separator);

// The SI prefixes a resistance is written with, from milli to giga.
inline constexpr std::array<std::string_view, 5> siPrefixes{"m", "", "k", "M", "G"};

struct Prefixed {
    Decimal number;          // at least 1 and below 1000, where the prefixes reach
    std::string_view prefix; // "m", "", "k", "M" or "G"
    int prefixExponent;      // -3, 0, 3, 6 or 9
};
Prefixed withPrefix(Decimal value);
Decimal inPrefix(Decimal value, int prefixExponent); // the number to write before that prefix

// Reads a resistance as people write it: 4700, 4k7, 4,7k, 4.7 kΩ, 470R, 0R22, R22, 2M2, 4.7e3,
// 220m (milliohm), 10meg, 100mR, 10 kOhm. Prefixes m, k or K, M, G, and SPICE's meg in any case;
// R is the ohm or, before digits, the decimal mark; Ω and "ohm" may follow. A decimal mark followed
// by exactly three digits and nothing else (1,000 or 4.700) could be a thousands separator and is
// refused; after a leading 0, or with no digit before it (0.100, .976), it is a decimal mark.
enum class ValueProblem {
    Empty,
    Negative,
    SeveralPrefixes,
    Ambiguous,
    TooManyDigits,
    OutOfRange,
    NotAValue
};
struct ParsedValue {
    std::optional<Decimal> value;
    ValueProblem problem = ValueProblem::NotAValue; // when there is no value
};
// The resistances worked with: 0, or from 1 µΩ to below 1 PΩ, past the least shunt and the
// highest high-ohm resistor made. Beyond them a value is OutOfRange.
inline constexpr int leastResistanceOrder = -6, mostResistanceOrder = 14;
ParsedValue parseValue(std::string_view text);
// A number in the same forms, for voltages, ratios and per cents, bounded only by 10^±30.
ParsedValue parseNumber(std::string_view text);

} // namespace ohmilka
