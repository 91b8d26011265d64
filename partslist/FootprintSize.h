// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The chip size a footprint or package names: KiCad's R_0603_1608Metric, which names both, R_0402,
// IPC-7351's RESC1608X55N, which is metric, and plain codes (0805, R0805, SMD_1206). None where
// it names no chip size, or two that differ.

#include "Sizes.h"

#include <optional>
#include <string_view>

namespace ohmilka::partslist {

std::optional<partnumbers::Size> sizeOfFootprint(std::string_view footprint);

} // namespace ohmilka::partslist
