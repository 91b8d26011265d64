// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The two ways check writes its findings: a text line for each part worth a word, or a JSON line
// for every part, every list's columns, every file that cannot be read, and the summary.

#include "CheckFinding.h"

#include <memory>
#include <ostream>

namespace ohmilka::cli {

class CheckPrinter
{
public:
    virtual ~CheckPrinter() = default;
    virtual void part(const Finding &finding) = 0;
    virtual void columns(std::string_view file, const partslist::Columns &columns) = 0;
    // A file, or a part of one, that cannot be read: its line is on standard error as well.
    virtual void fileProblem(std::string_view file, const std::string &reason) = 0;
    virtual void notRead(const NotRead &resistors) = 0;
    virtual void leftOutOfBom(const LeftOutOfBom &resistors) = 0;
    virtual void summary(const Tally &tally) = 0;
};

std::unique_ptr<CheckPrinter> checkPrinter(bool json, const Texts &texts, std::ostream &out);

} // namespace ohmilka::cli
