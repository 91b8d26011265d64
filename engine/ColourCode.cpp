#include "ColourCode.h"

#include <stdexcept>

namespace ohmilka {

namespace {
using S = ColourStem;
constexpr auto none = std::nullopt;
} // namespace

// White and "none" share 0xFFFFFF: only band 4 reads it as "none", and band 4 offers no white.
const std::array<BandColour, 13> BandColourTable{{
    {S::Cerna, "Cerna", "Černá", 0x000000, white, none, 0, 1.0, none},
    {S::Hneda, "Hneda", "Hnědá", 0x004080, white, 1, 1, 10.0, "+/-  1%"},
    {S::Cervena, "Cervena", "Červená", 0x0000FF, white, 2, 2, 100.0, "+/-  2%"},
    {S::Oranzova, "Oranzova", "Oranžová", 0x0080FF, white, 3, 3, 1e3, none},
    {S::Zluta, "Zluta", "Žlutá", 0x00FFFF, black, 4, 4, 1e4, none},
    {S::Zelena, "Zelena", "Zelená", 0x008000, white, 5, 5, 1e5, "+/-  0.5%"},
    {S::Modra, "Modra", "Modrá", 0xFF0000, white, 6, 6, 1e6, "+/-  0.25%"},
    {S::Fialova, "Fialova", "Fialová", 0x800080, white, 7, 7, 1e7, "+/-  0.1%"},
    {S::Seda, "Seda", "Šedá", 0x808080, white, 8, 8, 1e8, none},
    {S::Bila, "Bila", "Bílá", 0xFFFFFF, black, 9, 9, 1e9, none},
    {S::Zlata, "Zlata", "Zlatá", 0xC0FFFF, black, none, none, 0.1, "+/-  5%"},
    {S::Stribrna, "Stribrna", "Stříbrná", 0xE0E0E0, black, none, none, 0.01, "+/-  10%"},
    {S::Zadna, "Zadna", "Žádná", 0xFFFFFF, black, none, none, none, "+/-  20%"},
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

const BandColour *offeredColour(int band, ColourValue colour)
{
    for (ColourStem stem : offeredColours(band))
        if (bandColour(stem).value == colour)
            return &bandColour(stem);
    return nullptr;
}

namespace {
// The meaning of the one entry of the band with this exact value, if any.
template <typename Meaning> auto lookUp(ColourValue colour, Meaning BandColour::*meaning) -> Meaning
{
    for (const BandColour &entry : BandColourTable)
        if (entry.value == colour && entry.*meaning)
            return entry.*meaning;
    return std::nullopt;
}
} // namespace

std::optional<std::uint8_t> band1Digit(ColourValue colour)
{
    return lookUp(colour, &BandColour::band1Digit);
}

std::optional<std::uint8_t> band2Digit(ColourValue colour)
{
    return lookUp(colour, &BandColour::band2Digit);
}

std::optional<double> band3Multiplier(ColourValue colour)
{
    return lookUp(colour, &BandColour::band3Multiplier);
}

std::optional<std::string_view> band4Tolerance(ColourValue colour)
{
    return lookUp(colour, &BandColour::band4Tolerance);
}

} // namespace ohmilka
