// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CheckReport.h"

#include "PartNumbers.h"
#include "Readings.h"
#include "Values.h"

#include "AsciiText.h"

#include <algorithm>
#include <iterator>

namespace ohmilka::cli {

CheckReport::CheckReport(const Arguments &arguments, bool json, const Texts &texts,
                         std::ostream &out, std::ostream &err)
    : texts_(texts), out_(out), err_(err), printer_(checkPrinter(json, texts, out)),
      suggest_(arguments.given(OptionName::Suggest))
{
    for (const Series &series :
         seriesList(arguments.value(OptionName::Series), {*seriesNamed("E24")}, texts))
        untoleranced_.push_back(series.size);
}

void CheckReport::unreadable(const Entry &entry, const std::string &reason)
{
    ++tally_.checked;
    ++tally_.unreadable;
    tally_.status = 2;
    printer_->part({entry, Finding::Result::Unreadable, reason, std::nullopt, std::nullopt});
}

void CheckReport::notFitted(const Entry &entry)
{
    ++tally_.notFitted;
    printer_->part({entry, Finding::Result::NotFitted, {}, std::nullopt, std::nullopt});
}

void CheckReport::otherPart(const Entry &entry)
{
    ++tally_.otherParts;
    printer_->part({entry, Finding::Result::OtherPart, {}, std::nullopt, std::nullopt});
}

void CheckReport::columns(std::string_view file, const partslist::Columns &columns)
{
    printer_->columns(file, columns);
    if (const std::optional<std::string> note = valueSourceText(file, columns, texts_)) {
        out_.flush(); // the findings before it stand before its line
        writeMessage(err_, *note);
    }
}

void CheckReport::notRead(const NotRead &resistors)
{
    tally_.notRead += static_cast<long>(resistors.references.size()) + resistors.more;
    tally_.status = 2;
    printer_->notRead(resistors);
}

void CheckReport::leftOutOfBom(const LeftOutOfBom &resistors)
{
    tally_.leftOutOfBom += static_cast<long>(resistors.references.size());
    printer_->leftOutOfBom(resistors);
}

void CheckReport::fileProblem(std::string_view file, const std::string &reason)
{
    printer_->fileProblem(file, reason);
    out_.flush(); // the findings before it stand before its line
    writeMessage(err_, reason);
}

void CheckReport::summarise()
{
    endOfFile();
    printer_->summary(tally_);
    out_.flush(); // a report on standard error stands before its summary
    writeMessage(err_, summaryText(tally_, texts_));
}

void CheckReport::check(const Entry &entry)
{
    const partslist::Part &part = entry.part;
    tally_.notAnnotated += entry.notAnnotated;
    if (!part.secondValue.empty()) {
        valueUnreadable_ = true;
        return unreadable(entry,
                          texts_.say("value {cell}: it holds two values, {first} and {second}",
                                     "hodnota {cell}: obsahuje dvě hodnoty, {first} a {second}",
                                     "cell"_a = texts_.quote(part.cell),
                                     "first"_a = texts_.quote(part.value),
                                     "second"_a = texts_.quote(part.secondValue)));
    }
    if (!part.parsed.value && part.valueFrom == partslist::ValueFrom::PartNumber)
        return unreadable(entry, texts_.say("no column of values, and no maker's key reads part "
                                            "number {number}",
                                            "sloupec hodnot chybí a objednací číslo {number} "
                                            "nepřečte klíč žádného výrobce",
                                            "number"_a = texts_.quote(part.value)));
    if (!part.parsed.value && part.valueFrom == partslist::ValueFrom::Description)
        return unreadable(entry, texts_.say("description {cell}: no one value reads in it among "
                                            "words of known kinds",
                                            "popis {cell}: nelze v něm přečíst právě jednu "
                                            "hodnotu mezi slovy známých druhů",
                                            "cell"_a = texts_.quote(part.value)));
    if (!part.parsed.value) {
        valueUnreadable_ = true;
        return unreadable(entry, valueProblemText(part.parsed.problem, part.value, texts_));
    }
    if (const std::optional<int> tolerance = part.toleranceHundredths;
        !part.tolerance.empty() &&
        (!tolerance || *tolerance <= 0 || *tolerance > noToleranceBandHundredths))
        return unreadable(entry, texts_.say("tolerance {given} is no tolerance",
                                            "tolerance {given} není platná tolerance",
                                            "given"_a = texts_.quote(part.tolerance)));
    const Decimal value = normalised(*part.parsed.value);
    if (part.size && part.sizeNaming == partslist::SizeNaming::Inch)
        bareSizes_.inch = true;
    if (part.size && part.sizeNaming == partslist::SizeNaming::Metric)
        bareSizes_.metric = true;
    bool unread = false;
    for (const partslist::OrderedPart &ordered : part.ordered)
        if (!ordered.reading) {
            unread = true;
            noteNumber(ordered.number, value, entry);
        }
    // A bare 0402 or 0603 is told by the list's other sizes, known at its end: the rows it is
    // held to a part number's size on wait for it.
    const bool sizeOpen =
        part.size && part.sizeNaming == partslist::SizeNaming::Either &&
        std::any_of(part.ordered.begin(), part.ordered.end(),
                    [](const auto &ordered) { return ordered.reading && ordered.reading->size; });
    if ((unread || sizeOpen) && waiting_.size() < waitingKept) {
        waiting_.push_back({std::string(entry.file), entry.line, part, entry.notAnnotated, value});
        return;
    }
    checkValue(entry, value);
}

std::optional<partnumbers::Size> CheckReport::sizeOf(std::optional<partnumbers::Size> size,
                                                     partslist::SizeNaming naming) const
{
    if (!size || naming != partslist::SizeNaming::Either)
        return size;
    if (!waited_)
        return std::nullopt; // not told before the end of the file
    if (bareSizes_.inch && bareSizes_.metric)
        return std::nullopt; // no telling which
    return bareSizes_.metric ? partslist::asMetricCode(*size) : size;
}

void CheckReport::noteNumber(const std::string &number, Decimal value, const Entry &entry)
{
    auto rows = rowsOfNumber_.find(lowered(number));
    if (rows == rowsOfNumber_.end()) {
        if (rowsOfNumber_.size() >= numbersKept)
            return;
        rows = rowsOfNumber_.emplace(lowered(number), std::vector<FirstRow>()).first;
    }
    const partslist::Part &part = entry.part;
    std::vector<FirstRow> &firstRows = rows->second;
    if (firstRows.size() < valuesKept &&
        std::none_of(firstRows.begin(), firstRows.end(), [&](const FirstRow &row) {
            return compare(row.value, value) == 0 && row.tolerance == part.toleranceHundredths &&
                   row.size == part.size && row.naming == part.sizeNaming;
        }))
        firstRows.push_back({value, std::string(entry.file), entry.line, part.references,
                             part.toleranceHundredths, part.size, part.sizeNaming});
}

std::vector<Disagreement> CheckReport::sameNumberAs(const partslist::Part &part,
                                                    Decimal value) const
{
    // Only what both rows state is held one to the other.
    const auto differ = [](const auto &a, const auto &b) { return a && b && !(*a == *b); };
    std::vector<Disagreement> sameNumber;
    for (const partslist::OrderedPart &ordered : part.ordered) {
        if (ordered.reading)
            continue;
        const auto rows = rowsOfNumber_.find(lowered(ordered.number));
        if (rows == rowsOfNumber_.end())
            continue;
        const std::optional<int> tolerance = part.toleranceHundredths;
        const std::optional<partnumbers::Size> size = sizeOf(part.size, part.sizeNaming);
        for (const FirstRow &other : rows->second) {
            const std::optional<int> otherTolerance = other.tolerance;
            const std::optional<partnumbers::Size> otherSize = sizeOf(other.size, other.naming);
            if (compare(other.value, value) == 0 && !differ(tolerance, otherTolerance) &&
                !differ(size, otherSize))
                continue;
            Disagreement same{Disagreement::Kind::SamePartNumber,
                              &ordered,
                              other.file,
                              other.line,
                              other.references,
                              other.value};
            if (tolerance && otherTolerance)
                same.otherTolerance = otherTolerance;
            if (size && otherSize)
                same.otherSize = otherSize;
            sameNumber.push_back(std::move(same));
            break;
        }
    }
    return sameNumber;
}

void CheckReport::endOfFile()
{
    waited_ = true;
    for (Waiting &row : waiting_)
        checkValue({row.file, row.line, row.part, row.notAnnotated}, row.value);
    waited_ = false;
    waiting_.clear();
    rowsOfNumber_.clear();
    bareSizes_ = {};
}

void CheckReport::checkValue(const Entry &entry, Decimal value)
{
    ++tally_.checked;
    std::optional<int> tolerance = entry.part.toleranceHundredths;
    const std::optional<partnumbers::Size> rowSize = sizeOf(entry.part.size, entry.part.sizeNaming);
    std::vector<Disagreement> disagreements = disagreementsWith(entry, value, rowSize, tolerance);
    std::ranges::move(sameNumberAs(entry.part, value), std::back_inserter(disagreements));
    if (!disagreements.empty()) {
        ++tally_.mismatches;
        tally_.status = std::max(tally_.status, 1);
        printer_->part({entry,
                        Finding::Result::Mismatch,
                        {},
                        value,
                        tolerance,
                        nullptr,
                        std::move(disagreements),
                        rowSize});
        return;
    }
    const VerdictKey key{value, tolerance.value_or(-1)};
    auto known = verdicts_.find(key);
    if (known == verdicts_.end()) {
        if (verdicts_.size() >= verdictsKept)
            verdicts_.clear();
        known = verdicts_.emplace(key, verdictOn(value, tolerance)).first;
    }
    const Verdict &verdict = known->second;
    if (verdict.member)
        ++tally_.inSeries;
    else {
        ++tally_.outside;
        tally_.status = std::max(tally_.status, 1);
    }
    Finding finding{.entry = entry,
                    .result = verdict.member ? Finding::Result::InSeries : Finding::Result::Outside,
                    .reason = {},
                    .ohms = value,
                    .tolerance = tolerance,
                    .verdict = &verdict,
                    .disagreements = {},
                    .rowSize = rowSize};
    if (suggest_ && entry.part.ordered.empty()) {
        finding.suggestionWanted = true;
        if (rowSize && value.mantissa != 0)
            finding.suggestion = &suggestionFor(value, tolerance, *rowSize);
    }
    printer_->part(finding);
}

std::vector<Disagreement> CheckReport::disagreementsWith(const Entry &entry, Decimal value,
                                                         std::optional<partnumbers::Size> rowSize,
                                                         std::optional<int> &tolerance)
{
    std::vector<Disagreement> disagreements;
    const std::optional<int> asked = tolerance;
    for (const partslist::OrderedPart &ordered : entry.part.ordered) {
        ++tally_.partNumbers;
        if (!ordered.reading) {
            ++tally_.partNumbersNotRead;
            continue;
        }
        const partnumbers::PartNumberReading &reading = *ordered.reading;
        const std::optional<int> orderedTolerance = reading.toleranceHundredths;
        const bool wider = asked && orderedTolerance && *orderedTolerance > *asked;
        if (compare(reading.ohms, value) != 0 || wider)
            disagreements.push_back({Disagreement::Kind::Value, &ordered});
        else if (!tolerance)
            tolerance = orderedTolerance;
        if (rowSize && reading.size && !(*rowSize == *reading.size))
            disagreements.push_back({Disagreement::Kind::Size, &ordered});
    }
    return disagreements;
}

std::size_t CheckReport::VerdictHash::operator()(const VerdictKey &key) const
{
    const std::size_t mantissa = std::hash<std::int64_t>()(key.value.mantissa);
    return mantissa ^ (static_cast<std::size_t>(key.value.exponent) * 0x9E3779B9u) ^
           (static_cast<std::size_t>(key.tolerance) << 20);
}

std::size_t CheckReport::SuggestionHash::operator()(const SuggestionKey &key) const
{
    return VerdictHash()(key.verdict) ^ (std::hash<std::string_view>()(key.size) << 1);
}

const partnumbers::PartChoice &CheckReport::suggestionFor(Decimal value,
                                                          std::optional<int> tolerance,
                                                          const partnumbers::Size &size)
{
    const SuggestionKey key{{value, tolerance.value_or(-1)}, size.inch};
    auto known = suggestions_.find(key);
    if (known == suggestions_.end()) {
        if (suggestions_.size() >= verdictsKept)
            suggestions_.clear();
        known = suggestions_
                    .emplace(key, partnumbers::choosePart(
                                      {value, tolerance, size, partnumbers::offerings()}))
                    .first;
    }
    return known->second;
}

Verdict CheckReport::verdictOn(Decimal value, std::optional<int> tolerance) const
{
    const std::vector<int> sizes = tolerance ? seriesForTolerance(*tolerance) : untoleranced_;
    // In any of the series; else the nearest members of all of them.
    bool member = value.mantissa == 0; // a zero-ohm link is a part of its own
    std::optional<Decimal> below, above;
    for (int size : sizes) {
        if (member)
            break;
        const SeriesPosition position = seriesPosition(size, value);
        member = position.member;
        if (!below || compare(position.below, *below) > 0)
            below = position.below;
        if (!above || compare(position.above, *above) < 0)
            above = position.above;
    }
    if (member)
        return {value,        tolerance,    sizes,        true,
                std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    return {value,
            tolerance,
            sizes,
            false,
            below,
            above,
            percentDifference(value, *below),
            percentDifference(value, *above)};
}

} // namespace ohmilka::cli
