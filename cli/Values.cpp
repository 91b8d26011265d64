// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Values.h"

#include "CellValue.h"

#include <algorithm>

namespace ohmilka::cli {

std::optional<Decimal> numberOf(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789.,eE+-") != std::string_view::npos)
        return std::nullopt;
    return parseNumber(text).value;
}

std::optional<int> toleranceHundredths(std::string_view text)
{
    if (text == "none" || text == "žádná" || text == "zadna")
        return noToleranceBandHundredths;
    if (text.ends_with('%'))
        text.remove_suffix(1);
    while (text.ends_with(' '))
        text.remove_suffix(1);
    const std::optional<Decimal> number = numberOf(text);
    if (!number)
        return std::nullopt;
    const Decimal value = normalised(*number);
    if (value.exponent < -2 || digitCount(value.mantissa) + value.exponent > 3)
        return std::nullopt;
    return static_cast<int>(value.mantissa * powerOfTen(value.exponent + 2));
}

std::optional<int> smallNumber(std::string_view text)
{
    const std::optional<Decimal> number = numberOf(text);
    if (!number)
        return std::nullopt;
    const Decimal value = normalised(*number);
    if (value.exponent < 0 || digitCount(value.mantissa) + value.exponent > 4)
        return std::nullopt;
    return static_cast<int>(value.mantissa * powerOfTen(value.exponent));
}

namespace {
const std::string &oneOperand(const Call &call)
{
    const Arguments &arguments = call.arguments;
    if (arguments.operands.size() != 1)
        call.texts.refuse("{command} takes one value, such as 4k7",
                          "{command} potřebuje jednu hodnotu, například 4k7",
                          "command"_a = arguments.command);
    return arguments.operands.front();
}
} // namespace

Decimal valueOperand(const Call &call)
{
    return valueOf(oneOperand(call), call.texts);
}

ToleratedValue toleratedValueOperand(const Call &call)
{
    const std::string &operand = oneOperand(call);
    const partslist::CellValue cell = partslist::readValueCell(operand);
    if (!cell.parsed.value)
        return {valueOf(operand, call.texts), std::nullopt}; // refused with its reason
    if (!cell.secondValue.empty())
        call.texts.refuse("value {value}: it holds two values, {first} and {second}",
                          "hodnota {value}: obsahuje dvě hodnoty, {first} a {second}",
                          "value"_a = call.texts.quote(operand),
                          "first"_a = call.texts.quote(cell.text),
                          "second"_a = call.texts.quote(cell.secondValue));
    return {*cell.parsed.value, cell.toleranceHundredths};
}

void refuseTwoTolerances(const ToleratedValue &operand, std::optional<int> option,
                         const std::string &given, const Texts &texts)
{
    if (operand.toleranceHundredths && operand.toleranceHundredths != option)
        texts.refuse("the value says {value}, --tolerance says {option}; give one of them",
                     "hodnota říká {value}, --tolerance říká {option}; uveďte jen jedno",
                     "value"_a = toleranceText(*operand.toleranceHundredths, texts.language()),
                     "option"_a = texts.quote(given));
}

namespace {
// The option's text as the user gave it, quoted; the option must have been given.
std::string given(const Call &call, OptionName option)
{
    return call.texts.quote(*call.arguments.value(option));
}

std::string_view withoutSuffix(std::string_view text, std::string_view suffix)
{
    while (text.ends_with(' '))
        text.remove_suffix(1);
    if (text.ends_with(suffix))
        text.remove_suffix(suffix.size());
    while (text.ends_with(' '))
        text.remove_suffix(1);
    return text;
}

// A plain number, with a decimal point or comma, an exponent and an SI prefix at most: none of
// the ohm's marks (R, Ω, ohm) that the resistance reader takes.
std::optional<Decimal> plainNumber(std::string_view text)
{
    if (text.empty() || text.find_first_of("RrΩOoHh") != std::string_view::npos)
        return std::nullopt;
    return parseNumber(text).value;
}

bool withinOrders(Decimal value, int least, int most)
{
    const Decimal shown = normalised(value);
    const int order = digitCount(shown.mantissa) - 1 + shown.exponent;
    return order >= least && order <= most;
}
} // namespace

Decimal voltageOption(const Call &call, OptionName option)
{
    std::string text(withoutSuffix(*call.arguments.value(option), "V"));
    // 3V3: the unit as the decimal mark, as schematics write supply rails.
    if (const std::size_t mark = text.find_first_of("Vv");
        mark != std::string::npos && mark > 0 && mark + 1 < text.size() && isDigit(text[mark - 1]))
        text[mark] = '.';
    const std::optional<Decimal> volts = plainNumber(text);
    if (!volts || volts->mantissa == 0)
        call.texts.refuse("--{option}: {given} is no voltage above 0, such as 3.3, 3V3 or 800mV",
                          "--{option}: {given} není napětí nad 0, například 3,3, 3V3 nebo 800mV",
                          "option"_a = optionRow(option).longName, "given"_a = given(call, option));
    if (!withinOrders(*volts, leastVoltageOrder, mostVoltageOrder))
        call.texts.refuse("--{option}: {given} is outside the voltages worked with, 1 µV to 1 MV",
                          "--{option}: {given} je mimo podporovaný rozsah napětí 1 µV až 1 MV",
                          "option"_a = optionRow(option).longName, "given"_a = given(call, option));
    return *volts;
}

Decimal percentOption(const Call &call, OptionName option)
{
    const std::string_view text = withoutSuffix(*call.arguments.value(option), "%");
    const std::optional<Decimal> percent = numberOf(text);
    if (!percent)
        call.texts.refuse("--{option}: {given} is no number of percent, such as 0.5",
                          "--{option}: {given} není počet procent, například 0,5",
                          "option"_a = optionRow(option).longName, "given"_a = given(call, option));
    return *percent;
}

int countOption(const Call &call, OptionName option, int least, int most)
{
    const std::optional<int> count = smallNumber(*call.arguments.value(option));
    if (!count || *count < least || *count > most)
        call.texts.refuse("--{option}: {given} is no number from {least} to {most}",
                          "--{option}: {given} není číslo od {least} do {most}",
                          "option"_a = optionRow(option).longName, "given"_a = given(call, option),
                          "least"_a = least, "most"_a = most);
    return *count;
}

namespace {
bool isMember(std::span<const Decimal> members, Decimal value)
{
    return std::binary_search(members.begin(), members.end(), value,
                              [](Decimal a, Decimal b) { return compare(a, b) < 0; });
}

// The words of a list: parted by spaces and semicolons, then by commas.
std::vector<std::string_view> listWords(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(", ;"), text.size());
        words.push_back(text.substr(0, end));
        if (end < text.size() && text[end] != ',')
            words.emplace_back(); // no comma joins across a space or semicolon
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return words;
}
} // namespace

std::vector<Decimal> valueList(std::string_view text, std::span<const Decimal> members,
                               OptionName option, const Texts &texts)
{
    const std::vector<std::string_view> words = listWords(text);
    std::vector<Decimal> values;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word.empty())
            continue;
        // 4,7k: a decimal comma where that reading is a member and the split one is not.
        if (i + 1 < words.size() && isDigit(word.back()) && !words[i + 1].empty() &&
            isDigit(words[i + 1].front())) {
            const std::string joined = std::string(word) + "," + std::string(words[i + 1]);
            if (const ParsedValue whole = parseValue(joined);
                whole.value && isMember(members, *whole.value)) {
                const ParsedValue left = parseValue(word), right = parseValue(words[i + 1]);
                if (left.value && right.value && isMember(members, *left.value) &&
                    isMember(members, *right.value))
                    texts.refuse(
                        "--{option}: {given} may be {one} or {first} and {second}; write {point} "
                        "or {parted}",
                        "--{option}: {given} může být {one}, nebo {first} a {second}; napište "
                        "{point}, nebo {parted}",
                        "option"_a = optionRow(option).longName, "given"_a = texts.quote(joined),
                        "one"_a = ohmsText(*whole.value, texts.language()),
                        "first"_a = ohmsText(*left.value, texts.language()),
                        "second"_a = ohmsText(*right.value, texts.language()),
                        "point"_a = std::string(word) + "." + std::string(words[i + 1]),
                        "parted"_a = std::string(word) + ";" + std::string(words[i + 1]));
                values.push_back(*whole.value);
                ++i;
                continue;
            }
        }
        values.push_back(valueOf(std::string(word), texts, option));
    }
    return values;
}

ValueRange valueRangeOption(const Call &call, OptionName option)
{
    const std::string &text = *call.arguments.value(option);
    const std::size_t dots = text.find("..");
    if (dots == std::string::npos)
        call.texts.refuse("--{option}: {given} is no range; write it as 10k..1M",
                          "--{option}: {given} není rozsah; zapište jej jako 10k..1M",
                          "option"_a = optionRow(option).longName, "given"_a = given(call, option));
    const ValueRange range{valueOf(text.substr(0, dots), call.texts, option),
                           valueOf(text.substr(dots + 2), call.texts, option)};
    if (compare(range.least, range.most) > 0)
        call.texts.refuse("--{option}: {given} ends below its start",
                          "--{option}: {given} končí pod svým začátkem",
                          "option"_a = optionRow(option).longName, "given"_a = given(call, option));
    return range;
}

std::vector<Series> seriesList(const std::optional<std::string> &given,
                               std::vector<Series> otherwise, const Texts &texts)
{
    if (!given)
        return otherwise;
    std::vector<Series> chosen;
    std::string_view rest = *given;
    do {
        const std::string_view name = rest.substr(0, rest.find(','));
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
        const Series *known = seriesNamed(name);
        if (!known) {
            std::vector<std::string_view> names;
            for (const Series &series : allSeries())
                names.push_back(series.name);
            texts.refuse("--series: {given} is no series; series: {list}",
                         "--series: {given} není řada; řady: {list}", "given"_a = texts.quote(name),
                         "list"_a = listOf(names));
        }
        if (std::find_if(chosen.begin(), chosen.end(), [&](const Series &series) {
                return series.size == known->size;
            }) == chosen.end()) // E24,E24 is E24
            chosen.push_back(*known);
    } while (!rest.empty());
    return chosen;
}

std::string valueProblemText(ValueProblem problem, std::string_view value, const Texts &texts)
{
    std::string_view english, czech;
    switch (problem) {
    case ValueProblem::Empty:
        english = "value {value}: it is empty";
        czech = "hodnota {value}: je prázdná";
        break;
    case ValueProblem::Negative:
        english = "value {value}: resistances are not negative";
        czech = "hodnota {value}: odpor není záporný";
        break;
    case ValueProblem::SeveralPrefixes:
        english = "value {value}: it has more than one prefix";
        czech = "hodnota {value}: má víc než jednu předponu";
        break;
    case ValueProblem::Ambiguous:
        english = "value {value}: a mark before three digits could separate thousands; write "
                  "1000 or 1k";
        czech = "hodnota {value}: značka před třemi číslicemi může oddělovat tisíce; napište 1000 "
                "nebo 1k";
        break;
    case ValueProblem::TooManyDigits:
        english = "value {value}: it has more than 18 digits";
        czech = "hodnota {value}: má víc než 18 číslic";
        break;
    case ValueProblem::OutOfRange:
        english = "value {value}: it is outside the resistances worked with, 1 µΩ to 1 PΩ";
        czech = "hodnota {value}: je mimo podporovaný rozsah odporů 1 µΩ až 1 PΩ";
        break;
    case ValueProblem::NotAValue:
        english = "value {value}: it is not a resistance";
        czech = "hodnota {value}: to není hodnota odporu";
        break;
    }
    return texts.say(english, czech, "value"_a = texts.quote(value));
}

std::string_view valueForms(const Texts &texts)
{
    return texts.pick("4700, 4k7, 4.7k, 4.7 kΩ, 470R, 0R22, 2M2, 4.7e3, 220m",
                      "4700, 4k7, 4,7k, 4,7 kΩ, 470R, 0R22, 2M2, 4,7e3, 220m");
}

Decimal valueOf(const std::string &operand, const Texts &texts, std::optional<OptionName> option)
{
    const ParsedValue parsed = parseValue(operand);
    if (parsed.value)
        return *parsed.value;
    const std::string named = option ? "--" + std::string(optionRow(*option).longName) + ": " : "";
    throw UsageError{named + valueProblemText(parsed.problem, operand, texts) +
                     texts.say(" (forms: {})", " (tvary: {})", valueForms(texts))};
}

} // namespace ohmilka::cli
