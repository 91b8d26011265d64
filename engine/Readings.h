// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Every reading a resistor's bands allow: as given and from the other end, with colours in
// doubt tried one by one, and whether each value is one that parts of its tolerance are sold in.

#include "ResistorCode.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace ohmilka::code {

// The series of IEC 60063 that parts of a tolerance are sold in: ±20 % E6, ±10 % E12, ±5 % E24,
// ±2 % E48, ±1 % E96, ±0.5 % and finer E192; at ±2 % and finer E24 as well. Sizes, first the
// series of the tolerance itself; none for a tolerance finer than ±20 % that no row names.
std::vector<int> seriesForTolerance(int toleranceHundredths);

// The first of those series that holds the value; none when none does, or for the 0 Ω link.
std::optional<int> soldSeries(const Reading &reading);

struct BandReading {
    std::vector<Colour> bands; // in the order they were read
    bool fromOtherEnd = false;
    Reading reading;
    std::optional<int> series; // soldSeries(reading)
};

inline constexpr std::size_t readingLimit = 1000;
struct TooManyReadings {
};

// The readings of every choice of colours (one list of alternatives per band, left first), as
// given and, for 4 to 6 bands, from the other end. Readings in a series come first; otherwise
// the order of the choices, left band first, each as given before its other end. A reading
// that another already gives is left out; more than readingLimit is refused.
std::variant<std::vector<BandReading>, TooManyReadings>
allReadings(std::span<const std::vector<Colour>> choices);

// Whether a measured value lies in the reading's tolerance window.
bool holds(const Reading &reading, Decimal measured);

} // namespace ohmilka::code
