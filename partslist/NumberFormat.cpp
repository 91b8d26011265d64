// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "NumberFormat.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace ohmilka::partslist {

namespace {
constexpr std::array<std::pair<int, std::string_view>, 11> builtIns{{
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {9, "0%"},
    {10, "0.00%"},
    {37, "#,##0"},
    {38, "#,##0"},
    {39, "#,##0.00"},
    {40, "#,##0.00"},
    {49, "@"},
}};

// General: up to 15 significant digits, no trailing zeros; an exponent only far from 1.
std::string general(double value)
{
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.15g", value);
    std::string written(text.data());
    if (const std::size_t e = written.find('e'); e != std::string::npos)
        written[e] = 'E';
    return written;
}

// What a format code holds, read once: the number's decimals, and what stands around it.
struct NumberPattern {
    std::string before, after;
    int decimals = 0;
    bool thousands = false, percent = false, general = true;
};

NumberPattern patternOf(std::string_view code)
{
    NumberPattern pattern;
    code = code.substr(0, code.find(';'));
    bool inNumber = false, afterPoint = false, numberSeen = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        std::string literal;
        if (c == '"') {
            const std::size_t end = code.find('"', i + 1);
            literal = code.substr(i + 1, end == std::string_view::npos ? end : end - i - 1);
            i = end == std::string_view::npos ? code.size() : end;
        } else if (c == '\\' && i + 1 < code.size()) {
            literal = code[++i];
        } else if (c == '[') { // a colour or a condition
            const std::size_t end = code.find(']', i);
            i = end == std::string_view::npos ? code.size() : end;
            continue;
        } else if (c == '_' || c == '*') { // the width of a character, a fill
            ++i;
            continue;
        } else if (c == '0' || c == '#' || c == '?') {
            inNumber = numberSeen = true;
            pattern.general = false;
            pattern.decimals += afterPoint;
            continue;
        } else if (c == '.' && inNumber) {
            afterPoint = true;
            continue;
        } else if (c == ',' && inNumber) {
            pattern.thousands = !afterPoint;
            continue;
        } else if (c == '%') {
            pattern.percent = true;
            literal = "%";
        } else if (c == 'E' || c == 'e' || c == '/' || c == '@') {
            return {}; // an exponent, a fraction or text: General
        } else if (std::string_view("yYmMdDhHsS").find(c) != std::string_view::npos) {
            return {}; // a date or a time
        } else {
            literal = c;
        }
        inNumber = false;
        (numberSeen ? pattern.after : pattern.before) += literal;
    }
    return pattern;
}

std::string withThousands(std::string digits)
{
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t first = digits.front() == '-' ? 1 : 0;
    for (std::size_t at = point; at > first + 3; at -= 3)
        digits.insert(at - 3, 1, ','); // a character, not a string: GCC 12's -Wrestrict
    return digits;
}
} // namespace

std::string_view builtInNumberFormat(int id)
{
    for (const auto &[known, code] : builtIns)
        if (known == id)
            return code;
    return "General";
}

std::string formattedNumber(double value, std::string_view formatCode)
{
    const NumberPattern pattern = patternOf(formatCode);
    if (pattern.general || !std::isfinite(value))
        return pattern.before + general(value) + pattern.after;
    if (pattern.percent)
        value *= 100;
    std::array<char, 400> text{};
    std::snprintf(text.data(), text.size(), "%.*f", pattern.decimals, value);
    std::string digits(text.data());
    if (digits.find_first_not_of("-0.") == std::string::npos && digits.front() == '-')
        digits.erase(0, 1); // -0 shows as 0
    return pattern.before + (pattern.thousands ? withThousands(digits) : digits) + pattern.after;
}

} // namespace ohmilka::partslist
