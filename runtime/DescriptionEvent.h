// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The event that tells screen readers a control's description is now words, with the words in
// it, each time, also when they are the same as before.

#include <QString>

class QWidget;

namespace ohmilka {

void tellDescriptionChanged(QWidget *control, const QString &words);

} // namespace ohmilka
