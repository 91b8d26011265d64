// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Records.h"

namespace ohmilka::cli {

bool RecordReader::next(Record &record)
{
    if (readError_ || unclosedQuote_)
        return false;
    try {
        if (!read())
            return false;
    } catch (const std::ios_base::failure &failure) {
        // The C++ library's file buffers throw when the system refuses a read.
        readError_ = failure.code();
        return false;
    }
    split(separator_ == anySeparator ? ',' : separator_, record);
    return true;
}

bool RecordReader::partsFields(char c) const
{
    if (separator_ == anySeparator)
        return c == ',' || c == ';' || c == '\t';
    return c == separator_;
}

// Up to the line end that no quote holds, kept as written.
bool RecordReader::read()
{
    using Traits = std::streambuf::traits_type;
    raw_.clear();
    line_ = nextLine_;
    tooLong_ = false;
    std::size_t size = 0;
    bool quoted = false;    // inside a quoted field
    bool fieldStart = true; // where a quote opens a quoted field
    long quoteLine = 0;
    const auto take = [&](char c) {
        if (++size > limit_)
            tooLong_ = true;
        if (!tooLong_)
            raw_ += c;
    };
    int c = buffer_->sbumpc();
    if (c == Traits::eof())
        return false;
    for (; c != Traits::eof(); c = buffer_->sbumpc()) {
        if (c == '\r') {
            if (buffer_->sgetc() == '\n')
                continue;
            c = '\n';
        }
        if (c == '\n') {
            ++nextLine_;
            if (!quoted)
                break;
        }
        take(static_cast<char>(c));
        if (separator_ == plainLines)
            continue;
        if (quoted) {
            if (c == '"') {
                if (buffer_->sgetc() == '"')
                    take(static_cast<char>(buffer_->sbumpc())); // "" is one quote
                else
                    quoted = false;
            }
        } else if (c == '"' && fieldStart) {
            quoted = true;
            quoteLine = nextLine_;
        }
        fieldStart = !quoted && partsFields(static_cast<char>(c));
    }
    if (quoted) {
        unclosedQuote_ = quoteLine;
        return false;
    }
    return true;
}

void RecordReader::split(char separator, Record &record) const
{
    record.bytes_.clear();
    record.ends_.clear();
    if (tooLong_) {
        record.ends_.push_back(0);
        return;
    }
    const auto endField = [&] {
        record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
    };
    if (separator == plainLines) {
        record.bytes_ = raw_;
        endField();
        return;
    }
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t i = 0; i < raw_.size(); ++i) {
        const char c = raw_[i];
        if (quoted) {
            if (c != '"')
                record.bytes_ += c;
            else if (i + 1 < raw_.size() && raw_[i + 1] == '"')
                record.bytes_ += raw_[++i];
            else
                quoted = false;
            continue;
        }
        if (c == separator) {
            endField();
            fieldStart = true;
            continue;
        }
        if (c == '"' && fieldStart)
            quoted = true;
        else
            record.bytes_ += c;
        fieldStart = false;
    }
    endField();
}

} // namespace ohmilka::cli
