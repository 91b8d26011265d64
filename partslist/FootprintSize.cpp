// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "FootprintSize.h"

#include "AsciiText.h"
#include "Decimal.h"

namespace ohmilka::partslist {

using partnumbers::Size;

namespace {
bool startsWithCaseless(std::string_view text, std::string_view start)
{
    return text.size() >= start.size() && isWord(text.substr(0, start.size()), start);
}

bool endsWithCaseless(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && isWord(text.substr(text.size() - end.size()), end);
}

// A run of digits as a size code: metric where the name says so ("1608Metric", IPC's "RESC1608"),
// else an inch code, else a metric code that is no inch code (1608, 3216).
std::optional<Size> sizeOfRun(std::string_view run, std::string_view before, std::string_view after)
{
    const bool metric = startsWithCaseless(after, "metric") || endsWithCaseless(before, "resc");
    if (metric)
        return partnumbers::sizeOfMetric(run);
    if (const auto inch = partnumbers::sizeOfInch(run))
        return inch;
    return partnumbers::sizeOfMetric(run);
}
} // namespace

std::optional<Size> sizeOfFootprint(std::string_view footprint)
{
    // The part after a library's name: "Resistor_SMD:R_0603_1608Metric".
    if (const std::size_t colon = footprint.rfind(':'); colon != std::string_view::npos)
        footprint.remove_prefix(colon + 1);
    std::optional<Size> found;
    for (std::size_t at = 0; at < footprint.size();) {
        if (!isDigit(footprint[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < footprint.size() && isDigit(footprint[end]))
            ++end;
        // Dimensions, pitches and pad sizes ("1.20x1.40mm", "P5.08mm") are no size codes.
        const bool partOfNumber =
            (at > 0 && (footprint[at - 1] == '.' || footprint[at - 1] == ',')) ||
            (end < footprint.size() && (footprint[end] == '.' || footprint[end] == ','));
        const std::size_t length = end - at;
        if (!partOfNumber && (length == 4 || length == 5)) {
            const auto size = sizeOfRun(footprint.substr(at, length), footprint.substr(0, at),
                                        footprint.substr(end));
            if (size && found && !(*size == *found))
                return std::nullopt; // two sizes: no telling which
            if (size)
                found = size;
        }
        at = end;
    }
    return found;
}

} // namespace ohmilka::partslist
