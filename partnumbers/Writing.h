// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The part number a maker's key gives for a value, tolerance and size, within what the maker
// offers. Each is read back by the same key before it is given: a part number that does not
// read as the part asked for is never written.

#include "Offers.h"
#include "PartNumbers.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ohmilka::partnumbers {

struct WrittenCode {
    std::string_view code, meaning;
};

struct WrittenField {
    FieldRole role;
    std::string code;
    std::string_view meaning;
    std::vector<WrittenCode> others; // the other codes the maker offers here for this part
};

struct WrittenPart {
    const Offering *offering;
    const Offer *offer;
    std::string partNumber;
    std::vector<WrittenField> fields; // in the order written, the fixed letters left out
};

// The part number of one row of a family's offer for a value, if the row offers it: with the
// codes asked for where the row offers them, else with the maker's own example's.
std::optional<WrittenPart> writePart(const Offering &offering, const Offer &offer, Decimal ohms,
                                     std::span<const std::string_view> codes = {});

// The size a row is of, by its key's size code.
std::optional<Size> sizeOf(const Offering &offering, const Offer &offer);

// Whether a row offers the value: in its range and a member of one of its series.
bool offers(const Offer &offer, Decimal ohms);

// A size as designers name it: its inch code, or its metric one where that is no inch code.
std::optional<Size> sizeOfCode(std::string_view code);

} // namespace ohmilka::partnumbers
