// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartNumbers.h"

#include "AsciiText.h"
#include "CellValue.h"

#include <algorithm>
#include <array>
#include <string>

namespace ohmilka::partslist {

namespace {
// A part number read from the left, field by field.
class Fields
{
public:
    explicit Fields(std::string_view text) : rest_(text) {}

    bool take(std::string_view prefix)
    {
        if (!rest_.starts_with(prefix))
            return false;
        rest_.remove_prefix(prefix.size());
        return true;
    }
    // The first of the choices that starts the rest, longest first where one begins another.
    template <std::size_t size>
    std::optional<std::string_view> takeOneOf(const std::array<std::string_view, size> &choices)
    {
        std::string_view found;
        for (std::string_view choice : choices)
            if (rest_.starts_with(choice) && choice.size() > found.size())
                found = choice;
        if (found.empty())
            return std::nullopt;
        rest_.remove_prefix(found.size());
        return found;
    }
    std::optional<char> takeCharOf(std::string_view set)
    {
        if (rest_.empty() || set.find(rest_.front()) == std::string_view::npos)
            return std::nullopt;
        const char c = rest_.front();
        rest_.remove_prefix(1);
        return c;
    }
    // The longest run of characters of the set, within bounds.
    std::optional<std::string_view> takeRun(std::string_view set, std::size_t least,
                                            std::size_t most)
    {
        std::size_t length = 0;
        while (length < rest_.size() && length < most &&
               set.find(rest_[length]) != std::string_view::npos)
            ++length;
        if (length < least)
            return std::nullopt;
        const std::string_view run = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return run;
    }
    std::string_view rest() const { return rest_; }
    bool done() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

constexpr std::string_view digits = "0123456789";

// A tolerance letter that a maker's key allows: IEC 60062's, and KOA's and Bourns' A for
// ±0.05 %.
std::optional<int> toleranceOfLetter(char letter, std::string_view allowed)
{
    constexpr int aHundredths = 5;
    if (allowed.find(letter) == std::string_view::npos)
        return std::nullopt;
    return letter == 'A' ? std::optional(aHundredths) : toleranceOfIecLetter(letter);
}

// "10K", "4K7", "470R", "10K0", "0R", "0K332", "1M": R, K or M as the decimal point.
std::optional<Decimal> letterAsPoint(std::string_view text)
{
    const std::size_t mark = text.find_first_of("RKM");
    if (mark == std::string_view::npos ||
        text.find_first_of("RKM", mark + 1) != std::string_view::npos || text.size() < 2 ||
        text.size() > 6)
        return std::nullopt;
    const std::string whole(text.substr(0, mark)), fraction(text.substr(mark + 1));
    if ((whole + fraction).find_first_not_of(digits) != std::string::npos)
        return std::nullopt;
    const int exponent = text[mark] == 'K' ? 3 : text[mark] == 'M' ? 6 : 0;
    const std::string all = whole + fraction;
    if (all.empty())
        return std::nullopt;
    return normalised({std::stoll(all), exponent - static_cast<int>(fraction.size())});
}

// Significant digits and a multiplier: "1002" is 100 × 10², "103" 10 × 10³; R as the decimal
// point where there is no multiplier ("49R9", "4R7", "R047"); all zeros or "R00" a jumper.
std::optional<Decimal> digitsAndMultiplier(std::string_view text, std::size_t significant)
{
    if (text.size() != significant + 1)
        return std::nullopt;
    const std::size_t point = text.find('R');
    const std::string plain = [&] {
        std::string kept(text);
        std::erase(kept, 'R');
        return kept;
    }();
    if (plain.empty() || plain.find_first_not_of(digits) != std::string::npos)
        return std::nullopt;
    if (point != std::string_view::npos) {
        if (text.find('R', point + 1) != std::string_view::npos)
            return std::nullopt;
        return normalised({std::stoll(plain), -static_cast<int>(text.size() - point - 1)});
    }
    return normalised({std::stoll(plain.substr(0, significant)), text.back() - '0'});
}

using Reading = std::optional<PartNumberReading>;

Reading reading(std::optional<Decimal> ohms, std::optional<int> tolerance, std::string_view family,
                bool jumperAllowed = true)
{
    if (!ohms || (ohms->mantissa == 0 && !jumperAllowed))
        return std::nullopt;
    if (ohms->mantissa == 0)
        return PartNumberReading{*ohms, std::nullopt, family};
    if (!tolerance)
        return std::nullopt;
    return PartNumberReading{*ohms, tolerance, family};
}

constexpr std::array<std::string_view, 11> inchSizes{"0075", "0100", "0201", "0402", "0603", "0805",
                                                     "1206", "1210", "1218", "2010", "2512"};

// Yageo RC and AC (thick film): RC0603FR-0710KL. Yageo's RC_L and AC data sheets, "Ordering
// information, global part number": size, tolerance B/D/F/J, packaging R/K/S, "-", reel,
// resistance with R/K/M as the decimal point ("0R" a jumper), L.
Reading yageoThickFilm(Fields fields)
{
    const auto series = fields.takeOneOf(std::array<std::string_view, 2>{"RC", "AC"});
    if (!series || !fields.takeOneOf(inchSizes))
        return std::nullopt;
    const auto tolerance = fields.takeCharOf("BDFJ");
    if (!tolerance || !fields.takeCharOf("RKS") || !fields.take("-") ||
        !fields.takeOneOf(std::array<std::string_view, 6>{"07", "10", "13", "7W", "7N", "3W"}))
        return std::nullopt;
    std::string_view value = fields.rest();
    if (value.ends_with('L'))
        value.remove_suffix(1);
    return reading(letterAsPoint(value), toleranceOfLetter(*tolerance, "BDFJ"),
                   *series == "RC" ? "Yageo RC" : "Yageo AC");
}

// Yageo RT (thin film): RT0603BRD0710KL. Yageo's RT data sheet, "Global part number": size,
// tolerance W/B/C/D/F, packaging R/K, TCR B/C/D/E, reel, resistance as for RC, L.
Reading yageoThinFilm(Fields fields)
{
    if (!fields.take("RT") || !fields.takeOneOf(inchSizes))
        return std::nullopt;
    const auto tolerance = fields.takeCharOf("WBCDF");
    if (!tolerance || !fields.takeCharOf("RK") || !fields.takeCharOf("BCDE") ||
        !fields.takeOneOf(std::array<std::string_view, 3>{"07", "10", "13"}))
        return std::nullopt;
    std::string_view value = fields.rest();
    if (value.ends_with('L'))
        value.remove_suffix(1);
    return reading(letterAsPoint(value), toleranceOfLetter(*tolerance, "WBCDF"), "Yageo RT", false);
}

// Panasonic ERJ: ERJ-3EKF1001V, ERJ-2RKF2002X, ERJ-3GEYJ103V, ERJ-2GE0R00X, ERJ-PA3F1002V.
// Panasonic's ERJ data sheets, "Explanation of part numbers": size and power, marking or TCR
// letters, tolerance D/F/G/J (0 for a jumper), resistance (three digits at ±5 %, four at ±0.5
// and ±1 %, R as the decimal point, R00 a jumper), packaging letter.
Reading panasonicErj(std::string_view text)
{
    if (!text.starts_with("ERJ"))
        return std::nullopt;
    std::string compact(text.substr(3));
    std::erase(compact, '-');
    if (compact.size() < 6 || !isAsciiLetter(compact.back()))
        return std::nullopt;
    const std::string_view body = std::string_view(compact).substr(0, compact.size() - 1);
    for (std::size_t length : {std::size_t{4}, std::size_t{3}}) {
        if (body.size() < length + 3)
            continue;
        const std::string_view value = body.substr(body.size() - length);
        const char tolerance = body[body.size() - length - 1];
        const std::string_view size = body.substr(0, body.size() - length - 1);
        if (!isDigit(size.front()) && size.front() != 'X' && size.front() != 'P')
            continue;
        if (tolerance == '0' && value == "R00")
            return PartNumberReading{{0, 0}, std::nullopt, "Panasonic ERJ"};
        if (const auto ohms = digitsAndMultiplier(value, length - 1);
            ohms && ohms->mantissa != 0 && toleranceOfLetter(tolerance, "DFGJ"))
            return PartNumberReading{*ohms, toleranceOfLetter(tolerance, "DFGJ"), "Panasonic ERJ"};
    }
    return std::nullopt;
}

constexpr std::array<std::string_view, 11> koaSizes{"1F", "1H", "1E",  "1J", "2A", "2B",
                                                    "2E", "2H", "W2H", "3A", "W3A"};

// KOA RK73H, RK73B, RK73A, RK73Z and RN73: RK73H1JTTD1002F, RK73B1JTTD103J, RK73Z1JTTD. KOA
// Speer's data sheets, "Ordering information": type, size, termination T/L/G/X, packaging,
// resistance (three figures and a multiplier for RK73H and RN73, two for RK73B and RK73A),
// tolerance last; RK73Z is a jumper of no value or tolerance.
Reading koa(Fields fields)
{
    const bool thin = fields.take("RN73");
    const auto type = thin                  ? std::optional<char>('H')
                      : fields.take("RK73") ? fields.takeCharOf("HBAZ")
                                            : std::nullopt;
    if (!type || !fields.takeOneOf(koaSizes) || !fields.takeCharOf("TLGX"))
        return std::nullopt;
    if (!fields.takeRun("ABCDEKLMPTXD", 1, 3))
        return std::nullopt;
    if (*type == 'Z')
        return fields.done() ? Reading(PartNumberReading{{0, 0}, std::nullopt, "KOA RK73Z"})
                             : std::nullopt;
    const std::size_t significant = *type == 'H' ? 3 : 2;
    const auto value = fields.takeRun("0123456789R", significant + 1, significant + 1);
    const auto tolerance = fields.takeCharOf(thin ? "ABCDF" : *type == 'H' ? "DF" : "GJ");
    if (!value || !tolerance || (!fields.done() && !thin))
        return std::nullopt;
    if (thin && !fields.done() && !fields.takeRun(digits, 1, 3))
        return std::nullopt;
    return reading(digitsAndMultiplier(*value, significant),
                   toleranceOfLetter(*tolerance, "ABCDFGJ"), thin ? "KOA RN73" : "KOA RK73", false);
}

// Samsung RC: RC1608F103CS. Samsung Electro-Mechanics' chip resistor data sheet, "Part
// numbering": size in millimetres, tolerance D/F/J, resistance of three or four digits (000 a
// jumper), packing CS/ES/AS.
Reading samsung(Fields fields)
{
    if (!fields.take("RC") ||
        !fields.takeOneOf(std::array<std::string_view, 9>{"0402", "0603", "1005", "1608", "2012",
                                                          "3216", "3225", "5025", "6432"}))
        return std::nullopt;
    const auto tolerance = fields.takeCharOf("DFJ");
    const auto value = fields.takeRun("0123456789R", 3, 4);
    if (!tolerance || !value ||
        !fields.takeOneOf(std::array<std::string_view, 3>{"CS", "ES", "AS"}) || !fields.done())
        return std::nullopt;
    return reading(digitsAndMultiplier(*value, value->size() - 1),
                   toleranceOfLetter(*tolerance, "DFJ"), "Samsung RC");
}

// ROHM MCR and ESR: MCR03EZPFX1002, MCR01MZPJ103, ESR10EZPF1002. ROHM's data sheets, "Part
// number description": size, three-letter type code, tolerance D/F/FX/J (a low-ohm code L or S
// may follow), resistance (four digits for D and F, three for J, 000 a jumper).
Reading rohm(Fields fields)
{
    const auto series = fields.takeOneOf(std::array<std::string_view, 2>{"MCR", "ESR"});
    if (!series ||
        !fields.takeOneOf(std::array<std::string_view, 9>{"004", "006", "01", "03", "10", "18",
                                                          "25", "50", "100"}) ||
        !fields.takeRun("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 3, 3))
        return std::nullopt;
    const auto tolerance = fields.takeCharOf("DFJ");
    if (!tolerance)
        return std::nullopt;
    fields.take("X");
    fields.takeCharOf("LS");
    const std::size_t length = *tolerance == 'J' ? 3 : 4;
    const auto value = fields.takeRun("0123456789R", length, length);
    if (!value || !fields.done())
        return std::nullopt;
    return reading(digitsAndMultiplier(*value, length - 1), toleranceOfLetter(*tolerance, "DFJ"),
                   *series == "MCR" ? "ROHM MCR" : "ROHM ESR");
}

// UniOhm and Royalohm: 0603WAF1002T5E. Uniroyal's catalogue, "Ordering procedure", and
// Royalohm's "Explanation of part number": size, wattage, tolerance (0 a jumper) B/C/D/F/G/J,
// four characters of resistance (E24: 0 and two digits, E96: three digits, then the number of
// zeros, or J, K, L for ×0.1, ×0.01, ×0.001; 0000 a jumper), packing type and quantity, E.
Reading uniOhm(Fields fields)
{
    if (!fields.takeOneOf(std::array<std::string_view, 8>{"0201", "0402", "0603", "0805", "1206",
                                                          "1210", "2010", "2512"}) ||
        !fields.takeOneOf(std::array<std::string_view, 13>{"WH", "WG", "WA", "WM", "W8", "W4", "W2",
                                                           "1W", "SA", "S8", "S4", "S3", "07"}))
        return std::nullopt;
    const auto tolerance = fields.takeCharOf("0BCDFGJ");
    const auto value = fields.takeRun("0123456789", 3, 3);
    const auto multiplier = fields.takeCharOf("0123456789JKL");
    if (!tolerance || !value || !multiplier || !fields.takeCharOf("TBC") ||
        !fields.takeCharOf("0123456789ABCDE") || fields.rest().size() > 1)
        return std::nullopt;
    const std::int64_t figures = std::stoll(std::string(*value));
    const int exponent = *multiplier == 'J'   ? -1
                         : *multiplier == 'K' ? -2
                         : *multiplier == 'L' ? -3
                                              : *multiplier - '0';
    if (figures == 0 && *multiplier == '0')
        return PartNumberReading{{0, 0}, std::nullopt, "UniOhm/Royalohm"};
    return reading(normalised({figures, exponent}), toleranceOfLetter(*tolerance, "BCDFGJ"),
                   "UniOhm/Royalohm", false);
}

// Walsin WR: WR06X1002FTL, WR04X103JTL, WR04X000PTL. Walsin's WR approval sheets, "Catalogue
// numbers": size (WR04 0402 to WR25 2512), type X or W, resistance (two significant digits and
// the number of zeros at ±5 %, three at ±1 %, R as the decimal point), tolerance F, J or P (a
// jumper), packaging T/Q/G/B, termination L.
Reading walsin(Fields fields)
{
    if (!fields.take("WR") ||
        !fields.takeOneOf(std::array<std::string_view, 6>{"04", "06", "08", "12", "20", "25"}) ||
        !fields.takeCharOf("XW"))
        return std::nullopt;
    const auto value = fields.takeRun("0123456789R", 3, 4);
    const auto tolerance = fields.takeCharOf("FJP");
    if (!value || !tolerance || !fields.takeCharOf("TQGB") || !fields.take("L") ||
        fields.rest().size() > 1)
        return std::nullopt;
    if (*tolerance == 'P')
        return *value == "000" ? Reading(PartNumberReading{{0, 0}, std::nullopt, "Walsin WR"})
                               : std::nullopt;
    return reading(digitsAndMultiplier(*value, value->size() - 1),
                   toleranceOfLetter(*tolerance, "FJ"), "Walsin WR", false);
}

// Bourns CR: CR0603-FX-1002ELF, CR0603-JW-103ELF, CR0603-J/-000ELF. Bourns' CR data sheets, "How
// to order": size, tolerance F or J, TCR X/W (or / by a jumper), resistance (three significant
// digits and the number of zeros at ±1 %, two at ±5 %, 000 a jumper), packaging, LF.
Reading bourns(Fields fields)
{
    if (!fields.take("CR") ||
        !fields.takeOneOf(std::array<std::string_view, 8>{"0201", "0402", "0603", "0805", "1206",
                                                          "1210", "2010", "2512"}) ||
        !fields.take("-"))
        return std::nullopt;
    const auto tolerance = fields.takeCharOf("FJ");
    const auto tcr = fields.takeCharOf("XWZ/");
    if (!tolerance || !tcr || !fields.take("-"))
        return std::nullopt;
    const std::size_t length = *tolerance == 'F' ? 4 : 3;
    const auto value = fields.takeRun("0123456789R", length, length);
    fields.take("-");
    if (!value || !fields.takeRun("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1, 3))
        return std::nullopt;
    if (*value == "000")
        return *tolerance == 'J' ? Reading(PartNumberReading{{0, 0}, std::nullopt, "Bourns CR"})
                                 : std::nullopt;
    return reading(digitsAndMultiplier(*value, length - 1), toleranceOfLetter(*tolerance, "FJ"),
                   "Bourns CR", false);
}

using Scheme = Reading (*)(std::string_view);

// Every known key, tried in turn; the keys' shapes do not overlap.
constexpr std::array<Scheme, 9> schemes{
    [](std::string_view text) { return yageoThickFilm(Fields(text)); },
    [](std::string_view text) { return yageoThinFilm(Fields(text)); },
    panasonicErj,
    [](std::string_view text) { return koa(Fields(text)); },
    [](std::string_view text) { return samsung(Fields(text)); },
    [](std::string_view text) { return rohm(Fields(text)); },
    [](std::string_view text) { return uniOhm(Fields(text)); },
    [](std::string_view text) { return walsin(Fields(text)); },
    [](std::string_view text) { return bourns(Fields(text)); },
};
} // namespace

std::optional<PartNumberReading> readPartNumber(std::string_view partNumber)
{
    partNumber = trimmed(partNumber);
    if (partNumber.empty() || partNumber.size() > 32)
        return std::nullopt;
    std::string upper(partNumber);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    for (const Scheme scheme : schemes)
        if (const Reading found = scheme(upper))
            return found;
    return std::nullopt;
}

} // namespace ohmilka::partslist
