// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CellValue.h"

#include "AsciiText.h"
#include "AttributeWords.h"
#include "FootprintSize.h"
#include "ResistorCode.h"

#include <algorithm>
#include <array>

namespace ohmilka::partslist {

namespace {
// A value as parseValue reads it, and as some makers and designers write ohms: "100E", "0E".
ParsedValue valueOf(std::string_view text)
{
    ParsedValue read = parseValue(text);
    if (read.value || text.size() < 2 || text.back() != 'E')
        return read;
    const std::string_view number = text.substr(0, text.size() - 1);
    if (!std::all_of(number.begin(), number.end(), [](char c) { return isDigit(c) || c == '.'; }))
        return read;
    return parseValue(number);
}

constexpr std::string_view plusMinus = "\u00B1";

// IEC 60062's letter codes of symmetric tolerances, in hundredths of a percent.
struct ToleranceLetter {
    char letter;
    int hundredths;
};
constexpr std::array<ToleranceLetter, 11> toleranceLetters{
    {{'L', 1},
     {'P', 2},
     {'W', 5},
     {'B', 10},
     {'C', 25},
     {'D', 50},
     {'F', 100},
     {'G', 200},
     {'J', 500},
     {'K', 1000},
     {'M', code::noToleranceBandHundredths}}};

// Descriptions beyond this are not read for a value.
constexpr std::size_t longestDescription = 256;

// Imperial chip sizes, and the metric names of the common ones.
constexpr std::array<std::string_view, 21> packageCodes{
    "01005", "0201", "0402", "0603",  "0805", "1206", "1210", "1218", "1812", "2010", "2512",
    "0306",  "0612", "1020", "0603M", "1005", "1608", "2012", "3216", "3225", "6332"};
constexpr std::array<std::string_view, 10> packageWords{
    "smd", "smt", "tht", "th", "axial", "radial", "melf", "minimelf", "micromelf", "chip"};

// Characters that part what follows a value.
constexpr bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '/' || c == '(' || c == ')' || c == ',' || c == ';' ||
           c == '_' || c == '-';
}

bool endsToken(std::string_view text, std::size_t at)
{
    return at == text.size() || isSeparator(text[at]);
}

std::size_t skipSpaces(std::string_view text, std::size_t at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    return at;
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// "1", "0.25", "0,5": where a number that starts at `at` ends; at itself when none does.
std::size_t numberEnd(std::string_view text, std::size_t at)
{
    const std::size_t digits = skipDigits(text, at);
    if (digits == at)
        return at;
    if (digits + 1 < text.size() && (text[digits] == '.' || text[digits] == ',') &&
        isDigit(text[digits + 1]))
        return skipDigits(text, digits + 1);
    return digits;
}

// "±", "+/-", "+-" at `at`: its length, or 0.
std::size_t plusMinusAt(std::string_view text, std::size_t at)
{
    const std::string_view rest = text.substr(at);
    for (const std::string_view sign : {plusMinus, std::string_view("+/-"), std::string_view("+-")})
        if (rest.starts_with(sign))
            return sign.size();
    return 0;
}

// Hundredths of a percent of "1", "0.25", "0,5"; nullopt beyond two decimals or above 100 %.
std::optional<int> hundredthsOf(std::string_view number)
{
    int whole = 0, fraction = 0, decimals = 0;
    bool afterMark = false;
    for (const char c : number) {
        if (c == '.' || c == ',') {
            afterMark = true;
        } else if (afterMark) {
            if (++decimals > 2)
                return std::nullopt;
            fraction = fraction * 10 + (c - '0');
        } else if ((whole = whole * 10 + (c - '0')) > 100) {
            return std::nullopt;
        }
    }
    while (decimals++ < 2)
        fraction *= 10;
    return whole * 100 + fraction;
}

// A tolerance that starts at `at`: its end, or at when there is none. The percent sign may be
// left out only where the whole text is the tolerance.
std::size_t toleranceEnd(std::string_view text, std::size_t at, bool percentRequired,
                         std::optional<int> &hundredths)
{
    std::size_t end = skipSpaces(text, at + plusMinusAt(text, at));
    const std::size_t number = end;
    end = numberEnd(text, number);
    if (end == number)
        return at;
    const std::size_t digitsEnd = end;
    end = skipSpaces(text, end);
    if (end < text.size() && text[end] == '%')
        ++end;
    else if (percentRequired)
        return at;
    else
        end = digitsEnd;
    if (!endsToken(text, end))
        return at;
    hundredths = hundredthsOf(text.substr(number, digitsEnd - number));
    return hundredths ? end : at;
}

// "F": in capitals, as after a value a small k or m is a prefix.
std::optional<int> toleranceOfLetter(std::string_view text)
{
    return text.size() == 1 ? toleranceOfIecLetter(text[0]) : std::nullopt;
}

// "1/4W", "0.25W", "250mW", "2 W": where a power rating that starts at `at` ends, or at.
std::size_t powerEnd(std::string_view text, std::size_t at)
{
    std::size_t end = numberEnd(text, at);
    if (end == at)
        return at;
    if (end + 1 < text.size() && text[end] == '/' && isDigit(text[end + 1]))
        end = skipDigits(text, end + 1);
    end = skipSpaces(text, end);
    if (end < text.size() && text[end] == 'm')
        ++end;
    if (end == text.size() || text[end] != 'W')
        return at;
    return endsToken(text, end + 1) ? end + 1 : at;
}

// "50ppm", "100 ppm/K", "25ppm/°C".
std::size_t tempcoEnd(std::string_view text, std::size_t at)
{
    std::size_t end = skipSpaces(text, skipDigits(text, at));
    if (end == at || !text.substr(end).starts_with("ppm"))
        return at;
    end += 3;
    for (const std::string_view unit : {"/\u00B0C", "/K", "/C"})
        if (text.substr(end).starts_with(unit)) {
            end += unit.size();
            break;
        }
    return endsToken(text, end) ? end : at;
}

// "25V", "50 V", "200VDC": where a voltage rating that starts at `at` ends, or at.
std::size_t voltageEnd(std::string_view text, std::size_t at)
{
    std::size_t end = numberEnd(text, at);
    if (end == at)
        return at;
    end = skipSpaces(text, end);
    if (end == text.size() || text[end] != 'V')
        return at;
    ++end;
    for (const std::string_view current : {"DC", "AC", "dc", "ac"})
        if (text.substr(end).starts_with(current)) {
            end += current.size();
            break;
        }
    return endsToken(text, end) ? end : at;
}

// Where a token that starts at `at` ends: up to a space or a bracket, so that part numbers keep
// their dashes and underscores.
std::size_t wordEnd(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() &&
           std::string_view(" \t/(),;").find(text[end]) == std::string_view::npos)
        ++end;
    return end;
}

// "0603", "R0603", "SMD", "0805M": a package alone in its token.
bool isPackage(std::string_view token)
{
    std::size_t letters = 0;
    while (letters < token.size() && isAsciiLetter(token[letters]))
        ++letters;
    if (letters == token.size())
        return std::any_of(packageWords.begin(), packageWords.end(),
                           [&](std::string_view word) { return isWord(token, word); });
    std::string_view code = token.substr(letters);
    if (code.ends_with("Metric"))
        code.remove_suffix(6);
    else if (code.size() == 5 && (code.back() == 'm' || code.back() == 'M'))
        code.remove_suffix(1); // "0603(1608m)", as Japanese lists mark the metric code
    return letters <= 3 &&
           std::find(packageCodes.begin(), packageCodes.end(), code) != packageCodes.end();
}

// A footprint as tools name them, not a part number that holds a size: an underscore or the
// word Metric (R_0603_1608Metric), or IPC-7351's RESC.
bool namesFootprint(std::string_view token)
{
    const std::string small = lowered(token);
    return (small.find('_') != std::string::npos || small.find("metric") != std::string::npos ||
            small.starts_with("resc")) &&
           sizeOfFootprint(token);
}

// RC0603FR-0743KL, CRCW060310K0FKEA: letters and digits, too long to be a value.
bool isPartNumber(std::string_view token)
{
    const auto digits = std::count_if(token.begin(), token.end(), isDigit);
    const auto letters = std::count_if(token.begin(), token.end(), isAsciiLetter);
    return token.size() >= 6 && digits >= 2 && letters >= 2;
}

enum class Rest { Annotations, SecondValue, Other };

// What stands at `at` after the separators: an annotation, which `at` is moved past (packages,
// tolerances, ratings, coefficients, words of known kinds, part numbers), a value, which `at`
// is moved to, something else, or the end. The first tolerance, package and part number are
// kept, and the value's text.
enum class Token { Annotation, Value, Other, End };
Token tokenAt(std::string_view rest, std::size_t &at, CellValue &cell)
{
    while (at < rest.size() && isSeparator(rest[at]) && !plusMinusAt(rest, at))
        ++at;
    if (at == rest.size())
        return Token::End;
    std::optional<int> hundredths;
    if (const std::size_t end = toleranceEnd(rest, at, true, hundredths); end != at) {
        if (cell.toleranceText.empty()) {
            cell.toleranceText = trimmed(rest.substr(at, end - at));
            cell.toleranceHundredths = hundredths;
        }
        at = end;
        return Token::Annotation;
    }
    if (const std::size_t end =
            std::max({powerEnd(rest, at), tempcoEnd(rest, at), voltageEnd(rest, at)});
        end != at) {
        at = end;
        return Token::Annotation;
    }
    const std::size_t end = wordEnd(rest, at);
    const std::string_view word = rest.substr(at, end - at);
    // A package or a letter code may also end at a dash or an underscore.
    const std::string_view part = word.substr(0, word.find_first_of("-_"));
    // A footprint's name: "R_0603_1608Metric", "RESC1608X55N".
    if (namesFootprint(word)) {
        if (cell.package.empty())
            cell.package = word;
        at = end;
        return Token::Annotation;
    }
    if (const bool package = isPackage(part);
        package || (cell.toleranceText.empty() && toleranceOfLetter(part))) {
        if (!package) {
            cell.toleranceText = part;
            cell.toleranceHundredths = toleranceOfLetter(part);
        } else if (cell.package.empty()) {
            cell.package = part;
        }
        at += part.size();
        return Token::Annotation;
    }
    if (valueOf(part).value) {
        cell.secondValue = part;
        return Token::Value;
    }
    // Words of resistor types, materials and units: "thick film", "anti-sulfur", "OHM".
    if (attributeWord(word) || attributeWord(part)) {
        at = end;
        return Token::Annotation;
    }
    if (!isPartNumber(word))
        return Token::Other;
    if (cell.partNumber.empty())
        cell.partNumber = word;
    at = end;
    return Token::Annotation;
}

// What follows a value: annotations alone, a second value (kept), or something else.
Rest classifyRest(std::string_view rest, CellValue &cell)
{
    // After a space, a group of three digits alone would part thousands ("1 000").
    if (const std::string_view group = trimmed(rest);
        group.size() == 3 && skipDigits(group, 0) == 3 && rest.front() == ' ')
        return Rest::Other;
    for (std::size_t at = 0;;)
        switch (tokenAt(rest, at, cell)) {
        case Token::Annotation:
            continue;
        case Token::End:
            return Rest::Annotations;
        case Token::Value:
            return Rest::SecondValue;
        case Token::Other:
            return Rest::Other;
        }
}

// A semicolon, and a comma before a space or a letter, part too: "0.22, 1206", "10k,1%" stays
// whole where a comma between digits is a decimal comma ("4,7k").
bool startsRest(std::string_view cell, std::size_t at)
{
    const char c = cell[at];
    const bool commaParts = c == ',' && at + 1 < cell.size() && !isDigit(cell[at + 1]);
    return c == ' ' || c == '\t' || c == '/' || c == '_' || c == '(' || c == '-' || c == ';' ||
           commaParts || plusMinusAt(cell, at);
}

// The cell's value: the whole cell, or the longest start that is a value followed by what may
// follow one ("4.7 K 1%" is 4.7 kΩ, not 4.7 Ω ±10 %).
CellValue valueLeading(std::string_view cell)
{
    CellValue whole{cell, valueOf(cell), {}, {}, {}, {}, {}};
    if (whole.parsed.value)
        return whole;
    for (std::size_t end = cell.size(); end-- > 1;) {
        if (!startsRest(cell, end))
            continue;
        CellValue candidate;
        if (classifyRest(cell.substr(end), candidate) == Rest::Other)
            continue;
        candidate.text = trimmed(cell.substr(0, end));
        candidate.parsed = valueOf(candidate.text);
        if (candidate.parsed.value)
            return candidate;
    }
    return whole;
}
} // namespace

CellValue readValueCell(std::string_view text)
{
    std::string_view cell = trimmed(text);
    // Eagle's package names a footprint, R1206, not 0.1206 Ω.
    if (cell.size() == 5 && (cell.front() == 'R' || cell.front() == 'r') &&
        std::all_of(cell.begin() + 1, cell.end(), isDigit) && isPackage(cell.substr(1)))
        return CellValue{cell, {}, {}, {}, {}, {}, {}};
    // A power rating may come first: "1/4W 10k".
    if (const std::size_t power = powerEnd(cell, 0); power != 0 && power < cell.size()) {
        std::size_t at = power;
        while (at < cell.size() && isSeparator(cell[at]))
            ++at;
        cell.remove_prefix(at);
    }
    const CellValue read = valueLeading(cell);
    // And a package, as libraries name parts, "0603R 10KR", where the cell reads no other way
    // ("1005 Ω" is ohms).
    if (read.parsed.value && read.secondValue.empty())
        return read;
    if (const std::size_t space = cell.find(' '); space != std::string_view::npos) {
        std::string_view package = cell.substr(0, space);
        if (package.size() > 4 &&
            std::string_view("RCL").find(package.back()) != std::string_view::npos)
            package.remove_suffix(1);
        if (isPackage(package))
            if (CellValue after = valueLeading(trimmed(cell.substr(space)));
                after.parsed.value && after.secondValue.empty()) {
                after.package = package;
                return after;
            }
    }
    // A description where the value is: "SMD RES 0402 2K 5%", by the same rule; a cell that
    // starts with a word ("-4k7" is no value).
    if (!read.parsed.value && !cell.empty() &&
        (isAsciiLetter(cell.front()) || static_cast<unsigned char>(cell.front()) >= 0x80))
        if (CellValue described = readDescriptionCell(cell); described.parsed.value)
            return described;
    return read;
}

CellValue readDescriptionCell(std::string_view text)
{
    const std::string_view cell = trimmed(text);
    CellValue none{cell, valueOf(cell), {}, {}, {}, {}, {}};
    if (cell.size() > longestDescription)
        return none;
    // Word by word: annotations of known kinds, up to the value, which reads as a value cell's
    // does with what follows it.
    CellValue before;
    for (std::size_t at = 0;;) {
        switch (tokenAt(cell, at, before)) {
        case Token::Annotation:
            continue;
        case Token::End:
        case Token::Other:
            return none;
        case Token::Value:
            break;
        }
        CellValue read = valueLeading(cell.substr(at));
        if (!read.parsed.value)
            return none;
        if (read.toleranceText.empty()) {
            read.toleranceText = before.toleranceText;
            read.toleranceHundredths = before.toleranceHundredths;
        }
        if (read.package.empty())
            read.package = before.package;
        if (read.partNumber.empty())
            read.partNumber = before.partNumber;
        return read;
    }
}

std::optional<int> toleranceOfIecLetter(char letter)
{
    const auto known =
        std::find_if(toleranceLetters.begin(), toleranceLetters.end(),
                     [&](const ToleranceLetter &row) { return row.letter == letter; });
    return known == toleranceLetters.end() ? std::nullopt : std::optional(known->hundredths);
}

std::optional<int> readToleranceCell(std::string_view cell)
{
    cell = trimmed(cell);
    if (cell.size() == 1) { // a letter code, here in either case
        const char letter = cell[0] >= 'a' && cell[0] <= 'z' ? char(cell[0] - 'a' + 'A') : cell[0];
        if (const std::optional<int> hundredths = toleranceOfLetter(std::string_view(&letter, 1)))
            return hundredths;
    }
    std::optional<int> hundredths;
    return !cell.empty() && toleranceEnd(cell, 0, false, hundredths) == cell.size() ? hundredths
                                                                                    : std::nullopt;
}

bool namesOtherQuantity(std::string_view cell)
{
    const std::string_view text = trimmed(cell);
    std::size_t at = 0;
    const auto skipDigits = [&] {
        const std::size_t start = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return at > start;
    };
    const auto startsWith = [&](std::string_view what) {
        return text.substr(at).starts_with(what);
    };
    // Prefixes below milli, which no resistor's value has: pico, nano, micro (u, µ or μ).
    const auto smallPrefix = [&]() -> std::size_t {
        for (std::string_view prefix : {"p", "n", "u", "\u00B5", "\u03BC"})
            if (startsWith(prefix))
                return prefix.size();
        return 0;
    };
    if (!skipDigits())
        return false;
    // 3V3, 4n7, 2u2: a unit or a small prefix where the decimal mark would be.
    std::size_t mark = smallPrefix();
    if (!mark && at < text.size() &&
        std::string_view("VvFH").find(text[at]) != std::string_view::npos)
        mark = 1;
    if (mark && at + mark < text.size() && isDigit(text[at + mark])) {
        at += mark;
        skipDigits();
        return at == text.size() || isSeparator(text[at]) ||
               std::string_view("FfHhVv").find(text[at]) != std::string_view::npos;
    }
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        if (!skipDigits())
            return false;
    }
    while (at < text.size() && text[at] == ' ')
        ++at;
    const std::size_t small = smallPrefix();
    at += small;
    if (!small && at < text.size() && (text[at] == 'm' || text[at] == 'k' || text[at] == 'M'))
        ++at;
    bool unit = false;
    if (startsWith("Hz") || startsWith("hz")) {
        at += 2;
        unit = true;
    } else if (at < text.size() &&
               std::string_view("FfHhVvAW").find(text[at]) != std::string_view::npos) {
        ++at;
        unit = true;
    }
    return (unit || small) && (at == text.size() || isSeparator(text[at]));
}

} // namespace ohmilka::partslist
