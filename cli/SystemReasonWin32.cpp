// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// The message of the Windows error the C runtime's errno came from, in the user's language;
// the C runtime's English text where Windows has none.

#include "SystemReason.h"

#include <windows.h>

#include <cstring>

namespace ohmilka::cli {

std::string systemReason(int errnoValue)
{
    const DWORD error = GetLastError();
    wchar_t *message = nullptr;
    const DWORD length =
        error == 0
            ? 0
            : FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<wchar_t *>(&message), 0, nullptr);
    if (length == 0)
        return std::strerror(errnoValue);
    std::wstring text(message, length);
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

} // namespace ohmilka::cli
