// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The colour code in words, in Czech or English: resistances with SI prefixes, tolerances,
// ranges and colour names, with the language's decimal separator.

#include "ResistorCode.h"

#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::code {

enum class Language { English, Czech };

std::string_view decimalSeparator(Language language); // "." or ","
std::string_view colourName(Colour colour, Language language);
std::string colourList(std::span<const Colour> colours, Language language);  // "red, gold"
std::vector<std::string_view> englishNames(std::span<const Colour> colours); // as JSON gives them
std::vector<std::string_view> seriesNames(std::span<const int> sizes); // "E96", "E24" by sizes

std::string ohmsText(Decimal ohms, Language language);               // "4,7 kΩ", "220 mΩ", "0 Ω"
std::string percentText(int hundredths, std::string_view separator); // "0.25", "5"
std::string toleranceText(int hundredths, Language language);        // "±0.25 %", "±5 %"
Decimal percentOf(int hundredths);                                 // the number of percent: 0.25, 5
std::string signedPercentText(Decimal percent, Language language); // "−1.3 %", "+2 %", "0 %"

// The tolerance range of a nominal value.
Decimal lowestWithin(Decimal ohms, int toleranceHundredths);
Decimal highestWithin(Decimal ohms, int toleranceHundredths);

// "4,7 kΩ ±5 % (4,465–4,935 kΩ)", with ", 50 ppm/K" where a coefficient is given.
std::string readingText(const Reading &reading, Language language);

} // namespace ohmilka::code
