// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "HtmlTable.h"

#include "AsciiText.h"
#include "Decimal.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace ohmilka::partslist {

namespace {
// The entities parts lists use, and every numeric one.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> namedEntities{{
    {"amp", "&"},
    {"lt", "<"},
    {"gt", ">"},
    {"quot", "\""},
    {"apos", "'"},
    {"nbsp", " "},
    {"Omega", "\u03A9"},
    {"ohm", "\u2126"},
    {"plusmn", "\u00B1"},
    {"micro", "\u00B5"},
    {"deg", "\u00B0"},
}};
constexpr std::size_t longestEntity = 10;

std::string utf8Of(std::uint32_t code)
{
    std::string text;
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

// "&#937;", "&#x3A9;": the character, or none.
std::string numericEntity(std::string_view name)
{
    if (name.size() < 2 || name.front() != '#')
        return {};
    const bool hex = name[1] == 'x' || name[1] == 'X';
    std::uint32_t code = 0;
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 6)
        return {};
    for (const char c : digits) {
        const int digit = isDigit(c)                    ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0)
            return {};
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    return utf8Of(code);
}

// A tag's name, small: "tr" of "<TR class=x>", "/td" of "</TD>".
std::string tagName(std::string_view tag)
{
    std::string name;
    for (const char c : tag) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '>' ||
            (c == '/' && !name.empty()))
            break;
        name += smallLetter(c);
    }
    return name;
}
} // namespace

bool startsWithHtmlTable(std::string_view start)
{
    const std::string small = lowered(start);
    if (small.find("<tr") == std::string::npos)
        return false;
    // A page, or a <table> that opens a line, as in a README; not markup within a CSV's cell.
    if (const std::string_view page = trimmed(small); page.starts_with('<'))
        return page.find("<table") != std::string_view::npos;
    for (std::size_t table = small.find("<table"); table != std::string::npos;
         table = small.find("<table", table + 1)) {
        const std::size_t line = small.find_last_not_of(" \t", table == 0 ? 0 : table - 1);
        if (table == 0 || line == std::string::npos || small[line] == '\n')
            return true;
    }
    return false;
}

void HtmlTableInput::emit(std::string_view text)
{
    if (!inCell_)
        return;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            spacePending_ = true;
            continue;
        }
        if (spacePending_ && !cellEmpty_)
            out_ += ' ';
        spacePending_ = cellEmpty_ = false;
        out_ += c;
        if (c == '"')
            out_ += '"';
    }
}

void HtmlTableInput::endTag()
{
    const std::string name = tagName(tag_);
    tag_.clear();
    const auto closeCell = [&] {
        if (inCell_)
            out_ += '"';
        inCell_ = false;
    };
    // A row ends its line where the page's line ends; the lines within it follow it.
    const auto closeRow = [&] {
        closeCell();
        if (inRow_) {
            out_.append(static_cast<std::size_t>(newlinesInRow_), '\n');
            lineHasRow_ = newlinesInRow_ == 0;
        }
        inRow_ = cellsInRow_ = false;
        newlinesInRow_ = 0;
    };
    // A row after another on one line of the page takes a line of its own, which the next line
    // end of the page pays back.
    const auto openRow = [&] {
        if (lineHasRow_) {
            out_ += '\n';
            ++linesAhead_;
            lineHasRow_ = false;
        }
        inRow_ = true;
    };
    if (name == "tr" || name == "/table" || name == "table") {
        closeRow();
        if (name == "tr")
            openRow();
    } else if (name == "/tr") {
        closeRow();
    } else if (name == "td" || name == "th") {
        closeCell();
        if (!inRow_)
            openRow(); // a cell of a row whose <tr> was left out
        if (cellsInRow_)
            out_ += ',';
        out_ += '"';
        inCell_ = cellsInRow_ = cellEmpty_ = true;
        spacePending_ = false;
    } else if (name == "/td" || name == "/th") {
        closeCell();
    } else if (name == "br" || name == "p" || name == "/p" || name == "div" || name == "/div") {
        spacePending_ = true;
    }
}

void HtmlTableInput::endEntity()
{
    inEntity_ = false;
    const auto named = std::find_if(namedEntities.begin(), namedEntities.end(),
                                    [&](const auto &entity) { return entity.first == entity_; });
    const std::string character =
        named != namedEntities.end() ? std::string(named->second) : numericEntity(entity_);
    if (character.empty()) {
        emit("&");
        emit(entity_);
        emit(";");
    } else {
        emit(character);
    }
    entity_.clear();
}

void HtmlTableInput::take(char c)
{
    if (c == '\n') {
        if (inRow_) {
            ++newlinesInRow_;
        } else if (linesAhead_ > 0) {
            --linesAhead_;
            lineHasRow_ = false;
        } else {
            out_ += '\n'; // each line of the page is a line of the list
            lineHasRow_ = false;
        }
    }
    if (inTag_) {
        if (quote_ != 0) {
            quote_ = c == quote_ ? 0 : quote_;
        } else if (c == '"' || c == '\'') {
            quote_ = c;
        } else if (c == '>') {
            inTag_ = false;
            endTag();
            return;
        }
        if (tag_.size() < longestEntity)
            tag_ += c;
        return;
    }
    if (inEntity_) {
        if (c == ';')
            return endEntity();
        if (entity_.size() < longestEntity && (isAsciiLetter(c) || isDigit(c) || c == '#')) {
            entity_ += c;
            return;
        }
        inEntity_ = false; // no entity: the ampersand as written
        emit("&");
        emit(entity_);
        entity_.clear();
    }
    if (c == '<') {
        inTag_ = true;
        quote_ = 0;
    } else if (c == '&') {
        inEntity_ = true;
    } else {
        emit(std::string_view(&c, 1));
    }
}

HtmlTableInput::int_type HtmlTableInput::underflow()
{
    out_.clear();
    while (out_.empty()) {
        const std::streamsize got = source_->sgetn(buffer_.data(), buffer_.size());
        if (got <= 0) {
            if (inRow_ || inCell_) {
                tag_ = "/tr";
                endTag();
            }
            if (lineHasRow_)
                out_ += '\n';
            lineHasRow_ = false;
            if (out_.empty())
                return traits_type::eof();
            break;
        }
        for (std::streamsize i = 0; i < got; ++i)
            take(buffer_[static_cast<std::size_t>(i)]);
    }
    setg(out_.data(), out_.data(), out_.data() + out_.size());
    return traits_type::to_int_type(out_.front());
}

} // namespace ohmilka::partslist
