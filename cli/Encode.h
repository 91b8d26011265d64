// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code encode: the colours that mark a value, or with --smd its surface-mount markings.

#include "Call.h"

namespace ohmilka::cli {

int encodeCommand(const Call &call);

} // namespace ohmilka::cli
