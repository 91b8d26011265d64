// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The chip size a footprint or package names: KiCad's R_0603_1608Metric, which names both, R_0402,
// IPC-7351's RESC1608X55N, which is metric, and plain codes (0805, R0805, SMD_1206). None where
// it names no chip size or two that differ, and for resistor arrays and shunts.

#include "Sizes.h"

#include <optional>
#include <string_view>

namespace ohmilka::partslist {

// How a footprint names its size: the bare codes 0402 and 0603 are inch or metric codes, as
// the list's other sizes are.
enum class SizeNaming {
    Named,  // metric by its name, or both names: R_0603_1608Metric, RESC1608X55N
    Inch,   // a bare code of inches alone: 0805, R1206
    Metric, // a bare code of millimetres alone: 1608, SMD_3216
    Either, // 0402 or 0603 alone: read as inch, unless the list's others are metric
};

struct FootprintSize {
    partnumbers::Size size; // as inches, for Either
    SizeNaming naming;
};

std::optional<FootprintSize> sizeOfFootprint(std::string_view footprint);

// An Either size read as the metric code it also is: 0603 as 0201.
partnumbers::Size asMetricCode(partnumbers::Size inch);

} // namespace ohmilka::partslist
