#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code check, its output to /dev/null, timed and weighed on two inputs:
- a plain list of 1,000,000 values that cycle through eight forms, one of which (5k) lies
  outside its series: a median of at most 3 times that of awk '{print $1}' on the same file,
  timed in the same run, round by round;
- the same values as a Czech spreadsheet saves them, with references and a description:
  semicolons, Windows-1250, CR LF: a median of at most 1.5 s;
- the same values with a footprint and a part number each, of five makers' keys and one that
  no key reads, every part number held to its value and size: a median of at most 2.5 s;
- a CSV whose second row is 60 MB of commas: a peak memory below 64 MB, as for any input.
The peak memory of every run is measured (the largest resident size the kernel reports).

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
numbers = ["RC0603FR-074K7L", "CRCW060310K0FKEA", "RMCF0603FT5K00", "RMCF0603JT1K20",
           "ERJ-3EKF4991V", "CRG0603F220R", "RC0603JR-072M2L", "SHUNT-0R22"]
values = 1_000_000
memory_limit_mib = 64


def run(path, status, summary):
    """Seconds and peak MiB of one check of path."""
    start = time.perf_counter()
    process = subprocess.Popen([code, "check", path], stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True,
                               env=dict(os.environ, LC_ALL="C"))
    err = process.stderr.read()
    _, wait_status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    returncode = os.waitstatus_to_exitcode(wait_status)
    if returncode != status or summary not in err:
        sys.exit(f"unexpected answer: status {returncode}, {err.strip()}")
    return seconds, usage.ru_maxrss / 1024


def measure(name, path, status, summary):
    results = [run(path, status, summary) for _ in range(rounds)]
    median = statistics.median(seconds for seconds, _ in results)
    peak = max(mib for _, mib in results)
    print(f"{name}, {rounds} rounds: median {median:.3f} s, peak memory {peak:.1f} MiB")
    return median, peak


def awk_seconds(path):
    """Seconds of awk '{print $1}' over path, its output to /dev/null: the reference."""
    start = time.perf_counter()
    subprocess.run(["awk", "{print $1}", path], stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def against_awk(name, path, status, summary):
    """The ratio of the medians of check and of awk, run in turn, round by round."""
    checks, awks, peak = [], [], 0.0
    for _ in range(rounds):
        seconds, mib = run(path, status, summary)
        checks.append(seconds)
        awks.append(awk_seconds(path))
        peak = max(peak, mib)
    ratio = statistics.median(checks) / statistics.median(awks)
    print(f"{name}, {rounds} rounds: median {statistics.median(checks):.3f} s, awk "
          f"{statistics.median(awks):.3f} s, {ratio:.2f} times awk; peak memory {peak:.1f} MiB")
    return ratio, peak


with tempfile.TemporaryDirectory() as folder:
    plain = os.path.join(folder, "parts.txt")
    # Written piece by piece: the kernel counts this script's own size as the child's until it
    # starts the program, so it stays small.
    with open(plain, "w") as parts:
        for _ in range(values // len(forms)):
            parts.write("".join(form + "\n" for form in forms))
    spreadsheet = os.path.join(folder, "parts.csv")
    with open(spreadsheet, "w", encoding="cp1250", newline="\r\n") as parts:
        parts.write("Ref;Value;Popis\n")
        for number in range(values):
            parts.write(f"R{number + 1};{forms[number % len(forms)]};Odpor čip\n")
    ordered = os.path.join(folder, "ordered.csv")
    with open(ordered, "w") as parts:
        parts.write("Ref,Value,Footprint,MPN\n")
        for number in range(values):
            parts.write(f"R{number + 1},{forms[number % len(forms)]},"
                        f"Resistor_SMD:R_0603_1608Metric,{numbers[number % len(numbers)]}\n")
    flood = os.path.join(folder, "flood.csv")
    with open(flood, "w") as parts:
        parts.write("Value\n")
        for _ in range(60):
            parts.write("," * 1_000_000)
        parts.write("\n10k\n")
    list_ratio, list_peak = against_awk(f"{values} values", plain, 1, f"checked {values}:")
    csv_seconds, csv_peak = measure(f"{values} rows in Windows-1250", spreadsheet, 1,
                                    f"checked {values}:")
    ordered_seconds, _ = measure(f"{values} rows with part numbers", ordered, 1,
                                 f"checked {values}:")
    _, flood_peak = measure("60 MB of commas", flood, 2, "checked 2:")

met = {
    "at most 3 times awk for the list": list_ratio <= 3,
    "at most 1.5 s for the spreadsheet": csv_seconds <= 1.5,
    "at most 2.5 s for the part numbers": ordered_seconds <= 2.5,
    f"below {memory_limit_mib} MiB for the list and the flood":
        max(list_peak, flood_peak) < memory_limit_mib,
}
for target, ok in met.items():
    print(f"target ({target}):", "met" if ok else "MISSED")
sys.exit(0 if all(met.values()) else 1)
