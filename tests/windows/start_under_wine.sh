#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Ohmilka.exe under Wine on the session's display (tests/desktop/session.sh): the main window
# appears, closes through the window manager as a user closes it, and the program ends with 0.
set -euo pipefail
program=$1
title='Ohmilka v. 1.00 cz'
export WINEDEBUG=-all
wine "$program" &
pid=$!
shown() { xdotool search --onlyvisible --name "^${title//./\\.}\$" >/dev/null 2>&1; }
for _ in $(seq 600); do # a new Wine prefix takes a while
    shown && break
    kill -0 "$pid" 2>/dev/null || { echo "Ohmilka.exe ended before its window appeared" >&2; exit 1; }
    sleep 0.1
done
shown || { echo "the main window did not appear" >&2; kill "$pid"; exit 1; }
wmctrl -c "$title"
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || echo "Ohmilka.exe ended with status $status" >&2
exit "$status"
