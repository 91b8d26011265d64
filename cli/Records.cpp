// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Records.h"

namespace ohmilka::code {

bool RecordReader::next(Record &record)
{
    if (readError_ || unclosedQuote_)
        return false;
    try {
        return read(record);
    } catch (const std::ios_base::failure &failure) {
        // The C++ library's file buffers throw when the system refuses a read.
        readError_ = failure.code();
        return false;
    }
}

bool RecordReader::read(Record &record)
{
    using Traits = std::streambuf::traits_type;
    record.bytes_.clear();
    record.ends_.clear();
    line_ = nextLine_;
    tooLong_ = false;
    std::size_t size = 0;
    bool quoted = false;      // inside a quoted field
    bool fieldQuoted = false; // the field began with a quote
    bool fieldEmpty = true;   // nothing of the field read yet
    long quoteLine = 0;
    const auto endField = [&] {
        if (!tooLong_)
            record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
    };
    int c = buffer_->sbumpc();
    if (c == Traits::eof())
        return false;
    for (; c != Traits::eof(); c = buffer_->sbumpc()) {
        if (c == '\n')
            ++nextLine_;
        const bool inQuotes = csv_ && quoted;
        if (!inQuotes && c == '\n')
            break;
        if (!inQuotes && c == '\r' && buffer_->sgetc() == '\n')
            continue;
        if (++size > limit_)
            tooLong_ = true;
        if (inQuotes) {
            if (c == '"') {
                if (buffer_->sgetc() != '"') {
                    quoted = false;
                    continue;
                }
                buffer_->sbumpc(); // "" is one quote
                if (++size > limit_)
                    tooLong_ = true;
            }
        } else if (csv_ && c == ',') {
            endField();
            fieldEmpty = true;
            fieldQuoted = false;
            continue;
        } else if (csv_ && c == '"' && fieldEmpty && !fieldQuoted) {
            quoted = fieldQuoted = true;
            quoteLine = nextLine_;
            continue;
        }
        fieldEmpty = false;
        if (!tooLong_)
            record.bytes_ += static_cast<char>(c);
    }
    if (quoted) {
        unclosedQuote_ = quoteLine;
        return false;
    }
    endField();
    if (tooLong_) {
        record.bytes_.clear();
        record.ends_.assign(1, 0);
    }
    return true;
}

} // namespace ohmilka::code
