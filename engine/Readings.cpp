// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Readings.h"

#include "CodeText.h"
#include "ESeries.h"

#include <algorithm>

namespace ohmilka::code {

std::vector<int> seriesForTolerance(int toleranceHundredths)
{
    if (toleranceHundredths >= noToleranceBandHundredths)
        return {6};
    if (toleranceHundredths >= 1000)
        return {12};
    if (toleranceHundredths >= 500)
        return {24};
    if (toleranceHundredths >= 200)
        return {48, 24};
    if (toleranceHundredths >= 100)
        return {96, 24};
    return {192, 24};
}

std::optional<int> soldSeries(const Reading &reading)
{
    if (!reading.toleranceHundredths || reading.ohms.mantissa == 0)
        return std::nullopt;
    for (int size : seriesForTolerance(*reading.toleranceHundredths))
        if (seriesPosition(size, reading.ohms).member)
            return size;
    return std::nullopt;
}

namespace {
bool sameReading(const BandReading &a, const BandReading &b)
{
    return a.bands == b.bands && compare(a.reading.ohms, b.reading.ohms) == 0 &&
           a.reading.toleranceHundredths == b.reading.toleranceHundredths &&
           a.reading.tempcoPpm == b.reading.tempcoPpm;
}
} // namespace

std::variant<std::vector<BandReading>, TooManyReadings>
allReadings(std::span<const std::vector<Colour>> choices)
{
    std::vector<BandReading> readings;
    if (choices.empty() ||
        std::any_of(choices.begin(), choices.end(), [](const auto &c) { return c.empty(); }))
        return readings;
    const bool bothEnds = choices.size() >= 4;
    std::vector<std::size_t> picked(choices.size(), 0);
    for (;;) {
        std::vector<Colour> bands;
        for (std::size_t band = 0; band < choices.size(); ++band)
            bands.push_back(choices[band][picked[band]]);
        for (bool reversed : {false, true}) {
            if (reversed && !bothEnds)
                break;
            std::vector<Colour> read = bands;
            if (reversed)
                std::reverse(read.begin(), read.end());
            const auto decoded = decode(read);
            if (!std::holds_alternative<Reading>(decoded))
                continue;
            BandReading found{read, reversed, std::get<Reading>(decoded), std::nullopt};
            found.series = soldSeries(found.reading);
            // The same bands read the same way: a palindrome, or another choice's other end.
            if (std::any_of(readings.begin(), readings.end(),
                            [&](const BandReading &r) { return sameReading(r, found); }))
                continue;
            if (readings.size() == readingLimit)
                return TooManyReadings{};
            readings.push_back(found);
        }
        // The next choice: the rightmost band turns fastest.
        std::size_t band = choices.size();
        while (band > 0 && ++picked[band - 1] == choices[band - 1].size())
            picked[--band] = 0;
        if (band == 0)
            break;
    }
    std::stable_partition(readings.begin(), readings.end(),
                          [](const BandReading &r) { return r.series.has_value(); });
    return readings;
}

bool holds(const Reading &reading, Decimal measured)
{
    const int tolerance = reading.toleranceHundredths.value_or(0);
    return compare(lowestWithin(reading.ohms, tolerance), measured) <= 0 &&
           compare(measured, highestWithin(reading.ohms, tolerance)) <= 0;
}

} // namespace ohmilka::code
