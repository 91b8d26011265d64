#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Installs the Debian packages that building, running and testing Ohmilka need.
# Quiet when everything is already there; run as root (or through sudo) on Debian 12.
set -euo pipefail

packages=(
    cmake g++ make
    git                      # the release and its comparison build from the repository
    locales-all              # the Czech and English locales the window and Orca tests run in
    libc-l10n                # ... and the C library's Czech words for system errors
    qt6-base-dev libgl-dev   # Qt 6 Widgets and Test
    fonts-liberation         # metric-compatible stand-in for Arial and MS Sans Serif
    python3-pil              # resources/make-pictures.py
    binutils-mingw-w64-i686  # the tests compile the Windows version record
    desktop-file-utils appstream  # the tests validate the desktop metadata
    dpkg-dev file            # the package's dependencies, computed from the binaries
    lintian man-db           # the tests judge the package and render the manual pages
    xvfb openbox x11-utils xdotool wmctrl        # the desktop tests: a display with a window manager
    dbus at-spi2-core python3-pyatspi            # ... and a screen reader's view of the program
    orca speech-dispatcher                       # ... and what the screen reader says
    libfmt-dev               # ohmilka-code words its messages with {fmt}
    libminizip-dev zlib1g-dev libexpat1-dev  # ... and reads spreadsheets, zips of XML
    reuse                    # the tests check every file's licence and copyright notice
    zip diffoscope-minimal   # scripts/release.sh packs the Windows files; the tests compare builds
    clang libclang-rt-dev    # the tests run the parsers under libFuzzer
)

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
