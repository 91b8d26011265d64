// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What ohmilka-code check finds, part by part: each part's verdict, handed to the printer as it
// is found, and the counts of the summary.

#include "CheckPrinter.h"
#include "OptionTable.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ohmilka::cli {

class CheckReport
{
public:
    CheckReport(const Arguments &arguments, bool json, const Texts &texts, std::ostream &out,
                std::ostream &err);

    // A row whose part number no key reads waits for the end of its file, where another row
    // with the same part number and another value makes both mismatches (beyond a bound of
    // rows waiting, the later one).
    void check(const Entry &entry);
    void endOfFile(); // the rows that wait, checked
    void unreadable(const Entry &entry, const std::string &reason);
    void notFitted(const Entry &entry);
    void otherPart(const Entry &entry);
    void columns(std::string_view file, const partslist::Columns &columns);
    // Resistors named and neither checked nor found not fitted: the status is 2.
    void notRead(const NotRead &resistors);
    void leftOutOfBom(const LeftOutOfBom &resistors);
    // A file that cannot be read, or read to its end: its line on standard error.
    void fileProblem(std::string_view file, const std::string &reason);
    void flush() { out_.flush(); } // what was found so far, before a message on stderr
    // The summary line on standard error, after the findings; in JSON, its object as well.
    void summarise();
    const Tally &tally() const { return tally_; }
    bool valueUnreadable() const { return valueUnreadable_; } // the forms are worth a hint

private:
    struct VerdictKey {
        Decimal value;
        int tolerance;                                 // -1 for none
        bool operator==(const VerdictKey &other) const // of normalised values
        {
            return value.mantissa == other.value.mantissa &&
                   value.exponent == other.value.exponent && tolerance == other.tolerance;
        }
    };
    struct VerdictHash {
        std::size_t operator()(const VerdictKey &key) const;
    };
    Verdict verdictOn(Decimal value, std::optional<int> tolerance) const;
    // The part numbers to order for a value at its tolerance and size, worked out once each.
    const partnumbers::PartChoice &suggestionFor(Decimal value, std::optional<int> tolerance,
                                                 const partnumbers::Size &size);
    struct SuggestionKey {
        VerdictKey verdict;
        std::string_view size; // the inch code, from the table of sizes
        bool operator==(const SuggestionKey &other) const = default;
    };
    struct SuggestionHash {
        std::size_t operator()(const SuggestionKey &key) const;
    };
    // The checked value against the series, and against the part numbers: what they say of
    // resistance, tolerance and size, and the rows that share an unread one.
    void checkValue(const Entry &entry, Decimal value);
    // Where the part numbers say another resistance, a wider tolerance or another size than the
    // row. Where the row gives no tolerance, the first part number's is taken.
    std::vector<Disagreement> disagreementsWith(const Entry &entry, Decimal value,
                                                std::optional<partnumbers::Size> rowSize,
                                                std::optional<int> &tolerance);
    // The row's size: a bare 0402 or 0603 as the file's other bare sizes tell, as inches where
    // they tell nothing, and none where they say both.
    std::optional<partnumbers::Size> sizeOf(std::optional<partnumbers::Size> size,
                                            partslist::SizeNaming naming) const;
    // A part number no key reads, on a row: the first row of each value, tolerance and size.
    void noteNumber(const std::string &number, Decimal value, const Entry &entry);
    // The other rows an unread part number of the row stands on, with another value, or a
    // tolerance or size that both rows state and that differ.
    std::vector<Disagreement> sameNumberAs(const partslist::Part &part, Decimal value) const;
    struct FirstRow {
        Decimal value;
        std::string file;
        long line;
        std::vector<std::string> references;
        std::optional<int> tolerance;
        std::optional<partnumbers::Size> size;
        partslist::SizeNaming naming;
    };
    struct Waiting {
        std::string file;
        long line;
        partslist::Part part;
        bool notAnnotated;
        Decimal value;
    };

    const Texts &texts_;
    std::ostream &out_, &err_;
    std::unique_ptr<CheckPrinter> printer_;
    std::vector<int> untoleranced_; // sizes of the --series list
    Tally tally_;
    bool valueUnreadable_ = false;
    bool suggest_; // part numbers for the rows without one
    // Values repeat: each verdict is worked out once, for a bounded number of them.
    static constexpr std::size_t verdictsKept = 1 << 16;
    std::unordered_map<VerdictKey, Verdict, VerdictHash> verdicts_;
    std::unordered_map<SuggestionKey, partnumbers::PartChoice, SuggestionHash> suggestions_;
    // Rows with an unread part number wait, up to a bound; beyond it each is checked at once,
    // against the rows before it.
    static constexpr std::size_t waitingKept = 1 << 12;
    std::vector<Waiting> waiting_;
    static constexpr std::size_t numbersKept = 1 << 16, valuesKept = 8;
    std::unordered_map<std::string, std::vector<FirstRow>> rowsOfNumber_;
    // Whether the file's bare sizes so far include inch codes and metric codes alone.
    struct BareSizes {
        bool inch = false, metric = false;
    } bareSizes_;
    bool waited_ = false; // rows are checked at the end of their file, its sizes all seen
};

} // namespace ohmilka::cli
