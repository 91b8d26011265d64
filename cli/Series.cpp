// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Series.h"

#include "Json.h"
#include "Values.h"

namespace ohmilka::cli {

int seriesCommand(const Call &call)
{
    const Texts &texts = call.texts;
    std::ostream &out = call.out;
    const Language language = texts.language();
    const Decimal value = normalised(valueOperand(call));
    const std::vector<Series> chosen = seriesList(call.arguments.value(OptionName::Series),
                                                  {allSeries().begin(), allSeries().end()}, texts);
    if (value.mantissa == 0)
        texts.refuse("0 Ω has no series members around it; give a value above 0",
                     "0 Ω nemá kolem sebe žádné členy řady; zadejte hodnotu nad 0");
    std::vector<JsonObject> found;
    for (const Series &series : chosen) {
        const SeriesPosition position = seriesPosition(series.size, value);
        const Decimal belowPercent = percentDifference(value, position.below);
        const Decimal abovePercent = percentDifference(value, position.above);
        const auto say = [&](std::string_view english, std::string_view czech) {
            return texts.say(english, czech, "value"_a = ohmsText(value, language),
                             "below"_a = fmt::format("{} ({})", ohmsText(position.below, language),
                                                     signedPercentText(belowPercent, language)),
                             "above"_a = fmt::format("{} ({})", ohmsText(position.above, language),
                                                     signedPercentText(abovePercent, language)));
        };
        const std::string line =
            position.member
                ? say("{value} is in the series; neighbours {below} and {above}",
                      "{value} v řadě je; sousedé {below} a {above}")
                : say("{value} is not in the series; nearest {below} below and {above} above",
                      "{value} v řadě není; nejbližší nižší {below}, vyšší {above}");
        if (!call.json)
            out << series.name << ": " << line << '\n';
        found.push_back(JsonObject()
                            .text("name", series.name)
                            .truth("member", position.member)
                            .number("below_ohms", position.below)
                            .number("above_ohms", position.above)
                            .number("below_percent", belowPercent)
                            .number("above_percent", abovePercent));
    }
    if (call.json)
        out << JsonObject().number("ohms", value).objects("series", found).str() << '\n';
    return 0;
}

} // namespace ohmilka::cli
