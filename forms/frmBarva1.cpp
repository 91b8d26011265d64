// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmBarva1.h"

namespace ohmilka {

frmBarva1::frmBarva1()
    : ColourPicker({.band = 1,
                    .clientWidth = 1995,
                    .clientHeight = 3570,
                    .frameName = "fra1Barva",
                    .frameHeight = 3495,
                    .unloadingChoice = ColourStem::Bila})
{}

void frmBarva1::Form_Unload()
{
    Unload(*this); // already unloading: no effect
}

} // namespace ohmilka
