// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What check finds, as plain values both of its printers render: each part's verdict, and the
// counts of the summary.

#include "Choosing.h"
#include "Messages.h"
#include "Rows.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

struct Entry {
    std::string_view file;
    long line;
    partslist::Part &part;     // its references those not named before: the reader's own
    bool notAnnotated = false; // R?: checked on its own
};

// Resistors a file names that were neither checked nor found not fitted, and why.
struct NotRead {
    std::string_view file;
    long line; // where the first of them is named
    std::vector<std::string> references;
    std::string reason;
    long more = 0; // beyond those named, where a file names more than are kept
};

// Resistors of a design that it leaves out of its BOM: named, not checked.
struct LeftOutOfBom {
    std::string_view file;
    std::vector<std::string> references;
};

// Where a value with a tolerance, or none, stands in the series that parts of it are sold in.
struct Verdict {
    Decimal value;
    std::optional<int> tolerance;
    std::vector<int> sizes; // the series it was held to
    bool member = false;
    std::optional<Decimal> below, above, belowPercent, abovePercent; // outside the series only
};

// Where a row and one of its part numbers disagree.
struct Disagreement {
    enum class Kind { Value, Size, SamePartNumber };
    Kind kind;
    const partslist::OrderedPart *ordered;
    // Of SamePartNumber: the other row that has the part number, and its value.
    std::string_view otherFile = {};
    long otherLine = 0;
    std::vector<std::string> otherReferences = {};
    Decimal otherOhms = {};
    std::optional<int> otherTolerance = {};          // where both rows state one
    std::optional<partnumbers::Size> otherSize = {}; // where both rows state one
};

struct Finding {
    enum class Result { InSeries, Outside, Unreadable, NotFitted, OtherPart, Mismatch };
    const Entry &entry;
    Result result;
    std::string reason;                            // why the part cannot be read
    std::optional<Decimal> ohms;                   // the value read, of a checked part
    std::optional<int> tolerance;                  // the row's, else its part number's
    const Verdict *verdict = nullptr;              // in series or outside
    std::vector<Disagreement> disagreements = {};  // of a mismatch
    std::optional<partnumbers::Size> rowSize = {}; // the row's, as its file's sizes tell
    // With --suggest, of a checked row without a part number: what to order, where it names
    // its size.
    bool suggestionWanted = false;
    const partnumbers::PartChoice *suggestion = nullptr;
};

struct Tally {
    long checked = 0, inSeries = 0, outside = 0, unreadable = 0, notFitted = 0, otherParts = 0;
    long partNumbers = 0, mismatches = 0, partNumbersNotRead = 0; // of checked parts
    long notAnnotated = 0, notRead = 0, leftOutOfBom = 0;         // resistors
    int status = 0;
};

// "checked 12: 10 in series, 1 outside, 1 unreadable; 0 not fitted, 4 other parts skipped",
// then the counts that are not 0 of what a designer should see: "; 3 resistors not read".
std::string summaryText(const Tally &tally, const Texts &texts);

// Where a list without a column of values, or without a header, has its values read; none for a
// list with a header and a column of values.
std::optional<std::string> valueSourceText(std::string_view file, const partslist::Columns &columns,
                                           const Texts &texts);

} // namespace ohmilka::cli
