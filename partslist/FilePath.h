// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A file's name as the command line gives it, in UTF-8, as the path the system opens it by:
// the same bytes on POSIX systems, UTF-16 on Windows, so that names in any letters open.

#include <filesystem>
#include <string>
#include <string_view>

namespace ohmilka::partslist {

inline std::filesystem::path filePath(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace ohmilka::partslist
