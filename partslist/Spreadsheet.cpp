// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Spreadsheet.h"

#include "NumberFormat.h"
#include "Xml.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>

namespace ohmilka::partslist {

struct Spreadsheet::Format {
    std::vector<std::string> sharedStrings;
    std::vector<std::string> cellFormats; // format code by cell style
};

namespace {
// A sheet's width and height at most, as Excel and LibreOffice have them.
constexpr std::size_t mostColumns = 16384;
constexpr long mostRows = 1 << 20;

// Rows written as CSV, one line each, the rows a sheet skips as empty lines.
class CsvRows
{
public:
    void cell(std::size_t column, std::string text)
    {
        if (column >= mostColumns)
            return;
        if (fields_.size() <= column)
            fields_.resize(column + 1);
        fields_[column] = std::move(text);
    }
    // Ends the row of that number (from 1), after the empty ones before it.
    void endRow(long row) { endRows(row, 1); }
    // The same cells in count rows from first, as a repeated row of OpenDocument.
    void endRows(long first, long count)
    {
        for (; next_ < first && next_ <= mostRows; ++next_)
            out += '\n';
        while (!fields_.empty() && fields_.back().empty())
            fields_.pop_back();
        std::string line;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            if (i > 0)
                line += ',';
            line += quoted(fields_[i]);
        }
        line += '\n';
        for (long i = 0; i < count && first + i <= mostRows; ++i)
            out += line;
        fields_.clear();
        next_ = first + count;
    }
    bool rowHasCells() const
    {
        return std::any_of(fields_.begin(), fields_.end(),
                           [](const std::string &field) { return !field.empty(); });
    }
    void dropRow() { fields_.clear(); }
    long nextRow() const { return next_; }

    std::string out; // written, not yet read

private:
    // A field as CSV writes it; line breaks within a cell become spaces, so that each row is
    // one line and keeps its number.
    static std::string quoted(std::string text)
    {
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        if (text.find_first_of(",\"") == std::string::npos)
            return text;
        std::string field = "\"";
        for (char c : text)
            field += c == '"' ? std::string("\"\"") : std::string(1, c);
        return field + '"';
    }

    std::vector<std::string> fields_;
    long next_ = 1;
};

long number(std::string_view text, long otherwise)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : otherwise;
}

// "BC12": the column (from 0) and the row (from 1) of a cell reference.
std::pair<std::size_t, long> cellPosition(std::string_view reference)
{
    std::size_t column = 0, letters = 0;
    for (; letters < reference.size() && letters < 4; ++letters) {
        const char c = reference[letters];
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
    }
    return {column == 0 ? mostColumns : column - 1, number(reference.substr(letters), 0)};
}

// An OPC relationships part: targets by id and by type.
struct Relationships : XmlHandler {
    std::map<std::string, std::string, std::less<>> byId, byType;

    void start(std::string_view name, const char **attributes) override
    {
        if (name != "Relationship")
            return;
        const std::string target(attribute(attributes, "Target"));
        byId[std::string(attribute(attributes, "Id"))] = target;
        const std::string_view type = attribute(attributes, "Type");
        byType[std::string(type.substr(type.rfind('/') + 1))] = target;
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

struct WorkbookSheets : XmlHandler {
    std::vector<std::pair<std::string, std::string>> sheets; // name, relationship id

    void start(std::string_view name, const char **attributes) override
    {
        if (name == "sheet")
            sheets.emplace_back(attribute(attributes, "name"), attribute(attributes, "id"));
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

struct Styles : XmlHandler {
    std::map<long, std::string> customFormats;
    std::vector<long> cellFormats; // number format id by cell style
    bool inCellXfs = false;

    void start(std::string_view name, const char **attributes) override
    {
        if (name == "numFmt")
            customFormats[number(attribute(attributes, "numFmtId"), -1)] =
                attribute(attributes, "formatCode");
        else if (name == "cellXfs")
            inCellXfs = true;
        else if (name == "xf" && inCellXfs)
            cellFormats.push_back(number(attribute(attributes, "numFmtId"), 0));
    }
    void end(std::string_view name) override { inCellXfs = inCellXfs && name != "cellXfs"; }
    void text(std::string_view) override {}
};

// Shared strings: each item's text runs, without its phonetic guides.
struct SharedStrings : XmlHandler {
    std::vector<std::string> strings;
    std::string item;
    int inText = 0, inPhonetic = 0;

    void start(std::string_view name, const char **) override
    {
        inText += name == "t";
        inPhonetic += name == "rPh";
        if (name == "si")
            item.clear();
    }
    void end(std::string_view name) override
    {
        inText -= name == "t";
        inPhonetic -= name == "rPh";
        if (name == "si")
            strings.push_back(std::move(item));
    }
    void text(std::string_view text) override
    {
        if (inText > 0 && inPhonetic == 0)
            item += text;
    }
};

struct TableNames : XmlHandler {
    std::vector<std::string> names;

    void start(std::string_view name, const char **attributes) override
    {
        if (name == "table")
            names.emplace_back(attribute(attributes, "name"));
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

bool parseWhole(XmlHandler &handler, const std::string &xml)
{
    XmlStream stream(handler);
    return stream.feed(xml, true);
}

// A part's path from the folder of the part that names it: "worksheets/sheet1.xml" from
// "xl/workbook.xml", or from the root when it starts with /.
std::string resolved(std::string_view from, std::string_view target)
{
    if (target.starts_with('/'))
        return std::string(target.substr(1));
    const std::size_t slash = from.rfind('/');
    return std::string(slash == std::string_view::npos ? "" : from.substr(0, slash + 1)) +
           std::string(target);
}

// One xlsx sheet's cells, written as CSV rows.
class XlsxSheet : public XmlHandler
{
public:
    XlsxSheet(CsvRows &rows, const Spreadsheet::Format &format) : rows_(rows), format_(format) {}

    void start(std::string_view name, const char **attributes) override
    {
        if (name == "row") {
            row_ = number(attribute(attributes, "r"), rows_.nextRow());
            column_ = 0;
        } else if (name == "c") {
            const std::string_view reference = attribute(attributes, "r");
            column_ = reference.empty() ? column_ : cellPosition(reference).first;
            type_ = attribute(attributes, "t");
            style_ = static_cast<std::size_t>(number(attribute(attributes, "s"), 0));
            value_.clear();
        } else if (name == "v" || (name == "t" && inCell())) {
            collecting_ = true;
        }
    }
    void end(std::string_view name) override
    {
        if (name == "v" || name == "t")
            collecting_ = false;
        else if (name == "c")
            rows_.cell(column_++, cellText());
        else if (name == "row")
            rows_.endRow(row_);
    }
    void text(std::string_view text) override
    {
        if (collecting_)
            value_ += text;
    }

private:
    bool inCell() const { return type_ == "inlineStr"; }

    std::string cellText() const
    {
        if (type_ == "s") {
            const auto index = static_cast<std::size_t>(number(value_, -1));
            return index < format_.sharedStrings.size() ? format_.sharedStrings[index] : "";
        }
        if (type_ == "b")
            return value_ == "1" ? "TRUE" : "FALSE";
        if (!type_.empty() && type_ != "n")
            return value_; // inline and formula strings, errors, dates as written
        if (value_.empty())
            return value_;
        const std::string_view code = style_ < format_.cellFormats.size()
                                          ? std::string_view(format_.cellFormats[style_])
                                          : std::string_view("General");
        return formattedNumber(std::strtod(value_.c_str(), nullptr), code);
    }

    CsvRows &rows_;
    const Spreadsheet::Format &format_;
    long row_ = 1;
    std::size_t column_ = 0, style_ = 0;
    std::string type_, value_;
    bool collecting_ = false;
};

// One table of an OpenDocument spreadsheet, by its place among the tables, written as CSV rows.
class OdsTable : public XmlHandler
{
public:
    OdsTable(CsvRows &rows, std::size_t table) : rows_(rows), wanted_(table) {}

    void start(std::string_view name, const char **attributes) override
    {
        if (name == "table") {
            inTable_ = tables_++ == wanted_;
            return;
        }
        annotations_ += name == "annotation";
        if (!inTable_ || annotations_ > 0)
            return;
        if (name == "table-row") {
            rowRepeats_ =
                std::clamp(number(attribute(attributes, "number-rows-repeated"), 1), 1L, mostRows);
            column_ = 0;
        } else if (name == "table-cell" || name == "covered-table-cell") {
            cellRepeats_ = static_cast<std::size_t>(
                std::clamp(number(attribute(attributes, "number-columns-repeated"), 1), 1L,
                           long(mostColumns)));
            cell_.clear();
            paragraphs_ = 0;
        } else if (name == "p" || name == "h") {
            if (paragraphs_++ > 0)
                cell_ += ' ';
            inParagraph_ = true;
        } else if (name == "s" && inParagraph_) {
            cell_.append(static_cast<std::size_t>(
                             std::clamp(number(attribute(attributes, "c"), 1), 1L, 1000L)),
                         ' ');
        } else if (name == "tab" && inParagraph_) {
            cell_ += '\t';
        } else if (name == "line-break" && inParagraph_) {
            cell_ += ' ';
        }
    }
    void end(std::string_view name) override
    {
        if (name == "table") {
            inTable_ = false;
            return;
        }
        if (name == "annotation") {
            --annotations_;
            return;
        }
        if (!inTable_ || annotations_ > 0)
            return;
        if (name == "p" || name == "h") {
            inParagraph_ = false;
        } else if (name == "table-cell" || name == "covered-table-cell") {
            for (std::size_t i = 0; i < cellRepeats_ && column_ < mostColumns; ++i)
                rows_.cell(column_++, cell_);
        } else if (name == "table-row") {
            // Empty rows are written only when a row with cells follows them.
            const long first = rows_.nextRow() + pendingEmpty_;
            if (!rows_.rowHasCells()) {
                pendingEmpty_ += rowRepeats_;
                rows_.dropRow();
                return;
            }
            rows_.endRows(first, rowRepeats_);
            pendingEmpty_ = 0;
        }
    }
    void text(std::string_view text) override
    {
        if (inTable_ && inParagraph_ && annotations_ == 0)
            cell_ += text;
    }

private:
    CsvRows &rows_;
    std::size_t wanted_, tables_ = 0;
    bool inTable_ = false, inParagraph_ = false;
    long rowRepeats_ = 1, pendingEmpty_ = 0;
    std::size_t cellRepeats_ = 1, column_ = 0;
    int paragraphs_ = 0, annotations_ = 0; // comments on a cell are no part of it
    std::string cell_;
};

// A sheet's rows as CSV, unpacked and parsed a piece at a time as they are read.
class SheetRows : public std::streambuf
{
public:
    // The handler writes the sheet's rows into rows(); broken is set when the XML is.
    SheetRows(ZipArchive &zip, const std::string &entry, bool &broken) : zip_(zip), broken_(broken)
    {
        done_ = !zip.open(entry);
    }
    CsvRows &rows() { return rows_; }
    void read(std::unique_ptr<XmlHandler> handler)
    {
        handler_ = std::move(handler);
        xml_ = std::make_unique<XmlStream>(*handler_);
    }

protected:
    int_type underflow() override
    {
        while (shown_ >= rows_.out.size() && !done_) {
            rows_.out.clear();
            shown_ = 0;
            char piece[1 << 16];
            const long got = zip_.read(piece, sizeof piece);
            if (got < 0) {
                done_ = true;
                break;
            }
            done_ = got == 0;
            if (!xml_->feed({piece, static_cast<std::size_t>(got)}, done_)) {
                broken_ = true;
                done_ = true;
            }
        }
        if (shown_ >= rows_.out.size())
            return traits_type::eof();
        char *start = rows_.out.data() + shown_;
        setg(start, start, rows_.out.data() + rows_.out.size());
        shown_ = rows_.out.size();
        return traits_type::to_int_type(*start);
    }

private:
    ZipArchive &zip_;
    bool &broken_;
    CsvRows rows_;
    std::unique_ptr<XmlHandler> handler_;
    std::unique_ptr<XmlStream> xml_;
    std::size_t shown_ = 0; // of rows_.out, handed to the reader
    bool done_ = false;
};

} // namespace

bool startsAsZip(std::string_view start)
{
    return start.starts_with("PK\x03\x04") || start.starts_with("PK\x05\x06");
}

Spreadsheet::Spreadsheet(const std::string &path, std::uint64_t limit) : zip_(path, limit)
{
    read();
}

Spreadsheet::Spreadsheet(std::string_view bytes, std::uint64_t limit) : zip_(bytes, limit)
{
    read();
}

void Spreadsheet::read()
{
    // A file that starts as a zip but whose directory cannot be read is cut short.
    if (!zip_.isOpen())
        problem_ = SpreadsheetProblem::Damaged;
    else if (!readOpenDocument() && !readWorkbook() && !problem())
        problem_ = SpreadsheetProblem::NoSpreadsheet;
}

Spreadsheet::~Spreadsheet() = default;

std::optional<SpreadsheetProblem> Spreadsheet::problem() const
{
    if (problem_)
        return problem_;
    if (const auto &zip = zip_.problem())
        return *zip == ZipProblem::TooLarge ? SpreadsheetProblem::TooLarge
                                            : SpreadsheetProblem::Damaged;
    if (xmlBroken_)
        return SpreadsheetProblem::Damaged;
    return std::nullopt;
}

std::unique_ptr<std::streambuf> Spreadsheet::rows(std::size_t sheet)
{
    auto rows = std::make_unique<SheetRows>(zip_, sheetEntries_[sheet], xmlBroken_);
    if (openDocument_)
        rows->read(std::make_unique<OdsTable>(rows->rows(), sheet));
    else
        rows->read(std::make_unique<XlsxSheet>(rows->rows(), *format_));
    return rows;
}

bool Spreadsheet::readOpenDocument()
{
    const std::optional<std::string> mimetype = zip_.entry("mimetype");
    if (!mimetype || !mimetype->starts_with("application/vnd.oasis.opendocument.spreadsheet"))
        return false;
    // The tables' names, from a first reading of the content.
    TableNames tables;
    XmlStream stream(tables);
    if (!zip_.open("content.xml"))
        return false;
    char piece[1 << 16];
    for (long got = 1; got > 0;) {
        got = zip_.read(piece, sizeof piece);
        if (got < 0)
            return false;
        if (!stream.feed({piece, static_cast<std::size_t>(got)}, got == 0)) {
            problem_ = SpreadsheetProblem::Damaged;
            return false;
        }
    }
    openDocument_ = true;
    sheetNames_ = tables.names;
    sheetEntries_.assign(sheetNames_.size(), "content.xml");
    return true;
}

bool Spreadsheet::readWorkbook()
{
    Relationships package;
    const std::optional<std::string> packageRelationships = zip_.entry("_rels/.rels");
    if (packageRelationships && !parseWhole(package, *packageRelationships))
        return false;
    const auto main = package.byType.find("officeDocument");
    const std::string workbookPart =
        main == package.byType.end() ? "xl/workbook.xml" : resolved("", main->second);
    const std::optional<std::string> workbookXml = zip_.entry(workbookPart);
    if (!workbookXml)
        return false;
    const std::size_t slash = workbookPart.rfind('/') + 1;
    Relationships workbook;
    WorkbookSheets sheets;
    const std::optional<std::string> workbookRelationships =
        zip_.entry(workbookPart.substr(0, slash) + "_rels/" + workbookPart.substr(slash) + ".rels");
    if (!workbookRelationships || !parseWhole(workbook, *workbookRelationships) ||
        !parseWhole(sheets, *workbookXml)) {
        problem_ = SpreadsheetProblem::Damaged;
        return false;
    }
    format_ = std::make_unique<Format>();
    if (const auto part = workbook.byType.find("sharedStrings"); part != workbook.byType.end()) {
        SharedStrings strings;
        const std::optional<std::string> xml = zip_.entry(resolved(workbookPart, part->second));
        if (!xml || !parseWhole(strings, *xml)) {
            problem_ = zip_.problem() ? std::nullopt : std::optional(SpreadsheetProblem::Damaged);
            return false;
        }
        format_->sharedStrings = std::move(strings.strings);
    }
    if (const auto part = workbook.byType.find("styles"); part != workbook.byType.end()) {
        Styles styles;
        if (const std::optional<std::string> xml = zip_.entry(resolved(workbookPart, part->second));
            xml && parseWhole(styles, *xml))
            for (long id : styles.cellFormats) {
                const auto custom = styles.customFormats.find(id);
                format_->cellFormats.emplace_back(custom != styles.customFormats.end()
                                                      ? std::string_view(custom->second)
                                                      : builtInNumberFormat(int(id)));
            }
    }
    for (const auto &[name, id] : sheets.sheets)
        if (const auto target = workbook.byId.find(id); target != workbook.byId.end()) {
            sheetNames_.push_back(name);
            sheetEntries_.push_back(resolved(workbookPart, target->second));
        }
    return true;
}

} // namespace ohmilka::partslist
