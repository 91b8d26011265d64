// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Combine.h"

#include "Answers.h"
#include "Networks.h"
#include "Values.h"

#include <algorithm>
#include <cmath>

namespace ohmilka::cli {

namespace {
constexpr int defaultParts = 3;

// A network's form with its values: "2.4 kΩ + 13 kΩ", "1 kΩ ‖ (2.2 kΩ + 3.3 kΩ)".
std::string networkText(const Network &network, Language language)
{
    std::string text;
    for (std::size_t i = 0; i < network.form.size(); ++i) {
        const char c = network.form[i];
        if (c >= 'a' && c <= 'd')
            text += ohmsText(network.parts[static_cast<std::size_t>(c - 'a')], language);
        else if (c == '+')
            text += " + ";
        else if (c == '|')
            text += network.form[++i] == '|' ? " ‖ " : "";
        else
            text += c;
    }
    return text;
}

// One answer: a network and the worst-case range its parts' tolerance gives.
struct CombineAnswer {
    Network network;
    double least, most; // the nominal value without a tolerance
};

// What a combine comes to, for either printer.
struct CombineResult {
    Decimal target;
    PartsOnHand parts;
    int most; // parts in a network
    std::optional<double> within;
    std::vector<CombineAnswer> answers;
};

CombineResult combineResult(const Call &call)
{
    const Texts &texts = call.texts;
    const Decimal target = normalised(valueOperand(call));
    if (target.mantissa == 0)
        texts.refuse("combine needs a value above 0 Ω", "combine potřebuje hodnotu větší než 0 Ω");
    const int most = call.arguments.given(OptionName::Parts)
                         ? countOption(call, OptionName::Parts, 1, maxNetworkParts)
                         : defaultParts;
    const std::optional<double> within = withinAsked(call);
    CombineResult result{target, partsOnHand(call), most, within, {}};
    const std::optional<int> tolerance = result.parts.toleranceHundredths;
    const double spread = tolerance ? *tolerance / 10000.0 : 0;
    for (Network &network : nearestNetworks(result.parts.values, target, most)) {
        const double ohms = network.ohms;
        result.answers.push_back({std::move(network), ohms * (1 - spread), ohms * (1 + spread)});
    }
    return result;
}

// "4.7 kΩ from E24, 1 Ω to 10 MΩ, ±5 %:".
std::string headerText(const CombineResult &result, const Texts &texts)
{
    const Language language = texts.language();
    std::string header = texts.say("{value} from {source}", "{value} {source}",
                                   "value"_a = ohmsText(result.target, language),
                                   "source"_a = sourceText(result.parts, texts));
    if (const auto tolerance = result.parts.toleranceHundredths)
        header += ", " + toleranceText(*tolerance, language);
    return header + ':';
}

// "2 resistors: 2.4 kΩ + 13 kΩ = 15.4 kΩ, −0.0649 % (14.63–16.17 kΩ)".
std::string answerText(const CombineResult &result, const CombineAnswer &answer, const Texts &texts)
{
    const Language language = texts.language();
    const Network &network = answer.network;
    const int count = static_cast<int>(network.parts.size());
    std::string line =
        fmt::format(fmt::runtime(texts.plural(count, "{count} resistor", "{count} resistors",
                                              "{count} odpor", "{count} odpory", "{count} odporů")),
                    "count"_a = count);
    line += ": " + networkText(network, language);
    if (count > 1)
        line += " = " + roundedOhmsText(network.ohms, language);
    line += ", " + errorText(network.error, language);
    if (result.parts.toleranceHundredths)
        line += " (" + ohmsRangeText(answer.least, answer.most, language) + ")";
    return line;
}

void printText(const CombineResult &result, const Call &call)
{
    call.out << headerText(result, call.texts) << '\n';
    for (const CombineAnswer &answer : result.answers)
        call.out << answerText(result, answer, call.texts) << '\n';
}

void printJson(const CombineResult &result, const Call &call)
{
    const std::optional<int> tolerance = result.parts.toleranceHundredths;
    const std::optional<Decimal> tolerancePercent =
        tolerance ? std::optional(percentOf(*tolerance)) : std::nullopt;
    call.out << JsonObject()
                    .text("result", "header")
                    .number("ohms", result.target)
                    .number("most_parts", Decimal{result.most, 0})
                    .members(sourceJson(result.parts))
                    .number("tolerance_percent", tolerancePercent)
                    .number("within_percent", result.within
                                                  ? std::optional(jsonNumber(*result.within * 100))
                                                  : std::nullopt)
                    .text("text", headerText(result, call.texts))
                    .str()
             << '\n';
    for (const CombineAnswer &answer : result.answers) {
        const Network &network = answer.network;
        const auto inRange = [&](double ohms) {
            return tolerance ? std::optional(jsonNumber(ohms)) : std::nullopt;
        };
        call.out << JsonObject()
                        .text("result", "answer")
                        .number("count", Decimal{static_cast<int>(network.parts.size()), 0})
                        .numbers("parts", network.parts)
                        .text("form", network.form)
                        .number("ohms", jsonNumber(network.ohms))
                        .number("error", jsonNumber(network.error))
                        .number("distinct_values", Decimal{network.distinctValues, 0})
                        .number("tolerance_percent", tolerancePercent)
                        .number("min", inRange(answer.least))
                        .number("max", inRange(answer.most))
                        .text("text", answerText(result, answer, call.texts))
                        .str()
                 << '\n';
    }
}
} // namespace

int combineCommand(const Call &call)
{
    const CombineResult result = combineResult(call);
    if (call.json)
        printJson(result, call);
    else
        printText(result, call);
    double nearest = HUGE_VAL;
    for (const CombineAnswer &answer : result.answers)
        nearest = std::min(nearest, std::fabs(answer.network.error));
    return nearEnoughStatus(call, result.within, nearest);
}

} // namespace ohmilka::cli
