#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds the release twice, from two clones of the commit in folders with different paths, one
# after the other, and compares the bytes of everything it ships. Where they differ, diffoscope
# shows how. Without a Windows Qt in the cache the Windows files are left out.
# Usage: tests/reproducible/compare_releases.sh SOURCE_FOLDER
set -euo pipefail
source=$1
if ! [[ $(git -C "$source" rev-parse --show-toplevel 2>/dev/null) == "$(realpath "$source")" ]]; then
    echo "SKIP: $source is no git repository (a release tarball?): there is no commit to clone"
    exit 77
fi
options=()
if [[ ! -f $HOME/.cache/ohmilka/qt-mingw64-static/.complete ]]; then
    echo "No Windows Qt in ~/.cache/ohmilka: the releases are compared without their Windows files."
    options=(--no-windows)
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/one
second=$work/another/clone/deeper/down
for clone in "$first" "$second"; do
    git clone --quiet "$source" "$clone"
    (cd "$clone" && scripts/release.sh "${options[@]}") >"$clone.log" 2>&1 || { tail -n 40 "$clone.log"; exit 1; }
done
if cmp -s "$first/build/release/SHA256SUMS" "$second/build/release/SHA256SUMS"; then
    echo "PASS: the same bytes from both clones"
    cat "$first/build/release/SHA256SUMS"
    exit 0
fi
echo "FAIL: the two builds differ"
diff "$first/build/release/SHA256SUMS" "$second/build/release/SHA256SUMS" || true
for file in "$first"/build/release/*; do
    name=$(basename "$file")
    [[ $name == SHA256SUMS ]] || cmp -s "$file" "$second/build/release/$name" ||
        diffoscope --text - "$file" "$second/build/release/$name" | head -n 200 || true
done
exit 1
