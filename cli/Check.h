// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code check: parts lists, plain or CSV bills of materials, against the E series.

#include "Call.h"

namespace ohmilka::cli {

// Checks the files the operands name, or in when there are none or one is "-". Returns 0 when
// every value is in its series, 1 when one is not, 2 when one is unreadable or a file cannot be
// read.
int checkCommand(const Call &call);

} // namespace ohmilka::cli
