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

// Yageo "RT series" data sheet, V.12 of April 21, 2020, page 2, "Ordering information - global
// part number": RT0603DRE0756RL.
constexpr std::array<Code, 1> rt{{{"RT", ""}}};
constexpr std::array<Code, 7> rtTolerances{L, P, W, B, C, D, F};
constexpr std::array<Code, 2> rtPackaging{
    {{"R", "paper/PE taping reel"}, {"K", "embossed taping reel"}}};
constexpr std::array<Code, 5> rtTcrs{{{"A", "±5 ppm/K"},
                                      {"B", "±10 ppm/K"},
                                      {"C", "±15 ppm/K"},
                                      {"D", "±25 ppm/K"},
                                      {"E", "±50 ppm/K"}}};
constexpr std::array<Code, 4> rtReels{{{"07", "7 inch reel"},
                                       {"10", "10 inch reel"},
                                       {"13", "13 inch reel"},
                                       {"7W", "7 inch reel, high power (1 W for 2512)"}}};
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
// Yageo "RT series" data sheet, V.12 of April 21, 2020: Table 2's ranges, each size at each
// tolerance by TCR, all in E24 and E96 (E192 only on request); ±25 ppm/K has the ranges of
// ±50 ppm/K, the example's, and ±10 ppm/K those of ±15 ppm/K. Table 3: paper (R) to 1210,
// embossed (K) on a 7 inch reel above; the example's R and 07.
struct RtRange {
    Decimal lowest, highest; // none where both are 0
};
constexpr RtRange none{};
constexpr RtRange range(Decimal lowest, Decimal highest)
{
    return {lowest, highest};
}
constexpr std::array<int, 7> rtToleranceColumns{1, 2, 5, 10, 25, 50, 100}; // L, P, W, B, C, D, F
// One size: its ranges at each tolerance at ±50 ppm/K, ±15 ppm/K and ±5 ppm/K.
struct RtSize {
    std::string_view size;
    bool embossed;
    std::array<std::array<RtRange, 7>, 3> byTcr;
};
constexpr Decimal ohms501 = ohms(501, -1), ohms47 = ohms(47, -1), ohms56 = ohms(56, -1);
constexpr std::array<RtSize, 8> rtSizes{{
    {"0201",
     false,
     {{{none, none, none, range(ohms(22), kilohms(75)), range(ohms(22), kilohms(75)),
        range(ohms(22), kilohms(75)), range(ohms(22), kilohms(75))},
       {none, none, none, range(ohms(22), kilohms(5)), range(ohms(22), kilohms(5)), none, none},
       {}}}},
    {"0402",
     false,
     {{{range(ohms501, kilohms(12)), range(ohms501, kilohms(12)), range(ohms(20), kilohms(12)),
        range(ohms47, kilohms(240)), range(ohms47, kilohms(240)), range(ohms47, kilohms(240)),
        range(ohms47, kilohms(240))},
       {range(ohms(20), kilohms(12)), range(ohms(20), kilohms(12)), range(ohms(20), kilohms(12)),
        range(ohms(20), kilohms(200)), range(ohms(20), kilohms(200)), none, none},
       {range(ohms(20), kilohms(10)), range(ohms(20), kilohms(10)), range(ohms(20), kilohms(10)),
        range(ohms(20), kilohms(10)), range(ohms(20), kilohms(10)), none, none}}}},
    {"0603",
     false,
     {{{range(ohms501, kilohms(30)), range(ohms501, kilohms(30)), range(ohms47, kilohms(100)),
        range(ohms(1), megohms(1)), range(ohms(1), megohms(1)), range(ohms(1), megohms(1)),
        range(ohms(1), megohms(1))},
       {range(ohms501, kilohms(100)), range(ohms501, kilohms(100)), range(ohms47, kilohms(100)),
        range(ohms47, kilohms(680)), range(ohms47, kilohms(680)), none, none},
       {range(ohms(20), kilohms(30)), range(ohms(20), kilohms(30)), range(ohms(20), kilohms(30)),
        range(ohms(20), kilohms(30)), range(ohms(20), kilohms(30)), none, none}}}},
    {"0805",
     false,
     {{{range(ohms501, kilohms(30)), range(ohms501, kilohms(30)), range(ohms47, kilohms(200)),
        range(ohms(1), ohms(15, 5)), range(ohms(1), ohms(15, 5)), range(ohms(1), ohms(15, 5)),
        range(ohms(1), ohms(15, 5))},
       {range(ohms501, kilohms(200)), range(ohms501, kilohms(200)), range(ohms47, kilohms(200)),
        range(ohms47, megohms(1)), range(ohms47, megohms(1)), none, none},
       {range(ohms(20), kilohms(50)), range(ohms(20), kilohms(50)), range(ohms(20), kilohms(50)),
        range(ohms(20), kilohms(50)), range(ohms(20), kilohms(50)), none, none}}}},
    {"1206",
     false,
     {{{range(ohms501, kilohms(30)), range(ohms501, kilohms(30)), range(ohms56, kilohms(500)),
        range(ohms(1), ohms(15, 5)), range(ohms(1), ohms(15, 5)), range(ohms(1), ohms(15, 5)),
        range(ohms(1), ohms(15, 5))},
       {range(ohms501, kilohms(500)), range(ohms501, kilohms(500)), range(ohms56, kilohms(500)),
        range(ohms56, ohms(15, 5)), range(ohms56, ohms(15, 5)), none, none},
       {range(ohms(20), kilohms(100)), range(ohms(20), kilohms(100)), range(ohms(20), kilohms(100)),
        range(ohms(20), kilohms(100)), range(ohms(20), kilohms(100)), none, none}}}},
}};
// 1210, 2010 and 2512 share their ranges.
constexpr std::array<std::array<RtRange, 7>, 3> largeRtRanges{
    {{none, none, range(ohms47, megohms(1)), range(ohms47, megohms(1)), range(ohms47, megohms(1)),
      range(ohms47, megohms(1)), range(ohms47, megohms(1))},
     {none, none, range(ohms(100), kilohms(100)), range(ohms47, kilohms(100)),
      range(ohms47, kilohms(100)), none, none},
     {}}};
constexpr std::array<RtSize, 3> largeRtSizes{
    {{"1210", false, largeRtRanges}, {"2010", true, largeRtRanges}, {"2512", true, largeRtRanges}}};
constexpr std::array<std::array<std::string_view, 3>, 2> rtChoices{
    {{"R|E D|07 10 13|L", "R|C B|07 10 13|L", "R|A|07 10 13|L"},
     {"K|E D|07|L", "K|C B|07|L", "K|A|07|L"}}};

template <class Visit> constexpr void forEachRtRange(Visit visit)
{
    for (const auto &sizes :
         {std::span<const RtSize>(rtSizes), std::span<const RtSize>(largeRtSizes)})
        for (const RtSize &size : sizes)
            for (std::size_t column = 0; column < rtToleranceColumns.size(); ++column)
                for (std::size_t tcr = 0; tcr < size.byTcr.size(); ++tcr)
                    if (const RtRange &cell = size.byTcr[tcr][column]; cell.highest.mantissa != 0)
                        visit(Offer{0, size.size, rtToleranceColumns[column], cell.lowest,
                                    cell.highest, E24 | E96, 0,
                                    rtChoices[size.embossed ? 1 : 0][tcr]});
}
constexpr std::size_t rtRowCount()
{
    std::size_t count = 0;
    forEachRtRange([&](const Offer &) { ++count; });
    return count;
}
constexpr std::array<Offer, rtRowCount()> rtOffers = [] {
    std::array<Offer, rtRowCount()> rows{};
    std::size_t at = 0;
    forEachRtRange([&](const Offer &row) { rows[at++] = row; });
    return rows;
}();
} // namespace

const Offering yageoRcOffering{yageoRc, "Yageo RC_L series, V.12 (2022-08-02), Tables 2 and 3",
                               rcOffers};
const Offering yageoRtOffering{yageoRt, "Yageo RT series, V.12 (2020-04-21), Tables 2 and 3",
                               rtOffers};

} // namespace ohmilka::partnumbers
