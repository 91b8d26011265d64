#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Start-up benchmark: time from process start to the first paint of the main window, and peak
memory, for Ohmilka and for a bare Qt window with the same kinds of widgets, alternating.

Usage: bench/startup.py [BUILD_DIR] [ROUNDS]   (default build/default, 30 rounds)
Build first with: cmake --preset default && cmake --build --preset default
Runs on Qt's offscreen platform unless QT_QPA_PLATFORM is set.
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 30
probe = os.path.join(build, "bench", "startup_probe")
env = dict(os.environ)
env.setdefault("QT_QPA_PLATFORM", "offscreen")
env.setdefault("XDG_RUNTIME_DIR", "/tmp/ohmilka-bench-runtime")
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)


def run(kind):
    start = time.monotonic_ns()
    process = subprocess.Popen([probe, kind], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               env=env)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0 or not output.strip():
        sys.exit(f"{kind}: the probe failed (status {status})")
    return (int(output) - start) / 1e6, usage.ru_maxrss / 1024  # ms, MiB


results = {"ohmilka": [], "bare": []}
for kind in ("ohmilka", "bare"):  # one warm-up each, not counted
    run(kind)
for _ in range(rounds):
    for kind in ("ohmilka", "bare"):
        results[kind].append(run(kind))

median = {kind: (statistics.median(t for t, _ in r), max(m for _, m in r))
          for kind, r in results.items()}
for kind, (ms, mib) in median.items():
    print(f"{kind:8} first paint median {ms:7.1f} ms   peak memory {mib:6.1f} MiB")
print(f"ratio {median['ohmilka'][0] / median['bare'][0]:.2f}   "
      f"memory difference {median['ohmilka'][1] - median['bare'][1]:+.1f} MiB   "
      f"({rounds} alternating rounds, platform {env['QT_QPA_PLATFORM']})")
