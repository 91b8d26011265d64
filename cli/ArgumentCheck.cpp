// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ArgumentCheck.h"

#include "AsciiText.h"

namespace ohmilka::cli {

namespace {
[[noreturn]] void unknownCommand(std::string_view command, const Texts &texts)
{
    texts.refuse("unknown command {command}; commands: {commands} (see --help)",
                 "neznámý příkaz {command}; dostupné příkazy: {commands} (viz --help)",
                 "command"_a = texts.quote(command), "commands"_a = listOf(commandNames()));
}

// The options a command takes: the common ones and its own; every one for no known command.
std::string optionList(std::string_view command)
{
    const CommandRow *known = commandNamed(command);
    std::vector<std::string> names;
    for (const OptionRow &option : optionTable())
        if (!known || takenBy(option.name, *known))
            names.push_back(optionText(option));
    return listOf(names);
}
// --version stands alone, --help alone or with the command whose usage it gives; --lang may go
// with either.
void standsAlone(Options &options, const Texts &texts)
{
    const Arguments &arguments = options.arguments;
    const bool help = !arguments.given(OptionName::Version);
    std::size_t others = arguments.operands.size() + !arguments.command.empty();
    for (const OptionRow &option : optionTable())
        others += arguments.given(option.name) && option.name != OptionName::Lang;
    others -= 1; // the option itself
    if (!help && others > 0)
        texts.refuse("--version stands alone", "--version se zadává samostatně");
    if (help && (others > 1 || (others == 1 && arguments.command.empty())))
        texts.refuse("--help stands alone or with one command's name: --help {command}",
                     "--help se zadává samostatně nebo s názvem jednoho příkazu: --help {command}",
                     "command"_a = arguments.command.empty() ? "combine" : arguments.command);
    if (help && others == 1) {
        options.command = commandNamed(arguments.command);
        if (!options.command)
            unknownCommand(arguments.command, texts);
    }
}
} // namespace

Options readOptions(std::span<const std::string_view> given, Language language)
{
    Options options{readArguments(given), language, false, nullptr};
    const Arguments &arguments = options.arguments;
    if (const auto &lang = arguments.value(OptionName::Lang)) {
        if (isWord(*lang, "cs") || isWord(*lang, "en"))
            options.language = isWord(*lang, "cs") ? Language::Czech : Language::English;
        else
            Texts(language).refuse("--lang: {lang} is no language; languages: cs, en",
                                   "--lang: neznámý jazyk {lang}; dostupné jazyky: cs, en",
                                   "lang"_a = Texts(language).quote(*lang));
    }
    const Texts texts(options.language);
    options.json = arguments.given(OptionName::Json);
    if (const auto &problem = arguments.problem) {
        const std::string option = texts.quote(problem->option);
        switch (problem->kind) {
        case OptionProblem::Kind::Unknown:
            texts.refuse("unknown option {option}; options: {options}",
                         "neznámá volba {option}; platné volby: {options}", "option"_a = option,
                         "options"_a = optionList(arguments.command));
        case OptionProblem::Kind::Ambiguous:
            texts.refuse("{option} is ambiguous; it may be {candidates}",
                         "volba {option} je nejednoznačná; může znamenat {candidates}",
                         "option"_a = option, "candidates"_a = listOf(problem->candidates));
        case OptionProblem::Kind::GivenTwice:
            texts.refuse("{option} is given twice; give it once",
                         "volba {option} je uvedena dvakrát; uveďte ji jen jednou",
                         "option"_a = option);
        case OptionProblem::Kind::NeedsValue:
            texts.refuse("{option} needs a value", "volba {option} vyžaduje hodnotu",
                         "option"_a = option);
        case OptionProblem::Kind::TakesNoValue:
            texts.refuse("{option} takes no value", "volba {option} se zadává bez hodnoty",
                         "option"_a = option);
        }
    }
    if (arguments.given(OptionName::Version) || arguments.given(OptionName::Help)) {
        standsAlone(options, texts);
        return options;
    }
    if (arguments.command.empty())
        return options;
    options.command = commandNamed(arguments.command);
    if (!options.command) // before its options, which may be another command's
        unknownCommand(arguments.command, texts);
    for (const OptionRow &option : optionTable()) {
        if (!arguments.given(option.name) || takenBy(option.name, *options.command))
            continue;
        const std::vector<std::string_view> owners = ownersOf(option.name);
        if (owners.size() == 1)
            texts.refuse("--{option} belongs to the {commands} command",
                         "--{option} patří k příkazu {commands}", "option"_a = option.longName,
                         "commands"_a = owners.front());
        texts.refuse("--{option} belongs to the commands {commands}",
                     "--{option} patří k příkazům {commands}", "option"_a = option.longName,
                     "commands"_a = listOf(owners));
    }
    return options;
}

} // namespace ohmilka::cli
