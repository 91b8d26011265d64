// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Offers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// KOA's size codes, as the RK73B sheet's dimension table gives their EIA sizes; the RN73H and
// RN73R sheets give the same for 1E to 2E.
constexpr std::array<Code, 12> sizes{{{"1F", "01005"},
                                      {"1H", "0201"},
                                      {"1E", "0402"},
                                      {"1J", "0603"},
                                      {"2A", "0805"},
                                      {"2B", "1206"},
                                      {"2E", "1210"},
                                      {"2H", "2010"},
                                      {"W2H", "2010"},
                                      {"3A", "2512"},
                                      {"W3A", "2512"},
                                      {"W3A2", "2512"}}};
constexpr std::array<Code, 4> terminations{
    {{"T", "tin"}, {"L", "tin-lead"}, {"G", "gold"}, {"X", ""}}};
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
// KOA Speer "RK73B", 6/20/20, page 1, "Ordering information": the packaging of each size.
constexpr std::array<Code, 8> rk73bPackaging{
    {{"TX", "01005: 4 mm wide, 1 mm pitch plastic embossed"},
     {"TBL", "01005: 2 mm pitch pressed paper"},
     {"TC", "0201: 7 inch, 2 mm pitch pressed paper, 10 000"},
     {"TCM", "0201: 7 inch, 2 mm pitch pressed paper, 15 000"},
     {"TPL", "0402: 2 mm pitch punched paper"},
     {"TP", "7 inch, 2 mm pitch punched paper"},
     {"TD", "7 inch, 4 mm pitch punched paper"},
     {"TE", "7 inch plastic embossed"}}};
constexpr std::array<Field, 6> thickFilm(std::span<const Code> type, std::uint8_t figures,
                                         std::span<const Code> tolerances,
                                         std::span<const Code> packaging = {})
{
    return {{
        {.role = FieldRole::Fixed, .codes = type},
        {.role = FieldRole::Size, .codes = sizes},
        {.role = FieldRole::Termination, .codes = terminations},
        {.role = FieldRole::Packaging, .codes = packaging, .open = packagingCode},
        {.role = FieldRole::Resistance, .resistance = {Notation::Figures, figures, figures, {}}},
        {.role = FieldRole::Tolerance, .codes = tolerances},
    }};
}
constexpr auto rk73hFields = thickFilm(rk73h, 4, precise);
constexpr auto rk73bFields = thickFilm(rk73b, 3, general, rk73bPackaging);
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

namespace ohmilka::partnumbers {

namespace {
// KOA Speer "RK73B", 6/20/20, page 2, "Applications and ratings": ±2 % and ±5 %, both E24, each
// size's range; page 1, each size's packaging, the example's TD first where the size takes it.
constexpr Offer rk73bRow(std::string_view size, int tolerance, Decimal lowest, Decimal highest,
                         std::string_view choices)
{
    return {0, size, tolerance, lowest, highest, E24, 2, choices};
}
constexpr std::array<Offer, 18> rk73bOffers{{
    rk73bRow("1F", 200, ohms(1), megohms(1), "T|TX TBL"),
    rk73bRow("1F", 500, ohms(1), megohms(10), "T|TX TBL"),
    rk73bRow("1H", 200, ohms(10), megohms(10), "T|TC TCM"),
    rk73bRow("1H", 500, ohms(1), megohms(10), "T|TC TCM"),
    rk73bRow("1E", 200, ohms(1), megohms(10), "T|TPL TP"),
    rk73bRow("1E", 500, ohms(1), megohms(10), "T|TPL TP"),
    rk73bRow("1J", 200, ohms(1), megohms(1), "T|TD TP"),
    rk73bRow("1J", 500, ohms(1), megohms(22), "T|TD TP"),
    rk73bRow("2A", 200, ohms(1), megohms(10), "T|TD TP TE"),
    rk73bRow("2A", 500, ohms(1), megohms(10), "T|TD TP TE"),
    rk73bRow("2B", 200, ohms(1), megohms(10), "T|TD TE"),
    rk73bRow("2B", 500, ohms(1), megohms(22), "T|TD TE"),
    rk73bRow("2E", 200, ohms(10), ohms(56, 5), "T|TD TE"),
    rk73bRow("2E", 500, ohms(1), megohms(10), "T|TD TE"),
    rk73bRow("2H", 200, ohms(10), ohms(56, 5), "T|TE"),
    rk73bRow("2H", 500, ohms(1), megohms(22), "T|TE"),
    rk73bRow("3A", 200, ohms(10), ohms(56, 5), "T|TE"),
    rk73bRow("3A", 500, ohms(1), megohms(22), "T|TE"),
}};
} // namespace

const Offering koaRk73bOffering{koaRk73b, "KOA Speer RK73B, 6/20/20", rk73bOffers};

} // namespace ohmilka::partnumbers
