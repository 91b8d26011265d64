// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "PartsList.h"

#include "AsciiText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <unordered_map>
#include <vector>

namespace ohmilka::partslist {

char separatorForFile(std::string_view name, bool csv)
{
    const std::string lower = lowered(name);
    if (lower.ends_with(".tsv"))
        return '\t';
    return csv || lower.ends_with(".csv") ? anySeparator : plainOrTable;
}

namespace {
// Columns lined up with spaces, a layout of the reader's own: the lines are read whole.
constexpr char alignedColumns = 3;
// How a header may part its labels, in the order they are tried: Markdown's tables part them
// with |.
constexpr std::array<char, 5> tableLayouts{',', ';', '\t', '|', alignedColumns};

// Markdown's row of dashes under a header: "|---:|:---|".
bool isRuleOfDashes(const Record &fields)
{
    bool dashes = false;
    for (std::size_t i = 0; i < fields.size(); ++i)
        for (const char c : fields[i]) {
            if (c != '-' && c != ':' && c != ' ')
                return false;
            dashes = dashes || c == '-';
        }
    return dashes;
}

// The fields of a line under a separator, or lined up with spaces; where those start.
std::vector<std::size_t> splitUnder(char separator, std::string_view raw, Record &fields)
{
    if (separator == alignedColumns)
        return splitAtSpaceRuns(raw, fields);
    splitRecord(raw, separator, fields);
    return {};
}
// Where each word of a line starts, in characters.
template <class Each> void forEachWordStart(std::string_view line, Each each)
{
    std::size_t character = 0;
    bool afterSpace = true;
    for (const char c : line) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue; // within a character
        if (c != ' ' && afterSpace)
            each(character);
        afterSpace = c == ' ';
        ++character;
    }
}

// The header's field starts, and those of its words, one space after another, under which
// most rows of a table that read ahead start a word too: Eagle writes "Part Value" over "R101
// 10k". Rows of one field, such as comments, are no table's.
template <class Row>
std::vector<std::size_t> startsUnderHeader(std::string_view header,
                                           const std::vector<std::size_t> &starts, Row first,
                                           Row last)
{
    std::unordered_map<std::size_t, std::size_t> rowStarts;
    std::size_t counted = 0;
    Record fields;
    for (; first != last; ++first) {
        const auto &row = *first;
        if (row.tooLong || splitAtSpaceRuns(row.raw, fields).size() < 2)
            continue;
        ++counted;
        forEachWordStart(row.raw, [&](std::size_t start) { ++rowStarts[start]; });
    }
    std::vector<std::size_t> refined = starts;
    forEachWordStart(header, [&](std::size_t character) {
        if (character > 0 && counted > 0 && rowStarts[character] * 2 > counted &&
            std::find(refined.begin(), refined.end(), character) == refined.end())
            refined.push_back(character);
    });
    std::sort(refined.begin(), refined.end());
    return refined;
}

// Whether a row's first filled cell, under any separator, lists designators: "R1;10k",
// "\"R1,R2\",10k", ",R1,10k".
bool leadsWithDesignators(std::string_view raw)
{
    while (!raw.empty() &&
           (raw.front() == ',' || raw.front() == ';' || raw.front() == '\t' || raw.front() == ' '))
        raw.remove_prefix(1); // the empty cells a sheet may start with
    if (raw.starts_with('"')) {
        const std::size_t close = raw.find('"', 1);
        return close != std::string_view::npos && listsDesignators(raw.substr(1, close - 1));
    }
    return listsDesignators(trimmed(raw.substr(0, raw.find_first_of(",;\t"))));
}
} // namespace

void PartsListReader::splitCurrent(std::string_view raw)
{
    if (separator_ == alignedColumns)
        splitAligned(raw, columnStarts_, fields_);
    else
        splitRecord(raw, separator_ == anySeparator ? ',' : separator_, fields_);
}

bool PartsListReader::nextRecord()
{
    currentAhead_ = !ahead_.empty();
    if (currentAhead_) {
        current_ = std::move(ahead_.front());
        ahead_.pop_front();
        splitCurrent(current_.tooLong ? std::string_view() : current_.raw);
        return true;
    }
    if (!records_.next(fields_))
        return false;
    current_.line = records_.line();
    current_.tooLong = records_.tooLong();
    if (separator_ == alignedColumns)
        splitCurrent(current_.tooLong ? std::string_view() : records_.raw());
    return true;
}

void PartsListReader::readAhead()
{
    std::size_t bytes = 0;
    for (const Ahead &row : ahead_)
        bytes += row.raw.size();
    Record ignored;
    while (ahead_.size() < rowsAhead && bytes < bytesAhead && records_.next(ignored)) {
        ahead_.push_back({std::string(records_.raw()), records_.line(), records_.tooLong()});
        bytes += ahead_.back().raw.size();
    }
}

// Whether the record in hand is the header, under the first of comma, semicolon and tab that
// makes it one; the rows under it are read ahead to judge the columns.
bool PartsListReader::findHeader()
{
    const std::string header(currentAhead_ ? std::string_view(current_.raw) : records_.raw());
    Record fields;
    for (const char candidate : tableLayouts) {
        if (separator_ != anySeparator && separator_ != candidate)
            continue;
        std::vector<std::size_t> starts = splitUnder(candidate, header, fields);
        if (candidate == alignedColumns && !starts.empty()) {
            // Eagle's header words may stand one space apart ("Qty Value"): where its rows'
            // fields start under a word of it, so does a column.
            readAhead();
            starts = startsUnderHeader(header, starts, ahead_.cbegin(), ahead_.cend());
            splitAligned(header, starts, fields);
        }
        std::optional<Header> labels = headerIn(fields, current_.line);
        if (!labels)
            continue;
        readAhead();
        std::vector<Record> rows;
        for (const Ahead &row : ahead_) {
            if (row.tooLong)
                continue;
            if (candidate == alignedColumns)
                splitAligned(row.raw, starts, rows.emplace_back());
            else
                splitRecord(row.raw, candidate, rows.emplace_back());
        }
        columns_ = columnsOf(std::move(*labels), rows);
        if (!columns_) {
            if (!headerWithoutValue_)
                headerWithoutValue_ = current_.line;
            continue;
        }
        separator_ = candidate;
        columnStarts_ = starts;
        records_.setSeparator(candidate == alignedColumns ? plainLines : candidate);
        return true;
    }
    return false;
}

void PartsListReader::readLine(std::string_view line, Part &part)
{
    if (const auto known = linesRead_.find(line); known != linesRead_.end()) {
        part = known->second;
        return;
    }
    part = partInLine(line);
    if (line.size() > longestLineKept)
        return;
    if (linesRead_.size() >= linesKept)
        linesRead_.clear();
    linesRead_.emplace(line, part);
}

// A title above the header: what resistors it names are still named.
void PartsListReader::dropTitle(std::string_view raw, long line)
{
    Record words;
    splitRecord(raw, plainLines, words);
    const std::size_t from = dropped_.size();
    resistorsNamedElsewhere(words, nullptr, false, dropped_);
    for (std::size_t i = from; i < dropped_.size(); ++i)
        dropped_[i].line = line;
}

// Whether the part in hand is worth returning, with the titles dropped before it.
bool PartsListReader::takeDropped(ListedPart &listed)
{
    if (!dropped_.empty()) {
        std::ranges::move(dropped_, std::back_inserter(listed.elsewhere));
        dropped_.clear();
    }
    return listed.part.kind != Part::Kind::None || !listed.elsewhere.empty();
}

// Whether a header stands in the record in hand or in the rows read ahead of it; the rows above
// it are dropped, as titles.
bool PartsListReader::findHeaderNearby()
{
    if (!currentAhead_) { // kept, as reading ahead moves the records on
        current_.raw = records_.raw();
        currentAhead_ = true;
    }
    if (findHeader() || headerWithoutValue_)
        return true;
    readAhead();
    Record fields;
    for (std::size_t row = 0; row < ahead_.size(); ++row)
        for (const char candidate : tableLayouts) {
            const std::vector<std::size_t> starts = splitUnder(candidate, ahead_[row].raw, fields);
            if (candidate == alignedColumns && !starts.empty())
                splitAligned(
                    ahead_[row].raw,
                    startsUnderHeader(ahead_[row].raw, starts,
                                      ahead_.cbegin() + static_cast<std::ptrdiff_t>(row + 1),
                                      ahead_.cend()),
                    fields);
            if (ahead_[row].tooLong || !headerIn(fields, ahead_[row].line))
                continue;
            dropTitle(current_.raw, current_.line);
            for (std::size_t title = 0; title < row; ++title)
                dropTitle(ahead_[title].raw, ahead_[title].line);
            ahead_.erase(ahead_.begin(), ahead_.begin() + static_cast<std::ptrdiff_t>(row));
            nextRecord();
            findHeader();
            return true;
        }
    return false;
}

// A row that a spreadsheet saved again as one quoted cell, its own quotes doubled
// ("10k,""R11,R14"",0603"), is the row that cell holds.
void PartsListReader::unwrapWholeRow()
{
    if (separator_ == plainLines || separator_ == alignedColumns || fields_.size() == 0)
        return;
    for (std::size_t i = 1; i < fields_.size(); ++i)
        if (!trimmed(fields_[i]).empty())
            return;
    const std::string_view raw = trimmed(currentAhead_ ? current_.raw : records_.raw());
    if (!raw.starts_with('"'))
        return;
    const std::string whole(fields_[0]);
    if (whole.find('"') == std::string::npos)
        return; // a title that holds a comma, quoted as it should be
    for (const char candidate : {',', ';', '\t'})
        if ((separator_ == anySeparator || separator_ == candidate) &&
            whole.find(candidate) != std::string::npos) {
            splitRecord(whole, candidate, fields_);
            return;
        }
}

// OrCAD's and Protel's reports wrap a long list of references onto the lines below, which hold
// nothing else: those lines are the part's, while its quantity counts more references than it
// has.
void PartsListReader::takeContinuedReferences(Part &part)
{
    if (!columns_ || !columns_->quantity || !columns_->references ||
        (part.kind != Part::Kind::Resistor && part.kind != Part::Kind::NotFitted))
        return;
    const auto cellOf = [](const Record &fields, std::size_t column) {
        return column < fields.size() ? trimmed(fields[column]) : std::string_view();
    };
    const std::string_view quantityCell = cellOf(fields_, *columns_->quantity);
    std::size_t quantity = 0;
    if (std::from_chars(quantityCell.data(), quantityCell.data() + quantityCell.size(), quantity)
            .ptr != quantityCell.data() + quantityCell.size())
        return;
    const auto counted = [&] {
        std::size_t count = 0;
        for (const std::string &reference : part.references)
            count += std::max<std::size_t>(1, resistorsNamed(reference).size());
        return count;
    };
    Record fields;
    while (counted() < quantity) {
        if (ahead_.empty())
            readAhead();
        if (ahead_.empty() || ahead_.front().tooLong)
            return;
        if (separator_ == alignedColumns)
            splitAligned(ahead_.front().raw, columnStarts_, fields);
        else
            splitRecord(ahead_.front().raw, separator_, fields);
        const std::string_view references = cellOf(fields, *columns_->references);
        if (references.empty() || !listsDesignators(references))
            return;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (i != *columns_->references && !trimmed(fields[i]).empty())
                return;
        for (std::string &reference : referencesIn(references))
            part.references.push_back(std::move(reference));
        ahead_.pop_front();
    }
}

// Whether the record in hand leads rows of designators and values under no header, as a list
// kept by hand may be; not where a header stands in the rows read ahead.
bool PartsListReader::findColumnsWithoutHeader()
{
    if (withoutHeaderTried_)
        return false;
    withoutHeaderTried_ = true;
    if (!currentAhead_) { // kept, as reading ahead moves the records on
        current_.raw = records_.raw();
        currentAhead_ = true;
    }
    readAhead();
    Record fields;
    for (const Ahead &row : ahead_)
        for (const char candidate : tableLayouts) {
            splitUnder(candidate, row.raw, fields);
            if (!row.tooLong && headerIn(fields, row.line))
                return false;
        }
    for (const char candidate : {',', ';', '\t'}) {
        if (separator_ != anySeparator && separator_ != candidate)
            continue;
        std::vector<Record> rows;
        splitRecord(current_.raw, candidate, rows.emplace_back());
        for (const Ahead &row : ahead_)
            if (!row.tooLong)
                splitRecord(row.raw, candidate, rows.emplace_back());
        if (std::optional<Columns> columns = columnsWithoutHeader(rows)) {
            columns_ = std::move(columns);
            separator_ = candidate;
            records_.setSeparator(candidate);
            splitRecord(current_.raw, candidate, fields_);
            return true;
        }
    }
    return false;
}

bool PartsListReader::next(ListedPart &listed)
{
    while (nextRecord()) {
        if (const std::string_view raw = trimmed(currentAhead_ ? current_.raw : records_.raw());
            current_.tooLong || (!raw.empty() && raw.front() != '#'))
            namesAnything_ = true;
        sawTooLong_ = sawTooLong_ || current_.tooLong;
        if (!listed.elsewhere.empty())
            listed.elsewhere.clear();
        listed.line = current_.line;
        listed.tooLong = current_.tooLong;
        if (current_.tooLong) {
            listed.part = Part{}; // nothing of it was read
            takeDropped(listed);
            return true;
        }
        unwrapWholeRow();
        if (firstLineDecides_ && !trimmed(fields_[0]).empty()) {
            firstLineDecides_ = false;
            if (findHeaderNearby())
                continue;
            if (!findColumnsWithoutHeader()) {
                separator_ = plainLines;
                records_.setSeparator(plainLines);
                splitRecord(currentAhead_ ? std::string_view(current_.raw) : records_.raw(),
                            plainLines, fields_);
            }
        } else if (!columns_ && separator_ != plainLines && separator_ != alignedColumns &&
                   leadsWithDesignators(currentAhead_ ? current_.raw : records_.raw())) {
            findColumnsWithoutHeader();
        }
        if (separator_ == plainLines)
            readLine(fields_[0], listed.part);
        else if (!columns_) {
            // Rows before the header, such as KiCad's "Source:" and "Date:".
            if (findHeader())
                continue;
            listed.part = Part{};
            resistorsNamedElsewhere(fields_, nullptr, false, listed.elsewhere);
        } else if (separator_ == '|' && isRuleOfDashes(fields_)) {
            continue;
        } else {
            listed.part = partInRow(fields_, *columns_);
            resistorsNamedElsewhere(fields_, &*columns_, listed.part.kind != Part::Kind::None,
                                    listed.elsewhere);
            takeContinuedReferences(listed.part);
        }
        if (listed.part.kind != Part::Kind::None || !listed.elsewhere.empty() || !dropped_.empty())
            return takeDropped(listed);
    }
    listed = ListedPart{current_.line, false, Part{}, {}};
    return takeDropped(listed);
}

void readSheets(Spreadsheet &spreadsheet,
                const std::function<void(PartsListReader &, const std::string &sheet)> &read)
{
    for (std::size_t sheet = 0; sheet < spreadsheet.sheets().size() && !spreadsheet.problem();
         ++sheet) {
        const std::unique_ptr<std::streambuf> rows = spreadsheet.rows(sheet);
        std::istream in(rows.get());
        PartsListReader reader(in, ',');
        read(reader, spreadsheet.sheets()[sheet]);
    }
}

} // namespace ohmilka::partslist
