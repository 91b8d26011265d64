#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# The Windows Qt in the cache serves every checkout, not only the one that built it: a fresh
# clone of the commit, in a folder no build has seen, configures against it with MinGW's
# compilers and builds ohmilka-code.exe.
# Usage: build_from_another_clone.sh SOURCE_FOLDER
set -euo pipefail
source=$1
if ! [[ $(git -C "$source" rev-parse --show-toplevel 2>/dev/null) == "$(realpath "$source")" ]]; then
    echo "SKIP: $source is no git repository: there is no commit to clone"
    exit 77
fi
clone=$(mktemp -d)/elsewhere/ohmilka
trap 'rm -rf "$(dirname "$(dirname "$clone")")"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
git clone --quiet "$source" "$clone"
log=$clone.configure.log
(cd "$clone" && cmake --preset windows) >"$log" 2>&1 || { tail -n 30 "$log"; fail "configuring failed"; }
! grep -q "does not exist" "$log" || fail "a toolchain file was not found: $(grep "does not exist" "$log")"
grep -q "x86_64-w64-mingw32-g++-posix" "$clone"/build/windows/CMakeFiles/*/CMakeCXXCompiler.cmake ||
    fail "the clone's build does not use MinGW's compiler"
cmake --build "$clone/build/windows" --target ohmilka-code >"$clone.build.log" 2>&1 ||
    { tail -n 30 "$clone.build.log"; fail "building ohmilka-code.exe failed"; }
file "$clone/build/windows/ohmilka-code.exe" | grep -q "PE32+ executable" || fail "no Windows executable"
echo "PASS: a second clone built ohmilka-code.exe against the cached Windows Qt"
