// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Command.h"

#include "Arguments.h"
#include "Check.h"
#include "ESeries.h"
#include "Identity.h"
#include "Json.h"
#include "Messages.h"
#include "Readings.h"
#include "SmdCode.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace ohmilka::code {

namespace {
std::vector<std::string_view> englishNames(std::span<const Colour> colours)
{
    std::vector<std::string_view> names;
    for (Colour colour : colours)
        names.push_back(meaning(colour).english);
    return names;
}

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
    for (const OptionSpec &option : optionTable())
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
    for (const OptionSpec &option : optionTable()) {
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

std::string bandProblem(const DecodeError &error, Colour colour, const Texts &texts)
{
    const Language language = texts.language();
    const std::string allowed = colourList(allowedColours(error.role, error.firstDigit), language);
    const auto say = [&](std::string_view english, std::string_view czech) {
        return texts.say(english, czech, "band"_a = error.band,
                         "colour"_a = colourName(colour, language), "allowed"_a = allowed);
    };
    switch (error.role) {
    case BandRole::Digit:
        if (error.firstDigit)
            return say("band {band}: {colour} is no first digit; first digits: {allowed}",
                       "proužek {band}: {colour} není první číslice; první číslice: {allowed}");
        return say("band {band}: {colour} is no digit; digits: {allowed}",
                   "proužek {band}: {colour} není číslice; číslice: {allowed}");
    case BandRole::Multiplier:
        return say("band {band}: {colour} is no multiplier; multipliers: {allowed}",
                   "proužek {band}: {colour} není násobitel; násobitele: {allowed}");
    case BandRole::Tolerance:
        return say(
            "band {band}: {colour} is no tolerance here; tolerances: {allowed} (none only as "
            "the 4th of 4 bands)",
            "proužek {band}: {colour} tu není tolerance; tolerance: {allowed} (žádná jen jako "
            "4. ze 4 proužků)");
    case BandRole::Tempco:
        return say("band {band}: {colour} is no temperature coefficient; coefficients: {allowed}",
                   "proužek {band}: {colour} není teplotní součinitel; součinitele: {allowed}");
    case BandRole::Link:
        break;
    }
    return say("band {band}: a single band is the black 0 Ω link, not {colour}",
               "proužek {band}: jediný proužek je černá propojka 0 Ω, ne {colour}");
}

// "E96", or "not in E96 or E24": whether the value is one that parts of its tolerance are sold in.
std::string seriesNote(const BandReading &read, const Texts &texts)
{
    if (read.series)
        return fmt::format("E{}", *read.series);
    std::vector<std::string> names;
    for (int size : seriesForTolerance(*read.reading.toleranceHundredths))
        names.push_back(fmt::format("E{}", size));
    return texts.say("not in {series}", "není v {series}",
                     "series"_a = listOf(names, texts.pick(" or ", " ani ")));
}

std::string readingLine(const BandReading &read, const Texts &texts)
{
    std::string line = readingText(read.reading, texts.language());
    if (read.reading.toleranceHundredths)
        line += ", " + seriesNote(read, texts);
    if (read.fromOtherEnd)
        line += std::string(texts.pick(", read from the other end", ", čteno z druhého konce"));
    return line;
}

JsonObject readingJson(const BandReading &read, const Texts &texts)
{
    const Reading &reading = read.reading;
    std::optional<Decimal> lowest, highest, tolerance, tempco;
    if (reading.toleranceHundredths) {
        lowest = lowestWithin(reading.ohms, *reading.toleranceHundredths);
        highest = highestWithin(reading.ohms, *reading.toleranceHundredths);
        tolerance = Decimal{*reading.toleranceHundredths, -2};
    }
    if (reading.tempcoPpm)
        tempco = Decimal{*reading.tempcoPpm, 0};
    return JsonObject()
        .texts("bands", englishNames(read.bands))
        .number("ohms", reading.ohms)
        .number("tolerance_percent", tolerance)
        .number("tempco_ppm_per_k", tempco)
        .number("min_ohms", lowest)
        .number("max_ohms", highest)
        .text("text", readingText(reading, texts.language()));
}

// Each band's colour, or its alternatives: "red/orange".
std::vector<std::vector<Colour>> bandChoices(const std::vector<std::string> &words,
                                             const Texts &texts)
{
    std::vector<std::vector<Colour>> choices;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::vector<Colour> alternatives;
        std::string_view rest = words[i];
        do {
            const std::string_view word = rest.substr(0, rest.find('/'));
            rest.remove_prefix(std::min(rest.size(), word.size() + 1));
            const auto colour = parseColourWord(word);
            if (!colour) {
                std::vector<Colour> all;
                for (const ColourMeaning &entry : colourTable())
                    all.push_back(entry.colour);
                texts.refuse("band {band}: {word} is no colour; colours: {colours}",
                             "proužek {band}: {word} není barva; barvy: {colours}",
                             "band"_a = i + 1, "word"_a = quoted(word),
                             "colours"_a = colourList(all, texts.language()));
            }
            alternatives.push_back(*colour);
        } while (!rest.empty());
        choices.push_back(alternatives);
    }
    return choices;
}

int decodeCommand(const Options &options, const Texts &texts, std::ostream &out, std::ostream &err)
{
    const Language language = texts.language();
    const std::vector<std::vector<Colour>> choices = bandChoices(options.arguments.operands, texts);
    const bool inDoubt =
        std::any_of(choices.begin(), choices.end(), [](const auto &c) { return c.size() > 1; });
    std::vector<BandReading> readings;
    if (!inDoubt) {
        // The bands as given must be a code; their reading stays first.
        std::vector<Colour> bands;
        for (const auto &choice : choices)
            bands.push_back(choice.front());
        const auto decoded = decode(bands);
        if (const auto *error = std::get_if<DecodeError>(&decoded)) {
            if (error->band == 0)
                texts.refuse("decode takes 1, 3, 4, 5 or 6 colours, not {count}",
                             "decode potřebuje 1, 3, 4, 5 nebo 6 barev, ne {count}",
                             "count"_a = bands.size());
            throw UsageError{
                bandProblem(*error, bands[static_cast<std::size_t>(error->band - 1)], texts)};
        }
        readings.push_back({bands, false, std::get<Reading>(decoded), std::nullopt});
        readings.front().series = soldSeries(readings.front().reading);
    }
    const auto all = allReadings(choices);
    if (std::holds_alternative<TooManyReadings>(all))
        texts.refuse("these choices give more than {limit} readings; name fewer alternatives",
                     "tyto volby dávají víc než {limit} čtení; uveďte méně možností",
                     "limit"_a = readingLimit);
    for (const BandReading &read : std::get<std::vector<BandReading>>(all))
        if (inDoubt || read.fromOtherEnd)
            readings.push_back(read);
    if (readings.empty()) {
        err << "ohmilka-code: "
            << texts.say("no choice of these colours is a code",
                         "žádná volba těchto barev není kód")
            << '\n';
        return 1;
    }

    const auto &measuredText = options.arguments.value(OptionName::Measured);
    const std::size_t candidates = readings.size();
    if (measuredText) {
        const Decimal measured = valueOf(*measuredText, texts);
        std::erase_if(readings, [&](const BandReading &r) { return !holds(r.reading, measured); });
        if (readings.empty()) {
            err << "ohmilka-code: "
                << texts.say("none of the {count} readings holds the measured {value}",
                             "žádné z {count} čtení neodpovídá naměřeným {value}",
                             "count"_a = candidates, "value"_a = ohmsText(measured, language))
                << '\n';
            return 1;
        }
    }
    const std::size_t dropped = candidates - readings.size();

    if (options.json) {
        std::vector<JsonObject> objects;
        for (const BandReading &read : readings)
            objects.push_back(readingJson(read, texts));
        if (inDoubt || measuredText)
            out << JsonObject()
                       .objects("readings", objects)
                       .number("dropped", Decimal{std::int64_t(dropped), 0})
                       .str()
                << '\n';
        else
            out << objects.front().objects("other_readings", std::span(objects).subspan(1)).str()
                << '\n';
        return 0;
    }
    for (const BandReading &read : readings) {
        std::vector<std::string_view> names;
        for (Colour colour : read.bands)
            names.push_back(colourName(colour, language));
        out << (inDoubt ? listOf(names, " ") + ": " : "") << readingLine(read, texts) << '\n';
    }
    if (measuredText)
        out << texts.say("left out, outside the measured value: {count}",
                         "vynecháno mimo naměřenou hodnotu: {count}", "count"_a = dropped)
            << '\n';
    return 0;
}

// --- surface-mount markings ----------------------------------------------------------------------

std::string_view systemName(SmdSystem system, const Texts &texts)
{
    switch (system) {
    case SmdSystem::ZeroLink:
        return texts.pick("0 Ω link", "propojka 0 Ω");
    case SmdSystem::ThreeDigit:
        return texts.pick("3-digit", "3 číslice");
    case SmdSystem::FourDigit:
        return texts.pick("4-digit", "4 číslice");
    case SmdSystem::RCode:
        return texts.pick("R code", "s R");
    case SmdSystem::Eia96:
        break;
    }
    return "EIA-96";
}

std::string smdProblem(std::string_view marking, SmdProblem problem, const Texts &texts)
{
    const auto say = [&](std::string_view english, std::string_view czech) {
        return texts.say(english, czech, "marking"_a = quoted(marking),
                         "letters"_a = listOf(std::vector<std::string>{"Z", "Y/R", "X/S", "A",
                                                                       "B/H", "C", "D", "E", "F"}));
    };
    switch (problem) {
    case SmdProblem::Empty:
        return say("marking {marking}: it is empty", "značka {marking}: je prázdná");
    case SmdProblem::TooManyDigits:
        return say("marking {marking}: it has more than 4 digits",
                   "značka {marking}: má víc než 4 číslice");
    case SmdProblem::Eia96IndexZero:
        return say("marking {marking}: EIA-96 has no index 00; indexes 01 to 96",
                   "značka {marking}: EIA-96 nemá index 00; indexy 01 až 96");
    case SmdProblem::Eia96IndexOver96:
        return say("marking {marking}: EIA-96 has no index over 96; indexes 01 to 96",
                   "značka {marking}: EIA-96 nemá index nad 96; indexy 01 až 96");
    case SmdProblem::UnknownLetter:
        return say("marking {marking}: its letter is no EIA-96 multiplier; letters: {letters}",
                   "značka {marking}: její písmeno není násobitel EIA-96; písmena: {letters}");
    case SmdProblem::NotAMarking:
        break;
    }
    return say("marking {marking}: no system reads it (forms: 472, 4701, 4R7, R47, 0, 01C)",
               "značka {marking}: žádný systém ji nečte (tvary: 472, 4701, 4R7, R47, 0, 01C)");
}

int smdCommand(const Options &options, const Texts &texts, std::ostream &out, std::ostream &err)
{
    const std::vector<std::string> &markings = options.arguments.operands;
    if (markings.empty())
        texts.refuse("smd takes one marking or more, such as 472 or 01C",
                     "smd potřebuje jednu značku nebo víc, například 472 nebo 01C");
    int status = 0;
    for (const std::string &marking : markings) {
        const SmdDecoded decoded = readSmdMarking(marking);
        if (decoded.readings.empty()) {
            err << "ohmilka-code: " << smdProblem(marking, decoded.problem, texts) << '\n';
            status = 2;
            continue;
        }
        std::vector<std::string> texts_;
        std::vector<JsonObject> readings;
        for (const SmdReading &reading : decoded.readings) {
            std::string text = ohmsText(reading.ohms, texts.language());
            if (reading.toleranceHundredths)
                text +=
                    " ±" +
                    percentText(*reading.toleranceHundredths, decimalSeparator(texts.language())) +
                    " %";
            const std::string_view system = systemName(reading.system, texts);
            texts_.push_back(fmt::format("{} ({})", text, system));
            std::optional<Decimal> tolerance;
            if (reading.toleranceHundredths)
                tolerance = Decimal{*reading.toleranceHundredths, -2};
            readings.push_back(
                JsonObject()
                    .text("system", systemName(reading.system, Texts(Language::English)))
                    .number("ohms", reading.ohms)
                    .number("tolerance_percent", tolerance)
                    .text("text", text));
        }
        if (options.json)
            out << JsonObject().text("marking", marking).objects("readings", readings).str()
                << '\n';
        else
            out << marking << ": " << listOf(texts_, "; ") << '\n';
    }
    return status;
}

int encodeSmd(const Options &options, const Texts &texts, Decimal value, std::ostream &out,
              std::ostream &err)
{
    const Language language = texts.language();
    for (OptionName other : {OptionName::Bands, OptionName::Tolerance, OptionName::Tempco})
        if (options.arguments.given(other))
            texts.refuse("--smd marks no bands; leave out --{option}",
                         "--smd neoznačuje proužky; vynechte --{option}",
                         "option"_a = optionSpec(other).longName);
    const std::string ohms = ohmsText(value, language);
    const auto shown = [&](const std::optional<SmdMarking> &marking) {
        return marking ? fmt::format("{} ({})", marking->text, ohmsText(marking->ohms, language))
                       : std::string(texts.pick("none", "žádná"));
    };
    const auto json = [](const std::optional<SmdMarking> &marking) {
        return marking
                   ? std::optional(
                         JsonObject().text("marking", marking->text).number("ohms", marking->ohms))
                   : std::nullopt;
    };
    bool marked = false;
    std::vector<JsonObject> systems;
    for (const SmdEncoding &encoding : smdMarkings(value)) {
        const std::string_view system = systemName(encoding.system, texts);
        JsonObject entry;
        entry.text("system", systemName(encoding.system, Texts(Language::English)));
        if (encoding.marking) {
            marked = true;
            entry.text("marking", encoding.marking->text);
            if (!options.json)
                out << fmt::format("{}: {} ({})\n", ohms, encoding.marking->text, system);
        } else {
            entry.null("marking");
            if (!options.json)
                out << texts.say("{value} has no {system} marking; nearest: {below} below, "
                                 "{above} above",
                                 "{value} nemá značku v systému {system}; nejbližší: {below} "
                                 "nižší, {above} vyšší",
                                 "value"_a = ohms, "system"_a = system,
                                 "below"_a = shown(encoding.below),
                                 "above"_a = shown(encoding.above))
                    << '\n';
        }
        systems.push_back(
            entry.object("below", json(encoding.below)).object("above", json(encoding.above)));
    }
    if (options.json)
        out << JsonObject().number("ohms", value).objects("markings", systems).str() << '\n';
    if (marked)
        return 0;
    err << "ohmilka-code: "
        << texts.say("{value} cannot be marked in any system",
                     "{value} nelze označit v žádném systému", "value"_a = ohms)
        << '\n';
    return 1;
}

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
        return encodeSmd(options, texts, normalised(request.ohms), out, err);
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
        "  check [FILE...] [--csv] [--series E24,E96]\n"
        "                        check parts lists or KiCad BOMs (.csv) against the E series\n"
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
        "  check [SOUBOR...] [--csv] [--series E24,E96]\n"
        "                        zkontroluje seznamy součástek nebo BOM z KiCadu (.csv) proti "
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
            return decodeCommand(options, texts, out, err);
        if (command == "encode")
            return encodeCommand(options, texts, out, err);
        if (command == "series")
            return seriesCommand(options, texts, out);
        if (command == "smd")
            return smdCommand(options, texts, out, err);
        if (command == "check")
            return checkCommand(options.arguments, options.json, texts, in, out, err);
        if (command.empty())
            texts.refuse("no command; commands: decode, encode, series, smd, check (see --help)",
                         "chybí příkaz; příkazy: decode, encode, series, smd, check (viz --help)");
        texts.refuse(
            "unknown command {command}; commands: decode, encode, series, smd, check (see --help)",
            "neznámý příkaz {command}; příkazy: decode, encode, series, smd, check (viz --help)",
            "command"_a = quoted(command));
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
