// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Every resistor a file names ends in one place: checked (unreadable is a verdict), not fitted,
// left out of the BOM, or not read, with the reason. Parts go to the report as they come, each
// reference once; resistors that a row names outside its part wait for the end of the file, when
// those that no part accounted for are named as not read.

#include "CheckReport.h"
#include "Designators.h"
#include "ReferenceSet.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ohmilka::cli {

class FileAccount
{
public:
    FileAccount(CheckReport &report, const Texts &texts) : report_(report), texts_(texts) {}

    // A part, and the resistors its row names elsewhere, under columns (none above a header).
    void take(Entry &entry, const std::vector<partslist::NamedResistor> &elsewhere,
              const partslist::Columns *columns)
    {
        // The line of a plain list: its value alone.
        if (elsewhere.empty() && entry.part.references.empty() &&
            entry.part.kind == partslist::Part::Kind::Resistor)
            return report_.check(entry);
        takeNamed(entry, elsewhere, columns);
    }
    // A design's resistor that its BOM leaves out.
    void leftOutOfBom(std::string_view file, const std::string &reference);
    // A design's resistor whose reference another sheet's symbol has: not checked, so not read.
    void referenceTaken(std::string_view file, long line, const std::string &reference);
    // The end of a table: what stood above its header, or in a table without one.
    void endOfTable(bool headerFound);
    // The resistors not read, then those left out of the BOM, to the report.
    void finish();

private:
    enum class Why { OtherColumn, NoPart, AboveHeader, NoHeader, ReferenceTaken };
    struct Pending {
        std::string designator;
        long line;
        std::uint32_t file, label; // in files_ and labels_
        Why why;
    };
    void takePart(Entry &entry);
    void takeNamed(Entry &entry, const std::vector<partslist::NamedResistor> &elsewhere,
                   const partslist::Columns *columns);
    std::string reasonOf(const Pending &pending) const;

    CheckReport &report_;
    const Texts &texts_;
    // A reference listed again is the same part where its row says the same, else another part.
    bool listedAlike(const std::string &reference, const partslist::Part &part);

    partslist::ReferenceSet seen_;    // references of the parts reported, marked by their rows
    partslist::ReferenceSet members_; // resistors of a range reported: R2 of R1-R4
    partslist::ReferenceSet pendingSeen_;
    // Resistors not read are named up to a bound, and counted beyond it.
    static constexpr std::size_t pendingKept = 1 << 16;
    std::vector<Pending> pending_;
    std::vector<Pending> taken_; // references of another sheet's part
    long unlisted_ = 0;
    std::vector<std::string> files_, labels_; // of pending_, each once in a row
    std::size_t aboveHeader_ = 0;             // pending_ from here on stood above any header so far
    // Each file's resistors left out of the BOM, each once: a part of several units is one.
    std::vector<std::pair<std::string, std::vector<std::string>>> leftOut_;
    partslist::ReferenceSet leftOutSeen_;
};

} // namespace ohmilka::cli
