// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "Offers.h"
#include "Tolerances.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
using namespace tolerance;

// TE Connectivity "Thick Film Chip Resistors Type CRG Series", document 1773204 (03/2012), page
// 3, "How to Order": CRG0603J1K0. The resistance is of any length, R, K or M as the point (1R0,
// 1K, 100K, 1M); 2010, in the electrical table, is not among the sizes to order. The key has no
// code for the zero-ohm links.
constexpr std::array<Code, 1> crg{{{"CRG", ""}}};
constexpr auto sizes = inchSizes("0201", "0402", "0603", "0805", "1206", "2512");
constexpr std::array<Code, 2> tolerances{F, J};
constexpr std::array<Field, 4> crgFields{{
    {.role = FieldRole::Fixed, .codes = crg},
    {.role = FieldRole::Size, .codes = sizes, .open = {"0123456789", 4, 4}},
    {.role = FieldRole::Tolerance, .codes = tolerances},
    {.role = FieldRole::Resistance, .resistance = {Notation::LetterAsPoint, 2, 5, {}}},
}};
constexpr std::array<Form, 1> crgForms{crgFields};
} // namespace

const Key teCrg{"TE Connectivity", "TE CRG", crgForms};

} // namespace ohmilka::partnumbers

namespace ohmilka::partnumbers {

namespace {
// TE "Type CRG Series", document 1773204 (03/2012), pages 1 and 3: ±1 % in E24 and E96, only
// E24 to 100 Ω from 0603 up; ±5 % in E24; the resistance with at least two figures, as the
// key's own 1K0 and 1R0, and 100K. 2010 is not among the sizes to order.
constexpr Offer crgRow(std::string_view size, int tolerance, Decimal lowest, Decimal highest,
                       std::uint8_t series)
{
    return {0, size, tolerance, lowest, highest, series, 2, ""};
}
constexpr std::array<Offer, 16> crgOffers{{
    crgRow("0201", 500, ohms(1), megohms(1), E24),
    crgRow("0201", 100, ohms(10), megohms(1), E24 | E96),
    crgRow("0402", 500, ohms(1), ohms(33, 5), E24),
    crgRow("0402", 100, ohms(10), megohms(2), E24 | E96),
    crgRow("0603", 500, ohms(1), megohms(10), E24),
    crgRow("0603", 100, ohms(1), ohms(100), E24),
    crgRow("0603", 100, ohms(101), megohms(1), E24 | E96),
    crgRow("0805", 500, ohms(1), megohms(10), E24),
    crgRow("0805", 100, ohms(1), ohms(100), E24),
    crgRow("0805", 100, ohms(101), megohms(1), E24 | E96),
    crgRow("1206", 500, ohms(1), megohms(10), E24),
    crgRow("1206", 100, ohms(1), ohms(100), E24),
    crgRow("1206", 100, ohms(101), megohms(1), E24 | E96),
    crgRow("2512", 500, ohms(1), megohms(10), E24),
    crgRow("2512", 100, ohms(1), ohms(100), E24),
    crgRow("2512", 100, ohms(101), megohms(1), E24 | E96),
}};
} // namespace

const Offering teCrgOffering{teCrg, "TE Type CRG Series, 1773204 (03/2012)", crgOffers};

} // namespace ohmilka::partnumbers
