// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// UTF-8 read one character at a time, as the Unicode Standard has it (chapter 3, table 3-7):
// no overlong forms, no surrogates, nothing above U+10FFFF.

#include <cstddef>
#include <string>
#include <string_view>

namespace ohmilka {

struct Utf8Character {
    char32_t codePoint = 0; // U+FFFD when not valid
    std::size_t length = 1; // bytes taken; when not valid, the longest start of a valid form
    bool valid = false;
};

// The character that starts text, which is not empty.
Utf8Character firstCharacter(std::string_view text);

// A code point appended as UTF-8; a surrogate or one above U+10FFFF as U+FFFD.
void appendUtf8(char32_t codePoint, std::string &utf8);

// C0, DEL and C1: what a terminal may take as a command.
constexpr bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace ohmilka
