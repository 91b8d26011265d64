// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Yageo writes its sizes in inches; 0100 is 01005, 0075 the 009005.
constexpr std::array<Code, 11> sizes{{{"0075", "009005"},
                                      {"0100", "01005"},
                                      {"0201", "0201"},
                                      {"0402", "0402"},
                                      {"0603", "0603"},
                                      {"0805", "0805"},
                                      {"1206", "1206"},
                                      {"1210", "1210"},
                                      {"1218", "1218"},
                                      {"2010", "2010"},
                                      {"2512", "2512"}}};
constexpr std::array<Code, 3> packaging{
    {{"R", "paper taping reel"}, {"K", "embossed taping reel"}, {"S", "ESD safe reel"}}};
constexpr std::array<Code, 1> tcrOfTheSeries{{{"-", "the series' own"}}};
constexpr std::array<Code, 6> reels{{{"07", "7 inch reel"},
                                     {"10", "10 inch reel"},
                                     {"13", "13 inch reel"},
                                     {"7W", "7 inch reel, twice the standard power"},
                                     {"7N", "7 inch ESD safe reel"},
                                     {"3W", "13 inch reel, twice the standard power"}}};
constexpr std::array<Code, 1> defaultCode{{{"L", "default code"}}};
// "2~4 digits", R, K or M as the decimal point; a jumper is 0R at J.
constexpr Resistance resistance{Notation::LetterAsPoint, 2, 4, "0R"};

constexpr std::array<Code, 4> rcTolerances{B, D, F, JOrJumper};
constexpr std::array<Field, 8> thickFilm(std::span<const Code> series)
{
    return {{
        {.role = FieldRole::Fixed, .codes = series},
        {.role = FieldRole::Size, .codes = sizes},
        {.role = FieldRole::Tolerance, .codes = rcTolerances},
        {.role = FieldRole::Packaging, .codes = packaging},
        {.role = FieldRole::Tcr, .codes = tcrOfTheSeries},
        {.role = FieldRole::Packaging, .codes = reels},
        {.role = FieldRole::Resistance, .resistance = resistance},
        {.role = FieldRole::Special, .codes = defaultCode, .optional = true},
    }};
}

// Yageo "RC_L series" data sheet, V.10 of December 12, 2018, page 2,
// "Ordering information - global part number": RC0402JR-07100KL.
constexpr std::array<Code, 1> rc{{{"RC", ""}}};
constexpr auto rcFields = thickFilm(rc);
constexpr std::array<Form, 1> rcForms{rcFields};

// Yageo "AC series" data sheet, "Ordering information - global part number": the fields of RC.
constexpr std::array<Code, 1> ac{{{"AC", ""}}};
constexpr auto acFields = thickFilm(ac);
constexpr std::array<Form, 1> acForms{acFields};

// Yageo "RT series" data sheet, "Ordering information - global part number": RT0603DRE0756RL.
constexpr std::array<Code, 1> rt{{{"RT", ""}}};
constexpr std::array<Code, 5> rtTolerances{W, B, C, D, F};
constexpr std::array<Code, 2> rtPackaging{
    {{"R", "paper taping reel"}, {"K", "embossed taping reel"}}};
constexpr std::array<Code, 4> rtTcrs{
    {{"B", "±5 ppm/K"}, {"C", "±10 ppm/K"}, {"D", "±15 ppm/K"}, {"E", "±25 ppm/K"}}};
constexpr std::array<Code, 3> rtReels{
    {{"07", "7 inch reel"}, {"10", "10 inch reel"}, {"13", "13 inch reel"}}};
constexpr std::array<Field, 8> rtFields{{
    {.role = FieldRole::Fixed, .codes = rt},
    {.role = FieldRole::Size, .codes = sizes},
    {.role = FieldRole::Tolerance, .codes = rtTolerances},
    {.role = FieldRole::Packaging, .codes = rtPackaging},
    {.role = FieldRole::Tcr, .codes = rtTcrs},
    {.role = FieldRole::Packaging, .codes = rtReels},
    {.role = FieldRole::Resistance, .resistance = {Notation::LetterAsPoint, 2, 4, {}}},
    {.role = FieldRole::Special, .codes = defaultCode, .optional = true},
}};
constexpr std::array<Form, 1> rtForms{rtFields};
} // namespace

const Key yageoRc{"Yageo", "Yageo RC", rcForms};
const Key yageoAc{"Yageo", "Yageo AC", acForms};
const Key yageoRt{"Yageo", "Yageo RT", rtForms};

} // namespace ohmilka::partnumbers
