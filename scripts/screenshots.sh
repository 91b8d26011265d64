#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Renders every window offscreen and refreshes the README's screenshots in docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target render_windows
build/default/tools/render_windows docs/screenshots
