// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Dividers.h"

#include "BigNatural.h"
#include "NearestSearch.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace ohmilka::code {

namespace {
// Decimals as naturals in one unit, the smallest exponent among them.
std::vector<BigNatural> inOneUnit(std::span<const Decimal> values)
{
    int unit = 0;
    for (Decimal value : values)
        unit = std::min(unit, value.exponent);
    std::vector<BigNatural> naturals;
    for (Decimal value : values) {
        BigNatural natural(static_cast<std::uint64_t>(value.mantissa));
        for (int i = unit; i < value.exponent; ++i)
            natural = natural * BigNatural(10);
        naturals.push_back(natural);
    }
    return naturals;
}

struct Entry {
    std::size_t top, bottom;
    double error;
    ExactFraction exactError;
};

class DividerSearch
{
public:
    DividerSearch(std::span<const Decimal> values, const DividerGoal &goal)
        : values_(values.begin(), values.end()), goal_(goal)
    {
        std::vector<Decimal> all = values_;
        for (const auto &bound : {goal.leastTotal, goal.mostTotal})
            all.push_back(bound.value_or(Decimal{1, 0}));
        std::vector<BigNatural> naturals = inOneUnit(all);
        leastTotal_ = naturals[values_.size()];
        mostTotal_ = naturals[values_.size() + 1];
        naturals.resize(values_.size());
        exact_ = std::move(naturals);
        const std::vector<BigNatural> ratio =
            inOneUnit(std::vector{goal.numerator, goal.denominator});
        numerator_ = ratio[0];
        denominator_ = ratio[1];
        ratio_ = approximate(goal.numerator) / approximate(goal.denominator);
        for (Decimal value : values_)
            ohms_.push_back(approximate(value));
        if (!ohms_.empty()) {
            const double least =
                goal.leastTotal ? approximate(*goal.leastTotal) : 2 * ohms_.front();
            const double most = goal.mostTotal ? approximate(*goal.mostTotal) : 2 * ohms_.back();
            middleTotal_ = std::sqrt(least * most);
        }
    }

    std::vector<Divider> nearest(std::size_t count)
    {
        // The ratio grows with the bottom part: for each top, the nearest pairs are the count
        // nearest the crossing on either side, and their ties.
        std::size_t hint = values_.size();
        for (std::size_t top = 0; top < values_.size(); ++top) {
            const auto ratio = [&](std::size_t bottom) {
                return ohms_[bottom] / (ohms_[top] + ohms_[bottom]);
            };
            hint = firstAbove(0, values_.size(), hint,
                              [&](std::size_t bottom) { return ratio(bottom) > ratio_; });
            offerSide(top, hint, true, count);
            offerSide(top, hint, false, count);
        }
        std::vector<Divider> dividers;
        for (const Entry &entry : kept_)
            dividers.push_back({values_[entry.top], values_[entry.bottom],
                                ohms_[entry.bottom] / (ohms_[entry.top] + ohms_[entry.bottom]),
                                toDouble(entry.exactError)});
        return dividers;
    }

private:
    // From the crossing outwards, one way: the pairs within the total, until count are offered
    // and the next is no tie of the last.
    void offerSide(std::size_t top, std::size_t crossing, bool downwards, std::size_t count)
    {
        const std::size_t steps = downwards ? crossing : values_.size() - crossing;
        std::size_t offered = 0;
        double last = 0;
        for (std::size_t step = 0; step < steps; ++step) {
            const std::size_t bottom = downwards ? crossing - 1 - step : crossing + step;
            if (!withinTotal(top, bottom))
                continue;
            const double error = std::fabs(this->error(top, bottom));
            if (offered >= count && error > last + nearTie(last))
                return;
            offer(top, bottom, count);
            ++offered;
            last = error;
        }
    }

    bool withinTotal(std::size_t top, std::size_t bottom) const
    {
        const double total = ohms_[top] + ohms_[bottom];
        const auto side = [&](const std::optional<Decimal> &bound, const BigNatural &exact,
                              int sign) {
            if (!bound)
                return true;
            const double edge = approximate(*bound);
            if (std::fabs(total - edge) > nearTie(0) * edge)
                return sign * (total - edge) >= 0;
            const auto order = exact_[top] + exact_[bottom] <=> exact;
            return sign > 0 ? order >= 0 : order <= 0;
        };
        return side(goal_.leastTotal, leastTotal_, 1) && side(goal_.mostTotal, mostTotal_, -1);
    }

    double error(std::size_t top, std::size_t bottom) const
    {
        const double ratio = ohms_[bottom] / (ohms_[top] + ohms_[bottom]);
        return goal_.aim == DividerAim::Ratio ? ratio / ratio_ - 1 : ratio_ / ratio - 1;
    }

    ExactFraction exactError(std::size_t top, std::size_t bottom) const
    {
        const BigNatural total = exact_[top] + exact_[bottom];
        const BigNatural asked = numerator_ * total;          // n (t + b)
        const BigNatural got = denominator_ * exact_[bottom]; // d b
        if (goal_.aim == DividerAim::Ratio) {
            const Difference off = difference(got, asked);
            return {off.magnitude, asked, off.negative};
        }
        const Difference off = difference(asked, got);
        return {off.magnitude, got, off.negative};
    }

    bool better(const Entry &a, const Entry &b) const
    {
        if (std::fabs(std::fabs(a.error) - std::fabs(b.error)) > nearTie(std::fabs(a.error)))
            return std::fabs(a.error) < std::fabs(b.error);
        if (const auto order = compareMagnitudes(a.exactError, b.exactError); order != 0)
            return order < 0;
        const auto key = [&](const Entry &e) {
            return std::tuple(e.top != e.bottom, ohms_[e.top] + ohms_[e.bottom], e.top);
        };
        return key(a) < key(b);
    }

    bool sameRatio(const Entry &entry, std::size_t top, std::size_t bottom) const
    {
        const double a = ohms_[entry.bottom] * ohms_[top], b = ohms_[bottom] * ohms_[entry.top];
        return std::fabs(a - b) <= nearTie(0) * a &&
               exact_[entry.bottom] * exact_[top] == exact_[bottom] * exact_[entry.top];
    }

    double offMiddle(std::size_t top, std::size_t bottom) const
    {
        return std::fabs(std::log((ohms_[top] + ohms_[bottom]) / middleTotal_));
    }

    void offer(std::size_t top, std::size_t bottom, std::size_t count)
    {
        const double error = this->error(top, bottom);
        if (kept_.size() == count &&
            std::fabs(error) > std::fabs(kept_.back().error) + nearTie(std::fabs(error)))
            return;
        // A ratio kept already: this pair stands for it where its total is nearer the middle.
        if (const auto same =
                std::find_if(kept_.begin(), kept_.end(),
                             [&](const Entry &e) { return sameRatio(e, top, bottom); });
            same != kept_.end()) {
            if (offMiddle(top, bottom) >= offMiddle(same->top, same->bottom))
                return;
            kept_.erase(same);
        }
        Entry entry{top, bottom, error, exactError(top, bottom)};
        const auto at =
            std::upper_bound(kept_.begin(), kept_.end(), entry,
                             [&](const Entry &a, const Entry &b) { return better(a, b); });
        if (static_cast<std::size_t>(at - kept_.begin()) >= count)
            return;
        kept_.insert(at, std::move(entry));
        if (kept_.size() > count)
            kept_.pop_back();
    }

    std::vector<Decimal> values_;
    DividerGoal goal_;
    std::vector<BigNatural> exact_;
    BigNatural leastTotal_, mostTotal_, numerator_, denominator_;
    double ratio_;
    std::vector<double> ohms_;
    double middleTotal_ = 1;
    std::vector<Entry> kept_;
};

// a + b, exact: the values of a search are far within 18 digits in one unit.
Decimal sum(Decimal a, Decimal b)
{
    const int unit = std::min(a.exponent, b.exponent);
    return normalised(
        {a.mantissa * powerOfTen(a.exponent - unit) + b.mantissa * powerOfTen(b.exponent - unit),
         unit});
}
} // namespace

std::vector<Divider> nearestDividers(std::span<const Decimal> values, const DividerGoal &goal,
                                     std::size_t count)
{
    return DividerSearch(sortedDistinct(values), goal).nearest(count);
}

Decimal nearestTotal(std::span<const Decimal> values, Decimal least, Decimal most)
{
    const std::vector<Decimal> sorted = sortedDistinct(values);
    const double low = approximate(least), high = approximate(most);
    Decimal nearest = sum(sorted.front(), sorted.front());
    double nearestOff = HUGE_VAL;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        for (std::size_t j = i; j < sorted.size(); ++j) {
            const double total = approximate(sorted[i]) + approximate(sorted[j]);
            const double off = total < low ? low / total : total > high ? total / high : 1;
            if (off < nearestOff) {
                nearestOff = off;
                nearest = sum(sorted[i], sorted[j]);
            }
        }
    return nearest;
}

RatioRange ratioRange(double top, double bottom, double tolerance)
{
    const double low = 1 - tolerance, high = 1 + tolerance;
    return {bottom * low / (top * high + bottom * low),
            bottom * high / (top * low + bottom * high)};
}

} // namespace ohmilka::code
