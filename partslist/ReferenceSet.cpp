// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ReferenceSet.h"

#include <functional>

namespace ohmilka::partslist {

namespace {
// The hash's high half (the whole of a 32-bit one), never 0: where probing starts, and what is
// compared before the texts.
std::uint32_t tagOf(std::string_view text)
{
    const std::uint64_t hash = std::hash<std::string_view>{}(text);
    const auto tag = static_cast<std::uint32_t>(sizeof(std::size_t) > 4 ? hash >> 32 : hash);
    return tag == 0 ? 1u : tag;
}
} // namespace

std::string_view ReferenceSet::text(std::uint32_t index) const
{
    return std::string_view(texts_).substr(starts_[index], starts_[index + 1] - starts_[index]);
}

std::pair<std::uint32_t, bool> ReferenceSet::place(std::string_view reference)
{
    const std::uint32_t tag = tagOf(reference);
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = tag & mask;
    for (; slots_[at].tag != 0; at = (at + 1) & mask)
        if (slots_[at].tag == tag && text(slots_[at].index) == reference)
            return {slots_[at].index, false};
    const auto index = static_cast<std::uint32_t>(starts_.size() - 1);
    slots_[at] = {tag, index};
    texts_ += reference;
    starts_.push_back(texts_.size());
    if (2 * (starts_.size() - 1) > slots_.size())
        grow();
    return {index, true};
}

ReferenceSet::Listed ReferenceSet::insert(std::string_view reference, std::uint64_t mark)
{
    const auto [index, added] = place(reference);
    if (marks_.size() <= index)
        marks_.resize(index + 1);
    if (added) {
        marks_[index] = mark;
        return Listed::First;
    }
    return marks_[index] == mark ? Listed::Alike : Listed::Otherwise;
}

bool ReferenceSet::contains(std::string_view reference) const
{
    const std::uint32_t tag = tagOf(reference);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = tag & mask; slots_[at].tag != 0; at = (at + 1) & mask)
        if (slots_[at].tag == tag && text(slots_[at].index) == reference)
            return true;
    return false;
}

void ReferenceSet::grow()
{
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot &slot : old) {
        if (slot.tag == 0)
            continue;
        std::size_t at = slot.tag & mask;
        while (slots_[at].tag != 0)
            at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

} // namespace ohmilka::partslist
