// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ResistorCode.h"

#include <algorithm>
#include <array>
#include <string>

namespace ohmilka::code {

namespace {
using C = Colour;
constexpr std::nullopt_t no = std::nullopt;

// IEC 60062:2016, table 1.
constexpr std::array<ColourMeaning, 14> table{{
    {C::Pink, "pink", "růžová", "PK", no, -3, no, no},
    {C::Silver, "silver", "stříbrná", "SR", no, -2, 1000, no},
    {C::Gold, "gold", "zlatá", "GD", no, -1, 500, no},
    {C::Black, "black", "černá", "BK", 0, 0, no, 250},
    {C::Brown, "brown", "hnědá", "BN", 1, 1, 100, 100},
    {C::Red, "red", "červená", "RD", 2, 2, 200, 50},
    {C::Orange, "orange", "oranžová", "OG", 3, 3, 5, 15},
    {C::Yellow, "yellow", "žlutá", "YE", 4, 4, 2, 25},
    {C::Green, "green", "zelená", "GN", 5, 5, 50, 20},
    {C::Blue, "blue", "modrá", "BU", 6, 6, 25, 10},
    {C::Violet, "violet", "fialová", "VT", 7, 7, 10, 5},
    {C::Grey, "grey", "šedá", "GY", 8, 8, 1, 1},
    {C::White, "white", "bílá", "WH", 9, 9, no, no},
    {C::None, "none", "žádná", "", no, no, noToleranceBandHundredths, no},
}};

// Lower case without Czech diacritics; nothing for other non-ASCII letters.
std::optional<std::string> folded(std::string_view word)
{
    static constexpr std::array<std::pair<std::string_view, char>, 30> czech{{
        {"á", 'a'}, {"č", 'c'}, {"ď", 'd'}, {"é", 'e'}, {"ě", 'e'}, {"í", 'i'},
        {"ň", 'n'}, {"ó", 'o'}, {"ř", 'r'}, {"š", 's'}, {"ť", 't'}, {"ú", 'u'},
        {"ů", 'u'}, {"ý", 'y'}, {"ž", 'z'}, {"Á", 'a'}, {"Č", 'c'}, {"Ď", 'd'},
        {"É", 'e'}, {"Ě", 'e'}, {"Í", 'i'}, {"Ň", 'n'}, {"Ó", 'o'}, {"Ř", 'r'},
        {"Š", 's'}, {"Ť", 't'}, {"Ú", 'u'}, {"Ů", 'u'}, {"Ý", 'y'}, {"Ž", 'z'},
    }};
    std::string plain;
    while (!word.empty()) {
        const auto c = static_cast<unsigned char>(word.front());
        if (c < 0x80) {
            plain += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            word.remove_prefix(1);
            continue;
        }
        const auto letter = std::find_if(czech.begin(), czech.end(), [&](const auto &entry) {
            return word.starts_with(entry.first);
        });
        if (letter == czech.end())
            return std::nullopt;
        plain += letter->second;
        word.remove_prefix(letter->first.size());
    }
    return plain;
}
// Czech colour words are adjectives: the table has the feminine, "hnědá" (barva); beside
// "proužek" or in a sentence people write "hnědý", "hnědé" and "hnědou".
bool isCzechForm(std::string_view plain, const ColourMeaning &entry)
{
    static constexpr std::array<std::string_view, 4> endings{"a", "y", "e", "ou"};
    const std::string base = folded(entry.czech).value_or("");
    const std::string_view stem = std::string_view(base).substr(0, base.size() - 1);
    if (stem.empty() || !plain.starts_with(stem))
        return false;
    return std::find(endings.begin(), endings.end(), plain.substr(stem.size())) != endings.end();
}
} // namespace

std::span<const ColourMeaning> colourTable()
{
    return table;
}

const ColourMeaning &meaning(Colour colour)
{
    return table[static_cast<std::size_t>(colour)];
}

std::optional<Colour> parseColourWord(std::string_view word)
{
    const std::optional<std::string> plain = folded(word);
    if (!plain || plain->empty())
        return std::nullopt;
    if (*plain == "gray")
        return Colour::Grey;
    if (*plain == "purple")
        return Colour::Violet;
    for (const ColourMeaning &entry : table)
        if (*plain == entry.english || isCzechForm(*plain, entry) ||
            (!entry.iec.empty() && *plain == folded(entry.iec)))
            return entry.colour;
    return std::nullopt;
}

std::vector<Colour> allowedColours(BandRole role, bool firstDigit)
{
    std::vector<Colour> allowed;
    for (const ColourMeaning &entry : table) {
        const bool fits = role == BandRole::Digit ? entry.digit && !(firstDigit && entry.digit == 0)
                          : role == BandRole::Multiplier ? entry.multiplierExponent.has_value()
                          : role == BandRole::Tolerance  ? entry.toleranceHundredths.has_value()
                          : role == BandRole::Tempco     ? entry.tempcoPpm.has_value()
                                                         : entry.colour == Colour::Black;
        if (fits)
            allowed.push_back(entry.colour);
    }
    return allowed;
}

std::variant<Reading, DecodeError> decode(std::span<const Colour> bands)
{
    const auto count = static_cast<int>(bands.size());
    if (count == 1)
        return bands[0] == Colour::Black ? std::variant<Reading, DecodeError>(Reading{})
                                         : DecodeError{1, BandRole::Link};
    if (count < 3 || count > 6)
        return DecodeError{0, BandRole::Digit};
    const int digits = count <= 4 ? 2 : 3;
    std::int64_t number = 0;
    for (int band = 0; band < digits; ++band) {
        const auto digit = meaning(bands[static_cast<std::size_t>(band)]).digit;
        if (!digit || (band == 0 && digit == 0))
            return DecodeError{band + 1, BandRole::Digit, band == 0};
        number = 10 * number + *digit;
    }
    const auto multiplier = meaning(bands[static_cast<std::size_t>(digits)]).multiplierExponent;
    if (!multiplier)
        return DecodeError{digits + 1, BandRole::Multiplier};
    Reading reading{normalised({number, *multiplier}), noToleranceBandHundredths, std::nullopt};
    if (count >= 4) {
        const Colour toleranceBand = bands[static_cast<std::size_t>(digits + 1)];
        reading.toleranceHundredths = meaning(toleranceBand).toleranceHundredths;
        if (!reading.toleranceHundredths || (toleranceBand == Colour::None && count != 4))
            return DecodeError{digits + 2, BandRole::Tolerance};
    }
    if (count == 6) {
        reading.tempcoPpm = meaning(bands[5]).tempcoPpm;
        if (!reading.tempcoPpm)
            return DecodeError{6, BandRole::Tempco};
    }
    return reading;
}

namespace {
std::optional<Colour> colourWith(std::optional<int> ColourMeaning::*field, int value)
{
    for (const ColourMeaning &entry : table)
        if (entry.*field == value && entry.colour != Colour::None)
            return entry.colour;
    return std::nullopt;
}

constexpr int lowestMultiplier = -3; // pink
constexpr int highestMultiplier = 9; // white

// The markable values nearest to value with the given number of digit bands.
NoMarking nearest(int bands, int digits, Decimal value)
{
    const Decimal lowest{powerOfTen(digits - 1), lowestMultiplier};
    const Decimal highest{powerOfTen(digits) - 1, highestMultiplier};
    if (compare(value, lowest) < 0)
        return {bands, std::nullopt, lowest};
    if (compare(value, highest) > 0)
        return {bands, highest, std::nullopt};
    value = normalised(value);
    // value / 10^k lies in [10^(digits-1), 10^digits) and has a fraction, or it was markable.
    const int k = digitCount(value.mantissa) - 1 + value.exponent - (digits - 1);
    const std::int64_t below = value.mantissa / powerOfTen(k - value.exponent);
    const Decimal above = below + 1 == powerOfTen(digits) ? Decimal{powerOfTen(digits - 1), k + 1}
                                                          : Decimal{below + 1, k};
    return {bands, normalised({below, k}), normalised(above)};
}
} // namespace

std::variant<Marking, NoMarking, EncodeConflict> encode(const EncodeRequest &request)
{
    const Decimal value = normalised(request.ohms);
    if (request.tempcoPpm && !colourWith(&ColourMeaning::tempcoPpm, *request.tempcoPpm))
        return EncodeConflict::UnknownTempco;
    const bool noToleranceBand = request.toleranceHundredths == noToleranceBandHundredths;
    if (request.toleranceHundredths && !noToleranceBand &&
        !colourWith(&ColourMeaning::toleranceHundredths, *request.toleranceHundredths))
        return EncodeConflict::UnknownTolerance;
    if (request.bands && (*request.bands < 3 || *request.bands > 6))
        return EncodeConflict::BandCount;
    if (request.tempcoPpm && request.bands && *request.bands != 6)
        return EncodeConflict::TempcoNeedsSixBands;
    if (request.bands == 3 && request.toleranceHundredths && !noToleranceBand)
        return EncodeConflict::NoToleranceBandInThree;

    const int significant = value.mantissa == 0 ? 0 : digitCount(value.mantissa);
    const int bands = request.bands       ? *request.bands
                      : request.tempcoPpm ? 6
                      : significant <= 2  ? 4
                                          : 5;
    if (noToleranceBand && bands > 4)
        return EncodeConflict::TwentyPercentNeedsFewBands;
    const int digits = bands <= 4 ? 2 : 3;
    if (value.mantissa == 0) {
        if (request.bands)
            return nearest(bands, digits, value);
        return Marking{{Colour::Black}};
    }
    const int k = digitCount(value.mantissa) - 1 + value.exponent - (digits - 1);
    if (significant > digits || k < lowestMultiplier || k > highestMultiplier)
        return nearest(bands, digits, value);

    Marking marking;
    const std::string number = std::to_string(value.mantissa * powerOfTen(digits - significant));
    for (char digit : number)
        marking.bands.push_back(*colourWith(&ColourMeaning::digit, digit - '0'));
    marking.bands.push_back(*colourWith(&ColourMeaning::multiplierExponent, k));
    const int tolerance =
        request.toleranceHundredths.value_or(bands == 3   ? noToleranceBandHundredths
                                             : bands == 4 ? 500
                                                          : 100);
    if (bands >= 4)
        marking.bands.push_back(tolerance == noToleranceBandHundredths
                                    ? Colour::None
                                    : *colourWith(&ColourMeaning::toleranceHundredths, tolerance));
    if (bands == 6)
        marking.bands.push_back(
            *colourWith(&ColourMeaning::tempcoPpm, request.tempcoPpm.value_or(100)));
    return marking;
}

} // namespace ohmilka::code
