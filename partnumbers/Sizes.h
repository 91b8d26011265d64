// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Chip resistor case sizes by their two names: the inch code (0603: 0.06 by 0.03 inches) and its
// metric twin in tenths of a millimetre (1608). Some codes are both, for other sizes: 0603 and
// 0402 are inch codes here and metric ones in the names that say so.

#include <optional>
#include <string_view>
#include <vector>

namespace ohmilka::partnumbers {

struct Size {
    std::string_view inch, metric;
    bool operator==(const Size &other) const { return inch == other.inch; }
};

std::optional<Size> sizeOfInch(std::string_view code);
// From the smallest, each once: metric codes grow with the sizes.
void sortBySize(std::vector<Size> &sizes);
std::optional<Size> sizeOfMetric(std::string_view code);

} // namespace ohmilka::partnumbers
