// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Records.h"

namespace ohmilka::partslist {

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
    splitRecord(tooLong_ ? std::string_view() : raw_, separator, record);
}

Record recordOf(std::span<const std::string> fields)
{
    Record record;
    for (const std::string &field : fields) {
        record.bytes_ += field;
        record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
    }
    return record;
}

void splitRecord(std::string_view raw, char separator, Record &record)
{
    record.bytes_.clear();
    record.ends_.clear();
    const auto endField = [&] {
        record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
    };
    if (separator == plainLines) {
        record.bytes_ = raw;
        endField();
        return;
    }
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (quoted) {
            if (c != '"')
                record.bytes_ += c;
            else if (i + 1 < raw.size() && raw[i + 1] == '"')
                record.bytes_ += raw[++i];
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

namespace {
constexpr bool startsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}
} // namespace

std::vector<std::size_t> splitAtSpaceRuns(std::string_view raw, Record &record)
{
    record.bytes_.clear();
    record.ends_.clear();
    std::vector<std::size_t> starts;
    std::size_t character = 0, spaces = 0;
    for (const char c : raw) {
        if (c == ' ') {
            ++spaces;
        } else {
            if (starts.empty() || spaces >= 2) {
                if (!starts.empty())
                    record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
                starts.push_back(character);
            } else if (spaces == 1) {
                record.bytes_ += ' ';
            }
            spaces = 0;
            record.bytes_ += c;
        }
        character += startsCharacter(c);
    }
    record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
    return starts;
}

void splitAligned(std::string_view raw, const std::vector<std::size_t> &starts, Record &record)
{
    record.bytes_.clear();
    record.ends_.clear();
    // A field ends where the next starts, without the dashes that lead the eye to it: "R1 ----".
    const auto endField = [&] {
        const std::size_t filler = record.bytes_.find_last_not_of("- ");
        const std::size_t start = record.ends_.empty() ? 0 : record.ends_.back();
        if (filler != std::string::npos && filler >= start &&
            record.bytes_.find(" -", filler) == filler + 1)
            record.bytes_.resize(filler + 1);
        record.ends_.push_back(static_cast<std::uint32_t>(record.bytes_.size()));
    };
    // A word that runs on past the next field's start ("0805 RESISTOR" over a Quantity column)
    // stays whole: the field ends at the space after it.
    const auto withinWord = [&](char c) {
        const std::size_t start = record.ends_.empty() ? 0 : record.ends_.back();
        return c != ' ' && record.bytes_.size() > start && record.bytes_.back() != ' ';
    };
    std::size_t character = 0, field = 0;
    for (const char c : raw) {
        if (startsCharacter(c)) {
            while (field + 1 < starts.size() && character >= starts[field + 1] && !withinWord(c)) {
                endField();
                ++field;
            }
            ++character;
        }
        record.bytes_ += c;
    }
    while (record.ends_.size() < starts.size())
        endField();
}

} // namespace ohmilka::partslist
