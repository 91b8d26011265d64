// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The resistor colour code of IEC 60062: three to six bands, read and written. The window's own
// tables (ColourCode.h) are a subset of this one for four bands.

#include "Decimal.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace ohmilka::code {

enum class Colour {
    Pink,
    Silver,
    Gold,
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    None
};

struct ColourMeaning {
    Colour colour;
    std::string_view english; // as JSON and English text name it
    std::string_view czech;
    std::string_view iec; // the two-letter code
    std::optional<int> digit;
    std::optional<int> multiplierExponent;  // the band multiplies by 10^this
    std::optional<int> toleranceHundredths; // of a percent: 500 is ±5 %
    std::optional<int> tempcoPpm;           // ppm/K
};

std::span<const ColourMeaning> colourTable(); // in the table's order, pink to none
const ColourMeaning &meaning(Colour colour);

// A colour word in Czech (with or without diacritics), English (grey or gray, violet or purple),
// as an IEC code, or none / žádná; any case.
std::optional<Colour> parseColourWord(std::string_view word);

// ±20 %: what a resistor without a tolerance band is made to, and the widest tolerance sold.
inline constexpr int noToleranceBandHundredths = 2000;

// What a band does in its layout.
enum class BandRole { Digit, Multiplier, Tolerance, Tempco, Link };

struct Reading {
    Decimal ohms;
    std::optional<int> toleranceHundredths; // none for the 0 Ω link
    std::optional<int> tempcoPpm;
};
struct DecodeError {
    int band = 0; // from 1; 0 when the number of bands is wrong
    BandRole role = BandRole::Digit;
    bool firstDigit = false; // a black first digit
};
// Reads 1 (the black 0 Ω link), 3, 4, 5 or 6 bands, left to right.
std::variant<Reading, DecodeError> decode(std::span<const Colour> bands);

// The colours that may stand in a band of that role (the first digit is never black).
std::vector<Colour> allowedColours(BandRole role, bool firstDigit = false);

struct EncodeRequest {
    Decimal ohms;
    std::optional<int> bands;               // 3 to 6; chosen from the value when absent
    std::optional<int> toleranceHundredths; // one of the table's
    std::optional<int> tempcoPpm;           // one of the table's; means six bands
};
struct Marking {
    std::vector<Colour> bands;
};
// The layout cannot mark the value; the markable values nearest to it.
struct NoMarking {
    int bands = 0;
    std::optional<Decimal> below;
    std::optional<Decimal> above;
};
enum class EncodeConflict {
    TempcoNeedsSixBands,
    NoToleranceBandInThree,
    TwentyPercentNeedsFewBands,
    UnknownTolerance,
    UnknownTempco,
    BandCount
};
std::variant<Marking, NoMarking, EncodeConflict> encode(const EncodeRequest &request);

} // namespace ohmilka::code
