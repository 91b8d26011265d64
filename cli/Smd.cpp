// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Smd.h"

#include "Json.h"
#include "SmdCode.h"

#include <algorithm>
#include <array>

namespace ohmilka::cli {

namespace {
// Each system's name, and in Czech also as it stands after "v systému": "tří číslic".
struct SystemNames {
    SmdSystem system;
    std::string_view english, czech, czechAfterSystem;
};
constexpr std::array<SystemNames, 5> systemNames{{
    {SmdSystem::ZeroLink, "0 Ω link", "propojka 0 Ω", "propojky 0 Ω"},
    {SmdSystem::ThreeDigit, "3-digit", "3 číslice", "tří číslic"},
    {SmdSystem::FourDigit, "4-digit", "4 číslice", "čtyř číslic"},
    {SmdSystem::RCode, "R code", "s R", "s R"},
    {SmdSystem::Eia96, "EIA-96", "EIA-96", "EIA-96"},
}};

const SystemNames &namesOf(SmdSystem system)
{
    return *std::find_if(systemNames.begin(), systemNames.end(),
                         [&](const SystemNames &names) { return names.system == system; });
}

std::string_view systemName(SmdSystem system, const Texts &texts)
{
    return texts.pick(namesOf(system).english, namesOf(system).czech);
}

// "Z", "Y/R", …: each multiplier's letters.
std::vector<std::string> eia96LetterNames()
{
    std::vector<std::string> names;
    for (const Eia96Multiplier &multiplier : eia96Multipliers()) {
        names.emplace_back(1, multiplier.letter);
        if (multiplier.alternative)
            names.back() += std::string("/") + multiplier.alternative;
    }
    return names;
}

std::string smdProblem(std::string_view marking, SmdProblem problem, const Texts &texts)
{
    const auto say = [&](std::string_view english, std::string_view czech) {
        return texts.say(english, czech, "marking"_a = texts.quote(marking),
                         "letters"_a = listOf(eia96LetterNames()));
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

// "4.7 kΩ ±1 %": a reading's value and tolerance.
std::string readingText(const SmdReading &reading, Language language)
{
    std::string text = ohmsText(reading.ohms, language);
    if (reading.toleranceHundredths) { // not " " + …: GCC 12's false -Wrestrict alarm
        text += ' ';
        text += toleranceText(*reading.toleranceHundredths, language);
    }
    return text;
}

// "472: 4.7 kΩ (3-digit)", or why the marking cannot be read.
std::string markingLine(std::string_view marking, const SmdDecoded &decoded, const Texts &texts)
{
    if (decoded.readings.empty())
        return smdProblem(marking, decoded.problem, texts);
    std::vector<std::string> readings;
    for (const SmdReading &reading : decoded.readings)
        readings.push_back(fmt::format("{} ({})", readingText(reading, texts.language()),
                                       systemName(reading.system, texts)));
    return fmt::format("{}: {}", marking, listOf(readings, "; "));
}

std::string markingJson(std::string_view marking, const SmdDecoded &decoded, const Texts &texts)
{
    std::vector<JsonObject> readings;
    for (const SmdReading &reading : decoded.readings)
        readings.push_back(JsonObject()
                               .text("system", systemName(reading.system, Texts(Language::English)))
                               .number("ohms", reading.ohms)
                               .number("tolerance_percent",
                                       reading.toleranceHundredths
                                           ? std::optional(percentOf(*reading.toleranceHundredths))
                                           : std::nullopt)
                               .text("text", readingText(reading, texts.language())));
    JsonObject json;
    json.text("marking", marking).text("result", decoded.readings.empty() ? "unreadable" : "read");
    if (decoded.readings.empty())
        json.text("reason", smdProblem(marking, decoded.problem, texts));
    else
        json.null("reason");
    return json.objects("readings", readings)
        .text("text", markingLine(marking, decoded, texts))
        .str();
}

// What a value's surface-mount markings come to, for either printer.
struct SmdMarkingsResult {
    Decimal ohms;
    std::vector<SmdEncoding> encodings;
    bool marked = false; // in one system at least
};

// "4.7 kΩ: 472 (3-digit)", or the nearest markings of a system that has none for the value.
std::string encodingLine(Decimal ohms, const SmdEncoding &encoding, const Texts &texts)
{
    const Language language = texts.language();
    const std::string value = ohmsText(ohms, language);
    const std::string_view system = systemName(encoding.system, texts);
    if (encoding.marking)
        return fmt::format("{}: {} ({})", value, encoding.marking->text, system);
    const auto shown = [&](const std::optional<SmdMarking> &marking) {
        return marking ? fmt::format("{} ({})", marking->text, ohmsText(marking->ohms, language))
                       : std::string(texts.pick("none", "žádná"));
    };
    return texts.say("{value} has no {system} marking; nearest: {below} below, {above} above",
                     "{value} nemá značku v systému {system}; nejbližší: {below} nižší, {above} "
                     "vyšší",
                     "value"_a = value,
                     "system"_a = language == Language::Czech
                                      ? namesOf(encoding.system).czechAfterSystem
                                      : system,
                     "below"_a = shown(encoding.below), "above"_a = shown(encoding.above));
}

std::string unmarkableText(Decimal ohms, const Texts &texts)
{
    return texts.say("{value} cannot be marked in any system",
                     "{value} nelze označit žádným systémem značení",
                     "value"_a = ohmsText(ohms, texts.language()));
}

void printMarkingsJson(const SmdMarkingsResult &result, const Call &call)
{
    const auto markingJson = [](const std::optional<SmdMarking> &marking) {
        return marking
                   ? std::optional(
                         JsonObject().text("marking", marking->text).number("ohms", marking->ohms))
                   : std::nullopt;
    };
    std::vector<JsonObject> systems;
    for (const SmdEncoding &encoding : result.encodings) {
        JsonObject entry;
        entry.text("system", systemName(encoding.system, Texts(Language::English)))
            .number("ohms", result.ohms);
        if (encoding.marking)
            entry.text("marking", encoding.marking->text);
        else
            entry.null("marking");
        systems.push_back(entry.object("below", markingJson(encoding.below))
                              .object("above", markingJson(encoding.above))
                              .text("text", encodingLine(result.ohms, encoding, call.texts)));
    }
    JsonObject json;
    json.number("ohms", result.ohms).text("result", result.marked ? "marked" : "none");
    json.objects("markings", systems);
    // The value's one line of its own: why no system marks it.
    if (result.marked)
        json.null("reason").null("text");
    else
        json.text("reason", unmarkableText(result.ohms, call.texts))
            .text("text", unmarkableText(result.ohms, call.texts));
    call.out << json.str() << '\n';
}
} // namespace

int smdCommand(const Call &call)
{
    const Texts &texts = call.texts;
    const std::vector<std::string> &markings = call.arguments.operands;
    if (markings.empty())
        texts.refuse("smd takes one marking or more, such as 472 or 01C",
                     "smd potřebuje aspoň jednu značku, například 472 nebo 01C");
    int status = 0;
    for (const std::string &marking : markings) {
        const SmdDecoded decoded = readSmdMarking(marking);
        if (decoded.readings.empty()) {
            writeMessage(call.err, markingLine(marking, decoded, texts));
            status = 2;
        }
        if (call.json)
            call.out << markingJson(marking, decoded, texts) << '\n';
        else if (!decoded.readings.empty())
            call.out << markingLine(marking, decoded, texts) << '\n';
    }
    return status;
}

int encodeSmd(const Call &call, Decimal value)
{
    const Texts &texts = call.texts;
    for (OptionName other : {OptionName::Bands, OptionName::Tolerance, OptionName::Tempco})
        if (call.arguments.given(other))
            texts.refuse("--smd marks no bands; leave out --{option}",
                         "--smd s proužky nepracuje; vynechte --{option}",
                         "option"_a = optionRow(other).longName);
    SmdMarkingsResult result{value, smdMarkings(value), false};
    result.marked = std::ranges::any_of(result.encodings,
                                        [](const SmdEncoding &e) { return e.marking.has_value(); });
    if (call.json)
        printMarkingsJson(result, call);
    else
        for (const SmdEncoding &encoding : result.encodings)
            call.out << encodingLine(value, encoding, texts) << '\n';
    if (result.marked)
        return 0;
    writeMessage(call.err, unmarkableText(value, texts));
    return 1;
}

} // namespace ohmilka::cli
