# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Everything that names, versions and credits the program, each fact once. The version record,
# desktop entry, AppStream file, identity header, manual pages and package are generated from
# these at configure time; the release history is identity/releases.

set(OHMILKA_NAME "Ohmilka")
set(OHMILKA_VERSION "1.0.0")
set(OHMILKA_PACKAGE "ohmilka") # package and command name

# One line of Czech: what the program does. It is also the version record's FileDescription.
set(OHMILKA_DESCRIPTION "Určení hodnoty rezistoru z jeho barevných proužků")
set(OHMILKA_SUMMARY "Resistor colour code calculator with a Czech interface")
set(OHMILKA_SUMMARY_CS "Kalkulačka barevného kódu rezistorů")

# A paragraph in each language, for the package and the software centre (lines of at most 79).
set(OHMILKA_ABOUT "Ohmilka reads the colour code of four-band resistors. Click a band on the
drawn resistor, pick its colour in a small palette, and see the resistance
with its unit prefix and tolerance. The interface is in Czech.")
set(OHMILKA_ABOUT_CS "Ohmilka čte barevný kód rezistorů se čtyřmi proužky. Klikněte na proužek
nakresleného rezistoru, vyberte jeho barvu v malé paletě a uvidíte hodnotu
odporu s předponou jednotky a tolerancí.")

# Names the desktop entry, the installed icons and the software-centre metadata.
set(OHMILKA_DESKTOP_ID "org.example.Ohmilka")

# The addresses are placeholders under a domain reserved for documentation until the project
# has addresses of its own.
set(OHMILKA_EMAIL "ohmilka@example.org")
set(OHMILKA_WEB_HOST "ohmilka.example.org")
set(OHMILKA_WEB_URL "http://${OHMILKA_WEB_HOST}/")

# The Windows installer's codes are made from this namespace, so that they stay the same from
# build to build: the upgrade code per processor for good, the product and package codes per
# version.
set(OHMILKA_MSI_NAMESPACE "f38f001e-63c3-48f3-bc19-80e4e57a5a7f")

set(OHMILKA_COPYRIGHT_YEAR "2026")
set(OHMILKA_HOLDER "The Ohmilka developers")
set(OHMILKA_HOLDER_CS "vývojáři programu Ohmilka")
