// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "OptionTable.h"

#include <getopt.h>

#include <algorithm>
#include <array>

namespace ohmilka::cli {

namespace {
using O = OptionName;
using R = OptionRow::Repeats;
constexpr std::array<OptionRow, 27> table{{
    {O::Json, "json", 0, false},
    {O::Lang, "lang", 0, true},
    {O::Help, "help", 'h', false},
    {O::Version, "version", 0, false},
    {O::Measured, "measured", 0, true},
    {O::Tolerance, "tolerance", 0, true},
    {O::Bands, "bands", 0, true},
    {O::Tempco, "tempco", 0, true},
    {O::Smd, "smd", 0, false},
    {O::Csv, "csv", 0, false},
    {O::Encoding, "encoding", 0, true},
    {O::Series, "series", 0, true, R::Joined},
    {O::Stock, "stock", 0, true, R::Kept},
    {O::Exclude, "exclude", 0, true, R::Joined},
    {O::Parts, "parts", 0, true},
    {O::Within, "within", 0, true},
    {O::Ratio, "ratio", 0, true},
    {O::Vin, "vin", 0, true},
    {O::Vout, "vout", 0, true},
    {O::Vref, "vref", 0, true},
    {O::VrefTolerance, "vref-tolerance", 0, true},
    {O::Total, "total", 0, true},
    {O::Count, "count", 0, true},
    {O::Output, "output", 0, true},
    {O::Size, "size", 0, true},
    {O::Maker, "maker", 0, true, R::Joined},
    {O::Suggest, "suggest", 0, false},
}};
// getopt_long's value for a long option: above every character, so that an unknown short
// option's optopt is told apart from a known long one's.
constexpr int longOptionBase = 256;

// A list option's values are parted as one value of it parts them: series by commas, values
// by semicolons, since a comma between digits may be a decimal comma.
char joiner(OptionName name)
{
    return name == O::Exclude ? ';' : ',';
}

// What getopt_long refused: an unknown or ambiguous option, or one without its value or with one
// it does not take. Exact names win over prefixes, as getopt_long has them.
OptionProblem problemWith(std::string_view argument)
{
    const std::string_view name = argument.substr(0, argument.find('='));
    const auto is = [&](const OptionRow &option) {
        return name == "--" + std::string(option.longName);
    };
    std::vector<const OptionRow *> matches;
    for (const OptionRow &option : table)
        if (is(option) ||
            (name.size() > 2 && std::string_view(option.longName).starts_with(name.substr(2))))
            matches.push_back(&option);
    if (const auto exact = std::find_if(matches.begin(), matches.end(),
                                        [&](const OptionRow *option) { return is(*option); });
        exact != matches.end())
        matches = {*exact};
    if (matches.empty())
        return {OptionProblem::Kind::Unknown, std::string(name), {}};
    if (matches.size() > 1) {
        std::vector<std::string> candidates;
        for (const OptionRow *option : matches)
            candidates.push_back("--" + std::string(option->longName));
        return {OptionProblem::Kind::Ambiguous, std::string(name), candidates};
    }
    return {matches.front()->takesValue ? OptionProblem::Kind::NeedsValue
                                        : OptionProblem::Kind::TakesNoValue,
            std::string(name),
            {}};
}
} // namespace

std::span<const OptionRow> optionTable()
{
    return table;
}

const OptionRow &optionRow(OptionName name)
{
    return table[static_cast<std::size_t>(name)];
}

std::string optionText(const OptionRow &option)
{
    std::string text = "--" + std::string(option.longName);
    if (option.shortName)
        text += std::string(" (-") + option.shortName + ")";
    return text;
}

Arguments readArguments(std::span<const std::string_view> arguments)
{
    // getopt_long wants the C form, with the program's name first.
    std::vector<std::string> texts{"ohmilka-code"};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(texts.size());

    std::vector<option> longOptions;
    std::string shortOptions = "-:"; // operands in order, in place; our own messages
    for (std::size_t i = 0; i < table.size(); ++i) {
        longOptions.push_back({table[i].longName,
                               table[i].takesValue ? required_argument : no_argument, nullptr,
                               longOptionBase + static_cast<int>(i)});
        if (table[i].shortName)
            shortOptions += table[i].shortName;
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});

    Arguments result;
    result.values.resize(table.size());
    result.every.resize(table.size());
    const auto operand = [&](std::string_view text) {
        if (result.command.empty())
            result.command = text;
        else
            result.operands.emplace_back(text);
    };
    opterr = 0;
    optind = 0; // a fresh scan, also when called again in one process
    for (;;) {
        const int found =
            getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(), nullptr);
        if (found == -1)
            break;
        if (found == 1) {
            operand(optarg);
            continue;
        }
        if (found == '?' || found == ':') {
            if (!result.problem)
                result.problem = optopt > 0 && optopt < longOptionBase
                                     ? OptionProblem{OptionProblem::Kind::Unknown,
                                                     std::string("-") + char(optopt),
                                                     {}}
                                     : problemWith(argv[static_cast<std::size_t>(optind - 1)]);
            continue;
        }
        const auto row = found >= longOptionBase
                             ? table.begin() + (found - longOptionBase)
                             : std::find_if(table.begin(), table.end(), [&](const OptionRow &o) {
                                   return o.shortName == found;
                               });
        const auto at = static_cast<std::size_t>(row - table.begin());
        const std::string given = row->takesValue ? std::string(optarg) : std::string();
        std::optional<std::string> &value = result.values[at];
        if (value && row->repeats == OptionRow::Repeats::Refused) {
            if (!result.problem)
                result.problem = OptionProblem{
                    OptionProblem::Kind::GivenTwice, "--" + std::string(row->longName), {}};
            continue;
        }
        value = value ? *value + joiner(row->name) + given : given;
        result.every[at].push_back(given);
    }
    for (int i = optind; i < argc; ++i) // after "--"
        operand(texts[static_cast<std::size_t>(i)]);
    return result;
}

} // namespace ohmilka::cli
