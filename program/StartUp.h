// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The program's start-up: its project settings handed to the forms runtime.

namespace ohmilka {

class Form;

// Loads the main window and shows it, as the program's start does.
Form &startProgram();

// The whole program: runs until no window is loaded and returns the exit status.
int runProgram(int argc, char **argv);

} // namespace ohmilka
