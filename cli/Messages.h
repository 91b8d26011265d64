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

// Input quoted in a message, safe for a terminal.
inline std::string quoted(std::string_view text)
{
    return fmt::format("'{}'", printable(text));
}
// Before std::quoted, which argument-dependent lookup finds for a std::string where <iomanip>
// is included.
inline std::string quoted(const std::string &text)
{
    return quoted(std::string_view(text));
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
