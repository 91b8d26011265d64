// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
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
