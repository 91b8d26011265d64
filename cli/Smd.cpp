// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Smd.h"

#include "Json.h"
#include "SmdCode.h"

namespace ohmilka::cli {

namespace {
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
        return texts.say(english, czech, "marking"_a = quoted(marking),
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

} // namespace

int smdCommand(const Call &call)
{
    const Texts &texts = call.texts;
    const std::vector<std::string> &markings = call.arguments.operands;
    if (markings.empty())
        texts.refuse("smd takes one marking or more, such as 472 or 01C",
                     "smd potřebuje jednu značku nebo víc, například 472 nebo 01C");
    int status = 0;
    for (const std::string &marking : markings) {
        const SmdDecoded decoded = readSmdMarking(marking);
        if (decoded.readings.empty()) {
            writeMessage(call.err, smdProblem(marking, decoded.problem, texts));
            status = 2;
            continue;
        }
        std::vector<std::string> texts_;
        std::vector<JsonObject> readings;
        for (const SmdReading &reading : decoded.readings) {
            std::string text = ohmsText(reading.ohms, texts.language());
            if (reading.toleranceHundredths) { // not " " + …: GCC 12's false -Wrestrict alarm
                text += ' ';
                text += toleranceText(*reading.toleranceHundredths, texts.language());
            }
            const std::string_view system = systemName(reading.system, texts);
            texts_.push_back(fmt::format("{} ({})", text, system));
            std::optional<Decimal> tolerance;
            if (reading.toleranceHundredths)
                tolerance = percentOf(*reading.toleranceHundredths);
            readings.push_back(
                JsonObject()
                    .text("system", systemName(reading.system, Texts(Language::English)))
                    .number("ohms", reading.ohms)
                    .number("tolerance_percent", tolerance)
                    .text("text", text));
        }
        if (call.json)
            call.out << JsonObject().text("marking", marking).objects("readings", readings).str()
                     << '\n';
        else
            call.out << marking << ": " << listOf(texts_, "; ") << '\n';
    }
    return status;
}

int encodeSmd(const Call &call, Decimal value)
{
    const Arguments &arguments = call.arguments;
    const bool json = call.json;
    const Texts &texts = call.texts;
    std::ostream &out = call.out;
    std::ostream &err = call.err;
    const Language language = texts.language();
    for (OptionName other : {OptionName::Bands, OptionName::Tolerance, OptionName::Tempco})
        if (arguments.given(other))
            texts.refuse("--smd marks no bands; leave out --{option}",
                         "--smd neoznačuje proužky; vynechte --{option}",
                         "option"_a = optionRow(other).longName);
    const std::string ohms = ohmsText(value, language);
    const auto shown = [&](const std::optional<SmdMarking> &marking) {
        return marking ? fmt::format("{} ({})", marking->text, ohmsText(marking->ohms, language))
                       : std::string(texts.pick("none", "žádná"));
    };
    const auto markingJson = [](const std::optional<SmdMarking> &marking) {
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
            if (!json)
                out << fmt::format("{}: {} ({})\n", ohms, encoding.marking->text, system);
        } else {
            entry.null("marking");
            if (!json)
                out << texts.say("{value} has no {system} marking; nearest: {below} below, "
                                 "{above} above",
                                 "{value} nemá značku v systému {system}; nejbližší: {below} "
                                 "nižší, {above} vyšší",
                                 "value"_a = ohms, "system"_a = system,
                                 "below"_a = shown(encoding.below),
                                 "above"_a = shown(encoding.above))
                    << '\n';
        }
        systems.push_back(entry.object("below", markingJson(encoding.below))
                              .object("above", markingJson(encoding.above)));
    }
    if (json)
        out << JsonObject().number("ohms", value).objects("markings", systems).str() << '\n';
    if (marked)
        return 0;
    writeMessage(err, texts.say("{value} cannot be marked in any system",
                                "{value} nelze označit v žádném systému", "value"_a = ohms));
    return 1;
}

} // namespace ohmilka::cli
