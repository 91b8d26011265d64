// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// KiCad's netlist in S-expressions, as Eeschema 5 writes it for the PCB editor ("(export
// (version D)") and kicad-cli by default since ("(version "E")"): a symbol for each comp, with
// its value, its footprint, its fields, and its dnp and exclude_from_bom properties.

#include "KicadNetlist.h"

#include <istream>
#include <string_view>

namespace ohmilka::partslist {

bool startsAsKicadSexprNetlist(std::string_view start);

NetlistReading readKicadSexprNetlist(std::istream &in, std::string_view file);

} // namespace ohmilka::partslist
