// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Cells and names compared as the ASCII they are meant to be.

#include <string>
#include <string_view>

namespace ohmilka {

// Without the spaces and tabs around it.
constexpr std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

constexpr bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char smallLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Trimmed text against a word in small letters, A to Z in any case.
constexpr bool isWord(std::string_view text, std::string_view word)
{
    text = trimmed(text);
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (smallLetter(text[i]) != word[i])
            return false;
    return true;
}

// Trimmed, with A to Z made small.
inline std::string lowered(std::string_view text)
{
    std::string lower(trimmed(text));
    for (char &c : lower)
        c = smallLetter(c);
    return lower;
}

} // namespace ohmilka
