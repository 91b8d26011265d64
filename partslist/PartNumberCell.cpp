// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartNumberCell.h"

#include "AsciiText.h"
#include "Decimal.h"
#include "PartNumbers.h"

#include <algorithm>

namespace ohmilka::partslist {

namespace {
bool hasDigit(std::string_view word)
{
    return std::any_of(word.begin(), word.end(), isDigit);
}

// The part number of one alternate: the alternate, or its one word with digits after words
// without (a maker's name).
std::string_view numberIn(std::string_view alternate)
{
    alternate = trimmed(alternate);
    std::string_view number;
    std::size_t numbered = 0, named = 0;
    for (std::size_t at = 0; at < alternate.size();) {
        const std::size_t end = std::min(alternate.find(' ', at), alternate.size());
        const std::string_view word = alternate.substr(at, end - at);
        if (!word.empty()) {
            if (hasDigit(word)) {
                number = word;
                ++numbered;
            } else {
                ++named;
            }
        }
        at = end + 1;
    }
    return numbered == 1 && named > 0 ? number : alternate;
}

// Where an alternate ends: a comma, semicolon, bar or slash, or " or ".
std::size_t separatorAt(std::string_view cell, std::size_t at, std::size_t &length)
{
    for (std::size_t i = at; i < cell.size(); ++i) {
        if (cell[i] == ',' || cell[i] == ';' || cell[i] == '|' || cell[i] == '/') {
            length = 1;
            return i;
        }
        if (cell[i] == ' ' && i + 3 < cell.size() && isWord(cell.substr(i + 1, 2), "or") &&
            cell[i + 3] == ' ') {
            length = 4;
            return i;
        }
    }
    length = 0;
    return cell.size();
}
} // namespace

std::vector<std::string_view> partNumbersIn(std::string_view cell)
{
    cell = trimmed(cell);
    // A part number of its own slash or comma (Bourns' jumper CR0603-J/-000ELF) is one.
    if (cell.empty() || partnumbers::readPartNumber(cell))
        return cell.empty() ? std::vector<std::string_view>() : std::vector{cell};
    std::vector<std::string_view> numbers;
    for (std::size_t at = 0; at <= cell.size();) {
        std::size_t length = 0;
        const std::size_t end = separatorAt(cell, at, length);
        if (const std::string_view number = numberIn(cell.substr(at, end - at)); !number.empty())
            numbers.push_back(number);
        if (length == 0)
            break;
        at = end + length;
    }
    return numbers;
}

} // namespace ohmilka::partslist
