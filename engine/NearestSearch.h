// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The steps the searches for nearest networks and dividers share: where a growing function of a
// sorted table crosses its target, and how close two approximate errors must be to be compared
// exactly.

#include <algorithm>
#include <cstddef>

namespace ohmilka::code {

// Relative errors computed in double lie within a few units in the last place of the exact ones;
// errors closer than this are compared exactly.
inline double nearTie(double error)
{
    return 1e-11 * (1 + error);
}

// The first k in [begin, end) where above(k) holds, above being false and then true over the
// range; end when it never holds. Gallops from hint, where the last search ended, so that a
// sweep of neighbouring searches costs little more than one.
template <class Above>
std::size_t firstAbove(std::size_t begin, std::size_t end, std::size_t hint, Above above)
{
    if (begin == end)
        return end;
    hint = std::clamp(hint, begin, end - 1);
    std::size_t low = begin, high = end; // the answer lies in [low, high]
    if (above(hint)) {
        high = hint;
        for (std::size_t step = 1; high > begin; step *= 2) {
            const std::size_t probe = high - begin > step ? high - step : begin;
            if (!above(probe)) {
                low = probe + 1;
                break;
            }
            high = probe;
        }
    } else {
        low = hint + 1;
        for (std::size_t step = 1; low < end; step *= 2) {
            const std::size_t probe = std::min(low + step - 1, end - 1);
            if (above(probe)) {
                high = probe;
                break;
            }
            low = probe + 1;
        }
    }
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (above(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// Offers the last k below the crossing and the first from it, with f(k), and the neighbours whose
// values lie so close to theirs that double arithmetic cannot tell them apart, or that are equal.
template <class F, class Offer>
void offerAround(std::size_t begin, std::size_t end, std::size_t crossing, F f, Offer offer)
{
    if (crossing > begin) {
        std::size_t k = crossing - 1;
        const double edge = f(k);
        offer(k, edge);
        while (k > begin) {
            const double value = f(--k);
            if (value < edge - nearTie(0) * edge)
                break;
            offer(k, value);
        }
    }
    if (crossing < end) {
        std::size_t k = crossing;
        const double edge = f(k);
        offer(k, edge);
        while (++k < end) {
            const double value = f(k);
            if (value > edge + nearTie(0) * edge)
                break;
            offer(k, value);
        }
    }
}

} // namespace ohmilka::code
