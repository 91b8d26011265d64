// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Stackpole "RMCF / RMCP", revision 11/18/2020, page 12, "How to Order - RMCF" and "How to Order -
// RMCP": RMCF0603JT4K70. Four characters "with the multiplier used as the decimal holder"; the
// jumper is Z with 0R00.
constexpr std::array<Code, 1> rmcf{{{"RMCF", ""}}};
constexpr std::array<Code, 1> rmcp{{{"RMCP", ""}}};
constexpr auto rmcfSizes =
    inchSizes("01005", "0201", "0402", "0603", "0805", "1206", "1210", "2010", "2512");
constexpr std::span<const Code> rmcpSizes = std::span(rmcfSizes).subspan(1);
constexpr std::array<Code, 3> tolerances{F, J, Code{"Z", "jumper", 0, Jumper::Only}};
constexpr std::array<Code, 2> packaging{{{"T", "7 inch reel"}, {"G", "10 inch reel, paper tape"}}};
constexpr Resistance resistance{Notation::LetterAsPoint, 4, 4, "0R00"};
constexpr std::array<Field, 5> rmcfFields{{
    {.role = FieldRole::Fixed, .codes = rmcf},
    {.role = FieldRole::Size, .codes = rmcfSizes},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Resistance, .resistance = resistance},
}};
constexpr std::array<Field, 5> rmcpFields{{
    {.role = FieldRole::Fixed, .codes = rmcp},
    {.role = FieldRole::Size, .codes = rmcpSizes},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Resistance, .resistance = resistance},
}};
constexpr std::array<Form, 1> rmcfForms{rmcfFields};
constexpr std::array<Form, 1> rmcpForms{rmcpFields};
} // namespace

const Key stackpoleRmcf{"Stackpole", "Stackpole RMCF", rmcfForms};
const Key stackpoleRmcp{"Stackpole", "Stackpole RMCP", rmcpForms};

} // namespace ohmilka::partnumbers
