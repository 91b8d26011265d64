// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ColourPicker.h"

namespace ohmilka {

// The palette of band 4.
class frmBarva4 : public ColourPicker
{
    Q_OBJECT

public:
    frmBarva4();
};

} // namespace ohmilka
