// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The preferred number series of IEC 60063: E6 to E192.

#include "Decimal.h"

#include <span>
#include <string_view>
#include <vector>

namespace ohmilka::code {

struct Series {
    std::string_view name;   // "E6" … "E192"
    int size;                // members per decade
    int toleranceHundredths; // the tolerance it is made for: ±20 % for E6 to ±0.5 % for E192
};
std::span<const Series> allSeries();
// E24 or e24; null when no series has the name.
const Series *seriesNamed(std::string_view name);

// The members of a series in one decade, as three digits: 100 (1.00) to 976 (9.76).
std::span<const int> seriesDecade(int size);

// Every member from 1 Ω to 10 MΩ, both included, ascending: the parts a series offers.
std::vector<Decimal> seriesMembers(int size);

struct SeriesPosition {
    bool member;
    Decimal below; // for a member, its neighbours; decades carry over
    Decimal above;
};
// Where a value above zero stands in the series.
SeriesPosition seriesPosition(int size, Decimal value);

// How far other lies from a value above zero: (other − value) / value in per cent, rounded to
// 0.1 % (halves away from zero): −6 for 4.7 k from 5 k.
Decimal percentDifference(Decimal value, Decimal other);

} // namespace ohmilka::code
