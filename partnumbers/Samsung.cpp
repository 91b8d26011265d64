// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Samsung Electro-Mechanics' chip resistor data sheet, "Part numbering": RC1608F103CS. The size
// in tenths of a millimetre (RC1608 is an 0603 part, RC0603 an 0201), tolerance, three or four
// figures (000 a jumper), packing.
constexpr std::array<Code, 1> rc{{{"RC", ""}}};
constexpr std::array<Code, 9> sizes{{{"0402", "01005"},
                                     {"0603", "0201"},
                                     {"1005", "0402"},
                                     {"1608", "0603"},
                                     {"2012", "0805"},
                                     {"3216", "1206"},
                                     {"3225", "1210"},
                                     {"5025", "2010"},
                                     {"6432", "2512"}}};
constexpr std::array<Code, 3> tolerances{D, F, JOrJumper};
constexpr std::array<Code, 3> packing{{{"CS", "paper tape"}, {"ES", "embossed tape"}, {"AS", ""}}};
constexpr std::array<Field, 5> fields{{
    {.role = FieldRole::Fixed, .codes = rc},
    {.role = FieldRole::Size, .codes = sizes},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 4, "000"}},
    {.role = FieldRole::Packaging, .codes = packing},
}};
constexpr std::array<Form, 1> forms{fields};
} // namespace

const Key samsungRc{"Samsung", "Samsung RC", forms};

} // namespace ohmilka::partnumbers
