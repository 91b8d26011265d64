// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Writing.h"

#include "ESeries.h"

#include <algorithm>

namespace ohmilka::partnumbers {

namespace {
// The digits of a value above zero and where its point stands: 4.7 k is "47" with two whole
// digits; 0.047 is "47" with −1.
struct Figures {
    std::string digits;
    int whole;
};

Figures figuresOf(Decimal ohms)
{
    ohms = normalised(ohms);
    std::string digits = std::to_string(ohms.mantissa);
    return {digits, static_cast<int>(digits.size()) + ohms.exponent};
}

// The figures padded with zeros to so many digits; none where the value needs more.
std::optional<std::string> toDigits(Figures figures, std::size_t count)
{
    if (figures.digits.size() > count)
        return std::nullopt;
    figures.digits.resize(count, '0');
    return figures.digits;
}

// 4K7, 4K70, 10K0, 470R, 1M00, R100: R, K or M as the point, the figures of the letter's unit;
// so many figures, or at least so many where the key's length varies.
std::optional<std::string> letterAsPoint(Decimal ohms, std::uint8_t digits, bool atLeast)
{
    Figures figures = figuresOf(ohms);
    constexpr std::string_view letters = "RKM";
    const int letter = std::clamp((figures.whole - 1) / 3, 0, 2);
    figures.whole -= 3 * letter;
    if (figures.whole > 3)
        return std::nullopt; // 1 GΩ and above
    if (figures.whole <= 0)  // below 1 Ω: R100, R047
        figures.digits.insert(0, static_cast<std::size_t>(-figures.whole), '0');
    const std::size_t whole = static_cast<std::size_t>(std::max(figures.whole, 0));
    const std::size_t count =
        std::max<std::size_t>(atLeast ? std::max(figures.digits.size(), whole) : 0, digits);
    const std::optional<std::string> all = toDigits(figures, count);
    if (!all)
        return std::nullopt;
    return all->substr(0, whole) + letters[static_cast<std::size_t>(letter)] + all->substr(whole);
}

// 1002, 103, 49R9, 4R70, R100: so many figures and the number of zeros, or R as the point below
// the least value the figures reach with no zero.
std::optional<std::string> figuresAndZeros(Decimal ohms, std::uint8_t digits)
{
    Figures figures = figuresOf(ohms);
    const std::optional<std::string> all = toDigits(figures, digits);
    if (!all)
        return std::nullopt;
    const int zeros = figures.whole - digits;
    if (zeros >= 0)
        return zeros <= 9 ? std::optional(*all + char('0' + zeros)) : std::nullopt;
    if (figures.whole < 0)
        return std::nullopt;
    const auto whole = static_cast<std::size_t>(figures.whole);
    return all->substr(0, whole) + 'R' + all->substr(whole);
}

std::optional<std::string> resistanceText(Decimal ohms, const Field &field, std::uint8_t digits)
{
    const std::optional<std::string> text =
        field.resistance.notation == Notation::LetterAsPoint
            ? letterAsPoint(ohms, digits, field.resistance.shortest != field.resistance.longest)
        : digits ? figuresAndZeros(ohms, digits)
                 : std::nullopt;
    if (!text || text->size() < field.resistance.shortest ||
        text->size() > field.resistance.longest)
        return std::nullopt;
    return text;
}

std::string_view meaningOf(const Field &field, std::string_view code)
{
    const auto known = std::find_if(field.codes.begin(), field.codes.end(),
                                    [&](const Code &c) { return c.code == code; });
    return known == field.codes.end() ? std::string_view() : known->meaning;
}

// The piece of text up to the next separator, the rest after it.
std::string_view nextPiece(std::string_view &text, char separator)
{
    const std::size_t end = std::min(text.find(separator), text.size());
    const std::string_view piece = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return piece;
}

// A field whose code the row's choices give: one with a choice of codes, or none, or to leave out.
bool chosen(const Field &field)
{
    return field.role != FieldRole::Size && field.role != FieldRole::Tolerance &&
           field.role != FieldRole::Resistance &&
           (field.optional || !field.open.characters.empty() || field.codes.size() != 1);
}

bool sameReading(const PartNumberReading &reading, const Offering &offering, const Offer &offer,
                 Decimal ohms)
{
    const std::optional<Size> size = sizeOf(offering, offer);
    return reading.family == offering.key.family && compare(reading.ohms, ohms) == 0 &&
           reading.toleranceHundredths == std::optional(offer.toleranceHundredths) && size &&
           reading.size == size && reading.unknownCodes().empty();
}
} // namespace

std::optional<Size> sizeOf(const Offering &offering, const Offer &offer)
{
    for (const Field &field : offering.key.forms[offer.form])
        if (field.role == FieldRole::Size)
            return sizeOfInch(meaningOf(field, offer.size));
    return std::nullopt;
}

bool offers(const Offer &offer, Decimal ohms)
{
    if (compare(ohms, offer.lowest) < 0 || compare(offer.highest, ohms) < 0)
        return false;
    if (ohms.mantissa <= 0)
        return false; // jumpers' part numbers are not written
    return std::any_of(seriesOffered.begin(), seriesOffered.end(), [&](const auto &one) {
        return (offer.series & one.first) && code::seriesPosition(one.second, ohms).member;
    });
}

std::optional<WrittenPart> writePart(const Offering &offering, const Offer &offer, Decimal ohms,
                                     std::span<const std::string_view> codes)
{
    if (!offers(offer, ohms))
        return std::nullopt;
    WrittenPart part{&offering, &offer, {}, {}};
    std::string_view choices = offer.choices;
    for (const Field &field : offering.key.forms[offer.form]) {
        WrittenField written{field.role, {}, {}, {}};
        if (field.role == FieldRole::Size) {
            written.code = offer.size;
        } else if (field.role == FieldRole::Resistance) {
            const std::optional<std::string> text = resistanceText(ohms, field, offer.digits);
            if (!text)
                return std::nullopt;
            written.code = *text;
        } else if (field.role == FieldRole::Tolerance) {
            const auto code =
                std::find_if(field.codes.begin(), field.codes.end(), [&](const Code &c) {
                    return c.hundredths == offer.toleranceHundredths; // no offer is a jumper's
                });
            if (code == field.codes.end())
                return std::nullopt;
            written.code = code->code;
        } else if (chosen(field)) {
            std::string_view pieces = nextPiece(choices, '|');
            std::vector<std::string_view> offered;
            while (!pieces.empty() || offered.empty())
                offered.push_back(nextPiece(pieces, ' '));
            const auto asked =
                std::find_first_of(offered.begin(), offered.end(), codes.begin(), codes.end());
            written.code = asked == offered.end() ? offered.front() : *asked;
            for (const std::string_view other : offered)
                if (other != written.code && !other.empty())
                    written.others.push_back({other, meaningOf(field, other)});
        } else {
            written.code = field.codes.front().code;
        }
        written.meaning = field.role == FieldRole::Size ? sizeOf(offering, offer)->inch
                                                        : meaningOf(field, written.code);
        part.partNumber += written.code;
        if (field.role != FieldRole::Fixed && !written.code.empty())
            part.fields.push_back(std::move(written));
    }
    const std::optional<PartNumberReading> reading = readPartNumber(part.partNumber);
    if (!reading || !sameReading(*reading, offering, offer, ohms))
        return std::nullopt;
    return part;
}

std::optional<Size> sizeOfCode(std::string_view code)
{
    if (const std::optional<Size> inch = sizeOfInch(code))
        return inch;
    return sizeOfMetric(code);
}

} // namespace ohmilka::partnumbers
