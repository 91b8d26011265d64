// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Band colours as the tests know them, written independently of the program's table.

#include <QtGlobal>

namespace colour {
inline constexpr quint32 unset = 0x8000000F; // button face: what an unpainted band holds
inline constexpr quint32 black = 0x000000, brown = 0x004080, red = 0x0000FF, orange = 0x0080FF,
                         yellow = 0x00FFFF, green = 0x008000, blue = 0xFF0000, violet = 0x800080,
                         grey = 0x808080, white = 0xFFFFFF, gold = 0xC0FFFF, silver = 0xE0E0E0;
} // namespace colour
