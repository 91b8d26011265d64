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

// Whether a file can be read twice from its start: a pipe, such as a shell's <(…), cannot, and
// what was read to tell its kind would be lost.
inline bool rereadable(std::string_view utf8)
{
    std::error_code error;
    return std::filesystem::is_regular_file(filePath(utf8), error);
}

} // namespace ohmilka::partslist
