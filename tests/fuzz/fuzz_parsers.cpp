// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// libFuzzer target: the value parser and the colour-word parser on any bytes. Nothing may crash,
// hang, or be accepted as a value that does not read back the same.

#include "Decimal.h"
#include "ResistorCode.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ohmilka;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const ParsedValue parsed = parseValue(text);
    if (parsed.value) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start != std::string_view::npos && text[start] == '-')
            std::abort(); // a negative value got through
        const ParsedValue again = parseValue(decimalText(*parsed.value, ".") + "e0");
        if (!again.value || compare(*again.value, *parsed.value) != 0)
            std::abort(); // accepted as something it does not spell
    }
    code::parseColourWord(text);
    return 0;
}
