#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Builds the parsers' libFuzzer target with Clang in a folder of its own and runs it for the
# given seconds over the seed corpus. A finding fails the test; its input is kept in the folder.
# Usage: tests/fuzz/run.sh SOURCE_DIR BUILD_DIR SECONDS
set -euo pipefail
source_dir=$1 build_dir=$2 seconds=$3

cmake -S "$source_dir" --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target fuzz_parsers -j2 >/dev/null
# New inputs go to a scratch folder; the corpus in the tree is read only.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
log=$build_dir/fuzz.log
if ! "$build_dir/tests/fuzz/fuzz_parsers" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -artifact_prefix="$build_dir/" "$scratch" "$source_dir/tests/fuzz/corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    exit 1
fi
tail -n 1 "$log"
