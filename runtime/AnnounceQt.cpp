// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Qt 6.8 and later announce through their own event: AT-SPI's announcement on Linux, which Orca
// speaks, and a UI Automation notification on Windows, which NVDA and Narrator speak.

#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleAnnouncementEvent>
#include <QWidget>

namespace ohmilka {

void announceThrough(QWidget *control, const QString &words)
{
    QAccessibleAnnouncementEvent announcement(control, words);
    QAccessible::updateAccessibility(&announcement);
}

void announceOpening(QWidget *)
{
    // Qt names an opening window in its own activation event, which Orca 48 speaks.
}

} // namespace ohmilka
