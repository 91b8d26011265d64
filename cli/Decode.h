// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code decode: bands read both ways, with colours in doubt narrowed by a measurement.

#include "Call.h"

namespace ohmilka::cli {

int decodeCommand(const Call &call);

} // namespace ohmilka::cli
