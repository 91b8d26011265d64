#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Reads back from a Windows executable its machine, subsystem and security characteristics,
and the version record and icon group from its resources.

Usage: version_record.py PROGRAM.exe ICON.ico BITS
"""
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
MACHINES = {"32": 0x14C, "64": 0x8664}  # IMAGE_FILE_MACHINE_I386, _AMD64
GUI_SUBSYSTEM = 2
# DllCharacteristics the linker must set: address-space layout randomisation (with 64-bit high
# entropy where it applies) and no execution of data.
HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x20, 0x40, 0x100
SECURITY = {"32": DYNAMIC_BASE | NX_COMPAT, "64": HIGH_ENTROPY_VA | DYNAMIC_BASE | NX_COMPAT}


def machine_and_subsystem(pe):
    # The machine is the file header's first field; the subsystem sits 68 bytes into the optional
    # header that follows the 24 bytes of signature and file header.
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    return struct.unpack_from("<H", pe, header + 4)[0], struct.unpack_from("<H", pe, header + 92)[0]


def dll_characteristics(pe):
    # Right after the subsystem, in the 32-bit and the 64-bit optional header alike.
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    return struct.unpack_from("<H", pe, header + 94)[0]


def resources(pe):
    """{type: [data of each resource of that type]} from the PE resource section."""
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    sections = struct.unpack_from("<H", pe, header + 6)[0]
    optional_size = struct.unpack_from("<H", pe, header + 20)[0]
    table = header + 24 + optional_size
    for i in range(sections):
        name, _, virtual, _, raw = struct.unpack_from("<8sIIII", pe, table + 40 * i)
        if name.rstrip(b"\0") == b".rsrc":
            break
    else:
        raise SystemExit("FAIL: no resource section")

    def entries(offset):
        named, numbered = struct.unpack_from("<HH", pe, raw + offset + 12)
        for n in range(named + numbered):
            ident, target = struct.unpack_from("<II", pe, raw + offset + 16 + 8 * n)
            yield ident, target

    found = {}
    for kind, types in entries(0):
        for _, names in entries(types & 0x7FFFFFFF):
            for _, leaf in entries(names & 0x7FFFFFFF):
                address, size = struct.unpack_from("<II", pe, raw + leaf)
                found.setdefault(kind, []).append(pe[raw + address - virtual:][:size])
    return found


def block(data, at=0):
    """A version-record block: key, value bytes, children."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, at)
    end = at + 6
    while data[end:end + 2] != b"\0\0":
        end += 2
    key = data[at + 6:end].decode("utf-16-le")
    cursor = (end + 2 + 3) & ~3
    value_size = value_length * 2 if is_text else value_length
    value = data[cursor:cursor + value_size]
    children, cursor = [], (cursor + value_size + 3) & ~3
    while cursor < at + length:
        child = block(data, cursor)
        children.append(child)
        cursor = (cursor + struct.unpack_from("<H", data, cursor)[0] + 3) & ~3
    return key, value, children


def main():
    program, icon, bits = sys.argv[1:4]
    pe = open(program, "rb").read()
    found = resources(pe)
    key, fixed, children = block(found[RT_VERSION][0])
    problems = []
    if machine_and_subsystem(pe) != (MACHINES[bits], GUI_SUBSYSTEM):
        problems.append(f"it is not a {bits}-bit GUI program: machine and subsystem "
                        f"{machine_and_subsystem(pe)}")
    missing = SECURITY[bits] & ~dll_characteristics(pe)
    if missing:
        problems.append(f"DllCharacteristics lack {missing:#x}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if (signature, file_ms, file_ls, product_ms, product_ls) != (0xFEEF04BD, 0x10000, 0, 0x10000, 0):
        problems.append("the fixed part does not say version 1.0.0.0")
    blocks = {child[0]: child for child in children}
    table = blocks["StringFileInfo"][2][0]
    strings = {k: v.decode("utf-16-le").rstrip("\0") for k, v, _ in table[2]}
    expected = {"FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "Ohmilka",
                "InternalName": "Ohmilka", "OriginalFilename": "Ohmilka.exe"}
    for name, value in expected.items():
        if strings.get(name) != value:
            problems.append(f"{name} is {strings.get(name)!r}, not {value!r}")
    if table[0] != "040904B0":
        problems.append(f"the string table is {table[0]}")
    translation = blocks["VarFileInfo"][2][0][1]
    if translation != b"\x09\x04\xB0\x04":
        problems.append(f"the translation is {translation.hex()}")
    if len(found.get(RT_GROUP_ICON, [])) != 1 or len(found.get(RT_ICON, [])) != 1:
        problems.append("the executable does not carry exactly one icon")
    elif found[RT_ICON][0] != open(icon, "rb").read()[22:]:
        problems.append("the icon is not the application icon")
    if problems:
        raise SystemExit("FAIL: " + "; ".join(problems))
    print("PASS: version record", strings)


main()
