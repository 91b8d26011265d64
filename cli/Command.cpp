// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Command.h"

#include "Arguments.h"
#include "Check.h"
#include "Decode.h"
#include "ESeries.h"
#include "Identity.h"
#include "Json.h"
#include "Messages.h"
#include "Smd.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace ohmilka::code {

namespace {

// --- arguments ---------------------------------------------------------------------------------

struct Options {
    Arguments arguments;
    Language language;
    bool json;
};

constexpr std::array<std::string_view, 5> commands{"decode", "encode", "series", "smd", "check"};

// The options a command takes, from the one table: the common ones and its own.
std::string optionList(std::string_view command)
{
    const bool known = std::find(commands.begin(), commands.end(), command) != commands.end();
    std::vector<std::string> names;
    for (const OptionRow &option : optionTable())
        if (!known || takenBy(option, command))
            names.push_back(optionText(option));
    return listOf(names);
}

Options readOptions(std::span<const std::string_view> given, Language language)
{
    Options options{readArguments(given), language, false};
    const Arguments &arguments = options.arguments;
    if (const auto &lang = arguments.value(OptionName::Lang)) {
        if (*lang == "cs" || *lang == "en")
            options.language = *lang == "cs" ? Language::Czech : Language::English;
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
    for (const OptionRow &option : optionTable()) {
        if (!arguments.given(option.name) || arguments.command.empty() ||
            takenBy(option, arguments.command))
            continue;
        std::string owners;
        for (char c : option.commands)
            owners += c == ' ' ? std::string(", ") : std::string(1, c);
        if (option.commands.find(' ') == std::string_view::npos)
            texts.refuse("--{option} belongs to the {commands} command",
                         "--{option} patří k příkazu {commands}", "option"_a = option.longName,
                         "commands"_a = owners);
        texts.refuse("--{option} belongs to the commands {commands}",
                     "--{option} patří k příkazům {commands}", "option"_a = option.longName,
                     "commands"_a = owners);
    }
    return options;
}

} // namespace

std::optional<int> toleranceHundredths(std::string_view text)
{
    if (text == "none" || text == "žádná" || text == "zadna")
        return 2000;
    if (text.ends_with('%'))
        text.remove_suffix(1);
    while (text.ends_with(' '))
        text.remove_suffix(1);
    const ParsedValue parsed = parseValue(text);
    if (!parsed.value || text.find_first_not_of("0123456789.,") != std::string_view::npos)
        return std::nullopt;
    const Decimal value = normalised(*parsed.value);
    if (value.exponent < -2 || digitCount(value.mantissa) + value.exponent > 3)
        return std::nullopt;
    return static_cast<int>(value.mantissa * powerOfTen(value.exponent + 2));
}

std::optional<int> smallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoi(std::string(text));
}

namespace {
Decimal valueOperand(const Options &options, const Texts &texts)
{
    const Arguments &arguments = options.arguments;
    if (arguments.operands.size() != 1)
        texts.refuse("{command} takes one value, such as 4k7",
                     "{command} potřebuje jednu hodnotu, například 4k7",
                     "command"_a = arguments.command);
    return valueOf(arguments.operands.front(), texts);
}
} // namespace

std::vector<Series> seriesList(const std::optional<std::string> &given,
                               std::vector<Series> otherwise, const Texts &texts)
{
    if (!given)
        return otherwise;
    std::vector<Series> chosen;
    std::string_view rest = *given;
    do {
        const std::string_view name = rest.substr(0, rest.find(','));
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
        const auto known = std::find_if(allSeries().begin(), allSeries().end(),
                                        [&](const Series &series) { return series.name == name; });
        if (known == allSeries().end()) {
            std::vector<std::string_view> names;
            for (const Series &series : allSeries())
                names.push_back(series.name);
            texts.refuse("--series: {given} is no series; series: {list}",
                         "--series: {given} není řada; řady: {list}", "given"_a = quoted(name),
                         "list"_a = listOf(names));
        }
        chosen.push_back(*known);
    } while (!rest.empty());
    return chosen;
}

Decimal valueOf(const std::string &operand, const Texts &texts)
{
    const ParsedValue parsed = parseValue(operand);
    if (parsed.value)
        return *parsed.value;
    std::string_view english, czech;
    switch (parsed.problem) {
    case ValueProblem::Empty:
        english = "value {value}: it is empty";
        czech = "hodnota {value}: je prázdná";
        break;
    case ValueProblem::Negative:
        english = "value {value}: resistances are not negative";
        czech = "hodnota {value}: odpor není záporný";
        break;
    case ValueProblem::SeveralPrefixes:
        english = "value {value}: it has more than one prefix";
        czech = "hodnota {value}: má víc než jednu předponu";
        break;
    case ValueProblem::Ambiguous:
        english = "value {value}: a mark before three digits could separate thousands; write "
                  "1000 or 1k";
        czech = "hodnota {value}: značka před třemi číslicemi může oddělovat tisíce; napište 1000 "
                "nebo 1k";
        break;
    case ValueProblem::TooManyDigits:
        english = "value {value}: it has more than 18 digits";
        czech = "hodnota {value}: má víc než 18 číslic";
        break;
    case ValueProblem::OutOfRange:
        english = "value {value}: it is far outside any resistor";
        czech = "hodnota {value}: je daleko mimo jakýkoli rezistor";
        break;
    case ValueProblem::NotAValue:
        english = "value {value}: it is not a resistance";
        czech = "hodnota {value}: to není hodnota odporu";
        break;
    }
    throw UsageError{
        texts.say(english, czech, "value"_a = quoted(operand)) +
        std::string(texts.pick(" (forms: 4700, 4k7, 4.7k, 4.7 kΩ, 470R, 0R22, 2M2, 4.7e3, 220m)",
                               " (tvary: 4700, 4k7, 4,7k, 4,7 kΩ, 470R, 0R22, 2M2, 4,7e3, 220m)"))};
}

namespace {

// --- the commands ------------------------------------------------------------------------------

[[noreturn]] void refuseConflict(EncodeConflict conflict, const Options &options,
                                 const Texts &texts)
{
    const Language language = texts.language();
    std::vector<int> toleranceValues, tempcoValues;
    for (const ColourMeaning &entry : colourTable()) {
        if (entry.toleranceHundredths)
            toleranceValues.push_back(*entry.toleranceHundredths);
        if (entry.tempcoPpm)
            tempcoValues.push_back(*entry.tempcoPpm);
    }
    std::sort(toleranceValues.begin(), toleranceValues.end());
    std::sort(tempcoValues.begin(), tempcoValues.end());
    std::vector<std::string> tolerances, tempcos;
    for (int hundredths : toleranceValues)
        tolerances.push_back(percentText(hundredths, decimalSeparator(language)));
    for (int ppm : tempcoValues)
        tempcos.push_back(std::to_string(ppm));
    // Czech numbers have a decimal comma: a semicolon parts them.
    const std::string_view separator = texts.pick(", ", "; ");
    const Arguments &arguments = options.arguments;
    const auto given = [&](OptionName name) { return quoted(arguments.value(name).value_or("")); };
    switch (conflict) {
    case EncodeConflict::UnknownTolerance:
        texts.refuse("--tolerance: {given} is no tolerance of the code; tolerances (%): {list}",
                     "--tolerance: {given} není tolerance kódu; tolerance (%): {list}",
                     "given"_a = given(OptionName::Tolerance),
                     "list"_a = listOf(tolerances, separator));
    case EncodeConflict::UnknownTempco:
        texts.refuse(
            "--tempco: {given} is no coefficient of the code; coefficients (ppm/K): {list}",
            "--tempco: {given} není součinitel kódu; součinitele (ppm/K): {list}",
            "given"_a = given(OptionName::Tempco), "list"_a = listOf(tempcos, separator));
    case EncodeConflict::TempcoNeedsSixBands:
        texts.refuse("--tempco needs 6 bands, not {bands}",
                     "--tempco potřebuje 6 proužků, ne {bands}",
                     "bands"_a = arguments.value(OptionName::Bands).value_or(""));
    case EncodeConflict::NoToleranceBandInThree:
        texts.refuse("--bands 3 has no tolerance band (±20 %); leave out --tolerance",
                     "--bands 3 nemá proužek tolerance (±20 %); vynechte --tolerance");
    case EncodeConflict::TwentyPercentNeedsFewBands:
        texts.refuse("--tolerance 20 means no tolerance band: only with 3 or 4 bands",
                     "--tolerance 20 znamená žádný proužek tolerance: jen u 3 nebo 4 proužků");
    case EncodeConflict::BandCount:
        break;
    }
    texts.refuse("--bands: {given} is no band count; bands: 3, 4, 5, 6",
                 "--bands: {given} není počet proužků; proužků: 3, 4, 5, 6",
                 "given"_a = given(OptionName::Bands));
}

int encodeCommand(const Options &options, const Texts &texts, std::ostream &out, std::ostream &err)
{
    const Language language = texts.language();
    const Arguments &arguments = options.arguments;
    EncodeRequest request{valueOperand(options, texts), std::nullopt, std::nullopt, std::nullopt};
    if (arguments.given(OptionName::Smd))
        return encodeSmd(arguments, options.json, texts, normalised(request.ohms), out, err);
    // Unreadable numbers are refused below, with the list of the valid ones.
    if (const auto &bands = arguments.value(OptionName::Bands))
        request.bands = smallNumber(*bands).value_or(-1);
    if (const auto &tolerance = arguments.value(OptionName::Tolerance))
        request.toleranceHundredths = toleranceHundredths(*tolerance).value_or(-1);
    if (const auto &tempco = arguments.value(OptionName::Tempco))
        request.tempcoPpm = smallNumber(*tempco).value_or(-1);
    const auto encoded = encode(request);
    if (const auto *conflict = std::get_if<EncodeConflict>(&encoded))
        refuseConflict(*conflict, options, texts);

    const std::string value = ohmsText(request.ohms, language);
    if (const auto *none = std::get_if<NoMarking>(&encoded)) {
        const auto nearby = [&](std::optional<Decimal> ohms) {
            return ohms ? ohmsText(*ohms, language) : std::string(texts.pick("none", "žádná"));
        };
        const std::string line =
            texts.say("{value} cannot be marked with {bands} bands; nearest: {below} below, "
                      "{above} above",
                      "{value} nelze označit {bands} proužky; nejbližší: {below} nižší, {above} "
                      "vyšší",
                      "value"_a = value, "bands"_a = none->bands, "below"_a = nearby(none->below),
                      "above"_a = nearby(none->above));
        err << "ohmilka-code: " << line << '\n';
        if (options.json)
            out << JsonObject()
                       .number("ohms", request.ohms)
                       .null("bands")
                       .number("below_ohms", none->below)
                       .number("above_ohms", none->above)
                       .text("text", line)
                       .str()
                << '\n';
        return 1;
    }
    const Marking &marking = std::get<Marking>(encoded);
    std::vector<std::string_view> names;
    for (Colour colour : marking.bands)
        names.push_back(colourName(colour, language));
    std::string text = value + ": " + listOf(names, " ");
    if (const auto reading = decode(marking.bands); std::holds_alternative<Reading>(reading)) {
        const Reading &read = std::get<Reading>(reading);
        const std::string tolerance =
            percentText(read.toleranceHundredths.value_or(0), decimalSeparator(language));
        if (read.toleranceHundredths && read.tempcoPpm)
            text += fmt::format(" (±{} %, {} ppm/K)", tolerance, *read.tempcoPpm);
        else if (read.toleranceHundredths)
            text += fmt::format(" (±{} %)", tolerance);
    }
    if (options.json)
        out << JsonObject()
                   .number("ohms", request.ohms)
                   .texts("bands", englishNames(marking.bands))
                   .text("text", text)
                   .str()
            << '\n';
    else
        out << text << '\n';
    return 0;
}

int seriesCommand(const Options &options, const Texts &texts, std::ostream &out)
{
    const Language language = texts.language();
    const Decimal value = normalised(valueOperand(options, texts));
    const std::vector<Series> chosen = seriesList(options.arguments.value(OptionName::Series),
                                                  {allSeries().begin(), allSeries().end()}, texts);
    if (value.mantissa == 0)
        texts.refuse("0 Ω has no series members around it; give a value above 0",
                     "0 Ω nemá kolem sebe žádné členy řady; zadejte hodnotu nad 0");
    std::vector<JsonObject> found;
    for (const Series &series : chosen) {
        const SeriesPosition position = seriesPosition(series.size, value);
        const Decimal belowPercent = percentDifference(value, position.below);
        const Decimal abovePercent = percentDifference(value, position.above);
        const auto say = [&](std::string_view english, std::string_view czech) {
            return texts.say(english, czech, "value"_a = ohmsText(value, language),
                             "below"_a = fmt::format("{} ({})", ohmsText(position.below, language),
                                                     signedPercentText(belowPercent, language)),
                             "above"_a = fmt::format("{} ({})", ohmsText(position.above, language),
                                                     signedPercentText(abovePercent, language)));
        };
        const std::string line =
            position.member
                ? say("{value} is in the series; neighbours {below} and {above}",
                      "{value} v řadě je; sousedé {below} a {above}")
                : say("{value} is not in the series; nearest {below} below and {above} above",
                      "{value} v řadě není; nejbližší nižší {below}, vyšší {above}");
        if (!options.json)
            out << series.name << ": " << line << '\n';
        found.push_back(JsonObject()
                            .text("name", series.name)
                            .truth("member", position.member)
                            .number("below_ohms", position.below)
                            .number("above_ohms", position.above)
                            .number("below_percent", belowPercent)
                            .number("above_percent", abovePercent));
    }
    if (options.json)
        out << JsonObject().number("ohms", value).objects("series", found).str() << '\n';
    return 0;
}

std::string usage(const Texts &texts)
{
    return std::string(texts.pick(
        "Usage: ohmilka-code COMMAND ... [--json] [--lang cs|en]\n"
        "  decode COLOUR... [--measured VALUE]\n"
        "                        read 1, 3, 4, 5 or 6 colour bands, left to right, and from\n"
        "                        the other end; a band in doubt names its choices: red/orange\n"
        "  encode VALUE [--tolerance PERCENT] [--bands 3|4|5|6] [--tempco PPM]\n"
        "                        the colours that mark a value, such as 4k7 or 470R\n"
        "  encode VALUE --smd    its surface-mount markings: 3 and 4 digits, EIA-96\n"
        "  series VALUE [--series E6|E12|E24|E48|E96|E192[,...]]\n"
        "                        whether a value is in the E series, and its neighbours\n"
        "  smd MARKING...        read surface-mount markings: 472, 4701, 4R7, 01C\n"
        "  check [FILE...] [--csv] [--encoding utf-8|windows-1250] [--series E24,E96]\n"
        "                        check parts lists or BOMs (.csv, .tsv) against the E series\n"
        "Options may stand anywhere; -- ends them. -h is --help.\n"
        "Colours in Czech or English, or as IEC codes: hnědá, hneda, brown, BN.\n"
        "Exit status: 0 done, 1 the value cannot be marked so, 2 a usage or input error.\n",
        "Použití: ohmilka-code PŘÍKAZ ... [--json] [--lang cs|en]\n"
        "  decode BARVA... [--measured HODNOTA]\n"
        "                        přečte 1, 3, 4, 5 nebo 6 proužků zleva doprava i z druhého\n"
        "                        konce; proužek v pochybnosti uvede možnosti: červená/oranžová\n"
        "  encode HODNOTA [--tolerance PROCENTA] [--bands 3|4|5|6] [--tempco PPM]\n"
        "                        barvy, které označí hodnotu, například 4k7 nebo 470R\n"
        "  encode HODNOTA --smd  její značky SMD: 3 a 4 číslice, EIA-96\n"
        "  series HODNOTA [--series E6|E12|E24|E48|E96|E192[,...]]\n"
        "                        zda hodnota patří do řady E, a její sousedé\n"
        "  smd ZNAČKA...         přečte značky SMD: 472, 4701, 4R7, 01C\n"
        "  check [SOUBOR...] [--csv] [--encoding utf-8|windows-1250] [--series E24,E96]\n"
        "                        zkontroluje seznamy součástek nebo BOM (.csv, .tsv) proti "
        "řadám E\n"
        "Volby mohou stát kdekoli; -- je ukončí. -h je --help.\n"
        "Barvy česky nebo anglicky, nebo kódy IEC: hnědá, hneda, brown, BN.\n"
        "Návratová hodnota: 0 hotovo, 1 hodnotu nelze takto označit, 2 chyba použití nebo "
        "vstupu.\n"));
}

// Runs the call; language becomes the one the call asks for.
int runOneCall(std::span<const std::string_view> arguments, Language &language, std::istream &in,
               std::ostream &out, std::ostream &err)
{
    try {
        const Options options = readOptions(arguments, language);
        language = options.language;
        const Texts texts(options.language);
        const std::string &command = options.arguments.command;
        if (options.arguments.given(OptionName::Help)) {
            out << usage(texts);
            return 0;
        }
        if (options.arguments.given(OptionName::Version)) {
            out << fmt::format("ohmilka-code {}.{}.{}\n", identity::versionMajor,
                               identity::versionMinor, identity::versionRevision);
            return 0;
        }
        if (command == "decode")
            return decodeCommand(options.arguments, options.json, texts, out, err);
        if (command == "encode")
            return encodeCommand(options, texts, out, err);
        if (command == "series")
            return seriesCommand(options, texts, out);
        if (command == "smd")
            return smdCommand(options.arguments, options.json, texts, out, err);
        if (command == "check")
            return checkCommand(options.arguments, options.json, texts, in, out, err);
        if (command.empty())
            texts.refuse("no command; commands: {commands} (see --help)",
                         "chybí příkaz; příkazy: {commands} (viz --help)",
                         "commands"_a = listOf(commands));
        texts.refuse("unknown command {command}; commands: {commands} (see --help)",
                     "neznámý příkaz {command}; příkazy: {commands} (viz --help)",
                     "command"_a = quoted(command), "commands"_a = listOf(commands));
    } catch (const UsageError &error) {
        err << "ohmilka-code: " << error.line << '\n';
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
    err << "ohmilka-code: "
        << texts.say("cannot write the output: {reason}", "nelze zapsat výstup: {reason}",
                     "reason"_a = cause ? std::strerror(cause) : "?")
        << '\n';
    return 2;
}

} // namespace ohmilka::code
