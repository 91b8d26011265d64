// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmBarva2.h"

namespace ohmilka {

frmBarva2::frmBarva2()
    : ColourPicker({.band = 2,
                    .clientWidth = 1995,
                    .clientHeight = 3930,
                    .frameName = "fra2Barva",
                    .frameHeight = 3855})
{}

} // namespace ohmilka
