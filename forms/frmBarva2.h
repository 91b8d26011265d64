// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ColourPicker.h"

namespace ohmilka {

// The palette of band 2.
class frmBarva2 : public ColourPicker
{
    Q_OBJECT

public:
    frmBarva2();
};

} // namespace ohmilka
