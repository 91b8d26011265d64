#pragma once

// The band colour code of four-band resistors: the one vocabulary that the band pickers
// and the value calculation share. A colour is recognised by its exact 32-bit value only.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ohmilka {

// 0x00BBGGRR: red in the low byte. Values with the high bit set name system colours.
using ColourValue = std::uint32_t;

inline constexpr ColourValue black = 0x000000;
inline constexpr ColourValue white = 0xFFFFFF;

enum class ColourStem {
    Cerna,
    Hneda,
    Cervena,
    Oranzova,
    Zluta,
    Zelena,
    Modra,
    Fialova,
    Seda,
    Bila,
    Zlata,
    Stribrna,
    Zadna,
};

// One row of the colour code: what a colour means in each band, if anything.
struct BandColour {
    ColourStem stem;
    std::string_view stemName; // as used in control names, e.g. "Hneda"
    std::string_view caption;  // Czech colour word, UTF-8
    ColourValue value;
    ColourValue captionColour; // black on light colours, white on dark ones
    std::optional<std::uint8_t> band1Digit;
    std::optional<std::uint8_t> band2Digit;
    std::optional<double> band3Multiplier;
    std::optional<std::string_view> band4Tolerance;
};

extern const std::array<BandColour, 13> BandColourTable;

const BandColour &bandColour(ColourStem stem);

// The colours offered for band 1..4, top to bottom, exactly those the band recognises.
std::span<const ColourStem> offeredColours(int band);

// The colour of band 1..4's palette that has this value, if any: 0xFFFFFF is "Bila" in bands 1
// to 3 and "Zadna" in band 4.
const BandColour *offeredColour(int band, ColourValue colour);

// Lookups by exact value; an empty result means "not recognised in this band".
std::optional<std::uint8_t> band1Digit(ColourValue colour);
std::optional<std::uint8_t> band2Digit(ColourValue colour);
std::optional<double> band3Multiplier(ColourValue colour);
std::optional<std::string_view> band4Tolerance(ColourValue colour);

} // namespace ohmilka
