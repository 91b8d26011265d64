// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Voltage dividers of two resistors nearest a ratio, from a given set of values: the ratio is
// Rbottom / (Rtop + Rbottom), exact, over every pair.

#include "Decimal.h"

#include <optional>
#include <span>
#include <vector>

namespace ohmilka::code {

// What the error is taken of: the ratio itself (or an unloaded divider's output, in proportion to
// it), or a regulator's output from its feedback divider, Vref / ratio.
enum class DividerAim { Ratio, Feedback };

struct DividerGoal {
    Decimal numerator, denominator; // the ratio asked, numerator / denominator, below 1
    DividerAim aim = DividerAim::Ratio;
    std::optional<Decimal> leastTotal, mostTotal; // bounds of Rtop + Rbottom, both included
};

struct Divider {
    Decimal top, bottom;
    double ratio;
    double error; // of the aim, relative and signed, from the exact difference
};

// The count dividers nearest the goal, best first: the least relative error, compared exactly;
// ties go to fewer distinct values, then to the lower total. Values above zero. Each has a ratio
// of its own: of the pairs with one ratio (10k over 20k, 100k over 200k), the one whose total
// lies nearest the geometric middle of the totals allowed stands for them all.
std::vector<Divider> nearestDividers(std::span<const Decimal> values, const DividerGoal &goal,
                                     std::size_t count);

// Where no pair adds up to a total within the bounds: the total of two values nearest them, by
// ratio. Values above zero, at least one.
Decimal nearestTotal(std::span<const Decimal> values, Decimal least, Decimal most);

// The ratio at the worst case, each resistor off by up to ±tolerance (a fraction) either way.
struct RatioRange {
    double least, most;
};
RatioRange ratioRange(double top, double bottom, double tolerance);

} // namespace ohmilka::code
