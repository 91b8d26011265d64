#pragma once

namespace ohmilka
{

// Opens the start-up window and runs until no window is loaded. Returns the exit status;
// without a display it says so in one line and returns 1.
int runApplication(int argc, char **argv);

} // namespace ohmilka
