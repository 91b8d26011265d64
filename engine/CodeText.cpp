// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeText.h"

#include "ESeries.h"

namespace ohmilka::code {

std::string_view decimalSeparator(Language language)
{
    return language == Language::Czech ? "," : ".";
}

std::string_view colourName(Colour colour, Language language)
{
    return language == Language::Czech ? meaning(colour).czech : meaning(colour).english;
}

std::string colourList(std::span<const Colour> colours, Language language)
{
    std::string list;
    for (Colour colour : colours) {
        if (!list.empty())
            list += ", ";
        list += colourName(colour, language);
    }
    return list;
}

std::vector<std::string_view> englishNames(std::span<const Colour> colours)
{
    std::vector<std::string_view> names;
    for (Colour colour : colours)
        names.push_back(meaning(colour).english);
    return names;
}

std::vector<std::string_view> seriesNames(std::span<const int> sizes)
{
    std::vector<std::string_view> names;
    for (int size : sizes)
        for (const Series &series : allSeries())
            if (series.size == size)
                names.push_back(series.name);
    return names;
}

std::string ohmsText(Decimal ohms, Language language)
{
    const Prefixed prefixed = withPrefix(ohms);
    return decimalText(prefixed.number, decimalSeparator(language)) + " " +
           std::string(prefixed.prefix) + "Ω";
}

std::string toleranceText(int hundredths, Language language)
{
    return "±" + percentText(hundredths, decimalSeparator(language)) + " %";
}

Decimal percentOf(int hundredths)
{
    return {hundredths, -2};
}

std::string percentText(int hundredths, std::string_view separator)
{
    return decimalText({hundredths, -2}, separator);
}

std::string signedPercentText(Decimal percent, Language language)
{
    const std::string sign = percent.mantissa < 0 ? "−" : percent.mantissa > 0 ? "+" : "";
    const Decimal size{percent.mantissa < 0 ? -percent.mantissa : percent.mantissa,
                       percent.exponent};
    return sign + decimalText(size, decimalSeparator(language)) + " %";
}

Decimal lowestWithin(Decimal ohms, int toleranceHundredths)
{
    return *scaled(ohms, 10000 - toleranceHundredths, 4);
}

Decimal highestWithin(Decimal ohms, int toleranceHundredths)
{
    return *scaled(ohms, 10000 + toleranceHundredths, 4);
}

std::string readingText(const Reading &reading, Language language)
{
    const std::string_view separator = decimalSeparator(language);
    std::string text = ohmsText(reading.ohms, language);
    if (reading.toleranceHundredths) {
        const Prefixed nominal = withPrefix(reading.ohms);
        const int tolerance = *reading.toleranceHundredths;
        // Appended piece by piece: once inlined, GCC 12 takes a chain of temporaries for
        // overlapping copies, a false -Wrestrict alarm that -Werror turns into an error.
        text += ' ';
        text += toleranceText(tolerance, language);
        text += " (";
        text += decimalText(inPrefix(lowestWithin(reading.ohms, tolerance), nominal.prefixExponent),
                            separator);
        text += "–";
        text += decimalText(
            inPrefix(highestWithin(reading.ohms, tolerance), nominal.prefixExponent), separator);
        text += ' ';
        text += nominal.prefix;
        text += "Ω)";
    }
    if (reading.tempcoPpm) {
        text += ", ";
        text += std::to_string(*reading.tempcoPpm);
        text += " ppm/K";
    }
    return text;
}

} // namespace ohmilka::code
