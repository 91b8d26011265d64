// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Encode.h"

#include "Json.h"
#include "Smd.h"
#include "Values.h"

#include <algorithm>

namespace ohmilka::cli {

namespace {
[[noreturn]] void refuseConflict(EncodeConflict conflict, const Arguments &arguments,
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

} // namespace

int encodeCommand(const Call &call)
{
    const Texts &texts = call.texts;
    std::ostream &out = call.out;
    const Language language = texts.language();
    const Arguments &arguments = call.arguments;
    const ToleratedValue operand = toleratedValueOperand(call);
    EncodeRequest request{operand.ohms, std::nullopt, std::nullopt, std::nullopt};
    if (arguments.given(OptionName::Smd))
        return encodeSmd(call, normalised(request.ohms));
    // Unreadable numbers are refused below, with the list of the valid ones.
    if (const auto &bands = arguments.value(OptionName::Bands))
        request.bands = smallNumber(*bands).value_or(-1);
    request.toleranceHundredths = operand.toleranceHundredths;
    if (const auto &tolerance = arguments.value(OptionName::Tolerance)) {
        request.toleranceHundredths = toleranceHundredths(*tolerance).value_or(-1);
        if (operand.toleranceHundredths &&
            operand.toleranceHundredths != request.toleranceHundredths)
            texts.refuse("the value says {value}, --tolerance says {option}; give one of them",
                         "hodnota říká {value}, --tolerance říká {option}; uveďte jen jedno",
                         "value"_a = toleranceText(*operand.toleranceHundredths, language),
                         "option"_a = quoted(*tolerance));
    }
    if (const auto &tempco = arguments.value(OptionName::Tempco))
        request.tempcoPpm = smallNumber(*tempco).value_or(-1);
    const auto encoded = encode(request);
    if (const auto *conflict = std::get_if<EncodeConflict>(&encoded))
        refuseConflict(*conflict, arguments, texts);

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
        writeMessage(call.err, line);
        if (call.json)
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
    std::optional<int> tolerance, tempco;
    if (const auto reading = decode(marking.bands); std::holds_alternative<Reading>(reading)) {
        tolerance = std::get<Reading>(reading).toleranceHundredths;
        tempco = std::get<Reading>(reading).tempcoPpm;
    }
    // A coefficient nobody asked for is the code's default, and says so.
    const bool tempcoByDefault = tempco && !request.tempcoPpm;
    if (tolerance) {
        text += " (" + toleranceText(*tolerance, language);
        if (tempco)
            text += fmt::format(", {} ppm/K", *tempco);
        if (tempcoByDefault)
            text += texts.pick(", the default", ", výchozí");
        text += ')';
    }
    if (call.json)
        out << JsonObject()
                   .number("ohms", request.ohms)
                   .texts("bands", englishNames(marking.bands))
                   .number("tolerance_percent",
                           tolerance ? std::optional(percentOf(*tolerance)) : std::nullopt)
                   .number("tempco_ppm_per_k",
                           tempco ? std::optional(Decimal{*tempco, 0}) : std::nullopt)
                   .truth("tempco_by_default", tempcoByDefault)
                   .text("text", text)
                   .str()
            << '\n';
    else
        out << text << '\n';
    return 0;
}

} // namespace ohmilka::cli
