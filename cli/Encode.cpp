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
    const auto given = [&](OptionName name) {
        return texts.quote(arguments.value(name).value_or(""));
    };
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
                 "--bands: {given} není počet proužků; počty proužků: 3, 4, 5, 6",
                 "given"_a = given(OptionName::Bands));
}

// The request a call makes: its value, band count, tolerance and coefficient.
EncodeRequest requestOf(const Call &call, const ToleratedValue &operand)
{
    const Arguments &arguments = call.arguments;
    const Texts &texts = call.texts;
    EncodeRequest request{operand.ohms, std::nullopt, operand.toleranceHundredths, std::nullopt};
    // Unreadable numbers are refused by refuseConflict, with the list of the valid ones.
    if (const auto &bands = arguments.value(OptionName::Bands))
        request.bands = smallNumber(*bands).value_or(-1);
    if (const auto &tolerance = arguments.value(OptionName::Tolerance)) {
        request.toleranceHundredths = toleranceHundredths(*tolerance).value_or(-1);
        refuseTwoTolerances(operand, request.toleranceHundredths, *tolerance, texts);
    }
    if (const auto &tempco = arguments.value(OptionName::Tempco))
        request.tempcoPpm = smallNumber(*tempco).value_or(-1);
    return request;
}

// What an encode comes to, for either printer: the bands, or the nearest values that have them.
struct EncodeResult {
    Decimal ohms;
    std::optional<Marking> marking;
    std::optional<NoMarking> none;
    std::optional<int> tolerance, tempco; // as the bands give them
    bool tempcoByDefault = false;         // a coefficient nobody asked for
    std::string text;                     // the line, or the reason there are no bands
};

EncodeResult encodeResult(const Call &call, const EncodeRequest &request)
{
    const Texts &texts = call.texts;
    const Language language = texts.language();
    const auto encoded = encode(request);
    if (const auto *conflict = std::get_if<EncodeConflict>(&encoded))
        refuseConflict(*conflict, call.arguments, texts);
    EncodeResult result{
        request.ohms, std::nullopt, std::nullopt, std::nullopt, std::nullopt, false, {}};
    const std::string value = ohmsText(request.ohms, language);
    if (const auto *none = std::get_if<NoMarking>(&encoded)) {
        const auto nearby = [&](std::optional<Decimal> ohms) {
            return ohms ? ohmsText(*ohms, language) : std::string(texts.pick("none", "žádná"));
        };
        result.none = *none;
        result.text = texts.say(
            "{value} cannot be marked with {bands} bands; nearest: {below} below, {above} above",
            "{value} nelze označit {bands} proužky; nejbližší: {below} nižší, {above} vyšší",
            "value"_a = value, "bands"_a = none->bands, "below"_a = nearby(none->below),
            "above"_a = nearby(none->above));
        return result;
    }
    const Marking &marking = result.marking.emplace(std::get<Marking>(encoded));
    std::vector<std::string_view> names;
    for (Colour colour : marking.bands)
        names.push_back(colourName(colour, language));
    result.text = value + ": " + listOf(names, " ");
    if (const auto reading = decode(marking.bands); std::holds_alternative<Reading>(reading)) {
        result.tolerance = std::get<Reading>(reading).toleranceHundredths;
        result.tempco = std::get<Reading>(reading).tempcoPpm;
    }
    result.tempcoByDefault = result.tempco && !request.tempcoPpm;
    if (result.tolerance) {
        result.text += " (" + toleranceText(*result.tolerance, language);
        if (result.tempco)
            result.text += fmt::format(", {} ppm/K", *result.tempco);
        if (result.tempcoByDefault)
            result.text += texts.pick(", the default", ", výchozí");
        result.text += ')';
    }
    return result;
}

// Every field in both cases, null where it does not apply.
JsonObject resultJson(const EncodeResult &result)
{
    const auto number = [](std::optional<int> value, int exponent) {
        return value ? std::optional(Decimal{*value, exponent}) : std::nullopt;
    };
    JsonObject json;
    json.text("result", result.none ? "none" : "bands").number("ohms", result.ohms);
    if (result.none)
        json.text("reason", result.text).null("bands");
    else
        json.null("reason").texts("bands", englishNames(result.marking->bands));
    json.number("band_count", Decimal{result.none ? result.none->bands
                                                  : static_cast<int>(result.marking->bands.size()),
                                      0})
        .number("tolerance_percent", number(result.tolerance, -2))
        .number("tempco_ppm_per_k", number(result.tempco, 0));
    if (result.none)
        json.null("tempco_by_default");
    else
        json.truth("tempco_by_default", result.tempcoByDefault);
    return json.number("below_ohms", result.none ? result.none->below : std::nullopt)
        .number("above_ohms", result.none ? result.none->above : std::nullopt)
        .text("text", result.text);
}
} // namespace

int encodeCommand(const Call &call)
{
    const ToleratedValue operand = toleratedValueOperand(call);
    if (call.arguments.given(OptionName::Smd))
        return encodeSmd(call, normalised(operand.ohms));
    const EncodeResult result = encodeResult(call, requestOf(call, operand));
    if (result.none)
        writeMessage(call.err, result.text); // the reason, and the object on standard output
    if (call.json)
        call.out << resultJson(result).str() << '\n';
    else if (!result.none)
        call.out << result.text << '\n';
    return result.none ? 1 : 0;
}

} // namespace ohmilka::cli
