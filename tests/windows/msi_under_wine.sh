#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# The MSI under Wine, on the session's display (tests/desktop/session.sh), in a Wine prefix of its
# own: it installs silently, puts the executable, the Start-menu shortcut and the entry under
# installed programs where Windows keeps them, the installed program starts and closes, and
# removal leaves none of them behind.
# Usage: msi_under_wine.sh INSTALLER.msi PRODUCT_CODE VERSION
set -euo pipefail
msi=$1 product=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/msi_prefix.sh"
program="$folder/Ohmilka.exe"
key="$uninstall\\{$product}"

wine msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i ended with status $?"
[[ -f $program ]] || fail "no $program"
for file in ohmilka-code.exe ohmilka-code.txt ohmilka-code.cs.txt LICENSE.txt \
            LiberationSans-LICENSE.txt; do
    [[ -f $(dirname "$program")/$file ]] || fail "no $file beside the program"
done
answer=$(wine "$(dirname "$program")/ohmilka-code.exe" decode hnědá černá červená zlatá | tr -d '\r')
[[ $answer == "1 kΩ ±5 % (0.95–1.05 kΩ), E24" ]] || fail "the installed ohmilka-code.exe said: $answer"
[[ -f ${shortcuts[0]} || -f ${shortcuts[1]} ]] || fail "no Start-menu shortcut"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r') || fail "no entry $key"
for expected in "DisplayName.*Ohmilka" "DisplayVersion.*$version" \
                "Publisher.*The Ohmilka developers" "URLInfoAbout.*http://"; do
    grep -q "$expected" <<<"$entry" || fail "the entry lacks $expected: $entry"
done

"$here/start_under_wine.sh" "$program" || fail "the installed program did not start and close"

wine msiexec /x "{$product}" /qn || fail "msiexec /x ended with status $?"
[[ ! -e $(dirname "$program") ]] || fail "removal left $(ls -A "$(dirname "$program")")"
[[ ! -e ${shortcuts[0]} && ! -e ${shortcuts[1]} ]] || fail "removal left the shortcut"
for left in "$key" "HKLM\\Software\\Ohmilka"; do
    ! wine reg query "$left" >/dev/null 2>&1 || fail "removal left $left"
done
echo "PASS: installed, started and removed"
