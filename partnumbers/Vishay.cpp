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
constexpr std::string_view lettersAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Four characters, R, K or M as the decimal point: 562R, 49K9, 1M00.
constexpr Resistance fourCharacters{Notation::LetterAsPoint, 4, 4, "0000"};
// Real parts carry sizes, packaging and suffixes that a revision does not list: 0201, EB, HP.
constexpr Open otherSize{"0123456789", 4, 4};
constexpr Open otherPackaging{letters, 2, 2};
constexpr Open otherSpecial{lettersAndDigits, 1, 2};

// Vishay "D/CRCW e3", document 20035, revision 07-Nov-2023, page 3, "Part number and product
// description" and "Packaging": CRCW0603562RFKEA, CRCW06030000Z0EA.
constexpr std::array<Code, 1> crcw{{{"CRCW", ""}}};
constexpr auto crcwSizes =
    inchSizes("0402", "0603", "0805", "1206", "1210", "1218", "2010", "2512");
constexpr std::array<Code, 3> crcwTolerances{F, J, Code{"Z", "jumper", 0, Jumper::Only}};
constexpr std::array<Code, 3> crcwTcrs{
    {{"K", "±100 ppm/K"}, {"N", "±200 ppm/K"}, {"0", "jumper", 0, Jumper::Only}}};
constexpr std::array<Code, 9> crcwPackaging{{{"EA", "paper tape, 7 inch reel, 5000"},
                                             {"EC", "paper tape, 13 inch reel, 20 000"},
                                             {"ED", "paper tape, 7 inch reel, 10 000"},
                                             {"EE", "paper tape, 13 inch reel, 50 000"},
                                             {"EF", "blister tape, 7 inch reel, 4000"},
                                             {"EG", "blister tape, 7 inch reel, 2000"},
                                             {"EH", "blister tape, 7 inch reel, 4000"},
                                             {"EI", "paper tape, 7 inch reel, 5000"},
                                             {"EK", "blister tape, 7 inch reel, 4000"}}};
constexpr std::array<Field, 7> crcwFields{{
    {.role = FieldRole::Fixed, .codes = crcw},
    {.role = FieldRole::Size, .codes = crcwSizes, .open = otherSize},
    {.role = FieldRole::Resistance, .resistance = fourCharacters},
    {.role = FieldRole::Tolerance, .codes = crcwTolerances},
    {.role = FieldRole::Tcr, .codes = crcwTcrs},
    {.role = FieldRole::Packaging, .codes = crcwPackaging, .open = otherPackaging},
    {.role = FieldRole::Special, .optional = true, .open = otherSpecial},
}};

// Vishay "D/CRCW-P e3", document 20036, revision 07-Nov-2023, page 2, "Part number and product
// description": CRCW0402100RDHEDP, the semi-precision parts.
constexpr auto crcwPSizes = inchSizes("0402", "0603", "0805", "1206");
constexpr std::array<Code, 2> crcwPTolerances{D, F};
constexpr std::array<Code, 1> crcwPTcrs{{{"H", "±50 ppm/K"}}};
constexpr std::array<Code, 5> crcwPPackaging{
    {crcwPackaging[0], crcwPackaging[1], crcwPackaging[2], crcwPackaging[3], crcwPackaging[7]}};
constexpr std::array<Code, 1> semiPrecision{{{"P", "semi-precision"}}};
constexpr std::array<Field, 7> crcwPFields{{
    {.role = FieldRole::Fixed, .codes = crcw},
    {.role = FieldRole::Size, .codes = crcwPSizes},
    {.role = FieldRole::Resistance, .resistance = {Notation::LetterAsPoint, 4, 4, {}}},
    {.role = FieldRole::Tolerance, .codes = crcwPTolerances},
    {.role = FieldRole::Tcr, .codes = crcwPTcrs},
    {.role = FieldRole::Packaging, .codes = crcwPPackaging, .open = otherPackaging},
    {.role = FieldRole::Special, .codes = semiPrecision},
}};
constexpr std::array<Form, 2> crcwForms{crcwFields, crcwPFields};

// Vishay "TNPW e3", document 28758, revision 10-Apr-2026, page 4, "Part number and product
// description" and "Packaging": TNPW12061K32DEEA.
constexpr std::array<Code, 1> tnpw{{{"TNPW", ""}}};
constexpr auto tnpwSizes = inchSizes("0201", "0402", "0603", "0805", "1206", "1210");
constexpr std::array<Code, 3> tnpwTolerances{B, D, F};
constexpr std::array<Code, 4> tnpwTcrs{
    {{"H", "±50 ppm/K"}, {"E", "±25 ppm/K"}, {"X", "±15 ppm/K"}, {"Y", "±10 ppm/K"}}};
constexpr std::array<Code, 3> tnpwPackaging{{{"ED", "paper tape, 7 inch reel, 10 000"},
                                             {"EA", "paper tape, 7 inch reel, 5000"},
                                             {"EC", "paper tape, 13 inch reel, 20 000"}}};
constexpr std::array<Code, 1> singleLot{{{"0H", "single lot date code"}}};
constexpr std::array<Field, 7> tnpwFields{{
    {.role = FieldRole::Fixed, .codes = tnpw},
    {.role = FieldRole::Size, .codes = tnpwSizes, .open = otherSize},
    {.role = FieldRole::Resistance, .resistance = {Notation::LetterAsPoint, 4, 4, {}}},
    {.role = FieldRole::Tolerance, .codes = tnpwTolerances},
    {.role = FieldRole::Tcr, .codes = tnpwTcrs},
    {.role = FieldRole::Packaging, .codes = tnpwPackaging, .open = otherPackaging},
    {.role = FieldRole::Special, .codes = singleLot, .optional = true, .open = otherSpecial},
}};
constexpr std::array<Form, 1> tnpwForms{tnpwFields};
} // namespace

const Key vishayCrcw{"Vishay", "Vishay CRCW", crcwForms};
const Key vishayTnpw{"Vishay", "Vishay TNPW", tnpwForms};

} // namespace ohmilka::partnumbers

namespace ohmilka::partnumbers {

namespace {
// Vishay "D/CRCW e3", document 20035, revision 07-Nov-2023, pages 1 and 3: ±5 % at ±200 ppm/K in
// E24 and ±1 % at ±100 ppm/K in E24 and E96, 1 Ω to 10 MΩ (1218 to 2.2 MΩ); the packaging each
// size takes, the examples' EA where a size takes it. "D/CRCW-P e3", document 20036: ±0.5 % and
// ±1 % at ±50 ppm/K in E24 and E96, from 100 Ω. Four characters, three figures: 4K70, 10K0.
constexpr Offer crcwRow(std::string_view size, int tolerance, Decimal highest,
                        std::string_view choices)
{
    const auto series = static_cast<std::uint8_t>(tolerance == 500 ? E24 : E24 | E96);
    return {0, size, tolerance, ohms(1), highest, series, 3, choices};
}
constexpr Offer crcwPRow(std::string_view size, int tolerance, Decimal highest,
                         std::string_view choices)
{
    return {1, size, tolerance, ohms(100), highest, E24 | E96, 3, choices};
}
constexpr std::array<Offer, 24> crcwOffers{{
    crcwRow("0402", 500, megohms(10), "N|ED EE|"),
    crcwRow("0402", 100, megohms(10), "K|ED EE|"),
    crcwRow("0603", 500, megohms(10), "N|EA EC EI ED EE|"),
    crcwRow("0603", 100, megohms(10), "K|EA EC EI ED EE|"),
    crcwRow("0805", 500, megohms(10), "N|EA EC|"),
    crcwRow("0805", 100, megohms(10), "K|EA EC|"),
    crcwRow("1206", 500, megohms(10), "N|EA EC|"),
    crcwRow("1206", 100, megohms(10), "K|EA EC|"),
    crcwRow("1210", 500, megohms(10), "N|EA EC|"),
    crcwRow("1210", 100, megohms(10), "K|EA EC|"),
    crcwRow("1218", 500, ohms(22, 5), "N|EK|"),
    crcwRow("1218", 100, ohms(22, 5), "K|EK|"),
    crcwRow("2010", 500, megohms(10), "N|EF|"),
    crcwRow("2010", 100, megohms(10), "K|EF|"),
    crcwRow("2512", 500, megohms(10), "N|EG EH|"),
    crcwRow("2512", 100, megohms(10), "K|EG EH|"),
    crcwPRow("0402", 100, megohms(1), "ED EE"),
    crcwPRow("0402", 50, megohms(1), "ED EE"),
    crcwPRow("0603", 100, megohms(10), "EA EC EI ED EE"),
    crcwPRow("0603", 50, megohms(10), "EA EC EI ED EE"),
    crcwPRow("0805", 100, megohms(10), "EA EC"),
    crcwPRow("0805", 50, megohms(10), "EA EC"),
    crcwPRow("1206", 100, megohms(10), "EA EC"),
    crcwPRow("1206", 50, megohms(10), "EA EC"),
}};

// Vishay "TNPW e3", document 28758, revision 10-Apr-2026, pages 3 and 4: ±1 % in E24 and E96,
// ±0.5 % and ±0.1 % in E24 and E192; ±25 ppm/K, the example's, in every size, ±50 ppm/K from
// 0402, ±15 and ±10 ppm/K at ±0.1 % alone. 0201 and 0402 come on ED alone, the others on EA, the
// example's, or EC. 1210 from 10 Ω, as all but one of the sheet's tables give it.
constexpr Offer tnpwRow(std::string_view size, int tolerance, Decimal lowest, Decimal highest,
                        std::string_view choices)
{
    const auto series = static_cast<std::uint8_t>(tolerance == 100 ? E24 | E96 : E24 | E192);
    return {0, size, tolerance, lowest, highest, series, 3, choices};
}
constexpr std::array<Offer, 19> tnpwOffers{{
    tnpwRow("0201", 50, ohms(22), kilohms(40), "E|ED|"),
    tnpwRow("0201", 10, ohms(22), kilohms(25), "E|ED|"),
    tnpwRow("0402", 100, ohms(10), kilohms(100), "E H|ED|"),
    tnpwRow("0402", 50, ohms(10), kilohms(100), "E H|ED|"),
    tnpwRow("0402", 10, ohms(47), kilohms(100), "E H X Y|ED|"),
    tnpwRow("0603", 100, ohms(1), kilohms(332), "E H|EA EC|"),
    tnpwRow("0603", 50, ohms(1), kilohms(332), "E H|EA EC|"),
    tnpwRow("0603", 10, ohms(47), kilohms(332), "E H X Y|EA EC|"),
    tnpwRow("0603", 10, ohms(35, -1), kilohms(332), "E H|EA EC|"),
    tnpwRow("0805", 100, ohms(1), megohms(1), "E H|EA EC|"),
    tnpwRow("0805", 50, ohms(1), megohms(1), "E H|EA EC|"),
    tnpwRow("0805", 10, ohms(35, -1), megohms(1), "E H X Y|EA EC|"),
    tnpwRow("1206", 100, ohms(1), megohms(2), "E H|EA EC|"),
    tnpwRow("1206", 50, ohms(1), megohms(2), "E H|EA EC|"),
    tnpwRow("1206", 10, ohms(47), megohms(2), "E H X Y|EA EC|"),
    tnpwRow("1206", 10, ohms(35, -1), megohms(2), "E H|EA EC|"),
    tnpwRow("1210", 100, ohms(10), ohms(301, 4), "E H|EA EC|"),
    tnpwRow("1210", 50, ohms(10), ohms(301, 4), "E H|EA EC|"),
    tnpwRow("1210", 10, ohms(47), ohms(213, 4), "E H X Y|EA EC|"),
}};
} // namespace

const Offering vishayCrcwOffering{
    vishayCrcw, "Vishay D/CRCW e3, 20035, and D/CRCW-P e3, 20036, both 07-Nov-2023", crcwOffers};
const Offering vishayTnpwOffering{vishayTnpw, "Vishay TNPW e3, 28758, 10-Apr-2026", tnpwOffers};

} // namespace ohmilka::partnumbers
