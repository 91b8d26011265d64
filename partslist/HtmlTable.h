// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The tables of an HTML page, as Proteus writes its bill of materials and as a README holds a
// parts list, read as CSV: each <tr> a record of its <td> and <th> cells, their text with the
// markup dropped and the common entities read. A row keeps the line its <tr> opens on; what
// stands outside the tables is dropped.

#include <array>
#include <streambuf>
#include <string>
#include <string_view>

namespace ohmilka::partslist {

// Whether a file's start is an HTML page with a table, or holds a <table> that opens a line.
bool startsWithHtmlTable(std::string_view start);

class HtmlTableInput : public std::streambuf
{
public:
    explicit HtmlTableInput(std::streambuf *source) : source_(source) {}

protected:
    int_type underflow() override;

private:
    void take(char c);
    void endTag();
    void endEntity();
    void emit(std::string_view text);

    std::streambuf *source_;
    std::array<char, 4096> buffer_{};
    std::string out_;          // what the characters read so far give
    std::string tag_, entity_; // the tag or entity being read
    bool inTag_ = false, inEntity_ = false;
    bool inRow_ = false, inCell_ = false, cellsInRow_ = false;
    bool cellEmpty_ = false, spacePending_ = false; // spaces are one, and none at a cell's ends
    int newlinesInRow_ = 0;   // emitted after the row, so that each row keeps its line
    bool lineHasRow_ = false; // the line emitted last holds a row that awaits its line end
    int linesAhead_ = 0;      // lines emitted for rows that shared a line of the page
    char quote_ = 0;          // within a tag, the quote of an attribute's value
};

} // namespace ohmilka::partslist
