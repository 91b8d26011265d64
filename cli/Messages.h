// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What ohmilka-code's commands share: messages in the call's language, refusals, and lists
// written out.

#include "ESeries.h"
#include "Engine.h"
#include "Terminal.h"

#include <fmt/format.h>

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

using fmt::literals::operator""_a;

// A usage or input error: one line on stderr, exit status 2.
struct UsageError {
    std::string line;
};

// Input quoted in a message, safe for a terminal, and short: its first 40 characters, then "…";
// in Czech between „ and “.
inline std::string quotedIn(std::string_view text, Language language)
{
    constexpr std::size_t mostQuoted = 40;
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end)
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && characters++ == mostQuoted)
            break;
    const bool czech = language == Language::Czech;
    return fmt::format("{}{}{}{}", czech ? "„" : "'", printable(text.substr(0, end)),
                       end < text.size() ? "…" : "", czech ? "“" : "'");
}

// The Czech "z" before a number, or "ze" where the spoken number starts with s, z, š, ž or with
// dv-, tř-, čt-: ze 2, ze 7, ze 12, ze 40, ze 100, ze 2000; z 5, z 10, z 1000.
inline std::string_view czechFrom(long number)
{
    while (number >= 1000) { // the leading group decides; a lone thousand is "tisíc"
        if (number < 2000)
            return "z";
        number /= 1000;
    }
    const auto ze = [](long digit) {
        return digit == 2 || digit == 3 || digit == 4 || digit == 6 || digit == 7;
    };
    if (number >= 100)
        return number < 200 || ze(number / 100) ? "ze" : "z";
    if (number >= 20)
        return ze(number / 10) ? "ze" : "z";
    if (number >= 10)
        return ze(number - 10) ? "ze" : "z";
    return ze(number) ? "ze" : "z";
}

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
    // The form a count takes: English has one and many; Czech 1, 2 to 4, and 0 or 5 and more.
    std::string_view plural(long count, std::string_view englishOne, std::string_view englishMany,
                            std::string_view czechOne, std::string_view czechFew,
                            std::string_view czechMany) const
    {
        if (language_ == Language::English)
            return count == 1 ? englishOne : englishMany;
        return count == 1 ? czechOne : count >= 2 && count <= 4 ? czechFew : czechMany;
    }
    std::string quote(std::string_view text) const { return quotedIn(text, language_); }
    [[noreturn]] void refuse(std::string_view english, std::string_view czech,
                             auto &&...arguments) const
    {
        throw UsageError{say(english, czech, std::forward<decltype(arguments)>(arguments)...)};
    }

private:
    Language language_;
};

// A message on stderr: one line, named as the program's.
inline void writeMessage(std::ostream &err, std::string_view line)
{
    err << "ohmilka-code: " << line << '\n';
}

// A file as messages about the whole of it name it: standard input for "-".
inline std::string fileName(std::string_view file, const Texts &texts)
{
    return file == "-" ? std::string(texts.pick("standard input", "standardní vstup"))
                       : printable(file);
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

} // namespace ohmilka::cli
