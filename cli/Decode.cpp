// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Decode.h"

#include "Json.h"
#include "Readings.h"
#include "Values.h"

#include <algorithm>

namespace ohmilka::cli {

namespace {
// Colours in doubt are tried one choice at a time; past this many, the call is refused unread.
constexpr std::size_t combinationLimit = 10000;

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
    return texts.say("not in {series}", "není v {series}",
                     "series"_a =
                         listOf(seriesNames(seriesForTolerance(*read.reading.toleranceHundredths)),
                                texts.pick(" or ", " ani ")));
}

// "4.7 kΩ ±5 % (4.465–4.935 kΩ), E24"; in doubt, after the bands it reads.
std::string readingLine(const BandReading &read, bool inDoubt, const Texts &texts)
{
    std::string line;
    if (inDoubt) {
        std::vector<std::string_view> names;
        for (Colour colour : read.bands)
            names.push_back(colourName(colour, texts.language()));
        line = listOf(names, " ") + ": ";
    }
    line += readingText(read.reading, texts.language());
    if (read.reading.toleranceHundredths)
        line += ", " + seriesNote(read, texts);
    if (read.fromOtherEnd)
        line += std::string(texts.pick(", read from the other end", ", čteno z druhého konce"));
    return line;
}

JsonObject readingJson(const BandReading &read, bool inDoubt, const Texts &texts)
{
    const Reading &reading = read.reading;
    std::optional<Decimal> lowest, highest, tolerance, tempco;
    if (reading.toleranceHundredths) {
        lowest = lowestWithin(reading.ohms, *reading.toleranceHundredths);
        highest = highestWithin(reading.ohms, *reading.toleranceHundredths);
        tolerance = percentOf(*reading.toleranceHundredths);
    }
    if (reading.tempcoPpm)
        tempco = Decimal{*reading.tempcoPpm, 0};
    JsonObject json = JsonObject()
                          .texts("bands", englishNames(read.bands))
                          .number("ohms", reading.ohms)
                          .number("tolerance_percent", tolerance)
                          .number("tempco_ppm_per_k", tempco)
                          .number("min_ohms", lowest)
                          .number("max_ohms", highest);
    // The series that parts of its tolerance are sold in, as the text's "E24" or "not in E24".
    if (reading.toleranceHundredths)
        json.texts("series", seriesNames(seriesForTolerance(*reading.toleranceHundredths)))
            .truth("in_series", read.series.has_value());
    else
        json.null("series").null("in_series");
    if (read.series)
        json.text("sold_series", fmt::format("E{}", *read.series));
    else
        json.null("sold_series");
    return json.truth("from_other_end", read.fromOtherEnd)
        .text("text", readingLine(read, inDoubt, texts));
}

// Each band's colour, or its alternatives: "red/orange".
std::vector<std::vector<Colour>> bandChoices(const std::vector<std::string> &words,
                                             const Texts &texts)
{
    std::vector<std::vector<Colour>> choices;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::vector<Colour> alternatives; // each once, in the order given
        const std::string_view given = words[i];
        for (std::size_t start = 0; start <= given.size();) {
            const std::size_t end = std::min(given.find('/', start), given.size());
            const std::string_view word = given.substr(start, end - start);
            start = end + 1;
            if (word.empty() && given.find('/') != std::string_view::npos)
                texts.refuse("band {band}: {given} has an empty choice; write choices as "
                             "red/orange",
                             "proužek {band}: {given} má prázdnou možnost; možnosti pište jako "
                             "červená/oranžová",
                             "band"_a = i + 1, "given"_a = texts.quote(given));
            const auto colour = parseColourWord(word);
            if (!colour) {
                std::vector<Colour> all;
                for (const ColourMeaning &entry : colourTable())
                    all.push_back(entry.colour);
                texts.refuse("band {band}: {word} is no colour; colours: {colours}",
                             "proužek {band}: {word} není barva; známé barvy: {colours}",
                             "band"_a = i + 1, "word"_a = texts.quote(word),
                             "colours"_a = colourList(all, texts.language()));
            }
            if (std::find(alternatives.begin(), alternatives.end(), *colour) == alternatives.end())
                alternatives.push_back(*colour);
        }
        choices.push_back(alternatives);
    }
    return choices;
}

// What a decode comes to, for either printer.
struct DecodeResult {
    std::vector<BandReading> readings; // the bands as given first, where they are a code
    bool inDoubt = false;              // alternatives were given: each reading names its bands
    std::optional<Decimal> measured;   // --measured
    std::size_t dropped = 0;           // readings it left out
    std::string noneLeft;              // why --measured leaves no reading: status 1
};

DecodeResult decodeResult(const Call &call)
{
    const Arguments &arguments = call.arguments;
    const Texts &texts = call.texts;
    const std::size_t count = arguments.operands.size();
    if (count != 1 && (count < 3 || count > 6))
        texts.refuse("decode takes 1, 3, 4, 5 or 6 colours, not {count}",
                     "decode potřebuje 1, 3, 4, 5 nebo 6 barev, ne {count}", "count"_a = count);
    const std::vector<std::vector<Colour>> choices = bandChoices(arguments.operands, texts);
    std::size_t combinations = 1;
    for (const auto &alternatives : choices) {
        combinations *= alternatives.size(); // checked band by band: it cannot overflow
        if (combinations > combinationLimit)
            texts.refuse("these choices give more than {limit} combinations of colours; name "
                         "fewer alternatives",
                         "zadané možnosti dávají víc než {limit} kombinací barev; uveďte jich méně",
                         "limit"_a = combinationLimit);
    }
    DecodeResult result;
    result.inDoubt =
        std::any_of(choices.begin(), choices.end(), [](const auto &c) { return c.size() > 1; });
    std::vector<BandReading> &readings = result.readings;
    std::optional<std::string> givenProblem; // why the bands as given are no code
    if (!result.inDoubt) {
        // The bands as given stay first where they are a code; else they are read from the
        // other end, if that is one.
        std::vector<Colour> bands;
        for (const auto &choice : choices)
            bands.push_back(choice.front());
        const auto decoded = decode(bands);
        if (const auto *error = std::get_if<DecodeError>(&decoded)) {
            givenProblem =
                bandProblem(*error, bands[static_cast<std::size_t>(error->band - 1)], texts);
        } else {
            readings.push_back({bands, false, std::get<Reading>(decoded), std::nullopt});
            readings.front().series = soldSeries(readings.front().reading);
        }
    }
    const auto all = allReadings(choices);
    if (std::holds_alternative<TooManyReadings>(all))
        texts.refuse("these choices give more than {limit} readings; name fewer alternatives",
                     "zadané možnosti dávají víc než {limit} čtení; uveďte jich méně",
                     "limit"_a = readingLimit);
    for (const BandReading &read : std::get<std::vector<BandReading>>(all))
        if (result.inDoubt || read.fromOtherEnd)
            readings.push_back(read);
    if (readings.empty() && givenProblem)
        throw UsageError{*givenProblem};
    if (readings.empty()) // an input error, as the same bands without choices are
        texts.refuse("no choice of these colours is a code",
                     "žádná kombinace těchto barev není platný kód");

    const auto &measuredText = arguments.value(OptionName::Measured);
    const std::size_t candidates = readings.size();
    if (measuredText) {
        const Decimal measured =
            *(result.measured = valueOf(*measuredText, texts, OptionName::Measured));
        std::erase_if(readings, [&](const BandReading &r) { return !holds(r.reading, measured); });
        if (readings.empty()) {
            const std::string value = ohmsText(measured, texts.language());
            result.noneLeft =
                candidates == 1
                    ? texts.say("the one reading does not hold the measured {value}",
                                "jediné čtení neodpovídá naměřené hodnotě {value}",
                                "value"_a = value)
                    : texts.say("none of the {count} readings holds the measured {value}",
                                "žádné {from} {count} čtení neodpovídá naměřené hodnotě {value}",
                                "from"_a = czechFrom(static_cast<long>(candidates)),
                                "count"_a = candidates, "value"_a = value);
        }
    }
    result.dropped = candidates - readings.size();
    return result;
}

// The line after the readings of a measured decode; none without --measured.
std::string droppedText(const DecodeResult &result, const Texts &texts)
{
    if (!result.measured)
        return {};
    return texts.say("left out, outside the measured value: {count}",
                     "vynecháno (neodpovídá naměřené hodnotě): {count}",
                     "count"_a = result.dropped);
}

void printText(const DecodeResult &result, const Call &call)
{
    const Texts &texts = call.texts;
    for (const BandReading &read : result.readings)
        call.out << readingLine(read, result.inDoubt, texts) << '\n';
    if (result.measured)
        call.out << droppedText(result, texts) << '\n';
}

void printJson(const DecodeResult &result, const Call &call)
{
    std::vector<JsonObject> objects;
    for (const BandReading &read : result.readings)
        objects.push_back(readingJson(read, result.inDoubt, call.texts));
    if (!result.noneLeft.empty())
        call.out << JsonObject()
                        .text("result", "none")
                        .text("reason", result.noneLeft)
                        .objects("readings", objects)
                        .number("dropped", Decimal{std::int64_t(result.dropped), 0})
                        .number("measured_ohms", result.measured)
                        .text("text", result.noneLeft)
                        .str()
                 << '\n';
    else if (result.inDoubt || result.measured) {
        JsonObject json;
        json.text("result", "read")
            .objects("readings", objects)
            .number("dropped", Decimal{std::int64_t(result.dropped), 0})
            .number("measured_ohms", result.measured);
        if (result.measured)
            json.text("text", droppedText(result, call.texts));
        else
            json.null("text");
        call.out << json.str() << '\n';
    } else
        call.out << JsonObject()
                        .text("result", "read")
                        .members(objects.front())
                        .objects("other_readings", std::span(objects).subspan(1))
                        .str()
                 << '\n';
}
} // namespace

int decodeCommand(const Call &call)
{
    const DecodeResult result = decodeResult(call);
    if (!result.noneLeft.empty())
        writeMessage(call.err, result.noneLeft);
    if (call.json)
        printJson(result, call);
    else if (result.noneLeft.empty())
        printText(result, call);
    return result.noneLeft.empty() ? 0 : 1;
}

} // namespace ohmilka::cli
