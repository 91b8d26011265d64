// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartNumberCell.h"

#include "AsciiText.h"
#include "Decimal.h"
#include "PartNumbers.h"

#include <algorithm>

namespace ohmilka::partslist {

namespace {
// A maker's part number has a letter and a digit, and four characters at least: "RC0603FR-0710KL",
// "ABC-1"; not "-", "TBD", "1%", "0603" or "10K".
bool mayBePartNumber(std::string_view word)
{
    return word.size() >= 4 && std::any_of(word.begin(), word.end(), isDigit) &&
           std::any_of(word.begin(), word.end(), isAsciiLetter);
}

// The part numbers of one alternate: its words that may be part numbers, without the brackets
// around them; the words beside them are makers' names and notes ("Yageo", "(alt:").
void numbersIn(std::string_view alternate, std::vector<std::string_view> &numbers)
{
    for (std::size_t at = 0; at < alternate.size();) {
        const std::size_t end = std::min(alternate.find(' ', at), alternate.size());
        std::string_view word = alternate.substr(at, end - at);
        while (!word.empty() && std::string_view("([:").find(word.front()) != word.npos)
            word.remove_prefix(1);
        while (!word.empty() && std::string_view(")]:").find(word.back()) != word.npos)
            word.remove_suffix(1);
        if (mayBePartNumber(word))
            numbers.push_back(word);
        at = end + 1;
    }
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
    // A part number of its own slash or comma (Bourns' jumper CR0603-J/-000ELF); a cell of one
    // word is read as its only alternate, without reading it twice.
    if (cell.find_first_of(",;|/ ") != std::string_view::npos && partnumbers::readPartNumber(cell))
        return {cell};
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
