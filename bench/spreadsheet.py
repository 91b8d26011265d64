#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code check on a 100,000-row .xlsx parts list, its output to /dev/null: a median of at
most 2 s and a peak memory below 64 MB. The sheet holds references and values as shared
strings, a quantity as a number and a tolerance as a number in per cent; one value in eight (5k)
lies outside its series. Timed in the same run, round by round: awk '{print $1}' on the same
rows saved as CSV, as the cost of merely reading them.

Usage: bench/spreadsheet.py [BUILD_DIR] [ROUNDS]   (default build/default, 5 rounds)
Build first with: cmake --preset default && cmake --build --preset default
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time
import zipfile

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
code = os.path.join(build, "ohmilka-code")
rows = 100_000
forms = ["4k7", "10k", "5k", "1k2", "4.99k", "220", "2M2", "0R22"]
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELS = "http://schemas.openxmlformats.org/package/2006/relationships"
DOC = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def write_sheet(path):
    """Written piece by piece: the kernel counts this script's own size as the child's until it
    starts the program, so it stays small."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("xl/workbook.xml", f'<workbook xmlns="{MAIN}" xmlns:r="{DOC}"><sheets>'
                         '<sheet name="BOM" sheetId="1" r:id="rId1"/></sheets></workbook>')
        archive.writestr("xl/_rels/workbook.xml.rels",
                         f'<Relationships xmlns="{RELS}">'
                         f'<Relationship Id="rId1" Type="{DOC}/worksheet" '
                         'Target="worksheets/sheet1.xml"/>'
                         f'<Relationship Id="rId2" Type="{DOC}/sharedStrings" '
                         'Target="sharedStrings.xml"/>'
                         f'<Relationship Id="rId3" Type="{DOC}/styles" Target="styles.xml"/>'
                         "</Relationships>")
        archive.writestr("xl/styles.xml", f'<styleSheet xmlns="{MAIN}"><cellXfs>'
                         '<xf numFmtId="0"/><xf numFmtId="9"/></cellXfs></styleSheet>')
        # Shared strings: the labels, the forms, then each row's reference.
        with archive.open("xl/sharedStrings.xml", "w") as strings:
            strings.write(f'<sst xmlns="{MAIN}">'.encode())
            for text in ["Ref", "Value", "Qty", "Tolerance"] + forms:
                strings.write(f"<si><t>{text}</t></si>".encode())
            for row in range(2, rows + 2):
                strings.write(f"<si><t>R{row - 1}</t></si>".encode())
            strings.write(b"</sst>")
        references = 4 + len(forms) - 2  # the shared string of row 2's reference, less 2
        with archive.open("xl/worksheets/sheet1.xml", "w") as sheet:
            sheet.write(f'<worksheet xmlns="{MAIN}"><sheetData>'
                        '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c>'
                        '<c r="C1" t="s"><v>2</v></c><c r="D1" t="s"><v>3</v></c></row>'.encode())
            for row in range(2, rows + 2):
                sheet.write(f'<row r="{row}"><c r="A{row}" t="s"><v>{references + row}</v></c>'
                            f'<c r="B{row}" t="s"><v>{4 + row % len(forms)}</v></c>'
                            f'<c r="C{row}"><v>1</v></c><c r="D{row}" s="1"><v>0.05</v></c>'
                            "</row>".encode())
            sheet.write(b"</sheetData></worksheet>")
    with open(path + ".csv", "w") as export:
        export.write("Ref,Value,Qty,Tolerance\n")
        for row in range(2, rows + 2):
            export.write(f"R{row - 1},{forms[row % len(forms)]},1,5%\n")


def run(command):
    """Seconds and peak MiB of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                               text=True, env=dict(os.environ, LC_ALL="C"))
    err = process.stderr.read()
    _, wait_status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    if command[0] == code and f"checked {rows}" not in err:
        sys.exit(f"unexpected answer: {err.strip()}")
    return seconds, usage.ru_maxrss / 1024


with tempfile.TemporaryDirectory() as folder:
    sheet = os.path.join(folder, "bom.xlsx")
    write_sheet(sheet)
    checks, awks, peak = [], [], 0.0
    for _ in range(rounds):
        seconds, mib = run([code, "check", sheet])
        checks.append(seconds)
        peak = max(peak, mib)
        awks.append(run(["awk", "{print $1}", sheet + ".csv"])[0])
    median = statistics.median(checks)
    ok = median <= 2 and peak < 64
    print(f"check on {rows} rows of .xlsx ({os.path.getsize(sheet) // 1024} KiB), {rounds} rounds: "
          f"median {median:.3f} s (limit 2 s), awk on its CSV {statistics.median(awks):.3f} s; "
          f"peak memory {peak:.1f} MiB: {'ok' if ok else 'TOO SLOW OR TOO LARGE'}")
    sys.exit(0 if ok else 1)
