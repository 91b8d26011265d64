// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Windows-1250 through the Windows API.

#include "Encoding.h"

#include <windows.h>

#include <vector>

namespace ohmilka::partslist {

void appendWindows1250AsUtf8(std::string_view bytes, std::string &utf8)
{
    if (bytes.empty())
        return;
    const int size = static_cast<int>(bytes.size());
    // Every byte is one UTF-16 unit. Windows passes the five bytes the code page leaves
    // undefined through as C1 controls; iconv refuses them, and both builds give U+FFFD.
    std::vector<wchar_t> wide(bytes.size());
    const int units = MultiByteToWideChar(1250, 0, bytes.data(), size, wide.data(), size);
    for (int i = 0; i < units && units == size; ++i)
        if (std::string_view("\x81\x83\x88\x90\x98").find(bytes[i]) != std::string_view::npos)
            wide[i] = 0xFFFD;
    const std::size_t start = utf8.size();
    utf8.resize(start + 3 * static_cast<std::size_t>(units));
    const int written = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data() + start,
                                            3 * units, nullptr, nullptr);
    utf8.resize(start + static_cast<std::size_t>(written));
}

} // namespace ohmilka::partslist
