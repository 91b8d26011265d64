// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A file replaced whole or not at all: the new contents are written beside it and moved over
// it, so that a failure at any point leaves the earlier file as it was.

#include <optional>
#include <string>
#include <string_view>

namespace ohmilka::cli {

// Replaces the file named (UTF-8; a link is followed to the file it names, whose mode is kept)
// or makes it. The system's reason where that fails.
std::optional<std::string> replaceFileContents(const std::string &name, std::string_view contents);

// 1 or 2 where the file named is the process's own standard output or error (/dev/stdout, or
// the file the shell redirected it to), which is written as the stream writes, never replaced.
int standardStreamNamed(const std::string &name);

} // namespace ohmilka::cli
