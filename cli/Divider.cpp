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
                     "divider nepřijímá hodnotu; zadejte buď --ratio, nebo --vin a --vout, nebo "
                     "--vref a --vout");
    const auto has = [&](OptionName option) { return arguments.given(option); };
    const int asked = has(OptionName::Ratio) + has(OptionName::Vin) + has(OptionName::Vref);
    if (asked != 1 || has(OptionName::Ratio) == has(OptionName::Vout))
        texts.refuse("divider asks for one of: --ratio R; --vin V --vout V; --vref V --vout V",
                     "divider potřebuje právě jednu z možností: --ratio R; --vin V --vout V; "
                     "--vref V --vout V");
    if (has(OptionName::VrefTolerance) && !has(OptionName::Vref))
        texts.refuse("--vref-tolerance goes with --vref",
                     "--vref-tolerance lze použít jen s --vref");
    Ask ask{Mode::Ratio};
    if (has(OptionName::Ratio)) {
        const auto &text = *arguments.value(OptionName::Ratio);
        const std::optional<Decimal> ratio = numberOf(text);
        if (!ratio || ratio->mantissa == 0 || compare(*ratio, Decimal{1, 0}) >= 0)
            texts.refuse("--ratio: {given} is no ratio above 0 and below 1, such as 0.25",
                         "--ratio: {given} není poměr větší než 0 a menší než 1, například 0,25",
                         "given"_a = texts.quote(text));
        if (compare(*ratio, Decimal{1, leastRatioOrder}) < 0)
            texts.refuse("--ratio: {given} is below the least ratio worked with, 1e-9",
                         "--ratio: {given} je menší než nejmenší podporovaný poměr 1e-9",
                         "given"_a = texts.quote(text));
        ask.ratio = *ratio;
        return ask;
    }
    ask.vout = voltageOption(call, OptionName::Vout);
    if (has(OptionName::Vin)) {
        ask.mode = Mode::Unloaded;
        ask.vin = voltageOption(call, OptionName::Vin);
        if (compare(ask.vout, ask.vin) >= 0)
            texts.refuse("--vout must be below --vin", "--vout musí být menší než --vin");
        return ask;
    }
    ask.mode = Mode::Feedback;
    ask.vref = voltageOption(call, OptionName::Vref);
    if (compare(ask.vout, ask.vref) <= 0)
        texts.refuse("--vout must be above --vref", "--vout musí být větší než --vref");
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

std::string_view modeName(Mode mode)
{
    switch (mode) {
    case Mode::Ratio:
        return "ratio";
    case Mode::Unloaded:
        return "vin";
    case Mode::Feedback:
        break;
    }
    return "vref";
}

// One pair: its output, the worst-case range of it and what it draws.
struct DividerPair {
    Divider divider;
    double output, least, most;
    Load load; // none without a voltage across
};

// What a divider call comes to, for either printer.
struct DividerResult {
    Ask ask;
    PartsOnHand parts;
    std::optional<ValueRange> total;
    int tolerance; // hundredths of a per cent, of the parts
    int count;     // pairs asked for
    std::optional<double> within;
    double ratio;                // the goal's
    std::optional<double> volts; // across the divider
    std::vector<DividerPair> pairs;
    std::optional<Decimal> nearestTotal; // when no pair lies within the total
};

DividerResult dividerResult(const Call &call)
{
    DividerResult result{askOf(call),       {}, std::nullopt, 0,  defaultCount,
                         withinAsked(call), 0,  std::nullopt, {}, std::nullopt};
    const Ask &ask = result.ask;
    DividerGoal goal = goalOf(ask);
    if (call.arguments.given(OptionName::Count))
        result.count = countOption(call, OptionName::Count, 1, mostCount);
    result.parts = partsOnHand(call);
    if (call.arguments.given(OptionName::Total))
        result.total = valueRangeOption(call, OptionName::Total);
    else if (!result.parts.fromStock)
        result.total = ValueRange{defaultLeastTotal, defaultMostTotal};
    if (result.total) {
        goal.leastTotal = result.total->least;
        goal.mostTotal = result.total->most;
    }
    result.tolerance = result.parts.toleranceHundredths.value_or(stockToleranceHundredths);
    result.ratio = approximate(goal.numerator) / approximate(goal.denominator);
    result.volts = voltsAcross(ask);
    for (const Divider &divider :
         nearestDividers(result.parts.values, goal, static_cast<std::size_t>(result.count))) {
        const RatioRange range = ratioRange(approximate(divider.top), approximate(divider.bottom),
                                            result.tolerance / 10000.0);
        // The output falls as the ratio rises only behind a regulator.
        double least = outputAt(ask, range.least), most = outputAt(ask, range.most);
        if (ask.mode == Mode::Feedback) {
            std::swap(least, most);
            least *= 1 - ask.vrefTolerance;
            most *= 1 + ask.vrefTolerance;
        }
        result.pairs.push_back({divider, outputAt(ask, divider.ratio), least, most,
                                loadOf(result.volts.value_or(0), divider)});
    }
    if (result.pairs.empty())
        result.nearestTotal =
            nearestTotal(result.parts.values, result.total->least, result.total->most);
    return result;
}

std::string noPairText(const DividerResult &result, const Texts &texts)
{
    const Language language = texts.language();
    return texts.say("--total: no two values of {source} add up to {least} to {most}; the "
                     "nearest total is {nearest}",
                     "--total: žádné dvě hodnoty {source} nedávají součet {least} až {most}; "
                     "nejbližší součet je {nearest}",
                     "source"_a = sourceText(result.parts, texts),
                     "least"_a = ohmsText(result.total->least, language),
                     "most"_a = ohmsText(result.total->most, language),
                     "nearest"_a = ohmsText(*result.nearestTotal, language));
}

// "3.3 V from 5 V, ratio 0.66, from E96, 1 Ω to 10 MΩ, total 1 kΩ to 1 MΩ, ±1 %:".
std::string headerText(const DividerResult &result, const Texts &texts)
{
    const Language language = texts.language();
    std::string header = texts.say("{ask}, from {source}", "{ask}, {source}",
                                   "ask"_a = askText(result.ask, result.ratio, texts),
                                   "source"_a = sourceText(result.parts, texts));
    if (result.total)
        header += texts.say(", total {least} to {most}", ", součet {least} až {most}",
                            "least"_a = ohmsText(result.total->least, language),
                            "most"_a = ohmsText(result.total->most, language));
    header += ", " + toleranceText(result.tolerance, language);
    if (result.ask.vrefTolerance > 0)
        header += ", Vref ±" + roundedNumberText(result.ask.vrefTolerance * 100, language) + " %";
    return header + ':';
}

std::string pairText(const DividerResult &result, const DividerPair &pair, const Texts &texts)
{
    const Language language = texts.language();
    const Ask &ask = result.ask;
    std::string line = texts.say("top {top}, bottom {bottom}: {output}, {error} ({least}–{most})",
                                 "horní {top}, dolní {bottom}: {output}, {error} ({least}–{most})",
                                 "top"_a = ohmsText(pair.divider.top, language),
                                 "bottom"_a = ohmsText(pair.divider.bottom, language),
                                 "output"_a = outputText(ask, pair.output, language),
                                 "error"_a = errorText(pair.divider.error, language),
                                 "least"_a = roundedNumberText(pair.least, language),
                                 "most"_a = outputText(ask, pair.most, language));
    if (result.volts)
        line += texts.say(", {current}: top {top}, bottom {bottom}",
                          ", {current}: horní {top}, dolní {bottom}",
                          "current"_a = loadText(pair.load.amperes, "A", language),
                          "top"_a = loadText(pair.load.topWatts, "W", language),
                          "bottom"_a = loadText(pair.load.bottomWatts, "W", language));
    return line;
}

void printText(const DividerResult &result, const Call &call)
{
    call.out << headerText(result, call.texts) << '\n';
    for (const DividerPair &pair : result.pairs)
        call.out << pairText(result, pair, call.texts) << '\n';
}

void printJson(const DividerResult &result, const Call &call)
{
    const Ask &ask = result.ask;
    const auto voltage = [&](Decimal volts, bool applies) {
        return applies ? std::optional(volts) : std::nullopt;
    };
    const auto total = [&](Decimal ValueRange::*end) {
        return result.total ? std::optional((*result.total).*end) : std::nullopt;
    };
    call.out << JsonObject()
                    .text("result", "header")
                    .text("mode", modeName(ask.mode))
                    .number("ratio", jsonNumber(result.ratio))
                    .number("vin", voltage(ask.vin, ask.mode == Mode::Unloaded))
                    .number("vout", voltage(ask.vout, ask.mode != Mode::Ratio))
                    .number("vref", voltage(ask.vref, ask.mode == Mode::Feedback))
                    .number("vref_tolerance_percent",
                            ask.mode == Mode::Feedback
                                ? std::optional(jsonNumber(ask.vrefTolerance * 100))
                                : std::nullopt)
                    .members(sourceJson(result.parts))
                    .number("total_min", total(&ValueRange::least))
                    .number("total_max", total(&ValueRange::most))
                    .number("tolerance_percent", percentOf(result.tolerance))
                    .number("count", Decimal{result.count, 0})
                    .number("within_percent", result.within
                                                  ? std::optional(jsonNumber(*result.within * 100))
                                                  : std::nullopt)
                    .text("text", headerText(result, call.texts))
                    .str()
             << '\n';
    const auto loadNumber = [&](double amount) {
        return result.volts ? std::optional(jsonNumber(amount)) : std::nullopt;
    };
    for (const DividerPair &pair : result.pairs)
        call.out << JsonObject()
                        .text("result", "pair")
                        .number("top", pair.divider.top)
                        .number("bottom", pair.divider.bottom)
                        .number("ratio", jsonNumber(pair.divider.ratio))
                        .number("vout", ask.mode == Mode::Ratio
                                            ? std::nullopt
                                            : std::optional(jsonNumber(pair.output)))
                        .number("error", jsonNumber(pair.divider.error))
                        .number("tolerance_percent", percentOf(result.tolerance))
                        .number("min", jsonNumber(pair.least))
                        .number("max", jsonNumber(pair.most))
                        .number("current_amperes", loadNumber(pair.load.amperes))
                        .number("top_watts", loadNumber(pair.load.topWatts))
                        .number("bottom_watts", loadNumber(pair.load.bottomWatts))
                        .text("text", pairText(result, pair, call.texts))
                        .str()
                 << '\n';
}

void printNoPairJson(const DividerResult &result, const Call &call)
{
    const std::string reason = noPairText(result, call.texts);
    call.out << JsonObject()
                    .text("result", "none")
                    .text("reason", reason)
                    .members(sourceJson(result.parts))
                    .number("total_min", result.total->least)
                    .number("total_max", result.total->most)
                    .number("nearest_total", result.nearestTotal)
                    .text("text", reason)
                    .str()
             << '\n';
}
} // namespace

int dividerCommand(const Call &call)
{
    const DividerResult result = dividerResult(call);
    if (result.pairs.empty()) {
        writeMessage(call.err, noPairText(result, call.texts));
        if (call.json)
            printNoPairJson(result, call);
        return 1;
    }
    if (call.json)
        printJson(result, call);
    else
        printText(result, call);
    double nearest = HUGE_VAL;
    for (const DividerPair &pair : result.pairs)
        nearest = std::min(nearest, std::fabs(pair.divider.error));
    return nearEnoughStatus(call, result.within, nearest);
}

} // namespace ohmilka::cli
