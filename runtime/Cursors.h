// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCursor>
#include <QString>

namespace ohmilka {

// A pointer from a Windows cursor file, with the hot spot the file gives.
QCursor loadCursor(const QString &path);

} // namespace ohmilka
