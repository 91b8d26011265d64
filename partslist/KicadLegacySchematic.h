// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// KiCad 5's schematic (.sch, "EESchema Schematic File Version 4" and the versions before it),
// read as its netlist reads it: from the root sheet through each $Sheet, a sheet used twice
// giving its components twice, each with the reference of the AR line whose Path is its place
// in the hierarchy (the U time stamps of the sheets down to its own), else its F 0 field. F 1 is
// the value, F 2 the footprint, F 3 the datasheet, F 4 and on the fields by their names.
// Power symbols (#PWR, #FLG) are no parts.

#include "KicadSchematic.h"

#include <string>
#include <string_view>

namespace ohmilka::partslist {

bool startsAsKicadLegacySchematic(std::string_view start);

SchematicReading readKicadLegacySchematic(const std::string &root);

} // namespace ohmilka::partslist
