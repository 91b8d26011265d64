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
    return runCommand(arguments, language, std::cout, std::cerr);
}
