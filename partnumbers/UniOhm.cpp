// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Uniroyal's catalogue, "Ordering procedure", and Royalohm's "Explanation of part number":
// 0603WAF1002T5E. Size in inches, wattage, tolerance (0 a jumper), four characters of resistance
// (three figures and the number of zeros, or J, K, L for a tenth, a hundredth, a thousandth;
// 0000 a jumper), packing type and quantity, E.
constexpr auto sizes = inchSizes("0201", "0402", "0603", "0805", "1206", "1210", "2010", "2512");
constexpr std::array<Code, 13> wattages{{{"WH", ""},
                                         {"WG", ""},
                                         {"WA", ""},
                                         {"WM", ""},
                                         {"W8", ""},
                                         {"W4", ""},
                                         {"W2", ""},
                                         {"1W", ""},
                                         {"SA", ""},
                                         {"S8", ""},
                                         {"S4", ""},
                                         {"S3", ""},
                                         {"07", ""}}};
constexpr std::array<Code, 7> tolerances{B, C, D, F, G, J, Code{"0", "jumper", 0, Jumper::Only}};
constexpr std::array<Code, 3> packingTypes{{{"T", "tape"}, {"B", "bulk"}, {"C", ""}}};
constexpr Open quantity{"0123456789ABCDE", 1, 1};
constexpr Open lastCode{"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 1, 1};
constexpr std::array<Field, 7> fields{{
    {.role = FieldRole::Size, .codes = sizes},
    {.role = FieldRole::Power, .codes = wattages},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Resistance, .resistance = {Notation::FiguresOrShift, 4, 4, "0000"}},
    {.role = FieldRole::Packaging, .codes = packingTypes},
    {.role = FieldRole::Packaging, .open = quantity},
    {.role = FieldRole::Special, .optional = true, .open = lastCode},
}};
constexpr std::array<Form, 1> forms{fields};
} // namespace

const Key uniOhm{"UniOhm", "UniOhm/Royalohm", forms};

} // namespace ohmilka::partnumbers
