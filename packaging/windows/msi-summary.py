#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Rewrites the summary stream of an MSI that wixl made: wixl writes a random package code and
the time of the build there. The package code becomes the given one and every time the given
seconds since 1970, so that two builds of one version give the same bytes.

Usage: msi-summary.py FILE.msi PACKAGE_CODE SECONDS
"""
import sys

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

path, package_code, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3])
database = Libmsi.Database.new(path, Libmsi.DbFlags.TRANSACT, None)
summary = Libmsi.SummaryInfo.new(database, 0xFFFF)
summary.set_string(Libmsi.Property.UUID, "{" + package_code.upper() + "}")
# A FILETIME: hundreds of nanoseconds since 1601.
filetime = (seconds + 11644473600) * 10_000_000
for when in (Libmsi.Property.CREATED_TM, Libmsi.Property.LASTSAVED_TM):
    summary.set_filetime(when, filetime)
summary.persist()
database.commit()
