// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The engine's colour code, E series and texts, which the terminal tool uses by their own names.

#include "CodeText.h"

namespace ohmilka::cli {
using namespace ohmilka::code;
} // namespace ohmilka::cli
