// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ColourPicker.h"

namespace ohmilka {

// The palette of band 3.
class frmBarva3 : public ColourPicker
{
    Q_OBJECT

public:
    frmBarva3();
};

} // namespace ohmilka
