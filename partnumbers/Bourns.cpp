// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Bourns "CR0603 Series - Chip Resistors" data sheet, "How to Order": CR1206-FX-1003ELF. At ±1 %
// three figures and the number of zeros (8252), at ±5 % two (474, 000 a jumper); R as the point
// below 100 Ω and 10 Ω. Older part numbers set the packaging off by a hyphen and leave out LF
// (CR1210-FX-8252-E).
constexpr std::array<Code, 1> cr{{{"CR", ""}}};
constexpr auto sizes = inchSizes("01005", "0201", "0402", "0603", "0805", "1206", "2010", "2512");
constexpr std::array<Code, 1> hyphen{{{"-", ""}}};
constexpr std::array<Code, 1> onePercent{F};
constexpr std::array<Code, 1> fivePercent{JOrJumper};
constexpr std::array<Code, 5> tcrs{{{"X", "±100 ppm/K"},
                                    {"W", "±200 ppm/K"},
                                    {"V", "±300 ppm/K"},
                                    {"Z", "±400 ppm/K"},
                                    {"/", "jumpers and values of 1 Ω to 9.76 Ω"}}};
constexpr std::array<Code, 2> packaging{
    {{"G", "paper tape, 7 inch reel, 10 000"}, {"E", "paper or embossed tape, 7 inch reel"}}};
constexpr std::array<Code, 1> tinPlated{{{"LF", "tin-plated"}}};
constexpr Open otherSize{"0123456789", 4, 4};

constexpr std::array<Field, 10> onePercentFields{{
    {.role = FieldRole::Fixed, .codes = cr},
    {.role = FieldRole::Size, .codes = sizes, .open = otherSize},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Tolerance, .codes = onePercent},
    {.role = FieldRole::Tcr, .codes = tcrs},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 4, 4, {}}},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Termination, .codes = tinPlated, .optional = true},
}};
constexpr std::array<Field, 10> fivePercentFields{{
    {.role = FieldRole::Fixed, .codes = cr},
    {.role = FieldRole::Size, .codes = sizes, .open = otherSize},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Tolerance, .codes = fivePercent},
    {.role = FieldRole::Tcr, .codes = tcrs},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 3, "000"}},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Termination, .codes = tinPlated, .optional = true},
}};
constexpr std::array<Form, 2> crForms{onePercentFields, fivePercentFields};
} // namespace

const Key bournsCr{"Bourns", "Bourns CR", crForms};

} // namespace ohmilka::partnumbers
