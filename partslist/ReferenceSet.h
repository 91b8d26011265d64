// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The references a parts list has named, each once. A list of a million parts is held in
// about 30 MB: the texts in one buffer, and a table of open addressing that holds half of each
// text's hash and where the text starts.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ohmilka::partslist {

class ReferenceSet
{
public:
    // False when the set holds the reference already.
    bool insert(std::string_view reference) { return place(reference).second; }
    bool contains(std::string_view reference) const;

    // A reference with a mark of what its row says: listed first, listed again with the mark it
    // was first listed with, or with another.
    enum class Listed { First, Alike, Otherwise };
    Listed insert(std::string_view reference, std::uint64_t mark);

private:
    struct Slot {
        std::uint32_t tag = 0;   // 0 in a free slot
        std::uint32_t index = 0; // of the reference, in starts_
    };
    std::string_view text(std::uint32_t index) const;
    std::pair<std::uint32_t, bool> place(std::string_view reference); // its index; whether added
    void grow();

    std::vector<Slot> slots_ = std::vector<Slot>(1024); // a power of two, at most half used
    std::string texts_;
    std::vector<std::size_t> starts_{0}; // where each text starts, and where the last ends
    std::vector<std::uint64_t> marks_;   // of each text, where it was inserted with one
};

} // namespace ohmilka::partslist
