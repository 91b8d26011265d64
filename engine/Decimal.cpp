// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ohmilka {

int digitCount(std::int64_t number)
{
    int digits = 1;
    while (number >= 10) {
        number /= 10;
        ++digits;
    }
    return digits;
}

std::int64_t powerOfTen(int exponent)
{
    std::int64_t power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

Decimal normalised(Decimal value)
{
    if (value.mantissa == 0)
        return {};
    while (value.mantissa % 10 == 0) {
        value.mantissa /= 10;
        ++value.exponent;
    }
    return value;
}

int compare(Decimal a, Decimal b)
{
    a = normalised(a);
    b = normalised(b);
    if (a.mantissa == 0 || b.mantissa == 0)
        return (a.mantissa > 0) - (b.mantissa > 0);
    // The order of magnitude decides, then the digits aligned to the same length.
    const int orderA = digitCount(a.mantissa) - 1 + a.exponent;
    const int orderB = digitCount(b.mantissa) - 1 + b.exponent;
    if (orderA != orderB)
        return orderA < orderB ? -1 : 1;
    const int length = std::max(digitCount(a.mantissa), digitCount(b.mantissa));
    const std::int64_t alignedA = a.mantissa * powerOfTen(length - digitCount(a.mantissa));
    const std::int64_t alignedB = b.mantissa * powerOfTen(length - digitCount(b.mantissa));
    return (alignedA > alignedB) - (alignedA < alignedB);
}

double approximate(Decimal value)
{
    return double(value.mantissa) * std::pow(10.0, value.exponent);
}

Decimal roundedDecimal(double value, int significantDigits)
{
    if (value == 0 || !std::isfinite(value))
        return {};
    // "-d.ddde±x": the digits and the exponent, rounded by the C library.
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.*e", significantDigits - 1, value);
    const std::string_view written(text.data());
    const std::size_t e = written.find('e');
    std::int64_t mantissa = 0;
    for (char c : written.substr(0, e))
        if (isDigit(c))
            mantissa = mantissa * 10 + (c - '0');
    int exponent = 0;
    std::from_chars(written.data() + e + (written[e + 1] == '+' ? 2 : 1),
                    written.data() + written.size(), exponent);
    return normalised({value < 0 ? -mantissa : mantissa, exponent - (significantDigits - 1)});
}

std::vector<Decimal> sortedDistinct(std::span<const Decimal> values)
{
    std::vector<Decimal> sorted;
    for (Decimal value : values)
        sorted.push_back(normalised(value));
    std::sort(sorted.begin(), sorted.end(), [](Decimal a, Decimal b) { return compare(a, b) < 0; });
    sorted.erase(std::unique(sorted.begin(), sorted.end(),
                             [](Decimal a, Decimal b) { return compare(a, b) == 0; }),
                 sorted.end());
    return sorted;
}

std::optional<Decimal> scaled(Decimal value, std::int64_t factor, int shift)
{
    value = normalised(value);
    if (factor != 0 && value.mantissa > powerOfTen(maxDecimalDigits) / factor)
        return std::nullopt;
    return normalised({value.mantissa * factor, value.exponent - shift});
}

std::string decimalText(Decimal value, std::string_view separator)
{
    value = normalised(value);
    const std::string sign = value.mantissa < 0 ? "-" : "";
    // The digits of the magnitude; the 18-digit bound keeps negation in range.
    std::string digits = std::to_string(value.mantissa < 0 ? -value.mantissa : value.mantissa);
    if (value.exponent >= 0)
        return sign + digits + std::string(static_cast<std::size_t>(value.exponent), '0');
    const auto fraction = static_cast<std::size_t>(-value.exponent);
    if (digits.size() <= fraction)
        digits.insert(0, fraction - digits.size() + 1, '0');
    return sign + digits.substr(0, digits.size() - fraction) + std::string(separator) +
           digits.substr(digits.size() - fraction);
}

Prefixed withPrefix(Decimal value)
{
    value = normalised(value);
    if (value.mantissa == 0)
        return {value, "", 0};
    const int order = digitCount(value.mantissa) - 1 + value.exponent;
    const int step = std::clamp((order >= 0 ? order : order - 2) / 3, -1, 3);
    return {inPrefix(value, 3 * step), siPrefixes[static_cast<std::size_t>(step + 1)], 3 * step};
}

Decimal inPrefix(Decimal value, int prefixExponent)
{
    return normalised({value.mantissa, value.exponent - prefixExponent});
}

namespace {
std::optional<int> prefixExponent(char c)
{
    switch (c) {
    case 'm':
        return -3;
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    case 'G':
        return 9;
    default:
        return std::nullopt;
    }
}

// A prefix at the start of rest, and how many characters it takes: SPICE writes mega "meg", in
// any case, as its "m" is milli.
struct PrefixAt {
    int exponent;
    std::size_t length;
};
std::optional<PrefixAt> prefixAt(std::string_view rest)
{
    if (rest.size() >= 3 && (rest[0] | 0x20) == 'm' && (rest[1] | 0x20) == 'e' &&
        (rest[2] | 0x20) == 'g')
        return PrefixAt{6, 3};
    if (rest.empty())
        return std::nullopt;
    if (const auto exponent = prefixExponent(rest[0]))
        return PrefixAt{*exponent, 1};
    return std::nullopt;
}

// The ohm sign (U+03A9 or U+2126), "ohm" or "ohms" in any case, or R, at the start of rest.
std::size_t unitLength(std::string_view rest, bool rAllowed)
{
    for (std::string_view sign : {"\u03A9", "\u2126"})
        if (rest.starts_with(sign))
            return sign.size();
    std::string lower(rest.substr(0, 4));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c | 0x20); });
    if (lower == "ohms")
        return 4;
    if (lower.starts_with("ohm"))
        return 3;
    if (rAllowed && (rest.starts_with('R') || rest.starts_with('r')))
        return 1;
    return 0;
}
} // namespace

namespace {
ParsedValue parseWithin(std::string_view text, int leastOrder, int mostOrder)
{
    const auto failure = [](ValueProblem problem) { return ParsedValue{std::nullopt, problem}; };
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return failure(ValueProblem::Empty);
    if (text.front() == '-' || text.starts_with("\u2212"))
        return failure(ValueProblem::Negative);

    std::size_t at = 0;
    const auto readDigits = [&] {
        const std::size_t start = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return text.substr(start, at - start);
    };
    const std::string_view whole = readDigits();
    std::string_view fraction;
    bool decimalMark = false;
    std::optional<int> prefix;
    bool letterMark = false; // 4k7, 0R22: the letter stands where the decimal mark would
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        decimalMark = true;
        ++at;
        fraction = readDigits();
        if (fraction.empty())
            return failure(ValueProblem::NotAValue);
    } else if (at + 1 < text.size() && isDigit(text[at + 1]) &&
               (prefixExponent(text[at]) || text[at] == 'R' || text[at] == 'r')) {
        letterMark = true;
        if (text[at] != 'R' && text[at] != 'r')
            prefix = prefixExponent(text[at]);
        ++at;
        fraction = readDigits();
    }
    if (whole.empty() && fraction.empty())
        return failure(ValueProblem::NotAValue);

    int exponent = 0;
    bool exponentGiven = false;
    if (!letterMark && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digitsAt = at + 1;
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-'))
            ++digitsAt;
        std::size_t end = digitsAt;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        if (end == digitsAt)
            return failure(ValueProblem::NotAValue);
        if (end - digitsAt > 3)
            return failure(ValueProblem::OutOfRange);
        std::from_chars(text.data() + digitsAt, text.data() + end, exponent);
        if (text[at + 1] == '-')
            exponent = -exponent;
        exponentGiven = true;
        at = end;
    }

    while (at < text.size() && isSpace(text[at]))
        ++at;
    if (const auto given = prefixAt(text.substr(at))) {
        if (prefix)
            return failure(ValueProblem::SeveralPrefixes);
        prefix = given->exponent;
        at += given->length;
    }
    if (prefixAt(text.substr(at)))
        return failure(ValueProblem::SeveralPrefixes);
    while (at < text.size() && isSpace(text[at]))
        ++at;
    const bool ohmMark = letterMark && !prefix;  // 0R22: no second R
    at += unitLength(text.substr(at), !ohmMark); // 470R, 100mR, 4k7R
    if (at != text.size())
        return failure(ValueProblem::NotAValue);
    // Thousands are parted only after a leading digit other than 0: 0.100 and .976 are decimals.
    const bool couldPartThousands = !whole.empty() && whole.front() != '0';
    if (decimalMark && fraction.size() == 3 && couldPartThousands && !prefix && !exponentGiven)
        return failure(ValueProblem::Ambiguous);

    // The digits of both parts as one number, without its leading and trailing zeros.
    std::int64_t mantissa = 0;
    int significant = 0, zerosHeld = 0;
    for (const std::string_view digits : {whole, fraction})
        for (const char digit : digits) {
            if (digit == '0') {
                zerosHeld += significant > 0;
                continue;
            }
            if (significant + zerosHeld >= maxDecimalDigits)
                return failure(ValueProblem::TooManyDigits);
            for (; zerosHeld > 0; --zerosHeld, ++significant)
                mantissa *= 10;
            mantissa = mantissa * 10 + (digit - '0');
            ++significant;
        }
    if (significant == 0)
        return {Decimal{}, ValueProblem::NotAValue};
    const int scale = exponent + prefix.value_or(0) - static_cast<int>(fraction.size()) + zerosHeld;
    const Decimal value{mantissa, scale};
    const int order = significant - 1 + scale;
    if (order < leastOrder || order > mostOrder)
        return failure(ValueProblem::OutOfRange);
    return {value, ValueProblem::NotAValue};
}
} // namespace

ParsedValue parseValue(std::string_view text)
{
    return parseWithin(text, leastResistanceOrder, mostResistanceOrder);
}

ParsedValue parseNumber(std::string_view text)
{
    return parseWithin(text, -30, 30);
}

} // namespace ohmilka
