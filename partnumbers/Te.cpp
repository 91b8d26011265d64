// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// TE Connectivity "Thick Film Chip Resistors Type CRG Series", document 1773204 (03/2012), page
// 3, "How to Order": CRG0603J1K0. The resistance is of any length, R, K or M as the point (1R0,
// 1K, 100K, 1M); 2010, in the electrical table, is not among the sizes to order. The key has no
// code for the zero-ohm links.
constexpr std::array<Code, 1> crg{{{"CRG", ""}}};
constexpr auto sizes = inchSizes("0201", "0402", "0603", "0805", "1206", "2512");
constexpr std::array<Code, 2> tolerances{F, J};
constexpr std::array<Field, 4> crgFields{{
    {.role = FieldRole::Fixed, .codes = crg},
    {.role = FieldRole::Size, .codes = sizes, .open = {"0123456789", 4, 4}},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Resistance, .resistance = {Notation::LetterAsPoint, 2, 5, {}}},
}};
constexpr std::array<Form, 1> crgForms{crgFields};
} // namespace

const Key teCrg{"TE Connectivity", "TE CRG", crgForms};

} // namespace ohmilka::partnumbers
