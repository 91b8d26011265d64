// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Part.h"

#include "AsciiText.h"
#include "Values.h"

#include <algorithm>
#include <tuple>

namespace ohmilka::cli {

namespace {
using namespace partnumbers;

// What a part call comes to, for either printer.
struct PartResult {
    Decimal ohms;
    Size size;
    PartChoice choice;
    std::string shortfall; // the line that says why there is no part, and what is offered
};

// The families --maker names, by maker or family, in the order they are listed.
std::vector<const Offering *> familiesOf(const Call &call)
{
    const std::span<const Offering *const> all = offerings();
    const std::optional<std::string> &given = call.arguments.value(OptionName::Maker);
    if (!given)
        return {all.begin(), all.end()};
    std::vector<std::string> names;
    std::vector<std::string_view> asGiven;
    for (std::string_view rest = *given;;) { // every name, an empty one too
        const std::size_t end = std::min(rest.find(','), rest.size());
        asGiven.push_back(trimmed(rest.substr(0, end)));
        names.push_back(lowered(asGiven.back()));
        if (end == rest.size())
            break;
        rest.remove_prefix(end + 1);
    }
    // By its maker, its family, or the maker's word its family starts with: TE for TE CRG.
    const auto named = [](const Offering *family, const std::string &name) {
        const std::string familyName = lowered(family->key.family);
        return lowered(family->key.maker) == name || familyName == name ||
               familyName.starts_with(name + ' ');
    };
    for (std::size_t i = 0; i < names.size(); ++i)
        if (std::none_of(all.begin(), all.end(),
                         [&](const Offering *family) { return named(family, names[i]); })) {
            std::vector<std::string_view> known;
            for (const Offering *family : all) {
                if (std::find(known.begin(), known.end(), family->key.maker) == known.end())
                    known.push_back(family->key.maker);
                known.push_back(family->key.family);
            }
            call.texts.refuse("--maker: {given} is no maker or family whose part numbers are "
                              "written; they are: {known}",
                              "--maker: {given} není výrobce ani řada, jejíž objednací čísla se "
                              "píší; jsou to: {known}",
                              "given"_a = call.texts.quote(asGiven[i]), "known"_a = listOf(known));
        }
    std::vector<const Offering *> chosen;
    for (const Offering *family : all)
        if (std::any_of(names.begin(), names.end(),
                        [&](const std::string &name) { return named(family, name); }))
            chosen.push_back(family);
    return chosen;
}

std::string sizeList(std::span<const Size> sizes)
{
    std::vector<std::string_view> names;
    for (const Size &size : sizes)
        names.push_back(size.inch);
    return listOf(names);
}

Size sizeOf(const Call &call)
{
    const std::optional<std::string> &given = call.arguments.value(OptionName::Size);
    if (!given)
        return *sizeOfInch("0603");
    if (const std::optional<Size> size = sizeOfCode(trimmed(*given)))
        return *size;
    std::vector<Size> offered;
    for (const Offering *family : offerings())
        for (const Offer &offer : family->offers)
            offered.push_back(*partnumbers::sizeOf(*family, offer));
    sortBySize(offered);
    call.texts.refuse("--size: {given} is no chip size; give its inch code or metric code: {sizes}",
                      "--size: {given} není velikost čipu; uveďte její palcový nebo metrický kód: "
                      "{sizes}",
                      "given"_a = call.texts.quote(*given), "sizes"_a = sizeList(offered));
}

std::optional<int> toleranceOf(const Call &call, const ToleratedValue &operand)
{
    const std::optional<std::string> &given = call.arguments.value(OptionName::Tolerance);
    if (!given)
        return operand.toleranceHundredths;
    const std::optional<int> tolerance = toleranceHundredths(*given);
    if (!tolerance || *tolerance <= 0)
        call.texts.refuse("--tolerance: {given} is no tolerance; give per cent, such as 1 or 0.1",
                          "--tolerance: {given} není tolerance; uveďte procenta, například 1 "
                          "nebo 0,1",
                          "given"_a = call.texts.quote(*given));
    refuseTwoTolerances(operand, tolerance, *given, call.texts);
    return tolerance;
}

std::string tolerancesText(std::span<const int> tolerances, Language language)
{
    std::vector<std::string> texts;
    for (int tolerance : tolerances)
        texts.push_back(toleranceText(tolerance, language));
    return listOf(texts);
}

std::string seriesText(std::span<const int> sizes)
{
    return listOf(seriesNames(sizes));
}

} // namespace

std::string shortfallText(Decimal ohms, const Size &asked, const PartChoice &choice,
                          const Texts &texts)
{
    const Language language = texts.language();
    const std::string value = ohmsText(ohms, language);
    const std::string tolerance =
        choice.toleranceHundredths ? toleranceText(*choice.toleranceHundredths, language) : "";
    const std::string_view size = asked.inch;
    switch (choice.shortfall) {
    case Shortfall::None:
        return {};
    case Shortfall::Tolerance:
        return texts.say("no maker's table offers {tolerance}; offered: {offered}",
                         "žádná tabulka výrobce nenabízí {tolerance}; nabízí se: {offered}",
                         "tolerance"_a = tolerance,
                         "offered"_a = tolerancesText(choice.tolerancesOffered, language));
    case Shortfall::Size:
        return texts.say("no maker's table offers {tolerance} in {size}; offered in {sizes}",
                         "žádná tabulka výrobce nenabízí {tolerance} ve velikosti {size}; "
                         "nabízí se ve velikostech {sizes}",
                         "tolerance"_a = tolerance, "size"_a = size,
                         "sizes"_a = sizeList(choice.sizesOffered));
    case Shortfall::Series: {
        const auto say = [&](std::string_view english, std::string_view czech) {
            return texts.say(english, czech, "value"_a = value, "tolerance"_a = tolerance,
                             "size"_a = size, "series"_a = seriesText(choice.seriesSizes),
                             "below"_a = ohmsText(choice.below, language),
                             "above"_a = ohmsText(choice.above, language));
        };
        return choice.toleranceHundredths
                   ? say("{value} is in no series offered at {tolerance} in {size} ({series}); "
                         "nearest {below} below and {above} above",
                         "{value} není v žádné řadě nabízené s {tolerance} ve velikosti {size} "
                         "({series}); nejbližší nižší {below}, vyšší {above}")
                   : say("{value} is in no series offered in {size} ({series}); nearest {below} "
                         "below and {above} above",
                         "{value} není v žádné řadě nabízené ve velikosti {size} ({series}); "
                         "nejbližší nižší {below}, vyšší {above}");
    }
    case Shortfall::Range: {
        std::string part = value;
        if (!tolerance.empty()) {
            part += ' ';
            part += tolerance;
        }
        // A value between two rows' ranges lies in a gap of the tables, not beyond them.
        const bool inGap = compare(choice.below, ohms) <= 0 && compare(ohms, choice.above) <= 0;
        const auto say = [&](std::string_view english, std::string_view czech) {
            return texts.say(english, czech, "part"_a = part, "size"_a = size,
                             "lowest"_a = ohmsText(choice.below, language),
                             "highest"_a = ohmsText(choice.above, language),
                             "sizes"_a = choice.sizesOffered.empty()
                                             ? std::string(texts.pick("no size", "žádné velikosti"))
                                             : sizeList(choice.sizesOffered));
        };
        return inGap ? say("no maker's table offers {part} in {size}, where {lowest} to {highest} "
                           "is offered with gaps; {part} is offered in {sizes}",
                           "žádná tabulka výrobce nenabízí {part} ve velikosti {size}, kde se "
                           "{lowest} až {highest} nabízí s mezerami; {part} se nabízí ve "
                           "velikostech {sizes}")
                     : say("no maker's table offers {part} in {size}, only {lowest} to {highest}; "
                           "{part} is offered in {sizes}",
                           "žádná tabulka výrobce nenabízí {part} ve velikosti {size}, jen "
                           "{lowest} až {highest}; {part} se nabízí ve velikostech {sizes}");
    }
    }
    return {};
}

namespace {
PartResult partResult(const Call &call)
{
    const ToleratedValue operand = toleratedValueOperand(call);
    const std::vector<const Offering *> families = familiesOf(call);
    const std::optional<int> tolerance = toleranceOf(call, operand);
    PartResult result{normalised(operand.ohms), sizeOf(call), {}, {}};
    if (result.ohms.mantissa == 0)
        call.texts.refuse("0 Ω is a jumper, and part writes resistors' part numbers; give a "
                          "value above 0",
                          "0 Ω je propojka a part píše objednací čísla rezistorů; zadejte "
                          "hodnotu větší než 0");
    // A value outside the series asked for is said so, as series says it.
    if (const std::optional<std::string> &given = call.arguments.value(OptionName::Series)) {
        const std::vector<Series> named = seriesList(given, {}, call.texts);
        if (std::none_of(named.begin(), named.end(), [&](const Series &series) {
                return seriesPosition(series.size, result.ohms).member;
            })) {
            PartChoice &choice = result.choice;
            choice.shortfall = Shortfall::Series;
            for (const Series &series : named)
                choice.seriesSizes.push_back(series.size);
            std::tie(choice.below, choice.above) = nearestMembers(choice.seriesSizes, result.ohms);
            result.shortfall = call.texts.say(
                "{value} is not in {series}; nearest {below} below and {above} above",
                "{value} není v {series}; nejbližší nižší {below}, vyšší {above}",
                "value"_a = ohmsText(result.ohms, call.texts.language()),
                "series"_a =
                    listOf(seriesNames(choice.seriesSizes), call.texts.pick(" or ", " ani ")),
                "below"_a = ohmsText(choice.below, call.texts.language()),
                "above"_a = ohmsText(choice.above, call.texts.language()));
            return result;
        }
    }
    result.choice = choosePart({result.ohms, tolerance, result.size, families});
    result.shortfall = shortfallText(result.ohms, result.size, result.choice, call.texts);
    return result;
}

std::string headingText(const PartResult &result, const Texts &texts)
{
    const Language language = texts.language();
    std::string heading = ohmsText(result.ohms, language);
    if (const std::optional<int> tolerance = result.choice.toleranceHundredths) {
        heading += ' ';
        heading += toleranceText(*tolerance, language);
    }
    heading += ", ";
    heading += result.size.inch;
    return heading + ":";
}

void printText(const PartResult &result, const Call &call)
{
    call.out << headingText(result, call.texts) << '\n';
    for (const WrittenPart &part : result.choice.parts) {
        call.out << partText(part);
        if (!result.choice.toleranceHundredths) // each family's widest
            call.out << " ("
                     << toleranceText(part.offer->toleranceHundredths, call.texts.language())
                     << ")";
        call.out << '\n';
    }
}

void printJson(const PartResult &result, const Call &call)
{
    std::vector<JsonObject> parts;
    for (const WrittenPart &part : result.choice.parts)
        parts.push_back(partJson(part));
    JsonObject json;
    json.number("ohms", result.ohms)
        .number("tolerance_percent", percentOrNull(result.choice.toleranceHundredths))
        .text("size", result.size.inch)
        .text("size_metric", result.size.metric)
        .objects("parts", parts);
    if (result.shortfall.empty())
        json.null("shortfall");
    else
        json.text("shortfall", result.shortfall);
    call.out << json.str() << '\n';
}
} // namespace

std::string partText(const WrittenPart &part)
{
    return std::string(part.offering->key.family) + ": " + part.partNumber;
}

JsonObject partJson(const WrittenPart &part)
{
    std::vector<JsonObject> fields;
    for (const WrittenField &field : part.fields) {
        std::vector<JsonObject> others;
        for (const WrittenCode &other : field.others)
            others.push_back(JsonObject().text("code", other.code).text("meaning", other.meaning));
        fields.push_back(JsonObject()
                             .text("role", roleName(field.role))
                             .text("code", field.code)
                             .text("meaning", field.meaning)
                             .objects("others", others));
    }
    return JsonObject()
        .text("maker", part.offering->key.maker)
        .text("family", part.offering->key.family)
        .text("part_number", part.partNumber)
        .number("tolerance_percent", percentOf(part.offer->toleranceHundredths))
        .text("size", partnumbers::sizeOf(*part.offering, *part.offer)->inch)
        .text("source", part.offering->source)
        .objects("fields", fields)
        .text("text", partText(part));
}

int partCommand(const Call &call)
{
    const PartResult result = partResult(call);
    if (result.choice.parts.empty())
        writeMessage(call.err, result.shortfall); // the reason, and the object on standard output
    if (call.json)
        printJson(result, call);
    else if (!result.choice.parts.empty())
        printText(result, call);
    return result.choice.parts.empty() ? 1 : 0;
}

} // namespace ohmilka::cli
