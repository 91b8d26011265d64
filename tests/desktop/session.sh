#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Runs a command on a desktop of its own: an Xvfb display with the openbox window manager, a
# D-Bus session and the AT-SPI accessibility bus, as a screen-reader user's session has them.
# Usage: tests/desktop/session.sh COMMAND [ARGUMENT...]
set -euo pipefail

for tool in Xvfb openbox dbus-run-session xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done
[[ -x /usr/libexec/at-spi-bus-launcher ]] || { echo "at-spi2-core is missing: run scripts/setup.sh" >&2; exit 1; }

folder=$(mktemp -d)
cleanup() {
    kill "${window_manager:-}" "${server:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

# Xvfb takes a display number of this session's own, not the first free one: the server of the
# session before may still be ending on that one, and its exit removed the lock file and the
# socket of the new server there, which then took no client. It writes the number once it
# accepts clients, and ends at once where the number is taken; then the next is tried. It
# listens on its socket file alone: the abstract socket of the same name is shared by every root
# on the machine, so that a session in a fresh root would reach the display of one beside it.
# Each attempt has a pipe of its own, and takes only its own number from it: a server of an
# attempt given up on, slow to start on a busy machine, may still write its number, and a
# client sent to that server, which is ended, finds no display.
for attempt in 1 2 3 4 5 6 7 8; do
    number=$((100 + ($$ * 7 + attempt * 131) % 900))
    mkfifo "$folder/display-$attempt"
    Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten local \
        3>"$folder/display-$attempt" >"$folder/xvfb.log" 2>&1 &
    server=$!
    ready=""
    read -r -t 30 ready <"$folder/display-$attempt" || true
    [[ $ready == "$number" ]] && break
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    server=""
done
[[ -n $server ]] || { echo "Xvfb did not start:" >&2; cat "$folder/xvfb.log" >&2; exit 1; }
export DISPLAY=":$ready"

openbox --sm-disable >"$folder/openbox.log" 2>&1 &
window_manager=$!
# The window manager is ready once it announces itself on the root window. A window mapped
# before then is taken in without being made active, so the command waits for it; on a busy
# machine that may take seconds.
for attempt in $(seq 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    [[ $attempt -lt 600 ]] || {
        echo "openbox did not start in 30 s on $DISPLAY:" >&2
        cat "$folder/openbox.log" "$folder/xvfb.log" >&2
        # What the display's server and its socket were then, for the next one to read.
        kill -0 "$server" 2>/dev/null && echo "Xvfb $server is running" >&2 || echo "Xvfb $server has ended" >&2
        ls -la /tmp/.X11-unix >&2 || true
        grep -a "X11-unix/X$ready" /proc/net/unix >&2 || echo "no socket of :$ready is listening" >&2
        exit 1
    }
    sleep 0.05
done

export XDG_RUNTIME_DIR="$folder"
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    status=0
    "$@" || status=$?
    kill $launcher 2>/dev/null
    exit $status
' session "$@"
