// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code part: the part numbers to order for a value, from each maker's key and within
// what its tables offer.

#include "Call.h"
#include "Choosing.h"
#include "Json.h"

#include <string>

namespace ohmilka::cli {

int partCommand(const Call &call);

// "Yageo RC: RC0603FR-074K7L", and its JSON object: maker, family, fields and their meanings.
std::string partText(const partnumbers::WrittenPart &part);
JsonObject partJson(const partnumbers::WrittenPart &part);

// Why no part number is given, and what is offered nearest: one line.
std::string shortfallText(Decimal ohms, const partnumbers::Size &asked,
                          const partnumbers::PartChoice &choice, const Texts &texts);

} // namespace ohmilka::cli
