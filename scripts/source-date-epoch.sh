#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Prints SOURCE_DATE_EPOCH for a build: 00:00 UTC of the date of the newest release in
# identity/releases.
set -euo pipefail
cd "$(dirname "$0")/.."
newest=$(sed -n 's/^[0-9][0-9.]* \([0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\)$/\1/p' identity/releases | head -n 1)
[[ -n $newest ]] || { echo "identity/releases names no release" >&2; exit 1; }
date -u -d "$newest" +%s
