// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What ohmilka-code check finds, part by part: a line for each value outside its series or
// unreadable, or a JSON line for every part, and the counts of the summary.

#include "Arguments.h"
#include "Messages.h"
#include "Rows.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

struct Entry {
    std::string_view file;
    long line;
    partslist::Part part; // its references those not named before
};

struct Tally {
    long checked = 0, inSeries = 0, outside = 0, unreadable = 0, notFitted = 0, otherParts = 0;
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
    std::string where(const Entry &entry) const;
    void skipped(const Entry &entry, std::string_view result);

    bool json_;
    const Texts &texts_;
    std::ostream &out_;
    std::vector<int> untoleranced_; // sizes of the --series list
    Tally tally_;
    bool valueUnreadable_ = false;
};

} // namespace ohmilka::cli
