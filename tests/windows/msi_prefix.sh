# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Sourced by the installer checks: a Wine prefix of their own, gone on exit, with the host's
# menus left as they are, and where an installed Ohmilka's folder and shortcut are.
prefix=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix/wine WINEDEBUG=-all
export WINEDLLOVERRIDES=winemenubuilder.exe=d # no menu entries on the host's desktop
fail() { echo "FAIL: $*" >&2; exit 1; }

folder="$WINEPREFIX/drive_c/Program Files/Ohmilka"
# The all-users Start menu, where Windows puts a per-machine install's shortcut; Wine 8's msiexec
# puts it in the installing user's Start menu instead, even with ALLUSERS=1 in the package.
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ohmilka.lnk"
           "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ohmilka.lnk")
uninstall="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
