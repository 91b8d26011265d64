// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Layout positions and sizes are written in twips, 1/1440 inch: 15 to a logical pixel.
// Qt's device-independent pixels carry the conversion on to high-density screens.

#include <QtMath>

namespace ohmilka {

inline constexpr int twipsPerPixel = 15;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline int pixelsFromTwips(double twips)
{
    return qRound(twips / twipsPerPixel);
}

inline int twipsFromPixels(int pixels)
{
    return pixels * twipsPerPixel;
}

} // namespace ohmilka
