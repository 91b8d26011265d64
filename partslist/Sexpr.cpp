// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Sexpr.h"

namespace ohmilka::partslist {

namespace {
constexpr std::size_t deepest = 256;

bool isAtomCharacter(char c)
{
    return c != '(' && c != ')' && c != '"' && c != ' ' && c != '\t' && c != '\n' && c != '\r';
}
} // namespace

std::optional<Sexpr> Sexpr::parse(std::string text)
{
    Sexpr sexpr;
    sexpr.text_ = std::make_unique<const std::string>(std::move(text));
    const std::string_view all = *sexpr.text_;
    std::vector<Node> &nodes = sexpr.nodes_;
    std::vector<std::uint32_t> open;      // the lists not yet closed
    std::vector<std::uint32_t> lastChild; // of each open list
    std::uint32_t line = 1;
    nodes.reserve(all.size() / 8); // about one node in eight bytes of a KiCad file
    // Links a new node under the innermost open list.
    const auto add = [&](Node node) {
        const auto index = static_cast<std::uint32_t>(nodes.size());
        nodes.push_back(node);
        if (!open.empty()) {
            if (lastChild.back() == none)
                nodes[open.back()].firstChild = index;
            else
                nodes[lastChild.back()].nextSibling = index;
            lastChild.back() = index;
        }
        return index;
    };
    for (std::size_t at = 0; at < all.size();) {
        const char c = all[at];
        if (c == '\n') {
            ++line;
            ++at;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++at;
        } else if (c == '(') {
            if (open.size() >= deepest)
                return std::nullopt;
            open.push_back(add({{}, none, none, line, true}));
            lastChild.push_back(none);
            ++at;
        } else if (c == ')') {
            if (open.empty())
                return std::nullopt;
            open.pop_back();
            lastChild.pop_back();
            ++at;
            if (open.empty()) // the list is whole: nothing but space may follow
                return all.find_first_not_of(" \t\r\n", at) == std::string_view::npos
                           ? std::optional<Sexpr>(std::move(sexpr))
                           : std::nullopt;
        } else if (open.empty()) {
            return std::nullopt; // text before the first list
        } else if (c == '"') {
            // The closing quote, past escaped ones; only a string with escapes is copied.
            std::size_t end = at + 1;
            bool escaped = false;
            for (; end < all.size() && all[end] != '"'; ++end) {
                line += all[end] == '\n';
                if (all[end] == '\\') {
                    escaped = true;
                    ++end;
                }
            }
            if (end >= all.size())
                return std::nullopt; // a string never closed
            std::string_view value = all.substr(at + 1, end - at - 1);
            if (escaped) {
                std::string unescaped;
                for (std::size_t i = 0; i < value.size(); ++i) {
                    char character = value[i];
                    if (character == '\\' && i + 1 < value.size()) {
                        character = value[++i];
                        character = character == 'n' ? '\n' : character == 't' ? '\t' : character;
                    }
                    unescaped += character;
                }
                value = sexpr.unescaped_.emplace_back(std::move(unescaped));
            }
            add({value, none, none, line, false});
            at = end + 1;
        } else {
            std::size_t end = at;
            while (end < all.size() && isAtomCharacter(all[end]))
                ++end;
            add({all.substr(at, end - at), none, none, line, false});
            at = end;
        }
    }
    return std::nullopt; // no list, or one never closed
}

std::string_view Sexpr::head(std::uint32_t list) const
{
    const std::uint32_t first = nodes_[list].firstChild;
    return first == none || nodes_[first].list ? std::string_view() : nodes_[first].text;
}

std::uint32_t Sexpr::next(std::uint32_t list, std::string_view name, std::uint32_t after) const
{
    for (std::uint32_t child = after == none ? nodes_[list].firstChild : nodes_[after].nextSibling;
         child != none; child = nodes_[child].nextSibling)
        if (nodes_[child].list && head(child) == name)
            return child;
    return none;
}

std::string_view Sexpr::argument(std::uint32_t list, std::size_t place) const
{
    std::uint32_t child = nodes_[list].firstChild;
    for (std::size_t skipped = 0; child != none && skipped <= place; ++skipped)
        child = nodes_[child].nextSibling;
    return child == none || nodes_[child].list ? std::string_view() : nodes_[child].text;
}

std::string_view Sexpr::value(std::uint32_t list, std::string_view name) const
{
    const std::uint32_t found = next(list, name);
    return found == none ? std::string_view() : argument(found, 0);
}

} // namespace ohmilka::partslist
