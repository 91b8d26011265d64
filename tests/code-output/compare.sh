#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# ohmilka-code as a user calls it: decode, check of parts lists named by path, the part numbers
# to order, and JSON. Its status and the bytes of both streams must be expected.txt's, so that
# the Linux build and the Windows one under Wine (with Windows paths) answer alike, to the byte.
# Czech users name their files in Czech: CZ: files lie in a folder with Czech letters in its
# name, and so do theirs.
# Usage: compare.sh PROGRAM [wine]
set -euo pipefail
program=$1 runner=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
lists=$here/../parts-lists
export LC_ALL=C.UTF-8 LANG= WINEDEBUG=-all
# A path as the program is given it: a Windows one under Wine, named FILE in the expectations.
path() { if [[ -n $runner ]]; then winepath -w "$1"; else echo "$1"; fi; }
cases=(
    "decode hnědá černá červená zlatá"
    "--json decode YE VT RD/OG GD"
    "--lang cs encode 4k7 --tolerance 1"
    "check LIST:excel-cs.csv"
    "check --json LIST:kicad-grouped.csv"
    "check --lang cs LIST:jlcpcb.csv"
    "check LIST:easyeda-utf16.csv"
    "check --json LIST:eagle-partlist.txt"
    "check CZ:součástky.txt"
    "check CZ:odpory.xlsx"
    "check CZ:směšovač.kicad_sch"
    "combine 9k4 --stock CZ:odpory.xlsx --parts 1"
    "part 4k7 --tolerance 1 --json"
    "--lang cs part 4k81 --size 1608"
    "check --suggest LIST:kicad-grouped.csv"
    "check CZ:součástky.txt --output CZ:zpráva.txt"
    "check CZ:součástky.txt --output CZ:součástky.txt"
)
actual=$(mktemp)
czech=$(mktemp -d)/"Návrh zesilovače"
mkdir -p "$czech"
trap 'rm -rf "$actual" "$(dirname "$czech")"' EXIT
printf '4k7\n10k5\n' >"$czech/součástky.txt"
cp "$here/../spreadsheets/bom.xlsx" "$czech/odpory.xlsx"
cp "$here/../kicad/hierarchy7/mixer.kicad_sch" "$czech/směšovač.kicad_sch"
cp "$here/../kicad/hierarchy7/channel.kicad_sch" "$czech/"
folder=$(path "$czech")
if [[ -n $runner ]]; then # a Wine prefix of its own, made before the first call
    export WINEPREFIX=$actual.wine
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$actual" "$WINEPREFIX" "$(dirname "$czech")"' EXIT
    wineboot -i >/dev/null 2>&1
fi
for call in "${cases[@]}"; do
    arguments=() file="" named=()
    for word in $call; do
        if [[ $word == LIST:* ]]; then
            file=$(path "$lists/${word#LIST:}")
            word=$file
        elif [[ $word == CZ:* ]]; then
            named+=("$(path "$czech/${word#CZ:}")" "$word")
            word=${named[-2]}
        fi
        arguments+=("$word")
    done
    status=0
    out=$($runner "$program" "${arguments[@]}" 2>"$actual.err") || status=$?
    err=$(cat "$actual.err")
    if [[ -n $file ]]; then
        escaped=${file//\\/\\\\} # as JSON writes it
        out=${out//"$file"/FILE} err=${err//"$file"/FILE}
        out=${out//"$escaped"/FILE}
    fi
    for ((i = 0; i < ${#named[@]}; i += 2)); do
        out=${out//"${named[i]}"/${named[i + 1]}} err=${err//"${named[i]}"/${named[i + 1]}}
    done
    # The files the program finds there itself, such as a schematic's sheets.
    for separator in / '\'; do
        out=${out//"$folder$separator"/CZ:} err=${err//"$folder$separator"/CZ:}
    done
    printf '== %s\nstatus %s\n-- out\n%s\n-- err\n%s\n' "$call" "$status" "$out" "$err" >>"$actual"
done
rm -f "$actual.err"
report=$(cat "$czech/zpráva.txt")
printf '== the report in CZ:zpráva.txt\n%s\n' "${report//"$(path "$czech/součástky.txt")"/CZ:součástky.txt}" >>"$actual"
if cmp -s "$here/expected.txt" "$actual"; then
    echo "PASS: ${#cases[@]} calls answered as expected"
    exit 0
fi
echo "FAIL: the answers differ from expected.txt:"
diff -u "$here/expected.txt" "$actual" || true
exit 1
