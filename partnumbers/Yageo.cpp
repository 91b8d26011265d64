// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Offers.h"
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

namespace ohmilka::partnumbers {

namespace {
// Yageo "RC_L series" data sheet, V.12 of August 2, 2022: Table 2 for the ranges of the standard
// power, ±5 % in E24 and the others in E24 and E96; Table 3 for the reels each size comes on,
// paper (R) to 1210, embossed (K) above. The ordering example takes R and 07. The 0075's ESD
// reel has no example, and the double power's 7W no size it is said to be for; neither is
// written.
constexpr std::string_view paper = "R|07 10 13|L", paper0100 = "R|07 13|L", embossed = "K|07|L",
                           embossed2010 = "K|07 13|L";
constexpr Offer rcRow(std::string_view size, int tolerance, Decimal lowest, Decimal highest,
                      std::string_view choices)
{
    const auto series = static_cast<std::uint8_t>(tolerance == 500 ? E24 : E24 | E96);
    return {0, size, tolerance, lowest, highest, series, 0, choices};
}
constexpr std::array<Offer, 39> rcOffers{{
    rcRow("0100", 500, ohms(1), megohms(22), paper0100),
    rcRow("0100", 100, ohms(1), megohms(10), paper0100),
    rcRow("0100", 50, ohms(33), kilohms(470), paper0100),
    rcRow("0201", 500, ohms(1), megohms(10), paper),
    rcRow("0201", 100, ohms(1), megohms(10), paper),
    rcRow("0201", 50, ohms(1), megohms(1), paper),
    rcRow("0201", 10, ohms(10), megohms(1), paper),
    rcRow("0402", 500, ohms(1), megohms(22), paper),
    rcRow("0402", 100, ohms(1), megohms(10), paper),
    rcRow("0402", 50, ohms(1), megohms(1), paper),
    rcRow("0402", 10, ohms(10), megohms(1), paper),
    rcRow("0603", 500, ohms(1), megohms(22), paper),
    rcRow("0603", 100, ohms(1), megohms(10), paper),
    rcRow("0603", 50, ohms(1), megohms(1), paper),
    rcRow("0603", 10, ohms(10), megohms(1), paper),
    rcRow("0805", 500, ohms(1), megohms(100), paper),
    rcRow("0805", 100, ohms(1), megohms(10), paper),
    rcRow("0805", 50, ohms(1), megohms(1), paper),
    rcRow("0805", 10, ohms(10), megohms(1), paper),
    rcRow("1206", 500, ohms(1), megohms(100), paper),
    rcRow("1206", 100, ohms(1), megohms(10), paper),
    rcRow("1206", 50, ohms(1), megohms(1), paper),
    rcRow("1206", 10, ohms(10), megohms(1), paper),
    rcRow("1210", 500, ohms(1), megohms(22), paper),
    rcRow("1210", 100, ohms(1), megohms(10), paper),
    rcRow("1210", 50, ohms(10), megohms(1), paper),
    rcRow("1210", 10, ohms(10), megohms(1), paper),
    rcRow("1218", 500, ohms(1), megohms(1), embossed),
    rcRow("1218", 100, ohms(1), megohms(1), embossed),
    rcRow("1218", 50, ohms(10), megohms(1), embossed),
    rcRow("1218", 10, ohms(10), megohms(1), embossed),
    rcRow("2010", 500, ohms(1), megohms(22), embossed2010),
    rcRow("2010", 100, ohms(1), megohms(10), embossed2010),
    rcRow("2010", 50, ohms(10), megohms(1), embossed2010),
    rcRow("2010", 10, ohms(10), megohms(1), embossed2010),
    rcRow("2512", 500, ohms(1), megohms(22), embossed),
    rcRow("2512", 100, ohms(1), megohms(10), embossed),
    rcRow("2512", 50, ohms(10), megohms(1), embossed),
    rcRow("2512", 10, ohms(10), megohms(1), embossed),
}};
} // namespace

const Offering yageoRcOffering{yageoRc, "Yageo RC_L series, V.12 (2022-08-02), Tables 2 and 3",
                               rcOffers};

} // namespace ohmilka::partnumbers
