// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code divider: the best pairs of standard parts for a ratio, an unloaded divider's
// output, or a regulator's feedback divider.

#include "Call.h"

namespace ohmilka::cli {

int dividerCommand(const Call &call);

} // namespace ohmilka::cli
