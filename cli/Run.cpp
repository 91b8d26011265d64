// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Run.h"

#include "ArgumentCheck.h"
#include "Identity.h"
#include "SystemReason.h"

#include <fmt/format.h>

#include <cerrno>
#include <string>

namespace ohmilka::cli {

namespace {
// Runs the call; language becomes the one the call asks for.
int runOneCall(std::span<const std::string_view> arguments, Language &language, std::istream &in,
               std::ostream &out, std::ostream &err)
{
    try {
        const Options options = readOptions(arguments, language);
        language = options.language;
        const Texts texts(options.language);
        if (options.arguments.given(OptionName::Help)) {
            out << usage(texts, options.command);
            return 0;
        }
        if (options.arguments.given(OptionName::Version)) {
            out << fmt::format("ohmilka-code {}.{}.{}\n", identity::versionMajor,
                               identity::versionMinor, identity::versionRevision);
            return 0;
        }
        if (!options.command)
            texts.refuse("no command; commands: {commands} (see --help)",
                         "chybí příkaz; dostupné příkazy: {commands} (viz --help)",
                         "commands"_a = listOf(commandNames()));
        return options.command->run(Call{options.arguments, options.json, texts, in, out, err});
    } catch (const UsageError &error) {
        writeMessage(err, error.line);
        return 2;
    }
}
} // namespace

Language languageOfLocale(const char *lcAll, const char *lcMessages, const char *lang)
{
    for (const char *value : {lcAll, lcMessages, lang})
        if (value && *value)
            return std::string_view(value).starts_with("cs") ? Language::Czech : Language::English;
    return Language::English;
}

int runCommand(std::span<const std::string_view> arguments, Language language, std::istream &in,
               std::ostream &out, std::ostream &err)
{
    errno = 0;
    const int status = runOneCall(arguments, language, in, out, err);
    if (out.flush())
        return status;
    // A failed write is a failure, named like any other.
    const int cause = errno;
    const Texts texts(language);
    writeMessage(err,
                 texts.say("cannot write the output: {reason}", "nelze zapsat výstup: {reason}",
                           "reason"_a = cause ? systemReason(cause) : "?"));
    return 2;
}

} // namespace ohmilka::cli
