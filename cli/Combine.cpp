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
} // namespace

int combineCommand(const Call &call)
{
    const Texts &texts = call.texts;
    const Language language = texts.language();
    const Decimal target = normalised(valueOperand(call));
    if (target.mantissa == 0)
        texts.refuse("combine needs a value above 0 Ω", "combine potřebuje hodnotu nad 0 Ω");
    const int most = call.arguments.given(OptionName::Parts)
                         ? countOption(call, OptionName::Parts, 1, maxNetworkParts)
                         : defaultParts;
    const std::optional<double> within = withinAsked(call);
    const PartsOnHand parts = partsOnHand(call);
    const std::optional<int> tolerance = parts.toleranceHundredths;
    if (!call.json) {
        std::string header = texts.say("{value} from {source}", "{value} z {source}",
                                       "value"_a = ohmsText(target, language),
                                       "source"_a = sourceText(parts, texts));
        if (tolerance)
            header += ", " + toleranceText(*tolerance, language);
        call.out << header << ":\n";
    }
    double nearest = HUGE_VAL;
    for (const Network &network : nearestNetworks(parts.values, target, most)) {
        const int count = static_cast<int>(network.parts.size());
        nearest = std::min(nearest, std::fabs(network.error));
        const double spread = tolerance ? *tolerance / 10000.0 : 0;
        const double least = network.ohms * (1 - spread), highest = network.ohms * (1 + spread);
        if (call.json) {
            call.out << JsonObject()
                            .number("count", Decimal{count, 0})
                            .numbers("parts", network.parts)
                            .text("form", network.form)
                            .number("ohms", jsonNumber(network.ohms))
                            .number("error", jsonNumber(network.error))
                            .number("distinct_values", Decimal{network.distinctValues, 0})
                            .number("tolerance_percent",
                                    tolerance ? std::optional(percentOf(*tolerance)) : std::nullopt)
                            .number("min",
                                    tolerance ? std::optional(jsonNumber(least)) : std::nullopt)
                            .number("max",
                                    tolerance ? std::optional(jsonNumber(highest)) : std::nullopt)
                            .str()
                     << '\n';
            continue;
        }
        std::string line = fmt::format(
            fmt::runtime(texts.plural(count, "{count} resistor", "{count} resistors",
                                      "{count} odpor", "{count} odpory", "{count} odporů")),
            "count"_a = count);
        line += ": " + networkText(network, language);
        if (count > 1)
            line += " = " + roundedOhmsText(network.ohms, language);
        line += ", " + errorText(network.error, language);
        if (tolerance)
            line += " (" + ohmsRangeText(least, highest, language) + ")";
        call.out << line << '\n';
    }
    return nearEnoughStatus(call, within, nearest);
}

} // namespace ohmilka::cli
