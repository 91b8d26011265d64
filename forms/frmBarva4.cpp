// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmBarva4.h"

namespace ohmilka {

frmBarva4::frmBarva4()
    : ColourPicker({.band = 4,
                    .clientWidth = 1935,
                    .clientHeight = 3210,
                    .frameName = "fra4Barva",
                    .frameHeight = 3135})
{}

} // namespace ohmilka
