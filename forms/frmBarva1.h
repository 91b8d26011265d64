// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ColourPicker.h"

namespace ohmilka {

// The palette of band 1.
class frmBarva1 : public ColourPicker
{
    Q_OBJECT

public:
    frmBarva1();

private:
    void Form_Unload() override;
};

} // namespace ohmilka
