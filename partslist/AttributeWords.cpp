// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "AttributeWords.h"

#include "AsciiText.h"

#include <algorithm>
#include <array>
#include <string>

namespace ohmilka::partslist {

namespace {
struct AttributeRow {
    std::string_view word; // in small letters
    AttributeKind kind;
};
using K = AttributeKind;
// In the order of their words, for a binary search: each token is looked up once.
// The word for a resistor in the designers' languages stands among the English ones.
constexpr std::array<AttributeRow, 50> table{{
    {"aec-q200", K::Grade},
    {"anti-sulfur", K::Grade},
    {"anti-sulphur", K::Grade},
    {"antisulfur", K::Grade},
    {"automotive", K::Grade},
    {"axial", K::Mounting},
    {"carbon", K::Material},
    {"cermet", K::Material},
    {"cf", K::Material},
    {"chip", K::Type},
    {"composition", K::Material},
    {"film", K::Material},
    {"fixed", K::Type},
    {"jumper", K::Type},
    {"melf", K::Mounting},
    {"metal", K::Material},
    {"mf", K::Material},
    {"micromelf", K::Mounting},
    {"minimelf", K::Mounting},
    {"mo", K::Material},
    {"ohm", K::Unit},
    {"ohms", K::Unit},
    {"opornik", K::Type},
    {"oxide", K::Material},
    {"precision", K::Grade},
    {"radial", K::Mounting},
    {"res", K::Type},
    {"resistencia", K::Type},
    {"resistor", K::Type},
    {"resistore", K::Type},
    {"resistors", K::Type},
    {"rezistor", K::Type},
    {"r\u00e9sistance", K::Type},
    {"smd", K::Mounting},
    {"smt", K::Mounting},
    {"th", K::Mounting},
    {"thick", K::Material},
    {"thin", K::Material},
    {"tht", K::Mounting},
    {"widerstand", K::Type},
    {"wire", K::Material},
    {"wirewound", K::Material},
    {"wound", K::Material},
    {"\u03c9", K::Unit},
    {"\u0420\u0415\u0417", K::Type},                               // Bulgarian, Russian: РЕЗ
    {"\u0420\u0415\u0417\u0418\u0421\u0422\u041e\u0420", K::Type}, // РЕЗИСТОР
    {"\u0440\u0435\u0437", K::Type},                               // рез
    {"\u0440\u0435\u0437\u0438\u0441\u0442\u043e\u0440", K::Type}, // резистор
    {"\u2126", K::Unit},
    {"\u7535\u963b", K::Type},
}};
static_assert(std::is_sorted(table.begin(), table.end(),
                             [](const AttributeRow &a, const AttributeRow &b) {
                                 return a.word < b.word;
                             }));
} // namespace

std::optional<AttributeKind> attributeWord(std::string_view word)
{
    if (word.empty() || word.size() > 16)
        return std::nullopt;
    std::string small(word);
    for (char &c : small)
        c = smallLetter(c);
    if (small == "\u03a9") // Ω in capitals, the ohm's usual sign
        small = "\u03c9";
    const auto found = std::lower_bound(
        table.begin(), table.end(), small,
        [](const AttributeRow &row, const std::string &w) { return row.word < w; });
    return found != table.end() && found->word == small ? std::optional(found->kind) : std::nullopt;
}

} // namespace ohmilka::partslist
