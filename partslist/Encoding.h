// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Parts lists as tools and spreadsheets save them: UTF-8, with or without its signature, UTF-16
// as EasyEDA and Excel's "Unicode text" write it, or Windows-1250, the code page of Czech
// Windows. What is read from here is UTF-8 whichever it was.

#include <cstdint>
#include <exception>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace ohmilka::partslist {

enum class TextEncoding { Unknown, Utf8, Utf16Le, Utf16Be, Windows1250 };

// "utf-8", "utf-16le", "utf-16be", "windows-1250" in any case; Unknown for any other name.
TextEncoding encodingNamed(std::string_view name);
std::string_view nameOf(TextEncoding encoding); // "UTF-16LE"

// Windows-1250 bytes appended to utf8 as UTF-8, by the platform's own converter. A byte the code
// page leaves undefined becomes U+FFFD.
void appendWindows1250AsUtf8(std::string_view bytes, std::string &utf8);

// Files that are no text: what a parts list's name may hide.
enum class BinaryKind { None, Zip, OleCompound, Pdf, Other };

// A source read as UTF-8, its signature dropped. While the encoding is Unknown, the start of
// the source decides it: a UTF-16 signature, or UTF-16's zero bytes in every other place; else
// the first bytes outside ASCII, UTF-8 when all of what was read with them is valid UTF-8 (a
// sequence cut by the read is completed first), Windows-1250 when not. A source whose start is
// that of a zip, an OLE compound file or a PDF, or holds zero bytes, reads as empty.
class DecodingInput : public std::streambuf
{
public:
    DecodingInput(std::streambuf *source, TextEncoding encoding)
        : source_(source), encoding_(encoding), guessed_(encoding == TextEncoding::Unknown)
    {}
    // The encoding chosen from the content, not asked for or signed, when it is no UTF-8.
    std::optional<TextEncoding> guessedOtherThanUtf8() const;
    BinaryKind binary() const { return binary_; }

protected:
    int_type underflow() override;

private:
    bool appendFromSource();
    void judgeStart();
    void decodeUtf16(std::string_view bytes, bool atEnd);

    std::streambuf *source_;
    TextEncoding encoding_;
    bool guessed_;
    bool started_ = false;
    BinaryKind binary_ = BinaryKind::None;
    std::string raw_;
    std::string decoded_;
    std::string carried_;        // UTF-16 bytes that the next read completes
    std::exception_ptr failure_; // a read that failed while the start was judged
};

} // namespace ohmilka::partslist
