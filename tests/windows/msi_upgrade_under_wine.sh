#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# A later MSI over an earlier one, under Wine, in a prefix of its own: afterwards the installed
# programs list Ohmilka once, with the later version; the program folder holds the later files
# and none that only the earlier one had; the shortcut's program is the later one and starts.
# The earlier MSI over the later one is refused with MajorUpgrade's message.
# Usage: msi_upgrade_under_wine.sh EARLIER.msi LATER.msi LATER_FILES_FOLDER LATER_VERSION
set -euo pipefail
earlier=$1 later=$2 later_files=$3 later_version=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/msi_prefix.sh"
# The versions of every entry named Ohmilka in the installed programs.
entries() {
    wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' |
        awk '/DisplayName.*REG_SZ.*Ohmilka$/ { named = 1 } /^HKEY/ { named = 0 }
             named && /DisplayVersion/ { print $NF }' | sort
}

wine msiexec /i "$(winepath -w "$earlier")" /qn || fail "installing the earlier MSI ended with $?"
[[ -f $folder/OLDER-ONLY.txt ]] || fail "the earlier MSI did not install its own file"
wine msiexec /i "$(winepath -w "$later")" /qn || fail "installing the later MSI ended with $?"

[[ $(entries) == "$later_version" ]] || fail "installed programs list: $(entries | tr '\n' ' ')"
[[ ! -e $folder/OLDER-ONLY.txt ]] || fail "the earlier version's own file is left"
for file in "$later_files"/*; do
    cmp -s "$file" "$folder/$(basename "$file")" || fail "$(basename "$file") is not the later one"
done
shortcut=$( (ls "${shortcuts[@]}" 2>/dev/null || true) | head -n 1)
[[ -n $shortcut ]] || fail "no Start-menu shortcut"
grep -qa 'Ohmilka.exe' "$shortcut" || fail "the shortcut does not name Ohmilka.exe"
"$here/start_under_wine.sh" "$folder/Ohmilka.exe" || fail "the upgraded program did not start"

# Quiet, msiexec shows no message: Wine's trace names the launch condition that stopped it,
# MajorUpgrade's, whose message the package holds.
trace=$prefix/downgrade.trace
if WINEDEBUG=+msi wine msiexec /i "$(winepath -w "$earlier")" /qn >"$trace" 2>&1; then
    fail "the earlier MSI was installed over the later one"
fi
grep -qa 'EvaluateConditionW L"NOT WIX_DOWNGRADE_DETECTED"' "$trace" &&
    grep -qa 'action L"LaunchConditions" returned 1603' "$trace" ||
    fail "the downgrade failed, but not on MajorUpgrade's launch condition"
grep -qa "A newer version of Ohmilka is installed." "$earlier" ||
    fail "the package lacks MajorUpgrade's message"
[[ $(entries) == "$later_version" ]] || fail "after the refused downgrade: $(entries | tr '\n' ' ')"
echo "PASS: upgraded to $later_version, earlier files gone, downgrade refused"
