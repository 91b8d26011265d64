// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The words a value cell or a description may carry beside a value: resistor types and
// materials, units, mounting and packages, grades. A word of no known kind leaves a cell
// unreadable: never a guess.

#include <optional>
#include <string_view>

namespace ohmilka::partslist {

enum class AttributeKind { Type, Material, Unit, Mounting, Grade };

// Any case; "thick film" is two words of the table.
std::optional<AttributeKind> attributeWord(std::string_view word);

} // namespace ohmilka::partslist
