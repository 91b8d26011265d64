// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Series.h"

#include "Json.h"
#include "Values.h"

namespace ohmilka::cli {

namespace {
// Where a value stands in one series.
struct SeriesPlace {
    std::string_view name;
    SeriesPosition position;
    Decimal belowPercent, abovePercent;
};

// What a series call comes to, for either printer.
struct SeriesResult {
    Decimal value;
    std::vector<SeriesPlace> places;
};

SeriesResult seriesResult(const Call &call)
{
    const Texts &texts = call.texts;
    const Decimal value = normalised(valueOperand(call));
    const std::vector<Series> chosen = seriesList(call.arguments.value(OptionName::Series),
                                                  {allSeries().begin(), allSeries().end()}, texts);
    if (value.mantissa == 0)
        texts.refuse("0 Ω has no series members around it; give a value above 0",
                     "0 Ω nemá kolem sebe žádné členy řady; zadejte hodnotu větší než 0");
    SeriesResult result{value, {}};
    for (const Series &series : chosen) {
        const SeriesPosition position = seriesPosition(series.size, value);
        result.places.push_back({series.name, position, percentDifference(value, position.below),
                                 percentDifference(value, position.above)});
    }
    return result;
}

// "E24: 5 kΩ is not in the series; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) above".
std::string placeText(Decimal value, const SeriesPlace &place, const Texts &texts)
{
    const Language language = texts.language();
    const auto say = [&](std::string_view english, std::string_view czech) {
        return texts.say(
            english, czech, "value"_a = ohmsText(value, language),
            "below"_a = fmt::format("{} ({})", ohmsText(place.position.below, language),
                                    signedPercentText(place.belowPercent, language)),
            "above"_a = fmt::format("{} ({})", ohmsText(place.position.above, language),
                                    signedPercentText(place.abovePercent, language)));
    };
    std::string line(place.name);
    line += ": ";
    line += place.position.member
                ? say("{value} is in the series; neighbours {below} and {above}",
                      "{value} v řadě je; sousedé {below} a {above}")
                : say("{value} is not in the series; nearest {below} below and {above} above",
                      "{value} v řadě není; nejbližší nižší {below}, vyšší {above}");
    return line;
}

void printText(const SeriesResult &result, const Call &call)
{
    for (const SeriesPlace &place : result.places)
        call.out << placeText(result.value, place, call.texts) << '\n';
}

void printJson(const SeriesResult &result, const Call &call)
{
    std::vector<JsonObject> places;
    for (const SeriesPlace &place : result.places)
        places.push_back(JsonObject()
                             .text("name", place.name)
                             .number("ohms", result.value)
                             .truth("member", place.position.member)
                             .number("below_ohms", place.position.below)
                             .number("above_ohms", place.position.above)
                             .number("below_percent", place.belowPercent)
                             .number("above_percent", place.abovePercent)
                             .text("text", placeText(result.value, place, call.texts)));
    call.out << JsonObject().number("ohms", result.value).objects("series", places).str() << '\n';
}
} // namespace

int seriesCommand(const Call &call)
{
    const SeriesResult result = seriesResult(call);
    if (call.json)
        printJson(result, call);
    else
        printText(result, call);
    return 0;
}

} // namespace ohmilka::cli
