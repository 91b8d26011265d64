// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The command line and the standard streams as ohmilka-code uses them: arguments in UTF-8, bytes
// in and out as they are, and UTF-8 (Ω, ±) readable where the output is a console.

#include <string>
#include <vector>

namespace ohmilka::cli {

// The arguments after the program's name, in UTF-8 (on Windows not argv's code page, which has
// no ě or ř outside Czech settings).
std::vector<std::string> commandLine(int argc, char **argv);

// The streams as ohmilka-code wants them, for as long as this lives.

class ConsoleStreams
{
public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams &) = delete;
    ConsoleStreams &operator=(const ConsoleStreams &) = delete;

private:
    unsigned outputCodePage_ = 0; // the console's own, given back at the end
};

} // namespace ohmilka::cli
