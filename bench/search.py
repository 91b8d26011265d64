#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code combine and divider, timed and weighed, alternating with /bin/true (the cost of
starting any process) in the same run, round by round:
- combine over E192 with up to 4 parts: a median of at most 0.5 s;
- combine over E192 with up to 3 parts, and divider over E192: a median of at most 50 ms each;
- a peak memory below 64 MB for every run (the largest resident size the kernel reports).
The targets are one the series holds (many exact networks tie) and two it does not.

Usage: bench/search.py [BUILD_DIR] [ROUNDS]   (default build/default, 5 rounds)
Build first with: cmake --preset default && cmake --build --preset default
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
code = os.path.join(build, "ohmilka-code")
memory_limit_mib = 64

cases = [
    ("combine 15.4k, E192, 4 parts", ["combine", "15.4k", "--series", "E192", "--parts", "4"], 0.5),
    ("combine 15.41k, E192, 4 parts", ["combine", "15.41k", "--series", "E192", "--parts", "4"], 0.5),
    ("combine 3.14159, E192, 4 parts", ["combine", "3.14159", "--series", "E192", "--parts", "4"],
     0.5),
    ("combine 15.41k, E192, 3 parts", ["combine", "15.41k", "--series", "E192"], 0.05),
    ("divider 0.8 V to 3.3 V, E192", ["divider", "--vref", "0.8", "--vout", "3.3", "--series",
                                      "E192", "--total", "10k..1M"], 0.05),
]


def run(command):
    """Seconds and peak MiB of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, wait_status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(wait_status) != 0:
        sys.exit(f"{' '.join(command)} failed")
    return seconds, usage.ru_maxrss / 1024


failed = False
for name, arguments, limit in cases:
    times, trues, peak = [], [], 0.0
    for _ in range(rounds):
        seconds, mib = run([code] + arguments)
        times.append(seconds)
        peak = max(peak, mib)
        trues.append(run(["/bin/true"])[0])
    median = statistics.median(times)
    verdict = "ok" if median <= limit and peak < memory_limit_mib else "TOO SLOW OR TOO LARGE"
    failed = failed or verdict != "ok"
    print(f"{name}, {rounds} rounds: median {median * 1000:.1f} ms (limit {limit * 1000:.0f} ms), "
          f"/bin/true {statistics.median(trues) * 1000:.1f} ms; peak memory {peak:.1f} MiB: "
          f"{verdict}")
sys.exit(1 if failed else 0)
