// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The part numbers a part-number cell names: one, or alternates parted by commas, semicolons,
// slashes, bars or "or", each perhaps after its maker's name ("Yageo RC0402FR-0710KL / Panasonic
// ERJ-2RKF1002X"). A part number has a letter and a digit: "-", "N/A", "TBD", "1%" are none.

#include <string_view>
#include <vector>

namespace ohmilka::partslist {

std::vector<std::string_view> partNumbersIn(std::string_view cell);

} // namespace ohmilka::partslist
