// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Choosing.h"

#include "ESeries.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace ohmilka::partnumbers {

namespace {
// Why nothing was written, and what is offered nearest.
void findShortfall(const PartQuery &query, PartChoice &choice,
                   const std::function<bool(const Offer &)> &atTolerance)
{
    std::vector<std::pair<const Offering *, const Offer *>> atSize;
    bool toleranceOffered = false;
    for (const Offering *family : query.families)
        for (const Offer &offer : family->offers) {
            if (offer.toleranceHundredths > 0)
                choice.tolerancesOffered.push_back(offer.toleranceHundredths);
            if (!atTolerance(offer))
                continue;
            toleranceOffered = true;
            const std::optional<Size> size = sizeOf(*family, offer);
            if (size == query.size)
                atSize.push_back({family, &offer});
            else if (size)
                choice.sizesOffered.push_back(*size);
        }
    if (!toleranceOffered) {
        choice.shortfall = Shortfall::Tolerance;
        std::sort(choice.tolerancesOffered.begin(), choice.tolerancesOffered.end());
        choice.tolerancesOffered.erase(
            std::unique(choice.tolerancesOffered.begin(), choice.tolerancesOffered.end()),
            choice.tolerancesOffered.end());
        return;
    }
    choice.tolerancesOffered.clear();
    if (atSize.empty()) {
        choice.shortfall = Shortfall::Size;
        sortBySize(choice.sizesOffered);
        return;
    }
    choice.sizesOffered.clear();
    // Within a row's range but in none of its series.
    std::uint8_t bits = 0;
    for (const auto &[family, offer] : atSize)
        if (compare(offer->lowest, query.ohms) <= 0 && compare(query.ohms, offer->highest) <= 0)
            bits |= offer->series;
    if (bits) {
        choice.shortfall = Shortfall::Series;
        for (const auto &[bit, size] : seriesOffered)
            if (bits & bit)
                choice.seriesSizes.push_back(size);
        std::tie(choice.below, choice.above) = nearestMembers(choice.seriesSizes, query.ohms);
        return;
    }
    choice.shortfall = Shortfall::Range;
    choice.below = atSize.front().second->lowest;
    choice.above = atSize.front().second->highest;
    for (const auto &[family, offer] : atSize) {
        if (compare(offer->lowest, choice.below) < 0)
            choice.below = offer->lowest;
        if (compare(offer->highest, choice.above) > 0)
            choice.above = offer->highest;
    }
    // The sizes that do offer the value at this tolerance.
    for (const Offering *family : query.families)
        for (const Offer &offer : family->offers)
            if (atTolerance(offer) && offers(offer, query.ohms))
                if (const std::optional<Size> size = sizeOf(*family, offer))
                    choice.sizesOffered.push_back(*size);
    sortBySize(choice.sizesOffered);
}
} // namespace

std::pair<Decimal, Decimal> nearestMembers(std::span<const int> seriesSizes, Decimal ohms)
{
    std::pair<Decimal, Decimal> nearest;
    for (std::size_t i = 0; i < seriesSizes.size(); ++i) {
        const code::SeriesPosition position = code::seriesPosition(seriesSizes[i], ohms);
        if (i == 0 || compare(position.below, nearest.first) > 0)
            nearest.first = position.below;
        if (i == 0 || compare(position.above, nearest.second) < 0)
            nearest.second = position.above;
    }
    return nearest;
}

std::optional<int> defaultTolerance(Decimal ohms)
{
    if (ohms.mantissa == 0)
        return std::nullopt;
    if (code::seriesPosition(24, ohms).member)
        return 500;
    if (code::seriesPosition(96, ohms).member)
        return 100;
    return std::nullopt;
}

PartChoice choosePart(const PartQuery &query)
{
    PartChoice choice;
    choice.toleranceHundredths =
        query.toleranceHundredths ? query.toleranceHundredths : defaultTolerance(query.ohms);
    const std::function<bool(const Offer &)> atTolerance = [&](const Offer &offer) {
        return choice.toleranceHundredths ? offer.toleranceHundredths == *choice.toleranceHundredths
                                          : offer.toleranceHundredths > 0;
    };
    for (const Offering *family : query.families) {
        // The first row that writes it; where the tolerance is each family's widest, the widest.
        std::optional<WrittenPart> chosen;
        for (const Offer &offer : family->offers) {
            if (!atTolerance(offer) || sizeOf(*family, offer) != query.size ||
                (chosen && (choice.toleranceHundredths ||
                            offer.toleranceHundredths <= chosen->offer->toleranceHundredths)))
                continue;
            if (std::optional<WrittenPart> part = writePart(*family, offer, query.ohms))
                chosen = std::move(part);
        }
        if (chosen)
            choice.parts.push_back(std::move(*chosen));
    }
    if (choice.parts.empty())
        findShortfall(query, choice, atTolerance);
    return choice;
}

} // namespace ohmilka::partnumbers
