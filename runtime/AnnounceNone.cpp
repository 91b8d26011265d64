// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Where Qt speaks to assistive technology without AT-SPI (UI Automation on Windows), the control
// takes the words as its description, and Qt reports the change where there is one.

#include "Accessibility.h"

#include <QWidget>

namespace ohmilka {

void announceThrough(QWidget *control, const QString &words)
{
    control->setAccessibleDescription(words);
}

void announceOpening(QWidget *)
{
    // UI Automation names an opening window in its own focus event.
}

} // namespace ohmilka
