// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code's command line: one table of options, read with getopt_long. Options may stand
// anywhere; "--" ends them; -h is --help; a long option may be shortened to a unique prefix.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

enum class OptionName {
    Json,
    Lang,
    Help,
    Version,
    Measured,
    Tolerance,
    Bands,
    Tempco,
    Smd,
    Csv,
    Encoding,
    Series,
    Stock,
    Exclude,
    Parts,
    Within,
    Ratio,
    Vin,
    Vout,
    Vref,
    VrefTolerance,
    Total,
    Count,
    Output,
    Size,
    Maker,
    Suggest
};

// Which commands take an option is the command table's to say.
struct OptionRow {
    OptionName name;
    const char *longName; // without the dashes
    char shortName;       // 0: none
    bool takesValue;
    // Given twice, a list option's values are joined, a file list's kept apart; any other
    // option is refused.
    enum class Repeats { Refused, Joined, Kept } repeats = Repeats::Refused;
};

std::span<const OptionRow> optionTable();
const OptionRow &optionRow(OptionName name);
std::string optionText(const OptionRow &option); // "--bands", "--help (-h)"

// The first thing wrong with the options, named as the user wrote it.
struct OptionProblem {
    enum class Kind { Unknown, Ambiguous, NeedsValue, TakesNoValue, GivenTwice } kind;
    std::string option;
    std::vector<std::string> candidates; // the options an ambiguous prefix may be
};

struct Arguments {
    std::string command;
    std::vector<std::string> operands;
    std::vector<std::optional<std::string>> values; // by OptionName; "" for a given flag
    std::vector<std::vector<std::string>> every;    // by OptionName: each value as given
    std::optional<OptionProblem> problem;

    bool given(OptionName name) const { return values[static_cast<std::size_t>(name)].has_value(); }
    // A joined list option's values as one list, parted by the list's own separator.
    const std::optional<std::string> &value(OptionName name) const
    {
        return values[static_cast<std::size_t>(name)];
    }
    const std::vector<std::string> &valuesOf(OptionName name) const
    {
        return every[static_cast<std::size_t>(name)];
    }
};

// Reads every argument (without the program name), also past a problem, so that --lang and the
// command are known wherever they stand.
Arguments readArguments(std::span<const std::string_view> arguments);

} // namespace ohmilka::cli
