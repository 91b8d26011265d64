#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds what a release ships into build/release/, from the commit alone: the Debian package, the
# source tarball, the 64-bit Windows zip and installer (with --32 the 32-bit ones too) and
# SHA256SUMS over them. Every build takes its times from the date of the newest release in
# identity/releases (SOURCE_DATE_EPOCH), so that two runs on one commit give the same bytes.
# A release is whole or none: a tree with uncommitted changes is refused, and a file that was
# asked for and cannot be made fails the run.
# Usage: scripts/release.sh [--32] [--no-windows]
#   --32          also the 32-bit Windows zip and installer
#   --no-windows  neither Windows file: only the package, the tarball and the sums
set -euo pipefail
cd "$(dirname "$0")/.."

with_32=false with_windows=true
for option in "$@"; do
    case $option in
        --32) with_32=true ;;
        --no-windows) with_windows=false ;;
        *) echo "usage: $0 [--32] [--no-windows]" >&2; exit 2 ;;
    esac
done
if $with_32 && ! $with_windows; then
    echo "release.sh: --32 and --no-windows ask for opposite things" >&2
    exit 2
fi
if [[ -n $(git status --porcelain) ]]; then
    echo "release.sh: the tree has uncommitted changes, which no file of the release would explain:" >&2
    git status --short >&2
    exit 2
fi
version=$(sed -n 's/^set(OHMILKA_VERSION "\(.*\)")$/\1/p' identity/identity.cmake)
[[ -n $version ]] || { echo "release.sh: identity/identity.cmake names no version" >&2; exit 2; }
cache=$HOME/.cache/ohmilka
if $with_windows; then
    for bits in 64 $($with_32 && echo 32); do
        [[ -f $cache/qt-mingw$bits-static/.complete ]] || {
            option=$([[ $bits == 32 ]] && echo " --32" || true)
            echo "release.sh: no $bits-bit Windows Qt in $cache; build it with scripts/build-windows.sh$option, or leave Windows out with --no-windows" >&2
            exit 1
        }
    done
fi

scripts/setup.sh
SOURCE_DATE_EPOCH=$(scripts/source-date-epoch.sh)
export SOURCE_DATE_EPOCH TZ=UTC # zip keeps local times
out=build/release
staged=""
trap 'rm -rf "$staged"' EXIT
rm -rf "$out" && mkdir -p "$out"

# Fresh builds, so that nothing of an earlier build's times comes along.
rm -rf build/package
cmake --workflow --preset package
cp build/package/"ohmilka_${version}"_*.deb "$out/"
git archive --format=tar.gz --prefix="ohmilka-$version/" -o "$out/ohmilka-$version.tar.gz" HEAD

# The files the installer holds, with the release's time and sorted names, no extra fields; and
# the installer beside them.
windows_release() {
    local label=$1 preset=$2 option=$3
    rm -rf "build/$preset"
    scripts/build-windows.sh $option
    staged=$(mktemp -d)
    cp "build/$preset/packaging/windows/files"/* "$staged/"
    touch -d "@$SOURCE_DATE_EPOCH" "$staged"/*
    local zip=$PWD/$out/Ohmilka-$version-$label.zip
    (cd "$staged" && ls | LC_ALL=C sort | zip -X -q "$zip" -@)
    rm -rf "$staged"
    cp "build/$preset/Ohmilka-$version-$label.msi" "$out/"
}
if $with_windows; then
    windows_release x64 windows ""
    if $with_32; then
        windows_release x86 windows-32 --32
    fi
fi

(cd "$out" && sha256sum -- * >SHA256SUMS)
echo "Release $version in $out:"
cat "$out/SHA256SUMS"
