// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Colour values in the 0x00BBGGRR layout: red in the low byte. A value with the high bit set,
// 0x800000nn, names system colour nn, which no plain colour equals.

#include <QColor>

#include <cstdint>

namespace ohmilka {

using ColourValue = std::uint32_t;

inline constexpr ColourValue systemWindow = 0x80000005;
inline constexpr ColourValue systemWindowText = 0x80000008;
inline constexpr ColourValue systemButtonFace = 0x8000000F;
inline constexpr ColourValue systemButtonText = 0x80000012;

inline constexpr ColourValue black = 0x000000;
inline constexpr ColourValue red = 0x0000FF;
inline constexpr ColourValue blue = 0xFF0000;

// A system colour is drawn with the matching role of the application palette.
QColor toQColor(ColourValue colour);

} // namespace ohmilka
