// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Controls.h"
#include "Forms.h"

namespace ohmilka {

// The help window: three lines on how to use the calculator, and the licence.
class frmNapoveda : public Form
{
    Q_OBJECT

public:
    frmNapoveda();

private:
    void Form_Load() override;
    void Form_Unload() override;
    void cmdOK_Click();

    Frame *fraBMI;
    Label *lblInfo2;
    Label *lblInfo1;
    Label *lblinfo;
    Frame *Frame1;
    MultiLineTextBox *txtLicence;
    CommandButton *cmdOK;
};

} // namespace ohmilka
