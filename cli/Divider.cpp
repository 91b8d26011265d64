// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Divider.h"

#include "Answers.h"
#include "Dividers.h"
#include "Values.h"

#include <algorithm>
#include <cmath>

namespace ohmilka::cli {

namespace {
constexpr int defaultCount = 5, mostCount = 100;
// From a series, unless --total says otherwise: dividers that draw neither amperes nor nothing.
constexpr Decimal defaultLeastTotal{1, 3}, defaultMostTotal{1, 6};
// With stock and no --tolerance: the parts' tolerance the range is given at.
constexpr int stockToleranceHundredths = 100;

enum class Mode { Ratio, Unloaded, Feedback };

// What is asked: the mode, the ratio and the voltages it comes from.
struct Ask {
    Mode mode;
    Decimal ratio{}, vin{}, vout{}, vref{};
    double vrefTolerance = 0; // a fraction
};

Ask askOf(const Call &call)
{
    const Arguments &arguments = call.arguments;
    const Texts &texts = call.texts;
    if (!arguments.operands.empty())
        texts.refuse("divider takes no value; ask with --ratio, --vin and --vout, or --vref and "
                     "--vout",
                     "divider nebere hodnotu; zadejte --ratio, --vin a --vout, nebo --vref a "
                     "--vout");
    const auto has = [&](OptionName option) { return arguments.given(option); };
    const int asked = has(OptionName::Ratio) + has(OptionName::Vin) + has(OptionName::Vref);
    if (asked != 1 || has(OptionName::Ratio) == has(OptionName::Vout))
        texts.refuse("divider asks for one of: --ratio R; --vin V --vout V; --vref V --vout V",
                     "divider potřebuje jedno z: --ratio R; --vin V --vout V; --vref V --vout V");
    if (has(OptionName::VrefTolerance) && !has(OptionName::Vref))
        texts.refuse("--vref-tolerance goes with --vref", "--vref-tolerance patří k --vref");
    Ask ask{Mode::Ratio};
    if (has(OptionName::Ratio)) {
        const auto &text = *arguments.value(OptionName::Ratio);
        const ParsedValue parsed = parseValue(text);
        if (!parsed.value || parsed.value->mantissa == 0 ||
            compare(*parsed.value, Decimal{1, 0}) >= 0 ||
            text.find_first_not_of("0123456789.,") != std::string::npos)
            texts.refuse("--ratio: {given} is no ratio above 0 and below 1, such as 0.25",
                         "--ratio: {given} není poměr nad 0 a pod 1, například 0,25",
                         "given"_a = quoted(text));
        ask.ratio = *parsed.value;
        return ask;
    }
    ask.vout = voltageOption(call, OptionName::Vout);
    if (has(OptionName::Vin)) {
        ask.mode = Mode::Unloaded;
        ask.vin = voltageOption(call, OptionName::Vin);
        if (compare(ask.vout, ask.vin) >= 0)
            texts.refuse("--vout must be below --vin", "--vout musí být pod --vin");
        return ask;
    }
    ask.mode = Mode::Feedback;
    ask.vref = voltageOption(call, OptionName::Vref);
    if (compare(ask.vout, ask.vref) <= 0)
        texts.refuse("--vout must be above --vref", "--vout musí být nad --vref");
    if (has(OptionName::VrefTolerance))
        ask.vrefTolerance = approximate(percentOption(call, OptionName::VrefTolerance)) / 100;
    return ask;
}

DividerGoal goalOf(const Ask &ask)
{
    switch (ask.mode) {
    case Mode::Ratio:
        return {ask.ratio, {1, 0}, DividerAim::Ratio, {}, {}};
    case Mode::Unloaded:
        return {ask.vout, ask.vin, DividerAim::Ratio, {}, {}};
    case Mode::Feedback:
        break;
    }
    return {ask.vref, ask.vout, DividerAim::Feedback, {}, {}};
}

// The output at a ratio: the ratio itself, or the voltage.
double outputAt(const Ask &ask, double ratio)
{
    switch (ask.mode) {
    case Mode::Ratio:
        return ratio;
    case Mode::Unloaded:
        return approximate(ask.vin) * ratio;
    case Mode::Feedback:
        break;
    }
    return approximate(ask.vref) / ratio;
}

// The voltage across the divider: the input, or the regulator's output; none for a ratio.
std::optional<double> voltsAcross(const Ask &ask)
{
    switch (ask.mode) {
    case Mode::Ratio:
        return std::nullopt;
    case Mode::Unloaded:
        return approximate(ask.vin);
    case Mode::Feedback:
        break;
    }
    return approximate(ask.vout);
}

// What a divider draws and burns at its nominal values.
struct Load {
    double amperes, topWatts, bottomWatts;
};

Load loadOf(double volts, const Divider &divider)
{
    const double top = approximate(divider.top), bottom = approximate(divider.bottom);
    const double amperes = volts / (top + bottom);
    return {amperes, amperes * amperes * top, amperes * amperes * bottom};
}

std::string outputText(const Ask &ask, double output, Language language)
{
    return ask.mode == Mode::Ratio ? roundedNumberText(output, language)
                                   : voltsText(output, language);
}

std::string askText(const Ask &ask, double ratio, const Texts &texts)
{
    const Language language = texts.language();
    const auto volts = [&](Decimal v) { return voltsText(approximate(v), language); };
    switch (ask.mode) {
    case Mode::Ratio:
        return texts.say("ratio {ratio}", "poměr {ratio}",
                         "ratio"_a = roundedNumberText(ratio, language));
    case Mode::Unloaded:
        return texts.say("{vin} to {vout}, ratio {ratio}", "{vin} na {vout}, poměr {ratio}",
                         "vin"_a = volts(ask.vin), "vout"_a = volts(ask.vout),
                         "ratio"_a = roundedNumberText(ratio, language));
    case Mode::Feedback:
        break;
    }
    return texts.say("Vref {vref} to {vout}, ratio {ratio}", "Vref {vref} na {vout}, poměr {ratio}",
                     "vref"_a = volts(ask.vref), "vout"_a = volts(ask.vout),
                     "ratio"_a = roundedNumberText(ratio, language));
}
} // namespace

int dividerCommand(const Call &call)
{
    const Texts &texts = call.texts;
    const Language language = texts.language();
    const Ask ask = askOf(call);
    DividerGoal goal = goalOf(ask);
    const int count = call.arguments.given(OptionName::Count)
                          ? countOption(call, OptionName::Count, 1, mostCount)
                          : defaultCount;
    const std::optional<double> within = withinAsked(call);
    const PartsOnHand parts = partsOnHand(call);
    std::optional<ValueRange> total;
    if (call.arguments.given(OptionName::Total))
        total = valueRangeOption(call, OptionName::Total);
    else if (!parts.fromStock)
        total = ValueRange{defaultLeastTotal, defaultMostTotal};
    if (total) {
        goal.leastTotal = total->least;
        goal.mostTotal = total->most;
    }
    const int tolerance = parts.toleranceHundredths.value_or(stockToleranceHundredths);
    const std::vector<Divider> dividers =
        nearestDividers(parts.values, goal, static_cast<std::size_t>(count));
    if (dividers.empty()) {
        writeMessage(
            call.err,
            texts.say("--total: no two values of {source} add up to {least} to {most}; "
                      "the nearest total is {nearest}",
                      "--total: žádné dvě hodnoty z {source} nedávají součet {least} až "
                      "{most}; nejbližší součet je {nearest}",
                      "source"_a = sourceText(parts, texts),
                      "least"_a = ohmsText(total->least, language),
                      "most"_a = ohmsText(total->most, language),
                      "nearest"_a = ohmsText(nearestTotal(parts.values, total->least, total->most),
                                             language)));
        return 1;
    }
    const double ratio = approximate(goal.numerator) / approximate(goal.denominator);
    if (!call.json) {
        std::string header =
            texts.say("{ask}, from {source}", "{ask}, z {source}",
                      "ask"_a = askText(ask, ratio, texts), "source"_a = sourceText(parts, texts));
        if (total)
            header += texts.say(", total {least} to {most}", ", součet {least} až {most}",
                                "least"_a = ohmsText(total->least, language),
                                "most"_a = ohmsText(total->most, language));
        header += ", " + toleranceText(tolerance, language);
        if (ask.vrefTolerance > 0)
            header += ", Vref ±" + roundedNumberText(ask.vrefTolerance * 100, language) + " %";
        call.out << header << ":\n";
    }
    const std::optional<double> volts = voltsAcross(ask);
    double nearest = HUGE_VAL;
    for (const Divider &divider : dividers) {
        nearest = std::min(nearest, std::fabs(divider.error));
        const RatioRange range =
            ratioRange(approximate(divider.top), approximate(divider.bottom), tolerance / 10000.0);
        // The output falls as the ratio rises only behind a regulator.
        double least = outputAt(ask, range.least), most = outputAt(ask, range.most);
        if (ask.mode == Mode::Feedback) {
            std::swap(least, most);
            least *= 1 - ask.vrefTolerance;
            most *= 1 + ask.vrefTolerance;
        }
        const double output = outputAt(ask, divider.ratio);
        const Load load = loadOf(volts.value_or(0), divider);
        const auto loadNumber = [&](double amount) {
            return volts ? std::optional(jsonNumber(amount)) : std::nullopt;
        };
        if (call.json) {
            call.out << JsonObject()
                            .number("top", divider.top)
                            .number("bottom", divider.bottom)
                            .number("ratio", jsonNumber(divider.ratio))
                            .number("vout", ask.mode == Mode::Ratio
                                                ? std::nullopt
                                                : std::optional(jsonNumber(output)))
                            .number("error", jsonNumber(divider.error))
                            .number("tolerance_percent", percentOf(tolerance))
                            .number("min", jsonNumber(least))
                            .number("max", jsonNumber(most))
                            .number("current_amperes", loadNumber(load.amperes))
                            .number("top_watts", loadNumber(load.topWatts))
                            .number("bottom_watts", loadNumber(load.bottomWatts))
                            .str()
                     << '\n';
            continue;
        }
        std::string line =
            texts.say("top {top}, bottom {bottom}: {output}, {error} ({least}–{most})",
                      "horní {top}, dolní {bottom}: {output}, {error} ({least}–{most})",
                      "top"_a = ohmsText(divider.top, language),
                      "bottom"_a = ohmsText(divider.bottom, language),
                      "output"_a = outputText(ask, output, language),
                      "error"_a = errorText(divider.error, language),
                      "least"_a = roundedNumberText(least, language),
                      "most"_a = outputText(ask, most, language));
        if (volts)
            line += texts.say(", {current}: top {top}, bottom {bottom}",
                              ", {current}: horní {top}, dolní {bottom}",
                              "current"_a = loadText(load.amperes, "A", language),
                              "top"_a = loadText(load.topWatts, "W", language),
                              "bottom"_a = loadText(load.bottomWatts, "W", language));
        call.out << line << '\n';
    }
    return nearEnoughStatus(call, within, nearest);
}

} // namespace ohmilka::cli
