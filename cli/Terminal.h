// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Text from the input, made safe to write to a terminal.

#include <string>
#include <string_view>

namespace ohmilka::cli {

// Control characters (C0 but tab, DEL, C1) and bytes that are not UTF-8 written as \xNN, so
// that a file cannot move the cursor, clear the screen or retitle the window it is shown in.
std::string printable(std::string_view text);

} // namespace ohmilka::cli
