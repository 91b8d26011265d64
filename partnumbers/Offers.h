// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What a maker offers of a family, as its data sheet's tables give it: the sizes, tolerances,
// ranges and series it makes, and the codes of its other fields. Data beside each key, so that a
// part number is written only for a part the maker makes.

#include "Decimal.h"
#include "Key.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace ohmilka::partnumbers {

// The series whose members a row offers; a value must be a member of one of them.
enum SeriesOffered : std::uint8_t {
    E24 = 1,
    E96 = 2,
    E192 = 4,
};
// Each bit with the members per decade of its series.
inline constexpr std::array<std::pair<SeriesOffered, int>, 3> seriesOffered{
    {{E24, 24}, {E96, 96}, {E192, 192}}};

constexpr Decimal ohms(std::int64_t mantissa, int exponent = 0)
{
    return {mantissa, exponent};
}
constexpr Decimal kilohms(std::int64_t mantissa)
{
    return {mantissa, 3};
}
constexpr Decimal megohms(std::int64_t mantissa)
{
    return {mantissa, 6};
}

// One row of a maker's range table: a size at one tolerance, from lowest to highest.
struct Offer {
    std::uint8_t form;     // which of the key's forms writes it
    std::string_view size; // the key's own code for the size: "0603", "3EK", "1608"
    int toleranceHundredths;
    Decimal lowest, highest; // ohms, both included
    std::uint8_t series;     // SeriesOffered bits
    // The resistance's figures: so many, or at least so many where its length varies; 0 for
    // as few as the value needs.
    std::uint8_t digits;
    // The codes of the key's other fields in the form's order, "|" between fields, the maker's
    // own example's first and the others after it, parted by spaces: "R|07 10 13|L". A field of
    // one code is left out; an empty one leaves an optional field out.
    std::string_view choices;
};

struct Offering {
    const Key &key;
    std::string_view source; // the maker's document whose tables these are
    std::span<const Offer> offers;
};

// Every family whose part numbers are written, in the order they are listed.
std::span<const Offering *const> offerings();

} // namespace ohmilka::partnumbers
