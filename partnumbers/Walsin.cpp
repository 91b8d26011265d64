// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Walsin's WR approval sheets, "Catalogue numbers": WR06X1002FTL, WR04X103JTL, WR04X000PTL.
// Size (WR04 to WR25), type X or W, resistance (two figures and the number of zeros at ±5 %,
// three at ±1 %, R as the point), tolerance F, J or P (a jumper), packaging, termination L. The
// sheets are not to hand, so the size codes give no size.
constexpr std::array<Code, 1> wr{{{"WR", ""}}};
constexpr std::array<Code, 6> sizes{
    {{"04", ""}, {"06", ""}, {"08", ""}, {"12", ""}, {"20", ""}, {"25", ""}}};
constexpr std::array<Code, 2> types{{{"X", ""}, {"W", ""}}};
constexpr std::array<Code, 1> onePercent{F};
constexpr std::array<Code, 1> fivePercent{J};
constexpr std::array<Code, 1> jumper{{{"P", "jumper", 0, Jumper::Only}}};
constexpr std::array<Code, 4> packaging{{{"T", ""}, {"Q", ""}, {"G", ""}, {"B", ""}}};
constexpr std::array<Code, 1> termination{{{"L", ""}}};
constexpr Open lastCode{"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 1, 1};

constexpr std::array<Field, 8> fieldsOf(std::span<const Code> tolerances, Resistance resistance)
{
    return {{
        {.role = FieldRole::Fixed, .codes = wr},
        {.role = FieldRole::Size, .codes = sizes},
        {.role = FieldRole::Power, .codes = types},
        {.role = FieldRole::Resistance, .resistance = resistance},
        {.role = FieldRole::Tolerance, .codes = tolerances},
        {.role = FieldRole::Packaging, .codes = packaging},
        {.role = FieldRole::Termination, .codes = termination},
        {.role = FieldRole::Special, .optional = true, .open = lastCode},
    }};
}
constexpr auto onePercentFields = fieldsOf(onePercent, {Notation::Figures, 3, 4, {}});
constexpr auto fivePercentFields = fieldsOf(fivePercent, {Notation::Figures, 3, 4, {}});
constexpr auto jumperFields = fieldsOf(jumper, {Notation::Figures, 3, 3, "000"});
constexpr std::array<Form, 3> forms{onePercentFields, fivePercentFields, jumperFields};
} // namespace

const Key walsinWr{"Walsin", "Walsin WR", forms};

} // namespace ohmilka::partnumbers
