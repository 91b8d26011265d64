// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code combine: the best networks of 1 to 4 standard parts for a value.

#include "Call.h"

namespace ohmilka::cli {

int combineCommand(const Call &call);

} // namespace ohmilka::cli
