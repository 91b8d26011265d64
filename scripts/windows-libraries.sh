#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds the libraries ohmilka-code reads spreadsheets with (zlib, minizip and expat) as static
# libraries for Windows, from Debian's source of the very versions the machine's -dev packages
# hold, and installs them into PREFIX (the Windows Qt's, where the Windows build finds them).
# PREFIX/.libraries records the versions; a run with the same ones does nothing.
# Usage: scripts/windows-libraries.sh x86_64|i686 PREFIX WORK_FOLDER
set -euo pipefail
arch=$1 prefix=$2 work=$3
[[ $arch == x86_64 || $arch == i686 ]] || { echo "usage: $0 x86_64|i686 PREFIX WORK_FOLDER" >&2; exit 2; }
host=$arch-w64-mingw32
cc=$host-gcc-posix

sources=$(dpkg-query -W -f='${source:Package}=${source:Version} ' libminizip-dev zlib1g-dev libexpat1-dev)
[[ $(cat "$prefix/.libraries" 2>/dev/null) == "$sources" ]] && exit 0

# Debian's sources through apt configurations of our own, so that the machine's apt sources stay
# as they are: the same archives, suites and components as its Debian deb entries, and a second
# without the security archive, for a version whose source a mirror does not serve.
rm -rf "$work" && mkdir -p "$work/source"
apt_for() { # NAME [grep -v PATTERN]: the options of an apt configuration in $work/NAME
    local dir=$work/$1
    mkdir -p "$dir/lists/partial" "$dir/archives/partial" "$dir/sources.list.d"
    apt-get indextargets --format 'deb-src $(REPO_URI) $(RELEASE) $(COMPONENT)' \
        'Identifier: Packages' 'Origin: Debian' | sort -u | grep -v -e "${2:-^$}" >"$dir/sources.list"
    options=(-o "Dir::Etc::SourceList=$dir/sources.list" -o "Dir::Etc::SourceParts=$dir/sources.list.d"
             -o "Dir::State::Lists=$dir/lists" -o "Dir::Cache=$dir" -o "Dir::State::status=/var/lib/dpkg/status")
    apt-get "${options[@]}" -qq update
}
apt_for apt && all=("${options[@]}")
apt_for apt-main -security && main=("${options[@]}")
for wanted in $sources; do
    (cd "$work/source" && apt-get "${all[@]}" -qq source "$wanted" 2>/dev/null) ||
        (echo "$wanted: no source served; taking the newest ${wanted%%=*} of the main archive" &&
             cd "$work/source" && apt-get "${main[@]}" -qq source "${wanted%%=*}")
done

mkdir -p "$prefix/include/minizip" "$prefix/lib"
# zlib: its C files, compiled as they stand (Debian's source has no Windows makefile).
zlib=$(dirname "$(find "$work/source" -maxdepth 2 -name zlib.h | head -n 1)")
mkdir -p "$work/zlib"
for file in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
    inftrees trees uncompr zutil; do
    "$cc" -O2 -c "$zlib/$file.c" -o "$work/zlib/$file.o"
done
"$host-ar" rcs "$prefix/lib/libz.a" "$work"/zlib/*.o
cp "$zlib/zlib.h" "$zlib/zconf.h" "$prefix/include/"
# minizip: its reading half, from wherever the source keeps it (its own package in Debian 12,
# zlib's contrib/ in Debian 13); no encryption.
minizip=$(dirname "$(find "$work/source" -name unzip.c | head -n 1)")
mkdir -p "$work/minizip"
for file in unzip ioapi; do
    "$cc" -O2 -DNOUNCRYPT -I"$prefix/include" -c "$minizip/$file.c" -o "$work/minizip/$file.o"
done
"$host-ar" rcs "$prefix/lib/libminizip.a" "$work/minizip/unzip.o" "$work/minizip/ioapi.o"
cp "$minizip/unzip.h" "$minizip/ioapi.h" "$prefix/include/minizip/"
# expat: its three C files, with a configuration of its features as Debian's own build has
# them (its security patches test XML_DTD == 1, which expat's CMake build leaves empty).
expat=$(dirname "$(find "$work/source" -path '*/lib/xmlparse.c' | head -n 1)")/..
mkdir -p "$work/expat"
cat >"$work/expat/expat_config.h" <<'CONFIG'
#define BYTEORDER 1234
#define HAVE_MEMMOVE 1
#define HAVE_STDINT_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STRING_H 1
#define XML_CONTEXT_BYTES 1024
#define XML_DTD 1
#define XML_GE 1
#define XML_NS 1
CONFIG
for file in xmlparse xmlrole xmltok; do
    "$cc" -O2 -DXML_STATIC -I"$work/expat" -c "$expat/lib/$file.c" -o "$work/expat/$file.o"
done
"$host-ar" rcs "$prefix/lib/libexpat.a" "$work"/expat/*.o
cp "$expat/lib/expat.h" "$expat/lib/expat_external.h" "$prefix/include/"
echo "$sources" >"$prefix/.libraries"
