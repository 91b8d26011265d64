// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// On POSIX systems the streams are bytes and terminals take UTF-8 as the locale says.

#include "Console.h"

#include <libintl.h>

#include <clocale>

namespace ohmilka::cli {

std::vector<std::string> commandLine(int argc, char **argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

// The system's reasons (strerror) in the words of the user's LC_MESSAGES, in UTF-8 as the
// program writes; numbers and characters stay the C library's own.
ConsoleStreams::ConsoleStreams()
{
    std::setlocale(LC_MESSAGES, "");
    bind_textdomain_codeset("libc", "UTF-8");
}
ConsoleStreams::~ConsoleStreams() = default;

} // namespace ohmilka::cli
