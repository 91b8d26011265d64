// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ReportOutput.h"

#include "FilePath.h"
#include "FileReplacement.h"
#include "SystemReason.h"

#include <cerrno>
#include <filesystem>

namespace ohmilka::cli {

namespace fs = std::filesystem;

namespace {
// Two names of one file: the same path, a link, a hard link.
bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code error;
    return fs::equivalent(partslist::filePath(a), partslist::filePath(b), error) && !error;
}
} // namespace

ReportOutput::ReportOutput(const std::optional<std::string> &file,
                           std::span<const std::string> inputs, std::ostream &standardOutput,
                           std::ostream &standardError, const Texts &texts)
    : file_(file), texts_(texts), err_(standardError), stream_(&standardOutput)
{
    if (!file_)
        return;
    refuseIfRead(inputs);
    if (const int standardStream = standardStreamNamed(*file_)) {
        stream_ = standardStream == 1 ? &standardOutput : &standardError;
        return;
    }
    std::error_code error;
    const fs::file_status status = fs::status(partslist::filePath(*file_), error);
    if (!fs::exists(status) || fs::is_regular_file(status)) {
        stream_ = &whole_;
        return;
    }
    direct_.open(partslist::filePath(*file_), std::ios::binary | std::ios::trunc);
    if (!direct_)
        texts_.refuse("--output: cannot write {file}: {reason}",
                      "--output: nelze zapsat {file}: {reason}", "file"_a = printable(*file_),
                      "reason"_a = systemReason(errno));
    stream_ = &direct_;
}

void ReportOutput::refuseIfRead(std::span<const std::string> inputs) const
{
    for (const std::string &input : inputs)
        if (input != "-" && sameFile(*file_, input))
            texts_.refuse("--output: {output} is {input}, which check reads; name another file",
                          "--output: {output} je {input}, který check čte; uveďte jiný soubor",
                          "output"_a = printable(*file_), "input"_a = printable(input));
}

void ReportOutput::finish(std::span<const std::string> alsoRead, bool failed)
{
    if (!file_)
        return;
    refuseIfRead(alsoRead);
    if (stream_ != &whole_) {
        if (!stream_->flush())
            texts_.refuse("--output: cannot write {file}", "--output: nelze zapsat {file}",
                          "file"_a = printable(*file_));
        return;
    }
    if (failed) {
        writeMessage(err_,
                     texts_.say("--output: {file} is left as it was, as the run failed",
                                "--output: {file} zůstává beze změny, protože kontrola selhala",
                                "file"_a = printable(*file_)));
        return;
    }
    if (const auto reason = replaceFileContents(*file_, whole_.view()))
        texts_.refuse("--output: cannot write {file}: {reason}; it is left as it was",
                      "--output: nelze zapsat {file}: {reason}; zůstává, jak byl",
                      "file"_a = printable(*file_), "reason"_a = *reason);
}

} // namespace ohmilka::cli
