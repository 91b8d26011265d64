// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ESeries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ohmilka::code {

namespace {
constexpr std::array<Series, 6> series{{{"E6", 6, 2000},
                                        {"E12", 12, 1000},
                                        {"E24", 24, 500},
                                        {"E48", 48, 200},
                                        {"E96", 96, 100},
                                        {"E192", 192, 50}}};

// The classic tables, which are not the rounded powers of ten.
constexpr std::array<int, 24> e24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                  330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

std::vector<int> decade(int size)
{
    std::vector<int> members;
    if (size <= 24) {
        for (std::size_t i = 0; i < e24.size(); i += static_cast<std::size_t>(24 / size))
            members.push_back(e24[i]);
        return members;
    }
    for (int i = 0; i < size; ++i)
        members.push_back(static_cast<int>(std::lround(100 * std::pow(10.0, double(i) / size))));
    if (size == 192)
        std::replace(members.begin(), members.end(), 919, 920);
    return members;
}
} // namespace

std::span<const Series> allSeries()
{
    return series;
}

const Series *seriesNamed(std::string_view name)
{
    const auto named =
        std::find_if(allSeries().begin(), allSeries().end(), [&](const Series &series) {
            return series.name.size() == name.size() &&
                   std::equal(name.begin(), name.end(), series.name.begin(),
                              [](char a, char b) { return (a == 'e' ? 'E' : a) == b; });
        });
    return named == allSeries().end() ? nullptr : &*named;
}

std::span<const int> seriesDecade(int size)
{
    static const std::array<std::vector<int>, 6> decades{decade(6),  decade(12), decade(24),
                                                         decade(48), decade(96), decade(192)};
    for (std::size_t i = 0; i < series.size(); ++i)
        if (series[i].size == size)
            return decades[i];
    return {};
}

std::vector<Decimal> seriesMembers(int size)
{
    constexpr int decades = 7; // 1 Ω to 10 MΩ
    std::vector<Decimal> members;
    for (int decade = 0; decade < decades; ++decade)
        for (int member : seriesDecade(size))
            members.push_back(normalised({member, decade - 2}));
    members.push_back({1, decades});
    return members;
}

SeriesPosition seriesPosition(int size, Decimal value)
{
    const std::span<const int> members = seriesDecade(size);
    value = normalised(value);
    // The value as three leading digits (whole, rounded down) in its decade, 10^(order-2) each.
    const int digits = digitCount(value.mantissa);
    const int order = digits - 1 + value.exponent;
    const std::int64_t leading = digits <= 3 ? value.mantissa * powerOfTen(3 - digits)
                                             : value.mantissa / powerOfTen(digits - 3);
    const bool exact = digits <= 3;
    // The first member that is not below the value.
    const auto notBelow = exact ? std::lower_bound(members.begin(), members.end(), leading)
                                : std::upper_bound(members.begin(), members.end(), leading);
    const bool member = exact && notBelow != members.end() && *notBelow == leading;
    const auto inDecade = [](int threeDigits, int decadeOrder) {
        return normalised({threeDigits, decadeOrder - 2});
    };
    // The greatest member below the value and the least above it, across decade borders.
    const Decimal below = notBelow == members.begin() ? inDecade(members.back(), order - 1)
                                                      : inDecade(*(notBelow - 1), order);
    const auto above = member ? notBelow + 1 : notBelow;
    return {member, below,
            above == members.end() ? inDecade(members.front(), order + 1)
                                   : inDecade(*above, order)};
}

Decimal percentDifference(Decimal value, Decimal other)
{
    value = normalised(value);
    other = normalised(other);
    // Both as whole numbers of the smaller unit; exact where that fits, else in long double.
    const int exponent = std::min(value.exponent, other.exponent);
    const auto whole = [&](Decimal d) {
        return d.exponent - exponent <= maxDecimalDigits
                   ? std::optional<long double>(
                         static_cast<long double>(d.mantissa) *
                         static_cast<long double>(powerOfTen(d.exponent - exponent)))
                   : std::nullopt;
    };
    const std::optional<long double> v = whole(value), o = whole(other);
    constexpr long double exactBelow = 9e15L; // times 1000 still an exact int64
    if (v && o && *v < exactBelow && *o < exactBelow) {
        const auto base = static_cast<std::int64_t>(*v);
        const std::int64_t difference = 1000 * (static_cast<std::int64_t>(*o) - base);
        const std::int64_t half = difference < 0 ? -base : base;
        return normalised({(2 * difference + half) / (2 * base), -1});
    }
    const long double ratio = std::pow(10.0L, other.exponent - value.exponent) *
                              static_cast<long double>(other.mantissa) /
                              static_cast<long double>(value.mantissa);
    return normalised({std::llround((ratio - 1) * 1000), -1});
}

} // namespace ohmilka::code
