// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Which part numbers to order for a value: one of each family that offers it at the tolerance
// and size asked, and where none does, what is offered nearest.

#include "Writing.h"

#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace ohmilka::partnumbers {

struct PartQuery {
    Decimal ohms;
    std::optional<int> toleranceHundredths; // none: ±5 % in E24, ±1 % in E96, else the widest
    Size size;
    std::span<const Offering *const> families;
};

// Why no family gives a part number, from the first the query fails at.
enum class Shortfall {
    None,
    Tolerance, // no family offers the tolerance in any size
    Size,      // none offers the size at that tolerance
    Series,    // the value is a member of no series offered at that tolerance and size
    Range,     // it lies outside every range offered at that tolerance and size
};

struct PartChoice {
    std::vector<WrittenPart> parts;
    std::optional<int> toleranceHundredths; // as asked or by default; none where each family's
                                            // widest was taken
    Shortfall shortfall = Shortfall::None;
    std::vector<int> tolerancesOffered; // Tolerance: by any family, in any size
    std::vector<Size> sizesOffered;     // Size: at that tolerance; Range: of the value there
    std::vector<int> seriesSizes;       // Series: those offered, 24, 96 or 192
    Decimal below, above;               // Series: the nearest members; Range: the range offered
};

PartChoice choosePart(const PartQuery &query);

// The nearest members below and above a value in any of the series named by their sizes.
std::pair<Decimal, Decimal> nearestMembers(std::span<const int> seriesSizes, Decimal ohms);

// The tolerance a value is taken at where none is asked: ±5 % for a member of E24, ±1 % for one
// of E96; none for another, or for a jumper's 0 Ω, whose part numbers are not written.
std::optional<int> defaultTolerance(Decimal ohms);

} // namespace ohmilka::partnumbers
