// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The band colour code of the four-band window: the one vocabulary that the band pickers and
// the value calculation share. A colour is recognised by its exact 32-bit value only. What a
// colour means comes from the code of IEC 60062 (ResistorCode.h); this table adds what the
// window shows and which bands recognise it.

#include "ResistorCode.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ohmilka {

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

// One colour of the window: how it looks and which colour of the code it is.
struct BandColour {
    ColourStem stem;
    std::string_view stemName;   // as used in control names, e.g. "Hneda"
    std::string_view caption;    // Czech colour word, UTF-8
    std::uint32_t value;         // 0x00BBGGRR, as the band is painted
    std::uint32_t captionColour; // black on light colours, white on dark ones
    code::Colour codeColour;
};

extern const std::array<BandColour, 13> BandColourTable;

const BandColour &bandColour(ColourStem stem);

// The colours offered for band 1..4, top to bottom, exactly those the band recognises.
std::span<const ColourStem> offeredColours(int band);

// The colour of band 1..4's palette that has this value, if any: 0xFFFFFF is "Bila" in bands 1
// to 3 and "Zadna" in band 4.
const BandColour *offeredColour(int band, std::uint32_t value);

// Lookups by exact value; an empty result means "not recognised in this band".
std::optional<std::uint8_t> band1Digit(std::uint32_t value);
std::optional<std::uint8_t> band2Digit(std::uint32_t value);
std::optional<double> band3Multiplier(std::uint32_t value); // 0.1 is 1.0 / 10, 0.01 is 1.0 / 100
std::optional<std::string_view> band4Tolerance(std::uint32_t value); // "+/-  0.25%"

} // namespace ohmilka
