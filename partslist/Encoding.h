// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Parts lists as spreadsheets save them: UTF-8, with or without its signature, or Windows-1250,
// the code page of Czech Windows. What is read from here is UTF-8 either way.

#include <streambuf>
#include <string>
#include <string_view>

namespace ohmilka::cli {

enum class TextEncoding { Unknown, Utf8, Windows1250 };

// "utf-8", "windows-1250" in any case; Unknown for any other name.
TextEncoding encodingNamed(std::string_view name);

// Windows-1250 bytes appended to utf8 as UTF-8, by the platform's own converter. A byte the code
// page leaves undefined becomes U+FFFD.
void appendWindows1250AsUtf8(std::string_view bytes, std::string &utf8);

// A source read as UTF-8, its signature dropped. While the encoding is Unknown, the first bytes
// outside ASCII decide it: UTF-8 when all of what was read with them is valid UTF-8 (a sequence
// cut by the read is completed first), else Windows-1250.
class DecodingInput : public std::streambuf
{
public:
    DecodingInput(std::streambuf *source, TextEncoding encoding)
        : source_(source), encoding_(encoding), guessed_(encoding == TextEncoding::Unknown)
    {}
    // Windows-1250 was chosen for want of valid UTF-8, not asked for.
    bool guessedWindows1250() const { return guessed_ && encoding_ == TextEncoding::Windows1250; }

protected:
    int_type underflow() override;

private:
    bool appendFromSource();

    std::streambuf *source_;
    TextEncoding encoding_;
    bool guessed_;
    bool started_ = false;
    std::string raw_;
    std::string decoded_;
};

} // namespace ohmilka::cli
