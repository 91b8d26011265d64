// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A KiCad schematic (.kicad_sch, KiCad 6 to 9) read as its BOM export reads it: from the root
// sheet through every hierarchical sheet, a sheet used twice giving its symbols twice; each
// symbol's reference from its instance on this project's path (KiCad 7 on) or from the root's
// symbol_instances (KiCad 6), since the Reference property is wrong for reused sheets. Power
// symbols are no part of the list; symbols with (in_bom no) are marked as left out of the BOM.

#include "Design.h"

#include <string>
#include <string_view>

namespace ohmilka::partslist {

bool startsAsKicadSchematic(std::string_view start);

struct SchematicProblem {
    enum class Kind { Unreadable, NotWellFormed } kind;
    std::string file;
    int error = 0; // errno, where the file cannot be read
};

struct SchematicReading {
    std::vector<DesignSymbol> symbols;
    std::vector<SchematicProblem> problems;
    std::vector<std::string> files; // each sheet file read, once
};

SchematicReading readKicadSchematic(const std::string &root);

} // namespace ohmilka::partslist
