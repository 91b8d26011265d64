// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Networks.h"

#include "BigNatural.h"
#include "NearestSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>

namespace ohmilka::code {

namespace {
constexpr char series = '+', parallel = '|';
constexpr std::array joints{series, parallel};

double join(char joint, double a, double b)
{
    return joint == series ? a + b : a * b / (a + b);
}

// A network in the search: its parts, as indices into the sorted values, and its form in postfix
// (the letters name the parts in order; a joint joins the two networks before it).
struct Candidate {
    static constexpr std::uint16_t none = UINT16_MAX; // where the network has fewer parts
    std::array<std::uint16_t, maxNetworkParts> parts{none, none, none, none};
    std::array<char, 2 * maxNetworkParts> postfix{};

    std::array<std::uint16_t, maxNetworkParts> sortedParts() const
    {
        std::array<std::uint16_t, maxNetworkParts> sorted = parts;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }
    int distinctValues() const
    {
        const std::array<std::uint16_t, maxNetworkParts> sorted = sortedParts();
        int distinct = 0;
        for (std::size_t i = 0; i < sorted.size() && sorted[i] != none; ++i)
            distinct += i == 0 || sorted[i] != sorted[i - 1];
        return distinct;
    }
};

Candidate candidate(std::string_view postfix, std::initializer_list<std::size_t> parts)
{
    Candidate made;
    std::copy(postfix.begin(), postfix.end(), made.postfix.begin());
    std::transform(parts.begin(), parts.end(), made.parts.begin(),
                   [](std::size_t part) { return static_cast<std::uint16_t>(part); });
    return made;
}

// Two parts joined, as the table of all pairs holds them: first <= second.
struct Pair {
    double ohms;
    std::uint16_t first, second;
    char joint;
};

// The values as exact naturals in one unit, the smallest exponent among them and the target.
struct ExactValues {
    std::vector<BigNatural> parts;
    BigNatural target;
    int unitExponent;
};

BigNatural natural(Decimal value, int unitExponent)
{
    BigNatural result(static_cast<std::uint64_t>(value.mantissa));
    for (int i = unitExponent; i < value.exponent; ++i)
        result = result * BigNatural(10);
    return result;
}

ExactValues exactValues(std::span<const Decimal> values, Decimal target)
{
    int unit = target.exponent;
    for (Decimal value : values)
        unit = std::min(unit, value.exponent);
    ExactValues exact{{}, natural(target, unit), unit};
    for (Decimal value : values)
        exact.parts.push_back(natural(value, unit));
    return exact;
}

// A network's exact value, as a fraction of naturals.
ExactFraction exactOhms(const Candidate &network, const ExactValues &exact)
{
    std::array<ExactFraction, maxNetworkParts> stack;
    std::size_t height = 0;
    for (char c : network.postfix) {
        if (c == 0)
            break;
        if (c >= 'a' && c <= 'd') {
            stack[height++] = {exact.parts[network.parts[static_cast<std::size_t>(c - 'a')]], 1};
            continue;
        }
        const ExactFraction &b = stack[--height];
        ExactFraction &a = stack[height - 1];
        const BigNatural crossSum = a.numerator * b.denominator + b.numerator * a.denominator;
        if (c == series)
            a = {crossSum, a.denominator * b.denominator};
        else
            a = {a.numerator * b.numerator, crossSum};
    }
    return stack[0];
}

// (ohms − target) / target, exactly.
ExactFraction exactError(const Candidate &network, const ExactValues &exact)
{
    const ExactFraction ohms = exactOhms(network, exact);
    const BigNatural targetTimesDenominator = exact.target * ohms.denominator;
    const Difference off = difference(ohms.numerator, targetTimesDenominator);
    return {off.magnitude, targetTimesDenominator, off.negative};
}

// Among networks whose errors are equal: fewer distinct values, then the smaller parts.
bool preferredOnTie(const Candidate &a, const Candidate &b)
{
    const auto key = [](const Candidate &network) {
        return std::tuple(network.distinctValues(), network.sortedParts(), network.postfix,
                          network.parts);
    };
    return key(a) < key(b);
}

// One count's search: the networks offered, and the nearest kept.
class NearestNetwork
{
public:
    NearestNetwork(const ExactValues &exact, double target) : exact_(exact), target_(target) {}

    // The relative error above which no network can be the nearest.
    double bound() const { return bestError_ + nearTie(bestError_); }
    bool beyond(double ohms) const { return std::fabs(ohms - target_) / target_ > bound(); }

    template <class Make> void offer(double ohms, Make &&make)
    {
        const double error = std::fabs(ohms - target_) / target_;
        if (error <= bound())
            consider(error, make());
    }

    const std::optional<Candidate> &best() const { return best_; }

private:
    void consider(double error, const Candidate &network)
    {
        const bool nearBest = best_ && error >= bestError_ - nearTie(bestError_);
        // Nothing is nearer than exact: then only the tie decides, and costs no arithmetic.
        if (nearBest && bestExactError_.numerator.isZero() && !preferredOnTie(network, *best_))
            return;
        ExactFraction exactError = code::exactError(network, exact_);
        if (nearBest) {
            const auto order = compareMagnitudes(exactError, bestExactError_);
            if (order > 0 || (order == 0 && !preferredOnTie(network, *best_)))
                return;
        }
        best_ = network;
        bestError_ = error;
        bestExactError_ = std::move(exactError);
    }

    const ExactValues &exact_;
    double target_;
    std::optional<Candidate> best_;
    double bestError_ = HUGE_VAL;
    ExactFraction bestExactError_;
};

// Every pair of values, each joint, sorted by value.
std::vector<Pair> allPairs(const std::vector<double> &ohms)
{
    std::vector<Pair> pairs;
    pairs.reserve(ohms.size() * (ohms.size() + 1));
    for (std::size_t i = 0; i < ohms.size(); ++i)
        for (std::size_t k = i; k < ohms.size(); ++k)
            for (char joint : joints)
                pairs.push_back({join(joint, ohms[i], ohms[k]), static_cast<std::uint16_t>(i),
                                 static_cast<std::uint16_t>(k), joint});
    std::sort(pairs.begin(), pairs.end(),
              [](const Pair &a, const Pair &b) { return a.ohms < b.ohms; });
    return pairs;
}

class Search
{
public:
    Search(std::span<const Decimal> values, Decimal target)
        : exact_(exactValues(values, target)), target_(approximate(target))
    {
        for (Decimal value : values)
            ohms_.push_back(approximate(value));
    }

    std::optional<Candidate> nearest(int count)
    {
        NearestNetwork nearest(exact_, target_);
        switch (count) {
        case 1:
            single(nearest);
            break;
        case 2:
            twoParts(nearest);
            break;
        case 3:
            threeParts(nearest);
            break;
        default:
            fourParts(nearest);
        }
        return nearest.best();
    }

    const ExactValues &exact() const { return exact_; }
    const std::vector<double> &ohms() const { return ohms_; }

private:
    // Offers f over [begin, end), where it grows: the values nearest the target.
    template <class F, class Make>
    std::size_t offerNearest(NearestNetwork &nearest, std::size_t begin, std::size_t end,
                             std::size_t hint, F f, Make make)
    {
        const std::size_t crossing =
            firstAbove(begin, end, hint, [&](std::size_t k) { return f(k) > target_; });
        offerAround(begin, end, crossing, f, [&](std::size_t k, double ohms) {
            nearest.offer(ohms, [&] { return make(k); });
        });
        return crossing;
    }

    void single(NearestNetwork &nearest)
    {
        offerNearest(
            nearest, 0, ohms_.size(), 0, [&](std::size_t k) { return ohms_[k]; },
            [](std::size_t k) { return candidate("a", {k}); });
    }

    void twoParts(NearestNetwork &nearest)
    {
        for (char joint : joints) {
            const char postfix[] = {'a', 'b', joint, 0};
            std::size_t hint = ohms_.size();
            for (std::size_t a = 0; a < ohms_.size(); ++a)
                hint = offerNearest(
                    nearest, a, ohms_.size(), hint,
                    [&](std::size_t b) { return join(joint, ohms_[a], ohms_[b]); },
                    [&](std::size_t b) {
                        return candidate(postfix, {a, b});
                    });
        }
    }

    // Whether a network beside a fixed part cannot come near: it stays above the part in series,
    // below it in parallel.
    bool partRulesOut(const NearestNetwork &nearest, char joint, double part) const
    {
        return joint == series ? part > target_ && nearest.beyond(part)
                               : part < target_ && nearest.beyond(part);
    }

    // a joint (b inner c), c from b on where the three are alike.
    void threeParts(NearestNetwork &nearest)
    {
        for (char joint : joints)
            for (char inner : joints) {
                const char postfix[] = {'a', 'b', 'c', inner, joint, 0};
                for (std::size_t a = 0; a < ohms_.size(); ++a) {
                    if (partRulesOut(nearest, joint, ohms_[a]))
                        continue;
                    std::size_t hint = ohms_.size();
                    for (std::size_t b = joint == inner ? a : 0; b < ohms_.size(); ++b) {
                        // c >= b: inner is at least b + b, or b / 2, and below b in parallel.
                        const double least = join(joint, ohms_[a], join(inner, ohms_[b], ohms_[b]));
                        if (least > target_ && nearest.beyond(least))
                            break;
                        if (inner == parallel && joint == series && ohms_[a] + ohms_[b] < target_ &&
                            nearest.beyond(ohms_[a] + ohms_[b]))
                            continue;
                        hint = offerNearest(
                            nearest, b, ohms_.size(), hint,
                            [&](std::size_t c) {
                                return join(joint, ohms_[a], join(inner, ohms_[b], ohms_[c]));
                            },
                            [&](std::size_t c) {
                                return candidate(postfix, {a, b, c});
                            });
                    }
                }
            }
    }

    void fourParts(NearestNetwork &nearest)
    {
        const std::vector<Pair> pairs = allPairs(ohms_);
        twoPairs(nearest, pairs);
        partBesidePartAndPair(nearest, pairs);
    }

    // (a b) joint (c d), the second pair from the first on.
    void twoPairs(NearestNetwork &nearest, const std::vector<Pair> &pairs)
    {
        for (char joint : joints) {
            std::size_t hint = pairs.size();
            for (std::size_t x = 0; x < pairs.size(); ++x) {
                const double first = pairs[x].ohms;
                const double least = join(joint, first, first);
                if (least > target_ && nearest.beyond(least))
                    break;
                if (partRulesOut(nearest, joint, first))
                    continue;
                hint = offerNearest(
                    nearest, x, pairs.size(), hint,
                    [&](std::size_t y) { return join(joint, first, pairs[y].ohms); },
                    [&](std::size_t y) {
                        const Pair &p = pairs[x], &q = pairs[y];
                        const char postfix[] = {'a', 'b', p.joint, 'c', 'd', q.joint, joint, 0};
                        return candidate(postfix, {p.first, p.second, q.first, q.second});
                    });
            }
        }
    }

    // a joint (b inner (c d)), the joints unlike: the forms two pairs do not make.
    void partBesidePartAndPair(NearestNetwork &nearest, const std::vector<Pair> &pairs)
    {
        const double leastPair = pairs.front().ohms;
        for (char joint : joints) {
            const char inner = joint == series ? parallel : series;
            for (std::size_t a = 0; a < ohms_.size(); ++a) {
                if (partRulesOut(nearest, joint, ohms_[a]))
                    continue;
                std::size_t hint = pairs.size();
                for (std::size_t b = 0; b < ohms_.size(); ++b) {
                    const double least = join(joint, ohms_[a], join(inner, ohms_[b], leastPair));
                    if (least > target_ && nearest.beyond(least))
                        break;
                    // a + b || W stays below a + b.
                    const double most = ohms_[a] + ohms_[b];
                    if (joint == series && most < target_ && nearest.beyond(most))
                        continue;
                    hint = offerNearest(
                        nearest, 0, pairs.size(), hint,
                        [&](std::size_t w) {
                            return join(joint, ohms_[a], join(inner, ohms_[b], pairs[w].ohms));
                        },
                        [&](std::size_t w) {
                            const Pair &p = pairs[w];
                            const char postfix[] = {'a', 'b', 'c', 'd', p.joint, inner, joint, 0};
                            return candidate(postfix, {a, b, p.first, p.second});
                        });
                }
            }
        }
    }

    ExactValues exact_;
    double target_;
    std::vector<double> ohms_;
};

// A network as a tree, its joints flattened and its branches in order, to be written.
struct Branch {
    char joint; // 0 for a part
    std::size_t part;
    double ohms;
    std::vector<Branch> branches;
};

Branch tree(const Candidate &network, const std::vector<double> &ohms)
{
    std::vector<Branch> stack;
    for (char c : network.postfix) {
        if (c == 0)
            break;
        if (c >= 'a' && c <= 'd') {
            const std::size_t part = network.parts[static_cast<std::size_t>(c - 'a')];
            stack.push_back({0, part, ohms[part], {}});
            continue;
        }
        Branch b = std::move(stack.back());
        stack.pop_back();
        Branch a = std::move(stack.back());
        stack.pop_back();
        Branch joined{c, 0, join(c, a.ohms, b.ohms), {}};
        for (Branch *side : {&a, &b}) {
            if (side->joint == c)
                for (Branch &inner : side->branches)
                    joined.branches.push_back(std::move(inner));
            else
                joined.branches.push_back(std::move(*side));
        }
        // Parts first, from the smallest; then joined branches, from the smallest.
        std::sort(joined.branches.begin(), joined.branches.end(),
                  [](const Branch &x, const Branch &y) {
                      return std::tuple(x.joint != 0, x.ohms, x.part) <
                             std::tuple(y.joint != 0, y.ohms, y.part);
                  });
        stack.push_back(std::move(joined));
    }
    return stack.back();
}

void write(const Branch &branch, char outer, std::span<const Decimal> values, Network &network)
{
    if (branch.joint == 0) {
        network.form += static_cast<char>('a' + network.parts.size());
        network.parts.push_back(values[branch.part]);
        return;
    }
    const bool enclosed = branch.joint == series && outer == parallel;
    if (enclosed)
        network.form += '(';
    for (std::size_t i = 0; i < branch.branches.size(); ++i) {
        if (i > 0)
            network.form += branch.joint == series ? "+" : "||";
        write(branch.branches[i], branch.joint, values, network);
    }
    if (enclosed)
        network.form += ')';
}
} // namespace

std::vector<Network> nearestNetworks(std::span<const Decimal> values, Decimal target, int maxParts)
{
    const std::vector<Decimal> sorted = sortedDistinct(values);
    std::vector<Network> networks;
    if (sorted.empty())
        return networks;
    Search search(sorted, normalised(target));
    for (int count = 1; count <= std::min(maxParts, maxNetworkParts); ++count) {
        const std::optional<Candidate> best = search.nearest(count);
        Network network;
        write(tree(*best, search.ohms()), 0, sorted, network);
        const ExactFraction ohms = exactOhms(*best, search.exact());
        network.ohms = toDouble(ohms) * std::pow(10.0, search.exact().unitExponent);
        network.error = toDouble(exactError(*best, search.exact()));
        network.distinctValues = best->distinctValues();
        networks.push_back(std::move(network));
    }
    return networks;
}

} // namespace ohmilka::code
