// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code's surface-mount markings: smd reads them, encode --smd writes them.

#include "Arguments.h"
#include "Messages.h"

#include <ostream>

namespace ohmilka::code {

int smdCommand(const Arguments &arguments, bool json, const Texts &texts, std::ostream &out,
               std::ostream &err);
int encodeSmd(const Arguments &arguments, bool json, const Texts &texts, Decimal value,
              std::ostream &out, std::ostream &err);

} // namespace ohmilka::code
