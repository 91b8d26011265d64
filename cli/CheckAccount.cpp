// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckAccount.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace ohmilka::cli {

using namespace partslist;

void FileAccount::takeNamed(Entry &entry, const std::vector<NamedResistor> &elsewhere,
                            const Columns *columns)
{
    takePart(entry);
    // What the row names elsewhere waits, unless a part accounts for it already.
    for (const NamedResistor &named : elsewhere) {
        if (seen_.contains(named.designator) || members_.contains(named.designator))
            continue;
        if (pending_.size() >= pendingKept) {
            unlisted_ += 1;
            continue;
        }
        if (!pendingSeen_.insert(named.designator))
            continue;
        if (files_.empty() || files_.back() != entry.file)
            files_.emplace_back(entry.file);
        Pending pending{named.designator, named.line ? named.line : entry.line,
                        static_cast<std::uint32_t>(files_.size() - 1), 0, Why::AboveHeader};
        if (named.column) {
            const std::size_t column = *named.column;
            pending.why = entry.part.kind == Part::Kind::None && column == columns->references
                              ? Why::NoPart
                              : Why::OtherColumn;
            std::string label = column < columns->header.labels.size()
                                    ? columns->header.labels[column]
                                    : std::string();
            if (label.empty())
                label = std::to_string(column + 1);
            if (labels_.empty() || labels_.back() != label)
                labels_.push_back(std::move(label));
            pending.label = static_cast<std::uint32_t>(labels_.size() - 1);
        }
        pending_.push_back(std::move(pending));
    }
}

void FileAccount::takePart(Entry &entry)
{
    Part &part = entry.part;
    if (part.kind == Part::Kind::None)
        return;
    // KiCad's grouped export lists a part on its own and again in its group; each R? is a part.
    entry.notAnnotated = part.kind != Part::Kind::Other &&
                         std::any_of(part.references.begin(), part.references.end(),
                                     [](const std::string &r) { return isUnannotated(r); });
    if (!part.references.empty()) {
        std::erase_if(part.references, [&](const std::string &reference) {
            return !isUnannotated(reference) && listedAlike(reference, part);
        });
        if (part.references.empty())
            return;
    }
    switch (part.kind) {
    case Part::Kind::Resistor:
    case Part::Kind::NotFitted:
        for (const std::string &reference : part.references)
            if (reference.find('-') != std::string::npos ||
                reference.find("..") != std::string::npos)
                for (const std::string &member : resistorsNamed(reference))
                    members_.insert(member);
        return part.kind == Part::Kind::Resistor ? report_.check(entry) : report_.notFitted(entry);
    case Part::Kind::Other:
        return report_.otherPart(entry);
    case Part::Kind::None:
        return;
    }
}

bool FileAccount::listedAlike(const std::string &reference, const Part &part)
{
    // What the row says, as one mark: its value, tolerance, part number and footprint.
    std::uint64_t mark = 0;
    for (const std::string_view field :
         {std::string_view(part.cell), std::string_view(part.tolerance),
          std::string_view(part.partNumber), std::string_view(part.footprint)})
        mark = (mark ^ std::hash<std::string_view>{}(field)) * 0x100000001b3u;
    return seen_.insert(reference, mark) == ReferenceSet::Listed::Alike;
}

void FileAccount::leftOutOfBom(std::string_view file, const std::string &reference)
{
    if (!namesAResistor({reference}) || !leftOutSeen_.insert(reference))
        return;
    if (leftOut_.empty() || leftOut_.back().first != file)
        leftOut_.emplace_back(std::string(file), std::vector<std::string>());
    leftOut_.back().second.push_back(reference);
}

void FileAccount::referenceTaken(std::string_view file, long line, const std::string &reference)
{
    if (files_.empty() || files_.back() != file)
        files_.emplace_back(file);
    taken_.push_back(
        {reference, line, static_cast<std::uint32_t>(files_.size() - 1), 0, Why::ReferenceTaken});
}

void FileAccount::endOfTable(bool headerFound)
{
    for (std::size_t i = aboveHeader_; i < pending_.size() && !headerFound; ++i)
        if (pending_[i].why == Why::AboveHeader)
            pending_[i].why = Why::NoHeader;
    aboveHeader_ = pending_.size();
}

std::string FileAccount::reasonOf(const Pending &pending) const
{
    switch (pending.why) {
    case Why::OtherColumn:
        return texts_.say("the column {label} was not taken for references",
                          "sloupec {label} se nečetl jako označení součástek",
                          "label"_a = texts_.quote(labels_[pending.label]));
    case Why::NoPart:
        return texts_.say("their row was not taken for a part",
                          "jejich řádek se nečetl jako součástka");
    case Why::AboveHeader:
        return texts_.say("they stand above the header", "stojí nad záhlavím");
    case Why::ReferenceTaken:
        return texts_.say("another sheet has a part of the same reference",
                          "jiný list má součástku se stejnou referencí");
    case Why::NoHeader:
        break;
    }
    return texts_.say("no header names a column of values", "žádné záhlaví neuvádí sloupec hodnot");
}

void FileAccount::finish()
{
    report_.endOfFile();
    // What no part accounted for, in runs of one file and one reason.
    std::erase_if(pending_, [&](const Pending &pending) {
        return seen_.contains(pending.designator) || members_.contains(pending.designator);
    });
    // Ahead of the rest: the count beyond the bound belongs to the last run of those.
    pending_.insert(pending_.begin(), std::make_move_iterator(taken_.begin()),
                    std::make_move_iterator(taken_.end()));
    taken_.clear();
    for (std::size_t first = 0; first < pending_.size();) {
        const Pending &lead = pending_[first];
        NotRead resistors{files_[lead.file], lead.line, {}, reasonOf(lead)};
        std::size_t next = first;
        for (; next < pending_.size() && pending_[next].file == lead.file &&
               pending_[next].why == lead.why && pending_[next].label == lead.label;
             ++next)
            resistors.references.push_back(pending_[next].designator);
        first = next;
        if (first == pending_.size())
            resistors.more = unlisted_;
        report_.notRead(resistors);
    }
    pending_.clear();
    unlisted_ = 0;
    for (const auto &[file, references] : leftOut_)
        report_.leftOutOfBom({file, references});
    leftOut_.clear();
}

} // namespace ohmilka::cli
