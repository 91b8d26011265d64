// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Calculation.h"

#include <charconv>

namespace ohmilka {

ResistorValue calculateValue(std::uint32_t band1, std::uint32_t band2, std::uint32_t band3,
                             std::uint32_t band4)
{
    const int firstDigit = band1Digit(band1).value_or(0);
    const int secondDigit = band2Digit(band2).value_or(0);
    const double multiplier = band3Multiplier(band3).value_or(0.0);

    const double twoDigitNumber = 10 * firstDigit + secondDigit;
    const double value = twoDigitNumber * multiplier;

    ResistorValue result{band4Tolerance(band4), 1, value};
    // Values of at most 9.9 ohms (gold, silver, or band 3 unset) stay in plain ohms as well.
    if (value < 1e3) {
        result.unitIndex = 1;
    } else if (value < 1e6) {
        result.unitIndex = 2;
        result.shownNumber = value / 1e3;
    } else if (value < 1e9) {
        result.unitIndex = 3;
        result.shownNumber = value / 1e6;
    } else {
        result.unitIndex = 4;
        result.shownNumber = value / 1e9;
    }
    return result;
}

std::string numberText(double number, std::string_view decimalSeparator)
{
    // Round to 15 significant digits first, then lay the digits out in plain decimal notation.
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, 14);
    if (error != std::errc{})
        return {};
    const std::string_view scientific(buffer, end - buffer);
    const auto exponentAt = scientific.find('e');
    std::string_view exponentText = scientific.substr(exponentAt + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string text;
    std::string_view mantissa = scientific.substr(0, exponentAt);
    if (mantissa.front() == '-') {
        text += '-';
        mantissa.remove_prefix(1);
    }
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return "0";

    // digits holds d.ddd… × 10^exponent
    if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits);
            text += decimalSeparator;
            text += digits.substr(integerDigits);
        }
    }
    return text;
}

} // namespace ohmilka
