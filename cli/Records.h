// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The records of a parts list, read one at a time from a stream: the lines of a plain list, or
// the rows of CSV as RFC 4180 has them (fields parted by commas; a quoted field may hold commas,
// line breaks and "" for a quote). Nothing but the record in hand is kept.

#include <istream>
#include <string>
#include <vector>

namespace ohmilka::code {

class RecordReader
{
public:
    RecordReader(std::istream &in, bool csv) : buffer_(in.rdbuf()), csv_(csv) {}

    // The next record's fields (a plain line is one field); false at the end.
    bool next(std::vector<std::string> &fields);
    long line() const { return line_; }       // where the record starts, from 1
    bool tooLong() const { return tooLong_; } // the record was cut at maxRecordBytes

    static constexpr std::size_t maxRecordBytes = 1 << 20;

private:
    std::streambuf *buffer_;
    bool csv_;
    long nextLine_ = 1;
    long line_ = 0;
    bool tooLong_ = false;
};

} // namespace ohmilka::code
