// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Terminal.h"

#include "Utf8.h"

#include <fmt/format.h>

namespace ohmilka::code {

namespace {
bool isControl(char32_t c)
{
    return (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F);
}
} // namespace

std::string printable(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const Utf8Character character = firstCharacter(text);
        const std::string_view bytes = text.substr(0, character.length);
        if (character.valid && !isControl(character.codePoint))
            shown += bytes;
        else
            for (char byte : bytes)
                shown += fmt::format("\\x{:02x}", static_cast<unsigned char>(byte));
        text.remove_prefix(character.length);
    }
    return shown;
}

} // namespace ohmilka::code
