// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The look the windows are laid out for: the classic Windows style, where a frame's caption
// sits on its border line, and the Windows font names mapped to metric-compatible families.

#include <QString>

namespace ohmilka {

// Idempotent; the forms layer calls it before it loads the first window.
void setUpPlatformLook();

// Text in the "Symbol" typeface as Unicode, so it shows without that font ("W" is Ω).
QString symbolToUnicode(const QString &text);

} // namespace ohmilka
