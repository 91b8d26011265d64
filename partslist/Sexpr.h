// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// S-expressions as KiCad writes its files: lists in parentheses of atoms and quoted strings
// (with backslash escapes), each node with its line, held in one table over the text.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::partslist {

class Sexpr
{
public:
    static constexpr std::uint32_t none = UINT32_MAX;
    struct Node {
        std::string_view text; // an atom's or a string's; empty for a list
        std::uint32_t firstChild = none, nextSibling = none;
        std::uint32_t line = 0;
        bool list = false;
    };

    // The first list of the text and what it holds; nullopt when the text is no well-formed
    // S-expression (or nests deeper than any KiCad file does).
    static std::optional<Sexpr> parse(std::string text);

    std::uint32_t root() const { return 0; }
    const Node &node(std::uint32_t index) const { return nodes_[index]; }
    // A list's first element, which names it: "symbol" for (symbol ...).
    std::string_view head(std::uint32_t list) const;
    // The lists in a list named so, in order: the first from none, the next from the last.
    std::uint32_t next(std::uint32_t list, std::string_view name, std::uint32_t after = none) const;
    // A list's elements after its head, by place from 0: (property "Value" "10k") gives "Value"
    // and "10k".
    std::string_view argument(std::uint32_t list, std::size_t place) const;
    // The argument of the first list so named in a list: "(uuid X)" gives X.
    std::string_view value(std::uint32_t list, std::string_view name) const;

private:
    // Where the nodes' texts are: held apart, so that they stay where they are as the whole moves.
    std::unique_ptr<const std::string> text_;
    std::deque<std::string> unescaped_; // strings with escapes, as they read
    std::vector<Node> nodes_;
};

} // namespace ohmilka::partslist
