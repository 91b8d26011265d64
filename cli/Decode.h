// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code decode: bands read both ways, with colours in doubt narrowed by a measurement.

#include "Arguments.h"
#include "Messages.h"

#include <ostream>

namespace ohmilka::code {

int decodeCommand(const Arguments &arguments, bool json, const Texts &texts, std::ostream &out,
                  std::ostream &err);

} // namespace ohmilka::code
