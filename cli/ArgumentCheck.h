// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code's options read and judged: the language they ask for, and what is wrong with
// them, named in that language.

#include "CommandTable.h"

#include <span>
#include <string_view>

namespace ohmilka::cli {

struct Options {
    Arguments arguments;
    Language language;
    bool json;
    const CommandRow *command; // null when none is given
};

// Refuses unknown options and commands, options without their values or with values they do
// not take, options given twice and options of other commands. --version stands alone, --help
// alone or with the command whose usage it asks for.
Options readOptions(std::span<const std::string_view> given, Language language);

} // namespace ohmilka::cli
