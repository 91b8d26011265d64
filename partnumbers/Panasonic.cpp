// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Offers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

constexpr std::array<Code, 1> erj{{{"ERJ", ""}}};
constexpr std::array<Code, 1> hyphen{{{"-", ""}}};
// Three figures and the number of zeros, R as the point: 1002, 49R9.
constexpr Resistance fourFigures{Notation::Figures, 4, 4, {}};

// Panasonic "Precision Thick Film Chip Resistors", AOA0000C304 (22-Dec-22), page 1, "Explanation
// of part numbers", ERJ 1R, 2R, 3R, 6R series at ±0.5 %: ERJ3RBD1002V.
constexpr std::array<Code, 4> halfPercentSizes{
    {{"1R", "0201"}, {"2R", "0402"}, {"3R", "0603"}, {"6R", "0805"}}};
constexpr std::array<Code, 4> halfPercentTcrs{
    {{"H", "±50 ppm/K"}, {"B", "±50 ppm/K"}, {"K", "±100 ppm/K"}, {"E", "±100 ppm/K"}}};
constexpr std::array<Code, 1> halfPercent{D};
constexpr std::array<Code, 3> halfPercentPackaging{
    {{"C", "pressed carrier taping, 2 mm pitch, 15 000"},
     {"X", "punched carrier taping, 2 mm pitch, 10 000"},
     {"V", "punched carrier taping, 4 mm pitch, 5000"}}};
constexpr std::array<Field, 7> halfPercentFields{{
    {.role = FieldRole::Fixed, .codes = erj},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Size, .codes = halfPercentSizes},
    {.role = FieldRole::Tcr, .codes = halfPercentTcrs},
    {.role = FieldRole::Tolerance, .codes = halfPercent},
    {.role = FieldRole::Resistance, .resistance = fourFigures},
    {.role = FieldRole::Packaging, .codes = halfPercentPackaging},
}};

// The same, page 2, ERJ XGN, 1GN, 1GJ, 2RC, 2RK, 3EK, 6EN, 8EN, 14N, 12N, 12S, 1TN series at
// ±1 %: ERJ8ENF1002V.
constexpr std::array<Code, 12> onePercentSizes{{{"XGN", "01005"},
                                                {"1GN", "0201"},
                                                {"1GJ", "0201"},
                                                {"2RC", "0402"},
                                                {"2RK", "0402"},
                                                {"3EK", "0603"},
                                                {"6EN", "0805"},
                                                {"8EN", "1206"},
                                                {"14N", "1210"},
                                                {"12N", "1812"},
                                                {"12S", "2010"},
                                                {"1TN", "2512"}}};
constexpr std::array<Code, 1> onePercent{F};
constexpr std::array<Code, 5> onePercentPackaging{
    {{"Y", "pressed carrier taping, 20 000"},
     {"U", "embossed carrier taping"},
     {"C", "pressed carrier taping, 2 mm pitch, 15 000"},
     {"X", "punched carrier taping, 2 mm pitch, 10 000"},
     {"V", "punched carrier taping, 4 mm pitch, 5000"}}};
constexpr std::array<Field, 6> onePercentFields{{
    {.role = FieldRole::Fixed, .codes = erj},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Size, .codes = onePercentSizes},
    {.role = FieldRole::Tolerance, .codes = onePercent},
    {.role = FieldRole::Resistance, .resistance = fourFigures},
    {.role = FieldRole::Packaging, .codes = onePercentPackaging},
}};

// Panasonic "Thick Film Chip Resistors / Low Resistance Type", AOA0000C313 (29-Jan-20), page 2,
// ERJ 2B to 14B, 6D, 3R to 1TR: ERJ8RQFR22V; three figures, four at D and F.
constexpr std::array<Code, 13> lowOhmSizes{{{"2B", "0402"},
                                            {"3B", "0603"},
                                            {"3R", "0603"},
                                            {"6D", "0805"},
                                            {"6B", "0805"},
                                            {"6R", "0805"},
                                            {"8B", "1206"},
                                            {"8R", "1206"},
                                            {"14B", "1210"},
                                            {"14R", "1210"},
                                            {"12R", "1812"},
                                            {"12Z", "2010"},
                                            {"1TR", "2512"}}};
constexpr std::array<Code, 2> lowOhmRegions{{{"S", "0.1 Ω to 0.2 Ω"}, {"Q", "0.22 Ω to 9.1 Ω"}}};
constexpr std::array<Code, 4> lowOhmTolerances{D, F, G, J};
constexpr std::array<Code, 3> lowOhmPackaging{{{"X", "punched carrier taping, 2 mm pitch, 10 000"},
                                               {"V", "punched carrier taping, 4 mm pitch, 5000"},
                                               {"U", "embossed carrier taping, 4 mm pitch"}}};
constexpr std::array<Field, 7> lowOhmFields{{
    {.role = FieldRole::Fixed, .codes = erj},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Size, .codes = lowOhmSizes},
    {.role = FieldRole::Series, .codes = lowOhmRegions},
    {.role = FieldRole::Tolerance, .codes = lowOhmTolerances},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 4, {}}},
    {.role = FieldRole::Packaging, .codes = lowOhmPackaging},
}};

// Panasonic "Thick Film Chip Resistors", AOA0000C301 (02 Mar. 2020), page 1, "Explanation of
// part numbers", the general-purpose series at ±5 %: ERJ3GEYJ102V. Size, the marking Y (which
// XGN, 1GN and 2GE leave out), J or 0 for a jumper, two figures and the number of zeros, R00
// for the jumper, the packaging.
constexpr std::array<Code, 10> generalSizes{{{"XGN", "01005"},
                                             {"1GN", "0201"},
                                             {"2GE", "0402"},
                                             {"3GE", "0603"},
                                             {"6GE", "0805"},
                                             {"8GE", "1206"},
                                             {"14", "1210"},
                                             {"12", "1812"},
                                             {"12Z", "2010"},
                                             {"1T", "2512"}}};
constexpr std::array<Code, 1> valueMarking{{{"Y", "value marking on the black side"}}};
constexpr std::array<Code, 2> fivePercentOrJumper{{J, {"0", "jumper", 0, Jumper::Only}}};
constexpr std::array<Code, 5> generalPackaging{{{"Y", "pressed or punched carrier taping, 20 000"},
                                                {"U", "embossed carrier taping"},
                                                {"C", "pressed carrier taping, 2 mm pitch, 15 000"},
                                                {"X", "punched carrier taping, 2 mm pitch, 10 000"},
                                                {"V", "punched carrier taping, 4 mm pitch, 5000"}}};
constexpr std::array<Field, 7> fivePercentFields{{
    {.role = FieldRole::Fixed, .codes = erj},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Size, .codes = generalSizes},
    {.role = FieldRole::Special, .codes = valueMarking, .optional = true},
    {.role = FieldRole::Tolerance, .codes = fivePercentOrJumper},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 3, "R00"}},
    {.role = FieldRole::Packaging, .codes = generalPackaging},
}};

// The anti-surge and other series (ERJ-P06D1002V), whose sheets are not to hand: their series
// code is named unknown and gives no size; tolerance D, F, G or J, three or four figures, 0 and
// R00 for a jumper, the packaging letter last.
constexpr std::array<Code, 4> generalTolerances{D, F, G, J};
constexpr std::array<Code, 1> jumperTolerance{{{"0", "jumper", 0, Jumper::Only}}};
constexpr Open seriesCode{"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", 2, 4};
constexpr Open packagingLetter{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1, 1};
constexpr std::array<Field, 6> generalFields{{
    {.role = FieldRole::Fixed, .codes = erj},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Series, .open = seriesCode},
    {.role = FieldRole::Tolerance, .codes = generalTolerances},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 4, {}}},
    {.role = FieldRole::Packaging, .open = packagingLetter},
}};
constexpr std::array<Field, 6> jumperFields{{
    {.role = FieldRole::Fixed, .codes = erj},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Series, .open = seriesCode},
    {.role = FieldRole::Tolerance, .codes = jumperTolerance},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 3, "R00"}},
    {.role = FieldRole::Packaging, .open = packagingLetter},
}};
constexpr std::array<Form, 6> erjForms{halfPercentFields, onePercentFields, lowOhmFields,
                                       fivePercentFields, generalFields,    jumperFields};
} // namespace

const Key panasonicErj{"Panasonic", "Panasonic ERJ", erjForms};

} // namespace ohmilka::partnumbers

namespace ohmilka::partnumbers {

namespace {
// Panasonic "Thick Film Chip Resistors", AOA0000C301 (02 Mar. 2020), page 2: ±5 % in E24, 1 Ω
// to 10 MΩ, XGN and 1T to 1 MΩ; the marking Y where the size has one; each size's packaging,
// XGN's Y or U and 2GE's X or Y.
// Panasonic "Precision Thick Film Chip Resistors", AOA0000C304 (02 Mar. 2020), pages 1 to 3:
// every row in E24 and E96; at ±0.5 % the TCR letter by size and value, ±50 ppm/K in the middle
// of the range and ±100 ppm/K at its ends; 0402 at ±1 % is 2RC below 10 Ω and 2RK above; each
// size's one packaging, 01005's Y or U. Written with the hyphen of Panasonic's own part numbers:
// ERJ-3EKF4701V.
constexpr Offer erjRow(std::uint8_t form, std::string_view size, int tolerance, Decimal lowest,
                       Decimal highest, std::string_view choices)
{
    return {form, size, tolerance, lowest, highest, E24 | E96, 3, choices};
}
constexpr std::uint8_t halfPercentForm = 0, onePercentForm = 1, fivePercentForm = 3;
constexpr Offer halfPercentRow(std::string_view size, Decimal lowest, Decimal highest,
                               std::string_view choices)
{
    return erjRow(halfPercentForm, size, 50, lowest, highest, choices);
}
constexpr Offer onePercentRow(std::string_view size, Decimal lowest, Decimal highest,
                              std::string_view choices)
{
    return erjRow(onePercentForm, size, 100, lowest, highest, choices);
}
constexpr Offer fivePercentRow(std::string_view size, Decimal highest, std::string_view choices)
{
    return {fivePercentForm, size, 500, ohms(1), highest, E24, 2, choices};
}
constexpr std::array<Offer, 28> erjOffers{{
    fivePercentRow("XGN", megohms(1), "-||Y U"),
    fivePercentRow("1GN", megohms(10), "-||C"),
    fivePercentRow("2GE", megohms(10), "-||X Y"),
    fivePercentRow("3GE", megohms(10), "-|Y|V"),
    fivePercentRow("6GE", megohms(10), "-|Y|V"),
    fivePercentRow("8GE", megohms(10), "-|Y|V"),
    fivePercentRow("14", megohms(10), "-|Y|U"),
    fivePercentRow("12", megohms(10), "-|Y|U"),
    fivePercentRow("12Z", megohms(10), "-|Y|U"),
    fivePercentRow("1T", megohms(1), "-|Y|U"),
    halfPercentRow("1R", kilohms(1), megohms(1), "-|H|C"),
    halfPercentRow("2R", ohms(100), kilohms(100), "-|H|X"),
    halfPercentRow("2R", ohms(10), megohms(1), "-|K|X"),
    halfPercentRow("3R", ohms(100), kilohms(100), "-|B|V"),
    halfPercentRow("3R", ohms(10), megohms(1), "-|E|V"),
    halfPercentRow("6R", ohms(100), kilohms(100), "-|B|V"),
    halfPercentRow("6R", ohms(10), megohms(1), "-|E|V"),
    onePercentRow("XGN", ohms(10), megohms(1), "-|Y U"),
    onePercentRow("1GN", ohms(10), megohms(1), "-|C"),
    onePercentRow("2RC", ohms(1), ohms(976, -2), "-|X"),
    onePercentRow("2RK", ohms(10), megohms(1), "-|X"),
    onePercentRow("3EK", ohms(10), megohms(1), "-|V"),
    onePercentRow("6EN", ohms(10), ohms(22, 5), "-|V"),
    onePercentRow("8EN", ohms(10), ohms(22, 5), "-|V"),
    onePercentRow("14N", ohms(10), megohms(1), "-|U"),
    onePercentRow("12N", ohms(10), megohms(1), "-|U"),
    onePercentRow("12S", ohms(10), megohms(1), "-|U"),
    onePercentRow("1TN", ohms(10), megohms(1), "-|U"),
}};
} // namespace

const Offering panasonicErjOffering{
    panasonicErj,
    "Panasonic Thick Film Chip Resistors, AOA0000C301, and Precision Thick Film Chip Resistors, "
    "AOA0000C304, both 02 Mar. 2020",
    erjOffers};

} // namespace ohmilka::partnumbers
