// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The tolerance letters of IEC 60062 that the makers' keys share, and KOA's and Bourns' A for
// ±0.05 %.

#include "Key.h"

namespace ohmilka::partnumbers::tolerance {

inline constexpr Code L{"L", "±0.01 %", 1};
inline constexpr Code P{"P", "±0.02 %", 2};
inline constexpr Code A{"A", "±0.05 %", 5};
inline constexpr Code W{"W", "±0.05 %", 5};
inline constexpr Code B{"B", "±0.1 %", 10};
inline constexpr Code C{"C", "±0.25 %", 25};
inline constexpr Code D{"D", "±0.5 %", 50};
inline constexpr Code F{"F", "±1 %", 100};
inline constexpr Code G{"G", "±2 %", 200};
inline constexpr Code J{"J", "±5 %", 500};
inline constexpr Code K{"K", "±10 %", 1000};
// J where the key writes its jumpers at ±5 %.
inline constexpr Code JOrJumper{"J", "±5 %", 500, Jumper::Also};

} // namespace ohmilka::partnumbers::tolerance
