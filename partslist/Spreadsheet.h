// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A spreadsheet, Office Open XML (.xlsx) or OpenDocument (.ods), read by its content: its sheets
// in workbook order, and each sheet as the CSV its export would write, one line per row from row
// 1, streamed as it is unpacked. Cells are written as the sheet shows them: text as it stands, a
// formula's saved result, a number in its cell's format (xlsx), the saved display text (ods).

#include "Zip.h"

#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <vector>

namespace ohmilka::partslist {

enum class SpreadsheetProblem {
    NoSpreadsheet, // a zip archive that holds no workbook
    TooLarge,      // a part unpacks beyond the limit, or is packed absurdly tightly
    Damaged,       // truncated, a wrong checksum, XML that is not well-formed
};

class Spreadsheet
{
public:
    explicit Spreadsheet(const std::string &path, std::uint64_t limit = ZipArchive::defaultLimit);
    // A spreadsheet in memory, as standard input brings it; bytes must outlive it.
    Spreadsheet(std::string_view bytes, std::uint64_t limit);
    ~Spreadsheet();

    const std::vector<std::string> &sheets() const { return sheetNames_; }
    // The rows of a sheet as CSV; one stream at a time.
    std::unique_ptr<std::streambuf> rows(std::size_t sheet);
    // The first thing wrong, once found: on opening, or while rows were read.
    std::optional<SpreadsheetProblem> problem() const;

    struct Format; // what the workbook says of its cells (xlsx)

private:
    void read();
    bool readWorkbook();
    bool readOpenDocument();

    ZipArchive zip_;
    bool openDocument_ = false;
    std::vector<std::string> sheetNames_, sheetEntries_;
    std::unique_ptr<Format> format_;
    std::optional<SpreadsheetProblem> problem_;
    bool xmlBroken_ = false;
};

// The zip archive's first bytes, as a file's start shows them.
bool startsAsZip(std::string_view start);

} // namespace ohmilka::partslist
