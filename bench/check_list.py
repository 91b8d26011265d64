#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code check on a plain list of 1,000,000 values, its output to /dev/null: the values
cycle through eight forms, one of which (5k) lies outside its series. The target is a median of
at most 1 s.

Usage: bench/check_list.py [BUILD_DIR] [ROUNDS]   (default build/default, 5 rounds)
Build first with: cmake --preset default && cmake --build --preset default
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
code = os.path.join(build, "ohmilka-code")
forms = ["4k7", "10k", "5k", "1k2 5%", "4.99k 1%", "220", "2M2", "0R22"]
values = 1_000_000

with tempfile.NamedTemporaryFile("w", suffix=".txt") as parts:
    parts.write("".join(forms[i % len(forms)] + "\n" for i in range(values)))
    parts.flush()
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        run = subprocess.run([code, "check", parts.name], stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, env=dict(os.environ, LC_ALL="C"))
        times.append(time.perf_counter() - start)
        if run.returncode != 1 or f"checked {values}:" not in run.stderr:
            sys.exit(f"unexpected answer: status {run.returncode}, {run.stderr.strip()}")

median = statistics.median(times)
print(f"{values} values, {rounds} rounds: median {median:.3f} s "
      f"({min(times):.3f}–{max(times):.3f})")
print("target (at most 1 s):", "met" if median <= 1 else "MISSED")
sys.exit(0 if median <= 1 else 1)
