// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The runtime's start routine. The program hands it the project settings; the runtime loads the
// start-up window and owns the process until no window is loaded.

#include <QString>

namespace ohmilka {

class Form;

struct ProjectSettings {
    QString title;     // the application's name
    QString desktopId; // the desktop entry the windows belong to
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    Form &(*startUpForm)() = nullptr; // loads the start-up window; closing it ends everything
};

// The settings of the running project, as App reports them.
const ProjectSettings &projectSettings();

// Takes the settings, loads the start-up window (its Form_Load places it) and shows it, not
// modal. Nothing else is loaded until it is used.
Form &startProject(const ProjectSettings &settings);

// Starts the project and runs until no window is loaded. Returns the exit status; without a
// display it says so in one line and returns 1.
int runProject(int argc, char **argv, const ProjectSettings &settings);

} // namespace ohmilka
