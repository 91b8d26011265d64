// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// On POSIX systems the streams are bytes and terminals take UTF-8 as the locale says.

#include "Console.h"

namespace ohmilka::cli {

std::vector<std::string> commandLine(int argc, char **argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

ConsoleStreams::ConsoleStreams() = default;
ConsoleStreams::~ConsoleStreams() = default;

} // namespace ohmilka::cli
