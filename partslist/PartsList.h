// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A parts list read part by part: the lines of a plain list, or the rows of CSV under the first
// row that is a header, whatever comes before it. The rows just under the header are read ahead
// to judge the columns by their cells; nothing else is kept.

#include "Designators.h"
#include "Records.h"
#include "Rows.h"
#include "Spreadsheet.h"

#include <deque>
#include <functional>
#include <istream>
#include <optional>
#include <unordered_map>
#include <vector>

namespace ohmilka::partslist {

// A list that is a table when a header stands among its first lines, and a plain list when not.
inline constexpr char plainOrTable = 2;

// How a file is read by its name: tab-separated (.tsv), CSV (.csv, or whenever csv is asked),
// else a plain list or a table as its first lines show.
char separatorForFile(std::string_view name, bool csv);

struct ListedPart {
    long line = 0;
    bool tooLong = false; // the record was longer than the limit: no part was read
    Part part;
    // Resistors the row names outside its part: in other columns, or in a row that is no part.
    std::vector<NamedResistor> elsewhere;
};

class PartsListReader
{
public:
    // Rows read ahead to judge the columns, and the bytes they may hold together.
    static constexpr std::size_t rowsAhead = 64;
    static constexpr std::size_t bytesAhead = 4 << 20;

    PartsListReader(std::istream &in, char separator,
                    std::size_t limit = RecordReader::defaultLimit)
        : records_(in, separator == plainOrTable ? anySeparator : separator, limit),
          separator_(separator == plainOrTable ? anySeparator : separator),
          firstLineDecides_(separator == plainOrTable)
    {}

    // The next part, skipping rows that are none unless they name resistors; false at the end
    // or when reading fails.
    bool next(ListedPart &listed);

    // The columns, once a header is found.
    const std::optional<Columns> &columns() const { return columns_; }
    // The line of a header that names no value column, while no other header is found.
    std::optional<long> headerWithoutValue() const { return headerWithoutValue_; }
    bool isPlain() const { return separator_ == plainLines; }
    // Whether any line read so far is more than blanks and a comment ("# ...").
    bool namesAnything() const { return namesAnything_; }
    // Whether a line was too long to be read: no header may have been read for it.
    bool sawTooLong() const { return sawTooLong_; }
    const RecordReader &records() const { return records_; }

private:
    struct Ahead {
        std::string raw;
        long line;
        bool tooLong;
    };
    void splitCurrent(std::string_view raw);
    void readLine(std::string_view line, Part &part);
    void dropTitle(std::string_view raw, long line);
    bool takeDropped(ListedPart &listed);
    bool nextRecord();
    void readAhead();
    bool findHeader();
    bool findHeaderNearby();
    bool findColumnsWithoutHeader();
    void unwrapWholeRow();
    void takeContinuedReferences(Part &part);

    RecordReader records_;
    char separator_;
    bool firstLineDecides_;
    bool withoutHeaderTried_ = false;
    std::optional<Columns> columns_;
    std::optional<long> headerWithoutValue_;
    std::vector<std::size_t> columnStarts_; // of a table aligned with spaces
    std::deque<Ahead> ahead_;               // rows under the header, read to judge the columns
    std::vector<NamedResistor> dropped_;    // named in the titles above a header found ahead
    // The lines of a plain list repeat: each one's part is read once, for a bounded number.
    struct LineHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view line) const
        {
            return std::hash<std::string_view>()(line);
        }
    };
    static constexpr std::size_t linesKept = 1 << 12, longestLineKept = 64;
    std::unordered_map<std::string, Part, LineHash, std::equal_to<>> linesRead_;
    // The record in hand: its fields, and where it came from.
    Record fields_;
    Ahead current_;
    bool currentAhead_ = false; // from ahead_, not from records_
    bool namesAnything_ = false, sawTooLong_ = false;
};

// A spreadsheet's sheets in workbook order, each read as its CSV export writes it through a
// reader that read drains: a workbook may keep a board, or a kind of part, on each sheet. Stops
// at the first problem.
void readSheets(Spreadsheet &spreadsheet,
                const std::function<void(PartsListReader &, const std::string &sheet)> &read);

} // namespace ohmilka::partslist
