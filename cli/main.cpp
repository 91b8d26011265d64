// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Console.h"
#include "Run.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <system_error>
#include <vector>

namespace {
// The standard input of a caller that closed it: every read fails, as a refused read does.
class ClosedInput : public std::streambuf
{
protected:
    int_type underflow() override
    {
        throw std::ios_base::failure("standard input is closed",
                                     std::error_code(EBADF, std::generic_category()));
    }
};
} // namespace

int main(int argc, char **argv)
{
    using namespace ohmilka::cli;
    const std::vector<std::string> given = commandLine(argc, argv);
    const std::vector<std::string_view> arguments(given.begin(), given.end());
    const Language language =
        languageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    const ConsoleStreams console;
    std::ios::sync_with_stdio(false); // long parts lists are read and written in bulk
    // With descriptor 0 closed, the next file opened would take its place as standard input.
    struct stat status {
    };
    ClosedInput closed;
    std::istream closedInput(&closed);
    const bool inputClosed = fstat(0, &status) != 0 && errno == EBADF;
    return runCommand(arguments, language, inputClosed ? closedInput : std::cin, std::cout,
                      std::cerr);
}
