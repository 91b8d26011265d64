// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ArgumentCheck.h"

#include "AsciiText.h"

namespace ohmilka::cli {

namespace {
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
                                   "--lang: {lang} není jazyk; jazyky: cs, en",
                                   "lang"_a = quoted(*lang));
    }
    const Texts texts(options.language);
    options.json = arguments.given(OptionName::Json);
    if (const auto &problem = arguments.problem) {
        const std::string option = quoted(problem->option);
        switch (problem->kind) {
        case OptionProblem::Kind::Unknown:
            texts.refuse("unknown option {option}; options: {options}",
                         "neznámá volba {option}; volby: {options}", "option"_a = option,
                         "options"_a = optionList(arguments.command));
        case OptionProblem::Kind::NeedsValue:
            texts.refuse("{option} needs a value", "{option} potřebuje hodnotu",
                         "option"_a = option);
        case OptionProblem::Kind::TakesNoValue:
            texts.refuse("{option} takes no value", "{option} nemá hodnotu", "option"_a = option);
        }
    }
    if (arguments.given(OptionName::Help) || arguments.given(OptionName::Version))
        return options;
    if (arguments.command.empty())
        return options;
    options.command = commandNamed(arguments.command);
    if (!options.command) // before its options, which may be another command's
        texts.refuse("unknown command {command}; commands: {commands} (see --help)",
                     "neznámý příkaz {command}; příkazy: {commands} (viz --help)",
                     "command"_a = quoted(arguments.command),
                     "commands"_a = listOf(commandNames()));
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
