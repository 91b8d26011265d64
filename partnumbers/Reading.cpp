// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartNumbers.h"

#include "AsciiText.h"

#include <algorithm>
#include <array>

namespace ohmilka::partnumbers {

namespace {
constexpr std::string_view digits = "0123456789";
constexpr std::size_t longestCode = 8; // of any key's table: "CRCW", "RN73H", "TDD"

bool allOf(std::string_view text, std::string_view set)
{
    return text.find_first_not_of(set) == std::string_view::npos;
}

std::int64_t number(std::string_view figures)
{
    std::int64_t value = 0;
    for (char c : figures)
        value = value * 10 + (c - '0');
    return value;
}

// "4K70", "10K0", "470R", "0K332", "1M": one of R, K and M as the decimal point.
std::optional<Decimal> letterAsPoint(std::string_view text)
{
    const std::size_t mark = text.find_first_of("RKM");
    if (mark == std::string_view::npos || text.find_first_of("RKM", mark + 1) != text.npos)
        return std::nullopt;
    const std::string_view whole = text.substr(0, mark), fraction = text.substr(mark + 1);
    if (whole.size() + fraction.size() == 0 || !allOf(whole, digits) || !allOf(fraction, digits))
        return std::nullopt;
    const int exponent = text[mark] == 'K' ? 3 : text[mark] == 'M' ? 6 : 0;
    return normalised(
        {number(whole) * powerOfTen(static_cast<int>(fraction.size())) + number(fraction),
         exponent - static_cast<int>(fraction.size())});
}

// "1002" is 100 × 10², "103" 10 × 10³; R as the point where there is no multiplier: "4R70",
// "R047"; with shifts, J, K and L multiply the figures by 0.1, 0.01 and 0.001.
std::optional<Decimal> figures(std::string_view text, bool shifts)
{
    if (text.size() < 2)
        return std::nullopt;
    if (const std::size_t point = text.find('R'); point != std::string_view::npos) {
        const std::string_view whole = text.substr(0, point), fraction = text.substr(point + 1);
        if (!allOf(whole, digits) || !allOf(fraction, digits))
            return std::nullopt;
        return normalised(
            {number(whole) * powerOfTen(static_cast<int>(fraction.size())) + number(fraction),
             -static_cast<int>(fraction.size())});
    }
    const std::string_view significant = text.substr(0, text.size() - 1);
    const char multiplier = text.back();
    constexpr std::string_view shiftLetters = "JKL";
    if (!allOf(significant, digits))
        return std::nullopt;
    if (isDigit(multiplier))
        return normalised({number(significant), multiplier - '0'});
    if (const std::size_t shift = shiftLetters.find(multiplier); shifts && shift != text.npos)
        return normalised({number(significant), -static_cast<int>(shift) - 1});
    return std::nullopt;
}

std::optional<Decimal> resistanceOf(std::string_view text, const Resistance &form)
{
    if (!form.zero.empty() && text == form.zero)
        return Decimal{0, 0};
    const std::optional<Decimal> value =
        form.notation == Notation::LetterAsPoint
            ? letterAsPoint(text)
            : figures(text, form.notation == Notation::FiguresOrShift);
    if (!value || value->mantissa == 0)
        return std::nullopt; // a zero other than the jumper's
    return value;
}

// A field as read: the code and its row in the table, none for a code the table lacks.
struct Step {
    const Field *field;
    std::string_view code;
    const Code *known;
    std::optional<Decimal> ohms; // of the resistance
};

// A part number against one form, field by field, trying each way a field can be read, so that
// a field of several lengths leaves the rest to those after it.
class Walk
{
public:
    Walk(std::string_view text, const Key &key, Form form) : text_(text), key_(key), form_(form)
    {
        steps_.reserve(form.size());
    }

    std::optional<PartNumberReading> best()
    {
        step(0, 0);
        return std::move(best_);
    }

private:
    void step(std::size_t field, std::size_t at)
    {
        if (bestUnknown_ == 0)
            return; // nothing can be better
        if (field == form_.size()) {
            if (at == text_.size())
                finish();
            return;
        }
        const Field &f = form_[field];
        const std::string_view rest = text_.substr(at);
        const auto next = [&](std::size_t length, const Code *known,
                              std::optional<Decimal> ohms = std::nullopt) {
            steps_.push_back({&f, rest.substr(0, length), known, ohms});
            step(field + 1, at + length);
            steps_.pop_back();
        };
        if (f.role == FieldRole::Resistance) {
            for (std::size_t length = std::min<std::size_t>(f.resistance.longest, rest.size());
                 length >= f.resistance.shortest && length > 0; --length)
                if (const auto ohms = resistanceOf(rest.substr(0, length), f.resistance))
                    next(length, nullptr, ohms);
            return;
        }
        // The longest code that starts the rest first.
        for (std::size_t length = longestCode; length > 0; --length)
            for (const Code &code : f.codes)
                if (code.code.size() == length && rest.starts_with(code.code))
                    next(length, &code);
        if (!f.open.characters.empty())
            for (std::size_t length = std::min<std::size_t>(f.open.longest, rest.size());
                 length >= f.open.shortest && length > 0; --length)
                if (const std::string_view code = rest.substr(0, length);
                    allOf(code, f.open.characters) &&
                    std::none_of(f.codes.begin(), f.codes.end(),
                                 [&](const Code &known) { return known.code == code; }) &&
                    (f.role != FieldRole::Size || sizeOfInch(code)))
                    next(length, nullptr);
        if (f.optional)
            next(0, nullptr);
    }

    void finish()
    {
        bool hasResistance = false, hasTolerance = false;
        Decimal ohms{0, 0};
        for (const Step &s : steps_)
            if (s.ohms) {
                ohms = *s.ohms;
                hasResistance = true;
            }
        const bool jumper = ohms.mantissa == 0;
        PartNumberReading reading{ohms, std::nullopt, key_.maker, key_.family, std::nullopt, {}};
        std::size_t unknown = 0;
        for (const Step &s : steps_) {
            if (s.code.empty() && !s.ohms)
                continue; // an optional field left out
            // An open size's meaning is the table's own inch code: the text read is a buffer's.
            const std::string_view meaning = s.known ? s.known->meaning
                                             : s.field->role == FieldRole::Size
                                                 ? sizeOfInch(s.code)->inch
                                                 : std::string_view();
            if (s.known) {
                if (s.known->jumper == Jumper::Only && !jumper)
                    return;
                if (s.field->role == FieldRole::Tolerance) {
                    hasTolerance = true;
                    if (!jumper)
                        reading.toleranceHundredths = s.known->hundredths;
                }
            } else if (!s.ohms) {
                ++unknown;
            }
            // A jumper at a resistor's tolerance, as real parts are ordered (RC0402FR-070RL
            // where the key asks for J): its resistance is certain, its tolerance code unknown.
            const bool unlisted = s.known && jumper && s.field->role == FieldRole::Tolerance &&
                                  s.known->jumper == Jumper::Never;
            unknown += unlisted;
            if (s.field->role == FieldRole::Size)
                reading.size = sizeOfInch(meaning);
            if (s.field->role != FieldRole::Fixed)
                reading.fields.push_back({s.field->role, std::string(s.code), meaning,
                                          (s.known && !unlisted) || s.ohms});
        }
        // A resistor's tolerance is certain, or the part number is not read.
        if ((hasResistance && !jumper && !hasTolerance) || unknown >= bestUnknown_)
            return;
        bestUnknown_ = unknown;
        best_ = std::move(reading);
    }

    std::string_view text_;
    const Key &key_;
    Form form_;
    std::vector<Step> steps_;
    std::optional<PartNumberReading> best_;
    std::size_t bestUnknown_ = SIZE_MAX;
};

constexpr std::size_t longestPartNumber = 40;

// Whether the text starts as the form's first field does, before any walk: most keys start
// with letters of their own.
bool startsAsForm(std::string_view text, Form form)
{
    const Field &first = form.front();
    return !first.open.characters.empty() || first.optional ||
           std::any_of(first.codes.begin(), first.codes.end(),
                       [&](const Code &code) { return text.starts_with(code.code); });
}
} // namespace

std::vector<const FieldReading *> PartNumberReading::unknownCodes() const
{
    std::vector<const FieldReading *> unknown;
    for (const FieldReading &field : fields)
        if (!field.known)
            unknown.push_back(&field);
    return unknown;
}

std::optional<PartNumberReading> readPartNumber(std::string_view partNumber)
{
    // Fields of KiCad 5's files may end in a carriage return.
    while (!partNumber.empty() && (partNumber.back() == '\r' || partNumber.back() == '\n'))
        partNumber.remove_suffix(1);
    partNumber = trimmed(partNumber);
    if (partNumber.empty() || partNumber.size() > longestPartNumber)
        return std::nullopt;
    std::array<char, longestPartNumber> capitals{};
    std::transform(partNumber.begin(), partNumber.end(), capitals.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    const std::string_view upper(capitals.data(), partNumber.size());
    std::optional<PartNumberReading> found;
    std::size_t fewestUnknown = SIZE_MAX;
    for (const Key *key : keys())
        for (const Form &form : key->forms)
            if (auto reading =
                    startsAsForm(upper, form) ? Walk(upper, *key, form).best() : std::nullopt) {
                const std::size_t unknown = reading->unknownCodes().size();
                if (unknown < fewestUnknown) {
                    fewestUnknown = unknown;
                    found = std::move(reading);
                }
                if (unknown == 0)
                    return found;
            }
    return found;
}

std::string_view roleName(FieldRole role)
{
    constexpr std::array<std::string_view, 10> names{
        "fixed", "size",   "tolerance",   "resistance", "tcr",
        "power", "series", "termination", "packaging",  "special"};
    return names[static_cast<std::size_t>(role)];
}

} // namespace ohmilka::partnumbers
