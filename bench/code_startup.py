#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code as people and scripts run it: decode and encode as whole processes, alternating
with /bin/true in one run, so that the machine's mood weighs on all three alike. The target is a
median of at most 3 times /bin/true's.

Usage: bench/code_startup.py [BUILD_DIR] [ROUNDS]   (default build/default, 300 rounds)
Build first with: cmake --preset default && cmake --build --preset default
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 300
code = os.path.join(build, "ohmilka-code")
commands = {
    "/bin/true": ["/bin/true"],
    "decode": [code, "decode", "hnědá", "černá", "červená", "zlatá"],
    "encode": [code, "encode", "4k7", "--json"],
}
times = {name: [] for name in commands}
for _ in range(rounds):
    for name, command in commands.items():
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
        times[name].append((time.perf_counter() - start) * 1000)

baseline = statistics.median(times["/bin/true"])
print(f"{rounds} rounds, medians (min–max) in ms:")
for name, measured in times.items():
    median = statistics.median(measured)
    print(f"  {name:10} {median:6.2f} ({min(measured):.2f}–{max(measured):.2f})"
          f"  {median / baseline:4.2f} × /bin/true")
worst = max(statistics.median(times[name]) for name in ("decode", "encode")) / baseline
print("target (at most 3 × /bin/true):", "met" if worst <= 3 else "MISSED")
sys.exit(0 if worst <= 3 else 1)
