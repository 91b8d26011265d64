// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Records.h"

namespace ohmilka::code {

bool RecordReader::next(std::vector<std::string> &fields)
{
    using Traits = std::streambuf::traits_type;
    fields.assign(1, std::string());
    line_ = nextLine_;
    tooLong_ = false;
    std::size_t size = 0;
    bool quoted = false;      // inside a quoted field
    bool fieldQuoted = false; // the field began with a quote
    int c = buffer_->sbumpc();
    if (c == Traits::eof())
        return false;
    for (; c != Traits::eof(); c = buffer_->sbumpc()) {
        if (c == '\n')
            ++nextLine_;
        if (csv_ && quoted) {
            if (c == '"') {
                if (buffer_->sgetc() == '"')
                    buffer_->sbumpc(); // "" is one quote
                else {
                    quoted = false;
                    continue;
                }
            }
        } else if (c == '\n') {
            break;
        } else if (c == '\r' && buffer_->sgetc() == '\n') {
            continue;
        } else if (csv_ && c == ',') {
            fields.emplace_back();
            fieldQuoted = false;
            continue;
        } else if (csv_ && c == '"' && fields.back().empty() && !fieldQuoted) {
            quoted = fieldQuoted = true;
            continue;
        }
        if (++size > maxRecordBytes) {
            tooLong_ = true;
            continue;
        }
        fields.back() += static_cast<char>(c);
    }
    return true;
}

} // namespace ohmilka::code
