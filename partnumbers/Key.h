// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A maker's part-numbering key, written as data: its fields in order, each field's codes and
// their meanings, and the form of the resistance. Data rather than code, so that one
// description serves every use of a key: reading a part number walks it.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ohmilka::partnumbers {

// Whether a code goes with a jumper's zero resistance.
enum class Jumper : std::uint8_t {
    Never, // a resistor's code only
    Also,  // a resistor's, and a jumper's (Yageo writes its jumpers at J)
    Only,  // a jumper's code only (Vishay's Z)
};

struct Code {
    std::string_view code;
    std::string_view meaning; // a size's inch code ("0603"); "±1 %"; "±100 ppm/K"; "reel"
    int hundredths = 0;       // a tolerance's, in hundredths of a percent
    Jumper jumper = Jumper::Never;
};

enum class FieldRole : std::uint8_t {
    Fixed, // letters the key always writes: "CRCW", "-"
    Size,  // the case size, each code's meaning its inch code
    Tolerance,
    Resistance,
    Tcr,    // temperature coefficient
    Power,  // a power rating or grade of its own
    Series, // a series or type within the family: Panasonic's 3GEY, ROHM's EZP
    Termination,
    Packaging,
    Special, // a suffix: lead-free mark, special version
};

// How a key writes the resistance.
enum class Notation : std::uint8_t {
    LetterAsPoint,  // R, K or M as the decimal point: 4K70, 10K0, 470R, 1M00
    Figures,        // significant figures, then the number of zeros; R as the point: 1002, 4R70
    FiguresOrShift, // figures then zeros, or J, K, L for a tenth, a hundredth, a thousandth
};

struct Resistance {
    Notation notation = Notation::LetterAsPoint;
    std::uint8_t shortest = 0, longest = 0; // characters
    std::string_view zero;                  // how a jumper's 0 Ω is written; empty: no jumper
};

// Codes of the field's shape that its table does not list: read, and named as unknown, where
// the maker's key lists less than its real parts use.
struct Open {
    std::string_view characters; // empty: none
    std::uint8_t shortest = 0, longest = 0;
};

struct Field {
    FieldRole role;
    std::span<const Code> codes{}; // the longest of those that match is taken first
    bool optional = false;
    Open open{};
    Resistance resistance{}; // of the resistance only
};

// One of a key's forms: a resistor's at some tolerances, a jumper's.
using Form = std::span<const Field>;

// A size field's codes where the key writes the inch codes themselves, as most makers do.
template <class... Codes> constexpr std::array<Code, sizeof...(Codes)> inchSizes(Codes... codes)
{
    return {Code{codes, codes}...};
}

struct Key {
    std::string_view maker;  // "Vishay"
    std::string_view family; // "Vishay CRCW"
    std::span<const Form> forms;
};

} // namespace ohmilka::partnumbers
