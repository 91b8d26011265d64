// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Controls.h"
#include "Forms.h"

#include <QCursor>

namespace ohmilka {

// The about window: version line, authorship, and links to the author's e-mail and web.
class frmAbout : public Form
{
    Q_OBJECT

public:
    frmAbout();

private:
    Label *addLink(const char *name, TwipsRect rect, int tabIndex, const QString &caption,
                   const QString &accessibleName, const QString &accessibleDescription);
    void Form_Load() override;
    void Form_MouseMove() override;
    void cmdOK_Click();
    void lbl2_Click();
    void lbl3_Click();
    void Image1_Click();
    void lbl2_MouseMove();
    void lbl3_MouseMove();
    void fraRamecek_MouseMove();

    const QCursor linkPointer_;
    CommandButton *cmdOK;
    Frame *fraRamecek;
    Label *lbl1;
    Label *lbl2;
    Label *lbl3;
    Label *lbl4;
    Label *lblVersion;
    Label *lblDescription;
    PictureBox *picLogo;
    Image *Image1;
};

} // namespace ohmilka
