// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Answers.h"

#include "Values.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ohmilka::cli {

namespace {
constexpr int displayDigits = 6, errorDigits = 3, jsonDigits = 15;
constexpr std::array<std::string_view, 6> loadPrefixes{"p", "n", "µ", "m", "", "k"};
// The range of seriesMembers.
constexpr Decimal seriesLeast{1, 0}, seriesMost{1, 7};
} // namespace

std::string roundedOhmsText(double ohms, Language language)
{
    return ohmsText(roundedDecimal(ohms, displayDigits), language);
}

std::string roundedNumberText(double number, Language language)
{
    return decimalText(roundedDecimal(number, displayDigits), decimalSeparator(language));
}

std::string voltsText(double volts, Language language)
{
    return roundedNumberText(volts, language) + " V";
}

std::string ohmsRangeText(double least, double most, Language language)
{
    const Prefixed upper = withPrefix(roundedDecimal(most, displayDigits));
    const auto inUpperPrefix = [&](double ohms) {
        return decimalText(inPrefix(roundedDecimal(ohms, displayDigits), upper.prefixExponent),
                           decimalSeparator(language));
    };
    return inUpperPrefix(least) + "–" + inUpperPrefix(most) + " " + std::string(upper.prefix) + "Ω";
}

std::string loadText(double amount, std::string_view unit, Language language)
{
    const Decimal rounded = normalised(roundedDecimal(amount, errorDigits));
    if (rounded.mantissa == 0)
        return "0 " + std::string(unit);
    const int order = digitCount(rounded.mantissa) - 1 + rounded.exponent;
    const int step = std::clamp((order >= 0 ? order : order - 2) / 3, -4, 1);
    return decimalText(inPrefix(rounded, 3 * step), decimalSeparator(language)) + " " +
           std::string(loadPrefixes[static_cast<std::size_t>(step + 4)]) + std::string(unit);
}

std::string errorText(double error, Language language)
{
    return signedPercentText(roundedDecimal(error * 100, errorDigits), language);
}

Decimal jsonNumber(double number)
{
    return roundedDecimal(number, jsonDigits);
}

std::string sourceText(const PartsOnHand &parts, const Texts &texts)
{
    const Language language = texts.language();
    if (!parts.fromStock)
        return texts.say("{series}, {least} to {most}", "z řady {series}, {least} až {most}",
                         "series"_a = parts.source, "least"_a = ohmsText(seriesLeast, language),
                         "most"_a = ohmsText(seriesMost, language));
    const long count = static_cast<long>(parts.values.size());
    if (language == Language::English)
        return fmt::format("the {} {} in {}", count, count == 1 ? "value" : "values", parts.source);
    // Czech says where the values are as a place: in a file, in files, on standard input.
    const std::string_view noun = count == 1 ? "hodnoty" : "hodnot";
    if (parts.files == std::vector<std::string>{"-"})
        return fmt::format("{} {} {} na standardním vstupu", czechFrom(count), count, noun);
    return fmt::format("{} {} {} {} {}", czechFrom(count), count, noun,
                       parts.files.size() == 1 ? "v souboru" : "v souborech", parts.source);
}

JsonObject sourceJson(const PartsOnHand &parts)
{
    JsonObject json;
    std::vector<std::string> names;
    for (const std::string &file : parts.files)
        names.push_back(printable(file));
    const std::vector<std::string_view> files(names.begin(), names.end());
    if (parts.fromStock)
        json.null("series")
            .text("stock", parts.source)
            .texts("stock_files", files)
            .null("least_ohms")
            .null("most_ohms");
    else
        json.text("series", parts.source)
            .null("stock")
            .texts("stock_files", files)
            .number("least_ohms", seriesLeast)
            .number("most_ohms", seriesMost);
    return json.number("values", Decimal{static_cast<std::int64_t>(parts.values.size()), 0})
        .numbers("excluded", parts.excluded);
}

std::optional<double> withinAsked(const Call &call)
{
    if (!call.arguments.given(OptionName::Within))
        return std::nullopt;
    return approximate(percentOption(call, OptionName::Within)) / 100;
}

int nearEnoughStatus(const Call &call, std::optional<double> within, double nearest)
{
    if (!within || nearest <= *within)
        return 0;
    const std::string reason = call.texts.say(
        "no answer is within {within}", "žádné řešení není v mezích {within}",
        "within"_a = "±" + roundedNumberText(*within * 100, call.texts.language()) + " %");
    writeMessage(call.err, reason);
    if (call.json)
        call.out << JsonObject()
                        .text("result", "none")
                        .text("reason", reason)
                        .number("within_percent", jsonNumber(*within * 100))
                        .number("nearest_error", jsonNumber(nearest))
                        .text("text", reason)
                        .str()
                 << '\n';
    return 1;
}

} // namespace ohmilka::cli
