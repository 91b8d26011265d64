#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Ohmilka on a fresh Debian, as a new user meets it, in a minimal root made with debootstrap
# from this machine's own apt source. Run as root (chroot and mounts need it). The bare base of
# each release is kept in ~/.cache/ohmilka/; everything else is installed afresh in each run.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

usage() {
    cat >&2 <<'TEXT'
scripts/fresh-debian.sh suite RELEASE [--package-to DIR] [--lintian DEB] [--windows-code]
    clones this repository's HEAD into a fresh root and runs the README's test command
    there; --package-to also builds the package and copies it to DIR, --lintian judges a
    package with that release's lintian, --windows-code builds ohmilka-code.exe (64- and
    32-bit, without Qt) and runs its checks under Wine
scripts/fresh-debian.sh install RELEASE DEB
    installs the package with apt into a fresh root and starts both programs

RELEASE is bookworm (Debian 12) or trixie (Debian 13).
TEXT
    exit 2
}
[[ $# -ge 2 ]] || usage
mode=$1 release=$2
shift 2
case $release in bookworm | trixie) ;; *) usage ;; esac
[[ $(id -u) -eq 0 ]] || { echo "fresh-debian.sh: run as root" >&2; exit 2; }

# The Debian archive this machine installs from: the first source of its own release.
debian_mirror() {
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        awk -v suite="$codename" '$1 == "deb" && $3 == suite { print $2; exit }'
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -e $file ]] || continue
        awk -v suite="$codename" -v RS= '
            { uris = ""; found = 0
              for (i = 1; i <= NF; i++) {
                  if ($i == "URIs:") uris = $(i + 1)
                  if ($i == "Suites:") for (j = i + 1; j <= NF && $j !~ /:$/; j++)
                      if ($j == suite) found = 1
              }
              if (found && uris != "") { print uris; exit } }' "$file"
    done
}

mirror=$(debian_mirror | head -n 1)
[[ -n $mirror ]] || { echo "fresh-debian.sh: no Debian source in /etc/apt" >&2; exit 2; }
command -v debootstrap >/dev/null || {
    apt-get update -qq && apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
}

cache=${XDG_CACHE_HOME:-$HOME/.cache}/ohmilka
base=$cache/debian-$release-minbase.tar
if [[ ! -s $base ]]; then
    echo "Making the base of Debian $release (once; kept in $base)"
    mkdir -p "$cache"
    staging=$(mktemp -d)
    debootstrap --variant=minbase "$release" "$staging" "$mirror" >"$staging.log" 2>&1 ||
        { tail -n 20 "$staging.log"; rm -rf "$staging" "$staging.log"; exit 1; }
    tar -C "$staging" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$staging" "$staging.log"
fi

root=$(mktemp -d /var/tmp/ohmilka-$release.XXXXXX)
mounts=()
cleanup() {
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" || true; done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
for point in proc sys dev dev/pts; do
    mount --bind "/$point" "$root/$point"
    mounts+=("$root/$point")
done
inside() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$1"
}

case $mode in
suite)
    package_to="" lintian_deb="" windows_code=""
    while [[ $# -gt 0 ]]; do
        case $1 in
        --package-to) package_to=$2; shift 2 ;;
        --lintian) lintian_deb=$(realpath "$2"); shift 2 ;;
        --windows-code) windows_code=yes; shift ;;
        *) usage ;;
        esac
    done
    git clone --quiet "$project" "$root/root/ohmilka"
    git -C "$root/root/ohmilka" checkout --quiet "$(git rev-parse HEAD)"
    echo "Debian $release: the README's test command on $(git rev-parse --short HEAD)"
    inside 'cd /root/ohmilka && scripts/setup.sh && cmake --workflow --preset ci'
    if [[ -n $package_to ]]; then
        inside 'cd /root/ohmilka && cmake --workflow --preset package >/dev/null'
        mkdir -p "$package_to"
        cp "$root"/root/ohmilka/build/package/ohmilka_*.deb "$package_to/"
    fi
    if [[ -n $windows_code ]]; then
        echo "Debian $release: ohmilka-code.exe for Windows, and its checks under Wine"
        inside 'cd /root/ohmilka && scripts/build-windows-code.sh && scripts/build-windows-code.sh --32'
    fi
    if [[ -n $lintian_deb ]]; then
        cp "$lintian_deb" "$root/tmp/"
        echo "Debian $release: lintian on $(basename "$lintian_deb")"
        inside "lintian --fail-on error,warning /tmp/$(basename "$lintian_deb")"
    fi
    ;;
install)
    [[ $# -eq 1 && -f $1 ]] || usage
    cp "$1" "$root/tmp/"
    deb=/tmp/$(basename "$1")
    echo "Debian $release: installing $(basename "$1") with apt"
    inside "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $deb >/dev/null"
    # The window program runs until it is closed: still running after 5 s, it has started.
    inside 'QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 5 ohmilka; [[ $? -eq 124 ]]' ||
        { echo "FAIL: ohmilka did not start on Debian $release" >&2; exit 1; }
    answer=$(inside 'ohmilka-code decode BN BK RD GD')
    [[ $answer == "1 kΩ ±5 % (0.95–1.05 kΩ), E24" ]] ||
        { echo "FAIL: ohmilka-code on Debian $release answered: $answer" >&2; exit 1; }
    echo "PASS: both programs start on Debian $release"
    ;;
*) usage ;;
esac
