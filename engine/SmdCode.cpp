// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "SmdCode.h"

#include "ESeries.h"

#include <algorithm>
#include <array>
#include <map>

namespace ohmilka::code {

namespace {
// Each power of ten's letters: the one written, and the other of its pair (R, S, H).
constexpr std::array<Eia96Multiplier, 9> eia96Table{{
    {'Z', 0, -3},
    {'Y', 'R', -2},
    {'X', 'S', -1},
    {'A', 0, 0},
    {'B', 'H', 1},
    {'C', 0, 2},
    {'D', 0, 3},
    {'E', 0, 4},
    {'F', 0, 5},
}};

std::optional<int> eia96Exponent(char letter)
{
    for (const Eia96Multiplier &multiplier : eia96Table)
        if (multiplier.letter == letter ||
            (multiplier.alternative && multiplier.alternative == letter))
            return multiplier.exponent;
    return std::nullopt;
}

std::int64_t number(std::string_view digits)
{
    std::int64_t value = 0;
    for (char digit : digits)
        value = 10 * value + (digit - '0');
    return value;
}

Decimal eia96Value(int index, int exponent)
{
    return normalised({seriesDecade(96)[static_cast<std::size_t>(index - 1)], exponent});
}

// Digits, the last of them the power of ten: "472" is 47 × 10².
Decimal digitsAndPower(std::string_view marking)
{
    return normalised({number(marking.substr(0, marking.size() - 1)), marking.back() - '0'});
}

// "4R7", "R47", "10R": the digits with R as the decimal point.
Decimal withDecimalR(std::string_view marking)
{
    const std::size_t r = marking.find('R');
    std::string digits(marking.substr(0, r));
    digits += marking.substr(r + 1);
    return normalised({number(digits), -static_cast<int>(marking.size() - r - 1)});
}

std::string padded(std::int64_t value, int width)
{
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, width - int(text.size()))), '0') + text;
}

// Every value a system marks, in ascending order, with its marking.
std::vector<SmdMarking> allMarkings(SmdSystem system)
{
    std::vector<SmdMarking> all;
    if (system == SmdSystem::Eia96) {
        for (const Eia96Multiplier &multiplier : eia96Table)
            for (int index = 1; index <= 96; ++index)
                all.push_back(
                    {padded(index, 2) + multiplier.letter, eia96Value(index, multiplier.exponent)});
    } else {
        // d digits: below 10^(d-1) Ω with R where the decimal point goes, from there on d-1
        // digits and a power of ten from 0 to 9.
        const int digits = system == SmdSystem::ThreeDigit ? 2 : 3;
        for (int point = 0; point < digits; ++point) // R after this many digits
            for (std::int64_t n = point == 0 ? 1 : powerOfTen(digits - 1); n < powerOfTen(digits);
                 ++n) {
                const std::string text = padded(n, digits);
                all.push_back({point == 0 ? "R" + text
                                          : text.substr(0, std::size_t(point)) + "R" +
                                                text.substr(std::size_t(point)),
                               normalised({n, point - digits})});
            }
        for (int power = 0; power <= 9; ++power)
            for (std::int64_t n = powerOfTen(digits - 1); n < powerOfTen(digits); ++n)
                all.push_back({std::to_string(n) + char('0' + power), normalised({n, power})});
    }
    std::stable_sort(all.begin(), all.end(), [](const SmdMarking &a, const SmdMarking &b) {
        return compare(a.ohms, b.ohms) < 0;
    });
    // A value marked twice (EIA-96's letter pairs come later) keeps its first marking.
    all.erase(std::unique(all.begin(), all.end(),
                          [](const SmdMarking &a, const SmdMarking &b) {
                              return compare(a.ohms, b.ohms) == 0;
                          }),
              all.end());
    return all;
}

const std::vector<SmdMarking> &markingsOf(SmdSystem system)
{
    static const std::map<SmdSystem, std::vector<SmdMarking>> tables{
        {SmdSystem::ThreeDigit, allMarkings(SmdSystem::ThreeDigit)},
        {SmdSystem::FourDigit, allMarkings(SmdSystem::FourDigit)},
        {SmdSystem::Eia96, allMarkings(SmdSystem::Eia96)},
    };
    return tables.at(system);
}
} // namespace

std::span<const Eia96Multiplier> eia96Multipliers()
{
    return eia96Table;
}

SmdDecoded readSmdMarking(std::string_view given)
{
    std::string marking;
    for (char c : given)
        marking += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    SmdDecoded decoded;
    if (marking.empty()) {
        decoded.problem = SmdProblem::Empty;
        return decoded;
    }
    const auto digits = std::count_if(marking.begin(), marking.end(), isDigit);
    const auto rs = std::count(marking.begin(), marking.end(), 'R');
    const bool allDigits = digits == std::ssize(marking);
    if (allDigits && marking.find_first_not_of('0') == std::string::npos && digits <= 4)
        decoded.readings.push_back({SmdSystem::ZeroLink, {}, std::nullopt});
    else if (allDigits && digits == 3)
        decoded.readings.push_back({SmdSystem::ThreeDigit, digitsAndPower(marking), std::nullopt});
    else if (allDigits && digits == 4)
        decoded.readings.push_back({SmdSystem::FourDigit, digitsAndPower(marking), std::nullopt});
    if (rs == 1 && digits >= 1 && digits <= 4 && digits + 1 == std::ssize(marking))
        decoded.readings.push_back({SmdSystem::RCode, withDecimalR(marking), std::nullopt});
    if (marking.size() == 3 && isDigit(marking[0]) && isDigit(marking[1]) && !isDigit(marking[2])) {
        const int index = int(number(marking.substr(0, 2)));
        const std::optional<int> exponent = eia96Exponent(marking[2]);
        if (exponent && index >= 1 && index <= 96)
            decoded.readings.push_back({SmdSystem::Eia96, eia96Value(index, *exponent), 100});
        else
            decoded.problem = !exponent    ? SmdProblem::UnknownLetter
                              : index == 0 ? SmdProblem::Eia96IndexZero
                                           : SmdProblem::Eia96IndexOver96;
    }
    if (decoded.readings.empty() && digits > 4)
        decoded.problem = SmdProblem::TooManyDigits;
    return decoded;
}

std::vector<SmdEncoding> smdMarkings(Decimal value)
{
    value = normalised(value);
    std::vector<SmdEncoding> encodings;
    for (SmdSystem system : {SmdSystem::ThreeDigit, SmdSystem::FourDigit, SmdSystem::Eia96}) {
        SmdEncoding encoding{system, std::nullopt, std::nullopt, std::nullopt};
        if (value.mantissa == 0) {
            if (system != SmdSystem::Eia96)
                encoding.marking = {system == SmdSystem::ThreeDigit ? "000" : "0000", value};
            else
                encoding.above = markingsOf(system).front();
            encodings.push_back(encoding);
            continue;
        }
        const std::vector<SmdMarking> &all = markingsOf(system);
        const auto notBelow =
            std::lower_bound(all.begin(), all.end(), value,
                             [](const SmdMarking &m, Decimal v) { return compare(m.ohms, v) < 0; });
        if (notBelow != all.end() && compare(notBelow->ohms, value) == 0) {
            encoding.marking = *notBelow;
        } else {
            if (notBelow != all.begin())
                encoding.below = *(notBelow - 1);
            if (notBelow != all.end())
                encoding.above = *notBelow;
        }
        encodings.push_back(encoding);
    }
    return encodings;
}

} // namespace ohmilka::code
