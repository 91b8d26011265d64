// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Where check writes its report: standard output, or the file --output names. A regular file
// (or a link to one) is replaced only once the report is whole, so that a run that fails
// leaves an earlier report as it was; a device or a pipe is written as the report goes. A file
// the run reads is never the one it writes.

#include "Messages.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <string>

namespace ohmilka::cli {

class ReportOutput
{
public:
    // Refuses an output that is one of the inputs by any path, before anything is written.
    ReportOutput(const std::optional<std::string> &file, std::span<const std::string> inputs,
                 std::ostream &standardOutput, std::ostream &standardError, const Texts &texts);
    std::ostream &stream() { return *stream_; }
    // The report is whole: refused where a file read since (a schematic's sheet) is the output,
    // or where the file cannot be written or replaced. A run that failed replaces no file, and
    // says so.
    void finish(std::span<const std::string> alsoRead, bool failed);

private:
    void refuseIfRead(std::span<const std::string> inputs) const;

    std::optional<std::string> file_;
    const Texts &texts_;
    std::ostream &err_;
    std::ofstream direct_;
    std::ostringstream whole_;
    std::ostream *stream_;
};

} // namespace ohmilka::cli
