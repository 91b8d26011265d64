// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The networks of resistors in series and in parallel nearest a target value, from a given set of
// values: exact, and the best in the whole search space, not a heuristic's.

#include "Decimal.h"

#include <span>
#include <string>
#include <vector>

namespace ohmilka::code {

inline constexpr int maxNetworkParts = 4;
// The values a search may take: every member of E192 from 1 Ω to 10 MΩ, and some to spare. Four
// parts need a table of every pair, which grows with the square of this.
inline constexpr std::size_t maxNetworkValues = 1500;

struct Network {
    std::vector<Decimal> parts; // in the order the form names them
    // The letters name the parts in order; "||" binds tighter than "+": "a+b||c", "a||(b+c)".
    std::string form;
    double ohms;  // rounded from the exact value, for display
    double error; // (ohms − target) / target, from the exact difference
    int distinctValues;
};

// For each count from 1 to maxParts (at most maxNetworkParts), the network of exactly that many
// parts nearest the target, every value usable more than once. Every form of series and parallel
// joints is searched. Nearest means the least relative error, compared exactly; ties go to fewer
// distinct values, then to the smaller parts. The values must be above zero, at most
// maxNetworkValues of them; the target too.
std::vector<Network> nearestNetworks(std::span<const Decimal> values, Decimal target, int maxParts);

} // namespace ohmilka::code
