// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code's commands, in one table that drives the dispatch, the usage text, which options
// each command takes and the error for a command there is none of. Adding an option is a row in
// the option table, its name in the rows of the commands that take it, and its handling.

#include "Call.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

// A line of the usage text: how a command is called, and what it does. Either may run on over
// lines parted by \n; the usage text sets them in their columns.
struct UsageLine {
    std::string_view synopsis;
    std::string_view description;
};

struct CommandRow {
    std::string_view name;
    int (*run)(const Call &call);
    std::span<const OptionName> options; // its own; an option no command owns is every command's
    std::span<const UsageLine> usageEnglish;
    std::span<const UsageLine> usageCzech;
};

std::span<const CommandRow> commandTable();
const CommandRow *commandNamed(std::string_view name); // null when there is no such command
std::vector<std::string_view> commandNames();

// The commands that own an option; none for an option every command takes.
std::vector<std::string_view> ownersOf(OptionName option);
bool takenBy(OptionName option, const CommandRow &command);

// The exit statuses, as the usage text, both manual pages and the README give them.
struct ExitStatusRow {
    int status;
    std::string_view english, czech;
};
std::span<const ExitStatusRow> exitStatusTable();
inline constexpr std::string_view closedPipeEnglish =
    "A closed pipe ends the program by SIGPIPE, as it ends any Unix tool.";
inline constexpr std::string_view closedPipeCzech =
    "Zavřená roura program ukončí signálem SIGPIPE, jako každý unixový nástroj.";

// The usage text: of every command, or of one, with the options all commands take.
std::string usage(const Texts &texts, const CommandRow *command = nullptr);

} // namespace ohmilka::cli
