// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// KiCad's XML netlist, as kicad-cli (kicadxml, python-bom) writes it and Eeschema hands it to
// its BOM generators, versions D and E: a symbol for each <comp>, with its value, its fields and
// its dnp property; those with exclude_from_bom are marked as left out of the BOM.

#include "Design.h"

#include <istream>
#include <string_view>

namespace ohmilka::partslist {

// Whether a file's start is such a netlist's.
bool startsAsKicadNetlist(std::string_view start);

struct NetlistReading {
    std::vector<DesignSymbol> symbols;
    bool broken = false; // the XML is not well-formed, or the input could not be read
};
NetlistReading readKicadNetlist(std::istream &in, std::string_view file);

} // namespace ohmilka::partslist
