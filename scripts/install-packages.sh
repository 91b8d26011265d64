#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Installs those of the Debian packages named that are missing, with sudo when not run as root;
# quiet when everything is already there.
# Usage: scripts/install-packages.sh PACKAGE...
set -euo pipefail

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
