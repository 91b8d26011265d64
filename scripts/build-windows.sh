#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds Ohmilka.exe for Windows from the same sources: first a static Qt from Debian's qt6-base
# source with MinGW-w64 (once; kept in the cache folder), and zlib, minizip and expat from
# Debian's sources (scripts/windows-libraries.sh), then the program and its tests against them.
# Each stage logs to the cache folder's logs/; a run that was interrupted resumes at the stage
# it stopped in. Then:  ctest --preset windows
# With --32 it builds the 32-bit executable instead, in build/windows-32, against a second Qt:
# then  ctest --preset windows-32  reads its version record back.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD

case "${1:-}" in
    "") arch=x86_64 bits=64 preset=windows ;;
    --32) arch=i686 bits=32 preset=windows-32 ;;
    *) echo "usage: $0 [--32]" >&2; exit 2 ;;
esac

cache=$HOME/.cache/ohmilka # the windows presets find Qt here, by a path without its version
qt=$cache/qt-mingw$bits-static
logs=$cache/logs/$arch
mkdir -p "$logs"

stage() { echo "== $1 (log: $logs/$2.log)"; }
logged() { local name=$1; shift; "$@" >"$logs/$name.log" 2>&1 || { tail -n 30 "$logs/$name.log"; exit 1; }; }

debian_arch=${arch//_/-}
# A list of its own, not scripts/setup.sh's: the cross compilers, what Qt's build from Debian's
# source needs, and the display and Wine the checks of the Windows program run in.
packages=(g++-mingw-w64-$debian_arch-posix binutils-mingw-w64-$debian_arch cmake ninja-build
          dpkg-dev qt6-base-dev qt6-base-dev-tools libfmt-dev fonts-liberation2 groff-base wine wine64
          libminizip-dev zlib1g-dev libexpat1-dev
          wixl python3-gi gir1.2-libmsi-1.0
          xvfb openbox x11-utils xdotool wmctrl dbus at-spi2-core)
stage "installing the packages that are missing" packages
logged packages scripts/install-packages.sh "${packages[@]}"

# The Windows Qt is built from the source of the machine's own Qt: 6.4.2 on Debian 12, 6.8 on
# Debian 13. The cache records which version it holds, and a Qt of another one is built anew.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${host_version%%[+~-]*}
work=$cache/qt-$qt_version-work
mkdir -p "$work"
cached_version=$(cat "$qt/.version" 2>/dev/null || true)
older=$cache/qt-$qt_version-mingw$bits-static # where earlier versions of this script installed it
if [[ ! -f $qt/.complete && -f $older/.complete ]]; then
    echo "== moving the Windows Qt $qt_version from $older to $qt"
    rm -rf "$qt" && mv "$older" "$qt" && echo "$qt_version" >"$qt/.version"
    cached_version=$qt_version
fi
if [[ -f $qt/.complete && $cached_version != "$qt_version" ]]; then
    echo "== the Windows Qt in $qt is ${cached_version:-of no recorded version}, the machine's Qt is $qt_version: building it anew"
    rm -rf "$qt"
fi
# Qt's own toolchain file names the one it was configured with: a copy in the cache, which every
# checkout shares, rather than a file of this checkout. The presets name this checkout's anyway.
toolchains=$cache/toolchains
mkdir -p "$toolchains"
cp cmake/mingw-w64.cmake "cmake/mingw-w64-$arch.cmake" "$toolchains/"

if [[ ! -f $qt/.complete ]]; then
    # Debian's source of the very Qt the host tools come from, through an apt configuration of
    # our own, so that the machine's apt sources stay as they are.
    if [[ ! -f $work/source/CMakeLists.txt ]]; then
        stage "fetching Debian's qt6-base $qt_version source" source
        apt_dir=$work/apt
        mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/sources.list.d"
        # The same archives, suites and components as the machine's Debian deb entries (one-line
        # or deb822 alike), as deb-src, so that the installed version is found in whichever suite
        # it came from. Other origins are left out: they rarely publish sources.
        apt-get indextargets --format 'deb-src $(REPO_URI) $(RELEASE) $(COMPONENT)' \
            'Identifier: Packages' 'Origin: Debian' | sort -u >"$apt_dir/sources.list"
        [[ -s $apt_dir/sources.list ]] || { echo "no Debian deb entry in the apt sources" >&2; exit 1; }
        apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
                     -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
                     -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir"
                     -o "Dir::State::status=/var/lib/dpkg/status")
        logged source apt-get "${apt_options[@]}" update
        rm -rf "$work/fetch" && mkdir -p "$work/fetch"
        (cd "$work/fetch" && logged source-fetch apt-get "${apt_options[@]}" source "qt6-base=$host_version")
        rm -rf "$work/source"
        mv "$work/fetch"/qt6-base-*/ "$work/source"
    fi

    if [[ ! -f $work/build-$arch/build.ninja ]]; then
        stage "configuring a static Qt for $arch-w64-mingw32" configure
        logged configure cmake -S "$work/source" -B "$work/build-$arch" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchains/mingw-w64-$arch.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" -DBUILD_SHARED_LIBS=OFF \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
            -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
            -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
            -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
            -DFEATURE_tabletevent=OFF -DFEATURE_system_jpeg=OFF \
            -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
            -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    fi

    stage "building Qt (the first time takes 30 to 45 minutes on 2 cores)" build
    logged build cmake --build "$work/build-$arch" --parallel
    stage "installing Qt into $qt" install
    logged install cmake --install "$work/build-$arch"
    echo "$qt_version" >"$qt/.version"
    touch "$qt/.complete"
fi

stage "building zlib, minizip and expat from Debian's source into $qt" libraries
logged libraries scripts/windows-libraries.sh "$arch" "$qt" "$cache/libraries-$arch"

stage "building Ohmilka.exe and its tests" program
logged program cmake --preset $preset
logged program-build cmake --build --preset $preset --parallel
echo "Built $source/build/$preset/Ohmilka.exe; test it with:  ctest --preset $preset"
