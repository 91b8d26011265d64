// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ColourCode.h"

#include "CodeText.h"

#include <stdexcept>
#include <string>

namespace ohmilka {

namespace {
using S = ColourStem;
using C = code::Colour;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;
} // namespace

// White and "none" share 0xFFFFFF: only band 4 reads it as "none", and band 4 offers no white.
const std::array<BandColour, 13> BandColourTable{{
    {S::Cerna, "Cerna", "Černá", 0x000000, white, C::Black},
    {S::Hneda, "Hneda", "Hnědá", 0x004080, white, C::Brown},
    {S::Cervena, "Cervena", "Červená", 0x0000FF, white, C::Red},
    {S::Oranzova, "Oranzova", "Oranžová", 0x0080FF, white, C::Orange},
    {S::Zluta, "Zluta", "Žlutá", 0x00FFFF, black, C::Yellow},
    {S::Zelena, "Zelena", "Zelená", 0x008000, white, C::Green},
    {S::Modra, "Modra", "Modrá", 0xFF0000, white, C::Blue},
    {S::Fialova, "Fialova", "Fialová", 0x800080, white, C::Violet},
    {S::Seda, "Seda", "Šedá", 0x808080, white, C::Grey},
    {S::Bila, "Bila", "Bílá", 0xFFFFFF, black, C::White},
    {S::Zlata, "Zlata", "Zlatá", 0xC0FFFF, black, C::Gold},
    {S::Stribrna, "Stribrna", "Stříbrná", 0xE0E0E0, black, C::Silver},
    {S::Zadna, "Zadna", "Žádná", 0xFFFFFF, black, C::None},
}};

const BandColour &bandColour(ColourStem stem)
{
    for (const BandColour &entry : BandColourTable)
        if (entry.stem == stem)
            return entry;
    throw std::out_of_range("unknown colour stem");
}

std::span<const ColourStem> offeredColours(int band)
{
    static constexpr ColourStem band1[] = {S::Hneda, S::Cervena, S::Oranzova, S::Zluta, S::Zelena,
                                           S::Modra, S::Fialova, S::Seda,     S::Bila};
    static constexpr ColourStem band2[] = {S::Cerna,  S::Hneda, S::Cervena, S::Oranzova, S::Zluta,
                                           S::Zelena, S::Modra, S::Fialova, S::Seda,     S::Bila};
    static constexpr ColourStem band3[] = {S::Stribrna, S::Zlata,    S::Cerna, S::Hneda,
                                           S::Cervena,  S::Oranzova, S::Zluta, S::Zelena,
                                           S::Modra,    S::Fialova,  S::Seda,  S::Bila};
    // Orange, yellow and grey have tolerances in the code, but the window offers none of them.
    static constexpr ColourStem band4[] = {S::Zadna,   S::Stribrna, S::Zlata, S::Hneda,
                                           S::Cervena, S::Zelena,   S::Modra, S::Fialova};
    switch (band) {
    case 1:
        return band1;
    case 2:
        return band2;
    case 3:
        return band3;
    case 4:
        return band4;
    }
    throw std::out_of_range("band must be 1 to 4");
}

const BandColour *offeredColour(int band, std::uint32_t value)
{
    for (ColourStem stem : offeredColours(band))
        if (bandColour(stem).value == value)
            return &bandColour(stem);
    return nullptr;
}

namespace {
const code::ColourMeaning *offeredMeaning(int band, std::uint32_t value)
{
    const BandColour *colour = offeredColour(band, value);
    return colour ? &code::meaning(colour->codeColour) : nullptr;
}

std::optional<std::uint8_t> digit(int band, std::uint32_t value)
{
    const code::ColourMeaning *meaning = offeredMeaning(band, value);
    if (!meaning || !meaning->digit)
        return std::nullopt;
    return static_cast<std::uint8_t>(*meaning->digit);
}

// The powers of ten are exact doubles; the fractions are the nearest doubles, as a division
// gives them.
double powerOfTenAsDouble(int exponent)
{
    double power = 1.0;
    for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i)
        power *= 10;
    return exponent < 0 ? 1.0 / power : power;
}

// "+/-  " and the percentage with a full stop, whatever the locale.
const std::string &toleranceText(const BandColour &colour)
{
    static const auto texts = [] {
        std::array<std::string, BandColourTable.size()> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (const auto hundredths =
                    code::meaning(BandColourTable[i].codeColour).toleranceHundredths)
                all[i] = "+/-  " + code::percentText(*hundredths, ".") + "%";
        return all;
    }();
    return texts[static_cast<std::size_t>(&colour - BandColourTable.data())];
}
} // namespace

std::optional<std::uint8_t> band1Digit(std::uint32_t value)
{
    return digit(1, value);
}

std::optional<std::uint8_t> band2Digit(std::uint32_t value)
{
    return digit(2, value);
}

std::optional<double> band3Multiplier(std::uint32_t value)
{
    const code::ColourMeaning *meaning = offeredMeaning(3, value);
    if (!meaning || !meaning->multiplierExponent)
        return std::nullopt;
    return powerOfTenAsDouble(*meaning->multiplierExponent);
}

std::optional<std::string_view> band4Tolerance(std::uint32_t value)
{
    const BandColour *colour = offeredColour(4, value);
    if (!colour || toleranceText(*colour).empty())
        return std::nullopt;
    return toleranceText(*colour);
}

} // namespace ohmilka
