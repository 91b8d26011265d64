// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Command.h"

#include "ESeries.h"
#include "Identity.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace ohmilka::code {

namespace {
struct Options {
    std::string_view command;
    std::vector<std::string_view> operands;
    bool json = false;
    bool help = false;
    bool version = false;
    std::optional<std::string_view> tolerance, bands, tempco, series;
};

// A usage or input error: one line on stderr, exit status 2.
struct UsageError {
    std::string line;
};

class Texts
{
public:
    explicit Texts(Language language) : language_(language) {}
    Language language() const { return language_; }
    std::string pick(std::string_view english, std::string_view czech) const
    {
        return std::string(language_ == Language::Czech ? czech : english);
    }

private:
    Language language_;
};

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            json += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        json += c;
    }
    return json + "\"";
}

std::string jsonNumber(std::optional<Decimal> number)
{
    return number ? decimalText(*number, ".") : "null";
}

std::string jsonColours(std::span<const Colour> colours)
{
    std::string json = "[";
    for (Colour colour : colours) {
        if (json.size() > 1)
            json += ", ";
        json += jsonString(meaning(colour).english);
    }
    return json + "]";
}

template <class Items> std::string listOf(const Items &items, std::string_view separator = ", ")
{
    std::string list;
    for (std::string_view item : items) {
        if (!list.empty())
            list += separator;
        list += item;
    }
    return list;
}

// --- arguments ---------------------------------------------------------------------------------

std::optional<std::string_view> *valueOption(Options &options, std::string_view name)
{
    if (name == "--tolerance")
        return &options.tolerance;
    if (name == "--bands")
        return &options.bands;
    if (name == "--tempco")
        return &options.tempco;
    if (name == "--series")
        return &options.series;
    return nullptr;
}

Options readArguments(std::span<const std::string_view> arguments, Texts &texts)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (!argument.starts_with("--") || argument == "--") {
            if (options.command.empty())
                options.command = argument;
            else
                options.operands.push_back(argument);
            continue;
        }
        std::string_view name = argument.substr(0, argument.find('='));
        std::optional<std::string_view> value;
        if (name.size() < argument.size())
            value = argument.substr(name.size() + 1);
        if (name == "--json" || name == "--help" || name == "--version") {
            if (value)
                throw UsageError{std::string(name) +
                                 texts.pick(" takes no value", " nemá hodnotu")};
            (name == "--json"   ? options.json
             : name == "--help" ? options.help
                                : options.version) = true;
            continue;
        }
        if (name != "--lang" && !valueOption(options, name))
            throw UsageError{
                texts.pick("unknown option ", "neznámá volba ") + quoted(argument) +
                texts.pick("; options: ", "; volby: ") +
                "--json, --lang, --help, --version, --tolerance, --bands, --tempco, --series"};
        if (!value) {
            if (i + 1 == arguments.size())
                throw UsageError{std::string(name) +
                                 texts.pick(" needs a value", " potřebuje hodnotu")};
            value = arguments[++i];
        }
        if (name == "--lang") {
            if (*value != "cs" && *value != "en")
                throw UsageError{"--lang: " + quoted(*value) +
                                 texts.pick("; languages: cs, en", "; jazyky: cs, en")};
            texts = Texts(*value == "cs" ? Language::Czech : Language::English);
            continue;
        }
        *valueOption(options, name) = *value;
    }
    return options;
}

// "5", "0.25", "0,25 %", "none": a tolerance in hundredths of a percent.
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

void onlyFor(const Options &options, std::string_view command, std::string_view option, bool given,
             const Texts &texts)
{
    if (given && options.command != command)
        throw UsageError{std::string(option) + texts.pick(" belongs to the ", " patří k příkazu ") +
                         std::string(command) + texts.pick(" command", "")};
}

Decimal valueOperand(const Options &options, const Texts &texts)
{
    if (options.operands.size() != 1)
        throw UsageError{
            std::string(options.command) +
            texts.pick(" takes one value, such as 4k7", " potřebuje jednu hodnotu, například 4k7")};
    const ParsedValue parsed = parseValue(options.operands.front());
    if (parsed.value)
        return *parsed.value;
    std::string reason;
    switch (parsed.problem) {
    case ValueProblem::Empty:
        reason = texts.pick("it is empty", "je prázdná");
        break;
    case ValueProblem::Negative:
        reason = texts.pick("resistances are not negative", "odpor není záporný");
        break;
    case ValueProblem::SeveralPrefixes:
        reason = texts.pick("it has more than one prefix", "má víc než jednu předponu");
        break;
    case ValueProblem::Ambiguous:
        reason =
            texts.pick("a mark before three digits could separate thousands; write 1000 or 1k",
                       "značka před třemi číslicemi může oddělovat tisíce; napište 1000 nebo 1k");
        break;
    case ValueProblem::TooManyDigits:
        reason = texts.pick("it has more than 18 digits", "má víc než 18 číslic");
        break;
    case ValueProblem::OutOfRange:
        reason = texts.pick("it is far outside any resistor", "je daleko mimo jakýkoli rezistor");
        break;
    case ValueProblem::NotAValue:
        reason = texts.pick("it is not a resistance", "to není hodnota odporu");
        break;
    }
    throw UsageError{texts.pick("value ", "hodnota ") + quoted(options.operands.front()) + ": " +
                     reason +
                     texts.pick(" (forms: 4700, 4k7, 4.7k, 4.7 kΩ, 470R, 0R22, 2M2, 4.7e3, 220m)",
                                " (tvary: 4700, 4k7, 4,7k, 4,7 kΩ, 470R, 0R22, 2M2, 4,7e3, 220m)")};
}

// --- the commands ------------------------------------------------------------------------------

std::string roleError(const DecodeError &error, Colour colour, const Texts &texts)
{
    const Language language = texts.language();
    const std::string band = texts.pick("band ", "proužek ") + std::to_string(error.band) + ": ";
    const std::string name(colourName(colour, language));
    const auto allowed = [&](BandRole role) {
        return colourList(allowedColours(role, error.firstDigit), language);
    };
    switch (error.role) {
    case BandRole::Digit:
        if (error.firstDigit)
            return band +
                   texts.pick(name + " is no first digit; first digits: ",
                              name + " není první číslice; první číslice: ") +
                   allowed(BandRole::Digit);
        return band +
               texts.pick(name + " is no digit; digits: ", name + " není číslice; číslice: ") +
               allowed(BandRole::Digit);
    case BandRole::Multiplier:
        return band +
               texts.pick(name + " is no multiplier; multipliers: ",
                          name + " není násobitel; násobitele: ") +
               allowed(BandRole::Multiplier);
    case BandRole::Tolerance:
        return band +
               texts.pick(name + " is no tolerance here; tolerances: ",
                          name + " tu není tolerance; tolerance: ") +
               colourList(allowedColours(BandRole::Tolerance), language) +
               texts.pick(" (none only as the 4th of 4 bands)",
                          " (žádná jen jako 4. ze 4 proužků)");
    case BandRole::Tempco:
        return band +
               texts.pick(name + " is no temperature coefficient; coefficients: ",
                          name + " není teplotní součinitel; součinitele: ") +
               allowed(BandRole::Tempco);
    case BandRole::Link:
        return band + texts.pick("a single band is the black 0 Ω link, not " + name,
                                 "jediný proužek je černá propojka 0 Ω, ne " + name);
    }
    return band;
}

int decodeCommand(const Options &options, const Texts &texts, std::ostream &out)
{
    std::vector<Colour> bands;
    for (std::size_t i = 0; i < options.operands.size(); ++i) {
        const auto colour = parseColourWord(options.operands[i]);
        if (!colour) {
            std::vector<Colour> all;
            for (const ColourMeaning &entry : colourTable())
                all.push_back(entry.colour);
            throw UsageError{texts.pick("band ", "proužek ") + std::to_string(i + 1) + ": " +
                             quoted(options.operands[i]) +
                             texts.pick(" is no colour; colours: ", " není barva; barvy: ") +
                             colourList(all, texts.language())};
        }
        bands.push_back(*colour);
    }
    const auto decoded = decode(bands);
    if (const auto *error = std::get_if<DecodeError>(&decoded)) {
        if (error->band == 0)
            throw UsageError{texts.pick("decode takes 1, 3, 4, 5 or 6 colours, not ",
                                        "decode potřebuje 1, 3, 4, 5 nebo 6 barev, ne ") +
                             std::to_string(bands.size())};
        throw UsageError{
            roleError(*error, bands[static_cast<std::size_t>(error->band - 1)], texts)};
    }
    const Reading &reading = std::get<Reading>(decoded);
    const std::string text = readingText(reading, texts.language());
    if (!options.json) {
        out << text << '\n';
        return 0;
    }
    std::optional<Decimal> lowest, highest;
    if (reading.toleranceHundredths) {
        lowest = lowestWithin(reading.ohms, *reading.toleranceHundredths);
        highest = highestWithin(reading.ohms, *reading.toleranceHundredths);
    }
    std::optional<Decimal> tolerance, tempco;
    if (reading.toleranceHundredths)
        tolerance = Decimal{*reading.toleranceHundredths, -2};
    if (reading.tempcoPpm)
        tempco = Decimal{*reading.tempcoPpm, 0};
    out << "{\"bands\": " << jsonColours(bands) << ", \"ohms\": " << jsonNumber(reading.ohms)
        << ", \"tolerance_percent\": " << jsonNumber(tolerance)
        << ", \"tempco_ppm_per_k\": " << jsonNumber(tempco)
        << ", \"min_ohms\": " << jsonNumber(lowest) << ", \"max_ohms\": " << jsonNumber(highest)
        << ", \"text\": " << jsonString(text) << "}\n";
    return 0;
}

int encodeCommand(const Options &options, const Texts &texts, std::ostream &out, std::ostream &err)
{
    const Language language = texts.language();
    EncodeRequest request{valueOperand(options, texts), std::nullopt, std::nullopt, std::nullopt};
    if (options.bands) {
        request.bands = smallNumber(*options.bands).value_or(-1); // refused below with the list
    }
    if (options.tolerance) {
        request.toleranceHundredths = toleranceHundredths(*options.tolerance).value_or(-1);
    }
    if (options.tempco) {
        request.tempcoPpm = smallNumber(*options.tempco).value_or(-1);
    }
    const auto encoded = encode(request);
    if (const auto *conflict = std::get_if<EncodeConflict>(&encoded)) {
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
        const std::string separator = texts.pick(", ", "; ");
        switch (*conflict) {
        case EncodeConflict::UnknownTolerance:
            throw UsageError{"--tolerance: " + quoted(*options.tolerance) +
                             texts.pick(" is no tolerance of the code; tolerances (%): ",
                                        " není tolerance kódu; tolerance (%): ") +
                             listOf(tolerances, separator)};
        case EncodeConflict::UnknownTempco:
            throw UsageError{"--tempco: " + quoted(*options.tempco) +
                             texts.pick(" is no coefficient of the code; coefficients (ppm/K): ",
                                        " není součinitel kódu; součinitele (ppm/K): ") +
                             listOf(tempcos, separator)};
        case EncodeConflict::TempcoNeedsSixBands:
            throw UsageError{
                texts.pick("--tempco needs 6 bands, not ", "--tempco potřebuje 6 proužků, ne ") +
                std::string(*options.bands)};
        case EncodeConflict::NoToleranceBandInThree:
            throw UsageError{
                texts.pick("--bands 3 has no tolerance band (±20 %); leave out --tolerance",
                           "--bands 3 nemá proužek tolerance (±20 %); vynechte --tolerance")};
        case EncodeConflict::TwentyPercentNeedsFewBands:
            throw UsageError{texts.pick(
                "--tolerance 20 means no tolerance band: only with 3 or 4 bands",
                "--tolerance 20 znamená žádný proužek tolerance: jen u 3 nebo 4 proužků")};
        case EncodeConflict::BandCount:
            break;
        }
        throw UsageError{"--bands: " + quoted(*options.bands) +
                         texts.pick("; bands: 3, 4, 5, 6", "; proužků: 3, 4, 5, 6")};
    }
    const std::string value = ohmsText(request.ohms, language);
    if (const auto *none = std::get_if<NoMarking>(&encoded)) {
        const auto nearby = [&](std::optional<Decimal> ohms) {
            return ohms ? ohmsText(*ohms, language) : texts.pick("none", "žádná");
        };
        const std::string line = value + texts.pick(" cannot be marked with ", " nelze označit ") +
                                 std::to_string(none->bands) +
                                 texts.pick(" bands; nearest: ", " proužky; nejbližší: ") +
                                 nearby(none->below) + texts.pick(" below, ", " nižší, ") +
                                 nearby(none->above) + texts.pick(" above", " vyšší");
        err << "ohmilka-code: " << line << '\n';
        if (options.json)
            out << "{\"ohms\": " << jsonNumber(normalised(request.ohms)) << ", \"bands\": null"
                << ", \"below_ohms\": " << jsonNumber(none->below)
                << ", \"above_ohms\": " << jsonNumber(none->above)
                << ", \"text\": " << jsonString(line) << "}\n";
        return 1;
    }
    const Marking &marking = std::get<Marking>(encoded);
    std::string text = value + ": ";
    for (std::size_t i = 0; i < marking.bands.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += colourName(marking.bands[i], language);
    }
    if (const auto reading = decode(marking.bands); std::holds_alternative<Reading>(reading)) {
        const Reading &read = std::get<Reading>(reading);
        if (read.toleranceHundredths)
            text += " (±" + percentText(*read.toleranceHundredths, decimalSeparator(language)) +
                    " %" +
                    (read.tempcoPpm ? ", " + std::to_string(*read.tempcoPpm) + " ppm/K" : "") + ")";
    }
    if (options.json)
        out << "{\"ohms\": " << jsonNumber(normalised(request.ohms))
            << ", \"bands\": " << jsonColours(marking.bands) << ", \"text\": " << jsonString(text)
            << "}\n";
    else
        out << text << '\n';
    return 0;
}

int seriesCommand(const Options &options, const Texts &texts, std::ostream &out)
{
    const Language language = texts.language();
    const Decimal value = normalised(valueOperand(options, texts));
    std::vector<Series> chosen;
    std::vector<std::string_view> names;
    for (const Series &series : allSeries()) {
        names.push_back(series.name);
        if (!options.series || *options.series == series.name)
            chosen.push_back(series);
    }
    if (chosen.empty())
        throw UsageError{"--series: " + quoted(*options.series) +
                         texts.pick("; series: ", "; řady: ") + listOf(names)};
    if (value.mantissa == 0)
        throw UsageError{texts.pick("0 Ω has no series members around it; give a value above 0",
                                    "0 Ω nemá kolem sebe žádné členy řady; zadejte hodnotu nad 0")};
    const std::string ohms = ohmsText(value, language);
    std::string json = "{\"ohms\": " + jsonNumber(value) + ", \"series\": [";
    for (const Series &series : chosen) {
        const SeriesPosition position = seriesPosition(series.size, value);
        const std::string below = ohmsText(position.below, language);
        const std::string above = ohmsText(position.above, language);
        const std::string line =
            position.member
                ? ohms + texts.pick(" is in the series; neighbours ", " v řadě je; sousedé ") +
                      below + texts.pick(" and ", " a ") + above
                : ohms +
                      texts.pick(" is not in the series; nearest ",
                                 " v řadě není; nejbližší nižší ") +
                      below + texts.pick(" below and ", ", vyšší ") + above +
                      texts.pick(" above", "");
        if (!options.json)
            out << series.name << ": " << line << '\n';
        json += std::string(&series == &chosen.front() ? "" : ", ") +
                "{\"name\": " + jsonString(series.name) +
                ", \"member\": " + (position.member ? "true" : "false") +
                ", \"below_ohms\": " + jsonNumber(position.below) +
                ", \"above_ohms\": " + jsonNumber(position.above) + "}";
    }
    if (options.json)
        out << json << "]}\n";
    return 0;
}

std::string usage(const Texts &texts)
{
    return texts.pick(
        "Usage: ohmilka-code COMMAND ... [--json] [--lang cs|en]\n"
        "  decode COLOUR...      read 1, 3, 4, 5 or 6 colour bands, left to right\n"
        "  encode VALUE [--tolerance PERCENT] [--bands 3|4|5|6] [--tempco PPM]\n"
        "                        the colours that mark a value, such as 4k7 or 470R\n"
        "  series VALUE [--series E6|E12|E24|E48|E96|E192]\n"
        "                        whether a value is in the E series, and its neighbours\n"
        "Colours in Czech or English, or as IEC codes: hnědá, hneda, brown, BN.\n"
        "Exit status: 0 done, 1 the value cannot be marked so, 2 a usage or input error.\n",
        "Použití: ohmilka-code PŘÍKAZ ... [--json] [--lang cs|en]\n"
        "  decode BARVA...       přečte 1, 3, 4, 5 nebo 6 proužků zleva doprava\n"
        "  encode HODNOTA [--tolerance PROCENTA] [--bands 3|4|5|6] [--tempco PPM]\n"
        "                        barvy, které označí hodnotu, například 4k7 nebo 470R\n"
        "  series HODNOTA [--series E6|E12|E24|E48|E96|E192]\n"
        "                        zda hodnota patří do řady E, a její sousedé\n"
        "Barvy česky nebo anglicky, nebo kódy IEC: hnědá, hneda, brown, BN.\n"
        "Návratová hodnota: 0 hotovo, 1 hodnotu nelze takto označit, 2 chyba použití nebo "
        "vstupu.\n");
}
} // namespace

Language languageOfLocale(const char *lcAll, const char *lcMessages, const char *lang)
{
    for (const char *value : {lcAll, lcMessages, lang})
        if (value && *value)
            return std::string_view(value).starts_with("cs") ? Language::Czech : Language::English;
    return Language::English;
}

int runCommand(std::span<const std::string_view> arguments, Language language, std::ostream &out,
               std::ostream &err)
{
    Texts texts(language);
    try {
        const Options options = readArguments(arguments, texts);
        if (options.help) {
            out << usage(texts);
            return 0;
        }
        if (options.version) {
            out << "ohmilka-code " << identity::versionMajor << '.' << identity::versionMinor << '.'
                << identity::versionRevision << '\n';
            return 0;
        }
        onlyFor(options, "encode", "--tolerance", options.tolerance.has_value(), texts);
        onlyFor(options, "encode", "--bands", options.bands.has_value(), texts);
        onlyFor(options, "encode", "--tempco", options.tempco.has_value(), texts);
        onlyFor(options, "series", "--series", options.series.has_value(), texts);
        if (options.command == "decode")
            return decodeCommand(options, texts, out);
        if (options.command == "encode")
            return encodeCommand(options, texts, out, err);
        if (options.command == "series")
            return seriesCommand(options, texts, out);
        throw UsageError{
            (options.command.empty()
                 ? texts.pick("no command", "chybí příkaz")
                 : texts.pick("unknown command ", "neznámý příkaz ") + quoted(options.command)) +
            texts.pick("; commands: decode, encode, series (see --help)",
                       "; příkazy: decode, encode, series (viz --help)")};
    } catch (const UsageError &error) {
        err << "ohmilka-code: " << error.line << '\n';
        return 2;
    }
}

} // namespace ohmilka::code
