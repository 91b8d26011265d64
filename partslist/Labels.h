// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What the header labels of a parts list mean, from one table of what EDA tools, assembly houses,
// distributors and spreadsheets write.

#include <string>
#include <string_view>

namespace ohmilka::partslist {

enum class Role {
    Unknown,
    Reference,          // R1, "R1, R2", R1-R4
    ReferenceCandidate, // a reference in some tools, a symbol or a label in others
    Value,              // Value, Comment, Designation: ranked by the table's order
    Tolerance,
    Quantity,
    ItemNumber,
    NotFitted, // DNP: a mark leaves the part off
    Status,    // KiBot's "(DNF)" leaves the part off; Altium's lifecycle ("Approved") does not
    Fitted,    // Fitted, Populate: "no" leaves the part off
    Manufacturer,
    PartNumber,
    OrderNumber, // a distributor's or assembly house's: never the references
    Description,
    Footprint,
};

struct LabelMeaning {
    Role role = Role::Unknown;
    int rank = 0;            // among labels of one role, lower wins
    bool mayBeValue = false; // the value where no column of Role::Value is: Name, Part
};

// "Ref. Des." is "refdes": small letters and digits alone, "#", "No" and "Nr" as "number", and a
// trailing column number dropped ("Manufacturer 1"). Letters outside ASCII stay as written.
std::string normalisedLabel(std::string_view label);

LabelMeaning meaningOfLabel(std::string_view label);

} // namespace ohmilka::partslist
