#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Writes the small spreadsheets the tests read, from the formats' own descriptions: Office Open
XML (ECMA-376: workbook, relationships, shared strings, styles, worksheets) and OpenDocument
(content.xml with tables, repeated rows and cells, covered cells). Each parts list has a twin,
the same sheet as a CSV export writes it (*.csv), which check must answer alike.

Usage: tests/spreadsheets/make-spreadsheets.py [FOLDER]   (default: this script's folder)
The files are checked in; run this after changing it. The output is the same on every run.
"""
import os
import sys
import zipfile

folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
stamp = (2026, 1, 1, 0, 0, 0)


def write_zip(name, entries, method=zipfile.ZIP_DEFLATED):
    with zipfile.ZipFile(os.path.join(folder, name), "w") as archive:
        for entry, text in entries:
            info = zipfile.ZipInfo(entry, date_time=stamp)
            info.compress_type = zipfile.ZIP_STORED if entry == "mimetype" else method
            archive.writestr(info, text)


def write_text(name, text):
    with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as out:
        out.write(text)


MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELS = "http://schemas.openxmlformats.org/package/2006/relationships"
DOC = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def xlsx(name, sheets, shared, formats, styles, prefix=""):
    """sheets: (name, sheetData xml); formats: custom (id, code); styles: numFmtId per style."""
    p = prefix + ":" if prefix else ""
    xmlns = f'xmlns{":" + prefix if prefix else ""}="{MAIN}"'
    content_types = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Default Extension="rels" '
        'ContentType="application/vnd.openxmlformats-package.relationships+xml"/></Types>')
    package_rels = (f'<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="{RELS}">'
                    f'<Relationship Id="rId1" Type="{DOC}/officeDocument" '
                    'Target="xl/workbook.xml"/></Relationships>')
    workbook = (f'<?xml version="1.0" encoding="UTF-8"?><{p}workbook {xmlns} xmlns:r="{DOC}">'
                f'<{p}sheets>' +
                "".join(f'<{p}sheet name="{sheet}" sheetId="{i + 1}" r:id="rId{i + 1}"/>'
                        for i, (sheet, _) in enumerate(sheets)) +
                f'</{p}sheets></{p}workbook>')
    count = len(sheets)
    workbook_rels = (f'<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="{RELS}">' +
                     "".join(f'<Relationship Id="rId{i + 1}" Type="{DOC}/worksheet" '
                             f'Target="worksheets/sheet{i + 1}.xml"/>' for i in range(count)) +
                     f'<Relationship Id="rId{count + 1}" Type="{DOC}/sharedStrings" '
                     'Target="sharedStrings.xml"/>'
                     f'<Relationship Id="rId{count + 2}" Type="{DOC}/styles" '
                     'Target="/xl/styles.xml"/></Relationships>')
    strings = (f'<?xml version="1.0" encoding="UTF-8"?><{p}sst {xmlns} count="{len(shared)}">' +
               "".join(f"<{p}si>{item}</{p}si>" for item in shared) + f"</{p}sst>")
    style_xml = (f'<?xml version="1.0" encoding="UTF-8"?><{p}styleSheet {xmlns}>'
                 f'<{p}numFmts count="{len(formats)}">' +
                 "".join(f'<{p}numFmt numFmtId="{i}" formatCode="{code}"/>' for i, code in formats) +
                 f'</{p}numFmts><{p}cellXfs count="{len(styles)}">' +
                 "".join(f'<{p}xf numFmtId="{i}"/>' for i in styles) +
                 f"</{p}cellXfs></{p}styleSheet>")
    entries = [("[Content_Types].xml", content_types), ("_rels/.rels", package_rels),
               ("xl/workbook.xml", workbook), ("xl/_rels/workbook.xml.rels", workbook_rels),
               ("xl/sharedStrings.xml", strings), ("xl/styles.xml", style_xml)]
    for i, (_, data) in enumerate(sheets):
        entries.append((f"xl/worksheets/sheet{i + 1}.xml",
                        f'<?xml version="1.0" encoding="UTF-8"?><{p}worksheet {xmlns}>'
                        f"<{p}sheetData>{data}</{p}sheetData>"
                        f'<{p}mergeCells count="1"><{p}mergeCell ref="B7:B8"/></{p}mergeCells>'
                        f"</{p}worksheet>"))
    write_zip(name, entries)


# bom.xlsx: a first sheet of notes without a header, then the parts list. Its cells: shared
# strings (one of rich-text runs with a phonetic guide), inline strings, numbers in General,
# fixed decimals, a thousands separator, text around a number, per cent in a Tolerance column, a
# formula's saved result, a boolean, cells without a reference, a value merged over two rows,
# and skipped (empty) rows.
shared = ["<t>Ref</t>", "<t>Value</t>", "<t>Tolerance</t>", "<t>Footprint</t>",
          "<t>R1, R2</t>", "<r><t>4k</t></r><r><t>7</t></r><rPh><t>x</t></rPh>",
          "<t>R_0603</t>", "<t>R3</t>", "<t>C1</t>", "<t>100n</t>",
          "<t>Notes: made by hand</t>"]
formats = [(164, '0.0&quot;k&quot;'), (165, '#,##0.00 &quot;Ω&quot;')]
styles = [0, 2, 9, 164, 3, 165, 10]  # style 0 General, 1 "0.00", 2 "0%", 3 "0.0\"k\"", ...
notes = '<row r="1"><c r="A1" t="s"><v>10</v></c></row>'


def s(ref, index):
    return f'<c r="{ref}" t="s"><v>{index}</v></c>'


def n(ref, value, style=0):
    return f'<c r="{ref}" s="{style}"><v>{value}</v></c>'


def inline(ref, text):
    return f'<c r="{ref}" t="inlineStr"><is><t>{text}</t></is></c>'


parts = "".join([
    '<row r="2">', s("A2", 0), s("B2", 1), s("C2", 2), s("D2", 3), "</row>",
    '<row r="3">', s("A3", 4), s("B3", 5), n("C3", "0.05", 2), s("D3", 6), "</row>",
    '<row r="4">', s("A4", 7), n("B4", "5000"), n("C4", "0.01", 2), s("D4", 6), "</row>",
    '<row r="5">', inline("A5", "R4"), n("B5", "4.99", 3), n("C5", "0.001", 6),
    '<c r="D5" t="str"><f>D4</f><v>R_0603</v></c>', "</row>",
    '<row r="7">', inline("A7", "R5"), n("B7", "1000", 4), inline("C7", "5%"), "</row>",
    '<row r="8">', inline("A8", "R6"), "<c/>", '<c t="b"><v>1</v></c>', "</row>",
    '<row r="9">', inline("A9", "R7"), '<c r="B9" s="5"><f>1000*2.2</f><v>2200</v></c>', "</row>",
    '<row r="10">', s("A10", 8), s("B10", 9), "</row>",
    '<row r="11">', inline("A11", "R8"), n("B11", "4.7", 1), "</row>",
])
xlsx("bom.xlsx", [("Notes", notes), ("BOM", parts)], shared, formats, styles)
xlsx("prefixed.xlsx", [("BOM", parts)], shared, formats, styles, prefix="x")


def rows_of(*rows):
    return "".join(f'<row r="{r}">' + "".join(inline(f"{chr(65 + c)}{r}", text)
                                             for c, text in enumerate(cells)) + "</row>"
                   for r, cells in enumerate(rows, 1))


# boards.xlsx: a board on each sheet, their designators reused: R1 as on the first sheet, R2
# another part.
xlsx("boards.xlsx", [("Main", rows_of(["Ref", "Value"], ["R1", "10k"], ["R2", "4k7"])),
                     ("Extension", rows_of(["Ref", "Value"], ["R1", "10k"], ["R2", "5k"],
                                           ["R3", "1k"]))], [], [], [0])
write_text("bom.xlsx.csv",
           "\n"
           "Ref,Value,Tolerance,Footprint\n"
           '"R1, R2",4k7,5%,R_0603\n'
           "R3,5000,1%,R_0603\n"
           "R4,5.0k,0.10%,R_0603\n"
           "\n"
           "R5,\"1,000\",5%\n"
           "R6,,TRUE\n"
           "R7,\"2,200.00 Ω\"\n"
           "C1,100n\n"
           "R8,4.70\n")

# bom.ods: a title table, then the parts list: repeated rows and cells, a covered (merged) cell,
# spaces as text:s, a comment on a cell, two paragraphs in a cell, and display text that differs
# from the stored value.
OFFICE = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
          'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"')


def cell(text, repeat=1, value=None):
    attributes = f' table:number-columns-repeated="{repeat}"' if repeat > 1 else ""
    if value is not None:
        attributes += f' office:value-type="float" office:value="{value}"'
    return f"<table:table-cell{attributes}><text:p>{text}</text:p></table:table-cell>"


empty = '<table:table-cell table:number-columns-repeated="1020"/>'
ods_rows = "".join([
    "<table:table-row>", cell("Ref"), cell("Value"), cell("Footprint"), empty, "</table:table-row>",
    "<table:table-row>", cell("R1"), cell("4,7k", value="4700"), cell("R_0603"), empty,
    "</table:table-row>",
    '<table:table-row table:number-rows-repeated="2"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>',
    "<table:table-row>", cell("R2"), cell("5<text:s/>k"), cell("R_0603"), "</table:table-row>",
    "<table:table-row>", cell("R3"),
    '<table:table-cell table:number-columns-spanned="2"><text:p>10k</text:p>'
    "<office:annotation><text:p>check this</text:p></office:annotation></table:table-cell>",
    "<table:covered-table-cell/>", "</table:table-row>",
    "<table:table-row>", cell("R4"), "<table:table-cell><text:p>2k2</text:p><text:p>0603</text:p>"
    "</table:table-cell>", "</table:table-row>",
    '<table:table-row table:number-rows-repeated="2">', cell("R5"), cell("1k", value="1000"),
    "</table:table-row>",
    '<table:table-row table:number-rows-repeated="1048000"><table:table-cell/></table:table-row>',
])
content = (f'<?xml version="1.0" encoding="UTF-8"?><office:document-content {OFFICE}>'
           "<office:body><office:spreadsheet>"
           '<table:table table:name="Title"><table:table-row>'
           f'{cell("Amplifier, rev. B")}</table:table-row></table:table>'
           f'<table:table table:name="BOM">{ods_rows}</table:table>'
           "</office:spreadsheet></office:body></office:document-content>")
write_zip("bom.ods", [("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
                      ("content.xml", content)])
write_text("bom.ods.csv",
           "Ref,Value,Footprint\n"
           "R1,\"4,7k\",R_0603\n"
           "\n"
           "\n"
           "R2,5 k,R_0603\n"
           "R3,10k\n"
           "R4,2k2 0603\n"
           "R5,1k\n"
           "R5,1k\n")

# The bounds: a sheet of 2 MiB of spaces packed into a few kilobytes, absurdly tight.
write_zip("tight.xlsx", [("[Content_Types].xml", "<Types/>"),
                         ("xl/workbook.xml", f'<workbook xmlns="{MAIN}"><sheets>'
                          f'<sheet name="A" sheetId="1" r:id="rId1" xmlns:r="{DOC}"/>'
                          "</sheets></workbook>"),
                         ("xl/_rels/workbook.xml.rels",
                          f'<Relationships xmlns="{RELS}"><Relationship Id="rId1" '
                          f'Type="{DOC}/worksheet" Target="worksheets/sheet1.xml"/>'
                          "</Relationships>"),
                         ("xl/worksheets/sheet1.xml",
                          f'<worksheet xmlns="{MAIN}">' + " " * (2 << 20) + "</worksheet>")])
# A sheet whose XML is not well-formed.
write_zip("broken.xlsx", [("xl/workbook.xml", f'<workbook xmlns="{MAIN}"><sheets>'
                           f'<sheet name="A" sheetId="1" r:id="rId1" xmlns:r="{DOC}"/>'
                           "</sheets></workbook>"),
                          ("xl/_rels/workbook.xml.rels",
                           f'<Relationships xmlns="{RELS}"><Relationship Id="rId1" '
                           f'Type="{DOC}/worksheet" Target="worksheets/sheet1.xml"/>'
                           "</Relationships>"),
                          ("xl/worksheets/sheet1.xml",
                           f'<worksheet xmlns="{MAIN}"><sheetData><row r="1"><c t="inlineStr">'
                           "<is><t>Value</t></is></c></row><row>")])
# A zip that holds no spreadsheet, and a spreadsheet cut short.
write_zip("notes.zip", [("notes.txt", "R1 10k\n")])
with open(os.path.join(folder, "bom.xlsx"), "rb") as whole:
    data = whole.read()
with open(os.path.join(folder, "cut-short.xlsx"), "wb") as cut:
    cut.write(data[: len(data) // 2])
