// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// ROHM's MCR and ESR data sheets, "Part number description": MCR03EZPFX1002, MCR01MZPJ103,
// ESR10EZPF1002. Size, a three-letter type code, tolerance (a low-ohm code L or S may follow),
// four figures at D and F, three at J, 000 a jumper. The sheets are not to hand, so the size
// codes give no size.
constexpr std::array<Code, 9> sizes{{{"004", ""},
                                     {"006", ""},
                                     {"01", ""},
                                     {"03", ""},
                                     {"10", ""},
                                     {"18", ""},
                                     {"25", ""},
                                     {"50", ""},
                                     {"100", ""}}};
constexpr Open typeCode{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 3, 3};
constexpr std::array<Code, 2> precise{D, F};
constexpr std::array<Code, 1> general{JOrJumper};
constexpr std::array<Code, 1> fx{{{"X", ""}}};
constexpr std::array<Code, 2> lowOhm{{{"L", "low ohm"}, {"S", "low ohm"}}};

template <std::size_t prefixes>
constexpr std::array<Field, 7> fieldsOf(const std::array<Code, prefixes> &prefix,
                                        std::span<const Code> tolerances, Resistance resistance)
{
    return {{
        {.role = FieldRole::Fixed, .codes = prefix},
        {.role = FieldRole::Size, .codes = sizes},
        {.role = FieldRole::Series, .open = typeCode},
        {.role = FieldRole::Tolerance, .codes = tolerances},
        {.role = FieldRole::Special, .codes = fx, .optional = true},
        {.role = FieldRole::Special, .codes = lowOhm, .optional = true},
        {.role = FieldRole::Resistance, .resistance = resistance},
    }};
}
constexpr std::array<Code, 1> mcr{{{"MCR", ""}}};
constexpr std::array<Code, 1> esr{{{"ESR", ""}}};
constexpr Resistance fourFigures{Notation::Figures, 4, 4, {}};
constexpr Resistance threeFigures{Notation::Figures, 3, 3, "000"};
constexpr auto mcrPrecise = fieldsOf(mcr, precise, fourFigures);
constexpr auto mcrGeneral = fieldsOf(mcr, general, threeFigures);
constexpr auto esrPrecise = fieldsOf(esr, precise, fourFigures);
constexpr auto esrGeneral = fieldsOf(esr, general, threeFigures);
constexpr std::array<Form, 2> mcrForms{mcrPrecise, mcrGeneral};
constexpr std::array<Form, 2> esrForms{esrPrecise, esrGeneral};
} // namespace

const Key rohmMcr{"ROHM", "ROHM MCR", mcrForms};
const Key rohmEsr{"ROHM", "ROHM ESR", esrForms};

} // namespace ohmilka::partnumbers
