// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The markings of surface-mount resistors: three and four digits (the last the power of ten),
// R as the decimal point, the zero-ohm link, and EIA-96 (an index into E96 and a letter for the
// multiplier). Read in either case, and written.

#include "Decimal.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::code {

enum class SmdSystem { ZeroLink, ThreeDigit, FourDigit, RCode, Eia96 };

struct SmdReading {
    SmdSystem system;
    Decimal ohms;
    std::optional<int> toleranceHundredths; // EIA-96 parts are ±1 %; the others do not say
};

enum class SmdProblem {
    Empty,
    TooManyDigits,  // more than four
    Eia96IndexZero, // 00 and a letter
    Eia96IndexOver96,
    UnknownLetter, // two digits and a letter that is no multiplier
    NotAMarking
};

// Every reading of a marking, in the order of SmdSystem; none, and why, when no system reads it.
struct SmdDecoded {
    std::vector<SmdReading> readings;
    SmdProblem problem = SmdProblem::NotAMarking;
};
SmdDecoded readSmdMarking(std::string_view marking);

// The EIA-96 multipliers: the letter written (Y, not R), the other of its pair, and the power of
// ten.
struct Eia96Multiplier {
    char letter;
    char alternative; // 0 when there is none
    int exponent;
};
std::span<const Eia96Multiplier> eia96Multipliers();

struct SmdMarking {
    std::string text; // "472", "4R7", "01C"
    Decimal ohms;
};
// How one system marks a value: the marking, or the nearest markings below and above.
struct SmdEncoding {
    SmdSystem system; // ThreeDigit (R forms included), FourDigit or Eia96
    std::optional<SmdMarking> marking;
    std::optional<SmdMarking> below;
    std::optional<SmdMarking> above;
};
std::vector<SmdEncoding> smdMarkings(Decimal value); // three digits, four digits, EIA-96

} // namespace ohmilka::code
