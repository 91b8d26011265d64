// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Offers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// Bourns "CR0603 Series - Chip Resistors" data sheet, "How to Order": CR1206-FX-1003ELF. At ±1 %
// three figures and the number of zeros (8252), at ±5 % two (474, 000 a jumper); R as the point
// below 100 Ω and 10 Ω. Older part numbers set the packaging off by a hyphen and leave out LF
// (CR1210-FX-8252-E).
constexpr std::array<Code, 1> cr{{{"CR", ""}}};
constexpr auto sizes = inchSizes("01005", "0201", "0402", "0603", "0805", "1206", "2010", "2512");
constexpr std::array<Code, 1> hyphen{{{"-", ""}}};
constexpr std::array<Code, 1> onePercent{F};
constexpr std::array<Code, 1> fivePercent{JOrJumper};
constexpr std::array<Code, 5> tcrs{{{"X", "±100 ppm/K"},
                                    {"W", "±200 ppm/K"},
                                    {"V", "±300 ppm/K"},
                                    {"Z", "±400 ppm/K"},
                                    {"/", "jumpers and values of 1 Ω to 9.76 Ω"}}};
constexpr std::array<Code, 2> packaging{
    {{"G", "paper tape, 7 inch reel, 10 000"}, {"E", "paper or embossed tape, 7 inch reel"}}};
constexpr std::array<Code, 1> tinPlated{{{"LF", "tin-plated"}}};
constexpr Open otherSize{"0123456789", 4, 4};

constexpr std::array<Field, 10> onePercentFields{{
    {.role = FieldRole::Fixed, .codes = cr},
    {.role = FieldRole::Size, .codes = sizes, .open = otherSize},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Tolerance, .codes = onePercent},
    {.role = FieldRole::Tcr, .codes = tcrs},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 4, 4, {}}},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Termination, .codes = tinPlated, .optional = true},
}};
constexpr std::array<Field, 10> fivePercentFields{{
    {.role = FieldRole::Fixed, .codes = cr},
    {.role = FieldRole::Size, .codes = sizes, .open = otherSize},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Tolerance, .codes = fivePercent},
    {.role = FieldRole::Tcr, .codes = tcrs},
    {.role = FieldRole::Fixed, .codes = hyphen},
    {.role = FieldRole::Resistance, .resistance = {Notation::Figures, 3, 3, "000"}},
    {.role = FieldRole::Fixed, .codes = hyphen, .optional = true},
    {.role = FieldRole::Packaging, .codes = packaging},
    {.role = FieldRole::Termination, .codes = tinPlated, .optional = true},
}};
constexpr std::array<Form, 2> crForms{onePercentFields, fivePercentFields};
} // namespace

const Key bournsCr{"Bourns", "Bourns CR", crForms};

} // namespace ohmilka::partnumbers

namespace ohmilka::partnumbers {

namespace {
// Bourns "CR Series - Thick Film Chip Resistors", revision 04/20, pages 1 and 5: ±1 % in E24 and
// E96, ±5 % in E24; the TCR letter of each part of a size's range, as the CR0603 sheet (REV.
// 01/19) pairs the letters with the values: / below 10 Ω, X to 1 MΩ at ±1 %, W above it and at
// ±5 %, Z above 10 MΩ; V for the 01005 below 100 Ω. G for the sizes to 0402, E, the example's,
// above; LF, tin-plated, last.
constexpr std::uint8_t onePercentForm = 0, fivePercentForm = 1;
constexpr Offer crRow(std::string_view size, int tolerance, Decimal lowest, Decimal highest,
                      std::string_view choices)
{
    const bool fivePercent = tolerance == 500;
    return {fivePercent ? fivePercentForm : onePercentForm,
            size,
            tolerance,
            lowest,
            highest,
            static_cast<std::uint8_t>(fivePercent ? E24 : E24 | E96),
            static_cast<std::uint8_t>(fivePercent ? 2 : 3),
            choices};
}
constexpr std::array<Offer, 14> smallerOffers{{
    crRow("01005", 100, ohms(10), ohms(976, -1), "V||G|LF"),
    crRow("01005", 100, ohms(100), kilohms(976), "W||G|LF"),
    crRow("01005", 500, ohms(10), ohms(91), "V||G|LF"),
    crRow("01005", 500, ohms(100), megohms(1), "W||G|LF"),
    crRow("0201", 100, ohms(1), ohms(976, -2), "/||G|LF"),
    crRow("0201", 100, ohms(10), megohms(3), "W||G|LF"),
    crRow("0201", 500, ohms(1), ohms(91, -1), "/||G|LF"),
    crRow("0201", 500, ohms(10), megohms(10), "W||G|LF"),
    crRow("0402", 100, ohms(1), ohms(976, -2), "/||G|LF"),
    crRow("0402", 100, ohms(10), megohms(1), "X||G|LF"),
    crRow("0402", 100, ohms(102, 4), megohms(10), "W||G|LF"),
    crRow("0402", 500, ohms(1), ohms(91, -1), "/||G|LF"),
    crRow("0402", 500, ohms(10), megohms(1), "W||G|LF"),
    crRow("0402", 500, megohms(11), megohms(20), "Z||G|LF"),
}};
// The sizes from 0603 share their ranges.
constexpr std::array<std::string_view, 5> largerSizes{"0603", "0805", "1206", "2010", "2512"};
constexpr std::array<Offer, 44> crOffers = [] {
    std::array<Offer, 44> rows{};
    std::size_t at = 0;
    for (const Offer &row : smallerOffers)
        rows[at++] = row;
    for (const std::string_view size : largerSizes)
        for (const Offer &row : {
                 crRow(size, 100, ohms(1), ohms(976, -2), "/||E|LF"),
                 crRow(size, 100, ohms(10), megohms(1), "X||E|LF"),
                 crRow(size, 100, ohms(102, 4), megohms(10), "W||E|LF"),
                 crRow(size, 500, ohms(1), ohms(91, -1), "/||E|LF"),
                 crRow(size, 500, ohms(10), megohms(10), "W||E|LF"),
                 crRow(size, 500, megohms(11), megohms(20), "Z||E|LF"),
             })
            rows[at++] = row;
    return rows;
}();
} // namespace

const Offering bournsCrOffering{bournsCr, "Bourns CR Series, 04/20", crOffers};

} // namespace ohmilka::partnumbers
