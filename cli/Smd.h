// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code's surface-mount markings: smd reads them, encode --smd writes them.

#include "Call.h"

namespace ohmilka::cli {

int smdCommand(const Call &call);
int encodeSmd(const Call &call, Decimal value);

} // namespace ohmilka::cli
