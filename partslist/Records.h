// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The records of a parts list, read one at a time from a stream: the lines of a plain list, or
// the rows of CSV as RFC 4180 has them, whatever the separator (a quoted field may hold
// separators, line breaks and "" for a quote). Lines end in LF, CR LF or CR alone. Nothing but
// the record in hand is kept, and no more of it than the limit: every byte of the record,
// separators and quotes included, counts toward it.
//
// The project reads CSV itself: libcsv is LGPL, and the small readers that are not fix their
// columns or their separator before the first row is read.

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ohmilka::partslist {

// One record's fields, as views into one buffer.
class Record
{
public:
    std::size_t size() const { return ends_.size(); }
    std::size_t byteCount() const { return bytes_.size(); }
    std::string_view operator[](std::size_t field) const
    {
        const std::size_t start = field == 0 ? 0 : ends_[field - 1];
        return std::string_view(bytes_).substr(start, ends_[field] - start);
    }

private:
    friend void splitRecord(std::string_view raw, char separator, Record &record);
    friend std::vector<std::size_t> splitAtSpaceRuns(std::string_view raw, Record &record);
    friend void splitAligned(std::string_view raw, const std::vector<std::size_t> &starts,
                             Record &record);
    friend class RecordReader;
    friend Record recordOf(std::span<const std::string> fields);
    std::string bytes_;
    std::vector<std::uint32_t> ends_; // where each field ends in bytes_
};

// How a list's records part into fields: a separator, or one of these.
inline constexpr char plainLines = 0;   // each line is one field
inline constexpr char anySeparator = 1; // CSV parted by commas, semicolons or tabs, not known yet

// A record of the given fields, as a design's symbols give them.
Record recordOf(std::span<const std::string> fields);

// A record as written, parted into fields at the separator.
void splitRecord(std::string_view raw, char separator, Record &record);

// A line of a table aligned with spaces, as Eagle's EXPORT PARTLIST writes it: its fields
// parted where two spaces or more stand, and where each starts, in characters.
std::vector<std::size_t> splitAtSpaceRuns(std::string_view raw, Record &record);
// A line under such a header, cut where the header's fields start.
void splitAligned(std::string_view raw, const std::vector<std::size_t> &starts, Record &record);

class RecordReader
{
public:
    static constexpr std::size_t defaultLimit = 1 << 20;

    RecordReader(std::istream &in, char separator, std::size_t limit = defaultLimit)
        : buffer_(in.rdbuf()), separator_(separator), limit_(limit)
    {}

    // The next record; false at the end or when reading fails. Until the separator is known,
    // its fields are parted at commas.
    bool next(Record &record);
    // The record in hand, parted at another separator.
    void split(char separator, Record &record) const;
    // The record in hand as written, up to the limit.
    std::string_view raw() const { return raw_; }
    void setSeparator(char separator) { separator_ = separator; }
    long line() const { return line_; }       // where the record starts, from 1
    bool tooLong() const { return tooLong_; } // the record was cut at the limit
    std::size_t limit() const { return limit_; }

    // Why reading stopped before the end, if it did.
    const std::optional<std::error_code> &readError() const { return readError_; }
    // The line where a quote opened that the input never closes.
    std::optional<long> unclosedQuote() const { return unclosedQuote_; }

private:
    bool read();
    bool partsFields(char c) const;

    std::streambuf *buffer_;
    char separator_;
    std::size_t limit_;
    long nextLine_ = 1;
    long line_ = 0;
    bool tooLong_ = false;
    std::optional<std::error_code> readError_;
    std::optional<long> unclosedQuote_;
    std::string raw_; // the record in hand as the input has it
};

} // namespace ohmilka::partslist
