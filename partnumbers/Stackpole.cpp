// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Offers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Stackpole "RMCF / RMCP", revision 11/18/2020, page 12, "How to Order - RMCF" and "How to Order -
// RMCP": RMCF0603JT4K70. Four characters "with the multiplier used as the decimal holder"; the
// jumper is Z with 0R00.
constexpr std::array<Code, 1> rmcf{{{"RMCF", ""}}};
constexpr std::array<Code, 1> rmcp{{{"RMCP", ""}}};
constexpr auto rmcfSizes =
    inchSizes("01005", "0201", "0402", "0603", "0805", "1206", "1210", "2010", "2512");
constexpr std::span<const Code> rmcpSizes = std::span(rmcfSizes).subspan(1);
constexpr std::array<Code, 3> tolerances{F, J, Code{"Z", "jumper", 0, Jumper::Only}};
constexpr std::array<Code, 2> packaging{{{"T", "7 inch reel"}, {"G", "10 inch reel, paper tape"}}};
constexpr Resistance resistance{Notation::LetterAsPoint, 4, 4, "0R00"};
constexpr std::array<Field, 5> rmcfFields{{
    {.role = FieldRole::Fixed, .codes = rmcf},
    {.role = FieldRole::Size, .codes = rmcfSizes},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Resistance, .resistance = resistance},
}};
constexpr std::array<Field, 5> rmcpFields{{
    {.role = FieldRole::Fixed, .codes = rmcp},
    {.role = FieldRole::Size, .codes = rmcpSizes},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Resistance, .resistance = resistance},
}};
constexpr std::array<Form, 1> rmcfForms{rmcfFields};
constexpr std::array<Form, 1> rmcpForms{rmcpFields};
} // namespace

const Key stackpoleRmcf{"Stackpole", "Stackpole RMCF", rmcfForms};
const Key stackpoleRmcp{"Stackpole", "Stackpole RMCP", rmcpForms};

} // namespace ohmilka::partnumbers

namespace ohmilka::partnumbers {

namespace {
// Stackpole "RMCF / RMCP", revision 11/18/2020, pages 1, 2 and 12: ±1 % in E24 and E96, ±5 % in
// E24; each size's ranges; T, the example's 7 inch reel, for every size, G's 10 inch reel where
// the table gives one.
constexpr Offer rmcRow(std::string_view size, int tolerance, Decimal lowest, Decimal highest,
                       std::string_view choices)
{
    const auto series = static_cast<std::uint8_t>(tolerance == 500 ? E24 : E24 | E96);
    return {0, size, tolerance, lowest, highest, series, 3, choices};
}
constexpr Decimal tenthOfAnOhm = ohms(1, -1);
constexpr std::array<Offer, 18> rmcfOffers{{
    rmcRow("01005", 500, ohms(10), megohms(1), "T"),
    rmcRow("01005", 100, ohms(10), megohms(1), "T"),
    rmcRow("0201", 500, ohms(1), megohms(10), "T"),
    rmcRow("0201", 100, ohms(1), megohms(10), "T"),
    rmcRow("0402", 500, ohms(1), megohms(20), "T"),
    rmcRow("0402", 100, ohms(1), megohms(10), "T"),
    rmcRow("0603", 500, tenthOfAnOhm, megohms(20), "T G"),
    rmcRow("0603", 100, tenthOfAnOhm, megohms(10), "T G"),
    rmcRow("0805", 500, tenthOfAnOhm, megohms(20), "T G"),
    rmcRow("0805", 100, tenthOfAnOhm, megohms(10), "T G"),
    rmcRow("1206", 500, tenthOfAnOhm, megohms(20), "T G"),
    rmcRow("1206", 100, tenthOfAnOhm, megohms(10), "T G"),
    rmcRow("1210", 500, tenthOfAnOhm, megohms(20), "T"),
    rmcRow("1210", 100, tenthOfAnOhm, megohms(10), "T"),
    rmcRow("2010", 500, tenthOfAnOhm, megohms(10), "T"),
    rmcRow("2010", 100, tenthOfAnOhm, megohms(10), "T"),
    rmcRow("2512", 500, tenthOfAnOhm, megohms(10), "T"),
    rmcRow("2512", 100, tenthOfAnOhm, megohms(10), "T"),
}};
constexpr std::array<Offer, 16> rmcpOffers{{
    rmcRow("0201", 500, ohms(1), megohms(10), "T"),
    rmcRow("0201", 100, ohms(1), megohms(10), "T"),
    rmcRow("0402", 500, ohms(1), megohms(10), "T"),
    rmcRow("0402", 100, ohms(1), megohms(10), "T"),
    rmcRow("0603", 500, ohms(1), megohms(10), "T G"),
    rmcRow("0603", 100, ohms(1), megohms(10), "T G"),
    rmcRow("0805", 500, ohms(1), megohms(10), "T G"),
    rmcRow("0805", 100, ohms(1), megohms(10), "T G"),
    rmcRow("1206", 500, ohms(1), megohms(10), "T G"),
    rmcRow("1206", 100, ohms(1), megohms(10), "T G"),
    rmcRow("1210", 500, ohms(1), megohms(10), "T G"),
    rmcRow("1210", 100, ohms(1), megohms(10), "T G"),
    rmcRow("2010", 500, ohms(1), megohms(10), "T G"),
    rmcRow("2010", 100, ohms(1), megohms(10), "T G"),
    rmcRow("2512", 500, ohms(1), megohms(10), "T"),
    rmcRow("2512", 100, ohms(1), megohms(10), "T"),
}};
} // namespace

const Offering stackpoleRmcfOffering{stackpoleRmcf, "Stackpole RMCF / RMCP, 11/18/2020",
                                     rmcfOffers};
const Offering stackpoleRmcpOffering{stackpoleRmcp, "Stackpole RMCF / RMCP, 11/18/2020",
                                     rmcpOffers};

} // namespace ohmilka::partnumbers
