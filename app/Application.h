#pragma once

namespace ohmilka {

class Form;

// Loads the start-up window (its Form_Load places it) and shows it, not modal. Nothing else
// is loaded until it is used.
Form &startApplication();

// Opens the start-up window and runs until no window is loaded. Returns the exit status;
// without a display it says so in one line and returns 1.
int runApplication(int argc, char **argv);

} // namespace ohmilka
