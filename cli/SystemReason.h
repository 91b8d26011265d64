// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Why the system refused a file or a write, in its own words: the C library's on POSIX
// systems (in the language of LC_MESSAGES), Windows' own message on Windows.

#include <string>

namespace ohmilka::cli {

// Right after the refused call, whose errno is given.
std::string systemReason(int errnoValue);

} // namespace ohmilka::cli
