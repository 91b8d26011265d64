#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds ohmilka-code.exe alone, without Qt, as CI does on every change: the engine, the parts
# lists and the terminal program with MinGW-w64 and the Windows flags, warnings as errors,
# against zlib, minizip and expat built from Debian's sources (scripts/windows-libraries.sh, kept
# in the cache folder), then runs its checks under Wine. With --32 it builds the 32-bit
# executable instead, and only builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
    "") arch=x86_64 bits=64 preset=windows-code ;;
    --32) arch=i686 bits=32 preset=windows-code-32 ;;
    *) echo "usage: $0 [--32]" >&2; exit 2 ;;
esac

debian_arch=${arch//_/-}
packages=(g++-mingw-w64-$debian_arch-posix binutils-mingw-w64-$debian_arch cmake dpkg-dev
          libfmt-dev libminizip-dev zlib1g-dev libexpat1-dev)
[[ $bits == 64 ]] && packages+=(wine wine64)
scripts/install-packages.sh "${packages[@]}"

cache=$HOME/.cache/ohmilka # the windows-code presets find the libraries here
echo "== zlib, minizip and expat from Debian's sources for $arch"
scripts/windows-libraries.sh "$arch" "$cache/code-mingw$bits" "$cache/code-libraries-$arch"
echo "== ohmilka-code.exe for $arch"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel
if [[ $bits == 64 ]]; then
    echo "== its checks under Wine"
    ctest --preset "$preset"
fi
