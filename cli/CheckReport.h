// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What ohmilka-code check finds, part by part: a line for each value outside its series or
// unreadable, or a JSON line for every part, and the counts of the summary.

#include "Json.h"
#include "Messages.h"
#include "OptionTable.h"
#include "Rows.h"

#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ohmilka::cli {

struct Entry {
    std::string_view file;
    long line;
    partslist::Part part; // its references those not named before
};

struct Tally {
    long checked = 0, inSeries = 0, outside = 0, unreadable = 0, notFitted = 0, otherParts = 0;
    long partNumbers = 0, mismatches = 0, partNumbersNotRead = 0; // of checked parts
    int status = 0;
};

class CheckReport
{
public:
    CheckReport(const Arguments &arguments, bool json, const Texts &texts, std::ostream &out);

    void check(const Entry &entry);
    void unreadable(const Entry &entry, const std::string &reason);
    void notFitted(const Entry &entry);
    void otherPart(const Entry &entry);
    void columns(std::string_view file, const partslist::Columns &columns); // in JSON alone
    void flush() { out_.flush(); } // what was found so far, before a message on stderr
    const Tally &tally() const { return tally_; }
    bool valueUnreadable() const { return valueUnreadable_; } // the forms are worth a hint

private:
    // What a value with a tolerance, or none, comes to: the same for every part of it.
    struct Verdict {
        bool member = false;
        std::string text; // the line's words after its place, outside the series only
        JsonObject json;  // the JSON line's members after its result
    };
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
    // Whether the part number says another resistance, or a wider tolerance, than the row;
    // reported where it does. Where the row gives no tolerance, the part number's is taken.
    bool disagreesWithPartNumber(const Entry &entry, Decimal value, std::optional<int> &tolerance);

    std::string where(const Entry &entry);
    void skipped(const Entry &entry, std::string_view result);

    bool json_;
    const Texts &texts_;
    std::ostream &out_;
    std::vector<int> untoleranced_; // sizes of the --series list
    Tally tally_;
    bool valueUnreadable_ = false;
    std::string_view file_;     // the file of the last line reported
    std::string printableFile_; // its name, as the terminal is shown it
    // Values repeat: each verdict is worked out and worded once, for a bounded number of them.
    static constexpr std::size_t verdictsKept = 1 << 16;
    std::unordered_map<VerdictKey, Verdict, VerdictHash> verdicts_;
};

} // namespace ohmilka::cli
