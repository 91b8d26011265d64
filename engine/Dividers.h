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
// ties go to fewer distinct values, then to the lower total. Values above zero.
std::vector<Divider> nearestDividers(std::span<const Decimal> values, const DividerGoal &goal,
                                     std::size_t count);

// The ratio at the worst case, each resistor off by up to ±tolerance (a fraction) either way.
struct RatioRange {
    double least, most;
};
RatioRange ratioRange(double top, double bottom, double tolerance);

} // namespace ohmilka::code
