// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What ohmilka-code's commands share: messages in the call's language, refusals, and the
// readers of values and tolerances as users write them.

#include "CodeText.h"
#include "ESeries.h"
#include "Terminal.h"

#include <fmt/format.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::code {

using fmt::literals::operator""_a;

// What every line ohmilka-code writes on stderr starts with.
inline constexpr std::string_view commandPrefix = "ohmilka-code: ";

// A usage or input error: one line on stderr, exit status 2.
struct UsageError {
    std::string line;
};

// Each message is one whole sentence per language, with named placeholders.
class Texts
{
public:
    explicit Texts(Language language) : language_(language) {}
    Language language() const { return language_; }
    std::string_view pick(std::string_view english, std::string_view czech) const
    {
        return language_ == Language::Czech ? czech : english;
    }
    template <class... Arguments>
    std::string say(std::string_view english, std::string_view czech,
                    Arguments &&...arguments) const
    {
        return fmt::format(fmt::runtime(pick(english, czech)),
                           std::forward<Arguments>(arguments)...);
    }
    [[noreturn]] void refuse(std::string_view english, std::string_view czech,
                             auto &&...arguments) const
    {
        throw UsageError{say(english, czech, std::forward<decltype(arguments)>(arguments)...)};
    }

private:
    Language language_;
};

// Input quoted in a message, safe for a terminal.
inline std::string quoted(std::string_view text)
{
    return fmt::format("'{}'", printable(text));
}

template <class Items> std::string listOf(const Items &items, std::string_view separator = ", ")
{
    std::string list;
    for (std::string_view item : items) {
        if (!list.empty())
            list += separator;
        list += item;
    }
    return list;
}

// The colours' English names, as JSON gives them.
inline std::vector<std::string_view> englishNames(std::span<const Colour> colours)
{
    std::vector<std::string_view> names;
    for (Colour colour : colours)
        names.push_back(meaning(colour).english);
    return names;
}

// "E96", "E24": the names of series by their sizes.
inline std::vector<std::string> seriesNames(std::span<const int> sizes)
{
    std::vector<std::string> names;
    for (int size : sizes)
        names.push_back(fmt::format("E{}", size));
    return names;
}

// A resistance as the user wrote it; refused with the reason it is none.
Decimal valueOf(const std::string &operand, const Texts &texts);

// The series of a --series list, "E24,E96"; otherwise when none is given.
std::vector<Series> seriesList(const std::optional<std::string> &given,
                               std::vector<Series> otherwise, const Texts &texts);

// "5", "0.25", "0,25 %", "none": a tolerance in hundredths of a percent.
std::optional<int> toleranceHundredths(std::string_view text);

} // namespace ohmilka::code
