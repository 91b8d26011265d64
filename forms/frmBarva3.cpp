// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmBarva3.h"

namespace ohmilka {

frmBarva3::frmBarva3()
    : ColourPicker({.band = 3,
                    .clientWidth = 1995,
                    .clientHeight = 4635,
                    .frameName = "fra3barva",
                    .frameHeight = 4575,
                    .numberedGoldAndSilver = false})
{}

} // namespace ohmilka
