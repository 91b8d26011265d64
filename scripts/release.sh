#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds what a release ships into build/release/: the Debian package, the source tarball, the
# Windows zip and installer (when the Windows Qt is in the cache; with --32 the 32-bit ones too)
# and SHA256SUMS over them. Every build takes its times from the date of the newest release in identity/releases
# (SOURCE_DATE_EPOCH), so that two runs on one commit give the same bytes.
# Usage: scripts/release.sh [--32]
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
    "") with_32=false ;;
    --32) with_32=true ;;
    *) echo "usage: $0 [--32]" >&2; exit 2 ;;
esac

scripts/setup.sh
version=$(sed -n 's/^set(OHMILKA_VERSION "\(.*\)")$/\1/p' identity/identity.cmake)
SOURCE_DATE_EPOCH=$(scripts/source-date-epoch.sh)
export SOURCE_DATE_EPOCH TZ=UTC # zip keeps local times
out=build/release
rm -rf "$out" && mkdir -p "$out"
[[ -z $(git status --porcelain) ]] || echo "Note: the source tarball holds the commit, not the uncommitted changes."

# Fresh builds, so that nothing of an earlier build's times comes along.
rm -rf build/package
cmake --workflow --preset package
cp build/package/"ohmilka_${version}"_*.deb "$out/"
git archive --format=tar.gz --prefix="ohmilka-$version/" -o "$out/ohmilka-$version.tar.gz" HEAD

# The executable and its licences, with the release's time and sorted names, no extra fields; and
# the installer beside them.
windows_zip() {
    local bits=$1 label=$2 preset=$3 option=$4
    if [[ ! -f $HOME/.cache/ohmilka/qt-6.4.2-mingw$bits-static/.complete ]]; then
        echo "Left out the $bits-bit Windows files: no Windows Qt in ~/.cache/ohmilka (scripts/build-windows.sh $option builds it)."
        return
    fi
    rm -rf "build/$preset"
    scripts/build-windows.sh $option
    local staged
    staged=$(mktemp -d)
    cp "build/$preset/Ohmilka.exe" "build/$preset/LICENSE.txt" \
       "build/$preset/LiberationSans-LICENSE.txt" "$staged/"
    touch -d "@$SOURCE_DATE_EPOCH" "$staged"/*
    local zip=$PWD/$out/Ohmilka-$version-$label.zip
    (cd "$staged" && ls | LC_ALL=C sort | zip -X -q "$zip" -@)
    rm -rf "$staged"
    cp "build/$preset/Ohmilka-$version-$label.msi" "$out/"
}
windows_zip 64 x64 windows ""
if $with_32; then
    windows_zip 32 x86 windows-32 --32
fi

(cd "$out" && sha256sum -- * >SHA256SUMS)
echo "Release $version in $out:"
cat "$out/SHA256SUMS"
