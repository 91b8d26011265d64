#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""ohmilka-code check --json on every parts list, spreadsheet, KiCad schematic and netlist in a
folder, held to a count of its own: the resistor designators each file names, found by a reader
far simpler than the program's (every cell that lists designators, outside the columns of values,
packages and descriptions; every placed symbol and component of KiCad's files). For each file it
prints the resistors named, those the program accounted for (checked, not fitted or left out of
the BOM), those it named as not read (the first ten), its status and time; then the totals, and
the files where the two counts differ.

Usage: bench/corpus.py DIR [BUILD_DIR]   (default build/default)
A schematic is checked from its root: a sheet that another schematic of the folder names is
read through that one.
"""
import csv
import io
import json
import os
import re
import subprocess
import sys
import time
import zipfile
import xml.etree.ElementTree as ElementTree

folder = sys.argv[1]
build = sys.argv[2] if len(sys.argv) > 2 else "build/default"
code = os.path.join(build, "ohmilka-code")

LISTS = (".csv", ".tsv", ".txt", ".bom", ".xlsx", ".ods", ".lst", ".md", ".htm", ".html")
RESISTOR = re.compile(r"^[Rr](\d+)[A-Za-z]?$|^[Rr]\?$")
DESIGNATOR = re.compile(r"^[A-Za-z]{1,5}(\d+[A-Za-z]?|\?)$")
RANGE = re.compile(r"^([Rr])(\d+)-(?:[Rr])?(\d+)$")
# Columns whose cells are values, packages or words, where R10 and R0603 name no resistor.
NOT_DESIGNATORS = re.compile(r"value|wert|comment|package|footprint|case|descr|mpn|part ?n|"
                             r"manuf|pattern|device|size", re.I)


def resistors_in_cell(cell):
    """The resistor designators of a cell that lists designators only."""
    tokens = [t for t in re.split(r"[,;\s]+", cell.strip().strip("\"'")) if t]
    if not tokens:
        return []
    named = []
    for token in tokens:
        match = RANGE.match(token)
        if match:
            first, last = int(match.group(2)), int(match.group(3))
            if last < first or last - first > 10000:
                return []
            named += [f"{match.group(1)}{n}" for n in range(first, last + 1)]
        elif DESIGNATOR.match(token) or re.match(r"^[A-Za-z]{1,5}\d+-[A-Za-z]*\d+$", token):
            if RESISTOR.match(token) and not re.match(r"^[Rr]0\d|.*[kKmM]$", token):
                named.append(token)
        else:
            return []
    return named


def resistors_in_rows(rows):
    """The resistors a table names, outside the columns of values and packages."""
    skipped = set()
    for row in rows[:40]:  # the header: the first row with two labels of a parts list
        labels = [cell.strip().lower() for cell in row]
        if sum(bool(re.search(r"ref|desig|part|value|qty|quant|footprint|comment", label))
               for label in labels) >= 2:
            skipped = {i for i, label in enumerate(labels)
                       if NOT_DESIGNATORS.search(label) and not re.search(r"ref|desig", label)}
            break
    named = []
    for row in rows:
        for i, cell in enumerate(row):
            if i not in skipped:
                named += resistors_in_cell(cell)
    return named


def text_rows(path):
    raw = open(path, "rb").read()
    for encoding in ("utf-8-sig", "utf-16", "cp1250"):
        try:
            text = raw.decode(encoding)
            break
        except UnicodeDecodeError:
            continue
    lines = text.splitlines()
    sample = "\n".join(lines[:50])
    separator = max([",", ";", "\t"], key=sample.count)
    if sample.count(separator) == 0:
        return [re.split(r"\s{2,}|\t", line) for line in lines]
    return list(csv.reader(io.StringIO(text), delimiter=separator))


def xlsx_rows(path):
    archive = zipfile.ZipFile(path)
    names = archive.namelist()
    ns = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}
    shared = []
    if "xl/sharedStrings.xml" in names:
        for item in ElementTree.fromstring(archive.read("xl/sharedStrings.xml")).findall("m:si", ns):
            shared.append("".join(t.text or "" for t in item.iter(f"{{{ns['m']}}}t")))
    rows = []
    for name in sorted(n for n in names if re.match(r"xl/worksheets/sheet\d+\.xml$", n)):
        for row in ElementTree.fromstring(archive.read(name)).iter(f"{{{ns['m']}}}row"):
            cells = []
            for cell in row.findall("m:c", ns):
                value = cell.find("m:v", ns)
                text = "".join(t.text or "" for t in cell.iter(f"{{{ns['m']}}}t"))
                if value is not None and cell.get("t") == "s":
                    text = shared[int(value.text)]
                elif value is not None:
                    text = value.text or ""
                cells.append(text)
            rows.append(cells)
    return rows


def ods_rows(path):
    root = ElementTree.fromstring(zipfile.ZipFile(path).read("content.xml"))
    table = "{urn:oasis:names:tc:opendocument:xmlns:table:1.0}"
    rows = []
    for row in root.iter(f"{table}table-row"):
        rows.append(["".join(cell.itertext()) for cell in row.findall(f"{table}table-cell")])
    return rows


def kicad_schematic_resistors(path, project=None, seen=None):
    """Placed symbols' references, through the sheets: the instances of this project where
    they are written (KiCad 7 on), else every instance, else the Reference property."""
    project = project or os.path.splitext(os.path.basename(path))[0]
    seen = seen if seen is not None else set()
    if path in seen or not os.path.exists(path):
        return []
    seen.add(path)
    text = open(path, encoding="utf-8", errors="replace").read()
    body = re.sub(r"\(lib_symbols.*?\n  \)\n", "", text, flags=re.S)
    named, current = [], None
    for line in body.splitlines():
        if match := re.search(r'\(project "([^"]*)"', line):
            current = match.group(1)
        for reference in re.findall(r'\(reference "?([^"\s)]+)"?', line):
            if current in (None, project):
                named.append(reference)
    if not named:
        named = re.findall(r'\(property "Reference" "([^"]+)"', body)
    for sheet in re.findall(r'\(property "Sheet ?file" "([^"]+)"', body):
        named += kicad_schematic_resistors(os.path.join(os.path.dirname(path), sheet), project,
                                           seen)
    return named


def legacy_resistors(path, place="", seen=0):
    """KiCad 5: each component's reference on its place (the U stamps of the sheets down to its
    own), from its AR lines, else its F 0 field; through the $Sheet blocks."""
    if seen > 32 or not os.path.exists(path):
        return []
    named, component, sheet_stamp = [], None, None
    for line in open(path, encoding="utf-8", errors="replace"):
        words = line.split()
        if line.startswith("$Comp"):
            component = {"ars": {}}
        elif line.startswith("$EndComp") and component:
            ref = component["ars"].get(f"{place}/{component.get('stamp')}", component.get("ref"))
            named.append(ref or "")
            component = None
        elif component is not None and words[:1] == ["U"] and len(words) >= 4:
            component["stamp"] = words[3]
        elif component is not None and words[:1] == ["AR"]:
            match = re.search(r'Path="([^"]*)" Ref="([^"]*)"', line)
            if match:
                component["ars"][match.group(1)] = match.group(2)
        elif component is not None and words[:2] == ["F", "0"]:
            component["ref"] = words[2].strip('"')
        elif line.startswith("U ") and component is None:
            sheet_stamp = words[1]
        elif line.startswith("F1 ") and component is None and '"' in line:
            sheet = re.search(r'"([^"]*)"', line).group(1)
            folder_of_root = os.path.dirname(root_of.get(path, path))
            child = os.path.join(folder_of_root, sheet)
            root_of[child] = root_of.get(path, path)
            named += legacy_resistors(child, f"{place}/{sheet_stamp}", seen + 1)
    return named


root_of = {}


def netlist_resistors(text):
    return re.findall(r'<comp ref="([^"]+)"', text) or re.findall(r'\(comp \(ref "?([^"\s)]+)', text)


def named_resistors(path):
    lower = path.lower()
    if lower.endswith(".sch"):
        return {r for r in legacy_resistors(path) if RESISTOR.match(r) and r[-1] != "?"}
    if lower.endswith(".kicad_sch"):
        return {r for r in kicad_schematic_resistors(path) if RESISTOR.match(r) and r[-1] != "?"}
    if lower.endswith((".net", ".xml")):
        text = open(path, encoding="utf-8", errors="replace").read()
        return {r for r in netlist_resistors(text) if RESISTOR.match(r) and r[-1] != "?"}
    if lower.endswith(".xlsx"):
        rows = xlsx_rows(path)
    elif lower.endswith(".ods"):
        rows = ods_rows(path)
    else:
        rows = text_rows(path)
    return set(resistors_in_rows(rows))


def sheet_files(paths):
    """The schematics that another one names as its sheet."""
    sheets = set()
    for path in paths:
        text = open(path, encoding="utf-8", errors="replace").read()
        for sheet in re.findall(r'\(property "Sheet ?file" "([^"]+)"', text):
            sheets.add(os.path.normpath(os.path.join(os.path.dirname(path), sheet)))
    return sheets


def legacy_sheet_files(paths):
    """KiCad 5's sheets, named from the folder of the schematic that names them."""
    sheets = set()
    for path in paths:
        for line in open(path, encoding="utf-8", errors="replace"):
            if line.startswith("F1 "):
                match = re.search(r'"([^"]*)"', line)
                if match:
                    sheets.add(os.path.normpath(os.path.join(os.path.dirname(path),
                                                             match.group(1))))
    return sheets


def expanded(reference):
    match = RANGE.match(reference)
    if match:
        return [f"{match.group(1)}{n}" for n in range(int(match.group(2)), int(match.group(3)) + 1)]
    return [reference]


def check(path):
    start = time.perf_counter()
    process = subprocess.run([code, "check", "--json", path], capture_output=True, text=True,
                             env=dict(os.environ, LC_ALL="C.UTF-8"))
    seconds = time.perf_counter() - start
    accounted, not_read = set(), []
    for line in process.stdout.splitlines():
        try:
            found = json.loads(line)
        except json.JSONDecodeError:
            continue
        result = found.get("result")
        references = [r for ref in found.get("references") or [] for r in expanded(ref)]
        if result == "not_read":
            not_read += [(r, found.get("reason")) for r in references]
        elif result in ("in_series", "outside", "unreadable", "mismatch", "not_fitted",
                        "left_out_of_bom"):
            accounted.update(r for r in references if RESISTOR.match(r))
    return process.returncode, seconds, accounted, not_read


def main():
    paths = []
    for directory, _, files in os.walk(folder):
        paths += [os.path.join(directory, f) for f in files
                  if f.lower().endswith(LISTS + (".kicad_sch", ".sch", ".net", ".xml"))]
    sheets = sheet_files([p for p in paths if p.endswith(".kicad_sch")])
    sheets |= legacy_sheet_files([p for p in paths if p.endswith(".sch")])
    paths = sorted(p for p in paths if os.path.normpath(p) not in sheets)
    totals = {"files": 0, "named": 0, "accounted": 0, "not_read": 0, "seconds": 0.0}
    differing = []
    print("named\taccounted\tnot read\tstatus\tseconds\tfile")
    for path in paths:
        try:
            named = named_resistors(path)
        except (OSError, zipfile.BadZipFile, ElementTree.ParseError, KeyError, csv.Error):
            named = set()
        status, seconds, accounted, not_read = check(path)
        unread = {r for r, _ in not_read}
        shown = ", ".join(f"{r} ({why})" for r, why in not_read[:10])
        print(f"{len(named)}\t{len(accounted)}\t{len(unread)}\t{status}\t{seconds:.3f}\t"
              f"{os.path.relpath(path, folder)}" + (f"\t{shown}" if shown else ""))
        totals["files"] += 1
        totals["named"] += len(named)
        totals["accounted"] += len(accounted & named) if named else len(accounted)
        totals["not_read"] += len(unread)
        totals["seconds"] += seconds
        missing = named - accounted - unread
        if missing or unread or (named and status == 0 and not accounted):
            differing.append((os.path.relpath(path, folder), sorted(missing)[:10], len(missing),
                              len(unread), status))
    print(f"\n{totals['files']} files: {totals['named']} resistors named, {totals['accounted']} "
          f"accounted for, {totals['not_read']} named as not read; {totals['seconds']:.1f} s")
    print("\nfiles where a resistor was not read, or the counts differ (named but neither "
          "accounted for nor named as not read):")
    for path, missing, count, unread, status in differing:
        print(f"  {path}: {unread} not read, {count} unaccounted {missing}, status {status}")


main()
