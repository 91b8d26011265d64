// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Command.h"

#include <cstdlib>
#include <iostream>
#include <vector>

int main(int argc, char **argv)
{
    using namespace ohmilka::code;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const Language language =
        languageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    std::ios::sync_with_stdio(false); // long parts lists are read and written in bulk
    return runCommand(arguments, language, std::cin, std::cout, std::cerr);
}
