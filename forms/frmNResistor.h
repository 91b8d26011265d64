// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Controls.h"
#include "Forms.h"

namespace ohmilka {

// The main window: the resistor with its four clickable bands, and the result row.
// The band boxes are the only store of the chosen colours.
class frmNResistor : public Form
{
    Q_OBJECT

public:
    frmNResistor();

    PictureBox *picOdpor(int band) const; // band 1 to 4

private:
    void describeBand(int band); // for assistive technology: the band's colour name
    void announceResult();
    void Form_Load() override;
    void Form_Unload() override;
    void picOdpor_Click(int band);
    void cmdHodnota_Click();
    void cmdAbout_Click();
    void cmdHelp_Click();

    CommandButton *cmdAbout;
    CommandButton *cmdHelp;
    Frame *fraHodnota;
    PictureBox *Picture1;
    CommandButton *cmdHodnota;
    TextBox *txtHodnota;
    ComboBox *cmbHodnota;
    Label *lblO;
    Label *lblTolerance;
    PictureBox *picOdpor4;
    PictureBox *picOdpor3;
    PictureBox *picOdpor2;
    PictureBox *picOdpor1;
    Line *Line2;
    Line *Line1;
    Shape *Shape1;
};

} // namespace ohmilka
