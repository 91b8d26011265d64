#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Every test carries one of the test groups, and the quick run takes unit and window tests
alone: none that needs a desktop, builds a release, fuzzes, runs under Wine or runs long.

Usage: tests/test_groups.py SOURCE_DIR CTEST BUILD_DIR
"""
import json
import subprocess
import sys

source, ctest, build = sys.argv[1:4]
groups = {"unit", "window", "desktop", "package", "fuzz", "windows", "long"}
quick = {"unit", "window"}


def tests(*arguments):
    """The tests ctest would run, each with its labels."""
    listing = subprocess.run([ctest, "--show-only=json-v1", *arguments], check=True,
                             capture_output=True, text=True, cwd=source).stdout
    found = {}
    for test in json.loads(listing)["tests"]:
        labels = set()
        for entry in test.get("properties", []):
            if entry["name"] == "LABELS":
                labels = set(entry["value"])
        found[test["name"]] = labels
    return found


# The quick preset's filter, applied to this build's tests.
with open(f"{source}/CMakePresets.json", encoding="utf-8") as presets:
    preset = next(p for p in json.load(presets)["testPresets"] if p["name"] == "quick")
chosen = []
for kind, option in (("include", "-L"), ("exclude", "-LE")):
    if label := preset.get("filter", {}).get(kind, {}).get("label"):
        chosen += [option, label]

failures = []
for name, labels in tests("--test-dir", build).items():
    if not labels & groups:
        failures.append(f"{name} carries no test group (labels: {sorted(labels) or 'none'})")
for name, labels in tests("--test-dir", build, *chosen).items():
    if not labels & quick or labels - quick - {"reproducible"}:
        failures.append(f"the quick run takes {name} ({sorted(labels)})")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
