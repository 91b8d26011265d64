// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Terminal.h"

#include "Utf8.h"

#include <fmt/format.h>

namespace ohmilka::cli {

std::string printable(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const Utf8Character character = firstCharacter(text);
        const std::string_view bytes = text.substr(0, character.length);
        if (character.valid &&
            (!isControlCharacter(character.codePoint) || character.codePoint == '\t'))
            shown += bytes;
        else
            for (char byte : bytes)
                shown += fmt::format("\\x{:02x}", static_cast<unsigned char>(byte));
        text.remove_prefix(character.length);
    }
    return shown;
}

} // namespace ohmilka::cli
