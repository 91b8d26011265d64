#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code check on KiCad's own files of 10,000 symbols, its output to /dev/null: a
schematic (KiCad 7, a root sheet and a sheet used twice, 5,000 symbols each time, with their
instances, properties and a part number), the XML netlist of the same design, and the same in
KiCad 5's files: the legacy schematic, with an AR line for each place, and the netlist in
S-expressions. Each must be checked in a median of at most 0.5 s. Timed in the same run, round
by round: /bin/true, the cost of starting any process.

Usage: bench/kicad.py [BUILD_DIR] [ROUNDS]   (default build/default, 5 rounds)
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
per_sheet = 5000
forms = [("4k7", "RC0603FR-074K7L"), ("10k", "RC0603FR-0710KL"), ("5k", "ERJ-3EKF5001V"),
         ("2M2", "RC0603JR-072M2L")]
root_uuid = "aaaa0000-0000-4000-8000-000000000000"
sheets = ["bbbb0000-0000-4000-8000-00000000000a", "bbbb0000-0000-4000-8000-00000000000b"]


def write_schematic(folder):
    with open(os.path.join(folder, "board.kicad_sch"), "w") as root:
        root.write(f'(kicad_sch (version 20230121) (generator eeschema)\n  (uuid {root_uuid})\n'
                   '  (lib_symbols)\n')
        for i, sheet in enumerate(sheets):
            root.write(f'  (sheet (at 0 {i * 20}) (size 20 10) (uuid {sheet})\n'
                       f'    (property "Sheetname" "Part {i}" (at 0 0 0))\n'
                       '    (property "Sheetfile" "part.kicad_sch" (at 0 0 0)))\n')
        root.write(")\n")
    with open(os.path.join(folder, "part.kicad_sch"), "w") as part:
        part.write('(kicad_sch (version 20230121) (generator eeschema)\n'
                   '  (uuid cccc0000-0000-4000-8000-000000000000)\n  (lib_symbols)\n')
        for n in range(per_sheet):
            value, mpn = forms[n % len(forms)]
            paths = "".join(
                f'\n        (path "/{root_uuid}/{sheet}" (reference "R{(i + 1) * 10000 + n}") '
                "(unit 1))" for i, sheet in enumerate(sheets))
            part.write(f'  (symbol (lib_id "Device:R") (at {n} 0 0) (unit 1)\n'
                       '    (in_bom yes) (on_board yes) (dnp no)\n'
                       f'    (uuid dddd0000-0000-4000-8000-{n:012d})\n'
                       f'    (property "Reference" "R?" (at 0 0 0) (effects (font (size 1.27 1.27))))\n'
                       f'    (property "Value" "{value}" (at 0 0 0) (effects (font (size 1.27 1.27))))\n'
                       '    (property "Footprint" "Resistor_SMD:R_0603_1608Metric" (at 0 0 0)\n'
                       '      (effects (font (size 1.27 1.27)) hide))\n'
                       f'    (property "MPN" "{mpn}" (at 0 0 0) (effects (font (size 1.27 1.27)) hide))\n'
                       '    (pin "1" (uuid eeee0000-0000-4000-8000-000000000001))\n'
                       '    (pin "2" (uuid eeee0000-0000-4000-8000-000000000002))\n'
                       f'    (instances\n      (project "board"{paths}))\n  )\n')
        part.write(")\n")


def write_netlist(folder):
    with open(os.path.join(folder, "board.xml"), "w") as netlist:
        netlist.write('<?xml version="1.0" encoding="UTF-8"?>\n<export version="E">\n'
                      "  <design><source>board.kicad_sch</source></design>\n  <components>\n")
        for i in range(len(sheets)):
            for n in range(per_sheet):
                value, mpn = forms[n % len(forms)]
                netlist.write(f'    <comp ref="R{(i + 1) * 10000 + n}">\n'
                              f"      <value>{value}</value>\n"
                              "      <footprint>Resistor_SMD:R_0603_1608Metric</footprint>\n"
                              f'      <fields><field name="MPN">{mpn}</field></fields>\n'
                              '      <libsource lib="Device" part="R" description="Resistor"/>\n'
                              "    </comp>\n")
        netlist.write("  </components>\n</export>\n")


def write_legacy(folder):
    """The same design as KiCad 5 writes it: a root of two $Sheet blocks of one sheet file, whose
    components carry an AR line for each place, and the S-expression netlist of it."""
    stamps = ["5C7D1000", "5C7D2000"]
    with open(os.path.join(folder, "board.sch"), "w") as root:
        root.write("EESchema Schematic File Version 4\nEELAYER 30 0\nEELAYER END\n")
        for i, stamp in enumerate(stamps):
            root.write(f'$Sheet\nS 0 {i * 2000} 1000 500\nU {stamp}\nF0 "Part {i}" 50\n'
                       'F1 "part.sch" 50\n$EndSheet\n')
        root.write("$EndSCHEMATC\n")
    with open(os.path.join(folder, "part.sch"), "w") as part:
        part.write("EESchema Schematic File Version 4\nEELAYER 30 0\nEELAYER END\n")
        for n in range(per_sheet):
            value, mpn = forms[n % len(forms)]
            paths = "".join(f'AR Path="/{stamp}/{n:08X}" Ref="R{(i + 1) * 10000 + n}"  Part="1"\n'
                            for i, stamp in enumerate(stamps))
            part.write(f"$Comp\nL Device:R R?\nU 1 1 {n:08X}\nP {n} 0\n{paths}"
                       f'F 0 "R?" H {n} 0 50  0000 L CNN\n'
                       f'F 1 "{value}" H {n} 0 50  0000 L CNN\n'
                       f'F 2 "Resistor_SMD:R_0603_1608Metric" V {n} 0 50  0001 C CNN\n'
                       f'F 3 "~" H {n} 0 50  0001 C CNN\n'
                       f'F 4 "{mpn}" H {n} 0 50  0001 C CNN "MPN"\n'
                       f"\t1    {n} 0\n\t1    0    0    -1\n$EndComp\n")
        part.write("$EndSCHEMATC\n")
    with open(os.path.join(folder, "board.net"), "w") as netlist:
        netlist.write('(export (version D)\n  (design (source board.sch))\n  (components\n')
        for i in range(len(sheets)):
            for n in range(per_sheet):
                value, mpn = forms[n % len(forms)]
                netlist.write(f"    (comp (ref R{(i + 1) * 10000 + n})\n      (value {value})\n"
                              "      (footprint Resistor_SMD:R_0603_1608Metric)\n"
                              f"      (fields (field (name MPN) {mpn}))\n"
                              "      (libsource (lib Device) (part R) (description Resistor)))\n")
        netlist.write("  ))\n")


def run(command, expect):
    start = time.perf_counter()
    process = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                             text=True, env=dict(os.environ, LC_ALL="C"))
    seconds = time.perf_counter() - start
    if expect not in process.stderr:
        sys.exit(f"unexpected answer: {process.stderr.strip()}")
    return seconds


failed = False
with tempfile.TemporaryDirectory() as folder:
    write_schematic(folder)
    write_netlist(folder)
    write_legacy(folder)
    expect = f"checked {2 * per_sheet}: "
    for name in ("board.kicad_sch", "board.xml", "board.sch", "board.net"):
        path = os.path.join(folder, name)
        checks, trues = [], []
        for _ in range(rounds):
            checks.append(run([code, "check", path], expect))
            trues.append(run(["/bin/true"], ""))
        median = statistics.median(checks)
        ok = median <= 0.5
        failed = failed or not ok
        size = sum(os.path.getsize(os.path.join(folder, other)) for other in os.listdir(folder)
                   if other.endswith(os.path.splitext(name)[1]))
        print(f"check {name} ({size // 1024} KiB, {2 * per_sheet} symbols), "
              f"{rounds} rounds: median {median * 1000:.0f} ms (limit 500 ms), /bin/true "
              f"{statistics.median(trues) * 1000:.1f} ms: {'ok' if ok else 'TOO SLOW'}")
sys.exit(1 if failed else 0)
