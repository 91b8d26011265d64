// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The parts combine and divider may use: the members of one E series from 1 Ω to 10 MΩ, or the
// values of a stock file, less those --exclude names; and the tolerance they are taken at.

#include "Call.h"

#include <optional>
#include <string>
#include <vector>

namespace ohmilka::cli {

struct PartsOnHand {
    std::vector<Decimal> values;    // ascending, each once
    std::string source;             // "E24", or the stock files as named: "a.csv, b.csv"
    std::vector<std::string> files; // the stock files as given, "-" for standard input
    bool fromStock;
    std::vector<Decimal> excluded; // the values --exclude names
    // --tolerance, else the series' own; for stock, none unless asked.
    std::optional<int> toleranceHundredths;
};

PartsOnHand partsOnHand(const Call &call);

} // namespace ohmilka::cli
