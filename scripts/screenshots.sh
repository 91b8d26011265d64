#!/usr/bin/env bash
# Renders every window offscreen and refreshes the README's screenshots in docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target render_windows
build/default/tools/render_windows docs/screenshots
