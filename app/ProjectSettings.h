#pragma once

// Everything that names, versions and credits the program, in one place.
// The version numbers come from the CMake project version.

#include "ProjectVersion.h"

namespace ohmilka::settings {

inline constexpr char projectName[] = "Ohmilka";
inline constexpr char title[] = "Ohmilka";
inline constexpr char description[] = "Určení hodnoty rezistoru z jeho barevných proužků";

inline constexpr int versionMajor = OHMILKA_VERSION_MAJOR;
inline constexpr int versionMinor = OHMILKA_VERSION_MINOR;
inline constexpr int versionRevision = OHMILKA_VERSION_PATCH;

// Names the desktop entry, the installed icons and the software-centre metadata.
inline constexpr char desktopId[] = "org.example.Ohmilka";

// Closing this window ends the application.
inline constexpr char startUpForm[] = "frmNResistor";

// Shown and linked in the about window. The addresses are placeholders under a domain
// reserved for documentation until the project has addresses of its own.
inline constexpr char authorEmail[] = "ohmilka@example.org";
inline constexpr char webHost[] = "ohmilka.example.org";
inline constexpr char webUrl[] = "http://ohmilka.example.org/";
inline constexpr char authorshipNotice[] = "© 2026 vývojáři programu Ohmilka";

} // namespace ohmilka::settings
