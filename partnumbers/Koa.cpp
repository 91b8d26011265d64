// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// KOA's size codes; the RN73H and RN73R sheets give the inch sizes of 1E to 2E. The others are
// read and give no size.
constexpr std::array<Code, 11> sizes{{{"1F", ""},
                                      {"1H", ""},
                                      {"1E", "0402"},
                                      {"1J", "0603"},
                                      {"2A", "0805"},
                                      {"2B", "1206"},
                                      {"2E", "1210"},
                                      {"2H", ""},
                                      {"W2H", ""},
                                      {"3A", ""},
                                      {"W3A", ""}}};
constexpr std::array<Code, 4> terminations{{{"T", "tin"}, {"L", ""}, {"G", ""}, {"X", ""}}};
constexpr Open packagingCode{letters, 1, 3};

// KOA Speer's RK73H, RK73B and RK73Z data sheets, "Ordering information": type, size,
// termination, packaging, resistance (three figures and a multiplier for RK73H, two for RK73B
// and RK73A), tolerance last: RK73H1JTTD1002F, RK73B1JTTD103J; RK73Z is a jumper of no value.
constexpr std::array<Code, 1> rk73h{{{"RK73H", ""}}};
constexpr std::array<Code, 1> rk73b{{{"RK73B", ""}}};
constexpr std::array<Code, 1> rk73a{{{"RK73A", ""}}};
constexpr std::array<Code, 1> rk73z{{{"RK73Z", ""}}};
constexpr std::array<Code, 2> precise{D, F};
constexpr std::array<Code, 2> general{G, J};
constexpr std::array<Field, 6> thickFilm(std::span<const Code> type, std::uint8_t figures,
                                         std::span<const Code> tolerances)
{
    return {{
        {.role = FieldRole::Fixed, .codes = type},
        {.role = FieldRole::Size, .codes = sizes},
        {.role = FieldRole::Termination, .codes = terminations},
        {.role = FieldRole::Packaging, .open = packagingCode},
        {.role = FieldRole::Resistance, .resistance = {Notation::Figures, figures, figures, {}}},
        {.role = FieldRole::Tolerance, .codes = tolerances},
    }};
}
constexpr auto rk73hFields = thickFilm(rk73h, 4, precise);
constexpr auto rk73bFields = thickFilm(rk73b, 3, general);
constexpr auto rk73aFields = thickFilm(rk73a, 3, general);
constexpr std::array<Field, 4> rk73zFields{{
    {.role = FieldRole::Fixed, .codes = rk73z},
    {.role = FieldRole::Size, .codes = sizes},
    {.role = FieldRole::Termination, .codes = terminations},
    {.role = FieldRole::Packaging, .open = packagingCode},
}};

// KOA Speer's RN73H and RN73R data sheets, "Ordering information", read in KOA's own text as
// data-sheet sites host it (no copy of the PDF was found in a public repository):
// RN73H2BTTD1002B25, RN73R2BTTD1002B25. Type, size, termination T, packaging, three figures
// and a multiplier (R as the point below 100 Ω), tolerance, TCR in ppm/K.
constexpr std::array<Code, 1> rn73h{{{"RN73H", ""}}};
constexpr std::array<Code, 1> rn73r{{{"RN73R", ""}}};
constexpr std::array<Code, 1> rn73{{{"RN73", ""}}};
constexpr std::array<Code, 1> tin{{{"T", "tin"}}};
constexpr std::array<Code, 5> thinPackaging{{{"TP", "7 inch, 2 mm pitch punched paper"},
                                             {"TD", "7 inch, 4 mm pitch punched paper"},
                                             {"TDD", "10 inch paper tape"},
                                             {"TE", "7 inch embossed plastic"},
                                             {"TED", "10 inch embossed plastic"}}};
constexpr std::array<Code, 5> thinTolerances{A, B, C, D, F};
constexpr std::array<Code, 5> tcrs{{{"05", "±5 ppm/K"},
                                    {"10", "±10 ppm/K"},
                                    {"25", "±25 ppm/K"},
                                    {"50", "±50 ppm/K"},
                                    {"100", "±100 ppm/K"}}};
constexpr std::array<Field, 7> thinFilm(std::span<const Code> type, bool tcrOptional)
{
    return {{
        {.role = FieldRole::Fixed, .codes = type},
        {.role = FieldRole::Size, .codes = sizes},
        {.role = FieldRole::Termination, .codes = tin},
        {.role = FieldRole::Packaging, .codes = thinPackaging, .open = packagingCode},
        {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 4, 4, {}}},
        {.role = FieldRole::Tolerance, .codes = thinTolerances},
        {.role = FieldRole::Tcr, .codes = tcrs, .optional = tcrOptional},
    }};
}
constexpr auto rn73hFields = thinFilm(rn73h, false);
constexpr auto rn73rFields = thinFilm(rn73r, false);
// The older RN73 without its type letter, its TCR perhaps left out: RN732BTTD2002B25.
constexpr auto rn73Fields = thinFilm(rn73, true);
constexpr std::array<Form, 1> rk73hForms{rk73hFields};
constexpr std::array<Form, 1> rk73bForms{rk73bFields};
constexpr std::array<Form, 1> rk73aForms{rk73aFields};
constexpr std::array<Form, 1> rk73zForms{rk73zFields};
constexpr std::array<Form, 1> rn73hForms{rn73hFields};
constexpr std::array<Form, 1> rn73rForms{rn73rFields};
constexpr std::array<Form, 1> rn73Forms{rn73Fields};
} // namespace

const Key koaRk73h{"KOA", "KOA RK73H", rk73hForms};
const Key koaRk73b{"KOA", "KOA RK73B", rk73bForms};
const Key koaRk73a{"KOA", "KOA RK73A", rk73aForms};
const Key koaRk73z{"KOA", "KOA RK73Z", rk73zForms};
const Key koaRn73h{"KOA", "KOA RN73H", rn73hForms};
const Key koaRn73r{"KOA", "KOA RN73R", rn73rForms};
const Key koaRn73{"KOA", "KOA RN73", rn73Forms};

} // namespace ohmilka::partnumbers
