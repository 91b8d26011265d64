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

bool containsCaseless(std::string_view text, std::string_view word)
{
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at)
        if (isWord(text.substr(at, word.size()), word))
            return true;
    return false;
}

// A run of digits as a size code: metric where the name says so ("1608Metric", IPC's "RESC1608"),
// else as its code reads.
std::optional<FootprintSize> sizeOfRun(std::string_view run, std::string_view before,
                                       std::string_view after)
{
    if (startsWithCaseless(after, "metric") || endsWithCaseless(before, "resc")) {
        const auto metric = partnumbers::sizeOfMetric(run);
        return metric ? std::optional(FootprintSize{*metric, SizeNaming::Named}) : std::nullopt;
    }
    if (const auto inch = partnumbers::sizeOfInch(run))
        return FootprintSize{*inch, partnumbers::sizeOfMetric(run) ? SizeNaming::Either
                                                                   : SizeNaming::Inch};
    if (const auto metric = partnumbers::sizeOfMetric(run))
        return FootprintSize{*metric, SizeNaming::Metric};
    return std::nullopt;
}

// A size code after a count of elements and an x: "4x0603" (IPC's "1005X40" is a height).
bool isArrayElement(std::string_view footprint, std::size_t at)
{
    if (at < 2 || smallLetter(footprint[at - 1]) != 'x')
        return false;
    std::size_t count = 0;
    while (count < at - 1 && isDigit(footprint[at - 2 - count]))
        ++count;
    return count >= 1 && count <= 2;
}

// Two codes of one footprint name one size, as KiCad's R_0603_1608Metric does; a bare code is
// read as inches beside a named one.
std::optional<FootprintSize> together(const FootprintSize &a, const FootprintSize &b)
{
    if (!(a.size == b.size))
        return std::nullopt;
    return a.naming == b.naming ? a : FootprintSize{a.size, SizeNaming::Named};
}
} // namespace

std::optional<FootprintSize> sizeOfFootprint(std::string_view footprint)
{
    // The part after a library's name: "Resistor_SMD:R_0603_1608Metric".
    if (const std::size_t colon = footprint.rfind(':'); colon != std::string_view::npos)
        footprint.remove_prefix(colon + 1);
    // Arrays and shunts are no chip resistors of one size: R_Array_Convex_4x0603, R_Shunt_….
    if (containsCaseless(footprint, "array") || containsCaseless(footprint, "shunt"))
        return std::nullopt;
    std::optional<FootprintSize> found;
    for (std::size_t at = 0; at < footprint.size();) {
        if (!isDigit(footprint[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < footprint.size() && isDigit(footprint[end]))
            ++end;
        // Dimensions, pitches and pad sizes ("1.20x1.40mm", "P5.08mm") are no size codes, nor
        // is the element of an array ("4x0603").
        const bool partOfNumber =
            (at > 0 && (footprint[at - 1] == '.' || footprint[at - 1] == ',')) ||
            (end < footprint.size() && (footprint[end] == '.' || footprint[end] == ','));
        const std::size_t length = end - at;
        if (length >= 4 && isArrayElement(footprint, at))
            return std::nullopt;
        if (!partOfNumber && (length == 4 || length == 5)) {
            const auto size = sizeOfRun(footprint.substr(at, length), footprint.substr(0, at),
                                        footprint.substr(end));
            if (size && found && !(found = together(*found, *size)))
                return std::nullopt; // two sizes: no telling which
            if (size && !found)
                found = size;
        }
        at = end;
    }
    return found;
}

Size asMetricCode(Size inch)
{
    return partnumbers::sizeOfMetric(inch.inch).value_or(inch);
}

} // namespace ohmilka::partslist
