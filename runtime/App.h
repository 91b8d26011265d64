// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The App and Screen objects that the windows read. App reports the project settings that the
// program handed to startProject().

#include <QString>

namespace ohmilka {

namespace App {
int Major();
int Minor();
int Revision();
QString Path(); // folder of the running executable
} // namespace App

namespace Screen {
int Width(); // the whole primary screen, in twips
int Height();
} // namespace Screen

} // namespace ohmilka
