#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Every file of the source names its licence and copyright holder in REUSE form. In a repository,
# reuse leaves out what git ignores; in a tree without one (the release tarball), reuse would
# scan the build folders too, so it lints a copy without them.
# Usage: tests/licences.sh SOURCE_FOLDER
set -euo pipefail
source=$1
if [[ $(git -C "$source" rev-parse --show-toplevel 2>/dev/null) == "$(realpath "$source")" ]]; then
    exec reuse --root "$source" lint
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
tar -C "$source" --exclude=./build -cf - . | tar -C "$copy" -xf -
reuse --root "$copy" lint
