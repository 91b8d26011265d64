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

// The part numbers of one alternate: the alternate; its one word with digits after words
// without (a maker's name); or its words with digits where a key reads each.
void numbersIn(std::string_view alternate, std::vector<std::string_view> &numbers)
{
    alternate = trimmed(alternate);
    if (alternate.empty())
        return;
    std::vector<std::string_view> numbered;
    std::size_t named = 0;
    bool eachRead = true;
    for (std::size_t at = 0; at < alternate.size();) {
        const std::size_t end = std::min(alternate.find(' ', at), alternate.size());
        if (const std::string_view word = alternate.substr(at, end - at); !word.empty()) {
            if (hasDigit(word)) {
                numbered.push_back(word);
                eachRead = eachRead && partnumbers::readPartNumber(word);
            } else {
                ++named;
            }
        }
        at = end + 1;
    }
    if ((numbered.size() == 1 && named > 0) || (numbered.size() > 1 && eachRead))
        numbers.insert(numbers.end(), numbered.begin(), numbered.end());
    else if (!numbered.empty()) // every maker's part number has a digit; "-", "N/A", "TBD" none
        numbers.push_back(alternate);
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
    // Fields of KiCad 5's files may end in a carriage return.
    while (!cell.empty() && (cell.back() == '\r' || cell.back() == '\n'))
        cell.remove_suffix(1);
    cell = trimmed(cell);
    if (cell.empty())
        return {};
    // One word, or a part number of its own slash or comma (Bourns' jumper CR0603-J/-000ELF).
    if (cell.find_first_of(",;|/ ") == std::string_view::npos || partnumbers::readPartNumber(cell))
        return hasDigit(cell) ? std::vector{cell} : std::vector<std::string_view>();
    std::vector<std::string_view> numbers;
    for (std::size_t at = 0; at <= cell.size();) {
        std::size_t length = 0;
        const std::size_t end = separatorAt(cell, at, length);
        numbersIn(cell.substr(at, end - at), numbers);
        if (length == 0)
            break;
        at = end + length;
    }
    return numbers;
}

} // namespace ohmilka::partslist
