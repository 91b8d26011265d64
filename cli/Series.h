// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code series: whether a value is in the E series, and its neighbours.

#include "Call.h"

namespace ohmilka::cli {

int seriesCommand(const Call &call);

} // namespace ohmilka::cli
