// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code: the resistor colour code in the terminal, over the engine.

#include "Engine.h"

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace ohmilka::cli {

// The language of the locale variables' value (LC_ALL, else LC_MESSAGES, else LANG): Czech for
// one that starts with "cs", English otherwise.
Language languageOfLocale(const char *lcAll, const char *lcMessages, const char *lang);

// Runs one call with its arguments (without the program name); check reads in where no file
// is named. Returns the exit status: 0 done, 1 the value cannot be marked so (or a checked value
// is outside its series, or no reading is left), 2 a usage or input error (one line on err).
int runCommand(std::span<const std::string_view> arguments, Language language, std::istream &in,
               std::ostream &out, std::ostream &err);

} // namespace ohmilka::cli
